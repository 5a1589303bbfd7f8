// Previews of a character and a paragraph format for hosts' own format lists, drawn
// without an editor window from the entries an editor hands out.
#include "display/format_previews.h"
#include "model/editor_fonts.h"
#include "model/editor_paragraphs.h"
#include "platform/core/code_page.h"
#include "platform/core/text.h"

#include <zeledit/editor_library.h>

#include <string>

namespace {

using zeledit::model::TFontItem;
using zeledit::model::TParagraphItem;

constexpr std::size_t MaxPreviewText = 255;

} // namespace

void PreviewFont(HDC dc, int x, int y, LPCWSTR text, const void* entry) noexcept {
    const auto* font = static_cast<const TFontItem*>(entry);
    if (font == nullptr || dc == nullptr) return;
    try {
        const std::u16string shown =
            text != nullptr
                ? std::u16string(zeledit::platform::wide_view(text).substr(0, MaxPreviewText))
                : zeledit::platform::field_to_unicode(font->FAttributes.ftFaceName).substr(0, MaxPreviewText);
        zeledit::display::DrawFontPreview(dc, x, y, shown, *font);
    } catch (...) {
        // Out of memory: the preview is simply not drawn.
    }
}

int feGetFontHeight(const void* entry) noexcept {
    const auto* font = static_cast<const TFontItem*>(entry);
    return font == nullptr ? 0 : font->FFontHeight + font->FAttributes.ftShadow + 4;
}

void PreviewPara(HDC dc, RECT r, int width, const void* entry) noexcept {
    const auto* para = static_cast<const TParagraphItem*>(entry);
    if (para == nullptr || dc == nullptr || width <= 0) return;
    zeledit::display::DrawParaPreview(dc, r, width, *para);
}
