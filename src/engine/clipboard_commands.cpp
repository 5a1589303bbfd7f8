// Copy, cut and paste: the editor's own selection block under a private format with the
// plain text beside it; pictures, blocks and text of other programs are pasted.
#include "engine/format_editor.h"
#include "engine/notifications.h"
#include "platform/core/global_memory.h"
#include "platform/user/clipboard.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace zeledit::engine {

using model::LF, model::CR;
namespace {

constexpr UINT PrivateBlockFormat = 512;

// A block of the selected units and a zero; null when memory runs out.
HGLOBAL UnicodeBlock(std::u16string_view units) {
    platform::UniqueGlobal block(
        GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, 2 * (units.size() + 1)));
    platform::LockedBlock locked(block.get());
    if (locked.data() == nullptr) return nullptr;
    std::memcpy(locked.data(), units.data(), 2 * units.size());
    return block.release();
}

// Text of another program: a lone CR or LF becomes a paragraph break, since only the pair
// ends a paragraph here.
std::u16string PastableText(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == CR || c == LF) {
            out += u"\r\n";
            if (c == CR && i + 1 < text.size() && text[i + 1] == LF) ++i;
        } else {
            out += c;
        }
    }
    return model::StorableText(out);
}

} // namespace

void TFormatEditor::CopyToClipboard() {
    if (!edInfo.eiSelecting || !OpenClipboard(HWindow)) return;
    if (!EmptyClipboard()) {
        CloseClipboard();
        return;
    }
    DeleteClipboardData();
    auto parts = DocumentParts();
    FBuffer->ClipboardData = storage::GetSelectionData(parts, edInfo.eiSelStart, edInfo.eiSelEnd);
    if (FBuffer->ClipboardData != nullptr) {
        SetClipboardData(PrivateBlockFormat, FBuffer->ClipboardData);
        const std::uint32_t length = FBuffer->TextLength();
        const std::uint32_t from = std::min({edInfo.eiSelStart, edInfo.eiSelEnd, length});
        const std::uint32_t to = std::min(std::max(edInfo.eiSelStart, edInfo.eiSelEnd), length);
        if (HGLOBAL text = UnicodeBlock({FBuffer->Text() + from, to - from}))
            if (SetClipboardData(CF_UNICODETEXT, text) == nullptr) GlobalFree(text);
    }
    CloseClipboard();
}

void TFormatEditor::DeleteClipboardData() {
    if (FBuffer->ClipboardData == nullptr) return;
    GlobalFree(FBuffer->ClipboardData);
    FBuffer->ClipboardData = nullptr;
}

void TFormatEditor::EditCopy() { CopyToClipboard(); }

void TFormatEditor::EditCut() {
    if (!edInfo.eiSelecting) return;
    EditCopy();
    DeleteBlock();
}

void TFormatEditor::EditPaste() {
    if (!FSettings.CanModify) return;
    if (edInfo.eiSelecting) DeleteBlock();
    if (IsClipboardFormatAvailable(CF_BITMAP)) return InsertObject(1);
    CreateUndo();
    const std::int32_t line = FLines->GetLinePos(edInfo.eiIndex);
    const std::uint32_t n = PasteFromClipboard();
    if (n == 0) return FUndoObj->ClearLast();
    UpdateShifted(line, edInfo.eiIndex, n);
    edInfo.eiIndex += n;
    FView.CurrentLine = FLines->GetLinePos(edInfo.eiIndex);
    UpdateCaret();
    NotifyChanged(*this);
}

bool TFormatEditor::CanPaste() {
    return IsClipboardFormatAvailable(PrivateBlockFormat) || IsClipboardFormatAvailable(CF_UNICODETEXT) ||
           IsClipboardFormatAvailable(CF_BITMAP) || IsClipboardFormatAvailable(CF_DIB);
}

std::uint32_t TFormatEditor::PasteFromClipboard() {
    if (!OpenClipboard(HWindow)) return 0;
    std::uint32_t n = 0;
    // The private block dies with the editor that copied it; its text stays on the clipboard.
    if (HANDLE block = GetClipboardData(PrivateBlockFormat)) {
        platform::LockedBlock bytes(block);
        auto parts = DocumentParts();
        if (bytes.data() != nullptr) n = storage::InsertDataFrom(parts, bytes.bytes(), edInfo.eiIndex);
    }
    if (n == 0)
        if (HANDLE text = GetClipboardData(CF_UNICODETEXT))
            n = InsertPlainText(FromOutside(PastableText(platform::read_unicode_block(text))));
    CloseClipboard();
    return n;
}

// Ordinary characters take the format at the caret, breaks format 0.
std::uint32_t TFormatEditor::InsertPlainText(std::u16string_view Text) {
    if (Text.empty()) return 0;
    const std::uint32_t at = edInfo.eiIndex;
    const char16_t here = FBuffer->CharAt(at);
    const std::uint8_t format = here == 0 || here == CR || here == LF || here == objects::ObjectMark
                                    ? TypingFormat()
                                    : FBuffer->FormatAt(at);
    const auto n = static_cast<std::uint32_t>(Text.size());
    if (!FBuffer->InsertChar(Text.data(), format, n, at)) return 0;
    for (std::uint32_t i = 0; i < n; ++i)
        if (Text[i] == CR || Text[i] == LF) FBuffer->FormatByte(at + i) = 0;
    return n;
}

std::uint32_t TFormatEditor::EFMInsertDataFrom(HGLOBAL Data) {
    platform::LockedBlock bytes(Data);
    if (bytes.data() == nullptr) return 0;
    auto parts = DocumentParts();
    const std::uint32_t n = storage::InsertDataFrom(parts, bytes.bytes(), edInfo.eiIndex);
    if (n == 0) return 0;
    Refresh();
    NotifyChanged(*this);
    return n;
}

} // namespace zeledit::engine
