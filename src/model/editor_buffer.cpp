#include "model/editor_buffer.h"

#include "platform/core/text.h"

#include <zeledit/editor_messages.h>

#include <algorithm>
#include <cstring>

namespace zeledit::model {
namespace {

constexpr std::size_t step = 512;

// Blocks for n characters: (n + 512) div 512, one more when that is not a multiple of 512.
std::size_t blocks_for(std::uint64_t n) {
    std::size_t b = static_cast<std::size_t>((n + step) / step);
    if (b % step != 0) ++b;
    return std::max<std::size_t>(b, 1);
}

bool special(char16_t c) { return c == 0 || c == LF || c == CR; }

} // namespace

bool TEditorBuffer::IsSeparator(char16_t c) {
    if (c >= 256) return false;
    switch (c) {
    case 0:
    case 1:
    case 9:
    case 10:
    case 13:
    case u' ':
    case u'!':
    case u'(':
    case u')':
    case u',':
    case u'.':
    case u'/':
    case u':':
    case u';':
    case u'?':
    case u'\\': return true;
    default: return c >= u'0' && c <= u'9';
    }
}

TEditorBuffer::TEditorBuffer(PEditorInfo info) : EditorInfo(info) {
    // A new buffer holds 256 characters of text and 256 format bytes.
    if (!Reallocate(512, 256)) throw std::bad_alloc();
}

TEditorBuffer::~TEditorBuffer() {
    for (HGLOBAL h : {TextHandle, FormatHandle}) {
        GlobalUnlock(h);
        GlobalFree(h);
    }
    if (ClipboardData != nullptr) GlobalFree(ClipboardData);
}

bool TEditorBuffer::Reallocate(std::size_t text_bytes, std::size_t format_bytes) {
    auto grow = [](HGLOBAL& handle, std::size_t bytes) {
        if (handle == nullptr) return (handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes)) != nullptr;
        GlobalUnlock(handle);
        const HGLOBAL moved = GlobalReAlloc(handle, bytes, GMEM_MOVEABLE | GMEM_ZEROINIT);
        if (moved != nullptr) handle = moved;
        return moved != nullptr;
    };
    // When the second block cannot grow the text block is the larger one; every operation
    // measures the blocks by the format block, so the two stay consistent.
    const bool ok = grow(TextHandle, text_bytes) && grow(FormatHandle, format_bytes);
    TextBuffer = static_cast<char16_t*>(GlobalLock(TextHandle));
    FormatBuffer = static_cast<std::uint8_t*>(GlobalLock(FormatHandle));
    return ok && TextBuffer != nullptr && FormatBuffer != nullptr;
}

bool TEditorBuffer::Resize(std::uint64_t chars) {
    if (FMaxSize != 0 && FMaxSize < 2 * chars) return true; // the limit keeps the blocks as they are
    const std::size_t blocks = blocks_for(chars);
    if (GlobalSize(FormatHandle) == step * blocks) return true;
    const std::uint32_t length = TextLength();
    // Shrinking must keep the text, its terminator and the byte after it.
    if (step * blocks < std::size_t(length) + 2) return true;
    return Reallocate(2 * step * blocks, step * blocks);
}

bool TEditorBuffer::Clear() {
    Changed(0);
    const bool ok = Resize(256);
    TextBuffer[0] = 0;
    FormatBuffer[0] = FormatBuffer[1] = 0;
    return ok;
}

bool TEditorBuffer::Assign(std::u16string_view text, std::span<const std::uint8_t> formats) {
    const std::uint64_t units = std::uint64_t(text.size()) + 1;
    if (formats.size() != units + 1 || (FMaxSize != 0 && FMaxSize < 2 * units) ||
        units > (std::uint64_t(1) << 30))
        return false;
    const std::size_t chars = step * blocks_for(units);
    HGLOBAL t = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 2 * chars);
    HGLOBAL f = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, chars);
    auto* new_text = static_cast<char16_t*>(GlobalLock(t));
    auto* new_formats = static_cast<std::uint8_t*>(GlobalLock(f));
    if (new_text == nullptr || new_formats == nullptr) {
        for (HGLOBAL h : {t, f}) GlobalUnlock(h), GlobalFree(h);
        return false;
    }
    std::copy(text.begin(), text.end(), new_text); // the zeroed block holds the terminator
    std::copy(formats.begin(), formats.end(), new_formats);
    for (HGLOBAL h : {TextHandle, FormatHandle}) GlobalUnlock(h), GlobalFree(h);
    TextHandle = t;
    FormatHandle = f;
    TextBuffer = new_text;
    FormatBuffer = new_formats;
    Changed(static_cast<std::uint32_t>(text.size()));
    return true;
}

std::uint32_t TEditorBuffer::LastReadable() const {
    return static_cast<std::uint32_t>(GlobalSize(FormatHandle) - 2);
}

std::uint32_t TEditorBuffer::TextLength() const {
    if (FHandedOut) FLength = ScanLength();
    return FLength;
}

std::uint32_t TEditorBuffer::ScanLength() const {
    const std::size_t units = GlobalSize(FormatHandle);
    const char16_t* end = platform::find_unit(TextBuffer, TextBuffer + units, u'\0');
    if (end == TextBuffer + units) {
        // The host wrote over the terminator through the address it was given: the text
        // keeps the room for its terminator and the byte after it.
        TextBuffer[units - 2] = 0;
        return static_cast<std::uint32_t>(units - 2);
    }
    return static_cast<std::uint32_t>(end - TextBuffer);
}

void TEditorBuffer::Shifted(std::uint32_t index, std::int32_t size) {
    if (OnShift) OnShift(index, size);
    if (EditorInfo != nullptr && EditorInfo->eiWindow != nullptr)
        SendMessageW(EditorInfo->eiWindow, EFN_BUFFERCHANGED, index, size);
}

bool TEditorBuffer::InsertBuffer(std::uint32_t Index, std::uint32_t Size) {
    const std::uint32_t length = TextLength();
    if (Index > length) return false;
    const std::uint64_t need = std::uint64_t(length) + Size + 1;
    if ((FMaxSize != 0 && FMaxSize < 2 * need) || need > (std::uint64_t(1) << 30)) return false;
    if (CanGrow && !CanGrow(Size)) return false;
    // One byte more than the text needs: the last paragraph's byte after the terminator.
    if (GlobalSize(FormatHandle) < need + 1 && !Resize(need)) return false;
    const std::size_t units = GlobalSize(FormatHandle); // the text block holds as many units
    if (units < need + 1) return false;
    std::memmove(TextBuffer + Index + Size, TextBuffer + Index, (units - Index - Size) * sizeof(char16_t));
    std::memmove(FormatBuffer + Index + Size, FormatBuffer + Index, units - Index - Size);
    Changed(length + Size);
    Shifted(Index, static_cast<std::int32_t>(Size));
    return true;
}

void TEditorBuffer::DeleteBuffer(std::uint32_t Index, std::uint32_t Size) {
    const std::uint32_t length = TextLength();
    if (Index >= length || Size == 0) return;
    Size = std::min(Size, length - Index);
    const std::size_t units = GlobalSize(FormatHandle);
    std::memmove(TextBuffer + Index, TextBuffer + Index + Size, (units - Index - Size) * sizeof(char16_t));
    std::memmove(FormatBuffer + Index, FormatBuffer + Index + Size, units - Index - Size);
    std::memset(TextBuffer + units - Size, 0, Size * sizeof(char16_t));
    std::memset(FormatBuffer + units - Size, 0, Size);
    Changed(length - Size);
    Resize(std::uint64_t(length - Size) + 2);
    Shifted(Index, -static_cast<std::int32_t>(Size));
}

bool TEditorBuffer::InsertChar(const char16_t* Buffer, std::uint8_t FormatByte, std::uint32_t Count,
                               std::uint32_t Index) {
    // A NUL would end the text where its length says it goes on.
    if (Buffer == nullptr || std::find(Buffer, Buffer + Count, u'\0') != Buffer + Count ||
        !InsertBuffer(Index, Count))
        return false;
    for (std::uint32_t i = 0; i < Count; ++i) {
        TextBuffer[Index + i] = Buffer[i];
        FormatBuffer[Index + i] = special(Buffer[i]) ? 0 : FormatByte;
    }
    return true;
}

bool TEditorBuffer::DeleteChar(std::uint32_t Index, std::uint32_t Count) {
    DeleteBuffer(Index, Count);
    return true;
}

std::uint8_t TEditorBuffer::FormatAt(std::uint32_t Idx) const {
    if (special(TextBuffer[Idx]) && Idx > 0) return FormatBuffer[Idx - 1] & 0x7F;
    return FormatBuffer[Idx] & 0x7F;
}

std::uint32_t TEditorBuffer::WordStart(std::uint32_t idx) const {
    while (idx > 0 && !IsSeparator(TextBuffer[idx])) --idx;
    if (IsSeparator(TextBuffer[idx])) ++idx;
    return idx;
}

void TEditorBuffer::GetWordAt(std::uint32_t Idx, char16_t* st) const {
    const std::uint32_t length = TextLength();
    if (st == nullptr || length == 0 || Idx > length) return;
    std::uint32_t i = WordStart(Idx), n = 0;
    while (n < MaxWordLength && i <= length && !IsSeparator(TextBuffer[i])) st[n++] = TextBuffer[i++];
    st[n] = 0;
}

bool TEditorBuffer::GetWordRangeAt(std::uint32_t Idx, std::uint32_t& AStart, std::int64_t& AEnd) const {
    const std::uint32_t length = TextLength();
    if (length == 0 || Idx > length) return false;
    AStart = WordStart(Idx);
    std::uint32_t i = AStart;
    while (i < length && !IsSeparator(TextBuffer[i])) ++i;
    AEnd = std::int64_t(i) - 1;
    return true;
}

std::uint32_t TEditorBuffer::RightWord(std::uint32_t idx) const {
    const std::uint32_t length = TextLength();
    for (std::uint32_t i = idx; i < length; ++i) {
        if (!IsSeparator(TextBuffer[i])) continue;
        if (TextBuffer[i] == u' ' && i + 1 < length && TextBuffer[i + 1] == u' ') continue;
        return i + 1;
    }
    return length;
}

std::uint32_t TEditorBuffer::LeftWord(std::uint32_t idx) const {
    if (idx == 0) return 0;
    if (idx > 1 && IsSeparator(TextBuffer[idx - 1])) --idx;
    while (true) {
        const std::uint32_t i = idx - 1;
        if (i == 0) return 0;
        const bool space_after_space = TextBuffer[i] == u' ' && TextBuffer[i - 1] == u' ';
        if (IsSeparator(TextBuffer[i]) && !space_after_space) return idx;
        idx = i;
    }
}

bool TEditorBuffer::AddFormatText(std::u16string_view TBuf, const std::uint8_t* FBuf) {
    if (FBuf == nullptr || TBuf.find(u'\0') != std::u16string_view::npos) return false;
    const std::uint32_t length = TextLength();
    const std::uint64_t gap = length > 0 ? 4 : 0;
    const std::uint64_t total = std::uint64_t(length) + gap + TBuf.size() + 2;
    if ((FMaxSize != 0 && FMaxSize < 2 * total) || total > (std::uint64_t(1) << 30)) return false;
    if (CanGrow && !CanGrow(gap + TBuf.size())) return false;
    if (GlobalSize(FormatHandle) < total && (!Resize(total) || GlobalSize(FormatHandle) < total))
        return false;
    if (gap != 0) {
        static constexpr char16_t breaks[] = {CR, LF, CR, LF};
        InsertChar(breaks, 0, 4, length);
    }
    const std::uint32_t at = static_cast<std::uint32_t>(length + gap);
    std::copy(TBuf.begin(), TBuf.end(), TextBuffer + at);
    TextBuffer[at + TBuf.size()] = 0;
    std::memcpy(FormatBuffer + at, FBuf, TBuf.size() + 2);
    Changed(static_cast<std::uint32_t>(at + TBuf.size()));
    return true;
}

std::uint32_t TEditorBuffer::ParagraphEnd(std::uint32_t start) const {
    // Only the pair CR LF ends a paragraph: a lone CR is an ordinary line end.
    while (TextBuffer[start] != 0 && !(TextBuffer[start] == CR && TextBuffer[start + 1] == LF)) ++start;
    return start;
}

void TEditorBuffer::DeleteParas(std::uint8_t FormatID) {
    std::uint32_t s = 0;
    while (true) {
        const std::uint32_t end = ParagraphEnd(s);
        const bool last = TextBuffer[end] == 0;
        if (FormatBuffer[end] == FormatID) {
            if (last) {
                // The text is cut at s through DeleteBuffer, so links follow; the paragraph
                // left last gets format 0 and left alignment.
                DeleteBuffer(s, end - s);
                FormatBuffer[s] = FormatBuffer[s + 1] = 0;
                break;
            }
            DeleteBuffer(s, end + 2 - s);
            continue;
        }
        if (last) break;
        s = end + 2;
    }
    if (EditorInfo != nullptr && EditorInfo->eiWindow != nullptr)
        SendMessageW(EditorInfo->eiWindow, EFN_FORMATCHANGED, 0, 0);
}

void TEditorBuffer::DeleteDoubleSpaceParas() {
    std::uint32_t s = 0;
    bool previous_empty = true;
    while (true) {
        const std::uint32_t end = ParagraphEnd(s);
        if (TextBuffer[end] == 0) break; // the last paragraph is never deleted
        const bool empty = end == s;
        if (empty && previous_empty) {
            DeleteBuffer(s, 2);
            continue;
        }
        previous_empty = empty;
        s = end + 2;
    }
    if (EditorInfo != nullptr && EditorInfo->eiWindow != nullptr)
        SendMessageW(EditorInfo->eiWindow, EFN_FORMATCHANGED, 0, 0);
}

std::u16string StorableText(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text)
        if (c != 0) out += c == 1 ? u' ' : c;
    return out;
}

} // namespace zeledit::model
