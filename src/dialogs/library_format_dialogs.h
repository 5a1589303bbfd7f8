// The dialogs the library installs in its editors.
#pragma once

#include "engine/format_dialogs.h"
#include "engine/command_dialogs.h"

namespace zeledit::dialogs {

engine::FormatDialogs& LibraryFormatDialogs();
// Find and replace.
engine::CommandDialogs& LibraryCommandDialogs();

} // namespace zeledit::dialogs
