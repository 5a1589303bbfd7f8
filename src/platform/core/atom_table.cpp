#include "platform/core/atom_table.h"

#include "platform/core/text.h"

#include <unordered_map>
#include <vector>

namespace zeledit::platform {
namespace {

struct Atoms {
    std::vector<std::u16string> names; // index + first_string_atom is the atom
    std::unordered_map<std::u16string, ATOM> by_key;
};

// Never destroyed, like the window tables that name classes by atom.
Atoms& atoms() {
    static Atoms& table = *new Atoms;
    return table;
}

std::u16string number_key(ULONG_PTR n) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + n % 10));
        n /= 10;
    } while (n != 0);
    return u"#" + digits;
}

} // namespace

ATOM add_atom(std::u16string_view name) {
    if (name.empty()) return 0;
    auto& t = atoms();
    const auto key = fold_case(name);
    if (const auto it = t.by_key.find(key); it != t.by_key.end()) return it->second;
    if (t.names.size() >= 0x10000 - first_string_atom) return 0;
    const auto atom = static_cast<ATOM>(first_string_atom + t.names.size());
    t.names.emplace_back(name);
    t.by_key.emplace(key, atom);
    return atom;
}

std::optional<ATOM> find_atom(std::u16string_view name) {
    const auto& t = atoms();
    const auto it = t.by_key.find(fold_case(name));
    if (it == t.by_key.end()) return std::nullopt;
    return it->second;
}

std::optional<std::u16string> atom_name(ATOM atom) {
    const auto& t = atoms();
    if (atom < first_string_atom || atom - first_string_atom >= static_cast<int>(t.names.size()))
        return std::nullopt;
    return t.names[atom - first_string_atom];
}

void reset_atoms() { atoms() = Atoms{}; }

std::u16string name_key(LPCWSTR name) {
    if (IS_INTRESOURCE(name)) return number_key(reinterpret_cast<ULONG_PTR>(name));
    return fold_case(wide_view(name));
}

} // namespace zeledit::platform
