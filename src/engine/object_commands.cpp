// The object messages: counts, records and data of objects by list index or by ID.
#include "engine/format_editor.h"

namespace zeledit::engine {

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
