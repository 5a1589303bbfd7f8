// The symbol dialog as a user drives it: Ctrl+Y or its command, a face and a character chosen
// with the mouse or the map's messages, the character inserted in that face.
#include "controls/controls.h"
#include "e2e/dialog_queue.h"
#include "e2e/editing_test.h"
#include "engine/editor_internals.h"
#include "platform/core/code_page.h"

#include <zeledit/command_dialogs.h>
#include <zeledit/controls.h>
#include <zeledit/editor_commands.h>
#include <zeledit/format_dialogs.h>
#include <zeledit/headless.h>

#include <deque>
#include <functional>
#include <string>

namespace zeledit::test {
namespace {

class SymbolDialog : public Editing {
protected:
    void SetUp() override {
        Editing::SetUp();
        set_text(u"ab");
        SendMessageW(editor, EFM_SETINDEX, 0, 1);
    }
    std::u16string face_at(std::uint32_t i) const {
        const auto& e = Internals(engine());
        return platform::field_to_unicode(
            e.FFonts->GetFormatItem(e.FBuffer->FormatAt(i))->FAttributes.ftFaceName);
    }
    static void press(HWND d, int id) { SendMessageW(GetDlgItem(d, id), BM_CLICK, 0, 0); }

    DialogQueue queue;
};

TEST_F(SymbolDialog, TheChosenCharacterGoesInWithItsFaceAsOneUndoStep) {
    queue.push_back([](HWND d) {
        EXPECT_EQ(controls::window_text(d), u"Chọn ký hiệu");
        EXPECT_EQ(controls::window_text(GetDlgItem(d, SymbolCode)), u"Mã ký tự: 32");
        SendMessageW(GetDlgItem(d, SymbolMap), ZCMM_SETCODE, 0xB7, 0);
        press(d, IDOK);
    });
    const int steps = Internals(engine()).FUndoObj->Count();
    key('Y', false, true);
    EXPECT_EQ(Internals(engine()).FUndoObj->Count(), steps + 1);
    EXPECT_EQ(text(), u"a\u00B7b");
    EXPECT_EQ(face_at(1), u"Symbol");
    EXPECT_NE(face_at(0), u"Symbol");
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 2u);
    engine().Undo();
    EXPECT_EQ(text(), u"ab");
}

TEST_F(SymbolDialog, AClickChoosesADoubleClickInsertsAndCloseInsertsNothing) {
    queue.push_back([](HWND d) {
        HWND map = GetDlgItem(d, SymbolMap);
        // 'a' (97) is the 66th cell: row 4, column 1 of 16, cells of 20 pixels.
        SendMessageW(map, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 90));
        EXPECT_EQ(controls::window_text(GetDlgItem(d, SymbolCode)), u"Mã ký tự: 97");
        SendMessageW(map, WM_KEYDOWN, VK_RIGHT, 0);
        EXPECT_EQ(SendMessageW(map, ZCMM_GETCODE, 0, 0), 98);
        SendMessageW(map, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(30, 90));
    });
    SendMessageW(editor, WM_COMMAND, EFC_SYMBOL, 0);
    EXPECT_EQ(text(), u"aab");
    queue.push_back([](HWND d) { press(d, IDCANCEL); });
    SendMessageW(editor, WM_COMMAND, EFC_SYMBOL, 0);
    EXPECT_EQ(text(), u"aab");
}

TEST_F(SymbolDialog, HoldingTheButtonShowsTheCharacterEnlarged) {
    queue.push_back([](HWND d) {
        HWND map = GetDlgItem(d, SymbolMap);
        // Above the cell of 'a' (97: row 4, column 1), where the enlarged one stands.
        POINT above{30, 80 - 4 - 24};
        ClientToScreen(map, &above);
        const HWND before = WindowFromPoint(above);
        SendMessageW(map, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 90));
        const HWND zoom = WindowFromPoint(above);
        EXPECT_NE(zoom, before);
        EXPECT_NE(zoom, map);
        EXPECT_TRUE(IsWindowVisible(zoom));
        SendMessageW(map, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 90)); // on to 'b'
        EXPECT_EQ(SendMessageW(map, ZCMM_GETCODE, 0, 0), 98);
        SendMessageW(map, WM_LBUTTONUP, 0, MAKELPARAM(50, 90));
        EXPECT_FALSE(IsWindow(zoom));
        press(d, IDCANCEL);
    });
    SendMessageW(editor, WM_COMMAND, EFC_SYMBOL, 0);
}

TEST_F(SymbolDialog, AnotherFaceFromTheList) {
    std::u16string chosen;
    queue.push_back([&](HWND d) {
        HWND fonts = GetDlgItem(d, SymbolFonts);
        ASSERT_GT(SendMessageW(fonts, LB_GETCOUNT, 0, 0), 1);
        const auto at = SendMessageW(fonts, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(u"DejaVu Sans"));
        SendMessageW(fonts, LB_SETCURSEL, static_cast<WPARAM>(at < 0 ? 0 : at), 0);
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(SymbolFonts, LBN_SELCHANGE), reinterpret_cast<LPARAM>(fonts));
        WCHAR name[64] = {};
        SendMessageW(fonts, LB_GETTEXT, SendMessageW(fonts, LB_GETCURSEL, 0, 0),
                     reinterpret_cast<LPARAM>(name));
        chosen = name;
        EXPECT_EQ(GetFocus(), GetDlgItem(d, SymbolMap));
        SendMessageW(GetDlgItem(d, SymbolMap), ZCMM_SETCODE, 'Z', 0);
        press(d, IDOK);
    });
    SendMessageW(editor, WM_COMMAND, EFC_SYMBOL, 0);
    EXPECT_EQ(text(), u"aZb");
    EXPECT_EQ(face_at(1), chosen);
}

TEST_F(SymbolDialog, ReadOnlyEditorsAreNotOffered) {
    SendMessageW(editor, EFM_DISABLEMODIFY, 0, 0);
    key('Y', false, true);
    SendMessageW(editor, WM_COMMAND, EFC_SYMBOL, 0);
    EXPECT_EQ(queue.shown, 0);
    EXPECT_EQ(text(), u"ab");
}

TEST_F(SymbolDialog, TheBulletDialogPicksItsCharacterHere) {
    queue.push_back([this](HWND bullet) {
        queue.push_back([](HWND symbol) {
            EXPECT_EQ(SendMessageW(GetDlgItem(symbol, SymbolMap), ZCMM_GETCODE, 0, 0), 183); // the dot
            SendMessageW(GetDlgItem(symbol, SymbolMap), ZCMM_SETCODE, 167, 0);
            press(symbol, IDOK);
        });
        press(bullet, BulletChar);
        press(bullet, IDOK);
    });
    SendMessageW(editor, WM_COMMAND, EFC_BULLETDIALOG, 0);
    const TParaFormat p = Internals(engine()).FParas->GetParaOfIndex(0)->FAttributes;
    EXPECT_EQ(+p.ptBullet.blPresent, 1);
    EXPECT_EQ(+p.ptBullet.blChar, 167);
}

TEST_F(SymbolDialog, PicturesInBothLanguages) {
    for (int language : {0, 1}) {
        SendMessageW(editor, EFM_SETLANGUAGE, static_cast<WPARAM>(language), 0);
        queue.push_back([language](HWND d) {
            SendMessageW(GetDlgItem(d, SymbolMap), ZCMM_SETCODE, 0x61, 0);
            headless::PumpMessages();
            const std::string name = language == 1 ? "symbol-english.png" : "symbol-vietnamese.png";
            EXPECT_TRUE(headless::WritePng(d, (::testing::TempDir() + name).c_str()));
            press(d, IDCANCEL);
        });
        SendMessageW(editor, WM_COMMAND, EFC_SYMBOL, 0);
    }
}

} // namespace
} // namespace zeledit::test
