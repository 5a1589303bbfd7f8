// The objects behind pen, brush, font, bitmap, palette and region handles.
#pragma once

#include <zeledit/win_gdi.h>

#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace zeledit::platform {

class Surface;
class RealFont;

struct Pen {
    int style; // PS_ style without the end-cap and type bits
    int width; // logical units; 0 draws one device pixel
    COLORREF color;
    bool flat_caps = false;
};

struct Brush {
    UINT style; // BS_SOLID, BS_NULL or BS_HATCHED
    COLORREF color;
    int hatch = 0;
};

struct Font {
    LOGFONTW logfont;
    std::shared_ptr<const RealFont> real; // made on first use
};

struct Bitmap {
    std::shared_ptr<Surface> surface;
    int bits_per_pixel = 32;
    bool dib_section = false;
    HDC selected_into = nullptr;
};

struct Palette {
    std::vector<PALETTEENTRY> entries;
};

struct Region {
    std::vector<RECT> rects; // disjoint
};

struct GdiObject {
    std::variant<Pen, Brush, Font, Bitmap, Palette, Region> data;
    bool stock = false;
};

HGDIOBJ add_object(GdiObject object);
GdiObject* find_object(HGDIOBJ handle);
DWORD object_type(const GdiObject& object);

template <class T> T* find_as(HGDIOBJ handle) {
    GdiObject* o = find_object(handle);
    return o == nullptr ? nullptr : std::get_if<T>(&o->data);
}

// Windows takes (HBRUSH)(COLOR_xxx + 1) where a brush is expected.
std::optional<Brush> brush_of(HBRUSH handle);

const RealFont& real_font(Font& font);

// Region arithmetic on lists of disjoint rectangles.
std::vector<RECT> intersect_rects(const std::vector<RECT>& a, const RECT& r);
std::vector<RECT> subtract_rect(const std::vector<RECT>& a, const RECT& r);
RECT bounding_box(const std::vector<RECT>& rects);

void reset_gdi_objects();

} // namespace zeledit::platform
