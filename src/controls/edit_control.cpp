// Edits ("EDIT"), single-line and multi-line: caret, selection by mouse and Shift, clipboard
// keys, one step of undo, Home/End, Ctrl+arrows by word, Vietnamese accent keys on request.
#include "controls/controls.h"
#include "controls/edit_layout.h"
#include "controls/edit_text.h"

#include "platform/system_library/system_library.h"
#include "platform/user/clipboard.h"

#include <algorithm>
#include <cstring>

namespace zeledit::controls {
namespace {

constexpr int MarginX = 2, MarginY = 1;

struct EditState : ControlState {
    EditState() { face = GetSysColor(COLOR_WINDOW), text = GetSysColor(COLOR_WINDOWTEXT); }
    EditText model;
    int scroll_x = 0;
    std::size_t first_line = 0;
    bool modified = false;
    bool dragging = false;
    bool vietnamese = false;
    char16_t password = 0;
};

DWORD style_of(HWND hwnd) { return static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)); }
bool shift_down() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }
bool ctrl_down() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

std::u16string shown_text(const EditState& s) {
    if (s.password == 0) return s.model.text();
    return std::u16string(s.model.text().size(), s.password);
}

RECT text_rect(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    InflateRect(&r, -MarginX, -MarginY);
    r.right = std::max(r.right, r.left);
    return r;
}

// A DC of the control with its font, released on scope exit.
class FontDC {
public:
    FontDC(HWND hwnd, const ControlState& s) : hwnd_(hwnd), dc_(GetDC(hwnd)), old_(select_font(dc_, s)) {}
    ~FontDC() {
        SelectObject(dc_, old_);
        ReleaseDC(hwnd_, dc_);
    }
    FontDC(const FontDC&) = delete;
    FontDC& operator=(const FontDC&) = delete;
    HDC get() const { return dc_; }
    int line_height() const {
        TEXTMETRICW tm{};
        GetTextMetricsW(dc_, &tm);
        return std::max<int>(tm.tmHeight, 1);
    }

private:
    HWND hwnd_;
    HDC dc_;
    HGDIOBJ old_;
};

bool wraps(HWND hwnd) {
    const DWORD style = style_of(hwnd);
    return (style & ES_MULTILINE) && !(style & (ES_AUTOHSCROLL | WS_HSCROLL));
}

std::vector<EditLine> lines_of(HWND hwnd, const EditState& s, HDC dc) {
    const RECT r = text_rect(hwnd);
    return layout_lines(dc, shown_text(s), s.model.multiline(), wraps(hwnd) ? r.right - r.left : 0);
}

std::size_t visible_lines(HWND hwnd, int line_height) {
    const RECT r = text_rect(hwnd);
    return static_cast<std::size_t>(std::max<LONG>((r.bottom - r.top) / line_height, 1));
}

void update_scroll_bar(HWND hwnd, const EditState& s, std::size_t line_count, std::size_t page) {
    if (!(style_of(hwnd) & WS_VSCROLL)) return;
    SCROLLINFO si{
        sizeof(SCROLLINFO),      SIF_ALL | SIF_DISABLENOSCROLL,  0, static_cast<int>(line_count) - 1,
        static_cast<UINT>(page), static_cast<int>(s.first_line), 0};
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

// Scrolls so the caret is in view and puts the system caret there.
void show_caret(HWND hwnd, EditState& s) {
    FontDC dc(hwnd, s);
    const auto lines = lines_of(hwnd, s, dc.get());
    const std::u16string shown = shown_text(s);
    const RECT r = text_rect(hwnd);
    const int height = dc.line_height();
    const std::size_t line = line_of(lines, s.model.caret()), page = visible_lines(hwnd, height);
    if (line < s.first_line) s.first_line = line;
    if (line >= s.first_line + page) s.first_line = line + 1 - page;
    const int x = x_of(dc.get(), shown, lines[line], s.model.caret());
    const int width = r.right - r.left;
    if (!wraps(hwnd)) {
        if (x - s.scroll_x >= width) s.scroll_x = x - width + width / 3 + 1;
        if (x < s.scroll_x) s.scroll_x = std::max(0, x - width / 3);
    }
    update_scroll_bar(hwnd, s, lines.size(), page);
    if (GetFocus() == hwnd)
        SetCaretPos(r.left + x - s.scroll_x, r.top + static_cast<int>(line - s.first_line) * height);
}

void changed(HWND hwnd, EditState& s) {
    s.modified = true;
    show_caret(hwnd, s);
    InvalidateRect(hwnd, nullptr, FALSE);
    notify_parent(hwnd, EN_UPDATE);
    notify_parent(hwnd, EN_CHANGE);
}

void selection_moved(HWND hwnd, EditState& s) {
    show_caret(hwnd, s);
    InvalidateRect(hwnd, nullptr, FALSE);
}

bool read_only(HWND hwnd) { return (style_of(hwnd) & ES_READONLY) != 0; }

void replace(HWND hwnd, EditState& s, std::u16string_view with, bool undoable = true) {
    const bool whole = s.model.replace_selection(with, undoable);
    changed(hwnd, s);
    if (!whole) notify_parent(hwnd, EN_MAXTEXT);
}

void copy(HWND hwnd, const EditState& s) {
    if (!s.model.has_selection() || s.password != 0) return;
    const std::u16string_view text = s.model.selection();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    if (mem == nullptr) return;
    auto* p = static_cast<char16_t*>(GlobalLock(mem));
    std::memcpy(p, text.data(), text.size() * sizeof(char16_t));
    p[text.size()] = 0;
    GlobalUnlock(mem);
    if (!OpenClipboard(hwnd)) {
        GlobalFree(mem);
        return;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, mem) == nullptr) GlobalFree(mem);
    CloseClipboard();
}

void paste(HWND hwnd, EditState& s) {
    if (read_only(hwnd) || !OpenClipboard(hwnd)) return;
    std::u16string text;
    if (HANDLE mem = GetClipboardData(CF_UNICODETEXT)) text = platform::read_unicode_block(mem);
    CloseClipboard();
    if (!text.empty()) replace(hwnd, s, text);
}

std::u16string cased(HWND hwnd, std::u16string text) {
    const DWORD style = style_of(hwnd);
    for (char16_t& c : text) {
        if ((style & ES_UPPERCASE) && c >= u'a' && c <= u'z') c = char16_t(c - 32);
        if ((style & ES_LOWERCASE) && c >= u'A' && c <= u'Z') c = char16_t(c + 32);
    }
    return text;
}

// An accent key right after a letter composes with it, as it does in the editor.
bool compose_accent(HWND hwnd, EditState& s, char16_t key) {
    if (!s.vietnamese || key < u'0' || key > u'9' || s.model.has_selection() || s.model.caret() == 0)
        return false;
    const std::size_t at = s.model.caret() - 1;
    const std::uint16_t composed = platform::VCharOf(s.model.text()[at], key - u'0');
    if (composed == 0) return false;
    s.model.select(at, at + 1);
    replace(hwnd, s, std::u16string(1, static_cast<char16_t>(composed)));
    return true;
}

void type_char(HWND hwnd, EditState& s, char16_t c) {
    if (read_only(hwnd)) return;
    if (c == u'\b') {
        if (!s.model.has_selection())
            s.model.move_to(
                ctrl_down() ? s.model.prev_word(s.model.caret()) : s.model.prev_char(s.model.caret()), true);
        if (s.model.has_selection()) replace(hwnd, s, u"");
        return;
    }
    if (c == u'\r' || c == u'\n') {
        if (s.model.multiline()) replace(hwnd, s, u"\r\n");
        return;
    }
    if (c < 0x20 && c != u'\t') return;
    if (c == u'\t' && !s.model.multiline()) return;
    if ((style_of(hwnd) & ES_NUMBER) && (c < u'0' || c > u'9')) return;
    if (compose_accent(hwnd, s, c)) return;
    replace(hwnd, s, cased(hwnd, std::u16string(1, c)));
}

// Up and Down, Page Up and Page Down in a multi-line edit: the same x on another line.
std::size_t vertical_target(HWND hwnd, EditState& s, int lines_by) {
    FontDC dc(hwnd, s);
    const auto lines = lines_of(hwnd, s, dc.get());
    const std::u16string shown = shown_text(s);
    const std::size_t line = line_of(lines, s.model.caret());
    const int x = x_of(dc.get(), shown, lines[line], s.model.caret());
    const long long target = std::clamp<long long>(static_cast<long long>(line) + lines_by, 0,
                                                   static_cast<long long>(lines.size()) - 1);
    return pos_at(dc.get(), shown, lines[static_cast<std::size_t>(target)], x);
}

std::size_t line_edge(HWND hwnd, EditState& s, bool end) {
    if (!s.model.multiline()) return end ? s.model.text().size() : 0;
    FontDC dc(hwnd, s);
    const auto lines = lines_of(hwnd, s, dc.get());
    const EditLine& line = lines[line_of(lines, s.model.caret())];
    return end ? line.end : line.start;
}

bool clipboard_key(HWND hwnd, EditState& s, WPARAM key) {
    switch (key) {
    case 'A':
        s.model.select(0, s.model.text().size());
        selection_moved(hwnd, s);
        return true;
    case 'C': copy(hwnd, s); return true;
    case 'X':
        if (read_only(hwnd)) return true;
        copy(hwnd, s);
        if (s.model.has_selection() && s.password == 0) replace(hwnd, s, u"");
        return true;
    case 'V': paste(hwnd, s); return true;
    case 'Z':
        if (!read_only(hwnd) && s.model.undo()) changed(hwnd, s);
        return true;
    default: return false;
    }
}

void key_down(HWND hwnd, EditState& s, WPARAM key) {
    const bool extend = shift_down(), ctrl = ctrl_down();
    const int page = static_cast<int>(visible_lines(hwnd, FontDC(hwnd, s).line_height()));
    std::size_t to = s.model.caret();
    switch (key) {
    case VK_LEFT: to = ctrl ? s.model.prev_word(to) : s.model.prev_char(to); break;
    case VK_RIGHT: to = ctrl ? s.model.next_word(to) : s.model.next_char(to); break;
    case VK_HOME: to = ctrl ? 0 : line_edge(hwnd, s, false); break;
    case VK_END: to = ctrl ? s.model.text().size() : line_edge(hwnd, s, true); break;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
        if (!s.model.multiline()) return;
        to = vertical_target(hwnd, s,
                             key == VK_UP      ? -1
                             : key == VK_DOWN  ? 1
                             : key == VK_PRIOR ? -page
                                               : page);
        break;
    case VK_DELETE:
        if (read_only(hwnd)) return;
        if (extend) return void(clipboard_key(hwnd, s, 'X'));
        if (!s.model.has_selection())
            s.model.move_to(ctrl ? s.model.next_word(to) : s.model.next_char(to), true);
        if (s.model.has_selection()) replace(hwnd, s, u"");
        return;
    case VK_INSERT:
        if (ctrl) clipboard_key(hwnd, s, 'C');
        if (extend) clipboard_key(hwnd, s, 'V');
        return;
    default:
        if (ctrl) clipboard_key(hwnd, s, key);
        return;
    }
    s.model.move_to(to, extend);
    selection_moved(hwnd, s);
}

std::size_t pos_at_point(HWND hwnd, EditState& s, POINT pt) {
    FontDC dc(hwnd, s);
    const auto lines = lines_of(hwnd, s, dc.get());
    const RECT r = text_rect(hwnd);
    const long long row = static_cast<long long>(s.first_line) + (pt.y - r.top) / dc.line_height();
    const auto line =
        static_cast<std::size_t>(std::clamp<long long>(row, 0, static_cast<long long>(lines.size()) - 1));
    return pos_at(dc.get(), shown_text(s), lines[line], pt.x - r.left + s.scroll_x);
}

void mouse(HWND hwnd, EditState& s, UINT msg, LPARAM lParam) {
    const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (msg) {
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        s.model.move_to(pos_at_point(hwnd, s, pt), shift_down());
        s.dragging = true;
        SetCapture(hwnd);
        break;
    case WM_LBUTTONDBLCLK: {
        const std::size_t at = pos_at_point(hwnd, s, pt);
        s.model.select(s.model.word_start(at), s.model.word_end(at));
        break;
    }
    case WM_MOUSEMOVE:
        if (!s.dragging) return;
        s.model.move_to(pos_at_point(hwnd, s, pt), true);
        break;
    default: // WM_LBUTTONUP
        if (!s.dragging) return;
        s.dragging = false;
        ReleaseCapture();
        return;
    }
    selection_moved(hwnd, s);
}

void paint_line(HDC dc, const EditState& s, std::u16string_view shown, const EditLine& line, int x, int y,
                int height, bool show_selection) {
    const std::u16string_view text = shown.substr(line.start, line.end - line.start);
    SetTextColor(dc, s.text);
    TextOutW(dc, x, y, text.data(), static_cast<int>(text.size()));
    const std::size_t from = std::max(s.model.sel_start(), line.start),
                      to = std::min(s.model.sel_end(), line.end);
    if (!show_selection || from >= to) return;
    const int x0 = x + x_of(dc, shown, line, from), x1 = x + x_of(dc, shown, line, to);
    RECT band{x0, y, x1, y + height};
    fill_solid(dc, band, GetSysColor(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    TextOutW(dc, x0, y, shown.data() + from, static_cast<int>(to - from));
}

void paint(HWND hwnd, const EditState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    fill_solid(dc, client, enabled && !read_only(hwnd) ? s.face : GetSysColor(COLOR_BTNFACE));
    HGDIOBJ old = select_font(dc, s);
    SetBkMode(dc, TRANSPARENT);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const int height = std::max<int>(tm.tmHeight, 1);
    const RECT r = text_rect(hwnd);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    const std::u16string shown = shown_text(s);
    const auto lines = lines_of(hwnd, s, dc);
    const bool show_selection = GetFocus() == hwnd || (style_of(hwnd) & ES_NOHIDESEL);
    const DWORD align = style_of(hwnd) & (ES_CENTER | ES_RIGHT);
    for (std::size_t i = s.first_line; i < lines.size(); ++i) {
        const int y = r.top + static_cast<int>(i - s.first_line) * height;
        if (y >= r.bottom) break;
        int x = r.left - s.scroll_x;
        if (align != 0 && s.scroll_x == 0) {
            const int room = (r.right - r.left) - x_of(dc, shown, lines[i], lines[i].end);
            if (room > 0) x += align == ES_RIGHT ? room : room / 2;
        }
        if (!enabled) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        paint_line(dc, s, shown, lines[i], x, y, height, show_selection);
    }
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
}

void focus(HWND hwnd, EditState& s, bool gained) {
    if (gained) {
        CreateCaret(hwnd, nullptr, 1, FontDC(hwnd, s).line_height());
        show_caret(hwnd, s);
        ShowCaret(hwnd);
    } else {
        s.dragging = false;
        DestroyCaret();
    }
    InvalidateRect(hwnd, nullptr, FALSE);
    notify_parent(hwnd, gained ? EN_SETFOCUS : EN_KILLFOCUS);
}

void scroll(HWND hwnd, EditState& s, WORD request) {
    FontDC dc(hwnd, s);
    const std::size_t count = lines_of(hwnd, s, dc.get()).size(),
                      page = visible_lines(hwnd, dc.line_height());
    const std::size_t last = count > page ? count - page : 0;
    std::size_t first = s.first_line;
    switch (request) {
    case SB_LINEUP: first = first > 0 ? first - 1 : 0; break;
    case SB_LINEDOWN: first = std::min(first + 1, last); break;
    case SB_PAGEUP: first = first > page ? first - page : 0; break;
    case SB_PAGEDOWN: first = std::min(first + page, last); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(hwnd, SB_VERT, &si);
        first = std::min<std::size_t>(static_cast<std::size_t>(std::max(si.nTrackPos, 0)), last);
        break;
    }
    default: return;
    }
    s.first_line = first;
    update_scroll_bar(hwnd, s, count, page);
    InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT text_message(HWND hwnd, EditState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
    const std::u16string& text = s.model.text();
    switch (msg) {
    case WM_SETTEXT:
        s.model.set_text(lParam ? std::u16string_view(reinterpret_cast<LPCWSTR>(lParam))
                                : std::u16string_view());
        s.scroll_x = 0;
        s.first_line = 0;
        s.modified = false;
        show_caret(hwnd, s);
        InvalidateRect(hwnd, nullptr, FALSE);
        notify_parent(hwnd, EN_CHANGE);
        return TRUE;
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(text.size());
    default: { // WM_GETTEXT
        auto* out = reinterpret_cast<LPWSTR>(lParam);
        if (out == nullptr || wParam == 0) return 0;
        const std::size_t n = std::min<std::size_t>(text.size(), wParam - 1);
        std::memcpy(out, text.data(), n * sizeof(char16_t));
        out[n] = 0;
        return static_cast<LRESULT>(n);
    }
    }
}

LRESULT line_message(HWND hwnd, EditState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
    FontDC dc(hwnd, s);
    const auto lines = lines_of(hwnd, s, dc.get());
    const auto pick = [&](WPARAM w) {
        return w == WPARAM(-1) ? line_of(lines, s.model.caret()) : std::size_t(w);
    };
    switch (msg) {
    case EM_GETLINECOUNT: return static_cast<LRESULT>(lines.size());
    case EM_GETFIRSTVISIBLELINE: return static_cast<LRESULT>(s.first_line);
    case EM_LINEFROMCHAR:
        return static_cast<LRESULT>(line_of(lines, wParam == WPARAM(-1) ? s.model.caret() : wParam));
    case EM_LINEINDEX: {
        const std::size_t line = pick(wParam);
        return line < lines.size() ? static_cast<LRESULT>(lines[line].start) : -1;
    }
    case EM_LINELENGTH: {
        const EditLine& line = lines[line_of(lines, wParam == WPARAM(-1) ? s.model.caret() : wParam)];
        return static_cast<LRESULT>(line.end - line.start);
    }
    case EM_GETLINE: { // the buffer's first WORD gives its size; no terminator is written
        auto* out = reinterpret_cast<LPWSTR>(lParam);
        if (out == nullptr || wParam >= lines.size()) return 0;
        const std::size_t room = static_cast<std::uint16_t>(out[0]);
        const std::size_t n = std::min(room, lines[wParam].end - lines[wParam].start);
        std::memcpy(out, s.model.text().data() + lines[wParam].start, n * sizeof(char16_t));
        return static_cast<LRESULT>(n);
    }
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

LRESULT edit_message(HWND hwnd, EditState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case EM_GETSEL:
        if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(s.model.sel_start());
        if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(s.model.sel_end());
        return MAKELRESULT(WORD(std::min<std::size_t>(s.model.sel_start(), 0xFFFF)),
                           WORD(std::min<std::size_t>(s.model.sel_end(), 0xFFFF)));
    case EM_SETSEL: {
        const auto anchor = static_cast<long long>(static_cast<int>(wParam)),
                   caret = static_cast<long long>(lParam);
        if (anchor == -1)
            s.model.move_to(s.model.caret(), false);
        else
            s.model.select(static_cast<std::size_t>(anchor < 0 ? 0 : anchor),
                           caret < 0 ? s.model.text().size() : static_cast<std::size_t>(caret));
        selection_moved(hwnd, s);
        return 0;
    }
    case EM_REPLACESEL:
        replace(hwnd, s, lParam ? std::u16string_view(reinterpret_cast<LPCWSTR>(lParam)) : u"", wParam != 0);
        return 0;
    case EM_LIMITTEXT: s.model.set_limit(wParam); return 0;
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(s.model.limit());
    case EM_CANUNDO: return s.model.can_undo() ? TRUE : FALSE;
    case EM_UNDO:
    case WM_UNDO:
        if (!s.model.undo()) return FALSE;
        changed(hwnd, s);
        return TRUE;
    case EM_EMPTYUNDOBUFFER: s.model.forget_undo(); return 0;
    case EM_GETMODIFY: return s.modified ? TRUE : FALSE;
    case EM_SETMODIFY: s.modified = wParam != 0; return 0;
    case EM_SCROLLCARET: show_caret(hwnd, s); return TRUE;
    case EM_SETPASSWORDCHAR:
        s.password = static_cast<char16_t>(wParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case EM_SETREADONLY: {
        const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
        SetWindowLongPtrW(hwnd, GWL_STYLE, wParam ? style | ES_READONLY : style & ~LONG_PTR(ES_READONLY));
        InvalidateRect(hwnd, nullptr, FALSE);
        return TRUE;
    }
    case ZEM_SETVIETNAMESE: s.vietnamese = wParam != 0; return 0;
    case WM_CUT: clipboard_key(hwnd, s, 'X'); return 0;
    case WM_COPY: copy(hwnd, s); return 0;
    case WM_PASTE: paste(hwnd, s); return 0;
    case WM_CLEAR:
        if (!read_only(hwnd) && s.model.has_selection()) replace(hwnd, s, u"");
        return 0;
    default: return line_message(hwnd, s, msg, wParam, lParam);
    }
}

LRESULT dialog_code(HWND hwnd, LPARAM lParam) {
    LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if ((style_of(hwnd) & (ES_MULTILINE | ES_WANTRETURN)) == (ES_MULTILINE | ES_WANTRETURN) &&
        msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
        code |= DLGC_WANTALLKEYS;
    if (msg != nullptr && msg->message == WM_KEYDOWN && owner_takes_key(hwnd, msg->wParam))
        code |= DLGC_WANTALLKEYS;
    return code;
}

void create(HWND hwnd, EditState& s, LPARAM lParam) {
    const DWORD style = style_of(hwnd);
    s.model.set_multiline((style & ES_MULTILINE) != 0);
    if (style & ES_PASSWORD) s.password = u'*';
    const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    if (cs != nullptr && cs->lpszName != nullptr) s.model.set_text(cs->lpszName);
}

} // namespace

// An edit that is part of a combo box or a spin edit leaves the keys that choose or step
// to its owner.
bool owner_takes_key(HWND edit, WPARAM key) {
    HWND parent = GetParent(edit);
    WCHAR name[32];
    if (parent == nullptr || GetClassNameW(parent, name, 32) == 0) return false;
    const std::u16string_view kind(name);
    const bool arrows = key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT;
    if (kind == SpinEditClassName) return arrows;
    if (kind != u"COMBOBOX") return false;
    if (arrows || key == VK_F4) return true;
    return (key == VK_RETURN || key == VK_ESCAPE) && SendMessageW(parent, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

LRESULT CALLBACK edit_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handle_common(hwnd, msg, wParam, lParam, result, make_state<EditState>)) return result;
    EditState* s = state_as<EditState>(hwnd);
    if (s == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_CREATE: create(hwnd, *s, lParam); return 0;
    case WM_PAINT: paint(hwnd, *s); return 0;
    case WM_GETDLGCODE: return dialog_code(hwnd, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS: focus(hwnd, *s, msg == WM_SETFOCUS); return 0;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_SIZE: show_caret(hwnd, *s); return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (owner_takes_key(hwnd, msg == WM_SYSKEYDOWN ? VK_F4 : wParam))
            return SendMessageW(GetParent(hwnd), msg, wParam, lParam);
        if (msg == WM_SYSKEYDOWN) return DefWindowProcW(hwnd, msg, wParam, lParam);
        key_down(hwnd, *s, wParam);
        return 0;
    case WM_CHAR: type_char(hwnd, *s, static_cast<char16_t>(wParam)); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: mouse(hwnd, *s, msg, lParam); return 0;
    case WM_CAPTURECHANGED: s->dragging = false; return 0;
    case WM_VSCROLL: scroll(hwnd, *s, LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL:
        scroll(hwnd, *s, GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN);
        return 0;
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: return text_message(hwnd, *s, msg, wParam, lParam);
    default:
        if ((msg >= EM_GETSEL && msg <= EM_GETLIMITTEXT) || (msg >= WM_CUT && msg <= WM_UNDO) ||
            msg == ZEM_SETVIETNAMESE)
            return edit_message(hwnd, *s, msg, wParam, lParam);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zeledit::controls
