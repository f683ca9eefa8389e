#pragma once
// The real Windows services. Each class is default-constructible and holds no state
// beyond what it needs for its calls.
#include "platform/platform.h"

namespace platform::win32 {

class Win32Registry : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::wstring& path) override;
    std::unique_ptr<RegistryKey> OpenExistingKey(RegistryRoot root,
                                                 const std::wstring& path) override;
    bool KeyExists(RegistryRoot root, const std::wstring& path) override;
    bool DeleteKeyTree(RegistryRoot root, const std::wstring& path) override;
};

class Win32FileSystem : public FileSystem {
public:
    bool DirectoryExists(const std::wstring& path) override;
    bool FileExists(const std::wstring& path) override;
    bool MakeDirectory(const std::wstring& path) override;
    std::wstring CurrentDirectory() override;
    std::unique_ptr<DirectoryListing> List(const std::wstring& pattern) override;
    bool RemoveFile(const std::wstring& path) override;
    bool RemoveFolder(const std::wstring& path) override;
    bool SetAttributes(const std::wstring& path, std::uint32_t attributes) override;
    bool GetAttributes(const std::wstring& path, std::uint32_t& attributes) override;
    std::wstring TempFolder() override;
    std::wstring WindowsFolder() override;
    bool ReadBytes(const std::wstring& path, std::string& bytes) override;
    std::optional<std::uint64_t> FileSize(const std::wstring& path) override;
    bool MoveReplacing(const std::wstring& from, const std::wstring& to) override;
    bool ReplaceWithBytes(const std::wstring& path, const std::string& bytes) override;
    std::optional<std::wstring> FinalPath(const std::wstring& path) override;
    std::wstring LongPath(const std::wstring& path) override;
    bool SameIgnoringCase(std::wstring_view a, std::wstring_view b) override;
};

class Win32Shell : public Shell {
public:
    std::optional<std::wstring> SpecialFolder(int csidl) override;
    int DeleteWithShell(const std::wstring& path, bool toRecycleBin) override;
    bool EmptyRecycleBins(WindowHandle owner) override;
    bool OpenDocument(const std::wstring& path) override;
};

class Win32MessageBoxes : public MessageBoxes {
public:
    int Show(const std::wstring& text, const std::wstring& caption, unsigned flags) override;
};

class Win32Locale : public Locale {
public:
    std::wstring TimeOfDayText() override;
    Date Today() override;
    std::wstring ShortDateText(const Date& date) override;
    std::optional<Date> ParseShortDate(const std::wstring& text) override;
    int Compare(const std::wstring& a, const std::wstring& b) override;
    bool ToAnsi(const std::wstring& text, std::string& bytes) override;
    std::wstring FromAnsi(const std::string& bytes) override;
    std::wstring ShortByteSize(std::uint64_t bytes) override;
    std::wstring WholeNumber(std::uint64_t n) override;
};

class Win32Desktop : public Desktop {
public:
    bool IsOnAnyMonitor(const ScreenRect& rect) override;
};

class Win32ServiceControl : public ServiceControl {
public:
    std::optional<int> QueryState(const std::wstring& name) override;
};

class Win32Processes : public Processes {
public:
    unsigned Run(const std::string& commandLine, int showState) override;
    bool UnderWow64() override;
    std::wstring UserName() override;
    std::wstring ProgramPath() override;
};

class Win32Cursor : public Cursor {
public:
    Point Position() override;
    void MoveTo(const Point& p) override;
    void ShowBusy(bool busy) override;
};

class Win32Sound : public Sound {
public:
    void Play(const std::wstring& nameOrPath) override;
};

class Win32Dialogs : public Dialogs {
public:
    std::wstring BrowseForFolder(const std::wstring& title) override;
    std::vector<std::wstring> OpenFiles() override;
    int SmallIconIndex(const std::wstring& path) override;
};

class Win32Instances : public Instances {
public:
    std::unique_ptr<RunningMark> Mark(const std::wstring& name) override;
};

class Win32DiskSpace : public DiskSpace {
public:
    std::optional<std::uint64_t> FreeBytes(const std::wstring& path) override;
    std::optional<RecycleBinContents> RecycleBins() override;
};

// All of the above, in one place for program entry and the Windows tests.
struct Win32Services {
    Win32Registry registry;
    Win32FileSystem files;
    Win32Shell shell;
    Win32MessageBoxes messages;
    Win32Locale locale;
    Win32Desktop desktop;
    Win32ServiceControl serviceControl;
    Win32Processes processes;
    Win32Cursor cursor;
    Win32Sound sound;
    Win32Dialogs dialogs;
    Win32Instances instances;
    Win32DiskSpace diskSpace;
    Services View() {
        return Services{registry, files,          shell,     messages, locale,
                        desktop,  serviceControl, processes, cursor,   sound,
                        dialogs,  instances,      diskSpace};
    }
};

} // namespace platform::win32
