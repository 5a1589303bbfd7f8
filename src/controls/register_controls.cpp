#include "controls/controls.h"

#include "platform/user/modules.h"

namespace zeledit::controls {

LRESULT CALLBACK button_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK panel_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK separator_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK static_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK edit_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK combo_box_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK spin_edit_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK caption_bar_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK page_control_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK page_panel_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK splitter_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK color_picker_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK font_list_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK file_list_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK char_map_proc(HWND, UINT, WPARAM, LPARAM);

void RegisterLibraryClass(LPCWSTR name, WNDPROC proc, UINT style, HBRUSH background, LPCWSTR cursor) {
    const HINSTANCE instance = platform::library_instance();
    if (GetClassInfoW(instance, name, nullptr)) return;
    WNDCLASSW wc{};
    wc.style = style | CS_GLOBALCLASS;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hbrBackground = background;
    wc.hCursor = LoadCursorW(nullptr, cursor);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

void RegisterControlClasses() {
    RegisterLibraryClass(ButtonClassName, button_proc, CS_DBLCLKS);
    RegisterLibraryClass(SpinEditClassName, spin_edit_proc, CS_DBLCLKS);
    RegisterLibraryClass(CaptionBarClassName, caption_bar_proc);
    RegisterLibraryClass(PageControlClassName, page_control_proc);
    RegisterLibraryClass(PagePanelClassName, page_panel_proc);
    RegisterLibraryClass(SplitterClassName, splitter_proc);
    RegisterLibraryClass(ColorPickerClassName, color_picker_proc);
    RegisterLibraryClass(FontListClassName, font_list_proc, CS_DBLCLKS);
    RegisterLibraryClass(FileListClassName, file_list_proc, CS_DBLCLKS);
    RegisterLibraryClass(CharMapClassName, char_map_proc, CS_DBLCLKS);
    // The kinds the desktop also has, under its names.
    RegisterLibraryClass(u"BUTTON", button_proc, CS_DBLCLKS);
    RegisterLibraryClass(u"STATIC", static_proc, CS_DBLCLKS);
    RegisterLibraryClass(u"EDIT", edit_proc, CS_DBLCLKS, nullptr, IDC_IBEAM);
    RegisterLibraryClass(u"LISTBOX", list_box_proc, CS_DBLCLKS);
    RegisterLibraryClass(u"COMBOBOX", combo_box_proc, CS_DBLCLKS);
    RegisterLibraryClass(PanelClassName, panel_proc);
    RegisterLibraryClass(SeparatorClassName, separator_proc);
}

} // namespace zeledit::controls
