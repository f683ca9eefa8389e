#include "app/command_line.h"

namespace app {

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

} // namespace

std::vector<std::wstring> FirstArgument(const std::wstring& commandLine) {
    size_t at = 0;
    Token(commandLine, at); // the program's own name
    while (at < commandLine.size() && Blank(commandLine[at])) ++at;
    if (at >= commandLine.size()) return {};
    std::wstring argument = Token(commandLine, at);
    if (!argument.empty() && argument.back() == L'"') argument.pop_back();
    return {argument};
}

} // namespace app
