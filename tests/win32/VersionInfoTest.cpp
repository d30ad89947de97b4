// The program file's version resource, read as Windows' Properties dialog and
// Task Manager read it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::wstring programPath;

// A Linux path as Wine's drive Z: names it.
std::wstring windowsPath(const char* path) {
    std::wstring wide(path, path + std::char_traits<char>::length(path));
    for (wchar_t& c : wide) {
        c = c == L'/' ? L'\\' : c;
    }
    return wide.starts_with(L"\\") ? L"Z:" + wide : wide;
}

std::wstring stringValue(const std::vector<char>& info, const wchar_t* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(info.data(), key.c_str(), &value, &length) || length == 0) {
        return L"";
    }
    return static_cast<const wchar_t*>(value);
}

} // namespace

TEST(VersionInfo, NamesTheProductItsDescriptionAndTheProjectsVersion) {
    const DWORD size = GetFileVersionInfoSizeW(programPath.c_str(), nullptr);
    ASSERT_GT(size, 0u) << "no version resource in the program file";
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(programPath.c_str(), 0, size, info.data()));

    EXPECT_EQ(stringValue(info, L"ProductName"), L"Pelmo Lift");
    EXPECT_FALSE(stringValue(info, L"FileDescription").empty());
    EXPECT_EQ(stringValue(info, L"ProductVersion"), PELMO_VERSION);
    EXPECT_EQ(stringValue(info, L"OriginalFilename"), L"pelmo-lift.exe");

    void* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", &fixed, &length));
    const auto* version = static_cast<const VS_FIXEDFILEINFO*>(fixed);
    EXPECT_EQ(version->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(HIWORD(version->dwProductVersionMS), PELMO_VERSION_MAJOR);
    EXPECT_EQ(LOWORD(version->dwProductVersionMS), PELMO_VERSION_MINOR);
    EXPECT_EQ(version->dwFileType, static_cast<DWORD>(VFT_APP));
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        return 2; // the program file to read
    }
    programPath = windowsPath(argv[1]);
    return RUN_ALL_TESTS();
}
