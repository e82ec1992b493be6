#include <gtest/gtest.h>

#include "tests/unit/FrameworkFixture.h"
#include "ui/CWinApp.h"

namespace {

using platform::MessageBoxAnswer;
using test::Recorder;

class ShellTest : public test::FrameworkTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window.Create(WS_POPUP | WS_VISIBLE, CRect::FromXywh(0, 0, 100, 100)));
    }

    Recorder window{{WM_HOTKEY, 2024}};
};

TEST_F(ShellTest, MessageBoxWithoutCaptionUsesTheApplicationName) {
    CWinApp app;
    app.SetCommandLine(u"/home/player/.local/share/QuelmGame/game.client", {u"/x"});
    EXPECT_EQ(app.GetCommandLine(), u"/home/player/.local/share/QuelmGame/game.client /x");
    backend.AnswerMessageBoxes({MessageBoxAnswer::Ok, MessageBoxAnswer::No, MessageBoxAnswer::Yes});

    EXPECT_EQ(MessageBoxW(nullptr, u"已成功卸载", nullptr, MB_OK), IDOK);
    EXPECT_EQ(window.MessageBox(u"你确定要退出微端？", u"登录器", MB_YESNO), IDNO);
    EXPECT_EQ(window.MessageBox(u"你确定要退出微端？", u"登录器", MB_YESNO), IDYES);

    const auto& shown = backend.MessageBoxes();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].caption, u"game.client");
    EXPECT_FALSE(shown[0].had_owner);
    EXPECT_EQ(shown[1].caption, u"登录器");
    EXPECT_TRUE(shown[1].had_owner);
    EXPECT_EQ(shown[1].buttons, platform::MessageBoxButtons::YesNo);
}

TEST_F(ShellTest, ApplicationNameDropsOnlyAWindowsExtension) {
    CWinApp app;
    const struct {
        std::u16string_view path;
        std::u16string_view name;
    } cases[] = {
        {u"/opt/MicroGameClient", u"MicroGameClient"},
        {u"/opt/game.client", u"game.client"},
        {u"C:/Games/game.client.EXE", u"game.client"},
    };
    for (const auto& c : cases) {
        app.SetCommandLine(c.path, {});
        EXPECT_EQ(app.m_pszAppName, c.name);
    }
}

TEST_F(ShellTest, HotKeyPressArrivesAsWmHotkeyWithItsId) {
    ASSERT_TRUE(RegisterHotKey(window.m_hWnd, 1001, MOD_CONTROL | MOD_ALT, 'B'));
    EXPECT_FALSE(RegisterHotKey(window.m_hWnd, 1001, MOD_SHIFT, VK_F4)) << "the id is in use";
    Recorder other({});
    ASSERT_TRUE(other.Create(WS_POPUP, CRect::FromXywh(0, 0, 1, 1)));
    EXPECT_FALSE(RegisterHotKey(other.m_hWnd, 7, MOD_CONTROL | MOD_ALT, 'B'))
        << "the combination is held already";

    ASSERT_TRUE(backend.PressHotKey(MOD_CONTROL | MOD_ALT, 'B'));
    Pump();
    ASSERT_EQ(window.Count(WM_HOTKEY), 1);
    EXPECT_EQ(window.seen.back().wParam, 1001u);
    EXPECT_EQ(HIWORD(window.seen.back().lParam), 'B');

    EXPECT_TRUE(UnregisterHotKey(window.m_hWnd, 1001));
    EXPECT_FALSE(backend.PressHotKey(MOD_CONTROL | MOD_ALT, 'B'));
    EXPECT_FALSE(UnregisterHotKey(window.m_hWnd, 1001));
}

TEST_F(ShellTest, HotKeyHeldByAnotherProgramCannotBeRegistered) {
    backend.MarkHotKeyTaken(MOD_SHIFT, 0x7B);
    EXPECT_FALSE(RegisterHotKey(window.m_hWnd, 1001, MOD_SHIFT, 0x7B));
    EXPECT_EQ(backend.GrabbedHotKeys(), 0);
}

TEST_F(ShellTest, TrayIconReportsClicksAsItsCallbackMessage) {
    NOTIFYICONDATAW data;
    data.cbSize = 956;
    data.hWnd = window.m_hWnd;
    data.uID = 128;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = 2024;
    data.hIcon = LoadIconW(128);
    const std::u16string_view tip = u"game";
    std::copy(tip.begin(), tip.end(), data.szTip);
    ASSERT_NE(data.hIcon, nullptr);
    ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &data));
    EXPECT_FALSE(Shell_NotifyIconW(NIM_ADD, &data)) << "the id is taken";

    ASSERT_EQ(backend.Trays().size(), 1u);
    EXPECT_EQ(backend.Trays()[0]->tip, u"game");
    EXPECT_TRUE(backend.Trays()[0]->has_icon);

    using Kind = platform::MouseEvent::Kind;
    backend.ClickTray(0, Kind::Press, platform::MouseButton::Left);
    backend.ClickTray(0, Kind::Press, platform::MouseButton::Right);
    backend.ClickTray(0, Kind::DoubleClick, platform::MouseButton::Left);
    Pump();
    ASSERT_EQ(window.Count(2024), 3);
    EXPECT_EQ(window.seen[0].wParam, 128u);
    EXPECT_EQ(window.seen[0].lParam, static_cast<LPARAM>(WM_LBUTTONDOWN));
    EXPECT_EQ(window.seen[1].lParam, static_cast<LPARAM>(WM_RBUTTONDOWN));
    EXPECT_EQ(window.seen[2].lParam, static_cast<LPARAM>(WM_LBUTTONDBLCLK));

    EXPECT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
    EXPECT_TRUE(backend.Trays().empty());
    EXPECT_FALSE(Shell_NotifyIconW(NIM_DELETE, &data));
}

TEST_F(ShellTest, ADestroyedWindowGivesUpItsHotKeysTrayIconsAndQueuedMessages) {
    Recorder doomed({});
    ASSERT_TRUE(doomed.Create(WS_POPUP, CRect::FromXywh(0, 0, 1, 1)));
    ASSERT_TRUE(RegisterHotKey(doomed.m_hWnd, 1001, MOD_CONTROL | MOD_ALT, 'B'));
    NOTIFYICONDATAW data;
    data.hWnd = doomed.m_hWnd;
    data.uID = 128;
    data.uFlags = NIF_MESSAGE;
    data.uCallbackMessage = 2024;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &data));
    doomed.PostMessage(WM_USER);
    doomed.DestroyWindow();
    EXPECT_EQ(backend.GrabbedHotKeys(), 0);
    EXPECT_TRUE(backend.Trays().empty());
    EXPECT_TRUE(ui::Desktop::Get().Queue().Empty());
    EXPECT_TRUE(RegisterHotKey(window.m_hWnd, 1001, MOD_CONTROL | MOD_ALT, 'B'))
        << "the combination is free again";
}

TEST_F(ShellTest, WorkAreaAndOpeningAnAddressGoThroughTheBackend) {
    backend.SetWorkArea({60, 0, 1920, 1080});
    RECT area;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0));
    EXPECT_EQ(area, CRect(60, 0, 1920, 1080));
    EXPECT_TRUE(ShellExecuteOpen(u"http://127.0.0.1:8080/pay?server=12&account=玩家"));
    ASSERT_EQ(backend.OpenedUris().size(), 1u);
    EXPECT_EQ(backend.OpenedUris()[0], "http://127.0.0.1:8080/pay?server=12&account=玩家");
}

}  // namespace
