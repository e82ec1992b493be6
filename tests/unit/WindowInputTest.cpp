#include <gtest/gtest.h>

#include "tests/unit/FrameworkFixture.h"
#include "ui/Bitmap.h"
#include "ui/CButton.h"
#include "ui/CStatic.h"
#include "ui/Graphics.h"

namespace {

using test::Recorder;

const std::vector<UINT> kMouse = {WM_MOUSEMOVE,     WM_LBUTTONDOWN, WM_LBUTTONUP,
                                  WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP,
                                  WM_MOUSEHOVER,    WM_MOUSELEAVE,  WM_CAPTURECHANGED,
                                  WM_COMMAND,       WM_MOVE};

class WindowInputTest : public test::FrameworkTest {
  protected:
    // A 200 × 200 popup at (100, 100).
    void SetUp() override {
        ASSERT_TRUE(top.Create(WS_POPUP | WS_VISIBLE, CRect::FromXywh(100, 100, 200, 200)));
        Pump();
    }

    Recorder top{kMouse};
};

struct HitCase {
    const char* name;
    ui::Point screen;
    const char* receiver;
};

TEST_F(WindowInputTest, PressGoesToTopmostWindowThatTakesTheMouse) {
    Recorder lower(kMouse), upper(kMouse), disabled(kMouse);
    CStatic plain, notify;
    ASSERT_TRUE(lower.Create(WS_CHILD | WS_VISIBLE, CRect{10, 10, 90, 90}, &top, 1));
    ASSERT_TRUE(upper.Create(WS_CHILD | WS_VISIBLE, CRect{50, 50, 130, 130}, &top, 2));
    // Over lower: a disabled window and a label without SS_NOTIFY let presses through.
    ASSERT_TRUE(
        disabled.Create(WS_CHILD | WS_VISIBLE | WS_DISABLED, CRect{10, 10, 30, 30}, &top, 3));
    ASSERT_TRUE(plain.Create(u"plain", WS_VISIBLE, CRect{30, 10, 50, 30}, &top, 4));
    ASSERT_TRUE(notify.Create(u"notify", WS_VISIBLE | SS_NOTIFY, CRect{10, 30, 30, 50}, &top, 5));
    Pump();

    const HitCase cases[] = {
        {"open surface", {100 + 150, 100 + 20}, "top"},
        {"lower only", {100 + 40, 100 + 70}, "lower"},
        {"overlap goes to the later sibling", {100 + 60, 100 + 60}, "upper"},
        {"disabled window lets the press through", {100 + 15, 100 + 15}, "lower"},
        {"plain label lets the press through", {100 + 35, 100 + 15}, "lower"},
        {"label with SS_NOTIFY takes it", {100 + 15, 100 + 35}, "notify"},
    };
    for (const HitCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (Recorder* r : {&top, &lower, &upper, &disabled}) {
            r->seen.clear();
        }
        Click(c.screen);
        const std::string receiver = c.receiver;
        EXPECT_EQ(top.Count(WM_LBUTTONDOWN), receiver == "top" ? 1 : 0);
        EXPECT_EQ(lower.Count(WM_LBUTTONDOWN), receiver == "lower" ? 1 : 0);
        EXPECT_EQ(upper.Count(WM_LBUTTONDOWN), receiver == "upper" ? 1 : 0);
        EXPECT_EQ(disabled.Count(WM_LBUTTONDOWN), 0);
    }
}

TEST_F(WindowInputTest, MouseCoordinatesAreInTheReceiversClientArea) {
    Recorder child(kMouse);
    ASSERT_TRUE(child.Create(WS_CHILD | WS_VISIBLE, CRect{20, 30, 80, 90}, &top, 1));
    Click({100 + 25, 100 + 37});
    ASSERT_EQ(child.Count(WM_LBUTTONDOWN), 1);
    const auto& down =
        child.seen[std::find_if(child.seen.begin(), child.seen.end(),
                                [](const auto& s) { return s.message == WM_LBUTTONDOWN; }) -
                   child.seen.begin()];
    EXPECT_EQ(GET_X_LPARAM(down.lParam), 5);
    EXPECT_EQ(GET_Y_LPARAM(down.lParam), 7);
    EXPECT_EQ(down.wParam & MK_LBUTTON, MK_LBUTTON);
}

TEST_F(WindowInputTest, CaptureGetsMovesOutsideItAndLosesItOnRelease) {
    Recorder child(kMouse);
    ASSERT_TRUE(child.Create(WS_CHILD | WS_VISIBLE, CRect{10, 10, 50, 50}, &top, 1));
    MoveTo({100 + 20, 100 + 20});
    backend.PressButton();
    Pump();
    child.SetCapture();
    EXPECT_EQ(CWnd::GetCapture(), &child);

    child.seen.clear();
    MoveTo({100 + 150, 100 + 150});  // over the popup's own surface
    MoveTo({10, 10});                // off the popup entirely
    ASSERT_EQ(child.Count(WM_MOUSEMOVE), 2);
    EXPECT_EQ(top.Count(WM_MOUSEMOVE), 0);
    EXPECT_EQ(GET_X_LPARAM(child.seen.back().lParam), 10 - 110);
    EXPECT_EQ(GET_Y_LPARAM(child.seen.back().lParam), 10 - 110);

    ReleaseCapture();
    Pump();
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(child.Count(WM_CAPTURECHANGED), 1);
}

TEST_F(WindowInputTest, HoverAfterTheHoverTimeAndLeaveWhenThePointerGoes) {
    Recorder child(kMouse);
    ASSERT_TRUE(child.Create(WS_CHILD | WS_VISIBLE, CRect{10, 10, 50, 50}, &top, 1));
    MoveTo({100 + 20, 100 + 20});
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, child.m_hWnd, 100};
    ASSERT_TRUE(TrackMouseEvent(&track));

    Wait(99);
    EXPECT_EQ(child.Count(WM_MOUSEHOVER), 0);
    Wait(1);
    EXPECT_EQ(child.Count(WM_MOUSEHOVER), 1);
    Wait(1000);
    EXPECT_EQ(child.Count(WM_MOUSEHOVER), 1) << "hover is one-shot";

    MoveTo({100 + 30, 100 + 30});
    EXPECT_EQ(child.Count(WM_MOUSELEAVE), 0) << "still inside";
    MoveTo({100 + 150, 100 + 150});
    EXPECT_EQ(child.Count(WM_MOUSELEAVE), 1);
    MoveTo({100 + 20, 100 + 20});
    MoveTo({100 + 150, 100 + 150});
    EXPECT_EQ(child.Count(WM_MOUSELEAVE), 1) << "leave is one-shot too";
}

TEST_F(WindowInputTest, MovingRestartsTheHoverTime) {
    Recorder child(kMouse);
    ASSERT_TRUE(child.Create(WS_CHILD | WS_VISIBLE, CRect{10, 10, 90, 90}, &top, 1));
    MoveTo({100 + 20, 100 + 20});
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER, child.m_hWnd, 100};
    TrackMouseEvent(&track);
    Wait(60);
    MoveTo({100 + 25, 100 + 25});
    Wait(60);
    EXPECT_EQ(child.Count(WM_MOUSEHOVER), 0);
    Wait(40);
    ASSERT_EQ(child.Count(WM_MOUSEHOVER), 1);
    EXPECT_EQ(GET_X_LPARAM(child.seen.back().lParam), 15);
}

TEST_F(WindowInputTest, LeaveIsReportedAtOnceWhenThePointerIsElsewhere) {
    Recorder child(kMouse);
    ASSERT_TRUE(child.Create(WS_CHILD | WS_VISIBLE, CRect{10, 10, 50, 50}, &top, 1));
    MoveTo({100 + 150, 100 + 150});
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, child.m_hWnd, 0};
    TrackMouseEvent(&track);
    Pump();
    EXPECT_EQ(child.Count(WM_MOUSELEAVE), 1);
}

TEST_F(WindowInputTest, ButtonClickSendsItsIdToTheParentOnlyWhenReleasedInside) {
    CButton button;
    ASSERT_TRUE(button.Create(u"OK", WS_VISIBLE, CRect{10, 10, 60, 40}, &top, 2005));
    Pump();

    Click({100 + 20, 100 + 20});
    ASSERT_EQ(top.Count(WM_COMMAND), 1);
    EXPECT_EQ(LOWORD(top.seen.back().wParam), 2005);
    EXPECT_EQ(HIWORD(top.seen.back().wParam), BN_CLICKED);
    EXPECT_EQ(reinterpret_cast<HWND>(top.seen.back().lParam), button.m_hWnd);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    MoveTo({100 + 20, 100 + 20});
    backend.PressButton();
    Pump();
    EXPECT_EQ(CWnd::GetCapture(), &button) << "a pressed button holds the mouse";
    MoveTo({100 + 150, 100 + 150});
    backend.ReleaseButton();
    Pump();
    EXPECT_EQ(top.Count(WM_COMMAND), 1) << "released outside: no click";
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(WindowInputTest, SpaceClicksAFocusedButton) {
    CButton button;
    ASSERT_TRUE(button.Create(u"OK", WS_VISIBLE, CRect{10, 10, 60, 40}, &top, 7));
    button.SetFocus();
    backend.Key(VK_SPACE, true);
    backend.Key(VK_SPACE, false);
    Pump();
    EXPECT_EQ(top.Count(WM_COMMAND), 1);
}

// Renumbers the right button to the left one for everything inside it.
class RightToLeft : public Recorder {
  public:
    RightToLeft() : Recorder(kMouse) {}
    BOOL PreTranslateMessage(MSG* msg) override {
        pre_translated.push_back(msg->hwnd);
        if (msg->message == WM_RBUTTONDOWN) {
            msg->message = WM_LBUTTONDOWN;
        } else if (msg->message == WM_RBUTTONUP) {
            msg->message = WM_LBUTTONUP;
        }
        return FALSE;
    }
    std::vector<HWND> pre_translated;
};

TEST_F(WindowInputTest, PreTranslationSeesEveryMessageOfItsChildrenAndMayRenumberIt) {
    RightToLeft frame;
    ASSERT_TRUE(frame.Create(WS_POPUP | WS_VISIBLE, CRect::FromXywh(400, 100, 200, 200)));
    Recorder child(kMouse);
    ASSERT_TRUE(child.Create(WS_CHILD | WS_VISIBLE, CRect{10, 10, 100, 100}, &frame, 1));
    Pump();

    Click({400 + 20, 100 + 20}, platform::MouseButton::Right);
    EXPECT_EQ(child.Count(WM_RBUTTONDOWN), 0);
    EXPECT_EQ(child.Count(WM_RBUTTONUP), 0);
    EXPECT_EQ(child.Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(child.Count(WM_LBUTTONUP), 1);
    EXPECT_NE(std::find(frame.pre_translated.begin(), frame.pre_translated.end(), child.m_hWnd),
              frame.pre_translated.end())
        << "the parent's PreTranslateMessage ran for its child's message";

    frame.pre_translated.clear();
    child.PostMessage(WM_USER + 5);
    Pump();
    EXPECT_EQ(frame.pre_translated.size(), 1u) << "posted messages are pre-translated too";
}

TEST_F(WindowInputTest, PostedMessagesAndInputArriveInOrder) {
    Recorder child({WM_USER + 1, WM_USER + 2, WM_LBUTTONDOWN, WM_USER + 3});
    ASSERT_TRUE(child.Create(WS_CHILD | WS_VISIBLE, CRect{0, 0, 200, 200}, &top, 1));
    child.PostMessage(WM_USER + 1);
    child.PostMessage(WM_USER + 2);
    backend.MoveMouse({110, 110});
    backend.PressButton();
    child.PostMessage(WM_USER + 3);
    Pump();
    ASSERT_EQ(child.seen.size(), 4u);
    EXPECT_EQ(child.seen[0].message, WM_USER + 1u);
    EXPECT_EQ(child.seen[1].message, WM_USER + 2u);
    EXPECT_EQ(child.seen[2].message, WM_LBUTTONDOWN);
    EXPECT_EQ(child.seen[3].message, WM_USER + 3u);
}

TEST_F(WindowInputTest, SecondPressSoonAfterIsADoubleClick) {
    Click({100 + 50, 100 + 50});
    backend.AdvanceTime(200);
    Click({100 + 51, 100 + 50});
    EXPECT_EQ(top.Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(top.Count(WM_LBUTTONDBLCLK), 1);
    backend.AdvanceTime(800);
    Click({100 + 51, 100 + 50});
    EXPECT_EQ(top.Count(WM_LBUTTONDOWN), 2) << "too late for a double click";
}

TEST_F(WindowInputTest, MessagesForADestroyedWindowAreDropped) {
    auto child = std::make_unique<Recorder>(std::vector<UINT>{WM_USER});
    ASSERT_TRUE(child->Create(WS_CHILD | WS_VISIBLE, CRect{0, 0, 10, 10}, &top, 1));
    HWND stale = child->m_hWnd;
    child->PostMessage(WM_USER);
    child.reset();
    Pump();
    EXPECT_FALSE(IsWindow(stale));
    EXPECT_FALSE(PostMessage(stale, WM_USER));
}

TEST_F(WindowInputTest, SystemMoveFollowsThePointerAndReportsTheMove) {
    MoveTo({100 + 50, 100 + 50});
    backend.PressButton();
    Pump();
    top.SendMessage(WM_SYSCOMMAND, SC_MOVE | HTCAPTION);
    MoveTo({100 + 80, 100 + 70});
    backend.ReleaseButton();
    Pump();
    CRect rect;
    top.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect::FromXywh(130, 120, 200, 200));
    ASSERT_GE(top.Count(WM_MOVE), 1);
    EXPECT_EQ(GET_X_LPARAM(top.seen.back().lParam), 130);
}

TEST_F(WindowInputTest, TransparentPixelsOfALayeredWindowLetClicksThrough) {
    Recorder layered(kMouse);
    ASSERT_TRUE(layered.Create(WS_POPUP | WS_VISIBLE, CRect::FromXywh(100, 100, 100, 100), nullptr,
                               0, WS_EX_LAYERED));
    auto picture = ui::Bitmap::Create(100, 100);
    ui::Graphics::FromBitmap(*picture)->FillRectangle(ui::Color::FromArgb(255, 200, 0, 0),
                                                      CRect{0, 0, 50, 100});
    ASSERT_TRUE(layered.UpdateLayeredWindow(*picture, {100, 100}));
    Pump();

    Click({100 + 10, 100 + 10});
    EXPECT_EQ(layered.Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(top.Count(WM_LBUTTONDOWN), 0);
    Click({100 + 80, 100 + 10});
    EXPECT_EQ(layered.Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(top.Count(WM_LBUTTONDOWN), 1) << "the window below got the transparent click";
}

TEST_F(WindowInputTest, DisabledTopLevelTakesNoInput) {
    top.EnableWindow(FALSE);
    Click({150, 150});
    EXPECT_EQ(top.Count(WM_LBUTTONDOWN), 0);
    top.EnableWindow(TRUE);
    Click({150, 150});
    EXPECT_EQ(top.Count(WM_LBUTTONDOWN), 1);
}

}  // namespace
