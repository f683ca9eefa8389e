#include "platform/win32/short_date_pattern.h"

#include <cwctype>
#include <string>
#include <vector>

namespace platform::win32 {
namespace {

enum class Part { Literal, Day, Month, Year };

struct Token {
    Part part = Part::Literal;
    size_t width = 0;     // Digits the picture writes for a number: 1, 2 or 4.
    std::wstring literal; // The text to match for a literal.
};

// A run of one picture letter; nothing when it names a text field (day or month
// names, era) that a typed short date cannot be read back from.
std::optional<Token> FieldToken(wchar_t letter, size_t run) {
    switch (letter) {
    case L'd':
        if (run <= 2) return Token{Part::Day, run, {}};
        return std::nullopt;
    case L'M':
        if (run <= 2) return Token{Part::Month, run, {}};
        return std::nullopt;
    case L'y':
        return Token{Part::Year, run <= 2 ? size_t{2} : size_t{4}, {}};
    default:
        return std::nullopt; // Era ('g').
    }
}

void AppendLiteral(std::vector<Token>& tokens, wchar_t c) {
    if (tokens.empty() || tokens.back().part != Part::Literal)
        tokens.push_back(Token{Part::Literal, 0, {}});
    tokens.back().literal += c;
}

// Splits the picture into numbers and the literal text between them. Text in single
// quotes is literal, and two quotes stand for one.
std::optional<std::vector<Token>> Tokenize(std::wstring_view pattern) {
    std::vector<Token> tokens;
    int days = 0, months = 0, years = 0;
    for (size_t i = 0; i < pattern.size();) {
        wchar_t c = pattern[i];
        if (c == L'd' || c == L'M' || c == L'y' || c == L'g') {
            size_t run = pattern.find_first_not_of(c, i);
            run = (run == std::wstring_view::npos ? pattern.size() : run) - i;
            std::optional<Token> field = FieldToken(c, run);
            if (!field) return std::nullopt;
            days += field->part == Part::Day;
            months += field->part == Part::Month;
            years += field->part == Part::Year;
            tokens.push_back(*field);
            i += run;
        } else if (c == L'\'') {
            for (++i; i < pattern.size(); ++i) {
                if (pattern[i] == L'\'') {
                    if (i + 1 >= pattern.size() || pattern[i + 1] != L'\'') break;
                    ++i;
                }
                AppendLiteral(tokens, pattern[i]);
            }
            ++i;
        } else {
            AppendLiteral(tokens, c);
            ++i;
        }
    }
    if (days != 1 || months != 1 || years != 1) return std::nullopt;
    return tokens;
}

std::wstring_view Trim(std::wstring_view text) {
    while (!text.empty() && std::iswspace(text.front())) text.remove_prefix(1);
    while (!text.empty() && std::iswspace(text.back())) text.remove_suffix(1);
    return text;
}

// Matches literal text; a blank in the picture matches any run of blanks, or none.
bool MatchLiteral(const std::wstring& literal, std::wstring_view text, size_t& pos) {
    for (wchar_t c : literal) {
        if (std::iswspace(c)) {
            while (pos < text.size() && std::iswspace(text[pos])) ++pos;
        } else if (pos < text.size() && text[pos] == c) {
            ++pos;
        } else {
            return false;
        }
    }
    return true;
}

// Reads between one and maxDigits ASCII digits; exactly maxDigits when exact is set.
std::optional<int> ReadNumber(std::wstring_view text, size_t& pos, size_t maxDigits, bool exact) {
    size_t start = pos;
    int value = 0;
    while (pos < text.size() && pos - start < maxDigits && text[pos] >= L'0' && text[pos] <= L'9')
        value = value * 10 + (text[pos++] - L'0');
    size_t digits = pos - start;
    if (digits == 0 || (exact && digits != maxDigits)) return std::nullopt;
    return value;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// The range Windows' own date calls accept, so a parsed date can always be shown again.
bool IsValid(const Date& date) {
    return date.year >= 1601 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
           date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

} // namespace

std::optional<Date> ParseDateWithPattern(std::wstring_view pattern, std::wstring_view text) {
    std::optional<std::vector<Token>> tokens = Tokenize(pattern);
    if (!tokens) return std::nullopt;
    text = Trim(text);

    Date date;
    size_t pos = 0;
    for (size_t i = 0; i < tokens->size(); ++i) {
        const Token& token = (*tokens)[i];
        if (token.part == Part::Literal) {
            if (!MatchLiteral(token.literal, text, pos)) return std::nullopt;
            continue;
        }
        // Two numbers with nothing between them ("yyyyMMdd") can only be told apart by
        // the picture's widths; otherwise the separator ends the number.
        bool packed = i + 1 < tokens->size() && (*tokens)[i + 1].part != Part::Literal;
        size_t maxDigits = packed ? token.width : token.part == Part::Year ? 4 : 2;
        size_t start = pos;
        std::optional<int> number = ReadNumber(text, pos, maxDigits, packed);
        if (!number) return std::nullopt;
        if (token.part == Part::Day) date.day = *number;
        if (token.part == Part::Month) date.month = *number;
        if (token.part == Part::Year) {
            size_t digits = pos - start;
            if (digits == 3) return std::nullopt;
            date.year = digits == 4 ? *number : *number + (*number < 50 ? 2000 : 1900);
        }
    }
    if (pos != text.size() || !IsValid(date)) return std::nullopt;
    return date;
}

} // namespace platform::win32
