// The banner: decoded with libpng, blended over the button face, stretched over the picture box.
#include <cstdlib>

#include "ui/toolkit/win32/banner.h"
#include "ui/toolkit/win32/test_window.h"

namespace {

TEST(Banner, DecodesAnIndexedPngWithTransparency) {
    BannerImage image = DecodeBanner(TestBannerPng());
    ASSERT_EQ(image.width, 32);
    ASSERT_EQ(image.height, 8);
    const uint8_t left[] = {255, 0, 0, 255}, right[] = {0, 0, 255, 128};
    EXPECT_TRUE(std::equal(left, left + 4, &image.rgba[0]));
    EXPECT_TRUE(std::equal(right, right + 4, &image.rgba[4 * 31]));
}

TEST(Banner, BrokenImagesDecodeToNothing) {
    std::vector<uint8_t> png = TestBannerPng();
    std::vector<uint8_t> truncated(png.begin(), png.begin() + static_cast<long>(png.size() / 2));
    std::vector<uint8_t> corrupt = png;
    for (size_t i = 40; i < corrupt.size(); i += 7) corrupt[i] ^= 0x5A;
    const std::vector<uint8_t> cases[] = {{}, {'n', 'o', 't', ' ', 'p', 'n', 'g'}, truncated, corrupt};
    for (const auto& bytes : cases) {
        SCOPED_TRACE(bytes.size());
        EXPECT_TRUE(DecodeBanner(bytes).Empty());
    }
}

TEST(Banner, BlendsOnlyWhatIsNotOpaque) {
    BannerImage image{3, 1, {10, 20, 30, 255, 200, 100, 0, 0, 255, 255, 255, 128}};
    std::vector<uint32_t> out = BlendOver(image, RGB(0, 0, 0));
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0], 0x0A141Eu);   // opaque: as it is
    EXPECT_EQ(out[1], 0x000000u);   // clear: the background
    EXPECT_EQ(out[2], 0x808080u);   // half: (255 * 128 + 127) / 255 = 128
}

// The picture box's pixels as it paints them into a 32-bit bitmap.
std::vector<uint32_t> PaintedPixels(HWND box, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(box, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    auto* p = static_cast<uint32_t*>(bits);
    std::vector<uint32_t> out(p, p + width * height);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return out;
}

uint32_t Rgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

bool Near(uint32_t a, uint32_t b) {
    for (int shift : {0, 8, 16})
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 3) return false;
    return true;
}

class PictureBoxTest : public WindowTest {};

TEST_F(PictureBoxTest, BannerStretchedOverTheButtonFace) {
    Build();
    HWND box = Control(控件::图片框1);
    RECT r;
    GetClientRect(box, &r);
    ASSERT_EQ(r.right, 446);
    ASSERT_EQ(r.bottom, 128);
    std::vector<uint32_t> px = PaintedPixels(box, 446, 128);
    uint32_t face = Rgb(GetSysColor(COLOR_BTNFACE));
    uint32_t half = (((0 * 128 + ((face >> 16) & 0xFF) * 127 + 127) / 255) << 16) |
                    (((0 * 128 + ((face >> 8) & 0xFF) * 127 + 127) / 255) << 8) |
                    ((255 * 128 + (face & 0xFF) * 127 + 127) / 255);
    // The image's left half is opaque red, its right half blue at alpha 128; stretched 32 x 8
    // to 446 x 128, each half covers half of the box. Samples keep clear of the seam HALFTONE blurs.
    struct Sample { int x, y; uint32_t want; };
    const Sample samples[] = {{5, 5, 0xFF0000}, {100, 64, 0xFF0000}, {200, 120, 0xFF0000},
                              {250, 5, half},   {340, 64, half},     {440, 120, half}};
    for (const Sample& s : samples) {
        SCOPED_TRACE(testing::Message() << s.x << "," << s.y);
        uint32_t got = px[static_cast<size_t>(s.y * 446 + s.x)] & 0xFFFFFF;
        EXPECT_TRUE(Near(got, s.want)) << std::hex << got << " want " << s.want;
    }
}

TEST_F(PictureBoxTest, BrokenBannerLeavesTheButtonFace) {
    banner.resize(banner.size() / 2);
    Build();
    std::vector<uint32_t> px = PaintedPixels(Control(控件::图片框1), 446, 128);
    uint32_t face = Rgb(GetSysColor(COLOR_BTNFACE));
    size_t other = 0;
    for (uint32_t p : px) other += (p & 0xFFFFFF) != face;
    EXPECT_EQ(other, 0u);
}

TEST_F(PictureBoxTest, LabelsPaintTheirTextOnTheButtonFace) {
    Build();
    HWND label = Control(控件::标签1);
    std::vector<uint32_t> px = PaintedPixels(label, 80, 24);
    uint32_t face = Rgb(GetSysColor(COLOR_BTNFACE));
    // Black text at the left, vertically centred; the rest button face.
    int dark = 0, darkRight = 0, darkTopRow = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 80; ++x) {
            uint32_t p = px[static_cast<size_t>(y * 80 + x)] & 0xFFFFFF;
            bool isDark = ((p >> 16) & 0xFF) < 0x60 && ((p >> 8) & 0xFF) < 0x60 && (p & 0xFF) < 0x60;
            dark += isDark;
            darkRight += isDark && x >= 75;
            darkTopRow += isDark && (y == 0 || y == 23);
        }
    EXPECT_GT(dark, 20);
    EXPECT_EQ(darkRight, 0);
    EXPECT_EQ(darkTopRow, 0);
    EXPECT_EQ(px[0] & 0xFFFFFF, face);
    EXPECT_EQ(px[80 * 24 - 1] & 0xFFFFFF, face);
}

}  // namespace
