// The formatting commands that open a dialog: font, paragraph, tabs, borders and bullet,
// and the editing of a table entry in place.
#include "engine/format_dialogs.h"
#include "engine/format_editor.h"
#include "engine/notifications.h"

#include <algorithm>
#include <string>

namespace zeledit::engine {
namespace {

constexpr std::int32_t TemplateDocument = 0x602;

} // namespace

FormatDialogContext TFormatEditor::FormatContext() {
    FormatDialogContext c;
    c.Owner = HWindow;
    c.Language = FSettings.FLanguage;
    c.Back = FSettings.FBackColor;
    c.Highlight = FSettings.FHighColor;
    c.Shadow = FSettings.FShadColor;
    c.ColorStyle = FSettings.FColorStyle;
    c.Unit = &FSettings.Measurement;
    return c;
}

int TFormatEditor::PreviewWidth() const {
    return std::max<int>(edInfo.eiBoundRect.right - edInfo.eiBoundRect.left, 1);
}

std::u16string TFormatEditor::FontSample() const {
    if (!edInfo.eiSelecting) return {};
    char16_t text[40] = {};
    GetSelText(text, 40);
    std::u16string sample(text);
    while (!sample.empty() && (sample.back() == 1 || sample.back() == 10 || sample.back() == 13))
        sample.pop_back();
    const auto stop = sample.find_first_of(std::u16string_view(u"\x01\n\r", 3));
    return sample.substr(0, stop);
}

void TFormatEditor::FormatFont() {
    FormatDialogs* dialogs = InstalledFormatDialogs();
    if (dialogs == nullptr) return;
    const std::int32_t Base = edInfo.eiSelecting ? FormatIDAt(edInfo.eiSelStart) : 0;
    if (edInfo.eiEditorType == TemplateDocument) {
        TCharFormat chosen = FInput.TypingFont();
        if (dialogs->QuickFont(FormatContext(), *FFonts, chosen, FontSample())) {
            if (edInfo.eiSelecting)
                ApplyFont(Base, chosen);
            else
                SetPendingFont(chosen);
        }
        SetFocus(HWindow);
        return;
    }
    if (Base >= FFonts->Count()) return;
    const TCharFormat start =
        edInfo.eiSelecting ? FFonts->GetFormatItem(Base)->FAttributes : FInput.TypingFont();
    model::TFontTypeEx font = model::FontTypeOf(start);
    const bool hot_link = (FSettings.FEditStyle & 0x800) != 0;
    if (dialogs->Font(FormatContext(), font, FontSample(), hot_link)) {
        const TCharFormat result = model::CharFormatOf(font);
        if (edInfo.eiSelecting)
            ApplyFont(Base, result);
        else
            SetPendingFont(result);
    }
    SetFocus(HWindow);
}

void TFormatEditor::FormatPara() {
    FormatDialogs* dialogs = InstalledFormatDialogs();
    if (dialogs == nullptr) return;
    const std::uint32_t at =
        std::min(edInfo.eiSelecting ? edInfo.eiSelStart : edInfo.eiIndex, FBuffer->TextLength());
    const std::uint8_t id = FParas->GetParaAttr(at);
    TParaFormat format = FParas->GetFormatItem(id)->FAttributes;
    if (edInfo.eiEditorType == TemplateDocument) {
        if (dialogs->QuickParagraph(FormatContext(), *FParas, format, PreviewWidth()))
            ApplyPara(id, format, true);
        SetFocus(HWindow);
        return;
    }
    const std::uint8_t before = FParas->GetParaAlign(at);
    std::uint8_t alignment = before;
    if (dialogs->Paragraph(FormatContext(), format, alignment)) {
        ApplyPara(id, format, true);
        if (alignment != before) SetAlignment(alignment);
    }
    SetFocus(HWindow);
}

void TFormatEditor::FormatTabs() {
    FormatDialogs* dialogs = InstalledFormatDialogs();
    if (dialogs == nullptr || edInfo.eiEditorType == TemplateDocument) return;
    TTabArray tabs = GetSelParaFormat().ptTabs;
    if (dialogs->Tabs(FormatContext(), tabs)) ApplyTab(tabs);
    SetFocus(HWindow);
}

void TFormatEditor::FormatBorder() {
    FormatDialogs* dialogs = InstalledFormatDialogs();
    if (dialogs == nullptr || edInfo.eiEditorType == TemplateDocument) return;
    TBorder border = GetSelParaFormat().ptBorder;
    if (dialogs->Border(FormatContext(), border)) ApplyBorder(border);
    SetFocus(HWindow);
}

void TFormatEditor::FormatBullet() {
    FormatDialogs* dialogs = InstalledFormatDialogs();
    if (dialogs == nullptr || edInfo.eiEditorType == TemplateDocument) return;
    TParaFormat format = GetSelParaFormat();
    TBullet bullet = format.ptBullet;
    if (dialogs->Bullet(FormatContext(), bullet)) {
        format.ptBullet = bullet;
        // A bullet taken away leaves the indents as they were.
        if (bullet.blPresent != 0) {
            const double indent = bullet.blIndent; // packed: read by value
            format.ptIndent.inFirst = bullet.blHanging != 0 ? -indent : indent;
            if (bullet.blHanging != 0) format.ptIndent.inLeft = indent;
        }
        FSettings.LastBullet = bullet;
        ApplyPara(0, format, false);
    }
    SetFocus(HWindow);
}

void TFormatEditor::ModifyFormat() {
    FormatDialogs* dialogs = InstalledFormatDialogs();
    if (dialogs == nullptr || !FSettings.CanModify) return;
    const std::int32_t top = FLines->FTopLine;
    const ReviewInfo info{FSettings.FEditStyle, edInfo.eiEditorType, PreviewWidth()};
    std::int32_t choice = -1;
    if (dialogs->Review(FormatContext(), *FFonts, *FParas, info, choice)) {
        if (choice >= 256)
            ApplyParaFast(choice - 256);
        else
            ApplyFontFast(choice);
    }
    // The dialog may have edited or deleted entries whether or not it applied one.
    NotifyChanged(*this);
    FLines->SetTopLine(std::min(top, FLines->LastIndex()));
    InvalidateRect(HWindow, nullptr, FALSE);
    SetFocus(HWindow);
    UpdateCaret();
    Notify(HWindow, EFN_FORMATCHANGED);
}

void TFormatEditor::ModifyFormatFont(std::int32_t ID) {
    FormatDialogs* dialogs = InstalledFormatDialogs();
    if (dialogs == nullptr || ID < 0 || ID >= FFonts->Count()) return;
    model::TFontTypeEx font{};
    FFonts->GetFormatItem(ID)->GetAttrToStdType(font);
    if (!dialogs->Font(FormatContext(), font, {}, (FSettings.FEditStyle & 0x800) != 0)) return;
    FFonts->ResetFormat(ID, model::CharFormatOf(font));
    Refresh();
}

void TFormatEditor::ModifyFormatPara(std::int32_t ID) {
    FormatDialogs* dialogs = InstalledFormatDialogs();
    if (dialogs == nullptr || ID < 0 || ID >= FParas->Count()) return;
    TParaFormat format = FParas->GetFormatItem(ID)->FAttributes;
    std::uint8_t alignment = format.ptAlign; // the paragraphs keep their own alignment
    if (!dialogs->Paragraph(FormatContext(), format, alignment)) return;
    FParas->ResetFormat(ID, format);
    Refresh();
}

} // namespace zeledit::engine
