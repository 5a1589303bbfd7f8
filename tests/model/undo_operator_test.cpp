// The bounded snapshot stack: order, the bound, and snapshots that cannot be taken.
#include "model/undo_operator.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace zeledit::model {
namespace {

// A "document" of one number, stored in its snapshot block.
class NumberEditor : public TUndoEditor {
public:
    int value = 0;
    int caret = 0;
    bool out_of_memory = false;
    std::vector<int> restored;

    HGLOBAL GetUndoData() override {
        if (out_of_memory) return nullptr;
        const auto bytes = std::as_bytes(std::span(&value, 1));
        return platform::copy_to_global({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()})
            .release();
    }
    std::int32_t TopIndex() override { return value * 10; }
    std::int32_t CaretIndex() override { return caret; }
    void RestoreUndo(const TUndoInfo& s) override {
        platform::LockedBlock block(s.uiBuffer.get());
        std::memcpy(&value, block.data(), sizeof value);
        caret = s.uiIndex;
        EXPECT_EQ(s.uiTopIndex, value * 10);
        restored.push_back(value);
    }
};

TEST(UndoOperator, ElevenStepsKeepTheNewestTen) {
    const std::size_t blocks_before = platform::global_block_count();
    NumberEditor editor;
    TUndoOperator stack(editor, 10);
    for (int i = 1; i <= 11; ++i) {
        editor.value = i;
        editor.caret = 100 + i;
        stack.CreateUndo();
    }
    EXPECT_EQ(stack.Count(), 10);
    for (int i = 0; i < 11; ++i) stack.Undo();
    EXPECT_EQ(editor.restored, (std::vector<int>{11, 10, 9, 8, 7, 6, 5, 4, 3, 2}));
    EXPECT_EQ(editor.caret, 102);
    EXPECT_EQ(platform::global_block_count(), blocks_before); // every snapshot's block was freed
}

TEST(UndoOperator, ASnapshotThatCannotBeTakenEvictsNothing) {
    NumberEditor editor;
    TUndoOperator stack(editor, 2);
    editor.value = 1;
    stack.CreateUndo();
    editor.value = 2;
    stack.CreateUndo();
    editor.out_of_memory = true;
    stack.CreateUndo();
    ASSERT_EQ(stack.Count(), 2);
    EXPECT_EQ(static_cast<TUndoInfo*>(stack.Head())->uiTopIndex, 10); // the oldest is still there
}

TEST(UndoOperator, ClearLastDropsOnlyTheNewest) {
    NumberEditor editor;
    TUndoOperator stack(editor, 10);
    stack.ClearLast(); // empty: nothing
    stack.Undo();
    editor.value = 1;
    stack.CreateUndo();
    editor.value = 2;
    stack.CreateUndo();
    stack.ClearLast();
    stack.Undo();
    EXPECT_EQ(editor.restored, std::vector<int>{1});
    EXPECT_EQ(stack.Count(), 0);
}

} // namespace
} // namespace zeledit::model
