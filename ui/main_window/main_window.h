// The main window: its layout (a data table the toolkit builds from) and the handlers of its events.
#pragma once

#include <span>

#include "ui/toolkit/window_description.h"

// The whole description: frame, menu, the eleven controls and the event bindings.
const WindowDescription& MainWindow();

// The six handlers, bound to their events in MainWindow().events.
void OnMainWindowCreated(Toolkit& ui);
void OnMainWindowWillBeDestroyed(Toolkit& ui);
void On按钮_生成Clicked(Toolkit& ui);
void On单选框_指定词库Clicked(Toolkit& ui);
void On作者Selected(Toolkit& ui);
void On说明Selected(Toolkit& ui);
