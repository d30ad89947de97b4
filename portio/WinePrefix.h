#pragma once

#include <optional>
#include <string>

namespace portio {

// The temporary folder that Windows programs in this user's Wine prefix are
// given, as a Unix path, or nothing when there is no such folder of this
// user's own. Looked up afresh on every call with a few stat calls; Wine is
// never started.
//
// The prefix is WINEPREFIX, else .wine in the home folder (HOME, else the
// passwd entry's), as Wine takes it. Inside it, Wine names the user's folder
// drive_c/users/<name> after USER, else the login name, when it creates the
// prefix; the temporary folder is Temp in it (Wine 8) or AppData/Local/Temp
// (other versions), whichever exists, Temp first.
std::optional<std::string> WinePrefixTempDirectory();

} // namespace portio
