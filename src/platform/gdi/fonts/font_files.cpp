#include "platform/gdi/fonts/font_files.h"

#include "platform/core/text.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include FT_MODULE_H
#include FT_TRUETYPE_TABLES_H
#include FT_ADVANCES_H

#include <map>
#include <memory>
#include <mutex>
#include <tuple>

namespace zeledit::platform {
namespace {

// Faces that documents name, and the installed families that stand in for them.
struct FaceEntry {
    std::u16string_view name; // folded
    const char* family;
    bool symbol;
};

constexpr FaceEntry face_table[] = {
    {u"TIMES NEW ROMAN", "Liberation Serif", false},
    {u"TIMES", "Liberation Serif", false},
    {u"GEORGIA", "Liberation Serif", false},
    {u"CAMBRIA", "Liberation Serif", false},
    {u"BOOK ANTIQUA", "Liberation Serif", false},
    {u"PALATINO LINOTYPE", "Liberation Serif", false},
    {u"GARAMOND", "Liberation Serif", false},
    {u".VNTIME", "Liberation Serif", false},
    {u"VNI-TIMES", "Liberation Serif", false},
    {u"ARIAL", "Liberation Sans", false},
    {u"HELVETICA", "Liberation Sans", false},
    {u"TAHOMA", "Liberation Sans", false},
    {u"MS SANS SERIF", "Liberation Sans", false},
    {u"MICROSOFT SANS SERIF", "Liberation Sans", false},
    {u"SEGOE UI", "Liberation Sans", false},
    {u"CALIBRI", "Liberation Sans", false},
    {u".VNARIAL", "Liberation Sans", false},
    {u"VNI-HELVE", "Liberation Sans", false},
    {u"VERDANA", "DejaVu Sans", false},
    {u"COURIER NEW", "Liberation Mono", false},
    {u"COURIER", "Liberation Mono", false},
    {u"CONSOLAS", "Liberation Mono", false},
    {u"LUCIDA CONSOLE", "Liberation Mono", false},
    {u".VNCOURIER", "Liberation Mono", false},
    {u"SYMBOL", "DejaVu Sans", true},
    {u"WINGDINGS", "DejaVu Sans", true},
    {u"WEBDINGS", "DejaVu Sans", true},
};

struct Files {
    FT_Library library = nullptr;
    std::map<std::string, std::unique_ptr<FontFile>> by_path;
    std::map<std::tuple<std::u16string, bool, bool>, ResolvedFace> by_name;
};

Files& files() {
    static Files f;
    return f;
}

void release_face(void* face) { FT_Done_Face(static_cast<FT_Face>(face)); }

void read_tables(FontFile& f) {
    const FT_Face face = f.face;
    f.units_per_em = face->units_per_EM > 0 ? face->units_per_EM : 2048;
    f.bbox = face->bbox;
    f.underline_position = face->underline_position;
    f.underline_thickness = face->underline_thickness;
    f.bold = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
    f.italic = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    f.fixed_pitch = FT_IS_FIXED_WIDTH(face);
    if (const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA))) {
        f.hhea_ascender = hhea->Ascender;
        f.hhea_descender = hhea->Descender;
        f.hhea_line_gap = hhea->Line_Gap;
    } else {
        f.hhea_ascender = face->ascender;
        f.hhea_descender = face->descender;
    }
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF) {
        f.win_ascent = os2->usWinAscent;
        f.win_descent = os2->usWinDescent;
        f.typo_ascender = os2->sTypoAscender;
        f.typo_descender = os2->sTypoDescender;
        f.typo_line_gap = os2->sTypoLineGap;
        f.avg_char_width = os2->xAvgCharWidth;
        f.strikeout_position = os2->yStrikeoutPosition;
        f.strikeout_size = os2->yStrikeoutSize;
        f.x_height = os2->version >= 2 ? os2->sxHeight : 0;
        f.cap_height = os2->version >= 2 ? os2->sCapHeight : 0;
    }
    if (f.win_ascent + f.win_descent <= 0) {
        f.win_ascent = f.hhea_ascender;
        f.win_descent = -f.hhea_descender;
    }
    if (f.avg_char_width <= 0) f.avg_char_width = f.units_per_em / 2;
    if (f.strikeout_size <= 0)
        f.strikeout_size = f.underline_thickness > 0 ? f.underline_thickness : f.units_per_em / 20;
    if (f.strikeout_position == 0) f.strikeout_position = f.win_ascent / 3;
    if (f.underline_thickness <= 0) f.underline_thickness = f.units_per_em / 20;
}

const FontFile* open_file(const std::string& path, int index) {
    auto& fs = files();
    const std::string key = path + "#" + std::to_string(index);
    if (auto it = fs.by_path.find(key); it != fs.by_path.end()) return it->second.get();
    FT_Face face = nullptr;
    if (FT_New_Face(freetype(), path.c_str(), index, &face) != 0) return nullptr;
    auto f = std::make_unique<FontFile>();
    f->path = path;
    f->face = face;
    f->family = face->family_name != nullptr ? face->family_name : "";
    read_tables(*f);
    f->cairo = cairo_ft_font_face_create_for_ft_face(face, 0);
    static cairo_user_data_key_t owner;
    cairo_font_face_set_user_data(f->cairo, &owner, face, release_face);
    return fs.by_path.emplace(key, std::move(f)).first->second.get();
}

// Asks fontconfig for a family and style; `exact` refuses a match of another family.
const FontFile* match(const std::string& family, bool bold, bool italic, bool exact) {
    static std::once_flag init;
    std::call_once(init, [] { FcInit(); });
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* found = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (found == nullptr) return nullptr;
    const FontFile* file = nullptr;
    FcChar8* path = nullptr;
    FcChar8* got_family = nullptr;
    int index = 0;
    FcPatternGetInteger(found, FC_INDEX, 0, &index);
    if (FcPatternGetString(found, FC_FILE, 0, &path) == FcResultMatch &&
        FcPatternGetString(found, FC_FAMILY, 0, &got_family) == FcResultMatch &&
        (!exact || FcStrCmpIgnoreCase(got_family, reinterpret_cast<const FcChar8*>(family.c_str())) == 0))
        file = open_file(reinterpret_cast<const char*>(path), index);
    FcPatternDestroy(found);
    return file;
}

} // namespace

FT_Library freetype() {
    auto& fs = files();
    if (fs.library == nullptr && FT_Init_FreeType(&fs.library) == 0) {
        // Advances come from unscaled font units, so no setting changes them; the hinting
        // engine is fixed here too so that FREETYPE_PROPERTIES does not change the outlines.
        FT_UInt interpreter = 40;
        FT_Property_Set(fs.library, "truetype", "interpreter-version", &interpreter);
    }
    return fs.library;
}

int FontFile::advance_units(FT_UInt glyph) const {
    FT_Fixed advance = 0;
    if (FT_Get_Advance(face, glyph, FT_LOAD_NO_SCALE, &advance) != 0) return 0;
    return static_cast<int>(advance);
}

ResolvedFace resolve_face(std::u16string_view face_name, bool bold, bool italic) {
    auto& fs = files();
    auto name = fold_case(face_name);
    const auto key = std::make_tuple(name, bold, italic);
    if (auto it = fs.by_name.find(key); it != fs.by_name.end()) return it->second;
    ResolvedFace r;
    for (const auto& entry : face_table)
        if (entry.name == name) {
            r.file = match(entry.family, bold, italic, true);
            r.symbol = entry.symbol;
            break;
        }
    if (r.file == nullptr && !name.empty()) r.file = match(to_utf8(face_name), bold, italic, false);
    if (r.file == nullptr) r.file = fallback_face(bold, italic);
    fs.by_name.emplace(key, r);
    return r;
}

const FontFile* fallback_face(bool bold, bool italic) {
    static const FontFile* cache[2][2] = {};
    const FontFile*& f = cache[bold][italic];
    if (f == nullptr) f = match("DejaVu Sans", bold, italic, false);
    return f;
}

} // namespace zeledit::platform
