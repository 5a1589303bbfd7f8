#include "objects/object_files.h"

#include "objects/image_objects.h"
#include "objects/picture_object.h"
#include "platform/core/small_file.h"
#include "platform/core/text.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace zeledit::objects {
namespace {

std::string LowerExtension(std::u16string_view path) {
    const auto dot = path.find_last_of(u'.');
    const auto slash = path.find_last_of(u'/');
    if (dot == std::u16string_view::npos || (slash != std::u16string_view::npos && dot < slash)) return {};
    std::string ext = platform::to_utf8(path.substr(dot));
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

// The DIB object of an image file for a DEX image: the bitmap files that are 8 or 24
// bits deep, DEX files, and what the image decoder reads.
UniqueDibObject DexImage(std::u16string_view path, std::span<const std::uint8_t> file) {
    const std::string ext = LowerExtension(path);
    if (ext == ".dex") return ReadDexImage(file);
    if (ext == ".bmp") {
        const bool bitmap = file.size() > 30 && file[0] == 'B' && file[1] == 'M' &&
                            platform::ReadAt<std::uint32_t>(file, 2) == file.size();
        const auto bits = bitmap ? platform::ReadAt<std::uint16_t>(file, 28) : 0;
        if (bits != 8 && bits != 24) return nullptr;
    } else if (ext != ".png" && ext != ".tga" && ext != ".tif" && ext != ".jpg" && ext != ".jpeg") {
        return nullptr;
    }
    UniqueDibObject dib(platform::LoadImageToDib(file));
    // JPEG files have no alpha worth keeping.
    if (dib && (ext == ".jpg" || ext == ".jpeg")) {
        GlobalFree(platform::dibGetAlphaHandle(dib.get()));
        platform::dibSetAlphaHandle(dib.get(), nullptr);
    }
    return dib;
}

} // namespace

LoadedFile LoadObjectFile(model::TEditorInfo* EditorInfo, std::uint16_t Kind, const TObjectInfo& Info,
                          std::u16string_view Path) {
    std::vector<std::uint8_t> file;
    if (!platform::ReadSmallFile(platform::to_utf8(Path), file, MaxObjectFileBytes))
        return {nullptr, FileRefusal::Missing};
    return ObjectFromFileBytes(EditorInfo, Kind, Info, Path, file);
}

LoadedFile ObjectFromFileBytes(model::TEditorInfo* EditorInfo, std::uint16_t Kind, const TObjectInfo& Info,
                               std::u16string_view Name, std::span<const std::uint8_t> file) {
    TObjectInfo info = Info;
    info.oiStyle = Kind;
    info.oiLink = 0;
    LoadedFile loaded;
    switch (Kind) {
    case osPicture: {
        auto picture = TPictureObj::CreateFromDIBFile(EditorInfo, Info.oiID, file);
        if (!picture) return {nullptr, FileRefusal::NotBitmap};
        const TObjectInfo natural = picture->Info;
        picture->Info = info;
        picture->Info.oiWidth = natural.oiWidth;
        picture->Info.oiHeight = natural.oiHeight;
        picture->Info.oiSize = natural.oiSize;
        loaded.Object = std::move(picture);
        break;
    }
    case osJPEG:
        if (auto image = TJPEGImage::Load(file))
            loaded.Object = std::make_unique<TJPEGObject>(EditorInfo, info, std::move(image));
        break;
    case osMeta:
        if (auto meta = TMetafile::Load(file)) {
            if (info.oiWidth == 0 || info.oiHeight == 0) {
                const SIZE natural = meta->NaturalSize();
                info.oiWidth = static_cast<std::uint16_t>(std::clamp<long>(natural.cx, 1, 0xFFFF));
                info.oiHeight = static_cast<std::uint16_t>(std::clamp<long>(natural.cy, 1, 0xFFFF));
            }
            loaded.Object = std::make_unique<TMetaObject>(EditorInfo, info, std::move(meta));
        }
        break;
    case osDEX:
        if (auto dib = DexImage(Name, file))
            loaded.Object = std::make_unique<TDEXObject>(EditorInfo, info, std::move(dib));
        break;
    default: break;
    }
    if (!loaded.Object) loaded.Refusal = FileRefusal::CannotLoad;
    return loaded;
}

LoadedFile LoadAnimationFile(model::TEditorInfo* EditorInfo, const TObjectInfo& Info,
                             std::u16string_view Path) {
    TObjectInfo info = Info;
    info.oiWidth = info.oiHeight = 0;
    LoadedFile picture = LoadObjectFile(EditorInfo, osPicture, info, Path);
    if (!picture.Object) return picture;
    const auto* source = static_cast<const TPictureObj*>(picture.Object.get());
    const platform::LockedBlock dib(static_cast<HGLOBAL>(source->GetData()));
    info.oiStyle = osAnimate;
    info.oiSize = source->Info.oiSize;
    auto animation = std::make_unique<TAnimateObj>(EditorInfo, info, platform::copy_to_global(dib.bytes()));
    return {std::move(animation), FileRefusal::None};
}

platform::UniqueGlobal LoadWaveFile(std::u16string_view Path) {
    std::vector<std::uint8_t> file;
    if (!platform::ReadSmallFile(platform::to_utf8(Path), file, MaxObjectFileBytes) || file.empty())
        return {};
    return platform::copy_to_global(file);
}

} // namespace zeledit::objects
