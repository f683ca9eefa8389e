// The native back end against real windows: peers mirror the controls, user changes
// come back, timers and modal loops run, and handler exceptions reach the error box.
// windows.h first: the other system headers build on it.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/list_view.h"
#include "forms/menu.h"
#include "forms/page_control.h"
#include "forms/status_bar.h"
#include "forms/timer.h"
#include "forms/win32/pictures.h"
#include "forms/win32/win32_backend.h"
#include "platform/error.h"
#include "resources/resource_ids.h"

namespace {

using namespace forms;

class RecordingMessageBoxes : public platform::MessageBoxes {
public:
    int Show(const std::wstring& text, const std::wstring&, unsigned flags) override {
        texts.push_back(text);
        this->flags.push_back(flags);
        return platform::answer::Ok;
    }
    std::vector<std::wstring> texts;
    std::vector<unsigned> flags;
};

class MainTestForm : public Form {
public:
    explicit MainTestForm(Application& app) : Form(app, L"MainTestForm") {
        SetCaption(L"Forms test");
        SetBounds({40, 40, 420, 320});
        panel.SetHeight(60);
        panel.SetAlign(Align::Top);
        check.SetBounds({8, 8, 160, 20});
        check.SetCaption(L"Remove temporary files");
        progress.SetBounds({200, 8, 120, 16});
        progress.SetMax(500);
        status.SetHeight(20);
        status.SetAlign(Align::Bottom);
        status.SetPanels({{L"Ready", 120}, {L"0 files", 80}});
        list.CheckBoxes = true;
        list.MultiSelect = true;
        list.RowSelect = true;
        list.SetColumns({{L"File", 100, true}});
        list.SetAlign(Align::Client);
    }
    Panel panel{this, L"Panel1"};
    CheckBox check{&panel, L"CheckBox1"};
    ProgressBar progress{&panel, L"ProgressBar1"};
    StatusBar status{this, L"StatusBar1"};
    ListView list{this, L"ListView1"};
    Timer timer{*this, L"Timer1", 15};
    Timer idle{*this, L"Timer2", 15};
};

class DialogTestForm : public Form {
public:
    explicit DialogTestForm(Application& app) : Form(app, L"DialogTestForm") {
        SetBorderStyle(BorderStyle::Dialog);
        SetCaption(L"Dialog");
        SetBounds({80, 80, 240, 140});
        ok.SetBounds({80, 60, 75, 25});
        ok.SetCaption(L"OK");
        ok.ModalResult = mr::Ok;
        ok.Default = true;
    }
    Button ok{this, L"OkButton"};
    Timer timer{*this, L"Timer1", 15};
    Timer second{*this, L"Timer2", 60};
};

class Win32FormsTest : public ::testing::Test {
protected:
    Win32FormsTest() { app.Title = L"Forms test"; }

    // Pumps the way the program's long loops do until done() or the time is up.
    template <class F> bool PumpUntil(F done, DWORD timeoutMs = 3000) {
        DWORD start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > timeoutMs) return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            app.ProcessMessages();
        }
        return true;
    }
    void PumpFor(DWORD ms) {
        PumpUntil([] { return false; }, ms);
    }
    // The view takes up added and removed rows once the loop runs.
    bool RowsShown(HWND list, int count) {
        return PumpUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == count; });
    }

    Win32Backend backend;
    RecordingMessageBoxes boxes;
    Application app{backend, boxes};
};

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

std::wstring TextOf(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

std::wstring ListItemText(HWND list, int index) {
    wchar_t text[256] = {};
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    return text;
}

bool ListItemSelected(HWND list, int index) {
    return SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED) != 0;
}

int CompareText(const std::wstring& a, const std::wstring& b) {
    return a.compare(b);
}

// --- Windows mirror the controls -----------------------------------------------------

TEST_F(Win32FormsTest, ShownFormHasNativeWindowsOfTheRightKindsAndTexts) {
    MainTestForm form(app);
    form.Show();
    HWND hwnd = backend.HandleOf(form);
    ASSERT_TRUE(IsWindow(hwnd));
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(TextOf(hwnd), L"Forms test");

    HWND panel = backend.HandleOf(form.panel);
    HWND check = backend.HandleOf(form.check);
    HWND list = backend.HandleOf(form.list);
    HWND status = backend.HandleOf(form.status);
    EXPECT_EQ(GetParent(panel), hwnd);
    EXPECT_EQ(GetParent(check), panel) << "a control sits in its parent's window";
    EXPECT_EQ(_wcsicmp(ClassOf(check).c_str(), L"Button"), 0);
    EXPECT_EQ(ClassOf(list), L"SysListView32");
    EXPECT_EQ(ClassOf(status), L"msctls_statusbar32");
    EXPECT_EQ(TextOf(check), L"Remove temporary files");
    EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & LVS_OWNERDATA);
    EXPECT_TRUE(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES);

    wchar_t panelText[64] = {};
    SendMessageW(status, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(panelText));
    EXPECT_STREQ(panelText, L"0 files");
    form.status.SetPanelText(1, L"12 files");
    SendMessageW(status, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(panelText));
    EXPECT_STREQ(panelText, L"12 files");
}

TEST_F(Win32FormsTest, ControlChangesReachTheirWindows) {
    MainTestForm form(app);
    form.Show();
    HWND check = backend.HandleOf(form.check);
    form.check.SetCaption(L"Empty the recycle bin");
    EXPECT_EQ(TextOf(check), L"Empty the recycle bin");
    form.check.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(check));
    form.check.Hide();
    EXPECT_FALSE(IsWindowVisible(check));
    form.SetCaption(L"Renamed");
    EXPECT_EQ(TextOf(backend.HandleOf(form)), L"Renamed");
}

// --- Windows are made when they are needed -------------------------------------------

class LaterTestForm : public Form {
public:
    explicit LaterTestForm(Application& app) : Form(app, L"LaterTestForm") {
        SetBounds({40, 40, 320, 200});
        first.SetBounds({8, 8, 120, 20});
        first.SetCaption(L"First");
        later.SetBounds({8, 32, 200, 40});
        later.SetVisible(false);
        inside.SetBounds({4, 4, 120, 20});
        inside.SetCaption(L"Inside");
        inside.SetHint(L"Shown when the pointer rests on it");
        inside.SetShowHint(true);
        last.SetBounds({8, 80, 120, 20});
        last.SetCaption(L"Last");
    }
    CheckBox first{this, L"First"};
    Panel later{this, L"Later"};
    CheckBox inside{&later, L"Inside"};
    CheckBox last{this, L"Last"};
};

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        children.push_back(c);
    return children;
}

struct ToolTipSearch {
    HWND form;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectToolTips(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<ToolTipSearch*>(lp);
    if (ClassOf(hwnd) == TOOLTIPS_CLASSW && GetWindow(hwnd, GW_OWNER) == search->form)
        search->found.push_back(hwnd);
    return TRUE;
}

// The hint windows this thread made for a form.
std::vector<HWND> ToolTipsOf(HWND form) {
    ToolTipSearch search{form, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectToolTips, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(Win32FormsTest, AHiddenControlsWindowIsMadeWhenItFirstShowsInItsDesignedPlace) {
    LaterTestForm form(app);
    form.Show();
    HWND hwnd = backend.HandleOf(form);
    HWND first = backend.HandleOf(form.first);
    HWND last = backend.HandleOf(form.last);
    EXPECT_EQ(ChildWindows(hwnd), (std::vector<HWND>{first, last}));
    form.later.SetVisible(true);
    HWND later = backend.HandleOf(form.later);
    ASSERT_TRUE(later);
    EXPECT_TRUE(IsWindowVisible(later));
    // Between its siblings, as designed: in the stacking and in the Tab order.
    EXPECT_EQ(ChildWindows(hwnd), (std::vector<HWND>{first, later, last}));
    HWND inside = backend.HandleOf(form.inside);
    EXPECT_EQ(GetParent(inside), later);
    EXPECT_EQ(TextOf(inside), L"Inside");
    EXPECT_EQ(GetNextDlgTabItem(hwnd, first, FALSE), inside);
    // Hidden again and shown again, it keeps the window it has.
    form.later.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(later));
    form.later.SetVisible(true);
    EXPECT_EQ(backend.HandleOf(form.later), later);
}

TEST_F(Win32FormsTest, AHiddenControlsWindowIsMadeHiddenWhenItsHandleIsAskedFor) {
    LaterTestForm form(app);
    form.Show();
    HWND inside = backend.HandleOf(form.inside);
    ASSERT_TRUE(inside);
    EXPECT_FALSE(IsWindowVisible(inside));
    EXPECT_EQ(ChildWindows(backend.HandleOf(form)).size(), 3u);
    form.later.SetVisible(true);
    EXPECT_EQ(backend.HandleOf(form.inside), inside);
    EXPECT_TRUE(IsWindowVisible(inside));
}

TEST_F(Win32FormsTest, HintsWaitForThePointerToComeOverAControlWithOne) {
    LaterTestForm form(app);
    form.later.SetVisible(true);
    form.Show();
    HWND hwnd = backend.HandleOf(form);
    HWND inside = backend.HandleOf(form.inside);
    HWND first = backend.HandleOf(form.first);
    const LPARAM overClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    EXPECT_TRUE(ToolTipsOf(hwnd).empty());
    SendMessageW(first, WM_SETCURSOR, reinterpret_cast<WPARAM>(first), overClient);
    EXPECT_TRUE(ToolTipsOf(hwnd).empty()) << "a control without a hint";
    SendMessageW(inside, WM_SETCURSOR, reinterpret_cast<WPARAM>(inside), overClient);
    const std::vector<HWND> made = ToolTipsOf(hwnd);
    ASSERT_EQ(made.size(), 1u);
    HWND tips = made.front();
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 1);
    wchar_t text[80] = {};
    TTTOOLINFOW ti{};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.hwnd = hwnd;
    ti.uId = reinterpret_cast<UINT_PTR>(inside);
    ti.lpszText = text;
    SendMessageW(tips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&ti));
    EXPECT_STREQ(text, L"Shown when the pointer rests on it");
    // A hint changed from then on reaches the window at once.
    form.inside.SetHint(L"Another");
    SendMessageW(tips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&ti));
    EXPECT_STREQ(text, L"Another");
}

TEST_F(Win32FormsTest, BoundsAreScaledAndTheUsersResizeComesBack) {
    MainTestForm form(app);
    form.Show();
    HWND hwnd = backend.HandleOf(form);
    const int dpi = backend.Dpi();
    auto px = [dpi](int v) { return MulDiv(v, dpi, 96); };

    RECT r{};
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.right - r.left, px(420));
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, px(form.ClientWidth())) << "frame size matches the real frame";

    // As the user drags the border: the form and its aligned children follow.
    SetWindowPos(hwnd, nullptr, 0, 0, px(500), px(360), SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(form.Width(), 500);
    EXPECT_EQ(form.Height(), 360);
    EXPECT_EQ(form.panel.Width(), form.ClientWidth());
    RECT listRect{};
    GetWindowRect(backend.HandleOf(form.list), &listRect);
    EXPECT_EQ(listRect.right - listRect.left, px(form.list.Width()));

    form.SetBounds({60, 50, 300, 200});
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.left, px(60));
    EXPECT_EQ(r.bottom - r.top, px(200));
}

// --- Check boxes -----------------------------------------------------------------------

TEST_F(Win32FormsTest, CheckBoxFollowsCodeAndReportsTheUsersClickOnce) {
    MainTestForm form(app);
    int clicks = 0;
    form.check.OnClick = [&] { ++clicks; };
    form.Show();
    HWND check = backend.HandleOf(form.check);

    form.check.SetChecked(true);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(clicks, 1);

    SendMessageW(check, BM_CLICK, 0, 0); // the user's click
    EXPECT_FALSE(form.check.Checked());
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(clicks, 2) << "one click, one event: no echo from the window";
}

TEST_F(Win32FormsTest, ExceptionInAClickHandlerGoesToTheErrorBox) {
    MainTestForm form(app);
    form.check.OnClick = [] { throw platform::Error(L"Access denied"); };
    form.Show();
    SendMessageW(backend.HandleOf(form.check), BM_CLICK, 0, 0);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], L"Access denied");
    EXPECT_TRUE(boxes.flags[0] & platform::mb::IconStop);
}

// --- List view -------------------------------------------------------------------------

TEST_F(Win32FormsTest, SortedListViewShowsItemsInOrderWithTheirCheckMarks) {
    MainTestForm form(app);
    form.list.SetSorted(CompareText);
    form.Show();
    HWND list = backend.HandleOf(form.list);

    form.list.Add(L"pear");
    form.list.Add(L"apple", true);
    form.list.Add(L"fig");
    ASSERT_TRUE(RowsShown(list, 3));
    EXPECT_EQ(ListItemText(list, 0), L"apple");
    EXPECT_EQ(ListItemText(list, 1), L"fig");
    EXPECT_EQ(ListItemText(list, 2), L"pear");
    auto stateImage = [&](int i) {
        return SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_STATEIMAGEMASK) >>
               12;
    };
    EXPECT_EQ(stateImage(0), 2) << "checked";
    EXPECT_EQ(stateImage(1), 1) << "unchecked";

    form.list.Delete(0);
    ASSERT_TRUE(RowsShown(list, 2));
    EXPECT_EQ(ListItemText(list, 0), L"fig");
    form.list.Clear();
    EXPECT_TRUE(RowsShown(list, 0));
}

TEST_F(Win32FormsTest, ABurstOfAddedRowsIsCheapAndShownSoonAfter) {
    MainTestForm form(app);
    form.Show();
    HWND list = backend.HandleOf(form.list);
    auto buffered = [&] {
        return (SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_DOUBLEBUFFER) != 0;
    };
    EXPECT_FALSE(buffered()) << "an empty view draws straight";
    DWORD start = GetTickCount();
    for (int i = 0; i < 5000; ++i) {
        form.list.Add(L"file" + std::to_wstring(i), true);
        app.ProcessMessages(); // as a scan pumps once per file
    }
    EXPECT_LT(GetTickCount() - start, 2000u) << "not one view update per row";
    EXPECT_TRUE(RowsShown(list, 5000));
    EXPECT_EQ(ListItemText(list, 4999), L"file4999");
    EXPECT_TRUE(buffered()) << "rows coming in this fast would flicker unbuffered";
}

TEST_F(Win32FormsTest, MakeVisibleScrollsToARowJustAdded) {
    MainTestForm form(app);
    form.Show();
    HWND list = backend.HandleOf(form.list);
    for (int i = 0; i < 300; ++i)
        form.list.Add(L"row" + std::to_wstring(i));
    form.list.MakeVisible(250); // before the view took the rows up
    int top = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
    int perPage = static_cast<int>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
    EXPECT_GT(perPage, 0);
    EXPECT_LE(top, 250);
    EXPECT_LT(250, top + perPage);
}

TEST_F(Win32FormsTest, RowsThatComeToFitTheListLeaveItWithoutScrollBars) {
    // As the settings summary is rebuilt: one row too many for the height, then the
    // list cleared, its column renamed and filled with rows that just fit.
    MainTestForm form(app);
    form.Show();
    HWND list = backend.HandleOf(form.list);
    const int perPage = static_cast<int>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
    ASSERT_GT(perPage, 1);
    auto fill = [&](int rows) {
        form.list.Clear();
        form.list.SetColumnCaption(0, L"File");
        for (int i = 0; i < rows; ++i)
            form.list.Add(L"row" + std::to_wstring(i));
        ASSERT_TRUE(RowsShown(list, rows));
        PumpFor(300);
    };
    auto bars = [&] { return GetWindowLongW(list, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL); };
    fill(perPage + 1);
    EXPECT_EQ(bars(), WS_VSCROLL);
    fill(perPage);
    EXPECT_EQ(bars(), 0);
    RECT client{};
    GetClientRect(list, &client);
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), client.right)
        << "the column fills the width the vertical bar gave back";
}

TEST_F(Win32FormsTest, ABurstOfStatusTextsAndPositionsEndsShowingTheLastOfEach) {
    MainTestForm form(app);
    form.Show();
    HWND status = backend.HandleOf(form.status);
    HWND progress = backend.HandleOf(form.progress);
    for (int i = 1; i <= 3000; ++i) {
        form.status.SetPanelText(0, L"Deleting file" + std::to_wstring(i));
        form.progress.SetPosition(i % 500);
        app.ProcessMessagesWhenDue(); // as a walk pumps once per entry
    }
    auto panelText = [&] {
        wchar_t text[64] = {};
        SendMessageW(status, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
        return std::wstring(text);
    };
    // Nothing more is set: the loop alone must bring the last state to the screen.
    EXPECT_TRUE(PumpUntil([&] {
        return panelText() == L"Deleting file3000" &&
               SendMessageW(progress, PBM_GETPOS, 0, 0) == 3000 % 500;
    }, 1500)) << "shown: " << std::string(panelText().begin(), panelText().end());
}

TEST_F(Win32FormsTest, ListSelectionStaysWithItsItemWhenRowsAreInsertedOrRemoved) {
    MainTestForm form(app);
    form.list.SetSorted(CompareText);
    form.Show();
    HWND list = backend.HandleOf(form.list);
    form.list.Add(L"b");
    form.list.Add(L"d");
    form.list.SetSelected(1, true); // "d"
    EXPECT_TRUE(ListItemSelected(list, 1));

    form.list.Add(L"a"); // goes before the selected row
    ASSERT_TRUE(RowsShown(list, 3));
    EXPECT_TRUE(form.list.Item(2).selected);
    EXPECT_TRUE(ListItemSelected(list, 2));
    EXPECT_FALSE(ListItemSelected(list, 1));

    form.list.Delete(0);
    ASSERT_TRUE(RowsShown(list, 2));
    EXPECT_TRUE(ListItemSelected(list, 1));
    EXPECT_FALSE(ListItemSelected(list, 0));
    EXPECT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 1);
}

TEST_F(Win32FormsTest, UsersSelectionInTheViewReachesTheList) {
    MainTestForm form(app);
    std::vector<int> events;
    form.list.OnSelectItem = [&](int i, bool on) { events.push_back(on ? i : -1 - i); };
    form.Show();
    HWND list = backend.HandleOf(form.list);
    for (auto name : {L"one", L"two", L"three"})
        form.list.Add(name);
    ASSERT_TRUE(RowsShown(list, 3));

    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&state));
    EXPECT_TRUE(form.list.Item(2).selected);
    state.state = 0;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    EXPECT_EQ(form.list.SelectedCount(), 0);
    EXPECT_EQ(events, (std::vector<int>{2, -3}));
}

TEST_F(Win32FormsTest, ClickOnACheckBoxInTheViewTogglesTheItem) {
    MainTestForm form(app);
    int clicks = 0;
    form.list.OnClick = [&] { ++clicks; };
    form.Show();
    HWND list = backend.HandleOf(form.list);
    form.list.Add(L"cache");
    ASSERT_TRUE(RowsShown(list, 1));
    RECT item{};
    item.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    LPARAM at = MAKELPARAM(item.left + 8, (item.top + item.bottom) / 2);

    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(form.list.Item(0).checked);
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK) >> 12, 2);
    EXPECT_EQ(clicks, 1);

    form.list.SetSelected(0, true);
    SendMessageW(list, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_FALSE(form.list.Item(0).checked) << "space toggles too";
}

TEST_F(Win32FormsTest, ViewAsksTheProgramForAnItemsImage) {
    MainTestForm form(app);
    form.list.Images = SmallImages::SystemIcons;
    std::vector<int> asked;
    form.list.OnGetImageIndex = [&](int i) {
        asked.push_back(i);
        form.list.SetImageIndex(i, 7);
    };
    form.Show();
    HWND list = backend.HandleOf(form.list);
    EXPECT_NE(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);
    form.list.Add(L"setup.log");
    ASSERT_TRUE(RowsShown(list, 1));
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = 0;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.iImage, 7);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), 0);
}

// --- Timers and the message loop -----------------------------------------------------

TEST_F(Win32FormsTest, EnabledTimerFiresInTheLoopAndADisabledOneDoesNot) {
    MainTestForm form(app);
    int ticks = 0, idleTicks = 0;
    form.timer.OnTimer = [&] { ++ticks; };
    form.idle.OnTimer = [&] { ++idleTicks; };
    form.timer.SetEnabled(true);
    form.idle.SetEnabled(true);
    form.idle.SetEnabled(false);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    EXPECT_EQ(idleTicks, 0);

    form.timer.SetEnabled(false);
    int before = ticks;
    PumpFor(80);
    EXPECT_EQ(ticks, before) << "no tick after disabling";
}

TEST_F(Win32FormsTest, ProcessMessagesReturnsAtOnceAndHandlesWhatIsQueued) {
    MainTestForm main(app);
    DialogTestForm other(app);
    app.SetMainForm(main);
    main.Show();
    other.Show();
    PumpFor(30);
    app.ProcessMessages(); // nothing queued: must not wait

    PostMessageW(backend.HandleOf(other), WM_CLOSE, 0, 0);
    app.ProcessMessages();
    EXPECT_FALSE(other.Showing()) << "a form that is not the main one hides on close";
    EXPECT_FALSE(IsWindowVisible(backend.HandleOf(other)));
    EXPECT_FALSE(app.Terminated());
}

TEST_F(Win32FormsTest, RunEndsWhenTheMainFormClosesAndItsCloseQueryAgrees) {
    MainTestForm form(app);
    app.SetMainForm(form);
    int queries = 0;
    form.OnCloseQuery = [&](bool& canClose) { canClose = ++queries > 1; };
    form.timer.OnTimer = [&] { PostMessageW(backend.HandleOf(form), WM_CLOSE, 0, 0); };
    form.timer.SetEnabled(true);
    app.Run();
    EXPECT_TRUE(app.Terminated());
    EXPECT_EQ(queries, 2) << "the first close was refused";
    EXPECT_FALSE(IsWindowVisible(backend.HandleOf(form)));
}

// --- Modal forms -----------------------------------------------------------------------

TEST_F(Win32FormsTest, ModalLoopEndsWhenAButtonWithAResultIsClicked) {
    MainTestForm main(app);
    DialogTestForm dialog(app);
    app.SetMainForm(main);
    main.Show();
    HWND mainHwnd = backend.HandleOf(main);
    bool mainDisabled = false;
    dialog.timer.OnTimer = [&] {
        mainDisabled = !IsWindowEnabled(mainHwnd);
        PostMessageW(backend.HandleOf(dialog.ok), BM_CLICK, 0, 0);
    };
    dialog.timer.SetEnabled(true);

    EXPECT_EQ(dialog.ShowModal(), mr::Ok);
    EXPECT_TRUE(mainDisabled) << "other forms are disabled while a modal one runs";
    EXPECT_TRUE(IsWindowEnabled(mainHwnd));
    EXPECT_FALSE(IsWindowVisible(backend.HandleOf(dialog)));
    EXPECT_EQ(GetWindow(backend.HandleOf(dialog), GW_OWNER), mainHwnd);
}

TEST_F(Win32FormsTest, RefusedCloseQueryKeepsTheModalFormOpen) {
    DialogTestForm dialog(app);
    int queries = 0;
    dialog.OnCloseQuery = [&](bool& canClose) { canClose = ++queries > 1; };
    dialog.timer.OnTimer = [&] { dialog.ok.Click(); };
    dialog.timer.SetEnabled(true);
    EXPECT_EQ(dialog.ShowModal(), mr::Ok);
    EXPECT_EQ(queries, 2);
}

TEST_F(Win32FormsTest, ExceptionInATimerHandlerIsShownAndTheLoopGoesOn) {
    DialogTestForm dialog(app);
    dialog.timer.OnTimer = [&] {
        dialog.timer.SetEnabled(false);
        throw platform::Error(L"The disk is full");
    };
    dialog.second.OnTimer = [&] { dialog.ok.Click(); };
    dialog.timer.SetEnabled(true);
    dialog.second.SetEnabled(true);
    EXPECT_EQ(dialog.ShowModal(), mr::Ok);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], L"The disk is full");
    EXPECT_TRUE(boxes.flags[0] & platform::mb::IconStop);
}

TEST_F(Win32FormsTest, EnterClicksTheDefaultButton) {
    DialogTestForm dialog(app);
    dialog.timer.OnTimer = [&] {
        dialog.timer.SetEnabled(false);
        HWND ok = backend.HandleOf(dialog.ok);
        PostMessageW(ok, WM_KEYDOWN, VK_RETURN, 0);
    };
    dialog.timer.SetEnabled(true);
    EXPECT_EQ(dialog.ShowModal(), mr::Ok);
}

// --- Other controls --------------------------------------------------------------------

class PagesTestForm : public Form {
public:
    explicit PagesTestForm(Application& app) : Form(app, L"PagesTestForm") {
        SetBounds({60, 60, 360, 260});
        pages.SetAlign(Align::Client);
        edit.SetBounds({8, 8, 50, 21});
        upDown.SetBounds({58, 8, 16, 21});
        upDown.SetRange(1, 10);
        upDown.SetAssociate(&edit);
        upDown.SetPosition(5);
        popup.Items = {&first, &second};
        first.Caption = L"Select all";
        second.Caption = L"Select none";
        label.SetBounds({8, 40, 120, 16});
        label.SetCaption(L"Right-click me");
        label.PopupMenu = &popup;
    }
    PageControl pages{this, L"PageControl1"};
    TabSheet general{pages, L"TabSheet1", L"General"};
    TabSheet advanced{pages, L"TabSheet2", L"Advanced"};
    Edit edit{&general, L"Edit1"};
    UpDown upDown{&general, L"UpDown1"};
    Label label{&advanced, L"Label1"};
    MenuItem first{L"MenuItem1"};
    MenuItem second{L"MenuItem2"};
    forms::PopupMenu popup{L"PopupMenu1"};
    Timer timer{*this, L"Timer1", 30};
};

TEST_F(Win32FormsTest, TabSwitchingBothWays) {
    PagesTestForm form(app);
    form.Show();
    HWND tabs = backend.HandleOf(form.pages);
    EXPECT_EQ(ClassOf(tabs), L"SysTabControl32");
    EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);

    form.pages.SetActivePageIndex(1);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(backend.HandleOf(form.advanced)));
    EXPECT_FALSE(IsWindowVisible(backend.HandleOf(form.general)));

    // The user picks the first tab: the control selects it and tells its parent.
    SendMessageW(tabs, TCM_SETCURSEL, 0, 0);
    NMHDR change{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(GetParent(tabs), WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(form.pages.ActivePageIndex(), 0);
    EXPECT_TRUE(IsWindowVisible(backend.HandleOf(form.general)));

    form.advanced.SetCaption(L"Expert");
    wchar_t text[32] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 32;
    SendMessageW(tabs, TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, L"Expert");
}

TEST_F(Win32FormsTest, UpDownAndItsBuddyFollowTheUser) {
    PagesTestForm form(app);
    form.Show();
    HWND edit = backend.HandleOf(form.edit);
    HWND upDown = backend.HandleOf(form.upDown);
    EXPECT_EQ(TextOf(edit), L"5");
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(upDown, UDM_GETBUDDY, 0, 0)), edit);

    SetWindowTextW(edit, L"8"); // typed
    EXPECT_EQ(form.edit.Text(), L"8");
    EXPECT_EQ(form.upDown.Position(), 8);

    // The up arrow, clicked: the window moves its position and tells the parent.
    SendMessageW(upDown, UDM_SETPOS32, 0, 9);
    SendMessageW(GetParent(upDown), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 9),
                 reinterpret_cast<LPARAM>(upDown));
    EXPECT_EQ(form.upDown.Position(), 9);
    EXPECT_EQ(TextOf(edit), L"9");

    form.upDown.SetPosition(50);
    EXPECT_EQ(SendMessageW(upDown, UDM_GETPOS32, 0, 0), 10) << "kept in range";
}

TEST_F(Win32FormsTest, RightClickOpensThePopupMenuAndRunsTheChosenItem) {
    PagesTestForm form(app);
    form.pages.SetActivePageIndex(1);
    form.Show();
    bool popped = false, chosen = false;
    form.popup.OnPopup = [&] {
        popped = true;
        form.second.Checked = true;
    };
    form.second.OnClick = [&] { chosen = true; };
    // While the menu runs its own loop, keys pick the second item.
    form.timer.OnTimer = [&] {
        form.timer.SetEnabled(false);
        HWND menu = FindWindowW(L"#32768", nullptr);
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    };
    form.timer.SetEnabled(true);
    HWND label = backend.HandleOf(form.label);
    RECT r{};
    GetWindowRect(label, &r);
    SendMessageW(label, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(label),
                 MAKELPARAM(r.left + 2, r.top + 2));
    EXPECT_TRUE(popped);
    EXPECT_TRUE(chosen);
}

// --- Toolbar buttons, drawn by the panel they lie on --------------------------------

class ToolbarTestForm : public Form {
public:
    explicit ToolbarTestForm(Application& app) : Form(app, L"ToolbarTestForm") {
        SetBounds({40, 40, 320, 160});
        bar.SetHeight(60);
        bar.SetAlign(Align::Top);
        clean.SetBounds({4, 4, 52, 52});
        clean.SetCaption(L"Clean");
        clean.SetGlyph(IDI_GLYPH_CLEAN);
        clean.SetHint(L"Start cleaning");
        clean.SetShowHint(true);
        exit.SetBounds({60, 4, 52, 52});
        exit.SetCaption(L"Exit");
        exit.SetGlyph(IDI_GLYPH_STOP);
    }
    Panel bar{this, L"Panel2"};
    SpeedButton clean{&bar, L"SpeedButton6"};
    SpeedButton exit{&bar, L"SpeedButton3"};
};

// The pixels of an area of a window that differ from its colour at the area's corner.
int InkIn(HWND hwnd, const RECT& r) {
    UpdateWindow(hwnd);
    HDC dc = GetDC(hwnd);
    const COLORREF face = GetPixel(dc, r.left + 1, r.top + 1);
    int ink = 0;
    for (int y = r.top; y < r.bottom; y += 2)
        for (int x = r.left; x < r.right; x += 2)
            ink += GetPixel(dc, x, y) != face;
    ReleaseDC(hwnd, dc);
    return ink;
}

TEST_F(Win32FormsTest, AToolbarButtonIsDrawnByItsPanelAndTakesAPressReleasedOverIt) {
    struct Case {
        const char* what;
        bool cleanEnabled, cleanShown;
        std::vector<std::pair<UINT, POINT>> pointer; // in the panel's design pixels
        int cleanClicks, exitClicks, panelClicks;
    };
    const POINT onClean{30, 30}, onExit{86, 30}, beside{200, 30};
    const Case cases[] = {
        {"pressed and released over it", true, true,
         {{WM_LBUTTONDOWN, onClean}, {WM_LBUTTONUP, onClean}}, 1, 0, 0},
        {"released over another", true, true,
         {{WM_LBUTTONDOWN, onClean}, {WM_MOUSEMOVE, onExit}, {WM_LBUTTONUP, onExit}}, 0, 0, 0},
        {"taken off and brought back", true, true,
         {{WM_LBUTTONDOWN, onClean}, {WM_MOUSEMOVE, beside}, {WM_MOUSEMOVE, onClean},
          {WM_LBUTTONUP, onClean}}, 1, 0, 0},
        {"the second press of a double click", true, true,
         {{WM_LBUTTONDBLCLK, onClean}, {WM_LBUTTONUP, onClean}}, 1, 0, 0},
        {"disabled", false, true, {{WM_LBUTTONDOWN, onClean}, {WM_LBUTTONUP, onClean}}, 0, 0, 0},
        {"hidden: the panel's own click", true, false,
         {{WM_LBUTTONDOWN, onClean}, {WM_LBUTTONUP, onClean}}, 0, 0, 1},
        {"the other button", true, true, {{WM_LBUTTONDOWN, onExit}, {WM_LBUTTONUP, onExit}}, 0, 1, 0},
    };
    for (const Case& c : cases) {
        ToolbarTestForm form(app);
        int clean = 0, exit = 0, panel = 0;
        form.clean.OnClick = [&] { ++clean; };
        form.exit.OnClick = [&] { ++exit; };
        form.bar.OnClick = [&] { ++panel; };
        form.clean.SetEnabled(c.cleanEnabled);
        form.Show();
        form.clean.SetVisible(c.cleanShown);
        HWND bar = backend.HandleOf(form.bar);
        EXPECT_EQ(backend.HandleOf(form.clean), nullptr) << c.what << ": no window of its own";
        const int dpi = backend.FormDpi(form);
        for (const auto& [msg, at] : c.pointer)
            SendMessageW(bar, msg, msg == WM_MOUSEMOVE ? 0 : MK_LBUTTON,
                         MAKELPARAM(MulDiv(at.x, dpi, 96), MulDiv(at.y, dpi, 96)));
        EXPECT_EQ(clean, c.cleanClicks) << c.what;
        EXPECT_EQ(exit, c.exitClicks) << c.what;
        EXPECT_EQ(panel, c.panelClicks) << c.what;
        EXPECT_NE(GetCapture(), bar) << c.what << ": the mouse is let go";
        const RECT area{MulDiv(4, dpi, 96), MulDiv(4, dpi, 96), MulDiv(56, dpi, 96),
                        MulDiv(56, dpi, 96)};
        if (c.cleanShown)
            EXPECT_GT(InkIn(bar, area), 5) << c.what << ": its caption is drawn";
        else
            EXPECT_EQ(InkIn(bar, area), 0) << c.what << ": hidden, only the panel's face";
    }
}

TEST_F(Win32FormsTest, AToolbarButtonsHintCoversWhereItIsDrawn) {
    ToolbarTestForm form(app);
    form.Show();
    HWND hwnd = backend.HandleOf(form);
    HWND bar = backend.HandleOf(form.bar);
    SendMessageW(bar, WM_SETCURSOR, reinterpret_cast<WPARAM>(bar),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    const std::vector<HWND> made = ToolTipsOf(hwnd);
    ASSERT_EQ(made.size(), 1u) << "made when the pointer comes over the panel";
    HWND tips = made.front();
    const auto tool = [&] {
        static wchar_t text[80];
        TTTOOLINFOW ti{};
        ti.cbSize = TTTOOLINFOW_V2_SIZE;
        ti.lpszText = text;
        text[0] = 0;
        SendMessageW(tips, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&ti));
        return ti;
    };
    const int dpi = backend.FormDpi(form);
    const auto placed = [&](int left) {
        return RECT{MulDiv(left, dpi, 96), MulDiv(4, dpi, 96), MulDiv(left + 52, dpi, 96),
                    MulDiv(56, dpi, 96)};
    };
    ASSERT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 1) << "only the button with a hint";
    TTTOOLINFOW ti = tool();
    EXPECT_EQ(ti.hwnd, bar);
    EXPECT_STREQ(ti.lpszText, L"Start cleaning");
    RECT want = placed(4);
    EXPECT_TRUE(EqualRect(&ti.rect, &want));
    form.clean.SetLeft(150);
    ti = tool();
    want = placed(150);
    EXPECT_TRUE(EqualRect(&ti.rect, &want)) << "the hint moves with the button";
    form.clean.Hide();
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 0) << "a hidden button shows no hint";
}

// --- Pictures ------------------------------------------------------------------------

TEST(Win32Pictures, IconsUnderConsecutiveNumbersMakeOneListOfTheAskedSize) {
    HMODULE shell = LoadLibraryW(L"shell32.dll");
    auto list = win32::LoadPictures(shell, 1, 3, 16);
    ASSERT_TRUE(list);
    EXPECT_EQ(ImageList_GetImageCount(list.Get()), 3);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(list.Get(), &cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);
}

// What draw paints on white, pixel by pixel.
template <class Draw>
std::vector<COLORREF> DrawnOnWhite(Draw draw, int size) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    win32::UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    win32::UniqueBitmap bitmap(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    win32::SelectedObject selected(dc.Get(), bitmap.Get());
    RECT all{0, 0, size, size};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    draw(dc.Get());
    std::vector<COLORREF> pixels;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            pixels.push_back(GetPixel(dc.Get(), x, y));
    return pixels;
}

// What a picture list draws at the given place on white, pixel by pixel.
std::vector<COLORREF> DrawnOnWhite(HIMAGELIST list, int index, int size) {
    return DrawnOnWhite([&](HDC dc) { ImageList_Draw(list, index, dc, 0, 0, ILD_NORMAL); }, size);
}

// The program's own pictures, read from the program beside the tests.
HMODULE ProgramPictures() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring program = path;
    program = program.substr(0, program.find_last_of(L"\\/") + 1) + L"WindowsTidyhawk.exe";
    return LoadLibraryExW(program.c_str(), nullptr,
                          LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}

TEST(Win32Pictures, IconsDrawExactlyAsTheSystemsOwnIconCopyDrawsThem) {
    // The toolbar glyphs and the results pictures have soft, partly transparent edges,
    // which must survive the way icons are put into a list: compared with a list the
    // system fills from the same icons itself.
    HMODULE program = ProgramPictures();
    ASSERT_TRUE(program);
    struct Case {
        int first, count, size;
    };
    for (Case c : {Case{IDI_GLYPH_CLEAN, 1, 0}, Case{IDI_RESULTS_FIRST, 5, 16}}) {
        auto list = win32::LoadPictures(program, c.first, c.count, c.size);
        ASSERT_TRUE(list);
        int cx = 0, cy = 0;
        ImageList_GetIconSize(list.Get(), &cx, &cy);
        ASSERT_EQ(ImageList_GetImageCount(list.Get()), c.count);
        win32::UniqueImageList reference(ImageList_Create(cx, cy, ILC_COLOR32 | ILC_MASK, 1, 0));
        for (int k = 0; k < c.count; ++k) {
            win32::UniqueIcon icon(static_cast<HICON>(
                LoadImageW(program, MAKEINTRESOURCEW(c.first + k), IMAGE_ICON, cx, cy, 0)));
            ASSERT_TRUE(icon);
            ImageList_AddIcon(reference.Get(), icon.Get());
        }
        for (int k = 0; k < c.count; ++k)
            EXPECT_EQ(DrawnOnWhite(list.Get(), k, cx), DrawnOnWhite(reference.Get(), k, cx))
                << "picture " << c.first + k;
    }
    FreeLibrary(program);
}

TEST(Win32Pictures, AGlyphReadForBlendingDrawsAsItsPictureListDoesAtEveryScale) {
    // Read straight from the resource (rows from the bottom, colours weighed by their
    // alpha as blending takes them): the same pixels, to a rounding, as the list shows.
    HMODULE program = ProgramPictures();
    ASSERT_TRUE(program);
    for (int id : {IDI_GLYPH_CLEAN, IDI_GLYPH_ANALYZE, IDI_GLYPH_EXIT}) {
        for (int size : {32, 40, 48, 64}) {
            auto picture = win32::AlphaPicture::Load(program, id, size);
            ASSERT_TRUE(picture) << "icon " << id << " at " << size;
            auto list = win32::LoadPictures(program, id, 1, size);
            const std::vector<COLORREF> drawn =
                DrawnOnWhite([&](HDC dc) { picture->Draw(dc, 0, 0); }, size);
            const std::vector<COLORREF> expected =
                DrawnOnWhite([&](HDC dc) { ImageList_Draw(list.Get(), 0, dc, 0, 0, ILD_NORMAL); },
                             size);
            int worst = 0;
            for (size_t i = 0; i < drawn.size(); ++i)
                for (int shift : {0, 8, 16})
                    worst = std::max(worst, std::abs(static_cast<int>((drawn[i] >> shift) & 0xFF) -
                                                     static_cast<int>((expected[i] >> shift) & 0xFF)));
            EXPECT_LE(worst, 2) << "icon " << id << " at " << size;
        }
    }
    // No drawing made for the size (the icon would be stretched): left to the list.
    EXPECT_FALSE(win32::AlphaPicture::Load(program, IDI_GLYPH_CLEAN, 33));
    EXPECT_FALSE(win32::AlphaPicture::Load(program, 31999, 32));
    FreeLibrary(program);
}

// The width of the drawing an icon resource holds for this size, as the system picks it.
int DrawnSizeFor(HMODULE module, int id, int size) {
    HRSRC group =
        FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    if (!group) return 0;
    auto* dir = static_cast<PBYTE>(LockResource(LoadResource(module, group)));
    int image = LookupIconIdFromDirectoryEx(dir, TRUE, size, size, LR_DEFAULTCOLOR);
    HRSRC icon = FindResourceW(module, MAKEINTRESOURCEW(image), MAKEINTRESOURCEW(3)); // RT_ICON
    if (!icon) return 0;
    return static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, icon)))->biWidth;
}

TEST(Win32Pictures, EachScaleGetsTheDrawingMadeForItsSize) {
    // 100, 125, 150 and 200 percent of the results pictures' 16 pixels and the glyphs' 32:
    // every icon holds a drawing of each size, so none is shown stretched.
    HMODULE program = ProgramPictures();
    ASSERT_TRUE(program);
    const int icons[] = {IDI_RESULTS_INFORMATION,  IDI_RESULTS_FOLDER_DELETED,
                         IDI_RESULTS_FILE_DELETED, IDI_RESULTS_WARNING,
                         IDI_GLYPH_CLEAN,          IDI_GLYPH_STOP,
                         IDI_GLYPH_OPTIONS,        IDI_GLYPH_HELP,
                         IDI_GLYPH_FILE_LIST,      IDI_GLYPH_RENAME,
                         IDI_GLYPH_ABOUT,          IDI_GLYPH_EXIT,
                         IDI_GLYPH_ANALYZE};
    for (int id : icons) {
        for (int size : {16, 20, 24, 32, 40, 48, 64}) {
            EXPECT_EQ(DrawnSizeFor(program, id, size), size) << "icon " << id << " at " << size;
            auto list = win32::LoadPictures(program, id, 1, size);
            int cx = 0, cy = 0;
            ImageList_GetIconSize(list.Get(), &cx, &cy);
            EXPECT_EQ(cx, size) << "icon " << id;
        }
    }
    // The about picture: its own drawing for each scale's width, the nearest for others.
    struct Case {
        int asked, width;
    };
    for (Case c : {Case{312, 312}, Case{390, 390}, Case{468, 468}, Case{624, 624}, Case{0, 312},
                   Case{400, 390}, Case{1000, 624}}) {
        auto list = win32::LoadPictures(program, IDB_ABOUT_PICTURE, 1, c.asked);
        int cx = 0, cy = 0;
        ImageList_GetIconSize(list.Get(), &cx, &cy);
        EXPECT_EQ(cx, c.width) << "asked for " << c.asked;
    }
    FreeLibrary(program);
}

TEST(Win32Pictures, ABitmapStripIsCutIntoSquareFrames) {
    HMODULE controls = LoadLibraryW(L"comctl32.dll");
    constexpr int kStandardToolbarStrip = 120; // the small standard toolbar pictures
    auto list = win32::LoadPictures(controls, kStandardToolbarStrip, 64, 0);
    ASSERT_TRUE(list);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(list.Get(), &cx, &cy);
    EXPECT_EQ(cx, cy);
    EXPECT_GT(ImageList_GetImageCount(list.Get()), 1);
}

TEST(Win32Pictures, NoNumberOrAMissingOneGivesNothing) {
    HMODULE shell = LoadLibraryW(L"shell32.dll");
    EXPECT_FALSE(win32::LoadPictures(shell, 0, 1, 16));
    EXPECT_FALSE(win32::LoadPictures(GetModuleHandleW(nullptr), 31999, 1, 16));
}

} // namespace
