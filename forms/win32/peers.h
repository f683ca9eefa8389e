#pragma once
// One peer class per control kind. Each creates its window in its constructor and
// mirrors the state its control kind adds.
#include <map>
#include <memory>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/list_view.h"
#include "forms/page_control.h"
#include "forms/status_bar.h"
#include "forms/win32/peer.h"
#include "forms/win32/repaint_throttle.h"

namespace forms::win32 {

class FormPeer : public Win32Peer {
public:
    // Made at `dpi`, the scale of the screen it opens on; its own once it is there.
    FormPeer(Resources& resources, Form& form, HWND owner, int dpi);
    Form& GetForm() const { return form_; }
    const DisplayScale& Scale() const override { return scale_; }
    void ShowNative();
    // The hint shown over one of the form's windows; empty: none.
    void SetToolTip(HWND tool, const std::wstring& text);
    // The hint shown over a part of one of its windows (a button drawn there), told
    // from the window's other parts by a number of its own; empty: none.
    void SetToolTip(HWND window, UINT_PTR part, const RECT& place, const std::wstring& text);
    // The hints' window is made the first time the pointer comes over a window with a
    // hint, not while the form opens: until then the hints wait here.
    void EnsureToolTips();
    static DWORD Style(const Form& form);
    static DWORD ExStyle(const Form& form);

protected:
    void Apply(Change what, int index) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void ApplyFormBounds();
    void ApplyWindowState();
    void ReportPlacement();
    // Takes a new scale and the outer rectangle the window has at it, and lays out
    // every control again.
    void ChangeScale(int dpi, const RECT& bounds);
    LRESULT DefaultButtonId() const;
    bool ClickById(int id);
    // Where a hint shows: a whole window (part 0) or a part of one.
    struct Tool {
        HWND window;
        UINT_PTR part;
        bool operator<(const Tool& o) const {
            return window != o.window ? window < o.window : part < o.part;
        }
    };
    struct Hint {
        std::wstring text;
        RECT place;
    };
    void SetHint(const Tool& tool, const Hint& hint);
    void GiveToolTip(const Tool& tool, const Hint& hint);

    Form& form_;
    DisplayScale scale_;
    std::map<Tool, Hint> hints_;
    UniqueWindow tooltip_;
    HWND lastFocus_ = nullptr;
};

class SpeedButtonPeer;

// The toolbar buttons a window draws on itself (see SpeedButtonPeer): it paints them
// over its own face and gives them the pointer, as a toolbar does with its buttons.
class DrawnButtons {
public:
    explicit DrawnButtons(Win32Peer& host) : host_(host) {}
    DrawnButtons(const DrawnButtons&) = delete;
    DrawnButtons& operator=(const DrawnButtons&) = delete;
    void Paint(HDC dc, const RECT& dirty) const;
    // A mouse message to the window: true when it was a button's press or release.
    bool OnPointer(UINT msg, LPARAM lp);
    // The pointer is over the window: the hints of the buttons are made ready.
    void PointerOver() const;
    void ScaleChanged() const;
    // The area of the window that shows part of it, to draw again.
    void Invalidate(const RECT& area, bool erase) const;
    // A button that goes is neither lit nor held any more.
    void Forget(const SpeedButtonPeer& button);

private:
    std::vector<SpeedButtonPeer*> Buttons() const;
    // The button drawn on top at a point, and the one there that takes the pointer.
    SpeedButtonPeer* ShownAt(LPARAM lp) const;
    SpeedButtonPeer* ButtonAt(LPARAM lp) const;
    void Redraw(const SpeedButtonPeer* button) const;
    void SetHot(SpeedButtonPeer* button);

    Win32Peer& host_;
    SpeedButtonPeer* hot_ = nullptr;     // under the pointer
    SpeedButtonPeer* pressed_ = nullptr; // held down, the mouse captured
    bool pressedInside_ = false;         // and the pointer still over it
};

// Panels, tab sheets and plain controls: a window of our own that paints its colour.
class ContainerPeer : public Win32Peer {
public:
    // A panel shows its bevel and caption; a page's caption is on its tab instead.
    ContainerPeer(Resources& resources, Application& app, Control& control, bool bevel,
                  bool showCaption);
    DrawnButtons& Buttons() { return buttons_; }
    void ScaleChanged() override;

protected:
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void Paint();
    bool bevel_;
    bool showCaption_;
    DrawnButtons buttons_{*this};
};

class GroupBoxPeer : public Win32Peer {
public:
    GroupBoxPeer(Resources& resources, Application& app, GroupBox& box);

protected:
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

class TabSheetPeer : public ContainerPeer {
public:
    TabSheetPeer(Resources& resources, Application& app, TabSheet& sheet);

protected:
    void Apply(Change what, int index) override;

private:
    TabSheet& sheet_;
};

class PageControlPeer : public Win32Peer {
public:
    PageControlPeer(Resources& resources, Application& app, PageControl& pages);
    // Rebuilds the tabs from the pages' captions.
    void SyncTabs();

protected:
    void Apply(Change what, int index) override;
    bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    PageControl& pages_;
};

class LabelPeer : public Win32Peer {
public:
    LabelPeer(Resources& resources, Application& app, Label& label);

protected:
    int TextMargin() const override { return 0; }
    void SetWrapped(bool on) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    Label& label_;
};

class ImagePeer : public Win32Peer {
public:
    ImagePeer(Resources& resources, Application& app, Image& image);
    void ScaleChanged() override;

protected:
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void Paint();
    Image& image_;
    // Loaded when first drawn: a hidden image (a store of glyphs) never is.
    HIMAGELIST picture_ = nullptr; // shared, owned by the resources
};

class ButtonPeer : public Win32Peer {
public:
    ButtonPeer(Resources& resources, Application& app, Button& button);

protected:
    int TextMargin() const override;
    bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

class CheckBoxPeer : public Win32Peer {
public:
    CheckBoxPeer(Resources& resources, Application& app, CheckBox& box);

protected:
    int TextMargin() const override;
    void SetWrapped(bool on) override;
    void Apply(Change what, int index) override;
    bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    bool NativeChecked() const;
    CheckBox& box_;
};

// A toolbar button has no window of its own: the panel or page it lies on draws it and
// takes the pointer over it (DrawnButtons). A window costs milliseconds to make and
// paint under some systems; a toolbar of them was much of what opening the program took.
class SpeedButtonPeer : public Peer, public Fitted {
public:
    SpeedButtonPeer(Resources& resources, Application& app, SpeedButton& button);
    ~SpeedButtonPeer() override;
    SpeedButtonPeer(const SpeedButtonPeer&) = delete;
    SpeedButtonPeer& operator=(const SpeedButtonPeer&) = delete;
    SpeedButton& Object() const { return button_; }
    void Changed(Change what, int index) override;
    FitItem DesignedFit() const override;
    void TakeFit(const FitItem& item) override;
    // Where it lies in its host's client area, in pixels.
    RECT Area() const;
    // Shown, and enabled: a press or the pointer over it counts.
    bool Shown() const { return button_.Visible(); }
    bool TakesPointer() const { return button_.Visible() && button_.Enabled(); }
    void Draw(HDC dc, bool hot, bool pressed) const;
    // The host moved to another scale: the glyph in the size drawn for it.
    void ScaleChanged();
    // The pointer is over the host: the form's hints are made ready if it has one.
    void PointerOver() const;

private:
    const DisplayScale& Scale() const;
    void LoadGlyph();
    void DrawGlyph(HDC dc, const RECT& area, bool disabled) const;
    void ApplyHint() const;
    // Draws it again where it is now, and where it was last drawn.
    void Redraw();

    Resources& resources_;
    SpeedButton& button_;
    ContainerPeer& host_;
    const UINT_PTR part_; // its number for the host's hints
    int glyphSize_ = 0;
    const AlphaPicture* picture_ = nullptr; // shared, owned by the resources
    RECT shownArea_{};
    FittedPlace fitted_;
};

class EditPeer : public Win32Peer {
public:
    EditPeer(Resources& resources, Application& app, Edit& edit);

protected:
    void Apply(Change what, int index) override;
    bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    Edit& edit_;
};

class UpDownPeer : public Win32Peer {
public:
    UpDownPeer(Resources& resources, Application& app, UpDown& upDown);
    void Connected() override;

protected:
    void Apply(Change what, int index) override;
    bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void ApplyPosition();
    UpDown& upDown_;
};

class ProgressBarPeer : public Win32Peer {
public:
    ProgressBarPeer(Resources& resources, Application& app, ProgressBar& bar);

protected:
    void Apply(Change what, int index) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void ShowPosition();
    ProgressBar& bar_;
    // A walk steps the bar per file: like the status bar's texts, positions set within
    // a moment of the last one shown wait for a timer.
    RepaintThrottle throttle_;
};

// Holds lines only; a plain multi-line edit does, with no rich-text library loaded.
class RichEditPeer : public Win32Peer {
public:
    RichEditPeer(Resources& resources, Application& app, RichEdit& edit);

protected:
    void Apply(Change what, int index) override;

private:
    void ApplyLines();
    RichEdit& edit_;
    // Laying out the lines costs milliseconds, for nothing while the edit is hidden (the
    // main window keeps its text table in one): a hidden edit gets them once shown.
    bool linesPending_ = false;
};

class StatusBarPeer : public Win32Peer {
public:
    StatusBarPeer(Resources& resources, Application& app, StatusBar& bar);
    void ScaleChanged() override;

protected:
    void Apply(Change what, int index) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void ApplyPanels();
    void ShowPanelText(int index);
    void FlushPending();
    StatusBar& bar_;
    // Setting a panel's text repaints at once and costs milliseconds; a walk sets it
    // per file. Texts set within kMinInterval (a quarter second) of the last shown one
    // wait for a timer; Refresh shows them at once.
    RepaintThrottle throttle_;
    std::vector<bool> pending_;
};

// Creates the peer for a control of any kind.
std::unique_ptr<Peer> CreatePeer(Resources& resources, Application& app, Control& control);

} // namespace forms::win32
