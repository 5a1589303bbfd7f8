// Bitmap pictures (a packed DIB in a movable block) and animations (a strip of equal
// frames in one DIB).
#pragma once

#include "objects/object_item.h"
#include "platform/core/global_memory.h"

#include <memory>
#include <optional>

namespace zeledit::objects {

// The natural size of a packed DIB whose header and rows fit in `block`; none for anything
// else (header under 40 bytes, planes not 1, an unknown depth, rows past the block).
struct DibSize {
    int width;
    int height;
};
std::optional<DibSize> CheckPackedDib(std::span<const std::uint8_t> block);

class TPictureObj : public TObjectItem {
public:
    // From a source that gives the record and the DIB (null for none); the object takes it.
    TPictureObj(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo, platform::UniqueGlobal Dib);
    TPictureObj(model::TEditorInfo* AEditorInfo, const TPictureObj& Source, std::uint8_t ID);

    // From a stored record and its data; null when the DIB is malformed. A linked picture
    // asks the host of AParent for its DIB.
    static std::unique_ptr<TPictureObj> CreateFrom(model::TEditorInfo* AEditorInfo, HWND AParent,
                                                   const TObjectInfo& AInfo,
                                                   std::span<const std::uint8_t> Data);
    // A .bmp file; null unless it is one.
    static std::unique_ptr<TPictureObj> CreateFromDIBFile(model::TEditorInfo* AEditorInfo, std::uint8_t ID,
                                                          std::span<const std::uint8_t> File);

    void DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) override;
    std::size_t GetDataSize() override;
    void* GetData() const override { return Handle.get(); }
    void WriteTo(std::uint8_t* Buffer, std::size_t Index) override;
    bool CopyToClipboard() const;

protected:
    // The DIB of a stored picture (empty for none); none when it is malformed.
    static std::optional<platform::UniqueGlobal> ReadDib(HWND AParent, TObjectInfo& AInfo,
                                                         std::span<const std::uint8_t> Data);
    template <class Kind>
    static std::unique_ptr<Kind> Make(model::TEditorInfo* AEditorInfo, HWND AParent, TObjectInfo AInfo,
                                      std::span<const std::uint8_t> Data);
    // Takes the DIB's natural size (10 × 10 without one); false when the DIB is malformed.
    virtual bool TakeNaturalSize();
    std::size_t DibBytes() const;

    platform::UniqueGlobal Handle;
};

class TAnimateObj : public TPictureObj {
public:
    TAnimateObj(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo, platform::UniqueGlobal Dib);
    TAnimateObj(model::TEditorInfo* AEditorInfo, const TAnimateObj& Source, std::uint8_t ID);
    static std::unique_ptr<TAnimateObj> CreateFrom(model::TEditorInfo* AEditorInfo, HWND AParent,
                                                   const TObjectInfo& AInfo,
                                                   std::span<const std::uint8_t> Data);

    void DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) override;
    void Action(HDC DC) override;
    void SetAttributes(const TObjectInfo& AInfo);

    int Delay() const { return Info.oiData & 0xFFFF; }
    int FrameCount() const; // never 0

    std::int32_t CurrentFrame = 0;
    std::int32_t CurrentTime = 1;

protected:
    bool TakeNaturalSize() override;
};

} // namespace zeledit::objects
