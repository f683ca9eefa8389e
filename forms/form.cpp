#include "forms/form.h"

#include "forms/application.h"

namespace forms {

Form::Form(Application& app, std::wstring name) : Control(nullptr, std::move(name)), app_(app) {
    SetVisible(false);
}

Form::~Form() { app_.GetBackend().FormDestroyed(*this); }

void Form::SetClientSize(int width, int height) {
    Rect frame = app_.GetBackend().FrameSize(*this);
    SetBounds({Left(), Top(), width + frame.width, height + frame.height});
}

int Form::ClientWidth() const { return ClientRect().width; }
int Form::ClientHeight() const { return ClientRect().height; }

Rect Form::ClientRect() const {
    Rect frame = app_.GetBackend().FrameSize(*this);
    return {0, 0, Width() - frame.width, Height() - frame.height};
}

void Form::SetWindowState(forms::WindowState s) {
    if (s == state_) return;
    state_ = s;
    Notify(Change::WindowState);
}

void Form::PlaceForShow() {
    if (placed_) return;
    placed_ = true;
    Rect area = app_.GetBackend().WorkArea();
    Rect centre = area;
    if (position_ == forms::Position::OwnerFormCenter && app_.MainForm() && app_.MainForm() != this)
        centre = app_.MainForm()->Bounds();
    else if (position_ != forms::Position::DesktopCenter)
        return;
    SetBounds({centre.left + (centre.width - Width()) / 2, centre.top + (centre.height - Height()) / 2,
               Width(), Height()});
}

void Form::Show() {
    PlaceForShow();
    SetVisible(true);
    showing_ = true;
    app_.GetBackend().ShowForm(*this);
    // A failing handler shows its error and the form stays shown; above all a modal
    // form still reaches its loop, the only place that can close it.
    if (OnShow) app_.Guard(OnShow);
}

void Form::Hide() {
    if (!showing_) return;
    showing_ = false;
    SetVisible(false);
    app_.GetBackend().HideForm(*this);
}

namespace {

// Leaves the modal state and hides the form however the modal loop ends.
class ModalScope {
public:
    ModalScope(Form& form, bool& modal) : form_(form), modal_(modal) { modal_ = true; }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    ~ModalScope() {
        modal_ = false;
        form_.App().Guard([this] { form_.Hide(); });
    }

private:
    Form& form_;
    bool& modal_;
};

} // namespace

int Form::ShowModal() {
    modalResult_ = mr::None;
    ModalScope scope(*this, modal_);
    if (position_ == forms::Position::OwnerFormCenter) placed_ = false;
    Show();
    app_.GetBackend().RunModal(app_, *this);
    return modalResult_;
}

bool Form::CloseQueryPassed() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(canClose);
    return canClose;
}

void Form::Close() {
    if (modal_) {
        // The modal loop notices the result and asks the close query itself.
        if (modalResult_ == mr::None) modalResult_ = mr::Cancel;
        return;
    }
    if (!CloseQueryPassed()) return;
    Hide();
    if (app_.MainForm() == this) app_.Terminate();
}

} // namespace forms
