#include "dialogs/dialog_window.h"

#include "controls/controls.h"
#include "controls/modal_loop.h"
#include "platform/user/modules.h"

#include <algorithm>

namespace zeledit::dialogs {

HWND CreateDialogWindow(LPCWSTR dialog_class, WNDPROC proc, LPCWSTR title, SIZE size, HWND owner) {
    controls::RegisterControlClasses();
    controls::RegisterLibraryClass(dialog_class, proc, 0, GetSysColorBrush(COLOR_BTNFACE));
    RECT over{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner != nullptr) GetWindowRect(owner, &over);
    const int x = std::max<int>((over.left + over.right - size.cx) / 2, 0);
    const int y = std::max<int>((over.top + over.bottom - size.cy) / 2, 0);
    return CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, dialog_class, title,
                           WS_POPUP | WS_CAPTION | WS_SYSMENU, x, y, size.cx, size.cy, owner, nullptr,
                           platform::library_instance(), nullptr);
}

int RunDialogWindow(HWND dialog, HWND owner, void* state) {
    SetWindowLongPtrW(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    const int result = controls::RunModal(dialog, owner, IDCANCEL);
    SetWindowLongPtrW(dialog, GWLP_USERDATA, 0);
    DestroyWindow(dialog);
    return result;
}

} // namespace zeledit::dialogs
