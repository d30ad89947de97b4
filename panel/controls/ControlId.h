#pragma once

#include <string>
#include <string_view>

namespace controls {

// A control by name and, for members of a control array, index
// (`Picture2(20)`, `dig(3)`); single controls have the index NoIndex.
// Ordered by name, then index, so that it can key a map.
struct ControlId {
    static constexpr int NoIndex = -1;

    std::string_view name;
    int index = NoIndex;

    friend constexpr bool operator==(const ControlId&, const ControlId&) = default;
    friend constexpr bool operator<(const ControlId& a, const ControlId& b) {
        return a.name != b.name ? a.name < b.name : a.index < b.index;
    }
};

// "Picture2(20)", or "Form1" for a single control.
inline std::string toString(ControlId id) {
    std::string text(id.name);
    if (id.index != ControlId::NoIndex) {
        text += '(' + std::to_string(id.index) + ')';
    }
    return text;
}

} // namespace controls
