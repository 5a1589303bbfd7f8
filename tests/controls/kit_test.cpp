// The library's own controls beyond the desktop's kinds: spin edits, colour pickers, font
// lists, caption bars, pages, splitters, picture buttons and file lists.
#include "control_host.h"

namespace zeledit::test {
namespace {

class Kit : public ControlHost {};

TEST_F(Kit, SpinEditStepsAndClampsToItsRange) {
    HWND spin = make(SpinEditClassName, u"", WS_TABSTOP | WS_BORDER, 100, {10, 10, 90, 32});
    make(u"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {10, 100, 80, 124});
    SendMessageW(spin, ZSEM_SETRANGE, static_cast<WPARAM>(-5), 20);
    SendMessageW(spin, ZSEM_SETPOS, 19, 0);
    EXPECT_EQ(text_of(spin), u"19");
    SetFocus(spin);
    dialog_press(VK_UP);
    dialog_press(VK_UP); // stops at the top
    EXPECT_EQ(SendMessageW(spin, ZSEM_GETPOS, 0, 0), 20);
    EXPECT_GE(count_of(100, EN_CHANGE), 1);
    dialog_press(VK_NEXT); // ten steps down
    EXPECT_EQ(SendMessageW(spin, ZSEM_GETPOS, 0, 0), 10);
    // Typed out of range: read within it, and written back so when the focus leaves.
    SendMessageW(GetFocus(), EM_SETSEL, 0, -1);
    headless::TypeText(u"-40");
    headless::PumpMessages();
    EXPECT_EQ(SendMessageW(spin, ZSEM_GETPOS, 0, 0), -5);
    dialog_press(VK_TAB);
    EXPECT_EQ(text_of(spin), u"-5");
    // The arrows take clicks: the lower half steps down.
    RECT r;
    GetWindowRect(spin, &r);
    headless::Click(headless::Button::Left, r.right - 4, r.bottom - 4);
    headless::PumpMessages();
    EXPECT_EQ(SendMessageW(spin, ZSEM_GETPOS, 0, 0), -5);
    headless::Click(headless::Button::Left, r.right - 4, r.top + 3);
    headless::PumpMessages();
    EXPECT_EQ(SendMessageW(spin, ZSEM_GETPOS, 0, 0), -4);
}

} // namespace
} // namespace zeledit::test
