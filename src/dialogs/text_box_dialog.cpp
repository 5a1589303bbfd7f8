#include "dialogs/object_kind_dialogs.h"

#include "controls/controls.h"
#include "dialogs/object_dialog.h"
#include "model/device_metrics.h"
#include "objects/caption_text_objects.h"
#include "platform/core/code_page.h"
#include "platform/core/text.h"

#include <zeledit/controls.h>

#include <algorithm>
#include <string>

namespace zeledit::dialogs {
namespace {

// What the last confirmed text box used: the next one starts from it.
TTextInfo& text_defaults() {
    static TTextInfo props = [] {
        TTextInfo p{};
        platform::unicode_to_field(u"Times New Roman", p.tiFormat.ftFaceName);
        p.tiFormat.ftHeight = 12;
        p.tiFormat.ftScale = 100;
        p.tiBackground = RGB(255, 255, 255);
        p.tiFrame = 1;
        return p;
    }();
    return props;
}

class TextBoxDialog : public ObjectDialog {
public:
    TextBoxDialog(const objects::ObjectDialogContext& context, bool inserting, const TObjectInfo& info,
                  const TTextInfo& props, std::u16string content)
        : ObjectDialog(context, u"Textbox Attributes", u"Thuộc tính đối tượng hộp chữ", u"Textbox attributes",
                       {460, 400}),
          info_(info), props_(props), content_(std::move(content)) {
        inserting_ = inserting;
        AddContentPage();
        HWND layout = AddPage(u"Cách bố trí", u"Layout");
        const int y = AddLayout(layout, info_, Layout::AlwaysFloated);
        Add(layout, u"BUTTON", Say(u"Kích cỡ", u"Size"), BS_GROUPBOX, 0, {12, y, 372, y + 56});
        const int most = 4000;
        AddSpin(layout, Say(u"Chiều rộng:", u"Width:"), ObjWidth, {24, y + 22, 160, y + 44}, 0, most,
                info_.oiWidth);
        AddSpin(layout, Say(u"Chiều cao:", u"Height:"), ObjHeight, {196, y + 22, 332, y + 44}, 0, most,
                info_.oiHeight);
    }

    TObjectInfo info_;
    TTextInfo props_;
    std::u16string content_;

private:
    void AddContentPage() {
        HWND page = AddPage(u"Nội dung", u"Content");
        Add(page, u"STATIC", Say(u"Chữ:", u"Text:"), 0, 0, {12, 8, 200, 24});
        HWND text = Add(page, u"EDIT", content_.c_str(),
                        WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                        TextContent, {12, 26, 260, 124});
        SendMessageW(text, ZEM_SETVIETNAMESE, context_.TypesVietnamese ? 1 : 0, 0);
        Add(page, u"STATIC", u"", SS_OWNERDRAW, ObjPreview, {272, 8, 428, 124});

        Add(page, u"STATIC", Say(u"Kiểu khung:", u"Border style:"), SS_CENTERIMAGE, 0, {12, 134, 100, 156});
        HWND styles = Add(page, u"COMBOBOX", u"", CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL, TextBorderStyle,
                          {104, 134, 160, 330});
        for (int i = 1; i <= 10; ++i) {
            const std::u16string name = platform::from_utf8(std::to_string(i));
            SendMessageW(styles, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        }
        SendMessageW(styles, CB_SETCURSEL, props_.tiFrame > 0 ? static_cast<WPARAM>(props_.tiFrame - 1) : -1,
                     0);
        Add(page, u"BUTTON", Say(u"Có khung", u"Border"), BS_AUTOCHECKBOX | WS_TABSTOP, TextBorder,
            {170, 134, 262, 156});
        Check(TextBorder, props_.tiFrame > 0);
        HWND frame = Add(page, ColorPickerClassName, u"", WS_TABSTOP, TextBorderColor, {268, 134, 328, 156});
        SendMessageW(frame, ZCPM_SETCOLOR, props_.tiFrameColor, 0);

        Add(page, u"BUTTON", Say(u"Tô bên trong", u"Filled"), BS_AUTOCHECKBOX | WS_TABSTOP, TextFilled,
            {12, 164, 160, 186});
        Check(TextFilled, props_.tiFill != 0);
        HWND fill = Add(page, ColorPickerClassName, u"", WS_TABSTOP, TextFillColor, {170, 164, 230, 186});
        SendMessageW(fill, ZCPM_SETCOLOR, props_.tiBackground, 0);
        Add(page, u"BUTTON", Say(u"Định dạng", u"Format"), WS_TABSTOP, TextFormat, {338, 162, 428, 188});

        Add(page, u"BUTTON", Say(u" Canh lề ", u" Alignment "), BS_GROUPBOX, 0, {12, 196, 428, 244});
        const LPCWSTR names[4] = {Say(u"Trái", u"Left"), Say(u"Giữa", u"Center"), Say(u"Phải", u"Right"),
                                  Say(u"Đều hai bên", u"Justify")};
        for (int i = 0; i < 4; ++i)
            Add(page, u"BUTTON", names[i], BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
                TextAlignLeft + i, {24 + 100 * i, 216, 120 + 100 * i, 236});
        Check(TextAlignLeft + std::min<int>(props_.tiAlignment, 3), true);
    }

    std::u16string Content() const { return controls::window_text(Item(TextContent)); }

    TTextInfo Props() const {
        TTextInfo p = props_;
        const auto style = SendMessageW(Item(TextBorderStyle), CB_GETCURSEL, 0, 0);
        p.tiFrame = static_cast<std::int16_t>(Checked(TextBorder) && style >= 0 ? style + 1 : 0);
        p.tiFrameColor = static_cast<COLORREF>(SendMessageW(Item(TextBorderColor), ZCPM_GETCOLOR, 0, 0));
        p.tiFill = Checked(TextFilled) ? 1 : 0;
        p.tiBackground = static_cast<COLORREF>(SendMessageW(Item(TextFillColor), ZCPM_GETCOLOR, 0, 0));
        for (int i = 0; i < 4; ++i)
            if (Checked(TextAlignLeft + i)) p.tiAlignment = static_cast<std::uint8_t>(i);
        return p;
    }

    void OnCommand(int id, int code) override {
        if (id == TextFormat && code == BN_CLICKED) EditCharFormat(props_.tiFormat);
        if (id == TextBorderStyle && code == CBN_SELCHANGE) Check(TextBorder, true);
        if (id == TextBorder && code == BN_CLICKED) {
            const bool on = Checked(TextBorder);
            const auto style = SendMessageW(Item(TextBorderStyle), CB_GETCURSEL, 0, 0);
            if (on && style < 0) SendMessageW(Item(TextBorderStyle), CB_SETCURSEL, 0, 0);
            if (!on) SendMessageW(Item(TextBorderStyle), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        }
        if (id == ObjHeight && code == EN_SETFOCUS && SpinValue(ObjWidth) > 0 && SpinValue(ObjHeight) == 0)
            SetSpinValue(ObjHeight,
                         objects::TTextObject::FittingHeight(Props(), Content(), SpinValue(ObjWidth)));
        InvalidateRect(Item(ObjPreview), nullptr, FALSE);
    }

    void OnDrawItem(const DRAWITEMSTRUCT& d) override {
        if (d.CtlID != ObjPreview) return;
        controls::fill_solid(d.hDC, d.rcItem, GetSysColor(COLOR_WINDOW));
        TObjectInfo info = info_;
        info.oiWidth = static_cast<std::uint16_t>(d.rcItem.right - d.rcItem.left);
        info.oiHeight = static_cast<std::uint16_t>(d.rcItem.bottom - d.rcItem.top);
        objects::TTextObject box(context_.EditorInfo, info, Props(), Content());
        box.DrawObject(d.hDC, d.rcItem.left, false, 0, d.rcItem.top);
    }

    bool OnOK() override {
        const int width = SpinValue(ObjWidth), height = SpinValue(ObjHeight);
        if (width < 16 || height < 16) {
            ShowMessageBox(u"Please specify the width and the height of textbox!", mkWarning, mbOK);
            return false;
        }
        if (!MarginsFit(width * model::DotPerInchX / model::RefDotPerInchX)) return false;
        ReadLayout(info_);
        info_.oiWidth = static_cast<std::uint16_t>(width);
        info_.oiHeight = static_cast<std::uint16_t>(height);
        info_.oiFloated = 1;
        info_.oiLink = 0;
        std::fill(std::begin(info_.oiIDText), std::end(info_.oiIDText), '\0');
        info_.oiData = 0;
        props_ = Props();
        content_ = Content();
        text_defaults() = props_;
        return true;
    }
};

} // namespace

std::unique_ptr<objects::TObjectItem> CreateTextBox(const objects::ObjectDialogContext& context) {
    TObjectInfo info = objects::DefaultObjectInfo();
    info.oiStyle = objects::osText;
    info.oiID = context.ID;
    info.oiFloated = 1;
    TextBoxDialog dialog(context, true, info, text_defaults(), u"");
    if (!dialog.Run()) return nullptr;
    return std::make_unique<objects::TTextObject>(context.EditorInfo, dialog.info_, dialog.props_,
                                                  std::move(dialog.content_));
}

bool ChangeTextBox(const objects::ObjectDialogContext& context, objects::TTextObject& box) {
    TextBoxDialog dialog(context, false, box.Info, box.FProps, box.FContent);
    if (!dialog.Run()) return false;
    box.SetProperties(dialog.info_, dialog.props_, std::move(dialog.content_));
    return true;
}

} // namespace zeledit::dialogs
