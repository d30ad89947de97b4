// Where the Linux panel writes with no TMPDIR: the temporary folder of the
// user's Wine prefix, found in a fake HOME or WINEPREFIX, else /tmp.
#include "PortFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string portIn(const std::string& folder) {
    return folder + "/" + portio::PortFileName;
}

const std::string InTmp = portIn("/tmp");

// A scratch folder with a fake home in it; the variables the lookup reads are
// set for the test and put back afterwards. Nothing here reads or writes the
// machine's own ~/.wine, and nothing writes /tmp/emu_port.dat.
class WinePrefixLookup : public ::testing::Test {
protected:
    WinePrefixLookup() {
        std::string templ = (fs::temp_directory_path() / "wineprefix-test-XXXXXX").string();
        if (::mkdtemp(templ.data()) != nullptr) {
            root = templ;
        }
        home = root + "/home";
        fs::create_directory(home);
        for (const char* name : {"TMPDIR", "HOME", "WINEPREFIX", "USER"}) {
            const char* value = std::getenv(name);
            saved[name] = value ? std::optional<std::string>(value) : std::nullopt;
        }
        ::unsetenv("TMPDIR");
        ::unsetenv("WINEPREFIX");
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("USER", login.c_str(), 1);
    }

    ~WinePrefixLookup() override {
        for (const auto& [name, value] : saved) {
            if (value) {
                ::setenv(name.c_str(), value->c_str(), 1);
            } else {
                ::unsetenv(name.c_str());
            }
        }
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }

    // Makes the user folder's temporary folder in `prefix`, as Wine would.
    static std::string makeTemp(const std::string& prefix, const std::string& user,
                                const std::string& layout = "Temp") {
        const std::string folder = prefix + "/drive_c/users/" + user + "/" + layout;
        fs::create_directories(folder);
        return folder;
    }

    static std::vector<unsigned char> read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    void SetUp() override {
        if (login.empty()) {
            GTEST_SKIP() << "this user has no passwd entry";
        }
    }

    static std::string loginName() {
        const struct passwd* entry = ::getpwuid(::geteuid());
        return entry != nullptr && entry->pw_name != nullptr ? entry->pw_name : "";
    }

    const std::string login = loginName();
    std::string root;
    std::string home;
    std::map<std::string, std::optional<std::string>> saved;
};

TEST_F(WinePrefixLookup, TmpdirWinsThenThePrefixThenTmp) {
    EXPECT_EQ(portio::PortFilePath(), InTmp) << "no prefix in the home folder";

    const std::string temp = makeTemp(home + "/.wine", login);
    EXPECT_EQ(portio::PortFilePath(), portIn(temp));

    ::setenv("TMPDIR", (root + "/chosen").c_str(), 1);
    EXPECT_EQ(portio::PortFilePath(), portIn(root + "/chosen"));
    ::setenv("TMPDIR", "", 1);
    EXPECT_EQ(portio::PortFilePath(), portIn(temp)) << "an empty TMPDIR is no choice";
}

TEST_F(WinePrefixLookup, WineprefixIsTakenBeforeTheHomeFolders) {
    makeTemp(home + "/.wine", login);
    const std::string other = makeTemp(root + "/other", login);
    ::setenv("WINEPREFIX", (root + "/other").c_str(), 1);
    EXPECT_EQ(portio::PortFilePath(), portIn(other));

    // Wine refuses a relative prefix, so the panel must not guess one from
    // its working directory either.
    const fs::path oldDir = fs::current_path();
    fs::current_path(root);
    ::setenv("WINEPREFIX", "other", 1);
    EXPECT_EQ(portio::PortFilePath(), InTmp);
    fs::current_path(oldDir);
}

TEST_F(WinePrefixLookup, EitherLayoutIsFoundTheOlderOneFirst) {
    const std::string prefix = home + "/.wine";
    const std::string newer = makeTemp(prefix, login, "AppData/Local/Temp");
    EXPECT_EQ(portio::PortFilePath(), portIn(newer));
    const std::string older = makeTemp(prefix, login);
    EXPECT_EQ(portio::PortFilePath(), portIn(older));
}

TEST_F(WinePrefixLookup, UserFolderIsNamedByUserElseByTheLogin) {
    const std::string prefix = home + "/.wine";
    const std::string pat = makeTemp(prefix, "pat");
    ::setenv("USER", "pat", 1);
    EXPECT_EQ(portio::PortFilePath(), portIn(pat)) << "Wine names it after USER";

    const std::string own = makeTemp(prefix, login);
    ::setenv("USER", "nobody-here", 1);
    EXPECT_EQ(portio::PortFilePath(), portIn(own));
    ::unsetenv("USER");
    EXPECT_EQ(portio::PortFilePath(), portIn(own));

    fs::remove_all(prefix + "/drive_c/users/" + login);
    makeTemp(prefix, "."); // drive_c/users/Temp
    ::setenv("USER", ".", 1);
    EXPECT_EQ(portio::PortFilePath(), InTmp) << "USER names one folder, never a path";
}

TEST_F(WinePrefixLookup, PrefixMadeOrRemovedWhileRunningCountsAtTheNextWrite) {
    EXPECT_EQ(portio::PortFilePath(), InTmp);

    const std::string temp = makeTemp(home + "/.wine", login);
    ASSERT_EQ(portio::PortFilePath(), portIn(temp)) << "else the write lands in /tmp";
    portio::WritePort(155, 8);
    std::vector<unsigned char> expected(56, 0);
    expected[55] = 8;
    EXPECT_EQ(read(portIn(temp)), expected);

    fs::rename(home + "/.wine", home + "/wine-moved");
    EXPECT_EQ(portio::PortFilePath(), InTmp);
}

TEST_F(WinePrefixLookup, LinkedPrefixIsFollowedButALinkedTempFolderIsNot) {
    const std::string real = makeTemp(root + "/real-prefix", login);
    fs::create_directory_symlink(root + "/real-prefix", home + "/.wine");
    EXPECT_EQ(portio::PortFilePath(), portIn(home + "/.wine/drive_c/users/" + login + "/Temp"))
        << "Wine follows a linked prefix too";

    fs::remove_all(real);
    fs::create_directory(root + "/elsewhere");
    fs::create_directory_symlink(root + "/elsewhere", real);
    EXPECT_EQ(portio::PortFilePath(), InTmp);

    fs::remove(real);
    std::ofstream(real).put('x');
    EXPECT_EQ(portio::PortFilePath(), InTmp) << "a file named Temp is no folder";
}

TEST_F(WinePrefixLookup, AnotherUsersPrefixOrTempFolderIsNotWritten) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can hand a folder to another user";
    }
    const std::string prefix = home + "/.wine";
    const std::string temp = makeTemp(prefix, login);
    constexpr uid_t other = 65534;
    ASSERT_EQ(::chown(temp.c_str(), other, other), 0);
    ::chmod(temp.c_str(), 0777);
    EXPECT_EQ(portio::PortFilePath(), InTmp) << "however open the folder is";

    ASSERT_EQ(::chown(temp.c_str(), 0, 0), 0);
    ASSERT_EQ(::chown(prefix.c_str(), other, other), 0);
    EXPECT_EQ(portio::PortFilePath(), InTmp) << "Wine, too, refuses a prefix of another user";
}

TEST_F(WinePrefixLookup, WriterGuardsHoldInThePrefixFolder) {
    const std::string file = portIn(makeTemp(home + "/.wine", login));
    ASSERT_EQ(portio::PortFilePath(), file) << "else the writes land in /tmp";
    const std::string victim = root + "/victim";
    std::ofstream(victim) << "keep";
    fs::create_symlink(victim, file);
    portio::WritePort(155, 8);
    EXPECT_EQ(read(victim).size(), 4u) << "a planted link is not followed";

    fs::remove(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    portio::WritePort(155, 8); // would hang here if the open or write blocked
    EXPECT_TRUE(fs::is_fifo(file));
}

} // namespace
