#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace forms {

class MenuItem {
public:
    explicit MenuItem(std::wstring name) : name_(std::move(name)) {}
    const std::wstring& Name() const { return name_; }
    std::wstring Caption;
    bool Checked = false;
    bool RadioItem = false;
    // A disabled item ignores clicks, including those performed from code.
    bool Enabled = true;
    std::function<void()> OnClick;
    void Click() {
        if (Enabled && OnClick) OnClick();
    }

private:
    std::wstring name_;
};

// A context menu. Its items are owned by the form that declares them.
class PopupMenu {
public:
    explicit PopupMenu(std::wstring name) : name_(std::move(name)) {}
    const std::wstring& Name() const { return name_; }
    std::vector<MenuItem*> Items;
    // Opens by itself on a right click when set.
    bool AutoPopup = true;
    std::function<void()> OnPopup;

private:
    std::wstring name_;
};

} // namespace forms
