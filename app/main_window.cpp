#include "app/main_window.h"

#include <climits>

#include "app/about_box.h"
#include "app/command_line.h"
#include "resources/resource_ids.h"
#include "settings/explorer_verb.h"
#include "settings/option_set.h"
#include "settings/settings_store.h"
#include "settings/settings_summary.h"

namespace {

using engine::Ui;
using platform::RegistryRoot;

constexpr int kButtonTop = 2;

struct ToolbarSlot {
    forms::SpeedButton TForm1::*button;
    int slot;
    int designLeft;
    const wchar_t* designCaption;
    int glyph;
};

// Slots give each button's place from the left when a display mode lays them out.
const ToolbarSlot kToolbar[] = {
    {&TForm1::SpeedButton6, 0, 0, L"Clean", IDI_GLYPH_CLEAN},
    {&TForm1::SpeedButton8, 1, 59, L"Analyze", IDI_GLYPH_ANALYZE},
    {&TForm1::SpeedButton1, 2, 118, L"Options", IDI_GLYPH_OPTIONS},
    {&TForm1::SpeedButton4, 3, 177, L"Help", IDI_GLYPH_HELP},
    {&TForm1::SpeedButton7, 4, 500, L"List File", IDI_GLYPH_FILE_LIST},
    {&TForm1::SpeedButton5, 5, 408, L"Rename", IDI_GLYPH_RENAME},
    {&TForm1::SpeedButton2, 6, 242, L"About", IDI_GLYPH_ABOUT},
    {&TForm1::SpeedButton3, 7, 307, L"Exit", IDI_GLYPH_EXIT},
};

} // namespace

TForm1::TForm1(forms::Application& app, platform::Services& services, TForm2& form2,
               TAboutBox& aboutBox, std::vector<std::wstring> arguments, bool unattended)
    : forms::Form(app, L"Form1"), Rows(ListView1, services.locale),
      Run(engine::RunControls{app, Timer6, Timer2, Timer9, SpeedButton6, SpeedButton8, Image1, Image2, OnlyIcons1,
                              PopupMenu1, StatusBar1, ProgressBar1, Rows, UiText.Lines()},
          form2, services),
      services_(services), arguments_(std::move(arguments)), unattended_(unattended), form2_(form2),
      aboutBox_(aboutBox) {
    LayOut();
    {
        std::unique_ptr<platform::RegistryKey> key = windowSettings_.Open();
        try {
            WorkOutDataFolder();
        } catch (...) {
            DataFolder = services_.files.CurrentDirectory();
        }
        try {
            RestorePlacement(*key);
        } catch (...) {
            // A damaged placement value only costs the saved window position.
        }
    }
    if (DataFolder.empty() || DataFolder.back() != L'\\') DataFolder += L'\\';
    if (unattended_) SetWindowState(forms::WindowState::Minimized);
    LoadUiText();
    Timer1.SetEnabled(true);
    form2.LogPath = DataFolder + L"logs.log";
    aboutBox.OnVisitWebsite = [this] { OpenWebPage(L"/purgo/index.html"); };
    form2.OnHelpButton = [this] { SpeedButton4.Click(); };
    form2.OnHelp = form2.OnHelpButton;
    // After OK the summary shows the new settings, unless a run's results are shown.
    form2.OnAccepted = [this] {
        if (ProgressBar1.Visible()) return;
        settings::BuildSettingsSummary(Rows, form2_, StatusBar1, UiText.Lines());
        PopupMenu1.AutoPopup = true;
    };
    // The scans' running total is the run's; it is read with the options.
    form2.Store.TotalLoaded = [this](int total) { Run.State.TotalDeleted = total; };
    Run.State.Unattended = unattended_;
    Timer6.OnTimer = [this] { Timer6Timer(); };
    Timer2.OnTimer = [this] { Timer2Timer(); };
    Timer9.OnTimer = [this] { Timer9Timer(); };
    SpeedButton6.OnClick = [this] { SpeedButton6Click(); };
}

void TForm1::LayOut() {
    SetPosition(forms::Position::DesktopCenter);
    SetClientSize(733, 524);

    Panel2.SetHeight(65);
    Panel2.SetAlign(forms::Align::Top);
    Panel2.Bevel = false;
    Panel2.PopupMenu = &PopupMenu2;
    LayOutToolbar();
    RichEdit1.SetBounds({640, 8, 60, 40});
    RichEdit1.SetVisible(false);
    RichEdit1.SetText(kUiTextLines);
    Image1.SetVisible(false);
    Image1.Picture = IDI_GLYPH_CLEAN;
    Image2.SetVisible(false);
    Image2.Picture = IDI_GLYPH_STOP;

    Panel1.SetHeight(21);
    Panel1.SetAlign(forms::Align::Bottom);
    Panel1.Bevel = false;
    ProgressBar1.SetWidth(87);
    ProgressBar1.SetAlign(forms::Align::Left);
    ProgressBar1.SetMax(500);
    ProgressBar1.SetVisible(false);
    StatusBar1.SetAlign(forms::Align::Client);
    StatusBar1.SetPanels({{L"", 280}, {L"", 110}, {L"", 115}});
    StatusBar1.OnResize = [this] { StatusBar1Resize(); };

    ListView1.SetAlign(forms::Align::Client);
    ListView1.RowSelect = true;
    ListView1.ReadOnly = true;
    ListView1.Images = forms::SmallImages::Program;
    ListView1.ProgramImageList = IDI_RESULTS_FIRST;
    ListView1.SetColumns({{L"", 700, true}});
    ListView1.PopupMenu = &PopupMenu1;
    PopupMenu1.Items = {&Modify1};
    PopupMenu2.Items = {&ShowText1, &OnlyIcons1};
    ShowText1.Checked = true;
    ShowText1.RadioItem = OnlyIcons1.RadioItem = true;

    Timer1.OnTimer = [this] { Timer1Timer(); };
    Timer5.OnTimer = [this] { Timer5Timer(); };
    Timer8.OnTimer = [this] { Timer8Timer(); };
    OnResize = [this] { FormResize(); };
    SpeedButton3.OnClick = [this] { SpeedButton3Click(); };
    SpeedButton1.OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2.OnClick = [this] { SpeedButton2Click(); };
    SpeedButton4.OnClick = [this] { SpeedButton4Click(); };
    SpeedButton5.OnClick = [this] { SpeedButton5Click(); };
    SpeedButton7.OnClick = [this] { SpeedButton7Click(); };
    SpeedButton8.OnClick = [this] { SpeedButton8Click(); };
    Modify1.OnClick = [this] { Modify1Click(); };
    ListView1.OnDblClick = [this] { ListView1DblClick(); };
    PopupMenu1.OnPopup = [this] { PopupMenu1Popup(); };
    OnHelp = [this] { SpeedButton4.Click(); };
    OnlyIcons1.OnClick = [this] { OnlyIcons1Click(); };
    ShowText1.OnClick = [this] { ShowText1Click(); };
}

void TForm1::LayOutToolbar() {
    forms::Font font;
    font.name = L"Tahoma";
    font.height = -12;
    for (const ToolbarSlot& s : kToolbar) {
        forms::SpeedButton& b = this->*s.button;
        b.Tag = s.slot;
        b.SetBounds({s.designLeft, kButtonTop, 59, 61});
        b.SetCaption(s.designCaption);
        b.SetGlyph(s.glyph);
        b.SetShowHint(true);
        forms::Font f = font;
        f.bold = s.button == &TForm1::SpeedButton6;
        b.SetFont(f);
    }
}

void TForm1::WorkOutDataFolder() {
    std::wstring folder;
    if (std::optional<std::wstring> appData = services_.shell.SpecialFolder(platform::csidl::AppData)) {
        folder = *appData;
        if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    }
    for (const wchar_t* part : {L"Ambervale\\", L"Tidyhawk\\"}) {
        folder += part;
        if (!services_.files.DirectoryExists(folder)) services_.files.MakeDirectory(folder);
    }
    DataFolder = folder;
}

void TForm1::RestorePlacement(platform::RegistryKey& key) {
    // The values are screen pixels, the unit the monitors are compared in; the window's
    // bounds are design units, the same numbers only at 96 DPI. The back end converts at
    // the scale of the window's screen.
    forms::Backend& backend = App().GetBackend();
    const std::optional<settings::WindowSettings::Placement> saved =
        settings::WindowSettings::LoadPlacement(key, backend.ScreenBounds(*this));
    if (!saved) return;
    if (saved->maximized) {
        SetWindowState(forms::WindowState::Maximized);
        return;
    }
    const forms::Rect r = saved->bounds;
    // A damaged size, or a placement saved on a screen that is gone, would open the
    // window out of sight.
    const long long right = static_cast<long long>(r.left) + r.width;
    const long long bottom = static_cast<long long>(r.top) + r.height;
    if (r.width <= 0 || r.height <= 0 || right > INT_MAX || bottom > INT_MAX) return;
    if (!services_.desktop.IsOnAnyMonitor(
            {r.left, r.top, static_cast<int>(right), static_cast<int>(bottom)}))
        return;
    SetPosition(forms::Position::Designed);
    backend.SetScreenBounds(*this, r);
}

void TForm1::LoadUiText() {
    UiText.Load(RichEdit1);
    SetCaption(UiText[Ui::Title]);
    struct Texts {
        forms::SpeedButton TForm1::*button;
        Ui caption;
        Ui hint;
    };
    const Texts texts[] = {
        {&TForm1::SpeedButton6, Ui::Clean, Ui::CleanHint},
        {&TForm1::SpeedButton1, Ui::Options, Ui::OptionsHint},
        {&TForm1::SpeedButton4, Ui::Help, Ui::HelpHint},
        {&TForm1::SpeedButton7, Ui::FileList, Ui::FileListHint},
        {&TForm1::SpeedButton5, Ui::Rename, Ui::RenameHint},
        {&TForm1::SpeedButton2, Ui::About, Ui::AboutHint},
        {&TForm1::SpeedButton3, Ui::Exit, Ui::ExitHint},
        {&TForm1::SpeedButton8, Ui::Analyze, Ui::AnalyzeHint},
    };
    for (const Texts& t : texts) {
        (this->*t.button).SetCaption(UiText[t.caption]);
        (this->*t.button).SetHint(UiText[t.hint]);
    }
    ShowText1.Caption = UiText[Ui::ShowText];
    OnlyIcons1.Caption = UiText[Ui::OnlyIcons];
    Modify1.Caption = UiText[Ui::ModifyOptions];
}

void TForm1::Timer1Timer() {
    Timer1.SetEnabled(false);
    try {
        if (settings::WindowSettings::LoadTextMode(*windowSettings_.Open()) == false) OnlyIcons1Click();
    } catch (...) {
        // The toolbar keeps its text layout.
    }
    Timer5.SetEnabled(true);
}

void TForm1::Timer5Timer() {
    Timer5.SetEnabled(false);
    form2_.Store.LoadSettings();
    settings::BuildSettingsSummary(Rows, form2_, StatusBar1, UiText.Lines());
    if (!unattended_)
        settings::OfferCommandLineFolder(arguments_, form2_, services_, UiText.Lines());
    App().ProcessMessages();
    if (AutoBeginPending && (unattended_ || form2_.On(settings::Option::Autobegin))) {
        AutoBeginPending = false;
        Timer6.SetEnabled(true);
    }
    StartupFinished = true;
}

int TForm1::ExitCode() const {
    if (!unattended_) return app::exit_code::Done;
    const engine::RunState& run = Run.State;
    const bool all = run.Ended && !run.StopRequested && run.StayedCount == 0;
    return all ? app::exit_code::Done : app::exit_code::SomethingStayed;
}

void TForm1::FormResize() {
    if (StartupFinished) Timer8.SetEnabled(true);
}

void TForm1::Timer8Timer() {
    Timer8.SetEnabled(false);
    try {
        settings::WindowSettings::Placement placement;
        placement.maximized = GetWindowState() == forms::WindowState::Maximized;
        placement.bounds = App().GetBackend().ScreenBounds(*this);
        std::unique_ptr<platform::RegistryKey> key = windowSettings_.Open();
        settings::WindowSettings::SavePlacement(*key, form2_.On(settings::Option::Savepos),
                                                placement);
        settings::WindowSettings::SaveTotalDeleted(*key, Run.State.TotalDeleted);
    } catch (...) {
        // The placement is only a convenience; a failed save keeps the old one.
    }
}

void TForm1::SpeedButton3Click() {
    if (!ProgressBar1.Visible()) Close();
}

void TForm1::SpeedButton1Click() {
    form2_.PageControl1.SetActivePageIndex(0);
    form2_.ShowModal();
}

void TForm1::SpeedButton2Click() { aboutBox_.ShowModal(); }

void TForm1::OpenWebPage(const std::wstring& page) {
    // The command line is 8-bit; the address is plain ASCII.
    std::string command = "Explorer.exe ";
    for (wchar_t c : std::wstring(kWebSite) + page) command += static_cast<char>(c);
    services_.processes.Run(command, platform::show::Maximized);
}

void TForm1::SpeedButton4Click() {
    // The help page beside the program works without a network; the web page otherwise.
    const std::wstring program = services_.processes.ProgramPath();
    const std::wstring help = program.substr(0, program.rfind(L'\\') + 1) + L"help.html";
    if (services_.files.FileExists(help) && services_.shell.OpenDocument(help)) return;
    OpenWebPage(L"/purgo/help.html");
}
void TForm1::SpeedButton7Click() { OpenWebPage(L"/tabulon/index.html"); }
void TForm1::SpeedButton5Click() { OpenWebPage(L"/quillo/index.html"); }
void TForm1::SpeedButton8Click() {
    Run.StartOrAskStopAnalysis();
}

void TForm1::Modify1Click() {
    const int page = settings::ChooseSettingsPage(ListView1, settings::FirstSelectedRow(ListView1),
                                                  form2_.PageControl1.ActivePageIndex());
    if (page < 0) return;
    form2_.PageControl1.SetActivePageIndex(page);
    form2_.ShowModal();
}

void TForm1::ListView1DblClick() {
    if (Rows.SummaryShown) Modify1.Click();
}

void TForm1::PopupMenu1Popup() { settings::PopupMenuOpened(ListView1, Modify1); }

void TForm1::LayOutButtons(int width, int height, int pitch) {
    for (forms::Control* child : Panel2.Children()) {
        auto* button = dynamic_cast<forms::SpeedButton*>(child);
        if (!button) continue;
        button->SetBounds({button->Tag * pitch, button->Top(), width, height});
    }
}

void TForm1::OnlyIcons1Click() {
    if (OnlyIcons1.Checked) return;
    OnlyIcons1.Checked = true;
    ShowText1.Checked = false;
    if (SpeedButton3.Caption().empty()) return;
    for (forms::Control* child : Panel2.Children())
        if (auto* button = dynamic_cast<forms::SpeedButton*>(child)) button->SetCaption(L"");
    LayOutButtons(55, 55, 56);
    settings::WindowSettings::SaveTextMode(*windowSettings_.Open(), false);
    Panel2.SetHeight(60);
}

void TForm1::ShowText1Click() {
    if (ShowText1.Checked) return;
    OnlyIcons1.Checked = false;
    ShowText1.Checked = true;
    if (!SpeedButton3.Caption().empty()) return;
    SpeedButton1.SetCaption(UiText[Ui::Options]);
    SpeedButton2.SetCaption(UiText[Ui::About]);
    SpeedButton3.SetCaption(UiText[Ui::Exit]);
    SpeedButton4.SetCaption(UiText[Ui::Help]);
    SpeedButton7.SetCaption(UiText[Ui::FileList]);
    SpeedButton6.SetCaption(UiText[Ui::Clean]);
    SpeedButton5.SetCaption(UiText[Ui::Rename]);
    SpeedButton8.SetCaption(UiText[Ui::Analyze]);
    Panel2.SetHeight(80);
    LayOutButtons(72, 75, 73);
    settings::WindowSettings::SaveTextMode(*windowSettings_.Open(), true);
}

void TForm1::StatusBar1Resize() {
    if (StatusBar1.PanelCount() < 3) return;
    StatusBar1.SetPanelWidth(
        0, StatusBar1.Width() - StatusBar1.Panel(2).width - StatusBar1.Panel(1).width);
}
