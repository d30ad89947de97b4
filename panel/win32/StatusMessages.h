#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <string>

// The status messages told lately, each under a child id of its own on the
// cabin's accessible object. A live-region change names the child id of its
// message, so a screen reader that reads the name only after the next
// message was told still reads the one the change was for. The ids are
// negative, as the unique ids of MSAA children are; child 1 stands for the
// latest message wherever the tree is read.
class StatusMessages {
public:
    static constexpr LONG LatestChild = 1;
    // More than a reader can fall behind: messages come a tick apart at most.
    static constexpr std::size_t Kept = 16;

    struct Added {
        LONG child;     // the new message's id
        LONG forgotten; // the id that no longer stands for anything, or 0
    };

    // Keeps `text` as the latest message, in place of the oldest kept.
    Added add(std::wstring text) noexcept;

    // The message a child id stands for: the latest for `LatestChild`;
    // null for any other id, or for one whose message is no longer kept.
    const std::wstring* find(LONG child) const;
    // Empty before the first message.
    const std::wstring& latest() const { return kept_[newest_].text; }

private:
    struct Message {
        LONG child = 0;
        std::wstring text;
    };

    std::array<Message, Kept> kept_;
    std::size_t newest_ = 0;
    LONG next_ = -1;
};
