// The control's Print: the dialog's choice of pages reaches the printer, one printer page per
// page printed, without the message loop running in between.
#include "e2e/dialog_queue.h"
#include "support/run_command.h"

#include <zeledit/controls.h>
#include <zeledit/format_editor.h>
#include <zeledit/headless.h>
#include <zeledit/print_dialog.h>
#include <zeledit/zeledit.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace zeledit::test {
namespace {

class FormatEditorPrint : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        InitEditorLib();
        parent = CreateWindowExW(0, PanelClassName, u"", WS_VISIBLE, 0, 0, 500, 400, nullptr, nullptr,
                                 nullptr, nullptr);
    }
    void TearDown() override { headless::Reset(); }

    // The first line of `page`, a line being "line N".
    static std::string FirstLineOf(TFormatEditorControl& editor, int page, int lines) {
        for (int i = 0; i < lines; ++i) {
            editor.Characters().SetSelStart(static_cast<std::int32_t>(i * 11)); // "line NNNN" CR LF
            if (editor.CurrentPage() == page) return "line " + std::to_string(i + 1000);
        }
        return {};
    }

    HWND parent = nullptr;
    DialogQueue dialogs;
};

TEST_F(FormatEditorPrint, OddPagesOfARangeArePrintedOnePerPrinterPage) {
    if (!HaveTool("pdfinfo") || !HaveTool("pdftotext"))
        GTEST_SKIP() << "pdfinfo or pdftotext (poppler-utils) is missing";
    TFormatEditorControl editor(parent, {0, 0, 480, 380});
    constexpr int Lines = 300;
    for (int i = 0; i < Lines; ++i)
        editor.Characters().InsertText(u"line " + ToUtf16(std::to_string(i + 1000)) + u"\r\n");
    ASSERT_GE(editor.Pages(), 5);
    const std::string third = FirstLineOf(editor, 3, Lines);
    ASSERT_FALSE(third.empty());
    dialogs.push_back([](HWND d) {
        SendMessageW(GetDlgItem(d, PrintPageRange), BM_CLICK, 0, 0);
        SendMessageW(GetDlgItem(d, PrintFromPage), ZSEM_SETPOS, 1, 0);
        SendMessageW(GetDlgItem(d, PrintToPage), ZSEM_SETPOS, 4, 0);
        SendMessageW(GetDlgItem(d, PrintOddEven), CB_SETCURSEL, 1, 0); // odd pages
        SendMessageW(GetDlgItem(d, IDOK), BM_CLICK, 0, 0);
    });
    const auto pdf = std::filesystem::temp_directory_path() / "format_editor_odd.pdf";
    std::filesystem::remove(pdf);
    ASSERT_TRUE(editor.Print(u"Odd pages", pdf.u16string()));
    EXPECT_FALSE(editor.Printing());
    EXPECT_NE(RunCommand("pdfinfo '" + pdf.string() + "'").find("Pages:           2\n"), std::string::npos);
    const std::string text = RunCommand("pdftotext '" + pdf.string() + "' -");
    const std::size_t second_page = text.find('\f');
    ASSERT_NE(second_page, std::string::npos);
    EXPECT_EQ(text.find("line 1000"), 0u) << "page 1 first";
    EXPECT_NE(text.find(third, second_page), std::string::npos) << "then page 3";
    EXPECT_TRUE(IsWindowEnabled(editor.Handle()));
    std::filesystem::remove(pdf);
}

TEST_F(FormatEditorPrint, CancellingPrintsNothing) {
    TFormatEditorControl editor(parent);
    editor.Characters().InsertText(u"one page");
    dialogs.push_back([](HWND d) { SendMessageW(GetDlgItem(d, IDCANCEL), BM_CLICK, 0, 0); });
    const auto pdf = std::filesystem::temp_directory_path() / "format_editor_cancel.pdf";
    std::filesystem::remove(pdf);
    EXPECT_FALSE(editor.Print(u"Cancelled", pdf.u16string()));
    EXPECT_EQ(dialogs.shown, 1);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_FALSE(editor.Printing());
}

} // namespace
} // namespace zeledit::test
