// The kind table: which class a stored record or a copied object becomes.
#pragma once

#include "objects/object_item.h"

#include <memory>

namespace zeledit::objects {

// An object from a stored record of the given family and its data; null for malformed data
// and for kinds that construct nothing. Family 3 builds pictures and animations only.
std::unique_ptr<TObjectItem> CreateObjectFrom(model::TEditorInfo* EditorInfo, HWND Parent,
                                              RecordFamily family, const TObjectInfo& info,
                                              std::span<const std::uint8_t> data);
// A copy of `source` with a new ID; null for kinds that are not copied.
std::unique_ptr<TObjectItem> CopyObject(model::TEditorInfo* EditorInfo, const TObjectItem& source,
                                        std::uint8_t id);

} // namespace zeledit::objects
