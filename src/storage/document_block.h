// The document data block: header, format tables, text, objects and packed format bytes in
// one little-endian block. Every generation is read; the newest is written.
#pragma once

#include "model/editor_buffer.h"
#include "model/editor_fonts.h"
#include "model/editor_paragraphs.h"
#include "model/hyper_links.h"
#include "objects/editor_objects.h"

#include <zeledit/windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace zeledit::storage {

#pragma pack(push, 1)
struct TDocumentHeader {
    std::uint16_t Identifier;
    std::int32_t TextSize;   // bytes, terminator included
    std::int32_t PackedSize; // bytes of the packed format section
    std::uint16_t FontCount;
    std::uint16_t ParaCount;
    std::int32_t TableEnd; // where the text starts when both tables are present
    std::int32_t ObjectCount;
    std::uint8_t HasLinks;
};
#pragma pack(pop)
static_assert(sizeof(TDocumentHeader) == 23);

// The tables of one document, as the engine holds them.
struct TDocumentParts {
    model::TEditorInfo& Info; // eiEditorType gives the kind written
    model::TEditorBuffer& Buffer;
    model::TEditorFonts& Fonts;
    model::TEditorParagraphs& Paras;
    objects::TEditorObjects& Objects;
    model::THyperLinks& Links;
};

// Format tables read in full before a document changes, then moved into it at once.
struct TStagedTables {
    explicit TStagedTables(model::TEditorInfo* info) : Fonts(info), Paras(info) {}
    void MoveInto(TDocumentParts& parts) {
        parts.Fonts.TakeAll(Fonts);
        parts.Paras.TakeAll(Paras);
    }
    model::TEditorFonts Fonts;
    model::TEditorParagraphs Paras;
};

std::size_t DataSize(TDocumentParts& parts);
// A new movable zero-filled block holding the document; null when memory runs out.
HGLOBAL GetData(TDocumentParts& parts);

// The clipboard's block of the text from `start` to `end` (either order, clamped to the
// text): both tables, the selected characters, the objects of their marks and their format
// bytes; no links and no trailing byte. Null for an empty range or when memory runs out.
HGLOBAL GetSelectionData(TDocumentParts& parts, std::uint32_t start, std::uint32_t end);

// Replaces the document from a block of any generation. Everything is checked before
// anything changes: a block whose sections do not fit, whose text is not terminated or
// holds a zero, whose tables are empty or pass 128 entries, whose object records overrun
// whose packed runs cover more than the text
// or whose links lie wholly outside it is refused, and the document stays as it
// was. Nothing outside `block` is read.
bool LoadData(TDocumentParts& parts, std::span<const std::uint8_t> block);

// Fills `out` from `offset` of a file; false past its end or on an error.
using FileReader = std::function<bool(std::uint64_t offset, std::span<std::uint8_t> out)>;
// Where the sections a document file declares end, found by reading only the heads of its
// objects and links; none when the header is no document's or a head lies past the file.
// A file is read no further than that.
std::optional<std::uint64_t> DeclaredExtent(std::span<const std::uint8_t> header, const FileReader& read);

// Inserts the text of a normal or uses-template block of the two newest generations at
// `index`, its formats merged into the document's tables and its objects given new IDs;
// answers the characters inserted. A block that is refused, or whose text is empty,
// inserts nothing and answers 0. Nothing outside `block` is read.
std::uint32_t InsertDataFrom(TDocumentParts& parts, std::span<const std::uint8_t> block, std::uint32_t index);

} // namespace zeledit::storage
