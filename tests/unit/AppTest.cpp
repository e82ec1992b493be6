#include <gtest/gtest.h>

#include "app/CMicroGameClientApp.h"
#include "app/ExecutableNames.h"
#include "app/RunMode.h"
#include "tests/unit/FrameworkFixture.h"

namespace {

TEST(RunModeTest, UninstallSwitchIsFoundAnywhereButOnlyInItsExactForm) {
    const struct {
        std::u16string_view command_line;
        bool uninstall;
    } cases[] = {
        {u"/opt/q/MicroGameClient /uninst", true},
        {u"/opt/q/MicroGameClient /uninstall", true},
        {u"/opt/q/MicroGameClient --mode=x/uninst/y", true},
        {u"/home/a/uninst/MicroGameClient", true},  // the program's own path counts too
        {u"/opt/q/MicroGameClient", false},
        {u"/opt/q/MicroGameClient /UNINST", false},
        {u"/opt/q/MicroGameClient /Uninst", false},
        {u"/opt/q/MicroGameClient -uninst", false},
        {u"/opt/q/MicroGameClient uninst", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsUninstallMode(c.command_line), c.uninstall)
            << std::string(c.command_line.begin(), c.command_line.end());
    }
}

TEST(ExecutableNamesTest, FileAndBaseNames) {
    const struct {
        std::u16string_view path;
        std::u16string_view file;
        std::u16string_view base;
    } cases[] = {
        {u"/opt/q/MicroGameClient", u"MicroGameClient", u"MicroGameClient"},
        {u"/opt/q/game.client", u"game.client", u"game"},
        {u"/opt/q/game.client.exe", u"game.client.exe", u"game"},
        {u"game", u"game", u"game"},
        {u"/opt/.hidden", u".hidden", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExecutableNames::FileName(c.path), c.file);
        EXPECT_EQ(ExecutableNames::BaseName(c.path), c.base);
    }
}

class AppTest : public test::FrameworkTest {};

TEST_F(AppTest, UninstallModeReportsSuccessWithoutAnyWindow) {
    CMicroGameClientApp app;
    app.SetCommandLine(u"/home/player/.local/share/QuelmGame/game.client", {u"/uninst"});
    backend.AnswerMessageBoxes({platform::MessageBoxAnswer::Ok});
    EXPECT_EQ(AfxWinMain(app), 0);
    ASSERT_EQ(backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(backend.MessageBoxes()[0].text, u"game.client 已成功卸载");
    EXPECT_FALSE(backend.MessageBoxes()[0].had_owner);
    EXPECT_EQ(backend.MessageBoxes()[0].caption, u"game.client") << "the application's name";
    EXPECT_TRUE(backend.Windows().empty());
    EXPECT_TRUE(backend.Trays().empty());
}

TEST_F(AppTest, NormalModeRunsTheLauncherAsTheOnlyLoop) {
    CMicroGameClientApp app;
    app.SetCommandLine(u"/opt/q/MicroGameClient", {u"/UNINST"});
    backend.Then([&] {
        EXPECT_NE(app.m_pMainWnd, nullptr);
        EXPECT_EQ(backend.Trays().size(), 1u);
        PostQuitMessage(0);
    });
    EXPECT_EQ(AfxWinMain(app), 0);
    EXPECT_TRUE(backend.MessageBoxes().empty());
    EXPECT_TRUE(backend.Windows().empty()) << "the launcher is gone when the loop ends";
    EXPECT_TRUE(backend.Trays().empty());
}

}  // namespace
