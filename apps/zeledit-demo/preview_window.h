// The demo's print preview: the editor's pages at 96 pixels per inch, a whole page at a time
// or at their printed size, paged with the keys.
#pragma once

#include <zeledit/format_editor.h>
#include <zeledit/zeledit.h>

namespace demo {

// Opens the preview of `editor`'s document (owned by `owner`), whose `pages` the caller counted
// (Pages()); null when there are none or the editor has no printer to lay pages out for. The
// editor is disabled until the preview closes; it must outlive the preview.
HWND ShowPreview(HWND owner, zeledit::TCustomFormatEditor& editor, int pages);

} // namespace demo
