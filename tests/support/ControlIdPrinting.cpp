#include "ControlIdPrinting.h"

#include <ostream>

namespace controls {

std::ostream& operator<<(std::ostream& out, const ControlId& id) {
    return out << toString(id);
}

} // namespace controls
