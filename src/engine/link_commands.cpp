// Hyperlinks through the message protocol: the host adds them over a range and asks
// whether a position lies in one.
#include "engine/format_editor.h"

#include <algorithm>
#include <cstring>

namespace zeledit::engine {

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
