// The dialogs that edit the parts of a paragraph format. Lengths show in `unit` (0 inch,
// 1 cm), which comes back as the user left it; the records always hold inches. Language 0
// is Vietnamese, 1 English. Each answers whether it was confirmed.
#pragma once

#include <zeledit/editor_records.h>
#include <zeledit/windows.h>

#include <cstdint>

namespace zeledit::dialogs {

// Indents, alignment (0 to 3), spacing, line spacing and shading, with buttons that open
// the tab, border and bullet dialogs on the same format. The shading confirmed joins the
// recent colours.
bool AskParagraph(HWND owner, TParaFormat& format, std::uint8_t& alignment, std::uint8_t color_style,
                  BYTE language, BYTE& unit);
bool AskBorder(HWND owner, TBorder& border, std::uint8_t color_style, BYTE language);
// True for OK (the bullet becomes present and its colour joins the recent colours) and for
// Remove (only blPresent is cleared); false for Cancel.
bool AskBullet(HWND owner, TBullet& bullet, std::uint8_t color_style, BYTE& unit, BYTE language);

} // namespace zeledit::dialogs
