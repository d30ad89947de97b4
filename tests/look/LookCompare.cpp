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

// A shape without fill or back shows only its outline; what lies inside it
// is seen through.
bool covers(const ControlEntry& entry, const ControlRect& rect, int x, int y) {
    if (!rect.contains(x, y)) {
        return false;
    }
    const ControlSettings& s = entry.settings;
    if (entry.kind != ControlKind::Shape || s.fill || s.opaqueBack) {
        return true;
    }
    const int b = s.borderPixels;
    const ControlRect inside{rect.x + b, rect.y + b, rect.width - 2 * b, rect.height - 2 * b};
    return !inside.contains(x, y);
}

} // namespace

const ControlEntry* controlAt(int x, int y, int cabinTop) {
    static const std::vector<const ControlEntry*> order = frontToBack();
    for (const ControlEntry* entry : order) {
        ControlRect rect = controlRect(*entry);
        if (entry->id == ControlId{"Picture1"}) {
            rect.y = cabinTop;
        }
        if (covers(*entry, rect, x, y)) {
            return entry;
        }
    }
    return nullptr;
}

bool isChrome(const ControlEntry* control) {
    return control != nullptr &&
           (control->kind == ControlKind::PushButton || control->kind == ControlKind::TextBox);
}

LookDifference compareLooks(const QImage& expected, const QImage& actual, int cabinTop) {
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
                ++charged[controlAt(x, y, cabinTop)];
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
