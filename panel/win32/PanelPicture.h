#pragma once

#include "ControlTable.h"
#include "DisplayScale.h"

#include <windows.h>

#include <array>
#include <memory>

// Where a picture is drawn: its top-left corner in the window, in pixels at
// 96 dots per inch, the window's scale, and the window's device pixel on
// which the device context's origin stands (a box's own corner).
struct PicturePlace {
    int x = 0;
    int y = 0;
    layout::DisplayScale scale{};
    int dcLeft = 0;
    int dcTop = 0;
};

// A picture one or more boxes show; transparent parts leave what is beneath.
// Boxes share pictures: taking over another box's picture points at the same
// one.
class PanelPicture {
public:
    virtual ~PanelPicture() = default;
    // The natural size, in pixels at 96 dots per inch.
    virtual SIZE size() const = 0;
    // Draws the picture at its natural size times the place's scale.
    virtual void paint(HDC dc, const PicturePlace& place) const = 0;
};

// The twelve images of the design, read once from the program's resources
// for one display scale. A picture that cannot be read shows as nothing
// rather than stop the panel.
class PictureStore {
public:
    explicit PictureStore(HINSTANCE instance, const layout::DisplayScale& scale = {});
    ~PictureStore();
    PictureStore(const PictureStore&) = delete;
    PictureStore& operator=(const PictureStore&) = delete;

    // Null for Picture::None and for a picture that could not be read.
    const PanelPicture* get(layout::Picture which) const;

private:
    std::array<std::unique_ptr<PanelPicture>, 12> pictures_;
};

// The window's icon at the given size, from the same resources.
HICON loadPanelIcon(HINSTANCE instance, int size);
