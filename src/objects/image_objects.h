// Pictures kept in a file form of their own: JPEG images, metafiles and DEX images with
// an alpha channel. Each stores its file bytes after the record.
#pragma once

#include "objects/object_item.h"
#include "platform/core/global_memory.h"
#include "platform/graphics_support/graphics_support.h"

#include <memory>
#include <optional>
#include <vector>

namespace zeledit::objects {

// A decoded JPEG image with the file it came from.
struct TJPEGImage {
    std::vector<std::uint8_t> File;
    int Width = 0, Height = 0;
    platform::UniqueGlobal Dib; // the pixels as a packed DIB, for drawing

    static std::unique_ptr<TJPEGImage> Load(std::span<const std::uint8_t> file);
};

// A metafile in its file form: an enhanced metafile, or a placeable Windows metafile.
struct TMetafile {
    std::vector<std::uint8_t> File;
    HENHMETAFILE Enhanced = nullptr;
    HMETAFILE Windows = nullptr;
    RECT Bounds{};        // placeable: the picture's extent in its own units
    int UnitsPerInch = 0; // placeable
    ~TMetafile();

    static std::unique_ptr<TMetafile> Load(std::span<const std::uint8_t> file);
    // The size it asks for, in pixels at 96 per inch.
    SIZE NaturalSize() const;
    void Play(HDC dc, const RECT& r) const;
};

// The common part of JPEG and metafile objects: a record, an image that may be absent
// (linked), and the stored data that is the image's file.
template <class Image> class TImageObject : public TObjectItem {
public:
    TImageObject(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo, std::unique_ptr<Image> AImage);
    // A copy with a new ID; the image is loaded again from its file.
    TImageObject(model::TEditorInfo* AEditorInfo, const TImageObject& Source, std::uint8_t ID);
    void* GetData() const override { return FImage.get(); }
    std::size_t GetDataSize() override { return ObjectInfoSize + Info.oiSize; }
    void WriteTo(std::uint8_t* Buffer, std::size_t Index) override;

protected:
    // A stored object of a kind: a linked one or one without data has no image, one whose
    // data does not load is refused.
    template <class Kind>
    static std::unique_ptr<Kind> Read(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo,
                                      std::span<const std::uint8_t> Data);

    std::unique_ptr<Image> FImage;
};

class TJPEGObject : public TImageObject<TJPEGImage> {
public:
    using TImageObject::TImageObject;
    static std::unique_ptr<TJPEGObject> CreateFrom(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo,
                                                   std::span<const std::uint8_t> Data);
    void DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) override;
};

class TMetaObject : public TImageObject<TMetafile> {
public:
    using TImageObject::TImageObject;
    static std::unique_ptr<TMetaObject> CreateFrom(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo,
                                                   std::span<const std::uint8_t> Data);
    void DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) override;
};

struct DibObjectFreer {
    void operator()(platform::DibObject* dib) const { platform::FreeDibObject(dib); }
};
using UniqueDibObject = std::unique_ptr<platform::DibObject, DibObjectFreer>;

// A DEX image from its stored bytes; null when they are not one.
UniqueDibObject ReadDexImage(std::span<const std::uint8_t> Data);

class TDEXObject : public TObjectItem {
public:
    TDEXObject(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo, UniqueDibObject ADib);
    TDEXObject(model::TEditorInfo* AEditorInfo, const TDEXObject& Source, std::uint8_t ID);
    static std::unique_ptr<TDEXObject> CreateFrom(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo,
                                                  std::span<const std::uint8_t> Data);
    void DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) override;
    void* GetData() const override { return FDib.get(); }
    std::size_t GetDataSize() override;
    void WriteTo(std::uint8_t* Buffer, std::size_t Index) override;
    // Keeps the image in at most 256 colours (its alpha as it is); false when it cannot.
    bool ReduceTo8Bits();

private:
    UniqueDibObject FDib;
    // The image's stored size, measured once (measuring packs the whole image); a stored
    // image brings its own.
    std::optional<std::uint32_t> FDexBytes;
};

} // namespace zeledit::objects
