#pragma once
#include <functional>
#include <string>

#include "forms/control.h"

namespace forms {

class Application;

enum class Position { Designed, DesktopCenter, OwnerFormCenter };
enum class WindowState { Normal, Minimized, Maximized };
enum class BorderStyle { Sizeable, Dialog, Single };

// Answers of a modal form, numbered as the platform numbers them.
namespace mr {
enum : int { None, Ok, Cancel };
} // namespace mr

// A top-level window. Its bounds are the outer bounds in screen pixels; children are
// placed in its client area.
class Form : public Control {
public:
    Form(Application& app, std::wstring name);
    ~Form() override;

    Application& App() const { return app_; }

    void SetClientSize(int width, int height);
    int ClientWidth() const;
    int ClientHeight() const;
    Rect ClientRect() const override;

    forms::Position GetPosition() const { return position_; }
    void SetPosition(forms::Position p) { position_ = p; }
    forms::WindowState GetWindowState() const { return state_; }
    void SetWindowState(forms::WindowState s);
    forms::BorderStyle GetBorderStyle() const { return border_; }
    void SetBorderStyle(forms::BorderStyle b) { border_ = b; }
    bool HasMaximizeBox = true;
    bool HasMinimizeBox = true;

    // Shown on screen (modally or not).
    bool Showing() const { return showing_; }
    bool Modal() const { return modal_; }
    void Show();
    void Hide();
    // Shows the form modally and returns its modal result once it closed.
    int ShowModal();
    // Asks the form to close: the close query may refuse; a modal form ends its loop,
    // the main form ends the program, any other form hides.
    void Close();

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r) { modalResult_ = r; }

    std::function<void()> OnShow;
    std::function<void(bool& canClose)> OnCloseQuery;
    // The user asked for help (F1).
    std::function<void()> OnHelp;

    // Back ends report the user's resizing and moving through this.
    void BoundsChangedByUser(const Rect& r) { SetBounds(r); }
    // Back ends call this when a modal loop sees a modal result: runs the close query
    // and returns whether the form may close.
    bool CloseQueryPassed();

private:
    void PlaceForShow();

    Application& app_;
    forms::Position position_ = forms::Position::Designed;
    forms::WindowState state_ = forms::WindowState::Normal;
    forms::BorderStyle border_ = forms::BorderStyle::Sizeable;
    bool showing_ = false;
    bool modal_ = false;
    bool placed_ = false;
    int modalResult_ = mr::None;
};

} // namespace forms
