#include "WinePrefix.h"

#include <array>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace portio {

namespace {

// The effective user's passwd entry (name and home), read at most once per
// lookup and only when the environment does not answer.
class Login {
public:
    struct Account {
        std::string name;
        std::string home;
    };

    const Account* get() {
        if (!read_) {
            read_ = true;
            account_ = Read();
        }
        return account_ ? &*account_ : nullptr;
    }

private:
    static std::optional<Account> Read() {
        struct passwd entry {};
        struct passwd* found = nullptr;
        std::array<char, 4096> strings{};
        if (::getpwuid_r(::geteuid(), &entry, strings.data(), strings.size(), &found) != 0 ||
            found == nullptr) {
            return std::nullopt;
        }
        return Account{entry.pw_name ? entry.pw_name : "", entry.pw_dir ? entry.pw_dir : ""};
    }

    bool read_ = false;
    std::optional<Account> account_;
};

std::optional<std::string> NonEmptyVariable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::string(value);
}

// Another user's folder, however open its modes, is never written to: it must
// be a directory owned by the user the panel runs as.
bool IsOwnDirectory(const struct stat& info) {
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid();
}

// Wine refuses a prefix that is not an absolute path or not owned by the
// user; the prefix itself may be a link, as Wine follows it too.
std::optional<std::string> OwnPrefix(Login& login) {
    std::optional<std::string> prefix = NonEmptyVariable("WINEPREFIX");
    if (!prefix) {
        std::optional<std::string> home = NonEmptyVariable("HOME");
        if (!home && login.get()) {
            home = login.get()->home;
        }
        if (!home) {
            return std::nullopt;
        }
        prefix = *home + "/.wine";
    }
    struct stat info {};
    if (prefix->front() != '/' || ::stat(prefix->c_str(), &info) != 0 || !IsOwnDirectory(info)) {
        return std::nullopt;
    }
    return prefix;
}

// A name that stays one folder below drive_c/users.
bool IsFolderName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

// The user's temporary folder in the prefix, in either layout. The folder
// itself is not followed if it is a link: Wine makes it a plain directory.
std::optional<std::string> TempFolderOf(const std::string& prefix, const std::string& user) {
    if (!IsFolderName(user)) {
        return std::nullopt;
    }
    for (const char* layout : {"/Temp", "/AppData/Local/Temp"}) {
        const std::string folder = prefix + "/drive_c/users/" + user + layout;
        struct stat info {};
        if (::lstat(folder.c_str(), &info) == 0 && IsOwnDirectory(info)) {
            return folder;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> WinePrefixTempDirectory() {
    Login login;
    const std::optional<std::string> prefix = OwnPrefix(login);
    if (!prefix) {
        return std::nullopt;
    }
    // Wine names the folder after USER where set, else the login name; a
    // prefix made under the other name is still found.
    const std::optional<std::string> user = NonEmptyVariable("USER");
    if (user) {
        if (auto folder = TempFolderOf(*prefix, *user)) {
            return folder;
        }
    }
    if (login.get() && login.get()->name != user.value_or("")) {
        return TempFolderOf(*prefix, login.get()->name);
    }
    return std::nullopt;
}

} // namespace portio
