// Controls by identifier, tab and group order, and the dialog keyboard. Everything here
// goes through messages, so it drives any control that answers them.
#include "platform/core/text.h"

#include <zeledit/windows.h>

#include <charconv>
#include <string>
#include <vector>

namespace {

LONG_PTR style_of(HWND hwnd) { return GetWindowLongPtrW(hwnd, GWL_STYLE); }

bool usable(HWND hwnd) { return IsWindowVisible(hwnd) && IsWindowEnabled(hwnd); }

// Children in creation order (the last created lies on top).
std::vector<HWND> children_of(HWND parent) {
    std::vector<HWND> out;
    HWND top = GetWindow(parent, GW_CHILD);
    for (HWND c = top != nullptr ? GetWindow(top, GW_HWNDLAST) : nullptr; c != nullptr;
         c = GetWindow(c, GW_HWNDPREV))
        out.push_back(c);
    return out;
}

// The dialog's controls in tab order: children in creation order, descending into children
// marked WS_EX_CONTROLPARENT (panels and pages holding controls of their own); such a child
// that is a tab stop itself (a page control) comes before what it holds.
void collect_controls(HWND parent, std::vector<HWND>& out) {
    for (HWND c : children_of(parent)) {
        if (GetWindowLongPtrW(c, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
            if (style_of(c) & WS_TABSTOP) out.push_back(c);
            if (usable(c)) collect_controls(c, out);
        } else {
            out.push_back(c);
        }
    }
}

std::vector<HWND> controls_of(HWND dialog) {
    std::vector<HWND> all;
    collect_controls(dialog, all);
    return all;
}

std::size_t index_of(const std::vector<HWND>& all, HWND control) {
    std::size_t i = 0;
    while (i < all.size() && all[i] != control) ++i;
    return i;
}

LRESULT dialog_code(HWND hwnd, const MSG* msg) {
    return hwnd == nullptr
               ? 0
               : SendMessageW(hwnd, WM_GETDLGCODE, msg ? msg->wParam : 0, reinterpret_cast<LPARAM>(msg));
}

char16_t upper(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - u'a' + u'A') : c; }

// The character a control's caption marks with '&', or 0.
char16_t mnemonic_of(HWND hwnd) {
    WCHAR text[128];
    const int n = GetWindowTextW(hwnd, text, 128);
    for (int i = 0; i + 1 < n; ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] != u'&') return upper(text[i + 1]);
        ++i;
    }
    return 0;
}

HWND find_mnemonic(HWND dialog, char16_t key) {
    for (HWND c : controls_of(dialog)) {
        if (!IsWindowVisible(c)) continue;
        const LRESULT code = dialog_code(c, nullptr);
        if (!(code & (DLGC_STATIC | DLGC_BUTTON))) continue;
        if ((code & DLGC_STATIC) && (style_of(c) & SS_NOPREFIX)) continue;
        if (mnemonic_of(c) == upper(key)) return c;
    }
    return nullptr;
}

void focus_control(HWND control) {
    SetFocus(control);
    if (dialog_code(control, nullptr) & DLGC_HASSETSEL) SendMessageW(control, EM_SETSEL, 0, -1);
}

// A label's mnemonic focuses the control after it; a button's presses it.
void use_mnemonic(HWND dialog, HWND control) {
    const LRESULT code = dialog_code(control, nullptr);
    if (code & DLGC_STATIC) {
        const auto all = controls_of(dialog);
        for (std::size_t i = index_of(all, control) + 1; i < all.size(); ++i)
            if (usable(all[i]) && (style_of(all[i]) & WS_TABSTOP)) {
                focus_control(all[i]);
                return;
            }
        return;
    }
    if (!IsWindowEnabled(control)) return;
    if (!(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) SetFocus(control);
    SendMessageW(control, BM_CLICK, 0, 0);
}

HWND default_button(HWND dialog) {
    for (HWND c : controls_of(dialog))
        if (usable(c) && (dialog_code(c, nullptr) & DLGC_DEFPUSHBUTTON)) return c;
    return nullptr;
}

void command(HWND dialog, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(WORD(id), BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool enter_key(HWND dialog, HWND focus, LRESULT code) {
    if (code & DLGC_WANTALLKEYS) return false;
    if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) && usable(focus)) {
        SendMessageW(focus, BM_CLICK, 0, 0);
    } else if (HWND def = default_button(dialog)) {
        SendMessageW(def, BM_CLICK, 0, 0);
    } else {
        command(dialog, IDOK);
    }
    return true;
}

bool arrow_key(HWND dialog, HWND focus, WPARAM key, LRESULT code) {
    if (code & (DLGC_WANTARROWS | DLGC_WANTALLKEYS)) return false;
    HWND next = GetNextDlgGroupItem(dialog, focus, key == VK_LEFT || key == VK_UP);
    if (next == nullptr || next == focus) return true;
    SetFocus(next);
    if (dialog_code(next, nullptr) & DLGC_RADIOBUTTON) SendMessageW(next, BM_CLICK, 0, 0);
    return true;
}

bool key_down(HWND dialog, const MSG& msg) {
    HWND focus = GetFocus();
    if (focus != nullptr && focus != dialog && !IsChild(dialog, focus)) focus = nullptr;
    const LRESULT code = focus != nullptr && focus != dialog ? dialog_code(focus, &msg) : 0;
    switch (msg.wParam) {
    case VK_TAB: {
        if (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) return false;
        const bool back = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        if (HWND next = GetNextDlgTabItem(dialog, focus == dialog ? nullptr : focus, back ? TRUE : FALSE))
            focus_control(next);
        return true;
    }
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return focus != nullptr && focus != dialog && arrow_key(dialog, focus, msg.wParam, code);
    case VK_RETURN: return enter_key(dialog, focus, code);
    case VK_ESCAPE:
        if (code & DLGC_WANTALLKEYS) return false;
        command(dialog, IDCANCEL);
        return true;
    default: return false;
    }
}

bool character(HWND dialog, const MSG& msg, bool alt) {
    if (!alt) {
        const HWND focus = GetFocus();
        if (focus != nullptr && (dialog_code(focus, &msg) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)))
            return false;
        if (msg.wParam < 0x20) return false;
    }
    HWND target = find_mnemonic(dialog, static_cast<char16_t>(msg.wParam));
    if (target == nullptr) return false;
    use_mnemonic(dialog, target);
    return true;
}

} // namespace

BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text) {
    HWND item = GetDlgItem(dialog, id);
    return item != nullptr ? SetWindowTextW(item, text) : FALSE;
}

UINT GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int maxCount) {
    HWND item = GetDlgItem(dialog, id);
    if (buffer != nullptr && maxCount > 0) buffer[0] = 0;
    return item != nullptr ? static_cast<UINT>(GetWindowTextW(item, buffer, maxCount)) : 0;
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    const std::string digits =
        isSigned ? std::to_string(static_cast<int>(value)) : std::to_string(static_cast<unsigned>(value));
    return SetDlgItemTextW(dialog, id, zeledit::platform::from_utf8(digits).c_str());
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
    if (translated != nullptr) *translated = FALSE;
    WCHAR text[32];
    const UINT n = GetDlgItemTextW(dialog, id, text, 32);
    std::string ascii;
    for (UINT i = 0; i < n; ++i) {
        if (text[i] > 0x7F) return 0;
        if (text[i] != u' ') ascii += static_cast<char>(text[i]);
    }
    const char* first = ascii.data();
    const char* last = first + ascii.size();
    if (isSigned) {
        int value = 0;
        const auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc{} || end != last || ascii.empty()) return 0;
        if (translated != nullptr) *translated = TRUE;
        return static_cast<UINT>(value);
    }
    unsigned value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || end != last || ascii.empty()) return 0;
    if (translated != nullptr) *translated = TRUE;
    return value;
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND item = GetDlgItem(dialog, id);
    if (item == nullptr) return FALSE;
    SendMessageW(item, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    return item != nullptr ? static_cast<UINT>(SendMessageW(item, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckRadioButton(HWND dialog, int first, int last, int check) {
    BOOL found = FALSE;
    for (int id = first; id <= last; ++id) {
        if (GetDlgItem(dialog, id) == nullptr) continue;
        CheckDlgButton(dialog, id, id == check ? BST_CHECKED : BST_UNCHECKED);
        found = TRUE;
    }
    return found;
}

LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND item = GetDlgItem(dialog, id);
    return item != nullptr ? SendMessageW(item, msg, wParam, lParam) : 0;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
    if (proc == nullptr) return FALSE;
    // Taken first: the callback may create or destroy windows.
    for (HWND c : children_of(parent)) {
        if (!IsWindow(c)) continue;
        if (!proc(c, lParam)) return FALSE;
        if (!EnumChildWindows(c, proc, lParam) && GetWindow(c, GW_CHILD) != nullptr) return FALSE;
    }
    return TRUE;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    const auto all = controls_of(dialog);
    const std::size_t n = all.size();
    if (n == 0) return nullptr;
    // A part of a control (the edit of a combo box) stands for the control.
    while (control != nullptr && index_of(all, control) == n && IsChild(dialog, control))
        control = GetParent(control);
    std::size_t at = index_of(all, control);
    if (at == n) at = previous ? 0 : n - 1; // no control: start from an end
    for (std::size_t step = 1; step <= n; ++step) {
        const std::size_t i = previous ? (at + n - step % n) % n : (at + step) % n;
        if (usable(all[i]) && (style_of(all[i]) & WS_TABSTOP)) return all[i];
    }
    return nullptr;
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    const auto all = controls_of(dialog);
    const std::size_t at = index_of(all, control);
    if (at == all.size()) return nullptr;
    // The group: from the nearest WS_GROUP at or before the control up to the next WS_GROUP.
    std::size_t first = at;
    while (first > 0 && !(style_of(all[first]) & WS_GROUP)) --first;
    std::size_t end = at + 1;
    while (end < all.size() && !(style_of(all[end]) & WS_GROUP)) ++end;
    const std::size_t n = end - first;
    for (std::size_t step = 1; step < n; ++step) {
        const std::size_t i = first + (previous ? (at - first + n - step) % n : (at - first + step) % n);
        if (usable(all[i])) return all[i];
    }
    return control;
}

BOOL IsDialogMessageW(HWND dialog, const MSG* msg) {
    if (msg == nullptr || !IsWindow(dialog)) return FALSE;
    if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)) return FALSE;
    switch (msg->message) {
    case WM_KEYDOWN: return key_down(dialog, *msg) ? TRUE : FALSE;
    case WM_CHAR: return character(dialog, *msg, false) ? TRUE : FALSE;
    case WM_SYSCHAR: return character(dialog, *msg, true) ? TRUE : FALSE;
    default: return FALSE;
    }
}
