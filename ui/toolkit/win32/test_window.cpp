#include "ui/toolkit/win32/test_window.h"

#include <png.h>

#include <cstring>

std::vector<std::string> gHandled;
std::function<void(Toolkit&)> gOnCreated, gOnDestroyed;

// The six handlers of the layout table, recording instead of acting.
void OnMainWindowCreated(Toolkit& ui) {
    gHandled.push_back("created");
    if (gOnCreated) gOnCreated(ui);
}
void OnMainWindowWillBeDestroyed(Toolkit& ui) {
    gHandled.push_back("destroyed");
    if (gOnDestroyed) gOnDestroyed(ui);
}
void On按钮_生成Clicked(Toolkit&) { gHandled.push_back("按钮_生成"); }
void On单选框_指定词库Clicked(Toolkit&) { gHandled.push_back("单选框_指定词库"); }
void On作者Selected(Toolkit&) { gHandled.push_back("作者"); }
void On说明Selected(Toolkit&) { gHandled.push_back("说明"); }

HICON TestIcon() {
    BITMAPV5HEADER h = {};
    h.bV5Size = sizeof h;
    h.bV5Width = 64;
    h.bV5Height = -64;
    h.bV5Planes = 1;
    h.bV5BitCount = 32;
    h.bV5Compression = BI_BITFIELDS;
    h.bV5RedMask = 0x00FF0000;
    h.bV5GreenMask = 0x0000FF00;
    h.bV5BlueMask = 0x000000FF;
    h.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&h), DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    auto* p = static_cast<uint32_t*>(bits);
    for (int i = 0; i < 64 * 64; ++i) p[i] = (i % 64) < 32 ? 0xFF2050C0u : 0u;  // blue left half, clear right
    HBITMAP mask = CreateBitmap(64, 64, 1, 1, nullptr);
    ICONINFO info = {TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

std::vector<uint8_t> TestBannerPng() {
    // 32 x 8, indexed: the left half opaque red, the right half blue at alpha 128.
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = 32;
    image.height = 8;
    image.format = PNG_FORMAT_RGBA_COLORMAP;
    image.colormap_entries = 2;
    const uint8_t colormap[] = {255, 0, 0, 255, 0, 0, 255, 128};
    uint8_t pixels[32 * 8];
    for (int i = 0; i < 32 * 8; ++i) pixels[i] = (i % 32) < 16 ? 0 : 1;
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(image, size, 0, pixels, 0, colormap)) return {};
    std::vector<uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, pixels, 0, colormap)) return {};
    out.resize(size);
    return out;
}

void PumpMessages() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) continue;
        if (HandleWindowKey(m)) continue;
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

void WindowTest::SetUp() {
    gHandled.clear();
    icon = TestIcon();
    banner = TestBannerPng();
    ASSERT_NE(icon, nullptr);
    ASSERT_FALSE(banner.empty());
}

void WindowTest::TearDown() {
    ReleaseToolkit();
    PumpMessages();
    // A quit request posted by the destruction must not leak into the next test.
    MSG m;
    while (PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    gOnCreated = nullptr;
    gOnDestroyed = nullptr;
    SetScreenSizeSource(nullptr);
    DestroyIcon(icon);
}

void WindowTest::Build() { ASSERT_TRUE(BuildWindow(MainWindow(), {icon, banner})); }

void WindowTest::Load() {
    LoadWindow(MainWindow(), {icon, banner});
    ASSERT_TRUE(MainWindowExists());
    PumpMessages();
}

std::wstring WindowTest::WideText(HWND h) const {
    wchar_t buffer[512];
    int n = GetWindowTextW(h, buffer, 512);
    return std::wstring(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}
