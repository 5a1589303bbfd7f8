// The object messages (counts, records and data of objects by list index or by ID) and the
// object commands.
#include "engine/format_editor.h"
#include "objects/picture_object.h"

namespace zeledit::engine {

namespace {

// Changes the drawing order of a floated object; the whole window shows the new order.
template <class Move> void Reorder(TFormatEditor& editor, objects::TObjectItem& object, Move move) {
    if (!object.Floated()) return;
    move(*editor.FObjects, object);
    InvalidateRect(editor.HWindow, nullptr, FALSE);
}

} // namespace

void TFormatEditor::MoveObjUp(objects::TObjectItem& Object) {
    Reorder(*this, Object, [](auto& list, auto& o) { list.MoveUp(&o); });
}
void TFormatEditor::MoveObjDown(objects::TObjectItem& Object) {
    Reorder(*this, Object, [](auto& list, auto& o) { list.MoveDown(&o); });
}
void TFormatEditor::BringObjTofront(objects::TObjectItem& Object) {
    Reorder(*this, Object, [](auto& list, auto& o) { list.MoveToTail(&o); });
}
void TFormatEditor::SendObjToBack(objects::TObjectItem& Object) {
    Reorder(*this, Object, [](auto& list, auto& o) { list.MoveToHead(&o); });
}

// Only bitmap pictures go to the clipboard.
bool TFormatEditor::CopyObjectToClipboard(objects::TObjectItem& Object) {
    if (Object.Info.oiStyle != objects::osPicture) return false;
    const auto* picture = dynamic_cast<objects::TPictureObj*>(&Object);
    return picture != nullptr && picture->CopyToClipboard();
}

bool TFormatEditor::EFMObjectMessage(TMessage& msg) {
    objects::TEditorObjects& list = *FObjects;
    const auto by_index = [&]() { return list.Item(static_cast<std::int32_t>(msg.WParam)); };
    const auto by_id = [&]() { return list.FindByID(LOBYTE(msg.WParam)); };
    const auto address = [](auto* p) { return reinterpret_cast<LRESULT>(p); };
    switch (msg.Msg) {
    case EFM_GETOBJECTCOUNT: msg.Result = list.Count(); return true;
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
