// The formatting dialogs sit above the engine: the library installs them when it loads.
// Without one installed its command does nothing.
#pragma once

#include <zeledit/editor_records.h>
#include <zeledit/win_types.h>

namespace zeledit::engine {

struct FormatDialogs {
    // Edits the tab stops in place (the edits stay even when cancelled) in the unit given
    // (0 inch, 1 cm), which the dialog hands back as the user left it; whether OK was pressed.
    bool (*Tabs)(HWND owner, TTabArray& tabs, BYTE& unit, BYTE language) = nullptr;
};

void SetFormatDialogs(const FormatDialogs& dialogs);
const FormatDialogs& InstalledFormatDialogs();

} // namespace zeledit::engine
