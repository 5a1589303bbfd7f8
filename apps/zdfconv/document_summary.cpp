#include "document_summary.h"

#include <cstring>

namespace zdfconv {
namespace {

template <class T> bool Read(std::span<const std::uint8_t> b, std::size_t at, T& v) {
    if (at > b.size() || b.size() - at < sizeof v) return false;
    std::memcpy(&v, b.data() + at, sizeof v);
    return true;
}

} // namespace

void DescribeIdentifier(std::uint16_t identifier, DocumentSummary& out) {
    // Normal, template and uses-template identifiers of the six generations.
    static constexpr std::uint16_t ids[6][3] = {{0xFE00, 0xFEFF, 0xFE02}, {0xFF00, 0xFFFF, 0xFF02},
                                                {0xFF01, 0xFF05, 0xFF03}, {0x0401, 0x0403, 0x0402},
                                                {0x0501, 0x0503, 0x0502}, {0x0601, 0x0603, 0x0602}};
    static constexpr const char* kinds[3] = {"normal", "template", "uses template"};
    for (int g = 0; g < 6; ++g)
        for (int k = 0; k < 3; ++k)
            if (ids[g][k] == identifier) {
                out.generation = g + 1;
                out.kind = kinds[k];
            }
}

bool CountBlock(std::span<const std::uint8_t> block, DocumentSummary& out) {
    std::int32_t text = 0, packed = 0, objects = 0;
    std::uint16_t id = 0, fonts = 0, paras = 0;
    std::uint8_t has_links = 0;
    if (!Read(block, 0, id) || !Read(block, 2, text) || !Read(block, 6, packed) || !Read(block, 10, fonts) ||
        !Read(block, 12, paras) || !Read(block, 18, objects) || !Read(block, 22, has_links))
        return false;
    out.character_formats = fonts;
    out.paragraph_formats = paras;
    out.objects = objects & 0xFFFF;
    out.characters = text >= 2 ? static_cast<std::uint32_t>(text / 2 - 1) : 0;
    if (id == 0x0603) return true;
    // Walk past the tables, the text and every object record to the packed formats and links.
    std::size_t at = 23 + (id == 0x0602 ? 0 : 84u * fonts + 722u * paras) + static_cast<std::size_t>(text);
    for (int i = 0; i < out.objects; ++i) {
        std::uint32_t size = 0;
        if (!Read(block, at + 136, size)) return false;
        at += 200 + std::size_t{size};
    }
    at += static_cast<std::size_t>(packed);
    std::uint16_t links = 0;
    if (has_links != 0 && !Read(block, at, links)) return false;
    out.links = links;
    return true;
}

} // namespace zdfconv
