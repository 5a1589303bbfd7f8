#include "controls/controls.h"

#include "platform/user/modules.h"

namespace zeledit::controls {

LRESULT CALLBACK button_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK panel_proc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK separator_proc(HWND, UINT, WPARAM, LPARAM);

void RegisterControlClasses() {
    const HINSTANCE instance = platform::library_instance();
    struct Entry {
        LPCWSTR name;
        WNDPROC proc;
        UINT style;
    };
    for (const Entry& e :
         {Entry{ButtonClassName, button_proc, CS_DBLCLKS}, Entry{PanelClassName, panel_proc, 0},
          Entry{SeparatorClassName, separator_proc, 0}}) {
        if (GetClassInfoW(instance, e.name, nullptr)) continue;
        WNDCLASSW wc{};
        wc.style = e.style | CS_GLOBALCLASS;
        wc.lpfnWndProc = e.proc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = e.name;
        RegisterClassW(&wc);
    }
}

} // namespace zeledit::controls
