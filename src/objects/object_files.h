// Objects made from the files a user picks: bitmap pictures, JPEG images, metafiles, DEX
// images and sounds.
#pragma once

#include "objects/object_item.h"
#include "platform/core/global_memory.h"

#include <memory>
#include <string_view>

namespace zeledit::objects {

enum class FileRefusal {
    None,
    Missing,    // the file cannot be read
    NotBitmap,  // not a bitmap file, or a damaged one
    CannotLoad, // the image does not decode
};

struct LoadedFile {
    std::unique_ptr<TObjectItem> Object;
    FileRefusal Refusal = FileRefusal::None;
};

// Files larger than this are refused as unreadable.
inline constexpr std::size_t MaxObjectFileBytes = 64u << 20;

// An object of `Kind` (osPicture, osJPEG, osMeta, osDEX) from the file at `Path`, with the
// rest of its record from `Info`; its natural size is the image's (a metafile keeps the
// size in `Info` when it gives one). DEX images decode by the file's extension.
LoadedFile LoadObjectFile(model::TEditorInfo* EditorInfo, std::uint16_t Kind, const TObjectInfo& Info,
                          std::u16string_view Path);
// The same from the file's bytes; `Name` gives the extension a DEX image decodes by.
LoadedFile ObjectFromFileBytes(model::TEditorInfo* EditorInfo, std::uint16_t Kind, const TObjectInfo& Info,
                               std::u16string_view Name, std::span<const std::uint8_t> File);

// An animation whose frames stand side by side in the bitmap file at `Path`; `Info` gives
// the frames and the interval (`oiData`).
LoadedFile LoadAnimationFile(model::TEditorInfo* EditorInfo, const TObjectInfo& Info,
                             std::u16string_view Path);

// A wave file's bytes as a movable block; empty when it cannot be read.
platform::UniqueGlobal LoadWaveFile(std::u16string_view Path);

} // namespace zeledit::objects
