#pragma once
#include <string>
#include <vector>

#include "forms/control.h"

namespace forms {

class Panel : public Control {
public:
    using Control::Control;
    bool Bevel = true;
};

class GroupBox : public Control {
public:
    using Control::Control;
};

class Label : public Control {
public:
    using Control::Control;
    bool AutoSize = true;
    bool Centered = false;
    bool HandCursor = false;
};

// Picture held by a resource number of the program's own resources.
class Image : public Control {
public:
    using Control::Control;
    int Picture = 0;
    bool Stretch = false;
    bool Transparent = false;
    bool HandCursor = false;
};

class Button : public Control {
public:
    using Control::Control;
    // A non-zero result closes the modal form it sits on, set before the click runs.
    int ModalResult = 0;
    bool Default = false;
    void Click() override;
};

// Setting Checked from code fires the click event when the state changes, as the
// user's click does.
class CheckBox : public Control {
public:
    using Control::Control;
    bool Checked() const { return checked_; }
    void SetChecked(bool on);
    // The user toggled the box on the native control.
    void Click() override { SetChecked(!checked_); }

private:
    bool checked_ = false;
};

class Edit : public Control {
public:
    using Control::Control;
    const std::wstring& Text() const { return Caption(); }
    void SetText(const std::wstring& t);
    bool NumbersOnly = false;
};

// An up-down arrow pair that keeps a position within its range and shows it in its
// buddy edit.
class UpDown : public Control {
public:
    using Control::Control;
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    int Position() const { return position_; }
    // The position is kept within the range.
    void SetPosition(int p);
    void SetAssociate(Edit* buddy);
    Edit* Associate() const { return buddy_; }
    // The user typed into the buddy edit: its number becomes the position.
    void BuddyEdited();

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    Edit* buddy_ = nullptr;
};

class ProgressBar : public Control {
public:
    using Control::Control;
    int Max() const { return max_; }
    void SetMax(int m);
    int Position() const { return position_; }
    void SetPosition(int p);

private:
    int max_ = 100;
    int position_ = 0;
};

class SpeedButton : public Control {
public:
    using Control::Control;
    int Glyph() const { return glyph_; }
    void SetGlyph(int resource);
    bool Flat = true;

private:
    int glyph_ = 0;
};

// A rich-edit control used as a holder of text lines.
class RichEdit : public Control {
public:
    using Control::Control;
    const std::vector<std::wstring>& Lines() const { return lines_; }
    void SetText(const std::wstring& text);

private:
    std::vector<std::wstring> lines_;
};

} // namespace forms
