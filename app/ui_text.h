#pragma once
#include <string>
#include <vector>

#include "engine/ui_lines.h"

namespace forms {
class RichEdit;
}

// The words the main window shows on its toolbar, status bar, list rows and messages:
// 85 lines read by name (engine::Ui), filled once from the main window's hidden text holder.
class UiTextTable {
public:
    static constexpr int kLines = 85;

    void Load(const forms::RichEdit& holder);
    const std::wstring& operator[](engine::Ui id) const { return engine::UiLine(lines_, id); }
    int Count() const { return static_cast<int>(lines_.size()); }
    const std::vector<std::wstring>& Lines() const { return lines_; }

private:
    std::vector<std::wstring> lines_;
};

// The table's lines as the program ships them, one per line.
extern const wchar_t* const kUiTextLines;

// Line n as shipped, for a box shown before the main window holds the table; an index
// outside it reads as empty text.
std::wstring ShippedUiText(engine::Ui id);
