#include "forms/application.h"

#include "forms/form.h"
#include "platform/error.h"

namespace forms {

Application::Application(Backend& backend, platform::MessageBoxes& messages)
    : backend_(backend), messages_(messages) {}

void Application::Run() {
    if (mainForm_ && !mainForm_->Showing()) mainForm_->Show();
    if (!terminated_) backend_.RunLoop(*this);
}

void Application::ProcessMessages() { backend_.ProcessMessages(*this); }

void Application::ProcessMessagesWhenDue() { backend_.ProcessMessagesWhenDue(*this); }

void Application::ShowException(const std::exception& e) {
    // Errors of the platform carry the system's own text; anything else shows as an
    // empty message, as the program has no text of its own for it.
    if (auto* pe = dynamic_cast<const platform::Error*>(&e))
        ShowException(pe->Message());
    else
        ShowException(std::wstring());
}

void Application::ShowException(const std::wstring& message) {
    try {
        if (OnException) {
            OnException(message);
            return;
        }
        messages_.Show(message, Title, platform::mb::Ok | platform::mb::IconStop);
    } catch (...) {
        // Nothing is left to report to once the box itself fails.
    }
}

} // namespace forms
