// The process's string atoms (0xC000 and up), shared by class names and clipboard formats.
// Names compare without case.
#pragma once

#include <zeledit/win_types.h>

#include <optional>
#include <string>
#include <string_view>

namespace zeledit::platform {

inline constexpr ATOM first_string_atom = 0xC000;

ATOM add_atom(std::u16string_view name); // 0 when the table is full or the name is empty
std::optional<ATOM> find_atom(std::u16string_view name);
std::optional<std::u16string> atom_name(ATOM atom);
void reset_atoms();

// A name argument that may be an integer atom: its folded key ("#49152" for atoms).
std::u16string name_key(LPCWSTR name);

} // namespace zeledit::platform
