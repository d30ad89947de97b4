#include "TempDirectory.h"

#include "PortFile.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <filesystem>
#include <system_error>
#endif

namespace portio {

#ifdef _WIN32

std::optional<std::string> TempDirectoryWithSeparator() {
    // A 500-character buffer and a limit of 499, as the emulator's own port
    // code asks; a longer answer is only its required length, not a path.
    constexpr DWORD limit = 499;
    char buffer[limit + 1] = {};
    const DWORD length = GetTempPathA(limit, buffer);
    if (length > limit) {
        return std::nullopt;
    }
    return AddBackslash(std::string(buffer, length));
}

#else

std::optional<std::string> TempDirectoryWithSeparator() {
    std::error_code error;
    const std::filesystem::path dir = std::filesystem::temp_directory_path(error);
    if (error) {
        return std::nullopt;
    }
    return AddSeparator(dir.string(), '/');
}

#endif

} // namespace portio
