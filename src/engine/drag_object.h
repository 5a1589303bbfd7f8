// The outline that follows the mouse while a floating object is dragged: four nested focus
// rectangles drawn with exclusive-or, so that drawing it again erases it.
#pragma once

#include <zeledit/windows.h>

namespace zeledit::objects {
class TObjectItem;
}

namespace zeledit::engine {

enum TDragOrientation { doAnywhere, doVertical, doHorizontal };

class TDragObject {
public:
    TDragObject(HWND Parent, objects::TObjectItem* Object); // Create

    void SetPosition(int X, int Y);
    void MouseDown(int X, int Y);
    void MouseMove(int X, int Y);
    void MouseUp(int X, int Y);

    int Fx = 0, Fy = 0;   // the outline's top left
    int FDx = 0, FDy = 0; // the mouse inside the outline at the press
    int FWidth = 0, FHeight = 0;
    RECT FRegion{0, 0, 640, 480}; // a right or bottom below 0 sets no limit
    HWND ParentWindow;
    objects::TObjectItem* ParentObject;
    TDragOrientation Orientation = doAnywhere;

private:
    void Draw() const;
};

} // namespace zeledit::engine
