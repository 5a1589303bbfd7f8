// A parent window for controls under test: it records the notifications its children send
// and answers owner-draw measuring, as a dialog would.
#pragma once

#include <zeledit/controls.h>
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include "controls/controls.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace zeledit::test {

class ControlHost : public ::testing::Test {
protected:
    struct Notice {
        int id;
        WORD code;
        bool operator==(const Notice&) const = default;
    };
    static inline std::vector<Notice> notices;
    static inline std::vector<DRAWITEMSTRUCT> drawn;
    static inline UINT measured_height = 20;
    HWND dialog = nullptr;

    void SetUp() override {
        headless::Reset();
        controls::RegisterControlClasses();
        notices.clear();
        drawn.clear();
        WNDCLASSW wc{};
        wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_COMMAND) notices.push_back({LOWORD(w), HIWORD(w)});
            if (m == WM_DRAWITEM) drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(l));
            if (m == WM_MEASUREITEM) reinterpret_cast<MEASUREITEMSTRUCT*>(l)->itemHeight = measured_height;
            return DefWindowProcW(h, m, w, l);
        };
        wc.lpszClassName = u"ControlHost";
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        RegisterClassW(&wc);
        dialog = CreateWindowExW(0, u"ControlHost", u"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                 nullptr, nullptr, nullptr);
    }
    void TearDown() override { headless::Reset(); }

    HWND make(LPCWSTR kind, LPCWSTR text, DWORD style, int id, RECT r) {
        return CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               nullptr, nullptr);
    }
    int count_of(int id, WORD code) const {
        int n = 0;
        for (const Notice& k : notices) n += k.id == id && k.code == code;
        return n;
    }
    // Keys pressed with modifiers held.
    static void chord(std::initializer_list<UINT> held, UINT key) {
        for (UINT k : held) headless::KeyDown(k);
        headless::KeyPress(key);
        for (UINT k : held) headless::KeyUp(k);
        headless::PumpMessages();
    }
    static void press(UINT key) {
        headless::KeyPress(key);
        headless::PumpMessages();
    }
    // A key as a dialog's loop sees it: the window system's dialog keyboard first.
    void dialog_press(UINT key) {
        headless::KeyPress(key);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (IsDialogMessageW(dialog, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    static std::u16string text_of(HWND hwnd) { return controls::window_text(hwnd); }
    static POINT center_of(HWND hwnd) {
        RECT r;
        GetWindowRect(hwnd, &r);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
};

} // namespace zeledit::test
