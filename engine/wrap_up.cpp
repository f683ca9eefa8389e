#include "engine/wrap_up.h"

#include <new>

#include "engine/clean_log.h"
#include "forms/form.h"
#include "platform/error.h"
#include "settings/settings_store.h"

namespace engine {

namespace {

namespace mb = platform::mb;
using settings::Option;
constexpr unsigned kQuestion = mb::YesNo | mb::IconQuestion | mb::DefButton2 | mb::TaskModal;
constexpr unsigned kInformation = mb::Ok | mb::IconInformation | mb::TaskModal;
constexpr const wchar_t* kEndSound = L"end.wav";

// The hourglass for as long as a blocking call lasts, the arrow again however it ends.
class BusyCursor {
public:
    explicit BusyCursor(platform::Cursor& cursor) : cursor_(cursor) { cursor_.ShowBusy(true); }
    ~BusyCursor() { cursor_.ShowBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    platform::Cursor& cursor_;
};

std::vector<std::wstring> Captions(forms::ListView& list) {
    std::vector<std::wstring> captions;
    captions.reserve(static_cast<std::size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i)
        captions.push_back(list.Item(i).caption);
    return captions;
}

} // namespace

WrapUp::WrapUp(RunView view, RunState& state, const settings::Options& options,
               platform::Services& services)
    : view_(view), state_(state), options_(options), services_(services) {}

const std::wstring& WrapUp::Text(int n) const {
    static const std::wstring empty;
    return n >= 0 && n < static_cast<int>(view_.text.size()) ? view_.text[static_cast<size_t>(n)]
                                                             : empty;
}

bool WrapUp::Run() {
    state_.ItemRowsPhase = false;
    AddSummaryRow();
    ShowStatus();
    const bool emptyNow = AskOrInform();
    if (!Stopped() && (options_.On(Option::Emptyrecycle) || emptyNow)) EmptyRecycleBins();
    if (options_.On(Option::Logs)) WriteLog();
    PlayEndSound();
    SaveTotalDeleted();
    CountWhatStayed();
    state_.Ended = true;
    return state_.Unattended || (!Stopped() && options_.On(Option::Autoclose));
}

// Added to the list directly: the summary is not scrolled into view like a result.
void WrapUp::AddSummaryRow() {
    const std::wstring caption = services_.locale.TimeOfDayText() + L" " +
                                 Text(Stopped() ? 55 : 56) + L" " +
                                 std::to_wstring(state_.Deleted.Items) + L" " + Text(57);
    view_.rows.List().Add(caption, false, picture::Status);
}

void WrapUp::ShowStatus() {
    view_.status.SetPanelText(0, L" " + Text(Stopped() ? 58 : 59));
    // Texts may wait a moment to be shown; the run's last ones show before the boxes and
    // the blocking calls that follow.
    view_.status.Refresh();
}

bool WrapUp::AskOrInform() {
    if (state_.Unattended) return false;
    const bool resultsBox = options_.On(Option::Displayresultsbox);
    std::wstring text;
    if (resultsBox) text = std::to_wstring(state_.Deleted.Items) + L" " + Text(60);
    // A stopped run never empties the bins, so asking would be a question without effect.
    if (options_.On(Option::ShowEmptyrecycle) && !Stopped()) {
        text += L"\n" + Text(61);
        return services_.messages.Show(text, L"Clear Confirmation", kQuestion) ==
               platform::answer::Yes;
    }
    if (resultsBox) services_.messages.Show(text, L"Information", kInformation);
    return false;
}

void WrapUp::EmptyRecycleBins() {
    BusyCursor busy(services_.cursor);
    // The shell's progress shows over the main window.
    forms::Form* main = view_.app.MainForm();
    const platform::WindowHandle owner =
        main ? view_.app.GetBackend().NativeWindow(*main) : nullptr;
    if (services_.shell.EmptyRecycleBins(owner))
        view_.rows.List().Add(services_.locale.TimeOfDayText() + L" " + Text(62), false,
                              picture::Status);
}

void WrapUp::WriteLog() {
    const std::wstring& path = options_.LogFile();
    if (path.empty()) return; // no data folder was found for it
    try {
        AddRunToLog(services_.files, services_.locale, path, Captions(view_.rows.List()),
                    options_.LogDays(), [this] { view_.app.ProcessMessages(); });
    } catch (const std::bad_alloc&) {
        // A log too large to hold in memory stays as it is; the run still ends normally.
    }
}

// A sound file shipped beside the program wins; otherwise the platform looks the name
// up as it does (a sound alias, then the current folder, then its default sound).
void WrapUp::PlayEndSound() {
    const std::wstring program = services_.processes.ProgramPath();
    const std::size_t slash = program.find_last_of(L"\\/");
    if (slash != std::wstring::npos) {
        const std::wstring beside = program.substr(0, slash + 1) + kEndSound;
        if (services_.files.FileExists(beside)) {
            services_.sound.Play(beside);
            return;
        }
    }
    services_.sound.Play(kEndSound);
}

// The count the scan keeps across runs survives a crash or a forced shutdown later on.
void WrapUp::SaveTotalDeleted() {
    try {
        settings::WindowSettings::SaveTotalDeleted(
            *settings::WindowSettings(services_.registry).Open(), state_.TotalDeleted);
    } catch (const platform::Error&) {
        // Only a convenience: the window placement save writes it again.
    }
}

// A refused item may have gone since, taken whole by a walk of its folder.
void WrapUp::CountWhatStayed() {
    // Counted on from the targets refused as a whole during the run.
    std::uint32_t attributes = 0;
    for (std::wstring path : state_.Refused) {
        while (path.size() > 3 && path.back() == L'\\')
            path.pop_back();
        if (services_.files.GetAttributes(path, attributes)) ++state_.StayedCount;
    }
}

} // namespace engine
