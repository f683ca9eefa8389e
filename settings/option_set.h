#pragma once
#include <functional>
#include <string>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/list_view.h"
#include "forms/page_control.h"
#include "platform/platform.h"
#include "settings/settings_store.h"

// The settings dialog. Its controls are the live option set: the clean run, the
// summary and start-up read these check boxes, edits and lists at the moment they
// need a value, even while the dialog is open.
class TForm2 : public forms::Form {
public:
    TForm2(forms::Application& app, platform::Services& services);

    // Persistent counter of items the search-path scan deleted over all runs; loaded
    // with the options and saved with the main window's placement.
    int TotalDeletedCount = 0;
    // Set by OK, cleared when the dialog is shown; a close without it reverts.
    bool DialogAccepted = false;
    // Loads and saves the controls' values.
    settings::SettingsStore Store;

    forms::Panel Panel1{this, L"Panel1"};
    forms::Button Button5{&Panel1, L"Button5"};
    forms::Button Button9{&Panel1, L"Button9"};
    forms::Button Button3{&Panel1, L"Button3"};
    forms::Button Button4{&Panel1, L"Button4"};
    forms::PageControl PageControl1{this, L"PageControl1"};

    // General
    forms::TabSheet General{PageControl1, L"General", L"General"};
    forms::CheckBox CheckBox14{&General, L"CheckBox14"};
    forms::CheckBox CheckBox9{&General, L"CheckBox9"};
    forms::CheckBox CheckBox18{&General, L"CheckBox18"};
    forms::CheckBox CheckBox30{&General, L"CheckBox30"};
    forms::CheckBox CheckBox35{&General, L"CheckBox35"};
    forms::CheckBox CheckBox36{&General, L"CheckBox36"};
    forms::CheckBox CheckBox31{&General, L"CheckBox31"};
    forms::CheckBox CheckBox15{&General, L"CheckBox15"};
    forms::CheckBox CheckBox24{&General, L"CheckBox24"};
    forms::CheckBox CheckBox3{&General, L"CheckBox3"};
    forms::CheckBox CheckBox11{&General, L"CheckBox11"};
    forms::Edit Edit2{&General, L"Edit2"};
    forms::UpDown UpDown1{&General, L"UpDown1"};
    forms::Label Label3{&General, L"Label3"};
    forms::Button Button8{&General, L"Button8"};
    forms::Button Button10{&General, L"Button10"};

    // Filters
    forms::TabSheet Files{PageControl1, L"Files", L"Filters"};
    forms::GroupBox GroupBox1{&Files, L"GroupBox1"};
    forms::CheckBox CheckBox5{&GroupBox1, L"CheckBox5"};
    forms::CheckBox CheckBox13{&GroupBox1, L"CheckBox13"};
    forms::CheckBox CheckBox20{&GroupBox1, L"CheckBox20"};
    forms::CheckBox CheckBox6{&GroupBox1, L"CheckBox6"};
    forms::CheckBox CheckBox12{&GroupBox1, L"CheckBox12"};
    forms::CheckBox CheckBox23{&GroupBox1, L"CheckBox23"};
    forms::Label Label1{&Files, L"Label1"};
    forms::Edit Edit4{&Files, L"Edit4"};
    forms::Label Label5{&Files, L"Label5"};
    forms::Label Label6{&Files, L"Label6"};
    forms::GroupBox GroupBox2{&Files, L"GroupBox2"};
    forms::Edit Edit1{&GroupBox2, L"Edit1"};
    forms::Label Label7{&GroupBox2, L"Label7"};
    forms::Label Label8{&GroupBox2, L"Label8"};

    // Pathes
    forms::TabSheet Path{PageControl1, L"Path", L"Pathes"};
    forms::Label Label2{&Path, L"Label2"};
    forms::Button Button6{&Path, L"Button6"};
    forms::Button Button7{&Path, L"Button7"};
    forms::ListView ListView2{&Path, L"ListView2"};
    forms::Label Label4{&Path, L"Label4"};
    forms::Button Button12{&Path, L"Button12"};
    forms::Button Button13{&Path, L"Button13"};
    forms::ListView ListView3{&Path, L"ListView3"};

    // Specific
    forms::TabSheet Folders{PageControl1, L"Folders", L"Specific"};
    forms::Label Label9{&Folders, L"Label9"};
    forms::Label Label10{&Folders, L"Label10"};
    forms::Button Button1{&Folders, L"Button1"};
    forms::Button Button2{&Folders, L"Button2"};
    forms::ListView ListView1{&Folders, L"ListView1"};
    forms::CheckBox CheckBox7{&Folders, L"CheckBox7"};
    forms::GroupBox GroupBox3{&Folders, L"GroupBox3"};
    forms::Label Label11{&GroupBox3, L"Label11"};
    forms::Label Label12{&GroupBox3, L"Label12"};
    forms::Button Button14{&GroupBox3, L"Button14"};
    forms::Button Button15{&GroupBox3, L"Button15"};
    forms::ListView ListView4{&GroupBox3, L"ListView4"};

    // Clean, with its inner pages
    forms::TabSheet TabSheet1{PageControl1, L"TabSheet1", L"Clean"};
    forms::PageControl PageControl2{&TabSheet1, L"PageControl2"};
    forms::TabSheet TabSheet2{PageControl2, L"TabSheet2", L"Windows"};
    forms::CheckBox CheckBox1{&TabSheet2, L"CheckBox1"};
    forms::CheckBox CheckBox10{&TabSheet2, L"CheckBox10"};
    forms::CheckBox CheckBox22{&TabSheet2, L"CheckBox22"};
    forms::CheckBox CheckBox25{&TabSheet2, L"CheckBox25"};
    forms::CheckBox CheckBox32{&TabSheet2, L"CheckBox32"};
    forms::CheckBox CheckBox29{&TabSheet2, L"CheckBox29"};
    forms::CheckBox CheckBox43{&TabSheet2, L"CheckBox43"};
    forms::CheckBox CheckBox2{&TabSheet2, L"CheckBox2"};
    forms::CheckBox CheckBox19{&TabSheet2, L"CheckBox19"};
    forms::CheckBox CheckBox4{&TabSheet2, L"CheckBox4"};
    forms::CheckBox CheckBox38{&TabSheet2, L"CheckBox38"};
    forms::CheckBox CheckBox39{&TabSheet2, L"CheckBox39"};
    forms::CheckBox CheckBox44{&TabSheet2, L"CheckBox44"};
    forms::TabSheet TabSheet3{PageControl2, L"TabSheet3", L"Applications"};
    forms::CheckBox CheckBox8{&TabSheet3, L"CheckBox8"};
    forms::CheckBox CheckBox26{&TabSheet3, L"CheckBox26"};
    forms::CheckBox CheckBox33{&TabSheet3, L"CheckBox33"};
    forms::CheckBox CheckBox37{&TabSheet3, L"CheckBox37"};
    forms::CheckBox CheckBox40{&TabSheet3, L"CheckBox40"};
    forms::CheckBox CheckBox17{&TabSheet3, L"CheckBox17"};
    forms::CheckBox CheckBox34{&TabSheet3, L"CheckBox34"};
    forms::CheckBox CheckBox16{&TabSheet3, L"CheckBox16"};
    forms::CheckBox CheckBox42{&TabSheet3, L"CheckBox42"};
    forms::CheckBox CheckBox21{&TabSheet3, L"CheckBox21"};
    forms::CheckBox CheckBox41{&TabSheet3, L"CheckBox41"};

    // The four path lists under their own names.
    forms::ListView& SearchPathList() { return ListView2; }
    forms::ListView& ExcludePathList() { return ListView3; }
    forms::ListView& DeleteFolderList() { return ListView1; }
    forms::ListView& DeleteFileList() { return ListView4; }

    // The clean log's full path, known once the main window has found its data folder.
    std::wstring LogPath;
    // "Clear log" and "View log".
    void Button8Click();
    void Button10Click();

    // The click rules of the options that depend on each other.
    void CheckBox3Click();
    void CheckBox25Click();
    void CheckBox31Click();
    void CheckBox36Click();

    // Set by the main window. OnAccepted follows a committed OK (the main window knows
    // whether a clean run is showing its results); OnHelpButton is its Help button.
    // F1 inside the dialog (the form's OnHelp) asks for the same help.
    std::function<void()> OnAccepted;
    std::function<void()> OnHelpButton;

    void FormShow();
    void FormCloseQuery(bool& canClose);
    // OK, Cancel, Default and Help. OK also works while the dialog is hidden.
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button9Click();
    // "Add" for the folder lists 1, 2 and 3, and for the file list.
    void Button1Click();
    void Button6Click();
    void Button12Click();
    void Button14Click();
    // "Delete" for lists 1 to 4.
    void Button2Click();
    void Button7Click();
    void Button13Click();
    void Button15Click();
    // Selection changes enable a list's "Delete"; a click with nothing selected
    // disables it.
    void ListView1SelectItem();
    void ListView2SelectItem();
    void ListView3SelectItem();
    void ListView4SelectItem();
    void ListView1Click();
    void ListView2Click();
    void ListView3Click();
    void ListView4Click();
    // The small icon of a row of any of the four lists, looked up once.
    void ListView2GetImageIndex(forms::ListView& list, int item);

private:
    void LayOut();
    void LayOutGeneral();
    void LayOutFilters();
    void LayOutPaths();
    void LayOutSpecific();
    void LayOutClean();
    void SetUpPathList(forms::ListView& list, const forms::Rect& bounds);
    void WireDialogEvents();
    void Revert();
    void AddFolder(forms::ListView& list, const std::wstring& title);
    void DeleteSelected(forms::ListView& list, forms::Button& deleteButton);

    platform::Services& services_;
};
