// The records behind window and class handles.
#pragma once

#include <zeledit/win_user.h>

#include <memory>
#include <string>
#include <vector>

namespace zeledit::platform {

class Surface;
struct ThreadState;

struct WindowClass {
    std::u16string name;
    ATOM atom = 0;
    WNDCLASSW info{}; // name pointers are not kept; see name and menu_name
    std::u16string menu_name;
    bool system = false; // registered by the platform itself ("SCROLLBAR")
    int window_count = 0;
    bool global() const { return (info.style & CS_GLOBALCLASS) != 0; }
};

struct ScrollBarState {
    int min = 0;
    int max = 0;
    UINT page = 0;
    int pos = 0;
    int track_pos = 0;
    UINT disabled_arrows = 0;
    bool tracking = false;
};

struct Property {
    std::u16string key;
    HANDLE data;
};

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<WindowClass> cls;
    WNDPROC proc = nullptr;
    HINSTANCE instance = nullptr;
    HWND parent = nullptr;      // only for WS_CHILD windows
    HWND owner = nullptr;       // top-level windows only
    std::vector<HWND> children; // in creation order, the last one on top
    DWORD style = 0;
    DWORD ex_style = 0;
    RECT rect{}; // in the parent's client coordinates; screen coordinates for top-level windows
    std::u16string text;
    LONG_PTR id = 0;
    HMENU menu_bar = nullptr; // top-level windows: the menu shown above the client area
    int menu_bar_lit = -1;    // the bar's item whose menu is open
    LONG_PTR user_data = 0;
    std::vector<unsigned char> extra;
    std::vector<Property> properties;
    RECT client{}; // client rectangle in window coordinates as of the last move or size
    RECT update{}; // bounding rectangle of the update region, client coordinates
    bool erase_pending = false;
    bool frame_pending = true; // edges and scroll bars await WM_NCPAINT
    ScrollBarState hbar, vbar; // the window's own bars
    ScrollBarState control;    // a "SCROLLBAR" control's state
    ThreadState* thread = nullptr;
    std::shared_ptr<Surface> surface; // top-level windows own one; children draw on it
    bool created = false;             // WM_NCCREATE accepted
    bool destroying = false;

    bool is_child() const { return (style & WS_CHILD) != 0 && parent != nullptr; }
    bool has_update() const { return update.right > update.left && update.bottom > update.top; }
    bool needs_paint() const { return has_update() || frame_pending; }
};

} // namespace zeledit::platform
