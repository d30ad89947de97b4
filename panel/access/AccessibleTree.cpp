#include "AccessibleTree.h"

#include "CallButtonName.h"
#include "ControlTable.h"
#include "PanelWords.h"
#include "SpeakingView.h"

#include <algorithm>
#include <vector>

using namespace controls;

namespace spoken {
namespace {

using controls::command1;
using controls::lamp;
using layout::callButtonName;
using layout::ControlEntry;
using layout::findControl;
using layout::form1Settings;

// The floor labels, ground floor first.
constexpr std::string_view FloorLabel[FloorCount] = {"Label2", "Label3", "Label4",
                                                     "Label6", "Label7", "Label8"};

std::vector<AccessibleItem> makeOrder() {
    std::vector<AccessibleItem> order;
    order.push_back({controls::FloorDigit, Role::Image});
    for (int i = 0; i < FloorCount; ++i) {
        order.push_back({command1(i), Role::PushButton});
    }
    order.push_back({controls::Picture1, Role::Status});
    for (int f = FloorCount - 1; f >= 0; --f) {
        order.push_back({{FloorLabel[f]}, Role::StaticText});
        order.push_back({command1(FloorCount + f), Role::PushButton});
        order.push_back({lamp(f), Role::Image});
    }
    order.push_back({{"Label12"}, Role::StaticText});
    for (const ControlId& sample : {controls::WhiteLamp, controls::RedLamp, controls::BlueLamp}) {
        order.push_back({sample, Role::Image});
    }
    for (const std::string_view label : {"Label5", "Label13", "Label9", "Label10", "Label11"}) {
        order.push_back({{label}, Role::StaticText});
    }
    order.push_back({controls::Text1, Role::EditableText});
    return order;
}

std::string captionOf(ControlId id) {
    const ControlEntry* entry = findControl(id);
    return entry ? readable(entry->settings.caption) : std::string();
}

// "At floor 3" as it reads after another word: "at floor 3".
std::string lowerFirst(std::string text) {
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') {
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    }
    return text;
}

} // namespace

std::span<const AccessibleItem> readingOrder() {
    static const std::vector<AccessibleItem> order = makeOrder();
    return order;
}

const AccessibleItem* accessibleItem(ControlId id) {
    const auto order = readingOrder();
    const auto it = std::find_if(order.begin(), order.end(),
                                 [id](const AccessibleItem& item) { return item.id == id; });
    return it == order.end() ? nullptr : &*it;
}

std::string readable(std::string_view caption) {
    std::string text;
    for (const char c : caption) {
        if (c != ' ') {
            text += c;
        } else if (!text.empty() && text.back() != ' ') {
            text += ' ';
        }
    }
    if (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

std::string accessibleName(ControlId id, const SpeakingView* words) {
    if (id == controls::Form1) {
        return readable(form1Settings().caption);
    }
    if (id == controls::Text1) {
        return captionOf({"Label1"}); // the label over the box says what it shows
    }
    if (id == controls::Picture1) {
        return "Cabin " + (words ? lowerFirst(words->place()) : std::string("of the lift"));
    }
    if (id == controls::FloorDigit) {
        return digitWords(words ? words->digit() : 0);
    }
    if (id == controls::WhiteLamp) {
        return "White lamp: the lift is not here";
    }
    if (id == controls::RedLamp) {
        return "Red lamp: the lift is moving";
    }
    if (id == controls::BlueLamp) {
        return "Blue lamp: the lift stopped here";
    }
    for (int f = 0; f < FloorCount; ++f) {
        if (id == lamp(f)) {
            return words ? lampName(f) + ", " + lampState(words->lamp(f), words->travelling())
                         : lampName(f);
        }
    }
    if (id.name == controls::command1(0).name) {
        return callButtonName(id.index).value_or(std::string());
    }
    return captionOf(id);
}

} // namespace spoken
