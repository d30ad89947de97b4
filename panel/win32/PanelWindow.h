#pragma once

#include "ChildControls.h"
#include "DisplayScale.h"
#include "FrameTimer.h"
#include "LiftDriver.h"
#include "LiftPanel.h"
#include "MonotonicClock.h"
#include "PanelPicture.h"
#include "PanelView.h"
#include "SpeakingView.h"
#include "WindowFonts.h"
#include "WindowSpeech.h"

#include <windows.h>

#include <memory>
#include <string>

// `Form1`: the panel window, built from the control table, with the panel
// and its driver behind it. Buttons, picture boxes and the text box are child windows;
// labels, lines, shapes and images are painted on the window's own surface.
// The instance belongs to its window (GWLP_USERDATA) and goes with it.
class PanelWindow final : public lift::PanelView {
public:
    static constexpr const wchar_t* ClassName = L"PelmoLiftPanel";
    // Posted to itself on creation: the route of status messages is chosen
    // once the window is on the screen, so that loading the accessibility
    // components does not hold up its first appearance.
    static constexpr UINT WM_PREPARE_SPEECH = WM_APP + 1;
    // Posted by the frame timer when the cabin is due a whole pixel further.
    static constexpr UINT WM_CABIN_FRAME = WM_APP + 2;

    // Creates the window, hidden, with its controls and timers running. COM
    // must be initialised (the pictures are decoded through it). Null when
    // the window cannot be made: out of memory or window handles. Throws
    // nothing.
    static HWND create(HINSTANCE instance);
    // The instance of a panel window; null once it is destroyed.
    static PanelWindow* of(HWND window);

    // PanelView
    void setCabinTop(int twips) override;
    void takePicture(controls::ControlId to, controls::ControlId from) override;
    void setText1(const std::string& text) override;
    void setTimer2Interval(int milliseconds) override;

    // The child window of a button, picture box or the text box; null otherwise.
    HWND control(controls::ControlId id) const { return children_->window(id); }
    // What a picture box or image shows now.
    const PanelPicture* pictureOf(controls::ControlId id) const { return children_->picture(id); }
    const lift::LiftPanel& panel() const { return panel_; }
    // What the panel's words say now, and how they are told.
    const spoken::SpeakingView& words() const { return words_; }
    const WindowSpeech& speech() const { return speech_; }
    WindowSpeech& speech() { return speech_; }
    // The scale the window is drawn at: its screen's density against 96 dpi.
    const layout::DisplayScale& scale() const { return scale_; }

    // Paints the window's own surface within `dirty`, back to front.
    void PaintContent(HDC dc, const RECT& dirty) const;

    // Made on WM_NCCREATE and deleted on WM_NCDESTROY by the window procedure.
    explicit PanelWindow(HWND window);
    ~PanelWindow() override;
    PanelWindow(const PanelWindow&) = delete;
    PanelWindow& operator=(const PanelWindow&) = delete;

    // Message handlers, called by the window procedure.
    void OnCreate();
    void OnPrepareSpeech();
    void OnFrame();
    void OnTimer(UINT id);
    void OnCommand(int id, UINT code);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    HBRUSH OnCtlColorEdit(HDC dc);
    void OnActivate(bool active);
    void OnSetFocus();
    // The window's own accessible object; 0 for one it leaves to the system.
    LRESULT OnGetObject(WPARAM flags, LPARAM objectId);
    // The window is on a screen of another density: `suggested` is where
    // Windows proposes to put it.
    void OnDpiChanged(UINT dpi, const RECT& suggested);

private:
    // The client area's size at the window's scale, keeping its top-left
    // corner at `left`, `top`.
    void sizeClient(int left, int top);

    HWND hwnd_;
    layout::DisplayScale scale_;
    std::unique_ptr<PictureStore> pictures_;
    std::unique_ptr<WindowFonts> fonts_;
    std::unique_ptr<ChildControls> children_;
    HBRUSH editBack_;
    HWND focus_ = nullptr; // the child that had the focus when the window lost it
    lift::SteadyClock clock_;
    // Between the handlers and the window: what it shows, in words.
    spoken::SpeakingView words_;
    WindowSpeech speech_;
    lift::LiftPanel panel_;
    FrameTimer frames_;
    lift::LiftDriver driver_;
};

LRESULT CALLBACK PanelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
