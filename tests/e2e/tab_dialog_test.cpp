// The tab dialog as a host drives it: command 1003 or Shift+Ctrl+T opens it on the
// paragraph at the caret, the dialog hook fills it, the paragraph's tab stops are read back.
#include "e2e/document_test.h"
#include "engine/editor_internals.h"

#include <zeledit/controls.h>
#include <zeledit/editor_commands.h>
#include <zeledit/format_dialogs.h>
#include <zeledit/headless.h>

#include <functional>
#include <string>
#include <vector>

namespace zeledit::test {
namespace {

class TabDialog : public DocumentBlock {
protected:
    void SetUp() override {
        DocumentBlock::SetUp();
        put(editor, u"Cột một\tcột hai");
    }
    void TearDown() override {
        SetDialogHook({});
        DocumentBlock::TearDown();
    }
    void answer(std::function<void(HWND)> fill) {
        SetDialogHook([this, fill](HWND dialog) {
            ++opened;
            fill(dialog);
        });
    }
    static void press(HWND d, int id) { SendDlgItemMessageW(d, id, BM_CLICK, 0, 0); }
    static std::vector<std::u16string> listed(HWND d) {
        std::vector<std::u16string> out;
        const auto n = SendDlgItemMessageW(d, TabList, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < n; ++i) {
            char16_t text[32] = {};
            SendDlgItemMessageW(d, TabList, LB_GETTEXT, static_cast<WPARAM>(i),
                                reinterpret_cast<LPARAM>(text));
            out.emplace_back(text);
        }
        return out;
    }
    TTabArray tabs() {
        return reinterpret_cast<const TParaFormat*>(SendMessageW(editor, EFM_GETSELPARAFORMAT, 0, 0))->ptTabs;
    }

    int opened = 0;
};

TEST_F(TabDialog, StopsSetInCentimetresReachTheParagraphOnOk) {
    std::vector<std::u16string> shown;
    answer([&](HWND d) {
        press(d, TabCm);
        SetDlgItemTextW(d, TabPosition, u"2,54"); // either decimal mark
        press(d, TabAlignRight);
        press(d, TabLeaderDots);
        press(d, TabSet);
        SetDlgItemTextW(d, TabPosition, u"5.08");
        press(d, TabSet);
        SetDlgItemTextW(d, TabPosition, u"hai"); // not a number: nothing set
        press(d, TabSet);
        shown = listed(d);
        press(d, IDOK);
    });
    SendMessageW(editor, WM_COMMAND, EFC_TABSDIALOG, 0);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(shown, (std::vector<std::u16string>{u"2.540", u"5.080"}));
    const TTabArray t = tabs();
    EXPECT_DOUBLE_EQ(t.tabs[0].tbPosition, 1.0);
    EXPECT_EQ(+t.tabs[0].tbAlign, 2);
    EXPECT_EQ(+t.tabs[0].tbLeader, 1);
    EXPECT_DOUBLE_EQ(t.tabs[1].tbPosition, 2.0);
    EXPECT_EQ(+t.tabs[2].tbDefault, 1);
    EXPECT_DOUBLE_EQ(t.tabs[2].tbPosition, 2.5);

    // The editor keeps the unit: the next dialog shows centimetres, and Cancel changes nothing.
    answer([&](HWND d) {
        shown = listed(d);
        SendDlgItemMessageW(d, TabList, LB_SETCURSEL, 0, 0);
        press(d, TabClear);
        press(d, IDCANCEL);
    });
    SetFocus(editor);
    headless::KeyDown(VK_CONTROL);
    headless::KeyDown(VK_SHIFT);
    headless::KeyDown('T');
    headless::KeyUp('T');
    headless::PumpMessages();
    headless::KeyUp(VK_SHIFT);
    headless::KeyUp(VK_CONTROL);
    EXPECT_EQ(opened, 2); // Shift+Ctrl+T opened it
    EXPECT_EQ(shown, (std::vector<std::u16string>{u"2.540", u"5.080"}));
    EXPECT_DOUBLE_EQ(tabs().tabs[0].tbPosition, 1.0);
}

TEST_F(TabDialog, ClearAllLeavesOnlyDefaultStopsAndBothLanguagesDraw) {
    for (int language : {0, 1}) {
        SendMessageW(editor, EFM_SETLANGUAGE, static_cast<WPARAM>(language), 0);
        answer([language](HWND d) {
            SetDlgItemTextW(d, TabPosition, u"1.5");
            press(d, TabSet);
            const std::string name = std::string("tab-dialog-") + (language ? "en" : "vi") + ".png";
            headless::PumpMessages();
            EXPECT_TRUE(headless::WritePng(d, (::testing::TempDir() + name).c_str()));
            press(d, TabClearAll);
            EXPECT_EQ(SendDlgItemMessageW(d, TabList, LB_GETCOUNT, 0, 0), 0);
            press(d, IDOK);
        });
        SendMessageW(editor, WM_COMMAND, EFC_TABSDIALOG, 0);
        for (const TTab& t : tabs().tabs) EXPECT_EQ(+t.tbDefault, 1);
    }
}

} // namespace
} // namespace zeledit::test
