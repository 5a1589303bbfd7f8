// The built-in Open and Save dialog of the desktop backend. Hosts with their own dialogs
// answer through SetFileDialogHook instead.
#pragma once

#include <zeledit/win_dialogs.h>

#include <optional>

namespace zeledit::dialogs {

std::optional<FileDialogAnswer> AskFileName(const FileDialogRequest& request);

} // namespace zeledit::dialogs
