// The laid-out lines of a document, first line first. Besides the list, an index of chunks
// of a few hundred lines gives positional access, heights and text positions: finding a line
// never walks the list, inserting or removing one touches one chunk, and moving the starts of
// all later lines after an edit is recorded per chunk and applied when a chunk is next read.
#pragma once

#include "model/editor_info.h"
#include "model/link_list.h"

#include <cstdint>
#include <vector>

namespace zeledit::display {

class TLineItem : public model::TItemNode {
public:
    TLineItem(std::uint32_t Position, const model::TLineRegion* Region, std::uint16_t Height,
              std::uint16_t Width);                              // Create
    TLineItem(std::uint32_t AIdx, const model::TLineInfo& Info); // CreateFrom

    int TextHeight() const { return FTextHeight != 0 ? FTextHeight : 16; }
    int LineHeight() const { return FHeight != 0 ? FHeight : 16; }
    int TotalHeight() const { return LineHeight() + FRegion.MoreHeight; }
    int Width() const { return FWidth; }
    int BandWidth() const { return FRegion.Right - FRegion.Left; }

    // Positions: `next` is where the following line starts (the text length for the last).
    std::uint32_t GetLineLength(const model::TEditorBuffer& Buffer, std::uint32_t next) const;
    bool IsFirstLine(const model::TEditorBuffer& Buffer) const;
    bool IsEndOfPara(const model::TEditorBuffer& Buffer, const TLineItem* next) const;

    std::uint32_t At = 0;
    std::uint16_t FWidth = 0;
    std::uint16_t FHeight = 0;
    model::TLineRegion FRegion;
    std::uint16_t FTextHeight = 0;
    std::uint16_t FBaseLine = 0;

private:
    friend class TEditorLines;
    void SetInfo(std::uint32_t AIdx, const model::TLineInfo& Info); // through the list only
};

class TEditorLines : public model::TLinkList {
public:
    explicit TEditorLines(model::TEditorInfo* AEditorInfo = nullptr) : EditorInfo(AEditorInfo) {}

    TLineItem* Line(std::int32_t Index) const;
    model::TItemNode* Get(std::int32_t Index) const override { return Line(Index); }
    std::int32_t IndexOf(const model::TItemNode* pNode) const override;
    std::int32_t LastIndex() const { return Count() - 1; }

    // Changes of a line's values go through the list, which keeps its sums.
    void SetInfo(std::int32_t Index, std::uint32_t AIdx, const model::TLineInfo& Info);
    void AppendLine(std::uint32_t AIdx, const model::TLineInfo& Info);
    // A new line before line Index (appended when there is none).
    void InsertLine(std::int32_t Index, std::uint32_t AIdx, const model::TLineInfo& Info);
    // Adds `Delta` to the start of every line from `Index` on.
    void ShiftFrom(std::int32_t Index, std::int64_t Delta);
    void FreeLine(std::int32_t Index);
    // Frees every line after `Index`.
    void FreeAfter(std::int32_t Index);

    std::int32_t GetAbsPos(std::int32_t line) const; // document y of the line's top
    std::int32_t GetDocumentHeight() const;
    void SetTopLine(std::int32_t line);
    void UpdateBottomLine();
    std::int32_t GetLineOnWindow(std::int32_t line) const;
    std::int32_t GetLinePos(std::uint32_t idxAt) const;
    std::int32_t GetLineAtPoint(std::int32_t yPos) const;
    std::int32_t GetLineAtAbsPos(std::int32_t yPos) const;
    std::int32_t StartOfParaFrom(std::int32_t AtLine) const;
    std::uint32_t GetNextPara(std::int32_t FromLine) const;
    bool IsEndOfPara(std::int32_t Index) const;
    std::uint32_t NextStart(std::int32_t Index) const; // the following line's start, or the text length
    // Loads eiCurrentLine for painting line Index with its top at window y.
    void GetLineInfo(std::int32_t Index, int y) const;

    // Counts every change of the lines, so that a layout kept aside can tell it is still current.
    std::uint64_t Changes() const { return FChanges; }
    std::int32_t FTopLine = 0;
    std::int32_t FBottomLine = 0;
    std::int32_t FAbsTopLinePos = 0;
    model::TEditorInfo* EditorInfo;

protected:
    void ListChanged() override;

private:
    struct Chunk {
        std::vector<TLineItem*> lines;
        std::int64_t height = 0; // of its lines together
        std::int64_t shift = 0;  // not yet added to its lines' starts
    };
    static constexpr std::size_t ChunkLines = 128; // a chunk splits at twice as many

    void EnsureIndex() const;  // rebuilt from the list after a change made around the index
    void EnsurePrefix() const; // FFirst and FTop from FPrefixFrom on
    std::size_t ChunkOf(std::int32_t Index) const;
    void Settle(std::size_t c) const; // applies the chunk's pending shift
    void Touched(std::size_t c) const { FPrefixFrom = std::min(FPrefixFrom, c); }
    TLineItem* Unlink(std::int32_t Index);
    std::int64_t SumBefore(std::int32_t Index) const; // total heights of lines 0..Index-1
    std::int32_t FirstReaching(std::int64_t y) const; // first line whose bottom is >= y

    mutable std::vector<Chunk> FChunks;
    mutable std::vector<std::int32_t> FFirst; // each chunk's first line
    mutable std::vector<std::int64_t> FTop;   // the heights of the lines before each chunk
    mutable std::size_t FPrefixFrom = 0;
    mutable bool FIndexValid = true;
    bool FOwnChange = false; // the list changes through the index's own operations
    std::uint64_t FChanges = 0;
};

} // namespace zeledit::display
