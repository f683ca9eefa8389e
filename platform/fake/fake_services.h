#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/fake/fake_dialogs.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_registry.h"
#include "platform/platform.h"

namespace platform::fake {

// Services whose state changes a few queries after a "net stop"/"net start" command.
class FakeServiceControl : public ServiceControl {
public:
    std::optional<int> QueryState(const std::wstring& name) override;
    // Sets a service's state now (nothing: the service cannot be opened).
    void Set(const std::wstring& name, std::optional<int> state);
    // What a command does: the service reaches the new state after `QueriesToChange`
    // further queries (the service refuses to change when Stubborn holds its name).
    // Queries before then see StopPending or StartPending; the QueriesToChange-th query
    // after the command sees the new state (0: at once). Names compare without case.
    void Command(const std::wstring& name, int targetState);
    int QueriesToChange = 3;
    std::set<std::wstring> Stubborn;
    int Queries = 0;

private:
    struct Service {
        std::optional<int> state;
        std::optional<int> target;
        int queriesLeft = 0;
    };
    std::map<std::wstring, Service> services_; // folded name
};

// Records command lines; "net stop NAME" and "net start NAME" reach the services.
class FakeProcesses : public Processes {
public:
    explicit FakeProcesses(FakeServiceControl& services) : services_(services) {}
    unsigned Run(const std::string& commandLine, int showState) override;
    bool UnderWow64() override { return Wow64; }
    std::wstring UserName() override { return User; }
    std::wstring ProgramPath() override { return Program; }
    std::vector<std::pair<std::string, int>> Commands;
    bool Wow64 = false;
    std::wstring User = L"ann";
    std::wstring Program = L"C:\\Program Files\\Tidyhawk\\WindowsTidyhawk.exe";

private:
    FakeServiceControl& services_;
};

class FakeCursor : public Cursor {
public:
    Point Position() override { return At; }
    void MoveTo(const Point& p) override { At = p; }
    void ShowBusy(bool busy) override { Busy.push_back(busy); }
    Point At{400, 300};
    std::vector<bool> Busy;
};

// Records what was played.
class FakeSound : public Sound {
public:
    void Play(const std::wstring& nameOrPath) override { Played.push_back(nameOrPath); }
    std::vector<std::wstring> Played;
};

struct ShownBox {
    std::wstring text;
    std::wstring caption;
    unsigned flags = 0;
};

// Records every box and answers from a queue (then with DefaultAnswer).
class FakeMessageBoxes : public MessageBoxes {
public:
    int Show(const std::wstring& text, const std::wstring& caption, unsigned flags) override;
    std::vector<ShownBox> Shown;
    std::deque<int> Answers;
    int DefaultAnswer = answer::Ok;
    // Runs while the box is "open", as timers and painting go on under a real one.
    std::function<void(const ShownBox&)> WhileOpen;
};

// Dates written as M/d/yyyy; time of day as set by the test.
class FakeLocale : public Locale {
public:
    std::wstring TimeOfDayText() override { return TimeOfDay; }
    Date Today() override { return Now; }
    std::wstring ShortDateText(const Date& date) override;
    std::optional<Date> ParseShortDate(const std::wstring& text) override;
    // As lstrcmpW: letters compare without case first, lower case first on a tie.
    int Compare(const std::wstring& a, const std::wstring& b) override;
    // The ANSI code page here is Windows-1252.
    bool ToAnsi(const std::wstring& text, std::string& bytes) override;
    std::wstring FromAnsi(const std::string& bytes) override;
    // Sizes in English, by the rules of StrFormatByteSizeW: three figures, cut (not
    // rounded), "1.50 KB", "15.0 KB", "150 KB", "0.97 MB"; numbers grouped by threes
    // with commas.
    std::wstring ShortByteSize(std::uint64_t bytes) override;
    std::wstring WholeNumber(std::uint64_t n) override;

    std::wstring TimeOfDay = L"10:20:30";
    Date Now{2026, 12, 9};
};

class FakeDesktop : public Desktop {
public:
    bool IsOnAnyMonitor(const ScreenRect& rect) override;
    std::vector<ScreenRect> Monitors{{0, 0, 1024, 768}};
};

// Named marks shared by every "process" of a test: a mark taken while another of the
// same name lives reports it. Taken counts every mark made.
class FakeInstances : public Instances {
public:
    std::unique_ptr<RunningMark> Mark(const std::wstring& name) override;
    std::vector<std::wstring> Taken;

private:
    class FakeMark;
    std::map<std::wstring, int> live_;
};

// Free space worked out from the fake tree: each drive holds Capacity bytes, less the
// sizes of its files and of what the recycle bin keeps from it (a recycled item takes
// its room until the bins are emptied). The bins' contents are the shell's.
class FakeDiskSpace : public DiskSpace {
public:
    FakeDiskSpace(FakeFileSystem& files, FakeShell& shell) : files_(files), shell_(shell) {}
    // Nothing for a path that is no local path, or while FreeSpaceFails is set.
    std::optional<std::uint64_t> FreeBytes(const std::wstring& path) override;
    // The items the shell's bin lists, and the bytes it keeps on every drive; nothing
    // while BinQueryFails is set.
    std::optional<RecycleBinContents> RecycleBins() override;

    std::uint64_t Capacity = std::uint64_t{64} << 30;
    bool FreeSpaceFails = false;
    bool BinQueryFails = false;

private:
    FakeFileSystem& files_;
    FakeShell& shell_;
};

struct FakeServices {
    FakeRegistry registry;
    FakeFileSystem files;
    FakeShell shell{files};
    FakeMessageBoxes messages;
    FakeLocale locale;
    FakeDesktop desktop;
    FakeServiceControl serviceControl;
    FakeProcesses processes{serviceControl};
    FakeCursor cursor;
    FakeSound sound;
    FakeDialogs dialogs;
    FakeInstances instances;
    FakeDiskSpace diskSpace{files, shell};
    Services View() {
        return Services{registry, files,          shell,     messages, locale,
                        desktop,  serviceControl, processes, cursor,   sound,
                        dialogs,  instances,      diskSpace};
    }
};

} // namespace platform::fake
