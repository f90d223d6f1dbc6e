// A picture of what the screen shows over a window, for a person to look at after the run.
#include <png.h>

#include <cstdio>
#include <vector>

#include "e2e/driver.h"

namespace {

// libpng reports errors by longjmp: nothing with a destructor lives between setjmp and the calls.
bool WritePng(FILE* out, int width, int height, const std::vector<png_bytep>& rows) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, out);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_filler(png, 0, PNG_FILLER_AFTER);  // the DIB's fourth byte
    png_set_bgr(png);
    png_write_image(png, const_cast<png_bytepp>(rows.data()));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool SaveScreenshot(HWND hwnd, const std::wstring& pngPath) {
    RECT r = {};
    if (!GetWindowRect(hwnd, &r)) return false;
    int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return false;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top row first
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (bitmap && bits) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        ok = BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY) != FALSE;
        GdiFlush();
        SelectObject(memory, old);
    }
    if (ok) {
        std::vector<png_bytep> rows(static_cast<size_t>(height));
        for (int y = 0; y < height; ++y) rows[y] = static_cast<png_bytep>(bits) + static_cast<size_t>(y) * width * 4;
        FILE* out = _wfopen(pngPath.c_str(), L"wb");
        ok = out && WritePng(out, width, height, rows);
        if (out) fclose(out);
    }
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}
