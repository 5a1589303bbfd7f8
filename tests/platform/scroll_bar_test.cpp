// Window scroll bars and "SCROLLBAR" controls: ranges, pages, the client area, the mouse.
#include "platform/platform_test.h"

namespace zeledit::test {
namespace {

namespace hl = zeledit::headless;

class ScrollBars : public PlatformTest {};

TEST_F(ScrollBars, RangeAndPositionAreClampedToThePage) {
    HWND w = make_window(nullptr, WS_VISIBLE | WS_VSCROLL);
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 500, 0};
    EXPECT_EQ(SetScrollInfo(w, SB_VERT, &si, TRUE), 90); // last position: max - page + 1
    EXPECT_EQ(SetScrollPos(w, SB_VERT, -4, TRUE), 90);
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 0);
    si = {sizeof si, SIF_PAGE, 0, 0, 1000, 0, 0};
    SetScrollInfo(w, SB_VERT, &si, TRUE);
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(w, SB_VERT, &si));
    EXPECT_EQ(si.nPage, 100u); // never more than the range
    int lo = -1, hi = -1;
    EXPECT_TRUE(GetScrollRange(w, SB_VERT, &lo, &hi));
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 99);
    si.cbSize = 3;
    EXPECT_EQ(SetScrollInfo(w, SB_VERT, &si, TRUE), 0);
    EXPECT_FALSE(GetScrollRange(w, SB_VERT, nullptr, &hi));
}

TEST_F(ScrollBars, ShowingABarShrinksTheClientAreaAndSendsSize) {
    HWND w = make_window(nullptr, WS_VISIBLE, 0, 0, 200, 100);
    clear_log();
    EXPECT_TRUE(ShowScrollBar(w, SB_VERT, TRUE));
    RECT r;
    GetClientRect(w, &r);
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(r.right, 200 - bar);
    ASSERT_EQ(received(WM_SIZE).size(), 1u);
    EXPECT_EQ(LOWORD(received(WM_SIZE)[0].lParam), 200 - bar);
    clear_log();
    ShowScrollBar(w, SB_VERT, TRUE); // no change, no message
    EXPECT_TRUE(received(WM_SIZE).empty());
    ShowScrollBar(w, SB_BOTH, FALSE);
    GetClientRect(w, &r);
    EXPECT_EQ(r.right, 200);
    EXPECT_EQ(r.bottom, 100);
}

TEST_F(ScrollBars, ARangeThatCannotScrollHidesTheBarUnlessAskedToDisable) {
    HWND w = make_window(nullptr, WS_VISIBLE);
    EXPECT_TRUE(SetScrollRange(w, SB_VERT, 0, 50, TRUE));
    EXPECT_TRUE(GetWindowLongPtrW(w, GWL_STYLE) & WS_VSCROLL);
    SetScrollRange(w, SB_VERT, 0, 0, TRUE);
    EXPECT_FALSE(GetWindowLongPtrW(w, GWL_STYLE) & WS_VSCROLL);
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 0, 9, 10, 0, 0};
    SetScrollInfo(w, SB_HORZ, &si, TRUE);
    EXPECT_TRUE(GetWindowLongPtrW(w, GWL_STYLE) & WS_HSCROLL);
}

TEST_F(ScrollBars, ControlKeepsItsOwnStateThroughMessages) {
    HWND parent = make_window();
    HWND bar = CreateWindowExW(0, u"SCROLLBAR", u"", WS_CHILD | WS_VISIBLE | SBS_VERT, 0, 0, 17, 200, parent,
                               nullptr, instance(), nullptr);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(SetScrollRange(bar, SB_CTL, 0, 10, TRUE));
    EXPECT_EQ(SetScrollPos(bar, SB_CTL, 4, TRUE), 0);
    EXPECT_EQ(SendMessageW(bar, SBM_GETPOS, 0, 0), 4);
    int lo = 0, hi = 0;
    SendMessageW(bar, SBM_GETRANGE, reinterpret_cast<WPARAM>(&lo), reinterpret_cast<LPARAM>(&hi));
    EXPECT_EQ(hi, 10);
    EXPECT_FALSE(SetScrollRange(parent, SB_CTL, 0, 5, TRUE)); // not a scroll-bar control
    GetClientRect(parent, nullptr);
    RECT r;
    GetClientRect(parent, &r);
    EXPECT_EQ(r.right, 200); // a control does not touch its parent's client area
}

TEST_F(ScrollBars, ClickingTheControlNotifiesItsParent) {
    HWND parent = make_window(nullptr, WS_VISIBLE, 0, 0, 300, 300);
    HWND bar = CreateWindowExW(0, u"SCROLLBAR", u"", WS_CHILD | WS_VISIBLE | SBS_VERT, 0, 0, 17, 200, parent,
                               nullptr, instance(), nullptr);
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE, 0, 99, 10, 0, 0};
    SetScrollInfo(bar, SB_CTL, &si, TRUE);
    hl::PumpMessages();
    clear_log();
    hl::Click(hl::Button::Left, 8, 195); // the down arrow
    hl::Click(hl::Button::Left, 8, 150); // the track below the thumb
    hl::PumpMessages();
    const auto scrolls = received(WM_VSCROLL);
    ASSERT_EQ(scrolls.size(), 4u);
    EXPECT_EQ(LOWORD(scrolls[0].wParam), SB_LINEDOWN);
    EXPECT_EQ(reinterpret_cast<HWND>(scrolls[0].lParam), bar);
    EXPECT_EQ(LOWORD(scrolls[1].wParam), SB_ENDSCROLL);
    EXPECT_EQ(LOWORD(scrolls[2].wParam), SB_PAGEDOWN);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ScrollBars, DraggingTheThumbOfAWindowBarTracksPositions) {
    HWND w = make_window(nullptr, WS_VISIBLE, 0, 0, 200, 217);
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE, 0, 99, 10, 0, 0};
    SetScrollInfo(w, SB_VERT, &si, TRUE);
    hl::PumpMessages();
    clear_log();
    // The bar runs from y 0 to 217: arrows of 17, the thumb starts just below the top arrow.
    hl::MouseDown(hl::Button::Left, 190, 20);
    hl::MouseMove(190, 300); // far below: the last position
    hl::MouseUp(hl::Button::Left, 190, 300);
    hl::PumpMessages();
    const auto scrolls = received(WM_VSCROLL);
    ASSERT_EQ(scrolls.size(), 3u);
    EXPECT_EQ(LOWORD(scrolls[0].wParam), SB_THUMBTRACK);
    EXPECT_EQ(HIWORD(scrolls[0].wParam), 90);
    EXPECT_EQ(LOWORD(scrolls[1].wParam), SB_THUMBPOSITION);
    EXPECT_EQ(HIWORD(scrolls[1].wParam), 90);
    EXPECT_EQ(LOWORD(scrolls[2].wParam), SB_ENDSCROLL);
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 0); // the program moves the bar, not the system
}

// The frame of a child with a client edge and a vertical bar, drawn on its top-level window:
// the edge's colours, the arrows' faces, and the thumb following the position.
TEST_F(ScrollBars, TheFrameAndTheBarAreDrawnAndTheThumbMoves) {
    HWND top = make_window(nullptr, WS_VISIBLE, 0, 0, 300, 200);
    HWND child = make_window(top, WS_VISIBLE | WS_CHILD | WS_VSCROLL, 20, 10, 200, 150, 1, WS_EX_CLIENTEDGE);
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 0, 0};
    SetScrollInfo(child, SB_VERT, &si, TRUE);
    hl::PumpMessages();
    const auto colour = [](int index) { return 0xFF000000 | (GetSysColor(index) & 0xFFFFFF); };
    const auto rgb = [&](int x, int y) {
        const std::uint32_t p = hl::PixelAt(top, x, y);
        return 0xFF000000 | ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF); // as a COLORREF
    };
    EXPECT_EQ(rgb(20, 80), colour(COLOR_BTNSHADOW));          // outer edge, left
    EXPECT_EQ(rgb(21, 80), colour(COLOR_3DDKSHADOW));         // inner edge, left
    EXPECT_EQ(rgb(20 + 199, 80), colour(COLOR_BTNHIGHLIGHT)); // outer edge, right
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    const int bar_x = 20 + 200 - 2 - bar / 2;
    EXPECT_EQ(rgb(bar_x - 3, 10 + 2 + bar / 2 + 4), colour(COLOR_BTNFACE)); // the top arrow's face
    // Along the track, the thumb is the one raised face; it moves with the position.
    const auto thumb_top = [&]() {
        for (int y = 10 + 2 + bar; y < 10 + 150 - 2 - bar; ++y)
            if (rgb(bar_x, y) == colour(COLOR_BTNFACE)) return y;
        return -1;
    };
    const int before = thumb_top();
    EXPECT_GE(before, 10 + 2 + bar);
    SetScrollPos(child, SB_VERT, 90, TRUE);
    const int after = thumb_top();
    EXPECT_GT(after, before + 50);
}

} // namespace
} // namespace zeledit::test
