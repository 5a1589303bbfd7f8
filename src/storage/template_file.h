// The format tables of a template (or any document file with tables), taken in place of a
// document's own: its format bytes then index the template's formats.
#pragma once

#include "storage/document_block.h"

#include <zeledit/editor_records.h>

#include <cstdint>
#include <span>

namespace zeledit::storage {

// The header and two full tables of the largest records: nothing after them is read.
inline constexpr std::size_t TemplateTablesMaxBytes =
    sizeof(TDocumentHeader) + model::MaxFormats * (sizeof(TCharFormat) + sizeof(TParaFormat));

// Replaces the character and paragraph tables with those stored at the start of `file`,
// in the record layouts of its generation. Refused, with nothing changed, unless the
// identifier is one with tables, both counts are 1 to 128 and every record lies within
// `file`. The text, the objects and the links stay as they are.
bool LoadTemplateTables(TDocumentParts& parts, std::span<const std::uint8_t> file);

} // namespace zeledit::storage
