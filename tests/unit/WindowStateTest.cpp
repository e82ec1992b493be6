#include <gtest/gtest.h>

#include "tests/unit/FrameworkFixture.h"

namespace {

using test::Recorder;

class WindowStateTest : public test::FrameworkTest {
  protected:
    void SetUp() override {
        backend.SetWorkArea({60, 0, 1920, 1040});
        ASSERT_TRUE(top.Create(WS_POPUP, CRect::FromXywh(200, 100, 400, 300)));
    }

    Recorder top{{WM_MOVE, WM_SIZE}};
};

TEST_F(WindowStateTest, MaximiseFillsTheWorkAreaAndRestoreReturnsToTheNormalPlace) {
    top.ShowWindow(SW_SHOWMAXIMIZED);
    CRect rect;
    top.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(60, 0, 1920, 1040));
    EXPECT_TRUE(top.IsZoomed());
    ASSERT_FALSE(top.seen.empty());
    EXPECT_EQ(top.seen.back().message, WM_SIZE);
    EXPECT_EQ(top.seen.back().wParam, SIZE_MAXIMIZED);
    EXPECT_EQ(LOWORD(top.seen.back().lParam), 1860);

    top.ShowWindow(SW_SHOWNORMAL);
    top.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect::FromXywh(200, 100, 400, 300));
    EXPECT_FALSE(top.IsZoomed());
    EXPECT_EQ(top.seen.back().wParam, SIZE_RESTORED);
    EXPECT_EQ(backend.Windows().back()->geometry, rect) << "the native window followed";
}

TEST_F(WindowStateTest, MinimiseReportsSizeMinimizedAndKeepsThePlace) {
    top.ShowWindow(SW_SHOW);
    top.ShowWindow(SW_MINIMIZE);
    EXPECT_TRUE(top.IsIconic());
    EXPECT_EQ(top.seen.back().wParam, SIZE_MINIMIZED);
    EXPECT_TRUE(backend.Windows().back()->minimized);
    // The taskbar button restores it.
    backend.Windows().back()->sink.OnNativeState(false, false);
    EXPECT_FALSE(top.IsIconic());
    EXPECT_EQ(top.seen.back().wParam, SIZE_RESTORED);
}

TEST_F(WindowStateTest, SetWindowPosFlagsKeepWhatTheySay) {
    const struct {
        const char* name;
        int x, y, cx, cy;
        UINT flags;
        CRect expected;
        int moves, sizes;
    } cases[] = {
        {"size only", -1, -1, 50, 60, SWP_NOMOVE | SWP_NOZORDER, CRect::FromXywh(200, 100, 50, 60),
         0, 1},
        {"move only", -1000, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER,
         CRect::FromXywh(-1000, 0, 400, 300), 1, 0},
        {"both, to nothing", -1000, 0, 0, 0, SWP_NOZORDER, CRect::FromXywh(-1000, 0, 0, 0), 1, 1},
        {"no change", 200, 100, 400, 300, SWP_NOZORDER, CRect::FromXywh(200, 100, 400, 300), 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        top.SetWindowPos(nullptr, 200, 100, 400, 300, SWP_NOZORDER);
        top.seen.clear();
        top.SetWindowPos(nullptr, c.x, c.y, c.cx, c.cy, c.flags);
        CRect rect;
        top.GetWindowRect(&rect);
        EXPECT_EQ(rect, c.expected);
        EXPECT_EQ(top.Count(WM_MOVE), c.moves);
        EXPECT_EQ(top.Count(WM_SIZE), c.sizes);
    }
}

TEST_F(WindowStateTest, MoveReportsSignedPositions) {
    top.MoveWindow(-1000, -39, 400, 300);
    ASSERT_EQ(top.Count(WM_MOVE), 1);
    EXPECT_EQ(GET_X_LPARAM(top.seen.front().lParam), -1000);
    EXPECT_EQ(GET_Y_LPARAM(top.seen.front().lParam), -39);
}

TEST_F(WindowStateTest, ChildGeometryIsRelativeToItsParent) {
    Recorder child({WM_MOVE});
    ASSERT_TRUE(child.Create(WS_CHILD | WS_VISIBLE, CRect{10, 20, 60, 80}, &top, 1));
    CRect rect;
    child.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(210, 120, 260, 180));
    child.GetClientRect(&rect);
    EXPECT_EQ(rect, CRect(0, 0, 50, 60));
    CPoint p{215, 125};
    child.ScreenToClient(&p);
    EXPECT_EQ(p, CPoint(5, 5));
    top.MoveWindow(0, 0, 400, 300);
    child.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(10, 20, 60, 80)) << "children move with their parent";
}

TEST_F(WindowStateTest, ShowingAndHidingTrackTheNativeWindow) {
    EXPECT_TRUE(backend.Windows().empty()) << "nothing native until first shown";
    EXPECT_FALSE(top.ShowWindow(SW_SHOW));
    ASSERT_EQ(backend.Windows().size(), 1u);
    EXPECT_TRUE(backend.Windows()[0]->visible);
    EXPECT_TRUE(top.IsWindowVisible());
    EXPECT_TRUE(top.ShowWindow(SW_HIDE));
    EXPECT_FALSE(backend.Windows()[0]->visible);
    EXPECT_FALSE(top.IsWindowVisible());
}

TEST_F(WindowStateTest, APopupLosesItsOwnerWithSetParentNull) {
    Recorder owned({});
    ASSERT_TRUE(owned.Create(WS_POPUP, CRect::FromXywh(0, 0, 10, 10), &top));
    EXPECT_EQ(owned.GetParent(), &top);
    owned.SetParent(nullptr);
    EXPECT_EQ(owned.GetParent(), nullptr);
    top.DestroyWindow();
    EXPECT_TRUE(IsWindow(owned.m_hWnd)) << "no longer owned, so not destroyed with the owner";
}

TEST_F(WindowStateTest, DestroyingAnOwnerDestroysWhatItOwns) {
    Recorder owned({});
    ASSERT_TRUE(owned.Create(WS_POPUP, CRect::FromXywh(0, 0, 10, 10), &top));
    top.DestroyWindow();
    EXPECT_EQ(owned.m_hWnd, nullptr);
}

}  // namespace
