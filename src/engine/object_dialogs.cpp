#include "engine/object_dialogs.h"

namespace zeledit::engine {
namespace {

DrawingShapeDialog& drawing_dialog() {
    static DrawingShapeDialog dialog = nullptr;
    return dialog;
}

} // namespace

void SetDrawingShapeDialog(DrawingShapeDialog dialog) { drawing_dialog() = dialog; }

bool AskDrawingShape(HWND owner, TDrawingInfo& info, BYTE language) {
    return drawing_dialog() != nullptr && drawing_dialog()(owner, info, language);
}

} // namespace zeledit::engine
