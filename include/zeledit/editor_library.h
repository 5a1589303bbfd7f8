// The editor's window classes and the functions the library exports.
#pragma once

#include <zeledit/win_types.h>

inline constexpr LPCWSTR FormattedEditorClassName = u"vorelskadineFormattedEditor32";
inline constexpr LPCWSTR DrawEditorClassName = u"vorelskadineDrawEditor32";
inline constexpr LRESULT EditorVersion = 0x60000;

extern "C" {
// Registers both window classes (the library does this itself when it is loaded); answers
// the document class's atom, or the non-zero result of finding it already registered.
ZE_API ATOM InitEditorLib() noexcept;
// The module instance the classes are registered with.
ZE_API HINSTANCE GetEditInstance() noexcept;
// Replaces the accent table of Vietnamese typing, for every editor, from a file; FALSE
// when the file cannot be read or is not a valid table.
ZE_API BOOL LoadAccentTable(LPCWSTR FileName) noexcept;
}
