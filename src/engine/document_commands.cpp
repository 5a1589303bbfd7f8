// The document block messages: its size, a copy, and loading one.
#include "engine/format_editor.h"
#include "engine/notifications.h"
#include "platform/core/global_memory.h"
#include "storage/document_block.h"

namespace zeledit::engine {

storage::TDocumentParts TFormatEditor::DocumentParts() {
    return {edInfo, *FBuffer, *FFonts, *FParas, *FObjects};
}

// A refused block changes nothing: the document, its modified flag and its state stay.
bool TFormatEditor::SetData(HGLOBAL Data) {
    Notify(HWindow, EFN_HIDECOMMENT);
    platform::LockedBlock block(Data);
    auto parts = DocumentParts();
    if (block.data() == nullptr || !storage::LoadData(parts, block.bytes())) return false;
    edInfo.eiSelecting = false;
    edInfo.eiSelStart = edInfo.eiSelEnd = 0;
    InvalidateRect(HWindow, nullptr, FALSE);
    IsModified = FALSE;
    IsLeftDown = false;
    edInfo.eiHighStart = edInfo.eiHighEnd = 0;
    Notify(HWindow, EFN_FORMATCHANGED);
    return true;
}

bool TFormatEditor::EFMDocumentMessage(TMessage& msg) {
    switch (msg.Msg) {
    case EFM_GETDATASIZE: {
        auto parts = DocumentParts();
        msg.Result = static_cast<LRESULT>(storage::DataSize(parts));
        return true;
    }
    case EFM_GETDATA: {
        auto parts = DocumentParts();
        msg.Result = reinterpret_cast<LRESULT>(storage::GetData(parts));
        return true;
    }
    case EFM_SETDATA: msg.Result = SetData(reinterpret_cast<HGLOBAL>(msg.LParam)); return true;
    default: return false;
    }
}

} // namespace zeledit::engine
