// The first word of every document block names its generation (family 1 to 6) and its
// kind: a normal document, a template (format tables only) or a document that uses a
// template (no format tables).
#pragma once

#include <cstdint>

namespace zeledit::storage {

inline constexpr std::uint16_t NormalDocument = 0x0601;
inline constexpr std::uint16_t UsesTemplate = 0x0602;
inline constexpr std::uint16_t TemplateDocument = 0x0603;

struct FamilyIdentifiers {
    std::uint16_t normal, templ, uses_template;
};
// Row f - 1 holds family f.
inline constexpr FamilyIdentifiers Families[6]{{0xFE00, 0xFEFF, 0xFE02}, {0xFF00, 0xFFFF, 0xFF02},
                                               {0xFF01, 0xFF05, 0xFF03}, {0x0401, 0x0403, 0x0402},
                                               {0x0501, 0x0503, 0x0502}, {0x0601, 0x0603, 0x0602}};

// One of the 18 identifiers.
bool ValidVersion(std::uint16_t identifier);
// The family of an identifier; 5 for one that names none.
int FamilyOf(std::uint16_t identifier);
// Normal and template identifiers carry format tables; uses-template ones do not.
bool HasFormatTables(std::uint16_t identifier);
// The newest identifier of the same kind; anything else unchanged.
std::uint16_t MapToFamily6(std::uint16_t identifier);

} // namespace zeledit::storage
