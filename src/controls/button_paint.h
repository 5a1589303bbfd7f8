// How each kind of button draws itself.
#pragma once

#include "controls/controls.h"

namespace zeledit::controls {

struct ButtonState : ControlState {
    WPARAM check = BST_UNCHECKED;
    HBITMAP image = nullptr; // BM_SETIMAGE; the caller keeps it
};

void paint_button(HWND hwnd, const ButtonState& s);
// A small filled triangle centred at (cx, cy), pointing down (or up): the arrows of drop-down
// boxes and spin edits.
void draw_arrow(HDC dc, int cx, int cy, bool down, COLORREF color);
// A raised (or, pressed, sunken) one-pixel bevel inside `r`.
void draw_bevel(HDC dc, const RECT& r, COLORREF face, bool sunken);

} // namespace zeledit::controls
