// Numbers typed into the dialogs' fields and shown in them.
#pragma once

#include <zeledit/win_types.h>

#include <optional>
#include <string>

namespace zeledit::dialogs {

// A finite number in either decimal mark with nothing else but blanks around it.
std::optional<double> NumberIn(std::u16string text);
// `v` with `places` decimals.
std::u16string Decimals(double v, int places);
// The same without trailing zeros (and without the decimal mark when none remain).
std::u16string ShortDecimals(double v, int places);
// Gives the keys to a field with its whole text selected, for mending what was typed.
void FocusField(HWND field);

} // namespace zeledit::dialogs
