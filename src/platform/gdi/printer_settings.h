// The dialog in which a user edits a printer's device mode (DocumentPropertiesW with a
// prompt). The library installs its own; without one the settings cannot be edited.
#pragma once

#include <zeledit/win_gdi.h>

#include <string_view>

namespace zeledit::platform {

using PrinterSettingsDialog = bool (*)(HWND owner, std::u16string_view printer, DEVMODEW& mode);
void set_printer_settings_dialog(PrinterSettingsDialog dialog);

} // namespace zeledit::platform
