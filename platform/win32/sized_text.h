#pragma once
#include <string>

#include "platform/win32/windows_api.h"

namespace platform::win32 {

// Calls a Win32 function that fills a caller-sized text buffer and returns the number
// of characters it needs (terminator included) when asked with no buffer, 0 on failure.
// Asking first keeps results of any length intact. Empty when the call fails.
template <typename Fill>
std::wstring ReadSizedText(Fill fill) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        int needed = fill(nullptr, 0);
        if (needed <= 0) return {};
        std::wstring text(static_cast<size_t>(needed), L'\0');
        int written = fill(text.data(), needed);
        if (written > 0) {
            text.resize(static_cast<size_t>(written - 1));
            return text;
        }
        // The size can change between the two calls (the clock ticked); ask again.
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) return {};
    }
    return {};
}

} // namespace platform::win32
