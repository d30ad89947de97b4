#include "StatusMessages.h"

#include <climits>
#include <utility>

StatusMessages::Added StatusMessages::add(std::wstring text) noexcept {
    newest_ = (newest_ + 1) % Kept;
    Message& slot = kept_[newest_];
    const LONG forgotten = slot.child;
    slot.child = next_;
    slot.text = std::move(text);
    next_ = next_ == LONG_MIN ? -1 : next_ - 1;
    return {slot.child, forgotten};
}

const std::wstring* StatusMessages::find(LONG child) const {
    if (child == LatestChild) {
        return &latest();
    }
    for (const Message& message : kept_) {
        if (child < 0 && message.child == child) { // the slots not yet used have 0
            return &message.text;
        }
    }
    return nullptr;
}
