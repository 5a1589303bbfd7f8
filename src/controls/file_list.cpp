// The file list: the files of a folder that a filter lets through, one row each with a
// thumbnail of the picture, its name, its size in pixels and in bytes. It is a list box (the
// list box messages and notifications answer as usual; an item's text is the file's name)
// that draws its own items and reads pictures only when their rows are first drawn.
#include "controls/controls.h"
#include "controls/folder_listing.h"
#include "controls/thumbnail.h"

#include "platform/core/text.h"

#include <map>
#include <memory>
#include <string>

namespace zeledit::controls {
namespace {

constexpr LPCWSTR StateProperty = u"ZeleditFileListState";
constexpr int Side = 48, RowHeight = Side + 6;

struct FileListState {
    std::u16string folder;
    std::u16string patterns = u"*";
    std::vector<FolderEntry> files;
    std::map<std::size_t, std::unique_ptr<Thumbnail>> thumbnails; // by row, once drawn
};

FileListState* state(HWND hwnd) { return static_cast<FileListState*>(GetPropW(hwnd, StateProperty)); }

std::u16string path_of(const FileListState& s, std::size_t i) {
    return s.folder + (s.folder.ends_with(u'/') ? u"" : u"/") + s.files[i].name;
}

bool reload(HWND hwnd, FileListState& s) {
    std::u16string why;
    auto listing = ListFolder(s.folder, s.patterns, why);
    SendMessageW(hwnd, LB_RESETCONTENT, 0, 0);
    s.thumbnails.clear();
    s.files.clear();
    if (!listing) return false;
    s.files = std::move(listing->files);
    for (std::size_t i = 0; i < s.files.size(); ++i)
        SendMessageW(hwnd, LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(s.files[i].name.c_str()));
    return true;
}

const Thumbnail& thumbnail(FileListState& s, std::size_t i) {
    auto& slot = s.thumbnails[i];
    if (slot == nullptr) {
        slot = std::make_unique<Thumbnail>();
        slot->Load(platform::to_utf8(path_of(s, i)), Side);
    }
    return *slot;
}

void draw_item(HWND hwnd, const DRAWITEMSTRUCT& d) {
    FileListState* s = state(hwnd);
    const bool selected = (d.itemState & ODS_SELECTED) != 0;
    fill_solid(d.hDC, d.rcItem, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (s == nullptr || d.itemID >= s->files.size()) return;
    const RECT box{d.rcItem.left + 3, d.rcItem.top + 3, d.rcItem.left + 3 + Side, d.rcItem.top + 3 + Side};
    const Thumbnail& picture = thumbnail(*s, d.itemID);
    fill_solid(d.hDC, box, GetSysColor(COLOR_WINDOW));
    picture.Draw(d.hDC, box);
    const FolderEntry& f = s->files[d.itemID];
    std::u16string details = SizeText(f.size);
    if (!picture.Empty()) {
        const SIZE size = picture.Size();
        details =
            platform::from_utf8(std::to_string(size.cx) + " × " + std::to_string(size.cy) + ", ") + details;
    }
    SetBkMode(d.hDC, TRANSPARENT);
    RECT text{box.right + 8, d.rcItem.top + 4, d.rcItem.right - 4, d.rcItem.top + RowHeight / 2};
    SetTextColor(d.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(d.hDC, f.name.c_str(), static_cast<int>(f.name.size()), &text, DT_SINGLELINE | DT_NOPREFIX);
    OffsetRect(&text, 0, RowHeight / 2 - 4);
    SetTextColor(d.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_GRAYTEXT));
    DrawTextW(d.hDC, details.c_str(), static_cast<int>(details.size()), &text, DT_SINGLELINE | DT_NOPREFIX);
    if (d.itemState & ODS_FOCUS) DrawFocusRect(d.hDC, &d.rcItem);
}

LRESULT get_path(HWND hwnd, FileListState& s, WPARAM size, LPARAM out) {
    const LRESULT i = SendMessageW(hwnd, LB_GETCURSEL, 0, 0);
    if (i < 0 || static_cast<std::size_t>(i) >= s.files.size()) return 0;
    const std::u16string path = path_of(s, static_cast<std::size_t>(i));
    if (out == 0 || size <= path.size()) return static_cast<LRESULT>(path.size() + 1); // the room it needs
    std::copy(path.begin(), path.end(), reinterpret_cast<LPWSTR>(out));
    reinterpret_cast<LPWSTR>(out)[path.size()] = 0;
    return static_cast<LRESULT>(path.size());
}

} // namespace

LRESULT CALLBACK file_list_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: {
        SetPropW(hwnd, SelfDrawnProperty, reinterpret_cast<HANDLE>(1));
        SetPropW(hwnd, StateProperty, std::make_unique<FileListState>().release()); // freed at WM_NCDESTROY
        const LONG_PTR style =
            GetWindowLongPtrW(hwnd, GWL_STYLE) & ~LONG_PTR(LBS_SORT | LBS_OWNERDRAWVARIABLE);
        SetWindowLongPtrW(hwnd, GWL_STYLE, style | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS);
        return list_box_proc(hwnd, msg, wParam, lParam);
    }
    case WM_NCDESTROY:
        std::unique_ptr<FileListState>(state(hwnd)).reset();
        RemovePropW(hwnd, StateProperty);
        RemovePropW(hwnd, SelfDrawnProperty);
        return list_box_proc(hwnd, msg, wParam, lParam);
    case WM_MEASUREITEM: reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = RowHeight; return TRUE;
    case WM_DRAWITEM: draw_item(hwnd, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case ZFLM_SETFOLDER:
    case ZFLM_SETFILTER: {
        FileListState* s = state(hwnd);
        if (s == nullptr) return FALSE;
        const auto text = lParam ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : std::u16string();
        (msg == ZFLM_SETFOLDER ? s->folder : s->patterns) = text;
        return reload(hwnd, *s) ? TRUE : FALSE;
    }
    case ZFLM_GETPATH: return state(hwnd) != nullptr ? get_path(hwnd, *state(hwnd), wParam, lParam) : 0;
    default: return list_box_proc(hwnd, msg, wParam, lParam);
    }
}

} // namespace zeledit::controls
