// The font families fontconfig knows, as the desktop enumerates them: one call per family,
// with the family's type (TrueType outlines, other outlines, or bitmaps only).
#include "platform/core/text.h"

#include <zeledit/windows.h>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>

namespace {

struct FamilyKinds {
    bool truetype = false;
    bool outline = false;
};

struct FcDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
    void operator()(FcObjectSet* o) const { FcObjectSetDestroy(o); }
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};

std::string folded(std::string name) {
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

// Families by their name without regard to case, each with the kinds of its faces.
std::map<std::string, std::pair<std::string, FamilyKinds>> families(const std::string& only) {
    FcInit();
    std::unique_ptr<FcPattern, FcDeleter> pattern(FcPatternCreate());
    if (!only.empty())
        FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(only.c_str()));
    std::unique_ptr<FcObjectSet, FcDeleter> objects(
        FcObjectSetBuild(FC_FAMILY, FC_FONTFORMAT, FC_SCALABLE, nullptr));
    std::unique_ptr<FcFontSet, FcDeleter> set(FcFontList(nullptr, pattern.get(), objects.get()));
    std::map<std::string, std::pair<std::string, FamilyKinds>> out;
    for (int i = 0; set != nullptr && i < set->nfont; ++i) {
        FcChar8* family = nullptr;
        if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &family) != FcResultMatch) continue;
        const std::string name = reinterpret_cast<const char*>(family);
        FcChar8* format = nullptr;
        FcBool scalable = FcFalse;
        FcPatternGetString(set->fonts[i], FC_FONTFORMAT, 0, &format);
        FcPatternGetBool(set->fonts[i], FC_SCALABLE, 0, &scalable);
        auto& entry = out.try_emplace(folded(name), name, FamilyKinds{}).first->second.second;
        if (format != nullptr && std::string(reinterpret_cast<const char*>(format)) == "TrueType")
            entry.truetype = true;
        if (scalable) entry.outline = true;
    }
    return out;
}

void put_face(LOGFONTW& lf, std::u16string_view name) {
    std::size_t n = std::min<std::size_t>(name.size(), LF_FACESIZE - 1);
    if (n > 0 && n < name.size() && name[n - 1] >= 0xD800 && name[n - 1] <= 0xDBFF) --n; // whole characters
    std::copy_n(name.data(), n, lf.lfFaceName);
    lf.lfFaceName[n] = 0;
}

} // namespace

int EnumFontFamiliesExW(HDC, LOGFONTW* filter, FONTENUMPROCW proc, LPARAM lParam, DWORD) {
    if (proc == nullptr) return 0;
    std::string only;
    if (filter != nullptr) { // the face need not be terminated within its field
        const auto* face = filter->lfFaceName;
        only = zeledit::platform::to_utf8(
            {face, static_cast<std::size_t>(std::find(face, face + LF_FACESIZE, 0) - face)});
    }
    int last = 1;
    for (const auto& [key, family] : families(only)) {
        LOGFONTW lf{};
        lf.lfCharSet = DEFAULT_CHARSET;
        put_face(lf, zeledit::platform::from_utf8(family.first));
        TEXTMETRICW tm{};
        tm.tmCharSet = DEFAULT_CHARSET;
        const DWORD type = family.second.truetype  ? TRUETYPE_FONTTYPE
                           : family.second.outline ? DEVICE_FONTTYPE
                                                   : RASTER_FONTTYPE;
        last = proc(&lf, &tm, type, lParam);
        if (last == 0) break;
    }
    return last;
}
