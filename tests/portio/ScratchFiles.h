#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

// A directory of one test's own, reported to the port writer as the system's
// temporary directory, and the few file operations the port-file cases need,
// done through the system's own file API. Everything is undone when it goes.
class ScratchFiles {
public:
    using Bytes = std::vector<unsigned char>;

    virtual ~ScratchFiles() = default;

    virtual std::string dir() const = 0;
    virtual char separator() const = 0;
    std::string path(const std::string& name) const { return dir() + separator() + name; }

    // Has the system report `dir` as its temporary directory from now on.
    virtual void reportAsTemporary(const std::string& dir) = 0;

    virtual std::optional<Bytes> read(const std::string& path) const = 0;
    // Replaces the file's content (truncating it), holding it to itself meanwhile.
    virtual void write(const std::string& path, const Bytes& bytes) = 0;
    // Writes `bytes` at `offset` of an existing file, sharing it, as a second
    // program writing its own ports would.
    virtual bool writeAt(const std::string& path, long long offset, const Bytes& bytes) = 0;
    virtual bool exists(const std::string& path) const = 0;
    virtual bool isDirectory(const std::string& path) const = 0;
    virtual bool makeDirectory(const std::string& path) = 0;
    virtual bool removeDirectory(const std::string& path) = 0;
    // False when the system lets this process write the file all the same
    // (root on Linux, Wine run as root).
    virtual bool makeReadOnly(const std::string& path) = 0;
};

// The scratch files of the system the tests are built for.
std::unique_ptr<ScratchFiles> makeScratchFiles();
