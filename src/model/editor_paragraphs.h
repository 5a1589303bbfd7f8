// The paragraph-format table, and access to how paragraphs carry their format: the
// format byte at a paragraph's CR (or at the terminator) and the alignment byte after it.
#pragma once

#include "model/editor_buffer.h"
#include "model/format_table.h"
#include "model/old_format_records.h"

#include <zeledit/windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace zeledit::model {

class TParagraphItem : public TItemNode {
public:
    TParagraphItem(const TIndent& Indent, std::uint8_t Align, const TBorder& Border, COLORREF Shading);
    explicit TParagraphItem(const TParaFormat& Para); // InitFrom
    explicit TParagraphItem(const TParaFormat2& Para);
    explicit TParagraphItem(const TParaFormat3& Para);
    ~TParagraphItem() override;

    void SetFormat(const TParaFormat& Value);
    void SetShading(COLORREF colour);
    bool SameAs(const TParaFormat& Para) const;
    bool CompareWith(const TParagraphItem& Para) const;
    void EnlargeReduceSize(int AInc);
    void Monochrome();
    void GrayScale();
    // The format in words, in Vietnamese or in English.
    std::u16string Description() const;
    std::u16string EnglishDescription() const;

    TParaFormat FAttributes{};
    HBRUSH brShading = nullptr;

private:
    void MakeBrush();
    template <class Transform> void RecolourWith(Transform t);
};

// A paragraph's format index is the whole format byte at its CR, or at the terminator for
// the last paragraph.
struct ParaTableTraits {
    using Item = TParagraphItem;
    using Older = std::tuple<TParaFormat2, TParaFormat3>; // the layouts of the second and third families
    static constexpr std::uint8_t IndexBits = 0xFF;
    static bool Carries(char16_t c, bool at_end) { return at_end || c == CR; }
    static bool Holds(const TParagraphItem& item, const TParaFormat& f) { return item.SameAs(f); }
};

class TEditorParagraphs : public TFormatTable<ParaTableTraits> {
public:
    using TFormatTable::TFormatTable;

    void CreateDefaultPara();

    // The encoding; positions are 32-bit.
    std::uint32_t StartParaIndex(std::uint32_t idx) const;
    std::uint32_t EndOfParaIndex(std::uint32_t idx) const;
    std::uint8_t GetParaAttr(std::uint32_t idx) const; // repairs an index beyond the table
    void SetParaAttr(std::uint32_t idx, std::uint8_t ParaIndex) const;
    std::uint8_t GetParaAlign(std::uint32_t idx) const;
    void SetParaAlign(std::uint32_t idx, std::uint8_t Align) const;
    std::uint16_t GetParaWord(std::uint32_t idx) const;
    void SetParaWord(std::uint32_t idx, std::uint16_t WordAttr) const;
    std::int32_t GetPrevParaIndex(std::uint32_t Idx) const;
    std::int32_t GetNextParaIndex(std::uint32_t Idx) const;
    TParagraphItem* GetParaOfIndex(std::uint32_t Position) const;
    // The entry of the paragraph holding Idx (at most the text length), and the paragraph's
    // part of eiCurrentLine for a line there: alignment, box continuation with the
    // neighbouring paragraphs, and the text, paragraph and line regions.
    TParagraphItem* GetParaInfo(std::uint32_t Idx, bool FirstLine) const;
    // The same for a line record of the caller's.
    TParagraphItem* GetParaInfo(std::uint32_t Idx, bool FirstLine, TLineInfo& line) const;

    // The table.
    std::int32_t AddParaFormat(const TParaFormat& Para);
    // A new entry at the end, even when an equal one exists; −1 when the table is full.
    std::int32_t AppendFormat(const TParaFormat& Para);
    std::uint8_t GetFormat(std::int32_t ID, const TParaFormat& Format);
    void SetParaColor(std::int32_t Index, COLORREF AColor);
    // Overwrites entry Index in place: every paragraph using it changes.
    void ResetFormat(std::int32_t Index, const TParaFormat& Format);
    COLORREF GetParaColor(std::int32_t Index) const;
    void EnlargeReduceSize(int AInc);
    void Monochrome();
    void GrayScale();

private:
    std::uint32_t EndPosition(std::uint32_t p) const; // first CR or NUL at or after p
    std::int32_t AddNew(const TParaFormat& Para);
};

// The default paragraph format of every new document.
TParaFormat DefaultParaFormat();

} // namespace zeledit::model
