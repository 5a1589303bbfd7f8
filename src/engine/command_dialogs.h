// The dialogs the editing commands open that are not about formats: find and replace (which
// stay open beside the editor), the key customisation, the symbol, link and comment dialogs
// and the hyperlinks browser. They sit above the engine; the library installs them when it loads.
#pragma once

#include "engine/editor_keyboard.h"
#include "engine/format_dialogs.h"
#include "model/editor_fonts.h"
#include "model/hyper_links.h"

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

// What the link and comment dialogs edit: the link's target (8-bit, at most 255) and number,
// or the comment's format-code text; the displayed text is shown only.
struct LinkEdit {
    std::u16string Displayed;
    std::u16string Target;
    std::int16_t Data = 0;
    std::u16string Comment;
};
inline constexpr int LinkRemove = 7; // the dialogs' answer for "Remove"

// The hyperlinks browser's view of an editor: its links, and choosing one's range.
struct LinkBrowsing {
    model::THyperLinks* Links = nullptr;
    std::function<void(std::int32_t Start, std::int32_t End)> Select;
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
    // IDOK, IDCANCEL or LinkRemove.
    virtual int HyperLink(const FormatDialogContext& Context, LinkEdit& Link) = 0;
    virtual int Comment(const FormatDialogContext& Context, LinkEdit& Link) = 0;
    // The links listed, chosen (their range selected) and deleted in place.
    virtual void BrowseLinks(const FormatDialogContext& Context, const LinkBrowsing& Browsing) = 0;
};

// The library's dialogs, or null for none (not owned).
void SetCommandDialogs(CommandDialogs* Dialogs);
CommandDialogs* InstalledCommandDialogs();

} // namespace zeledit::engine
