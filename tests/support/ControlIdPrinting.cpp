#include "ControlIdPrinting.h"

#include <ostream>

std::ostream& operator<<(std::ostream& out, const ControlId& id) {
    return out << toString(id);
}
