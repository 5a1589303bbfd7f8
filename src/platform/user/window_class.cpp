#include "platform/core/atom_table.h"
#include "platform/core/text.h"
#include "platform/user/menu_tracking.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/window_manager.h"

#include <zeledit/win_menus.h>

#include <algorithm>

using namespace zeledit::platform;

namespace zeledit::platform {

void ensure_system_classes() {
    auto& classes = class_list();
    if (std::any_of(classes.begin(), classes.end(), [](const auto& c) { return c->system; })) return;
    const auto add = [&](std::u16string name, WNDPROC proc, UINT style) {
        auto c = std::make_shared<WindowClass>();
        c->name = std::move(name);
        c->atom = add_atom(c->name);
        c->system = true;
        c->info.style = style;
        c->info.lpfnWndProc = proc;
        c->info.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        classes.push_back(std::move(c));
    };
    add(u"SCROLLBAR", scroll_bar_control_proc, CS_DBLCLKS | CS_GLOBALCLASS);
    add(MenuWindowClassName, menu_window_proc, CS_GLOBALCLASS | CS_SAVEBITS);
}

} // namespace zeledit::platform

namespace {

auto find_registered(const std::u16string& name, HINSTANCE instance) {
    auto& classes = class_list();
    const auto key = fold_case(name);
    return std::find_if(classes.begin(), classes.end(), [&](const auto& c) {
        return !c->system && fold_case(c->name) == key && c->info.hInstance == instance;
    });
}

} // namespace

ATOM RegisterClassW(const WNDCLASSW* wc) {
    if (wc == nullptr || wc->lpfnWndProc == nullptr || wc->cbClsExtra < 0 || wc->cbWndExtra < 0 ||
        wc->cbWndExtra > 4096) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const auto name = class_name_of(wc->lpszClassName);
    if (name.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto& classes = class_list();
    const auto key = fold_case(name);
    const bool clash = std::any_of(classes.begin(), classes.end(), [&](const auto& c) {
        return !c->system && fold_case(c->name) == key &&
               (c->info.hInstance == wc->hInstance || c->global() || (wc->style & CS_GLOBALCLASS) != 0);
    });
    if (clash) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    auto c = std::make_shared<WindowClass>();
    c->name = name;
    c->atom = add_atom(name);
    c->info = *wc;
    c->info.lpszClassName = nullptr;
    c->info.lpszMenuName = nullptr;
    if (wc->lpszMenuName != nullptr && !IS_INTRESOURCE(wc->lpszMenuName))
        c->menu_name = wide_view(wc->lpszMenuName);
    if (c->atom == 0) return 0;
    const ATOM atom = c->atom;
    classes.push_back(std::move(c));
    return atom;
}

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE instance) {
    auto& classes = class_list();
    const auto it = find_registered(class_name_of(className), instance);
    if (it == classes.end()) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if ((*it)->window_count > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    classes.erase(it);
    return TRUE;
}

BOOL GetClassInfoW(HINSTANCE instance, LPCWSTR className, WNDCLASSW* wc) {
    const auto c = find_class(className, instance);
    if (!c) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (wc != nullptr) {
        *wc = c->info;
        wc->lpszClassName = className;
        wc->lpszMenuName = c->menu_name.empty() ? nullptr : c->menu_name.c_str();
    }
    return c->atom;
}

int GetClassNameW(HWND hwnd, LPWSTR buffer, int maxCount) {
    const Window* w = checked_window(hwnd);
    if (w == nullptr) return 0;
    return copy_truncated(w->cls->name, buffer, maxCount);
}
