#pragma once
#include <string>
#include <vector>

#include "engine/rows.h"
#include "forms/list_view.h"
#include "forms/menu.h"
#include "forms/status_bar.h"

class TForm2;

namespace settings {

// Pages of the settings dialog's PageControl1, by position.
namespace page {
enum : int { General, Filters, Paths, Specific, Clean };
} // namespace page

// Rebuilds the main window's list as a summary of what the next clean run will do,
// reading the dialog's controls as they stand now, and takes the copies of the
// file-kinds and file-names texts that the run's confirmation shows.
void BuildSettingsSummary(engine::ResultRows& rows, TForm2& options, forms::StatusBar& status,
                          const std::vector<std::wstring>& uiText);

// The first selected row, -1 when none is.
int FirstSelectedRow(const forms::ListView& list);

// The dialog page to open for the summary row at selectedIndex, found from key words
// in that row and the rows above it; currentPage when nothing decides. -1 when no row
// is selected, meaning the dialog is not to be opened.
int ChooseSettingsPage(const forms::ListView& list, int selectedIndex, int currentPage);

// The list's context menu is opening: "Modify Options" only makes sense for a row.
void PopupMenuOpened(const forms::ListView& list, forms::MenuItem& modify);

} // namespace settings
