// Undo on an editor window: snapshots of the whole document, keystroke bursts timed by the
// editor's timer, and what loading does to the stack. Edits reach the document through the
// engine until the editing messages exist.
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include "e2e/host_recorder.h"
#include "engine/editor_internals.h"
#include "engine/format_editor.h"
#include "platform/core/global_memory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace zeledit::test {
namespace {

class Undo : public ::testing::Test {
protected:
    HWND editor = nullptr;
    std::unique_ptr<HostRecorder> host;

    void SetUp() override {
        headless::Reset();
        InitEditorLib();
        editor = CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                 nullptr, nullptr, nullptr);
        host = std::make_unique<HostRecorder>(editor);
    }
    void TearDown() override {
        host.reset();
        headless::Reset();
    }
    engine::TFormatEditor& engine() {
        return *static_cast<engine::TFormatEditor*>(GetPropW(editor, u"EDOBJ"));
    }
    std::u16string text() {
        return {Internals(engine()).FBuffer->Text(), Internals(engine()).FBuffer->TextLength()};
    }
    void type(char16_t c) {
        engine().CreateKeyUndo();
        auto& buffer = *Internals(engine()).FBuffer;
        ASSERT_TRUE(buffer.InsertChar(&c, 0, 1, buffer.TextLength()));
        Internals(engine()).edInfo.eiIndex = buffer.TextLength();
    }
    void wait_ticks(int n) {
        for (int i = 0; i < n; ++i) SendMessageW(editor, WM_TIMER, 1, 0);
    }
};

TEST_F(Undo, RestoresTheDocumentAndCaretAsNotModified) {
    Internals(engine()).FBuffer->InsertChar(u"first", 0, 5, 0);
    Internals(engine()).edInfo.eiIndex = 3;
    Internals(engine()).FLinks->SetHyperLinkAt(0, 2, u"", 1, "x");
    engine().CreateUndo();
    Internals(engine()).FBuffer->InsertChar(u" second", 0, 7, 5);
    Internals(engine()).FLinks->FreeAll();
    Internals(engine()).edInfo.eiIndex = 12;
    SendMessageW(editor, EFM_SETMODIFIED, 1, 0);
    host->seen.clear();
    engine().Undo();
    EXPECT_EQ(text(), u"first");
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 3u);
    EXPECT_EQ(Internals(engine()).FLinks->Count(), 1);
    EXPECT_EQ(SendMessageW(editor, EFM_GETMODIFIED, 0, 0), 0);
    // No change notification; the caret's state is told as it moves.
    std::vector<UINT> told = host->numbers();
    told.erase(std::remove(told.begin(), told.end(), EFN_UPDATESTATE), told.end());
    EXPECT_EQ(told, (std::vector<UINT>{EFN_HIDECOMMENT, EFN_FORMATCHANGED}));
}

TEST_F(Undo, ElevenStepsLeaveTenAndTheFirstStateIsLost) {
    for (char16_t c = u'a'; c < u'a' + 11; ++c) {
        engine().CreateUndo();
        Internals(engine()).FBuffer->InsertChar(&c, 0, 1, Internals(engine()).FBuffer->TextLength());
    }
    for (int i = 0; i < 11; ++i) engine().Undo();
    EXPECT_EQ(text(), u"a"); // the state after the first operation
}

TEST_F(Undo, KeystrokesWithinTwoSecondsAreOneStep) {
    type(u'a');
    wait_ticks(5);
    type(u'b');
    wait_ticks(19);
    type(u'c');     // 1.9 s after the previous key: still the same burst
    wait_ticks(20); // a pause of 2 s ends it
    type(u'd');
    EXPECT_EQ(Internals(engine()).FUndoObj->Count(), 2);
    engine().Undo();
    EXPECT_EQ(text(), u"abc");
    engine().Undo();
    EXPECT_EQ(text(), u"");
}

// Ctrl+C, Ctrl+L, Ctrl+O and Ctrl+Y come as characters too; they type nothing and so must
// leave no undo step that would take nothing back.
TEST_F(Undo, ShortcutCharactersLeaveNoStep) {
    for (char16_t c : {char16_t{3}, char16_t{12}, char16_t{15}, char16_t{25}})
        SendMessageW(editor, WM_CHAR, c, 0);
    EXPECT_EQ(Internals(engine()).FUndoObj->Count(), 0);
}

TEST_F(Undo, LoadingADocumentEmptiesTheStack) {
    engine().CreateUndo();
    platform::UniqueGlobal block(reinterpret_cast<HGLOBAL>(SendMessageW(editor, EFM_GETDATA, 0, 0)));
    Internals(engine()).FBuffer->InsertChar(u"typed", 0, 5, 0);
    engine().CreateUndo();
    ASSERT_EQ(SendMessageW(editor, EFM_SETDATA, 0, reinterpret_cast<LPARAM>(block.get())), 1);
    EXPECT_EQ(Internals(engine()).FUndoObj->Count(), 0);
    Internals(engine()).FBuffer->InsertChar(u"after", 0, 5, 0);
    engine().Undo(); // nothing to undo
    EXPECT_EQ(text(), u"after");
    // A refused block leaves the stack as it was.
    engine().CreateUndo();
    platform::UniqueGlobal junk = platform::copy_to_global(std::vector<std::uint8_t>(40, 0xEE));
    EXPECT_EQ(SendMessageW(editor, EFM_SETDATA, 0, reinterpret_cast<LPARAM>(junk.get())), 0);
    EXPECT_EQ(Internals(engine()).FUndoObj->Count(), 1);
}

} // namespace
} // namespace zeledit::test
