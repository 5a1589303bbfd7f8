// The font list: a list box of the font families installed, each marked with its type
// (TrueType, other outlines, bitmaps). It answers every list box message; an item's data
// is its family's type (TRUETYPE_FONTTYPE, DEVICE_FONTTYPE or RASTER_FONTTYPE).
#include "controls/controls.h"

namespace zeledit::controls {
namespace {

constexpr int MarkWidth = 26;

int add_family(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM list) {
    const auto hwnd = reinterpret_cast<HWND>(list);
    const LRESULT at = SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(font->lfFaceName));
    if (at >= 0) SendMessageW(hwnd, LB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(type));
    return 1;
}

void fill(HWND hwnd) {
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    HDC dc = GetDC(hwnd);
    EnumFontFamiliesExW(dc, &all, add_family, reinterpret_cast<LPARAM>(hwnd), 0);
    ReleaseDC(hwnd, dc);
}

// The mark: "TT" for TrueType, "O" for other outlines, "a" for bitmap faces.
void draw_mark(HDC dc, const RECT& r, ULONG_PTR type, bool selected) {
    const bool truetype = type & TRUETYPE_FONTTYPE, outline = type & DEVICE_FONTTYPE;
    const COLORREF ink = selected   ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                         : truetype ? RGB(0, 84, 166)
                         : outline  ? RGB(176, 32, 32)
                                    : GetSysColor(COLOR_GRAYTEXT);
    RECT box{r.left + 2, r.top, r.left + MarkWidth, r.bottom};
    SetTextColor(dc, ink);
    DrawTextW(dc, truetype ? u"TT" : outline ? u"O" : u"a", -1, &box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void draw_item(const DRAWITEMSTRUCT& d) {
    const bool selected = (d.itemState & ODS_SELECTED) != 0;
    fill_solid(d.hDC, d.rcItem, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (d.itemID == UINT(-1)) return;
    const auto n = SendMessageW(d.hwndItem, LB_GETTEXTLEN, d.itemID, 0);
    if (n < 0) return;
    std::u16string name(static_cast<std::size_t>(n) + 1, u'\0');
    SendMessageW(d.hwndItem, LB_GETTEXT, d.itemID, reinterpret_cast<LPARAM>(name.data()));
    name.resize(static_cast<std::size_t>(n));
    SetBkMode(d.hDC, TRANSPARENT);
    draw_mark(d.hDC, d.rcItem, d.itemData, selected);
    SetTextColor(d.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text = d.rcItem;
    text.left += MarkWidth + 2;
    DrawTextW(d.hDC, name.c_str(), static_cast<int>(name.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (d.itemState & ODS_FOCUS) DrawFocusRect(d.hDC, &d.rcItem);
}

} // namespace

LRESULT CALLBACK font_list_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: {
        SetPropW(hwnd, SelfDrawnProperty, reinterpret_cast<HANDLE>(1));
        const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
        SetWindowLongPtrW(hwnd, GWL_STYLE, style | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_SORT);
        return list_box_proc(hwnd, msg, wParam, lParam);
    }
    case WM_CREATE: {
        const LRESULT r = list_box_proc(hwnd, msg, wParam, lParam);
        fill(hwnd);
        return r;
    }
    case WM_MEASUREITEM: {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        m->itemHeight = std::max<UINT>(m->itemHeight, 18);
        return TRUE;
    }
    case WM_DRAWITEM: draw_item(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_NCDESTROY: RemovePropW(hwnd, SelfDrawnProperty); return list_box_proc(hwnd, msg, wParam, lParam);
    default: return list_box_proc(hwnd, msg, wParam, lParam);
    }
}

} // namespace zeledit::controls
