// Windows metafiles: 16-bit records played in the DC's current mapping. Unknown records
// are skipped (objects they would create still take their slot); malformed data stops.
#include "platform/core/byte_reader.h"
#include "platform/gdi/dib.h"
#include "platform/gdi/metafile/metafile.h"

#include <string>
#include <vector>

namespace zeledit::platform {
namespace {

constexpr DWORD placeable_key = 0x9AC6CDD7;
constexpr std::size_t placeable_size = 22;

enum : WORD {
    META_EOF = 0x0000,
    META_SAVEDC = 0x001E,
    META_REALIZEPALETTE = 0x0035,
    META_SETBKMODE = 0x0102,
    META_SETMAPMODE = 0x0103,
    META_SETROP2 = 0x0104,
    META_SETSTRETCHBLTMODE = 0x0107,
    META_RESTOREDC = 0x0127,
    META_SELECTOBJECT = 0x012D,
    META_SETTEXTALIGN = 0x012E,
    META_DIBCREATEPATTERNBRUSH = 0x0142,
    META_DELETEOBJECT = 0x01F0,
    META_CREATEPATTERNBRUSH = 0x01F9,
    META_SETBKCOLOR = 0x0201,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_SETVIEWPORTORG = 0x020D,
    META_SETVIEWPORTEXT = 0x020E,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_SELECTPALETTE = 0x0234,
    META_CREATEPALETTE = 0x00F7,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_EXCLUDECLIPRECT = 0x0415,
    META_INTERSECTCLIPRECT = 0x0416,
    META_ELLIPSE = 0x0418,
    META_RECTANGLE = 0x041B,
    META_TEXTOUT = 0x0521,
    META_POLYPOLYGON = 0x0538,
    META_ROUNDRECT = 0x061C,
    META_CREATEREGION = 0x06FF,
    META_DIBBITBLT = 0x0940,
    META_EXTTEXTOUT = 0x0A32,
    META_DIBSTRETCHBLT = 0x0B41,
    META_STRETCHDIB = 0x0F43,
};

bool creates_object(WORD f) {
    return f == META_CREATEPALETTE || f == META_DIBCREATEPATTERNBRUSH || f == META_CREATEPATTERNBRUSH ||
           f == META_CREATEPENINDIRECT || f == META_CREATEFONTINDIRECT || f == META_CREATEBRUSHINDIRECT ||
           f == META_CREATEREGION;
}

class WmfPlayer {
public:
    WmfPlayer(HDC dc, std::size_t objects) : dc_(dc), objects_(objects) {}

    void play(const ByteReader& r, WORD f) {
        auto p = [&](int i) { return static_cast<int>(r.get<SHORT>(6 + 2 * static_cast<std::size_t>(i))); };
        switch (f) {
        case META_SETMAPMODE: SetMapMode(dc_, p(0)); break;
        case META_SETBKMODE: SetBkMode(dc_, p(0)); break;
        case META_SETROP2: SetROP2(dc_, p(0)); break;
        case META_SETSTRETCHBLTMODE: SetStretchBltMode(dc_, p(0)); break;
        case META_SETTEXTALIGN: SetTextAlign(dc_, static_cast<UINT>(p(0)) & 0xFFFF); break;
        case META_SETBKCOLOR: SetBkColor(dc_, r.get<COLORREF>(6)); break;
        case META_SETTEXTCOLOR: SetTextColor(dc_, r.get<COLORREF>(6)); break;
        case META_SETWINDOWORG: SetWindowOrgEx(dc_, p(1), p(0), nullptr); break;
        case META_SETWINDOWEXT: SetWindowExtEx(dc_, p(1), p(0), nullptr); break;
        case META_SETVIEWPORTORG: SetViewportOrgEx(dc_, p(1), p(0), nullptr); break;
        case META_SETVIEWPORTEXT: SetViewportExtEx(dc_, p(1), p(0), nullptr); break;
        case META_MOVETO: MoveToEx(dc_, p(1), p(0), nullptr); break;
        case META_LINETO: LineTo(dc_, p(1), p(0)); break;
        case META_RECTANGLE: Rectangle(dc_, p(3), p(2), p(1), p(0)); break;
        case META_ELLIPSE: Ellipse(dc_, p(3), p(2), p(1), p(0)); break;
        case META_ROUNDRECT: RoundRect(dc_, p(5), p(4), p(3), p(2), p(1), p(0)); break;
        case META_INTERSECTCLIPRECT: IntersectClipRect(dc_, p(3), p(2), p(1), p(0)); break;
        case META_EXCLUDECLIPRECT: ExcludeClipRect(dc_, p(3), p(2), p(1), p(0)); break;
        case META_SAVEDC: SaveDC(dc_), ++saves_; break;
        case META_RESTOREDC:
            if (saves_ > 0 && RestoreDC(dc_, -1)) --saves_;
            break;
        case META_POLYLINE:
        case META_POLYGON: poly(r, f); break;
        case META_POLYPOLYGON: poly_polygon(r); break;
        case META_SELECTOBJECT:
            if (HGDIOBJ o = objects_.at(static_cast<WORD>(p(0)))) SelectObject(dc_, o);
            break;
        case META_DELETEOBJECT: objects_.remove(dc_, static_cast<WORD>(p(0))); break;
        case META_CREATEPENINDIRECT: objects_.add(CreatePen(p(0), p(1), r.get<COLORREF>(12))); break;
        case META_CREATEBRUSHINDIRECT: {
            const LOGBRUSH b{static_cast<UINT>(p(0)), r.get<COLORREF>(8), static_cast<ULONG_PTR>(p(3))};
            objects_.add(CreateBrushIndirect(&b));
            break;
        }
        case META_CREATEFONTINDIRECT: objects_.add(font(r)); break;
        case META_TEXTOUT: {
            const int count = p(0);
            const auto text = r.span(8, static_cast<std::size_t>(std::max(count, 0)));
            const std::size_t after =
                8 + ((static_cast<std::size_t>(std::max(count, 0)) + 1) & ~std::size_t(1));
            if (r.ok())
                TextOutA(dc_, r.get<SHORT>(after + 2), r.get<SHORT>(after),
                         reinterpret_cast<LPCSTR>(text.data()), count);
            break;
        }
        case META_EXTTEXTOUT: ext_text(r, p(1), p(0), p(2), static_cast<UINT>(p(3))); break;
        case META_STRETCHDIB:
            image(r, 28, {p(10), p(9), p(8), p(7)}, {p(6), p(5), p(4), p(3)}, r.get<DWORD>(6));
            break;
        case META_DIBSTRETCHBLT:
            image(r, 26, {p(9), p(8), p(7), p(6)}, {p(5), p(4), p(3), p(2)}, r.get<DWORD>(6));
            break;
        case META_DIBBITBLT:
            image(r, 22, {p(7), p(6), p(5), p(4)}, {p(3), p(2), p(5), p(4)}, r.get<DWORD>(6));
            break;
        case META_SELECTPALETTE:
        case META_REALIZEPALETTE: break; // palettes change nothing on true-colour targets
        default:
            if (creates_object(f)) objects_.add(nullptr);
            break;
        }
    }

    void finish() {
        while (saves_-- > 0) RestoreDC(dc_, -1);
    }

private:
    HGDIOBJ font(const ByteReader& r) {
        LOGFONTW lf{};
        lf.lfHeight = r.get<SHORT>(6);
        lf.lfWidth = r.get<SHORT>(8);
        lf.lfWeight = r.get<SHORT>(14);
        lf.lfItalic = r.get<BYTE>(16);
        lf.lfUnderline = r.get<BYTE>(17);
        lf.lfStrikeOut = r.get<BYTE>(18);
        lf.lfCharSet = r.get<BYTE>(19);
        for (std::size_t i = 0; i < 31 && r.has(24 + i, 1) && r.get<BYTE>(24 + i) != 0; ++i)
            lf.lfFaceName[i] = r.get<BYTE>(24 + i);
        return CreateFontIndirectW(&lf);
    }

    void poly(const ByteReader& r, WORD f) {
        const int count = r.get<SHORT>(6);
        if (count <= 0 || !r.has(8, std::size_t(count) * 4)) return;
        std::vector<POINT> pts(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) pts[i] = {r.get<SHORT>(8 + 4 * i), r.get<SHORT>(10 + 4 * i)};
        if (f == META_POLYGON)
            Polygon(dc_, pts.data(), count);
        else
            Polyline(dc_, pts.data(), count);
    }

    void poly_polygon(const ByteReader& r) {
        const int polys = r.get<SHORT>(6);
        if (polys <= 0 || !r.has(8, std::size_t(polys) * 2)) return;
        std::size_t at = 8 + std::size_t(polys) * 2;
        for (int k = 0; k < polys; ++k) {
            const int count = r.get<SHORT>(8 + 2 * k);
            if (count <= 0 || !r.has(at, std::size_t(count) * 4)) return;
            std::vector<POINT> pts(static_cast<std::size_t>(count));
            for (int i = 0; i < count; ++i) pts[i] = {r.get<SHORT>(at + 4 * i), r.get<SHORT>(at + 4 * i + 2)};
            Polygon(dc_, pts.data(), count);
            at += std::size_t(count) * 4;
        }
    }

    void ext_text(const ByteReader& r, int x, int y, int count, UINT options) {
        if (count < 0) return;
        std::size_t at = 14;
        RECT rect{};
        if (options & (ETO_OPAQUE | ETO_CLIPPED)) {
            rect = {r.get<SHORT>(14), r.get<SHORT>(16), r.get<SHORT>(18), r.get<SHORT>(20)};
            at = 22;
        }
        const auto text = r.span(at, static_cast<std::size_t>(count));
        if (!r.ok()) return;
        // 8-bit text goes through the font's code page, as TextOutA does.
        SaveDC(dc_);
        if (options & ETO_OPAQUE) {
            const COLORREF bk = GetBkColor(dc_);
            HBRUSH b = CreateSolidBrush(bk);
            FillRect(dc_, &rect, b);
            DeleteObject(b);
        }
        if (options & ETO_CLIPPED) IntersectClipRect(dc_, rect.left, rect.top, rect.right, rect.bottom);
        TextOutA(dc_, x, y, reinterpret_cast<LPCSTR>(text.data()), count);
        RestoreDC(dc_, -1);
    }

    // Rectangles here are {x, y, width, height}; the DIB follows at `dib_at`.
    void image(const ByteReader& r, std::size_t dib_at, RECT dst, RECT src, DWORD rop) {
        if (!r.has(dib_at, sizeof(BITMAPINFOHEADER))) {
            PatBlt(dc_, dst.left, dst.top, dst.right, dst.bottom, rop);
            return;
        }
        const auto dib = r.span(dib_at, r.size() - dib_at);
        const auto decoded = decode_packed_dib(dib);
        if (!decoded) return;
        BITMAPINFOHEADER original;
        std::memcpy(&original, dib.data(), sizeof original);
        const LONG top = original.biHeight > 0 ? decoded->height - src.top - src.bottom : src.top;
        BITMAPINFOHEADER h{sizeof h, decoded->width, -decoded->height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        StretchDIBits(dc_, dst.left, dst.top, dst.right, dst.bottom, src.left, top, src.right, src.bottom,
                      decoded->pixels.data(), reinterpret_cast<const BITMAPINFO*>(&h), DIB_RGB_COLORS, rop);
    }

    HDC dc_;
    MetafileObjects objects_;
    int saves_ = 0;
};

std::size_t header_start(std::span<const std::uint8_t> bytes) {
    return ByteReader(bytes).get<DWORD>(0) == placeable_key ? placeable_size : 0;
}

} // namespace

bool is_wmf(std::span<const std::uint8_t> bytes) {
    const std::size_t at = header_start(bytes);
    const ByteReader r(bytes);
    const WORD type = r.get<WORD>(at), header_words = r.get<WORD>(at + 2), version = r.get<WORD>(at + 4);
    return r.ok() && r.has(at, 18) && (type == 1 || type == 2) && header_words == 9 &&
           (version == 0x0300 || version == 0x0100);
}

bool play_wmf(HDC dc, std::span<const std::uint8_t> bytes) {
    if (!is_wmf(bytes) || GetObjectType(dc) == 0) return false;
    const std::size_t start = header_start(bytes);
    // The DC gets its own objects back at the end; its mapping stays as the records left it.
    const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN), brush = GetCurrentObject(dc, OBJ_BRUSH);
    const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    WmfPlayer player(dc, ByteReader(bytes).get<WORD>(start + 10));
    for (std::size_t at = start + 18; at + 6 <= bytes.size();) {
        const ByteReader head(bytes.subspan(at));
        const std::uint64_t size = std::uint64_t(head.get<DWORD>(0)) * 2;
        const WORD function = head.get<WORD>(4);
        if (size < 6 || size > bytes.size() - at || function == META_EOF) break;
        player.play(ByteReader(bytes.subspan(at, static_cast<std::size_t>(size))), function);
        at += static_cast<std::size_t>(size);
    }
    player.finish();
    for (HGDIOBJ o : {pen, brush, font}) SelectObject(dc, o);
    return true;
}

} // namespace zeledit::platform
