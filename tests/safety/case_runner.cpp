#include "tests/safety/case_runner.h"

#include <memory>

#include "app/main_window.h"
#include "app/program.h"
#include "forms/headless/headless_backend.h"
#include "platform/fake/fake_services.h"
#include "tests/safety/oracle.h"
#include "tests/safety/path_text.h"
#include "tests/safety/recording.h"
#include "tests/safety/scenario_maker.h"

namespace safety {

namespace {

const std::vector<std::wstring> kDrives = {L"C:\\", L"D:\\", L"E:\\"};

// The whole program on the headless back end, over fakes that record what it does.
class Harness {
public:
    Harness() {
        fakes.shell.Folders[platform::csidl::AppData] = kRoaming;
        fakes.shell.Folders[platform::csidl::Profile] = L"C:\\Users\\ann";
        fakes.shell.Folders[platform::csidl::LocalAppData] = kLocal;
        fakes.shell.Folders[platform::csidl::InternetCache] = kLocal + L"\\Microsoft\\Windows\\INetCache";
        fakes.files.Temp = kLocal + L"\\Temp\\";
        fakes.files.Windows = L"C:\\Windows";
        for (const std::wstring& d : {fakes.files.Temp, fakes.files.Windows, kRoaming})
            fakes.files.AddDirectory(d);
        fakes.messages.DefaultAnswer = platform::answer::No;
        program = std::make_unique<app::Program>(application, services, app::StartRequest{});
        program->Form1().Show();
        backend.Advance(250);
    }
    TForm1& Form1() { return program->Form1(); }
    TForm2& Form2() { return program->Form2(); }

    platform::fake::FakeServices fakes;
    std::vector<Event> log;
    RecordingFiles files{fakes.files, log};
    RecordingShell shell{fakes.shell, fakes.files, log};
    platform::Services services{fakes.registry, files,          shell,     fakes.messages,
                                fakes.locale,   fakes.desktop,  fakes.serviceControl,
                                fakes.processes, fakes.cursor,  fakes.sound, fakes.dialogs,
                                fakes.instances, fakes.diskSpace};
    forms::HeadlessBackend backend;
    forms::Application application{backend, fakes.messages};
    std::unique_ptr<app::Program> program;
    std::optional<std::size_t> stopEvent;
};

// A stop at a random point: a request after so many removals, or the Stop button
// clicked after so many message pumps and the question answered Yes.
void ArmStop(Harness& h, const Scenario& s) {
    h.fakes.messages.WhileOpen = [&h](const platform::fake::ShownBox& box) {
        const bool stop = box.caption == L"Stop Confirmation";
        if (stop && !h.stopEvent) h.stopEvent = h.log.size();
        const bool yes = stop || box.caption == L"Clean Confirmation";
        h.fakes.messages.Answers.push_front(yes ? platform::answer::Yes : platform::answer::No);
    };
    if (s.stop == StopMode::AfterRemovals) {
        auto removals = std::make_shared<int>(0);
        const int at = s.stopAt;
        h.fakes.files.BeforeRemove = [&h, removals, at](const std::wstring&) {
            if (++*removals != at) return;
            h.stopEvent = h.log.size();
            h.Form1().Run.State.StopRequested = true;
        };
    } else if (s.stop == StopMode::ClickStop) {
        h.backend.QueueInput([&h] {
            if (!h.Form1().ProgressBar1.Visible()) return; // the run is over already
            h.Form1().SpeedButton6.Click();
            h.backend.PumpAdvanceMs = 100; // lets the button's timer come due
        }, s.stopAt);
    }
}

void DescribeEntries(const Snapshot& before, const Snapshot& after,
                     const std::vector<std::wstring>& violations, bool full,
                     std::vector<std::wstring>& out) {
    std::vector<std::wstring> named;
    for (const std::wstring& v : violations) {
        const std::size_t colon = v.find(L": ");
        if (colon != std::wstring::npos) named.push_back(Key(v.substr(colon + 2)));
    }
    for (const auto& [key, item] : before.Items()) {
        // The entry named, its folder and what it holds.
        bool shown = full;
        for (const std::wstring& n : named)
            shown = shown || key == n || key == ParentKey(n) || ParentKey(key) == n;
        if (!shown) continue;
        std::wstring line = (after.Find(key) ? L"  kept " : L"  gone ") + item.path;
        if (item.IsFolder()) line += L" [folder" + std::wstring(item.denied ? L", unlistable]" : L"]");
        else if (item.IsLink()) line += L" -> " + item.target;
        else line += L" (" + std::to_wstring(item.size) + L" bytes" + (item.locked ? L", held" : L"") +
                     ((item.attributes & platform::attr::ReadOnly) ? L", read-only)" : L")");
        out.push_back(line);
    }
}

} // namespace

CaseOutcome RunCase(std::uint64_t caseSeed, bool full) {
    Harness h;
    ScenarioMaker maker(h.fakes, h.Form2(), caseSeed);
    const Scenario scenario = maker.Make();
    const Snapshot before = Snapshot::Take(h.fakes.files, kDrives);
    h.log.clear();
    ArmStop(h, scenario);
    h.Form1().SpeedButton6.Click();
    h.backend.Advance(100);
    h.fakes.files.BeforeRemove = nullptr;
    const Snapshot after = Snapshot::Take(h.fakes.files, kDrives);
    RunRecord run{scenario, before, after, h.log, h.stopEvent, h.Form1().Run.State.Deleted.Items,
                  h.shell.EverRecycled()};
    CaseOutcome outcome;
    outcome.violations = CheckRun(run);
    outcome.tally = TallyRun(run);
    if (outcome.violations.empty() && !full) return outcome;
    outcome.description = scenario.settingsText;
    if (h.stopEvent) outcome.description.push_back(L"stop requested at event " + std::to_wstring(*h.stopEvent));
    DescribeEntries(before, after, outcome.violations, full, outcome.description);
    return outcome;
}

} // namespace safety
