#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/locale.h"

namespace engine {

// How a text file's bytes stand for its characters. Every encoding but Ansi starts
// the file with a byte-order mark.
enum class LogEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

// A text file as lines (without their line ends) and the encoding it came in.
struct LogText {
    LogEncoding encoding = LogEncoding::Utf8;
    std::vector<std::wstring> lines;
};

// Reads a text file: a byte-order mark names the encoding; without one the bytes are
// in the ANSI code page. Lines may end in CR LF, LF or CR; a line end after the last
// line adds no empty line. Broken sequences become U+FFFD.
LogText DecodeLog(const std::string& bytes, platform::Locale& locale);

// The bytes of a text file with every line, the last included, ending in CR LF. Keeps
// the text's encoding unless that would lose characters (ANSI that the code page
// cannot hold), in which case UTF-8 with a mark is written; `used` tells which.
std::string EncodeLog(const LogText& text, platform::Locale& locale,
                      LogEncoding* used = nullptr);

// Lines of a text, split at CR LF, LF or CR.
std::vector<std::wstring> SplitLines(const std::wstring& text);

// Code points in and out of a wide string, which holds UTF-16 where wchar_t has two
// bytes and UTF-32 where it has four. Broken surrogates read as U+FFFD.
void AppendCodePoint(std::wstring& text, std::uint32_t codePoint);
std::vector<std::uint32_t> CodePoints(const std::wstring& text);

} // namespace engine
