#include "app/command_line.h"

#include "platform/paths.h"

namespace app {

const wchar_t* const kUsageText =
    L"WindowsTidyhawk.exe [folder | /clean | /?]\n"
    L"\n"
    L"folder: offers the drive or folder for the search paths.\n"
    L"/clean: cleans once with the saved settings, shows no message box and closes when "
    L"done. The recycle bins are emptied only with \"Empty Recycle Bin automatically\" on. "
    L"Does nothing while the program already runs.\n"
    L"/?: shows this text.\n"
    L"\n"
    L"Switches may start with / or - and are read in any case.\n"
    L"\n"
    L"Exit codes:\n"
    L"0: everything the clean tried to delete went.\n"
    L"1: something stayed (held open or refused), or the clean was stopped.\n"
    L"2: the command line was not understood.";

namespace {

bool Blank(wchar_t c) { return c == L' ' || c == L'\t'; }

// Reads one token from `at`: quoted up to the next quote, otherwise up to a blank.
std::wstring Token(const std::wstring& line, size_t& at) {
    while (at < line.size() && Blank(line[at])) ++at;
    if (at >= line.size()) return {};
    size_t end;
    std::wstring token;
    if (line[at] == L'"') {
        end = line.find(L'"', at + 1);
        if (end == std::wstring::npos) end = line.size();
        token = line.substr(at + 1, end - at - 1);
        at = end < line.size() ? end + 1 : end;
        return token;
    }
    end = at;
    while (end < line.size() && !Blank(line[end])) ++end;
    token = line.substr(at, end - at);
    at = end;
    return token;
}

bool SameSwitch(const std::wstring& argument, const wchar_t* name) {
    std::wstring rest = argument.substr(1);
    for (wchar_t& c : rest) c = platform::FoldCase(c);
    return rest == name;
}

} // namespace

std::vector<std::wstring> Arguments(const std::wstring& commandLine) {
    std::vector<std::wstring> arguments;
    size_t at = 0;
    Token(commandLine, at); // the program's own name
    for (;;) {
        while (at < commandLine.size() && Blank(commandLine[at])) ++at;
        if (at >= commandLine.size()) return arguments;
        std::wstring argument = Token(commandLine, at);
        if (!argument.empty() && argument.back() == L'"') argument.pop_back();
        arguments.push_back(std::move(argument));
    }
}

StartRequest ReadStartRequest(const std::vector<std::wstring>& arguments,
                              platform::FileSystem& files) {
    StartRequest request;
    bool clean = false;
    bool usage = false;
    for (const std::wstring& argument : arguments) {
        const bool switchLike = !argument.empty() && (argument[0] == L'/' || argument[0] == L'-');
        if (switchLike && SameSwitch(argument, L"clean")) {
            clean = true;
        } else if (switchLike && SameSwitch(argument, L"?")) {
            usage = true;
        } else if (switchLike && !files.DirectoryExists(argument)) {
            if (request.badSwitch.empty()) request.badSwitch = argument;
        } else if (request.folder.empty()) {
            request.folder.push_back(argument);
        }
    }
    if (!request.badSwitch.empty())
        request.mode = StartMode::BadSwitch;
    else if (usage)
        request.mode = StartMode::Usage;
    else if (clean)
        request.mode = StartMode::Clean;
    return request;
}

} // namespace app
