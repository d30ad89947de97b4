#include "TempDirectory.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "WinePrefix.h"

#include <cstdlib>
#endif

namespace portio {

std::string AddSeparator(const std::string& path, char separator) {
    if (path.empty() || path.back() == separator) {
        return path;
    }
    return path + separator;
}

std::string AddBackslash(const std::string& path) {
    return AddSeparator(path, '\\');
}

#ifdef _WIN32

std::optional<std::string> TempDirectoryWithSeparator() {
    // Up to 499 characters: well above the longest directory the ANSI call
    // reports (MAX_PATH), in a buffer on the stack. A longer answer is only
    // the length the call would need, not a path.
    constexpr DWORD limit = 499;
    char buffer[limit + 1] = {};
    SetLastError(ERROR_SUCCESS);
    const DWORD length = GetTempPathA(limit, buffer);
    // Zero is also how the call reports a failure (a TMP longer than a path may
    // be, for one): that is no empty directory, and nothing may land in the
    // working directory because of it.
    if (length > limit || (length == 0 && GetLastError() != ERROR_SUCCESS)) {
        return std::nullopt;
    }
    return AddBackslash(std::string(buffer, length));
}

#else

std::optional<std::string> TempDirectoryWithSeparator() {
    // TMPDIR is a choice made on purpose and wins. Otherwise the folder an
    // emulator under Wine reads, so that the two meet with no setup, else
    // /tmp. No check that TMPDIR exists: a missing one fails the open just the
    // same.
    const char* tmpdir = std::getenv("TMPDIR");
    if (tmpdir != nullptr && *tmpdir != '\0') {
        return AddSeparator(tmpdir, '/');
    }
    return AddSeparator(WinePrefixTempDirectory().value_or("/tmp"), '/');
}

#endif

} // namespace portio
