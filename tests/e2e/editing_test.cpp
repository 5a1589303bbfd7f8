// Editing through keys and messages, as a host and a person drive it: typing, selecting,
// deleting, undoing, the key map, and what a subclassing host is told.
#include "e2e/editing_test.h"
#include "engine/editor_internals.h"
#include "engine/prompts.h"
#include "objects/picture_object.h"
#include "platform/graphics_support/graphics_support.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace zeledit::test {
namespace {

TEST_F(Editing, TypeSelectAWordDeleteItAndUndo) {
    type(u"Hello world");
    EXPECT_EQ(text(), u"Hello world");
    EXPECT_EQ(count(EFN_CHANGED), 11);
    EXPECT_EQ(count(EFN_BUFFERCHANGED), 11);
    // The space finished "Hello": its last character is at 4.
    EXPECT_TRUE(host->saw(EFN_BREAKCHAR, 4));
    key(VK_LEFT, true, true);
    EXPECT_EQ(selected(), u"world");
    host->seen.clear();
    key(VK_DELETE);
    EXPECT_EQ(text(), u"Hello ");
    EXPECT_EQ(host->seen.front(), (std::pair<UINT, LPARAM>{EFN_HIDECOMMENT, 0}));
    EXPECT_TRUE(host->saw(EFN_BUFFERCHANGED, -5));
    EXPECT_EQ(count(EFN_CHANGED), 1);
    host->seen.clear();
    key('Z', false, true);
    EXPECT_EQ(text(), u"Hello world");
    EXPECT_EQ(count(EFN_CHANGED), 0); // an undo is not a change
    EXPECT_EQ(SendMessageW(editor, EFM_GETMODIFIED, 0, 0), 0);
}

TEST_F(Editing, KeystrokesWithinTwoSecondsUndoTogether) {
    headless::UseManualClock(1000);
    type(u"abc");
    for (int i = 0; i < 30; ++i) SendMessageW(editor, WM_TIMER, 1, 0); // three seconds
    type(u"d");
    key('Z', false, true);
    EXPECT_EQ(text(), u"abc");
    key('Z', false, true);
    EXPECT_EQ(text(), u"");
    headless::UseRealClock();
}

TEST_F(Editing, ParagraphBreaksAreTypedAndDeletedAsPairs) {
    type(u"ab\rcd");
    EXPECT_EQ(text(), u"ab\r\ncd");
    SendMessageW(editor, EFM_SETINDEX, 0, 4);
    type(u"\b");
    EXPECT_EQ(text(), u"abcd");
    SendMessageW(editor, EFM_INSERTPARA, 0, -1);
    SendMessageW(editor, EFM_SETINDEX, 0, 2);
    key(VK_DELETE);
    EXPECT_EQ(text(), u"abcd");
    // A host range that would cut a pair takes all of it; one past the text is clamped.
    SendMessageW(editor, EFM_SETINDEX, 0, 2);
    SendMessageW(editor, EFM_INSERTPARA, 0, -1);
    SendMessageW(editor, EFM_DELETEDATA, 3, 100);
    EXPECT_EQ(text(), u"ab");
}

TEST_F(Editing, SelectionsFromMessagesAndKeys) {
    type(u"0123456789");
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(7, 3));
    EXPECT_EQ(selected(), u"3456");
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 7u);
    SIZE range{};
    EXPECT_EQ(SendMessageW(editor, EFM_GETSELINDEX, 0, reinterpret_cast<LPARAM>(&range)), MAKELPARAM(3, 7));
    EXPECT_EQ(selected(4), u"345"); // MaxLen 4: three units and the zero
    char16_t untouched = u'x';
    SendMessageW(editor, EFM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(&untouched));
    EXPECT_EQ(untouched, u'x');
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(selected(), u"");
    SendMessageW(editor, EFM_SETINDEX, 0, 2);
    key(VK_RIGHT, true);
    key(VK_RIGHT, true);
    key(VK_LEFT, true);
    EXPECT_EQ(selected(), u"2");
    key(VK_LEFT, true); // back at the anchor: no selection
    EXPECT_EQ(selected(), u"");
    type(u"x"); // typing replaces a selection
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(0, 3));
    type(u"y");
    EXPECT_EQ(text(), u"y23456789"); // "01x" replaced
}

TEST_F(Editing, WordKeysFollowTheDelimiters) {
    type(u"ab  cd.ef");
    SendMessageW(editor, EFM_SETINDEX, 0, 0);
    key(VK_RIGHT, false, true);
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 4u);
    key(VK_RIGHT, false, true);
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 7u);
    key(VK_LEFT, false, true);
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 3u);
    key(VK_END);
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 9u);
    key(VK_HOME);
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 0u);
}

TEST_F(Editing, ControlCharactersNeverEnterTheText) {
    for (char16_t c : {u'\x01', u'\x02', u'\x1b', u'\x0c'}) SendMessageW(editor, WM_CHAR, c, 0);
    EXPECT_EQ(text(), u"");
    const char16_t host[] = {u'a', 1, u'b', 0};
    SendMessageW(editor, EFM_INSERTTEXT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(host));
    EXPECT_EQ(text(), u"a b");
}

TEST_F(Editing, ReadOnlyEditorsIgnoreKeysButNotMessages) {
    type(u"text");
    SendMessageW(editor, EFM_DISABLEMODIFY, 0, 0);
    type(u"more\b");
    key(VK_DELETE);
    EXPECT_EQ(text(), u"text");
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(0, 2));
    host->seen.clear();
    type(u"\r");
    EXPECT_EQ(count(EFN_CLICK), 1);
    SendMessageW(editor, EFM_INSERTTEXT, 0, reinterpret_cast<LPARAM>(u"!"));
    EXPECT_EQ(text(), u"!xt"); // the selection was replaced: messages are not gated
}

TEST_F(Editing, DeletingAllTextResetsTheTablesUnlessTemplated) {
    const std::uint8_t big = add_font(30);
    set_text(u"big", big);
    ASSERT_EQ(Internals(engine()).FFonts->Count(), 2);
    host->seen.clear();
    SendMessageW(editor, EFM_DELETEDATA, 0, 3);
    EXPECT_EQ(Internals(engine()).FFonts->Count(), 1);
    EXPECT_EQ(count(EFN_FORMATCHANGED), 1);
    set_text(u"big", add_font(30));
    SendMessageW(editor, EFM_SETDOCUMENTTYPE, 0, 0x0602); // the tables are the template's
    SendMessageW(editor, EFM_DELETEDATA, 0, 3);
    EXPECT_EQ(Internals(engine()).FFonts->Count(), 2);
    SendMessageW(editor, EFM_DELETEDATA, 0, 0); // an empty range does nothing
}

TEST_F(Editing, DeletingAnObjectMarkDeletesTheObject) {
    std::vector<std::uint32_t> argb(4, 0xFF00FF00);
    TObjectInfo info{};
    info.oiStyle = objects::osPicture;
    info.oiID = Internals(engine()).FObjects->GetNewID();
    Internals(engine()).FObjects->AddObject(std::make_unique<objects::TPictureObj>(
        &Internals(engine()).edInfo, info, platform::UniqueGlobal(platform::make_packed_dib(2, 2, argb))));
    set_text(u"a\x01"
             u"b");
    Internals(engine()).FBuffer->FormatByte(1) = info.oiID;
    SendMessageW(editor, EFM_SETINDEX, 0, 2);
    type(u"\b");
    EXPECT_EQ(text(), u"ab");
    EXPECT_EQ(Internals(engine()).FObjects->Count(), 0);
}

TEST_F(Editing, TheKeyMapRunsRoutinesAndTellsTheHost) {
    type(u"line");
    key('E', false, true); // Ctrl+E: centre
    EXPECT_EQ(Internals(engine()).FParas->GetParaAlign(0), 1);
    SendMessageW(editor, EFM_SETHOTKEY, 76, 0x4000 | 'Q'); // right alignment on Ctrl+Q
    EXPECT_EQ(SendMessageW(editor, EFM_GETHOTKEY, 76, 0), 0x4000 | 'Q');
    EXPECT_EQ(SendMessageW(editor, EFM_GETHOTKEY, 86, 0), 0); // beyond 85
    key('Q', false, true);
    EXPECT_EQ(Internals(engine()).FParas->GetParaAlign(0), 2);
    SendMessageW(editor, EFM_SETEDITTYPE, 0, 0x2 | 0x100000); // simple mode: no key map
    host->seen.clear();
    key('L', false, true);
    EXPECT_EQ(Internals(engine()).FParas->GetParaAlign(0), 2);
    EXPECT_TRUE(host->saw(EFN_KEYDOWN, 1));
    host->seen.clear();
    key(VK_F5);
    EXPECT_EQ(count(EFN_INPUTCHANGED), 1);
    EXPECT_TRUE(Internals(engine()).FInput.VietKey());
}

TEST_F(Editing, ANewDocumentStartsEmptyOnceTheHostAgrees) {
    bool refuse = true;
    host.reset();
    host = std::make_unique<HostRecorder>(editor, [&](UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (m == EFN_FILECOMMAND && w == EFN_FILE_BEFORENEW && refuse) return 1;
        return std::nullopt;
    });
    type(u"abc");
    add_font(30);
    SendMessageW(editor, EFM_SETMODIFIED, 0, 0);
    host->seen.clear();
    SendMessageW(editor, WM_COMMAND, 124, 0);
    EXPECT_EQ(text(), u"abc");
    EXPECT_EQ(host->numbers(), (std::vector<UINT>{EFN_HIDECOMMENT, EFN_FILECOMMAND}));
    refuse = false;
    host->seen.clear();
    key('N', false, true);
    EXPECT_EQ(text(), u"");
    EXPECT_EQ(SendMessageW(editor, EFM_GETFONTCOUNT, 0, 0), 1);
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 0u);
    EXPECT_NE(SendMessageW(editor, EFM_GETMODIFIED, 0, 0), 0);
    const std::vector<UINT> order{EFN_FILECOMMAND, EFN_CHANGED, EFN_FORMATCHANGED, EFN_FILECOMMAND};
    auto n = host->numbers();
    n.erase(std::remove_if(n.begin(), n.end(),
                           [&](UINT m) { return std::find(order.begin(), order.end(), m) == order.end(); }),
            n.end());
    EXPECT_EQ(n, order);
    EXPECT_TRUE(host->saw(EFN_FILECOMMAND, 0));
    key('Z', false, true); // the steps before the new document are gone
    EXPECT_EQ(text(), u"");
}

TEST_F(Editing, ClearingTheTextKeepsUndoAndATemplatesTables) {
    SendMessageW(editor, EFM_SETDOCUMENTTYPE, 0, 0x602);
    type(u"abc");
    for (int i = 0; i < 30; ++i) SendMessageW(editor, WM_TIMER, 1, 0); // the burst ends
    type(u"d");
    const std::uint8_t big = add_font(30);
    SendMessageW(editor, WM_COMMAND, 24324, 0);
    EXPECT_EQ(text(), u"");
    EXPECT_EQ(SendMessageW(editor, EFM_GETFONTCOUNT, 0, 0), big + 1);
    EXPECT_EQ(SendMessageW(editor, EFM_GETMODIFIED, 0, 0), 0);
    key('Z', false, true);
    EXPECT_EQ(text(), u"abc");
    SendMessageW(editor, EFM_SETDOCUMENTTYPE, 0, 0x601);
    SendMessageW(editor, EFM_CLEARTEXT, 0, 0);
    EXPECT_EQ(SendMessageW(editor, EFM_GETFONTCOUNT, 0, 0), 1);
}

TEST_F(Editing, TheHostHearsOfACaretMovedToTheSamePlaceOnTheScreen) {
    std::u16string t;
    for (int i = 0; i < 80; ++i) t += u"Line of a long document\r\n";
    set_text(t);
    SendMessageW(editor, EFM_SETINDEX, 0, 0);
    host->seen.clear();
    key(VK_END, false, true); // the last line comes to the top, where the first one was
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, t.size());
    EXPECT_EQ(count(EFN_UPDATESTATE), 1);
    key(VK_PRIOR); // a page back: again a line start at the top
    EXPECT_EQ(count(EFN_UPDATESTATE), 2);
}

TEST(KeyboardFile, RoundTripsAndRefusesBadFiles) {
    engine::TEditorKeyboard keys;
    EXPECT_EQ(keys.GetRoutine(0x4000 | 'C'), 68u);  // entry 67, 1-based
    EXPECT_EQ(keys.GetRoutine(0x4000 | 0x2D), 88u); // Ctrl+Insert: entry 87
    keys.SetHotKey(7, 0x8000 | 'F');
    const auto file = keys.SaveToBuffer();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.data())), "Zentravia Editor Keyboard");
    engine::TEditorKeyboard other;
    ASSERT_TRUE(other.LoadFromBuffer(file));
    EXPECT_EQ(other.GetHotKey(7), 0x8000 | 'F');
    auto bad = [&](auto change) {
        auto b = file;
        change(b);
        engine::TEditorKeyboard k;
        const bool loaded = k.LoadFromBuffer(b);
        return !loaded && k.GetHotKey(7) == (0x4000 | 'F');
    };
    EXPECT_TRUE(bad([](auto& b) { b[0] = 'X'; }));
    EXPECT_TRUE(bad([](auto& b) { b[25] = '!'; })); // the signature must end at 25
    EXPECT_TRUE(bad([](auto& b) { b[32] = 87; }));  // only the number 88
    EXPECT_FALSE(other.LoadFromBuffer(std::span(file).first(34)));
    auto ignored = file;
    ignored[26] = ignored[27] = 0x55; // the two bytes after the signature mean nothing
    EXPECT_TRUE(other.LoadFromBuffer(ignored));
}

TEST(KeyboardFile, AShorterFileOrAStrayRoutineChangesOnlyItsOwnEntries) {
    engine::TEditorKeyboard saved;
    for (std::uint32_t entry : {0u, 1u, 2u, 8u})
        saved.SetHotKey(entry, static_cast<std::uint16_t>(0x2000 | (0x70 + entry)));
    auto file = saved.SaveToBuffer();
    file[34 + 5 * 1] = 87; // entry 1 names a routine there is not
    engine::TEditorKeyboard keys;
    const engine::TEditorKeyboard defaults;
    // The header and three whole entries, and a part of the fourth.
    ASSERT_TRUE(keys.LoadFromBuffer(std::span(file).first(34 + 5 * 3 + 2)));
    EXPECT_EQ(keys.GetHotKey(0), 0x2070);
    EXPECT_EQ(keys.GetHotKey(1), defaults.GetHotKey(1)); // ignored, not the whole file
    EXPECT_EQ(keys.GetHotKey(2), 0x2072);
    EXPECT_EQ(keys.GetHotKey(3), defaults.GetHotKey(3));
    EXPECT_EQ(keys.GetHotKey(8), defaults.GetHotKey(8)); // beyond what the file holds
    // A longer file: the table, and nothing more is read.
    std::vector<std::uint8_t> longer(file.begin(), file.end());
    longer.resize(600, 0xEE);
    ASSERT_TRUE(keys.LoadFromBuffer(longer));
    EXPECT_EQ(keys.GetHotKey(8), 0x2078);
}

} // namespace
} // namespace zeledit::test

namespace zeledit::test {
namespace {

TEST_F(Editing, ADocumentNeverGrowsPastWhatCanBeSaved) {
    Internals(engine()).FSettings.MaxBlockBytes = 4000; // stands for the 2 GiB a data block holds
    std::u16string line(40, u'x');
    line += u"\r\n";
    for (int i = 0; i < 200; ++i)
        SendMessageW(editor, EFM_INSERTTEXT, 0, reinterpret_cast<LPARAM>(line.c_str()));
    for (int i = 0; i < 200; ++i) SendMessageW(editor, WM_CHAR, 'y', 0);
    const LRESULT length = SendMessageW(editor, EFM_GETTEXTLENGTH, 0, 0);
    EXPECT_GT(length, 500); // it grew until the limit, and stopped there
    EXPECT_LT(length, 2000);
    EXPECT_LE(SendMessageW(editor, EFM_GETDATASIZE, 0, 0), 4000);
    auto block = reinterpret_cast<HGLOBAL>(SendMessageW(editor, EFM_GETDATA, 0, 0));
    EXPECT_NE(block, nullptr);
    GlobalFree(block);
    // What no longer fits leaves the document as it was.
    const std::u16string before = text();
    SendMessageW(editor, EFM_INSERTTEXT, 0, reinterpret_cast<LPARAM>(line.c_str()));
    EXPECT_EQ(text(), before);
}

} // namespace
} // namespace zeledit::test
