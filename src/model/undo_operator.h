// Undo by whole-document snapshots: each step keeps the document's data block with the
// view's top character and the caret, and undoing loads the newest back. No redo.
#pragma once

#include "model/link_list.h"
#include "platform/core/global_memory.h"

#include <cstdint>

namespace zeledit::model {

class TUndoInfo : public TItemNode {
public:
    void SetUndo(std::int32_t ATop, std::int32_t AIdx, platform::UniqueGlobal ABuf);

    std::int32_t uiTopIndex = 0;
    std::int32_t uiIndex = -1;
    platform::UniqueGlobal uiBuffer;
};

// What the stack needs of its editor.
class TUndoEditor {
public:
    virtual HGLOBAL GetUndoData() = 0; // the document block, or null
    virtual std::int32_t TopIndex() = 0;
    virtual std::int32_t CaretIndex() = 0;
    // Loads a snapshot back: the document, then the top line and the caret.
    virtual void RestoreUndo(const TUndoInfo& Snapshot) = 0;

protected:
    ~TUndoEditor() = default;
};

// Oldest step at the head, newest at the tail.
class TUndoOperator : public TLinkList {
public:
    TUndoOperator(TUndoEditor& AEditor, std::int32_t AMax) : Editor(AEditor), Max(AMax) {}

    // The oldest step makes room only once the new one exists, so a snapshot that cannot be
    // taken costs nothing.
    void CreateUndo();
    void Undo();
    void ClearLast();

    TUndoEditor& Editor;
    std::int32_t Max;
};

} // namespace zeledit::model
