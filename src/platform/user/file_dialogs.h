// The file dialog the library shows itself on a desktop when no host answers the dialogs.
#pragma once

#include <zeledit/win_dialogs.h>

namespace zeledit::platform {

void set_builtin_file_dialog(FileDialogHook dialog);

} // namespace zeledit::platform
