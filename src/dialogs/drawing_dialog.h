// The drawing dialog in its narrow form: the shape, pen and fill the drawing mode draws with.
#pragma once

#include <zeledit/editor_records.h>
#include <zeledit/object_dialogs.h>
#include <zeledit/win_controls.h>
#include <zeledit/windows.h>

namespace zeledit::dialogs {

// Edits `info` in place; answers whether OK was pressed (Cancel leaves it as it was).
// Language 0 is Vietnamese, 1 English.
bool AskDrawingShape(HWND owner, TDrawingInfo& info, BYTE language);

// The shape, pen and fill controls on `parent`, `dy` pixels below their places in the
// narrow form; the parent hears their notifications and draws DrawPreview.
void AddShapeControls(HWND parent, const TDrawingInfo& info, BYTE language, int dy);
// `info` with what the shape controls under `root` show.
TDrawingInfo ReadShapeControls(HWND root, TDrawingInfo info);
// The shape as the object draws it, in the preview's frame.
void DrawShapePreview(const DRAWITEMSTRUCT& item, const TDrawingInfo& info);

} // namespace zeledit::dialogs
