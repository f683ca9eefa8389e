#include "forms/control.h"

#include <algorithm>

#include "forms/form.h"

namespace forms {

Control::Control(Control* parent, std::wstring name) : name_(std::move(name)), parent_(parent) {
    if (parent_) {
        parent_->children_.push_back(this);
        font_ = parent_->font_;
    }
}

Control::~Control() {
    if (parent_) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

Form* Control::OwnerForm() {
    Control* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<Form*>(c);
}

void Control::SetBounds(const Rect& r) {
    if (r == bounds_) return;
    bool resized = r.width != bounds_.width || r.height != bounds_.height;
    bounds_ = r;
    Notify(Change::Bounds);
    if (resized) Resized();
    if (parent_ && align_ != Align::None && resized) parent_->Realign();
}

void Control::Resized() {
    Realign();
    if (OnResize) OnResize();
}

void Control::SetAlign(Align a) {
    align_ = a;
    if (parent_) parent_->Realign();
}

void Control::Realign() {
    Rect area = ClientRect();
    int top = area.top, bottom = area.top + area.height;
    int left = area.left, right = area.left + area.width;
    for (Control* c : children_) {
        if (!c->visible_) continue;
        const Rect& b = c->bounds_;
        switch (c->align_) {
        case Align::Top:
            c->SetBounds({left, top, right - left, b.height});
            top += b.height;
            break;
        case Align::Bottom:
            bottom -= c->bounds_.height;
            c->SetBounds({left, bottom, right - left, c->bounds_.height});
            break;
        default:
            break;
        }
    }
    for (Control* c : children_) {
        if (!c->visible_) continue;
        switch (c->align_) {
        case Align::Left:
            c->SetBounds({left, top, c->bounds_.width, std::max(0, bottom - top)});
            left += c->bounds_.width;
            break;
        case Align::Right:
            right -= c->bounds_.width;
            c->SetBounds({right, top, c->bounds_.width, std::max(0, bottom - top)});
            break;
        default:
            break;
        }
    }
    for (Control* c : children_) {
        if (c->visible_ && c->align_ == Align::Client)
            c->SetBounds({left, top, std::max(0, right - left), std::max(0, bottom - top)});
    }
}

void Control::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Notify(Change::Visible);
    if (parent_ && align_ != Align::None) parent_->Realign();
}

void Control::SetEnabled(bool v) {
    Assign(enabled_, v, Change::Enabled);
}

void Control::SetCaption(const std::wstring& c) {
    Assign(caption_, c, Change::Caption);
}

void Control::SetHint(const std::wstring& h) {
    hint_ = h;
    Notify(Change::Hint);
}

void Control::SetFont(const forms::Font& f) {
    font_ = f;
    Notify(Change::Font);
}

void Control::SetColor(std::uint32_t c) {
    color_ = c;
    parentColor_ = false;
    Notify(Change::Color);
}

void Control::Click() {
    if (OnClick) OnClick();
}

void Control::DblClick() {
    if (OnDblClick) OnDblClick();
}

void Control::Notify(Change what, int index) {
    if (peer_) peer_->Changed(what, index);
}

} // namespace forms
