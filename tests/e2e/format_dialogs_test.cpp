// The font, paragraph, border and bullet dialogs as a host drives them: a command or key
// opens each on the selection, the dialog hook fills it with the standard control messages,
// and the formats are read back with the format messages.
#include "controls/controls.h"
#include "controls/dialog_colors.h"
#include "e2e/editing_test.h"
#include "engine/editor_internals.h"
#include "platform/core/text.h"

#include <zeledit/controls.h>
#include <zeledit/editor_commands.h>
#include <zeledit/format_dialogs.h>
#include <zeledit/headless.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <string>

namespace zeledit::test {
namespace {

using Fill = std::function<void(HWND)>;

class FormatDialogs : public Editing {
protected:
    void SetUp() override {
        Editing::SetUp();
        set_text(u"Xin chào thế giới\r\nĐoạn hai");
    }
    void TearDown() override {
        SetDialogHook({});
        Editing::TearDown();
    }
    // Each dialog shown, nested ones included, takes the next filler.
    void answer(std::initializer_list<Fill> fills) {
        queue.assign(fills);
        SetDialogHook([this](HWND d) {
            ++opened;
            if (queue.empty()) return;
            const Fill fill = queue.front();
            queue.pop_front();
            fill(d);
        });
    }
    // OK and Cancel are the dialog's own; other controls may sit on pages.
    static HWND item(HWND d, int id) {
        return id == IDOK || id == IDCANCEL ? GetDlgItem(d, id) : controls::find_item(d, id);
    }
    static void press(HWND d, int id) { SendMessageW(item(d, id), BM_CLICK, 0, 0); }
    static void notify(HWND d, int id, WORD code) {
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(item(d, id)));
    }
    static void pick(HWND d, int id, int index) {
        const bool combo = SendMessageW(item(d, id), CB_GETCOUNT, 0, 0) > 0;
        SendMessageW(item(d, id), combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        notify(d, id, combo ? CBN_SELCHANGE : LBN_SELCHANGE);
    }
    static void colour(HWND d, int id, COLORREF c) {
        SendMessageW(item(d, id), ZCPM_SETCOLOR, c, 0);
        notify(d, id, CPN_SELCHANGE);
    }
    static void type_into(HWND d, int id, std::u16string_view text) {
        SetWindowTextW(item(d, id), std::u16string(text).c_str());
    }
    static std::u16string shown(HWND d, int id) { return controls::window_text(item(d, id)); }
    static bool visible(HWND d, int id) { return IsWindowVisible(item(d, id)) != FALSE; }
    static bool checked(HWND d, int id) {
        return SendMessageW(item(d, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    static LRESULT selection(HWND d, int id) {
        const bool combo = SendMessageW(item(d, id), CB_GETCOUNT, 0, 0) > 0;
        return SendMessageW(item(d, id), combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
    }
    static void snapshot(HWND d, const std::string& name) {
        headless::PumpMessages();
        EXPECT_TRUE(headless::WritePng(d, (::testing::TempDir() + name + ".png").c_str())) << name;
    }

    void select(std::uint32_t from, std::uint32_t to) {
        SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(from, to));
    }
    TCharFormat font_at(std::uint32_t i) const {
        const auto* bytes =
            reinterpret_cast<const std::uint8_t*>(SendMessageW(editor, EFM_GETFORMATBUFFER, 0, 0));
        TCharFormat f{};
        SendMessageW(editor, EFM_GETFONTTOREC, bytes[i] & 0x7F, reinterpret_cast<LPARAM>(&f));
        return f;
    }
    TParaFormat para_at(std::uint32_t i) const {
        return Internals(engine()).FParas->GetParaOfIndex(i)->FAttributes;
    }
    void command(WPARAM id) { SendMessageW(editor, WM_COMMAND, id, 0); }
    void apply(const TCharFormat& f) {
        const auto id = SendMessageW(editor, EFM_ADDFONTFORMAT, reinterpret_cast<WPARAM>(editor),
                                     reinterpret_cast<LPARAM>(&f));
        SendMessageW(editor, EFM_APPLYFONTFAST, static_cast<WPARAM>(id), 0);
    }

    std::deque<Fill> queue;
    int opened = 0;
};

// --- the font dialog ---

TEST_F(FormatDialogs, FontDialogAppliesBoldSize14AndARedDoubleUnderlineToTheSelection) {
    select(4, 8);
    std::u16string face, description;
    answer({[&](HWND d) {
        EXPECT_EQ(shown(d, FontSizeEdit), u"11"); // the editor's own default
        pick(d, FontFaceList, 0);
        face = shown(d, FontFaceEdit);
        description = shown(d, FontDescription);
        SendMessageW(item(d, FontStyleEdit), WM_KEYDOWN, VK_DOWN, 0); // the list below moves
        EXPECT_EQ(shown(d, FontStyleEdit), u"Bold");
        type_into(d, FontSizeEdit, u"14");
        EXPECT_EQ(selection(d, FontSizeList), 5); // "14" found as typed
        pick(d, FontUnderlineList, 3);
        EXPECT_TRUE(IsWindowEnabled(item(d, FontUnderlineColor)));
        colour(d, FontUnderlineColor, 0x0000FF);
        EXPECT_FALSE(visible(d, FontHotLink)); // the editor does not offer links
        press(d, IDOK);
    }});
    command(EFC_FONTDIALOG);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(description.empty()); // what kind of font the face is
    ASSERT_FALSE(face.empty());
    for (std::uint32_t i = 4; i < 8; ++i) {
        const TCharFormat f = font_at(i);
        EXPECT_EQ(f.ftAttr & 1, 1) << i;
        EXPECT_EQ(+f.ftHeight, 14);
        EXPECT_EQ(+f.ftUnderline, 3);
        EXPECT_EQ(+f.ftUnderlineColor, 0x0000FFu);
        EXPECT_EQ(platform::from_utf8(f.ftFaceName), face);
    }
    EXPECT_EQ(+font_at(3).ftUnderline, 0);
    EXPECT_EQ(+font_at(8).ftHeight, +font_at(0).ftHeight);
    EXPECT_EQ(GetFocus(), editor);
}

TEST_F(FormatDialogs, FontDialogLoadsTheFormatAndKeepsItsRules) {
    TCharFormat f = font_at(0);
    f.ftHeight = 11;
    f.ftStrikethrough = 1;
    f.ftScript = -1;
    select(0, 3);
    apply(f);
    const TCharFormat before = font_at(0);
    answer({[&](HWND d) {
        EXPECT_EQ(shown(d, FontSizeEdit), u"11");
        EXPECT_EQ(selection(d, FontSizeList), 3);
        EXPECT_TRUE(checked(d, FontStrikethrough));
        EXPECT_TRUE(checked(d, FontSubscript));
        EXPECT_TRUE(IsWindowEnabled(item(d, FontStrikeColor)));
        EXPECT_FALSE(IsWindowEnabled(item(d, FontUnderlineColor)));
        EXPECT_FALSE(IsWindowEnabled(item(d, FontShadowColor)));
        // Double strike takes the place of the single one; superscript of subscript.
        press(d, FontDoubleStrike);
        EXPECT_FALSE(checked(d, FontStrikethrough));
        press(d, FontSuperscript);
        EXPECT_FALSE(checked(d, FontSubscript));
        press(d, FontShadow);
        EXPECT_TRUE(IsWindowEnabled(item(d, FontShadowOffset)));
        type_into(d, FontSizeEdit, u"7");
        EXPECT_EQ(selection(d, FontSizeList), -1);
        press(d, IDCANCEL);
    }});
    command(EFC_FONTDIALOG);
    const TCharFormat after = font_at(0);
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0); // Cancel changes nothing

    answer({[&](HWND d) {
        press(d, FontDoubleStrike); // on, then off: no strike at all
        press(d, FontDoubleStrike);
        type_into(d, FontSizeEdit, u"mười");
        press(d, IDOK); // not a number: the dialog stays, the field focused
        EXPECT_EQ(GetFocus(), item(d, FontSizeEdit));
        type_into(d, FontSizeEdit, u"500");
        press(d, IDOK);
    }});
    command(EFC_FONTDIALOG);
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(+font_at(0).ftStrikethrough, 0);
    EXPECT_EQ(+font_at(0).ftHeight, 128); // put within 6 to 128
}

TEST_F(FormatDialogs, FontDialogWithoutASelectionSetsWhatTypingUsesAndOffersLinksWhenAsked) {
    SendMessageW(editor, EFM_SETEDITTYPE, 0, Internals(engine()).FSettings.FEditStyle | 0x800);
    SendMessageW(editor, EFM_SETINDEX, 0, 3);
    answer({[&](HWND d) {
        EXPECT_TRUE(visible(d, FontHotLink));
        press(d, FontHotLink);
        pick(d, FontStyleList, 2);
        press(d, IDOK);
    }});
    SetFocus(editor);
    key('F', false, true); // Ctrl+F
    EXPECT_EQ(opened, 1);
    type(u"x");
    EXPECT_EQ(font_at(3).ftAttr & 0x0A, 0x0A); // italic and a hot link
    EXPECT_EQ(font_at(2).ftAttr & 0x0A, 0);
}

TEST_F(FormatDialogs, FontDialogDrawsInBothLanguages) {
    select(0, 3);
    for (int language : {0, 1}) {
        SendMessageW(editor, EFM_SETLANGUAGE, static_cast<WPARAM>(language), 0);
        answer({[&](HWND d) {
            EXPECT_EQ(shown(d, FontStrikethrough), language == 1 ? u"Strikethrough" : u"Gạch giữa");
            pick(d, FontUnderlineList, 13);
            press(d, FontShadow);
            snapshot(d, language == 1 ? "font-dialog-en" : "font-dialog-vi");
            press(d, IDCANCEL);
        }});
        command(language == 1 ? 1001 : EFC_FONTDIALOG);
    }
    EXPECT_EQ(opened, 2);
}

TEST_F(FormatDialogs, ATableEntryEditedInPlaceChangesEveryCharacterUsingIt) {
    answer({[&](HWND d) {
        pick(d, FontStyleList, 3);
        press(d, IDOK);
    }});
    SendMessageW(editor, EFM_MODIFYFORMATFONT, 0, 0);
    EXPECT_EQ(font_at(0).ftAttr & 3, 3);
    EXPECT_EQ(font_at(12).ftAttr & 3, 3);
    answer({});
    SendMessageW(editor, EFM_MODIFYFORMATFONT, 99, 0); // no such entry
    EXPECT_EQ(opened, 1);
}

// --- the paragraph dialog ---

TEST_F(FormatDialogs, ParagraphDialogAppliesALeftIndentOf2CmAndOneAndAHalfLines) {
    select(2, 20); // both paragraphs
    answer({[&](HWND d) {
        press(d, ParaCm);
        type_into(d, ParaLeft, u"2");
        pick(d, ParaLineSpacing, 1);
        EXPECT_FALSE(visible(d, ParaLineValue));
        pick(d, ParaAlignment, 1);
        press(d, IDOK);
    }});
    command(EFC_PARAGRAPHDIALOG);
    for (std::uint32_t at : {0u, 20u}) {
        const TParaFormat p = para_at(at);
        EXPECT_NEAR(+p.ptIndent.inLeft, 2 / 2.54, 1e-9);
        EXPECT_EQ(+p.ptLineSpacing, 1u);
        EXPECT_EQ(Internals(engine()).FParas->GetParaAlign(at), 1);
    }
    // The editor keeps centimetres for the next dialog, which shows what was stored.
    answer({[&](HWND d) {
        EXPECT_TRUE(checked(d, ParaCm));
        EXPECT_EQ(shown(d, ParaLeft), u"2");
        press(d, ParaInch);
        EXPECT_EQ(shown(d, ParaLeft), u"0.79");
        press(d, IDCANCEL);
    }});
    select(0, 0);
    SetFocus(editor);
    key('P', true, true); // Shift+Ctrl+P
    EXPECT_EQ(opened, 2);
}

TEST_F(FormatDialogs, ParagraphDialogFollowsItsRulesForIndentsAndLineSpacing) {
    TParaFormat p = para_at(0);
    p.ptIndent = {-0.25, 0.5, 0};
    p.ptLineSpacing = 5 + 65536 * 3;
    p.ptBullet.blPresent = 1;
    SendMessageW(editor, EFM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&p));
    answer({[&](HWND d) {
        EXPECT_EQ(selection(d, ParaSpecial), 2); // hanging
        EXPECT_EQ(shown(d, ParaDistance), u"0.25");
        EXPECT_EQ(shown(d, ParaLineValue), u"3"); // below 11: lines as stored
        press(d, ParaCm);
        EXPECT_EQ(shown(d, ParaLeft), u"1.27");
        type_into(d, ParaLeft, u"5.08");
        type_into(d, ParaLineValue, u"2,5");
        pick(d, ParaSpecial, 0); // (none) also takes the bullet away
        EXPECT_FALSE(visible(d, ParaDistance));
        type_into(d, ParaRight, u"một");
        press(d, IDOK); // refused: the field keeps the keys
        EXPECT_EQ(GetFocus(), item(d, ParaRight)) << GetDlgCtrlID(GetFocus());
        type_into(d, ParaRight, u"-1");
        press(d, IDOK);
    }});
    command(1002);
    const TParaFormat q = para_at(0);
    EXPECT_NEAR(+q.ptIndent.inLeft, 2.0, 1e-9);
    EXPECT_EQ(+q.ptIndent.inFirst, 0.0);
    EXPECT_EQ(+q.ptIndent.inRight, 0.0); // a negative right indent is undone
    EXPECT_EQ(+q.ptLineSpacing, 5u + 65536u * 25u);
    EXPECT_EQ(+q.ptBullet.blPresent, 0);
}

TEST_F(FormatDialogs, ParagraphShadingJoinsTheRecentColoursAndCancelChangesNothing) {
    controls::ClearRecentColors();
    const TParaFormat before = para_at(0);
    answer({[&](HWND d) {
        colour(d, ParaShading, 0x00FFFF);
        press(d, IDCANCEL);
    }});
    command(EFC_PARAGRAPHDIALOG);
    const TParaFormat after = para_at(0);
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
    EXPECT_TRUE(controls::RecentColors().empty());
    answer({[&](HWND d) {
        colour(d, ParaShading, 0x00FFFF);
        EXPECT_EQ(shown(d, ParaRed), u"R: 255   G: 255   B: 0");
        press(d, IDOK);
    }});
    command(EFC_PARAGRAPHDIALOG);
    EXPECT_EQ(+para_at(0).ptShading, 0x00FFFFu);
    EXPECT_EQ(controls::RecentColors(), std::vector<COLORREF>{0x00FFFF});
}

TEST_F(FormatDialogs, ParagraphDialogsButtonsOpenTheOtherDialogsOnItsCopy) {
    answer({[&](HWND d) {
                press(d, ParaBullet);                    // nested: the next filler
                EXPECT_EQ(selection(d, ParaSpecial), 2); // the bullet hangs
                EXPECT_EQ(shown(d, ParaLeft), u"0.5");
                press(d, ParaBorders);
                press(d, IDOK);
            },
            [&](HWND bullet) {
                EXPECT_FALSE(IsWindowEnabled(item(bullet, BulletRemove))); // nothing to remove
                type_into(bullet, BulletIndent, u"0.5");
                press(bullet, IDOK);
            },
            [&](HWND border) {
                press(border, BorderBox);
                press(border, IDOK);
            }});
    command(EFC_PARAGRAPHDIALOG);
    EXPECT_EQ(opened, 3);
    const TParaFormat p = para_at(0);
    EXPECT_EQ(+p.ptBullet.blPresent, 1);
    EXPECT_EQ(+p.ptIndent.inFirst, -0.5);
    EXPECT_EQ(+p.ptBorder.btLeft.beStyle, 0x11);
}

TEST_F(FormatDialogs, ParagraphDialogDrawsInBothLanguages) {
    for (int language : {0, 1}) {
        SendMessageW(editor, EFM_SETLANGUAGE, static_cast<WPARAM>(language), 0);
        answer({[&](HWND d) {
            pick(d, ParaSpecial, 2);
            const std::string name = language == 1 ? "paragraph-dialog-en" : "paragraph-dialog-vi";
            snapshot(d, name);
            SendMessageW(item(d, ParaPages), ZPCM_SETPAGE, 1, 0);
            snapshot(d, name + "-spacing");
            press(d, IDCANCEL);
        }});
        command(EFC_PARAGRAPHDIALOG);
    }
    EXPECT_EQ(opened, 2);
}

TEST_F(FormatDialogs, AParagraphTableEntryEditedInPlace) {
    answer({[&](HWND d) {
        type_into(d, ParaRight, u"1");
        press(d, IDOK);
    }});
    SendMessageW(editor, EFM_MODIFYFORMATPARA, 0, 0);
    EXPECT_EQ(+para_at(0).ptIndent.inRight, 1.0);
    EXPECT_EQ(+para_at(20).ptIndent.inRight, 1.0);
}

// --- the border and bullet dialogs ---

TEST_F(FormatDialogs, BorderDialogBuildsBoxesAndEdges) {
    answer({[&](HWND d) {
        EXPECT_TRUE(checked(d, BorderNone));
        pick(d, BorderLineStyle, 8); // style 9
        colour(d, BorderColor, 0xFF0000);
        type_into(d, BorderDistance, u"40"); // put within 0 to 32
        press(d, BorderBox);
        EXPECT_TRUE(checked(d, BorderLeft) && checked(d, BorderBottom));
        EXPECT_FALSE(checked(d, BorderNone));
        press(d, IDOK);
    }});
    command(EFC_BORDERSDIALOG);
    TBorder b = para_at(0).ptBorder;
    EXPECT_EQ(+b.btLeft.beStyle, 25);
    EXPECT_EQ(+b.btTop.beStyle, 25);
    EXPECT_EQ(+b.btRight.beStyle, 26);
    EXPECT_EQ(+b.btBottom.beStyle, 26);
    EXPECT_EQ(+b.btLeft.beColor, 0xFF0000u);
    EXPECT_EQ(+b.btLeft.beSpace, 32.0);

    SendMessageW(editor, EFM_SETLANGUAGE, 1, 0);
    answer({[&](HWND d) {
        snapshot(d, "border-dialog-en");
        EXPECT_TRUE(checked(d, BorderBox));
        EXPECT_EQ(selection(d, BorderLineStyle), 8); // taken from the left edge
        press(d, BorderBox);                         // released: the line styles stay
        press(d, BorderTop);                         // the top edge off
        press(d, IDOK);
    }});
    SetFocus(editor);
    key('B', true, true); // Shift+Ctrl+B
    b = para_at(0).ptBorder;
    EXPECT_EQ(+b.btLeft.beStyle, 9);
    EXPECT_EQ(+b.btTop.beStyle, 0);
    EXPECT_EQ(+b.btRight.beStyle, 10);

    answer({[&](HWND d) {
        press(d, BorderNone);
        EXPECT_FALSE(checked(d, BorderLeft));
        snapshot(d, "border-dialog-vi");
        press(d, IDOK);
    }});
    command(EFC_BORDERSDIALOG);
    EXPECT_EQ(+para_at(0).ptBorder.btRight.beStyle, 0);
}

TEST_F(FormatDialogs, BulletDialogSetsTheBulletAndItsIndentsAndRemoveTakesItAway) {
    answer({[&](HWND d) {
        pick(d, BulletSize, 5); // 12 points
        colour(d, BulletColor, 0x0000FF);
        EXPECT_TRUE(checked(d, BulletHanging)); // as the paragraph's bullet was
        press(d, BulletCm);
        type_into(d, BulletIndent, u"1.27");
        snapshot(d, "bullet-dialog-vi");
        press(d, IDOK);
    }});
    command(EFC_BULLETDIALOG);
    TParaFormat p = para_at(0);
    EXPECT_EQ(+p.ptBullet.blPresent, 1);
    EXPECT_EQ(+p.ptBullet.blSize, 12);
    EXPECT_EQ(+p.ptBullet.blColor, 0x0000FFu);
    EXPECT_NEAR(+p.ptBullet.blIndent, 0.5, 1e-9);
    EXPECT_EQ(+p.ptIndent.inFirst, -0.5);
    EXPECT_EQ(+p.ptIndent.inLeft, 0.5);

    SendMessageW(editor, EFM_SETLANGUAGE, 1, 0);
    answer({[&](HWND d) {
        EXPECT_TRUE(checked(d, BulletCm)); // the unit kept
        EXPECT_EQ(shown(d, BulletIndent), u"1.27");
        snapshot(d, "bullet-dialog-en");
        press(d, BulletRemove);
    }});
    SetFocus(editor);
    key('U', true, true); // Shift+Ctrl+U
    p = para_at(0);
    EXPECT_EQ(+p.ptBullet.blPresent, 0);
    EXPECT_EQ(+p.ptBullet.blSize, 12); // the rest stays
    EXPECT_EQ(+p.ptIndent.inLeft, 0.5);
}

TEST_F(FormatDialogs, ReadOnlyEditorsOpenNoFormattingDialogs) {
    answer({});
    SendMessageW(editor, EFM_DISABLEMODIFY, 0, 0);
    for (WPARAM id :
         {EFC_FONTDIALOG, EFC_PARAGRAPHDIALOG, EFC_TABSDIALOG, EFC_BORDERSDIALOG, EFC_BULLETDIALOG})
        command(id);
    EXPECT_EQ(opened, 0);
}

} // namespace
} // namespace zeledit::test

namespace zeledit::test {
namespace {

// --- the lists of formats: templates' quick dialogs and the review ---

class FormatLists : public FormatDialogs {
protected:
    void SetUp() override {
        FormatDialogs::SetUp();
        TCharFormat bold = font_at(0);
        bold.ftAttr |= 1;
        select(0, 3);
        apply(bold);
        TParaFormat wide = para_at(0);
        wide.ptIndent.inLeft = 1;
        ASSERT_EQ(tables().FParas->AppendFormat(wide), 1); // used by no paragraph yet
    }
    engine::TEditorInternals tables() { return Internals(engine()); }
    std::int32_t fonts() { return tables().FFonts->Count(); }
    std::int32_t paras() { return tables().FParas->Count(); }
    static LRESULT rows(HWND d) { return SendMessageW(item(d, FormatList), LB_GETCOUNT, 0, 0); }
};

TEST_F(FormatLists, ATemplateOffersItsCharacterAndParagraphFormatsInsteadOfTheDialogs) {
    SendMessageW(editor, EFM_SETDOCUMENTTYPE, 0, 0x602);
    ASSERT_EQ(fonts(), 2);
    select(10, 14);
    answer({[&](HWND d) {
        EXPECT_EQ(rows(d), 2);
        EXPECT_EQ(selection(d, FormatList), 0);
        pick(d, FormatList, 1);
        EXPECT_NE(shown(d, FormatDescription), u""); // the chosen format in words
        snapshot(d, "quick-font-vi");
        notify(d, FormatList, LBN_DBLCLK); // a double click applies
    }});
    command(EFC_FONTDIALOG);
    EXPECT_EQ(font_at(12).ftAttr & 1, 1);

    answer({[&](HWND d) {
        EXPECT_EQ(rows(d), paras());
        pick(d, FormatList, 1);
        snapshot(d, "quick-paragraph-vi");
        press(d, IDOK);
    }});
    select(20, 20);
    SendMessageW(editor, EFM_SETINDEX, 0, 20);
    command(EFC_PARAGRAPHDIALOG);
    EXPECT_EQ(+para_at(20).ptIndent.inLeft, 1.0);
    EXPECT_EQ(+para_at(0).ptIndent.inLeft, 0.0);

    // Nothing opens for a template's tabs, borders and bullets.
    for (WPARAM id : {EFC_TABSDIALOG, EFC_BORDERSDIALOG, EFC_BULLETDIALOG}) command(id);
    EXPECT_EQ(opened, 2);

    SendMessageW(editor, EFM_SETLANGUAGE, 1, 0);
    for (WPARAM id : {EFC_FONTDIALOG, EFC_PARAGRAPHDIALOG}) {
        answer({[&](HWND d) {
            snapshot(d, id == EFC_FONTDIALOG ? "quick-font-en" : "quick-paragraph-en");
            press(d, IDCANCEL);
        }});
        command(id);
    }
    EXPECT_EQ(opened, 4);
}

TEST_F(FormatLists, TheReviewAppliesTheChosenEntryAndTellsTheHost) {
    host->seen.clear();
    select(20, 20);
    SendMessageW(editor, EFM_SETINDEX, 0, 20);
    answer({[&](HWND d) {
        EXPECT_EQ(rows(d), fonts() + paras());
        EXPECT_TRUE(visible(d, ReviewDelete) && visible(d, ReviewOptimize)); // an ordinary document
        pick(d, FormatList, static_cast<int>(fonts()) + 1);
        snapshot(d, "review-formats-vi");
        press(d, IDOK);
    }});
    command(EFC_REVIEWFORMATS);
    headless::PumpMessages();
    EXPECT_EQ(+para_at(20).ptIndent.inLeft, 1.0);
    EXPECT_GE(count(EFN_FORMATCHANGED), 1);

    host->seen.clear();
    answer({[&](HWND d) { press(d, IDCANCEL); }});
    SetFocus(editor);
    key('F', true, true); // Shift+Ctrl+F
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(count(EFN_FORMATCHANGED), 1); // told even when closed without a choice
}

TEST_F(FormatLists, TheReviewEditsAndAddsEntriesInPlace) {
    SendMessageW(editor, EFM_SETLANGUAGE, 1, 0);
    answer({[&](HWND d) {
                pick(d, FormatList, 1); // the bold format
                SendMessageW(d, WM_COMMAND, ReviewModifyFont, 0);
                SendMessageW(d, WM_COMMAND, ReviewNewFont, 0);
                EXPECT_EQ(rows(d), 3 + paras());
                EXPECT_EQ(selection(d, FormatList), 2); // the new entry is chosen
                SendMessageW(d, WM_COMMAND, ReviewNewParagraph, 0);
                snapshot(d, "review-formats-en");
                press(d, IDCANCEL);
            },
            [&](HWND font) {
                pick(font, FontStyleList, 3);
                press(font, IDOK);
            },
            [&](HWND font) {
                type_into(font, FontSizeEdit, u"20");
                press(font, IDOK);
            },
            [&](HWND paragraph) {
                type_into(paragraph, ParaRight, u"2");
                press(paragraph, IDOK);
            }});
    const std::int32_t paragraphs = paras();
    command(EFC_REVIEWFORMATS);
    EXPECT_EQ(opened, 4);
    EXPECT_EQ(font_at(0).ftAttr & 3, 3); // every character of the entry changed
    ASSERT_EQ(fonts(), 3);
    EXPECT_EQ(+tables().FFonts->GetFormatItem(2)->FAttributes.ftHeight, 20);
    ASSERT_EQ(paras(), paragraphs + 1);
    EXPECT_EQ(+tables().FParas->GetFormatItem(paragraphs)->FAttributes.ptIndent.inRight, 2.0);
}

TEST_F(FormatLists, TheReviewOfATemplateDeletesAndTheReviewOfADocumentMerges) {
    SendMessageW(editor, EFM_SETDOCUMENTTYPE, 0, 0x602);
    answer({[&](HWND d) {
        EXPECT_FALSE(IsWindowEnabled(item(d, ReviewModify)));
        EXPECT_FALSE(IsWindowEnabled(item(d, ReviewNew)));
        EXPECT_TRUE(visible(d, ReviewDelete));
        EXPECT_FALSE(visible(d, ReviewOptimize));
        SendMessageW(d, WM_COMMAND, ReviewNewFont, 0); // refused in a template
        pick(d, FormatList, 1);
        press(d, ReviewDelete); // the bold format: its characters take entry 0
        EXPECT_EQ(rows(d), 1 + paras());
        pick(d, FormatList, 0);
        EXPECT_FALSE(IsWindowEnabled(item(d, ReviewDelete))); // the only character format
        press(d, ReviewDelete);
        EXPECT_EQ(rows(d), 1 + paras());
        press(d, IDCANCEL);
    }});
    command(EFC_REVIEWFORMATS);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(fonts(), 1);
    EXPECT_EQ(font_at(0).ftAttr & 1, 0);

    // Two equal entries merge, and the text's format bytes follow.
    SendMessageW(editor, EFM_SETDOCUMENTTYPE, 0, 0x601);
    const TCharFormat plain = font_at(0);
    const std::int32_t twin = tables().FFonts->AppendFormat(plain);
    ASSERT_EQ(twin, 1);
    tables().FFonts->SetFormatChars(4, 7, static_cast<std::uint8_t>(twin));
    answer({[&](HWND d) {
        EXPECT_TRUE(visible(d, ReviewOptimize));
        press(d, ReviewOptimize);
        EXPECT_EQ(rows(d), 1 + paras());
        press(d, IDCANCEL);
    }});
    command(EFC_REVIEWFORMATS);
    EXPECT_EQ(fonts(), 1);
    const auto* bytes =
        reinterpret_cast<const std::uint8_t*>(SendMessageW(editor, EFM_GETFORMATBUFFER, 0, 0));
    EXPECT_EQ(bytes[5] & 0x7F, 0);
}

} // namespace
} // namespace zeledit::test
