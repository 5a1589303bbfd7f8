// Solid brushes, stock and system-colour brushes, and filling with them.
#include "platform/core/handle_table.h"
#include "platform/gdi/device_context.h"

#include <zeledit/win_user.h>

#include <array>

using namespace zeledit::platform;

namespace {

struct Brush {
    COLORREF color;
    bool hollow;
    bool stock; // never deleted
};

HandleTable<Brush>& brushes() {
    static HandleTable<Brush> table(4);
    return table;
}

HBRUSH make(COLORREF color, bool hollow, bool stock) {
    return brushes().add<HBRUSH>(std::make_shared<Brush>(Brush{color, hollow, stock}));
}

// Windows accepts (HBRUSH)(COLOR_xxx + 1) where a brush is expected.
bool system_colour_brush(HBRUSH b, COLORREF& color) {
    const auto v = reinterpret_cast<ULONG_PTR>(b);
    if (v == 0 || v > 31) return false;
    color = GetSysColor(static_cast<int>(v - 1));
    return true;
}

} // namespace

HBRUSH CreateSolidBrush(COLORREF color) { return make(color & 0x00FFFFFF, false, false); }

HBRUSH GetSysColorBrush(int index) {
    static std::array<HBRUSH, 31> cache{};
    if (index < 0 || index >= static_cast<int>(cache.size())) return nullptr;
    auto& b = cache[static_cast<std::size_t>(index)];
    if (brushes().find(b) == nullptr) b = make(GetSysColor(index), false, true);
    return b;
}

HGDIOBJ GetStockObject(int index) {
    static constexpr std::array<COLORREF, 6> colours = {
        RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128), RGB(64, 64, 64), RGB(0, 0, 0), 0};
    static std::array<HBRUSH, 6> cache{};
    if (index < 0 || index >= static_cast<int>(cache.size())) return nullptr;
    auto& b = cache[static_cast<std::size_t>(index)];
    if (brushes().find(b) == nullptr)
        b = make(colours[static_cast<std::size_t>(index)], index == NULL_BRUSH, true);
    return b;
}

BOOL DeleteObject(HGDIOBJ object) {
    const Brush* b = brushes().find(object);
    if (b == nullptr) return FALSE;
    if (!b->stock) brushes().remove(object);
    return TRUE;
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = find_dc(hdc);
    if (dc == nullptr || rect == nullptr) return 0;
    COLORREF color;
    if (const Brush* b = brushes().find(brush)) {
        if (b->hollow) return 1;
        color = b->color;
    } else if (!system_colour_brush(brush, color)) {
        return 0;
    }
    CairoContext c(*dc);
    if (c.cr == nullptr) return 1;
    cairo_set_source_rgb(c.cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
    cairo_rectangle(c.cr, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    cairo_fill(c.cr);
    return 1;
}
