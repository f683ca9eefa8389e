#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace forms {

class Form;
class PopupMenu;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
    bool operator!=(const Rect& o) const { return !(*this == o); }
};

enum class Align { None, Top, Bottom, Left, Right, Client };

struct Font {
    std::wstring name = L"Tahoma";
    int height = -11; // negative: character height in pixels at 96 DPI
    bool bold = false;
    std::uint32_t color = 0; // 0x00BBGGRR
};

// What changed on a control, so a native peer can mirror just that.
enum class Change {
    Caption,
    Bounds,
    Visible,
    Enabled,
    Hint,
    Font,
    Checked,
    Text,
    Position,
    Items,       // the whole item set
    ItemAdded,   // index given
    ItemRemoved, // index given
    ItemChanged, // index given
    Scroll,      // index given: bring the item into view
    Refresh,     // show pending changes now
    Columns,
    Panels,
    ActivePage,
    Glyph,
    WindowState,
    Color,
};

// The native counterpart of a control. Headless controls have none.
class Peer {
public:
    virtual ~Peer() = default;
    virtual void Changed(Change what, int index) = 0;
};

// A control holds its own state; that state is what the program reads and writes.
class Control {
public:
    Control(Control* parent, std::wstring name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::wstring& Name() const { return name_; }
    Control* Parent() const { return parent_; }
    const std::vector<Control*>& Children() const { return children_; }
    Form* OwnerForm();

    const Rect& Bounds() const { return bounds_; }
    void SetBounds(const Rect& r);
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width; }
    int Height() const { return bounds_.height; }
    void SetLeft(int v) { SetBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
    void SetTop(int v) { SetBounds({bounds_.left, v, bounds_.width, bounds_.height}); }
    void SetWidth(int v) { SetBounds({bounds_.left, bounds_.top, v, bounds_.height}); }
    void SetHeight(int v) { SetBounds({bounds_.left, bounds_.top, bounds_.width, v}); }

    Align GetAlign() const { return align_; }
    void SetAlign(Align a);

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& c);
    const std::wstring& Hint() const { return hint_; }
    void SetHint(const std::wstring& h);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v) { showHint_ = v; }

    const forms::Font& GetFont() const { return font_; }
    void SetFont(const forms::Font& f);
    std::uint32_t Color() const { return color_; }
    void SetColor(std::uint32_t c);
    bool ParentColor() const { return parentColor_; }

    int Tag = 0;
    forms::PopupMenu* PopupMenu = nullptr;

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void()> OnResize;

    // Performs a click as the user's click does.
    virtual void Click();
    void DblClick();

    Peer* GetPeer() const { return peer_.get(); }
    void SetPeer(std::unique_ptr<Peer> p) { peer_ = std::move(p); }

    // Lays out aligned children inside this control's client area.
    void Realign();
    // The area children are placed in, in this control's own coordinates.
    virtual Rect ClientRect() const { return {0, 0, bounds_.width, bounds_.height}; }

protected:
    void Notify(Change what, int index = -1);
    // A property takes a new value and the peer hears of it; nothing happens when the
    // value is the one it has.
    template <typename T>
    void Assign(T& property, const T& value, Change what, int index = -1) {
        if (property == value) return;
        property = value;
        Notify(what, index);
    }
    virtual void Resized();

private:
    std::wstring name_;
    Control* parent_;
    std::vector<Control*> children_;
    Rect bounds_;
    Align align_ = Align::None;
    bool visible_ = true;
    bool enabled_ = true;
    std::wstring caption_;
    std::wstring hint_;
    bool showHint_ = false;
    forms::Font font_;
    std::uint32_t color_ = 0x00F0F0F0;
    bool parentColor_ = true;
    std::unique_ptr<Peer> peer_;
};

} // namespace forms
