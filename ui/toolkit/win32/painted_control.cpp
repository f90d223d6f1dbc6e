// What the controls the program paints itself share: painting, the font they keep and repainting
// when it or their text changes.
#include "ui/toolkit/win32/backend.h"

namespace {

constexpr int kFontSlot = 0;  // the window's extra bytes hold its font

}  // namespace

LRESULT PaintedControlMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, PaintFunction paint) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        paint(hwnd, dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT: paint(hwnd, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;  // painting fills the whole control
    case WM_SETFONT:
        SetWindowLongPtrW(hwnd, kFontSlot, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return GetWindowLongPtrW(hwnd, kFontSlot);
    case WM_SETTEXT: {
        LRESULT r = DefWindowProcW(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool RegisterPaintedClass(const wchar_t* name, WNDPROC proc, const char* what) {
    return RegisterProgramClass(name, proc, sizeof(LONG_PTR), nullptr, what);
}
