#pragma once

#include "ControlId.h"

#include <iosfwd>

namespace controls {

// A control by its name, "Picture2(20)" or "Form1": GoogleTest prints ids so
// in a failed comparison, and a failure's message takes one as it is
// (`<< entry.id`). Every test file that compares ids includes this, so that
// all of them print ids alike. In the ids' own namespace, where GoogleTest
// and a failure's message look for it.
std::ostream& operator<<(std::ostream& out, const ControlId& id);

} // namespace controls
