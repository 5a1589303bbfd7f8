// Setting and clearing the user's tab stops of a tab array, as the tab dialog does: the
// user's stops first in ascending order, default stops every half inch after the last.
#pragma once

#include <zeledit/editor_records.h>

#include <cstdint>

namespace zeledit::model {

// Two positions name the same stop when both, written with three decimals, read the same.
bool SameTabPosition(double a, double b);

// Sets a user stop at `position` inches with the alignment and leader; an existing stop at
// that position takes them instead. When the array is full of the user's stops the last
// drops out. False, and nothing changed, for a position not above 0 or past the page
// sizes a tab can have.
bool SetTabStop(TTabArray& tabs, double position, std::uint8_t align, std::uint8_t leader);

// Clears the user stop at `position`; the array is reset to defaults when none is left.
// False when there is no user stop there.
bool ClearTabStop(TTabArray& tabs, double position);

} // namespace zeledit::model
