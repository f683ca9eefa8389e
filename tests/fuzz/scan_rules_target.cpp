// The search-path rules as the scan builds them from the settings dialog, checked
// against the rules written for the randomized runs (tests/safety/junk_rules.h).
#include "engine/user_targets.h"
#include "forms/headless/headless_backend.h"
#include "platform/fake/fake_services.h"
#include "settings/option_set.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_targets.h"
#include "tests/safety/junk_rules.h"

namespace fuzz {

namespace {

// One settings dialog for every input: building it is what would cost the time.
struct Dialog {
    platform::fake::FakeServices fakes;
    platform::Services services = fakes.View();
    forms::HeadlessBackend backend;
    forms::Application application{backend, fakes.messages};
    TForm2 form{application, services};
};

std::uint64_t SizeOf(std::uint8_t choice, std::uint32_t number) {
    return choice % 4 == 0 ? 0 : choice % 4 == 1 ? 1 : choice % 4 == 2 ? ~0ull : number;
}

} // namespace

const char* ScanRulesMatch(const std::uint8_t* data, std::size_t size) {
    static Dialog dialog;
    TForm2& form = dialog.form;
    Input in(data, size);
    const std::uint8_t flags = in.Byte();
    safety::JunkOptions o;
    o.picThumb = flags & 1;
    o.tempFile = flags & 2;
    o.zeroFile = flags & 4;
    o.oldFile = flags & 8;
    o.logFile = flags & 16;
    const std::uint8_t sizeChoice = in.Byte();
    const std::uint64_t fileSize = SizeOf(sizeChoice, in.Number());
    o.filesName = in.Text(24);
    o.ext = in.Text(24);
    const std::wstring name = in.Text(24);
    form.Box(settings::Option::Picthumb).SetChecked(o.picThumb);
    form.Box(settings::Option::Tempfile).SetChecked(o.tempFile);
    form.Box(settings::Option::Zerofile).SetChecked(o.zeroFile);
    form.Box(settings::Option::Oldfile).SetChecked(o.oldFile);
    form.Box(settings::Option::Logfile).SetChecked(o.logFile);
    form.Edit1.SetText(o.filesName);
    form.Edit4.SetText(o.ext);
    const engine::FileMatch match = engine::ScanRules::From(form).Match(name, fileSize);
    // A listing never gives an empty name; the call must only survive one.
    if (name.empty()) return nullptr;
    if ((match != engine::FileMatch::None) != safety::IsJunk(o, name, fileSize))
        return "the scan's rules and the written rules disagree";
    // Only the zero-size rule marks a file as such, and only when it decides.
    const bool earlier = (o.picThumb && name == L"Thumbs.db") || (o.tempFile && name[0] == L'~');
    if ((match == engine::FileMatch::ZeroSize) != (o.zeroFile && fileSize == 0 && !earlier))
        return "a file was marked as empty when another rule decided";
    return nullptr;
}

} // namespace fuzz
