#include "dialogs/object_preview.h"

#include "controls/controls.h"
#include "model/device_metrics.h"
#include "platform/gdi/scoped_gdi.h"

#include <algorithm>

namespace zeledit::dialogs {

void DrawPreview(const DRAWITEMSTRUCT& item, objects::TObjectItem* object, bool enlarge) {
    controls::fill_solid(item.hDC, item.rcItem, GetSysColor(COLOR_WINDOW));
    RECT room = item.rcItem;
    InflateRect(&room, -8, -8);
    if (object != nullptr && object->FOriginWidth > 0 && object->FOriginHeight > 0) {
        const double fit = std::min(double(room.right - room.left) / object->FOriginWidth,
                                    double(room.bottom - room.top) / object->FOriginHeight);
        const double scale = enlarge ? fit : std::min(fit, 1.0);
        const int w = std::max(int(object->FOriginWidth * scale), 1);
        const int h = std::max(int(object->FOriginHeight * scale), 1);
        // The object may be in the document: where it was last drawn is its hit area.
        const TObjectInfo saved = object->Info;
        const int was_x = object->TheX, was_y = object->TheY, was_origin = object->FOriginX;
        const bool was_drawn = object->FDrawn;
        object->Info.oiFloated = 1;
        object->Info.oiWidth = static_cast<std::uint16_t>(w * model::RefDotPerInchX / model::DotPerInchX);
        object->Info.oiHeight = static_cast<std::uint16_t>(h * model::RefDotPerInchY / model::DotPerInchY);
        const int x = (room.left + room.right - w) / 2, y = (room.top + room.bottom - h) / 2;
        const int clip = SaveDC(item.hDC);
        IntersectClipRect(item.hDC, room.left, room.top, room.right, room.bottom);
        object->DrawObject(item.hDC, x, false, 0, y);
        RestoreDC(item.hDC, clip);
        object->Info = saved;
        object->TheX = was_x;
        object->TheY = was_y;
        object->FOriginX = was_origin;
        object->FDrawn = was_drawn;
    }
    const platform::UniqueGdi<HBRUSH> frame(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
    FrameRect(item.hDC, &item.rcItem, frame.get());
}

} // namespace zeledit::dialogs
