// The kind table: which class a stored record or a copied object becomes.
#pragma once

#include "objects/object_item.h"

#include <memory>

namespace zeledit::objects {

// An object from the stored record at the start of `bytes` (the record and everything after
// it); null for a malformed record and for kinds that construct nothing.
std::unique_ptr<TObjectItem> CreateObjectFrom(model::TEditorInfo* EditorInfo, HWND Parent,
                                              std::span<const std::uint8_t> bytes);
// A copy of `source` with a new ID; null for kinds that are not copied.
std::unique_ptr<TObjectItem> CopyObject(model::TEditorInfo* EditorInfo, const TObjectItem& source,
                                        std::uint8_t id);

} // namespace zeledit::objects
