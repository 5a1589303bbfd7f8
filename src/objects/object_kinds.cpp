#include "objects/object_kinds.h"

#include "objects/picture_object.h"

namespace zeledit::objects {

std::unique_ptr<TObjectItem> CreateObjectFrom(model::TEditorInfo* EditorInfo, HWND Parent,
                                              std::span<const std::uint8_t> bytes) {
    TObjectInfo info;
    if (!ReadObjectInfo(bytes, info)) return nullptr;
    switch (info.oiStyle) {
    case osPicture: return TPictureObj::CreateFrom(EditorInfo, Parent, bytes);
    case osAnimate: return TAnimateObj::CreateFrom(EditorInfo, Parent, bytes);
    default: return nullptr; // sound, JPEG, caption, drawing, metafile, text, DEX and host kinds come later
    }
}

std::unique_ptr<TObjectItem> CopyObject(model::TEditorInfo* EditorInfo, const TObjectItem& source,
                                        std::uint8_t id) {
    if (const auto* a = dynamic_cast<const TAnimateObj*>(&source))
        return std::make_unique<TAnimateObj>(EditorInfo, *a, id);
    if (const auto* p = dynamic_cast<const TPictureObj*>(&source))
        return std::make_unique<TPictureObj>(EditorInfo, *p, id);
    return nullptr;
}

} // namespace zeledit::objects
