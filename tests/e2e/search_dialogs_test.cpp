// The find and replace dialogs as a user drives them beside the editor: opened by command or
// key, filled and pressed through their controls, their messages answered through the hook.
#include "controls/controls.h"
#include "e2e/dialog_queue.h"
#include "e2e/editing_test.h"
#include "engine/editor_internals.h"

#include <zeledit/command_dialogs.h>
#include <zeledit/controls.h>
#include <zeledit/editor_commands.h>
#include <zeledit/format_dialogs.h>
#include <zeledit/headless.h>

#include <deque>
#include <functional>
#include <string>

namespace zeledit::test {
namespace {

class SearchDialogs : public Editing {
protected:
    // The find or replace dialog, opened by its command.
    HWND open(WPARAM command) {
        HWND shown = nullptr;
        queue.push_back([&shown](HWND d) { shown = d; });
        SendMessageW(editor, WM_COMMAND, command, 0);
        queue.clear();
        return shown;
    }
    // The next message box is answered with OK; its text is kept.
    void expect_message() {
        queue.push_back([this](HWND box) {
            message = DialogQueue::MessageText(box);
            SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        });
    }
    static void type_into(HWND d, int id, std::u16string_view text) {
        SetWindowTextW(controls::find_item(d, id), std::u16string(text).c_str());
    }
    static void press(HWND d, int id) { SendMessageW(controls::find_item(d, id), BM_CLICK, 0, 0); }
    static std::u16string shown(HWND d, int id) { return controls::window_text(controls::find_item(d, id)); }
    static bool enabled(HWND d, int id) { return IsWindowEnabled(controls::find_item(d, id)) != FALSE; }
    HWND search_window() const { return engine().SearchWindow(); }
    static MSG escape_to(HWND w) {
        MSG m{};
        m.hwnd = w;
        m.message = WM_KEYDOWN;
        m.wParam = VK_ESCAPE;
        return m;
    }
    std::uint8_t bold_format() {
        SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(0, 1));
        SendMessageW(editor, WM_COMMAND, EFC_BOLD, 0);
        const std::uint8_t id = Internals(engine()).FBuffer->FormatAt(0);
        SendMessageW(editor, WM_COMMAND, EFC_BOLD, 0);
        return id;
    }

    DialogQueue queue;
    std::u16string message;
};

TEST_F(SearchDialogs, FindNextSelectsEachMatchThenSaysItReachedTheEnd) {
    set_text(u"một hai một ba");
    SendMessageW(editor, EFM_SETINDEX, 0, 0);
    HWND d = open(EFC_FIND);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(search_window(), d);
    EXPECT_EQ(controls::window_text(d), u"Tìm kiếm");
    EXPECT_FALSE(enabled(d, SearchMatchCase)); // nothing to find yet
    type_into(d, SearchText, u"MỘT");
    EXPECT_TRUE(enabled(d, SearchMatchCase));
    press(d, SearchNextButton);
    EXPECT_EQ(selected(), u"một");
    press(d, SearchNextButton);
    EXPECT_EQ(selected(), u"một");
    expect_message();
    press(d, SearchNextButton);
    EXPECT_EQ(message, u"Find has searched to the end of document!");
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 14u); // at the end
    press(d, SearchNextButton);                         // from the top again
    EXPECT_EQ(selected(), u"một");
    // Case sensitive: the capitals match nothing.
    press(d, SearchMatchCase);
    expect_message();
    press(d, SearchNextButton);
    EXPECT_EQ(message, u"Find has searched to the end of document!");
}

TEST_F(SearchDialogs, NothingToFindOnlySaysSo) {
    set_text(u"abc");
    HWND d = open(EFC_FIND);
    expect_message();
    press(d, SearchNextButton);
    EXPECT_EQ(message, u"Find has searched to the end of document!");
    EXPECT_EQ(text(), u"abc");
}

TEST_F(SearchDialogs, OneDialogAtATimeAndTheOpenOneComesBack) {
    set_text(u"abc");
    HWND find = open(EFC_FIND);
    EXPECT_EQ(open(EFC_FIND), nullptr); // not made again
    EXPECT_EQ(search_window(), find);
    SetFocus(editor);
    key('H', false, true); // Ctrl+H: the replace dialog instead
    HWND replace = search_window();
    ASSERT_NE(replace, nullptr);
    EXPECT_NE(replace, find);
    EXPECT_FALSE(IsWindow(find));
    EXPECT_EQ(controls::window_text(replace), u"Tìm và thay thế");
    // Close frees it once its messages are done.
    press(replace, IDCANCEL);
    headless::PumpMessages();
    EXPECT_EQ(search_window(), nullptr);
    EXPECT_FALSE(IsWindow(replace));
}

TEST_F(SearchDialogs, EscapeThroughTheHostLoopClosesIt) {
    set_text(u"abc");
    HWND d = open(EFC_FIND);
    HWND field = controls::find_item(d, SearchText);
    MSG msg = escape_to(field);
    SetFocus(field);
    EXPECT_TRUE(TranslateDialogMessage(&msg));
    MSG other = escape_to(editor);
    EXPECT_FALSE(TranslateDialogMessage(&other)); // the editor's own keys pass
    headless::PumpMessages();
    EXPECT_EQ(search_window(), nullptr);
    EXPECT_EQ(GetFocus(), editor); // typing goes on in the editor
}

TEST_F(SearchDialogs, ADialogWhoseEditorGoesClosesWithIt) {
    HWND d = open(EFC_REPLACE);
    ASSERT_TRUE(IsWindow(d));
    DestroyWindow(editor);
    editor = nullptr;
    EXPECT_FALSE(IsWindow(d));
    MSG msg = escape_to(d);
    EXPECT_FALSE(TranslateDialogMessage(&msg));
    headless::PumpMessages();
}

TEST_F(SearchDialogs, ReplaceAllOfAMillionCharactersIsOneUndo) {
    std::u16string doc;
    std::size_t words = 0;
    for (int i = 0; doc.size() < 1'000'000; ++i) {
        doc += i % 10 == 0 ? u"Hà Tĩnh, " : u"quê hương ";
        words += i % 10 == 0;
    }
    set_text(doc);
    SendMessageW(editor, EFM_SETINDEX, 0, 0);
    HWND d = open(EFC_REPLACE);
    type_into(d, SearchText, u"hà tĩnh");
    type_into(d, ReplaceText, u"Hà Nội");
    press(d, SearchWholeWord);
    expect_message();
    press(d, ReplaceAllButton);
    const std::string count = std::to_string(words);
    EXPECT_EQ(message, u"Searching has completed and " + std::u16string(count.begin(), count.end()) +
                           u" replacements have made.");
    EXPECT_EQ(text().find(u"Tĩnh"), std::u16string::npos);
    EXPECT_EQ(text().substr(0, 8), u"Hà Nội, ");
    engine().Undo();
    EXPECT_EQ(text(), doc);
}

TEST_F(SearchDialogs, ReplaceIsOfferedAfterAMatchAndTakesTheChosenFormat) {
    set_text(u"xa ya xa");
    const std::uint8_t bold = bold_format();
    SendMessageW(editor, EFM_SETSELTEXT, 0, 0); // no selection
    SendMessageW(editor, EFM_SETINDEX, 0, 0);
    HWND d = open(EFC_REPLACE);
    EXPECT_FALSE(enabled(d, ReplaceButton));
    type_into(d, SearchText, u"xa");
    type_into(d, ReplaceText, u"zz");
    // The replacement's format from the document's table: the bold entry.
    SetFocus(controls::find_item(d, ReplaceText)); // the buttons act on the field last focused
    queue.push_back([bold](HWND list) {
        HWND l = controls::find_item(list, FormatList);
        SendMessageW(l, LB_SETCURSEL, bold, 0);
        SendMessageW(list, WM_COMMAND, MAKEWPARAM(FormatList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(l));
        SendMessageW(GetDlgItem(list, IDOK), BM_CLICK, 0, 0);
    });
    press(d, SearchFormatButton);
    EXPECT_NE(shown(d, ReplaceFormatText), u"(None)");
    press(d, SearchNextButton);
    ASSERT_TRUE(enabled(d, ReplaceButton));
    press(d, ReplaceButton);
    EXPECT_EQ(text(), u"zz ya xa");
    EXPECT_EQ(Internals(engine()).FBuffer->FormatAt(0), bold);
    EXPECT_FALSE(enabled(d, ReplaceButton)); // until the next match
    // "No format" on the replacement field: the found text's own format again.
    press(d, SearchNoFormat);
    EXPECT_EQ(shown(d, ReplaceFormatText), u"(None)");
    press(d, SearchNextButton);
    press(d, ReplaceButton);
    EXPECT_EQ(text(), u"zz ya zz");
    EXPECT_EQ(Internals(engine()).FBuffer->FormatAt(6), 0);
}

TEST_F(SearchDialogs, FindingByFormatAlone) {
    set_text(u"ab cd ef");
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(3, 5));
    SendMessageW(editor, WM_COMMAND, EFC_BOLD, 0);
    const std::uint8_t bold = Internals(engine()).FBuffer->FormatAt(3);
    SendMessageW(editor, EFM_SETSELTEXT, 0, 0); // no selection
    SendMessageW(editor, EFM_SETINDEX, 0, 0);
    HWND d = open(EFC_FIND);
    queue.push_back([bold](HWND list) {
        HWND l = controls::find_item(list, FormatList);
        SendMessageW(l, LB_SETCURSEL, bold, 0);
        SendMessageW(GetDlgItem(list, IDOK), BM_CLICK, 0, 0);
    });
    press(d, SearchFormatButton);
    press(d, SearchNextButton);
    EXPECT_EQ(selected(), u"cd");
    press(d, SearchNoFormat);
    EXPECT_EQ(shown(d, SearchFormatText), u"(None)");
}

TEST_F(SearchDialogs, ANewReplacementFormatOnlyInNormalDocuments) {
    HWND d = open(EFC_REPLACE);
    EXPECT_TRUE(enabled(d, ReplaceNew));
    press(d, IDCANCEL);
    headless::PumpMessages();
    SendMessageW(editor, EFM_SETDOCUMENTTYPE, 0, 0x602); // based on a template
    d = open(EFC_REPLACE);
    EXPECT_FALSE(enabled(d, ReplaceNew));
    EXPECT_EQ(SendMessageW(controls::find_item(d, ReplaceExisting), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(SearchDialogs, PicturesInBothLanguages) {
    for (int language : {0, 1}) {
        SendMessageW(editor, EFM_SETLANGUAGE, static_cast<WPARAM>(language), 0);
        for (WPARAM command : {EFC_FIND, EFC_REPLACE}) {
            HWND d = open(command);
            ASSERT_NE(d, nullptr);
            headless::PumpMessages();
            const std::string name = std::string(command == EFC_FIND ? "find" : "replace") +
                                     (language == 1 ? "-english" : "-vietnamese");
            EXPECT_TRUE(headless::WritePng(d, (::testing::TempDir() + name + ".png").c_str()));
        }
    }
    EXPECT_EQ(controls::window_text(search_window()), u"Find and replace");
}

} // namespace
} // namespace zeledit::test
