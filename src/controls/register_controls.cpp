#include "controls/controls.h"

#include "platform/user/modules.h"

namespace zeledit::controls {

LRESULT CALLBACK button_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK panel_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK separator_proc(HWND, UINT, WPARAM, LPARAM);

void RegisterLibraryClass(LPCWSTR name, WNDPROC proc, UINT style, HBRUSH background) {
    const HINSTANCE instance = platform::library_instance();
    if (GetClassInfoW(instance, name, nullptr)) return;
    WNDCLASSW wc{};
    wc.style = style | CS_GLOBALCLASS;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hbrBackground = background;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

void RegisterControlClasses() {
    RegisterLibraryClass(ButtonClassName, button_proc, CS_DBLCLKS);
    RegisterLibraryClass(PanelClassName, panel_proc);
    RegisterLibraryClass(SeparatorClassName, separator_proc);
}

} // namespace zeledit::controls
