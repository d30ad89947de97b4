#include "TabStops.h"

#include <algorithm>

namespace layout {

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::TextBox;
}

std::vector<const ControlEntry*> tabStops() {
    std::vector<const ControlEntry*> stops;
    for (const ControlEntry& entry : controlTable()) {
        if (takesFocus(entry.kind) && entry.tab != ControlEntry::NoTab) {
            stops.push_back(&entry);
        }
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const ControlEntry* a, const ControlEntry* b) { return a->tab < b->tab; });
    return stops;
}

} // namespace layout
