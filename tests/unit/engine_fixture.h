#pragma once
#include "program_fixture.h"

// The program started and idle, over a small Windows installation in the fakes.
class EngineTest : public ProgramTest {
protected:
    static constexpr const wchar_t* kLocal = L"C:\\Users\\ann\\AppData\\Local";
    static constexpr const wchar_t* kTemp = L"C:\\Users\\ann\\AppData\\Local\\Temp\\";

    EngineTest() {
        fakes.shell.Folders[platform::csidl::LocalAppData] = kLocal;
        fakes.shell.Folders[platform::csidl::InternetCache] =
            std::wstring(kLocal) + L"\\Microsoft\\Windows\\INetCache";
        fakes.files.AddDirectory(kTemp);
        fakes.files.AddDirectory(L"C:\\Windows");
        fakes.files.Temp = kTemp;
        fakes.files.Windows = L"C:\\Windows";
        StartAndSettle();
    }

    engine::CleanRun& Run() { return Form1().Run; }
    engine::RunState& State() { return Run().State; }
    engine::Primitives& Walkers() { return Run().Walkers(); }
    bool Exists(const std::wstring& path) { return fakes.files.Exists(path); }

    // Every category off, so a run does only what a test turns on.
    void OnlyCategories(std::initializer_list<settings::Option> on) {
        for (const settings::BoolOption& o : settings::BoolOptions())
            if (o.name != std::wstring(L"Recycle") && o.name != std::wstring(L"Display") &&
                o.name != std::wstring(L"Savepos"))
                Form2().Box(o.id).SetChecked(false);
        for (settings::Option option : on)
            Form2().Box(option).SetChecked(true);
    }
    // Starts a run as the Clean button does and lets it run to its end.
    void CleanNow() {
        Form1().SpeedButton6.Click();
        backend.Advance(100);
    }
    std::vector<std::wstring> Rows() {
        std::vector<std::wstring> out;
        for (int i = 0; i < Form1().ListView1.Count(); ++i)
            out.push_back(Form1().ListView1.Item(i).caption);
        return out;
    }
    bool AnyRowContains(const std::wstring& text) {
        for (const std::wstring& r : Rows())
            if (r.find(text) != std::wstring::npos) return true;
        return false;
    }
};
