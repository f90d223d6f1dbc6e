// The picture box, painted by the program with the banner.
#include "ui/toolkit/win32/backend.h"

namespace {

constexpr wchar_t kPictureClass[] = L"PasswordPictureBox";

void PaintPictureBox(HWND hwnd, HDC dc) {
    RECT r;
    GetClientRect(hwnd, &r);
    PaintBanner(dc, r, gWindow.banner);
}

}  // namespace

bool RegisterPictureBoxClass() {
    return RegisterPaintedClass(kPictureClass, PaintedControlProc<PaintPictureBox>, "registering the picture box class");
}

HWND CreatePictureBox(const ControlRow& row, HWND parent) { return CreateControlWindow(kPictureClass, row, parent, 0); }
