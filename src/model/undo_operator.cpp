#include "model/undo_operator.h"

#include <memory>
#include <utility>

namespace zeledit::model {

void TUndoInfo::SetUndo(std::int32_t ATop, std::int32_t AIdx, platform::UniqueGlobal ABuf) {
    uiTopIndex = ATop;
    uiIndex = AIdx;
    uiBuffer = std::move(ABuf);
}

void TUndoOperator::CreateUndo() {
    platform::UniqueGlobal data(Editor.GetUndoData());
    if (!data) return;
    auto step = std::make_unique<TUndoInfo>();
    step->SetUndo(Editor.TopIndex(), Editor.CaretIndex(), std::move(data));
    while (Count() >= Max && Count() > 0) FreeItem(Head());
    Append(step.release());
}

void TUndoOperator::Undo() {
    std::unique_ptr<TUndoInfo> step(static_cast<TUndoInfo*>(PopLast()));
    if (step) Editor.RestoreUndo(*step);
}

void TUndoOperator::ClearLast() {
    if (Tail() != nullptr) FreeItem(Tail());
}

} // namespace zeledit::model
