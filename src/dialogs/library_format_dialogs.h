// The dialogs the library installs in its editors.
#pragma once

#include "engine/format_dialogs.h"
#include "engine/search_dialogs.h"

namespace zeledit::dialogs {

engine::FormatDialogs& LibraryFormatDialogs();
// Find and replace.
engine::SearchDialogs& LibrarySearchDialogs();

} // namespace zeledit::dialogs
