// The built-in file name dialog of the desktop backend: the name is typed, Enter accepts,
// Escape cancels. Hosts with their own dialogs answer through SetFileDialogHook instead.
#pragma once

#include <zeledit/win_dialogs.h>

#include <optional>

namespace zeledit::dialogs {

std::optional<FileDialogAnswer> AskFileName(const FileDialogRequest& request);

} // namespace zeledit::dialogs
