// Sending notifications to the editor's own window, where a subclassing host sees them.
#pragma once

#include "model/editor_paragraphs.h"

#include <zeledit/zeledit.h>

namespace zeledit::engine {

class TFormatEditor;

LRESULT Notify(HWND editor, UINT code, WPARAM wParam = 0, LPARAM lParam = 0);
void PostNotify(HWND editor, UINT code, WPARAM wParam = 0, LPARAM lParam = 0);

// The document changed: the modified flag is set, then the host hears of it.
void NotifyChanged(TFormatEditor& editor);

// The caret moved on screen: the state at the caret goes to the host (EFN_UPDATESTATE) and
// becomes the typing format. `para` is the paragraph entry of the caret's line.
void UpdateState(TFormatEditor& editor, const model::TParagraphItem& para);

} // namespace zeledit::engine
