// The Open and Save As commands: the host's say through the file-command notification,
// the file dialogs' requests and answers, and the messages of failures.
#include "e2e/document_test.h"
#include "engine/editor_internals.h"
#include "engine/prompts.h"

#include <sys/stat.h>

#include <zeledit/win_dialogs.h>

namespace zeledit::test {
namespace {

class FileCommands : public DocumentFiles {
protected:
    static std::vector<std::pair<WPARAM, std::u16string>> tasks;
    static std::vector<std::u16string> prompts;
    static int prompt_answer;
    static LRESULT host_answer;      // to tasks 3 and 4
    static std::u16string host_name; // written for task 3
    static WNDPROC editor_proc;
    std::vector<FileDialogRequest> requests;
    std::optional<FileDialogAnswer> answer;

    void SetUp() override {
        DocumentFiles::SetUp();
        tasks.clear();
        prompts.clear();
        host_answer = 0;
        host_name.clear();
        editor_proc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) {
                if (m != EFN_FILECOMMAND) return CallWindowProcW(editor_proc, h, m, w, l);
                auto* name = reinterpret_cast<char16_t*>(l);
                tasks.emplace_back(w, name != nullptr ? std::u16string(name) : u"");
                if (w == EFN_FILE_QUERYSAVENAME && host_answer != 0)
                    std::copy(host_name.begin(), host_name.end(), name);
                return w == EFN_FILE_QUERYSAVENAME || w == EFN_FILE_BEFORENEW ? host_answer : 0;
            })));
        prompt_answer = IDNO;
        engine::SetMessagePrompt(+[](LPCWSTR text, BYTE, WORD) {
            prompts.emplace_back(text);
            return prompt_answer;
        });
        SetFileDialogHook([this](const FileDialogRequest& r) {
            FileDialogRequest copy = r;
            copy.title = copy.fileName = copy.defaultExtension = {}; // views into the caller's frame
            requests.push_back(copy);
            return answer;
        });
    }
    void TearDown() override {
        SetFileDialogHook({});
        engine::SetMessagePrompt(&ShowMessageBox);
        DocumentFiles::TearDown();
    }
    std::vector<WPARAM> task_numbers() const {
        std::vector<WPARAM> out;
        for (const auto& t : tasks) out.push_back(t.first);
        return out;
    }
};

std::vector<std::pair<WPARAM, std::u16string>> FileCommands::tasks;
std::vector<std::u16string> FileCommands::prompts;
int FileCommands::prompt_answer = IDNO;
LRESULT FileCommands::host_answer = 0;
std::u16string FileCommands::host_name;
WNDPROC FileCommands::editor_proc = nullptr;

TEST_F(FileCommands, OpenAsksTheHostThenTheDialogAndReportsTheFile) {
    put(other, u"from a file");
    const auto path = dir / "chosen.zdf";
    ASSERT_EQ(save(other, path), 1);
    answer = FileDialogAnswer{dir.u16string() + u"/chosen", 1}; // the dialog adds the extension
    engine(editor).CMOpen();
    EXPECT_EQ(text(editor), u"from a file");
    ASSERT_EQ(task_numbers(), (std::vector<WPARAM>{EFN_FILE_BEFORENEW, EFN_FILE_OPENED}));
    EXPECT_EQ(tasks[1].second, path.u16string());
    ASSERT_EQ(requests.size(), 1u);
    const FileDialogRequest& r = requests[0];
    EXPECT_FALSE(r.save);
    ASSERT_EQ(r.filters.size(), 4u);
    EXPECT_EQ(r.filters[0].first, u"vorelskadine Document Files (*.zdf)");
    EXPECT_EQ(r.filters[2].second, u"*.txt");
    EXPECT_EQ(r.filterIndex, 1u);
    EXPECT_EQ(r.flags & (OFN_FILEMUSTEXIST | OFN_HIDEREADONLY), OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
    EXPECT_TRUE(prompts.empty());
}

TEST_F(FileCommands, OpenStopsWhenTheHostSaysSoOrTheDialogIsCancelled) {
    host_answer = 1;
    engine(editor).CMOpen();
    EXPECT_TRUE(requests.empty());
    host_answer = 0;
    engine(editor).CMOpen(); // no answer: cancelled
    EXPECT_EQ(requests.size(), 1u);
    // A read-only editor does not ask the host, but still opens.
    SendMessageW(editor, EFM_DISABLEMODIFY, 0, 0);
    tasks.clear();
    engine(editor).CMOpen();
    EXPECT_TRUE(tasks.empty());
    EXPECT_EQ(requests.size(), 2u);
}

TEST_F(FileCommands, OpenFailuresAreReported) {
    put(editor, u"kept");
    write(dir / "bad.zdf", Bytes(40, 0x77));
    answer = FileDialogAnswer{(dir / "bad.zdf").u16string(), 1};
    engine(editor).CMOpen();
    ASSERT_EQ(prompts.size(), 2u); // read it as text? No; then the failure
    EXPECT_TRUE(prompts[1].starts_with(
        u"Cannot load document file!\r\nMaybe file is corrupted or incorrect format.\r\n"));
    answer->filterIndex = 3; // the text filter, for a text beyond the host's maximum size
    SendMessageW(editor, EFM_SETMAXBUFFERSIZE, 0, 30);
    engine(editor).CMOpen();
    EXPECT_EQ(prompts.back(), u"Cannot load this text file!");
    EXPECT_EQ(text(editor), u"kept");
    // A file that does not exist never leaves the open dialog.
    answer = FileDialogAnswer{(dir / "missing.zdf").u16string(), 1};
    prompts.clear();
    engine(editor).CMOpen();
    EXPECT_TRUE(prompts.empty());
}

TEST_F(FileCommands, TextFilesLoadAsTheirUnitsThroughTheFilterOrTheQuestion) {
    put(editor, u"kept");
    SendMessageW(editor, EFM_SETMODIFIED, 1, 0);
    const std::u16string units = u"\uFEFFab\r\ncd";
    Bytes bytes(reinterpret_cast<const std::uint8_t*>(units.data()),
                reinterpret_cast<const std::uint8_t*>(units.data() + units.size()));
    bytes.insert(bytes.end(), {0, 0, 1, 0, 'z'}); // a zero unit, a mark, an odd byte
    write(dir / "notes.txt", bytes);
    answer = FileDialogAnswer{(dir / "notes.txt").u16string(), 3};
    engine(editor).CMOpen();
    EXPECT_TRUE(prompts.empty());
    EXPECT_EQ(text(editor), u"\uFEFFab\r\ncd "); // the mark of no object became a space
    EXPECT_EQ(SendMessageW(editor, EFM_GETFONTCOUNT, 0, 0), 1);
    EXPECT_NE(SendMessageW(editor, EFM_GETMODIFIED, 0, 0), 0); // left as it was
    EXPECT_EQ(Internals(engine(editor)).FLines->Count(), 2);
    // Not a document: asked, and loaded as text on Yes.
    write(dir / "other.zdf", Bytes{'h', 0, 'i', 0, 0x21, 0});
    Bytes padded = file(dir / "other.zdf");
    padded.resize(40, 0x20);
    write(dir / "other.zdf", padded);
    prompt_answer = IDYES;
    EXPECT_EQ(open(editor, dir / "other.zdf"), 1);
    EXPECT_EQ(prompts.back(), u"Invalid file format.\r\nDo you want to load it as a text file?");
    EXPECT_EQ(text(editor).substr(0, 3), u"hi!");
}

TEST_F(FileCommands, TemplateEditorsOfferTemplatesOnly) {
    SendMessageW(editor, EFM_SETDOCUMENTTYPE, 0, 0x0603);
    engine(editor).CMOpen();
    engine(editor).CMSave();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].filters.size(), 2u);
    EXPECT_EQ(requests[0].filters[0].first, u"vorelskadine Document Templates (*.ztf)");
    EXPECT_TRUE(requests[1].save);
    EXPECT_EQ(requests[1].filters, requests[0].filters);
}

TEST_F(FileCommands, SaveTakesTheHostsNameOrAsks) {
    put(editor, u"saved");
    host_answer = 1;
    host_name = (dir / "host.zdf").u16string();
    engine(editor).CMSave();
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(file(dir / "host.zdf"), data(editor));
    ASSERT_EQ(task_numbers(), (std::vector<WPARAM>{EFN_FILE_QUERYSAVENAME, EFN_FILE_SAVED}));
    EXPECT_EQ(tasks[1].second, host_name);

    host_answer = 0;
    answer = FileDialogAnswer{(dir / "asked").u16string(), 0};
    engine(editor).CMSave();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(requests[0].save);
    EXPECT_EQ(requests[0].filters.size(), 2u);
    EXPECT_TRUE(requests[0].flags & OFN_OVERWRITEPROMPT);
    EXPECT_EQ(file(dir / "asked.zdf"), data(editor));
    EXPECT_EQ(tasks.back().second, (dir / "asked.zdf").u16string());

    const auto missing = dir / "no-such-folder" / "x.zdf";
    answer = FileDialogAnswer{missing.u16string(), 0};
    engine(editor).CMSave();
    // The message's text, then the path and the system's reason.
    EXPECT_EQ(prompts, std::vector<std::u16string>{u"Cannot save file!\r\n" + missing.u16string() +
                                                   u": No such file or directory"});
    EXPECT_EQ(std::u16string(GetLastFileError()), missing.u16string() + u": No such file or directory");
}

TEST_F(FileCommands, SavingOverAFifoIsRefusedAndTheFifoStays) {
    put(editor, u"saved");
    SendMessageW(editor, EFM_SETMODIFIED, 1, 0);
    const auto fifo = dir / "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(SendMessageW(editor, EFM_SAVEDOC, 0, reinterpret_cast<LPARAM>(fifo.u16string().c_str())), 0);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_EQ(std::u16string(GetLastFileError()), fifo.u16string() + u": not a regular file");
    EXPECT_NE(SendMessageW(editor, EFM_GETMODIFIED, 0, 0), 0); // still unsaved
    EXPECT_NE(
        SendMessageW(editor, EFM_SAVEDOC, 0, reinterpret_cast<LPARAM>((dir / "ok.zdf").u16string().c_str())),
        0);
    EXPECT_EQ(std::u16string(GetLastFileError()), u"");
}

TEST(FileDialogs, AnswersAreCheckedAndWrittenBack) {
    SetFileDialogHook([](const FileDialogRequest&) { return FileDialogAnswer{u"/tmp/some folder/name", 2}; });
    char16_t file[40] = u"initial";
    char16_t title[5] = {};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFile = file;
    ofn.nMaxFile = 40;
    ofn.lpstrFileTitle = title;
    ofn.nMaxFileTitle = 5;
    ofn.lpstrDefExt = u"zdf";
    ASSERT_TRUE(GetSaveFileNameW(&ofn));
    EXPECT_EQ(std::u16string(file), u"/tmp/some folder/name.zdf");
    EXPECT_EQ(ofn.nFileOffset, 17);
    EXPECT_EQ(ofn.nFileExtension, 22);
    EXPECT_EQ(ofn.nFilterIndex, 2u);
    EXPECT_EQ(std::u16string(title), u"name");
    // Too small a buffer: the size needed comes back in its first unit.
    ofn.nMaxFile = 10;
    EXPECT_FALSE(GetSaveFileNameW(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);
    EXPECT_EQ(file[0], 26);
    ofn.lStructSize = 8;
    EXPECT_FALSE(GetOpenFileNameW(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_STRUCTSIZE);
    SetFileDialogHook({});
    ofn.lStructSize = sizeof ofn;
    EXPECT_FALSE(GetOpenFileNameW(&ofn)); // nobody to answer: cancelled
    EXPECT_EQ(CommDlgExtendedError(), 0u);
}

} // namespace
} // namespace zeledit::test
