// Captions (one large decorated character floated beside the text) and text boxes (a
// floated frame of formatted text).
#pragma once

#include "objects/object_item.h"

#include <memory>
#include <string>

namespace zeledit::objects {

class TCaptionObject : public TObjectItem {
public:
    static constexpr std::uint32_t PropsSize = sizeof(TCaptionInfoW); // 91
    static constexpr std::uint32_t OlderPropsSize = 90;               // an 8-bit character

    TCaptionObject(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo, const TCaptionInfoW& AProps);
    TCaptionObject(model::TEditorInfo* AEditorInfo, const TCaptionObject& Source, std::uint8_t ID);
    // The 91-byte form, or the older 90-byte one when `oiSize` is not 91.
    static std::unique_ptr<TCaptionObject>
    CreateFrom(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo, std::span<const std::uint8_t> Data);

    void* GetData() const override { return const_cast<TCaptionInfoW*>(&FProps); }
    std::size_t GetDataSize() override;
    void WriteTo(std::uint8_t* Buffer, std::size_t Index) override;
    void DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) override;
    // The character's size in its font at the current resolution becomes the natural size.
    void Measure();

    TCaptionInfoW FProps{};
    std::int32_t OriginY = 0;
};

class TTextObject : public TObjectItem {
public:
    static constexpr std::uint32_t PropsSize = sizeof(TTextInfo); // 96

    TTextObject(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo, const TTextInfo& AProps,
                std::u16string AContent);
    TTextObject(model::TEditorInfo* AEditorInfo, const TTextObject& Source, std::uint8_t ID);
    static std::unique_ptr<TTextObject> CreateFrom(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo,
                                                   std::span<const std::uint8_t> Data);

    void* GetData() const override { return const_cast<TTextInfo*>(&FProps); }
    std::size_t GetDataSize() override;
    void WriteTo(std::uint8_t* Buffer, std::size_t Index) override;
    void DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) override;
    // Bytes of stored content: 0 without text, else the text, a zero unit and two zero bytes.
    std::uint32_t ContentBytes() const;
    // Takes a confirmed record, properties and text.
    void SetProperties(const TObjectInfo& AInfo, const TTextInfo& AProps, std::u16string AContent);
    // The height a box `Width` pixels wide needs to show all of its text, frame included.
    static int FittingHeight(const TTextInfo& Props, std::u16string_view Content, int Width);

    TTextInfo FProps{};
    std::u16string FContent;
};

} // namespace zeledit::objects
