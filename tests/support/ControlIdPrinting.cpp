#include "ControlIdPrinting.h"

#include <ostream>

using namespace controls;

std::ostream& operator<<(std::ostream& out, const ControlId& id) {
    return out << toString(id);
}
