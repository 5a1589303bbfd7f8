// Font files: faces named by programs resolved to installed files, opened once with our own
// FreeType library (so no environment setting changes how they are read), with the table
// values that metrics are computed from.
#pragma once

#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>
#include <string_view>

namespace zeledit::platform {

struct FontFile {
    std::string path;
    std::string family; // as the file names itself
    FT_Face face = nullptr;
    cairo_font_face_t* cairo = nullptr;
    bool bold = false; // the file's own style
    bool italic = false;
    bool fixed_pitch = false;
    // Values from the font's tables, in font units.
    int units_per_em = 2048;
    int win_ascent = 0;
    int win_descent = 0;
    int hhea_ascender = 0;
    int hhea_descender = 0;
    int hhea_line_gap = 0;
    int typo_ascender = 0;
    int typo_descender = 0;
    int typo_line_gap = 0;
    int avg_char_width = 0;
    int x_height = 0;
    int cap_height = 0;
    int underline_position = 0;
    int underline_thickness = 0;
    int strikeout_position = 0;
    int strikeout_size = 0;
    FT_BBox bbox{};

    // Advance of a glyph in font units, from the font's metrics table.
    int advance_units(FT_UInt glyph) const;
};

// How a face name resolved: the file, and whether the name is a symbol face whose 8-bit
// codes are translated to Unicode before drawing.
struct ResolvedFace {
    const FontFile* file = nullptr;
    bool symbol = false;
};

ResolvedFace resolve_face(std::u16string_view face_name, bool bold, bool italic);
// The face that supplies glyphs the chosen one lacks.
const FontFile* fallback_face(bool bold, bool italic);
FT_Library freetype();

} // namespace zeledit::platform
