// A toolkit that holds each control's state as plain values, for tests of the logic above it.
// It follows the same rules as the real window: writes raise no event, the user's actions do.
#pragma once

#include <functional>
#include <map>
#include <string_view>
#include <vector>

#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/window_description.h"

class MemoryToolkit : public Toolkit {
public:
    explicit MemoryToolkit(const WindowDescription& window);

    Text ReadControlText(控件 control) override;
    void WriteControlText(控件 control, std::string_view text) override;
    int32_t ReadChecked(控件 radio) override;
    void WriteChecked(控件 radio, int32_t state) override;
    void WriteSelection(控件 combo, int32_t index) override;
    int32_t AddComboItem(控件 combo, std::string_view text) override;
    void AppendEditText(控件 edit, std::string_view text) override;
    void ShowMessage(std::string_view text) override;

    // The window's life: the controls get their texts at creation, then the created event runs.
    void Create();
    void Destroy();

    // The user's side.
    void UserType(控件 control, std::string_view text);  // replaces the text, as select-all and type
    void UserClick(控件 control);                        // a radio button checks itself, clears its group
    void UserPick(控件 combo, int32_t index);           // chooses an item from the drop-down list
    void UserChoose(菜单项 item);

    // What the user sees.
    const std::vector<Text>& Messages() const { return messages_; }
    const std::vector<Text>& ComboItems(控件 combo) const { return At(combo).items; }
    int32_t CurrentItem(控件 combo) const { return At(combo).current; }

    // Runs while a message box is open, before ShowMessage returns.
    std::function<void(std::string_view text)> onMessage;

private:
    struct State {
        const ControlRow* row = nullptr;
        Text text;
        int32_t checked = 0;
        std::vector<Text> items;
        int32_t current = -1;
    };
    State& At(控件 c);
    const State& At(控件 c) const;
    void Raise(EventSource source, Event event);

    const WindowDescription& window_;
    std::map<控件, State> controls_;
    std::vector<Text> messages_;
};
