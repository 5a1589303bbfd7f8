// Links and comments made, changed and removed through their dialogs, then followed with a
// click; the hyperlinks browser choosing and deleting them.
#include "controls/controls.h"
#include "e2e/dialog_queue.h"
#include "e2e/editing_test.h"
#include "engine/editor_internals.h"

#include <zeledit/command_dialogs.h>
#include <zeledit/controls.h>
#include <zeledit/editor_commands.h>
#include <zeledit/headless.h>

#include <deque>
#include <functional>
#include <string>

namespace zeledit::test {
namespace {

namespace hl = zeledit::headless;

class LinkDialogs : public Editing {
protected:
    void SetUp() override {
        Editing::SetUp();
        set_text(u"see the site or the note here");
    }
    void select(std::uint32_t from, std::uint32_t to) {
        SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(from, to));
        SetFocus(editor);
    }
    POINT at(std::uint32_t index) {
        const std::int32_t line = line_of(index);
        const POINT p = engine().GetCharPos(line, index);
        return {p.x - 1, lines().GetLineOnWindow(line) + lines().Line(line)->LineHeight() / 2};
    }
    static void press(HWND d, int id) { SendMessageW(GetDlgItem(d, id), BM_CLICK, 0, 0); }
    // The text of the message box shown next, answered with OK.
    void expect_message(std::u16string& said) {
        queue.push_front([&said](HWND box) {
            for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
                if (GetDlgCtrlID(c) == 0 && !controls::window_text(c).empty())
                    said = controls::window_text(c);
            press(box, IDOK);
        });
    }
    model::THyperLinks& links() { return *Internals(engine()).FLinks; }

    DialogQueue queue;
};

TEST_F(LinkDialogs, ALinkMadeInTheDialogIsFollowedByAClick) {
    std::u16string refused;
    select(8, 12);
    queue.push_back([&](HWND d) {
        EXPECT_EQ(controls::window_text(d), u"Hyper link");
        EXPECT_EQ(controls::window_text(GetDlgItem(d, LinkDisplayed)), u"site");
        expect_message(refused);
        press(d, IDOK); // no target yet
        SetWindowTextW(GetDlgItem(d, LinkTarget), u"https://example.org");
        SendMessageW(GetDlgItem(d, LinkData), ZSEM_SETPOS, 42, 0);
        press(d, IDOK);
    });
    key('H', true, true); // Shift+Ctrl+H
    EXPECT_EQ(refused, u"Please specify a text for the hyperlink!");
    ASSERT_EQ(links().Count(), 1);
    const THyperTextInfo* reported = nullptr;
    host.reset();
    host = std::make_unique<HostRecorder>(editor, [&](UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        if (m == EFN_HYPERLINK) reported = reinterpret_cast<const THyperTextInfo*>(l);
        return std::nullopt;
    });
    SendMessageW(editor, EFM_SETSELTEXT, 0, 0);
    const POINT p = at(10);
    hl::Click(hl::Button::Left, p.x, p.y);
    hl::PumpMessages();
    ASSERT_NE(reported, nullptr);
    EXPECT_STREQ(reported->ikText, "https://example.org");
    EXPECT_EQ(+reported->ikData, 42);

    // At the caret inside the link the dialog opens on it; Remove takes it away.
    SendMessageW(editor, EFM_SETINDEX, 0, 10);
    queue.push_back([](HWND d) {
        EXPECT_EQ(controls::window_text(GetDlgItem(d, LinkTarget)), u"https://example.org");
        press(d, LinkRemoveButton);
    });
    key('H', true, true);
    EXPECT_EQ(links().Count(), 0);
}

TEST_F(LinkDialogs, ACommentIsWrittenInAnEditorOfItsOwnAndKeepsItsFormat) {
    std::u16string refused;
    select(20, 24);
    queue.push_back([&](HWND d) {
        EXPECT_EQ(controls::window_text(d), u"Comments");
        HWND comment = GetDlgItem(d, CommentEditor);
        ASSERT_NE(comment, nullptr);
        expect_message(refused);
        press(d, IDOK); // empty
        SetFocus(comment);
        SendMessageW(comment, WM_COMMAND, EFC_BOLD, 0);
        // (Ctrl is still down from Ctrl+M here, so the text goes in as a host would put it.)
        SendMessageW(comment, EFM_INSERTTEXT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"Ghi chú"));
        press(d, IDOK);
    });
    key('M', false, true); // Ctrl+M
    EXPECT_EQ(refused, u"Please write the comment!");
    ASSERT_EQ(links().Count(), 1);
    const auto* item = links().Item(0);
    ASSERT_TRUE(item->IsComment());
    EXPECT_NE(item->FText->find(u"Ghi chú"), std::u16string::npos);
    EXPECT_NE(item->FText->find(u"~B"), std::u16string::npos); // bold, as format code
    // Opened again, the comment's editor holds it; Cancel changes nothing.
    SendMessageW(editor, EFM_SETINDEX, 0, 22);
    std::u16string shown;
    queue.push_back([&](HWND d) {
        HWND comment = GetDlgItem(d, CommentEditor);
        shown.assign(reinterpret_cast<const char16_t*>(SendMessageW(comment, EFM_GETTEXTBUFFER, 0, 0)));
        press(d, IDCANCEL);
    });
    key('M', false, true);
    EXPECT_EQ(shown, u"Ghi chú");
    EXPECT_EQ(links().Count(), 1);
}

TEST_F(LinkDialogs, NothingToLinkWithoutASelectionOrALink) {
    int opened = 0;
    queue.push_back([&](HWND d) {
        ++opened;
        press(d, IDCANCEL);
    });
    SendMessageW(editor, EFM_SETINDEX, 0, 2);
    key('H', true, true);
    EXPECT_EQ(opened, 0);
    SendMessageW(editor, EFM_DISABLEMODIFY, 0, 0);
    select(0, 3);
    key('H', true, true);
    EXPECT_EQ(opened, 0);
}

TEST_F(LinkDialogs, TheBrowserSelectsAndDeletes) {
    const TInsertHyperLink a{0, 3, "first", 1}, b{8, 12, "second", 2};
    SendMessageW(editor, EFM_INSERTHYPERLINK, 0, reinterpret_cast<LPARAM>(&a));
    SendMessageW(editor, EFM_INSERTHYPERLINK, 0, reinterpret_cast<LPARAM>(&b));
    queue.push_back([this](HWND d) {
        EXPECT_EQ(controls::window_text(d), u"Hyperlinks Browser");
        HWND list = GetDlgItem(d, LinkBrowserList);
        ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
        SendMessageW(list, LB_SETCURSEL, 1, 0);
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(LinkBrowserList, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        EXPECT_EQ(selected(), u"site");
        SendMessageW(list, LB_SETCURSEL, 0, 0);
        press(d, LinkBrowserDelete);
        EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 1);
        press(d, IDCANCEL);
    });
    engine().ExecuteRoutine(81);
    ASSERT_EQ(links().Count(), 1);
    EXPECT_STREQ(links().Item(0)->Info.ikText, "second");
}

TEST_F(LinkDialogs, Pictures) {
    select(8, 12);
    queue.push_back([](HWND d) {
        SetWindowTextW(GetDlgItem(d, LinkTarget), u"https://example.org");
        hl::PumpMessages();
        EXPECT_TRUE(hl::WritePng(d, (::testing::TempDir() + "link-dialog.png").c_str()));
        press(d, IDCANCEL);
    });
    key('H', true, true);
    queue.push_back([](HWND d) {
        hl::PumpMessages();
        EXPECT_TRUE(hl::WritePng(d, (::testing::TempDir() + "comment-dialog.png").c_str()));
        press(d, IDCANCEL);
    });
    key('M', false, true);
}

} // namespace
} // namespace zeledit::test
