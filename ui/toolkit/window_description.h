// The data from which a backend builds the main window: one row per control, the menu, and the
// bindings of events to handlers. The builder walks the rows; it never asks which row it is.
#pragma once

#include <cstdint>
#include <span>

#include "ui/toolkit/toolkit.h"

enum class ControlKind { RadioButton, ComboBox, PushButton, EditBox, Label, GroupBox, PictureBox };

// A control's parent window: the main window, or the group box that holds the parameters.
enum class Container { Window, 分组框1 };

struct EditOptions {
    bool multiline = false;    // wraps at the box's width and takes Enter
    bool centred = false;
    int32_t limit = 0;         // bytes the user may enter; 0 leaves the system's maximum
    bool numberFilter = false; // typing accepts only 0-9 and '-' (control codes pass)
};

struct ControlRow {
    控件 id;
    ControlKind kind;
    Container container;
    int x, y, width, height;  // relative to the container's client area
    const char* text;         // GBK; nullptr for none
    bool takesFocus;
    bool checked = false;     // radio buttons: checked at creation
    EditOptions edit = {};    // edit boxes only
};

struct MenuItemRow {
    菜单项 id;
    const char* text;
};

struct WindowDescription {
    const char* caption;
    int width, height;  // outer size
    const char* menuTitle;
    std::span<const MenuItemRow> menuItems;
    std::span<const ControlRow> controls;  // layout order: earlier rows lie above later ones
    std::span<const EventBinding> events;
};
