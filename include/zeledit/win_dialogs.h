// The file name dialogs. Whoever shows them (the interactive backend, a host, a test)
// answers through one hook; without a hook, and headless, they answer as if cancelled.
#pragma once

#include <zeledit/win_types.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using LPOFNHOOKPROC = UINT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

struct OPENFILENAMEW {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    LPCWSTR lpstrFilter; // description and pattern pairs, each NUL-terminated, then a NUL
    LPWSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex; // 1-based
    LPWSTR lpstrFile;
    DWORD nMaxFile;
    LPWSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCWSTR lpstrInitialDir;
    LPCWSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    LPCWSTR lpstrDefExt; // without the period
    LPARAM lCustData;
    LPOFNHOOKPROC lpfnHook;
    LPCWSTR lpTemplateName;
    void* pvReserved;
    DWORD dwReserved;
    DWORD FlagsEx;
};
using LPOPENFILENAMEW = OPENFILENAMEW*;

inline constexpr DWORD OFN_READONLY = 0x1;
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x2;
inline constexpr DWORD OFN_HIDEREADONLY = 0x4;
inline constexpr DWORD OFN_NOCHANGEDIR = 0x8;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x800;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x1000;

inline constexpr DWORD CDERR_STRUCTSIZE = 0x0001;
inline constexpr DWORD CDERR_INITIALIZATION = 0x0002;
inline constexpr DWORD FNERR_BUFFERTOOSMALL = 0x3003;

ZE_API BOOL GetOpenFileNameW(LPOPENFILENAMEW ofn);
ZE_API BOOL GetSaveFileNameW(LPOPENFILENAMEW ofn);
// Why the last dialog answered FALSE; 0 when it was cancelled.
ZE_API DWORD CommDlgExtendedError();

namespace zeledit {

struct FileDialogRequest {
    bool save;
    HWND owner;
    std::u16string_view title;
    std::vector<std::pair<std::u16string, std::u16string>> filters; // description, pattern
    DWORD filterIndex;                                              // 1-based
    std::u16string_view fileName;                                   // the initial name
    std::u16string_view defaultExtension;                           // without the period
    DWORD flags;
    std::u16string_view initialDirectory; // where to start when the name has no folder
};

struct FileDialogAnswer {
    std::u16string path;
    DWORD filterIndex = 0; // 0 keeps the request's
};

// Answers a file dialog: a name, or nothing for Cancel. The dialog then adds the default
// extension and checks OFN_FILEMUSTEXIST and OFN_PATHMUSTEXIST against the file system.
using FileDialogHook = std::function<std::optional<FileDialogAnswer>(const FileDialogRequest&)>;
ZE_API void SetFileDialogHook(FileDialogHook hook);

} // namespace zeledit
