// What the logic does with the controls of the main window, and the events it receives.
//
// Rules both backends keep:
// - Every operation is complete when it returns and takes or gives GBK text.
// - Writes through this interface raise no event; events come only from what the user does.
// - Events reach their handlers one at a time, and none once the ending mark is set.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "core/text/text.h"

// The controls of the main window, in layout order. Control IDs start at 100 and come only from here.
enum class 控件 : int {
    单选框_指定词库 = 100,
    单选框_所有词库,
    组合框_词库列表,
    按钮_生成,
    编辑框_生成结果,
    编辑框_生成个数,
    编辑框_最大长度,
    标签2,
    标签1,
    分组框1,
    图片框1,
};

// The items of the menu "关于...".
enum class 菜单项 : int {
    作者 = 200,
    说明,
};

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // An edit box's whole text, or the text in the combo box's edit field.
    virtual Text ReadControlText(控件 control) = 0;
    // Replaces an edit box's text or the combo box's edit field (items and selection untouched).
    virtual void WriteControlText(控件 control, std::string_view text) = 0;
    // 1 when the radio button is checked, else 0.
    virtual int32_t ReadChecked(控件 radio) = 0;
    // Checks (1) or clears (0) this one button; the other keeps its state.
    virtual void WriteChecked(控件 radio, int32_t state) = 0;
    // Selects item `index` (from 0); past the last selects the last, below -1 counts as -1,
    // which selects nothing and empties the edit field.
    virtual void WriteSelection(控件 combo, int32_t index) = 0;
    // Adds the last item; its index, or -1 when the control refuses.
    virtual int32_t AddComboItem(控件 combo, std::string_view text) = 0;
    // Inserts the text at the end of the box's text, scrolled into view.
    virtual void AppendEditText(控件 edit, std::string_view text) = 0;
    // A task-modal box, caption "信息：", one OK button; returns when the user closes it.
    virtual void ShowMessage(std::string_view text) = 0;
};

enum class Event { Created, WillBeDestroyed, Clicked, Selected };

// Where an event comes from: the window itself, one of its controls, or a menu item.
struct EventSource {
    enum class Kind { Window, Control, MenuItem } kind;
    int id;  // the 控件 or 菜单项 value; 0 for the window

    static constexpr EventSource Window() { return {Kind::Window, 0}; }
    static constexpr EventSource Of(控件 c) { return {Kind::Control, static_cast<int>(c)}; }
    static constexpr EventSource Of(菜单项 m) { return {Kind::MenuItem, static_cast<int>(m)}; }
    friend constexpr bool operator==(const EventSource&, const EventSource&) = default;
};

using Handler = void (*)(Toolkit& ui);

struct EventBinding {
    EventSource source;
    Event event;
    Handler handler;
};

// Runs the handler bound to {source, event}, if any, unless the ending mark is set.
// Returns whether a handler ran.
bool RaiseEvent(std::span<const EventBinding> bindings, EventSource source, Event event, Toolkit& ui);
