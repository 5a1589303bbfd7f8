// The dialogs the editing commands open that are not about formats: find and replace (which
// stay open beside the editor), the key customisation, the symbol dialog, and later the link
// and comment dialogs. They sit above the engine; the library installs them when it loads.
#pragma once

#include "engine/editor_keyboard.h"
#include "engine/format_dialogs.h"
#include "model/editor_fonts.h"

#include <functional>
#include <memory>
#include <string>

namespace zeledit::engine {

// An open find or replace dialog. The editor keeps it and frees it when it closes or when
// the editor goes; the dialog drives the editor with the find and replace messages only.
class SearchForm {
public:
    virtual ~SearchForm() = default;
    virtual bool Replaces() const = 0;
    virtual HWND Window() const = 0;
    // Brought to the front with the focus, as when asked for again.
    virtual void Activate() = 0;
};

struct SearchContext {
    FormatDialogContext Format;
    HWND Editor = nullptr;
    const model::TEditorFonts* Fonts = nullptr; // the editor's, while the dialog is open
    std::string SystemFont;                     // the face of the text fields
    bool VietKey = false;                       // Vietnamese typing in the find field
    bool NormalDocument = true;                 // new replacement formats may be made
    // Called once the user closed the dialog, from the message loop; the editor frees it.
    std::function<void()> Closed;
};

class CommandDialogs {
public:
    virtual ~CommandDialogs() = default;
    // A new find or replace dialog, shown; none when it could not be made.
    virtual std::unique_ptr<SearchForm> OpenSearch(const SearchContext& Context, bool Replace) = 0;
    // The key map edited in place: every change holds at once, there is no cancelling.
    virtual void Customize(const FormatDialogContext& Context, TEditorKeyboard& Keys) = 0;
    // A character of a face: both start as given and come back chosen on OK.
    virtual bool Symbol(const FormatDialogContext& Context, std::u16string& Face, std::uint8_t& Code) = 0;
};

// The library's dialogs, or null for none (not owned).
void SetCommandDialogs(CommandDialogs* Dialogs);
CommandDialogs* InstalledCommandDialogs();

} // namespace zeledit::engine
