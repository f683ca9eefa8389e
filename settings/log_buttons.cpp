// The settings dialog's two clean log buttons.
#include "settings/option_set.h"

namespace {
namespace mb = platform::mb;
} // namespace

void TForm2::Button8Click() {
    const int answer =
        services_.messages.Show(L"Do you want to clean log?", L"Clean Confirmation",
                                mb::YesNo | mb::IconQuestion | mb::DefButton2 | mb::TaskModal);
    // Nothing is reported either way: a log that stays is no harm.
    if (answer == platform::answer::Yes && services_.files.FileExists(LogPath))
        services_.files.RemoveFile(LogPath);
}

void TForm2::Button10Click() {
    if (services_.files.FileExists(LogPath)) {
        // A missing file association shows nothing; the user sees no window open.
        services_.shell.OpenDocument(LogPath);
        return;
    }
    services_.messages.Show(L"No Log file!", L"Information",
                            mb::Ok | mb::IconInformation | mb::TaskModal);
}
