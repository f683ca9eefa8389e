#include <sstream>

#include "platform/fake/fake_services.h"
#include "platform/paths.h"

namespace platform::fake {

namespace {

std::wstring Folded(const std::wstring& name) {
    std::wstring folded = name;
    for (auto& c : folded) c = FoldCase(c);
    return folded;
}

bool SameWord(const std::string& word, const char* expected) {
    std::string lower = word;
    for (auto& c : lower) c = static_cast<char>(FoldCase(static_cast<unsigned char>(c)));
    return lower == expected;
}

// The 8-bit command line read byte for byte; service names are plain ASCII.
std::wstring Widened(const std::string& text) {
    std::wstring wide;
    for (char c : text) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return wide;
}

int PendingOn(int targetState) {
    return targetState == service_state::Stopped ? service_state::StopPending
                                                 : service_state::StartPending;
}

// The service name of "net stop NAME" / "net start NAME"; a quoted name loses its quotes.
std::string ServiceName(std::istringstream& rest) {
    std::string name, word;
    while (rest >> word) name += (name.empty() ? "" : " ") + word;
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = name.substr(1, name.size() - 2);
    return name;
}

} // namespace

std::optional<int> FakeServiceControl::QueryState(const std::wstring& name) {
    ++Queries;
    auto it = services_.find(Folded(name));
    if (it == services_.end() || !it->second.state) return std::nullopt;
    Service& service = it->second;
    if (service.target && --service.queriesLeft <= 0) {
        service.state = service.target;
        service.target.reset();
    }
    return service.state;
}

void FakeServiceControl::Set(const std::wstring& name, std::optional<int> state) {
    services_[Folded(name)] = Service{state, std::nullopt, 0};
}

void FakeServiceControl::Command(const std::wstring& name, int targetState) {
    auto it = services_.find(Folded(name));
    if (it == services_.end() || !it->second.state) return;
    for (const auto& stubborn : Stubborn)
        if (Folded(stubborn) == Folded(name)) return;
    Service& service = it->second;
    if (service.state == targetState && !service.target) return;
    if (QueriesToChange <= 0) {
        service = Service{targetState, std::nullopt, 0};
        return;
    }
    service = Service{PendingOn(targetState), targetState, QueriesToChange};
}

unsigned FakeProcesses::Run(const std::string& commandLine, int showState) {
    Commands.emplace_back(commandLine, showState);
    std::istringstream words(commandLine);
    std::string program, verb;
    words >> program >> verb;
    if (SameWord(program, "net") || SameWord(program, "net.exe")) {
        const bool stop = SameWord(verb, "stop");
        const std::string name = ServiceName(words);
        if ((stop || SameWord(verb, "start")) && !name.empty())
            services_.Command(Widened(name),
                              stop ? service_state::Stopped : service_state::Running);
    }
    return 33; // above 31: WinExec started the program
}

} // namespace platform::fake

namespace platform::fake {

class FakeInstances::FakeMark : public RunningMark {
public:
    FakeMark(std::map<std::wstring, int>& live, std::wstring name)
        : live_(live), name_(std::move(name)), elsewhere_(live_[name_]++ > 0) {}
    ~FakeMark() override {
        if (--live_[name_] == 0) live_.erase(name_);
    }
    FakeMark(const FakeMark&) = delete;
    FakeMark& operator=(const FakeMark&) = delete;
    bool TakenElsewhere() const override { return elsewhere_; }

private:
    std::map<std::wstring, int>& live_;
    std::wstring name_;
    bool elsewhere_;
};

std::unique_ptr<RunningMark> FakeInstances::Mark(const std::wstring& name) {
    Taken.push_back(name);
    return std::make_unique<FakeMark>(live_, name);
}

} // namespace platform::fake
