#include "controls/controls.h"
#include "dialogs/object_dialog.h"
#include "dialogs/object_kind_dialogs.h"
#include "dialogs/object_preview.h"
#include "model/device_metrics.h"
#include "objects/caption_text_objects.h"
#include "platform/core/code_page.h"
#include "platform/gdi/scoped_gdi.h"

#include <zeledit/controls.h>

#include <string>
#include <vector>

namespace zeledit::dialogs {
namespace {

constexpr int Columns = 20, Cell = 18;

// What the map offers: printable ASCII and Latin-1 letters, then the Vietnamese ones.
const std::vector<char16_t>& MapCharacters() {
    static const std::vector<char16_t> characters = [] {
        std::vector<char16_t> c;
        for (char16_t ch = 0x21; ch <= 0x7E; ++ch) c.push_back(ch);
        for (char16_t ch = 0xC0; ch <= 0xFF; ++ch) c.push_back(ch);
        for (char16_t ch : {u'Ă', u'ă', u'Đ', u'đ', u'Ĩ', u'ĩ', u'Ũ', u'ũ', u'Ơ', u'ơ', u'Ư', u'ư'})
            c.push_back(ch);
        for (char16_t ch = 0x1EA0; ch <= 0x1EF9; ++ch) c.push_back(ch);
        return c;
    }();
    return characters;
}

TCaptionInfoW DefaultCaption() {
    TCaptionInfoW p{};
    p.ciText = u'A';
    platform::unicode_to_field(u"Times New Roman", p.ciFormat.ftFaceName);
    p.ciFormat.ftHeight = 20;
    p.ciFormat.ftShadColor = RGB(128, 128, 128);
    p.ciFormat.ftScale = 100;
    p.ciBackground = RGB(255, 255, 255);
    p.ciTransparent = 1;
    return p;
}

class CaptionDialog : public ObjectDialog {
public:
    CaptionDialog(const objects::ObjectDialogContext& context, bool inserting, const TObjectInfo& info,
                  const TCaptionInfoW& props)
        : ObjectDialog(context, u"Caption Object Properties", u"Đặc tính chữ đầu đoạn", u"Caption attributes",
                       {560, 400}),
          info_(info), props_(props) {
        inserting_ = inserting;
        HWND page = AddPage(u"Chữ đầu đoạn", u"Caption");
        Add(page, u"STATIC", Say(u"Chọn một ký tự:", u"Choose a character:"), 0, 0, {12, 6, 300, 22});
        const int rows = static_cast<int>((MapCharacters().size() + Columns - 1) / Columns);
        Add(page, u"STATIC", u"", SS_OWNERDRAW | SS_NOTIFY, CapMap,
            {12, 26, 12 + Columns * Cell + 1, 26 + rows * Cell + 1});
        const char16_t text[2] = {props_.ciText, 0};
        HWND typed = Add(page, u"EDIT", text, WS_BORDER | WS_TABSTOP, CapCharacter, {384, 26, 420, 50});
        SendMessageW(typed, EM_LIMITTEXT, 1, 0);
        SendMessageW(typed, ZEM_SETVIETNAMESE, context.TypesVietnamese ? 1 : 0, 0);
        Add(page, u"BUTTON", Say(u"Chọn", u"Select"), WS_TABSTOP, CapSelect, {426, 25, 528, 51});
        Add(page, u"BUTTON", Say(u"Định dạng", u"Format"), WS_TABSTOP, CapFormat, {384, 58, 528, 84});
        Add(page, u"STATIC", Say(u"Màu:", u"Color:"), SS_CENTERIMAGE, 0, {384, 92, 440, 114});
        HWND color = Add(page, ColorPickerClassName, u"", WS_TABSTOP, CapColor, {444, 92, 504, 114});
        SendMessageW(color, ZCPM_SETCOLOR, props_.ciBackground, 0);
        Add(page, u"BUTTON", Say(u"Trong suốt", u"Transparent"), BS_AUTOCHECKBOX | WS_TABSTOP, CapTransparent,
            {384, 120, 528, 140});
        Check(CapTransparent, props_.ciTransparent != 0);
        Add(page, u"STATIC", u"", SS_OWNERDRAW, ObjPreview, {384, 148, 528, 280});
        AddLayout(AddPage(u"Cách bố trí", u"Layout"), info_, Layout::MarginsOnly);
    }

    TObjectInfo info_;
    TCaptionInfoW props_;

private:
    TCaptionInfoW Props() const {
        TCaptionInfoW p = props_;
        p.ciBackground = static_cast<COLORREF>(SendMessageW(Item(CapColor), ZCPM_GETCOLOR, 0, 0));
        p.ciTransparent = Checked(CapTransparent) ? 1 : 0;
        return p;
    }

    void Pick(char16_t c) {
        if (c == 0) return;
        props_.ciText = c;
        const char16_t shown[2] = {c, 0};
        SetWindowTextW(Item(CapCharacter), shown);
        InvalidateRect(Item(CapMap), nullptr, FALSE);
    }

    void PickUnderMouse() {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(Item(CapMap), &p);
        if (p.x < 0 || p.y < 0 || p.x >= Columns * Cell) return;
        const auto& chars = MapCharacters();
        const std::size_t index =
            static_cast<std::size_t>(p.y / Cell) * Columns + static_cast<std::size_t>(p.x / Cell);
        if (index < chars.size()) Pick(chars[index]);
    }

    void OnCommand(int id, int code) override {
        if (id == CapMap && code == STN_CLICKED) PickUnderMouse();
        if (id == CapFormat && code == BN_CLICKED && EditCharFormat(props_.ciFormat))
            InvalidateRect(Item(CapMap), nullptr, FALSE); // the map shows the face
        if (id == CapSelect && code == BN_CLICKED) {
            char16_t text[2] = {};
            GetWindowTextW(Item(CapCharacter), text, 2);
            Pick(text[0]);
        }
        InvalidateRect(Item(ObjPreview), nullptr, FALSE);
    }

    void DrawMap(const DRAWITEMSTRUCT& d) const {
        controls::fill_solid(d.hDC, d.rcItem, GetSysColor(COLOR_WINDOW));
        LOGFONTW lf{};
        lf.lfHeight = -(Cell - 5);
        const std::u16string face = platform::field_to_unicode(props_.ciFormat.ftFaceName);
        face.copy(lf.lfFaceName, std::min<std::size_t>(face.size(), LF_FACESIZE - 1));
        const platform::UniqueGdi<HFONT> font(CreateFontIndirectW(&lf));
        const platform::SelectedObject with(d.hDC, font.get());
        const platform::UniqueGdi<HBRUSH> grid(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
        SetBkMode(d.hDC, TRANSPARENT);
        const auto& chars = MapCharacters();
        for (std::size_t i = 0; i < chars.size(); ++i) {
            const int x = static_cast<int>(i % Columns) * Cell, y = static_cast<int>(i / Columns) * Cell;
            RECT cell{x, y, x + Cell + 1, y + Cell + 1};
            const bool chosen = chars[i] == props_.ciText;
            if (chosen) controls::fill_solid(d.hDC, cell, GetSysColor(COLOR_HIGHLIGHT));
            SetTextColor(d.hDC, GetSysColor(chosen ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            DrawTextW(d.hDC, &chars[i], 1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            FrameRect(d.hDC, &cell, grid.get());
        }
    }

    void OnDrawItem(const DRAWITEMSTRUCT& d) override {
        if (d.CtlID == CapMap) return DrawMap(d);
        if (d.CtlID != ObjPreview) return;
        objects::TCaptionObject caption(context_.EditorInfo, info_, Props());
        DrawPreview(d, &caption, false);
    }

    bool OnOK() override {
        const objects::TCaptionObject measured(context_.EditorInfo, info_, Props());
        if (!MarginsFit(measured.FOriginWidth)) return false;
        ReadLayout(info_);
        props_ = Props();
        return true;
    }
};

} // namespace

std::unique_ptr<objects::TObjectItem> CreateCaption(const objects::ObjectDialogContext& context) {
    TObjectInfo info = objects::DefaultObjectInfo();
    info.oiStyle = objects::osCaption;
    info.oiID = context.ID;
    info.oiFloated = 1;
    info.oiWrapText = 1;
    CaptionDialog dialog(context, true, info, DefaultCaption());
    if (!dialog.Run()) return nullptr;
    return std::make_unique<objects::TCaptionObject>(context.EditorInfo, dialog.info_, dialog.props_);
}

bool ChangeCaption(const objects::ObjectDialogContext& context, objects::TCaptionObject& caption) {
    CaptionDialog dialog(context, false, caption.Info, caption.FProps);
    if (!dialog.Run()) return false;
    const std::uint8_t id = caption.Info.oiID;
    caption.Info = dialog.info_;
    caption.Info.oiID = id;
    caption.FProps = dialog.props_;
    caption.Measure();
    return true;
}

} // namespace zeledit::dialogs
