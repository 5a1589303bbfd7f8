// Sending notifications to the editor's own window, where a subclassing host sees them.
#pragma once

#include <zeledit/zeledit.h>

namespace zeledit::engine {

class TFormatEditor;

LRESULT Notify(HWND editor, UINT code, WPARAM wParam = 0, LPARAM lParam = 0);
void PostNotify(HWND editor, UINT code, WPARAM wParam = 0, LPARAM lParam = 0);

// The document changed: the modified flag is set, then the host hears of it.
void NotifyChanged(TFormatEditor& editor);

} // namespace zeledit::engine
