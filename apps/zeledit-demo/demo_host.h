// The demo's frame: a toolbar, an editor control and a status line, driven only through the
// control's properties, methods and events, and what a desktop editor does around a document:
// its name and unsaved state in the title, Save asking for a name a new document lacks,
// and a question before unsaved work would be dropped.
#pragma once

#include <zeledit/format_editor.h>
#include <zeledit/zeledit.h>

#include <string>

namespace demo {

// Creates the frame with its toolbar, editor and status line (not shown yet).
HWND CreateFrame();
// The editor control and its window.
zeledit::TFormatEditorControl& Control();
HWND Editor();

// Opens a document file and makes it the one Save writes; false, with the editor's
// reason, when it cannot be read.
bool OpenFile(const std::u16string& path, std::u16string& why);
// The name Save writes without asking; empty for a new document.
const std::u16string& FileName();

// The frame's keyboard shortcuts (Ctrl+N, Ctrl+O, Ctrl+S), taken before the message is
// dispatched; true when `msg` was one of them.
bool TakeShortcut(const MSG& msg);

// Turns Vietnamese typing on or off, as the toolbar's switch does.
void SwitchVietnamese();

// The printer Print, the preview and page mode use: "PDF" (the default, which asks for a file
// when printing) or a CUPS printer.
void UsePrinter(const std::u16string& name);

} // namespace demo
