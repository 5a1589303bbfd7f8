// Registration of the library's controls and the state they share.
#pragma once

#include <zeledit/controls.h>
#include <zeledit/windows.h>

#include <memory>
#include <string>

namespace zeledit::controls {

// Registers the control classes with the library's instance (idempotent).
void RegisterControlClasses();
// Registers a class of the library's own windows once: global, with the library's instance.
void RegisterLibraryClass(LPCWSTR name, WNDPROC proc, UINT style = 0, HBRUSH background = nullptr,
                          LPCWSTR cursor = IDC_ARROW);

// Colours and font a control keeps in its user data; controls with more to keep derive
// from it.
struct ControlState {
    ControlState() = default;
    ControlState(const ControlState&) = delete;
    ControlState& operator=(const ControlState&) = delete;
    virtual ~ControlState() = default;
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    COLORREF text = GetSysColor(COLOR_BTNTEXT);
    HFONT font = nullptr; // not owned
    bool pressed = false;
    bool tracking = false;
};

using MakeState = std::unique_ptr<ControlState> (*)();

// Set on an owner-drawn list box whose own window procedure draws its items.
inline constexpr LPCWSTR SelfDrawnProperty = u"ZeleditDrawsItsItems";
LRESULT CALLBACK list_box_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

ControlState* state_of(HWND hwnd);
template <class State> State* state_as(HWND hwnd) { return dynamic_cast<State*>(state_of(hwnd)); }
template <class State> std::unique_ptr<ControlState> make_state() { return std::make_unique<State>(); }
// Common messages: state creation (by `make`) and release, colours and fonts. Answers true
// when handled.
bool handle_common(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                   MakeState make = make_state<ControlState>);
// Whether an edit inside a combo box or spin edit leaves this key to its owner.
bool owner_takes_key(HWND edit, WPARAM key);
// A control that is part of another (the list of a combo box, a pop-up owned by the dialog)
// names the control it reports to with this property; others report to their parent.
inline constexpr LPCWSTR ReportsToProperty = u"ZeleditReportsTo";
HWND report_target(HWND hwnd);
// Sends a WM_COMMAND notification to the control's parent (or the control it reports to).
void notify_parent(HWND hwnd, WORD code);
// The text of a window, whole.
std::u16string window_text(HWND hwnd);
// The descendant of `root` with the identifier `id` (controls on pages included); null if none.
HWND find_item(HWND root, int id);
// Fills a rectangle with a colour.
void fill_solid(HDC dc, const RECT& rect, COLORREF color);
// Paints the whole client area in the control's face colour (separators, pages).
void paint_face(HWND hwnd);
// The height of a line of the control's font, plus `padding`.
int line_height(HWND hwnd, const ControlState& s, int padding = 0);
// WM_SETTEXT for controls that keep their text in the window: stores it and repaints.
LRESULT set_text_and_repaint(HWND hwnd, WPARAM wParam, LPARAM lParam);
// Selects the control's font into a DC and answers what was there.
HGDIOBJ select_font(HDC dc, const ControlState& s);

} // namespace zeledit::controls
