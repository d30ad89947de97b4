#include "CallButtonName.h"

#include "FloorTable.h"

using namespace controls;

namespace layout {

std::optional<std::string> callButtonName(int index) {
    if (index < 0 || index >= 2 * FloorCount) {
        return std::nullopt;
    }
    return index < FloorCount ? "Call floor " + std::to_string(index)
                              : "Call lift to floor " + std::to_string(index - FloorCount);
}

} // namespace layout
