// The mouse over an editor window, with real (synthetic) input: clicks, drags, double clicks,
// the cursor's shape, the right button, the mouse pause and dragging a floating object.
#include "e2e/editing_test.h"
#include "engine/editor_internals.h"
#include "objects/picture_object.h"
#include "platform/graphics_support/graphics_support.h"

#include <vector>

namespace zeledit::test {
namespace {

namespace hl = zeledit::headless;

class Mouse : public Editing {
protected:
    // A point that puts the caret at a text position: a click lands after the character it
    // hits, so the point is just inside the character before.
    POINT at(std::uint32_t index) {
        const std::int32_t line = line_of(index);
        const POINT p = engine().GetCharPos(line, index);
        return {p.x - 1, lines().GetLineOnWindow(line) + lines().Line(line)->LineHeight() / 2};
    }
    void click(POINT p) {
        hl::Click(hl::Button::Left, p.x, p.y);
        hl::PumpMessages();
    }
    void drag(POINT from, POINT to) {
        hl::MouseDown(hl::Button::Left, from.x, from.y);
        hl::MouseMove((from.x + to.x) / 2, (from.y + to.y) / 2);
        hl::MouseMove(to.x, to.y);
        hl::MouseUp(hl::Button::Left, to.x, to.y);
        hl::PumpMessages();
    }
};

TEST_F(Mouse, AClickedLinkOrCommentIsReportedAndStartsNoSelection) {
    set_text(u"see the site or the note here");
    const TInsertHyperLink link{8, 12, "https://example.org", 7};
    SendMessageW(editor, EFM_INSERTHYPERLINK, 0, reinterpret_cast<LPARAM>(&link));
    Internals(engine()).FLinks->SetHyperLinkAt(20, 24, u"~Bsee~B this", 0, "");
    const THyperTextInfo* reported = nullptr;
    const TCommentInfo* comment = nullptr;
    std::u16string comment_text;
    host.reset(); // one listener at a time
    host = std::make_unique<HostRecorder>(editor, [&](UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        if (m == EFN_HYPERLINK) reported = reinterpret_cast<const THyperTextInfo*>(l);
        if (m == EFN_COMMENTCLICK) {
            comment = reinterpret_cast<const TCommentInfo*>(l); // valid while the host answers
            comment_text = comment->ciComment;
            EXPECT_EQ(comment->ciStart, 20);
            EXPECT_EQ(comment->ciEnd, 24);
        }
        return std::nullopt;
    });
    click(at(10));
    ASSERT_NE(reported, nullptr);
    EXPECT_EQ(+reported->ikData, 7);
    EXPECT_STREQ(reported->ikText, "https://example.org");
    EXPECT_FALSE(Internals(engine()).FMouse.LeftDown());
    click(at(22));
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(comment_text, u"~Bsee~B this");
    EXPECT_EQ(count(EFN_HYPERLINK), 1);
}

TEST_F(Mouse, ALinkAtTheEndOfALineIsNotClickedRightOfItsEnd) {
    set_text(u"go home");
    const TInsertHyperLink link{3, 7, "home", 1};
    SendMessageW(editor, EFM_INSERTHYPERLINK, 0, reinterpret_cast<LPARAM>(&link));
    const POINT end = at(7);
    click({end.x + 60, end.y});
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 7u);
    EXPECT_EQ(count(EFN_HYPERLINK), 0);
}

TEST_F(Mouse, TheLinkUnderTheMouseIsHighlighted) {
    set_text(u"see the site here");
    const TInsertHyperLink link{8, 12, "site", 1};
    SendMessageW(editor, EFM_INSERTHYPERLINK, 0, reinterpret_cast<LPARAM>(&link));
    const POINT over = at(10);
    hl::MouseMove(over.x, over.y);
    hl::PumpMessages();
    EXPECT_EQ(Internals(engine()).edInfo.eiHighStart, 8);
    EXPECT_EQ(Internals(engine()).edInfo.eiHighEnd, 11);
    const POINT away = at(2);
    hl::MouseMove(away.x, away.y);
    hl::PumpMessages();
    EXPECT_EQ(Internals(engine()).edInfo.eiHighStart, Internals(engine()).edInfo.eiHighEnd);
}

TEST_F(Mouse, AClickPlacesTheCaretAndADragSelects) {
    set_text(u"hello brave world");
    click(at(6));
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 6u);
    drag(at(0), at(5));
    EXPECT_EQ(selected(), u"hello");
    EXPECT_EQ(GetCapture(), nullptr);
    drag(at(11), at(6)); // from right to left
    EXPECT_EQ(selected(), u"brave");
    EXPECT_EQ(Internals(engine()).edInfo.eiSelStart, 11u); // the anchor
    SendMessageW(editor, EFM_SETEDITORSTATE, 1, 0);
    click(at(3));
    drag(at(0), at(5));
    EXPECT_EQ(selected(), u"");
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 0u); // nor does the caret follow
}

TEST_F(Mouse, ADoubleClickSelectsTheWordAndTellsTheHost) {
    set_text(u"one two  three");
    host->seen.clear();
    click(at(5));
    click(at(5));
    EXPECT_EQ(selected(), u"two");
    EXPECT_EQ(count(EFN_CLICK), 1);
    SendMessageW(editor, EFM_SETSELTEXT, 0, 0);
    click(at(7)); // the first of two spaces: nothing follows before the next delimiter
    click(at(7));
    EXPECT_EQ(selected(), u"");
    EXPECT_EQ(count(EFN_CLICK), 2);
    SendMessageW(editor, EFM_SETEDITTYPE, 0, engine::esControl | engine::eoSingleClickWord);
    click(at(10));
    EXPECT_EQ(selected(), u"three");
}

TEST_F(Mouse, AClickIntoAnotherEditorsSelectionOnlyGivesItTheFocus) {
    // Two editors side by side in one frame, the way a host shows them.
    const auto child = [&](int x) {
        return CreateWindowExW(0, FormattedEditorClassName, u"", WS_CHILD | WS_VISIBLE, x, 0, 150, 60, editor,
                               nullptr, nullptr, nullptr);
    };
    HWND left = child(0), right = child(200);
    SendMessageW(left, EFM_INSERTTEXT, 0, reinterpret_cast<LPARAM>(u"hello world"));
    SendMessageW(left, EFM_SETSELTEXT, 0, MAKELPARAM(0, 5));
    SetFocus(right);
    hl::Click(hl::Button::Left, 60, 8);
    hl::PumpMessages();
    EXPECT_EQ(GetFocus(), left);
    SIZE range{};
    EXPECT_EQ(SendMessageW(left, EFM_GETSELINDEX, 0, reinterpret_cast<LPARAM>(&range)), MAKELPARAM(0, 5));
    hl::Click(hl::Button::Left, 90, 8); // now focused: the click places the caret
    hl::PumpMessages();
    const LRESULT now = SendMessageW(left, EFM_GETSELINDEX, 0, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(LOWORD(now), HIWORD(now));
    EXPECT_GT(LOWORD(now), 5);
}

TEST_F(Mouse, TheCursorIsTheHostsOrTheDesktops) {
    set_text(u"text");
    const POINT p = at(2);
    hl::MouseMove(p.x, p.y);
    hl::PumpMessages();
    EXPECT_EQ(::GetCursor(), LoadCursorW(nullptr, IDC_IBEAM));
    SendMessageW(editor, EFM_SETEDITTYPE, 0, engine::esControl | engine::esReadOnly);
    hl::MouseMove(p.x + 1, p.y);
    hl::PumpMessages();
    EXPECT_EQ(::GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
    const HCURSOR mine = LoadCursorW(nullptr, IDC_WAIT);
    host.reset();
    host = std::make_unique<HostRecorder>(editor, [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == EFN_GETCURSOR) return reinterpret_cast<LRESULT>(mine);
        return std::nullopt;
    });
    hl::MouseMove(p.x + 2, p.y);
    hl::PumpMessages();
    EXPECT_EQ(::GetCursor(), mine);
}

TEST_F(Mouse, AMousePauseIsReportedOnce) {
    set_text(u"some text");
    const POINT p = at(3);
    hl::MouseMove(p.x, p.y);
    hl::PumpMessages();
    host->seen.clear();
    for (int tick = 0; tick < 12; ++tick) SendMessageW(editor, WM_TIMER, 1, 0);
    EXPECT_EQ(count(EFN_MOUSEWAIT), 1);
    EXPECT_TRUE(host->saw(EFN_MOUSEWAIT, 3));
    hl::MouseMove(p.x + 1, p.y); // moving and resting again reports again
    hl::PumpMessages();
    for (int tick = 0; tick < 12; ++tick) SendMessageW(editor, WM_TIMER, 1, 0);
    EXPECT_EQ(count(EFN_MOUSEWAIT), 2);
}

TEST_F(Mouse, TheRightButtonMovesTheCaretOnlyWithoutASelection) {
    set_text(u"hello world");
    SendMessageW(editor, EFM_SETSPECIALRIGHTBUTTON, 1, 0);
    const POINT p = at(7);
    hl::Click(hl::Button::Right, p.x, p.y);
    hl::PumpMessages();
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 7u);
    EXPECT_TRUE(host->saw(EFN_RIGHTCLICK, 7));
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(0, 5));
    hl::Click(hl::Button::Right, p.x, p.y);
    hl::PumpMessages();
    EXPECT_EQ(selected(), u"hello");
}

TEST_F(Mouse, AFloatingObjectIsDraggedWithinTheTextArea) {
    set_text(u"a line of text beside a picture");
    TObjectInfo info{};
    info.oiStyle = objects::osPicture;
    info.oiID = 1;
    info.oiFloated = 1;
    info.oiWrapText = 0;
    info.oiMargins = {10.0, 0.0, 0.0, 0.0};
    std::vector<std::uint32_t> argb(40 * 30, 0xFF0000FF);
    Internals(engine()).FObjects->AddObject(std::make_unique<objects::TPictureObj>(
        &Internals(engine()).edInfo, info, platform::UniqueGlobal(platform::make_packed_dib(40, 30, argb))));
    engine().GetLines();
    InvalidateRect(editor, nullptr, TRUE);
    hl::PumpMessages();
    objects::TObjectItem& picture = *Internals(engine()).FObjects->FindByID(1);
    const RECT r = picture.ObjectRect();
    ASSERT_GT(r.right, r.left);
    drag({r.left + 5, r.top + 5}, {r.left + 65, r.top + 25});
    EXPECT_NEAR(picture.Info.oiMargins.omLeft, (r.left + 60) * 72.0 / 96, 1.0);
    EXPECT_EQ(+picture.Info.oiFloated, 1);
    const RECT moved = picture.ObjectRect();
    drag({moved.left + 5, moved.top + 5}, {moved.left - 500, moved.top + 5}); // not past the left edge
    EXPECT_EQ(picture.Info.oiMargins.omLeft, 0.0);
    key('Z', false, true); // the document is loaded again: its objects are new ones
    EXPECT_NEAR(Internals(engine()).FObjects->FindByID(1)->Info.oiMargins.omLeft, (r.left + 60) * 72.0 / 96,
                1.0);
}

} // namespace
} // namespace zeledit::test
