#include "LookCompare.h"

#include "ControlRects.h"

#include <algorithm>
#include <map>

namespace {

bool isChildWindow(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::PictureBox ||
           kind == ControlKind::TextBox;
}

// The controls front to back as the screen shows them.
std::vector<const ControlEntry*> frontToBack() {
    std::vector<const ControlEntry*> order;
    for (const ControlEntry& entry : controlTable()) {
        if (entry.kind != ControlKind::Timer && entry.settings.visible) {
            order.push_back(&entry);
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const ControlEntry* a, const ControlEntry* b) {
        const bool childA = isChildWindow(a->kind);
        const bool childB = isChildWindow(b->kind);
        if (childA != childB) {
            return childA;
        }
        return childA && nestingDepth(*a) > nestingDepth(*b);
    });
    return order;
}

} // namespace

const ControlEntry* controlAt(int x, int y) {
    static const std::vector<const ControlEntry*> order = frontToBack();
    for (const ControlEntry* entry : order) {
        if (pixelRect(*entry).contains(x, y)) {
            return entry;
        }
    }
    return nullptr;
}

bool isChrome(const ControlEntry* control) {
    return control != nullptr &&
           (control->kind == ControlKind::PushButton || control->kind == ControlKind::TextBox);
}

LookDifference compareLooks(const QImage& expected, const QImage& actual) {
    const QImage a = expected.convertToFormat(QImage::Format_RGB32);
    const QImage b = actual.convertToFormat(QImage::Format_RGB32);
    LookDifference result;
    result.picture = QImage(a.size(), QImage::Format_RGB32);
    std::map<const ControlEntry*, long> charged;

    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.picture.scanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            ++result.total;
            if (rowA[x] == rowB[x]) {
                ++result.identical;
                const int grey = 192 + qGray(rowA[x]) / 4;
                out[x] = qRgb(grey, grey, grey);
            } else {
                ++charged[controlAt(x, y)];
                out[x] = qRgb(255, 0, 0);
            }
        }
    }
    for (const ControlEntry& entry : controlTable()) {
        if (auto it = charged.find(&entry); it != charged.end()) {
            result.controls.push_back({&entry, it->second});
        }
    }
    if (auto it = charged.find(nullptr); it != charged.end()) {
        result.controls.push_back({nullptr, it->second});
    }
    return result;
}
