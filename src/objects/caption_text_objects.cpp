#include "objects/caption_text_objects.h"

#include "model/device_metrics.h"
#include "objects/wrapped_text.h"
#include "platform/core/byte_reader.h"
#include "platform/core/code_page.h"
#include "platform/gdi/scoped_gdi.h"
#include "platform/graphics_support/border_box.h"
#include "platform/graphics_support/decorated_text.h"
#include "platform/graphics_support/graphics_support.h"
#include "platform/user/window_dc.h"

#include <algorithm>
#include <cstring>

namespace zeledit::objects {
namespace {

using model::RoundNearest;

// The font of a caption or text box: the format's face, size, weight and slant at the
// current resolution, two thirds high for a script, its width scaled; no decorations.
platform::UniqueGdi<HFONT> FontOf(HDC DC, const TCharFormat& f) {
    LOGFONTW lf{};
    const std::u16string face = platform::field_to_unicode(f.ftFaceName);
    platform::GetFont(DC, &lf, face.c_str(), f.ftHeight, (f.ftAttr & 1) ? FW_BOLD : 0, (f.ftAttr & 2) != 0,
                      0);
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = -RoundNearest(model::DotPerInchY * double(f.ftHeight) / 72);
    if (f.ftScript != 0) lf.lfHeight = RoundNearest(2.0 * lf.lfHeight / 3);
    lf.lfWidth = 0;
    lf.lfUnderline = lf.lfStrikeOut = 0;
    lf.lfQuality = PROOF_QUALITY;
    const int scale = f.ftScale == 0 ? 100 : f.ftScale;
    if (scale != 100) {
        platform::UniqueGdi<HFONT> probe(CreateFontIndirectW(&lf));
        const platform::SelectedObject with(DC, probe.get());
        TEXTMETRICW tm{};
        GetTextMetricsW(DC, &tm);
        lf.lfWidth = RoundNearest(tm.tmAveCharWidth * scale / 100.0);
    }
    return platform::UniqueGdi<HFONT>(CreateFontIndirectW(&lf));
}

// Draws the text in the format's colours: first its shadow, shifted, with its decorations
// in the shadow's colour, then the text itself with its own. `draw` puts text at a place
// in a decoration.
template <class Draw> void ShadowedText(HDC DC, const TCharFormat& f, Draw draw) {
    SetBkMode(DC, TRANSPARENT);
    if (f.ftShadow != 0) {
        SetTextColor(DC, f.ftShadColor);
        const int shift = f.ftShadow * model::PenUnit;
        draw(shift, TextDecoration{f.ftUnderline, f.ftShadColor, f.ftStrikethrough, f.ftShadColor});
    }
    SetTextColor(DC, f.ftColor);
    draw(0, TextDecoration{f.ftUnderline, f.ftUnderlineColor, f.ftStrikethrough, f.ftStrikeColor});
}

void Fill(HDC DC, const RECT& r, COLORREF color) {
    const platform::UniqueGdi<HBRUSH> brush(CreateSolidBrush(color));
    FillRect(DC, &r, brush.get());
}

} // namespace

// ---- Captions ----

TCaptionObject::TCaptionObject(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo,
                               const TCaptionInfoW& AProps)
    : TObjectItem(AEditorInfo), FProps(AProps) {
    Info = AInfo;
    Info.oiIDText[sizeof Info.oiIDText - 1] = '\0';
    Info.oiSize = PropsSize;
    Info.oiFloated = 1;
    Info.oiLayout = 0;
    Info.oiWrapText = 1;
    Measure();
}

TCaptionObject::TCaptionObject(model::TEditorInfo* AEditorInfo, const TCaptionObject& Source, std::uint8_t ID)
    : TCaptionObject(AEditorInfo, Source.Info, Source.FProps) {
    Info.oiID = ID;
}

std::unique_ptr<TCaptionObject> TCaptionObject::CreateFrom(model::TEditorInfo* AEditorInfo,
                                                           const TObjectInfo& AInfo,
                                                           std::span<const std::uint8_t> Data) {
    TCaptionInfoW props{};
    if (AInfo.oiSize == PropsSize) {
        if (Data.size() < PropsSize) return nullptr;
        std::memcpy(&props, Data.data(), PropsSize);
    } else { // the older form: an 8-bit character, then the same fields one byte earlier
        if (Data.size() < OlderPropsSize) return nullptr;
        const char older[2] = {static_cast<char>(Data[0]), 0};
        const std::u16string text = platform::field_to_unicode(older);
        props.ciText = text.empty() ? u' ' : text[0];
        std::memcpy(&props.ciFormat, Data.data() + 1, sizeof props.ciFormat);
        props.ciBackground = platform::ReadAt<std::uint32_t>(Data, 85);
        props.ciTransparent = Data[89];
    }
    props.ciFormat.ftFaceName[sizeof props.ciFormat.ftFaceName - 1] = '\0';
    return std::make_unique<TCaptionObject>(AEditorInfo, AInfo, props);
}

void TCaptionObject::Measure() {
    platform::WindowDC screen(nullptr);
    const auto font = FontOf(screen.get(), FProps.ciFormat);
    const platform::SelectedObject with(screen.get(), font.get());
    const int shadow = std::max<int>(FProps.ciFormat.ftShadow, 0);
    GLYPHMETRICS gm{};
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    TEXTMETRICW tm{};
    GetTextMetricsW(screen.get(), &tm);
    if (GetGlyphOutlineW(screen.get(), FProps.ciText, GGO_METRICS, &gm, 0, nullptr, &identity) !=
        DWORD(GDI_ERROR)) {
        FOriginWidth = static_cast<int>(gm.gmBlackBoxX) + shadow;
        FOriginHeight = static_cast<int>(gm.gmBlackBoxY) + shadow;
        OriginY = tm.tmAscent - gm.gmptGlyphOrigin.y;
    } else {
        SIZE size{};
        const char16_t text = FProps.ciText;
        GetTextExtentPoint32W(screen.get(), &text, 1, &size);
        FOriginWidth = size.cx + shadow;
        FOriginHeight = size.cy + shadow;
        OriginY = 0;
    }
    FOriginWidth = std::clamp(FOriginWidth, 1, 65535);
    FOriginHeight = std::clamp(FOriginHeight, 1, 65535);
    Info.oiWidth = static_cast<std::uint16_t>(FOriginWidth);
    Info.oiHeight = static_cast<std::uint16_t>(FOriginHeight);
}

std::size_t TCaptionObject::GetDataSize() {
    Info.oiSize = PropsSize;
    return ObjectInfoSize + PropsSize;
}

void TCaptionObject::WriteTo(std::uint8_t* Buffer, std::size_t Index) {
    std::memcpy(Buffer + WriteRecord(Buffer, Index, PropsSize), &FProps, PropsSize);
}

void TCaptionObject::DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) {
    TObjectItem::DrawObject(DC, X, IsPrint, Background, Y);
    const RECT r = DataRect(X, Y);
    if (!FProps.ciTransparent) Fill(DC, r, FProps.ciBackground);
    const auto font = FontOf(DC, FProps.ciFormat);
    const platform::SelectedObject with(DC, font.get());
    const char16_t text = FProps.ciText; // a packed field: copied before its address is taken
    const int saved = SaveDC(DC);
    SetTextAlign(DC, TA_LEFT | TA_TOP);
    ShadowedText(DC, FProps.ciFormat, [&](int shift, const TextDecoration& d) {
        platform::DecoratedTextOut(DC, r.left + shift, r.top - OriginY + shift, std::u16string_view(&text, 1),
                                   d.underline, d.underline_colour, d.strikeout, d.strikeout_colour);
    });
    RestoreDC(DC, saved);
}

// ---- Text boxes ----

TTextObject::TTextObject(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo, const TTextInfo& AProps,
                         std::u16string AContent)
    : TObjectItem(AEditorInfo), FProps(AProps), FContent(std::move(AContent)) {
    Info = AInfo;
    Info.oiIDText[sizeof Info.oiIDText - 1] = '\0';
    Info.oiFloated = 1;
    Info.oiLayout = 0;
    Info.oiSize = PropsSize + 4 + ContentBytes();
    FOriginWidth = std::max<int>(Info.oiWidth, 1);
    FOriginHeight = std::max<int>(Info.oiHeight, 1);
}

void TTextObject::SetProperties(const TObjectInfo& AInfo, const TTextInfo& AProps, std::u16string AContent) {
    const std::uint8_t id = Info.oiID;
    FProps = AProps;
    FContent = std::move(AContent);
    Info = AInfo;
    Info.oiID = id;
    Info.oiSize = PropsSize + 4 + ContentBytes();
    FOriginWidth = std::max<int>(Info.oiWidth, 1);
    FOriginHeight = std::max<int>(Info.oiHeight, 1);
}

TTextObject::TTextObject(model::TEditorInfo* AEditorInfo, const TTextObject& Source, std::uint8_t ID)
    : TTextObject(AEditorInfo, Source.Info, Source.FProps, Source.FContent) {
    Info.oiID = ID;
}

std::unique_ptr<TTextObject> TTextObject::CreateFrom(model::TEditorInfo* AEditorInfo,
                                                     const TObjectInfo& AInfo,
                                                     std::span<const std::uint8_t> Data) {
    if (Data.size() < PropsSize + 4) return nullptr;
    TTextInfo props{};
    std::memcpy(&props, Data.data(), PropsSize);
    props.tiFormat.ftFaceName[sizeof props.tiFormat.ftFaceName - 1] = '\0';
    const std::uint32_t length = platform::ReadAt<std::uint32_t>(Data, PropsSize);
    // The length must fit the data and hold whole units with their terminator.
    if (length > Data.size() - PropsSize - 4 || (length != 0 && (length < 4 || length % 2 != 0)))
        return nullptr;
    std::u16string content((length == 0 ? 0 : (length - 4) / 2), u'\0');
    std::memcpy(content.data(), Data.data() + PropsSize + 4, content.size() * sizeof(char16_t));
    content.resize(std::min(content.find(u'\0'), content.size())); // text ends at its first zero unit
    return std::make_unique<TTextObject>(AEditorInfo, AInfo, props, std::move(content));
}

std::uint32_t TTextObject::ContentBytes() const {
    return FContent.empty() ? 0 : static_cast<std::uint32_t>(2 * FContent.size() + 4);
}

std::size_t TTextObject::GetDataSize() {
    Info.oiSize = PropsSize + 4 + ContentBytes();
    return ObjectInfoSize + Info.oiSize;
}

void TTextObject::WriteTo(std::uint8_t* Buffer, std::size_t Index) {
    const std::uint32_t length = ContentBytes();
    std::uint8_t* at = Buffer + WriteNaturalRecord(Buffer, Index, PropsSize + 4 + length);
    std::memcpy(at, &FProps, PropsSize);
    std::memcpy(at + PropsSize, &length, 4);
    if (length == 0) return;
    std::memcpy(at + PropsSize + 4, FContent.data(), 2 * FContent.size());
    std::memset(at + PropsSize + 4 + 2 * FContent.size(), 0, 4);
}

int TTextObject::FittingHeight(const TTextInfo& Props, std::u16string_view Content, int Width) {
    const int inset = 8 * model::PenUnit;
    platform::WindowDC screen(nullptr);
    const auto font = FontOf(screen.get(), Props.tiFormat);
    const platform::SelectedObject with(screen.get(), font.get());
    const RECT r{0, 0, std::max(Width - 2 * inset, 1), 0};
    return WrappedTextOut(screen.get(), r, Content, WrapAlign::MeasureOnly) + 2 * inset;
}

void TTextObject::DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) {
    TObjectItem::DrawObject(DC, X, IsPrint, Background, Y);
    const int saved = SaveDC(DC);
    RECT r = DataRect(X, Y);
    if (FProps.tiFill) Fill(DC, r, FProps.tiBackground);
    if (FProps.tiFrame > 0)
        platform::DrawStyledBorder(DC, r, FProps.tiFrame, FProps.tiFrameColor, model::PenUnit);
    InflateRect(&r, -8 * model::PenUnit, -8 * model::PenUnit);
    const auto font = FontOf(DC, FProps.tiFormat);
    const platform::SelectedObject with(DC, font.get());
    SetTextAlign(DC, TA_LEFT | TA_TOP);
    const auto align = static_cast<WrapAlign>(std::min<int>(FProps.tiAlignment, 3));
    ShadowedText(DC, FProps.tiFormat, [&](int shift, const TextDecoration& d) {
        RECT at = r;
        OffsetRect(&at, shift, shift);
        WrappedTextOut(DC, at, FContent, align, d);
    });
    RestoreDC(DC, saved);
}

} // namespace zeledit::objects
