// Pop-up menus on the screen: one window of the menu class per open level, drawn from the
// menu's items, and the loop that owns the keyboard and the mouse until an item is chosen or
// the menu is closed.
#include "platform/user/menu_tracking.h"

#include "platform/user/menus.h"
#include "platform/user/modal_hook.h"
#include "platform/user/window_frame.h"
#include "platform/user/window_manager.h"

#include <zeledit/win_gdi.h>
#include <zeledit/win_messages.h>
#include <zeledit/win_user.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace zeledit::platform {
namespace {

constexpr int ItemHeight = 22, SeparatorHeight = 8, Border = 2, CheckColumn = 26, ArrowColumn = 18, Gap = 28;
constexpr int MinWidth = 120;

struct Level {
    HMENU menu = nullptr;
    HWND window = nullptr;
    int highlight = -1;
    std::vector<RECT> rects; // each item's, in the window's client coordinates
    int label_width = 0;     // where shortcut texts start
};

class Tracker {
public:
    Tracker(HWND owner, UINT flags) : owner_(owner), flags_(flags) {}
    ~Tracker() {
        while (!levels_.empty()) CloseLast();
    }
    Tracker(const Tracker&) = delete;
    Tracker& operator=(const Tracker&) = delete;

    bool Open(HMENU menu, POINT at, bool beside);
    UINT Run();
    void Paint(HWND window);
    void Key(WPARAM vk);
    void Mouse(UINT msg, POINT screen);
    HMENU MenuOf(HWND window) {
        const Level* l = LevelOf(window);
        return l != nullptr ? l->menu : nullptr;
    }
    void End(UINT chosen) {
        done_ = true;
        chosen_ = chosen;
    }
    // A menu of a menu bar: the bar's items (screen rectangles) and the one whose menu this
    // is. Left, Right and the mouse over another item end the menu for that item's.
    void BelongTo(const std::vector<RECT>& bar, int item) {
        bar_ = &bar;
        bar_item_ = item;
    }
    int SwitchTo() const { return switch_to_; }
    void Step(int direction);

private:
    Level* LevelOf(HWND window);
    int ItemAt(const Level& level, POINT screen) const;
    void Highlight(std::size_t level, int index);
    void Switch(int item) {
        switch_to_ = item;
        End(0);
    }
    void Choose(std::size_t level, int index);
    void OpenSubmenu(std::size_t level);
    void CloseLast();
    void CloseAfter(std::size_t level) {
        while (levels_.size() > level + 1) CloseLast();
    }
    void Measure(Level& level);

    HWND owner_;
    UINT flags_;
    std::vector<Level> levels_;
    bool done_ = false;
    UINT chosen_ = 0;
    const std::vector<RECT>* bar_ = nullptr;
    int bar_item_ = -1, switch_to_ = -1;
    HFONT font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
};

Tracker*& current() {
    static Tracker* tracker = nullptr;
    return tracker;
}

const MenuItem* item_of(HMENU menu, int index) {
    const Menu* m = find_menu(menu);
    return m != nullptr && index >= 0 && index < static_cast<int>(m->items.size())
               ? &m->items[static_cast<std::size_t>(index)]
               : nullptr;
}

int text_width(HDC dc, const std::u16string& s) {
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, s.c_str(), static_cast<int>(s.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    return r.right - r.left;
}

void Tracker::Measure(Level& level) {
    const Menu* m = find_menu(level.menu);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font_);
    int label = 0, shortcut = 0;
    for (const MenuItem& item : m->items) {
        label = std::max(label, text_width(dc, item.label()));
        shortcut = std::max(shortcut, text_width(dc, item.shortcut()));
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    level.label_width = CheckColumn + label + Gap;
    const int width = std::max(MinWidth, level.label_width + shortcut + ArrowColumn);
    int y = Border;
    level.rects.clear();
    for (const MenuItem& item : m->items) {
        const int h = item.separator() ? SeparatorHeight : ItemHeight;
        level.rects.push_back({Border, y, Border + width, y + h});
        y += h;
    }
}

// Opens a level at a screen point: below and right of it, or beside an item (`beside`),
// flipped where it would leave the screen.
bool Tracker::Open(HMENU menu, POINT at, bool beside) {
    const Menu* m = find_menu(menu);
    if (m == nullptr || m->items.empty()) return false;
    if (owner_ != nullptr && !(flags_ & TPM_NONOTIFY))
        SendMessageW(owner_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), levels_.empty() ? 0 : 1);
    Level level;
    level.menu = menu;
    Measure(level);
    const int width = level.rects.back().right + Border, height = level.rects.back().bottom + Border;
    const int screen_w = GetSystemMetrics(SM_CXSCREEN), screen_h = GetSystemMetrics(SM_CYSCREEN);
    int x = at.x, y = at.y;
    if (!beside) {
        if (flags_ & TPM_RIGHTALIGN) x -= width;
        if (flags_ & TPM_CENTERALIGN) x -= width / 2;
        if (flags_ & TPM_BOTTOMALIGN) y -= height;
        if (flags_ & TPM_VCENTERALIGN) y -= height / 2;
    }
    if (x + width > screen_w)
        x = beside && !levels_.empty() ? at.x - width - (levels_.back().rects[0].right + Border)
                                       : screen_w - width;
    if (y + height > screen_h) y = std::max(0, screen_h - height);
    level.window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, MenuWindowClassName, u"", WS_POPUP,
                                   std::max(x, 0), y, width, height, owner_, nullptr, nullptr, nullptr);
    if (level.window == nullptr) return false;
    levels_.push_back(std::move(level));
    ShowWindow(levels_.back().window, SW_SHOWNOACTIVATE);
    UpdateWindow(levels_.back().window);
    return true;
}

void Tracker::CloseLast() {
    DestroyWindow(levels_.back().window);
    levels_.pop_back();
}

Level* Tracker::LevelOf(HWND window) {
    for (Level& l : levels_)
        if (l.window == window) return &l;
    return nullptr;
}

int Tracker::ItemAt(const Level& level, POINT screen) const {
    POINT p = screen;
    ScreenToClient(level.window, &p);
    for (std::size_t i = 0; i < level.rects.size(); ++i)
        if (PtInRect(&level.rects[i], p)) return static_cast<int>(i);
    return -1;
}

void Tracker::Highlight(std::size_t level, int index) {
    Level& l = levels_[level];
    if (l.highlight == index) return;
    l.highlight = index;
    InvalidateRect(l.window, nullptr, FALSE);
    if (owner_ != nullptr && !(flags_ & TPM_NONOTIFY)) {
        const MenuItem* item = item_of(l.menu, index);
        const UINT flags =
            item == nullptr ? 0xFFFF : GetMenuState(l.menu, static_cast<UINT>(index), MF_BYPOSITION);
        const UINT id = item == nullptr ? 0 : item->submenu != nullptr ? static_cast<UINT>(index) : item->id;
        SendMessageW(owner_, WM_MENUSELECT, MAKEWPARAM(WORD(id), WORD(flags)),
                     reinterpret_cast<LPARAM>(l.menu));
    }
}

// Up and down move to the next item that can be chosen, round the end.
void Tracker::Step(int direction) {
    Level& l = levels_.back();
    const int n = static_cast<int>(l.rects.size());
    int i = l.highlight;
    for (int tries = 0; tries < n; ++tries) {
        i = i < 0 ? (direction > 0 ? 0 : n - 1) : (i + direction + n) % n;
        const MenuItem* item = item_of(l.menu, i);
        if (item != nullptr && !item->separator()) {
            Highlight(levels_.size() - 1, i);
            return;
        }
    }
}

void Tracker::OpenSubmenu(std::size_t level) {
    CloseAfter(level);
    Level& l = levels_[level];
    const MenuItem* item = item_of(l.menu, l.highlight);
    if (item == nullptr || item->submenu == nullptr || !item->enabled()) return;
    const RECT r = l.rects[static_cast<std::size_t>(l.highlight)];
    POINT corner{r.right + Border, r.top - Border};
    ClientToScreen(l.window, &corner);
    if (Open(item->submenu, corner, true)) Step(1);
}

void Tracker::Choose(std::size_t level, int index) {
    const MenuItem* item = item_of(levels_[level].menu, index);
    if (item == nullptr || !item->enabled()) return;
    if (item->submenu != nullptr) {
        Highlight(level, index);
        OpenSubmenu(level);
        return;
    }
    End(item->id);
}

void Tracker::Key(WPARAM vk) {
    Level& l = levels_.back();
    switch (vk) {
    case VK_DOWN: Step(1); return;
    case VK_UP: Step(-1); return;
    case VK_RIGHT: {
        const MenuItem* item = item_of(l.menu, l.highlight);
        if (item != nullptr && item->submenu != nullptr)
            OpenSubmenu(levels_.size() - 1);
        else if (bar_ != nullptr)
            Switch(bar_item_ + 1);
        return;
    }
    case VK_LEFT:
        if (levels_.size() > 1)
            CloseLast();
        else if (bar_ != nullptr)
            Switch(bar_item_ - 1);
        return;
    case VK_ESCAPE:
        if (levels_.size() > 1)
            CloseLast();
        else
            End(0);
        return;
    case VK_RETURN:
    case VK_SPACE:
        if (l.highlight >= 0) Choose(levels_.size() - 1, l.highlight);
        return;
    case VK_MENU:
    case VK_F10: End(0); return;
    default: break;
    }
    // A mnemonic: the only item with it is chosen, several take turns in the highlight.
    const Menu* m = find_menu(l.menu);
    std::vector<int> matches;
    for (std::size_t i = 0; i < m->items.size(); ++i)
        if (m->items[i].enabled() && m->items[i].mnemonic() == static_cast<char16_t>(vk))
            matches.push_back(static_cast<int>(i));
    if (matches.size() == 1) {
        Choose(levels_.size() - 1, matches[0]);
    } else if (!matches.empty()) {
        const auto next = std::upper_bound(matches.begin(), matches.end(), l.highlight);
        Highlight(levels_.size() - 1, next == matches.end() ? matches[0] : *next);
    }
}

// A press outside every level closes the menu; a release on an item chooses it.
void Tracker::Mouse(UINT msg, POINT screen) {
    if (bar_ != nullptr)
        for (std::size_t k = 0; k < bar_->size(); ++k) {
            if (!PtInRect(&(*bar_)[k], screen)) continue;
            const bool other = static_cast<int>(k) != bar_item_;
            if (other && (msg == WM_MOUSEMOVE || msg == WM_LBUTTONDOWN)) Switch(static_cast<int>(k));
            if (!other && msg == WM_LBUTTONDOWN) End(0); // the open menu's own item closes it
            return;
        }
    for (std::size_t k = levels_.size(); k-- > 0;) {
        const int index = ItemAt(levels_[k], screen);
        RECT frame;
        GetWindowRect(levels_[k].window, &frame);
        if (!PtInRect(&frame, screen)) continue;
        if (msg == WM_MOUSEMOVE) {
            if (index >= 0 && levels_[k].highlight != index) {
                CloseAfter(k);
                Highlight(k, index);
                const MenuItem* item = item_of(levels_[k].menu, index);
                if (item != nullptr && item->submenu != nullptr) OpenSubmenu(k);
            }
        } else if (msg == WM_LBUTTONUP || (msg == WM_RBUTTONUP && (flags_ & TPM_RIGHTBUTTON))) {
            if (index >= 0) Choose(k, index);
        }
        return;
    }
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN) End(0);
}

void Tracker::Paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    const Level* l = LevelOf(window);
    const Menu* m = l != nullptr ? find_menu(l->menu) : nullptr;
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_MENU));
    FrameRect(dc, &client, GetSysColorBrush(COLOR_BTNSHADOW));
    if (m != nullptr) {
        HGDIOBJ old = SelectObject(dc, font_);
        SetBkMode(dc, TRANSPARENT);
        for (std::size_t i = 0; i < m->items.size(); ++i) {
            const MenuItem& item = m->items[i];
            RECT r = l->rects[i];
            if (item.separator()) {
                RECT line{r.left + 4, (r.top + r.bottom) / 2, r.right - 4, (r.top + r.bottom) / 2 + 1};
                FillRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
                continue;
            }
            const bool lit = static_cast<int>(i) == l->highlight;
            if (lit) FillRect(dc, &r, GetSysColorBrush(item.enabled() ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
            SetTextColor(dc, GetSysColor(!item.enabled() ? COLOR_GRAYTEXT
                                         : lit           ? COLOR_HIGHLIGHTTEXT
                                                         : COLOR_MENUTEXT));
            if (item.bitmap != nullptr) {
                HDC memory = CreateCompatibleDC(dc);
                HGDIOBJ previous = SelectObject(memory, item.bitmap);
                BitBlt(dc, r.left + 4, r.top + 3, 16, 16, memory, 0, 0, SRCCOPY);
                SelectObject(memory, previous);
                DeleteDC(memory);
            } else if (item.state & MF_CHECKED) {
                RECT mark{r.left, r.top, r.left + CheckColumn, r.bottom};
                DrawTextW(dc, u"\u2713", 1, &mark, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            }
            RECT text{r.left + CheckColumn, r.top, r.right - ArrowColumn, r.bottom};
            const std::u16string label = item.label(), shortcut = item.shortcut();
            LOGFONTW bold{};
            HFONT heavy = nullptr;
            if (item.state & MF_DEFAULT) {
                GetObjectW(font_, sizeof bold, &bold);
                bold.lfWeight = FW_BOLD;
                heavy = CreateFontIndirectW(&bold);
                SelectObject(dc, heavy);
            }
            DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &text,
                      DT_LEFT | DT_VCENTER | DT_SINGLELINE);
            if (heavy != nullptr) {
                SelectObject(dc, font_);
                DeleteObject(heavy);
            }
            RECT keys{r.left + l->label_width, r.top, r.right - ArrowColumn, r.bottom};
            DrawTextW(dc, shortcut.c_str(), static_cast<int>(shortcut.size()), &keys,
                      DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            if (item.submenu != nullptr) {
                RECT arrow{r.right - ArrowColumn, r.top, r.right, r.bottom};
                DrawTextW(dc, u"\u25B8", 1, &arrow, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            }
        }
        SelectObject(dc, old);
    }
    EndPaint(window, &ps);
}

bool is_key(UINT msg) {
    return msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN || msg == WM_CHAR || msg == WM_SYSCHAR;
}
bool is_mouse(UINT msg) { return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK; }

UINT Tracker::Run() {
    const HWND capture = GetCapture();
    SetCapture(levels_.front().window);
    if (owner_ != nullptr) SendMessageW(owner_, WM_ENTERMENULOOP, 1, 0);
    meet_modal_window(levels_.front().window);
    MSG msg;
    while (!done_ && !levels_.empty()) {
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (WaitMessage()) continue;
            break; // no input can ever come: the menu closes unchosen
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (is_key(msg.message)) {
            if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) Key(msg.wParam);
            continue; // keys belong to the menu while it is open
        }
        if (is_mouse(msg.message) && LevelOf(msg.hwnd) == nullptr && msg.hwnd != nullptr) {
            POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
            ClientToScreen(msg.hwnd, &p);
            Mouse(msg.message, p);
            continue;
        }
        DispatchMessageW(&msg);
    }
    while (!levels_.empty()) CloseLast();
    if (GetCapture() != nullptr) ReleaseCapture();
    if (capture != nullptr && IsWindow(capture)) SetCapture(capture);
    if (owner_ != nullptr) SendMessageW(owner_, WM_EXITMENULOOP, 1, 0);
    return chosen_;
}

// The bar's items: rectangles in window coordinates.
std::vector<RECT> bar_items(const Window& w) {
    std::vector<RECT> out;
    const Menu* m = find_menu(w.menu_bar);
    if (m == nullptr) return out;
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    int x = 2;
    for (const MenuItem& item : m->items) {
        const int width = text_width(dc, item.label()) + 16;
        out.push_back({x, 0, x + width, GetSystemMetrics(SM_CYMENU)});
        x += width;
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return out;
}

void track_bar(HWND hwnd, int item, bool from_keyboard) {
    Window* w = find_window(hwnd);
    if (w == nullptr || current() != nullptr) return;
    std::vector<RECT> rects = bar_items(*w);
    RECT frame;
    GetWindowRect(hwnd, &frame);
    for (RECT& r : rects) OffsetRect(&r, frame.left, frame.top);
    const int n = static_cast<int>(rects.size());
    HMENU bar = w->menu_bar;
    UINT chosen = 0;
    while (item >= 0 && item < n && chosen == 0) {
        if ((w = find_window(hwnd)) == nullptr) return;
        w->menu_bar_lit = item;
        paint_frame(hwnd);
        HMENU sub = GetSubMenu(bar, item);
        if (sub == nullptr) {
            if (GetMenuState(bar, static_cast<UINT>(item), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) break;
            chosen = GetMenuItemID(bar, item);
            break;
        }
        Tracker t(hwnd, 0);
        t.BelongTo(rects, item);
        current() = &t;
        int next = -1;
        if (t.Open(sub,
                   {rects[static_cast<std::size_t>(item)].left, rects[static_cast<std::size_t>(item)].bottom},
                   false)) {
            if (from_keyboard) t.Step(1);
            chosen = t.Run();
            next = t.SwitchTo();
        }
        current() = nullptr;
        if (next < 0) break;
        item = (next + n) % n;
    }
    if ((w = find_window(hwnd)) == nullptr) return;
    w->menu_bar_lit = -1;
    paint_frame(hwnd);
    if (chosen != 0) PostMessageW(hwnd, WM_COMMAND, chosen, 0);
}

} // namespace

RECT menu_bar_rect(const Window& w) {
    if (w.is_child() || w.menu_bar == nullptr) return {};
    return {0, 0, w.rect.right - w.rect.left, GetSystemMetrics(SM_CYMENU)};
}

void draw_menu_bar(HDC dc, const Window& w) {
    const RECT bar = menu_bar_rect(w);
    FillRect(dc, &bar, GetSysColorBrush(COLOR_MENU));
    const Menu* m = find_menu(w.menu_bar);
    if (m == nullptr) return;
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    const std::vector<RECT> rects = bar_items(w);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const MenuItem& item = m->items[i];
        const bool lit = static_cast<int>(i) == w.menu_bar_lit;
        if (lit) FillRect(dc, &rects[i], GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(!item.enabled() && item.submenu == nullptr ? COLOR_GRAYTEXT
                                     : lit                                      ? COLOR_HIGHLIGHTTEXT
                                                                                : COLOR_MENUTEXT));
        const std::u16string label = item.label();
        RECT r = rects[i];
        DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &r,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    SelectObject(dc, old);
}

void track_menu_bar_at(HWND hwnd, POINT screen) {
    const Window* w = find_window(hwnd);
    if (w == nullptr) return;
    RECT frame;
    GetWindowRect(hwnd, &frame);
    const std::vector<RECT> rects = bar_items(*w);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        RECT r = rects[i];
        OffsetRect(&r, frame.left, frame.top);
        if (PtInRect(&r, screen)) return track_bar(hwnd, static_cast<int>(i), false);
    }
}

void track_menu_bar_key(HWND hwnd, char16_t mnemonic) {
    const Window* w = find_window(hwnd);
    const Menu* m = w != nullptr ? find_menu(w->menu_bar) : nullptr;
    if (m == nullptr) return;
    if (mnemonic == 0) return track_bar(hwnd, 0, true);
    const char16_t upper = mnemonic >= u'a' && mnemonic <= u'z' ? char16_t(mnemonic - u'a' + u'A') : mnemonic;
    for (std::size_t i = 0; i < m->items.size(); ++i)
        if (m->items[i].mnemonic() == upper) return track_bar(hwnd, static_cast<int>(i), true);
}

LRESULT CALLBACK menu_window_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Tracker* t = current();
    if (t != nullptr) {
        switch (msg) {
        case WM_PAINT: t->Paint(hwnd); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: t->Key(wParam); return 0;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP: {
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(hwnd, &p);
            t->Mouse(msg, p);
            return 0;
        }
        case WM_CLOSE: // closing a menu's window ends the menu, which destroys its windows
        case WM_CANCELMODE: t->End(0); return 0;
        case MN_GETHMENU: return reinterpret_cast<LRESULT>(t->MenuOf(hwnd));
        default: break;
        }
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace zeledit::platform

using namespace zeledit::platform;

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, TPMPARAMS*) {
    if (find_menu(menu) == nullptr || current() != nullptr) return FALSE; // one menu at a time
    Tracker tracker(owner, flags);
    current() = &tracker;
    UINT chosen = 0;
    if (tracker.Open(menu, {x, y}, false)) chosen = tracker.Run();
    current() = nullptr;
    if (flags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
    if (chosen != 0 && owner != nullptr) PostMessageW(owner, WM_COMMAND, chosen, 0);
    return chosen != 0;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}

BOOL EndMenu() {
    if (current() == nullptr) return FALSE;
    current()->End(0);
    return TRUE;
}

BOOL SetMenu(HWND hwnd, HMENU menu) {
    Window* w = find_window(hwnd);
    if (w == nullptr || w->is_child() || (menu != nullptr && find_menu(menu) == nullptr)) return FALSE;
    w->menu_bar = menu;
    w->menu_bar_lit = -1;
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

HMENU GetMenu(HWND hwnd) {
    const Window* w = find_window(hwnd);
    return w != nullptr && !w->is_child() ? w->menu_bar : nullptr;
}

BOOL DrawMenuBar(HWND hwnd) {
    const Window* w = find_window(hwnd);
    if (w == nullptr || w->menu_bar == nullptr) return FALSE;
    paint_frame(hwnd);
    return TRUE;
}
