#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What an emulator may see when it reads port 155 while the panel runs, and
// the judge of a stream of such reads.
//
// The panel's floor code carries at most one request, so the byte is 0 or a
// single bit 1..32. The file keeps the length it had: a file that was absent
// appears (empty for a moment, then 56 bytes) and stays 56 bytes; a longer
// file keeps its length from the first read to the last.
class PortRules {
public:
    static constexpr std::int64_t Offset = 55;
    static constexpr std::int64_t CreatedSize = Offset + 1;

    // `expectedSize` is the length of a file that existed before the panel
    // started; nothing means it was absent.
    explicit PortRules(std::optional<std::int64_t> expectedSize);

    // One read: the file's size (nothing when it could not be opened) and the
    // byte at the offset (nothing when the file was too short to hold it).
    void observe(std::optional<std::int64_t> size, std::optional<std::uint8_t> value);

    static bool validValue(std::uint8_t value);

    long long reads() const { return reads_; }
    long long valueReads() const { return valueReads_; }
    const std::array<long long, 256>& counts() const { return counts_; }
    // Human-readable faults, the first few of each kind; empty when all held.
    const std::vector<std::string>& faults() const { return faults_; }
    bool passed() const { return faults_.empty(); }

private:
    void fault(std::string what);

    std::optional<std::int64_t> expectedSize_;
    bool reachedFullSize_ = false;
    long long reads_ = 0;
    long long valueReads_ = 0;
    std::array<long long, 256> counts_{};
    std::vector<std::string> faults_;
};
