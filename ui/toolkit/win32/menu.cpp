// The menu bar: one drop-down menu of plain items, walked from the description.
#include "ui/toolkit/win32/backend.h"
#include "ui/toolkit/win32/text_936.h"
#include "ui/toolkit/win32/win_error.h"

HMENU CreateMenuBar(const WindowDescription& window) {
    HMENU bar = CreateMenu();
    HMENU popup = CreatePopupMenu();
    if (!bar || !popup) {
        LogWinError("creating the menu");
        if (bar) DestroyMenu(bar);
        if (popup) DestroyMenu(popup);
        return nullptr;
    }
    bool ok = true;
    for (const MenuItemRow& item : window.menuItems) {
        std::wstring text = WideFrom936(item.text ? item.text : "");
        ok = ok && AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(item.id), text.c_str());
    }
    std::wstring title = WideFrom936(window.menuTitle ? window.menuTitle : "");
    if (!ok || !AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), title.c_str())) {
        LogWinError("filling the menu");
        DestroyMenu(popup);
        DestroyMenu(bar);
        return nullptr;
    }
    return bar;  // owns the popup from here on
}
