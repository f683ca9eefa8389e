#pragma once
// System libraries the program needs only now and then (the file-open dialog, the end
// sound, the shell's file operations and folders) are loaded when one of their
// functions is first called. Every library the program is linked to is mapped and set
// up at launch, before the window can show; these bring more libraries with them (the
// printer spooler, the sound drivers' manager, COM and the shell's own helpers).
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

using UniqueModule = UniqueHandle<HMODULE, CloseWith<&::FreeLibrary>>;

// One library of the system folder, loaded the first time a function is looked up
// and kept while the program runs.
class SystemLibrary {
public:
    explicit SystemLibrary(const wchar_t* fileName) : fileName_(fileName) {}
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // The function of that name with the given type, or null when the library or the
    // function is not there (GetLastError says why).
    template <typename Function>
    Function* Find(const char* name) {
        // Through the one function type the compiler lets stand for any other.
        return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(Address(name)));
    }

private:
    FARPROC Address(const char* name);

    const wchar_t* fileName_;
    UniqueModule module_;
};

// comdlg32.dll: the file-open dialog.
SystemLibrary& CommonDialogLibrary();
// winmm.dll: PlaySoundW.
SystemLibrary& MultimediaLibrary();
// shell32.dll: file operations, the recycle bins, special folders, the folder browser,
// file icons, opening documents.
SystemLibrary& ShellLibrary();
// shlwapi.dll: StrFormatByteSizeW.
SystemLibrary& ShellUtilityLibrary();
// ole32.dll: OLE for the folder browser, and the memory the shell hands out.
SystemLibrary& OleLibrary();

} // namespace platform::win32
