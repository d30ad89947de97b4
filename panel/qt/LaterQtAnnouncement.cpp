#include "LaterQtAnnouncement.h"

#include <utility>

LaterQtAnnouncement::LaterQtAnnouncement(QObject* object, QString message)
    : QAccessibleEvent(object, QAccessible::InvalidEvent)
    , message_(std::move(message)) {
    m_type = static_cast<QAccessible::Event>(Type);
}
