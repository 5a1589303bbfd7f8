// The dialogs that offer the formats of a document's tables: the quick dialogs of documents
// based on a template, and the review of formats, which also edits the tables in place.
#pragma once

#include "model/editor_fonts.h"
#include "model/editor_paragraphs.h"

#include <zeledit/editor_records.h>
#include <zeledit/windows.h>

#include <cstdint>
#include <string_view>

namespace zeledit::dialogs {

// The chosen character format; `sample` (empty: each face's name) is drawn in each format.
bool AskQuickFont(HWND owner, const model::TEditorFonts& fonts, TCharFormat& format,
                  std::u16string_view sample, BYTE language);
// The entry of the character table chosen (`index` is preselected; -1 for none), the apply
// button reading OK in Vietnamese: the find dialogs' search and replacement formats.
bool AskCharFormatEntry(HWND owner, const model::TEditorFonts& fonts, std::int32_t& index,
                        std::u16string_view sample, BYTE language);
// The chosen paragraph format, its miniature standing for a text `page_width` pixels wide.
bool AskQuickParagraph(HWND owner, const model::TEditorParagraphs& paras, TParaFormat& format, int page_width,
                       BYTE language);

struct ReviewSetting {
    HWND Editor = nullptr; // refreshed after every change to its tables
    std::int32_t EditStyle = 0;
    std::int32_t DocumentType = 0;
    int PageWidth = 0;
    std::uint8_t ColorStyle = 0;
};

// Both tables listed, edited, added to, deleted from and merged in place; `choice` is the
// entry to apply (a character format's index, or 256 + a paragraph format's) when Apply was
// pressed. `unit` comes back as the paragraph dialogs left it, in every case.
bool AskReviewFormats(const ReviewSetting& setting, model::TEditorFonts& fonts,
                      model::TEditorParagraphs& paras, BYTE language, BYTE& unit, std::int32_t& choice);

} // namespace zeledit::dialogs
