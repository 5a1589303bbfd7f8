#include "controls/modal_loop.h"

#include "controls/controls.h"
#include "platform/core/text.h"
#include "platform/user/modal_hook.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace zeledit::controls {
namespace {

struct ModalState {
    bool ended = false;
    int result = IDCANCEL;
};

std::map<HWND, ModalState>& running() {
    static std::map<HWND, ModalState> m;
    return m;
}

bool is_button(HWND hwnd) {
    WCHAR name[32];
    return GetClassNameW(hwnd, name, 32) > 0 && std::u16string_view(name) == ButtonClassName;
}

bool usable(HWND hwnd) { return IsWindowVisible(hwnd) && IsWindowEnabled(hwnd); }

template <class Pred> HWND find_button(HWND dialog, Pred pred) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        if (is_button(child) && usable(child) && pred(GetWindowLongPtrW(child, GWL_STYLE))) return child;
    return nullptr;
}

// The button whose caption marks `key` with '&' (compared without case).
HWND mnemonic_button(HWND dialog, WPARAM key) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!is_button(child) || !usable(child)) continue;
        WCHAR caption[64];
        const int n = GetWindowTextW(child, caption, 64);
        for (int i = 0; i + 1 < n; ++i)
            if (caption[i] == u'&' && caption[i + 1] != u'&') {
                const char16_t c = caption[i + 1];
                const WPARAM upper = (c >= u'a' && c <= u'z') ? WPARAM(c - u'a' + u'A') : WPARAM(c);
                if (upper == key) return child;
                break;
            }
    }
    return nullptr;
}

// Tab and Shift+Tab move the focus among the dialog's usable buttons, left to right.
void move_focus(HWND dialog, bool backwards) {
    std::vector<std::pair<LONG, HWND>> row;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!is_button(child) || !usable(child)) continue;
        RECT r;
        GetWindowRect(child, &r);
        row.emplace_back(r.left, child);
    }
    if (row.empty()) return;
    std::sort(row.begin(), row.end());
    std::size_t at = 0;
    while (at < row.size() && row[at].second != GetFocus()) ++at;
    const std::size_t n = row.size();
    const std::size_t next = at == n ? 0 : backwards ? (at + n - 1) % n : (at + 1) % n;
    SetFocus(row[next].second);
}

// Keys a dialog answers itself, whichever of its controls has the focus.
bool dialog_key(HWND dialog, const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    if (msg.hwnd != dialog && !IsChild(dialog, msg.hwnd)) return false;
    if (msg.wParam == VK_TAB) {
        move_focus(dialog, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
        return true;
    }
    if (HWND button = mnemonic_button(dialog, msg.wParam)) {
        SendMessageW(button, BM_CLICK, 0, 0);
        return true;
    }
    if (msg.wParam == VK_ESCAPE) {
        if (HWND cancel = FindCancelButton(dialog))
            SendMessageW(cancel, BM_CLICK, 0, 0);
        else
            EndModal(dialog, IDCANCEL);
        return true;
    }
    if (msg.wParam == VK_RETURN) {
        HWND target =
            is_button(GetFocus()) && IsChild(dialog, GetFocus()) ? GetFocus() : FindDefaultButton(dialog);
        if (target != nullptr) SendMessageW(target, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

std::string title_of(HWND dialog) {
    WCHAR title[128];
    const int n = GetWindowTextW(dialog, title, 128);
    return platform::to_utf8({title, static_cast<std::size_t>(n)});
}

} // namespace

HWND FindCancelButton(HWND dialog) {
    // The rightmost cancel button wins: in a row of Yes, No and Cancel it is Cancel.
    HWND found = nullptr;
    LONG right = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        if (!is_button(child) || !usable(child) || !(GetWindowLongPtrW(child, GWL_STYLE) & ZBS_CANCEL))
            continue;
        GetWindowRect(child, &r);
        if (found == nullptr || r.left > right) found = child, right = r.left;
    }
    return found;
}

HWND FindDefaultButton(HWND dialog) {
    return find_button(dialog, [](LONG_PTR style) { return (style & BS_DEFPUSHBUTTON) != 0; });
}

void EndModal(HWND dialog, int result) {
    const auto it = running().find(dialog);
    if (it == running().end()) return;
    it->second.ended = true;
    it->second.result = result;
}

int RunModal(HWND dialog, HWND owner, int unattended) {
    if (!IsWindow(dialog)) return IDCANCEL;
    const HWND previous_focus = GetFocus();
    const bool disable_owner = owner != nullptr && IsWindowEnabled(owner);
    if (disable_owner) EnableWindow(owner, FALSE);
    running()[dialog] = ModalState{};
    ShowWindow(dialog, SW_SHOW);
    if (HWND first = FindDefaultButton(dialog)) SetFocus(first);
    UpdateWindow(dialog);
    platform::meet_modal_window(dialog);
    MSG msg;
    while (IsWindow(dialog) && !running()[dialog].ended) {
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (WaitMessage()) continue;
            std::fprintf(stderr, "zeledit: modal window \"%s\" had no input; it answered %d\n",
                         title_of(dialog).c_str(), unattended);
            EndModal(dialog, unattended);
            break;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // for the loop outside
            break;
        }
        if (dialog_key(dialog, msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    const int result = running()[dialog].result;
    running().erase(dialog);
    if (disable_owner && IsWindow(owner)) EnableWindow(owner, TRUE);
    if (IsWindow(dialog)) ShowWindow(dialog, SW_HIDE);
    if (IsWindow(previous_focus)) SetFocus(previous_focus);
    return result;
}

} // namespace zeledit::controls
