#include "platform/user/clipboard.h"

#include "platform/core/atom_table.h"
#include "platform/core/code_page.h"
#include "platform/core/text.h"
#include "platform/gdi/dib.h"
#include "platform/user/window_manager.h"

#include <zeledit/win_gdi.h>
#include <zeledit/win_memory.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace zeledit::platform {
namespace {

constexpr DWORD ERROR_ACCESS_DENIED = 5;

struct Entry {
    UINT format;
    HANDLE data; // null until rendered on request (delayed rendering)
    bool synthesised = false;
};

struct Clipboard {
    bool open = false;
    HWND opener = nullptr;
    HWND owner = nullptr;
    bool changed = false;
    std::vector<Entry> entries;
    ClipboardBridge* bridge = nullptr;
};

Clipboard& board() {
    static Clipboard c;
    return c;
}

bool is_gdi_format(UINT format) {
    return format == CF_BITMAP || format == CF_PALETTE || format == CF_ENHMETAFILE;
}

// Data of the private formats stays its owner's, who frees it on WM_DESTROYCLIPBOARD.
bool is_private_format(UINT format) { return format >= 0x200 && format <= 0x2FF; }

void free_data(const Entry& e) {
    if (e.data == nullptr || is_private_format(e.format)) return;
    if (is_gdi_format(e.format))
        DeleteObject(e.data);
    else
        GlobalFree(e.data);
}

void clear_entries() {
    for (const auto& e : board().entries) free_data(e);
    board().entries.clear();
}

Entry* entry(UINT format) {
    auto& es = board().entries;
    const auto it = std::find_if(es.begin(), es.end(), [&](const Entry& e) { return e.format == format; });
    return it == es.end() ? nullptr : &*it;
}

HGLOBAL block_of(const void* bytes, std::size_t size) {
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
    if (mem == nullptr) return nullptr;
    std::memcpy(GlobalLock(mem), bytes, size);
    GlobalUnlock(mem);
    return mem;
}

HGLOBAL unicode_block(std::u16string_view text) {
    std::u16string s(text);
    return block_of(s.c_str(), (s.size() + 1) * sizeof(char16_t));
}

// CF_TEXT and CF_UNICODETEXT stand in for each other, as do CF_DIB and CF_BITMAP.
UINT twin_format(UINT format) {
    switch (format) {
    case CF_TEXT: return CF_UNICODETEXT;
    case CF_UNICODETEXT: return CF_TEXT;
    case CF_DIB: return CF_BITMAP;
    case CF_BITMAP: return CF_DIB;
    default: return 0;
    }
}

HANDLE picture_stand_in(UINT format, HANDLE source) {
    if (format == CF_DIB) return packed_dib_from_bitmap(static_cast<HBITMAP>(source));
    const SIZE_T size = GlobalSize(source);
    const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(source));
    if (bytes == nullptr) return nullptr;
    HBITMAP made = bitmap_from_packed_dib({bytes, size});
    GlobalUnlock(source);
    return made;
}

HANDLE synthesise(UINT format) {
    const UINT twin = twin_format(format);
    Entry* source = twin != 0 ? entry(twin) : nullptr;
    if (source == nullptr || source->data == nullptr) return nullptr;
    HANDLE made = nullptr;
    if (format == CF_DIB || format == CF_BITMAP) {
        made = picture_stand_in(format, source->data);
    } else if (format == CF_TEXT) {
        const auto bytes = from_unicode(read_unicode_block(source->data));
        made = block_of(bytes.c_str(), bytes.size() + 1);
    } else {
        const auto bytes = read_ansi_block(source->data);
        made = unicode_block(to_unicode({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}));
    }
    if (made != nullptr) board().entries.push_back({format, made, true});
    return made;
}

void import_external_text() {
    auto& c = board();
    if (c.bridge == nullptr) return;
    auto text = c.bridge->take_external_text();
    if (!text) return;
    clear_entries();
    c.owner = nullptr;
    if (HGLOBAL mem = unicode_block(*text)) c.entries.push_back({CF_UNICODETEXT, mem});
}

bool require_open() {
    if (!board().open) SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return board().open;
}

} // namespace

bool clipboard_holds_own(UINT format) {
    const Entry* e = entry(format);
    return e != nullptr && !e->synthesised;
}

std::u16string read_unicode_block(HGLOBAL mem) {
    const SIZE_T size = GlobalSize(mem);
    const auto* p = static_cast<const char16_t*>(GlobalLock(mem));
    if (p == nullptr) return {};
    std::u16string out;
    std::size_t n = size / sizeof(char16_t);
    for (std::size_t i = 0; i < n && p[i] != 0; ++i) out.push_back(p[i]);
    GlobalUnlock(mem);
    return out;
}

std::string read_ansi_block(HGLOBAL mem) {
    const SIZE_T size = GlobalSize(mem);
    const auto* p = static_cast<const char*>(GlobalLock(mem));
    if (p == nullptr) return {};
    std::string out(p, strnlen(p, size));
    GlobalUnlock(mem);
    return out;
}

void set_clipboard_bridge(ClipboardBridge* bridge) { board().bridge = bridge; }

void clipboard_window_destroyed(HWND hwnd) {
    auto& c = board();
    if (c.owner == hwnd) c.owner = nullptr;
    if (c.open && c.opener == hwnd) c.open = false, c.opener = nullptr;
}

void reset_clipboard() {
    clear_entries();
    auto* bridge = board().bridge;
    board() = Clipboard{};
    board().bridge = bridge;
}

} // namespace zeledit::platform

using namespace zeledit::platform;

BOOL OpenClipboard(HWND owner) {
    auto& c = board();
    if (owner != nullptr && checked_window(owner) == nullptr) return FALSE;
    if (c.open && c.opener != owner) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (!c.open) import_external_text();
    c.open = true;
    c.opener = owner;
    return TRUE;
}

BOOL CloseClipboard() {
    auto& c = board();
    if (!require_open()) return FALSE;
    if (c.changed && c.bridge != nullptr) {
        HANDLE text = GetClipboardData(CF_UNICODETEXT);
        if (text != nullptr) c.bridge->publish_text(read_unicode_block(text));
    }
    c.open = false;
    c.opener = nullptr;
    c.changed = false;
    return TRUE;
}

BOOL EmptyClipboard() {
    auto& c = board();
    if (!require_open()) return FALSE;
    if (c.owner != nullptr && IsWindow(c.owner)) SendMessageW(c.owner, WM_DESTROYCLIPBOARD, 0, 0);
    clear_entries();
    c.owner = c.opener;
    c.changed = true;
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
    auto& c = board();
    if (!require_open()) return nullptr;
    const bool valid = data == nullptr || is_gdi_format(format) || GlobalFlags(data) != GMEM_INVALID_HANDLE;
    if (format == 0 || !valid) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (Entry* e = entry(format)) {
        if (e->data != data) free_data(*e);
        e->data = data;
        e->synthesised = false;
    } else {
        c.entries.push_back({format, data});
    }
    // A stand-in made from the other text format is stale now.
    const UINT twin = twin_format(format);
    std::erase_if(c.entries, [&](const Entry& e) {
        const bool stale = twin != 0 && e.format == twin && e.synthesised;
        if (stale) free_data(e);
        return stale;
    });
    c.changed = true;
    return data;
}

HANDLE GetClipboardData(UINT format) {
    auto& c = board();
    if (!require_open()) return nullptr;
    if (Entry* e = entry(format)) {
        if (e->data == nullptr && IsWindow(c.owner)) SendMessageW(c.owner, WM_RENDERFORMAT, format, 0);
        if ((e = entry(format)) != nullptr) return e->data;
    }
    return synthesise(format);
}

BOOL IsClipboardFormatAvailable(UINT format) {
    if (format == 0) return FALSE;
    if (!board().open) import_external_text();
    if (entry(format) != nullptr) return TRUE;
    const UINT twin = twin_format(format);
    return twin != 0 && entry(twin) != nullptr ? TRUE : FALSE;
}

UINT RegisterClipboardFormatW(LPCWSTR name) {
    if (name == nullptr || IS_INTRESOURCE(name)) return 0;
    return add_atom(wide_view(name));
}

HWND GetClipboardOwner() { return board().owner; }

int CountClipboardFormats() { return static_cast<int>(board().entries.size()); }

UINT EnumClipboardFormats(UINT format) {
    auto& es = board().entries;
    if (!require_open()) return 0;
    if (format == 0) return es.empty() ? 0 : es.front().format;
    const auto it = std::find_if(es.begin(), es.end(), [&](const Entry& e) { return e.format == format; });
    SetLastError(ERROR_SUCCESS);
    return (it == es.end() || it + 1 == es.end()) ? 0 : (it + 1)->format;
}
