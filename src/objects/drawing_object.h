// A drawing: a line, rectangle or ellipse drawn with the mouse, floated where it was drawn.
#pragma once

#include "objects/object_item.h"

#include <memory>

namespace zeledit::objects {

class TDrawingObj : public TObjectItem {
public:
    static constexpr std::uint32_t PropsSize = sizeof(TDrawingInfo); // 21

    TDrawingObj(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo, const TDrawingInfo& AProps);
    TDrawingObj(model::TEditorInfo* AEditorInfo, const TDrawingObj& Source, std::uint8_t ID);
    static std::unique_ptr<TDrawingObj> CreateFrom(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo,
                                                   std::span<const std::uint8_t> Data);

    void* GetData() const override { return const_cast<TDrawingInfo*>(&FProps); }
    std::size_t GetDataSize() override;
    void WriteTo(std::uint8_t* Buffer, std::size_t Index) override;
    void DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) override;

    TDrawingInfo FProps{};
};

// The object for a shape drawn from one corner of `Rect` to the other (screen pixels of the
// editor), in the given settings: floated, its left margin where it began; null for ID 0.
std::unique_ptr<TDrawingObj> CreateDrawingObj(model::TEditorInfo* AEditorInfo, std::uint8_t ID,
                                              const RECT& Rect, const TDrawingInfo& Settings);

} // namespace zeledit::objects
