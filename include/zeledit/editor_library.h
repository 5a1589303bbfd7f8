// The editor's window classes and the functions the library exports.
#pragma once

#include <zeledit/win_types.h>

inline constexpr LPCWSTR FormattedEditorClassName = u"vorelskadineFormattedEditor32";
inline constexpr LPCWSTR DrawEditorClassName = u"vorelskadineDrawEditor32";
inline constexpr LRESULT EditorVersion = 0x60000;
// Where the accent tables are installed, below the installation prefix.
inline constexpr LPCWSTR AccentTableSubfolder = u"share/zeledit/accent-tables";

extern "C" {
// Registers both window classes (the library does this itself when it is loaded); answers
// the document class's atom, or the non-zero result of finding it already registered.
ZE_API ATOM InitEditorLib() noexcept;
// The module instance the classes are registered with.
ZE_API HINSTANCE GetEditInstance() noexcept;
// Replaces the accent table of Vietnamese typing, for every editor, from a file; FALSE
// when the file cannot be read or is not a valid table.
ZE_API BOOL LoadAccentTable(LPCWSTR FileName) noexcept;
// The folder of the accent tables installed with the library: telex.tbl (s f r x j tones,
// aa ee oo, aw ow uw, w, dd, z), viqr.tbl (' ` ? ~ . tones, ^ ( +, dd) and vni.tbl (the
// built-in digits). Found from the library's own file; zero-terminated, valid for the
// process. With tone placement (EFM_SETTONEPLACEMENT) a tone key may come anywhere in the
// syllable.
//   LoadAccentTable((std::u16string(GetAccentTableFolder()) + u"/telex.tbl").c_str());
ZE_API LPCWSTR GetAccentTableFolder() noexcept;

// Why the last document file operation of this thread failed: EFM_SAVEDOC, EFM_LOADDOC,
// EFM_LOADTEMPLATE and the editor's own Open and Save. It names the file and gives the
// system's reason ("/tmp/a.zdf: Permission denied", "/dev/full: not a regular file"); it is
// empty after a success. The text stays valid until the next call on this thread.
//   if (!SendMessageW(editor, EFM_SAVEDOC, 0, (LPARAM)u"/tmp/a.zdf")) show(GetLastFileError());
ZE_API LPCWSTR GetLastFileError() noexcept;

// Previews for a host's own format lists. `Entry` is a character or paragraph format entry
// an editor hands out (EFM_GETFONTITEM, EFM_GETPARAITEM), valid while its tables stay as
// they are; a null entry draws nothing.
// Draws `Text` (at most 255 characters; the face name when null) in the entry's format.
ZE_API void PreviewFont(HDC dc, int x, int y, LPCWSTR Text, const void* Entry) noexcept;
// A miniature of the paragraph format in `Rect`, standing for a text `Width` pixels wide.
ZE_API void PreviewPara(HDC dc, RECT Rect, int Width, const void* Entry) noexcept;
// The height a line of the format needs, in pixels; 0 for a null entry.
ZE_API int feGetFontHeight(const void* Entry) noexcept;

// Format code text: the editor's text with bold (~B), italic (~I), underline (~U), the
// Symbol face (~Y), the colour (~CRRGGBB) and the script position (~- ~0 ~_) written inline.
// A new zero-terminated UTF-16 block the caller frees, or null for an empty editor.
ZE_API HGLOBAL docGetFormatCode(HWND Window) noexcept;
// Replaces the editor's content with the text the codes describe.
ZE_API void docReformatSpecText(HWND Window, LPCWSTR Text) noexcept;

// The toolbar picture strips and their masks (magenta is transparent): new bitmaps the
// caller deletes, or null when the library holds no such strip.
ZE_API HBITMAP GetFormatToolBitmap() noexcept;
ZE_API HBITMAP GetFormatToolMask() noexcept;
ZE_API HBITMAP GetStdToolBitmap() noexcept;
ZE_API HBITMAP GetStdToolMask() noexcept;
}
