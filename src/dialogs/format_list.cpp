#include "dialogs/format_list.h"

#include "controls/controls.h"
#include "display/format_previews.h"
#include "platform/core/text.h"

#include <algorithm>
#include <string>

namespace zeledit::dialogs {
namespace {

// The pictures of the two kinds: a letter for characters, a pilcrow for paragraphs.
void DrawKind(HDC dc, int x, int y, bool paragraph) {
    controls::fill_solid(dc, {x, y, x + 16, y + 16}, paragraph ? 0x9C6A2E : 0x2E6A9C);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, 0xFFFFFF);
    SetTextAlign(dc, TA_TOP | TA_CENTER);
    const char16_t mark = paragraph ? u'\u00B6' : u'A';
    TextOutW(dc, x + 8, y + 1, &mark, 1);
    SetTextAlign(dc, TA_TOP | TA_LEFT);
    SelectObject(dc, old);
}

// The window colour, a frame (thicker for the chosen item) and the number, ending at `right`
// or centred in the first 40 pixels.
RECT Frame(const DRAWITEMSTRUCT& item, bool paragraph) {
    const RECT r = item.rcItem;
    controls::fill_solid(item.hDC, r, GetSysColor(COLOR_WINDOW));
    const bool chosen = (item.itemState & ODS_SELECTED) != 0;
    HBRUSH frame = CreateSolidBrush(chosen ? GetSysColor(COLOR_HIGHLIGHT) : 0xC0C0C0);
    RECT edge = r;
    for (int i = 0; i < (chosen ? 2 : 1); ++i, InflateRect(&edge, -1, -1)) FrameRect(item.hDC, &edge, frame);
    DeleteObject(frame);
    DrawKind(item.hDC, r.left + 2, r.top + 2, paragraph);
    return r;
}

void Number(HDC dc, int x, int y, int number, UINT align) {
    const std::u16string text = platform::from_utf8(std::to_string(number) + ".");
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, 0);
    SetTextAlign(dc, TA_TOP | align);
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
    SetTextAlign(dc, TA_TOP | TA_LEFT);
    SelectObject(dc, old);
}

} // namespace

int CharItemHeight(const model::TFontItem& font) { return std::max<int>(font.FFontHeight, 20); }

void DrawCharItem(const DRAWITEMSTRUCT& item, int number, const model::TFontItem& font,
                  std::u16string_view sample) {
    const RECT r = Frame(item, false);
    Number(item.hDC, r.left + 40, r.top + 2, number, TA_RIGHT);
    SetBkMode(item.hDC, TRANSPARENT);
    display::DrawFontPreview(item.hDC, r.left + 45, r.top + 1, sample, font);
}

void DrawParaItem(const DRAWITEMSTRUCT& item, int number, const model::TParagraphItem& para, int page_width) {
    const RECT r = Frame(item, true);
    Number(item.hDC, r.left + 20, r.top + 26, number, TA_CENTER);
    if (page_width > 0)
        display::DrawParaPreview(item.hDC, {r.left + 40, r.top + 2, r.right - 2, r.bottom - 2}, page_width,
                                 para);
}

} // namespace zeledit::dialogs
