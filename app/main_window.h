#pragma once
#include <string>
#include <vector>

#include <functional>

#include "app/ui_text.h"
#include "engine/rows.h"
#include "engine/run.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/list_view.h"
#include "settings/settings_store.h"
#include "forms/menu.h"
#include "forms/status_bar.h"
#include "forms/timer.h"
#include "platform/platform.h"

class TForm2;
class TAboutBox;

// The main window: toolbar, results list, progress and status bar, and the timers
// that sequence start-up and the clean run. Started `unattended` (/clean), it shows
// minimised, offers no folder, runs one clean without a box and closes at its end.
// The settings dialog and the about box exist before it: its run reads the dialog.
class TForm1 : public forms::Form {
public:
    TForm1(forms::Application& app, platform::Services& services, TForm2& form2,
           TAboutBox& aboutBox, std::vector<std::wstring> arguments, bool unattended = false);

    UiTextTable UiText;
    // Per-user data folder, always ending in a backslash once construction is over.
    std::wstring DataFolder;
    bool StartupFinished = false;
    bool AutoBeginPending = true;
    const std::vector<std::wstring>& Arguments() const { return arguments_; }
    // What an unattended start ends with (see app::exit_code); 0 for any other start.
    int ExitCode() const;

    forms::Panel Panel2{this, L"Panel2"};
    forms::SpeedButton SpeedButton6{&Panel2, L"SpeedButton6"};
    forms::SpeedButton SpeedButton1{&Panel2, L"SpeedButton1"};
    forms::SpeedButton SpeedButton4{&Panel2, L"SpeedButton4"};
    forms::SpeedButton SpeedButton7{&Panel2, L"SpeedButton7"};
    forms::SpeedButton SpeedButton5{&Panel2, L"SpeedButton5"};
    forms::SpeedButton SpeedButton2{&Panel2, L"SpeedButton2"};
    forms::SpeedButton SpeedButton3{&Panel2, L"SpeedButton3"};
    forms::SpeedButton SpeedButton8{&Panel2, L"SpeedButton8"};
    forms::RichEdit RichEdit1{&Panel2, L"RichEdit1"};
    forms::Image Image1{&Panel2, L"Image1"};
    forms::Image Image2{&Panel2, L"Image2"};
    forms::Panel Panel1{this, L"Panel1"};
    forms::ProgressBar ProgressBar1{&Panel1, L"ProgressBar1"};
    forms::StatusBar StatusBar1{&Panel1, L"StatusBar1"};
    forms::ListView ListView1{this, L"ListView1"};

    forms::PopupMenu PopupMenu1{L"PopupMenu1"};
    forms::MenuItem Modify1{L"Modify1"};
    forms::PopupMenu PopupMenu2{L"PopupMenu2"};
    forms::MenuItem ShowText1{L"ShowText1"};
    forms::MenuItem OnlyIcons1{L"OnlyIcons1"};

    forms::Timer Timer1{*this, L"Timer1", 100};
    forms::Timer Timer2{*this, L"Timer2", 1000};
    forms::Timer Timer5{*this, L"Timer5", 100};
    forms::Timer Timer6{*this, L"Timer6", 100};
    forms::Timer Timer8{*this, L"Timer8", 200};
    forms::Timer Timer9{*this, L"Timer9", 500};

    // The results list and its row helpers, and the clean run that fills it.
    engine::ResultRows Rows;
    engine::CleanRun Run;

    void Timer1Timer();
    void Timer5Timer();
    void FormResize();
    void Timer8Timer();
    void SpeedButton3Click();
    void SpeedButton6Click() { Run.ArmStart(); }
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton7Click();
    // Analyze: shows what a clean would delete and how much it would free, deleting
    // nothing. The button only forwards to OnAnalyze, set where the analysis run is
    // made; unset, a click does nothing.
    std::function<void()> OnAnalyze;
    void SpeedButton8Click();
    void Modify1Click();
    void ListView1DblClick();
    void PopupMenu1Popup();
    // The maker's web site; its pages are opened in the browser.
    static constexpr const wchar_t* kWebSite = L"https://www.ambervale.example";
    void OpenWebPage(const std::wstring& page);
    void Timer6Timer() { Run.StartOrAskStop(); }
    void Timer2Timer() { Run.ClockTick(); }
    void Timer9Timer() { Run.PollSearchService(); }
    void OnlyIcons1Click();
    void ShowText1Click();
    void StatusBar1Resize();

private:
    void LayOut();
    void LayOutToolbar();
    void WorkOutDataFolder();
    void RestorePlacement(platform::RegistryKey& key);
    void LoadUiText();
    void LayOutButtons(int width, int height, int pitch);

    platform::Services& services_;
    settings::WindowSettings windowSettings_{services_.registry};
    std::vector<std::wstring> arguments_;
    bool unattended_;
    TForm2& form2_;
    TAboutBox& aboutBox_;
};
