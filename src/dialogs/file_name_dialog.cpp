// The library's Open and Save dialog: a path box with its history, parent and home buttons,
// the folders and the files a filter lets through (with sizes and times), a preview of
// pictures, the name box and the filter list. Used by the desktop backend when no host
// answers the file dialogs.
#include "dialogs/file_name_dialog.h"

#include "controls/controls.h"
#include "controls/folder_listing.h"
#include "controls/modal_loop.h"
#include "controls/thumbnail.h"
#include "platform/core/text.h"
#include "platform/user/modules.h"

#include <zeledit/controls.h>
#include <zeledit/windows.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace zeledit::dialogs {
namespace {

using controls::FolderEntry;
using controls::FolderListing;
using controls::IsPictureFilter;
using controls::ListFolder;
using controls::SizeText;
using controls::TimeText;

namespace fs = std::filesystem;

constexpr LPCWSTR DialogClass = u"ZeleditFileDialog";
constexpr int Width = 660, Height = 430, Margin = 10, Row = 24;
constexpr std::size_t HistorySize = 12;
enum : int { PathId = 101, UpId, HomeId, FoldersId, FilesId, PreviewId, NameId, TypeId };

std::u16string utf16(const fs::path& p) { return platform::from_utf8(p.string()); }
fs::path native(std::u16string_view p) { return fs::path(platform::to_utf8(p)); }

std::u16string home_folder() {
    const char* home = std::getenv("HOME");
    return platform::from_utf8(home != nullptr && *home != 0 ? home : "/");
}

std::u16string trimmed(std::u16string text) {
    while (!text.empty() && text.back() == u' ') text.pop_back();
    while (!text.empty() && text.front() == u' ') text.erase(0, 1);
    return text;
}

class FileDialog {
public:
    explicit FileDialog(const FileDialogRequest& request) : request_(request) {}
    std::optional<FileDialogAnswer> Run();
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    HWND item(int id) const { return GetDlgItem(window_, id); }
    HWND add(LPCWSTR kind, LPCWSTR text, DWORD style, int id, RECT r, DWORD ex = 0);
    void CreateControls();
    std::u16string Patterns() const;
    std::u16string Resolve(const std::u16string& typed) const;
    bool Navigate(const std::u16string& folder);
    void Remember(const std::u16string& folder);
    void FillLists(const FolderListing& listing);
    void FileSelected();
    void Accept();
    void AcceptFile(const std::u16string& name);
    void OpenSelectedFolder();
    void DrawFile(const DRAWITEMSTRUCT& d) const;
    void DrawPreview(const DRAWITEMSTRUCT& d) const;
    void Command(int id, WORD code);

    const FileDialogRequest& request_;
    HWND window_ = nullptr;
    HFONT font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    std::u16string folder_;
    std::vector<FolderEntry> files_;
    std::vector<std::u16string> history_;
    std::u16string typed_filter_;
    DWORD filter_index_ = 1;
    bool pictures_ = false;
    controls::Thumbnail preview_;
    std::optional<std::u16string> answer_;
};

FileDialog* dialog_of(HWND hwnd) {
    return reinterpret_cast<FileDialog*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (FileDialog* d = dialog_of(hwnd)) return d->Handle(msg, wParam, lParam);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND FileDialog::add(LPCWSTR kind, LPCWSTR text, DWORD style, int id, RECT r, DWORD ex) {
    HWND c = CreateWindowExW(ex, kind, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             platform::library_instance(), nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return c;
}

void FileDialog::CreateControls() {
    const int right = Width - Margin, bottom = Height - Margin;
    add(u"STATIC", u"&Look in:", SS_CENTERIMAGE, 0, {Margin, Margin, 80, Margin + Row});
    add(u"COMBOBOX", u"", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, PathId,
        {84, Margin, right - 160, Margin + 200});
    add(u"BUTTON", u"&Up", WS_TABSTOP, UpId, {right - 152, Margin, right - 80, Margin + Row});
    add(u"BUTTON", u"Ho&me", WS_TABSTOP, HomeId, {right - 72, Margin, right, Margin + Row});
    const int lists_top = Margin + Row + 26, lists_bottom = bottom - 2 * Row - 18;
    add(u"STATIC", u"F&olders", 0, 0, {Margin, lists_top - 18, 200, lists_top - 2});
    add(u"LISTBOX", u"", LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP, FoldersId,
        {Margin, lists_top, 200, lists_bottom}, WS_EX_CLIENTEDGE);
    const int files_right = pictures_ ? right - 170 : right;
    add(u"STATIC", u"F&iles", 0, 0, {210, lists_top - 18, files_right, lists_top - 2});
    add(u"LISTBOX", u"", LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP, FilesId,
        {210, lists_top, files_right, lists_bottom}, WS_EX_CLIENTEDGE);
    if (pictures_)
        add(u"STATIC", u"", SS_OWNERDRAW | SS_SUNKEN, PreviewId,
            {right - 160, lists_top, right, lists_top + 160}, WS_EX_STATICEDGE);
    const int name_top = lists_bottom + 10, type_top = name_top + Row + 8;
    add(u"STATIC", u"File &name:", SS_CENTERIMAGE, 0, {Margin, name_top, 100, name_top + Row});
    add(u"EDIT", std::u16string(request_.fileName).c_str(), ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, NameId,
        {104, name_top, right - 130, name_top + Row}, WS_EX_CLIENTEDGE);
    add(u"BUTTON", request_.save ? u"&Save" : u"&Open", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK,
        {right - 120, name_top, right, name_top + Row});
    add(u"STATIC", u"Files of &type:", SS_CENTERIMAGE, 0, {Margin, type_top, 100, type_top + Row});
    HWND types = add(u"COMBOBOX", u"", CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL, TypeId,
                     {104, type_top, right - 130, type_top + 160});
    add(u"BUTTON", u"Cancel", WS_TABSTOP | ZBS_CANCEL, IDCANCEL,
        {right - 120, type_top, right, type_top + Row});
    for (const auto& [description, pattern] : request_.filters) {
        const std::u16string shown = description.empty() ? pattern : description;
        SendMessageW(types, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
    }
    SendMessageW(types, CB_SETCURSEL, filter_index_ - 1, 0);
}

std::u16string FileDialog::Patterns() const {
    if (!typed_filter_.empty()) return typed_filter_;
    if (filter_index_ >= 1 && filter_index_ <= request_.filters.size())
        return request_.filters[filter_index_ - 1].second;
    return u"*";
}

std::u16string FileDialog::Resolve(const std::u16string& typed) const {
    fs::path p;
    if (typed == u"~" || typed.starts_with(u"~/"))
        p = native(home_folder() + typed.substr(1));
    else if (typed.starts_with(u"/"))
        p = native(typed);
    else
        p = native(folder_) / native(typed);
    std::u16string out = utf16(p.lexically_normal());
    while (out.size() > 1 && out.back() == u'/') out.pop_back();
    return out;
}

void FileDialog::Remember(const std::u16string& folder) {
    std::erase(history_, folder);
    history_.insert(history_.begin(), folder);
    if (history_.size() > HistorySize) history_.resize(HistorySize);
    HWND path = item(PathId);
    SendMessageW(path, CB_RESETCONTENT, 0, 0);
    for (const auto& f : history_) SendMessageW(path, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(f.c_str()));
    SetWindowTextW(path, folder.c_str());
}

bool FileDialog::Navigate(const std::u16string& folder) {
    std::u16string why;
    const auto listing = ListFolder(folder, Patterns(), why);
    if (!listing) {
        const std::u16string text = u"The folder \"" + folder + u"\" cannot be read:\r\n" + why + u".";
        ShowMessageBox(text.c_str(), mkStop, mbOK);
        return false;
    }
    folder_ = folder;
    Remember(folder);
    FillLists(*listing);
    return true;
}

void FileDialog::FillLists(const FolderListing& listing) {
    HWND folders = item(FoldersId), files = item(FilesId);
    SendMessageW(folders, LB_RESETCONTENT, 0, 0);
    SendMessageW(files, LB_RESETCONTENT, 0, 0);
    if (folder_ != u"/") SendMessageW(folders, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u".."));
    for (const auto& f : listing.folders)
        SendMessageW(folders, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(f.name.c_str()));
    files_ = listing.files;
    for (const auto& f : files_)
        SendMessageW(files, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(f.name.c_str()));
    preview_.Clear();
    if (HWND box = item(PreviewId)) InvalidateRect(box, nullptr, FALSE);
}

void FileDialog::FileSelected() {
    const LRESULT i = SendDlgItemMessageW(window_, FilesId, LB_GETCURSEL, 0, 0);
    if (i < 0 || static_cast<std::size_t>(i) >= files_.size()) return;
    const std::u16string& name = files_[static_cast<std::size_t>(i)].name;
    SetDlgItemTextW(window_, NameId, name.c_str());
    if (!pictures_) return;
    preview_.Load(platform::to_utf8(Resolve(name)), 152);
    InvalidateRect(item(PreviewId), nullptr, FALSE);
}

void FileDialog::OpenSelectedFolder() {
    HWND folders = item(FoldersId);
    const LRESULT i = SendMessageW(folders, LB_GETCURSEL, 0, 0);
    if (i < 0) return;
    WCHAR name[512];
    if (SendMessageW(folders, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) >= 512) return;
    SendMessageW(folders, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
    if (Navigate(Resolve(name))) SetFocus(folders);
}

void FileDialog::AcceptFile(const std::u16string& name) {
    if (name.find_first_of(u"*?") != std::u16string::npos) { // a pattern of one's own
        typed_filter_ = name;
        Navigate(folder_);
        return;
    }
    std::u16string path = Resolve(name);
    std::error_code error;
    if (fs::is_directory(native(path), error)) {
        if (Navigate(path)) SetDlgItemTextW(window_, NameId, u"");
        return;
    }
    const std::u16string_view extension = request_.defaultExtension;
    if (!extension.empty() && native(path).filename().string().find('.') == std::string::npos)
        path += u"." + std::u16string(extension);
    const bool exists = fs::exists(native(path), error);
    if (!request_.save && !exists) {
        ShowMessageBox((u"The file \"" + path + u"\" does not exist.").c_str(), mkWarning, mbOK);
        return;
    }
    if (request_.save && !fs::is_directory(native(path).parent_path(), error)) {
        ShowMessageBox((u"The folder \"" + utf16(native(path).parent_path()) + u"\" does not exist.").c_str(),
                       mkWarning, mbOK);
        return;
    }
    // Saving over a file always asks first: nothing is overwritten without the user's word.
    if (request_.save && exists &&
        ShowMessageBox((u"\"" + path + u"\" already exists.\r\nDo you want to replace it?").c_str(),
                       mkQuestion, mbYes | mbNo) != IDYES)
        return;
    answer_ = path;
    controls::EndModal(window_, IDOK);
}

void FileDialog::Accept() {
    const HWND focus = GetFocus();
    if (focus == item(FoldersId)) return OpenSelectedFolder();
    if (focus == item(PathId) || IsChild(item(PathId), focus)) {
        Navigate(Resolve(trimmed(controls::window_text(item(PathId)))));
        return;
    }
    std::u16string name = trimmed(controls::window_text(item(NameId)));
    const LRESULT i = SendDlgItemMessageW(window_, FilesId, LB_GETCURSEL, 0, 0);
    if (focus == item(FilesId) && i >= 0 && static_cast<std::size_t>(i) < files_.size())
        name = files_[static_cast<std::size_t>(i)].name;
    if (!name.empty()) AcceptFile(name);
}

void FileDialog::Command(int id, WORD code) {
    switch (id) {
    case IDOK: Accept(); return;
    case IDCANCEL: controls::EndModal(window_, IDCANCEL); return;
    case UpId:
        if (folder_ != u"/") Navigate(utf16(native(folder_).parent_path()));
        return;
    case HomeId: Navigate(home_folder()); return;
    case FoldersId:
        if (code == LBN_DBLCLK) OpenSelectedFolder();
        return;
    case FilesId:
        if (code == LBN_SELCHANGE) FileSelected();
        if (code == LBN_DBLCLK) Accept();
        return;
    case PathId:
        if (code == CBN_SELCHANGE) {
            const LRESULT i = SendDlgItemMessageW(window_, PathId, CB_GETCURSEL, 0, 0);
            if (i >= 0 && static_cast<std::size_t>(i) < history_.size())
                Navigate(history_[static_cast<std::size_t>(i)]);
        }
        return;
    case TypeId:
        if (code == CBN_SELCHANGE) {
            filter_index_ = static_cast<DWORD>(SendDlgItemMessageW(window_, TypeId, CB_GETCURSEL, 0, 0) + 1);
            typed_filter_.clear();
            Navigate(folder_);
        }
        return;
    default: return;
    }
}

void FileDialog::DrawFile(const DRAWITEMSTRUCT& d) const {
    if (d.itemID >= files_.size()) return;
    const FolderEntry& f = files_[d.itemID];
    const bool selected = (d.itemState & ODS_SELECTED) != 0;
    controls::fill_solid(d.hDC, d.rcItem, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(d.hDC, TRANSPARENT);
    SetTextColor(d.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SelectObject(d.hDC, font_);
    const int date_width = 110, size_width = 70;
    RECT name = d.rcItem, size = d.rcItem, date = d.rcItem;
    name.left += 3;
    name.right -= date_width + size_width + 8;
    size.right -= date_width + 8;
    size.left = size.right - size_width;
    date.left = date.right - date_width;
    const std::u16string size_text = SizeText(f.size), date_text = TimeText(f.modified);
    const UINT line = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    DrawTextW(d.hDC, f.name.c_str(), static_cast<int>(f.name.size()), &name, line);
    DrawTextW(d.hDC, size_text.c_str(), static_cast<int>(size_text.size()), &size, line | DT_RIGHT);
    DrawTextW(d.hDC, date_text.c_str(), static_cast<int>(date_text.size()), &date, line);
    if (d.itemState & ODS_FOCUS) DrawFocusRect(d.hDC, &d.rcItem);
}

void FileDialog::DrawPreview(const DRAWITEMSTRUCT& d) const {
    controls::fill_solid(d.hDC, d.rcItem, GetSysColor(COLOR_WINDOW));
    RECT box = d.rcItem;
    InflateRect(&box, -4, -4);
    if (!preview_.Empty()) return preview_.Draw(d.hDC, box);
    SetBkMode(d.hDC, TRANSPARENT);
    SetTextColor(d.hDC, GetSysColor(COLOR_GRAYTEXT));
    SelectObject(d.hDC, font_);
    DrawTextW(d.hDC, u"No preview", -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

LRESULT FileDialog::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND: Command(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_MEASUREITEM: {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        m->itemHeight = 18;
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto& d = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (d.CtlID == FilesId) DrawFile(d);
        if (d.CtlID == PreviewId) DrawPreview(d);
        return TRUE;
    }
    case WM_INITDIALOG:
        SetFocus(item(NameId));
        SendDlgItemMessageW(window_, NameId, EM_SETSEL, 0, -1);
        return 0;
    case WM_CLOSE: controls::EndModal(window_, IDCANCEL); return 0;
    default: return DefWindowProcW(window_, msg, wParam, lParam);
    }
}

std::u16string first_folder(const FileDialogRequest& r) {
    std::error_code error;
    const fs::path named = native(r.fileName);
    if (!r.fileName.empty() && named.has_parent_path() && fs::is_directory(named.parent_path(), error))
        return utf16(fs::absolute(named.parent_path(), error).lexically_normal());
    if (!r.initialDirectory.empty() && fs::is_directory(native(r.initialDirectory), error))
        return std::u16string(r.initialDirectory);
    return utf16(fs::current_path(error));
}

std::optional<FileDialogAnswer> FileDialog::Run() {
    controls::RegisterControlClasses();
    controls::RegisterLibraryClass(DialogClass, DialogProc, 0, GetSysColorBrush(COLOR_BTNFACE));
    filter_index_ = request_.filterIndex >= 1 && request_.filterIndex <= request_.filters.size()
                        ? request_.filterIndex
                        : 1;
    pictures_ = IsPictureFilter(Patterns());
    const std::u16string title =
        request_.title.empty() ? (request_.save ? u"Save As" : u"Open") : std::u16string(request_.title);
    window_ = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, DialogClass, title.c_str(),
                              WS_POPUP | WS_CAPTION | WS_SYSMENU, 100, 80, Width, Height, request_.owner,
                              nullptr, platform::library_instance(), nullptr);
    if (window_ == nullptr) return std::nullopt;
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    CreateControls();
    // The name box keeps a name without its folder; the folder is where the dialog starts.
    const std::u16string start = first_folder(request_);
    SetDlgItemTextW(window_, NameId, utf16(native(request_.fileName).filename()).c_str());
    if (!Navigate(start)) Navigate(home_folder());
    const int result = controls::RunModal(window_, request_.owner, IDCANCEL);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
    if (result != IDOK || !answer_) return std::nullopt;
    return FileDialogAnswer{*answer_, filter_index_};
}

} // namespace

std::optional<FileDialogAnswer> AskFileName(const FileDialogRequest& request) {
    return FileDialog(request).Run();
}

} // namespace zeledit::dialogs
