// Path normalisation and the protected-folder test over arbitrary UTF-16 text, built
// mostly from the pieces that make paths tricky: drive letters, separators of both
// kinds, dots, device and long-path prefixes, streams, short names, NUL and blanks.
#include "engine/target_guard.h"
#include "platform/fake/fake_services.h"
#include "platform/paths.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_targets.h"
#include "tests/safety/path_text.h"

namespace fuzz {

namespace {

const wchar_t* const kPieces[] = {L"C:",
                                  L"c:",
                                  L"D:",
                                  L"\\",
                                  L"/",
                                  L".",
                                  L"..",
                                  L"Users",
                                  L"ann",
                                  L"AppData",
                                  L"Local",
                                  L"Roaming",
                                  L"Windows",
                                  L"System32",
                                  L"Documents",
                                  L"Desktop",
                                  L"Program Files",
                                  L"PROGRA~1",
                                  L"Documents and Settings",
                                  L"x",
                                  L" ",
                                  L":",
                                  L"\\\\?\\",
                                  L"\\\\.\\",
                                  L"UNC",
                                  L"*",
                                  L"?",
                                  L"CON",
                                  L"nul",
                                  L"Temp",
                                  L"~1",
                                  L"\\\\server\\share"};

std::wstring PathText(Input& in) {
    std::wstring text;
    const std::size_t pieces = sizeof kPieces / sizeof kPieces[0];
    for (int i = 0, n = in.Byte() % 24; i < n && !in.Done(); ++i) {
        const std::uint8_t b = in.Byte();
        if (b < 0xF0)
            text += kPieces[b % pieces];
        else if (b < 0xF8)
            text += static_cast<wchar_t>(b & 0x07); // NUL and controls
        else
            text += static_cast<wchar_t>((in.Byte() << 8) | in.Byte());
    }
    return text;
}

// A profile with its usual folders, a junction from the old profile root and a short
// name for Program Files.
struct World {
    World() {
        fakes.files.Windows = L"C:\\Windows";
        fakes.shell.Folders[platform::csidl::Profile] = L"C:\\Users\\ann";
        fakes.shell.Folders[platform::csidl::AppData] = L"C:\\Users\\ann\\AppData\\Roaming";
        fakes.shell.Folders[platform::csidl::LocalAppData] = L"C:\\Users\\ann\\AppData\\Local";
        for (const std::wstring& f : Protected())
            fakes.files.AddDirectory(f);
        fakes.files.AddDirectory(L"C:\\Users\\ann\\AppData\\Local\\Temp");
        fakes.files.AddJunction(L"C:\\Documents and Settings", L"C:\\Users");
        fakes.files.AddShortName(L"C:\\Program Files", L"PROGRA~1");
    }
    static const std::vector<std::wstring>& Protected() {
        static const std::vector<std::wstring> folders = {L"C:\\Windows",
                                                          L"C:\\Windows\\System32",
                                                          L"C:\\Program Files",
                                                          L"C:\\Users",
                                                          L"C:\\Users\\ann",
                                                          L"C:\\Users\\ann\\AppData",
                                                          L"C:\\Users\\ann\\AppData\\Local",
                                                          L"C:\\Users\\ann\\AppData\\Roaming",
                                                          L"C:\\Users\\ann\\Documents",
                                                          L"C:\\Users\\ann\\Desktop"};
        return folders;
    }
    platform::fake::FakeServices fakes;
    platform::Services services = fakes.View();
    engine::TargetGuard guard{services};
};

bool Sound(const std::wstring& p) {
    const bool drive = p.size() >= 3 && p[1] == L':' && p[2] == L'\\';
    const bool unc = p.size() > 2 && p[0] == L'\\' && p[1] == L'\\';
    if (!drive && !unc) return false;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const wchar_t c = p[i];
        if (c < 0x20 || c == L'/' || c == L'*' || c == L'?' || c == L'"' || c == L'<' ||
            c == L'>' || c == L'|' || (c == L':' && i != 1))
            return false;
        if (c == L'\\' && i > 1 && p[i - 1] == L'\\') return false;
    }
    for (const wchar_t* dots : {L"\\.\\", L"\\..\\"})
        if (p.find(dots) != std::wstring::npos) return false;
    const std::wstring tail = p.substr(p.rfind(L'\\') + 1);
    return tail != L"." && tail != L"..";
}

} // namespace

const char* PathChecks(const std::uint8_t* data, std::size_t size) {
    static World world;
    Input in(data, size);
    const std::wstring text = PathText(in);
    const std::optional<std::wstring> normal = platform::NormalizePath(text);
    if (normal) {
        if (!Sound(*normal))
            return "a normalized path still holds a dot, a doubled or forward separator or a stray "
                   "character";
        if (platform::NormalizePath(*normal) != normal) return "normalizing twice changed the path";
    }
    using Scope = engine::TargetGuard::Scope;
    const bool permitted = world.guard.Permits(text, Scope::Category);
    if (!permitted) return nullptr;
    if (!normal) return "an unsound path was permitted";
    if (platform::IsDriveRoot(*normal)) return "a drive root was permitted";
    const std::wstring where = safety::Key(world.fakes.files.FinalPath(*normal).value_or(*normal));
    for (const std::wstring& folder : World::Protected())
        if (safety::SameOrBelow(safety::Key(folder), where))
            return "a protected folder or one above it was permitted";
    if (!world.guard.Permits(*normal, Scope::Category))
        return "two spellings of one path were judged apart";
    if (!world.guard.Permits(text, Scope::UserList))
        return "the user's lists refused what a category may empty";
    return nullptr;
}

} // namespace fuzz
