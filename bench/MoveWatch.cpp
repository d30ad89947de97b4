#include "MoveWatch.h"

#include <QEvent>

#include <algorithm>

MoveWatch::MoveWatch(QObject* watched)
    : QObject(watched) {
    clock_.start();
    watched->installEventFilter(this);
}

void MoveWatch::arm() {
    moves_ = 0;
    longestGapNs_ = 0;
}

bool MoveWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move) {
        const qint64 now = clock_.nsecsElapsed();
        if (moves_ > 0) {
            longestGapNs_ = std::max(longestGapNs_, now - lastNs_);
        }
        lastNs_ = now;
        ++moves_;
    }
    return QObject::eventFilter(watched, event);
}
