#include "LookCompare.h"

#include "ControlRects.h"

#include <algorithm>
#include <map>

using namespace controls;
using namespace layout;

namespace {

// The controls front to back as the screen shows them.
std::vector<const ControlEntry*> frontToBack() {
    std::vector<const ControlEntry*> order;
    for (const ControlEntry& entry : controlTable()) {
        if (entry.kind != ControlKind::Timer && entry.settings.visible) {
            order.push_back(&entry);
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const ControlEntry* a, const ControlEntry* b) {
        const bool childA = isChildWindowKind(a->kind);
        const bool childB = isChildWindowKind(b->kind);
        if (childA != childB) {
            return childA;
        }
        return childA && nestingDepth(*a) > nestingDepth(*b);
    });
    return order;
}

// A shape without fill or back shows only its outline; what lies inside it
// is seen through.
bool covers(const ControlEntry& entry, const ControlRect& rect, int x, int y,
            const DisplayScale& scale) {
    if (!scaledRect(rect, scale).contains(x, y)) {
        return false;
    }
    const ControlSettings& s = entry.settings;
    if (entry.kind != ControlKind::Shape || s.fill || s.opaqueBack) {
        return true;
    }
    const int b = s.borderPixels;
    const ControlRect inside{rect.x + b, rect.y + b, rect.width - 2 * b, rect.height - 2 * b};
    return !scaledRect(inside, scale).contains(x, y);
}

// The colour most of a label's pixels show in `picture`: its back.
QRgb labelBack(const QImage& picture, const ControlEntry& label, const DisplayScale& scale) {
    const ControlRect r = scaledRect(controlRect(label), scale);
    std::map<QRgb, long> counts;
    for (int y = std::max(r.y, 0); y < std::min(r.y + r.height, picture.height()); ++y) {
        for (int x = std::max(r.x, 0); x < std::min(r.x + r.width, picture.width()); ++x) {
            ++counts[picture.pixel(x, y)];
        }
    }
    const auto most =
        std::max_element(counts.begin(), counts.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == counts.end() ? 0 : most->first;
}

} // namespace

const ControlEntry* controlAt(int x, int y, int cabinTop, const DisplayScale& scale) {
    static const std::vector<const ControlEntry*> order = frontToBack();
    for (const ControlEntry* entry : order) {
        ControlRect rect = controlRect(*entry);
        if (entry->id == ControlId{"Picture1"}) {
            rect.y = cabinTop;
        }
        if (covers(*entry, rect, x, y, scale)) {
            return entry;
        }
    }
    return nullptr;
}

bool isChrome(const ControlEntry* control) {
    return control != nullptr &&
           (control->kind == ControlKind::PushButton || control->kind == ControlKind::TextBox);
}

LookDifference compareLooks(const QImage& expected, const QImage& actual, int cabinTop,
                            const DisplayScale& scale) {
    const QImage a = expected.convertToFormat(QImage::Format_RGB32);
    const QImage b = actual.convertToFormat(QImage::Format_RGB32);
    LookDifference result;
    result.picture = QImage(a.size(), QImage::Format_RGB32);
    std::map<const ControlEntry*, long> charged;
    std::map<const ControlEntry*, QRgb> backs;

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
                const ControlEntry* at = controlAt(x, y, cabinTop, scale);
                ++charged[at];
                out[x] = qRgb(255, 0, 0);
                if (isChrome(at)) {
                    ++result.chrome;
                } else if (at != nullptr && at->kind == ControlKind::Label) {
                    auto back = backs.find(at);
                    if (back == backs.end()) {
                        back = backs.emplace(at, labelBack(a, *at, scale)).first;
                    }
                    if (rowA[x] != back->second || rowB[x] != back->second) {
                        ++result.labelText;
                    }
                }
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
