// The key customisation dialog: the editor's key map edited in place.
#pragma once

#include "engine/editor_keyboard.h"

#include <zeledit/windows.h>

namespace zeledit::dialogs {

void CustomizeKeys(HWND owner, engine::TEditorKeyboard& keys, BYTE language);

} // namespace zeledit::dialogs
