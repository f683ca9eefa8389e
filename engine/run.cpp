#include "engine/run.h"

#include "forms/form.h"
#include "platform/paths.h"

namespace engine {

using settings::Option;

namespace {
constexpr unsigned kQuestion =
    platform::mb::YesNo | platform::mb::IconQuestion | platform::mb::TaskModal;
constexpr int kClockStep = 10;
} // namespace

CleanRun::CleanRun(RunControls controls, const settings::Options& options,
                   platform::Services& services)
    : c_(controls), options_(options), services_(services),
      walkers_(RunView{c_.app, c_.status, c_.progress, c_.rows, c_.text}, State, options, services),
      categories_{walkers_, State, options, services, c_.rows, c_.searchTimer},
      targets_(walkers_, State, options, services, c_.rows),
      measuring_(walkers_.Display(), State, walkers_.Rules(), services.files),
      report_(c_.rows, services.locale, c_.text, measuring_.Measured()) {}

void CleanRun::ArmStart() {
    platform::Point at = services_.cursor.Position();
    const bool asking = options_.On(Option::Displaybox);
    services_.cursor.MoveTo({at.x + (asking ? 180 : 60), at.y + (asking ? 150 : 70)});
    c_.runTimer.SetEnabled(true);
}

std::wstring CleanRun::ConfirmationText() const {
    const auto& text = walkers_;
    std::wstring t;
    if (!options_.On(Option::Recycle)) t = L"\n" + text.Text(Ui::PermanentWarning);
    if (!c_.rows.FileTypesText.empty()) t += L"\n" + text.Text(Ui::FileTypes) + L": " + c_.rows.FileTypesText;
    if (!c_.rows.FileNamesText.empty()) t += L"\n" + text.Text(Ui::FileNames) + L": " + c_.rows.FileNamesText;
    bool anyPath = false;
    const forms::ListView& paths = options_.SearchPaths();
    for (int i = 0; i < paths.Count(); ++i) {
        if (!paths.Item(i).checked) continue;
        t += L"\n" + text.Text(Ui::SearchPath) + L": " + paths.Item(i).caption;
        anyPath = true;
    }
    if (!anyPath) t += L"\n" + text.Text(Ui::SearchPath) + L": " + text.Text(Ui::None);
    const forms::ListView& folders = options_.FoldersToDelete();
    for (int i = 0; i < folders.Count(); ++i)
        if (folders.Item(i).checked) t += L"\n" + text.Text(Ui::DeleteFolders) + L": " + folders.Item(i).caption;
    return t;
}

bool CleanRun::Confirmed() {
    if (State.Unattended || !options_.On(Option::Displaybox)) return true;
    const std::wstring message =
        walkers_.Text(Ui::DefinitionsAre) + L": \n" + ConfirmationText() + L"\n\n" + walkers_.Text(Ui::ConfirmDefinitions);
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

void CleanRun::StartOrAskStopAnalysis() {
    if (c_.progress.Visible()) {
        if (State.Analyzing()) StopRequest();
        return;
    }
    State.UserTargetsPhase = false;
    measuring_.Reset();
    State.Analysis = &report_;
    c_.rows.Muted = true;
    EnterRunningState();
    {
        Primitives::ActionScope measuring(walkers_, measuring_);
        RunCategories();
    }
    report_.Close(State.StopRequested, c_.status);
    c_.rows.Muted = false;
    ReturnToIdle();
    State.Analysis = nullptr;
}

void CleanRun::EnterRunningState() {
    walkers_.NewRun();
    c_.rows.SummaryShown = false;
    c_.rows.List().Clear();
    c_.resultsMenu.AutoPopup = false;
    c_.rows.List().SetColumnCaption(
        0, walkers_.Text(State.Analyzing() ? Ui::AnalysisResults : Ui::CleanResults) + L":");
    State.Deleted = Accounting{};
    State.Drives.clear();
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
    ShowStopOn(RunButton());
    // Only one run at a time: the other button waits.
    (State.Analyzing() ? c_.cleanButton : c_.analyzeButton).SetEnabled(false);
}

void CleanRun::ShowStopOn(forms::SpeedButton& button) {
    if (&button == &c_.analyzeButton) analyzeGlyph_ = button.Glyph();
    button.SetCaption(c_.onlyIcons.Checked ? L"" : walkers_.Text(Ui::Stop));
    button.SetGlyph(c_.stopGlyph.Picture);
    button.SetHint(walkers_.Text(Ui::StopHint));
}

void CleanRun::RunCategories() {
    for (const settings::BoolOption* o : settings::RunOrder())
        RunCategory(*o);
    // From here on the user's own targets: listed, and recycled with option Recycle.
    State.ItemRowsPhase = true;
    State.UserTargetsPhase = true;
    targets_.DeleteFolders();
    targets_.DeleteFiles();
    c_.app.ProcessMessages();
    targets_.SearchPaths();
    State.ItemRowsPhase = false;
}

// The pumps between categories keep the window responsive and let Stop be pressed.
void CleanRun::RunCategory(const settings::BoolOption& option) {
    const settings::RunRow& row = option.run;
    if (row.before) row.before(categories_);
    if (options_.On(option.id) && (row.evenWhenStopped || !State.StopRequested)) {
        if (row.stepsFirst) walkers_.AdvanceProgress(kCategoryStep);
        const Accounting mark = report_.Mark();
        row.work(categories_);
        // Named as the settings summary names it.
        if (State.Analyzing())
            report_.Row(option.summaryByHint ? options_.Hint(option.id) : options_.Caption(option.id),
                        mark);
    }
    for (int i = 0; i < row.pumpsAfter; ++i)
        c_.app.ProcessMessages();
    if (row.after) row.after(categories_);
}

void CleanRun::ReturnToIdle() {
    c_.progress.SetVisible(false);
    c_.clockTimer.SetEnabled(false);
    c_.cleanButton.SetCaption(c_.onlyIcons.Checked ? L"" : walkers_.Text(Ui::Clean));
    c_.cleanButton.SetGlyph(c_.cleanGlyph.Picture);
    c_.cleanButton.SetHint(walkers_.Text(Ui::CleanHint));
    c_.cleanButton.SetEnabled(true);
    if (State.Analyzing()) {
        c_.analyzeButton.SetCaption(c_.onlyIcons.Checked ? L"" : walkers_.Text(Ui::Analyze));
        c_.analyzeButton.SetGlyph(analyzeGlyph_);
        c_.analyzeButton.SetHint(walkers_.Text(Ui::AnalyzeHint));
    }
    c_.analyzeButton.SetEnabled(true);
}

void CleanRun::StopRequest() {
    // Whoever presses Stop on a run nobody was meant to watch is not asked again.
    if (State.Unattended) {
        State.StopRequested = true;
        return;
    }
    c_.clockTimer.SetEnabled(false);
    const Ui question = State.Analyzing() ? Ui::StopAnalysisQuestion : Ui::StopQuestion;
    const int answer =
        services_.messages.Show(walkers_.Text(question), L"Stop Confirmation", kQuestion);
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
    c_.status.SetPanelText(2, walkers_.Text(Ui::Past) + L": " + ElapsedText(State.ElapsedSeconds));
    c_.status.Refresh();
}

} // namespace engine
