// A sound: a speaker icon that plays its wave when clicked, animating while it plays.
#pragma once

#include "objects/object_item.h"
#include "platform/core/global_memory.h"

#include <memory>

namespace zeledit::objects {

class TSoundObject : public TObjectItem {
public:
    static constexpr int IconSize = 20; // reference pixels, both ways

    TSoundObject(model::TEditorInfo* AEditorInfo, HWND AParent, const TObjectInfo& AInfo,
                 platform::UniqueGlobal AWave);
    TSoundObject(model::TEditorInfo* AEditorInfo, const TSoundObject& Source, std::uint8_t ID);
    // Families 4 to 6 carry the wave; a family 3 record becomes a linked sound without it.
    static std::unique_ptr<TSoundObject> CreateFrom(model::TEditorInfo* AEditorInfo, HWND AParent,
                                                    RecordFamily Family, const TObjectInfo& AInfo,
                                                    std::span<const std::uint8_t> Data);

    void* GetData() const override { return Wave.get(); }
    std::size_t GetDataSize() override;
    void WriteTo(std::uint8_t* Buffer, std::size_t Index) override;
    void DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) override;
    void OnClick(HWND AParent, int X, int Y) override;
    void Reset() override;
    void Action(HDC DC) override;
    void Fit(int, int) override {}
    void SetActive(bool Value) override { EnableActive = Value; }

    bool IsOpen = false;
    std::int16_t CurrentTime = 0, CurrentFrame = 0;
    bool EnableActive = true;
    platform::UniqueGlobal Wave;

private:
    void InvalidateIcon() const;
    std::uint32_t WaveBytes() const;
};

} // namespace zeledit::objects
