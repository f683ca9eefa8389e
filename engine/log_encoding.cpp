#include "engine/log_encoding.h"

namespace engine {

namespace {

constexpr std::uint32_t kReplacement = 0xFFFD;
constexpr std::uint32_t kLastCodePoint = 0x10FFFF;
const std::string kUtf8Mark = "\xEF\xBB\xBF";
const std::string kUtf16LeMark = "\xFF\xFE";
const std::string kUtf16BeMark = "\xFE\xFF";

bool IsHighSurrogate(std::uint32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(std::uint32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }
bool IsSurrogate(std::uint32_t u) { return u >= 0xD800 && u <= 0xDFFF; }

std::uint32_t ByteAt(const std::string& bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]);
}

bool StartsWith(const std::string& bytes, const std::string& mark) {
    return bytes.compare(0, mark.size(), mark) == 0;
}

// The code point of the UTF-8 sequence at bytes[i], moving i past it. A broken or
// overlong sequence gives U+FFFD for its first byte only, so no good text after it is
// swallowed.
std::uint32_t NextUtf8(const std::string& bytes, std::size_t& i) {
    const std::uint32_t lead = ByteAt(bytes, i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    // Continuation bytes that follow, the lead's own bits, the least code point the
    // length may carry.
    const int extra = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2
                      : (lead & 0xF8) == 0xF0 ? 3 : 0;
    if (extra == 0) {
        ++i;
        return kReplacement;
    }
    std::uint32_t cp = lead & (0x7Fu >> (extra + 1));
    const std::uint32_t least = extra == 1 ? 0x80 : extra == 2 ? 0x800 : 0x10000;
    for (int k = 1; k <= extra; ++k) {
        const std::size_t at = i + static_cast<std::size_t>(k);
        if (at >= bytes.size() || (ByteAt(bytes, at) & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        cp = (cp << 6) | (ByteAt(bytes, at) & 0x3F);
    }
    if (cp < least || cp > kLastCodePoint || IsSurrogate(cp)) {
        ++i;
        return kReplacement;
    }
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

std::wstring FromUtf8(const std::string& bytes, std::size_t from) {
    std::wstring text;
    text.reserve(bytes.size() - from);
    for (std::size_t i = from; i < bytes.size();) AppendCodePoint(text, NextUtf8(bytes, i));
    return text;
}

std::wstring FromUtf16(const std::string& bytes, std::size_t from, bool bigEndian) {
    auto unitAt = [&](std::size_t i) {
        return bigEndian ? (ByteAt(bytes, i) << 8) | ByteAt(bytes, i + 1)
                         : (ByteAt(bytes, i + 1) << 8) | ByteAt(bytes, i);
    };
    std::wstring text;
    text.reserve((bytes.size() - from) / 2);
    std::size_t i = from;
    for (; i + 1 < bytes.size(); i += 2) {
        std::uint32_t unit = unitAt(i);
        if (IsHighSurrogate(unit) && i + 3 < bytes.size() && IsLowSurrogate(unitAt(i + 2))) {
            unit = 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00);
            i += 2;
        } else if (IsSurrogate(unit)) {
            unit = kReplacement;
        }
        AppendCodePoint(text, unit);
    }
    if (i < bytes.size()) AppendCodePoint(text, kReplacement); // an odd byte at the end
    return text;
}

void PutUtf8(std::string& out, std::uint32_t cp) {
    auto put = [&](std::uint32_t b) { out += static_cast<char>(b); };
    auto tail = [&](int shift) { put(0x80 | ((cp >> shift) & 0x3F)); };
    if (cp < 0x80) {
        put(cp);
    } else if (cp < 0x800) {
        put(0xC0 | (cp >> 6));
        tail(0);
    } else if (cp < 0x10000) {
        put(0xE0 | (cp >> 12));
        tail(6);
        tail(0);
    } else {
        put(0xF0 | (cp >> 18));
        tail(12);
        tail(6);
        tail(0);
    }
}

void PutUtf16(std::string& out, std::uint32_t cp, bool bigEndian) {
    auto unit = [&](std::uint32_t u) {
        const char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    };
    if (cp > 0xFFFF) {
        cp -= 0x10000;
        unit(0xD800 + (cp >> 10));
        unit(0xDC00 + (cp & 0x3FF));
    } else {
        unit(cp);
    }
}

std::wstring Joined(const std::vector<std::wstring>& lines) {
    std::size_t size = 0;
    for (const std::wstring& line : lines) size += line.size() + 2;
    std::wstring text;
    text.reserve(size);
    for (const std::wstring& line : lines) text.append(line).append(L"\r\n");
    return text;
}

std::string Encoded(const std::wstring& text, LogEncoding encoding) {
    std::string out = encoding == LogEncoding::Utf8      ? kUtf8Mark
                      : encoding == LogEncoding::Utf16Le ? kUtf16LeMark
                                                         : kUtf16BeMark;
    for (std::uint32_t cp : CodePoints(text)) {
        if (encoding == LogEncoding::Utf8)
            PutUtf8(out, cp);
        else
            PutUtf16(out, cp, encoding == LogEncoding::Utf16Be);
    }
    return out;
}

} // namespace

void AppendCodePoint(std::wstring& text, std::uint32_t cp) {
    if (sizeof(wchar_t) == 2 && cp > 0xFFFF) {
        cp -= 0x10000;
        text += static_cast<wchar_t>(0xD800 + (cp >> 10));
        text += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
    } else {
        text += static_cast<wchar_t>(cp);
    }
}

std::vector<std::uint32_t> CodePoints(const std::wstring& text) {
    std::vector<std::uint32_t> out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t unit = static_cast<std::uint32_t>(text[i]);
        if (sizeof(wchar_t) == 2 && IsHighSurrogate(unit) && i + 1 < text.size() &&
            IsLowSurrogate(static_cast<std::uint32_t>(text[i + 1]))) {
            unit = 0x10000 + ((unit - 0xD800) << 10) +
                   (static_cast<std::uint32_t>(text[++i]) - 0xDC00);
        } else if (IsSurrogate(unit) || unit > kLastCodePoint) {
            unit = kReplacement;
        }
        out.push_back(unit);
    }
    return out;
}

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\r' && text[i] != L'\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

LogText DecodeLog(const std::string& bytes, platform::Locale& locale) {
    if (StartsWith(bytes, kUtf8Mark))
        return {LogEncoding::Utf8, SplitLines(FromUtf8(bytes, kUtf8Mark.size()))};
    if (StartsWith(bytes, kUtf16LeMark))
        return {LogEncoding::Utf16Le, SplitLines(FromUtf16(bytes, 2, false))};
    if (StartsWith(bytes, kUtf16BeMark))
        return {LogEncoding::Utf16Be, SplitLines(FromUtf16(bytes, 2, true))};
    return {LogEncoding::Ansi, SplitLines(locale.FromAnsi(bytes))};
}

std::string EncodeLog(const LogText& text, platform::Locale& locale, LogEncoding* used) {
    const std::wstring joined = Joined(text.lines);
    LogEncoding encoding = text.encoding;
    std::string bytes;
    if (encoding == LogEncoding::Ansi && !locale.ToAnsi(joined, bytes))
        encoding = LogEncoding::Utf8; // keeping ANSI would lose characters
    if (encoding != LogEncoding::Ansi) bytes = Encoded(joined, encoding);
    if (used) *used = encoding;
    return bytes;
}

} // namespace engine
