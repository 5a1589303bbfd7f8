// The engine's side of undo: what a snapshot holds and how one is put back.
#include "engine/format_editor.h"

#include <algorithm>

namespace zeledit::engine {

void TFormatEditor::CreateKeyUndo() {
    FInput.SetStepTaken(FInput.BurstEnded());
    if (FInput.StepTaken()) CreateUndo();
    FInput.KeyTyped();
}

HGLOBAL TFormatEditor::GetUndoData() {
    auto parts = DocumentParts();
    return storage::GetData(parts);
}

std::int32_t TFormatEditor::TopIndex() {
    const display::TLineItem* top = FLines->Line(FLines->FTopLine);
    return top != nullptr ? static_cast<std::int32_t>(top->At) : 0;
}

void TFormatEditor::RestoreUndo(const model::TUndoInfo& Snapshot) {
    edInfo.eiUndoing = true;
    SetData(Snapshot.uiBuffer.get());
    edInfo.eiUndoing = false;
    SetTopIndex(static_cast<std::uint32_t>(std::max(Snapshot.uiTopIndex, 0)));
    SetIndex(static_cast<std::uint32_t>(std::max(Snapshot.uiIndex, 0)));
}

} // namespace zeledit::engine
