// The process-wide clipboard, with a bridge through which a backend shares Unicode text
// with the desktop.
#pragma once

#include <zeledit/win_types.h>

#include <optional>
#include <string>
#include <string_view>

namespace zeledit::platform {

class ClipboardBridge {
public:
    virtual ~ClipboardBridge() = default;
    virtual void publish_text(std::u16string_view text) = 0;
    // Text the desktop put on its clipboard since the last call or publish, if any.
    virtual std::optional<std::u16string> take_external_text() = 0;
};

void set_clipboard_bridge(ClipboardBridge* bridge);
// Whether the clipboard holds the format as its owner put it, not made from its stand-in.
bool clipboard_holds_own(UINT format);
void clipboard_window_destroyed(HWND hwnd);
void reset_clipboard();

// Reads a text block that may lack its terminator: stops at the first NUL or the block's end.
std::u16string read_unicode_block(HGLOBAL mem);
std::string read_ansi_block(HGLOBAL mem);

} // namespace zeledit::platform
