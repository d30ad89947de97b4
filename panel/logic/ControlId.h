#pragma once

#include <string_view>

// A control by name and, for members of a control array, index
// (`Picture2(20)`, `dig(3)`); single controls have the index NoIndex.
struct ControlId {
    static constexpr int NoIndex = -1;

    std::string_view name;
    int index = NoIndex;

    friend constexpr bool operator==(const ControlId&, const ControlId&) = default;
};
