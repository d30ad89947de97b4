#pragma once

#include <QElapsedTimer>
#include <QObject>

// Watches a widget and keeps the longest time between two of its moves since
// arm(): how long the cabin stood still on screen at worst while it travelled.
class MoveWatch final : public QObject {
public:
    explicit MoveWatch(QObject* watched);

    // Forgets what came before: the moves of showing the window do not count.
    void arm();

    int moves() const { return moves_; }
    double longestGapMs() const { return longestGapNs_ / 1e6; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QElapsedTimer clock_;
    qint64 lastNs_ = 0;
    qint64 longestGapNs_ = 0;
    int moves_ = 0;
};
