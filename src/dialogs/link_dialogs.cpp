#include "dialogs/link_dialogs.h"

#include "dialogs/form_dialog.h"
#include "platform/core/code_page.h"

#include <zeledit/command_dialogs.h>
#include <zeledit/controls.h>
#include <zeledit/zeledit.h>

#include <limits>
#include <string>

namespace zeledit::dialogs {
namespace {

FormatCodeText& converters() {
    static FormatCodeText c;
    return c;
}

std::u16string TextOf(HWND w) {
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(w)) + 1, u'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(w, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The frame both dialogs share: the displayed text above, OK, Cancel and Remove below.
class LinkFrame : public FormDialog {
protected:
    LinkFrame(HWND owner, LPCWSTR title, const std::u16string& displayed, SIZE size)
        : FormDialog(owner, 1, title, title, title, size) {
        if (window_ == nullptr) return;
        Add(u"STATIC", u"Displayed text:", SS_CENTERIMAGE, 0, {12, 32, 110, 52});
        Add(u"STATIC", displayed.c_str(), SS_SUNKEN | SS_CENTERIMAGE | SS_NOPREFIX, LinkDisplayed,
            {112, 32, size.cx - 12, 52});
        const int y = size.cy - 38, right = size.cx - 12;
        Add(u"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {right - 246, y, right - 170, y + 26});
        Add(u"BUTTON", u"Cancel", WS_TABSTOP | ZBS_CANCEL, IDCANCEL, {right - 164, y, right - 88, y + 26});
        Add(u"BUTTON", u"Remove", WS_TABSTOP, LinkRemoveButton, {right - 76, y, right, y + 26});
    }
    void OnCommand(int id, int) override {
        if (id == LinkRemoveButton) End(engine::LinkRemove);
    }
};

class TLinkDlg final : public LinkFrame {
public:
    TLinkDlg(HWND owner, engine::LinkEdit& link)
        : LinkFrame(owner, u"Hyper link", link.Displayed, {420, 168}), link_(link) {
        if (window_ == nullptr) return;
        Add(u"STATIC", u"&Text:", SS_CENTERIMAGE, 0, {12, 60, 110, 82});
        HWND target = Add(u"EDIT", link.Target.c_str(), WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, LinkTarget,
                          {112, 60, 408, 82});
        SendMessageW(target, EM_LIMITTEXT, 255, 0);
        AddSpin(window_, u"&Data:", LinkData, {12, 90, 200, 112}, std::numeric_limits<std::int16_t>::min(),
                std::numeric_limits<std::int16_t>::max(), link.Data, 98);
    }

private:
    void OnInit() override { SetFocus(Item(LinkTarget)); }
    bool OnOK() override {
        const std::u16string target = TextOf(Item(LinkTarget));
        if (target.empty()) {
            ShowMessageBox(u"Please specify a text for the hyperlink!", mkWarning, mbOK);
            SetFocus(Item(LinkTarget));
            return false;
        }
        link_.Target = target.substr(0, 255);
        link_.Data = static_cast<std::int16_t>(SpinValue(LinkData));
        return true;
    }
    engine::LinkEdit& link_;
};

class TCommentFrm final : public LinkFrame {
public:
    TCommentFrm(HWND owner, engine::LinkEdit& link)
        : LinkFrame(owner, u"Comments", link.Displayed, {440, 300}), link_(link) {
        if (window_ == nullptr) return;
        Add(u"STATIC", u"Comment:", SS_CENTERIMAGE, 0, {12, 60, 110, 78});
        editor_ = CreateWindowExW(
            0, FormattedEditorClassName, u"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, 12, 80, 416,
            172, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(CommentEditor)), nullptr, nullptr);
        if (editor_ != nullptr && converters().Set != nullptr) converters().Set(editor_, link.Comment);
    }

private:
    void OnInit() override { SetFocus(editor_); }
    bool OnOK() override {
        const std::u16string comment =
            editor_ != nullptr && converters().Get != nullptr ? converters().Get(editor_) : u"";
        if (comment.empty()) {
            ShowMessageBox(u"Please write the comment!", mkWarning, mbOK);
            SetFocus(editor_);
            return false;
        }
        link_.Comment = comment;
        return true;
    }
    engine::LinkEdit& link_;
    HWND editor_ = nullptr;
};

class TLinkBrowser final : public FormDialog {
public:
    TLinkBrowser(HWND owner, const engine::LinkBrowsing& browsing)
        : FormDialog(owner, 1, u"Hyperlinks Browser", u"Hyperlinks Browser", u"Hyperlinks Browser",
                     {400, 300}),
          browsing_(browsing) {
        if (window_ == nullptr) return;
        Add(u"STATIC", u"&Hyperlinks:", SS_CENTERIMAGE, 0, {12, 30, 300, 48});
        HWND list = Add(u"LISTBOX", u"", WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, LinkBrowserList,
                        {12, 50, 300, 288});
        for (std::int32_t i = 0; i < browsing.Links->Count(); ++i) {
            const std::u16string target = platform::field_to_unicode(browsing.Links->Item(i)->Info.ikText);
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(target.c_str()));
        }
        Add(u"BUTTON", u"Delete", WS_TABSTOP, LinkBrowserDelete, {310, 50, 388, 76});
        Add(u"BUTTON", u"Close", BS_DEFPUSHBUTTON | WS_TABSTOP | ZBS_CANCEL, IDCANCEL, {310, 262, 388, 288});
    }

private:
    void OnInit() override { SetFocus(Item(LinkBrowserList)); }
    void OnCommand(int id, int code) override {
        HWND list = Item(LinkBrowserList);
        const auto at = SendMessageW(list, LB_GETCURSEL, 0, 0);
        if (at < 0 || at >= browsing_.Links->Count()) return;
        const auto index = static_cast<std::int32_t>(at);
        if (id == LinkBrowserList && code == LBN_SELCHANGE) {
            const auto& info = browsing_.Links->Item(index)->Info;
            if (browsing_.Select) browsing_.Select(info.ikStart, info.ikEnd);
        } else if (id == LinkBrowserDelete) {
            browsing_.Links->FreeItem(browsing_.Links->Item(index));
            SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(at), 0);
        }
    }
    const engine::LinkBrowsing& browsing_;
};

} // namespace

void SetFormatCodeText(FormatCodeText c) { converters() = c; }

namespace {

// The link changes only on OK.
template <class Dialog> int Ask(HWND owner, engine::LinkEdit& link) {
    engine::LinkEdit edited = link;
    Dialog dialog(owner, edited);
    const int answer = dialog.Run();
    if (answer == IDOK) link = edited;
    return answer;
}

} // namespace

int AskHyperLink(HWND owner, engine::LinkEdit& link) { return Ask<TLinkDlg>(owner, link); }

int AskComment(HWND owner, engine::LinkEdit& link) { return Ask<TCommentFrm>(owner, link); }

void BrowseHyperLinks(HWND owner, const engine::LinkBrowsing& browsing) {
    if (browsing.Links == nullptr) return;
    TLinkBrowser dialog(owner, browsing);
    dialog.Run();
}

} // namespace zeledit::dialogs
