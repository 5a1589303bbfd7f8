#include "objects/object_item.h"

#include "model/device_metrics.h"
#include "platform/user/message_queue.h"

#include <zeledit/editor_messages.h>

#include <algorithm>
#include <cstring>

namespace zeledit::objects {
namespace {

using model::DotPerInchX;
using model::DotPerInchY;
using model::RefDotPerInchX;
using model::RefDotPerInchY;
using model::RoundNearest;

int FiveIfZero(int v) { return v == 0 ? 5 : v; }

// Margins and positions come from files: kept within a range whose sums cannot overflow.
constexpr int PixelLimit = 1 << 29;
int ClampPixels(int v) { return std::clamp(v, -PixelLimit, PixelLimit); }

std::uint16_t ClampSize(int v) { return static_cast<std::uint16_t>(std::clamp(v, 1, 65535)); }

bool Contains(RECT r, int grow, int x, int y) {
    InflateRect(&r, grow, grow);
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

} // namespace

int MarginPixels(double points, int dpi) { return ClampPixels(RoundNearest(dpi * points / 72.0)); }

bool ReadObjectInfo(std::span<const std::uint8_t> bytes, TObjectInfo& info) {
    if (bytes.size() < ObjectInfoSize) return false;
    std::memcpy(&info, bytes.data(), ObjectInfoSize);
    info.oiIDText[sizeof info.oiIDText - 1] = '\0';
    return true;
}

namespace {

std::optional<TObjectInfo> ReadHeader(std::span<const std::uint8_t> bytes, RecordFamily family) {
    TObjectInfo info;
    switch (family) {
    case RecordFamily::Current:
        if (!ReadObjectInfo(bytes, info)) return std::nullopt;
        return info;
    case RecordFamily::Family3: {
        if (bytes.size() < 147) return std::nullopt;
        TObjectInfo stored{};
        std::memcpy(&stored, bytes.data(), 147);
        info = DefaultObjectInfo();
        info.oiStyle = stored.oiStyle;
        info.oiID = stored.oiID;
        std::memcpy(info.oiIDText, stored.oiIDText, sizeof info.oiIDText - 1);
        info.oiWidth = stored.oiWidth;
        info.oiHeight = stored.oiHeight;
        info.oiSize = stored.oiSize;
        info.oiLink = stored.oiLink;
        info.oiAction = stored.oiAction;
        return info;
    }
    case RecordFamily::Family2:
        if (bytes.size() < 9) return std::nullopt;
        info = DefaultObjectInfo();
        info.oiStyle = osPicture;
        info.oiID = bytes[0];
        info.oiWidth = platform::ReadAt<std::uint16_t>(bytes, 1);
        info.oiHeight = platform::ReadAt<std::uint16_t>(bytes, 3);
        info.oiSize = platform::ReadAt<std::uint32_t>(bytes, 5);
        return info;
    }
    return std::nullopt;
}

} // namespace

TObjectInfo DefaultObjectInfo() {
    TObjectInfo info{};
    info.oiMargins = {2.0, 2.0, 2.0, 2.0};
    info.oiWrapText = 1;
    return info;
}

std::size_t StoredHeadSize(RecordFamily family) {
    return family == RecordFamily::Current ? ObjectInfoSize : family == RecordFamily::Family3 ? 147 : 9;
}

std::optional<std::uint64_t> StoredSize(std::span<const std::uint8_t> head, RecordFamily family) {
    const auto info = ReadHeader(head, family);
    if (!info) return std::nullopt;
    return StoredHeadSize(family) + std::uint64_t{info->oiSize};
}

std::optional<StoredObject> SplitStored(std::span<const std::uint8_t> bytes, RecordFamily family) {
    const std::size_t header = StoredHeadSize(family);
    const auto info = ReadHeader(bytes, family);
    if (!info || info->oiSize > bytes.size() - header) return std::nullopt;
    StoredObject stored{*info, {}, header + info->oiSize};
    if (info->oiLink == 0) stored.Data = bytes.subspan(header, info->oiSize);
    return stored;
}

TObjectItem::TObjectItem(model::TEditorInfo* AEditorInfo) : EditorInfo(AEditorInfo) {
    Info = DefaultObjectInfo();
    if (EditorInfo != nullptr) Parent = EditorInfo->eiWindow;
}

TObjectItem::TObjectItem(model::TEditorInfo* AEditorInfo, const TObjectItem& Source, std::uint8_t ID)
    : EditorInfo(AEditorInfo), FOriginWidth(Source.FOriginWidth), FOriginHeight(Source.FOriginHeight),
      Language(Source.Language), Info(Source.Info), ShowContent(Source.ShowContent) {
    Info.oiID = ID;
    if (EditorInfo != nullptr) Parent = EditorInfo->eiWindow;
}

// A posted click carries the address of Info: the host must never receive it dangling.
TObjectItem::~TObjectItem() { platform::drop_posted_message(EFN_OBJCLICK, reinterpret_cast<LPARAM>(&Info)); }

int TObjectItem::DataWidth() const {
    return FiveIfZero(RoundNearest(double(DotPerInchX) / RefDotPerInchX * Info.oiWidth));
}
int TObjectItem::DataHeight() const {
    return FiveIfZero(RoundNearest(double(DotPerInchY) / RefDotPerInchY * Info.oiHeight));
}
int TObjectItem::LeftMargin() const { return MarginPixels(Info.oiMargins.omLeft, DotPerInchX); }
int TObjectItem::RightMargin() const { return MarginPixels(Info.oiMargins.omRight, DotPerInchX); }
int TObjectItem::TopMargin() const { return MarginPixels(Info.oiMargins.omTop, DotPerInchY); }
int TObjectItem::BottomMargin() const { return MarginPixels(Info.oiMargins.omBottom, DotPerInchY); }

int TObjectItem::Width() const {
    return FiveIfZero(DataWidth() + (Floated() ? LeftMargin() + RightMargin() : 0));
}
int TObjectItem::Height() const {
    return FiveIfZero(DataHeight() + (Floated() ? TopMargin() + BottomMargin() : 0));
}
int TObjectItem::BelowHeight() const {
    return RoundNearest(double(DotPerInchY) / RefDotPerInchY * Info.oiBelowHeight);
}
int TObjectItem::Position() const {
    return ClampPixels(RoundNearest(double(DotPerInchY) / RefDotPerInchY * Info.oiPosition));
}

RECT TObjectItem::ObjectRect() const {
    if (Floated()) return {TheX, TheY, TheX + DataWidth(), TheY + DataHeight()};
    return {TheX, TheY - DataHeight(), TheX + DataWidth(), TheY};
}

RECT TObjectItem::DataRect(int X, int Y) const {
    const int w = DataWidth(), h = DataHeight();
    const int top = Floated() ? Y : Y - h;
    return {X, top, X + w, top + h};
}

void TObjectItem::DrawPlaceholder(HDC DC, const RECT& R) {
    constexpr COLORREF dark_red = RGB(128, 0, 0);
    const int saved = SaveDC(DC);
    HPEN pen = CreatePen(PS_SOLID, 1, dark_red);
    HBRUSH brush = CreateSolidBrush(dark_red);
    SelectObject(DC, pen);
    SelectObject(DC, GetStockObject(NULL_BRUSH));
    Rectangle(DC, R.left, R.top, R.right, R.bottom);
    RECT inner = R;
    InflateRect(&inner, -2, -2);
    if (inner.right > inner.left && inner.bottom > inner.top) FillRect(DC, &inner, brush);
    RestoreDC(DC, saved);
    DeleteObject(pen);
    DeleteObject(brush);
}

void TObjectItem::DrawObject(HDC DC, int X, bool, int, int Y) {
    TheX = X;
    TheY = Y;
    POINT origin{};
    if (GetViewportOrgEx(DC, &origin)) FOriginX = origin.x;
    FDrawn = true;
}

void TObjectItem::Fit(int AWidth, int AHeight) {
    Info.oiWidth = static_cast<std::uint16_t>(FOriginWidth);
    Info.oiHeight = static_cast<std::uint16_t>(FOriginHeight);
    if (!ShowContent) {
        Info.oiWidth = Info.oiHeight = 10;
        return;
    }
    const double ratio_x = double(RefDotPerInchX) / DotPerInchX,
                 ratio_y = double(RefDotPerInchY) / DotPerInchY;
    const int W = RoundNearest(ratio_x * AWidth), H = RoundNearest(ratio_y * AHeight);
    auto& m = Info.oiMargins;
    int M = 5;
    if (Floated()) {
        const int least = RoundNearest(DotPerInchX * 0.5);
        M = LeftMargin() + RightMargin();
        if (W - M < least) {
            if (Info.oiLayout == 1)
                m.omRight = 1.0;
            else
                m.omLeft = 1.0;
            M = LeftMargin() + RightMargin();
        }
        if (W - M < least) {
            m.omLeft = m.omRight = 1.0;
            M = LeftMargin() + RightMargin();
        }
    }
    if (W < M + RoundNearest(ratio_x * Info.oiWidth)) {
        Info.oiWidth = ClampSize(W - M);
        if (FOriginWidth > 0)
            Info.oiHeight = ClampSize(RoundNearest(double(Info.oiWidth) * FOriginHeight / FOriginWidth));
    }
    int N = 0;
    if (Floated()) {
        const int least = RoundNearest(DotPerInchY * 0.5);
        N = TopMargin() + BottomMargin();
        if (H - N < least) {
            m.omBottom = 1.0;
            N = TopMargin() + BottomMargin();
        }
        if (H - N < least) {
            m.omTop = 1.0;
            N = TopMargin() + BottomMargin();
        }
    }
    if (H < N + RoundNearest(ratio_y * Info.oiHeight)) {
        Info.oiHeight = ClampSize(H - N);
        if (FOriginHeight > 0)
            Info.oiWidth = ClampSize(RoundNearest(double(Info.oiHeight) * FOriginWidth / FOriginHeight));
    }
}

std::size_t TObjectItem::WriteRecord(std::uint8_t* Buffer, std::size_t Index, std::uint32_t DataSize) {
    Info.oiSize = DataSize;
    std::memcpy(Buffer + Index, &Info, ObjectInfoSize);
    return Index + ObjectInfoSize;
}

TObjectInfo TObjectItem::NaturalInfo() const {
    TObjectInfo stored = Info;
    stored.oiWidth = ClampSize(FOriginWidth);
    stored.oiHeight = ClampSize(FOriginHeight);
    return stored;
}

std::size_t TObjectItem::WriteNaturalRecord(std::uint8_t* Buffer, std::size_t Index, std::uint32_t DataSize) {
    Info.oiSize = DataSize;
    const TObjectInfo stored = NaturalInfo();
    std::memcpy(Buffer + Index, &stored, ObjectInfoSize);
    return Index + ObjectInfoSize;
}

void TObjectItem::WriteTo(std::uint8_t*, std::size_t) {}
void TObjectItem::Action(HDC) {}

void TObjectItem::OnClick(HWND AParent, int, int) {
    PostMessageW(AParent, EFN_OBJCLICK, reinterpret_cast<WPARAM>(GetData()), reinterpret_cast<LPARAM>(&Info));
}

void TObjectItem::Reset() {
    Info.oiWidth = static_cast<std::uint16_t>(FOriginWidth);
    Info.oiHeight = static_cast<std::uint16_t>(FOriginHeight);
}

bool TObjectItem::IsPointIn(POINT Point) const {
    return FDrawn && Contains(ObjectRect(), 5, Point.x, Point.y);
}

bool TObjectItem::MouseDown(int X, int Y) {
    FIsMouseDown = FDrawn && Contains(ObjectRect(), 4, X, Y);
    if (FIsMouseDown) OnClick(Parent, X, Y);
    return FIsMouseDown;
}

bool TObjectItem::MouseUp(int, int) {
    FIsMouseDown = false;
    return false;
}

bool TObjectItem::DoubleClick(int X, int Y) const { return FDrawn && Contains(ObjectRect(), 0, X, Y); }

void TObjectItem::SetIDText(const char* Text) {
    if (Text == nullptr) Text = "";
    const std::size_t n = strnlen(Text, sizeof Info.oiIDText - 1);
    std::memcpy(Info.oiIDText, Text, n);
    std::memset(Info.oiIDText + n, 0, sizeof Info.oiIDText - n);
}

bool TObjectItem::Modify(const ObjectDialogContext& Context) {
    ObjectDialogs* dialogs = InstalledObjectDialogs();
    return dialogs != nullptr && dialogs->Change(Context, *this);
}

bool TObjectItem::VisibleIn(const RECT& R) const {
    RECT object = ObjectRect(), common;
    return FDrawn && IntersectRect(&common, &object, &R);
}

bool TObjectItem::VisibleInEx(const RECT& R) const {
    RECT object = ObjectRect(), common;
    OffsetRect(&object, FOriginX, 0);
    return FDrawn && IntersectRect(&common, &object, &R);
}

bool TObjectItem::IsWrappedAt(int AbsY, int AHeight) const {
    if (FPositionInvalid || !Floated() || Info.oiWrapText == 0) return false;
    const int band = AHeight == 0 ? 16 : AHeight;
    const int top = Position();
    return top < AbsY + band && AbsY < top + Height(); // most objects lie below: cheap test first
}

HANDLE QueryLinkedData(HWND Parent, TObjectInfo& Info) {
    if (Parent == nullptr) return nullptr;
    return reinterpret_cast<HANDLE>(
        SendMessageW(Parent, EFN_QUERYDATAOBJ, Info.oiStyle, reinterpret_cast<LPARAM>(Info.oiIDText)));
}

} // namespace zeledit::objects
