#pragma once

#include <QAccessible>
#include <QString>

// Qt 6.8's announcement event, for a program built with an older Qt that runs
// on 6.8 or later (the package built on Debian 12, installed on Debian 13).
// Qt keeps a class's layout for its whole major version, so this one, laid
// out as 6.8 declares it (the event, then the message, then the politeness),
// is read by the newer AT-SPI bridge as its own. Only for Qt 6.8 on: an older
// Qt knows no such event.
class LaterQtAnnouncement final : public QAccessibleEvent {
public:
    LaterQtAnnouncement(QObject* object, QString message);

    // QAccessible::Announcement of Qt 6.8.
    static constexpr int Type = 0x80D0;

private:
    QString message_;
    int politeness_ = 0; // QAccessible::AnnouncementPoliteness::Polite
};
