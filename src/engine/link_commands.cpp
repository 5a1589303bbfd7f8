// Hyperlinks through the message protocol: the host adds them over a range and asks
// whether a position lies in one.
#include "engine/format_editor.h"
#include "engine/notifications.h"

#include <algorithm>
#include <cstring>

namespace zeledit::engine {

void TFormatEditor::SetHotspot(const model::TLinkItem* Item) {
    if (Item != nullptr && Item != FMouse.Hotspot()) {
        const std::int32_t start = Item->Info.ikStart, end = Item->Info.ikEnd;
        SetHighlight(start, end - 1);
        FMouse.SetHotspot(Item);
    } else if (Item == nullptr && FMouse.Hotspot() != nullptr) {
        SetHighlight(0, 0);
    }
}

// X in document coordinates, Y in the window's; the caret already stands at the click.
bool TFormatEditor::CheckHyperlink(int X, int Y) {
    if (FBuffer->CharAt(edInfo.eiIndex) == objects::ObjectMark) return false;
    model::TLinkItem* link = FLinks->HyperLinkAt(static_cast<std::int32_t>(edInfo.eiIndex));
    const std::int32_t line = FLines->GetLineAtPoint(Y);
    if (link == nullptr || line < 0) return false;
    const std::int32_t end = link->Info.ikEnd;
    if (X > GetCharPos(line, static_cast<std::uint32_t>(std::max(end, 0))).x) return false;
    if (link->IsComment()) {
        const TCommentInfo info{link->Info.ikStart, end, link->Info.ikData, link->FText->c_str()};
        Notify(HWindow, EFN_COMMENTCLICK, MAKELONG(static_cast<WORD>(X), static_cast<WORD>(Y)),
               reinterpret_cast<LPARAM>(&info));
    } else {
        Notify(HWindow, EFN_HYPERLINK, reinterpret_cast<WPARAM>(HWindow),
               reinterpret_cast<LPARAM>(&link->Info));
    }
    return true;
}

bool TFormatEditor::EFMLinkMessage(TMessage& msg) {
    switch (msg.Msg) {
    case EFM_INSERTHYPERLINK:
        // The host's range is clamped to the text; an empty one adds nothing.
        if (const auto* r = reinterpret_cast<const TInsertHyperLink*>(msg.LParam)) {
            const auto length = static_cast<std::int32_t>(FBuffer->TextLength());
            const std::int32_t start = std::clamp(std::min(r->Start, r->End), 0, length);
            const std::int32_t end = std::clamp(std::max(r->Start, r->End), 0, length);
            const char* target = r->Text != nullptr ? r->Text : "";
            if (start < end)
                FLinks->SetHyperLinkAt(start, end, u"", static_cast<std::int16_t>(r->Data),
                                       {target, strnlen(target, 255)});
        }
        return true;
    case EFM_ISHYPERLINKAT:
        msg.Result = FLinks->HyperLinkAt(static_cast<std::int32_t>(msg.WParam)) != nullptr;
        return true;
    default: return false;
    }
}

} // namespace zeledit::engine
