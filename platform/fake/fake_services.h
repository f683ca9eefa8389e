#pragma once
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/fake/fake_registry.h"
#include "platform/platform.h"

namespace platform::fake {

// Folders and files by path; names compare without regard to case.
class FakeFileSystem : public FileSystem {
public:
    bool DirectoryExists(const std::wstring& path) override;
    bool FileExists(const std::wstring& path) override;
    bool MakeDirectory(const std::wstring& path) override;
    std::wstring CurrentDirectory() override { return Current; }

    void AddDirectory(const std::wstring& path); // with its parents
    void AddFile(const std::wstring& path);      // with its folders
    std::wstring Current = L"C:\\Work";
    bool FailCreate = false;

private:
    std::set<std::wstring> dirs_;
    std::set<std::wstring> files_;
};

class FakeShell : public Shell {
public:
    std::optional<std::wstring> SpecialFolder(int csidl) override;
    std::map<int, std::wstring> Folders;
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

    std::wstring TimeOfDay = L"10:20:30";
    Date Now{2026, 12, 9};
};

class FakeDesktop : public Desktop {
public:
    bool IsOnAnyMonitor(const ScreenRect& rect) override;
    std::vector<ScreenRect> Monitors{{0, 0, 1024, 768}};
};

struct FakeServices {
    FakeRegistry registry;
    FakeFileSystem files;
    FakeShell shell;
    FakeMessageBoxes messages;
    FakeLocale locale;
    FakeDesktop desktop;
    Services View() { return Services{registry, files, shell, messages, locale, desktop}; }
};

} // namespace platform::fake
