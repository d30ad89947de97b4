#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

class PanelWindow;

// Where each visible control of the table stands on the window, in pixels:
// child windows where they are now (the cabin moves), surface controls by the
// pixels they may paint.
struct ControlArea {
    QString name; // "Label8 (Fifth Floor)", "Picture2(23)", "Line13"
    QRect rect;
};

std::vector<ControlArea> controlAreas(const PanelWindow& window);

// For a mask of differing pixels (non-zero where they differ), one line per
// control whose area holds some of them, most first, the smaller area first
// among equals:
// "Label8 (Fifth Floor): 14 pixels differ". Pixels in no control's area are
// counted as the window's own, "Form1".
QString blameControls(const QImage& differing, const std::vector<ControlArea>& areas);
