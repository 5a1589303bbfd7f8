// The document's text and, in parallel, one format byte per code unit. Both live in
// movable memory blocks that stay locked for the buffer's life and grow in steps of 512
// characters.
#pragma once

#include "model/editor_info.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace zeledit::model {

// A paragraph ends with the pair CR LF; either alone ends only a line.
inline constexpr char16_t CR = 13, LF = 10;
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
    // until the next change: till then the length is found by scanning (HandOut).
    std::uint32_t TextLength() const;
    void HandOut() { FHandedOut = true; }
    // The last position that may be read without scanning: the blocks' room, less the
    // terminator's and the byte's after it.
    std::uint32_t LastReadable() const;
    std::int32_t BufferSize() const { return static_cast<std::int32_t>(2 * TextLength() + 2); }

    // Gaps: false when the text would pass the maximum size or memory runs out; nothing changes then.
    bool InsertBuffer(std::uint32_t Index, std::uint32_t Size);
    void DeleteBuffer(std::uint32_t Index, std::uint32_t Size);
    bool InsertChar(const char16_t* Buffer, std::uint8_t FormatByte, std::uint32_t Count,
                    std::uint32_t Index);
    bool DeleteChar(std::uint32_t Index, std::uint32_t Count);

    char16_t CharAt(std::uint32_t Idx) const { return TextBuffer[Idx]; }
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

    // Called after a gap opened (positive size) or closed (negative) at an index, so that
    // positions held elsewhere (hyperlinks and comments) follow the text.
    std::function<void(std::uint32_t index, std::int32_t size)> OnShift;
    // Asked before the text grows by a number of units; false refuses the insertion as the
    // maximum size does. The engine answers whether the document would still fit one data
    // block, so that every document it holds can be saved.
    std::function<bool(std::uint64_t units)> CanGrow;

    char16_t* TextBuffer = nullptr;
    std::uint8_t* FormatBuffer = nullptr;
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
    void Shifted(std::uint32_t index, std::int32_t size);
    std::uint32_t WordStart(std::uint32_t idx) const;

    std::uint32_t FMaxSize = 0;
    mutable std::uint32_t FLength = 0;
    mutable bool FHandedOut = false;
    std::uint32_t ScanLength() const;
    void Changed(std::uint32_t length) {
        FLength = length;
        FHandedOut = false;
    }
};

// Text from outside the document: a zero would end it and a stray object mark could take a
// real object's place, so the one goes and the other becomes a space.
std::u16string StorableText(std::u16string_view text);

} // namespace zeledit::model
