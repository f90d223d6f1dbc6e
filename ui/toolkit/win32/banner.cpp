#include "ui/toolkit/win32/banner.h"

#include <png.h>

#include <cstring>

#include "ui/toolkit/win32/win_error.h"

namespace {

// A banner larger than this is no banner of ours; refusing it keeps a broken file from asking
// for gigabytes.
constexpr png_uint_32 kMaxSide = 4096;

uint32_t Blend(uint8_t colour, uint8_t alpha, uint8_t background) {
    return (colour * alpha + background * (255u - alpha) + 127u) / 255u;
}

}  // namespace

BannerImage DecodeBanner(std::span<const uint8_t> png) {
    BannerImage out;
    if (png.empty()) return out;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    // The simplified API reports errors through its return value; nothing longjmps past us.
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return out;
    if (image.width == 0 || image.height == 0 || image.width > kMaxSide || image.height > kMaxSide) {
        png_image_free(&image);
        return out;
    }
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return out;
    }
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    out.rgba = std::move(pixels);
    return out;
}

std::vector<uint32_t> BlendOver(const BannerImage& image, COLORREF background) {
    const uint8_t br = GetRValue(background), bg = GetGValue(background), bb = GetBValue(background);
    std::vector<uint32_t> out(image.rgba.size() / 4);
    for (size_t i = 0; i < out.size(); ++i) {
        const uint8_t* p = &image.rgba[i * 4];
        uint32_t r = p[0], g = p[1], b = p[2];
        if (p[3] != 255) {
            r = Blend(p[0], p[3], br);
            g = Blend(p[1], p[3], bg);
            b = Blend(p[2], p[3], bb);
        }
        out[i] = (r << 16) | (g << 8) | b;
    }
    return out;
}

void PaintBanner(HDC dc, const RECT& box, const BannerImage& image) {
    FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
    if (image.Empty()) return;

    std::vector<uint32_t> pixels = BlendOver(image, GetSysColor(COLOR_BTNFACE));
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top-down, as decoded
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        LogWinError("making the banner bitmap");
        return;
    }
    std::memcpy(bits, pixels.data(), pixels.size() * sizeof pixels[0]);
    HDC source = CreateCompatibleDC(dc);
    if (!source) {
        LogWinError("making the banner's memory DC");
        DeleteObject(bitmap);
        return;
    }
    HGDIOBJ old = SelectObject(source, bitmap);

    // HALFTONE averages the source pixels, which only pays off with enough colours to show it.
    bool manyColours = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) > 16;
    int oldMode = SetStretchBltMode(dc, manyColours ? HALFTONE : COLORONCOLOR);
    POINT oldOrigin;
    if (manyColours) SetBrushOrgEx(dc, 0, 0, &oldOrigin);  // HALFTONE needs the brush origin reset after it
    if (!StretchBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, source, 0, 0, image.width,
                    image.height, SRCCOPY))
        LogWinError("drawing the banner");
    if (manyColours) SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    SetStretchBltMode(dc, oldMode);

    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(bitmap);
}
