// The colours every dialog of the library takes: set by the editor that opens a dialog,
// with the library-wide list of recently confirmed colours the colour pickers offer.
#pragma once

#include <zeledit/win_types.h>

#include <vector>

namespace zeledit::controls {

struct DialogColors {
    COLORREF back;
    COLORREF highlight;
    COLORREF shadow;
    COLORREF gradient1 = 0xC2F0FF; // caption bars, top
    COLORREF gradient2 = 0x82DEFF; // caption bars, bottom
};

DialogColors CurrentDialogColors();
void SetDialogColors(const DialogColors& colors);

inline constexpr std::size_t MaxRecentColors = 8;
// Oldest first.
const std::vector<COLORREF>& RecentColors();
// A colour not yet in the list joins it at the end; the oldest drops out when it is full.
void AddRecentColor(COLORREF color);
void ClearRecentColors();

} // namespace zeledit::controls
