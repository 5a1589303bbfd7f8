// The Open and Save As dialogs: the request goes to whoever answers them, the answer is
// checked and written back into the caller's record.
#include "platform/user/file_dialogs.h"

#include "platform/backend/backend.h"
#include "platform/core/text.h"

#include <zeledit/win_dialogs.h>

#include <algorithm>
#include <filesystem>

namespace zeledit::platform {
namespace {

FileDialogHook& hook() {
    static FileDialogHook h;
    return h;
}

FileDialogHook& builtin() {
    static FileDialogHook h;
    return h;
}

// The host's or test's answer first; on a desktop without one, the library's own dialog.
const FileDialogHook* answerer() {
    if (hook()) return &hook();
    if (builtin() && backend().interactive()) return &builtin();
    return nullptr;
}

DWORD& last_error() {
    static DWORD e = 0;
    return e;
}

// The pairs of a filter list: NUL-separated strings that end with an empty one.
std::vector<std::pair<std::u16string, std::u16string>> filter_pairs(LPCWSTR filter) {
    std::vector<std::pair<std::u16string, std::u16string>> pairs;
    while (filter != nullptr && *filter != 0) {
        const std::u16string_view description = wide_view(filter);
        const std::u16string_view pattern = wide_view(filter + description.size() + 1);
        pairs.emplace_back(description, pattern);
        if (pattern.empty()) break;
        filter += description.size() + pattern.size() + 2;
    }
    return pairs;
}

std::size_t name_start(std::u16string_view path) {
    const std::size_t slash = path.find_last_of(u'/');
    return slash == std::u16string_view::npos ? 0 : slash + 1;
}

void add_default_extension(std::u16string& path, std::u16string_view extension) {
    while (!extension.empty() && extension.front() == u'.') extension.remove_prefix(1);
    const std::u16string_view name = std::u16string_view(path).substr(name_start(path));
    if (!extension.empty() && !name.empty() && name.find(u'.') == std::u16string_view::npos) {
        path += u'.';
        path += extension;
    }
}

bool acceptable(const std::u16string& path, DWORD flags) {
    std::error_code error;
    const std::filesystem::path p(to_utf8(path));
    if ((flags & OFN_FILEMUSTEXIST) != 0) return std::filesystem::is_regular_file(p, error);
    if ((flags & OFN_PATHMUSTEXIST) != 0 && p.has_parent_path())
        return std::filesystem::is_directory(p.parent_path(), error);
    return true;
}

BOOL fail(DWORD error) {
    last_error() = error;
    return FALSE;
}

BOOL run(LPOPENFILENAMEW ofn, bool save) {
    last_error() = 0;
    if (ofn == nullptr || ofn->lStructSize < sizeof(OPENFILENAMEW)) return fail(CDERR_STRUCTSIZE);
    if (ofn->lpstrFile == nullptr || ofn->nMaxFile == 0) return fail(CDERR_INITIALIZATION);
    const FileDialogHook* ask = answerer();
    if (ask == nullptr) return FALSE;
    // The caller's name need not be terminated within its buffer.
    const std::u16string_view initial(
        ofn->lpstrFile, std::find(ofn->lpstrFile, ofn->lpstrFile + ofn->nMaxFile, u'\0') - ofn->lpstrFile);
    const FileDialogRequest request{save,
                                    ofn->hwndOwner,
                                    wide_view(ofn->lpstrTitle),
                                    filter_pairs(ofn->lpstrFilter),
                                    ofn->nFilterIndex,
                                    initial,
                                    wide_view(ofn->lpstrDefExt),
                                    ofn->Flags,
                                    wide_view(ofn->lpstrInitialDir)};
    std::optional<FileDialogAnswer> answer = (*ask)(request);
    if (!answer || answer->path.empty()) return FALSE;
    std::u16string path = std::move(answer->path);
    path.resize(std::min(path.find(u'\0'), path.size()));
    add_default_extension(path, request.defaultExtension);
    if (!acceptable(path, ofn->Flags)) return FALSE;
    if (path.size() + 1 > ofn->nMaxFile) {
        // The size needed goes in the first unit, when there is room for it.
        if (ofn->nMaxFile >= 2)
            ofn->lpstrFile[0] = static_cast<char16_t>(std::min<std::size_t>(path.size() + 1, 0xFFFF));
        return fail(FNERR_BUFFERTOOSMALL);
    }
    std::copy(path.begin(), path.end(), ofn->lpstrFile);
    ofn->lpstrFile[path.size()] = 0;
    const std::size_t start = name_start(path);
    const std::size_t dot = path.find_last_of(u'.');
    ofn->nFileOffset = static_cast<WORD>(std::min<std::size_t>(start, 0xFFFF));
    ofn->nFileExtension = static_cast<WORD>(
        std::min<std::size_t>(dot != std::u16string::npos && dot >= start ? dot + 1 : path.size(), 0xFFFF));
    if (answer->filterIndex != 0) ofn->nFilterIndex = answer->filterIndex;
    if (ofn->lpstrFileTitle != nullptr && ofn->nMaxFileTitle > 0) {
        const std::u16string_view title = std::u16string_view(path).substr(start, ofn->nMaxFileTitle - 1);
        std::copy(title.begin(), title.end(), ofn->lpstrFileTitle);
        ofn->lpstrFileTitle[title.size()] = 0;
    }
    return TRUE;
}

} // namespace
} // namespace zeledit::platform

BOOL GetOpenFileNameW(LPOPENFILENAMEW ofn) { return zeledit::platform::run(ofn, false); }
BOOL GetSaveFileNameW(LPOPENFILENAMEW ofn) { return zeledit::platform::run(ofn, true); }
DWORD CommDlgExtendedError() { return zeledit::platform::last_error(); }

void zeledit::SetFileDialogHook(FileDialogHook h) { platform::hook() = std::move(h); }

void zeledit::platform::set_builtin_file_dialog(FileDialogHook dialog) { builtin() = std::move(dialog); }
