#include "engine/run.h"

#include "forms/form.h"
#include "platform/paths.h"
#include "settings/option_set.h"

namespace engine {

namespace {
constexpr unsigned kQuestion =
    platform::mb::YesNo | platform::mb::IconQuestion | platform::mb::TaskModal;
constexpr int kClockStep = 10;
} // namespace

CleanRun::CleanRun(RunControls controls, TForm2& options, platform::Services& services)
    : c_(controls), options_(options), services_(services),
      walkers_(RunView{c_.app, c_.status, c_.progress, c_.rows, c_.text}, State, options, services),
      locations_(walkers_, State, options, services, c_.rows, c_.searchTimer),
      caches_(walkers_, State, options, services, c_.rows),
      targets_(walkers_, State, options, services, c_.rows) {}

void CleanRun::ArmStart() {
    platform::Point at = services_.cursor.Position();
    const bool asking = options_.CheckBox9.Checked();
    services_.cursor.MoveTo({at.x + (asking ? 180 : 60), at.y + (asking ? 150 : 70)});
    c_.runTimer.SetEnabled(true);
}

std::wstring CleanRun::ConfirmationText() const {
    const auto& text = walkers_;
    std::wstring t;
    if (!options_.CheckBox3.Checked()) t = L"\n" + text.Text(23);
    if (!c_.rows.FileTypesText.empty()) t += L"\n" + text.Text(40) + L": " + c_.rows.FileTypesText;
    if (!c_.rows.FileNamesText.empty()) t += L"\n" + text.Text(41) + L": " + c_.rows.FileNamesText;
    bool anyPath = false;
    const forms::ListView& paths = options_.ListView2;
    for (int i = 0; i < paths.Count(); ++i) {
        if (!paths.Item(i).checked) continue;
        t += L"\n" + text.Text(26) + L": " + paths.Item(i).caption;
        anyPath = true;
    }
    if (!anyPath) t += L"\n" + text.Text(26) + L": " + text.Text(27);
    const forms::ListView& folders = options_.ListView1;
    for (int i = 0; i < folders.Count(); ++i)
        if (folders.Item(i).checked) t += L"\n" + text.Text(29) + L": " + folders.Item(i).caption;
    return t;
}

bool CleanRun::Confirmed() {
    if (State.Unattended || !options_.CheckBox9.Checked()) return true;
    const std::wstring message =
        walkers_.Text(44) + L": \n" + ConfirmationText() + L"\n\n" + walkers_.Text(45);
    return services_.messages.Show(message, L"Clean Confirmation", kQuestion) ==
           platform::answer::Yes;
}

void CleanRun::StartOrAskStop() {
    c_.runTimer.SetEnabled(false);
    if (c_.progress.Visible()) {
        StopRequest();
        return;
    }
    State.UserTargetsPhase = false;
    if (!Confirmed()) return;
    EnterRunningState();
    RunCategories();
    WrapUp wrapUp(RunView{c_.app, c_.status, c_.progress, c_.rows, c_.text}, State, options_,
                  services_);
    if (wrapUp.Run() && c_.app.MainForm())
        c_.app.MainForm()->Close();
    else
        ReturnToIdle();
}

void CleanRun::EnterRunningState() {
    walkers_.NewRun();
    c_.rows.SummaryShown = false;
    c_.rows.List().Clear();
    c_.resultsMenu.AutoPopup = false;
    c_.rows.List().SetColumnCaption(0, walkers_.Text(46) + L":");
    State.Deleted = Accounting{};
    State.Refused.clear();
    State.StayedCount = 0;
    State.Ended = false;
    c_.status.SetPanelText(1, L"");
    State.ElapsedSeconds = 0;
    c_.progress.SetPosition(0);
    c_.progress.SetVisible(true);
    State.CategoryLabel.clear();
    c_.clockTimer.SetEnabled(true);
    State.StopRequested = false;
    c_.cleanButton.SetCaption(c_.onlyIcons.Checked ? L"" : walkers_.Text(3));
    c_.cleanButton.SetGlyph(c_.stopGlyph.Picture);
    c_.cleanButton.SetHint(walkers_.Text(4));
}

void CleanRun::WorkOutBasePaths() {
    // Each base stays empty when it cannot be worked out; the categories built on it
    // are then skipped.
    const std::wstring windows = services_.files.WindowsFolder();
    State.WinDir = windows.empty() ? std::wstring() : WithBackslash(windows);
    State.DriveRoot = State.WinDir.substr(0, 3);
    if (!platform::IsDriveRoot(State.DriveRoot)) State.DriveRoot.clear();
    State.AppData = walkers_.SpecialFolderPath(platform::csidl::AppData);
    State.LocalAppData = walkers_.SpecialFolderPath(platform::csidl::LocalAppData);
}

void CleanRun::RunCategories() {
    auto between = [this] { c_.app.ProcessMessages(); };
    WindowsLocations& w = locations_;
    TForm2& o = options_;
    if (On(o.CheckBox1)) w.TemporaryFolder();
    between();
    if (Go(o.CheckBox2)) w.InternetCache();
    between();
    WorkOutBasePaths();
    if (Go(o.CheckBox38)) w.SearchIndex();
    between();
    if (Go(o.CheckBox10)) w.ErrorReports();
    between();
    if (Go(o.CheckBox4)) w.ThumbnailCache();
    between();
    if (!State.StopRequested && (On(o.CheckBox19) || On(o.CheckBox25))) w.StopUpdateService();
    if (Go(o.CheckBox19)) w.Hotfixes();
    between();
    if (Go(o.CheckBox25)) w.UpdateDataStore();
    between();
    if (Go(o.CheckBox32)) w.ReadyBoost();
    between();
    if (Go(o.CheckBox20)) w.SystemLogs();
    between();
    // Started again whatever happened since, stop request included.
    w.RestartUpdateService();
    if (Go(o.CheckBox22)) w.DiagnosticsFiles();
    between();
    if (Go(o.CheckBox29)) w.BurnCache();
    between();
    if (Go(o.CheckBox43)) w.SideBySideStore();
    between();
    if (Go(o.CheckBox39)) w.MediaPlayerCache();
    between();
    if (Go(o.CheckBox44)) w.MediaPlayerDatabase();
    between();
    RunApplicationCaches();
    // From here on the user's own targets: listed, and recycled with option Recycle.
    State.ItemRowsPhase = true;
    State.UserTargetsPhase = true;
    targets_.DeleteFolders();
    targets_.DeleteFiles();
    between();
    targets_.SearchPaths();
    State.ItemRowsPhase = false;
}

void CleanRun::RunApplicationCaches() {
    auto between = [this] { c_.app.ProcessMessages(); };
    ApplicationCaches& a = caches_;
    TForm2& o = options_;
    between();
    if (Go(o.CheckBox8)) a.Firefox();
    between();
    if (Go(o.CheckBox26)) a.Chrome();
    if (Go(o.CheckBox21)) a.Acdsee();
    if (Go(o.CheckBox16)) a.GoogleEarth();
    between();
    if (Go(o.CheckBox33)) a.Safari();
    if (Go(o.CheckBox42)) a.Opera();
    if (Go(o.CheckBox17)) a.AcrobatReader();
    if (Go(o.CheckBox40)) a.FlashCache();
    between();
    if (Go(o.CheckBox41)) a.FlashCookies();
    between();
    if (Go(o.CheckBox37)) a.Java();
    between();
}

void CleanRun::ReturnToIdle() {
    c_.progress.SetVisible(false);
    c_.clockTimer.SetEnabled(false);
    c_.cleanButton.SetCaption(c_.onlyIcons.Checked ? L"" : walkers_.Text(1));
    c_.cleanButton.SetGlyph(c_.cleanGlyph.Picture);
    c_.cleanButton.SetHint(walkers_.Text(2));
}

void CleanRun::StopRequest() {
    // Whoever presses Stop on a run nobody was meant to watch is not asked again.
    if (State.Unattended) {
        State.StopRequested = true;
        return;
    }
    c_.clockTimer.SetEnabled(false);
    const int answer = services_.messages.Show(walkers_.Text(63), L"Stop Confirmation", kQuestion);
    // The clock only pauses while the question is open, whatever the answer.
    c_.clockTimer.SetEnabled(true);
    if (answer == platform::answer::Yes) State.StopRequested = true;
}

std::wstring CleanRun::ElapsedText(int s) {
    if (s <= 59) return std::to_wstring(s) + L"s";
    if (s < 3600) return std::to_wstring(s / 60) + L"m " + std::to_wstring(s % 60) + L"s";
    return std::to_wstring(s / 3600) + L"h " + std::to_wstring((s % 3600) / 60) + L"m";
}

void CleanRun::ClockTick() {
    ++State.ElapsedSeconds;
    if (!State.ItemRowsPhase) {
        // An activity sign, not a measure: it wraps like the walkers' steps.
        int next = c_.progress.Position() + kClockStep;
        c_.progress.SetPosition(next >= c_.progress.Max() ? 0 : next);
    }
    c_.status.SetPanelText(2, walkers_.Text(35) + L": " + ElapsedText(State.ElapsedSeconds));
    c_.status.Refresh();
}

} // namespace engine
