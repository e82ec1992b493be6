#include <gtest/gtest.h>

#include "tests/unit/ColorAssertions.h"
#include "tests/unit/FrameworkFixture.h"
#include "ui/CBrush.h"
#include "ui/CButton.h"
#include "ui/CDataExchange.h"
#include "ui/CDialogEx.h"
#include "ui/CHotKeyCtrl.h"
#include "ui/CStatic.h"

namespace {

DialogTemplate Parse(std::string_view text) {
    std::string error;
    auto parsed = DialogTemplate::Parse(text, &error);
    EXPECT_TRUE(parsed.has_value()) << error;
    return parsed.value_or(DialogTemplate{});
}

constexpr std::string_view kKeyDialog = R"(# a small dialog with a caption
style 0x80C800C8
rect 0 0 217 68
font 8 "MS Shell Dlg"
caption "设置老板键"
item 1003 "msctls_hotkey32" "" 0x50810000 0 23 26 96 16
item 1 "Button" "确定" 0x50010001 0 131 26 55 17
item 1005 "Static" "Static" 0x50020000 0 44 2 50 20
)";

TEST(DialogTemplateTest, ReadsStylesFontCaptionAndItems) {
    const DialogTemplate t = Parse(kKeyDialog);
    EXPECT_EQ(t.style, 0x80C800C8u);
    EXPECT_EQ(t.cx, 217);
    EXPECT_EQ(t.cy, 68);
    EXPECT_EQ(t.font_points, 8);
    EXPECT_EQ(t.font_face, u"MS Shell Dlg");
    EXPECT_EQ(t.caption, u"设置老板键");
    ASSERT_EQ(t.items.size(), 3u);
    EXPECT_EQ(t.items[0].class_name, u"msctls_hotkey32");
    EXPECT_EQ(t.items[1].text, u"确定");
    EXPECT_EQ(t.items[1].style, 0x50010001u);
    EXPECT_EQ(t.items[2].id, 1005u);
    EXPECT_EQ(t.items[2].cy, 20);
}

TEST(DialogTemplateTest, RejectsLinesItCannotRead) {
    const char* broken[] = {
        "style banana",           "rect 0 0 10",
        "caption \"unterminated", "item 5 \"Button\" \"x\" 0x50000000 0 1 2 3",
        "rect 0 0 10 10 extra",   "colour 3",
        "style 0x1FFFFFFFF",
    };
    for (const char* text : broken) {
        std::string error;
        EXPECT_FALSE(DialogTemplate::Parse(text, &error).has_value()) << text;
        EXPECT_NE(error.find("line 1"), std::string::npos) << error;
    }
}

TEST(DialogUnitsTest, ConvertsWithTheFontsBaseUnits) {
    const struct {
        DialogUnits units;
        int x, y, cx, cy;
        CRect pixels;
    } cases[] = {
        {{6, 13}, 0, 0, 444, 289, CRect{0, 0, 666, 470}},
        {{6, 13}, 23, 26, 96, 16, CRect::FromXywh(35, 42, 144, 26)},
        {{7, 16}, 131, 26, 55, 17, CRect::FromXywh(229, 52, 96, 34)},
        {{6, 13}, -2, -3, 1, 1, CRect::FromXywh(-3, -5, 2, 2)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.units.ToPixels(c.x, c.y, c.cx, c.cy), c.pixels);
    }
}

class KeyDialog : public CDialogEx {
  public:
    CHotKeyCtrl hot_key;
    CStatic label;
    int ok = 0;
    int cancel = 0;

  protected:
    void DoDataExchange(CDataExchange* dx) override {
        CDialogEx::DoDataExchange(dx);
        DDX_Control(dx, 1003, hot_key);
        DDX_Control(dx, 1005, label);
    }
    void OnOK() override { ++ok; }
    void OnCancel() override { ++cancel; }
};

class DialogTest : public test::FrameworkTest {};

TEST_F(DialogTest, ItemsAreBuiltFromTheTemplateAndBoundToMembers) {
    KeyDialog dialog;
    dialog.InitFromTemplate(Parse(kKeyDialog));
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.hot_key.GetSafeHwnd(), dialog.GetDlgItem(1003)->GetSafeHwnd());
    EXPECT_EQ(dialog.GetDlgItem(1003), &dialog.hot_key);
    EXPECT_EQ(dialog.GetDlgItem(1005), &dialog.label);
    EXPECT_NE(dynamic_cast<CButton*>(dialog.GetDlgItem(IDOK)), nullptr);
    CRect rect;
    dialog.hot_key.GetWindowRect(&rect);
    dialog.ScreenToClient(&rect);
    EXPECT_EQ(rect, dialog.Units().ToPixels(23, 26, 96, 16));
    EXPECT_GT(dialog.Units().base_x, 3);
    EXPECT_GT(dialog.Units().base_y, 8);
}

TEST_F(DialogTest, EnterEscapeAndCloseReachOkAndCancel) {
    KeyDialog dialog;
    dialog.InitFromTemplate(Parse(kKeyDialog));
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOW);
    dialog.hot_key.SetFocus();
    Pump();

    backend.Key(VK_RETURN, true);
    Pump();
    EXPECT_EQ(dialog.ok, 1);
    backend.Key(VK_ESCAPE, true);
    Pump();
    EXPECT_EQ(dialog.cancel, 1);
    backend.Windows().back()->sink.OnNativeCloseRequest();
    Pump();
    EXPECT_EQ(dialog.cancel, 2);
    EXPECT_TRUE(IsWindow(dialog.m_hWnd)) << "the handlers chose not to end the dialog";
}

TEST_F(DialogTest, HotKeyFieldTakesTheCombinationTyped) {
    KeyDialog dialog;
    dialog.InitFromTemplate(Parse(kKeyDialog));
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOW);
    dialog.hot_key.SetFocus();
    const unsigned ctrl_alt = platform::modifier::kControl | platform::modifier::kAlt;
    backend.Key(VK_CONTROL, true, platform::modifier::kControl);
    backend.Key('B', true, ctrl_alt, U'b');
    Pump();
    EXPECT_EQ(dialog.hot_key.GetHotKey(), 0x0642u);
    WORD key = 0;
    WORD modifiers = 0;
    dialog.hot_key.GetHotKey(key, modifiers);
    EXPECT_EQ(key, 0x42);
    EXPECT_EQ(modifiers, HOTKEYF_CONTROL | HOTKEYF_ALT);

    dialog.hot_key.SendMessage(HKM_SETHOTKEY, 0x017B);
    EXPECT_EQ(dialog.hot_key.SendMessage(HKM_GETHOTKEY), 0x017B);
    backend.Key(VK_BACK, true);
    Pump();
    EXPECT_EQ(dialog.hot_key.GetHotKey(), 0u) << "Backspace clears the field";
}

// Answers every colour request for the dialog itself, the way a skinned window does.
class PaintedDialog : public CDialogEx {
  public:
    CBrush own{RGB(10, 20, 30)};

  protected:
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT kind) {
        if (wnd == this) {
            return own;
        }
        return CDialogEx::OnCtlColor(dc, wnd, kind);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaintedDialog, CDialogEx)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// A label that answers its own colour request, reflected back from its parent.
class ColouredLabel : public CStatic {
  public:
    CBrush brush{RGB(0, 0, 255)};
    int requests = 0;

  protected:
    HBRUSH CtlColor(CDC* dc, UINT) {
        ++requests;
        dc->SetTextColor(RGB(255, 255, 255));
        return brush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ColouredLabel, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

TEST_F(DialogTest, ColourRequestsAreReflectedToTheControlThatAsks) {
    PaintedDialog dialog;
    dialog.InitFromTemplate(Parse("style 0x80000000\nrect 0 0 100 50\n"));
    ASSERT_TRUE(dialog.Create());
    ColouredLabel label;
    CStatic plain;
    ASSERT_TRUE(label.Create(u"", WS_VISIBLE, CRect{10, 10, 40, 30}, &dialog, 5));
    ASSERT_TRUE(plain.Create(u"", WS_VISIBLE, CRect{50, 10, 80, 30}, &dialog, 6));
    dialog.ShowWindow(SW_SHOW);
    Pump();

    EXPECT_GE(label.requests, 1);
    const auto* window = backend.Windows().back();
    CRect dlg;
    dialog.GetWindowRect(&dlg);
    const auto at = [&](int x, int y) { return window->PixelAt({dlg.left + x, dlg.top + y}); };
    EXPECT_EQ(at(20, 20), ui::Color::FromArgb(255, 0, 0, 255)) << "the label's own brush";
    EXPECT_EQ(at(5, 40), ui::Color::FromArgb(255, 10, 20, 30)) << "the dialog's answer for itself";
    EXPECT_EQ(at(60, 20), ToColor(kDialogFaceColor)) << "a plain label gets the default colours";
}

// A modal dialog with nothing in it; runs a step once its loop is going.
class EmptyDialog : public CDialog {
  public:
    std::function<void()> on_init;
    int ok = 0;

  protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (on_init) {
            PostMessage(WM_USER + 9);
        }
        return TRUE;
    }
    LRESULT OnStep(WPARAM, LPARAM) {
        on_init();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(EmptyDialog, CDialog)
ON_MESSAGE(WM_USER + 9, OnStep)
END_MESSAGE_MAP()

TEST_F(DialogTest, EndDialogEndsTheModalLoopWithItsResult) {
    EmptyDialog dialog;
    dialog.InitFromTemplate(Parse("style 0x80000000\nrect 0 0 100 50\n"));
    dialog.on_init = [&] { dialog.EndDialog(IDOK); };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(DialogTest, QuitEndsTheInnerModalLoopThenTheOuterOne) {
    EmptyDialog outer;
    EmptyDialog inner;
    outer.InitFromTemplate(Parse("style 0x80000000\nrect 0 0 100 50\n"));
    bool inner_returned = false;
    outer.on_init = [&] {
        inner.InitFromTemplate(Parse("style 0x80000000\nrect 0 0 60 30\n"), &outer);
        inner.on_init = [] { PostQuitMessage(3); };
        inner.DoModal();
        inner_returned = true;
        EXPECT_TRUE(outer.IsWindowEnabled()) << "the owner is enabled again";
    };
    outer.DoModal();
    EXPECT_TRUE(inner_returned);
    EXPECT_EQ(outer.m_hWnd, nullptr);
    EXPECT_EQ(ui::Desktop::Get().Queue().ExitCode(), 3);
}

TEST_F(DialogTest, ModalLoopSleepsInTheBackendUntilInputArrives) {
    EmptyDialog dialog;
    dialog.InitFromTemplate(Parse("style 0x80000000\nrect 0 0 100 50\n"));
    int waits = 0;
    backend.Then([&] { ++waits; });
    backend.Then([&] {
        ++waits;
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(waits, 2);
}

}  // namespace
