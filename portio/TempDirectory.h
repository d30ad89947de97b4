#pragma once

#include <optional>
#include <string>

namespace portio {

// The operating system's temporary directory with its trailing separator
// (an empty string when the system reports none), or nothing when it cannot
// be used at all.
std::optional<std::string> TempDirectoryWithSeparator();

} // namespace portio
