// The document's text and, in parallel, one format byte per code unit. Both live in
// movable memory blocks that stay locked for the buffer's life and grow in steps of 512
// characters. The blocks' free room is a gap kept at the start of the paragraph last edited,
// so that typing moves only that paragraph, never the rest of the document; a paragraph
// (with its CR LF, or the terminator for the last) never straddles the gap.
#pragma once

#include "model/document_watcher.h"
#include "model/editor_info.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zeledit::model {

// A paragraph ends with the pair CR LF; either alone ends only a line.
inline constexpr char16_t TAB = 9, LF = 10, CR = 13;
// Units whose format byte is no character format: the terminator, an object mark (its byte
// is the object's ID) and the paragraph-end units (their bytes are the paragraph's word).
inline constexpr bool HasNoCharFormat(char16_t c) { return c == 0 || c == 1 || c == LF || c == CR; }

class TEditorBuffer {
public:
    explicit TEditorBuffer(PEditorInfo info);
    ~TEditorBuffer();
    TEditorBuffer(const TEditorBuffer&) = delete;
    TEditorBuffer& operator=(const TEditorBuffer&) = delete;

    bool Clear();
    // Replaces the whole document: `text` (no terminator) and its text length + 2 format
    // bytes. False, with nothing changed, when it passes the maximum size or memory runs out.
    bool Assign(std::u16string_view text, std::span<const std::uint8_t> formats);
    void SetMaximumSize(std::uint32_t bytes) { FMaxSize = bytes; }
    std::uint32_t MaximumSize() const { return FMaxSize; }
    // Kept as the text changes. A host that was handed the text's address may write into it
    // until the next change: till then the text is scanned for its end once after each
    // message from the host, and otherwise only when its terminator was written over.
    std::uint32_t TextLength() const;
    // The whole text for the host, with the room after its terminator zeroed.
    char16_t* HandOut();
    // A message from outside arrived: a host holding the text's address may have written.
    void HostMayHaveWritten() { FRescan = FHandedOut; }
    std::int32_t BufferSize() const { return static_cast<std::int32_t>(2 * TextLength() + 2); }

    // Gaps: false when the text would pass the maximum size or memory runs out; nothing changes then.
    bool InsertBuffer(std::uint32_t Index, std::uint32_t Size);
    void DeleteBuffer(std::uint32_t Index, std::uint32_t Size);
    bool InsertChar(const char16_t* Buffer, std::uint8_t FormatByte, std::uint32_t Count,
                    std::uint32_t Index);
    bool DeleteChar(std::uint32_t Index, std::uint32_t Count);
    // Runs of units, in order and apart, each replaced by a text in one format byte (the
    // paragraph-end units get 0), in one rebuild of the buffer. The watcher hears of each run
    // as its deletion and then its insertion, where it stands once the runs before it are
    // replaced. False, with nothing changed, when the text would pass the maximum size or
    // memory runs out.
    struct TReplacement {
        std::uint32_t Start, Length;
        std::u16string_view Text;
        std::uint8_t Format;
    };
    bool ReplaceRuns(std::span<const TReplacement> runs);

    // One unit anywhere, 0 <= Idx <= text length + 1.
    char16_t CharAt(std::uint32_t Idx) const { return FText[Physical(Idx)]; }
    std::uint8_t& FormatByte(std::uint32_t Idx) { return FFormats[Physical(Idx)]; }
    std::uint8_t FormatByte(std::uint32_t Idx) const { return FFormats[Physical(Idx)]; }
    // Overwrites one unit; a paragraph mark written or overwritten keeps the gap at a
    // paragraph's start.
    void SetCharAt(std::uint32_t Idx, char16_t c);
    // Pointers indexed by document position that are good for the whole paragraph holding
    // Idx (its CR LF; for the last paragraph the terminator and the byte after it), until the
    // text next changes or Text() is called. They must not be read across a paragraph start.
    const char16_t* ParagraphText(std::uint32_t Idx) const { return FText + Offset(Idx); }
    const std::uint8_t* ParagraphFormats(std::uint32_t Idx) const { return FFormats + Offset(Idx); }
    // The units [from, from + count) in one piece, indexed from `from`, good until the text
    // next changes or Units is called again: in place, or copied when they lie across the gap.
    struct UnitRange {
        const char16_t* text;
        const std::uint8_t* formats;
    };
    UnitRange Units(std::uint32_t from, std::uint32_t count) const;
    // The whole text (terminated) and its format bytes as single blocks: the gap moves behind
    // the text first, which costs moving what lies after it. For operations across
    // paragraphs, and the address handed to the host.
    char16_t* Text() const;
    std::uint8_t* Formats() const;
    std::uint8_t FormatAt(std::uint32_t Idx) const;

    // Word operations; words end at the separator set (IsSeparator).
    static constexpr std::uint32_t MaxWordLength = 255;
    void GetWordAt(std::uint32_t Idx, char16_t* st) const; // at most 255 units and a NUL
    bool GetWordRangeAt(std::uint32_t Idx, std::uint32_t& AStart, std::int64_t& AEnd) const;
    std::uint32_t LeftWord(std::uint32_t idx) const;
    std::uint32_t RightWord(std::uint32_t idx) const;

    // Appends text with its own format bytes (text length + 2 of them) as a new paragraph
    // after an empty one; false, with nothing changed, when it would not fit.
    bool AddFormatText(std::u16string_view TBuf, const std::uint8_t* FBuf);
    void DeleteParas(std::uint8_t FormatID);
    void DeleteDoubleSpaceParas();

    // Who hears of insertions, deletions and paragraph removals, and is asked before the
    // text grows (none: the buffer grows to its maximum and tells no one).
    void SetWatcher(TDocumentWatcher* watcher) { FWatcher = watcher; }

    HGLOBAL TextHandle = nullptr;
    HGLOBAL FormatHandle = nullptr;
    HGLOBAL ClipboardData = nullptr;
    PEditorInfo EditorInfo;

    static bool IsSeparator(char16_t c);
    // The end of the paragraph holding `start` (at most the text length): the CR of its
    // CR LF mark, or the terminator.
    std::uint32_t ParagraphEnd(std::uint32_t start) const;

private:
    bool Resize(std::uint64_t chars);
    bool Reallocate(std::size_t text_bytes, std::size_t format_bytes);
    std::uint32_t WordStart(std::uint32_t idx) const;

    std::size_t Offset(std::uint32_t Idx) const { return Idx < FGap ? 0 : FGapLength; }
    std::size_t Physical(std::uint32_t Idx) const { return Idx + Offset(Idx); }
    // Moves the gap so that it starts at document position `at` (at most text length + 2).
    void MoveGap(std::uint32_t at) const;
    // The gap to the start of the paragraph that holds `at`.
    void SettleGap(std::uint32_t at);
    void CloseGap() const { MoveGap(FLength + 2); }

    TDocumentWatcher* FWatcher = nullptr;
    char16_t* FText = nullptr;
    std::uint8_t* FFormats = nullptr;
    // Where the gap starts (the text's length + 2 when it is closed) and its units: the
    // blocks' units less the text's, its terminator's and the byte's after it.
    mutable std::uint32_t FGap = 2;
    mutable std::size_t FGapLength = 0;
    std::uint32_t FMaxSize = 0;
    mutable std::uint32_t FLength = 0;
    mutable bool FHandedOut = false;
    mutable bool FRescan = false;
    mutable std::vector<char16_t> FScratchText; // Units across the gap
    mutable std::vector<std::uint8_t> FScratchFormats;
    std::uint32_t ScanLength() const;
    void Changed(std::uint32_t length);
};

// Text from outside the document: a zero would end it and a stray object mark could take a
// real object's place, so the one goes and the other becomes a space.
std::u16string StorableText(std::u16string_view text);

} // namespace zeledit::model
