// The formatting dialogs sit above the engine: the library installs them when it loads.
// Every entry answers whether it was confirmed; without dialogs installed nothing is.
#pragma once

#include "model/editor_fonts.h"
#include "model/editor_paragraphs.h"

#include <zeledit/editor_records.h>
#include <zeledit/win_types.h>

#include <cstdint>
#include <string_view>

namespace zeledit::engine {

// What the editor publishes before a dialog opens. `Unit` (0 inch, 1 cm) is the editor's
// measurement: the dialogs that show lengths hand it back as the user left it.
struct FormatDialogContext {
    HWND Owner = nullptr;
    std::uint8_t Language = 0; // 0 Vietnamese, 1 English
    COLORREF Back = 0xFFFFFF, Highlight = 0xFFFFFF, Shadow = 0x808080;
    std::uint8_t ColorStyle = 0; // the colour pickers' palette
    std::uint8_t* Unit = nullptr;
};

// What the review of formats decides by: whether entries may be edited, added or deleted.
struct ReviewInfo {
    std::int32_t EditStyle = 0;
    std::int32_t DocumentType = 0;
    int PageWidth = 0; // pixels the paragraph miniatures stand for
};

class FormatDialogs {
public:
    virtual ~FormatDialogs() = default;
    // The font, with the hot link offered when asked; the sample is shown in the preview.
    virtual bool Font(const FormatDialogContext& Context, model::TFontTypeEx& Font,
                      std::u16string_view Sample, bool HotLink) = 0;
    // The paragraph format and its alignment (0 to 3).
    virtual bool Paragraph(const FormatDialogContext& Context, TParaFormat& Format,
                           std::uint8_t& Alignment) = 0;
    // The tab stops, edited in place (the edits stay even when cancelled).
    virtual bool Tabs(const FormatDialogContext& Context, TTabArray& Tabs) = 0;
    virtual bool Border(const FormatDialogContext& Context, TBorder& Border) = 0;
    // Confirmed or removed (then only blPresent is cleared).
    virtual bool Bullet(const FormatDialogContext& Context, TBullet& Bullet) = 0;
    // The formats a template offers: the one chosen.
    virtual bool QuickFont(const FormatDialogContext& Context, const model::TEditorFonts& Fonts,
                           TCharFormat& Format, std::u16string_view Sample) = 0;
    virtual bool QuickParagraph(const FormatDialogContext& Context, const model::TEditorParagraphs& Paras,
                                TParaFormat& Format, int PageWidth) = 0;
    // Both tables reviewed and edited in place; Choice is the entry to apply (a character
    // format, or 256 + a paragraph format) when one was chosen.
    virtual bool Review(const FormatDialogContext& Context, model::TEditorFonts& Fonts,
                        model::TEditorParagraphs& Paras, const ReviewInfo& Info, std::int32_t& Choice) = 0;
};

// The library's dialogs, or null to confirm nothing (not owned).
void SetFormatDialogs(FormatDialogs* Dialogs);
FormatDialogs* InstalledFormatDialogs();

} // namespace zeledit::engine
