#include "controls/modal_loop.h"

#include "controls/controls.h"
#include "platform/core/text.h"
#include "platform/user/modal_hook.h"

#include <cstdio>
#include <map>
#include <set>
#include <string>

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

std::set<HWND>& modeless() {
    static std::set<HWND> s;
    return s;
}

bool is_button(HWND hwnd) {
    WCHAR name[32];
    if (GetClassNameW(hwnd, name, 32) == 0) return false;
    const std::u16string_view kind(name);
    return kind == ButtonClassName ||
           (kind == u"BUTTON" && (GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK) <= BS_DEFPUSHBUTTON);
}

bool usable(HWND hwnd) { return IsWindowVisible(hwnd) && IsWindowEnabled(hwnd); }

template <class Pred> HWND find_button(HWND dialog, Pred pred) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        if (is_button(child) && usable(child) && pred(GetWindowLongPtrW(child, GWL_STYLE))) return child;
    return nullptr;
}

// Escape presses the dialog's rightmost cancel button, or ends it as cancelled; the rest of
// the dialog keyboard is the window system's.
bool dialog_key(HWND dialog, MSG& msg) {
    if (msg.hwnd != dialog && !IsChild(dialog, msg.hwnd)) return false;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
        HWND focus = GetFocus();
        if (focus != nullptr &&
            (SendMessageW(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)) &
             DLGC_WANTALLKEYS))
            return false;
        if (HWND cancel = FindCancelButton(dialog))
            SendMessageW(cancel, BM_CLICK, 0, 0);
        else if (modeless().contains(dialog))
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        else
            EndModal(dialog, IDCANCEL);
        return true;
    }
    return IsDialogMessageW(dialog, &msg) != FALSE;
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
        if (!is_button(child) || !usable(child)) continue;
        if (!(GetWindowLongPtrW(child, GWL_STYLE) & ZBS_CANCEL) && GetDlgCtrlID(child) != IDCANCEL) continue;
        GetWindowRect(child, &r);
        if (found == nullptr || r.left > right) found = child, right = r.left;
    }
    return found;
}

HWND FindDefaultButton(HWND dialog) {
    return find_button(dialog, [](LONG_PTR style) { return (style & BS_DEFPUSHBUTTON) != 0; });
}

void AddModeless(HWND dialog) { modeless().insert(dialog); }

void RemoveModeless(HWND dialog) { modeless().erase(dialog); }

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
    // A dialog may put the focus where typing starts; otherwise its default button has it.
    SendMessageW(dialog, WM_INITDIALOG, 0, 0);
    if (!IsChild(dialog, GetFocus()))
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

bool zeledit::TranslateDialogMessage(const MSG* msg) {
    if (msg == nullptr) return false;
    for (HWND dialog : controls::modeless()) {
        MSG copy = *msg;
        if (IsWindowVisible(dialog) && controls::dialog_key(dialog, copy)) return true;
    }
    return false;
}
