#include <gtest/gtest.h>

#include <cstdlib>

#include "launcher/CMicroGameClientDlg.h"
#include "skin/LoadSkinImage.h"
#include "tests/unit/ColorAssertions.h"
#include "tests/unit/FrameworkFixture.h"
#include "ui/Bitmap.h"
#include "ui/CWinApp.h"
#include "ui/Graphics.h"

namespace {

using platform::MessageBoxAnswer;
using platform::headless::HeadlessWindow;

constexpr CRect kMinimize{1169, 189, 1194, 214};
constexpr CRect kExit{1191, 210, 1230, 249};

CPoint Centre(const CRect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class LauncherTest : public test::FrameworkTest {
  protected:
    void SetUp() override {
        app.SetCommandLine(u"/home/player/.local/share/QuelmGame/game.client", {});
        backend.SetWorkArea({0, 0, 1920, 1080});
    }
    void TearDown() override {
        if (launcher.GetSafeHwnd() != nullptr) {
            launcher.DestroyWindow();
        }
    }

    void Open() {
        ASSERT_TRUE(launcher.Create(CMicroGameClientDlg::IDD));
        Pump();
    }
    CPoint Origin() {
        CRect r;
        launcher.GetWindowRect(&r);
        return {r.left, r.top};
    }
    // A point of the launcher's picture, on the screen.
    CPoint At(CPoint picture) {
        const CPoint o = Origin();
        return {o.x + picture.x, o.y + picture.y};
    }
    HeadlessWindow* LauncherWindow() {
        for (HeadlessWindow* w : backend.Windows()) {
            if (w->options.layered) {
                return w;
            }
        }
        return nullptr;
    }
    int Passes() { return LauncherWindow()->layered_presents; }

    // The buttons' corner of the screen shows the background with these two pictures on it,
    // the exit button over the minimise button where they overlap.
    void ExpectButtons(std::uint16_t minimize, std::uint16_t exit) {
        const CRect area{kMinimize.left, kMinimize.top, kExit.right, kExit.bottom};
        auto expected = ui::Bitmap::Create(area.Width(), area.Height());
        auto g = ui::Graphics::FromBitmap(*expected);
        g->DrawImage(*LoadSkinImage(153), -area.left, -area.top, 1306, 839);
        g->DrawImage(*LoadSkinImage(minimize), kMinimize.left - area.left, kMinimize.top - area.top,
                     25, 25);
        g->DrawImage(*LoadSkinImage(exit), kExit.left - area.left, kExit.top - area.top, 39, 39);
        HeadlessWindow* window = LauncherWindow();
        for (int y = 0; y < area.Height(); ++y) {
            for (int x = 0; x < area.Width(); ++x) {
                const CPoint screen = At({area.left + x, area.top + y});
                ASSERT_TRUE(test::ColorNear(window->PixelAt(screen), expected->GetPixel(x, y), 1))
                    << "buttons " << minimize << "/" << exit << " at " << x << "," << y;
            }
        }
    }

    CWinApp app;
    CMicroGameClientDlg launcher;
};

TEST_F(LauncherTest, CentresOnTheWorkAreaSizeWithoutAddingItsOrigin) {
    const struct {
        CRect work;
        CPoint expected;
    } cases[] = {
        {{0, 0, 1280, 760}, {-13, -39}},
        {{60, 0, 1920, 1080}, {277, 120}},
        {{0, 0, 1920, 1040}, {307, 100}},
    };
    for (const auto& c : cases) {
        backend.SetWorkArea(c.work);
        CMicroGameClientDlg dlg;
        ASSERT_TRUE(dlg.Create(CMicroGameClientDlg::IDD));
        CRect r;
        dlg.GetWindowRect(&r);
        EXPECT_EQ(r, CRect::FromXywh(c.expected.x, c.expected.y, 1306, 839));
        dlg.DestroyWindow();
    }
}

TEST_F(LauncherTest, FirstPassShowsThePictureWithItsButtonsAndThePageOverThePanel) {
    Open();
    EXPECT_EQ(Passes(), 1);
    HeadlessWindow* window = LauncherWindow();
    EXPECT_TRUE(window->visible);
    EXPECT_EQ(window->geometry, CRect::FromXywh(307, 120, 1306, 839));
    EXPECT_EQ(window->PixelAt(At({2, 2})).A(), 0) << "transparent surround";
    ExpectButtons(145, 148);

    CRect page;
    launcher.m_BrowserDlg.GetWindowRect(&page);
    EXPECT_EQ(page, CRect::FromXywh(307 + 536, 120 + 286, 610, 344));
    EXPECT_TRUE(launcher.m_BrowserDlg.IsWindowVisible());
    EXPECT_EQ(launcher.m_BrowserDlg.m_pLauncher, &launcher);
    EXPECT_EQ(backend.WindowAt(At({600, 400}))->geometry, page)
        << "the page's dialog is above the launcher it belongs to";
}

TEST_F(LauncherTest, MinimiseButtonFollowsHoverPressAndReleaseInside) {
    Open();
    MoveTo(At(Centre(kMinimize)));
    EXPECT_EQ(Passes(), 1) << "a move alone composes nothing";
    Wait(1);
    ExpectButtons(146, 148);
    EXPECT_EQ(Passes(), 2);

    backend.PressButton();
    Pump();
    ExpectButtons(144, 148);
    backend.ReleaseButton();
    Pump();
    ExpectButtons(146, 148);
    EXPECT_TRUE(launcher.IsIconic()) << "command 2005 minimised the launcher";
    EXPECT_TRUE(LauncherWindow()->minimized);
}

TEST_F(LauncherTest, ReleasingOutsideTheButtonSendsNothing) {
    Open();
    MoveTo(At(Centre(kMinimize)));
    Wait(1);
    backend.PressButton();
    Pump();
    ExpectButtons(144, 148);
    MoveTo(At({700, 270}));
    backend.ReleaseButton();
    Pump();
    ExpectButtons(145, 148);
    EXPECT_FALSE(launcher.IsIconic());
}

TEST_F(LauncherTest, HoveringTheExitButtonComposesOncePerChange) {
    Open();
    MoveTo(At(Centre(kExit)));
    Wait(1);
    ExpectButtons(145, 149);
    EXPECT_EQ(Passes(), 2);
    MoveTo(At({Centre(kExit).x + 3, Centre(kExit).y + 2}));
    Wait(5);
    EXPECT_EQ(Passes(), 2) << "moving within the button changes nothing";
    MoveTo(At({700, 270}));
    ExpectButtons(145, 148);
    EXPECT_EQ(Passes(), 3);
}

TEST_F(LauncherTest, EnterEscapeAndCloseRequestsDoNothing) {
    Open();
    backend.Key(VK_RETURN, true);
    backend.Key(VK_ESCAPE, true);
    launcher.SetFocus();
    backend.Key(VK_RETURN, true);
    backend.Key(VK_ESCAPE, true);
    LauncherWindow()->sink.OnNativeCloseRequest();
    Pump();
    EXPECT_TRUE(launcher.IsWindowVisible());
    EXPECT_TRUE(launcher.m_BrowserDlg.IsWindowVisible());
    EXPECT_TRUE(ui::Desktop::Get().Queue().Empty());
}

TEST_F(LauncherTest, ExitAnsweredNoKeepsEverythingAndYesEndsTheLoop) {
    backend.AnswerMessageBoxes({MessageBoxAnswer::No, MessageBoxAnswer::Yes});
    CMicroGameClientDlg modal;
    const auto click_exit = [&] { backend.Click({307 + Centre(kExit).x, 120 + Centre(kExit).y}); };
    bool still_there_after_no = false;
    backend.Then(click_exit);
    backend.Then([&] {
        still_there_after_no = modal.IsWindowVisible() && backend.Trays().size() == 1;
        click_exit();
    });
    modal.DoModal();
    EXPECT_TRUE(still_there_after_no);
    ASSERT_EQ(backend.MessageBoxes().size(), 2u);
    EXPECT_EQ(backend.MessageBoxes()[0].text, u"你确定要退出微端？");
    EXPECT_EQ(backend.MessageBoxes()[0].caption, u"登录器");
    EXPECT_TRUE(backend.MessageBoxes()[0].had_owner);
    EXPECT_EQ(modal.m_hWnd, nullptr);
    EXPECT_TRUE(backend.Trays().empty()) << "the tray icon went with the launcher";
    EXPECT_TRUE(backend.Windows().empty());
}

TEST_F(LauncherTest, TrayIconCarriesTheBaseNameAndTogglesTheGameWindow) {
    Open();
    ASSERT_EQ(backend.Trays().size(), 1u);
    EXPECT_EQ(backend.Trays()[0]->tip, u"game");
    EXPECT_TRUE(backend.Trays()[0]->has_icon);

    using Kind = platform::MouseEvent::Kind;
    backend.ClickTray(0, Kind::Press, platform::MouseButton::Left);
    Pump();  // before the hand-off there is nothing to toggle

    CWnd game;
    ASSERT_TRUE(game.CreateEx(0, u"game", WS_POPUP | WS_VISIBLE, CRect::FromXywh(0, 0, 100, 100),
                              nullptr, 0));
    launcher.m_pGameDlg = &game;
    const struct {
        Kind kind;
        platform::MouseButton button;
        bool visible_after;
    } clicks[] = {
        {Kind::Press, platform::MouseButton::Left, false},
        {Kind::Release, platform::MouseButton::Left, false},
        {Kind::Press, platform::MouseButton::Right, false},
        {Kind::DoubleClick, platform::MouseButton::Left, false},
        {Kind::Press, platform::MouseButton::Left, true},
    };
    for (const auto& c : clicks) {
        backend.ClickTray(0, c.kind, c.button);
        Pump();
        EXPECT_EQ(game.IsWindowVisible() != FALSE, c.visible_after);
    }
}

TEST_F(LauncherTest, DraggingTheSurfaceMovesTheLauncherAndThePageWithIt) {
    Open();
    MoveTo(At({700, 270}));
    backend.PressButton();
    Pump();
    MoveTo(At({700 + 100, 270 + 50}));
    backend.ReleaseButton();
    Pump();
    CRect r;
    launcher.GetWindowRect(&r);
    EXPECT_EQ(r, CRect::FromXywh(407, 170, 1306, 839));
    CRect page;
    launcher.m_BrowserDlg.GetWindowRect(&page);
    EXPECT_EQ(page, CRect::FromXywh(407 + 536, 170 + 286, 610, 344));
}

TEST_F(LauncherTest, CommandsOpenTheSitesInTheDefaultBrowser) {
    setenv("MICRO_CLIENT_GAME_SITE", "http://game.test:8000/", 1);
    setenv("MICRO_CLIENT_PLATFORM_SITE", "http://pay.test", 1);
    Open();
    for (UINT id : {2001u, 2002u, 2003u, 2004u}) {
        launcher.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED));
    }
    unsetenv("MICRO_CLIENT_GAME_SITE");
    unsetenv("MICRO_CLIENT_PLATFORM_SITE");
    const std::vector<std::string> expected = {"http://game.test:8000/", "http://pay.test/pay",
                                               "http://pay.test/service/",
                                               "http://game.test:8000/"};
    EXPECT_EQ(backend.OpenedUris(), expected);
}

// A window that composes one layered button, counting the passes it asks for.
class ButtonHost : public CWnd, public IRenderListener {
  public:
    void OnRender(CLayeredButton*) override { ++passes; }
    int passes = 0;
};

class LayeredButtonTest : public test::FrameworkTest {
  protected:
    void Make(DWORD style, const CLayeredButton::ImageSet& images) {
        ASSERT_TRUE(host.CreateEx(0, u"", WS_POPUP | WS_VISIBLE, CRect::FromXywh(0, 0, 200, 200),
                                  nullptr, 0));
        ASSERT_TRUE(
            button.Create(u"", WS_CHILD | WS_VISIBLE | style, CRect{10, 10, 60, 60}, &host, 77));
        ASSERT_TRUE(button.SetImages(images));
        button.SetListener(&host);
        normal = button.GetCurrentImage();
        Pump();
    }
    void ClickInside() { Click({20, 20}); }

    ButtonHost host;
    CLayeredButton button;
    const ui::Image* normal = nullptr;
};

TEST_F(LayeredButtonTest, CheckBoxStyleTogglesItsCheckedPicture) {
    Make(BS_AUTOCHECKBOX, {145, 0, 0, 0, 149});
    ClickInside();
    const ui::Image* checked = button.GetCurrentImage();
    EXPECT_NE(checked, normal);
    EXPECT_EQ(checked->GetWidth(), 39u) << "the checked picture is 149's";
    ClickInside();
    EXPECT_EQ(button.GetCurrentImage(), normal);
    EXPECT_EQ(host.passes, 2);
}

TEST_F(LayeredButtonTest, PushStyleNeverShowsItsCheckedPicture) {
    Make(BS_PUSHBUTTON, {145, 0, 0, 0, 149});
    ClickInside();
    ClickInside();
    EXPECT_EQ(button.GetCurrentImage(), normal);
    EXPECT_EQ(host.passes, 0);
}

TEST_F(LayeredButtonTest, MissingStatePicturesShowTheNormalOneWithoutAPass) {
    Make(BS_PUSHBUTTON, {145, 0, 0, 0, 0});
    MoveTo({20, 20});
    Wait(1);
    backend.PressButton();
    Pump();
    EXPECT_EQ(button.GetCurrentImage(), normal);
    button.EnableWindow(FALSE);
    EXPECT_EQ(button.GetCurrentImage(), normal);
    EXPECT_EQ(host.passes, 0);
}

TEST_F(LayeredButtonTest, SetImagesSizesTheButtonAndNeedsANormalPicture) {
    Make(BS_PUSHBUTTON, {148, 147, 149, 147, 0});
    CRect r;
    button.GetWindowRect(&r);
    EXPECT_EQ(r, CRect::FromXywh(10, 10, 39, 39)) << "sized to 148, in place";
    EXPECT_FALSE(button.SetImages({0, 147, 149, 147, 0}));
    EXPECT_EQ(button.GetCurrentImage(), nullptr);
    EXPECT_FALSE(button.SetImages({154, 147, 149, 147, 0})) << "154 is no picture";
    EXPECT_EQ(button.GetCurrentImage(), nullptr);
    button.GetWindowRect(&r);
    EXPECT_EQ(r.Width(), 39) << "a failed SetImages keeps the size";
}

TEST_F(LayeredButtonTest, DisabledPictureAndSwallowedKeysAndRightButton) {
    Make(BS_PUSHBUTTON, {148, 147, 149, 147, 0});
    button.EnableWindow(FALSE);
    EXPECT_NE(button.GetCurrentImage(), normal);
    EXPECT_EQ(host.passes, 1);
    button.EnableWindow(TRUE);
    EXPECT_EQ(button.GetCurrentImage(), normal);

    button.SetFocus();
    backend.Key(VK_SPACE, true);
    backend.Key(VK_SPACE, false);
    Click({20, 20}, platform::MouseButton::Right);
    EXPECT_EQ(button.GetCurrentImage(), normal);
    EXPECT_EQ(CWnd::GetCapture(), nullptr)
        << "neither the space bar nor the right button pressed it";
}

TEST_F(LayeredButtonTest, CaptionIsDrawnCentredInBlackOverThePicture) {
    Make(BS_PUSHBUTTON, {148, 0, 0, 0, 0});
    button.SetWindowText(u"II");
    auto with_caption = ui::Bitmap::Create(60, 60);
    button.Draw(*ui::Graphics::FromBitmap(*with_caption));
    button.SetWindowText(u"");
    auto without = ui::Bitmap::Create(60, 60);
    button.Draw(*ui::Graphics::FromBitmap(*without));
    int changed = 0;
    ui::Rect ink{1000, 1000, -1, -1};
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (with_caption->GetPixel(x, y) != without->GetPixel(x, y)) {
                ++changed;
                ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                       std::max(ink.bottom, y + 1)};
            }
        }
    }
    ASSERT_GT(changed, 0);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 10 + 39 / 2.0, 3);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 10 + 39 / 2.0, 4);
}

}  // namespace
