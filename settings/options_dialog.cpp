// What the settings dialog does: commit on OK, revert on any other close, the Default
// and Help buttons, and adding and removing the rows of the four path lists.
#include "settings/option_set.h"

#include "settings/option_table.h"

namespace {

namespace mb = platform::mb;

void DisableWhenNoneSelected(const forms::ListView& list, forms::Button& deleteButton) {
    if (list.SelectedCount() == 0) deleteButton.SetEnabled(false);
}

} // namespace

void TForm2::WireDialogEvents() {
    OnShow = [this] { FormShow(); };
    OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
    Button3.OnClick = [this] { Button3Click(); };
    Button4.OnClick = [this] { Button4Click(); };
    Button5.OnClick = [this] { Button5Click(); };
    Button9.OnClick = [this] { Button9Click(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button6.OnClick = [this] { Button6Click(); };
    Button12.OnClick = [this] { Button12Click(); };
    Button14.OnClick = [this] { Button14Click(); };
    WireDeleteButton(ListView1, Button2);
    WireDeleteButton(ListView2, Button7);
    WireDeleteButton(ListView3, Button13);
    WireDeleteButton(ListView4, Button15);
    for (forms::ListView* list : {&ListView1, &ListView2, &ListView3, &ListView4})
        list->OnGetImageIndex = [this, list](int item) { ListView2GetImageIndex(*list, item); };
}

// --- Opening and closing ---------------------------------------------------------------

void TForm2::FormShow() {
    DialogAccepted = false;
    // A revert needs a stored state to return to, even on the very first opening.
    Store.SaveOptions();
}

void TForm2::FormCloseQuery(bool& /*canClose: closing is always allowed*/) {
    if (!DialogAccepted) Revert();
}

void TForm2::Revert() {
    // Loading appends to the lists, so they are emptied first. The dialog is still
    // showing here, so a reverted Recycle asks its question again.
    for (forms::ListView* list : {&ListView1, &ListView2, &ListView3, &ListView4})
        list->Clear();
    Store.LoadSettings();
}

void TForm2::Button3Click() {
    DialogAccepted = true;
    // A failed save ends the action here; the button has already set the modal result
    // and DialogAccepted is set, so the dialog still closes without reverting.
    Store.SaveOptions();
    Store.SaveLists();
    if (!On(settings::Option::Logs) && services_.files.FileExists(LogPath))
        services_.files.RemoveFile(LogPath); // a log that cannot go stays, silently
    // Hidden (the start-up folder offer), this only passes the close query.
    Close();
    if (OnAccepted) OnAccepted();
}

void TForm2::Button4Click() {
    DialogAccepted = false;
    Close();
}

void TForm2::Button5Click() {
    const int answer = services_.messages.Show(
        L"Do you restore ALL settings to default values now?", L"Confirmation",
        mb::YesNo | mb::IconQuestion | mb::TaskModal | mb::DefButton1);
    if (answer != platform::answer::Yes) return;
    // Number order, each change firing its click rules as a user's click would; so a
    // DataStore turned back on asks its question while the dialog shows.
    for (const settings::BoolOption* o : settings::DefaultOrder())
        Box(o->id).SetChecked(o->defaultValue);
    Edit1.SetText(L"");
    Edit4.SetText(L"");
    for (forms::ListView* list : {&ListView1, &ListView2, &ListView3, &ListView4})
        list->Clear();
    // Logday stays, and nothing is stored until OK.
}

void TForm2::Button9Click() {
    if (OnHelpButton) OnHelpButton();
}

// --- The path lists --------------------------------------------------------------------

void TForm2::AddFolder(forms::ListView& list, const std::wstring& title) {
    const std::wstring path = services_.dialogs.BrowseForFolder(title);
    // Letter case counts: the same folder spelled differently is a row of its own.
    if (path.empty() || list.FindCaption(path) >= 0) return;
    list.Add(path, true);
}

void TForm2::Button1Click() {
    AddFolder(ListView1, L"Add a folder");
}
void TForm2::Button6Click() {
    AddFolder(ListView2, L"Add a path");
}
void TForm2::Button12Click() {
    AddFolder(ListView3, L"Exclude a path");
}

void TForm2::Button14Click() {
    // Each name is checked against the rows added for the names before it too.
    for (const std::wstring& file : services_.dialogs.OpenFiles())
        if (ListView4.FindCaption(file) < 0) ListView4.Add(file, true);
}

void TForm2::DeleteSelected(forms::ListView& list, forms::Button& deleteButton) {
    // From the end, so the rows still to visit keep their numbers.
    for (int i = list.Count() - 1; i >= 0; --i)
        if (list.Item(i).selected) list.Delete(i);
    deleteButton.SetEnabled(false);
}

void TForm2::WireDeleteButton(forms::ListView& list, forms::Button& deleteButton) {
    deleteButton.OnClick = [this, &list, &deleteButton] { DeleteSelected(list, deleteButton); };
    list.OnSelectItem = [&deleteButton](int, bool) { deleteButton.SetEnabled(true); };
    list.OnClick = [&list, &deleteButton] { DisableWhenNoneSelected(list, deleteButton); };
}

void TForm2::ListView2GetImageIndex(forms::ListView& list, int item) {
    if (item < 0 || item >= list.Count() || list.Item(item).imageIndex != 0) return;
    // The views already show the shell's own small-icon list (see SetUpPathList), so
    // the shell's index is the picture. 0 means "not looked up yet", so a path the
    // shell cannot place gets index 1 and is not asked about again.
    const int icon = services_.dialogs.SmallIconIndex(list.Item(item).caption);
    list.SetImageIndex(item, icon != 0 ? icon : 1);
}
