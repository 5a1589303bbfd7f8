// The printer settings dialog the platform shows for DocumentPropertiesW with a prompt.
#pragma once

#include <zeledit/win_gdi.h>

#include <string_view>

namespace zeledit::dialogs {

// Paper, orientation, copies and collation edited; false, with `mode` unchanged, when cancelled.
bool AskPrinterSettings(HWND owner, std::u16string_view printer, DEVMODEW& mode);

} // namespace zeledit::dialogs
