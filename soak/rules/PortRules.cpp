#include "PortRules.h"

#include <utility>

namespace {

constexpr std::size_t MaxFaults = 20;

} // namespace

PortRules::PortRules(std::optional<std::int64_t> expectedSize)
    : expectedSize_(expectedSize) {}

bool PortRules::validValue(std::uint8_t value) {
    return value == 0 || (value <= 32 && (value & (value - 1)) == 0);
}

void PortRules::observe(std::optional<std::int64_t> size, std::optional<std::uint8_t> value) {
    ++reads_;
    const std::string at = " (read " + std::to_string(reads_) + ")";

    if (expectedSize_) {
        if (!size) {
            fault("the port file vanished" + at);
        } else if (*size != *expectedSize_) {
            fault("the port file is " + std::to_string(*size) + " bytes, not " +
                  std::to_string(*expectedSize_) + at);
        }
    } else if (!size) {
        if (reachedFullSize_) {
            fault("the port file vanished" + at);
        }
    } else if (*size == CreatedSize) {
        reachedFullSize_ = true;
    } else if (*size != 0 || reachedFullSize_) {
        // Created empty, then one write makes it 56 bytes; nothing else.
        fault("the port file is " + std::to_string(*size) + " bytes, not " +
              std::to_string(CreatedSize) + at);
    }

    if (value) {
        ++valueReads_;
        ++counts_[*value];
        if (!validValue(*value)) {
            fault("port 155 read " + std::to_string(*value) + at);
        }
    }
}

void PortRules::fault(std::string what) {
    if (faults_.size() < MaxFaults) {
        faults_.push_back(std::move(what));
    } else if (faults_.size() == MaxFaults) {
        faults_.push_back("... further faults not listed");
    }
}
