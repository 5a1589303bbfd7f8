#include "storage/document_identifiers.h"

namespace zeledit::storage {

bool ValidVersion(std::uint16_t identifier) {
    for (const auto& f : Families)
        if (identifier == f.normal || identifier == f.templ || identifier == f.uses_template) return true;
    return false;
}

int FamilyOf(std::uint16_t identifier) {
    for (int i = 0; i < 6; ++i) {
        const auto& f = Families[i];
        if (identifier == f.normal || identifier == f.templ || identifier == f.uses_template) return i + 1;
    }
    return 5;
}

bool HasFormatTables(std::uint16_t identifier) {
    for (const auto& f : Families)
        if (identifier == f.normal || identifier == f.templ) return true;
    return false;
}

std::uint16_t MapToFamily6(std::uint16_t identifier) {
    for (const auto& f : Families) {
        if (identifier == f.normal) return NormalDocument;
        if (identifier == f.templ) return TemplateDocument;
        if (identifier == f.uses_template) return UsesTemplate;
    }
    return identifier;
}

} // namespace zeledit::storage
