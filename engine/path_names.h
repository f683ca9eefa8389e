#pragma once
#include <string>

namespace engine {

// "C:\a" and "C:\a\" both become "C:\a\".
std::wstring WithBackslash(const std::wstring& path);
// `base` + `rest`, or nothing without a base: a base folder that could not be worked
// out must not turn the rest into a path relative to the current folder or drive.
std::wstring Below(const std::wstring& base, const wchar_t* rest);
// A to Z lower-cased, every other letter as it is: the rule junk extensions match by.
std::wstring AsciiLower(std::wstring text);
// The part of a name from its last dot on, lower-cased (A to Z only); empty without a dot.
std::wstring LowerExtension(const std::wstring& name);

} // namespace engine
