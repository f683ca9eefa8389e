#include "settings/settings_summary.h"

#include "engine/ui_lines.h"

#include "settings/option_set.h"
#include "settings/option_table.h"

namespace settings {
namespace {

using engine::Ui;

// List entries and categories stand under their header, set off by this indent.
constexpr const wchar_t* kIndent = L"  ";

const std::wstring& Line(const std::vector<std::wstring>& uiText, Ui id) {
    return engine::UiLine(uiText, id);
}

// Step 2 to 4: the things that change how and what a run deletes, before any list.
void AddWarningAndPatterns(engine::ResultRows& rows, TForm2& options,
                           const std::vector<std::wstring>& uiText) {
    if (!options.On(Option::Recycle))
        rows.AddResultRow(kIndent + Line(uiText, Ui::PermanentWarning), engine::picture::Warning);
    rows.FileTypesText = options.Edit4.Text();
    if (!rows.FileTypesText.empty())
        rows.AddResultRow(Line(uiText, Ui::CleanFileTypes) + L": " + rows.FileTypesText,
                          engine::picture::Warning);
    rows.FileNamesText = options.Edit1.Text();
    if (!rows.FileNamesText.empty())
        rows.AddResultRow(Line(uiText, Ui::CleanFileNames) + L": " + rows.FileNamesText,
                          engine::picture::Warning);
}

// Adds a header and one row per checked entry of the list; returns how many entries.
int AddCheckedSection(engine::ResultRows& rows, const std::wstring& header,
                      const forms::ListView& source, int image) {
    rows.AddTextRow(header);
    int shown = 0;
    for (int i = 0; i < source.Count(); ++i) {
        const forms::ListItem& item = source.Item(i);
        if (!item.checked) continue;
        rows.AddResultRow(kIndent + item.caption, image);
        ++shown;
    }
    return shown;
}

// An optional section whose header alone would say nothing loses it again.
void AddOptionalSection(engine::ResultRows& rows, const std::wstring& header,
                        const forms::ListView& source, int image) {
    if (AddCheckedSection(rows, header, source, image) == 0)
        rows.List().Delete(rows.List().Count() - 1);
}

// Step 5 to 8. Without a search path a run finds nothing to search, and the header
// says so rather than disappearing.
void AddPathSections(engine::ResultRows& rows, TForm2& options,
                     const std::vector<std::wstring>& uiText) {
    const std::wstring searchHeader = Line(uiText, Ui::SearchPath) + L": ";
    if (AddCheckedSection(rows, searchHeader, options.SearchPathList(), engine::picture::Warning) ==
        0) {
        rows.List().Delete(rows.List().Count() - 1);
        rows.AddTextRow(searchHeader + L" " + Line(uiText, Ui::None));
    }
    AddOptionalSection(rows, Line(uiText, Ui::ExcludePath) + L":", options.ExcludePathList(),
                       engine::picture::Status);
    AddOptionalSection(rows, Line(uiText, Ui::DeleteFolders) + L":", options.DeleteFolderList(),
                       engine::picture::Warning);
    AddOptionalSection(rows, Line(uiText, Ui::DeleteFiles) + L":", options.DeleteFileList(),
                       engine::picture::Warning);
}

// Step 9 and 10: the header stays even with no category, so the list never ends on
// the user's own paths without saying that nothing else is cleaned.
void AddCategories(engine::ResultRows& rows, TForm2& options,
                   const std::vector<std::wstring>& uiText) {
    rows.AddTextRow(Line(uiText, Ui::OtherTargets) + L":");
    for (const BoolOption* o : SummaryOrder()) {
        if (!options.On(o->id)) continue;
        // The update store's caption names an internal folder; its hint says what it is.
        rows.AddTextRow(kIndent +
                        (o->summaryByHint ? options.Hint(o->id) : options.Caption(o->id)));
    }
}

bool Has(const std::wstring& caption, const wchar_t* word) {
    return caption.find(word) != std::wstring::npos;
}

// The page a row's key words point to, -1 when they point nowhere. Headers carry
// these words, so walking up from an entry finds the section it belongs to.
int PageOfRow(const std::wstring& caption) {
    if (Has(caption, L"Windows")) return page::Clean;
    if (Has(caption, L"Clean ")) return page::Filters;
    if (Has(caption, L" path:")) return page::Paths;
    if (Has(caption, L"Delete ")) return page::Specific;
    if (Has(caption, L"file")) return page::Filters;
    return -1;
}

} // namespace

void BuildSettingsSummary(engine::ResultRows& rows, TForm2& options, forms::StatusBar& status,
                          const std::vector<std::wstring>& uiText) {
    forms::ListView& list = rows.List();
    list.Clear();
    if (!list.Columns().empty()) list.SetColumnCaption(0, Line(uiText, Ui::NowSettings));
    AddWarningAndPatterns(rows, options, uiText);
    AddPathSections(rows, options, uiText);
    AddCategories(rows, options, uiText);
    rows.SummaryShown = true;
    // The counts of the last run mean nothing next to a summary.
    const std::wstring panels[] = {Line(uiText, Ui::DoubleClickHint), L"", L""};
    for (int i = 0; i < 3 && i < status.PanelCount(); ++i)
        status.SetPanelText(i, panels[i]);
}

int FirstSelectedRow(const forms::ListView& list) {
    for (int i = 0; i < list.Count(); ++i)
        if (list.Item(i).selected) return i;
    return -1;
}

int ChooseSettingsPage(const forms::ListView& list, int selectedIndex, int currentPage) {
    if (selectedIndex < 0 || selectedIndex >= list.Count()) return -1;
    const std::wstring& selected = list.Item(selectedIndex).caption;
    int page = currentPage;
    if (Has(selected, L"Temp")) page = page::Filters;
    // These words name what a path or category is, whatever section it stands in.
    if (Has(selected, L"tmp")) return page::Filters;
    if (Has(selected, L"Windows") || Has(selected, L"Firefox") || Has(selected, L"Acdsee"))
        return page::Clean;
    for (int i = selectedIndex; i >= 0; --i) {
        int found = PageOfRow(list.Item(i).caption);
        if (found >= 0) return found;
    }
    return page;
}

void PopupMenuOpened(const forms::ListView& list, forms::MenuItem& modify) {
    modify.Enabled = list.SelectedCount() > 0;
}

} // namespace settings
