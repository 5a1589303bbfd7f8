// What a document block holds, read from the block an editor gives for it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace zdfconv {

struct DocumentSummary {
    int generation = 0;
    std::string kind;
    std::uint32_t characters = 0;
    int character_formats = 0, paragraph_formats = 0, objects = 0, links = 0;
};

// The generation and kind of a file's identifier; generation 0 when it is none.
void DescribeIdentifier(std::uint16_t identifier, DocumentSummary& out);
// Counts from a newest-generation block as an editor writes it.
bool CountBlock(std::span<const std::uint8_t> block, DocumentSummary& out);

} // namespace zdfconv
