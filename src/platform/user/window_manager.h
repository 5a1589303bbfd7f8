// The table of live windows and classes, and the geometry every other module shares.
#pragma once

#include "platform/user/window.h"

#include <memory>
#include <vector>

namespace zeledit::platform {

// Windows.
Window* find_window(HWND hwnd);    // null for a bad handle, last error untouched
Window* checked_window(HWND hwnd); // null and ERROR_INVALID_WINDOW_HANDLE for a bad handle
std::shared_ptr<Window> share_window(HWND hwnd);
HWND add_window(std::shared_ptr<Window> window);
void forget_window(HWND hwnd);
std::vector<HWND> top_level_windows();           // bottom to top
std::vector<HWND>* siblings_of(const Window& w); // parent's children or the top-level list
std::vector<HWND> all_windows_preorder();        // parents before their children

// Classes.
std::shared_ptr<WindowClass> find_class(LPCWSTR name, HINSTANCE instance);
std::u16string class_name_of(LPCWSTR name); // a name or an integer atom
std::vector<std::shared_ptr<WindowClass>>& class_list();
void ensure_system_classes(); // the platform's own classes, registered on first use
void reset_window_tables();

// Position-change flags the system adds for itself: the client area kept its size or place.
inline constexpr UINT SWP_NOCLIENTSIZE = 0x0800;
inline constexpr UINT SWP_NOCLIENTMOVE = 0x1000;

// Geometry. Window rectangles are kept in the parent's client coordinates.
RECT nonclient_insets(const Window& w); // left, top, right, bottom widths
RECT client_in_window(const Window& w); // client rectangle relative to the window's corner
SIZE client_size(const Window& w);
POINT client_origin_on_screen(const Window& w);
Window& top_level_of(Window& w);
POINT client_origin_in_surface(const Window& w);
bool shown_on_screen(const Window& w); // it and every ancestor visible

// Lets a window's procedure run without the window being freed under the caller.
LRESULT send_to(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace zeledit::platform
