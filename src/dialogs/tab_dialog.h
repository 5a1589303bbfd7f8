// The tab dialog: the user's tab stops of a paragraph, set and cleared in inches or
// centimetres.
#pragma once

#include <zeledit/editor_records.h>
#include <zeledit/windows.h>

namespace zeledit::dialogs {

// Edits `tabs` in place (edits stay when cancelled); `unit` (0 inch, 1 cm) comes back as
// the user left it. Answers whether OK was pressed. Language 0 is Vietnamese, 1 English.
bool AskTabs(HWND owner, TTabArray& tabs, BYTE& unit, BYTE language);

} // namespace zeledit::dialogs
