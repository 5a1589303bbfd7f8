#include "objects/picture_object.h"

#include "platform/gdi/dib.h"
#include "platform/graphics_support/graphics_support.h"

#include <algorithm>
#include <cstring>

namespace zeledit::objects {
namespace {

constexpr int AnimationRedraw = 0x200;

// A linked object takes the block its host answers, when that block is a well-formed DIB.
platform::UniqueGlobal TakeHostDib(HANDLE data) {
    if (data == nullptr) return {};
    platform::LockedBlock block(data);
    if (!CheckPackedDib(block.bytes())) return {};
    return platform::UniqueGlobal(data);
}

} // namespace

std::optional<DibSize> CheckPackedDib(std::span<const std::uint8_t> block) {
    if (block.size() < 40) return std::nullopt;
    const auto header = platform::ReadAt<BITMAPINFOHEADER>(block, 0);
    const int bits = header.biBitCount;
    const bool known_depth = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    if (header.biSize < 40 || header.biSize > block.size() || header.biPlanes != 1 || !known_depth)
        return std::nullopt;
    const std::int64_t width = header.biWidth, height = std::abs(std::int64_t{header.biHeight});
    if (width <= 0 || width > 65535 || height == 0 || height > 65535) return std::nullopt;
    const auto start = platform::dib_header_bytes(block);
    if (!start || *start > block.size()) return std::nullopt;
    const std::size_t room = block.size() - *start;
    switch (header.biCompression) {
    case BI_RGB:
    case BI_BITFIELDS:
        if (platform::dib_stride(static_cast<int>(width), bits) * static_cast<std::size_t>(height) > room)
            return std::nullopt;
        break;
    case BI_RLE8:
    case BI_RLE4:
        if (header.biSizeImage == 0 || header.biSizeImage > room) return std::nullopt;
        break;
    default: return std::nullopt;
    }
    return DibSize{static_cast<int>(width), static_cast<int>(height)};
}

TPictureObj::TPictureObj(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo,
                         platform::UniqueGlobal Dib)
    : TObjectItem(AEditorInfo), Handle(std::move(Dib)) {
    Info = AInfo;
    Info.oiIDText[sizeof Info.oiIDText - 1] = '\0';
    if (!TakeNaturalSize()) { // a malformed DIB is dropped: the placeholder shows instead
        Handle.reset();
        TakeNaturalSize();
    }
}

TPictureObj::TPictureObj(model::TEditorInfo* AEditorInfo, const TPictureObj& Source, std::uint8_t ID)
    : TObjectItem(AEditorInfo, Source, ID) {
    if (Source.Handle) {
        platform::LockedBlock block(Source.Handle.get());
        Handle = platform::copy_to_global(block.bytes());
    }
}

std::optional<platform::UniqueGlobal> TPictureObj::ReadDib(HWND AParent, TObjectInfo& AInfo,
                                                           std::span<const std::uint8_t> Data) {
    if (AInfo.oiLink != 0) return TakeHostDib(QueryLinkedData(AParent, AInfo));
    if (Data.empty()) return platform::UniqueGlobal{};
    if (!CheckPackedDib(Data)) return std::nullopt;
    auto dib = platform::copy_to_global(Data);
    if (!dib) return std::nullopt;
    return dib;
}

template <class Kind>
std::unique_ptr<Kind> TPictureObj::Make(model::TEditorInfo* AEditorInfo, HWND AParent, TObjectInfo AInfo,
                                        std::span<const std::uint8_t> Data) {
    auto dib = ReadDib(AParent, AInfo, Data);
    if (!dib) return nullptr;
    auto object = std::make_unique<Kind>(AEditorInfo, AInfo, std::move(*dib));
    object->Parent = AParent;
    return object;
}

std::unique_ptr<TPictureObj> TPictureObj::CreateFrom(model::TEditorInfo* AEditorInfo, HWND AParent,
                                                     const TObjectInfo& AInfo,
                                                     std::span<const std::uint8_t> Data) {
    return Make<TPictureObj>(AEditorInfo, AParent, AInfo, Data);
}

std::unique_ptr<TPictureObj> TPictureObj::CreateFromDIBFile(model::TEditorInfo* AEditorInfo, std::uint8_t ID,
                                                            std::span<const std::uint8_t> File) {
    if (File.size() <= 53 || File[0] != 'B' || File[1] != 'M' ||
        platform::ReadAt<std::uint32_t>(File, 2) != File.size())
        return nullptr;
    const auto data = File.subspan(14);
    const auto size = CheckPackedDib(data);
    if (!size) return nullptr;
    TObjectInfo info = DefaultObjectInfo();
    info.oiStyle = osPicture;
    info.oiID = ID;
    info.oiWidth = static_cast<std::uint16_t>(size->width);
    info.oiHeight = static_cast<std::uint16_t>(size->height);
    info.oiSize = static_cast<std::uint32_t>(data.size());
    auto block = platform::copy_to_global(data);
    if (!block) return nullptr;
    return std::make_unique<TPictureObj>(AEditorInfo, info, std::move(block));
}

bool TPictureObj::TakeNaturalSize() {
    FOriginWidth = FOriginHeight = 10;
    if (!Handle) return true;
    platform::LockedBlock block(Handle.get());
    const auto size = CheckPackedDib(block.bytes());
    if (!size) return false;
    FOriginWidth = size->width;
    FOriginHeight = size->height;
    return true;
}

std::size_t TPictureObj::DibBytes() const { return Handle ? GlobalSize(Handle.get()) : 0; }

std::size_t TPictureObj::GetDataSize() {
    if (Info.oiLink != 0 || !Handle) return ObjectInfoSize;
    Info.oiSize = static_cast<std::uint32_t>(DibBytes());
    return ObjectInfoSize + Info.oiSize;
}

void TPictureObj::WriteTo(std::uint8_t* Buffer, std::size_t Index) {
    if (Info.oiLink != 0 || !Handle) {
        WriteRecord(Buffer, Index, 0);
        return;
    }
    Info.oiSize = static_cast<std::uint32_t>(DibBytes());
    TObjectInfo stored = Info; // stored at the natural size; fitting happens again on loading
    stored.oiWidth = static_cast<std::uint16_t>(FOriginWidth);
    stored.oiHeight = static_cast<std::uint16_t>(FOriginHeight);
    stored.oiBelowHeight = 0;
    std::memcpy(Buffer + Index, &stored, ObjectInfoSize);
    platform::LockedBlock block(Handle.get());
    std::memcpy(Buffer + Index + ObjectInfoSize, block.data(), block.size());
}

void TPictureObj::DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) {
    TObjectItem::DrawObject(DC, X, IsPrint, Background, Y);
    const RECT r = DataRect(X, Y);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (!ShowContent || !Handle) return DrawPlaceholder(DC, r);
    if (IsPrint) {
        platform::PutDIBit(DC, r.left, r.top, w, h, Handle.get());
    } else if (w == FOriginWidth && h == FOriginHeight) {
        platform::PutDIBStr(DC, r.left, r.top, w, h, Handle.get(), Background);
    } else {
        const int saved = SaveDC(DC);
        SetStretchBltMode(DC, HALFTONE);
        platform::PutDIBStr(DC, r.left, r.top, w, h, Handle.get(), Background);
        RestoreDC(DC, saved);
    }
}

bool TPictureObj::CopyToClipboard() const {
    if (!Handle) return false;
    platform::LockedBlock block(Handle.get());
    auto copy = platform::copy_to_global(block.bytes(), GMEM_MOVEABLE | GMEM_DDESHARE);
    if (!copy || !OpenClipboard(Parent)) return false;
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_DIB, copy.get()) != nullptr;
    if (placed) static_cast<void>(copy.release()); // the clipboard owns it now
    CloseClipboard();
    return placed;
}

TAnimateObj::TAnimateObj(model::TEditorInfo* AEditorInfo, const TObjectInfo& AInfo,
                         platform::UniqueGlobal Dib)
    : TPictureObj(AEditorInfo, AInfo, std::move(Dib)) {
    Info.oiStyle = osAnimate;
    TakeNaturalSize();
}

TAnimateObj::TAnimateObj(model::TEditorInfo* AEditorInfo, const TAnimateObj& Source, std::uint8_t ID)
    : TPictureObj(AEditorInfo, Source, ID) {
    TakeNaturalSize();
}

std::unique_ptr<TAnimateObj> TAnimateObj::CreateFrom(model::TEditorInfo* AEditorInfo, HWND AParent,
                                                     const TObjectInfo& AInfo,
                                                     std::span<const std::uint8_t> Data) {
    return Make<TAnimateObj>(AEditorInfo, AParent, AInfo, Data);
}

int TAnimateObj::FrameCount() const { return std::max(1, (Info.oiData >> 16) & 0xFFFF); }

bool TAnimateObj::TakeNaturalSize() {
    if (!TPictureObj::TakeNaturalSize()) return false;
    if (Handle) FOriginWidth = std::max(1, FOriginWidth / FrameCount());
    Info.oiWidth = static_cast<std::uint16_t>(FOriginWidth);
    Info.oiHeight = static_cast<std::uint16_t>(FOriginHeight);
    Info.oiBelowHeight = 0;
    ShowContent = true;
    CurrentFrame = 0;
    CurrentTime = 1;
    return true;
}

void TAnimateObj::SetAttributes(const TObjectInfo& AInfo) {
    Info = AInfo;
    Info.oiIDText[sizeof Info.oiIDText - 1] = '\0';
    TakeNaturalSize();
}

void TAnimateObj::DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) {
    // The frame stands instead of the picture: only the frame and margins of the base are drawn.
    TObjectItem::DrawObject(DC, X, IsPrint, Background, Y); // NOLINT(bugprone-parent-virtual-call)
    const RECT r = DataRect(X, Y);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (!ShowContent || !Handle) return DrawPlaceholder(DC, r);
    if (IsPrint)
        platform::AdvPutDIBit(DC, r.left, r.top, w, h, Handle.get(), 0, 0, FOriginWidth, FOriginHeight);
    else
        platform::AdvPutDIBStr(DC, r.left, r.top, w, h, Handle.get(), CurrentFrame * FOriginWidth, 0,
                               FOriginWidth, FOriginHeight, Background);
}

void TAnimateObj::Action(HDC DC) {
    if (++CurrentTime <= Delay()) return;
    CurrentFrame = (CurrentFrame + 1) % FrameCount();
    if (FDrawn) DrawObject(DC, TheX, false, AnimationRedraw, TheY);
    CurrentTime = 1;
}

} // namespace zeledit::objects
