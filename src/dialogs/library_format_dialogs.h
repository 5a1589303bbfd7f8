// The formatting dialogs the library installs in its editors.
#pragma once

#include "engine/format_dialogs.h"

namespace zeledit::dialogs {

engine::FormatDialogs& LibraryFormatDialogs();

} // namespace zeledit::dialogs
