#include "engine/drag_object.h"

#include "platform/user/window_dc.h"

#include <algorithm>

namespace zeledit::engine {

TDragObject::TDragObject(HWND Parent, objects::TObjectItem* Object)
    : ParentWindow(Parent), ParentObject(Object) {}

void TDragObject::SetPosition(int X, int Y) {
    Fx = X;
    Fy = Y;
}

void TDragObject::Draw() const {
    const platform::WindowDC dc(ParentWindow);
    for (int inset = 0; inset < 4; ++inset) {
        const RECT r{Fx + inset, Fy + inset, Fx + FWidth - inset, Fy + FHeight - inset};
        if (r.right > r.left && r.bottom > r.top) DrawFocusRect(dc, &r);
    }
}

void TDragObject::MouseDown(int X, int Y) {
    FDx = X - Fx;
    FDy = Y - Fy;
    Draw();
}

void TDragObject::MouseMove(int X, int Y) {
    Draw();
    if (Orientation != doVertical) Fx = X - FDx;
    if (Orientation != doHorizontal) Fy = Y - FDy;
    if (FRegion.right >= 0) Fx = std::min(Fx, static_cast<int>(FRegion.right) - FWidth);
    Fx = std::max(Fx, static_cast<int>(FRegion.left));
    if (FRegion.bottom >= 0) Fy = std::min(Fy, static_cast<int>(FRegion.bottom) - FHeight);
    Fy = std::max(Fy, static_cast<int>(FRegion.top));
    Draw();
}

void TDragObject::MouseUp(int, int) { Draw(); }

} // namespace zeledit::engine
