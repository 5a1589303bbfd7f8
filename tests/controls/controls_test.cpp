// The library's controls: buttons, panels, separators and drawn text with mnemonics.
#include <zeledit/controls.h>
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include "controls/controls.h"

#include <gtest/gtest.h>

#include <vector>

namespace zeledit::test {
namespace {

class Controls : public ::testing::Test {
protected:
    static std::vector<WPARAM> commands;
    HWND parent = nullptr;

    void SetUp() override {
        headless::Reset();
        controls::RegisterControlClasses();
        commands.clear();
        WNDCLASSW wc{};
        wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_COMMAND) commands.push_back(w);
            return DefWindowProcW(h, m, w, l);
        };
        wc.lpszClassName = u"Parent";
        RegisterClassW(&wc);
        parent = CreateWindowExW(0, u"Parent", u"", WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr, nullptr,
                                 nullptr);
    }
    void TearDown() override { headless::Reset(); }
    HWND button(int id, DWORD style = 0) {
        return CreateWindowExW(0, ButtonClassName, u"&Save", WS_CHILD | WS_VISIBLE | style, 10, 10, 64, 22,
                               parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
};

std::vector<WPARAM> Controls::commands;

TEST_F(Controls, ButtonClicksOnReleaseInside) {
    HWND b = button(42);
    headless::Click(headless::Button::Left, 20, 20);
    headless::PumpMessages();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(LOWORD(commands[0]), 42);
    EXPECT_EQ(HIWORD(commands[0]), BN_CLICKED);
    EXPECT_EQ(GetFocus(), b);
    // Pressed inside, released outside: no click.
    headless::MouseDown(headless::Button::Left, 20, 20);
    headless::MouseMove(200, 150);
    headless::MouseUp(headless::Button::Left, 200, 150);
    headless::PumpMessages();
    EXPECT_EQ(commands.size(), 1u);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Controls, SpaceAndBmClickActivate) {
    HWND b = button(7);
    SetFocus(b);
    headless::KeyPress(VK_SPACE);
    headless::PumpMessages();
    SendMessageW(b, BM_CLICK, 0, 0);
    EXPECT_EQ(commands.size(), 2u);
    EnableWindow(b, FALSE);
    SendMessageW(b, BM_CLICK, 0, 0);
    EXPECT_EQ(commands.size(), 2u); // a disabled button does not click
}

TEST_F(Controls, DialogCodesTellDefaultButtons) {
    EXPECT_EQ(SendMessageW(button(1, BS_DEFPUSHBUTTON), WM_GETDLGCODE, 0, 0),
              DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
    EXPECT_EQ(SendMessageW(button(2), WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
}

TEST_F(Controls, PanelsAndSeparatorsPaintTheirColours) {
    HWND panel = CreateWindowExW(0, PanelClassName, u"", WS_CHILD | WS_VISIBLE, 0, 100, 100, 40, parent,
                                 nullptr, nullptr, nullptr);
    HWND line = CreateWindowExW(0, SeparatorClassName, u"", WS_CHILD | WS_VISIBLE, 0, 150, 100, 1, parent,
                                nullptr, nullptr, nullptr);
    SendMessageW(panel, ZCM_SETCOLORS, RGB(10, 20, 30), RGB(0, 0, 0));
    SendMessageW(line, ZCM_SETCOLORS, RGB(200, 0, 0), 0);
    headless::PumpMessages();
    EXPECT_EQ(headless::PixelAt(parent, 50, 120), 0xFF0A141Eu);
    EXPECT_EQ(headless::PixelAt(parent, 50, 150), 0xFFC80000u);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(panel, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    EXPECT_EQ(SendMessageW(panel, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
}

class DrawText : public Controls {};

TEST_F(DrawText, MeasuresLinesAndWrapsWords) {
    HDC dc = GetDC(parent);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    RECT r{0, 0, 0, 0};
    EXPECT_EQ(DrawTextW(dc, u"one\ntwo\nthree", -1, &r, DT_CALCRECT), 3 * tm.tmHeight);
    SIZE three{};
    GetTextExtentPoint32W(dc, u"three", 5, &three);
    EXPECT_EQ(r.right, three.cx);
    RECT narrow{0, 0, three.cx + 2, 0};
    EXPECT_EQ(DrawTextW(dc, u"three three three", -1, &narrow, DT_CALCRECT | DT_WORDBREAK), 3 * tm.tmHeight);
    RECT prefixed{0, 0, 0, 0};
    DrawTextW(dc, u"&Save", -1, &prefixed, DT_CALCRECT);
    RECT plain{0, 0, 0, 0};
    DrawTextW(dc, u"Save", -1, &plain, DT_CALCRECT);
    EXPECT_EQ(prefixed.right, plain.right); // the '&' takes no room
    ReleaseDC(parent, dc);
}

TEST_F(DrawText, MnemonicsAreUnderlined) {
    HDC dc = GetDC(parent);
    RECT r{0, 0, 200, 30};
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, u"&S", -1, &r, DT_SINGLELINE);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    int underline = 0;
    for (int x = 0; x < 10; ++x) underline += GetPixel(dc, x, tm.tmAscent + 1) == RGB(0, 0, 0);
    EXPECT_GT(underline, 3);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawTextW(dc, u"&S", -1, &r, DT_SINGLELINE | DT_NOPREFIX); // shows the '&' itself
    SIZE both{};
    GetTextExtentPoint32W(dc, u"&S", 2, &both);
    int ink_right = 0;
    for (int x = 0; x < 30; ++x)
        for (int y = 0; y < tm.tmHeight; ++y)
            if (GetPixel(dc, x, y) != RGB(255, 255, 255)) ink_right = std::max(ink_right, x);
    EXPECT_GT(ink_right, both.cx / 2 + 1);
    ReleaseDC(parent, dc);
}

} // namespace
} // namespace zeledit::test
