#include "LineEditAccessible.h"

#include <QFontMetrics>
#include <QLineEdit>

LineEditAccessible::LineEditAccessible(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {}

QLineEdit* LineEditAccessible::edit() const {
    return static_cast<QLineEdit*>(widget());
}

void* LineEditAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString LineEditAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        return edit()->text();
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State LineEditAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = !edit()->isReadOnly();
    s.readOnly = edit()->isReadOnly();
    s.selectableText = true;
    return s;
}

void LineEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && edit()->hasSelectedText()) {
        *startOffset = edit()->selectionStart();
        *endOffset = *startOffset + static_cast<int>(edit()->selectedText().size());
    }
}

int LineEditAccessible::selectionCount() const {
    return edit()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        edit()->deselect();
    }
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) {
        edit()->setSelection(startOffset, endOffset - startOffset);
    }
}

int LineEditAccessible::cursorPosition() const {
    return edit()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position) {
    edit()->setCursorPosition(position);
}

QString LineEditAccessible::text(int startOffset, int endOffset) const {
    if (startOffset > endOffset) {
        return {};
    }
    return edit()->text().mid(startOffset, endOffset - startOffset);
}

int LineEditAccessible::characterCount() const {
    return static_cast<int>(edit()->text().size());
}

QRect LineEditAccessible::characterRect(int offset) const {
    const QString text = edit()->text();
    if (offset < 0 || offset >= text.size()) {
        return {};
    }
    // The box shows its text from the left, unscrolled: it is always short.
    const QFontMetrics metrics(edit()->font());
    const QRect area = edit()->contentsRect().marginsRemoved(edit()->textMargins());
    const int left = area.left() + metrics.horizontalAdvance(text.left(offset));
    const QRect local(left, area.top(), metrics.horizontalAdvance(text.at(offset)), area.height());
    return {edit()->mapToGlobal(local.topLeft()), local.size()};
}

int LineEditAccessible::offsetAtPoint(const QPoint& point) const {
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int startIndex, int) {
    edit()->setCursorPosition(startIndex);
}

QString LineEditAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    // No attribute differs along the text: one run from its start to its end.
    const int count = characterCount();
    if (offset < 0 || offset > count) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = 0;
    *endOffset = count;
    return {};
}
