#pragma once
#include <exception>
#include <string>

namespace platform {

// An error a Windows service reports. It carries the platform's own error text so
// the general exception box can show it as the user would see it from Windows.
class Error : public std::exception {
public:
    explicit Error(std::wstring message) : message_(std::move(message)) {}
    const std::wstring& Message() const { return message_; }
    const char* what() const noexcept override { return "platform error"; }

private:
    std::wstring message_;
};

} // namespace platform
