// Registration of the library's controls and the state they share.
#pragma once

#include <zeledit/controls.h>
#include <zeledit/windows.h>

namespace zeledit::controls {

// Registers the control classes with the library's instance (idempotent).
void RegisterControlClasses();
// Registers a class of the library's own windows once: global, with the library's instance
// and the arrow cursor.
void RegisterLibraryClass(LPCWSTR name, WNDPROC proc, UINT style = 0, HBRUSH background = nullptr);

// Colours and font a control keeps in its user data.
struct ControlState {
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    COLORREF text = GetSysColor(COLOR_BTNTEXT);
    HFONT font = nullptr; // not owned
    bool pressed = false;
    bool tracking = false;
};

ControlState* state_of(HWND hwnd);
// Common messages: state creation and release, colours and fonts. Answers true when handled.
bool handle_common(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
// Fills a rectangle with a colour.
void fill_solid(HDC dc, const RECT& rect, COLORREF color);
// Selects the control's font into a DC and answers what was there.
HGDIOBJ select_font(HDC dc, const ControlState& s);

} // namespace zeledit::controls
