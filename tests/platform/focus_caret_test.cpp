// Focus, activation, capture and the caret.
#include "platform/platform_test.h"

namespace zeledit::test {
namespace {

using ::testing::ElementsAre;
namespace hl = zeledit::headless;

class Focus : public PlatformTest {};

TEST_F(Focus, MovingFocusKillsTheOldAndSetsTheNew) {
    HWND top = make_window();
    HWND a = make_window(top);
    HWND b = make_window(top);
    EXPECT_EQ(SetFocus(a), top); // showing the top-level window activated and focused it
    clear_log();
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_THAT(messages(), ElementsAre(WM_KILLFOCUS, WM_SETFOCUS));
    EXPECT_EQ(received(WM_KILLFOCUS)[0].hwnd, a);
    EXPECT_EQ(reinterpret_cast<HWND>(received(WM_KILLFOCUS)[0].wParam), b);
    EXPECT_EQ(reinterpret_cast<HWND>(received(WM_SETFOCUS)[0].wParam), a);
    EXPECT_EQ(GetFocus(), b);
    clear_log();
    EXPECT_EQ(SetFocus(b), b);
    EXPECT_TRUE(messages().empty());
}

TEST_F(Focus, ActivationFocusesTheTopLevelWindow) {
    HWND first = make_window();
    HWND second = make_window();
    SetActiveWindow(first);
    EXPECT_EQ(GetFocus(), first);
    clear_log();
    SetActiveWindow(second);
    EXPECT_EQ(GetActiveWindow(), second);
    EXPECT_EQ(GetFocus(), second);
    EXPECT_EQ(received(WM_ACTIVATE).size(), 2u);
}

TEST_F(Focus, HidingDisablingOrDestroyingTheFocusDropsIt) {
    HWND top = make_window();
    HWND child = make_window(top);
    SetFocus(child);
    ShowWindow(child, SW_HIDE);
    EXPECT_EQ(GetFocus(), nullptr);
    ShowWindow(child, SW_SHOW);
    SetFocus(child);
    EnableWindow(child, FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
    EnableWindow(child, TRUE);
    SetFocus(child);
    clear_log();
    DestroyWindow(child);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(messages().front(), WM_KILLFOCUS);
}

TEST_F(Focus, CaptureChangesAreAnnounced) {
    HWND a = make_window();
    HWND b = make_window();
    clear_log();
    EXPECT_EQ(SetCapture(a), nullptr);
    EXPECT_EQ(SetCapture(b), a);
    ASSERT_EQ(received(WM_CAPTURECHANGED).size(), 1u);
    EXPECT_EQ(received(WM_CAPTURECHANGED)[0].hwnd, a);
    EXPECT_EQ(reinterpret_cast<HWND>(received(WM_CAPTURECHANGED)[0].lParam), b);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(received(WM_CAPTURECHANGED).size(), 2u);
    SetCapture(a);
    DestroyWindow(a);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Focus, CaretIsCreatedHiddenAndCountsHides) {
    HWND w = make_window();
    EXPECT_FALSE(SetCaretPos(1, 1)); // no caret yet
    ASSERT_TRUE(CreateCaret(w, nullptr, 0, 14));
    auto c = hl::Caret();
    EXPECT_EQ(c.owner, w);
    EXPECT_EQ(c.width, 1); // zero width takes the border width
    EXPECT_EQ(c.height, 14);
    EXPECT_FALSE(c.visible);
    EXPECT_TRUE(ShowCaret(w));
    EXPECT_TRUE(hl::Caret().visible);
    EXPECT_TRUE(HideCaret(w));
    EXPECT_TRUE(HideCaret(w));
    EXPECT_TRUE(ShowCaret(w));
    EXPECT_FALSE(hl::Caret().visible); // hidden twice, shown once
    EXPECT_TRUE(ShowCaret(w));
    EXPECT_TRUE(SetCaretPos(7, 9));
    POINT p;
    GetCaretPos(&p);
    EXPECT_EQ(p.x, 7);
    EXPECT_EQ(p.y, 9);
    HWND other = make_window();
    EXPECT_FALSE(ShowCaret(other));
    EXPECT_TRUE(CreateCaret(other, nullptr, 2, 2)); // replaces the first window's caret
    EXPECT_EQ(hl::Caret().owner, other);
    DestroyWindow(other);
    EXPECT_EQ(hl::Caret().owner, nullptr);
    EXPECT_FALSE(DestroyCaret());
}

TEST_F(Focus, PaintingHidesTheCaretMeanwhile) {
    HWND w = make_window();
    CreateCaret(w, nullptr, 1, 10);
    ShowCaret(w);
    bool visible_in_paint = true;
    on(WM_PAINT, [&](HWND h, UINT, WPARAM, LPARAM, LRESULT&) {
        PAINTSTRUCT ps;
        BeginPaint(h, &ps);
        visible_in_paint = hl::Caret().visible;
        EndPaint(h, &ps);
        return true;
    });
    InvalidateRect(w, nullptr, FALSE);
    hl::PumpMessages();
    EXPECT_FALSE(visible_in_paint);
    EXPECT_TRUE(hl::Caret().visible);
}

TEST_F(Focus, CursorsAndMetrics) {
    EXPECT_NE(LoadCursorW(nullptr, IDC_ARROW), nullptr);
    EXPECT_EQ(LoadCursorW(nullptr, MAKEINTRESOURCEW(1)), nullptr);
    HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    SetCursor(hand);
    EXPECT_EQ(SetCursor(nullptr), hand);
    EXPECT_EQ(GetDoubleClickTime(), 500u);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(192, 192, 192));
    EXPECT_EQ(GetSysColor(-1), 0u);
}

} // namespace
} // namespace zeledit::test
