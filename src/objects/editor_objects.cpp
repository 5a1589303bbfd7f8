#include "objects/editor_objects.h"

#include "model/device_metrics.h"
#include "objects/object_kinds.h"
#include "platform/core/text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <map>

namespace zeledit::objects {
namespace {

using model::DotPerInchX;
using model::DotPerInchY;
using model::RoundNearest;

template <class F> void ForEach(const model::TLinkList& list, F f) {
    for (model::TItemNode* n = list.Head(); n != nullptr;) {
        model::TItemNode* next = n->NextItem; // `f` may free the node
        f(*static_cast<TObjectItem*>(n));
        n = next;
    }
}

// The tail is on top: hits are searched from there.
template <class F> TObjectItem* FirstFromTail(const model::TLinkList& list, F f) {
    for (model::TItemNode* n = list.Tail(); n != nullptr; n = n->PrevItem)
        if (f(*static_cast<TObjectItem*>(n))) return static_cast<TObjectItem*>(n);
    return nullptr;
}

// A mark without its object becomes a plain space.
void ReplaceMark(model::TEditorBuffer& Buffer, std::uint32_t At) {
    Buffer.SetCharAt(At, u' ');
    Buffer.FormatByte(At) = 0;
}

} // namespace

TObjectItem* TEditorObjects::FindByID(std::uint8_t ID) const {
    for (model::TItemNode* n = FHead; n != nullptr; n = n->NextItem)
        if (static_cast<TObjectItem*>(n)->ID() == ID) return static_cast<TObjectItem*>(n);
    return nullptr;
}

void TEditorObjects::AddObject(std::unique_ptr<TObjectItem> Object) {
    Object->SetEditorInfo(EditorInfo);
    Object->ShowContent = FShowContent;
    Object->Language = Language;
    Append(Object.release());
}

std::uint8_t TEditorObjects::GetNewID() const {
    int id = 1;
    while (id <= Count() && FindByID(static_cast<std::uint8_t>(id)) != nullptr) ++id;
    return id > MaxObjects ? 0 : static_cast<std::uint8_t>(id);
}

std::int32_t TEditorObjects::IndexOf(std::uint8_t ID) const {
    const model::TEditorBuffer* b = EditorInfo != nullptr ? EditorInfo->eiBuffers : nullptr;
    if (b == nullptr) return -1;
    for (std::uint32_t i = 0, n = b->TextLength(); i <= n; ++i)
        if (b->CharAt(i) == ObjectMark && b->FormatByte(i) == ID) return static_cast<std::int32_t>(i);
    return -1;
}

std::int32_t TEditorObjects::GetObjectIndex(std::int32_t Index) const {
    if (Index < 0 || Index >= Count()) return -1;
    return IndexOf(Item(Index)->ID());
}

TObjectItem* TEditorObjects::ObjectAt(int X, int Y) const {
    return FirstFromTail(*this, [&](TObjectItem& o) { return o.IsPointIn({X, Y}); });
}

bool TEditorObjects::AnyFloated() const {
    return FirstFromTail(*this, [](TObjectItem& o) { return o.Floated(); }) != nullptr;
}

bool TEditorObjects::MouseDown(int X, int Y, TObjectItem*& Object) {
    Object = FirstFromTail(*this, [&](TObjectItem& o) { return o.MouseDown(X, Y); });
    return Object != nullptr;
}

bool TEditorObjects::MouseUp(int X, int Y) {
    return FirstFromTail(*this, [&](TObjectItem& o) { return o.MouseUp(X, Y); }) != nullptr;
}

bool TEditorObjects::DblClick(int X, int Y) const {
    return FirstFromTail(*this, [&](TObjectItem& o) { return o.DoubleClick(X, Y); }) != nullptr;
}

void TEditorObjects::DeleteObject(std::uint8_t ID) {
    if (TObjectItem* o = FindByID(ID)) FreeItem(o);
}

void TEditorObjects::FitObjects() {
    if (EditorInfo == nullptr) return;
    const RECT& r = EditorInfo->eiBoundRect;
    ForEach(*this, [&](TObjectItem& o) { o.Fit(r.right - r.left, r.bottom - r.top - 16); });
}

void TEditorObjects::ResetObjects() {
    ForEach(*this, [](TObjectItem& o) { o.Reset(); });
}
void TEditorObjects::Hide() {
    ForEach(*this, [](TObjectItem& o) { o.Hide(); });
}
void TEditorObjects::ZeroObjPos() {
    ForEach(*this, [](TObjectItem& o) { o.FDrawn = false; });
}
void TEditorObjects::ScrollObjects(int DX, int DY) {
    ForEach(*this, [&](TObjectItem& o) { o.TheX += DX, o.TheY += DY; });
}

void TEditorObjects::SetShowContent(bool Value) {
    FShowContent = Value;
    ForEach(*this, [&](TObjectItem& o) {
        if (o.Info.oiStyle == osPicture || o.Info.oiStyle == osJPEG) o.ShowContent = Value;
    });
}

void TEditorObjects::Action(HDC DC) {
    RECT client{};
    if (EditorInfo == nullptr || !GetClientRect(EditorInfo->eiWindow, &client)) return;
    ForEach(*this, [&](TObjectItem& o) {
        if (o.VisibleIn(client)) o.Action(DC);
    });
}

TObjectItem* TEditorObjects::ObjectInColumnsAt(int X, int Y, int ColumnWidth) const {
    if (ColumnWidth <= 0) return nullptr;
    return FirstFromTail(*this, [&](TObjectItem& o) {
        return X >= o.FOriginX && o.IsPointIn({X % ColumnWidth, Y});
    });
}

bool TEditorObjects::MouseDownInColumns(int X, int Y, TObjectItem*& Object) {
    Object = FirstFromTail(*this, [&](TObjectItem& o) {
        RECT r = o.ObjectRect();
        OffsetRect(&r, o.FOriginX, 0);
        InflateRect(&r, 4, 4);
        return o.FDrawn && PtInRect(&r, {X, Y}) && o.MouseDown(X - o.FOriginX, Y);
    });
    return Object != nullptr;
}

void TEditorObjects::ActionInColumns(HDC DC) {
    RECT client{};
    if (EditorInfo == nullptr || !GetClientRect(EditorInfo->eiWindow, &client)) return;
    POINT origin{};
    GetViewportOrgEx(DC, &origin);
    ForEach(*this, [&](TObjectItem& o) {
        if (!o.VisibleInEx(client)) return;
        SetViewportOrgEx(DC, o.FOriginX, origin.y, nullptr);
        o.Action(DC);
    });
    SetViewportOrgEx(DC, origin.x, origin.y, nullptr);
}

void TEditorObjects::EnableActivate(bool Enable) {
    ForEach(*this, [&](TObjectItem& o) { o.SetActive(Enable); });
}

void TEditorObjects::SetColors(HPALETTE Palette, COLORREF Back, COLORREF Shadow, COLORREF Highlight) {
    ForEach(*this, [&](TObjectItem& o) { o.SetColors(Palette, Back, Shadow, Highlight); });
}

int TEditorObjects::GetObjsHeight() const {
    int most = 0;
    ForEach(*this, [&](TObjectItem& o) { most = std::max(most, o.Height() + o.Position()); });
    return most;
}

TObjectItem* TEditorObjects::GetWrapObjectAt(int AbsY, int AHeight) const {
    for (model::TItemNode* n = FHead; n != nullptr; n = n->NextItem)
        if (static_cast<TObjectItem*>(n)->IsWrappedAt(AbsY, AHeight)) return static_cast<TObjectItem*>(n);
    return nullptr;
}

void TEditorObjects::DrawFloatedObjectAt(HDC DC, int Top) {
    if (EditorInfo == nullptr) return;
    const RECT& r = EditorInfo->eiBoundRect;
    ForEach(*this, [&](TObjectItem& o) {
        if (!o.Floated()) return;
        const int top = o.Position() - Top;
        if (top >= r.bottom || top + o.Height() <= r.top) return;
        const int x = o.Info.oiLayout == 1 ? r.right + o.LeftMargin() - o.Width() : o.LeftMargin() + r.left;
        o.DrawObject(DC, x, EditorInfo->eiPrinting, EditorInfo->eiBitmapMode, top + o.TopMargin());
    });
}

void TEditorObjects::PreviewFloatedObjectAt(HDC DC, int AbsY, double Zoom) {
    if (EditorInfo == nullptr) return;
    const RECT& r = EditorInfo->eiBoundRect;
    auto zoomed = [&](int v) {
        return static_cast<std::uint16_t>(std::clamp(RoundNearest(v * Zoom), 0, 65535));
    };
    ForEach(*this, [&](TObjectItem& o) {
        if (!o.Floated()) return;
        const int top = o.Position() - AbsY;
        if (top < r.top || top + o.Height() > r.bottom) return;
        const int x = o.Info.oiLayout == 1 ? r.right + o.LeftMargin() - o.Width() : o.LeftMargin() + r.left;
        const int y = top + o.TopMargin();
        const auto w = o.Info.oiWidth, h = o.Info.oiHeight;
        o.Info.oiWidth = zoomed(w);
        o.Info.oiHeight = zoomed(h);
        o.DrawObject(DC, RoundNearest(x * Zoom), EditorInfo->eiPrinting, 0, RoundNearest(y * Zoom));
        o.Info.oiWidth = w;
        o.Info.oiHeight = h;
    });
}

bool TEditorObjects::SetFloatedAt(TObjectItem& Object, int X, int Y) {
    const int right = EditorInfo != nullptr ? EditorInfo->eiBoundRect.right : 0;
    X = std::clamp(X, 0, std::max(0, right - Object.DataWidth()));
    auto& m = Object.Info.oiMargins; // packed: fields are read and written by name, never bound
    const bool right_side = Object.Info.oiLayout == 1;
    const double wanted =
        right_side ? (right - X - Object.DataWidth()) * 72.0 / DotPerInchX : X * 72.0 / DotPerInchX;
    const bool changed = (right_side ? m.omRight : m.omLeft) != wanted || Object.Info.oiPosition != Y;
    if (right_side)
        m.omRight = wanted;
    else
        m.omLeft = wanted;
    Object.Info.oiPosition = Y;
    return changed;
}

void TEditorObjects::InvalidPositionObjects() {
    ForEach(*this, [](TObjectItem& o) { o.FPositionInvalid = o.Floated(); });
}

bool TEditorObjects::UpdateFloatedPositionAt(std::uint32_t Index, std::uint32_t Length, int AbsY) {
    const std::int32_t position = RoundNearest(double(model::RefDotPerInchY) / DotPerInchY * AbsY);
    const std::uint64_t last = std::uint64_t{Index} + Length;
    bool changed = false;
    ForEach(*this, [&](TObjectItem& o) {
        if (!o.Floated() || o.Info.oiAnchorAt < Index || o.Info.oiAnchorAt > last) return;
        // Placing an object whose position was not valid counts as a change too.
        changed |= o.Info.oiPosition != position || o.FPositionInvalid;
        o.Info.oiPosition = position;
        o.FPositionInvalid = false;
    });
    return changed;
}

std::size_t TEditorObjects::GetSize() {
    std::size_t size = 0;
    ForEach(*this, [&](TObjectItem& o) { size += o.GetDataSize(); });
    return size;
}

std::size_t TEditorObjects::SaveTo(std::uint8_t* Buffer, std::size_t Index) {
    ForEach(*this, [&](TObjectItem& o) {
        const std::size_t size = o.GetDataSize();
        o.WriteTo(Buffer, Index);
        Index += size;
    });
    return Index;
}

std::optional<std::size_t> TEditorObjects::LoadFrom(std::span<const std::uint8_t> Buffer, std::size_t Index,
                                                    std::uint32_t ACount, RecordFamily Family) {
    const std::uint32_t n = ACount & 0xFFFF;
    if (n < 1 || n > MaxObjects || Count() + n > MaxObjects) return Index;
    // Nothing joins the list unless the whole table reads.
    std::vector<std::unique_ptr<TObjectItem>> read;
    const HWND parent = EditorInfo != nullptr ? EditorInfo->eiWindow : nullptr;
    for (std::uint32_t i = 0; i < n; ++i) {
        const auto stored =
            Index <= Buffer.size() ? SplitStored(Buffer.subspan(Index), Family) : std::nullopt;
        if (!stored) return std::nullopt;
        if (auto object = CreateObjectFrom(EditorInfo, parent, Family, stored->Info, stored->Data))
            read.push_back(std::move(object));
        Index += stored->Length; // the stored size, whatever the object recomputed
    }
    std::vector<TObjectItem*> loaded;
    for (auto& object : read) {
        loaded.push_back(object.get());
        AddObject(std::move(object));
    }
    AssignFreshIDs(loaded);
    return Index;
}

void TEditorObjects::AssignFreshIDs(const std::vector<TObjectItem*>& Objects) {
    std::array<bool, 256> taken{};
    std::vector<TObjectItem*> clashing;
    for (model::TItemNode* n = FHead; n != nullptr; n = n->NextItem) {
        auto* o = static_cast<TObjectItem*>(n);
        const bool fresh = std::find(Objects.begin(), Objects.end(), o) != Objects.end();
        if (o->ID() != 0 && !taken[o->ID()])
            taken[o->ID()] = true;
        else if (fresh)
            clashing.push_back(o);
    }
    std::size_t next = 1;
    for (TObjectItem* o : clashing) {
        while (taken[next]) ++next; // at most 255 objects: a free ID always remains
        taken[next] = true;
        FRenamed.emplace_back(o->ID(), static_cast<std::uint8_t>(next));
        o->Info.oiID = static_cast<std::uint8_t>(next);
    }
}

void TEditorObjects::DropUnmarked(const model::TEditorBuffer& Buffer) {
    std::array<bool, 256> marked{};
    const char16_t* text = Buffer.Text();
    const char16_t* end = text + Buffer.TextLength();
    for (const char16_t* mark = platform::find_unit(text, end, ObjectMark); mark != end;
         mark = platform::find_unit(mark + 1, end, ObjectMark))
        marked[Buffer.FormatByte(static_cast<std::uint32_t>(mark - text))] = true;
    ForEach(*this, [&](TObjectItem& o) {
        if (!o.Floated() && !marked[o.ID()]) FreeItem(&o);
    });
}

void TEditorObjects::ReconcileMarks(model::TEditorBuffer& Buffer) {
    // The k-th mark of a clashing ID belongs to the k-th object loaded with it; a nonzero
    // ID's first mark stays with the object that kept the ID.
    std::map<std::uint8_t, std::deque<std::uint8_t>> renamed;
    for (auto [stored, fresh] : FRenamed) renamed[stored].push_back(fresh);
    FRenamed.clear();
    std::array<bool, 256> seen{}, claimed{};
    const char16_t* text = Buffer.Text();
    const char16_t* end = text + Buffer.TextLength();
    for (const char16_t* mark = platform::find_unit(text, end, ObjectMark); mark != end;
         mark = platform::find_unit(mark + 1, end, ObjectMark)) {
        const auto i = static_cast<std::uint32_t>(mark - text);
        std::uint8_t id = Buffer.FormatByte(i);
        auto queue = renamed.find(id);
        if (queue != renamed.end() && (id == 0 || seen[id]) && !queue->second.empty()) {
            Buffer.FormatByte(i) = queue->second.front();
            queue->second.pop_front();
        }
        seen[id] = true;
        id = Buffer.FormatByte(i);
        const TObjectItem* o = FindByID(id);
        if (o == nullptr || o->Floated() || claimed[id])
            ReplaceMark(Buffer, i);
        else
            claimed[id] = true;
    }
}

void TEditorObjects::AddFrom(const TEditorObjects& Source, std::uint32_t Index, std::uint32_t Length) {
    model::TEditorBuffer* b = EditorInfo != nullptr ? EditorInfo->eiBuffers : nullptr;
    if (b == nullptr) return;
    const std::uint64_t last = std::min<std::uint64_t>(std::uint64_t{Index} + Length, b->TextLength());
    for (std::uint64_t i = Index; i <= last; ++i) {
        const auto at = static_cast<std::uint32_t>(i);
        if (b->CharAt(at) != ObjectMark) continue;
        const TObjectItem* original = Source.FindByID(b->FormatByte(at));
        const std::uint8_t id = GetNewID();
        auto copy = original != nullptr && id != 0 ? CopyObject(EditorInfo, *original, id) : nullptr;
        if (!copy) {
            ReplaceMark(*b, at);
            continue;
        }
        AddObject(std::move(copy));
        b->FormatByte(at) = id;
    }
}

} // namespace zeledit::objects
