#include "core/text/fatal_error.h"
#include "ui/toolkit/toolkit.h"

bool RaiseEvent(std::span<const EventBinding> bindings, EventSource source, Event event, Toolkit& ui) {
    if (EndingMarkSet()) return false;
    for (const EventBinding& b : bindings) {
        if (b.source == source && b.event == event) {
            b.handler(ui);
            return true;
        }
    }
    return false;
}
