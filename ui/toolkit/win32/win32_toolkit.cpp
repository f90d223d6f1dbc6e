// The Toolkit operations on the real controls, found by their names.
#include "ui/toolkit/win32/backend.h"
#include "ui/toolkit/win32/text_936.h"

namespace {

class Win32Toolkit final : public Toolkit {
public:
    Text ReadControlText(控件 control) override {
        HWND h = ControlHandle(control);
        return h ? ReadWindowText(h) : Text();
    }
    void WriteControlText(控件 control, std::string_view text) override {
        const ControlSlot* s = SlotOf(control);
        if (!s) return;
        if (s->row->kind == ControlKind::ComboBox)
            ComboWriteText(s->hwnd, text);
        else
            WriteWindowText(s->hwnd, text);
    }
    int32_t ReadChecked(控件 radio) override {
        HWND h = ControlHandle(radio);
        return h ? RadioReadChecked(h) : 0;
    }
    void WriteChecked(控件 radio, int32_t state) override {
        if (HWND h = ControlHandle(radio)) RadioWriteChecked(h, state);
    }
    void WriteSelection(控件 combo, int32_t index) override {
        if (HWND h = ControlHandle(combo)) ComboWriteSelection(h, index);
    }
    int32_t AddComboItem(控件 combo, std::string_view text) override {
        HWND h = ControlHandle(combo);
        return h ? ComboAddItem(h, text) : -1;
    }
    void AppendEditText(控件 edit, std::string_view text) override {
        if (HWND h = ControlHandle(edit)) EditAppendText(h, text);
    }
    void ShowMessage(std::string_view text) override {
        std::wstring wide = WideFrom936(text);
        std::wstring caption = WideFrom936("信息：");
        // No owner and task-modal: every window of the thread is disabled while it is open. The
        // box is gone before they are enabled again, so nothing takes the activation back by
        // itself: the window that had it gets it back (its focus comes back with it).
        HWND active = GetActiveWindow();
        MessageBoxW(nullptr, wide.c_str(), caption.c_str(), MB_OK | MB_TASKMODAL);
        if (active && IsWindow(active) && IsWindowVisible(active) && GetActiveWindow() != active)
            SetForegroundWindow(active);
    }
};

}  // namespace

Toolkit& WindowToolkit() {
    static Win32Toolkit toolkit;
    return toolkit;
}
