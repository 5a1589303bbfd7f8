// The message box: sizes, layout, answers by hook, keys and headless default, and looks.
#include <zeledit/controls.h>
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include "dialogs/message_box.h"
#include "platform/graphics_support/graphics_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace zeledit::test {
namespace {

using dialogs::TMsgFrm;

struct Seen {
    RECT window{};
    std::vector<RECT> buttons;
    std::vector<int> ids;
};

class MessageBox : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        InitEditorLib();
    }
    void TearDown() override {
        SetDialogHook({});
        headless::Reset();
    }

    // Shows a box; the hook records its geometry, then `act` ends it.
    int show(const char16_t* text, BYTE kind, WORD buttons, std::function<void(HWND)> act,
             Seen* seen = nullptr) {
        SetDialogHook([&](HWND dialog) {
            if (seen != nullptr) {
                GetWindowRect(dialog, &seen->window);
                for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
                    const int id = GetDlgCtrlID(c);
                    if (id == 0 || !IsWindowVisible(c)) continue;
                    RECT r;
                    GetWindowRect(c, &r);
                    seen->buttons.push_back(r);
                }
                // Left to right, whatever the stacking order.
                std::sort(seen->buttons.begin(), seen->buttons.end(),
                          [](const RECT& a, const RECT& b) { return a.left < b.left; });
                for (const RECT& r : seen->buttons)
                    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
                        RECT cr;
                        GetWindowRect(c, &cr);
                        if (IsWindowVisible(c) && GetDlgCtrlID(c) != 0 && cr.left == r.left &&
                            cr.top == r.top)
                            seen->ids.push_back(GetDlgCtrlID(c));
                    }
            }
            if (act) act(dialog);
        });
        return ShowMessageBox(text, kind, buttons);
    }
    static std::function<void(HWND)> press(int id) {
        return [id](HWND dialog) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); };
    }
};

int width(const RECT& r) { return r.right - r.left; }
int height(const RECT& r) { return r.bottom - r.top; }

TEST_F(MessageBox, EmptyTextGivesTheSmallestBox) {
    Seen seen;
    EXPECT_EQ(show(u"", 2, mbOK, press(IDOK), &seen), IDOK);
    EXPECT_EQ(width(seen.window), 196);
    EXPECT_EQ(height(seen.window), 73);
    ASSERT_EQ(seen.ids.size(), 1u);
    EXPECT_EQ(width(seen.buttons[0]), 64);
    EXPECT_EQ(height(seen.buttons[0]), 22);
    // Centred on the screen.
    EXPECT_EQ(seen.window.left, (GetSystemMetrics(SM_CXSCREEN) - 196) / 2);
}

TEST_F(MessageBox, YesAndNoAreCentredInOrder) {
    Seen seen;
    EXPECT_EQ(show(u"Save changes?", 3, mbYes | mbNo, press(IDYES), &seen), IDYES);
    ASSERT_EQ(seen.ids, (std::vector<int>{IDYES, IDNO}));
    const int w = width(seen.window);
    const int row = 2 * 64 + 4;
    EXPECT_EQ(seen.buttons[0].left - seen.window.left, 40 + (w - 40 - row) / 2);
    EXPECT_EQ(seen.buttons[1].left - seen.buttons[0].left, 68);
    EXPECT_EQ(seen.buttons[0].top - seen.window.top, 3 + (height(seen.window) - 41) + 8);
}

TEST_F(MessageBox, AllEightButtonsWidenTheWindow) {
    Seen seen;
    EXPECT_EQ(show(u"", 0, 0xFF, press(IDALL), &seen), IDALL);
    EXPECT_EQ(width(seen.window), 606);
    EXPECT_EQ(seen.ids, (std::vector<int>{IDOK, IDYES, IDNO, IDRETRY, IDIGNORE, IDABORT, IDALL, IDCANCEL}));
    EXPECT_EQ(seen.buttons[0].left - seen.window.left, 40 + (606 - 40 - 540) / 2);
}

TEST_F(MessageBox, LongerTextGrowsTheBox) {
    Seen one, three;
    show(u"A short line", 2, mbOK, press(IDOK), &one);
    show(u"A much longer first line of the message\nsecond\nthird", 2, mbOK, press(IDOK), &three);
    EXPECT_GT(width(three.window), width(one.window));
    EXPECT_GT(height(three.window), height(one.window));
}

TEST_F(MessageBox, EscapePressesTheCancelButton) {
    ::testing::internal::CaptureStderr(); // a box that ran out of input would say so there
    auto escape = [](HWND) { headless::KeyPress(VK_ESCAPE); };
    EXPECT_EQ(show(u"?", 3, mbYes | mbNo, escape), IDNO);
    EXPECT_EQ(show(u"?", 3, mbOK | mbCancel, escape), IDCANCEL);
    EXPECT_EQ(show(u"?", 3, mbYes | mbNo | mbCancel, escape), IDCANCEL);
    auto enter = [](HWND) { headless::KeyPress(VK_RETURN); };
    EXPECT_EQ(show(u"?", 3, mbYes | mbNo, enter), IDYES); // the first is the default
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

TEST_F(MessageBox, MnemonicsAndTabReachTheButtons) {
    EXPECT_EQ(show(u"?", 3, mbYes | mbNo | mbCancel, [](HWND) { headless::KeyPress('Y'); }), IDYES);
    EXPECT_EQ(show(u"?", 0, mbAbort | mbRetry | mbIgnore, [](HWND) { headless::KeyPress('R'); }), IDRETRY);
    // The first button has the focus; Tab moves it to the next, Enter presses that one.
    EXPECT_EQ(show(u"?", 3, mbYes | mbNo | mbCancel,
                   [](HWND) {
                       headless::KeyPress(VK_TAB);
                       headless::KeyPress(VK_RETURN);
                   }),
              IDNO);
}

TEST_F(MessageBox, ClickingAButtonWithTheMouse) {
    // Yes, since the box would answer No by itself if the click went astray.
    auto click_yes = [](HWND dialog) {
        RECT r;
        GetWindowRect(GetDlgItem(dialog, IDYES), &r);
        headless::Click(headless::Button::Left, r.left + 5, r.top + 5);
    };
    EXPECT_EQ(show(u"?", 3, mbYes | mbNo, click_yes), IDYES);
}

TEST_F(MessageBox, WithoutInputTheBoxAnswersItsCancelButtonOrOK) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(ShowMessageBox(u"x", 0, mbOK | mbCancel), IDCANCEL);
    EXPECT_EQ(ShowMessageBox(u"x", 0, mbOK), IDOK);
    EXPECT_EQ(ShowMessageBox(u"x", 0, mbYes | mbNo), IDNO);
    EXPECT_EQ(ShowMessageBox(u"x", 0, mbYes), IDCANCEL); // closed without a button
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("answered 2"), std::string::npos);
    EXPECT_NE(log.find("answered 1"), std::string::npos);
}

TEST_F(MessageBox, OwnerIsDisabledMeanwhileAndFocusComesBack) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = u"Owner";
    RegisterClassW(&wc);
    HWND owner =
        CreateWindowExW(0, u"Owner", u"", WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    SetFocus(owner);
    bool disabled_during = false;
    show(u"", 2, mbOK, [&](HWND dialog) {
        disabled_during = !IsWindowEnabled(owner);
        SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_TRUE(disabled_during);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetFocus(), owner);
}

TEST_F(MessageBox, ColoursOfTheStripFrameAndPanel) {
    for (BYTE kind : {BYTE(0), BYTE(1), BYTE(2), BYTE(3), BYTE(9)}) {
        std::uint32_t frame = 0, strip = 0, strip_bottom = 0, panel = 0, separator = 0;
        show(u"", kind, mbOK, [&](HWND dialog) {
            frame = headless::PixelAt(dialog, 1, 1);
            strip = headless::PixelAt(dialog, 38, 3);
            strip_bottom = headless::PixelAt(dialog, 38, 69);
            panel = headless::PixelAt(dialog, 45, 5);
            separator = headless::PixelAt(dialog, 60, 3 + 32 + 1);
            SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        });
        const COLORREF strip_colour = kind == 0   ? 0x006BFF
                                      : kind == 1 ? 0x4C66E6
                                      : kind == 3 ? 0x1E9A04
                                                  : 0xCB6C00;
        const COLORREF face = kind == 0 ? 0xD4F4F6 : kind == 1 ? 0xDAD6F6 : kind == 3 ? 0xC6EAB8 : 0xF8E2C6;
        auto argb = [](COLORREF c) {
            return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        };
        EXPECT_EQ(frame, argb(platform::ChangeColorLight(strip_colour, -32))) << int(kind);
        // The gradient runs from the strip colour towards a darker shade of it.
        const std::uint32_t top = argb(strip_colour),
                            bottom = argb(platform::ChangeColorLight(strip_colour, -25));
        for (int shift : {0, 8, 16}) {
            const int t = (top >> shift) & 0xFF, b = (bottom >> shift) & 0xFF;
            EXPECT_NEAR(int((strip >> shift) & 0xFF), t, std::abs(t - b) / 10 + 1) << int(kind);
            EXPECT_NEAR(int((strip_bottom >> shift) & 0xFF), b, std::abs(t - b) / 10 + 1) << int(kind);
        }
        EXPECT_EQ(panel, argb(platform::ChangeColorLight(face, 16))) << int(kind);
        EXPECT_EQ(separator, argb(platform::ChangeColorLight(face, -16))) << int(kind);
    }
}

TEST_F(MessageBox, QuestionWithYesAndNoRendersToPng) {
    const std::string path = ::testing::TempDir() + "message-box.png";
    bool written = false;
    show(u"Tài liệu đã thay đổi. Lưu lại không?\nThe document changed. Save it?", 3, mbYes | mbNo,
         [&](HWND dialog) {
             written = headless::WritePng(dialog, path.c_str());
             SendMessageW(GetDlgItem(dialog, IDYES), BM_CLICK, 0, 0);
         });
    EXPECT_TRUE(written);
}

} // namespace
} // namespace zeledit::test
