#pragma once
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "forms/backend.h"
#include "platform/message_boxes.h"

namespace forms {

class Form;

// The application object: owns the message loop, the one pump and the general
// exception box.
class Application {
public:
    Application(Backend& backend, platform::MessageBoxes& messages);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Backend& GetBackend() { return backend_; }
    std::wstring Title;

    void SetMainForm(Form& form) { mainForm_ = &form; }
    Form* MainForm() const { return mainForm_; }

    // Runs the message loop until the main form closes.
    void Run();
    void ProcessMessages();
    // For long loops, once per item: handles the queue when it is due (see Backend).
    void ProcessMessagesWhenDue();
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }

    // The general exception box: the error's text in a stop box, or, while OnException
    // is set, that handler instead of the box.
    void ShowException(const std::exception& e);
    void ShowException(const std::wstring& message);
    std::function<void(const std::wstring& message)> OnException;

    // Runs a handler so that no exception leaves it: what escapes goes to the box.
    template <class F> void Guard(F&& handler) noexcept {
        try {
            handler();
        } catch (const std::exception& e) {
            ShowException(e);
        } catch (...) {
            ShowException(std::wstring());
        }
    }

private:
    Backend& backend_;
    platform::MessageBoxes& messages_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
};

} // namespace forms
