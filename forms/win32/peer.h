#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "forms/control.h"
#include "forms/win32/display_scale.h"
#include "forms/win32/resources.h"
#include "forms/win32/text_fit.h"
#include "forms/win32/window.h"

namespace forms {
class Application;
class PopupMenu;
} // namespace forms

namespace forms::win32 {

// The native window of one control. The control's state is the truth: the peer
// mirrors each change into the window, and reports what the user changes on the
// window back into the control. While it applies the control's state it reports
// nothing, so its own changes never come back as the user's.
class Win32Peer : public Peer, public Window, public Fitted {
public:
    Win32Peer(Resources& resources, Application& app, Control& control);

    Control& Object() const { return control_; }
    void Changed(Change what, int index) final;
    // Called once every peer of the form exists, for links to siblings made later
    // (an up-down's buddy).
    virtual void Connected() {}
    // The scale the control's window is drawn at: its form's.
    virtual const DisplayScale& Scale() const;
    // The form moved to a screen of another scale: bounds, font and pictures follow.
    virtual void ScaleChanged();
    // For the fit of its parent's texts (text_fit.h).
    FitItem DesignedFit() const override;
    void TakeFit(const FitItem& item) override;

protected:
    // Creates this control's window inside its parent's, at the control's bounds.
    void CreateChild(const wchar_t* windowClass, DWORD style, DWORD exStyle = 0);
    // Takes a top-level window of our own class.
    void AttachOwnWindow(HWND hwnd) {
        ownClass_ = true;
        Attach(hwnd);
    }
    // Mirrors one change; the base handles what every control has.
    virtual void Apply(Change what, int index);

    bool Applying() const { return applying_ > 0; }
    // Marks a stretch of work as applying the control's state.
    class ApplyingScope {
    public:
        explicit ApplyingScope(Win32Peer& p) : p_(p) { ++p_.applying_; }
        ~ApplyingScope() { --p_.applying_; }
        ApplyingScope(const ApplyingScope&) = delete;
        ApplyingScope& operator=(const ApplyingScope&) = delete;

    private:
        Win32Peer& p_;
    };

    Resources& Res() const { return resources_; }
    // A font at this window's scale.
    HFONT FontOf(const forms::Font& font) const;
    Application* App() const override { return &app_; }
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

    HWND ParentHandle() const;
    // The pointer is over a window (WM_SETCURSOR's): when it is this one and the control
    // has a hint, the form's hints are made ready, before the window sees the move.
    void PointerOver(WPARAM window);
    // The brush of what shows behind this control.
    HBRUSH BackgroundBrush() const;
    HBRUSH ParentBrush() const;
    std::wstring WindowText() const;
    // Sets the window's text unless it already shows it (no needless change notice).
    void ApplyText(const std::wstring& text);
    void ApplyBounds();
    // Where the window goes: the designed bounds at this scale, or the fitted ones.
    RECT PixelBounds() const;
    // What a text needs beside its own width (a check box's box); -1: no text to fit.
    virtual int TextMargin() const { return -1; }
    // Shows the text on two lines, or back on one.
    virtual void SetWrapped(bool) {}
    // Gives the window the control's font at this scale.
    virtual void ApplyFont();
    // For transparent-looking children: the parent's background, the control's ink.
    LRESULT ColorChild(HDC dc);

private:
    void ApplyHint();
    bool ShowContextMenu(LPARAM lp);

    Resources& resources_;
    Application& app_;
    Control& control_;
    int applying_ = 0;
    bool ownClass_ = false;
    FittedPlace fitted_;
    bool wrapped_ = false;
};

// The first control of a tree, depth first, that matches.
Control* FindControl(Control& root, const std::function<bool(Control&)>& match);

// Answers WM_SETCURSOR with the hand, for controls that act as links.
bool SetHandCursor(LPARAM lp, LRESULT& result);

// Opens a context menu at a screen point and runs the chosen item's click.
void TrackPopup(PopupMenu& menu, HWND owner, POINT at);

// The system's text for the last error, for a failure that must be reported.
[[noreturn]] void ThrowLastError(const wchar_t* what);

} // namespace forms::win32
