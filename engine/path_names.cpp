#include "engine/path_names.h"

namespace engine {

std::wstring WithBackslash(const std::wstring& path) {
    if (!path.empty() && path.back() == L'\\') return path;
    return path + L'\\';
}

std::wstring Below(const std::wstring& base, const wchar_t* rest) {
    return base.empty() ? std::wstring() : base + rest;
}

std::wstring AsciiLower(std::wstring text) {
    for (wchar_t& c : text)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return text;
}

std::wstring LowerExtension(const std::wstring& name) {
    size_t dot = name.rfind(L'.');
    if (dot == std::wstring::npos) return {};
    return AsciiLower(name.substr(dot));
}

} // namespace engine
