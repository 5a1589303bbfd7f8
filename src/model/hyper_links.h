// Hyperlinks and comments: ranges of the text with a target or a note, kept in step with
// every insertion and deletion and stored with the document after its format runs.
#pragma once

#include "model/link_list.h"

#include <zeledit/editor_records.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zeledit::model {

class TLinkItem : public TItemNode {
public:
    static constexpr std::size_t RecordSize = sizeof(THyperTextInfo);
    // The stored text size is 16-bit: 2 × (length + 1) must fit.
    static constexpr std::size_t MaxCommentLength = 32766;

    // A hyperlink; the target is cut to 255 characters.
    TLinkItem(std::int32_t AStart, std::int16_t AData, std::string_view AText, std::int32_t AEnd);
    // A comment; its text is cut to MaxCommentLength units.
    static std::unique_ptr<TLinkItem> CreateAsComment(std::int32_t AStart, std::u16string_view AText,
                                                      std::int32_t AEnd);

    bool IsComment() const { return FText.has_value(); }
    std::size_t GetSize() const { return RecordSize + (FText ? 2 * FText->size() + 2 : 0); }
    // Writes the stored form, setting ikTextSize; answers the offset after it.
    std::size_t Write(std::uint8_t* Buffer, std::size_t Offset);
    bool InItem(std::int32_t Idx) const { return Info.ikStart <= Idx && Idx <= Info.ikEnd; }
    bool IntersectAt(std::int32_t AStart, std::int32_t AEnd) const;
    void UpdateAt(std::int32_t Idx, std::int32_t Delta);

    THyperTextInfo Info{};
    std::optional<std::u16string> FText;

private:
    TLinkItem() = default;
    friend class THyperLinks;
};

class THyperLinks : public TLinkList {
public:
    static constexpr std::int32_t MaxStored = 0xFFFF; // the stored count is 16-bit

    TLinkItem* Item(std::int32_t Index) const { return static_cast<TLinkItem*>(Get(Index)); }
    // Shifts every range for Delta units inserted (positive) or deleted (negative) at Idx;
    // ranges left empty are removed.
    void UpdateAt(std::int32_t Idx, std::int32_t Delta);
    void RemoveAt(std::int32_t AStart, std::int32_t AEnd);
    // A comment when AComment is not empty, else a hyperlink to AText with AData.
    void SetHyperLinkAt(std::int32_t AStart, std::int32_t AEnd, std::u16string_view AComment,
                        std::int16_t AData, std::string_view AText);
    TLinkItem* HyperLinkAt(std::int32_t Idx) const;

    std::size_t GetDataSize() const;
    std::size_t SaveTo(std::uint8_t* Buffer, std::size_t Offset);
    // Appends the stored table at Offset and answers the offset after it; none, with the
    // list unchanged, when the table runs past the bytes or a range lies wholly outside a
    // text of TextLength units. Ranges are clamped to the text, empty ones dropped, texts
    // terminated.
    std::optional<std::size_t> LoadFrom(std::span<const std::uint8_t> Buffer, std::size_t Offset,
                                        std::uint32_t TextLength);

private:
    std::int32_t StoredCount() const { return Count() < MaxStored ? Count() : MaxStored; }
};

} // namespace zeledit::model
