#pragma once
#include <string>

#include "platform/interface.h"

namespace platform {

// Flags and answers keep the numbers Windows gives them, so callers read like the
// MessageBoxW calls they stand for.
namespace mb {
constexpr unsigned Ok = 0x0;
constexpr unsigned OkCancel = 0x1;
constexpr unsigned YesNo = 0x4;
constexpr unsigned IconStop = 0x10;
constexpr unsigned IconQuestion = 0x20;
constexpr unsigned IconWarning = 0x30;
constexpr unsigned IconInformation = 0x40;
constexpr unsigned DefButton1 = 0x0;
constexpr unsigned DefButton2 = 0x100;
constexpr unsigned TaskModal = 0x2000;
} // namespace mb

namespace answer {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace answer

class MessageBoxes : public Interface {
public:
    // Shows a box with no owner window and returns the button the user pressed.
    virtual int Show(const std::wstring& text, const std::wstring& caption, unsigned flags) = 0;
};

} // namespace platform
