// Enhanced metafiles: the records of common drawings, in a picture frame mapped onto the
// destination rectangle. Unknown records are skipped; a malformed file stops the playback.
#include "platform/core/byte_reader.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/dib.h"
#include "platform/gdi/metafile/metafile.h"

#include <vector>

namespace zeledit::platform {
namespace {

constexpr DWORD emf_signature = 0x464D4520; // " EMF"
constexpr std::size_t header_min = 88;

enum : DWORD {
    EMR_HEADER = 1,
    EMR_POLYBEZIER = 2,
    EMR_POLYGON = 3,
    EMR_POLYLINE = 4,
    EMR_POLYLINETO = 6,
    EMR_SETWINDOWEXTEX = 9,
    EMR_SETWINDOWORGEX = 10,
    EMR_SETVIEWPORTEXTEX = 11,
    EMR_SETVIEWPORTORGEX = 12,
    EMR_EOF = 14,
    EMR_SETMAPMODE = 17,
    EMR_SETBKMODE = 18,
    EMR_SETROP2 = 20,
    EMR_SETSTRETCHBLTMODE = 21,
    EMR_SETTEXTALIGN = 22,
    EMR_SETTEXTCOLOR = 24,
    EMR_SETBKCOLOR = 25,
    EMR_MOVETOEX = 27,
    EMR_EXCLUDECLIPRECT = 29,
    EMR_INTERSECTCLIPRECT = 30,
    EMR_SAVEDC = 33,
    EMR_RESTOREDC = 34,
    EMR_SETWORLDTRANSFORM = 35,
    EMR_MODIFYWORLDTRANSFORM = 36,
    EMR_SELECTOBJECT = 37,
    EMR_CREATEPEN = 38,
    EMR_CREATEBRUSHINDIRECT = 39,
    EMR_DELETEOBJECT = 40,
    EMR_ELLIPSE = 42,
    EMR_RECTANGLE = 43,
    EMR_ROUNDRECT = 44,
    EMR_LINETO = 54,
    EMR_BITBLT = 76,
    EMR_STRETCHBLT = 77,
    EMR_SETDIBITSTODEVICE = 80,
    EMR_STRETCHDIBITS = 81,
    EMR_EXTCREATEFONTINDIRECTW = 82,
    EMR_EXTTEXTOUTA = 83,
    EMR_EXTTEXTOUTW = 84,
    EMR_POLYGON16 = 86,
    EMR_POLYLINE16 = 87,
    EMR_POLYLINETO16 = 89,
    EMR_EXTCREATEPEN = 95,
};

class EmfPlayer {
public:
    EmfPlayer(HDC dc, std::size_t handles) : dc_(dc), objects_(handles) {}

    void play(const ByteReader& r, DWORD type) {
        switch (type) {
        case EMR_SETWINDOWEXTEX: SetWindowExtEx(dc_, r.get<LONG>(8), r.get<LONG>(12), nullptr); break;
        case EMR_SETWINDOWORGEX: SetWindowOrgEx(dc_, r.get<LONG>(8), r.get<LONG>(12), nullptr); break;
        case EMR_SETVIEWPORTEXTEX: SetViewportExtEx(dc_, r.get<LONG>(8), r.get<LONG>(12), nullptr); break;
        case EMR_SETVIEWPORTORGEX: SetViewportOrgEx(dc_, r.get<LONG>(8), r.get<LONG>(12), nullptr); break;
        case EMR_SETMAPMODE: SetMapMode(dc_, r.get<int>(8)); break;
        case EMR_SETBKMODE: SetBkMode(dc_, r.get<int>(8)); break;
        case EMR_SETROP2: SetROP2(dc_, r.get<int>(8)); break;
        case EMR_SETSTRETCHBLTMODE: SetStretchBltMode(dc_, r.get<int>(8)); break;
        case EMR_SETTEXTALIGN: SetTextAlign(dc_, r.get<UINT>(8)); break;
        case EMR_SETTEXTCOLOR: SetTextColor(dc_, r.get<COLORREF>(8)); break;
        case EMR_SETBKCOLOR: SetBkColor(dc_, r.get<COLORREF>(8)); break;
        case EMR_MOVETOEX: MoveToEx(dc_, r.get<LONG>(8), r.get<LONG>(12), nullptr); break;
        case EMR_LINETO: LineTo(dc_, r.get<LONG>(8), r.get<LONG>(12)); break;
        case EMR_EXCLUDECLIPRECT:
            ExcludeClipRect(dc_, r.get<LONG>(8), r.get<LONG>(12), r.get<LONG>(16), r.get<LONG>(20));
            break;
        case EMR_INTERSECTCLIPRECT:
            IntersectClipRect(dc_, r.get<LONG>(8), r.get<LONG>(12), r.get<LONG>(16), r.get<LONG>(20));
            break;
        case EMR_SAVEDC:
            SaveDC(dc_);
            ++saves_;
            break;
        case EMR_RESTOREDC: restore(r.get<int>(8)); break;
        case EMR_SETWORLDTRANSFORM: {
            const XFORM x = r.get<XFORM>(8);
            SetGraphicsMode(dc_, GM_ADVANCED);
            SetWorldTransform(dc_, &x);
            break;
        }
        case EMR_MODIFYWORLDTRANSFORM: modify_transform(r.get<XFORM>(8), r.get<DWORD>(32)); break;
        case EMR_SELECTOBJECT: select(r.get<DWORD>(8)); break;
        case EMR_DELETEOBJECT: objects_.remove(dc_, r.get<DWORD>(8)); break;
        case EMR_CREATEPEN: {
            const LOGPEN pen{r.get<UINT>(12), {r.get<LONG>(16), 0}, r.get<COLORREF>(24)};
            if (r.ok()) objects_.put(r.get<DWORD>(8), CreatePenIndirect(&pen));
            break;
        }
        case EMR_EXTCREATEPEN: {
            const LOGBRUSH brush{r.get<UINT>(36), r.get<COLORREF>(40), r.get<DWORD>(44)};
            if (r.ok())
                objects_.put(r.get<DWORD>(8),
                             ExtCreatePen(r.get<DWORD>(28), r.get<DWORD>(32), &brush, 0, nullptr));
            break;
        }
        case EMR_CREATEBRUSHINDIRECT: {
            const LOGBRUSH brush{r.get<UINT>(12), r.get<COLORREF>(16), r.get<DWORD>(20)};
            if (r.ok()) objects_.put(r.get<DWORD>(8), CreateBrushIndirect(&brush));
            break;
        }
        case EMR_EXTCREATEFONTINDIRECTW: {
            LOGFONTW lf = r.get<LOGFONTW>(12);
            if (r.ok()) objects_.put(r.get<DWORD>(8), CreateFontIndirectW(&lf));
            break;
        }
        case EMR_RECTANGLE:
            Rectangle(dc_, r.get<LONG>(8), r.get<LONG>(12), r.get<LONG>(16), r.get<LONG>(20));
            break;
        case EMR_ELLIPSE:
            Ellipse(dc_, r.get<LONG>(8), r.get<LONG>(12), r.get<LONG>(16), r.get<LONG>(20));
            break;
        case EMR_ROUNDRECT:
            RoundRect(dc_, r.get<LONG>(8), r.get<LONG>(12), r.get<LONG>(16), r.get<LONG>(20), r.get<LONG>(24),
                      r.get<LONG>(28));
            break;
        case EMR_POLYGON:
        case EMR_POLYLINE:
        case EMR_POLYLINETO:
        case EMR_POLYBEZIER: poly(r, type, false); break;
        case EMR_POLYGON16:
        case EMR_POLYLINE16:
        case EMR_POLYLINETO16: poly(r, type, true); break;
        case EMR_EXTTEXTOUTW:
        case EMR_EXTTEXTOUTA: text(r, type == EMR_EXTTEXTOUTW); break;
        case EMR_STRETCHDIBITS:
            image(r, 48, 52, 56, 60, {r.get<LONG>(24), r.get<LONG>(28), r.get<LONG>(72), r.get<LONG>(76)},
                  {r.get<LONG>(32), r.get<LONG>(36), r.get<LONG>(40), r.get<LONG>(44)}, r.get<DWORD>(68));
            break;
        case EMR_SETDIBITSTODEVICE:
            image(r, 48, 52, 56, 60, {r.get<LONG>(24), r.get<LONG>(28), r.get<LONG>(40), r.get<LONG>(44)},
                  {r.get<LONG>(32), r.get<LONG>(36), r.get<LONG>(40), r.get<LONG>(44)}, SRCCOPY);
            break;
        case EMR_BITBLT:
        case EMR_STRETCHBLT: {
            const LONG w = r.get<LONG>(32), h = r.get<LONG>(36);
            const bool stretch = type == EMR_STRETCHBLT;
            const RECT src{r.get<LONG>(44), r.get<LONG>(48), stretch ? r.get<LONG>(100) : w,
                           stretch ? r.get<LONG>(104) : h};
            if (r.get<DWORD>(88) == 0)
                PatBlt(dc_, r.get<LONG>(24), r.get<LONG>(28), w, h, r.get<DWORD>(40));
            else
                image(r, 84, 88, 92, 96, {r.get<LONG>(24), r.get<LONG>(28), w, h}, src, r.get<DWORD>(40));
            break;
        }
        default: break; // records that do not draw, or that this player does not know
        }
    }

    void finish() {
        while (saves_ > 0) restore(-1);
    }

private:
    // Rectangles here are {x, y, width, height}.
    void image(const ByteReader& r, std::size_t off_bmi, std::size_t cb_bmi, std::size_t off_bits,
               std::size_t cb_bits, RECT dst, RECT src, DWORD rop) {
        const auto info = r.span(r.get<DWORD>(off_bmi), r.get<DWORD>(cb_bmi));
        const auto bits = r.span(r.get<DWORD>(off_bits), r.get<DWORD>(cb_bits));
        if (!r.ok() || info.size() < sizeof(BITMAPINFOHEADER)) return;
        const auto decoded = decode_dib(info.data(), info.size(), bits.data(), bits.size());
        if (!decoded) return;
        BITMAPINFOHEADER original;
        std::memcpy(&original, info.data(), sizeof original);
        // Drawn from the decoded top-down copy: a bottom-up source counts y from the bottom.
        const LONG top = original.biHeight > 0 ? decoded->height - src.top - src.bottom : src.top;
        BITMAPINFOHEADER h{sizeof h, decoded->width, -decoded->height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        StretchDIBits(dc_, dst.left, dst.top, dst.right, dst.bottom, src.left, top, src.right, src.bottom,
                      decoded->pixels.data(), reinterpret_cast<const BITMAPINFO*>(&h), DIB_RGB_COLORS, rop);
    }

    void poly(const ByteReader& r, DWORD type, bool shorts) {
        const DWORD count = r.get<DWORD>(24);
        const std::size_t each = shorts ? 4 : 8;
        if (!r.has(28, std::size_t(count) * each)) return;
        std::vector<POINT> pts(count);
        for (DWORD i = 0; i < count; ++i)
            pts[i] = shorts ? POINT{r.get<SHORT>(28 + 4 * i), r.get<SHORT>(30 + 4 * i)}
                            : POINT{r.get<LONG>(28 + 8 * i), r.get<LONG>(32 + 8 * i)};
        const int n = static_cast<int>(count);
        if (type == EMR_POLYGON || type == EMR_POLYGON16) {
            Polygon(dc_, pts.data(), n);
        } else if (type == EMR_POLYLINETO || type == EMR_POLYLINETO16) {
            for (const POINT& p : pts) LineTo(dc_, p.x, p.y);
        } else {
            Polyline(dc_, pts.data(), n); // Bézier control points drawn as a polyline
        }
    }

    void text(const ByteReader& r, bool wide) {
        const LONG x = r.get<LONG>(36), y = r.get<LONG>(40);
        const DWORD count = r.get<DWORD>(44), offset = r.get<DWORD>(48), options = r.get<DWORD>(52);
        const RECT rect{r.get<LONG>(56), r.get<LONG>(60), r.get<LONG>(64), r.get<LONG>(68)};
        const DWORD dx_offset = r.get<DWORD>(72);
        const auto chars = r.span(offset, std::size_t(count) * (wide ? 2 : 1));
        if (!r.ok() || count > 0x10000) return;
        std::u16string s;
        for (DWORD i = 0; i < count; ++i)
            s.push_back(wide ? static_cast<char16_t>(chars[2 * i] | (chars[2 * i + 1] << 8)) : chars[i]);
        std::vector<int> dx;
        if (dx_offset != 0 && r.has(dx_offset, std::size_t(count) * 4))
            for (DWORD i = 0; i < count; ++i) dx.push_back(r.get<int>(dx_offset + 4 * i));
        ExtTextOutW(dc_, x, y, options & (ETO_OPAQUE | ETO_CLIPPED), &rect, s.data(), count,
                    dx.empty() ? nullptr : dx.data());
    }

    void select(DWORD index) {
        if (index & 0x80000000u)
            SelectObject(dc_, GetStockObject(static_cast<int>(index & 0x7FFFFFFF)));
        else if (HGDIOBJ o = objects_.at(index))
            SelectObject(dc_, o);
    }

    void restore(int relative) {
        if (saves_ <= 0) return;
        const int levels = relative < 0 ? std::min(-relative, saves_) : 1;
        if (RestoreDC(dc_, -levels)) saves_ -= levels;
    }

    void modify_transform(const XFORM& x, DWORD mode) {
        SetGraphicsMode(dc_, GM_ADVANCED);
        if (mode == MWT_IDENTITY) {
            ModifyWorldTransform(dc_, nullptr, MWT_IDENTITY);
            return;
        }
        XFORM current{};
        GetWorldTransform(dc_, &current);
        auto mul = [](const XFORM& a, const XFORM& b) { // a then b
            return XFORM{a.eM11 * b.eM11 + a.eM12 * b.eM21,       a.eM11 * b.eM12 + a.eM12 * b.eM22,
                         a.eM21 * b.eM11 + a.eM22 * b.eM21,       a.eM21 * b.eM12 + a.eM22 * b.eM22,
                         a.eDx * b.eM11 + a.eDy * b.eM21 + b.eDx, a.eDx * b.eM12 + a.eDy * b.eM22 + b.eDy};
        };
        const XFORM result = mode == 2 ? mul(x, current) : mul(current, x); // 2: left multiply
        SetWorldTransform(dc_, &result);
    }

    HDC dc_;
    MetafileObjects objects_;
    int saves_ = 0;
};

} // namespace

bool is_emf(std::span<const std::uint8_t> bytes) {
    const ByteReader r(bytes);
    return r.get<DWORD>(0) == EMR_HEADER && r.get<DWORD>(40) == emf_signature &&
           r.get<DWORD>(4) >= header_min && r.get<DWORD>(4) <= bytes.size() && r.ok();
}

bool play_emf(HDC handle, std::span<const std::uint8_t> bytes, const RECT& dest) {
    DeviceContext* dc = find_dc(handle);
    if (dc == nullptr || !is_emf(bytes) || dc->playback) return false;
    const ByteReader header(bytes);
    const RECT frame = header.get<RECT>(24);
    const SIZE device = header.get<SIZE>(72), mm = header.get<SIZE>(80);
    if (device.cx <= 0 || device.cy <= 0 || mm.cx <= 0 || mm.cy <= 0) return false;
    // The frame (hundredths of a millimetre) in reference device pixels.
    const double fx = device.cx / (mm.cx * 100.0), fy = device.cy / (mm.cy * 100.0);
    const double left = frame.left * fx, top = frame.top * fy;
    const double width = (double(frame.right) - frame.left) * fx,
                 height = (double(frame.bottom) - frame.top) * fy;
    if (width <= 0 || height <= 0) return false;

    const int saved = SaveDC(handle);
    IntersectClipRect(handle, dest.left, dest.top, dest.right, dest.bottom);
    cairo_matrix_t m = logical_to_device(*dc);
    cairo_matrix_translate(&m, dest.left, dest.top);
    cairo_matrix_scale(&m, (dest.right - dest.left) / width, (dest.bottom - dest.top) / height);
    cairo_matrix_translate(&m, -left, -top);
    // The metafile starts from plain device units; its records set their own mapping.
    dc->state.map_mode = MM_TEXT;
    dc->state.window_org = dc->state.viewport_org = {};
    dc->state.window_ext = dc->state.viewport_ext = {1, 1};
    dc->state.graphics_mode = GM_COMPATIBLE;
    dc->state.world = {1, 0, 0, 1, 0, 0};
    dc->playback = m;
    EmfPlayer player(handle, header.get<WORD>(56));
    for (std::size_t at = 0; at + 8 <= bytes.size();) {
        const DWORD type = ByteReader(bytes.subspan(at)).get<DWORD>(0);
        const DWORD size = ByteReader(bytes.subspan(at)).get<DWORD>(4);
        if (size < 8 || size % 4 != 0 || size > bytes.size() - at) break;
        if (type == EMR_EOF) break;
        player.play(ByteReader(bytes.subspan(at, size)), type);
        at += size;
    }
    player.finish();
    if ((dc = find_dc(handle)) != nullptr) dc->playback.reset();
    RestoreDC(handle, saved);
    return true;
}

} // namespace zeledit::platform
