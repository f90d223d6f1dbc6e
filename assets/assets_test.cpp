#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string kBannerPath = PASSWORD_ASSETS_DIR "/banner.png";
const std::string kIconPath = PASSWORD_ASSETS_DIR "/password.ico";

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t Le16(const std::vector<uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }
uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return Le16(b, at) | Le16(b, at + 2) << 16;
}

struct BannerHeader {
    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colourType = 0, interlace = 0;
    int paletteEntries = 0, alphaEntries = 0;
};

// Reads the header chunks the way the program's decoder meets them; false if libpng rejects the file.
bool ReadBannerHeader(const std::string& path, BannerHeader& h) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool ok = false;
    if (info && !setjmp(png_jmpbuf(png))) {
        png_init_io(png, f);
        png_read_info(png, info);
        png_get_IHDR(png, info, &h.width, &h.height, &h.bitDepth, &h.colourType, &h.interlace, nullptr,
                     nullptr);
        png_colorp palette = nullptr;
        if (png_get_PLTE(png, info, &palette, &h.paletteEntries) != PNG_INFO_PLTE) h.paletteEntries = 0;
        png_bytep alpha = nullptr;
        if (png_get_tRNS(png, info, &alpha, &h.alphaEntries, nullptr) != PNG_INFO_tRNS) h.alphaEntries = 0;
        ok = true;
    }
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(f);
    return ok;
}

TEST(Banner, IndexedWithTheFullPaletteAndAlphaTable) {
    BannerHeader h;
    ASSERT_TRUE(ReadBannerHeader(kBannerPath, h)) << kBannerPath;
    EXPECT_EQ(h.width, 273u);
    EXPECT_EQ(h.height, 80u);
    EXPECT_EQ(h.colourType, PNG_COLOR_TYPE_PALETTE);
    EXPECT_EQ(h.bitDepth, 8);
    EXPECT_EQ(h.interlace, PNG_INTERLACE_NONE);
    EXPECT_EQ(h.paletteEntries, 256);
    EXPECT_EQ(h.alphaEntries, 241);
}

TEST(Banner, DecodesToRgbaThatBlendsIntoTheButtonFace) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, kBannerPath.c_str())) << image.message;
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) << image.message;
    ASSERT_EQ(image.width, 273u);
    ASSERT_EQ(image.height, 80u);

    size_t transparent = 0, partial = 0, opaque = 0;
    for (size_t i = 3; i < pixels.size(); i += 4) {
        uint8_t a = pixels[i];
        (a == 0 ? transparent : a == 255 ? opaque : partial)++;
    }
    EXPECT_GT(transparent, 0u);
    EXPECT_GT(partial, 0u);
    EXPECT_GT(opaque, 0u);
    // The corners show the button face, so the stretched banner has no hard rectangular edge.
    const size_t w = image.width, h = image.height;
    for (size_t at : {size_t{0}, w - 1, (h - 1) * w, h * w - 1}) {
        SCOPED_TRACE(at);
        EXPECT_EQ(pixels[at * 4 + 3], 0);
    }
}

TEST(Icon, OneBgraImageOf64With32BitsAndAMatchingMask) {
    const std::vector<uint8_t> ico = ReadFile(kIconPath);
    const size_t size = 64, stride = size * 4, maskStride = size / 8;
    const size_t dib = 40 + size * stride + size * maskStride;
    ASSERT_GE(ico.size(), 6u + 16u) << kIconPath;
    EXPECT_EQ(Le16(ico, 0), 0u);
    EXPECT_EQ(Le16(ico, 2), 1u);  // icon, not cursor
    ASSERT_EQ(Le16(ico, 4), 1u);  // one image
    EXPECT_EQ(ico[6], size);
    EXPECT_EQ(ico[7], size);
    EXPECT_EQ(Le16(ico, 6 + 6), 32u);
    const uint32_t bytes = Le32(ico, 6 + 8), offset = Le32(ico, 6 + 12);
    ASSERT_EQ(bytes, dib);
    ASSERT_EQ(uint64_t{offset} + bytes, ico.size());

    // The image: a BITMAPINFOHEADER whose height counts colour rows and mask rows together.
    EXPECT_EQ(Le32(ico, offset), 40u);
    EXPECT_EQ(Le32(ico, offset + 4), size);
    EXPECT_EQ(Le32(ico, offset + 8), 2 * size);
    EXPECT_EQ(Le16(ico, offset + 12), 1u);
    EXPECT_EQ(Le16(ico, offset + 14), 32u);
    EXPECT_EQ(Le32(ico, offset + 16), 0u);  // BI_RGB, not PNG-compressed

    const size_t colours = offset + 40, mask = colours + size * stride;
    size_t transparent = 0, opaque = 0, blue = 0, maskDisagrees = 0;
    for (size_t y = 0; y < size; ++y) {
        for (size_t x = 0; x < size; ++x) {
            const uint8_t* p = &ico[colours + y * stride + x * 4];  // B, G, R, A
            const bool masked = ico[mask + y * maskStride + x / 8] & (0x80 >> (x % 8));
            if (masked != (p[3] == 0)) ++maskDisagrees;
            if (p[3] == 0) ++transparent;
            if (p[3] == 255) {
                ++opaque;
                if (p[0] > p[1] && p[0] > p[2]) ++blue;
            }
        }
    }
    EXPECT_GT(transparent, size * size / 4);  // letters on a transparent background
    EXPECT_GT(opaque, size * size / 10);
    EXPECT_GE(blue * 10, opaque * 9) << blue << " of " << opaque << " opaque pixels are blue";
    // Systems that ignore alpha draw through the AND mask: it must leave out exactly the clear pixels.
    EXPECT_EQ(maskDisagrees, 0u);
}

}  // namespace
