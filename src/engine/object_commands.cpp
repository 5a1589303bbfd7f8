// The object messages (counts, records and data of objects by list index or by ID) and the
// object commands.
#include "engine/format_editor.h"
#include "engine/notifications.h"
#include "objects/external_object.h"
#include "objects/picture_object.h"
#include "platform/core/global_memory.h"
#include "platform/graphics_support/graphics_support.h"
#include "platform/user/clipboard.h"
#include "platform/user/window_dc.h"

namespace zeledit::engine {

namespace {

// A picture put on the clipboard as a DIB, kept in the form it came in (a run-length picture
// stays a few bytes however large it claims to be); none when it is malformed.
platform::UniqueGlobal ClipboardDib() {
    HANDLE packed = GetClipboardData(CF_DIB);
    if (packed == nullptr) return {};
    platform::LockedBlock block(packed);
    if (!objects::CheckPackedDib(block.bytes())) return {};
    return platform::copy_to_global(block.bytes());
}

// The clipboard's bitmap, through its palette when there is one.
platform::UniqueGlobal ClipboardBitmapDib() {
    auto* bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    if (bitmap == nullptr) return {};
    const platform::WindowDC screen(nullptr);
    platform::UniqueGlobal dib(
        platform::BitmapToDIB(screen, bitmap, static_cast<HPALETTE>(GetClipboardData(CF_PALETTE))));
    return dib;
}

// Insertion codes whose objects come from a dialog.
bool IsDialogCode(std::int32_t code) {
    return (code >= 2 && code <= 4) || code == 6 || code == 7 || (code >= 9 && code <= 11);
}

} // namespace

// The clipboard's picture as an inline picture of its natural size; null without a picture
// or a free ID. A DIB is taken as it was put there; a bitmap goes through its palette.
std::unique_ptr<objects::TObjectItem> TFormatEditor::PictureFromClipboard() {
    const std::uint8_t id = FObjects->GetNewID();
    if (id == 0 || !OpenClipboard(HWindow)) return nullptr;
    platform::UniqueGlobal dib =
        platform::clipboard_holds_own(CF_DIB) ? ClipboardDib() : platform::UniqueGlobal{};
    if (!dib) dib = ClipboardBitmapDib();
    CloseClipboard();
    if (!dib) return nullptr;
    TObjectInfo info{};
    info.oiStyle = objects::osPicture;
    info.oiID = id;
    info.oiSize = static_cast<std::uint32_t>(GlobalSize(dib.get()));
    info.oiMargins = {2.0, 2.0, 2.0, 2.0};
    auto picture = std::make_unique<objects::TPictureObj>(&edInfo, info, std::move(dib));
    // Without fitting the record's size is all there is: the picture keeps its own.
    picture->Info.oiWidth = static_cast<std::uint16_t>(picture->FOriginWidth);
    picture->Info.oiHeight = static_cast<std::uint16_t>(picture->FOriginHeight);
    return picture;
}

// Changes the drawing order of a floated object; the whole window shows the new order.
template <class Move> void TFormatEditor::Reorder(objects::TObjectItem& object, Move move) {
    if (!object.Floated()) return;
    move(*FObjects, object);
    InvalidateRect(HWindow, nullptr, FALSE);
}

objects::ObjectDialogContext TFormatEditor::DialogContext() {
    objects::ObjectDialogContext c;
    c.Owner = HWindow;
    c.Language = FSettings.FLanguage;
    c.Bound = edInfo.eiBoundRect;
    c.Back = FSettings.FBackColor;
    c.Highlight = FSettings.FHighColor;
    c.Shadow = FSettings.FShadColor;
    c.Expert = FObjects->ExpertMode;
    c.TypesVietnamese = FInput.VietKey() != FALSE;
    c.EditorInfo = &edInfo;
    c.Parent = HWindow;
    c.ID = FObjects->GetNewID();
    return c;
}

void TFormatEditor::InsertObject(std::int32_t Code) {
    CreateUndo();
    FObjects->Language = FSettings.FLanguage;
    std::unique_ptr<objects::TObjectItem> made;
    if (Code == 1) made = PictureFromClipboard();
    if (Code >= 256 && Code <= 0xFFFF)
        made = objects::TExternalObj::Create(&edInfo, HWindow, static_cast<std::uint16_t>(Code),
                                             FObjects->GetNewID());
    objects::ObjectDialogs* dialogs = objects::InstalledObjectDialogs();
    if (IsDialogCode(Code) && dialogs != nullptr && FObjects->GetNewID() != 0)
        made = dialogs->Create(DialogContext(), Code);
    objects::TObjectItem* object = made.get();
    if (made) FObjects->AddObject(std::move(made));
    if (FSettings.FEnableFitObjs) FObjects->FitObjects();
    PlaceNewObject(object);
}

void TFormatEditor::PlaceNewObject(objects::TObjectItem* object) {
    if (object != nullptr && object->Floated()) {
        InsertFloatedObject(*object);
    } else if (object == nullptr || !InsertNormalObject(object->ID())) {
        if (object != nullptr) FObjects->FreeItem(object);
        FUndoObj->ClearLast(); // nothing was inserted: no step to undo
        return;
    }
    object->SetColors(FSettings.EditPalette, FSettings.FBackColor, FSettings.FShadColor,
                      FSettings.FHighColor);
}

void TFormatEditor::ModifyObject(objects::TObjectItem& Object) {
    Object.Language = FSettings.FLanguage;
    const bool was_floated = Object.Floated();
    std::int32_t mark = -1, line = -1;
    if (was_floated) {
        line = FLines->GetLineAtAbsPos(Object.Position());
        if (line < 0) return;
    } else {
        mark = FObjects->IndexOf(Object.ID());
        if (mark < 0) return;
        line = FLines->GetLinePos(static_cast<std::uint32_t>(mark));
    }
    CreateUndo();
    if (!Object.Modify(DialogContext())) return FUndoObj->ClearLast();
    ReleaseCapture();
    if (was_floated && !Object.Floated()) {
        const char16_t c = objects::ObjectMark;
        const std::uint32_t at = std::min(Object.Info.oiAnchorAt, FBuffer->TextLength());
        FBuffer->InsertChar(&c, Object.ID(), 1, at);
    } else if (!was_floated && Object.Floated()) {
        Object.Info.oiPosition = FLines->GetAbsPos(std::max(line, 0));
        Object.Info.oiAnchorAt = static_cast<std::uint32_t>(mark);
        FBuffer->DeleteChar(static_cast<std::uint32_t>(mark), 1);
    }
    Refresh();
    NotifyChanged(*this);
}

void TFormatEditor::InsertFloatedObject(objects::TObjectItem& Object) {
    const std::int32_t line = std::max(FLines->GetLinePos(edInfo.eiIndex), 0);
    Object.Info.oiPosition = FLines->GetAbsPos(line);
    Object.Info.oiAnchorAt = FLines->Line(line)->At;
    UpdateFrom(line);
    InvalidateRect(HWindow, nullptr, FALSE);
    UpdateCaret();
    NotifyChanged(*this);
    SetFocus(HWindow);
}

void TFormatEditor::InsertExternalObject(const TObjectInfo* Info, std::uint32_t Handle) {
    if (Info == nullptr) return;
    const std::uint8_t id = FObjects->GetNewID();
    if (id == 0) return; // the document is full
    CreateUndo();
    TObjectInfo info = *Info;
    info.oiID = id;
    auto made = std::make_unique<objects::TExternalObj>(&edInfo, HWindow, info, Handle);
    objects::TObjectItem* object = made.get();
    FObjects->AddObject(std::move(made));
    PlaceNewObject(object);
}

bool TFormatEditor::InsertNormalObject(std::uint8_t ID) {
    const std::int32_t line = FLines->GetLinePos(edInfo.eiIndex);
    const char16_t mark = objects::ObjectMark;
    if (!FBuffer->InsertChar(&mark, ID, 1, edInfo.eiIndex)) return false;
    if (!RepaintChar(line, 1, edInfo.eiIndex++)) Refresh();
    FView.CurrentLine = FLines->GetLinePos(edInfo.eiIndex);
    UpdateCaret();
    NotifyChanged(*this);
    SetFocus(HWindow);
    return true;
}

void TFormatEditor::MoveFloatedObjectTo(int X, int Y, objects::TObjectItem& Object) {
    const std::int32_t from = FLines->GetLineAtAbsPos(Object.Position());
    const std::int32_t to = FLines->GetLineAtAbsPos(Y + FLines->GetAbsPos(FLines->FTopLine));
    if (from < 0 || to < 0) return;
    CreateUndo();
    if (!FObjects->SetFloatedAt(Object, X, FLines->GetAbsPos(to))) return FUndoObj->ClearLast();
    Object.Info.oiAnchorAt = FLines->Line(to)->At;
    UpdateFrom(std::max(std::min(from, to) - 1, 0));
    InvalidateRect(HWindow, nullptr, FALSE); // where the object was, too
    UpdateCaret();
    NotifyChanged(*this);
}

void TFormatEditor::MoveObjUp(objects::TObjectItem& Object) {
    Reorder(Object, [](auto& list, auto& o) { list.MoveUp(&o); });
}
void TFormatEditor::MoveObjDown(objects::TObjectItem& Object) {
    Reorder(Object, [](auto& list, auto& o) { list.MoveDown(&o); });
}
void TFormatEditor::BringObjTofront(objects::TObjectItem& Object) {
    Reorder(Object, [](auto& list, auto& o) { list.MoveToTail(&o); });
}
void TFormatEditor::SendObjToBack(objects::TObjectItem& Object) {
    Reorder(Object, [](auto& list, auto& o) { list.MoveToHead(&o); });
}

// Only bitmap pictures go to the clipboard.
bool TFormatEditor::CopyObjectToClipboard(objects::TObjectItem& Object) {
    if (Object.Info.oiStyle != objects::osPicture) return false;
    const auto* picture = dynamic_cast<objects::TPictureObj*>(&Object);
    return picture != nullptr && picture->CopyToClipboard();
}

void TFormatEditor::DeleteFloatedObject(objects::TObjectItem& Object) {
    if (!Object.Floated()) return;
    const std::int32_t line = FLines->GetLineAtAbsPos(Object.Position());
    CreateUndo();
    if (FMouse.HitObject() == &Object) FMouse.SetHitObject(nullptr);
    FObjects->FreeItem(&Object);
    UpdateFrom(std::max(line - 1, 0));
    InvalidateRect(HWindow, nullptr, FALSE);
    UpdateCaret();
    NotifyChanged(*this);
}

void TFormatEditor::CutFloatedObject(objects::TObjectItem& Object) {
    // Only pictures reach the clipboard; cutting anything else would only lose it.
    if (CopyObjectToClipboard(Object)) DeleteFloatedObject(Object);
}

void TFormatEditor::SelectedObjectCommand(WPARAM Command) {
    objects::TObjectItem* object = FMouse.HitObject();
    if (object == nullptr || FObjects->IndexOf(object) < 0) return;
    const bool modify = FSettings.CanModify;
    switch (Command) {
    case 1016:
        if (modify) SendObjToBack(*object);
        break;
    case 1017:
        if (modify) BringObjTofront(*object);
        break;
    case 1018:
        if (modify) MoveObjUp(*object);
        break;
    case 1019:
        if (modify) MoveObjDown(*object);
        break;
    case 1020:
        if (modify) DeleteFloatedObject(*object);
        break;
    case 1021: CopyObjectToClipboard(*object); break;
    case 1022:
        if (modify) CutFloatedObject(*object);
        break;
    default: break;
    }
}

bool TFormatEditor::EFMObjectMessage(TMessage& msg) {
    objects::TEditorObjects& list = *FObjects;
    const auto by_index = [&]() { return list.Item(static_cast<std::int32_t>(msg.WParam)); };
    const auto by_id = [&]() { return list.FindByID(LOBYTE(msg.WParam)); };
    const auto address = [](auto* p) { return reinterpret_cast<LRESULT>(p); };
    switch (msg.Msg) {
    case EFM_GETOBJECTCOUNT: msg.Result = list.Count(); return true;
    case EFM_INSERTOBJECT: InsertObject(LOWORD(msg.WParam)); return true;
    case EFM_INSERTEXTERNALOBJECT:
        InsertExternalObject(reinterpret_cast<const TObjectInfo*>(msg.LParam),
                             static_cast<std::uint32_t>(msg.WParam));
        return true;
    case EFM_GETOBJECTS: msg.Result = address(&list); return true;
    case EFM_GETOBJECTINDEX:
        msg.Result = list.GetObjectIndex(static_cast<std::int32_t>(msg.WParam));
        return true;
    case EFM_HIDEOBJECTS:
        list.SetShowContent(msg.WParam == 0);
        ValidateWindow();
        return true;
    case EFM_ENABLEACTIVATE: list.EnableActivate(msg.WParam != 0); return true;
    case EFM_GETOBJECT:
        if (auto* o = by_index()) msg.Result = address(o->GetData());
        return true;
    case EFM_GETOBJECTINFO:
        if (auto* o = by_index()) msg.Result = address(&o->Info);
        return true;
    case EFM_GETOBJINFOID:
        if (auto* o = by_id()) msg.Result = address(&o->Info);
        return true;
    case EFM_GETOBJDATAID:
        if (auto* o = by_id()) msg.Result = address(o->GetData());
        return true;
    case EFM_RESETOBJECT:
        if (auto* o = by_id()) o->Reset();
        return true;
    default: return false;
    }
}

} // namespace zeledit::engine
