#include "model/hyper_links.h"

#include "platform/core/byte_reader.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace zeledit::model {
namespace {

std::int32_t Clamp32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

// A position after a change of Delta units at Idx. Positions inside a deleted stretch
// fall to its start instead of moving before it.
std::int32_t Shifted(std::int32_t pos, std::int32_t Idx, std::int32_t Delta) {
    if (Delta < 0 && pos < std::int64_t{Idx} - Delta) return Idx;
    return Clamp32(std::int64_t{pos} + Delta);
}

bool Between(std::int32_t v, std::int32_t lo, std::int32_t hi) { return lo <= v && v <= hi; }

} // namespace

TLinkItem::TLinkItem(std::int32_t AStart, std::int16_t AData, std::string_view AText, std::int32_t AEnd) {
    Info.ikStart = AStart;
    Info.ikEnd = AEnd;
    Info.ikData = AData;
    std::memcpy(Info.ikText, AText.data(), std::min(AText.size(), sizeof Info.ikText - 1));
}

std::unique_ptr<TLinkItem> TLinkItem::CreateAsComment(std::int32_t AStart, std::u16string_view AText,
                                                      std::int32_t AEnd) {
    std::unique_ptr<TLinkItem> item(new TLinkItem());
    item->Info.ikStart = AStart;
    item->Info.ikEnd = AEnd;
    item->FText = std::u16string(AText.substr(0, MaxCommentLength));
    return item;
}

std::size_t TLinkItem::Write(std::uint8_t* Buffer, std::size_t Offset) {
    Info.ikTextSize = static_cast<std::uint16_t>(FText ? 2 * FText->size() + 2 : 0);
    std::memcpy(Buffer + Offset, &Info, RecordSize);
    Offset += RecordSize;
    if (FText) {
        std::memcpy(Buffer + Offset, FText->c_str(), 2 * FText->size() + 2); // with its terminator
        Offset += Info.ikTextSize;
    }
    return Offset;
}

bool TLinkItem::IntersectAt(std::int32_t AStart, std::int32_t AEnd) const {
    return Between(Info.ikStart, AStart, AEnd) || Between(Info.ikEnd, AStart, AEnd);
}

void TLinkItem::UpdateAt(std::int32_t Idx, std::int32_t Delta) {
    if (Idx < Info.ikStart) Info.ikStart = Shifted(Info.ikStart, Idx, Delta);
    if (Info.ikEnd >= Idx) Info.ikEnd = Shifted(Info.ikEnd, Idx, Delta);
}

void THyperLinks::UpdateAt(std::int32_t Idx, std::int32_t Delta) {
    for (TItemNode* node = Head(); node != nullptr;) {
        auto* item = static_cast<TLinkItem*>(node);
        node = node->NextItem;
        item->UpdateAt(Idx, Delta);
        if (item->Info.ikStart >= item->Info.ikEnd) FreeItem(item);
    }
}

void THyperLinks::RemoveAt(std::int32_t AStart, std::int32_t AEnd) {
    for (TItemNode* node = Head(); node != nullptr;) {
        auto* item = static_cast<TLinkItem*>(node);
        node = node->NextItem;
        if (item->IntersectAt(AStart, AEnd)) FreeItem(item);
    }
}

void THyperLinks::SetHyperLinkAt(std::int32_t AStart, std::int32_t AEnd, std::u16string_view AComment,
                                 std::int16_t AData, std::string_view AText) {
    RemoveAt(AStart, AEnd);
    if (!AComment.empty())
        Append(TLinkItem::CreateAsComment(AStart, AComment, AEnd).release());
    else
        Append(new TLinkItem(AStart, AData, AText, AEnd));
}

TLinkItem* THyperLinks::HyperLinkAt(std::int32_t Idx) const {
    for (TItemNode* node = Head(); node != nullptr; node = node->NextItem)
        if (static_cast<TLinkItem*>(node)->InItem(Idx)) return static_cast<TLinkItem*>(node);
    return nullptr;
}

std::size_t THyperLinks::GetDataSize() const {
    if (Count() == 0) return 0;
    std::size_t size = 2;
    TItemNode* node = Head();
    for (std::int32_t i = 0; i < StoredCount(); ++i, node = node->NextItem)
        size += static_cast<TLinkItem*>(node)->GetSize();
    return size;
}

std::size_t THyperLinks::SaveTo(std::uint8_t* Buffer, std::size_t Offset) {
    const auto count = static_cast<std::uint16_t>(StoredCount());
    std::memcpy(Buffer + Offset, &count, 2);
    Offset += 2;
    TItemNode* node = Head();
    for (std::int32_t i = 0; i < count; ++i, node = node->NextItem)
        Offset = static_cast<TLinkItem*>(node)->Write(Buffer, Offset);
    return Offset;
}

std::optional<std::size_t> THyperLinks::LoadFrom(std::span<const std::uint8_t> Buffer, std::size_t Offset,
                                                 std::uint32_t TextLength) {
    platform::ByteReader in(Buffer, Offset);
    const auto count = in.read<std::uint16_t>();
    if (!count) return std::nullopt;
    const auto length = static_cast<std::int32_t>(std::min<std::uint32_t>(TextLength, INT32_MAX));
    std::vector<std::unique_ptr<TLinkItem>> read;
    for (int i = 0; i < *count; ++i) {
        const auto record = in.read<THyperTextInfo>();
        if (!record) return std::nullopt;
        std::unique_ptr<TLinkItem> item(new TLinkItem());
        item->Info = *record;
        THyperTextInfo& info = item->Info;
        info.ikText[sizeof info.ikText - 1] = 0;
        if (info.ikTextSize > 0) {
            const auto text = in.take(info.ikTextSize);
            if (!text) return std::nullopt;
            std::u16string comment(info.ikTextSize / 2, u'\0');
            std::memcpy(comment.data(), text->data(), 2 * comment.size());
            comment.resize(std::min(comment.find(u'\0'), comment.size()));
            item->FText = std::move(comment);
        }
        if (info.ikStart > length || info.ikEnd < 0) return std::nullopt;
        info.ikStart = std::max(info.ikStart, 0);
        info.ikEnd = std::min(info.ikEnd, length);
        if (info.ikStart < info.ikEnd) read.push_back(std::move(item));
    }
    for (auto& item : read) Append(item.release());
    return in.position();
}

} // namespace zeledit::model
