#include "model/editor_fonts.h"

#include "model/device_metrics.h"
#include "model/editor_buffer.h"
#include "model/format_conversion.h"
#include "model/format_descriptions.h"
#include "platform/core/code_page.h"
#include "platform/graphics_support/graphics_support.h"
#include "platform/user/window_dc.h"

#include <zeledit/editor_messages.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <strings.h>

namespace zeledit::model {
namespace {

constexpr COLORREF default_shadow = 0xC0C0C0;

std::u16string face_of(const TCharFormat& f) { return platform::field_to_unicode(f.ftFaceName); }

COLORREF mono(COLORREF c) {
    const int luminance = RoundNearest(0.30 * GetRValue(c) + 0.59 * GetGValue(c) + 0.11 * GetBValue(c));
    return luminance >= 128 ? 0xFFFFFF : 0;
}

} // namespace

void CopyFaceName(char* to, std::size_t to_size, const char* from, std::size_t from_size) {
    const std::size_t n = std::min(strnlen(from, from_size), to_size - 1);
    std::memcpy(to, from, n);
    std::memset(to + n, 0, to_size - n);
}

// The logical font of a format, heights in device pixels at the current resolution.
TFontTypeEx FontTypeOf(const TCharFormat& f) {
    TFontTypeEx lf{};
    const std::u16string face = face_of(f);
    std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), lf.StdFont.lfFaceName);
    lf.StdFont.lfHeight = -RoundNearest(DotPerInchY * double(f.ftHeight) / 72);
    lf.StdFont.lfWeight = (f.ftAttr & 1) ? FW_BOLD : FW_NORMAL;
    lf.StdFont.lfItalic = (f.ftAttr & 2) ? 1 : 0;
    lf.StdFont.lfUnderline = static_cast<BYTE>(f.ftUnderline);
    lf.StdFont.lfStrikeOut = static_cast<BYTE>(f.ftStrikethrough);
    lf.lfColor = static_cast<std::int32_t>(f.ftColor);
    lf.lfShadow = f.ftShadow;
    lf.lfShadColor = static_cast<std::int32_t>(f.ftShadColor);
    lf.lfScale = f.ftScale;
    lf.lfScript = f.ftScript;
    lf.lfHotLink = (f.ftAttr & 8) ? 1 : 0;
    lf.lfUnderlineColor = f.ftUnderlineColor;
    lf.lfStrikeColor = f.ftStrikeColor;
    return lf;
}

TCharFormat CharFormatOf(const TFontTypeEx& Lf) {
    TCharFormat f{};
    std::size_t n = 0;
    while (n < LF_FACESIZE && Lf.StdFont.lfFaceName[n] != 0) ++n;
    const std::string face = platform::from_unicode({Lf.StdFont.lfFaceName, n});
    CopyFaceName(f.ftFaceName, sizeof f.ftFaceName, face.c_str(), face.size() + 1);
    f.ftHeight = static_cast<std::int16_t>(std::clamp<std::int64_t>(
        -std::int64_t{RoundNearest(Lf.StdFont.lfHeight * 72.0 / DotPerInchY)}, -32768, 32767));
    f.ftAttr = static_cast<std::uint8_t>((Lf.StdFont.lfWeight == FW_BOLD ? 1 : 0) |
                                         (Lf.StdFont.lfItalic ? 2 : 0) | (Lf.lfHotLink ? 8 : 0));
    f.ftUnderline = Lf.StdFont.lfUnderline;
    f.ftStrikethrough = Lf.StdFont.lfStrikeOut;
    f.ftColor = static_cast<COLORREF>(Lf.lfColor);
    f.ftShadow = static_cast<std::int16_t>(Lf.lfShadow);
    f.ftShadColor = Lf.lfShadow != 0 ? static_cast<COLORREF>(Lf.lfShadColor) : default_shadow;
    f.ftScale = static_cast<std::int16_t>(Lf.lfScale);
    f.ftScript = static_cast<std::int16_t>(Lf.lfScript);
    f.ftUnderlineColor = Lf.lfUnderlineColor;
    f.ftStrikeColor = Lf.lfStrikeColor;
    return f;
}

TFontItem::TFontItem(const TFontTypeEx& Lf) : FAttributes(CharFormatOf(Lf)) { MakeFont(); }

TFontItem::TFontItem(const TCharFormat& AF) : FAttributes(AF) {
    CopyFaceName(FAttributes.ftFaceName, sizeof FAttributes.ftFaceName, AF.ftFaceName, sizeof AF.ftFaceName);
    MakeFont();
}

TFontItem::TFontItem(const TCharFormat2& AF) : TFontItem(ConvertCharFormat(AF)) {}
TFontItem::TFontItem(const TCharFormat3& AF) : TFontItem(ConvertCharFormat(AF)) {}

TFontItem::~TFontItem() { DeleteObject(FFontHandle); }

void TFontItem::MakeFont(HDC dc) {
    DeleteObject(FFontHandle);
    FFontHandle = nullptr;
    std::optional<platform::WindowDC> screen;
    if (dc == nullptr) screen.emplace(nullptr);
    HDC use = dc != nullptr ? dc : screen->get();
    TCharFormat& f = FAttributes;
    LOGFONTW lf;
    const std::u16string face = face_of(f);
    platform::GetFont(use, &lf, face.c_str(), f.ftHeight, (f.ftAttr & 1) ? FW_BOLD : 0, (f.ftAttr & 2) != 0,
                      0);
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = -RoundNearest(DotPerInchY * double(f.ftHeight) / 72);
    lf.lfWidth = 0;
    if (f.ftScript != 0) lf.lfHeight = RoundNearest(2.0 * lf.lfHeight / 3);
    HFONT probe = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(use, probe);
    TEXTMETRICW tm{};
    GetTextMetricsW(use, &tm);
    SelectObject(use, old);
    DeleteObject(probe);
    FFontHeight = static_cast<std::int16_t>(tm.tmHeight + tm.tmExternalLeading);
    if (f.ftScale == 0) f.ftScale = 100;
    lf.lfWidth = f.ftScale == 100 ? 0 : RoundNearest(f.ftScale / 100.0 * tm.tmAveCharWidth);
    ftPosition = static_cast<std::int16_t>(f.ftScript < 0   ? tm.tmHeight / 4
                                           : f.ftScript > 0 ? -(tm.tmHeight / 2)
                                                            : 0);
    FFontHandle = CreateFontIndirectW(&lf);
}

bool TFontItem::CompareWith(const TFontItem& Font) const {
    return SameCharFormat(FAttributes, Font.FAttributes);
}
bool TFontItem::CompareWithAttr(const TCharFormat& Font) const { return SameCharFormat(FAttributes, Font); }

void TFontItem::ResetFont(const TCharFormat& NewFormat) {
    FAttributes = NewFormat;
    if (FAttributes.ftShadow == 0) FAttributes.ftShadColor = default_shadow;
    MakeFont();
}

void TFontItem::ReCreateFont(HDC dc) { MakeFont(dc); }

void TFontItem::GetAttrToStdType(TFontTypeEx& f) const { f = FontTypeOf(FAttributes); }

void TFontItem::ChangeFontSize(std::int16_t OldSize, std::int16_t NewSize) {
    if (FAttributes.ftHeight != OldSize) return;
    TCharFormat f = FAttributes;
    f.ftHeight = NewSize;
    ResetFont(f);
}

void TFontItem::ChangeFontName(const TChangeFont& Rec) {
    char old_name[sizeof Rec.OldName + 1];
    CopyFaceName(old_name, sizeof old_name, Rec.OldName, sizeof Rec.OldName);
    if (strncasecmp(FAttributes.ftFaceName, old_name, sizeof old_name) != 0) return;
    if (Rec.OldSize > 0 && FAttributes.ftHeight != Rec.OldSize) return;
    TCharFormat f = FAttributes;
    CopyFaceName(f.ftFaceName, sizeof f.ftFaceName, Rec.NewName, sizeof Rec.NewName);
    auto flag = [&](std::int32_t value, std::uint8_t bit) {
        if (value >= 0)
            f.ftAttr = static_cast<std::uint8_t>(value > 0 ? (f.ftAttr | bit) : (f.ftAttr & ~bit));
    };
    flag(Rec.Bold, 1);
    flag(Rec.Italic, 2);
    if (Rec.Underline >= 0)
        f.ftUnderline = static_cast<std::uint16_t>(Rec.Underline), f.ftUnderlineColor = Rec.UnderlineColor;
    if (Rec.Strikethrough >= 0)
        f.ftStrikethrough = static_cast<std::uint16_t>(Rec.Strikethrough), f.ftStrikeColor = Rec.StrikeColor;
    if (Rec.Size > 0) f.ftHeight = static_cast<std::int16_t>(std::min(Rec.Size, 32767));
    ResetFont(f);
}

void TFontItem::EnlargeReduceSize(int AInc) {
    TCharFormat f = FAttributes;
    f.ftHeight = ShiftedPoints(f.ftHeight, AInc);
    ResetFont(f);
}

void TFontItem::Monochrome() {
    FAttributes.ftColor = mono(FAttributes.ftColor);
    FAttributes.ftShadColor = mono(FAttributes.ftShadColor);
    FAttributes.ftUnderlineColor = mono(FAttributes.ftUnderlineColor);
    FAttributes.ftStrikeColor = mono(FAttributes.ftStrikeColor);
}

void TEditorFonts::CreateDefaultFont() {
    TFontTypeEx lf{};
    std::memcpy(lf.StdFont.lfFaceName, u"Times New Roman", sizeof(u"Times New Roman"));
    lf.StdFont.lfHeight = -15;
    lf.StdFont.lfWeight = FW_NORMAL;
    lf.lfShadColor = static_cast<std::int32_t>(default_shadow);
    lf.lfScale = 100;
    Append(new TFontItem(lf));
}

std::uint8_t TEditorFonts::SearchFont(const TCharFormat& f) {
    if (const std::int32_t found = GetCompatibleFont(f); found >= 0) return static_cast<std::uint8_t>(found);
    // A full table, like a table fixed by a template, maps a new format to its last entry.
    const bool fixed = EditorInfo != nullptr && EditorInfo->eiEditorType == 0x602;
    if (fixed || Count() >= MaxFormats) return static_cast<std::uint8_t>(std::max(Count() - 1, 0));
    Append(new TFontItem(FontTypeOf(f)));
    FormatsChanged();
    return static_cast<std::uint8_t>(Count() - 1);
}

std::int32_t TEditorFonts::AppendFormat(const TCharFormat& f) {
    if (Count() >= MaxFormats) return -1;
    Append(new TFontItem(f));
    FormatsChanged();
    return Count() - 1;
}

std::int32_t TEditorFonts::AddFontFormat(const TCharFormat* f) {
    if (f == nullptr) return 0;
    const std::int32_t found = GetCompatibleFont(*f);
    return found >= 0 ? found : SearchFont(*f);
}

std::int32_t TEditorFonts::GetFormat(std::int32_t ItemIndex, const TCharFormat& Format) {
    if (const std::int32_t found = GetCompatibleFont(Format); found >= 0) return found;
    // An index outside the table takes the adding path: entry 0 must not change for it.
    if (ItemIndex < 0 || ItemIndex >= Count() || OtherUseFont(ItemIndex)) return SearchFont(Format);
    GetFormatItem(ItemIndex)->ResetFont(Format);
    FormatsChanged();
    return ItemIndex;
}

bool TEditorFonts::OtherUseFont(std::int32_t fnt) const {
    if (EditorInfo == nullptr || EditorInfo->eiEditorType == 0x602) return true;
    const TEditorBuffer* b = EditorInfo->eiBuffers;
    if (b == nullptr) return false;
    const std::uint32_t length = b->TextLength();
    std::uint32_t lo = length + 1, hi = length + 1; // no selection: every position counts
    if (EditorInfo->eiSelecting) {
        lo = std::min(EditorInfo->eiSelStart, EditorInfo->eiSelEnd);
        hi = std::max(EditorInfo->eiSelStart, EditorInfo->eiSelEnd);
    }
    // Outside the selection: before its first character and from the position after its
    // last one (the character at the selection's end is not selected).
    for (std::uint32_t i = 0; i <= length; ++i) {
        if (i >= lo && i < hi) i = hi;
        if (i > length) break;
        const char16_t c = b->CharAt(i);
        if (c != 0 && c != LF && c != CR && (b->FormatByte(i) & 0x7F) == fnt) return true;
    }
    return false;
}

std::uint32_t TEditorFonts::SetFormatChars(std::uint32_t FromChar, std::uint32_t ToChar,
                                           std::uint8_t Format) {
    TEditorBuffer* b = EditorInfo != nullptr ? EditorInfo->eiBuffers : nullptr;
    if (b == nullptr || ToChar < FromChar) return FromChar;
    ToChar = std::min(ToChar, b->TextLength());
    for (std::uint32_t i = FromChar; i <= ToChar; ++i)
        if (!HasNoCharFormat(b->CharAt(i))) b->FormatByte(i) = Format;
    return ToChar + 1;
}

void TEditorFonts::ChangeFontSize(std::int16_t OldSize, std::int16_t NewSize) {
    ForEach([&](TFontItem& f) { f.ChangeFontSize(OldSize, NewSize); });
    FormatsChanged();
}

void TEditorFonts::ChangeFontName(const TChangeFont& Rec) {
    ForEach([&](TFontItem& f) { f.ChangeFontName(Rec); });
    FormatsChanged();
}

void TEditorFonts::EnlargeReduceSize(int AInc) {
    ForEach([&](TFontItem& f) { f.EnlargeReduceSize(AInc); });
    FormatsChanged();
}

void TEditorFonts::SetFontColor(std::int32_t Index, COLORREF AColor) {
    if (Index < 0 || Index >= Count()) return;
    GetFormatItem(Index)->FAttributes.ftColor = AColor;
    FormatsChanged();
}

void TEditorFonts::ResetFormat(std::int32_t Index, const TCharFormat& Format) {
    if (Index < 0 || Index >= Count()) return;
    GetFormatItem(Index)->ResetFont(Format);
    FormatsChanged();
}

COLORREF TEditorFonts::GetFontColor(std::int32_t Index) const {
    if (Index < 0 || Index >= Count()) return 0;
    return GetFormatItem(Index)->FAttributes.ftColor;
}

void TEditorFonts::Monochrome() {
    ForEach([](TFontItem& f) { f.Monochrome(); });
}

void TEditorFonts::RecreateFonts(HDC dc) {
    ForEach([dc](TFontItem& f) { f.ReCreateFont(dc); });
}

std::u16string TFontItem::Description() const { return VietnameseDescription(FAttributes); }
std::u16string TFontItem::EnglishDescription() const { return model::EnglishDescription(FAttributes); }

} // namespace zeledit::model
