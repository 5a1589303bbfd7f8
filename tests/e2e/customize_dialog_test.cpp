// The key customisation dialog as a user drives it: a command chosen, keys pressed in the
// capture field, assigned, saved to a keyboard file and loaded into another editor.
#include "controls/controls.h"
#include "e2e/dialog_queue.h"
#include "e2e/editing_test.h"
#include "engine/editor_internals.h"

#include <zeledit/command_dialogs.h>
#include <zeledit/controls.h>
#include <zeledit/editor_commands.h>
#include <zeledit/headless.h>
#include <zeledit/win_dialogs.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <string>

namespace zeledit::test {
namespace {

class CustomizeDialog : public Editing {
protected:
    void SetUp() override {
        Editing::SetUp();
        set_text(u"chữ đậm");
    }
    void TearDown() override {
        SetFileDialogHook({});
        Editing::TearDown();
    }
    // Runs the dialog of `w` with `fill`, which must close it.
    void customize(std::function<void(HWND)> fill, HWND w = nullptr) {
        queue.push_back(std::move(fill));
        SendMessageW(w != nullptr ? w : editor, WM_COMMAND, EFC_CUSTOMIZE, 0);
    }
    static void choose(HWND d, std::u16string_view name) {
        HWND list = GetDlgItem(d, CustomizeCommands);
        const auto at = SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(std::u16string(name).c_str()));
        ASSERT_GE(at, 0) << "no command " << std::string(name.begin(), name.end());
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(CustomizeCommands, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    static void press(HWND d, int id) { SendMessageW(GetDlgItem(d, id), BM_CLICK, 0, 0); }
    static std::u16string shown(HWND d, int id) { return controls::window_text(GetDlgItem(d, id)); }
    // Keys pressed in the capture field, as a user presses them.
    static void press_keys(HWND d, std::initializer_list<UINT> held, UINT key) {
        SetFocus(GetDlgItem(d, CustomizeNewKey));
        for (UINT k : held) headless::KeyDown(k);
        headless::KeyPress(key);
        for (UINT k : held) headless::KeyUp(k);
        headless::PumpMessages();
    }
    bool italic_at(std::uint32_t i, HWND w = nullptr) const {
        const auto& e = Internals(engine(w));
        return (e.FFonts->GetFormatItem(e.FBuffer->FormatAt(i))->FAttributes.ftAttr & 2) != 0;
    }

    DialogQueue queue;
};

TEST_F(CustomizeDialog, CtrlBTakenFromBoldForItalicWorksAtOnce) {
    std::u16string refused, holder;
    customize([&](HWND d) {
        EXPECT_EQ(controls::window_text(d), u"Tùy biến");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, CustomizeAssign))); // no command yet
        choose(d, u"Italic");
        EXPECT_EQ(shown(d, CustomizeCommand), u"Italic");
        EXPECT_EQ(shown(d, CustomizeCurrent), u"Ctrl+I");
        queue.push_back([&](HWND box) { // Shift+A alone is refused
            refused = DialogQueue::MessageText(box);
            press(box, IDOK);
        });
        press_keys(d, {VK_SHIFT}, 'A');
        EXPECT_EQ(shown(d, CustomizeNewKey), u"Shift+A");
        press(d, CustomizeAssign);
        press_keys(d, {VK_CONTROL}, 'B');
        EXPECT_EQ(shown(d, CustomizeNewKey), u"Ctrl+B");
        holder = shown(d, CustomizeAssignedTo); // on the key's release
        press(d, CustomizeAssign);
        EXPECT_EQ(shown(d, CustomizeCurrent), u"Ctrl+B");
        EXPECT_EQ(shown(d, CustomizeAssignedTo), u"Italic");
        press(d, IDCANCEL);
    });
    EXPECT_EQ(refused,
              u"Please press a combination of Ctrl or Alt and the key\r\nor the keys from F1 to F12!");
    EXPECT_EQ(holder, u"Bold");
    auto& keys = Internals(engine()).FInput.Keyboard();
    EXPECT_EQ(+keys.Keys[53].keyShortcut, 0); // Bold lost it
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(0, 3));
    SetFocus(editor);
    key('B', false, true);
    EXPECT_TRUE(italic_at(0));
    // Default brings Ctrl+B back to Bold.
    customize([](HWND d) {
        press(d, CustomizeDefault);
        press(d, IDCANCEL);
    });
    EXPECT_EQ(+keys.Keys[53].keyShortcut, 0x4000 | 'B');
}

TEST_F(CustomizeDialog, AKeyMapSavedAndLoadedIntoAnotherEditorWorksThere) {
    const std::filesystem::path file = std::filesystem::path(::testing::TempDir()) / "italic-on-f7";
    std::filesystem::remove(file.string() + ".kbd");
    std::vector<std::u16string> titles;
    SetFileDialogHook([&](const FileDialogRequest& r) {
        titles.emplace_back(r.title);
        return std::optional<FileDialogAnswer>({file.u16string(), 0});
    });
    customize([](HWND d) {
        choose(d, u"Italic");
        SendMessageW(GetDlgItem(d, CustomizeNewKey), ZHKM_SETSHORTCUT, VK_F7, 0);
        press(d, CustomizeAssign);
        press(d, CustomizeSave);
        press(d, IDCANCEL);
    });
    ASSERT_TRUE(std::filesystem::exists(file.string() + ".kbd")); // the default extension
    HWND second = make_editor(300);
    set_text(u"nghiêng", 0, second);
    customize(
        [](HWND d) {
            press(d, CustomizeLoad);
            press(d, IDCANCEL);
        },
        second);
    EXPECT_EQ(titles, (std::vector<std::u16string>{u"Save Customized Keys", u"Load Customized Keys"}));
    SendMessageW(second, EFM_SETSELTEXT, 0, MAKELPARAM(0, 3));
    SetFocus(second);
    headless::KeyPress(VK_F7);
    headless::PumpMessages();
    EXPECT_TRUE(italic_at(0, second));
    DestroyWindow(second);
}

TEST_F(CustomizeDialog, AFileThatIsNoKeyMapIsReportedTwiceAndChangesNothing) {
    const std::string bad = ::testing::TempDir() + "not-keys.kbd";
    {
        std::FILE* f = std::fopen(bad.c_str(), "wb");
        std::fputs("not a keyboard file at all, really not", f);
        std::fclose(f);
    }
    SetFileDialogHook([&](const FileDialogRequest&) {
        const std::u16string path(bad.begin(), bad.end());
        return std::optional<FileDialogAnswer>({path, 0});
    });
    std::vector<std::u16string> said;
    customize([&](HWND d) {
        for (int i = 0; i < 2; ++i)
            queue.push_back([&](HWND box) {
                std::u16string text; // the box's text panel
                for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
                    if (GetDlgCtrlID(c) == 0 && !controls::window_text(c).empty())
                        text = controls::window_text(c);
                said.push_back(text);
                press(box, IDOK);
            });
        press(d, CustomizeLoad);
        press(d, IDCANCEL);
    });
    EXPECT_EQ(said, (std::vector<std::u16string>{u"File format is invalid!",
                                                 u"Cannot load the customized key from the file!"}));
    EXPECT_EQ(+Internals(engine()).FInput.Keyboard().Keys[53].keyShortcut, 0x4000 | 'B');
}

TEST_F(CustomizeDialog, PicturesInBothLanguages) {
    for (int language : {0, 1}) {
        SendMessageW(editor, EFM_SETLANGUAGE, static_cast<WPARAM>(language), 0);
        customize([language](HWND d) {
            choose(d, u"Bold");
            headless::PumpMessages();
            const std::string name = language == 1 ? "customize-english.png" : "customize-vietnamese.png";
            EXPECT_TRUE(headless::WritePng(d, (::testing::TempDir() + name).c_str()));
            press(d, IDCANCEL);
        });
    }
}

} // namespace
} // namespace zeledit::test
