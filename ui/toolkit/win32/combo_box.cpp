// The drop-down combo box: an edit field the user may type into, over an unsorted list.
#include "ui/toolkit/win32/backend.h"
#include "ui/toolkit/win32/text_936.h"

HWND CreateComboBox(const ControlRow& row, HWND parent) {
    // The row's height is how far the list drops; the closed box shows only its edit field.
    HWND hwnd = CreateControlWindow(L"COMBOBOX", row, parent, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL);
    if (!hwnd) return nullptr;
    // After the font is set, which fixes the standard row height.
    LRESULT rowHeight = SendMessageW(hwnd, CB_GETITEMHEIGHT, 0, 0);
    if (rowHeight > 0) {
        SendMessageW(hwnd, CB_SETITEMHEIGHT, 0, rowHeight + 1);
        // Some combo boxes (Wine's) take a row height only when owner-drawn; their list takes it.
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        if (SendMessageW(hwnd, CB_GETITEMHEIGHT, 0, 0) != rowHeight + 1 && GetComboBoxInfo(hwnd, &info) && info.hwndList)
            SendMessageW(info.hwndList, LB_SETITEMHEIGHT, 0, rowHeight + 1);
    }
    return hwnd;
}

void ComboWriteText(HWND combo, std::string_view text) {
    // Setting the edit field makes the combo box select a list item that starts with the text;
    // writing the text must leave the current item as it was.
    int current = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    WriteWindowText(combo, text);
    if (static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)) != current) {
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        // The list's own selection, so the edit field keeps the text just written.
        if (GetComboBoxInfo(combo, &info) && info.hwndList) {
            QuietScope quiet;
            SendMessageW(info.hwndList, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
        }
    }
}

void ComboWriteSelection(HWND combo, int32_t index) {
    int32_t last = static_cast<int32_t>(SendMessageW(combo, CB_GETCOUNT, 0, 0)) - 1;
    if (index > last) index = last;
    if (index < -1) index = -1;
    QuietScope quiet;
    // -1 selects nothing and empties the edit field.
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int32_t ComboAddItem(HWND combo, std::string_view text) {
    std::wstring wide = WideFrom936(text);
    QuietScope quiet;
    LRESULT index = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    return index >= 0 ? static_cast<int32_t>(index) : -1;
}
