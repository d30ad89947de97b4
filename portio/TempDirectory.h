#pragma once

#include <optional>
#include <string>

namespace portio {

// The directory of the port file with its trailing separator (an empty string
// when the system reports none), or nothing when it cannot be used at all:
// on Windows the one GetTempPathA reports; on Linux TMPDIR, else the Wine
// prefix's temporary folder (WinePrefix.h), else /tmp.
std::optional<std::string> TempDirectoryWithSeparator();

} // namespace portio
