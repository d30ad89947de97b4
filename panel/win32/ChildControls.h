#pragma once

#include "ControlTable.h"
#include "PanelPicture.h"

#include <windows.h>

#include <map>
#include <string_view>
#include <utility>

// The child windows of Form1, built from the control table: the twelve
// `Command1` buttons (owner-drawn BUTTON controls), `Text1` (an EDIT with the
// sunken edge) and the picture boxes, each in its container, in tab order.
// Also what each picture box and image shows at creation.
class ChildControls {
public:
    // Child window identifiers: the control's creation number plus this.
    static constexpr int FirstChildId = 1000;

    ChildControls(HWND form, const PictureStore& pictures, HFONT font,
                  const layout::DisplayScale& scale);

    // Places every child again at `scale`, in `font`, showing the same
    // pictures from `pictures`: after the window moves to a screen of another
    // density. The cabin goes to its place in the table; the caller puts it
    // back where it is.
    void rescale(const PictureStore& before, const PictureStore& pictures, HFONT font,
                 const layout::DisplayScale& scale);

    HWND window(controls::ControlId id) const;
    const PanelPicture* picture(controls::ControlId id) const;
    void setPicture(controls::ControlId id, const PanelPicture* picture);

    // The table row of a child window identifier, or nullptr.
    static const layout::ControlEntry* entryOfChildId(int id);

private:
    void create(const layout::ControlEntry& entry, HWND form, const PictureStore& pictures,
                HFONT font, const layout::DisplayScale& scale);
    void orderTabStops();

    std::map<controls::ControlId, HWND> windows_;
    std::map<controls::ControlId, const PanelPicture*> pictures_;
};
