// The picture box, painted by the program with the banner.
#include "ui/toolkit/win32/backend.h"
#include "ui/toolkit/win32/win_error.h"

namespace {

constexpr wchar_t kPictureClass[] = L"PasswordPictureBox";

void Paint(HWND hwnd, HDC dc) {
    RECT r;
    GetClientRect(hwnd, &r);
    PaintBanner(dc, r, gWindow.banner);
}

LRESULT CALLBACK PictureBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        Paint(hwnd, dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT: Paint(hwnd, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;  // painting fills the whole box
    case WM_SETFONT: SetWindowLongPtrW(hwnd, 0, static_cast<LONG_PTR>(wParam)); return 0;  // kept, like every control's
    case WM_GETFONT: return GetWindowLongPtrW(hwnd, 0);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

bool RegisterPictureBoxClass() {
    return RegisterProgramClass(kPictureClass, PictureBoxProc, sizeof(LONG_PTR), nullptr, "registering the picture box class");
}

HWND CreatePictureBox(const ControlRow& row, HWND parent) { return CreateControlWindow(kPictureClass, row, parent, 0); }
