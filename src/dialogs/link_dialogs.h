// The hyperlink and comment dialogs and the hyperlinks browser.
#pragma once

#include "engine/command_dialogs.h"

#include <zeledit/windows.h>

#include <string>
#include <string_view>

namespace zeledit::dialogs {

// IDOK, IDCANCEL or engine::LinkRemove; on OK `link` holds what was typed.
int AskHyperLink(HWND owner, engine::LinkEdit& link);
int AskComment(HWND owner, engine::LinkEdit& link);
void BrowseHyperLinks(HWND owner, const engine::LinkBrowsing& browsing);

// How the comment's editor window takes and gives its text as format-code text; the library,
// which owns that conversion, installs them.
struct FormatCodeText {
    std::u16string (*Get)(HWND editor) = nullptr;
    void (*Set)(HWND editor, std::u16string_view text) = nullptr;
};
void SetFormatCodeText(FormatCodeText converters);

} // namespace zeledit::dialogs
