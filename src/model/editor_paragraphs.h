// The paragraph-format table, and access to how paragraphs carry their format: the
// format byte at a paragraph's CR (or at the terminator) and the alignment byte after it.
#pragma once

#include "model/editor_info.h"
#include "model/format_table_rules.h"
#include "model/link_list.h"
#include "model/old_format_records.h"

#include <zeledit/windows.h>

#include <cstdint>
#include <span>
#include <string>
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

class TEditorParagraphs : public TLinkList {
public:
    explicit TEditorParagraphs(PEditorInfo info) : EditorInfo(info) {}

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

    // The table.
    TParagraphItem* GetFormatItem(std::int32_t Index) const; // entry 0 for an index outside
    std::int32_t AddParaFormat(const TParaFormat& Para);
    std::uint8_t GetFormat(std::int32_t ID, const TParaFormat& Format);
    void DeleteFormat(std::int32_t ID);
    void RemoveSames();
    void SetParaColor(std::int32_t Index, COLORREF AColor);
    COLORREF GetParaColor(std::int32_t Index) const;
    void EnlargeReduceSize(int AInc);
    void Monochrome();
    void GrayScale();
    std::int32_t GetSize() const { return Count() * static_cast<std::int32_t>(sizeof(TParaFormat)); }
    std::size_t SaveTo(std::uint8_t* Buffer, std::size_t Index) const;
    bool LoadFrom(std::span<const std::uint8_t> bytes, std::int32_t ACount);
    bool LoadFrom2(std::span<const std::uint8_t> bytes, std::int32_t ACount);
    bool LoadFrom3(std::span<const std::uint8_t> bytes, std::int32_t ACount);

    PEditorInfo EditorInfo;

private:
    std::uint32_t EndPosition(std::uint32_t p) const; // first CR or NUL at or after p
    std::int32_t FindEqual(const TParaFormat& Para) const;
    std::int32_t AddNew(const TParaFormat& Para);
    std::vector<std::uint32_t> Usage() const;
    void Renumber(std::span<const std::int32_t> map) const;
    void FormatsChanged() const;
};

// The default paragraph format of every new document.
TParaFormat DefaultParaFormat();

} // namespace zeledit::model
