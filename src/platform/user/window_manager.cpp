#include "platform/user/window_manager.h"

#include "platform/core/atom_table.h"
#include "platform/core/handle_table.h"
#include "platform/core/text.h"

#include <algorithm>

namespace zeledit::platform {
namespace {

struct Tables {
    HandleTable<Window> windows{1};
    std::vector<HWND> top_levels;
    std::vector<std::shared_ptr<WindowClass>> classes;
};

// Never destroyed: the library unregisters its classes while the process shuts down.
Tables& tables() {
    static Tables& t = *new Tables;
    return t;
}

void preorder(HWND hwnd, std::vector<HWND>& out) {
    Window* w = find_window(hwnd);
    if (w == nullptr) return;
    out.push_back(hwnd);
    for (HWND child : w->children) preorder(child, out);
}

bool same_name(const WindowClass& c, const std::u16string& key) { return fold_case(c.name) == key; }

} // namespace

std::u16string class_name_of(LPCWSTR name) {
    if (IS_INTRESOURCE(name))
        return atom_name(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name))).value_or(u"");
    return std::u16string(wide_view(name));
}

Window* find_window(HWND hwnd) { return tables().windows.find(hwnd); }

Window* checked_window(HWND hwnd) {
    Window* w = find_window(hwnd);
    if (w == nullptr) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return w;
}

std::shared_ptr<Window> share_window(HWND hwnd) { return tables().windows.share(hwnd); }

HWND add_window(std::shared_ptr<Window> window) {
    const bool top = !window->is_child();
    HWND hwnd = tables().windows.add<HWND>(std::move(window));
    find_window(hwnd)->handle = hwnd;
    if (top) tables().top_levels.push_back(hwnd);
    return hwnd;
}

void forget_window(HWND hwnd) {
    auto& t = tables();
    std::erase(t.top_levels, hwnd);
    t.windows.remove(hwnd);
}

std::vector<HWND> top_level_windows() { return tables().top_levels; }

std::vector<HWND>* siblings_of(const Window& w) {
    if (!w.is_child()) return &tables().top_levels;
    Window* parent = find_window(w.parent);
    return parent == nullptr ? nullptr : &parent->children;
}

std::vector<HWND> all_windows_preorder() {
    std::vector<HWND> out;
    for (HWND top : tables().top_levels) preorder(top, out);
    return out;
}

std::shared_ptr<WindowClass> find_class(LPCWSTR name, HINSTANCE instance) {
    ensure_system_classes();
    const auto key = fold_case(class_name_of(name));
    if (key.empty()) return nullptr;
    auto& classes = tables().classes;
    auto match = [&](auto pred) -> std::shared_ptr<WindowClass> {
        const auto it = std::find_if(classes.begin(), classes.end(),
                                     [&](const auto& c) { return same_name(*c, key) && pred(*c); });
        return it == classes.end() ? nullptr : *it;
    };
    if (auto found = match(
            [&](const WindowClass& c) { return !c.global() && !c.system && c.info.hInstance == instance; }))
        return found;
    if (auto found = match([](const WindowClass& c) { return c.global() && !c.system; })) return found;
    return match([](const WindowClass& c) { return c.system; });
}

std::vector<std::shared_ptr<WindowClass>>& class_list() { return tables().classes; }

void reset_window_tables() {
    auto& t = tables();
    t.top_levels.clear();
    t.windows.clear();
    t.classes.clear();
}

RECT nonclient_insets(const Window& w) {
    RECT in{};
    // Top-level frames and captions belong to the desktop; only child frames are ours.
    if (w.is_child()) {
        int edge = 0;
        if (w.style & WS_BORDER) edge += GetSystemMetrics(SM_CXBORDER);
        if (w.ex_style & WS_EX_CLIENTEDGE) edge += GetSystemMetrics(SM_CXEDGE);
        if (w.ex_style & WS_EX_STATICEDGE) edge += GetSystemMetrics(SM_CXBORDER);
        in = {edge, edge, edge, edge};
    }
    if (!w.is_child() && w.menu_bar != nullptr) in.top += GetSystemMetrics(SM_CYMENU);
    if (w.style & WS_VSCROLL) in.right += GetSystemMetrics(SM_CXVSCROLL);
    if (w.style & WS_HSCROLL) in.bottom += GetSystemMetrics(SM_CYHSCROLL);
    return in;
}

RECT client_in_window(const Window& w) {
    const RECT in = nonclient_insets(w);
    const LONG width = w.rect.right - w.rect.left;
    const LONG height = w.rect.bottom - w.rect.top;
    RECT r{in.left, in.top, width - in.right, height - in.bottom};
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

SIZE client_size(const Window& w) {
    const RECT r = client_in_window(w);
    return {r.right - r.left, r.bottom - r.top};
}

POINT client_origin_on_screen(const Window& w) {
    const RECT c = client_in_window(w);
    POINT p{w.rect.left + c.left, w.rect.top + c.top};
    if (const Window* parent = w.is_child() ? find_window(w.parent) : nullptr) {
        const POINT o = client_origin_on_screen(*parent);
        p.x += o.x;
        p.y += o.y;
    }
    return p;
}

Window& top_level_of(Window& w) {
    Window* cur = &w;
    while (cur->is_child()) {
        Window* parent = find_window(cur->parent);
        if (parent == nullptr) break;
        cur = parent;
    }
    return *cur;
}

POINT client_origin_in_surface(const Window& w) {
    const POINT screen = client_origin_on_screen(w);
    const Window& top = top_level_of(const_cast<Window&>(w));
    return {screen.x - top.rect.left, screen.y - top.rect.top};
}

bool shown_on_screen(const Window& w) {
    const Window* cur = &w;
    while (cur != nullptr) {
        if ((cur->style & WS_VISIBLE) == 0) return false;
        cur = cur->is_child() ? find_window(cur->parent) : nullptr;
    }
    return true;
}

LRESULT send_to(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto keep = share_window(hwnd);
    if (!keep || keep->proc == nullptr) return 0;
    return keep->proc(hwnd, msg, wParam, lParam);
}

} // namespace zeledit::platform
