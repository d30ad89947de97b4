#pragma once

#include "ControlId.h"

#include <iosfwd>

// A control by its name, "Picture2(20)" or "Form1": GoogleTest prints ids so
// in a failed comparison, and a failure's message takes one as it is
// (`<< entry.id`). Every test file that compares ids includes this, so that
// all of them print ids alike.
std::ostream& operator<<(std::ostream& out, const controls::ControlId& id);
