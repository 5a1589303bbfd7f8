#include "objects/object_kinds.h"

#include "objects/caption_text_objects.h"
#include "objects/drawing_object.h"
#include "objects/external_object.h"
#include "objects/image_objects.h"
#include "objects/picture_object.h"
#include "objects/sound_object.h"

namespace zeledit::objects {

std::unique_ptr<TObjectItem> CreateObjectFrom(model::TEditorInfo* EditorInfo, HWND Parent,
                                              RecordFamily family, const TObjectInfo& info,
                                              std::span<const std::uint8_t> data) {
    if (IsExternalKind(info.oiStyle)) return TExternalObj::CreateFrom(EditorInfo, Parent, info, data);
    if (info.oiStyle == osSound) return TSoundObject::CreateFrom(EditorInfo, Parent, family, info, data);
    // The third generation knew pictures, animations and sounds only.
    if (family == RecordFamily::Family3 && info.oiStyle != osPicture && info.oiStyle != osAnimate)
        return nullptr;
    switch (info.oiStyle) {
    case osPicture: return TPictureObj::CreateFrom(EditorInfo, Parent, info, data);
    case osAnimate: return TAnimateObj::CreateFrom(EditorInfo, Parent, info, data);
    case osJPEG: return TJPEGObject::CreateFrom(EditorInfo, info, data);
    case osMeta: return TMetaObject::CreateFrom(EditorInfo, info, data);
    case osDEX: return TDEXObject::CreateFrom(EditorInfo, info, data);
    case osCaption: return TCaptionObject::CreateFrom(EditorInfo, info, data);
    case osText: return TTextObject::CreateFrom(EditorInfo, info, data);
    case osDrawing: return TDrawingObj::CreateFrom(EditorInfo, info, data);
    default: return nullptr; // kind 4 constructs nothing
    }
}

namespace {

template <class Kind>
std::unique_ptr<TObjectItem> CopyAs(model::TEditorInfo* EditorInfo, const TObjectItem& source,
                                    std::uint8_t id) {
    const auto* kind = dynamic_cast<const Kind*>(&source);
    return kind != nullptr ? std::make_unique<Kind>(EditorInfo, *kind, id) : nullptr;
}

} // namespace

std::unique_ptr<TObjectItem> CopyObject(model::TEditorInfo* EditorInfo, const TObjectItem& source,
                                        std::uint8_t id) {
    switch (source.Info.oiStyle) {
    case osPicture: return CopyAs<TPictureObj>(EditorInfo, source, id);
    case osAnimate: return CopyAs<TAnimateObj>(EditorInfo, source, id);
    case osJPEG: return CopyAs<TJPEGObject>(EditorInfo, source, id);
    case osMeta: return CopyAs<TMetaObject>(EditorInfo, source, id);
    case osDEX: return CopyAs<TDEXObject>(EditorInfo, source, id);
    case osSound: return CopyAs<TSoundObject>(EditorInfo, source, id);
    case osCaption: return CopyAs<TCaptionObject>(EditorInfo, source, id);
    case osText: return CopyAs<TTextObject>(EditorInfo, source, id);
    case osDrawing: return CopyAs<TDrawingObj>(EditorInfo, source, id);
    default:
        return IsExternalKind(source.Info.oiStyle) ? CopyAs<TExternalObj>(EditorInfo, source, id) : nullptr;
    }
}

} // namespace zeledit::objects
