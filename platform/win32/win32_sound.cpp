#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"

// After windows.h, which it builds on; the lean headers leave it out.
#include <mmsystem.h>

#include "platform/win32/system_library.h"

namespace platform::win32 {

void Win32Sound::Play(const std::wstring& nameOrPath) {
    if (nameOrPath.empty()) return;
    // A path names one file: when it is missing or unreadable nothing plays, rather than
    // the system's default sound. A bare name is left for the system to resolve, as a
    // sound alias first and then as a file.
    const bool isPath = nameOrPath.find(L'\\') != std::wstring::npos;
    const DWORD flags = SND_SYNC | (isPath ? SND_FILENAME | SND_NODEFAULT : 0);
    // Without the library nothing plays, as with a sound file that is missing.
    if (auto* play = MultimediaLibrary().Find<decltype(::PlaySoundW)>("PlaySoundW"))
        play(nameOrPath.c_str(), nullptr, flags);
}

} // namespace platform::win32
