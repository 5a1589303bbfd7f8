// The demo's frame driven headless as a person drives it: buttons, shortcuts and the
// questions before unsaved work would be lost.
#include "demo_host.h"
#include "support/run_command.h"

#include <zeledit/controls.h>
#include <zeledit/headless.h>
#include <zeledit/print_dialog.h>
#include <zeledit/win_dialogs.h>
#include <zeledit/zeledit.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class DemoHost : public ::testing::Test {
protected:
    fs::path dir;
    HWND frame = nullptr;
    std::vector<bool> save_dialogs; // a file dialog was shown: save or open
    std::optional<fs::path> dialog_answer;
    std::vector<std::u16string> questions;
    int question_answer = IDCANCEL;

    void SetUp() override {
        zeledit::headless::Reset();
        InitEditorLib();
        dir = fs::path(::testing::TempDir()) /
              (std::string("demo-host-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::copy_file(WELCOME_SAMPLE, dir / "welcome.zdf");
        zeledit::SetFileDialogHook([this](const zeledit::FileDialogRequest& r) {
            save_dialogs.push_back(r.save);
            return dialog_answer ? std::optional<zeledit::FileDialogAnswer>({dialog_answer->u16string(), 0})
                                 : std::nullopt;
        });
        zeledit::SetDialogHook([this](HWND box) {
            questions.push_back(text_of(box));
            SendMessageW(GetDlgItem(box, question_answer), BM_CLICK, 0, 0);
        });
        frame = demo::CreateFrame();
        ShowWindow(frame, SW_SHOW);
        SetFocus(demo::Editor());
    }
    void TearDown() override {
        zeledit::SetFileDialogHook({});
        zeledit::SetDialogHook({});
        zeledit::headless::Reset();
        fs::remove_all(dir);
    }
    // Every label's text of a message box, one after another.
    static std::u16string text_of(HWND box) {
        std::u16string all;
        for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            WCHAR text[256];
            all.append(text, static_cast<std::size_t>(GetWindowTextW(c, text, 256)));
        }
        return all;
    }
    // The demo's own loop: its shortcuts first, then the usual translation and dispatch.
    void pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (demo::TakeShortcut(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    void ctrl(UINT key) {
        zeledit::headless::KeyDown(VK_CONTROL);
        zeledit::headless::KeyPress(key);
        zeledit::headless::KeyUp(VK_CONTROL);
        pump();
    }
    void type(std::u16string_view text) {
        zeledit::headless::TypeText(text);
        pump();
    }
    void press(int tool) { SendMessageW(frame, WM_COMMAND, 200 + tool, 0); } // New, Open…, Save…
    std::u16string title() const {
        WCHAR text[256];
        return {text, static_cast<std::size_t>(GetWindowTextW(frame, text, 256))};
    }
    std::u16string text() const {
        const auto* t =
            reinterpret_cast<const char16_t*>(SendMessageW(demo::Editor(), EFM_GETTEXTBUFFER, 0, 0));
        return {t, static_cast<std::size_t>(SendMessageW(demo::Editor(), EFM_GETTEXTLENGTH, 0, 0))};
    }
};

TEST_F(DemoHost, SaveAfterNewAsksForANameAndLeavesTheOpenedFileAlone) {
    std::u16string why;
    ASSERT_TRUE(demo::OpenFile((dir / "welcome.zdf").u16string(), why)) << fs::path(why).string();
    EXPECT_EQ(title(), u"welcome.zdf — zeledit");
    press(0); // New: nothing unsaved, so no question
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(title(), u"Untitled — zeledit");
    EXPECT_EQ(SendMessageW(demo::Editor(), EFM_GETMODIFIED, 0, 0), 0);
    type(u"fresh");
    EXPECT_EQ(title(), u"*Untitled — zeledit");
    dialog_answer = dir / "fresh.zdf";
    ctrl('S');
    EXPECT_EQ(save_dialogs, std::vector<bool>{true});
    EXPECT_EQ(read(dir / "welcome.zdf"), read(WELCOME_SAMPLE));
    EXPECT_TRUE(fs::exists(dir / "fresh.zdf"));
    EXPECT_EQ(title(), u"fresh.zdf — zeledit");
    type(u"!");
    ctrl('S'); // now it has a name: no dialog
    EXPECT_EQ(save_dialogs.size(), 1u);
    EXPECT_EQ(title(), u"fresh.zdf — zeledit");
}

TEST_F(DemoHost, UnsavedWorkIsNeverDroppedWithoutAnAnswer) {
    type(u"precious");
    question_answer = IDCANCEL;
    ctrl('N');
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find(u"Save the changes to Untitled?"), std::u16string::npos);
    EXPECT_EQ(text(), u"precious");
    ctrl('O');
    EXPECT_TRUE(save_dialogs.empty()); // cancelled before the open dialog
    SendMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(frame));
    EXPECT_EQ(questions.size(), 3u);

    // Yes saves first; a cancelled save keeps the document.
    question_answer = IDYES;
    press(0);
    EXPECT_EQ(save_dialogs, std::vector<bool>{true});
    EXPECT_EQ(text(), u"precious");
    dialog_answer = dir / "kept.zdf";
    press(0);
    EXPECT_TRUE(fs::exists(dir / "kept.zdf"));
    EXPECT_EQ(text(), u"");

    type(u"dropped");
    question_answer = IDNO;
    SendMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(frame));
}

TEST_F(DemoHost, AFileThatCannotBeOpenedSaysWhy) {
    std::u16string why;
    EXPECT_FALSE(demo::OpenFile((dir / "none.zdf").u16string(), why));
    EXPECT_EQ(why, (dir / "none.zdf").u16string() + u": No such file or directory");
    EXPECT_EQ(demo::FileName(), u"");
}

constexpr int PageTool = 12, PreviewTool = 13, PrintTool = 14;

TEST_F(DemoHost, CtrlPPrintsTheDocumentToTheChosenPdfFile) {
    std::u16string why;
    ASSERT_TRUE(demo::OpenFile((dir / "welcome.zdf").u16string(), why));
    question_answer = IDOK;
    dialog_answer = dir / "printed"; // the dialog adds .pdf
    ctrl('P');                       // the editor's print routine posts EFN_PRINT to the host
    EXPECT_EQ(save_dialogs, std::vector<bool>{true});
    ASSERT_TRUE(fs::exists(dir / "printed.pdf"));
    EXPECT_EQ(read(dir / "printed.pdf").rfind("%PDF-", 0), 0u);
    ASSERT_EQ(questions.size(), 2u); // the print dialog, then what was printed
    EXPECT_NE(questions[1].find(u"Printed 1 page to"), std::u16string::npos);
    dialog_answer.reset(); // cancelled: nothing printed, nothing said
    press(PrintTool);
    EXPECT_EQ(questions.size(), 3u);
    question_answer = IDCANCEL; // the print dialog cancelled: no file dialog either
    press(PrintTool);
    EXPECT_EQ(save_dialogs.size(), 2u);
}

// The print dialog filled as a user fills it: the printer, a page range, odd or even pages.
TEST_F(DemoHost, ThePrintDialogPrintsExactlyThePagesChosen) {
    if (!zeledit::test::HaveTool("pdftotext") || !zeledit::test::HaveTool("pdfinfo"))
        GTEST_SKIP() << "pdftotext or pdfinfo (poppler-utils) is missing";
    std::u16string text;
    for (int i = 1; i <= 200; ++i) {
        const std::string n = std::to_string(i);
        text += u"Paragraph " + std::u16string(n.begin(), n.end()) + u" of the long document.\r\n";
    }
    SendMessageW(demo::Editor(), EFM_INSERTTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    const auto pages = SendMessageW(demo::Editor(), EFM_REPAGINATE, 0, 0);
    ASSERT_GE(pages, 4);
    auto print = [&](int from, int to, int odd_even, const fs::path& pdf) {
        zeledit::SetDialogHook([&](HWND d) {
            questions.push_back(text_of(d));
            auto item = [d](int id) { return GetDlgItem(d, id); };
            if (item(zeledit::PrintPrinterList) != nullptr) {
                SendMessageW(item(zeledit::PrintPrinterList), CB_SETCURSEL, 0, 0); // "PDF"
                SendMessageW(d, WM_COMMAND, MAKEWPARAM(zeledit::PrintPrinterList, CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(item(zeledit::PrintPrinterList)));
                SendMessageW(item(zeledit::PrintPageRange), BM_CLICK, 0, 0);
                SendMessageW(item(zeledit::PrintFromPage), ZSEM_SETPOS, static_cast<WPARAM>(from), 0);
                SendMessageW(item(zeledit::PrintToPage), ZSEM_SETPOS, static_cast<WPARAM>(to), 0);
                SendMessageW(item(zeledit::PrintOddEven), CB_SETCURSEL, static_cast<WPARAM>(odd_even), 0);
            }
            SendMessageW(item(IDOK), BM_CLICK, 0, 0);
        });
        dialog_answer = pdf;
        ctrl('P');
        return zeledit::test::RunCommand("pdftotext '" + pdf.string() + "' -");
    };
    using zeledit::test::RunCommand;
    const std::string m = " of " + std::to_string(pages);
    const std::string two = print(2, 3, 0, dir / "two.pdf");
    EXPECT_NE(RunCommand("pdfinfo '" + (dir / "two.pdf").string() + "'").find("Pages:           2\n"),
              std::string::npos);
    EXPECT_NE(two.find("Page 2" + m), std::string::npos);
    EXPECT_NE(two.find("Page 3" + m), std::string::npos);
    EXPECT_EQ(two.find("Page 1" + m), std::string::npos);
    EXPECT_EQ(two.find("Page 4" + m), std::string::npos);
    EXPECT_NE(questions.back().find(u"Printed 2 pages to"), std::u16string::npos);
    // Odd pages only, of pages 1 to 4: pages 1 and 3.
    const std::string odd = print(1, 4, 1, dir / "odd.pdf");
    EXPECT_NE(RunCommand("pdfinfo '" + (dir / "odd.pdf").string() + "'").find("Pages:           2\n"),
              std::string::npos);
    EXPECT_NE(odd.find("Page 1" + m), std::string::npos);
    EXPECT_NE(odd.find("Page 3" + m), std::string::npos);
    EXPECT_EQ(odd.find("Page 2" + m), std::string::npos);
    EXPECT_EQ(odd.find("Page 4" + m), std::string::npos);
}

TEST_F(DemoHost, PageModeBreaksLinesAtThePagesWidth) {
    type(std::u16string(400, u'w'));
    const auto first_line = [] {
        LPARAM n = 0;
        while (SendMessageW(demo::Editor(), EFM_GETLINEOFINDEX, 0, n + 1) == 0) ++n;
        return n;
    };
    const LPARAM control = first_line();
    press(PageTool); // an A4 column with 1.25 inch margins: 554 pixels, less than the window
    RECT client;
    GetClientRect(demo::Editor(), &client);
    ASSERT_GT(client.right, 700);
    const LPARAM page = first_line();
    EXPECT_LT(page, control * 554 / client.right + 3);
    EXPECT_GT(page, control * 554 / client.right - 6);
    press(PageTool);
    EXPECT_EQ(first_line(), control);
}

TEST_F(DemoHost, ThePreviewShowsThePagesAndGivesTheEditorBackWhenItCloses) {
    std::u16string why;
    ASSERT_TRUE(demo::OpenFile((dir / "welcome.zdf").u16string(), why));
    press(PreviewTool);
    HWND preview = GetFocus();
    ASSERT_NE(preview, demo::Editor());
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(IsWindowEnabled(demo::Editor()));
    UpdateWindow(preview);
    const fs::path png = fs::path(::testing::TempDir()) / "demo-preview.png";
    ASSERT_TRUE(zeledit::headless::WritePng(preview, png.string().c_str()));
    // The page is white on the grey work space, with the sample's title in blue ink.
    RECT client;
    GetClientRect(preview, &client);
    EXPECT_NE(zeledit::headless::PixelAt(preview, 2, 2) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(zeledit::headless::PixelAt(preview, client.right / 2, client.bottom - 40) & 0xFFFFFF,
              0xFFFFFFu);
    int blue = 0;
    for (int y = 0; y < client.bottom / 4; ++y)
        for (int x = 0; x < client.right; ++x) {
            const std::uint32_t p = zeledit::headless::PixelAt(preview, x, y);
            blue += (p & 0xFF) > 0x80 && ((p >> 16) & 0xFF) < 0x60;
        }
    EXPECT_GT(blue, 20);
    SendMessageW(preview, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(IsWindow(preview));
    EXPECT_TRUE(IsWindowEnabled(demo::Editor()));
}

TEST_F(DemoHost, TheMenuBarRunsCommandsFromTheKeyboard) {
    ASSERT_NE(GetMenu(frame), nullptr);
    type(u"menu text");
    zeledit::SetDialogHook([](HWND popup) { PostMessageW(popup, WM_KEYDOWN, 'A', 0); }); // Select all
    SendMessageW(demo::Editor(), WM_SYSCHAR, 'e', 0); // Alt+E from the editor: the frame's Edit menu
    pump();
    SIZE range{};
    SendMessageW(demo::Editor(), EFM_GETSELINDEX, 0, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.cx, 0);
    EXPECT_EQ(range.cy, 9);
}

TEST_F(DemoHost, TheInsertMenuStartsTheDrawingMode) {
    zeledit::SetDialogHook([](HWND window) {
        WCHAR kind[40];
        GetClassNameW(window, kind, 40);
        if (std::u16string_view(kind) == u"#32768")
            PostMessageW(window, WM_KEYDOWN, 'D', 0); // Drawing...
        else
            SendMessageW(GetDlgItem(window, IDOK), BM_CLICK, 0, 0); // the drawing dialog as it is
    });
    SendMessageW(demo::Editor(), WM_SYSCHAR, 'i', 0); // Alt+I: Insert
    pump();
    zeledit::SetDialogHook({});
    POINT from{40, 40}, to{120, 90};
    ClientToScreen(demo::Editor(), &from);
    ClientToScreen(demo::Editor(), &to);
    zeledit::headless::MouseDown(zeledit::headless::Button::Left, from.x, from.y);
    zeledit::headless::MouseMove(to.x, to.y);
    zeledit::headless::MouseUp(zeledit::headless::Button::Left, to.x, to.y);
    pump();
    EXPECT_EQ(SendMessageW(demo::Editor(), EFM_GETOBJECTCOUNT, 0, 0), 1);
}

TEST_F(DemoHost, TheVietnameseMenuChoosesTheTableAndWhereTonesGo) {
    press(0); // a new document
    constexpr int MenuBase = 1000, Telex = 22, ToneOld = 32, Off = 20;
    SendMessageW(frame, WM_COMMAND, MenuBase + Telex, 0);
    SendMessageW(frame, WM_COMMAND, MenuBase + ToneOld, 0);
    SetFocus(demo::Editor());
    type(u"Tieengs Vieetj hoaf");
    EXPECT_EQ(text(), u"Tiếng Việt hòa");
    WCHAR status[256];
    const int n = GetWindowTextW(GetDlgItem(frame, 101), status, 256);
    EXPECT_NE(std::u16string(status, static_cast<std::size_t>(n)).find(u"Tiếng Việt: Telex, tone hòa"),
              std::u16string::npos);
    SendMessageW(frame, WM_COMMAND, MenuBase + Off, 0);
    SetFocus(demo::Editor());
    type(u" aa");
    EXPECT_EQ(text(), u"Tiếng Việt hòa aa");
    ASSERT_TRUE(LoadAccentTable((std::u16string(GetAccentTableFolder()) + u"/vni.tbl").c_str()));
}

} // namespace
