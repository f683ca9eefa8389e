// list_text.exe TITLE: prints the rows of the report list in the top-level window
// called TITLE, one row per line (UTF-8), so a scenario can check what the program
// listed. The list lives in the other process: each row's text is asked for through a
// buffer placed in that process's memory. Exits with 0 when it found the list, 1
// otherwise.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "platform/win32/unique_handle.h"

using platform::win32::UniqueKernelObject;

namespace {

BOOL CALLBACK FindList(HWND child, LPARAM found) {
    wchar_t name[32] = {};
    ::GetClassNameW(child, name, 32);
    if (std::wstring(name) != WC_LISTVIEWW) return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

// Memory in another process, released with it.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t bytes)
        : process_(process),
          at_(::VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE)) {}
    ~RemoteBuffer() {
        if (at_) ::VirtualFreeEx(process_, at_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    char* At() const { return static_cast<char*>(at_); }

private:
    HANDLE process_;
    void* at_;
};

std::string Utf8(const wchar_t* text) {
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? static_cast<size_t>(n) : 1u, '\0');
    if (n > 0) ::WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
    out.resize(std::char_traits<char>::length(out.c_str()));
    return out;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: list_text TITLE\n", stderr);
        return 1;
    }
    HWND window = ::FindWindowW(nullptr, argv[1]);
    HWND list = nullptr;
    if (window) ::EnumChildWindows(window, FindList, reinterpret_cast<LPARAM>(&list));
    if (!list) {
        std::fputs("list_text: no such window or no list in it\n", stderr);
        return 1;
    }
    DWORD pid = 0;
    ::GetWindowThreadProcessId(list, &pid);
    UniqueKernelObject process(
        ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    constexpr int kChars = 2048;
    RemoteBuffer remote(process.Get(), sizeof(LVITEMW) + kChars * sizeof(wchar_t));
    if (!process || !remote.At()) {
        std::fprintf(stderr, "list_text: cannot reach the list (error %lu)\n", ::GetLastError());
        return 1;
    }
    const LRESULT rows = ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    for (LRESULT row = 0; row < rows; ++row) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(row);
        item.cchTextMax = kChars;
        item.pszText = reinterpret_cast<wchar_t*>(remote.At() + sizeof(LVITEMW));
        wchar_t text[kChars] = {};
        if (!::WriteProcessMemory(process.Get(), remote.At(), &item, sizeof item, nullptr)) break;
        ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                       reinterpret_cast<LPARAM>(remote.At()));
        ::ReadProcessMemory(process.Get(), remote.At() + sizeof(LVITEMW), text,
                            sizeof text - sizeof(wchar_t), nullptr);
        std::printf("%s\n", Utf8(text).c_str());
    }
    return 0;
}
