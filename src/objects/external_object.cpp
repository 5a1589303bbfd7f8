#include "objects/external_object.h"

#include "model/device_metrics.h"

#include <zeledit/editor_messages.h>

#include <algorithm>
#include <cstring>

namespace zeledit::objects {

TExternalObj::TExternalObj(model::TEditorInfo* AEditorInfo, HWND AParent, const TObjectInfo& AInfo,
                           std::uint32_t AHandle)
    : TObjectItem(AEditorInfo), Handle(AHandle) {
    Info = AInfo;
    Info.oiIDText[sizeof Info.oiIDText - 1] = '\0';
    Parent = AParent;
    FOriginWidth = std::max<int>(Info.oiWidth, 1);
    FOriginHeight = std::max<int>(Info.oiHeight, 1);
}

TExternalObj::TExternalObj(model::TEditorInfo* AEditorInfo, const TExternalObj& Source, std::uint8_t ID)
    : TExternalObj(AEditorInfo, Source.Parent, Source.Info, 0) {
    TExObjParams p = Source.Params();
    if (Parent != nullptr) SendMessageW(Parent, EFN_EXOBJINITFROM, 0, reinterpret_cast<LPARAM>(&p));
    Handle = p.Handle;
    Info.oiID = ID;
}

TExternalObj::~TExternalObj() {
    if (Parent != nullptr && IsWindow(Parent))
        SendMessageW(Parent, EFN_EXOBJFREE, Handle, reinterpret_cast<LPARAM>(&Info));
}

TExObjParams TExternalObj::Params(POINT Position) const {
    TExObjParams p{};
    p.Handle = Handle;
    p.Info = Info;
    p.Window = Parent;
    p.Position = MAKELONG(WORD(Position.x), WORD(Position.y));
    return p;
}

std::unique_ptr<TExternalObj> TExternalObj::CreateFrom(model::TEditorInfo* AEditorInfo, HWND AParent,
                                                       const TObjectInfo& AInfo,
                                                       std::span<const std::uint8_t> Data) {
    TExObjParams p{};
    p.Info = AInfo;
    p.Window = AParent;
    // The host reads at most the record's data: a copy, so it never reads past the block.
    std::vector<std::uint8_t> data(Data.begin(), Data.end());
    if (AParent != nullptr)
        SendMessageW(AParent, EFN_EXOBJGETDATA, reinterpret_cast<WPARAM>(data.data()),
                     reinterpret_cast<LPARAM>(&p));
    TObjectInfo info = p.Info;
    info.oiStyle = AInfo.oiStyle; // the kind and place are the document's, not the host's
    info.oiID = AInfo.oiID;
    info.oiSize = AInfo.oiSize;
    return std::make_unique<TExternalObj>(AEditorInfo, AParent, info, p.Handle);
}

std::unique_ptr<TExternalObj> TExternalObj::Create(model::TEditorInfo* AEditorInfo, HWND AParent,
                                                   std::uint16_t Code, std::uint8_t ID) {
    if (AParent == nullptr || ID == 0) return nullptr;
    TExObjParams p{};
    p.Window = AParent;
    if (SendMessageW(AParent, EFN_EXOBJCREATE, Code, reinterpret_cast<LPARAM>(&p)) == 0) return nullptr;
    TObjectInfo info = p.Info;
    info.oiStyle = Code;
    info.oiID = ID;
    info.oiIDText[sizeof info.oiIDText - 1] = '\0';
    return std::make_unique<TExternalObj>(AEditorInfo, AParent, info, p.Handle);
}

std::size_t TExternalObj::GetDataSize() {
    if (Info.oiLink != 0 || Parent == nullptr) {
        Info.oiSize = 0;
        return ObjectInfoSize;
    }
    TExObjParams p = Params();
    const LRESULT size = SendMessageW(Parent, EFN_EXOBJGETSIZE, 0, reinterpret_cast<LPARAM>(&p));
    Info.oiSize = static_cast<std::uint32_t>(std::clamp<LRESULT>(size, 0, 0x7FFFFFFF));
    return ObjectInfoSize + Info.oiSize;
}

void TExternalObj::WriteTo(std::uint8_t* Buffer, std::size_t Index) {
    const std::uint32_t announced = Info.oiSize; // as GetDataSize sized it
    WriteNaturalRecord(Buffer, Index, announced);
    if (Info.oiLink != 0 || announced == 0 || Parent == nullptr) return;
    // The host writes into a room of exactly the announced size, never into the block itself.
    std::vector<std::uint8_t> room(announced, 0);
    TExObjParams p = Params();
    SendMessageW(Parent, EFN_EXOBJSETDATA, reinterpret_cast<WPARAM>(room.data()),
                 reinterpret_cast<LPARAM>(&p));
    std::memcpy(Buffer + Index + ObjectInfoSize, room.data(), announced);
    // The host's record, unless it left the size as the window fitted it.
    TObjectInfo updated = p.Info;
    if (updated.oiWidth == Info.oiWidth && updated.oiHeight == Info.oiHeight) {
        updated.oiWidth = NaturalInfo().oiWidth;
        updated.oiHeight = NaturalInfo().oiHeight;
    }
    updated.oiStyle = Info.oiStyle;
    updated.oiID = Info.oiID;
    updated.oiSize = announced;
    std::memcpy(Buffer + Index, &updated, ObjectInfoSize);
}

TExternalDrawData TExternalObj::DrawData(HDC DC, int X, int Y, int Background, bool IsPrint) const {
    TExternalDrawData d{};
    d.ddInfo = Info;
    d.ddHandle = Handle;
    d.ddDC = DC;
    d.ddX = X;
    d.ddY = Y;
    d.ddBackground = Background;
    d.ddPrinting = IsPrint ? 1 : 0;
    d.ddOldX = X;
    d.ddOldY = Y;
    d.ddPixelsPerInch = model::RefDotPerInchY;
    d.ddDotPerInch = model::DotPerInchY;
    return d;
}

void TExternalObj::DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) {
    TObjectItem::DrawObject(DC, X, IsPrint, Background, Y);
    const RECT r = DataRect(X, Y);
    LastX = r.left;
    LastY = r.top;
    if (Parent == nullptr) return DrawPlaceholder(DC, r);
    TExternalDrawData d = DrawData(DC, r.left, r.top, Background, IsPrint);
    SendMessageW(Parent, EFN_EXOBJDRAW, 0, reinterpret_cast<LPARAM>(&d));
}

void TExternalObj::Action(HDC DC) {
    if (Parent == nullptr || !FDrawn) return;
    TExternalDrawData d = DrawData(DC, LastX, LastY, 0, false);
    SendMessageW(Parent, EFN_EXOBJACTION, 0, reinterpret_cast<LPARAM>(&d));
}

bool TExternalObj::Modify(const ObjectDialogContext&) {
    if (Parent == nullptr || !FDrawn) return false;
    TExObjParams p = Params();
    if (SendMessageW(Parent, EFN_EXOBJMODIFY, Handle, reinterpret_cast<LPARAM>(&p)) == 0) return false;
    const TObjectInfo was = Info;
    Handle = p.Handle;
    Info = p.Info;
    Info.oiStyle = was.oiStyle;
    Info.oiID = was.oiID;
    Info.oiIDText[sizeof Info.oiIDText - 1] = '\0';
    FOriginWidth = std::max<int>(Info.oiWidth, 1);
    FOriginHeight = std::max<int>(Info.oiHeight, 1);
    return true;
}

bool TExternalObj::MouseDown(int X, int Y) {
    RECT grown = ObjectRect();
    InflateRect(&grown, 4, 4);
    if (Parent != nullptr && FDrawn && PtInRect(&grown, {X, Y})) {
        TExObjParams p = Params({X, Y});
        if (SendMessageW(Parent, EFN_EXOBJMOUSEDOWN, Handle, reinterpret_cast<LPARAM>(&p)) != 0) return true;
    }
    return TObjectItem::MouseDown(X, Y);
}

bool TExternalObj::MouseUp(int X, int Y) {
    FIsMouseDown = false;
    if (Parent == nullptr) return false;
    TExObjParams p = Params({X, Y});
    return SendMessageW(Parent, EFN_EXOBJMOUSEUP, Handle, reinterpret_cast<LPARAM>(&p)) != 0;
}

} // namespace zeledit::objects
