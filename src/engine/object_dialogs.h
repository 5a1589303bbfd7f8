// The object dialogs sit above the engine: the library installs them when it loads. Each
// answers whether it was confirmed; without one installed nothing is confirmed.
#pragma once

#include <zeledit/editor_records.h>
#include <zeledit/win_types.h>

namespace zeledit::engine {

// The shape, pen and fill of the drawing mode.
using DrawingShapeDialog = bool (*)(HWND owner, TDrawingInfo& info, BYTE language);
void SetDrawingShapeDialog(DrawingShapeDialog dialog);
bool AskDrawingShape(HWND owner, TDrawingInfo& info, BYTE language);

} // namespace zeledit::engine
