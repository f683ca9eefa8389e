#include <stdexcept>

#include <gtest/gtest.h>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/headless/headless_backend.h"
#include "forms/list_view.h"
#include "forms/timer.h"
#include "platform/fake/fake_services.h"

namespace {

class FormsTest : public ::testing::Test {
protected:
    platform::fake::FakeMessageBoxes boxes;
    forms::HeadlessBackend backend;
    forms::Application app{backend, boxes};
    forms::Form form{app, L"Form"};
};

TEST_F(FormsTest, EnablingAnEnabledTimerDoesNotRestartIt) {
    forms::Timer timer(form, L"T", 200);
    int fired = 0;
    timer.OnTimer = [&] {
        timer.SetEnabled(false);
        ++fired;
    };
    timer.SetEnabled(true);
    backend.Advance(150);
    timer.SetEnabled(true);
    backend.Advance(50);
    EXPECT_EQ(fired, 1);
    backend.Advance(1000);
    EXPECT_EQ(fired, 1) << "a one-shot timer that disabled itself stays quiet";
}

TEST_F(FormsTest, TimersFireInsideNestedPumpsAndInDueOrder) {
    forms::Timer slow(form, L"Slow", 300), fast(form, L"Fast", 100);
    std::vector<std::wstring> order;
    fast.OnTimer = [&] { order.push_back(L"fast"); };
    slow.OnTimer = [&] {
        slow.SetEnabled(false);
        order.push_back(L"slow-begin");
        backend.PumpAdvanceMs = 60;
        for (int i = 0; i < 5; ++i) app.ProcessMessages(); // a long handler pumping
        backend.PumpAdvanceMs = 0;
        order.push_back(L"slow-end");
    };
    slow.SetEnabled(true);
    fast.SetEnabled(true);
    backend.Advance(300);
    // Due together at 300, the timer enabled first goes first; the fast one catches up
    // inside the slow handler's pumps, at 360, 480 and 600.
    std::vector<std::wstring> expected = {L"fast",     L"fast", L"slow-begin", L"fast",
                                          L"fast", L"fast", L"slow-end"};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(backend.Now(), 600u) << "time never runs backwards after a long handler";
    backend.Advance(100);
    EXPECT_EQ(order.back(), L"fast");
}

TEST_F(FormsTest, ExceptionsInHandlersGoToTheBoxAndTheLoopGoesOn) {
    app.Title = L"Tool";
    forms::Timer timer(form, L"T", 10);
    int fired = 0;
    timer.OnTimer = [&] {
        if (++fired == 1) throw platform::Error(L"Access is denied.");
        throw std::runtime_error("not a platform error");
    };
    timer.SetEnabled(true);
    backend.Advance(20);
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(boxes.Shown[0].text, L"Access is denied.");
    EXPECT_EQ(boxes.Shown[0].caption, L"Tool");
    EXPECT_EQ(boxes.Shown[0].flags & platform::mb::IconStop, platform::mb::IconStop);
    EXPECT_EQ(boxes.Shown[1].text, L"");
}

TEST_F(FormsTest, QueuedInputRunsInTheChosenPump) {
    int clicks = 0;
    backend.QueueInput([&] { ++clicks; }, 2);
    app.ProcessMessages();
    app.ProcessMessages();
    EXPECT_EQ(clicks, 0);
    app.ProcessMessages();
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormsTest, CheckBoxFiresItsClickOnlyOnAChange) {
    forms::CheckBox box(&form, L"Box");
    int clicks = 0;
    box.OnClick = [&] { ++clicks; };
    box.SetChecked(true);
    box.SetChecked(true);
    box.SetChecked(false);
    EXPECT_EQ(clicks, 2);
    box.Click(); // the user's click toggles
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(clicks, 3);
}

TEST_F(FormsTest, SortedListKeepsCaptionOrderAndSelectionRules) {
    platform::fake::FakeLocale locale;
    forms::ListView list(&form, L"List");
    list.SetSorted([&](const std::wstring& a, const std::wstring& b) { return locale.Compare(a, b); });
    for (const wchar_t* c : {L"d:\\x", L"C:\\b", L"c:\\b", L"C:\\A"}) list.Add(c, true);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Item(0).caption, L"C:\\A");
    EXPECT_EQ(list.Item(1).caption, L"c:\\b");
    EXPECT_EQ(list.Item(2).caption, L"C:\\b");
    EXPECT_EQ(list.Item(3).caption, L"d:\\x");
    EXPECT_EQ(list.FindCaption(L"C:\\B"), -1) << "finding a caption is exact";

    std::vector<int> reported;
    list.OnSelectItem = [&](int i, bool on) {
        if (on) reported.push_back(i);
    };
    list.SetSelected(0, true);
    list.SetSelected(2, true);
    EXPECT_EQ(list.SelectedCount(), 1) << "single selection drops the earlier one";
    list.MultiSelect = true;
    list.SetSelected(3, true);
    EXPECT_EQ(list.SelectedCount(), 2);
    EXPECT_EQ(reported, (std::vector<int>{0, 2, 3}));
}

TEST_F(FormsTest, UpDownKeepsItsRangeAndShowsItInTheBuddy) {
    forms::Edit edit(&form, L"Edit");
    forms::UpDown updown(&form, L"UpDown");
    updown.SetRange(1, 32000);
    updown.SetAssociate(&edit);
    updown.SetPosition(40000);
    EXPECT_EQ(updown.Position(), 32000);
    EXPECT_EQ(edit.Text(), L"32000");
    edit.SetText(L"12abc");
    updown.BuddyEdited();
    EXPECT_EQ(updown.Position(), 12);
    edit.SetText(L"none");
    updown.BuddyEdited();
    EXPECT_EQ(updown.Position(), 12);
}

TEST_F(FormsTest, AlignedChildrenShareTheClientArea) {
    form.SetClientSize(400, 300);
    forms::Panel top(&form, L"Top"), bottom(&form, L"Bottom");
    forms::ListView fill(&form, L"Fill");
    top.SetHeight(65);
    top.SetAlign(forms::Align::Top);
    bottom.SetHeight(21);
    bottom.SetAlign(forms::Align::Bottom);
    fill.SetAlign(forms::Align::Client);
    EXPECT_EQ(fill.Bounds(), (forms::Rect{0, 65, 400, 214}));
    EXPECT_EQ(bottom.Bounds(), (forms::Rect{0, 279, 400, 21}));
    form.SetClientSize(500, 400);
    EXPECT_EQ(fill.Bounds(), (forms::Rect{0, 65, 500, 314}));
    top.SetVisible(false);
    EXPECT_EQ(fill.Top(), 0);
}

TEST_F(FormsTest, ModalFormRevertsOnCloseUnlessAccepted) {
    forms::Form dialog(app, L"Dialog");
    forms::Button ok(&dialog, L"OK");
    ok.ModalResult = forms::mr::Ok;
    int queries = 0;
    dialog.OnCloseQuery = [&](bool&) { ++queries; };
    backend.QueueModal([&](forms::Form&) { ok.Click(); });
    EXPECT_EQ(dialog.ShowModal(), forms::mr::Ok);
    EXPECT_FALSE(dialog.Showing());
    EXPECT_EQ(dialog.ShowModal(), forms::mr::Cancel) << "no script: the user closed it";
    EXPECT_EQ(queries, 2);
}

} // namespace
