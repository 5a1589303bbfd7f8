// The drawing dialog in its narrow form: the shape, pen and fill the drawing mode draws with.
#pragma once

#include <zeledit/editor_records.h>
#include <zeledit/windows.h>

namespace zeledit::dialogs {

// Control identifiers, for hosts and tests that fill the dialog through the dialog hook.
enum DrawingDialogItem : int {
    DrawLine = 201, // radio buttons, in this order
    DrawRectangle = 202,
    DrawEllipse = 203,
    DrawLineWidth = 204, // spin edit
    DrawLineColor = 205, // colour pickers
    DrawFillColor = 206,
    DrawOutline = 207, // check boxes
    DrawFilled = 208,
    DrawPreview = 209,
};

// Edits `info` in place; answers whether OK was pressed (Cancel leaves it as it was).
// Language 0 is Vietnamese, 1 English.
bool AskDrawingShape(HWND owner, TDrawingInfo& info, BYTE language);

} // namespace zeledit::dialogs
