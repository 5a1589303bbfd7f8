// Editor settings a host changes through messages, observed through the engine's state.
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include "engine/editor_internals.h"
#include "engine/format_editor.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zeledit::test {
namespace {

using engine::TFormatEditor;

class EditorSettings : public ::testing::Test {
protected:
    HWND host = nullptr;
    void SetUp() override {
        headless::Reset();
        InitEditorLib();
        host = CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 320, 240, nullptr, nullptr,
                               nullptr, nullptr);
    }
    void TearDown() override { headless::Reset(); }
    TFormatEditor& engine() { return *static_cast<TFormatEditor*>(GetPropW(host, u"EDOBJ")); }
    LRESULT send(UINT msg, WPARAM w = 0, LPARAM l = 0) { return SendMessageW(host, msg, w, l); }
};

TEST_F(EditorSettings, ConstructionDefaults) {
    TFormatEditor& e = engine();
    EXPECT_EQ(Internals(e).FSettings.FEditStyle, 2);
    EXPECT_TRUE(Internals(e).FSettings.CanModify);
    EXPECT_EQ(Internals(e).edInfo.eiEditorType, 0x601);
    EXPECT_STREQ(Internals(e).FSettings.SystemFont, "Tahoma");
    EXPECT_EQ(+Internals(e).FPrint.PageSetup().pgScale, 100);
    EXPECT_EQ(+Internals(e).FPrint.PageSetup().pgLeft, 1.25);
    EXPECT_EQ(Internals(e).FCaret.Position().x,
              5); // laid out: the caret stands at the start of the empty line
    EXPECT_EQ(Internals(e).FCaret.Position().y, 0);
    EXPECT_EQ(Internals(e).FSettings.FBackColor, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(+Internals(e).FSettings.LastBullet.blChar, 183);
    EXPECT_EQ(Internals(e).edInfo.eiBoundRect.right, 320);
}

TEST_F(EditorSettings, EditTypeReadOnlyAndTransparent) {
    send(EFM_SETEDITTYPE, 0, 0x2 | 0x1 | 0x10000);
    EXPECT_FALSE(Internals(engine()).FSettings.CanModify);
    EXPECT_FALSE(Internals(engine()).FCaret.Enabled());
    EXPECT_TRUE(Internals(engine()).edInfo.eiTransparent);
    send(EFM_SETEDITTYPE, 0, 0x2);
    EXPECT_TRUE(Internals(engine()).FSettings.CanModify);
    // A change of the control bit alone leaves the modify switch as it was.
    send(EFM_DISABLEMODIFY);
    send(EFM_SETEDITTYPE, 0, 0);
    EXPECT_FALSE(Internals(engine()).FSettings.CanModify);
}

TEST_F(EditorSettings, PlainStateMessages) {
    send(EFM_SETDOCUMENTTYPE, 0, 0x603);
    EXPECT_EQ(Internals(engine()).edInfo.eiEditorType, 0x603);
    send(EFM_SETDOCUMENTTYPE, 0, 0x777); // not a document type
    EXPECT_EQ(Internals(engine()).edInfo.eiEditorType, 0x603);
    send(EFM_SETLANGUAGE, 1);
    EXPECT_EQ(Internals(engine()).FSettings.FLanguage, 1);
    send(EFM_SETEDITORSTATE, 1, 0);
    send(EFM_SETEDITORSTATE, 2, 0);
    send(EFM_SETEDITORSTATE, 3, 1);
    EXPECT_FALSE(Internals(engine()).FSettings.EnableSelecting);
    EXPECT_FALSE(Internals(engine()).FSettings.EnableContextMenu);
    send(EFM_ENABLEVIETKEY, 1);
    EXPECT_TRUE(Internals(engine()).FInput.VietKey());
    send(EFM_SETSPECIALRIGHTBUTTON, 1);
    EXPECT_TRUE(Internals(engine()).FMouse.SpecialRightButton());
    send(EFM_SETBITMAPMODE, 0, 2);
    EXPECT_EQ(Internals(engine()).edInfo.eiBitmapMode, 2);
}

TEST_F(EditorSettings, ColoursPalettesAndFitting) {
    struct {
        std::uint32_t palette;
        COLORREF face, highlight, shadow;
    } colours{0, RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9)};
    send(EFM_SETCOLORS, 0, reinterpret_cast<LPARAM>(&colours));
    EXPECT_EQ(Internals(engine()).FSettings.FBackColor, RGB(1, 2, 3));
    EXPECT_EQ(Internals(engine()).FSettings.FShadColor, RGB(7, 8, 9));
    send(EFM_SETCOLORS, 0, 0); // no record: nothing
    EXPECT_EQ(Internals(engine()).FSettings.FHighColor, RGB(4, 5, 6));
    send(EFM_SETCOLORSTYLE, 0, 2);
    EXPECT_EQ(Internals(engine()).FSettings.FColorStyle, engine::cts_256Color);
    send(EFM_ENABLEFITOBJS, 0);
    EXPECT_FALSE(Internals(engine()).FSettings.FEnableFitObjs);
    EXPECT_EQ(Internals(engine()).edInfo.eiFitting, 0);
    send(EFM_ENABLEFITOBJS, 1);
    EXPECT_EQ(Internals(engine()).edInfo.eiFitting, -1);
}

TEST_F(EditorSettings, BackgroundShadesParagraphFormatZero) {
    send(EFM_SETBACKGROUND, 0, RGB(250, 240, 230));
    EXPECT_EQ(send(EFM_GETPARACOLOR, 0), RGB(250, 240, 230));
    headless::PumpMessages();
    EXPECT_EQ(headless::PixelAt(host, 100, 100), 0xFFFAF0E6u);
    send(EFM_SETEDITTYPE, 0, 0x2 | 0x10000); // transparent: the background is not painted
    send(EFM_SETBACKGROUND, 0, RGB(0, 0, 0));
    headless::PumpMessages();
    EXPECT_EQ(headless::PixelAt(host, 100, 100), 0xFFFAF0E6u);
}

TEST_F(EditorSettings, ResizingMovesTheTextArea) {
    MoveWindow(host, 0, 0, 500, 400, TRUE);
    EXPECT_EQ(Internals(engine()).edInfo.eiBoundRect.right, 500);
    EXPECT_EQ(Internals(engine()).edInfo.eiBoundRect.bottom, 400);
}

TEST_F(EditorSettings, FontMessagesChangeTheTable) {
    TCharFormat f{};
    send(EFM_GETFONTTOREC, 0, reinterpret_cast<LPARAM>(&f));
    f.ftHeight = 12;
    send(EFM_ADDFONTFORMAT, reinterpret_cast<WPARAM>(host), reinterpret_cast<LPARAM>(&f));
    send(EFM_CHANGEFONTSIZE, 0, MAKELPARAM(12, 18));
    send(EFM_GETFONTTOREC, 1, reinterpret_cast<LPARAM>(&f));
    EXPECT_EQ(+f.ftHeight, 18);
    send(EFM_ENLARGEREDUCEFONT, 0, -3);
    send(EFM_GETFONTTOREC, 1, reinterpret_cast<LPARAM>(&f));
    EXPECT_EQ(+f.ftHeight, 15);
    TChangeFont change{};
    std::strcpy(change.OldName, "times new roman");
    std::strcpy(change.NewName, "Arial");
    change.Bold = change.Italic = change.Underline = change.Strikethrough = -1;
    send(EFM_CHANGEFONTNAME, 0, reinterpret_cast<LPARAM>(&change));
    send(EFM_GETFONTTOREC, 0, reinterpret_cast<LPARAM>(&f));
    EXPECT_STREQ(f.ftFaceName, "Arial");
    TCharFormat def{};
    std::strcpy(def.ftFaceName, "Courier New");
    def.ftHeight = 10;
    send(EFM_SETDEFAULTFONT, 0, reinterpret_cast<LPARAM>(&def));
    send(EFM_GETFONTTOREC, 0, reinterpret_cast<LPARAM>(&f));
    EXPECT_STREQ(f.ftFaceName, "Courier New");
    EXPECT_EQ(send(EFM_GETFONTITEM, 0),
              reinterpret_cast<LRESULT>(Internals(engine()).FFonts->GetFormatItem(0)));
}

TEST_F(EditorSettings, SizesFromAHostStaySizes) {
    TParaFormat bulleted{};
    send(EFM_GETPARATOREC, 0, reinterpret_cast<LPARAM>(&bulleted));
    bulleted.ptBullet.blPresent = 1;
    bulleted.ptBullet.blSize = 12;
    const auto para =
        send(EFM_ADDPARAFORMAT, reinterpret_cast<WPARAM>(host), reinterpret_cast<LPARAM>(&bulleted));
    const auto sizes = [&] {
        TCharFormat f{};
        TParaFormat p{};
        send(EFM_GETFONTTOREC, 0, reinterpret_cast<LPARAM>(&f));
        send(EFM_GETPARATOREC, static_cast<WPARAM>(para), reinterpret_cast<LPARAM>(&p));
        return std::pair<int, int>{+f.ftHeight, +p.ptBullet.blSize}; // by value: the fields are packed
    };
    send(EFM_ENLARGEREDUCEFONT, 0, 0x7FFFFFFF);
    EXPECT_EQ(sizes(), (std::pair<int, int>{32767, 32767}));
    send(EFM_ENLARGEREDUCEFONT, 0, 0x7FFFFFFF);
    EXPECT_EQ(sizes(), (std::pair<int, int>{32767, 32767}));
    send(EFM_ENLARGEREDUCEFONT, 0, static_cast<LPARAM>(INT32_MIN));
    EXPECT_EQ(sizes(), (std::pair<int, int>{1, 1}));
    send(EFM_ENLARGEREDUCEFONT, 0, 10);
    EXPECT_EQ(sizes(), (std::pair<int, int>{11, 11}));
}

} // namespace
} // namespace zeledit::test
