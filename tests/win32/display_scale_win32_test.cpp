// The windows at the scales screens commonly have (100, 125, 150 and 200 percent): a
// window told of a new scale takes the rectangle the system suggests and lays its
// controls out again, and every text of the program's three windows fits its control.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/program.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/page_control.h"
#include "forms/win32/resources.h"
#include "forms/win32/win32_backend.h"
#include "platform/fake/fake_services.h"
#include "settings/option_set.h"

namespace {

using namespace forms;

constexpr int kScales[] = {96, 120, 144, 192};

RECT WindowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

// What the system sends a window moved to a screen of another scale: here the window
// keeps its corner and its size follows the scale.
RECT TellScale(HWND hwnd, int from, int to) {
    RECT r = WindowRect(hwnd);
    RECT suggested{r.left, r.top, r.left + MulDiv(r.right - r.left, to, from),
                   r.top + MulDiv(r.bottom - r.top, to, from)};
    SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
    return suggested;
}

LOGFONTW FontOf(HWND hwnd) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

class ScaleTestForm : public Form {
public:
    explicit ScaleTestForm(Application& app) : Form(app, L"ScaleTestForm") {
        SetBounds({40, 40, 300, 200});
        label.SetBounds({8, 10, 120, 13});
        label.SetCaption(L"Search paths:");
        status.SetHeight(20);
        status.SetAlign(Align::Bottom);
        status.SetPanels({{L"Ready", 120}, {L"", 50}});
    }
    Label label{this, L"Label1"};
    StatusBar status{this, L"StatusBar1"};
};

TEST(Win32Scale, AWindowToldOfANewScaleTakesTheSuggestedRectangleAndScalesItsControls) {
    platform::fake::FakeServices fakes;
    Win32Backend backend;
    Application app{backend, fakes.messages};
    ScaleTestForm form(app);
    form.Show();
    HWND hwnd = backend.HandleOf(form);
    HWND label = backend.HandleOf(form.label);
    int dpi = backend.FormDpi(form);
    for (int to : {144, 192, 120, 96}) {
        SCOPED_TRACE(to);
        const RECT suggested = TellScale(hwnd, dpi, to);
        dpi = to;
        EXPECT_EQ(backend.FormDpi(form), to);
        const RECT now = WindowRect(hwnd);
        EXPECT_TRUE(EqualRect(&now, &suggested)) << "the window is where the system suggested";
        RECT r = WindowRect(label);
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.right - r.left, MulDiv(120, to, 96));
        EXPECT_EQ(r.bottom - r.top, MulDiv(13, to, 96));
        EXPECT_EQ(FontOf(label).lfHeight, MulDiv(-11, to, 96));
        int edges[2] = {};
        SendMessageW(backend.HandleOf(form.status), SB_GETPARTS, 2,
                     reinterpret_cast<LPARAM>(edges));
        EXPECT_EQ(edges[0], MulDiv(120, to, 96)) << "the status bar's panels scale too";
        // The form's design units stay what they were, apart from rounding.
        EXPECT_NEAR(form.Width(), 300, 1);
        EXPECT_NEAR(form.ClientWidth(),
                    MulDiv(now.right - now.left, 96, to) - (form.Width() - form.ClientWidth()), 1);
    }
}

// The room a control gives its text, in pixels at `dpi`: a check box keeps its box and
// the gap after it, a push button its edges.
struct Room {
    bool measured;
    int width;
};

Room RoomFor(Control& control, HWND hwnd, int dpi) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const int width = client.right;
    if (dynamic_cast<CheckBox*>(&control)) return {true, width - MulDiv(13 + 4, dpi, 96)};
    if (dynamic_cast<Button*>(&control)) return {true, width - 2 * MulDiv(4, dpi, 96)};
    if (dynamic_cast<Label*>(&control)) return {true, width};
    return {false, 0};
}

// Whether the control shows its text on more lines than one.
bool Wraps(Control& control, HWND hwnd) {
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    if (dynamic_cast<CheckBox*>(&control)) return (style & BS_MULTILINE) != 0;
    return dynamic_cast<Label*>(&control) && (style & SS_TYPEMASK) == SS_LEFT;
}

// The width of the text on one line, or for a text that wraps, its height at the width
// it has; blanks at the end are never shown.
int TextExtent(HWND hwnd, const std::wstring& text, int wrapWidth, HFONT font = nullptr) {
    HDC dc = GetDC(hwnd);
    if (!font) font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font);
    std::wstring shown;
    for (size_t i = 0; i < text.size(); ++i) // an ampersand marks the next letter's underline
        if (text[i] != L'&' || (i + 1 < text.size() && text[++i] == L'&')) shown += text[i];
    shown.erase(shown.find_last_not_of(L' ') + 1);
    RECT r{0, 0, wrapWidth, 0};
    SIZE size{};
    if (wrapWidth > 0)
        DrawTextW(dc, shown.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    else
        GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return wrapWidth > 0 ? r.bottom : size.cx;
}

// A toolbar button's caption, drawn by its panel in the button's font at this scale
// between its edges.
void ExpectDrawnCaptionFits(Win32Backend& backend, SpeedButton& button, int dpi) {
    HWND panel = backend.HandleOf(*button.Parent());
    if (button.Caption().empty() || !button.Visible() || !IsWindowVisible(panel)) return;
    forms::win32::Resources resources;
    const int text = TextExtent(panel, button.Caption(), 0, resources.FontFor(button.GetFont(), dpi));
    const int room = MulDiv(button.Width(), dpi, 96) - 2 * MulDiv(2, dpi, 96);
    const std::string name(button.Name().begin(), button.Name().end());
    EXPECT_LE(text, room) << "\"" << name << "\" at " << dpi << " DPI: its text takes " << text
                          << " pixels of its " << room;
}

void ExpectTextsFit(Win32Backend& backend, Control& parent, int dpi) {
    for (Control* child : parent.Children()) {
        ExpectTextsFit(backend, *child, dpi);
        if (auto* button = dynamic_cast<SpeedButton*>(child)) {
            ExpectDrawnCaptionFits(backend, *button, dpi);
            continue;
        }
        HWND hwnd = backend.HandleOf(*child);
        if (child->Caption().empty() || !IsWindowVisible(hwnd)) continue;
        const Room room = RoomFor(*child, hwnd, dpi);
        if (!room.measured) continue;
        const std::string name(child->Name().begin(), child->Name().end());
        if (Wraps(*child, hwnd)) {
            RECT client{};
            GetClientRect(hwnd, &client);
            const int height = TextExtent(hwnd, child->Caption(), room.width);
            EXPECT_LE(height, client.bottom)
                << "\"" << name << "\" at " << dpi << " DPI: its "
                << "lines take " << height << " pixels of its " << client.bottom << " in height";
            continue;
        }
        const int text = TextExtent(hwnd, child->Caption(), 0);
        EXPECT_LE(text, room.width) << "\"" << name << "\" at " << dpi << " DPI: its text takes "
                                    << text << " pixels of its " << room.width;
    }
}

TEST(Win32Scale, EveryTextOfTheThreeWindowsFitsItsControlAtEachScale) {
    platform::fake::FakeServices fakes;
    fakes.shell.Folders[platform::csidl::AppData] = L"C:\\Users\\ann\\AppData\\Roaming";
    fakes.files.AddDirectory(L"C:\\Users\\ann\\AppData\\Roaming");
    platform::Services view = fakes.View();
    Win32Backend backend;
    Application app{backend, fakes.messages};
    app::Program program(app, view, app::StartRequest{});
    TForm2& settings = program.Form2();
    Form* forms[] = {&program.Form1(), &settings, &program.AboutBox()};
    for (Form* form : forms) {
        HWND hwnd = backend.HandleOf(*form);
        ShowWindow(hwnd, SW_SHOWNOACTIVATE);
        for (int dpi : kScales) {
            TellScale(hwnd, backend.FormDpi(*form), dpi);
            ExpectTextsFit(backend, *form, dpi);
            if (form != &settings) continue;
            // Each page of the settings, the Clean page's own two included.
            for (PageControl* pages : {&settings.PageControl1, &settings.PageControl2}) {
                for (int i = 0; i < pages->PageCount(); ++i) {
                    if (pages == &settings.PageControl2)
                        settings.PageControl1.SetActivePageIndex(4);
                    pages->SetActivePageIndex(i);
                    ExpectTextsFit(backend, settings, dpi);
                }
            }
            settings.PageControl2.SetActivePageIndex(0);
            settings.PageControl1.SetActivePageIndex(0);
        }
        ShowWindow(hwnd, SW_HIDE);
    }
}

} // namespace
