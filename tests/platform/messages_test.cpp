// The message queue: sent and posted order, retrieval filters, quit, timers, input routing.
#include "platform/platform_test.h"

namespace zeledit::test {
namespace {

using ::testing::ElementsAre;
namespace hl = zeledit::headless;

class Messages : public PlatformTest {
protected:
    HWND w = nullptr;
    void SetUp() override {
        PlatformTest::SetUp();
        w = make_window();
        hl::PumpMessages(); // first paint
        clear_log();
    }
};

TEST_F(Messages, SentMessagesRunAtOncePostedOnesWaitForTheLoop) {
    PostMessageW(w, WM_USER + 1, 1, 2);
    SendMessageW(w, WM_USER + 2, 0, 0);
    EXPECT_THAT(messages(w), ElementsAre(WM_USER + 2));
    PostMessageW(w, WM_USER + 3, 0, 0);
    EXPECT_EQ(hl::PumpMessages(), 2);
    EXPECT_THAT(messages(w), ElementsAre(WM_USER + 2, WM_USER + 1, WM_USER + 3));
    const auto first = received(WM_USER + 1).front();
    EXPECT_EQ(first.wParam, 1u);
    EXPECT_EQ(first.lParam, 2);
}

TEST_F(Messages, FiltersAndNoRemove) {
    HWND other = make_window();
    hl::PumpMessages();
    PostMessageW(other, WM_USER, 0, 0);
    PostMessageW(w, WM_USER + 5, 0, 0);
    PostMessageW(nullptr, WM_APP, 0, 0); // a thread message
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, w, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_USER + 5);
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_APP, WM_APP, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, nullptr);
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, other);
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER + 5);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Messages, QuitComesAfterPostedMessagesAndEndsGetMessage) {
    PostQuitMessage(3);
    PostMessageW(w, WM_USER, 0, 0);
    MSG msg;
    EXPECT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(Messages, HeadlessGetMessageEndsWhenNothingCanArrive) {
    SetTimer(w, 1, 100, nullptr);
    MSG msg;
    EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0)); // the timer is not due and nothing else comes
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(GetMessageW(nullptr, nullptr, 0, 0), -1);
}

TEST_F(Messages, TimersFollowTheInjectedClock) {
    EXPECT_EQ(SetTimer(w, 1, 100, nullptr), 1u);
    hl::AdvanceClock(99);
    EXPECT_EQ(hl::PumpMessages(), 0);
    hl::AdvanceClock(1);
    EXPECT_EQ(hl::PumpMessages(), 1);
    EXPECT_EQ(received(WM_TIMER).front().wParam, 1u);
    hl::AdvanceClock(1000); // late: fires once, not ten times
    EXPECT_EQ(hl::PumpMessages(), 1);
    EXPECT_TRUE(KillTimer(w, 1));
    EXPECT_FALSE(KillTimer(w, 1));
    hl::AdvanceClock(1000);
    EXPECT_EQ(hl::PumpMessages(), 0);
    EXPECT_EQ(received(WM_TIMER).size(), 2u);
}

TEST_F(Messages, TimerProcsAndThreadTimers) {
    static int calls = 0;
    calls = 0;
    const UINT_PTR id = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { ++calls; });
    EXPECT_NE(id, 0u);
    hl::AdvanceClock(50);
    hl::PumpMessages();
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(KillTimer(nullptr, id));
}

TEST_F(Messages, DestroyedWindowsLoseTimersAndPostedMessages) {
    SetTimer(w, 1, 10, nullptr);
    PostMessageW(w, WM_USER, 0, 0);
    DestroyWindow(w);
    clear_log();
    hl::AdvanceClock(100);
    EXPECT_EQ(hl::PumpMessages(), 0);
    EXPECT_TRUE(messages().empty());
}

TEST_F(Messages, TypedKeysBecomeCharactersThroughTranslateMessage) {
    SetFocus(w);
    clear_log();
    hl::KeyPress('A');
    BYTE keys[256] = {};
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    hl::KeyPress('B');
    hl::PumpMessages();
    EXPECT_THAT(messages(w), ElementsAre(WM_KEYDOWN, WM_CHAR, WM_KEYUP, WM_KEYDOWN, WM_CHAR, WM_KEYUP));
    const auto chars = received(WM_CHAR);
    EXPECT_EQ(chars[0].wParam, u'a');
    EXPECT_EQ(chars[1].wParam, u'B');
    EXPECT_EQ(received(WM_KEYDOWN)[0].wParam, static_cast<WPARAM>('A'));
    EXPECT_TRUE(received(WM_KEYUP)[0].lParam & KF_UP_BIT);
}

TEST_F(Messages, TypeTextCarriesAnyUnicode) {
    SetFocus(w);
    clear_log();
    hl::TypeText(u"Việt");
    hl::PumpMessages();
    std::u16string typed;
    for (const auto& c : received(WM_CHAR)) typed.push_back(static_cast<char16_t>(c.wParam));
    EXPECT_EQ(typed, u"Việt");
}

TEST_F(Messages, KeyStateFollowsRetrievedMessages) {
    SetFocus(w);
    hl::KeyDown(VK_CONTROL);
    EXPECT_TRUE(GetAsyncKeyState(VK_CONTROL) & 0x8000);
    EXPECT_FALSE(GetKeyState(VK_CONTROL) & 0x8000); // not read from the queue yet
    hl::PumpMessages();
    EXPECT_TRUE(GetKeyState(VK_CONTROL) & 0x8000);
    hl::KeyPress('C');
    hl::KeyUp(VK_CONTROL);
    clear_log();
    hl::PumpMessages();
    EXPECT_EQ(received(WM_CHAR).front().wParam, 3u); // Ctrl+C types control character 3
    EXPECT_FALSE(GetKeyState(VK_CONTROL) & 0x8000);
}

TEST_F(Messages, AltKeysAreSystemKeys) {
    SetFocus(w);
    hl::KeyDown(VK_MENU);
    hl::KeyPress('F');
    hl::KeyUp(VK_MENU);
    clear_log();
    hl::PumpMessages();
    EXPECT_FALSE(received(WM_SYSKEYDOWN).empty());
    ASSERT_EQ(received(WM_SYSCHAR).size(), 1u);
    EXPECT_EQ(received(WM_SYSCHAR).front().wParam, u'f');
}

TEST_F(Messages, KeysWithoutFocusAreDropped) {
    SetFocus(nullptr);
    SetActiveWindow(nullptr);
    clear_log();
    hl::KeyPress('A');
    EXPECT_EQ(hl::PumpMessages(), 0);
}

TEST_F(Messages, MouseGoesToTheWindowUnderThePointerInClientCoordinates) {
    HWND child = make_window(w, WS_VISIBLE, 50, 10, 40, 40);
    hl::PumpMessages();
    clear_log();
    hl::Click(hl::Button::Left, 10 + 60, 20 + 15); // screen point inside the child
    hl::PumpMessages();
    const auto downs = received(WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].hwnd, child);
    EXPECT_EQ(GET_X_LPARAM(downs[0].lParam), 10);
    EXPECT_EQ(GET_Y_LPARAM(downs[0].lParam), 5);
    EXPECT_TRUE(downs[0].wParam & MK_LBUTTON);
    EXPECT_EQ(received(WM_SETCURSOR).front().hwnd, child);
    EXPECT_EQ(hl::CursorShape(), 32513u); // the class's I-beam
}

TEST_F(Messages, CaptureTakesTheMouseWherever) {
    SetCapture(w);
    hl::MouseMove(1500, 900);
    hl::PumpMessages();
    const auto moves = received(WM_MOUSEMOVE);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].hwnd, w);
    EXPECT_EQ(GET_X_LPARAM(moves[0].lParam), 1490);
}

TEST_F(Messages, DoubleClicksNeedTheClassStyleTimeAndPlace) {
    hl::Click(hl::Button::Left, 30, 30);
    hl::AdvanceClock(100);
    hl::Click(hl::Button::Left, 31, 31);
    hl::AdvanceClock(1000);
    hl::Click(hl::Button::Left, 31, 31); // too late
    hl::PumpMessages();
    EXPECT_EQ(received(WM_LBUTTONDBLCLK).size(), 1u);
    EXPECT_EQ(received(WM_LBUTTONDOWN).size(), 2u);
}

TEST_F(Messages, ClicksOnDisabledTopLevelWindowsAreDropped) {
    EnableWindow(w, FALSE);
    hl::Click(hl::Button::Left, 30, 30);
    EXPECT_EQ(hl::PumpMessages(), 0);
}

TEST_F(Messages, WheelGoesToTheFocusWindow) {
    HWND child = make_window(w, WS_VISIBLE, 0, 0, 40, 40);
    SetFocus(child);
    clear_log();
    hl::Wheel(-120, 150, 60);
    hl::PumpMessages();
    const auto wheel = received(WM_MOUSEWHEEL);
    ASSERT_EQ(wheel.size(), 2u); // the child, then its parent through DefWindowProcW
    EXPECT_EQ(wheel[0].hwnd, child);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel[0].wParam), -120);
    EXPECT_EQ(wheel[1].hwnd, w);
}

} // namespace
} // namespace zeledit::test
