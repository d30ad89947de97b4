#include "PortFile.h"

#include "TempDirectory.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace portio {

std::string PortFilePath() {
    const auto dir = TempDirectoryWithSeparator();
    return dir ? *dir + PortFileName : std::string();
}

namespace {

#ifdef _WIN32

bool WriteByteAt(const std::string& path, long long offset, std::uint8_t value) {
    // Share everything: the emulator must be able to open the file meanwhile.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool wrote = false;
    if (GetFileType(file) == FILE_TYPE_DISK) {
        LARGE_INTEGER at;
        at.QuadPart = offset;
        DWORD written = 0;
        wrote = SetFilePointerEx(file, at, nullptr, FILE_BEGIN) &&
                WriteFile(file, &value, 1, &written, nullptr) && written == 1;
    }
    CloseHandle(file);
    return wrote;
}

#else

bool WriteByteAt(const std::string& path, off_t offset, std::uint8_t value) {
    // The temporary directory is shared by every user: never follow a planted
    // link, and never block on a FIFO or a device put in the file's place.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                          0666); // the umask narrows it; other users' emulators read it
    if (fd < 0) {
        return false;
    }
    ssize_t written = -1;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        do {
            written = ::pwrite(fd, &value, 1, offset);
        } while (written < 0 && errno == EINTR);
    }
    ::close(fd);
    return written == 1;
}

#endif

} // namespace

bool TryWritePort(std::int32_t port, std::uint8_t value) noexcept {
    if (port < FirstPort || port > LastPort) {
        return false;
    }
    try {
        const std::string path = PortFilePath();
        return !path.empty() && WriteByteAt(path, port - FirstPort, value);
    } catch (...) {
        return false; // out of memory building the path: as any other failure
    }
}

void WritePort(std::int32_t port, std::uint8_t value) noexcept {
    TryWritePort(port, value);
}

} // namespace portio
