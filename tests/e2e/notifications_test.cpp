// Notifications a subclassing host receives, and the state the editor reports.
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include "engine/editor_internals.h"
#include "engine/format_editor.h"
#include "engine/notifications.h"

#include <gtest/gtest.h>

#include <vector>

namespace zeledit::test {
namespace {

using engine::TFormatEditor;

class Notifications : public ::testing::Test {
protected:
    static std::vector<std::pair<UINT, TEditorState>> states;
    static std::vector<UINT> seen;
    static WNDPROC editor_proc;
    HWND host = nullptr;

    void SetUp() override {
        headless::Reset();
        InitEditorLib();
        states.clear();
        seen.clear();
        host = CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                               nullptr, nullptr);
        editor_proc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) {
                if (m >= 5000 || m == EFN_UPDATESTATE) seen.push_back(m);
                if (m == EFN_UPDATESTATE) states.emplace_back(m, *reinterpret_cast<const TEditorState*>(l));
                return CallWindowProcW(editor_proc, h, m, w, l);
            })));
    }
    void TearDown() override { headless::Reset(); }
    TFormatEditor& engine() { return *static_cast<TFormatEditor*>(GetPropW(host, u"EDOBJ")); }
};

std::vector<std::pair<UINT, TEditorState>> Notifications::states;
std::vector<UINT> Notifications::seen;
WNDPROC Notifications::editor_proc = nullptr;

TEST_F(Notifications, ChangedSetsTheModifiedFlagFirst) {
    engine::NotifyChanged(engine());
    EXPECT_EQ(seen, std::vector<UINT>{EFN_CHANGED});
    EXPECT_EQ(SendMessageW(host, EFM_GETMODIFIED, 0, 0), -1);
}

TEST_F(Notifications, StateComesFromBeforeTheCaretPastParagraphMarks) {
    TCharFormat bold{};
    SendMessageW(host, EFM_GETFONTTOREC, 0, reinterpret_cast<LPARAM>(&bold));
    bold.ftAttr = 1;
    const auto bold_index = static_cast<std::uint8_t>(SendMessageW(
        host, EFM_ADDFONTFORMAT, reinterpret_cast<WPARAM>(host), reinterpret_cast<LPARAM>(&bold)));
    auto& buffer = *Internals(engine()).FBuffer;
    buffer.InsertChar(u"ab\r\ncd", 0, 6, 0);
    buffer.FormatByte(0) = bold_index;      // "a" is bold, "b" plain
    Internals(engine()).edInfo.eiIndex = 2; // just before the paragraph mark
    engine::UpdateState(engine(), *Internals(engine()).FParas->GetFormatItem(0));
    ASSERT_EQ(states.size(), 1u);
    EXPECT_EQ(+states[0].second.stateCharFormat.ftAttr, 1); // two positions before the caret
    EXPECT_EQ(Internals(engine()).FInput.TypingFontID(), bold_index);
    EXPECT_EQ(+states[0].second.statePageWidth, 300 - 10);
    Internals(engine()).edInfo.eiIndex = 6;
    engine::UpdateState(engine(), *Internals(engine()).FParas->GetFormatItem(0));
    EXPECT_EQ(+states.back().second.stateCharFormat.ftAttr, 0);
}

TEST_F(Notifications, BufferChangesAndFormatChanges) {
    auto& buffer = *Internals(engine()).FBuffer;
    buffer.InsertChar(u"x", 0, 1, 0);
    buffer.DeleteChar(0, 1);
    EXPECT_EQ(seen, (std::vector<UINT>{EFN_BUFFERCHANGED, EFN_BUFFERCHANGED}));
    seen.clear();
    TCharFormat f{};
    SendMessageW(host, EFM_GETFONTTOREC, 0, reinterpret_cast<LPARAM>(&f));
    f.ftHeight = 20;
    SendMessageW(host, EFM_ADDFONTFORMAT, reinterpret_cast<WPARAM>(host), reinterpret_cast<LPARAM>(&f));
    SendMessageW(host, EFM_ADDFONTFORMAT, reinterpret_cast<WPARAM>(host), reinterpret_cast<LPARAM>(&f));
    EXPECT_EQ(seen, std::vector<UINT>{EFN_FORMATCHANGED}); // once: the second found the entry
}

} // namespace
} // namespace zeledit::test
