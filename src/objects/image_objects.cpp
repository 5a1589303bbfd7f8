#include "objects/image_objects.h"

#include "model/device_metrics.h"
#include "platform/graphics_support/image_files.h"

#include <cstring>

namespace zeledit::objects {
namespace {

constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr std::size_t PlaceableHeader = 22;

bool IsEnhanced(std::span<const std::uint8_t> file) {
    return file.size() >= 88 && platform::ReadAt<std::uint32_t>(file, 0) == 1 &&
           platform::ReadAt<std::uint32_t>(file, 40) == 0x464D4520;
}

SIZE NaturalSizeOf(const TJPEGImage* image, const TObjectInfo&) {
    return image != nullptr ? SIZE{image->Width, image->Height} : SIZE{10, 10};
}
// A metafile takes the size its dialog gave the record.
SIZE NaturalSizeOf(const TMetafile*, const TObjectInfo& info) { return {info.oiWidth, info.oiHeight}; }

// Draws at the object's rectangle, smoothing when the size differs from the natural one.
void DrawDib(HDC dc, const RECT& r, HGLOBAL dib, bool natural) {
    const int saved = SaveDC(dc);
    if (!natural) SetStretchBltMode(dc, HALFTONE);
    platform::PutDIBit(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, dib);
    RestoreDC(dc, saved);
}

} // namespace

std::unique_ptr<TJPEGImage> TJPEGImage::Load(std::span<const std::uint8_t> file) {
    auto decoded = platform::decode_jpeg(file);
    if (!decoded) return nullptr;
    auto image = std::make_unique<TJPEGImage>();
    image->Dib.reset(platform::make_packed_dib(decoded->width, decoded->height, decoded->pixels));
    if (!image->Dib) return nullptr;
    image->File.assign(file.begin(), file.end());
    image->Width = decoded->width;
    image->Height = decoded->height;
    return image;
}

TMetafile::~TMetafile() {
    if (Enhanced != nullptr) DeleteEnhMetaFile(Enhanced);
    if (Windows != nullptr) DeleteMetaFile(Windows);
}

std::unique_ptr<TMetafile> TMetafile::Load(std::span<const std::uint8_t> file) {
    auto meta = std::make_unique<TMetafile>();
    if (IsEnhanced(file)) {
        meta->Enhanced = SetEnhMetaFileBits(static_cast<UINT>(file.size()), file.data());
    } else if (file.size() > PlaceableHeader && platform::ReadAt<std::uint32_t>(file, 0) == PlaceableKey) {
        meta->Bounds = {platform::ReadAt<std::int16_t>(file, 6), platform::ReadAt<std::int16_t>(file, 8),
                        platform::ReadAt<std::int16_t>(file, 10), platform::ReadAt<std::int16_t>(file, 12)};
        meta->UnitsPerInch = platform::ReadAt<std::uint16_t>(file, 14);
        if (meta->UnitsPerInch == 0 || IsRectEmpty(&meta->Bounds)) return nullptr;
        meta->Windows = SetMetaFileBitsEx(static_cast<UINT>(file.size() - PlaceableHeader),
                                          file.data() + PlaceableHeader);
    }
    if (meta->Enhanced == nullptr && meta->Windows == nullptr) return nullptr;
    meta->File.assign(file.begin(), file.end());
    return meta;
}

SIZE TMetafile::NaturalSize() const {
    if (Enhanced != nullptr) {
        ENHMETAHEADER h{};
        GetEnhMetaFileHeader(Enhanced, sizeof h, &h);
        const double w = (double(h.rclFrame.right) - h.rclFrame.left) * 96 / 2540;
        const double ht = (double(h.rclFrame.bottom) - h.rclFrame.top) * 96 / 2540;
        return {model::RoundNearest(w), model::RoundNearest(ht)};
    }
    return {model::RoundNearest((Bounds.right - Bounds.left) * 96.0 / UnitsPerInch),
            model::RoundNearest((Bounds.bottom - Bounds.top) * 96.0 / UnitsPerInch)};
}

void TMetafile::Play(HDC dc, const RECT& r) const {
    const int saved = SaveDC(dc);
    if (Enhanced != nullptr) {
        PlayEnhMetaFile(dc, Enhanced, &r);
    } else {
        // The picture's own units mapped onto the rectangle, wherever the DC's mapping put it.
        POINT corners[2]{{r.left, r.top}, {r.right, r.bottom}};
        LPtoDP(dc, corners, 2);
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowOrgEx(dc, Bounds.left, Bounds.top, nullptr);
        SetWindowExtEx(dc, Bounds.right - Bounds.left, Bounds.bottom - Bounds.top, nullptr);
        SetViewportOrgEx(dc, corners[0].x, corners[0].y, nullptr);
        SetViewportExtEx(dc, corners[1].x - corners[0].x, corners[1].y - corners[0].y, nullptr);
        PlayMetaFile(dc, Windows);
    }
    RestoreDC(dc, saved);
}

template <class Image>
TImageObject<Image>::TImageObject(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo,
                                  std::unique_ptr<Image> AImage)
    : TObjectItem(AEditorInfo), FImage(std::move(AImage)) {
    Info = AInfo;
    Info.oiIDText[sizeof Info.oiIDText - 1] = '\0';
    Info.oiSize = FImage && Info.oiLink == 0 ? static_cast<std::uint32_t>(FImage->File.size()) : 0;
    const SIZE natural = NaturalSizeOf(FImage.get(), Info);
    FOriginWidth = natural.cx;
    FOriginHeight = natural.cy;
}

template <class Image>
TImageObject<Image>::TImageObject(model::TEditorInfo* AEditorInfo, const TImageObject& Source,
                                  std::uint8_t ID)
    : TImageObject(AEditorInfo, Source.Info, Source.FImage ? Image::Load(Source.FImage->File) : nullptr) {
    Info.oiID = ID;
    ShowContent = Source.ShowContent;
}

template <class Image> void TImageObject<Image>::WriteTo(std::uint8_t* Buffer, std::size_t Index) {
    std::memcpy(Buffer + Index, &Info, ObjectInfoSize);
    if (FImage && Info.oiSize == FImage->File.size())
        std::memcpy(Buffer + Index + ObjectInfoSize, FImage->File.data(), FImage->File.size());
}

template <class Image>
template <class Kind>
std::unique_ptr<Kind> TImageObject<Image>::Read(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo,
                                                std::span<const std::uint8_t> Data) {
    std::unique_ptr<Image> image;
    if (!Data.empty() && !(image = Image::Load(Data))) return nullptr;
    return std::make_unique<Kind>(AEditorInfo, AInfo, std::move(image));
}

template class TImageObject<TJPEGImage>;
template class TImageObject<TMetafile>;

std::unique_ptr<TJPEGObject> TJPEGObject::CreateFrom(model::TEditorInfo* AEditorInfo,
                                                     const TObjectInfo& AInfo,
                                                     std::span<const std::uint8_t> Data) {
    return Read<TJPEGObject>(AEditorInfo, AInfo, Data);
}

std::unique_ptr<TMetaObject> TMetaObject::CreateFrom(model::TEditorInfo* AEditorInfo,
                                                     const TObjectInfo& AInfo,
                                                     std::span<const std::uint8_t> Data) {
    return Read<TMetaObject>(AEditorInfo, AInfo, Data);
}

void TJPEGObject::DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) {
    TObjectItem::DrawObject(DC, X, IsPrint, Background, Y);
    const RECT r = DataRect(X, Y);
    if (!ShowContent || !FImage) return DrawPlaceholder(DC, r);
    DrawDib(DC, r, FImage->Dib.get(),
            r.right - r.left == FImage->Width && r.bottom - r.top == FImage->Height);
}

void TMetaObject::DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) {
    TObjectItem::DrawObject(DC, X, IsPrint, Background, Y);
    const RECT r = DataRect(X, Y);
    if (!ShowContent || !FImage) return DrawPlaceholder(DC, r);
    FImage->Play(DC, r);
}

TDEXObject::TDEXObject(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo, UniqueDibObject ADib)
    : TObjectItem(AEditorInfo), FDib(std::move(ADib)) {
    Info = AInfo;
    Info.oiIDText[sizeof Info.oiIDText - 1] = '\0';
    FOriginWidth = FDib ? platform::dibGetWidth(FDib.get()) : 10;
    FOriginHeight = FDib ? platform::dibGetHeight(FDib.get()) : 10;
}

namespace {

UniqueDibObject CopyDib(platform::DibObject* source) {
    if (source == nullptr) return {};
    UniqueDibObject copy(platform::CreateDibObject(platform::dibGetBits(source)));
    if (!copy) return {};
    auto copy_block = [](HGLOBAL block) {
        platform::LockedBlock locked(block);
        return block != nullptr ? platform::copy_to_global(locked.bytes()).release() : nullptr;
    };
    platform::dibSetHandle(copy.get(), copy_block(platform::dibGetHandle(source)));
    platform::dibSetAlphaHandle(copy.get(), copy_block(platform::dibGetAlphaHandle(source)));
    return copy;
}

} // namespace

TDEXObject::TDEXObject(model::TEditorInfo* AEditorInfo, const TDEXObject& Source, std::uint8_t ID)
    : TDEXObject(AEditorInfo, Source.Info, CopyDib(Source.FDib.get())) {
    Info.oiID = ID;
    ShowContent = Source.ShowContent;
}

UniqueDibObject ReadDexImage(std::span<const std::uint8_t> Data) {
    const BYTE* p = Data.data();
    std::size_t remaining = Data.size();
    HGLOBAL colour = nullptr, alpha = nullptr;
    const int bits = platform::LoadDibExFromBuffer(&p, &remaining, &colour, &alpha);
    if (bits == 0) return nullptr;
    UniqueDibObject dib(platform::CreateDibObject(bits == 8 ? 8 : 24));
    if (!dib) {
        GlobalFree(colour);
        GlobalFree(alpha);
        return nullptr;
    }
    platform::dibSetHandle(dib.get(), colour);
    platform::dibSetAlphaHandle(dib.get(), alpha);
    return dib;
}

std::unique_ptr<TDEXObject> TDEXObject::CreateFrom(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo,
                                                   std::span<const std::uint8_t> Data) {
    UniqueDibObject dib;
    if (!Data.empty() && !(dib = ReadDexImage(Data))) return nullptr;
    return std::make_unique<TDEXObject>(AEditorInfo, AInfo, std::move(dib));
}

bool TDEXObject::ReduceTo8Bits() {
    if (!FDib || platform::dibGetBits(FDib.get()) == 1) return false;
    UniqueDibObject reduced(platform::ReduceTo8Bits(FDib.get()));
    if (!reduced) return false;
    FDib = std::move(reduced);
    FDexBytes.reset();
    return true;
}

std::size_t TDEXObject::GetDataSize() {
    if (FDib && !FDexBytes)
        FDexBytes = static_cast<std::uint32_t>(platform::GetDEXSize(platform::dibGetHandle(FDib.get()),
                                                                    platform::dibGetAlphaHandle(FDib.get())));
    Info.oiSize = FDib && Info.oiLink == 0 ? *FDexBytes : 0;
    return ObjectInfoSize + Info.oiSize;
}

void TDEXObject::WriteTo(std::uint8_t* Buffer, std::size_t Index) {
    const std::size_t size = GetDataSize();
    const std::size_t at = WriteRecord(Buffer, Index, Info.oiSize);
    if (size > ObjectInfoSize)
        platform::SaveDibExToBuffer(Buffer + at, platform::dibGetHandle(FDib.get()),
                                    platform::dibGetAlphaHandle(FDib.get()));
}

void TDEXObject::DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) {
    TObjectItem::DrawObject(DC, X, IsPrint, Background, Y);
    const RECT r = DataRect(X, Y);
    if (!ShowContent || !FDib) return DrawPlaceholder(DC, r);
    const int saved = SaveDC(DC);
    SetStretchBltMode(DC, HALFTONE);
    platform::PrintAlphaDibOnDC(DC, r.left, r.top, r.right - r.left, r.bottom - r.top, FDib.get());
    RestoreDC(DC, saved);
}

} // namespace zeledit::objects
