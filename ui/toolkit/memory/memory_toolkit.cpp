#include "ui/toolkit/memory/memory_toolkit.h"

#include <cstdlib>

MemoryToolkit::MemoryToolkit(const WindowDescription& window) : window_(window) {
    for (const ControlRow& row : window.controls) controls_[row.id].row = &row;
}

MemoryToolkit::State& MemoryToolkit::At(控件 c) {
    auto it = controls_.find(c);
    if (it == controls_.end()) std::abort();  // a control the window does not have: a fault in the test
    return it->second;
}

const MemoryToolkit::State& MemoryToolkit::At(控件 c) const { return const_cast<MemoryToolkit*>(this)->At(c); }

void MemoryToolkit::Raise(EventSource source, Event event) { RaiseEvent(window_.events, source, event, *this); }

Text MemoryToolkit::ReadControlText(控件 control) { return At(control).text; }

void MemoryToolkit::WriteControlText(控件 control, std::string_view text) { At(control).text = text; }

int32_t MemoryToolkit::ReadChecked(控件 radio) { return At(radio).checked; }

void MemoryToolkit::WriteChecked(控件 radio, int32_t state) { At(radio).checked = state ? 1 : 0; }

void MemoryToolkit::WriteSelection(控件 combo, int32_t index) {
    State& s = At(combo);
    int32_t last = static_cast<int32_t>(s.items.size()) - 1;
    if (index > last) index = last;
    if (index < -1) index = -1;
    s.current = index;
    s.text = index >= 0 ? s.items[static_cast<size_t>(index)] : Text();
}

int32_t MemoryToolkit::AddComboItem(控件 combo, std::string_view text) {
    State& s = At(combo);
    s.items.emplace_back(text);
    return static_cast<int32_t>(s.items.size()) - 1;
}

void MemoryToolkit::AppendEditText(控件 edit, std::string_view text) { At(edit).text.append(text); }

void MemoryToolkit::ShowMessage(std::string_view text) {
    messages_.emplace_back(text);
    if (onMessage) onMessage(text);
}

void MemoryToolkit::Create() {
    for (auto& [id, s] : controls_) {
        s.text = s.row->text ? s.row->text : "";
        s.checked = s.row->checked ? 1 : 0;
    }
    Raise(EventSource::Window(), Event::Created);
}

void MemoryToolkit::Destroy() { Raise(EventSource::Window(), Event::WillBeDestroyed); }

void MemoryToolkit::UserType(控件 control, std::string_view text) { At(control).text = text; }

void MemoryToolkit::UserClick(控件 control) {
    State& clicked = At(control);
    if (clicked.row->kind == ControlKind::RadioButton) {
        for (auto& [id, s] : controls_)
            if (s.row->kind == ControlKind::RadioButton && s.row->container == clicked.row->container) s.checked = 0;
        clicked.checked = 1;
    }
    Raise(EventSource::Of(control), Event::Clicked);
}

void MemoryToolkit::UserPick(控件 combo, int32_t index) { WriteSelection(combo, index); }

void MemoryToolkit::UserChoose(菜单项 item) { Raise(EventSource::Of(item), Event::Selected); }
