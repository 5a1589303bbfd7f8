#include "platform/gdi/gdi_objects.h"

#include "platform/gdi/device_context.h"

#include "platform/core/handle_table.h"
#include "platform/gdi/fonts/real_font.h"
#include "platform/gdi/surface.h"

#include <zeledit/win_user.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace zeledit::platform {
namespace {

HandleTable<GdiObject>& objects() {
    static HandleTable<GdiObject> table(4);
    return table;
}

// Stock objects live for the whole process; they are made on first request.
std::array<HGDIOBJ, 20>& stock_cache() {
    static std::array<HGDIOBJ, 20> cache{};
    return cache;
}

GdiObject make_stock(int index) {
    static constexpr COLORREF greys[] = {RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128),
                                         RGB(64, 64, 64), RGB(0, 0, 0)};
    GdiObject o;
    o.stock = true;
    if (index <= BLACK_BRUSH)
        o.data = Brush{BS_SOLID, greys[index]};
    else if (index == NULL_BRUSH)
        o.data = Brush{BS_NULL, 0};
    else if (index == WHITE_PEN)
        o.data = Pen{PS_SOLID, 0, RGB(255, 255, 255)};
    else if (index == BLACK_PEN)
        o.data = Pen{PS_SOLID, 0, 0};
    else if (index == NULL_PEN)
        o.data = Pen{PS_NULL, 0, 0};
    else if (index == DEFAULT_PALETTE)
        o.data = Palette{};
    else {
        LOGFONTW lf{};
        lf.lfHeight = -13;
        lf.lfWeight = index == SYSTEM_FONT ? FW_BOLD : FW_NORMAL;
        std::memcpy(lf.lfFaceName, u"Tahoma", sizeof(u"Tahoma"));
        o.data = Font{lf, nullptr};
    }
    return o;
}

bool is_stock_index(int index) {
    return (index >= WHITE_BRUSH && index <= NULL_PEN) || index == SYSTEM_FONT || index == DEFAULT_GUI_FONT ||
           index == DEFAULT_PALETTE;
}

void cut(const RECT& a, const RECT& r, std::vector<RECT>& out) {
    const RECT x{std::max(a.left, r.left), std::max(a.top, r.top), std::min(a.right, r.right),
                 std::min(a.bottom, r.bottom)};
    if (x.left >= x.right || x.top >= x.bottom) {
        out.push_back(a);
        return;
    }
    if (a.top < x.top) out.push_back({a.left, a.top, a.right, x.top});
    if (x.bottom < a.bottom) out.push_back({a.left, x.bottom, a.right, a.bottom});
    if (a.left < x.left) out.push_back({a.left, x.top, x.left, x.bottom});
    if (x.right < a.right) out.push_back({x.right, x.top, a.right, x.bottom});
}

} // namespace

HGDIOBJ add_object(GdiObject object) {
    return objects().add<HGDIOBJ>(std::make_shared<GdiObject>(std::move(object)));
}

GdiObject* find_object(HGDIOBJ handle) { return objects().find(handle); }

DWORD object_type(const GdiObject& o) {
    static constexpr DWORD types[] = {OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP, OBJ_PAL, OBJ_REGION};
    return types[o.data.index()];
}

std::optional<Brush> brush_of(HBRUSH handle) {
    if (const Brush* b = find_as<Brush>(handle)) return *b;
    const auto v = reinterpret_cast<ULONG_PTR>(handle);
    if (v >= 1 && v <= 31) return Brush{BS_SOLID, GetSysColor(static_cast<int>(v - 1))};
    return std::nullopt;
}

const RealFont& real_font(Font& font) {
    if (!font.real) font.real = realize_font(font.logfont);
    return *font.real;
}

std::vector<RECT> intersect_rects(const std::vector<RECT>& a, const RECT& r) {
    std::vector<RECT> out;
    for (const RECT& x : a) {
        const RECT i{std::max(x.left, r.left), std::max(x.top, r.top), std::min(x.right, r.right),
                     std::min(x.bottom, r.bottom)};
        if (i.left < i.right && i.top < i.bottom) out.push_back(i);
    }
    return out;
}

std::vector<RECT> subtract_rect(const std::vector<RECT>& a, const RECT& r) {
    std::vector<RECT> out;
    for (const RECT& x : a) cut(x, r, out);
    return out;
}

RECT bounding_box(const std::vector<RECT>& rects) {
    if (rects.empty()) return {};
    RECT b = rects.front();
    for (const RECT& r : rects) {
        b.left = std::min(b.left, r.left);
        b.top = std::min(b.top, r.top);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    return b;
}

void reset_gdi_objects() {
    objects().clear();
    stock_cache().fill(nullptr);
}

} // namespace zeledit::platform

using namespace zeledit::platform;

HGDIOBJ GetStockObject(int index) {
    if (!is_stock_index(index)) return nullptr;
    HGDIOBJ& h = stock_cache()[static_cast<std::size_t>(index)];
    if (find_object(h) == nullptr) h = add_object(make_stock(index));
    return h;
}

HBRUSH GetSysColorBrush(int index) {
    static std::array<HGDIOBJ, 31> cache{};
    if (index < 0 || index >= static_cast<int>(cache.size())) return nullptr;
    HGDIOBJ& h = cache[static_cast<std::size_t>(index)];
    if (find_object(h) == nullptr) h = add_object(GdiObject{Brush{BS_SOLID, GetSysColor(index)}, true});
    return static_cast<HBRUSH>(h);
}

BOOL DeleteObject(HGDIOBJ object) {
    GdiObject* o = find_object(object);
    if (o == nullptr) return FALSE;
    if (o->stock) return TRUE;
    if (const Bitmap* b = std::get_if<Bitmap>(&o->data);
        b != nullptr && b->selected_into != nullptr && GetObjectType(b->selected_into) == OBJ_MEMDC)
        return FALSE; // still selected into a memory DC
    objects().remove(object);
    return TRUE;
}

DWORD GetObjectType(HGDIOBJ object) {
    if (const GdiObject* o = find_object(object)) return object_type(*o);
    return dc_object_type(object);
}

BOOL UnrealizeObject(HGDIOBJ object) { return find_object(object) != nullptr ? TRUE : FALSE; }

int GetObjectW(HGDIOBJ object, int size, LPVOID buffer) {
    GdiObject* o = find_object(object);
    if (o == nullptr) return 0;
    auto copy = [&](const auto& record) {
        if (buffer == nullptr) return static_cast<int>(sizeof record);
        const int n = std::min<int>(size, sizeof record);
        if (n > 0) std::memcpy(buffer, &record, static_cast<std::size_t>(n));
        return std::max(n, 0);
    };
    if (const Pen* p = std::get_if<Pen>(&o->data))
        return copy(LOGPEN{UINT(p->style), {p->width, 0}, p->color});
    if (const Brush* b = std::get_if<Brush>(&o->data))
        return copy(LOGBRUSH{b->style, b->color, ULONG_PTR(b->hatch)});
    if (const Font* f = std::get_if<Font>(&o->data)) return copy(f->logfont);
    if (const Bitmap* b = std::get_if<Bitmap>(&o->data)) {
        const int w = b->surface->width(), h = b->surface->height();
        BITMAP bm{0,
                  w,
                  h,
                  w * 4,
                  1,
                  static_cast<WORD>(b->bits_per_pixel),
                  b->dib_section ? b->surface->data() : nullptr};
        return copy(bm);
    }
    if (const Palette* p = std::get_if<Palette>(&o->data)) return copy(static_cast<WORD>(p->entries.size()));
    return 0;
}

HPEN CreatePen(int style, int width, COLORREF color) {
    const int kind = style & PS_STYLE_MASK;
    if (kind > PS_INSIDEFRAME) return nullptr;
    return static_cast<HPEN>(add_object(GdiObject{Pen{kind, std::max(width, 0), color & 0xFFFFFF}}));
}

HPEN CreatePenIndirect(const LOGPEN* pen) {
    return pen == nullptr ? nullptr
                          : CreatePen(static_cast<int>(pen->lopnStyle), pen->lopnWidth.x, pen->lopnColor);
}

HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD, const DWORD*) {
    if (brush == nullptr) return nullptr;
    HPEN pen =
        CreatePen(static_cast<int>(style & PS_STYLE_MASK), static_cast<int>(std::min<DWORD>(width, 10000)),
                  brush->lbStyle == BS_NULL ? 0 : brush->lbColor);
    if (Pen* p = find_as<Pen>(pen)) {
        if (brush->lbStyle == BS_NULL) p->style = PS_NULL;
        p->flat_caps = (style & PS_ENDCAP_FLAT) != 0;
    }
    return pen;
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return static_cast<HBRUSH>(add_object(GdiObject{Brush{BS_SOLID, color & 0xFFFFFF}}));
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) return nullptr;
    return static_cast<HBRUSH>(add_object(GdiObject{Brush{BS_HATCHED, color & 0xFFFFFF, hatch}}));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush) {
    if (brush == nullptr) return nullptr;
    switch (brush->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(brush->lbColor);
    case BS_NULL: return static_cast<HBRUSH>(add_object(GdiObject{Brush{BS_NULL, 0}}));
    case BS_HATCHED: return CreateHatchBrush(static_cast<int>(brush->lbHatch), brush->lbColor);
    default: return nullptr;
    }
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    Region r;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (left < right && top < bottom) r.rects.push_back({left, top, right, bottom});
    return static_cast<HRGN>(add_object(GdiObject{r}));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    return rect == nullptr ? nullptr : CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

namespace {
int complexity(const Region& r) {
    return r.rects.empty() ? NULLREGION : r.rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}
} // namespace

int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode) {
    Region* d = find_as<Region>(dest);
    const Region* ra = find_as<Region>(a);
    const Region* rb = find_as<Region>(b);
    if (d == nullptr || ra == nullptr || (mode != RGN_COPY && rb == nullptr)) return ERROR;
    std::vector<RECT> out;
    switch (mode) {
    case RGN_COPY: out = ra->rects; break;
    case RGN_AND:
        for (const RECT& r : rb->rects) {
            auto part = intersect_rects(ra->rects, r);
            out.insert(out.end(), part.begin(), part.end());
        }
        break;
    case RGN_DIFF:
        out = ra->rects;
        for (const RECT& r : rb->rects) out = subtract_rect(out, r);
        break;
    case RGN_OR:
        out = ra->rects;
        for (const RECT& r : rb->rects) out = subtract_rect(out, r);
        out.insert(out.end(), rb->rects.begin(), rb->rects.end());
        break;
    default: return ERROR;
    }
    d->rects = std::move(out);
    return complexity(*d);
}

int GetRgnBox(HRGN region, LPRECT rect) {
    const Region* r = find_as<Region>(region);
    if (r == nullptr || rect == nullptr) return ERROR;
    *rect = bounding_box(r->rects);
    return complexity(*r);
}

HPALETTE CreatePalette(const LOGPALETTE* palette) {
    if (palette == nullptr || palette->palNumEntries == 0) return nullptr;
    Palette p;
    p.entries.assign(palette->palPalEntry, palette->palPalEntry + palette->palNumEntries);
    return static_cast<HPALETTE>(add_object(GdiObject{std::move(p)}));
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries) {
    const Palette* p = find_as<Palette>(palette);
    if (p == nullptr) return 0;
    if (entries == nullptr) return static_cast<UINT>(p->entries.size());
    UINT n = 0;
    for (; n < count && start + n < p->entries.size(); ++n) entries[n] = p->entries[start + n];
    return n;
}
