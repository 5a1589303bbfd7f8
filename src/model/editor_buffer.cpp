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

void TEditorBuffer::Changed(std::uint32_t length) {
    FLength = length;
    FHandedOut = false;
    FGapLength = GlobalSize(FormatHandle) - (std::size_t{length} + 2);
}

void TEditorBuffer::MoveGap(std::uint32_t at) const {
    if (at < FGap) {
        const std::size_t n = FGap - at;
        std::memmove(FText + at + FGapLength, FText + at, n * sizeof(char16_t));
        std::memmove(FFormats + at + FGapLength, FFormats + at, n);
    } else if (at > FGap) {
        const std::size_t n = at - FGap;
        std::memmove(FText + FGap, FText + FGap + FGapLength, n * sizeof(char16_t));
        std::memmove(FFormats + FGap, FFormats + FGap + FGapLength, n);
    }
    FGap = at;
#ifndef NDEBUG
    // Whatever reads the gap by mistake reads nonsense rather than a stale copy of the text.
    const std::size_t poison = std::min<std::size_t>(FGapLength, 64);
    std::fill_n(FText + at, poison, u'\xFFFF');
    std::fill_n(FFormats + at, poison, std::uint8_t{0xEE});
#endif
}

void TEditorBuffer::SettleGap(std::uint32_t at) {
    std::uint32_t s = std::min(at, FLength);
    while (s > 1 && !(CharAt(s - 1) == LF && CharAt(s - 2) == CR)) --s;
    MoveGap(s > 1 ? s : 0);
}

TEditorBuffer::UnitRange TEditorBuffer::Units(std::uint32_t from, std::uint32_t count) const {
    if (from >= FGap || from + count <= FGap)
        return {ParagraphText(from) + from, ParagraphFormats(from) + from};
    FScratchText.resize(count);
    FScratchFormats.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        FScratchText[i] = CharAt(from + i);
        FScratchFormats[i] = FormatByte(from + i);
    }
    return {FScratchText.data(), FScratchFormats.data()};
}

char16_t* TEditorBuffer::Text() const {
    CloseGap();
    return FText;
}

std::uint8_t* TEditorBuffer::Formats() const {
    CloseGap();
    return FFormats;
}

char16_t* TEditorBuffer::HandOut() {
    CloseGap();
    const std::size_t units = GlobalSize(FormatHandle);
    std::fill(FText + FLength + 1, FText + units, u'\0');
    std::fill(FFormats + FLength + 2, FFormats + units, std::uint8_t{0});
    FHandedOut = FRescan = true;
    return FText;
}

void TEditorBuffer::SetCharAt(std::uint32_t Idx, char16_t c) {
    FText[Physical(Idx)] = c;
    // The mark just before the gap is what makes it a paragraph's start.
    if (Idx + 2 >= FGap && Idx < FGap && FGap <= FLength) SettleGap(Idx);
}

bool TEditorBuffer::Reallocate(std::size_t text_bytes, std::size_t format_bytes) {
    auto grow = [](HGLOBAL& handle, std::size_t bytes) {
        if (handle == nullptr) return (handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes)) != nullptr;
        GlobalUnlock(handle);
        const HGLOBAL moved = GlobalReAlloc(handle, bytes, GMEM_MOVEABLE | GMEM_ZEROINIT);
        if (moved != nullptr) handle = moved;
        return moved != nullptr;
    };
    if (FText != nullptr) CloseGap(); // a new buffer has no blocks yet
    // When the second block cannot grow the text block is the larger one; every operation
    // measures the blocks by the format block, so the two stay consistent.
    const bool ok = grow(TextHandle, text_bytes) && grow(FormatHandle, format_bytes);
    FText = static_cast<char16_t*>(GlobalLock(TextHandle));
    FFormats = static_cast<std::uint8_t*>(GlobalLock(FormatHandle));
    FGapLength = GlobalSize(FormatHandle) - (std::size_t{FLength} + 2);
    return ok && FText != nullptr && FFormats != nullptr;
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
    FGap = 2;
    Changed(0);
    const bool ok = Resize(256);
    FText[0] = 0;
    FFormats[0] = FFormats[1] = 0;
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
    FText = new_text;
    FFormats = new_formats;
    Changed(static_cast<std::uint32_t>(text.size()));
    FGap = FLength + 2;
    return true;
}

bool TEditorBuffer::ReplaceRuns(std::span<const TReplacement> runs) {
    const std::uint32_t length = TextLength();
    std::int64_t growth = 0;
    std::uint32_t next = 0;
    for (const TReplacement& r : runs) {
        if (r.Start < next || r.Start > length || r.Length > length - r.Start) return false;
        next = r.Start + r.Length;
        growth += std::int64_t(r.Text.size()) - r.Length;
    }
    if (growth > 0 && FWatcher != nullptr && !FWatcher->MayGrow(static_cast<std::uint64_t>(growth)))
        return false;
    const char16_t* text = Text();
    const std::uint8_t* formats = Formats();
    std::u16string new_text;
    std::vector<std::uint8_t> new_formats;
    new_text.reserve(static_cast<std::size_t>(length + growth));
    new_formats.reserve(static_cast<std::size_t>(length + growth + 2));
    std::uint32_t at = 0;
    for (const TReplacement& r : runs) {
        new_text.append(text + at, text + r.Start);
        new_formats.insert(new_formats.end(), formats + at, formats + r.Start);
        new_text.append(r.Text);
        for (char16_t c : r.Text) new_formats.push_back(special(c) ? 0 : r.Format);
        at = r.Start + r.Length;
    }
    new_text.append(text + at, text + length);
    new_formats.insert(new_formats.end(), formats + at, formats + length + 2);
    if (!Assign(new_text, new_formats)) return false;
    if (FWatcher == nullptr) return true;
    std::int64_t shift = 0;
    for (const TReplacement& r : runs) {
        const auto where = static_cast<std::uint32_t>(r.Start + shift);
        if (r.Length > 0) FWatcher->TextDeleted(where, r.Length);
        if (!r.Text.empty()) FWatcher->TextInserted(where, static_cast<std::uint32_t>(r.Text.size()));
        shift += std::int64_t(r.Text.size()) - r.Length;
    }
    return true;
}

std::uint32_t TEditorBuffer::TextLength() const {
    if (FHandedOut && (FRescan || FText[FLength] != 0)) {
        // The gap stays closed while the host holds the text.
        FRescan = false;
        FLength = ScanLength();
        FGap = FLength + 2;
        FGapLength = GlobalSize(FormatHandle) - (std::size_t{FLength} + 2);
    }
    return FLength;
}

std::uint32_t TEditorBuffer::ScanLength() const {
    const std::size_t units = GlobalSize(FormatHandle);
    const char16_t* end = platform::find_unit(FText, FText + units, u'\0');
    if (end == FText + units) {
        // The host wrote over the terminator through the address it was given: the text
        // keeps the room for its terminator and the byte after it.
        FText[units - 2] = 0;
        return static_cast<std::uint32_t>(units - 2);
    }
    return static_cast<std::uint32_t>(end - FText);
}

bool TEditorBuffer::InsertBuffer(std::uint32_t Index, std::uint32_t Size) {
    const std::uint32_t length = TextLength();
    if (Index > length) return false;
    const std::uint64_t need = std::uint64_t(length) + Size + 1;
    if ((FMaxSize != 0 && FMaxSize < 2 * need) || need > (std::uint64_t(1) << 30)) return false;
    if (FWatcher != nullptr && !FWatcher->MayGrow(Size)) return false;
    // One byte more than the text needs: the last paragraph's byte after the terminator.
    if (GlobalSize(FormatHandle) < need + 1 && !Resize(need)) return false;
    if (GlobalSize(FormatHandle) < need + 1) return false;
    MoveGap(Index);
    std::fill_n(FText + Index, Size, u'\0');
    std::fill_n(FFormats + Index, Size, std::uint8_t{0});
    FGap = Index + Size;
    Changed(length + Size);
    SettleGap(Index);
    if (FWatcher != nullptr) FWatcher->TextInserted(Index, Size);
    return true;
}

void TEditorBuffer::DeleteBuffer(std::uint32_t Index, std::uint32_t Size) {
    const std::uint32_t length = TextLength();
    if (Index >= length || Size == 0) return;
    Size = std::min(Size, length - Index);
    MoveGap(Index);
    Changed(length - Size); // the deleted units join the gap
    Resize(std::uint64_t(length - Size) + 2);
    SettleGap(Index);
    if (FWatcher != nullptr) FWatcher->TextDeleted(Index, Size);
}

bool TEditorBuffer::InsertChar(const char16_t* Buffer, std::uint8_t FormatByte, std::uint32_t Count,
                               std::uint32_t Index) {
    // A NUL would end the text where its length says it goes on.
    if (Buffer == nullptr || std::find(Buffer, Buffer + Count, u'\0') != Buffer + Count ||
        !InsertBuffer(Index, Count))
        return false;
    // The gap lies before the new units, so they are written in one piece.
    char16_t* text = FText + Physical(Index);
    std::uint8_t* formats = FFormats + Physical(Index);
    for (std::uint32_t i = 0; i < Count; ++i) {
        text[i] = Buffer[i];
        formats[i] = special(Buffer[i]) ? 0 : FormatByte;
    }
    return true;
}

bool TEditorBuffer::DeleteChar(std::uint32_t Index, std::uint32_t Count) {
    DeleteBuffer(Index, Count);
    return true;
}

std::uint8_t TEditorBuffer::FormatAt(std::uint32_t Idx) const {
    if (special(CharAt(Idx)) && Idx > 0) return FormatByte(Idx - 1) & 0x7F;
    return FormatByte(Idx) & 0x7F;
}

std::uint32_t TEditorBuffer::WordStart(std::uint32_t idx) const {
    while (idx > 0 && !IsSeparator(CharAt(idx))) --idx;
    if (IsSeparator(CharAt(idx))) ++idx;
    return idx;
}

void TEditorBuffer::GetWordAt(std::uint32_t Idx, char16_t* st) const {
    const std::uint32_t length = TextLength();
    if (st == nullptr || length == 0 || Idx > length) return;
    std::uint32_t i = WordStart(Idx), n = 0;
    while (n < MaxWordLength && i <= length && !IsSeparator(CharAt(i))) st[n++] = CharAt(i++);
    st[n] = 0;
}

bool TEditorBuffer::GetWordRangeAt(std::uint32_t Idx, std::uint32_t& AStart, std::int64_t& AEnd) const {
    const std::uint32_t length = TextLength();
    if (length == 0 || Idx > length) return false;
    AStart = WordStart(Idx);
    std::uint32_t i = AStart;
    while (i < length && !IsSeparator(CharAt(i))) ++i;
    AEnd = std::int64_t(i) - 1;
    return true;
}

std::uint32_t TEditorBuffer::RightWord(std::uint32_t idx) const {
    const std::uint32_t length = TextLength();
    for (std::uint32_t i = idx; i < length; ++i) {
        if (!IsSeparator(CharAt(i))) continue;
        if (CharAt(i) == u' ' && i + 1 < length && CharAt(i + 1) == u' ') continue;
        return i + 1;
    }
    return length;
}

std::uint32_t TEditorBuffer::LeftWord(std::uint32_t idx) const {
    if (idx == 0) return 0;
    if (idx > 1 && IsSeparator(CharAt(idx - 1))) --idx;
    while (true) {
        const std::uint32_t i = idx - 1;
        if (i == 0) return 0;
        const bool space_after_space = CharAt(i) == u' ' && CharAt(i - 1) == u' ';
        if (IsSeparator(CharAt(i)) && !space_after_space) return idx;
        idx = i;
    }
}

bool TEditorBuffer::AddFormatText(std::u16string_view TBuf, const std::uint8_t* FBuf) {
    if (FBuf == nullptr || TBuf.find(u'\0') != std::u16string_view::npos) return false;
    const std::uint32_t length = TextLength();
    const std::uint64_t gap = length > 0 ? 4 : 0;
    const std::uint64_t total = std::uint64_t(length) + gap + TBuf.size() + 2;
    if ((FMaxSize != 0 && FMaxSize < 2 * total) || total > (std::uint64_t(1) << 30)) return false;
    if (FWatcher != nullptr && !FWatcher->MayGrow(gap + TBuf.size())) return false;
    if (GlobalSize(FormatHandle) < total && (!Resize(total) || GlobalSize(FormatHandle) < total))
        return false;
    if (gap != 0) {
        static constexpr char16_t breaks[] = {CR, LF, CR, LF};
        InsertChar(breaks, 0, 4, length);
    }
    const std::uint32_t at = static_cast<std::uint32_t>(length + gap);
    CloseGap();
    std::copy(TBuf.begin(), TBuf.end(), FText + at);
    FText[at + TBuf.size()] = 0;
    std::memcpy(FFormats + at, FBuf, TBuf.size() + 2);
    Changed(static_cast<std::uint32_t>(at + TBuf.size()));
    FGap = FLength + 2;
    return true;
}

std::uint32_t TEditorBuffer::ParagraphEnd(std::uint32_t start) const {
    // Only the pair CR LF ends a paragraph: a lone CR is an ordinary line end. The text holds no
    // NUL before its end; it is searched for CR on each side of the gap in turn.
    const std::uint32_t length = TextLength();
    start = std::min(start, length);
    while (start < length) {
        const std::uint32_t side_end = start < FGap ? std::min(FGap, length) : length;
        const char16_t* t = ParagraphText(start);
        start = static_cast<std::uint32_t>(platform::find_unit(t + start, t + side_end, CR) - t);
        if (start == side_end) continue;
        if (CharAt(start + 1) == LF) return start;
        ++start;
    }
    return length;
}

void TEditorBuffer::DeleteParas(std::uint8_t FormatID) {
    std::uint32_t s = 0;
    while (true) {
        const std::uint32_t end = ParagraphEnd(s);
        const bool last = CharAt(end) == 0;
        if (FormatByte(end) == FormatID) {
            if (last) {
                // The text is cut at s through DeleteBuffer, so links follow; the paragraph
                // left last gets format 0 and left alignment.
                DeleteBuffer(s, end - s);
                FormatByte(s) = FormatByte(s + 1) = 0;
                break;
            }
            DeleteBuffer(s, end + 2 - s);
            continue;
        }
        if (last) break;
        s = end + 2;
    }
    if (FWatcher != nullptr) FWatcher->FormatsChanged();
}

void TEditorBuffer::DeleteDoubleSpaceParas() {
    std::uint32_t s = 0;
    bool previous_empty = true;
    while (true) {
        const std::uint32_t end = ParagraphEnd(s);
        if (CharAt(end) == 0) break; // the last paragraph is never deleted
        const bool empty = end == s;
        if (empty && previous_empty) {
            DeleteBuffer(s, 2);
            continue;
        }
        previous_empty = empty;
        s = end + 2;
    }
    if (FWatcher != nullptr) FWatcher->FormatsChanged();
}

std::u16string StorableText(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text)
        if (c != 0) out += c == 1 ? u' ' : c;
    return out;
}

} // namespace zeledit::model
