#pragma once
#include <string>
#include <vector>

namespace app {

// The program takes at most one argument, a drive or folder, usually passed by
// Explorer's verb as "%1" in quotes. The usual splitting of a command line reads a
// backslash before a quote as an escaped quote, so a quoted drive root ("C:\") would
// arrive as C:" — this reads the first argument literally instead: a quoted argument
// runs to the next quote, an unquoted one to the next blank, and a stray quote left at
// its end is dropped. Later arguments are not looked at.
std::vector<std::wstring> FirstArgument(const std::wstring& commandLine);

} // namespace app
