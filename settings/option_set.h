#pragma once
#include <functional>
#include <string>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/list_view.h"
#include "forms/page_control.h"
#include "platform/platform.h"
#include "settings/option_boxes.h"
#include "settings/options.h"
#include "settings/settings_store.h"

// The settings dialog. Its controls are the live option set: the clean run, the
// summary and start-up read these check boxes, edits and lists at the moment they
// need a value, even while the dialog is open.
class TForm2 : public forms::Form, public settings::Options {
    // Filled by the box sets below as they make their boxes.
    settings::OptionBoxIndex boxes_{};

public:
    TForm2(forms::Application& app, platform::Services& services);

    // The box of a boolean option; the boxes are made from the option table.
    forms::CheckBox& Box(settings::Option option) { return *boxes_[Index(option)]; }
    const forms::CheckBox& Box(settings::Option option) const { return *boxes_[Index(option)]; }

    // The option set as the clean run reads it. The dialog's own caption and hint
    // stay reachable beside the options'.
    using forms::Form::Caption;
    using forms::Form::Hint;
    bool On(settings::Option option) const override { return Box(option).Checked(); }
    const std::wstring& Caption(settings::Option option) const override {
        return Box(option).Caption();
    }
    const std::wstring& Hint(settings::Option option) const override { return Box(option).Hint(); }
    std::wstring Text(settings::TextOption option) const override;
    int LogDays() const override { return UpDown1.Position(); }
    const std::wstring& LogFile() const override { return LogPath; }
    const forms::ListView& SearchPaths() const override { return ListView2; }
    const forms::ListView& ExcludedPaths() const override { return ListView3; }
    const forms::ListView& FoldersToDelete() const override { return ListView1; }
    const forms::ListView& FilesToDelete() const override { return ListView4; }

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
    settings::OptionBoxes GeneralBoxes{
        General, {settings::Place::General, settings::Place::LogRow}, boxes_};
    forms::Edit Edit2{&General, L"Edit2"};
    forms::UpDown UpDown1{&General, L"UpDown1"};
    forms::Label Label3{&General, L"Label3"};
    forms::Button Button8{&General, L"Button8"};
    forms::Button Button10{&General, L"Button10"};

    // Filters
    forms::TabSheet Files{PageControl1, L"Files", L"Filters"};
    forms::GroupBox GroupBox1{&Files, L"GroupBox1"};
    settings::OptionBoxes FileKindBoxes{
        GroupBox1, {settings::Place::FileKindsLeft, settings::Place::FileKindsRight}, boxes_};
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
    settings::OptionBoxes FolderBoxes{Folders, {settings::Place::FolderItself}, boxes_};
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
    settings::OptionBoxes WindowsBoxes{
        TabSheet2, {settings::Place::WindowsLeft, settings::Place::WindowsRight}, boxes_};
    forms::TabSheet TabSheet3{PageControl2, L"TabSheet3", L"Applications"};
    settings::OptionBoxes AppBoxes{
        TabSheet3, {settings::Place::AppsLeft, settings::Place::AppsRight}, boxes_};

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
    // The small icon of a row of any of the four lists, looked up once.
    void ListView2GetImageIndex(forms::ListView& list, int item);

private:
    void LayOut();
    void LayOutGeneral();
    void LayOutFilters();
    void LayOutPaths();
    void LayOutSpecific();
    void LayOutClean();
    static std::size_t Index(settings::Option option) { return static_cast<std::size_t>(option); }
    void SetUpPathList(forms::ListView& list, const forms::Rect& bounds);
    void WireDialogEvents();
    void Revert();
    void AddFolder(forms::ListView& list, const std::wstring& title);
    // A list's "Delete" (Button2, 7, 13 and 15 for lists 1 to 4): a selection change
    // enables it, a click with nothing selected disables it.
    void WireDeleteButton(forms::ListView& list, forms::Button& deleteButton);
    void DeleteSelected(forms::ListView& list, forms::Button& deleteButton);

    platform::Services& services_;
};
