// The preview of an object dialog: the object scaled to fit, its proportions kept.
#pragma once

#include "objects/object_item.h"

#include <zeledit/win_controls.h>

namespace zeledit::dialogs {

// Draws `object` (none: an empty preview) centred in the item, inset by 8 pixels, framed.
void DrawPreview(const DRAWITEMSTRUCT& item, objects::TObjectItem* object);

} // namespace zeledit::dialogs
