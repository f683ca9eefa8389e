#include <gtest/gtest.h>

#include "app/command_line.h"
#include "platform/fake/fake_file_system.h"

namespace {

using app::StartMode;

struct CommandLineCase {
    const wchar_t* line;
    StartMode mode;
    const wchar_t* folder; // null: none
    const wchar_t* badSwitch;
};

// Arguments are read literally, each like the first one always was; switches come from
// the same tokens.
TEST(CommandLineTest, ArgumentsAndSwitches) {
    platform::fake::FakeFileSystem files;
    files.AddDirectory(L"C:\\Work\\-old");
    files.AddDirectory(L"C:\\Photos");
    const CommandLineCase cases[] = {
        {L"\"C:\\Program Files\\T\\WindowsTidyhawk.exe\" \"C:\\\"", StartMode::Window, L"C:\\", L""},
        {L"prog.exe \"D:\\My Photos\"", StartMode::Window, L"D:\\My Photos", L""},
        {L"prog.exe D:\\Photos E:\\Other", StartMode::Window, L"D:\\Photos", L""},
        {L"prog.exe   \"D:\\a b\" \"E:\\c\"", StartMode::Window, L"D:\\a b", L""},
        {L"prog.exe C:\\\"", StartMode::Window, L"C:\\", L""},
        {L"prog.exe \"unclosed", StartMode::Window, L"unclosed", L""},
        {L"\"C:\\T\\prog.exe\"", StartMode::Window, nullptr, L""},
        {L"prog.exe   ", StartMode::Window, nullptr, L""},
        {L"", StartMode::Window, nullptr, L""},
        {L"prog.exe /clean", StartMode::Clean, nullptr, L""},
        {L"prog.exe -CLEAN", StartMode::Clean, nullptr, L""},
        {L"prog.exe \"/Clean\"", StartMode::Clean, nullptr, L""},
        {L"prog.exe \"C:\\\" /clean", StartMode::Clean, L"C:\\", L""},
        {L"prog.exe /?", StartMode::Usage, nullptr, L""},
        {L"prog.exe -? /clean", StartMode::Usage, nullptr, L""},
        {L"prog.exe /bogus", StartMode::BadSwitch, nullptr, L"/bogus"},
        {L"prog.exe /clean -x /? /y", StartMode::BadSwitch, nullptr, L"-x"},
        {L"prog.exe /cleaner", StartMode::BadSwitch, nullptr, L"/cleaner"},
        {L"prog.exe -", StartMode::BadSwitch, nullptr, L"-"},
        {L"prog.exe -old", StartMode::Window, L"-old", L""},
        {L"prog.exe /Photos /clean", StartMode::Clean, L"/Photos", L""},
    };
    for (const CommandLineCase& c : cases) {
        SCOPED_TRACE(c.line);
        const app::StartRequest request = app::ReadStartRequest(app::Arguments(c.line), files);
        EXPECT_EQ(request.mode, c.mode);
        EXPECT_EQ(request.folder, c.folder ? std::vector<std::wstring>{c.folder}
                                           : std::vector<std::wstring>{});
        EXPECT_EQ(request.badSwitch, c.badSwitch);
    }
}

} // namespace
