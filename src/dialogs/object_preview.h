// The preview of an object dialog: the object scaled to fit, its proportions kept.
#pragma once

#include "objects/object_item.h"

#include <zeledit/win_controls.h>

namespace zeledit::dialogs {

// Draws `object` (none: an empty preview) centred in the item, inset by 8 pixels, framed;
// scaled to fit, or only shrunk when `enlarge` is false (kinds that draw at their font's
// size whatever room they are given).
void DrawPreview(const DRAWITEMSTRUCT& item, objects::TObjectItem* object, bool enlarge = true);

} // namespace zeledit::dialogs
