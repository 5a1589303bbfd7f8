// Hyperlinks through the message protocol: the host adds them over a range and asks
// whether a position lies in one.
#include "engine/format_editor.h"
#include "engine/notifications.h"
#include "platform/core/code_page.h"

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

void TFormatEditor::SetHyperLink(bool AsComment) {
    CommandDialogs* dialogs = InstalledCommandDialogs();
    model::TLinkItem* item = FLinks->HyperLinkAt(static_cast<std::int32_t>(edInfo.eiIndex));
    if (dialogs == nullptr || (item == nullptr && !edInfo.eiSelecting)) return;
    LinkEdit link;
    if (item != nullptr) {
        link.Target = platform::field_to_unicode(item->Info.ikText);
        link.Data = item->Info.ikData;
        if (item->IsComment()) link.Comment = *item->FText;
        SetSelText(static_cast<std::uint32_t>(item->Info.ikStart),
                   static_cast<std::uint32_t>(item->Info.ikEnd));
    }
    std::u16string shown(256, u'\0');
    GetSelText(shown.data(), static_cast<std::uint32_t>(shown.size()));
    link.Displayed = shown.c_str();
    const int answer =
        AsComment ? dialogs->Comment(FormatContext(), link) : dialogs->HyperLink(FormatContext(), link);
    const auto start = static_cast<std::int32_t>(std::min(edInfo.eiSelStart, edInfo.eiSelEnd));
    const auto end = static_cast<std::int32_t>(std::max(edInfo.eiSelStart, edInfo.eiSelEnd));
    if (answer == IDOK) {
        const std::string target =
            AsComment ? std::string() : platform::from_unicode(link.Target).substr(0, 255);
        FLinks->SetHyperLinkAt(start, end,
                               AsComment ? std::u16string_view(link.Comment) : std::u16string_view(),
                               AsComment ? std::int16_t{0} : link.Data, target);
    } else if (answer == LinkRemove) {
        FLinks->RemoveAt(start, end);
    }
    if (answer != IDCANCEL) InvalidateRect(HWindow, nullptr, FALSE);
}

void TFormatEditor::BrowseHyperLinks() {
    CommandDialogs* dialogs = InstalledCommandDialogs();
    if (dialogs == nullptr) return;
    LinkBrowsing browsing{FLinks.get(), [this](std::int32_t start, std::int32_t end) {
                              SetSelText(static_cast<std::uint32_t>(std::max(start, 0)),
                                         static_cast<std::uint32_t>(std::max(end, 0)));
                          }};
    dialogs->BrowseLinks(FormatContext(), browsing);
    InvalidateRect(HWindow, nullptr, FALSE);
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
