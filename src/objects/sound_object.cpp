#include "objects/sound_object.h"

#include "model/device_metrics.h"
#include "platform/gdi/scoped_gdi.h"
#include "platform/graphics_support/graphics_support.h"

#include <zeledit/editor_messages.h>

#include <algorithm>
#include <cstring>

namespace zeledit::objects {
namespace {

// The speaker: a box, a cone and `waves` arcs of sound in front of it, in `r`.
void DrawSpeaker(HDC DC, const RECT& r, int waves) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    auto at = [&](int x, int y) { return POINT{r.left + x * w / 20, r.top + y * h / 20}; };
    const platform::UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, std::max(1, w / 20), RGB(40, 40, 40)));
    const platform::UniqueGdi<HBRUSH> brush(CreateSolidBrush(RGB(90, 90, 110)));
    const platform::SelectedObject with_pen(DC, pen.get()), with_brush(DC, brush.get());
    const POINT body[6] = {at(2, 7), at(6, 7), at(11, 3), at(11, 17), at(6, 13), at(2, 13)};
    Polygon(DC, body, 6);
    for (int i = 1; i <= waves; ++i) {
        const POINT top = at(12 + 2 * i, 10 - 2 * i), mid = at(13 + 2 * i, 10),
                    bottom = at(12 + 2 * i, 10 + 2 * i);
        MoveToEx(DC, top.x, top.y, nullptr);
        LineTo(DC, mid.x, mid.y);
        LineTo(DC, bottom.x, bottom.y);
    }
}

} // namespace

TSoundObject::TSoundObject(model::TEditorInfo* AEditorInfo, HWND AParent, const TObjectInfo& AInfo,
                           platform::UniqueGlobal AWave)
    : TObjectItem(AEditorInfo), Wave(std::move(AWave)) {
    Info = AInfo;
    Info.oiIDText[sizeof Info.oiIDText - 1] = '\0';
    Info.oiSize = Info.oiLink != 0 ? 0 : WaveBytes();
    Parent = AParent;
    FOriginWidth = FOriginHeight = IconSize;
    Info.oiWidth = Info.oiHeight = IconSize;
}

TSoundObject::TSoundObject(model::TEditorInfo* AEditorInfo, const TSoundObject& Source, std::uint8_t ID)
    : TSoundObject(AEditorInfo, Source.Parent, Source.Info, [&] {
          platform::LockedBlock block(Source.Wave.get());
          return Source.Wave ? platform::copy_to_global(block.bytes()) : platform::UniqueGlobal{};
      }()) {
    Info.oiID = ID;
    EnableActive = Source.EnableActive;
}

std::unique_ptr<TSoundObject> TSoundObject::CreateFrom(model::TEditorInfo* AEditorInfo, HWND AParent,
                                                       RecordFamily Family, const TObjectInfo& AInfo,
                                                       std::span<const std::uint8_t> Data) {
    TObjectInfo info = AInfo;
    platform::UniqueGlobal wave;
    if (Family == RecordFamily::Family3) {
        info.oiLink = 1; // its data comes from the host, asked by its name
    } else if (info.oiLink == 0 && !Data.empty()) {
        wave = platform::copy_to_global(Data);
        if (!wave) return nullptr;
    }
    if (info.oiLink != 0) wave.reset(QueryLinkedData(AParent, info));
    return std::make_unique<TSoundObject>(AEditorInfo, AParent, info, std::move(wave));
}

std::uint32_t TSoundObject::WaveBytes() const {
    return Wave ? static_cast<std::uint32_t>(std::min<std::size_t>(GlobalSize(Wave.get()), 0xFFFFFFFFu)) : 0;
}

std::size_t TSoundObject::GetDataSize() {
    Info.oiSize = Info.oiLink != 0 ? 0 : WaveBytes();
    return ObjectInfoSize + Info.oiSize;
}

void TSoundObject::WriteTo(std::uint8_t* Buffer, std::size_t Index) {
    // GetDataSize sized the room: the wave is written only when it is exactly that size.
    const std::uint32_t announced = Info.oiSize;
    std::memcpy(Buffer + Index, &Info, ObjectInfoSize);
    if (announced == 0 || !Wave) return;
    platform::LockedBlock block(Wave.get());
    if (block.bytes().size() >= announced)
        std::memcpy(Buffer + Index + ObjectInfoSize, block.bytes().data(), announced);
}

void TSoundObject::DrawObject(HDC DC, int X, bool IsPrint, int Background, int Y) {
    TObjectItem::DrawObject(DC, X, IsPrint, Background, Y);
    DrawSpeaker(DC, DataRect(X, Y), IsOpen ? CurrentFrame : 3);
}

void TSoundObject::InvalidateIcon() const {
    if (Parent == nullptr || !FDrawn) return;
    const RECT r = ObjectRect();
    InvalidateRect(Parent, &r, FALSE);
}

void TSoundObject::OnClick(HWND AParent, int, int) {
    if (!EnableActive) return;
    IsOpen = !IsOpen;
    Info.oiAction = IsOpen ? 1 : 0;
    CurrentTime = 0;
    CurrentFrame = 1;
    if (!Wave) {
        PostMessageW(AParent, EFN_OBJCLICK, 0, reinterpret_cast<LPARAM>(&Info));
    } else {
        // Played without letting other messages run first: they could destroy this object.
        platform::DAPlaySound(Wave.get(), AParent, Info.oiID);
        IsOpen = true;
        Info.oiAction = 1;
    }
    InvalidateIcon();
}

void TSoundObject::Reset() {
    IsOpen = false;
    Info.oiAction = 0;
    InvalidateIcon();
}

void TSoundObject::Action(HDC DC) {
    if (!IsOpen) return;
    if (++CurrentTime % 3 != 0) return;
    CurrentFrame = static_cast<std::int16_t>(CurrentFrame % 3 + 1);
    if (FDrawn) DrawObject(DC, TheX, false, 0, TheY);
}

} // namespace zeledit::objects
