#include "storage/document_block.h"

#include "platform/core/byte_reader.h"
#include "platform/core/code_page.h"
#include "platform/core/global_memory.h"
#include "platform/core/text.h"
#include "storage/document_identifiers.h"
#include "storage/format_runs.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace zeledit::storage {

using model::LF, model::CR;
namespace {

constexpr std::size_t HeaderSize = sizeof(TDocumentHeader);

// What differs between the generations.
struct FamilyLayout {
    std::size_t char_record;
    std::size_t para_record;
    bool wide_text;
    objects::RecordFamily object_records;
    bool links;
};

FamilyLayout LayoutOf(int family) {
    switch (family) {
    case 1:
    case 2: return {58, 568, false, objects::RecordFamily::Family2, false};
    case 3: return {72, 580, false, objects::RecordFamily::Family3, false};
    case 4: return {84, 722, false, objects::RecordFamily::Current, true};
    default: return {84, 722, true, objects::RecordFamily::Current, true};
    }
}

struct BlockSizes {
    std::uint16_t kind;
    std::uint32_t length; // characters
    std::size_t tables, text, objects, packed, links, total;
};

BlockSizes Measure(TDocumentParts& parts) {
    BlockSizes s{};
    s.kind = MapToFamily6(parts.Info.eiEditorType);
    s.length = parts.Buffer.TextLength();
    if (s.kind != UsesTemplate)
        s.tables = sizeof(TCharFormat) * parts.Fonts.Count() + sizeof(TParaFormat) * parts.Paras.Count();
    if (s.kind != TemplateDocument) {
        s.text = 2 * std::size_t{s.length} + 2;
        s.objects = parts.Objects.GetSize();
        s.packed = PackedSize({parts.Buffer.Formats(), std::size_t{s.length} + 2});
        s.links = parts.Links.GetDataSize();
    }
    s.total = HeaderSize + s.tables + s.text + s.objects + s.packed + s.links + 1;
    return s;
}

// The text section: terminated at its last unit and nowhere before.
std::optional<std::u16string> ReadText(platform::ByteReader& in, std::int32_t size, bool wide) {
    if (size <= 0 || (wide && size % 2 != 0)) return std::nullopt;
    const auto bytes = in.take(static_cast<std::uint32_t>(size));
    if (!bytes) return std::nullopt;
    std::u16string text;
    if (wide) {
        text.resize(bytes->size() / 2);
        std::memcpy(text.data(), bytes->data(), bytes->size());
    } else {
        text = platform::to_unicode(*bytes);
    }
    if (text.empty() || platform::find_unit(text.data(), text.data() + text.size(), u'\0') != &text.back())
        return std::nullopt;
    text.pop_back();
    return text;
}

bool LoadTables(TStagedTables& tables, int family, std::span<const std::uint8_t> fonts, int font_count,
                std::span<const std::uint8_t> paras, int para_count) {
    switch (family) {
    case 1:
    case 2: return tables.Fonts.LoadFrom2(fonts, font_count) && tables.Paras.LoadFrom2(paras, para_count);
    case 3: return tables.Fonts.LoadFrom3(fonts, font_count) && tables.Paras.LoadFrom3(paras, para_count);
    default: return tables.Fonts.LoadFrom(fonts, font_count) && tables.Paras.LoadFrom(paras, para_count);
    }
}

// The bytes a document's 23-byte header declares for itself, the tables, the text and the
// format runs; none when it is no document's header.
std::optional<std::uint64_t> DeclaredMinimumSize(std::span<const std::uint8_t> header_bytes) {
    if (header_bytes.size() < HeaderSize) return std::nullopt;
    const auto header = platform::ReadAt<TDocumentHeader>(header_bytes, 0);
    if (!ValidVersion(header.Identifier)) return std::nullopt;
    const FamilyLayout layout = LayoutOf(FamilyOf(header.Identifier));
    const std::uint16_t kind = MapToFamily6(header.Identifier);
    std::uint64_t size = HeaderSize;
    if (kind != UsesTemplate)
        size += std::uint64_t{layout.char_record} * header.FontCount +
                std::uint64_t{layout.para_record} * header.ParaCount;
    // By value: the header is packed.
    const std::int32_t text = header.TextSize, packed = header.PackedSize;
    if (kind != TemplateDocument)
        size +=
            static_cast<std::uint64_t>(std::max(text, 0)) + static_cast<std::uint64_t>(std::max(packed, 0));
    return size;
}

} // namespace

std::size_t DataSize(TDocumentParts& parts) { return Measure(parts).total; }

HGLOBAL GetData(TDocumentParts& parts) {
    const BlockSizes s = Measure(parts);
    platform::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, s.total));
    platform::LockedBlock locked(block.get());
    if (locked.data() == nullptr) return nullptr;
    std::uint8_t* out = locked.data();
    const TDocumentHeader header{
        s.kind, static_cast<std::int32_t>(2 * std::size_t{s.length} + 2), static_cast<std::int32_t>(s.packed),
        static_cast<std::uint16_t>(parts.Fonts.Count()), static_cast<std::uint16_t>(parts.Paras.Count()),
        static_cast<std::int32_t>(HeaderSize + sizeof(TCharFormat) * parts.Fonts.Count() +
                                  sizeof(TParaFormat) * parts.Paras.Count()),
        parts.Objects.Count(),
        // set for a template too, though its block carries no links
        static_cast<std::uint8_t>(parts.Links.Count() > 0)};
    std::memcpy(out, &header, HeaderSize);
    std::size_t at = HeaderSize;
    if (s.kind != UsesTemplate) at = parts.Paras.SaveTo(out, parts.Fonts.SaveTo(out, at));
    if (s.kind != TemplateDocument) {
        std::memcpy(out + at, parts.Buffer.Text(), s.text);
        at = parts.Objects.SaveTo(out, at + s.text);
        at += PackRuns({parts.Buffer.Formats(), std::size_t{s.length} + 2}, out + at);
        if (s.links > 0) parts.Links.SaveTo(out, at);
    }
    return block.release();
}

HGLOBAL GetSelectionData(TDocumentParts& parts, std::uint32_t start, std::uint32_t end) {
    const std::uint32_t length = parts.Buffer.TextLength();
    const std::uint32_t s = std::min({start, end, length}), e = std::min(std::max(start, end), length);
    if (s == e) return nullptr;
    const std::span<const std::uint8_t> formats(parts.Buffer.Formats() + s, e - s);
    std::vector<objects::TObjectItem*> marked;
    std::size_t object_bytes = 0;
    for (std::uint32_t i = s; i < e; ++i)
        if (parts.Buffer.CharAt(i) == objects::ObjectMark)
            if (objects::TObjectItem* o = parts.Objects.FindByID(parts.Buffer.FormatAt(i))) {
                marked.push_back(o);
                object_bytes += o->GetDataSize();
            }
    const std::size_t tables =
        sizeof(TCharFormat) * parts.Fonts.Count() + sizeof(TParaFormat) * parts.Paras.Count();
    const std::size_t text = 2 * std::size_t{e - s} + 2, packed = PackedSize(formats);
    platform::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE,
                                             HeaderSize + tables + text + object_bytes + packed));
    platform::LockedBlock locked(block.get());
    if (locked.data() == nullptr) return nullptr;
    std::uint8_t* out = locked.data();
    const TDocumentHeader header{NormalDocument,
                                 static_cast<std::int32_t>(text),
                                 static_cast<std::int32_t>(packed),
                                 static_cast<std::uint16_t>(parts.Fonts.Count()),
                                 static_cast<std::uint16_t>(parts.Paras.Count()),
                                 static_cast<std::int32_t>(HeaderSize + tables),
                                 static_cast<std::int32_t>(marked.size()),
                                 0};
    std::memcpy(out, &header, HeaderSize);
    std::size_t at = parts.Paras.SaveTo(out, parts.Fonts.SaveTo(out, HeaderSize));
    std::memcpy(out + at, parts.Buffer.Text() + s, text - 2);
    at += text;
    for (objects::TObjectItem* o : marked) {
        const std::size_t size = o->GetDataSize();
        o->WriteTo(out, at);
        at += size;
    }
    PackRuns(formats, out + at);
    return block.release();
}

std::optional<std::uint64_t> DeclaredExtent(std::span<const std::uint8_t> header_bytes,
                                            const FileReader& read) {
    auto at = DeclaredMinimumSize(header_bytes);
    if (!at) return std::nullopt;
    const auto header = platform::ReadAt<TDocumentHeader>(header_bytes, 0);
    const FamilyLayout layout = LayoutOf(FamilyOf(header.Identifier));
    if (MapToFamily6(header.Identifier) == TemplateDocument) return at;
    // The objects stand between the text and the format runs, as the block reader takes them.
    const std::int32_t packed = header.PackedSize;
    *at -= static_cast<std::uint64_t>(std::max(packed, 0));
    const std::uint32_t objects = static_cast<std::uint32_t>(header.ObjectCount) & 0xFFFF;
    if (objects >= 1 && objects <= static_cast<std::uint32_t>(objects::MaxObjects)) {
        std::vector<std::uint8_t> head(objects::StoredHeadSize(layout.object_records));
        for (std::uint32_t i = 0; i < objects; ++i) {
            const auto size =
                read(*at, head) ? objects::StoredSize(head, layout.object_records) : std::nullopt;
            if (!size) return std::nullopt;
            *at += *size;
        }
    }
    *at += static_cast<std::uint64_t>(std::max(packed, 0));
    if (!layout.links || header.HasLinks == 0) return at;
    std::array<std::uint8_t, 2> count{};
    if (!read(*at, count)) return std::nullopt;
    *at += count.size();
    std::array<std::uint8_t, model::TLinkItem::RecordSize> record{};
    for (int i = 0, n = count[0] | count[1] << 8; i < n; ++i) {
        if (!read(*at, record)) return std::nullopt;
        *at += record.size() + platform::ReadAt<THyperTextInfo>(record, 0).ikTextSize;
    }
    return at;
}

bool LoadData(TDocumentParts& parts, std::span<const std::uint8_t> block) {
    if (block.size() < HeaderSize) return false;
    const auto header = platform::ReadAt<TDocumentHeader>(block, 0);
    if (!ValidVersion(header.Identifier)) return false;
    const int family = FamilyOf(header.Identifier);
    const FamilyLayout layout = LayoutOf(family);
    const std::uint16_t kind = MapToFamily6(header.Identifier);
    platform::ByteReader in(block, HeaderSize);

    TStagedTables tables(&parts.Info);
    if (kind != UsesTemplate) {
        const int f = header.FontCount, p = header.ParaCount;
        if (f < 1 || f > model::MaxFormats || p < 1 || p > model::MaxFormats) return false;
        const auto fonts = in.take(std::uint64_t{layout.char_record} * f);
        const auto paras = in.take(std::uint64_t{layout.para_record} * p);
        if (!fonts || !paras || !LoadTables(tables, family, *fonts, f, *paras, p)) return false;
    }
    if (kind == TemplateDocument) {
        static constexpr std::uint8_t empty_formats[2]{};
        if (!parts.Buffer.Assign(u"", empty_formats)) return false;
        parts.Objects.FreeAll();
        parts.Links.FreeAll();
        tables.MoveInto(parts);
        return true;
    }

    const auto text = ReadText(in, header.TextSize, layout.wide_text);
    if (!text) return false;
    objects::TEditorObjects staged(&parts.Info);
    const auto objects_end = staged.LoadFrom(
        block, in.position(), static_cast<std::uint32_t>(header.ObjectCount), layout.object_records);
    if (!objects_end || !in.seek(*objects_end)) return false;
    const auto packed =
        header.PackedSize >= 0 ? in.take(static_cast<std::uint32_t>(header.PackedSize)) : std::nullopt;
    std::vector<std::uint8_t> formats(text->size() + 2);
    if (!packed || !UnpackRuns(*packed, formats)) return false;
    model::THyperLinks links;
    if (layout.links && header.HasLinks != 0) {
        const auto links_end = links.LoadFrom(block, in.position(), static_cast<std::uint32_t>(text->size()));
        if (!links_end) return false;
    }

    // Everything is read: from here on the document changes, the text first since only
    // its memory can still fail.
    if (!parts.Buffer.Assign(*text, formats)) return false;
    if (kind != UsesTemplate) tables.MoveInto(parts);
    staged.ReconcileMarks(parts.Buffer);
    parts.Objects.TakeAll(staged);
    parts.Links.TakeAll(links);
    return true;
}

namespace {

// The parts of a block to be inserted, all read and checked before the document changes.
struct Insertion {
    std::u16string text;
    std::vector<std::uint8_t> formats; // text size + 2
    std::optional<std::vector<TCharFormat>> fonts;
    std::optional<std::vector<TParaFormat>> paras;
};

template <class Record> std::vector<Record> ReadRecords(std::span<const std::uint8_t> bytes) {
    std::vector<Record> out(bytes.size() / sizeof(Record));
    std::memcpy(out.data(), bytes.data(), out.size() * sizeof(Record));
    return out;
}

// The byte an inserted character gets in this document.
std::uint8_t Translate(TDocumentParts& parts, const Insertion& in, char16_t c, std::uint8_t byte) {
    if (c == 0 || c == CR) {
        if (!in.paras) return byte;
        return byte < in.paras->size()
                   ? static_cast<std::uint8_t>(parts.Paras.AddParaFormat((*in.paras)[byte]))
                   : 0;
    }
    if (c == LF || !in.fonts) return byte;
    const std::size_t id = byte & 0x7F;
    return id < in.fonts->size() ? static_cast<std::uint8_t>(parts.Fonts.AddFontFormat(&(*in.fonts)[id])) : 0;
}

} // namespace

std::uint32_t InsertDataFrom(TDocumentParts& parts, std::span<const std::uint8_t> block,
                             std::uint32_t index) {
    if (block.size() < HeaderSize) return 0;
    const auto header = platform::ReadAt<TDocumentHeader>(block, 0);
    const int family = ValidVersion(header.Identifier) ? FamilyOf(header.Identifier) : 0;
    const std::uint16_t kind = MapToFamily6(header.Identifier);
    if ((family != 5 && family != 6) || (kind != NormalDocument && kind != UsesTemplate)) return 0;
    platform::ByteReader cursor(block, HeaderSize);
    Insertion in;
    if (kind == NormalDocument) {
        const auto fonts = cursor.take(std::uint64_t{sizeof(TCharFormat)} * header.FontCount);
        const auto paras = cursor.take(std::uint64_t{sizeof(TParaFormat)} * header.ParaCount);
        if (!fonts || !paras) return 0;
        if (header.FontCount != 0) in.fonts = ReadRecords<TCharFormat>(*fonts);
        if (header.ParaCount != 0) in.paras = ReadRecords<TParaFormat>(*paras);
    }
    auto text = ReadText(cursor, header.TextSize, true);
    if (!text || text->empty()) return 0;
    in.text = std::move(*text);
    objects::TEditorObjects staged(&parts.Info);
    const auto objects_end =
        staged.LoadFrom(block, cursor.position(), static_cast<std::uint16_t>(header.ObjectCount),
                        objects::RecordFamily::Current);
    if (!objects_end) return 0;
    if (!cursor.seek(*objects_end)) return 0;
    in.formats.assign(in.text.size() + 2, 0);
    const auto packed =
        header.PackedSize >= 0 ? cursor.take(static_cast<std::uint32_t>(header.PackedSize)) : std::nullopt;
    if (!packed || !UnpackRuns(*packed, in.formats)) return 0;

    const auto n = static_cast<std::uint32_t>(in.text.size());
    index = std::min(index, parts.Buffer.TextLength());
    if (!parts.Buffer.InsertChar(in.text.data(), 0, n, index)) return 0;
    char16_t* chars = parts.Buffer.Text() + index;
    std::uint8_t* bytes = parts.Buffer.Formats() + index;
    for (std::uint32_t i = 0; i < n; ++i) {
        if (chars[i] != objects::ObjectMark) {
            bytes[i] = Translate(parts, in, chars[i], in.formats[i]);
            continue;
        }
        // A mark takes its object along with a new ID; one without an object, or beyond
        // the document's last free ID, is left a plain space.
        objects::TObjectItem* o = staged.FindByID(in.formats[i]);
        const std::uint8_t id = o != nullptr ? parts.Objects.GetNewID() : 0;
        if (id == 0) {
            chars[i] = u' ';
            bytes[i] = 0;
            continue;
        }
        staged.Delete(o);
        o->Info.oiID = id;
        parts.Objects.AddObject(std::unique_ptr<objects::TObjectItem>(o));
        bytes[i] = id;
    }
    return n;
}

} // namespace zeledit::storage
