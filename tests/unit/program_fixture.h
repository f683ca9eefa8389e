#pragma once
#include <memory>

#include <gtest/gtest.h>

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/program.h"
#include "forms/headless/headless_backend.h"
#include "platform/fake/fake_services.h"
#include "settings/option_set.h"
#include "settings/option_table.h"
#include "settings/settings_store.h"

// The whole program on the headless back end and the in-memory Windows.
class ProgramTest : public ::testing::Test {
protected:
    static constexpr const wchar_t* kKey = settings::SettingsKey;
    static constexpr const wchar_t* kAppData = L"C:\\Users\\ann\\AppData\\Roaming";

    ProgramTest() {
        fakes.shell.Folders[platform::csidl::AppData] = kAppData;
        fakes.files.AddDirectory(kAppData);
    }

    // Builds the three windows, as program entry does, with a folder to offer or none.
    void Start(std::vector<std::wstring> folder = {},
               app::StartMode mode = app::StartMode::Window) {
        app::StartRequest request;
        request.mode = mode;
        request.folder = std::move(folder);
        program = std::make_unique<app::Program>(application, view, request);
        program->Form1().Show();
    }
    // Runs the start-up chain to its end (both timers).
    void StartAndSettle(std::vector<std::wstring> folder = {},
                        app::StartMode mode = app::StartMode::Window) {
        Start(std::move(folder), mode);
        backend.Advance(250);
    }

    TForm1& Form1() { return program->Form1(); }
    TForm2& Form2() { return program->Form2(); }
    std::optional<platform::fake::StoredValue> Stored(const wchar_t* name) {
        return fakes.registry.Get(kKey, name);
    }
    void SetDword(const wchar_t* name, std::uint32_t v) { fakes.registry.SetDword(kKey, name, v); }
    void SetString(const wchar_t* name, const std::wstring& v) {
        fakes.registry.SetString(kKey, name, v);
    }

    platform::fake::FakeServices fakes;
    platform::Services view = fakes.View();
    forms::HeadlessBackend backend;
    forms::Application application{backend, fakes.messages};
    std::unique_ptr<app::Program> program;
};
