#include <gtest/gtest.h>

#include <string>

#include "app/SiteAddresses.h"
#include "browser/CCustomOccManager.h"
#include "browser/CImpIDispatch.h"
#include "browser/GameAddress.h"
#include "launcher/CMicroGameClientDlg.h"
#include "tests/unit/FrameworkFixture.h"
#include "ui/CWinApp.h"

namespace {

struct NameCase {
    std::u16string name;
    DISPID id;
};

TEST(ExternalDispatchTest, NamesBeginningWithXxyAreFoundIgnoringWidthButNotCase) {
    const NameCase cases[] = {
        {u"xxyyzz", 12345},       {u"xxyq", 12345},
        {u"ｘｘｙｙｚｚ", 12345}, {u"xｘy", 12345},
        {u"xxy", 12345},          {u"XXYYZZ", DISPID_UNKNOWN},
        {u"xx", DISPID_UNKNOWN},  {u"", DISPID_UNKNOWN},
        {u"xXy", DISPID_UNKNOWN}, {u"yxxyzz", DISPID_UNKNOWN},
    };
    CImpIDispatch dispatch;
    for (const NameCase& c : cases) {
        const char16_t* names[] = {c.name.c_str()};
        DISPID id = 0;
        const HRESULT result = dispatch.GetIDsOfNames(IID_NULL, names, 1, 2052, &id);
        EXPECT_EQ(id, c.id) << std::string(c.name.begin(), c.name.end());
        EXPECT_EQ(result, c.id == 12345 ? S_OK : DISP_E_UNKNOWNNAME);
    }
}

TEST(ExternalDispatchTest, AnUnknownNameFailsTheCallButTheOthersStillResolve) {
    CImpIDispatch dispatch;
    const char16_t* names[] = {u"xxyyzz", u"foo", u"xxyq"};
    DISPID ids[3] = {0, 0, 0};
    EXPECT_EQ(dispatch.GetIDsOfNames(IID_NULL, names, 3, 0, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], 12345);
    EXPECT_EQ(ids[1], DISPID_UNKNOWN);
    EXPECT_EQ(ids[2], 12345);
    EXPECT_EQ(dispatch.GetIDsOfNames(IID_NULL, names, 0, 0, ids), S_OK);
}

TEST(ExternalDispatchTest, OnlyAPropertyGetOfTheKnownIdGivesWibble) {
    CImpIDispatch dispatch;
    const struct {
        DISPID id;
        WORD flags;
        bool wibble;
    } cases[] = {
        {12345, DISPATCH_PROPERTYGET, true}, {12345, DISPATCH_METHOD | DISPATCH_PROPERTYGET, true},
        {12345, DISPATCH_METHOD, false},     {12345, DISPATCH_PROPERTYPUT, false},
        {7, DISPATCH_PROPERTYGET, false},    {DISPID_UNKNOWN, DISPATCH_PROPERTYGET, false},
    };
    for (const auto& c : cases) {
        VARIANT result{99, u"untouched"};
        EXPECT_EQ(dispatch.Invoke(c.id, IID_NULL, 0, c.flags, nullptr, &result, nullptr, nullptr),
                  S_OK);
        if (c.wibble) {
            EXPECT_EQ(result.vt, VT_BSTR);
            EXPECT_EQ(result.bstrVal, u"Wibble");
        } else {
            EXPECT_EQ(result.vt, 99);
            EXPECT_EQ(result.bstrVal, u"untouched");
        }
    }
    EXPECT_EQ(dispatch.Invoke(12345, IID_NULL, 0, DISPATCH_PROPERTYGET, nullptr, nullptr, nullptr,
                              nullptr),
              S_OK);
}

TEST(ExternalDispatchTest, InterfacesAndAReferenceCountThatNeverEndsTheObject) {
    CImpIDispatch dispatch;
    void* object = &dispatch;
    EXPECT_EQ(dispatch.QueryInterface(IID{1, 2, 3, {}}, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(dispatch.QueryInterface(IID_IDispatch, &object), S_OK);
    EXPECT_EQ(object, static_cast<IDispatch*>(&dispatch));
    EXPECT_EQ(dispatch.QueryInterface(IID_IUnknown, &object), S_OK);
    EXPECT_EQ(dispatch.Release(), 1u);
    EXPECT_EQ(dispatch.Release(), 0u);
    const char16_t* names[] = {u"xxyyzz"};
    DISPID id = 0;
    EXPECT_EQ(dispatch.GetIDsOfNames(IID_NULL, names, 1, 0, &id), S_OK) << "still usable at 0";
}

TEST(GameAddressTest, AllFourWordsAnywhereButAtTheStart) {
    const struct {
        std::u16string_view address;
        bool game;
    } cases[] = {
        {u"http://g.test/play?uid=1&token=ab&sid=12&isclient=1&acc=tom", true},
        {u"http://g.test/play?isclient=1&acc=tom&sid=12&token=ab&uid=1", true},
        {u"http://g.test/uid/token/sid/isclient", true},
        {u"http://g.test/play?uid=1&token=ab&sid=12", false},
        {u"http://g.test/play?UID=1&token=ab&sid=12&isclient=1", false},
        {u"uid=1&token=ab&sid=12&isclient=1", false},  // a word at the very start
        {u"about:blank", false},
        {u"", false},
        {u"http://g.test/client", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsGameAddress(c.address), c.game)
            << std::string(c.address.begin(), c.address.end());
    }
}

std::u16string Field(std::u16string_view address, std::u16string_view key) {
    char16_t field[100];
    std::fill(std::begin(field), std::end(field), u'#');
    ExtractValue(address, key, field);
    const std::u16string_view whole(field, 100);
    EXPECT_NE(whole.find(u'\0'), std::u16string_view::npos) << "always terminated";
    return std::u16string(field);
}

TEST(GameAddressTest, ValuesRunFromTheFirstKeyToTheNextAmpersand) {
    const struct {
        std::u16string address;
        std::u16string sid;
        std::u16string acc;
    } cases[] = {
        {u"http://g/p?uid=1&token=t&sid=12&isclient=1&acc=tom", u"12", u"tom"},
        {u"http://g/p?uid=1&token=t&sid=12&isclient=1", u"12", u""},
        {u"http://g/p?uid=1&xsid=5&sid=7&token=t&isclient=1", u"5", u""},
        {u"http://g/p?uid=1&token=t&sid=&acc=tom&isclient=1", u"", u"tom"},
        {u"http://g/p?uid=1&token=t&sid=3&isclient=1&acc=t%20m#frag", u"3", u"t%20m#frag"},
        {u"http://g/p?uid=1&token=t&sid=双线&isclient=1&acc=玩家", u"双线", u"玩家"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Field(c.address, u"sid="), c.sid);
        EXPECT_EQ(Field(c.address, u"acc="), c.acc);
    }
}

TEST(GameAddressTest, LongValuesNeverRunPastTheField) {
    const std::u16string v99(99, u'9');
    const std::u16string v100(100, u'0');
    const std::u16string v5000(5000, u'5');
    EXPECT_EQ(Field(u"x?sid=" + v99 + u"&acc=a", u"sid="), v99);
    EXPECT_EQ(Field(u"x?sid=" + v100, u"sid="), v100.substr(0, 99));
    EXPECT_EQ(Field(u"x?sid=" + v5000 + u"&acc=a", u"sid="), v5000.substr(0, 99));
    // 98 units and then a character outside the basic plane: its two halves don't fit.
    const std::u16string split = std::u16string(98, u'a') + u"\U0001F409";
    EXPECT_EQ(Field(u"x?acc=" + split, u"acc="), std::u16string(98, u'a'));
    // Odd units go through unchanged.
    const std::u16string odd{u'a', char16_t(0xDC00), u'\t', char16_t(0xFFFF), u'b'};
    EXPECT_EQ(Field(u"x?acc=" + odd + u"&z", u"acc="), odd);
}

class BrowserDialogTest : public test::FrameworkTest {
  protected:
    BrowserDialogTest() : manager(&dispatch) { AfxEnableControlContainer(&manager); }
    ~BrowserDialogTest() override {
        if (launcher.GetSafeHwnd() != nullptr) {
            launcher.DestroyWindow();
        }
        AfxEnableControlContainer(nullptr);
    }
    void SetUp() override {
        app.SetCommandLine(u"/opt/q/MicroGameClient", {});
        ASSERT_TRUE(launcher.Create(CMicroGameClientDlg::IDD));
        Pump();
        ASSERT_EQ(backend.WebViews().size(), 1u);
        page = backend.WebViews()[0];
    }

    CImpIDispatch dispatch;
    CCustomOccManager manager;
    CWinApp app;
    CMicroGameClientDlg launcher;
    platform::headless::HeadlessWebView* page = nullptr;
};

TEST_F(BrowserDialogTest, ThePageFillsTheDialogWithTheHostsSettingsAndOpensTheClientPage) {
    EXPECT_EQ(page->geometry, CRect(0, 0, 610, 344));
    EXPECT_FALSE(page->settings.context_menu);
    EXPECT_FALSE(page->settings.scroll_bars);
    EXPECT_EQ(page->settings.document_start_script, CImpIDispatch::PageScript());
    EXPECT_EQ(dispatch.AddRef(), 2u) << "the page holds one reference";
    ASSERT_EQ(page->loaded.size(), 1u);
    EXPECT_EQ(page->loaded[0], SiteAddresses::ClientEntryPage());
    EXPECT_EQ(launcher.m_BrowserDlg.m_Browser.View(), page) << "the member took the page over";
}

TEST_F(BrowserDialogTest, GameAddressesAreCancelledAndEverythingElseLoads) {
    const std::u16string game =
        u"http://127.0.0.1:8631/play?uid=7&token=ab&sid=3&acc=tom&isclient=1";
    EXPECT_FALSE(page->RequestNavigation(game));
    EXPECT_EQ(page->current, SiteAddresses::ClientEntryPage()) << "the page stays where it was";
    EXPECT_TRUE(page->RequestNavigation(u"http://127.0.0.1:8631/news"));
    EXPECT_TRUE(page->RequestNavigation(u"about:blank"));
    EXPECT_TRUE(
        page->RequestNavigation(u"http://127.0.0.1:8631/play?UID=7&token=ab&sid=3&isclient=1"));
    EXPECT_TRUE(launcher.IsWindowVisible()) << "no game window yet: nothing more happens";
}

TEST_F(BrowserDialogTest, EnterAndEscapeInTheBrowserDialogCloseNothing) {
    launcher.m_BrowserDlg.SetFocus();
    backend.Key(VK_RETURN, true);
    backend.Key(VK_ESCAPE, true);
    Pump();
    EXPECT_TRUE(launcher.m_BrowserDlg.IsWindowVisible());
    EXPECT_EQ(backend.WebViews().size(), 1u);
}

}  // namespace
