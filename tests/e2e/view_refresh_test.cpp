// What the window shows after the view moves, a document is replaced or a setting changes:
// the caret only where its line is, no pixels of an old document, the caret and clicks where
// justified text is drawn, and settings that change line heights or widths laid out again.
#include "e2e/layout_test.h"
#include "engine/editor_internals.h"
#include "objects/picture_object.h"
#include "platform/graphics_support/graphics_support.h"

#include <cstring>

#include <vector>

namespace zeledit::test {
namespace {

class ViewRefresh : public Layout {
protected:
    void render() {
        InvalidateRect(editor, nullptr, TRUE);
        headless::PumpMessages();
    }
    bool ink_at(int x, int y) const { return (headless::PixelAt(editor, x, y) & 0xFFFFFF) != 0xFFFFFF; }
    // Left edges of the runs of inked columns within the band [top, bottom), runs being
    // separated by at least `gap` blank columns.
    std::vector<int> ink_runs(int top, int bottom, int right, int gap = 3) const {
        std::vector<int> starts;
        int blank = gap;
        for (int x = 0; x < right; ++x) {
            bool ink = false;
            for (int y = top; y < bottom && !ink; ++y) ink = ink_at(x, y);
            if (ink && blank >= gap) starts.push_back(x);
            blank = ink ? 0 : blank + 1;
        }
        return starts;
    }
    std::u16string long_text(int lines) {
        std::u16string text;
        for (int i = 0; i < lines; ++i) text += u"line of text\r\n";
        return text;
    }
};

TEST_F(ViewRefresh, TheCaretIsHiddenWhileItsLineIsOutOfView) {
    SetFocus(editor);
    set_text(long_text(80));
    SendMessageW(editor, EFM_SETINDEX, 0, 0);
    ASSERT_TRUE(headless::Caret().visible);
    for (int i = 0; i < 40; ++i)
        SendMessageW(editor, WM_MOUSEWHEEL, static_cast<WPARAM>(-WHEEL_DELTA) << 16, 0);
    ASSERT_GT(lines().FTopLine, 20);
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 0u); // the wheel moves the view, not the caret
    EXPECT_FALSE(headless::Caret().visible);
    for (int i = 0; i < 40; ++i)
        SendMessageW(editor, WM_MOUSEWHEEL, static_cast<WPARAM>(WHEEL_DELTA) << 16, 0);
    ASSERT_EQ(lines().FTopLine, 0);
    const auto caret = headless::Caret();
    EXPECT_TRUE(caret.visible);
    EXPECT_EQ(caret.y, 0);
    EXPECT_EQ(caret.x, 5);
    // A few lines down the caret stands lower by exactly the lines scrolled past.
    SendMessageW(editor, EFM_SETINDEX, 0, static_cast<LPARAM>(lines().Line(3)->At));
    const int before = headless::Caret().y;
    SendMessageW(editor, WM_MOUSEWHEEL, static_cast<WPARAM>(-WHEEL_DELTA) << 16, 0);
    EXPECT_TRUE(headless::Caret().visible);
    EXPECT_EQ(headless::Caret().y, before - lines().Line(0)->TotalHeight());
}

TEST_F(ViewRefresh, AShorterDocumentLoadedLeavesNoOldPixels) {
    SetFocus(editor);
    set_text(long_text(40));
    for (int i = 0; i < 5; ++i)
        SendMessageW(editor, WM_MOUSEWHEEL, static_cast<WPARAM>(-WHEEL_DELTA) << 16, 0);
    render();
    ASSERT_TRUE(ink_runs(200, 280, 400).size() > 0); // old text far down the window

    HWND other = make_editor(400);
    SendMessageW(other, EFM_INSERTTEXT, 0, reinterpret_cast<LPARAM>(u"short"));
    auto block = reinterpret_cast<HGLOBAL>(SendMessageW(other, EFM_GETDATA, 0, 0));
    ASSERT_NE(SendMessageW(editor, EFM_SETDATA, 0, reinterpret_cast<LPARAM>(block)), 0);
    GlobalFree(block);
    SetFocus(editor);
    headless::PumpMessages(); // no forced repaint: only what loading invalidated
    EXPECT_EQ(lines().FTopLine, 0);
    EXPECT_TRUE(ink_runs(0, 20, 400).size() > 0);
    EXPECT_TRUE(ink_runs(40, 290, 400).empty());
    EXPECT_TRUE(headless::Caret().visible);
    EXPECT_EQ(headless::Caret().y, 0);

    SendMessageW(editor, EFM_INSERTTEXT, 0, reinterpret_cast<LPARAM>(long_text(30).c_str()));
    headless::PumpMessages();
    SendMessageW(editor, EFM_CLEARTEXT, 0, 0);
    headless::PumpMessages();
    EXPECT_TRUE(ink_runs(0, 290, 400).empty());
}

TEST_F(ViewRefresh, TheCaretAndClicksFollowJustifiedText) {
    std::u16string text;
    for (int i = 0; i < 19; ++i) text += u"ab ";
    text += u"abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz";
    editor = make_editor(630);
    SetFocus(editor);
    SendMessageW(editor, WM_COMMAND, 109, 0); // justify the caret's paragraph
    for (char16_t c : text) SendMessageW(editor, WM_CHAR, c, 0);
    SendMessageW(editor, EFM_SETINDEX, 0, 3);
    const int unpainted = headless::Caret().x; // before anything was painted
    render();
    EXPECT_NEAR(unpainted, ink_runs(0, lines().Line(0)->TotalHeight(), 630)[1], 1);
    // Runs of other fonts take their share of the spreading where they stand.
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(13, 31));
    SendMessageW(editor, WM_COMMAND, 103, 0); // bold
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(0, 0));
    render();
    ASSERT_GT(lines().Count(), 1);
    const std::uint32_t words = lines().Line(1)->At / 3; // "ab " each
    ASSERT_GT(words, 3u);
    const std::vector<int> runs = ink_runs(0, lines().Line(0)->TotalHeight(), 630);
    ASSERT_EQ(runs.size(), words);
    for (std::uint32_t w : {1u, words / 2, words - 1}) {
        const auto at = static_cast<LPARAM>(3 * w);
        SendMessageW(editor, EFM_SETINDEX, 0, at);
        EXPECT_NEAR(headless::Caret().x, runs[w], 1) << "word " << w;
        SendMessageW(editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(runs[w] + 2, 3));
        SendMessageW(editor, WM_LBUTTONUP, 0, MAKELPARAM(runs[w] + 2, 3));
        EXPECT_EQ(Internals(engine()).edInfo.eiIndex, static_cast<std::uint32_t>(at + 1)) << "word " << w;
    }
}

TEST_F(ViewRefresh, FittingObjectsAndTheDefaultFontLayTheDocumentOutAgain) {
    // An inline picture twice as wide as the band: fitted, it shrinks to the band.
    std::vector<std::uint32_t> argb(800 * 20, 0xFF808080);
    TObjectInfo info{};
    info.oiStyle = objects::osPicture;
    info.oiID = Internals(engine()).FObjects->GetNewID();
    Internals(engine()).FObjects->AddObject(std::make_unique<objects::TPictureObj>(
        &Internals(engine()).edInfo, info, platform::UniqueGlobal(platform::make_packed_dib(800, 20, argb))));
    SendMessageW(editor, EFM_ENABLEFITOBJS, 0, 0);
    set_text(std::u16string(1, objects::ObjectMark));
    Internals(engine()).FBuffer->FormatByte(0) = info.oiID;
    engine().GetLines();
    const objects::TObjectItem& picture = *Internals(engine()).FObjects->Item(0);
    ASSERT_EQ(picture.Width(), 800);
    SendMessageW(editor, EFM_ENABLEFITOBJS, 1, 0);
    EXPECT_LE(picture.Width(), 400);
    EXPECT_LE(lines().Line(0)->Width(), 400);
    SendMessageW(editor, EFM_ENABLEFITOBJS, 0, 0);
    EXPECT_EQ(picture.Width(), 800);

    set_text(u"x");
    const int before = lines().Line(0)->TotalHeight();
    TCharFormat big{};
    std::strcpy(big.ftFaceName, "Times New Roman");
    big.ftHeight = 30;
    SendMessageW(editor, EFM_SETDEFAULTFONT, 0, reinterpret_cast<LPARAM>(&big));
    EXPECT_GT(lines().Line(0)->TotalHeight(), before + 10);
    EXPECT_EQ(SendMessageW(editor, EFM_GETDOCUMENTHEIGHT, 0, 0), lines().Line(0)->TotalHeight());
}

// In control mode the band follows the window: a document long enough for the vertical bar
// is laid out in the band the bar leaves, exactly as a layout after the bar showed would.
TEST_F(ViewRefresh, TheBarThatALongDocumentBringsNarrowsItsLines) {
    HWND w = CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                             nullptr, nullptr);
    SendMessageW(w, EFM_SETEDITTYPE, 0, engine::esControl);
    ASSERT_EQ(GetWindowLongW(w, GWL_STYLE) & WS_VSCROLL, 0);
    const int wide =
        Internals(engine(w)).edInfo.eiBoundRect.right - Internals(engine(w)).edInfo.eiBoundRect.left;
    std::u16string text;
    for (int i = 0; i < 40; ++i) text += u"words that wrap in a band of a few hundred pixels ";
    set_text(text, 0, w);
    ASSERT_NE(GetWindowLongW(w, GWL_STYLE) & WS_VSCROLL, 0);
    const int narrow =
        Internals(engine(w)).edInfo.eiBoundRect.right - Internals(engine(w)).edInfo.eiBoundRect.left;
    EXPECT_LT(narrow, wide);
    std::vector<std::pair<std::uint32_t, int>> laid;
    for (std::int32_t i = 0; i < lines(w).Count(); ++i) {
        laid.emplace_back(lines(w).Line(i)->At, lines(w).Line(i)->Width());
        EXPECT_LE(lines(w).Line(i)->FRegion.Right - lines(w).Line(i)->FRegion.Left, narrow);
    }
    engine(w).GetLines();
    for (std::int32_t i = 0; i < lines(w).Count(); ++i)
        EXPECT_EQ(laid[static_cast<std::size_t>(i)],
                  std::make_pair(lines(w).Line(i)->At, lines(w).Line(i)->Width()));
    EXPECT_EQ(laid.size(), static_cast<std::size_t>(lines(w).Count()));
    DestroyWindow(w);
}

// A read-only document about a view high needs the bar in one band and not in the other: the
// bar that each layout shows or hides must not start layouts without end (found by fuzzing),
// and the lines stay those of a layout in the band the window ends with.
TEST_F(ViewRefresh, ABarThatComesAndGoesWithTheBandEndsTheLayouts) {
    HWND w = CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 200, 120, nullptr, nullptr,
                             nullptr, nullptr);
    SendMessageW(w, EFM_SETEDITTYPE, 0, engine::esControl | engine::esReadOnly);
    std::u16string text;
    for (int lines_of_text = 1; lines_of_text < 14; ++lines_of_text) {
        text += u"words wrap in a narrow band ";
        set_text(text, 0, w);
        const auto laid = [&] {
            std::vector<std::uint32_t> starts;
            for (std::int32_t i = 0; i < lines(w).Count(); ++i) starts.push_back(lines(w).Line(i)->At);
            return starts;
        };
        const std::vector<std::uint32_t> before = laid();
        engine(w).LayOutAll();
        EXPECT_EQ(before, laid()) << lines_of_text;
    }
    DestroyWindow(w);
}

} // namespace
} // namespace zeledit::test
