#include "objects/drawing_object.h"

#include "model/device_metrics.h"
#include "platform/gdi/scoped_gdi.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace zeledit::objects {

TDrawingObj::TDrawingObj(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo,
                         const TDrawingInfo& AProps)
    : TObjectItem(AEditorInfo), FProps(AProps) {
    Info = AInfo;
    Info.oiIDText[sizeof Info.oiIDText - 1] = '\0';
    Info.oiSize = PropsSize;
    Info.oiFloated = 1;
    FOriginWidth = std::max<int>(Info.oiWidth, 1);
    FOriginHeight = std::max<int>(Info.oiHeight, 1);
}

TDrawingObj::TDrawingObj(model::TEditorInfo* AEditorInfo, const TDrawingObj& Source, std::uint8_t ID)
    : TDrawingObj(AEditorInfo, Source.Info, Source.FProps) {
    Info.oiID = ID;
}

std::unique_ptr<TDrawingObj> TDrawingObj::CreateFrom(model::TEditorInfo* AEditorInfo,
                                                     const TObjectInfo& AInfo,
                                                     std::span<const std::uint8_t> Data) {
    if (Data.size() < PropsSize) return nullptr;
    TDrawingInfo props{};
    std::memcpy(&props, Data.data(), PropsSize);
    return std::make_unique<TDrawingObj>(AEditorInfo, AInfo, props);
}

std::size_t TDrawingObj::GetDataSize() {
    Info.oiSize = PropsSize;
    return ObjectInfoSize + PropsSize;
}

void TDrawingObj::WriteTo(std::uint8_t* Buffer, std::size_t Index) {
    std::memcpy(Buffer + WriteNaturalRecord(Buffer, Index, PropsSize), &FProps, PropsSize);
}

void TDrawingObj::DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) {
    TObjectItem::DrawObject(DC, X, IsPrint, Background, Y);
    const RECT r = DataRect(X, Y);
    // The span runs from the corner where the drawing began: the signs of its extents say which.
    const int x0 = FProps.diDirection.x >= 0 ? r.left : r.right,
              x1 = FProps.diDirection.x >= 0 ? r.right : r.left;
    const int y0 = FProps.diDirection.y >= 0 ? r.top : r.bottom,
              y1 = FProps.diDirection.y >= 0 ? r.bottom : r.top;
    const bool line = FProps.diStyle == 0;
    const int width = std::max<int>(FProps.diWidth, 1) * model::PenUnit;
    const platform::UniqueGdi<HPEN> pen(
        FProps.diOutline || line ? CreatePen(PS_INSIDEFRAME, width, FProps.diLineColor) : nullptr);
    const platform::UniqueGdi<HBRUSH> brush(FProps.diFill ? CreateSolidBrush(FProps.diFillColor) : nullptr);
    const platform::SelectedObject with_pen(DC,
                                            pen ? static_cast<HGDIOBJ>(pen.get()) : GetStockObject(NULL_PEN));
    const platform::SelectedObject with_brush(DC, brush ? static_cast<HGDIOBJ>(brush.get())
                                                        : GetStockObject(HOLLOW_BRUSH));
    switch (FProps.diStyle) {
    case 0:
        MoveToEx(DC, x0, y0, nullptr);
        LineTo(DC, x1, y1);
        break;
    case 2: Ellipse(DC, r.left, r.top, r.right, r.bottom); break;
    default: Rectangle(DC, r.left, r.top, r.right, r.bottom); break;
    }
}

std::unique_ptr<TDrawingObj> CreateDrawingObj(model::TEditorInfo* AEditorInfo, std::uint8_t ID,
                                              const RECT& Rect, const TDrawingInfo& Settings) {
    if (ID == 0) return nullptr;
    TObjectInfo info{};
    info.oiStyle = osDrawing;
    info.oiID = ID;
    info.oiFloated = 1;
    info.oiMargins.omLeft = std::min(Rect.left, Rect.right) * 72.0 / model::DotPerInchX;
    info.oiWidth = static_cast<std::uint16_t>(std::clamp(std::abs(Rect.right - Rect.left), 1, 65535));
    info.oiHeight = static_cast<std::uint16_t>(std::clamp(std::abs(Rect.bottom - Rect.top), 1, 65535));
    info.oiSize = TDrawingObj::PropsSize;
    TDrawingInfo props = Settings;
    props.diDirection = {Rect.right - Rect.left, Rect.bottom - Rect.top};
    return std::make_unique<TDrawingObj>(AEditorInfo, info, props);
}

} // namespace zeledit::objects
