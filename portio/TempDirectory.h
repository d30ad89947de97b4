#pragma once

#include <optional>
#include <string>

namespace portio {

// `path` with `separator` appended unless it is empty or already ends in it.
std::string AddSeparator(const std::string& path, char separator);

// The Windows form: `path` with a trailing "\" unless empty or already there.
std::string AddBackslash(const std::string& path);

// The directory of the port file with its trailing separator (an empty string
// when the system reports none), or nothing when it cannot be used at all:
// on Windows the one GetTempPathA reports; on Linux TMPDIR, else the Wine
// prefix's temporary folder (WinePrefix.h), else /tmp.
std::optional<std::string> TempDirectoryWithSeparator();

} // namespace portio
