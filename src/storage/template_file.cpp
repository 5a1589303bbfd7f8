#include "storage/template_file.h"

#include "model/format_conversion.h"
#include "platform/core/byte_reader.h"
#include "storage/document_identifiers.h"

#include <vector>

namespace zeledit::storage {
namespace {

constexpr std::size_t HeaderSize = sizeof(TDocumentHeader);

TCharFormat Current(const TCharFormat& r) { return r; }
TCharFormat Current(const TCharFormat2& r) { return model::ConvertTemplateCharFormat(r); }
TCharFormat Current(const TCharFormat3& r) { return model::ConvertTemplateCharFormat(r); }
TParaFormat Current(const TParaFormat& r) { return r; }
TParaFormat Current(const TParaFormatTemplate2& r) { return model::ConvertTemplateParaFormat(r); }
TParaFormat Current(const TParaFormat3& r) { return model::ConvertTemplateParaFormat(r); }

// `count` records from the start of `bytes`, which holds them all, in today's layout.
template <class Record> auto ReadTable(std::span<const std::uint8_t> bytes, int count) {
    std::vector<decltype(Current(Record{}))> table;
    table.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        table.push_back(
            Current(platform::ReadAt<Record>(bytes, sizeof(Record) * static_cast<std::size_t>(i))));
    return table;
}

template <class T> std::span<const std::uint8_t> BytesOf(const std::vector<T>& table) {
    return {reinterpret_cast<const std::uint8_t*>(table.data()), table.size() * sizeof(T)};
}

template <class CharRecord, class ParaRecord>
bool LoadTables(TDocumentParts& parts, std::span<const std::uint8_t> file, int font_count, int para_count) {
    const std::size_t font_bytes = sizeof(CharRecord) * static_cast<std::size_t>(font_count);
    const std::size_t para_bytes = sizeof(ParaRecord) * static_cast<std::size_t>(para_count);
    if (file.size() - HeaderSize < font_bytes + para_bytes) return false;
    const auto fonts = ReadTable<CharRecord>(file.subspan(HeaderSize), font_count);
    const auto paras = ReadTable<ParaRecord>(file.subspan(HeaderSize + font_bytes), para_count);
    TStagedTables tables(&parts.Info);
    if (!tables.Fonts.LoadFrom(BytesOf(fonts), font_count) ||
        !tables.Paras.LoadFrom(BytesOf(paras), para_count))
        return false;
    tables.MoveInto(parts);
    return true;
}

} // namespace

bool LoadTemplateTables(TDocumentParts& parts, std::span<const std::uint8_t> file) {
    if (file.size() <= HeaderSize) return false;
    const auto header = platform::ReadAt<TDocumentHeader>(file, 0);
    if (!HasFormatTables(header.Identifier)) return false;
    const int fonts = header.FontCount, paras = header.ParaCount;
    if (fonts < 1 || fonts > model::MaxFormats || paras < 1 || paras > model::MaxFormats) return false;
    switch (FamilyOf(header.Identifier)) {
    case 2: return LoadTables<TCharFormat2, TParaFormatTemplate2>(parts, file, fonts, paras);
    case 3: return LoadTables<TCharFormat3, TParaFormat3>(parts, file, fonts, paras);
    default: return LoadTables<TCharFormat, TParaFormat>(parts, file, fonts, paras);
    }
}

} // namespace zeledit::storage
