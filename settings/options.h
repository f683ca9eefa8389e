#pragma once
#include <cstddef>
#include <string>

#include "forms/list_view.h"

namespace settings {

// Every boolean option, in the order of the option table (settings/option_table.cpp),
// which is also the order their boxes stand on the dialog's pages. Each is named for
// the registry value it is stored under.
enum class Option {
    // General
    Savepos,
    Displaybox,
    Autobegin,
    Displayresultsbox,
    Autoclose,
    ShowEmptyrecycle,
    Emptyrecycle,
    Contextmenu,
    Display,
    Recycle,
    Logs,
    // Filters: the kinds of file a search path is scanned for
    Tempfile,
    Picthumb,
    Logfile,
    Oldfile,
    Zerofile,
    Empfolder,
    // Specific
    Delfolder,
    // Clean: Windows
    Tempfolder,
    Errorreport,
    WDIfile,
    DataStore,
    ReadyBoost,
    Burncache,
    Winsxs,
    Interfolder,
    Hotfix,
    Thumbs,
    SearchDB,
    WMPcache,
    WMPdatabase,
    // Clean: Applications
    FirefoxCache,
    ChromeCache,
    SafariCache,
    Javacache,
    Flashcache,
    Acrobatreader,
    FFunsafeurls,
    GoogleEarth,
    OperaCache,
    Acdsee,
    FlashCookies,
};

inline constexpr std::size_t kOptionCount = static_cast<std::size_t>(Option::FlashCookies) + 1;

// The options that are texts rather than boxes.
enum class TextOption {
    FileKinds, // extensions the scan deletes besides its kinds, "obj;gss"
    FileNames, // full file names it deletes, "a.txt;b.ini"
};

// The option set as the clean run reads it: at the moment of use, so a change made
// while the settings dialog is open during a run counts from then on.
class Options {
public:
    virtual bool On(Option option) const = 0;
    // The option's caption and hint, which also name its category in the run's rows.
    virtual const std::wstring& Caption(Option option) const = 0;
    virtual const std::wstring& Hint(Option option) const = 0;
    virtual std::wstring Text(TextOption option) const = 0;
    // How many days the clean log keeps.
    virtual int LogDays() const = 0;
    // The clean log's full path; empty while no data folder is known for it.
    virtual const std::wstring& LogFile() const = 0;

    // The four path lists; only a row's check mark says whether it takes part.
    virtual const forms::ListView& SearchPaths() const = 0;
    virtual const forms::ListView& ExcludedPaths() const = 0;
    virtual const forms::ListView& FoldersToDelete() const = 0;
    virtual const forms::ListView& FilesToDelete() const = 0;

protected:
    ~Options() = default;
};

} // namespace settings
