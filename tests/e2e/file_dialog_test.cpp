// The library's Open and Save dialog on a temporary folder, filled and pressed the way a
// user does it: keys queued by the dialog hook and read by the dialog's own loop.
#include <zeledit/controls.h>
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include "controls/folder_listing.h"
#include "dialogs/file_name_dialog.h"
#include "platform/core/text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zeledit::test {
namespace {

namespace fs = std::filesystem;

std::u16string class_of(HWND hwnd) {
    WCHAR name[64];
    return std::u16string(name, static_cast<std::size_t>(GetClassNameW(hwnd, name, 64)));
}

std::vector<HWND> children_of_class(HWND parent, std::u16string_view kind) {
    std::vector<HWND> all, out;
    EnumChildWindows(
        parent,
        [](HWND h, LPARAM l) {
            reinterpret_cast<std::vector<HWND>*>(l)->push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    for (HWND h : all)
        if (class_of(h) == kind) out.push_back(h);
    return out;
}

std::vector<std::u16string> list_texts(HWND list) {
    std::vector<std::u16string> out;
    const auto n = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
        WCHAR text[256];
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        out.emplace_back(text);
    }
    return out;
}

class FileDialog : public ::testing::Test {
protected:
    fs::path folder;
    std::vector<std::u16string> messages; // the texts of the message boxes met

    void SetUp() override {
        headless::Reset();
        InitEditorLib();
        folder = fs::temp_directory_path() / ("zeledit-file-dialog-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder / "sub");
        for (const char* name : {"b.zdf", "A.zdf", "notes.txt", ".hidden.zdf", "sub/inner.zdf"})
            std::ofstream(folder / name) << "x";
    }
    void TearDown() override {
        SetDialogHook({});
        headless::Reset();
        fs::remove_all(folder);
    }
    std::u16string path(const char* name) const { return platform::from_utf8((folder / name).string()); }

    FileDialogRequest request(bool save) {
        dir = platform::from_utf8(folder.string());
        return FileDialogRequest{
            save, nullptr, u"", {{u"Documents", u"*.zdf"}, {u"All files", u"*"}}, 1, u"", u"zdf", 0, dir};
    }
    // The hook: records message boxes and answers them with `box_answer`; on the file
    // dialog itself runs `act`.
    void hook(std::function<void(HWND)> act, int box_answer = IDNO) {
        SetDialogHook([this, act, box_answer](HWND d) {
            if (class_of(d) == u"ZeleditFileDialog") return act(d);
            for (HWND panel : children_of_class(d, PanelClassName)) {
                WCHAR text[512];
                GetWindowTextW(panel, text, 512);
                messages.emplace_back(text);
            }
            HWND answer = GetDlgItem(d, box_answer);
            SendMessageW(IsWindowVisible(answer) ? answer : GetDlgItem(d, IDOK), BM_CLICK, 0, 0);
        });
    }
    static void type(std::u16string_view text) { headless::TypeText(text); }
    static void shift_tab() {
        headless::KeyDown(VK_SHIFT);
        headless::KeyPress(VK_TAB);
        headless::KeyUp(VK_SHIFT);
    }

private:
    std::u16string dir;
};

TEST_F(FileDialog, ListsTheFolderAndOpensAFilePickedWithTheKeyboard) {
    std::vector<std::u16string> folders, files;
    hook([&](HWND d) {
        const auto lists = children_of_class(d, u"LISTBOX");
        ASSERT_EQ(lists.size(), 2u);
        folders = list_texts(lists[0]);
        files = list_texts(lists[1]);
        headless::PumpMessages();
        EXPECT_TRUE(headless::WritePng(d, (::testing::TempDir() + "file-dialog.png").c_str()));
        shift_tab(); // from the name box back to the file list
        headless::KeyPress(VK_DOWN);
        headless::KeyPress(VK_DOWN);
        headless::KeyPress(VK_RETURN);
    });
    const auto answer = dialogs::AskFileName(request(false));
    EXPECT_EQ(folders, (std::vector<std::u16string>{u"..", u"sub"}));
    EXPECT_EQ(files, (std::vector<std::u16string>{u"A.zdf", u"b.zdf"})); // filtered, hidden left out
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->path, path("b.zdf"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(FileDialog, EnterOnAFolderOpensItAndATypedNameIsAccepted) {
    std::vector<std::u16string> files;
    hook([&](HWND d) {
        type(u"sub"); // a folder's name opens the folder
        headless::KeyPress(VK_RETURN);
        type(u"inner");
        headless::KeyPress(VK_RETURN);
        (void)d;
    });
    const auto answer = dialogs::AskFileName(request(false));
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->path, path("sub/inner.zdf")); // the default extension added
}

TEST_F(FileDialog, SavingOverAFileAsksFirstAndNoKeepsTheDialogOpen) {
    hook([&](HWND) {
        type(u"A");
        headless::KeyPress(VK_RETURN);
    });
    const auto answer = dialogs::AskFileName(request(true));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(path("A.zdf")), std::u16string::npos);
    EXPECT_FALSE(answer.has_value()); // No, then nothing more: cancelled
    messages.clear();
    hook(
        [&](HWND) {
            type(u"A");
            headless::KeyPress(VK_RETURN);
        },
        IDYES);
    const auto replaced = dialogs::AskFileName(request(true));
    ASSERT_TRUE(replaced.has_value());
    EXPECT_EQ(replaced->path, path("A.zdf"));
}

TEST_F(FileDialog, AFolderThatCannotBeReadIsNamedWithTheReason) {
    hook([&](HWND d) {
        const auto combos = children_of_class(d, u"COMBOBOX");
        ASSERT_FALSE(combos.empty());
        SetFocus(combos[0]); // the path box
        SendMessageW(combos[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"/no/such/folder"));
        headless::KeyPress(VK_RETURN);
    });
    EXPECT_FALSE(dialogs::AskFileName(request(false)).has_value());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(u"\"/no/such/folder\" cannot be read"), std::u16string::npos);
}

TEST(FolderListing, FiltersMatchWithoutCaseAndPicturesAreRecognised) {
    EXPECT_TRUE(controls::MatchesFilter(u"Photo.JPG", u"*.bmp; *.jpg"));
    EXPECT_FALSE(controls::MatchesFilter(u"photo.jpg.txt", u"*.jpg"));
    EXPECT_TRUE(controls::MatchesFilter(u"a1b.txt", u"a?b.*"));
    EXPECT_TRUE(controls::MatchesFilter(u"anything", u""));
    EXPECT_TRUE(controls::IsPictureFilter(u"*.png;*.jpeg;*.bmp"));
    EXPECT_FALSE(controls::IsPictureFilter(u"*.png;*.zdf"));
    EXPECT_FALSE(controls::IsPictureFilter(u"*"));
    EXPECT_EQ(controls::SizeText(512), u"512 B");
    EXPECT_EQ(controls::SizeText(1536), u"2 KB");
    EXPECT_EQ(controls::SizeText(3 * 1024 * 1024 + 400 * 1024), u"3.4 MB");
}

} // namespace
} // namespace zeledit::test
