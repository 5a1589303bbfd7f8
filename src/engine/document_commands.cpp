// The document block messages: its size, a copy, and loading one.
#include "engine/format_editor.h"
#include "engine/notifications.h"
#include "engine/prompts.h"
#include "platform/core/global_memory.h"
#include "platform/core/text.h"
#include "storage/document_block.h"
#include "storage/document_file.h"
#include "storage/document_identifiers.h"
#include "storage/template_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace zeledit::engine {
namespace {

// A file refused, or not written, for a reason the host reads with GetLastFileError.
bool Refused(const std::string& path, const std::string& why) {
    storage::SetLastFileError(path + ": " + why);
    return false;
}

// The text buffer holds at most 2^30 units.
constexpr std::uint64_t MaxTextFileBytes = std::uint64_t(2) << 30;

} // namespace

storage::TDocumentParts TFormatEditor::DocumentParts() {
    return {edInfo, *FBuffer, *FFonts, *FParas, *FObjects, *FLinks};
}

// A refused block changes nothing: the document, its modified flag and its state stay.
bool TFormatEditor::SetData(HGLOBAL Data) {
    Notify(HWindow, EFN_HIDECOMMENT);
    platform::LockedBlock block(Data);
    auto parts = DocumentParts();
    if (block.data() == nullptr || !storage::LoadData(parts, block.bytes())) return false;
    ForgetObjects();
    edInfo.eiIndex = 0;
    FView.CurrentLine = 0;
    GetLines();
    FLines->SetTopLine(0);
    edInfo.eiSelecting = false;
    edInfo.eiSelStart = edInfo.eiSelEnd = 0;
    // Everything the old document drew goes, also below the new one's last line.
    InvalidateRect(HWindow, nullptr, TRUE);
    FSettings.IsModified = FALSE;
    FMouse.EndPress();
    edInfo.eiHighStart = edInfo.eiHighEnd = 0;
    if (!edInfo.eiUndoing) FUndoObj->FreeAll();
    UpdateCaret();
    Notify(HWindow, EFN_FORMATCHANGED);
    return true;
}

// The document's objects are about to be replaced: nothing may point at them any more.
void TFormatEditor::ForgetObjects() { FMouse.Forget(); }

void TFormatEditor::StartAfresh(bool KeepTables, bool DefaultFont) {
    FLines->FreeAll();
    if (!KeepTables) {
        FFonts->FreeAll();
        FParas->FreeAll();
        FFonts->CreateDefaultFont();
        FParas->CreateDefaultPara();
        if (DefaultFont) FFonts->GetFormatItem(0)->ResetFont(FSettings.FDefaultCharFormat);
    }
    FObjects->FreeAll();
    FLinks->FreeAll();
    ForgetObjects();
    edInfo.eiIndex = 0;
    edInfo.eiSelecting = false;
    edInfo.eiSelStart = edInfo.eiSelEnd = 0;
    edInfo.eiHighStart = edInfo.eiHighEnd = 0;
    FView.CurrentLine = 0;
    FInput.SetTypingFont(0, FFonts->GetFormatItem(0)->FAttributes);
    GetLines();
    FLines->SetTopLine(0);
    InvalidateRect(HWindow, nullptr, TRUE);
    UpdateCaret();
}

void TFormatEditor::EmptyDocument(bool KeepTables) {
    FBuffer->Clear();
    StartAfresh(KeepTables, true);
}

// The file's bytes are its UTF-16 code units, as they are: a byte-order mark stays the first
// character and an odd last byte is left out.
bool TFormatEditor::LoadText(std::u16string_view FileName) {
    const std::string path = platform::to_utf8(FileName);
    const auto size = storage::FileSize(path);
    if (!size || *size > MaxTextFileBytes) return false;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(*size));
    if (!storage::ReadFileStart(path, bytes)) return false;
    std::u16string units(bytes.size() / 2, u'\0');
    std::memcpy(units.data(), bytes.data(), 2 * units.size());
    const std::u16string text = model::StorableText(FromOutside(units));
    const std::vector<std::uint8_t> formats(text.size() + 2, 0);
    if (!FBuffer->Assign(text, formats)) return false; // nothing changed
    StartAfresh(false, false);
    return true;
}

bool TFormatEditor::LoadTemplate(std::u16string_view FileName) {
    const std::string path = platform::to_utf8(FileName);
    const auto size = storage::FileSize(path);
    if (!size) return false;
    std::vector<std::uint8_t> bytes(
        static_cast<std::size_t>(std::min<std::uint64_t>(*size, storage::TemplateTablesMaxBytes)));
    if (!storage::ReadFileStart(path, bytes)) return false;
    auto parts = DocumentParts();
    if (!storage::LoadTemplateTables(parts, bytes)) return false;
    GetLines();
    InvalidateRect(HWindow, nullptr, TRUE);
    UpdateCaret();
    return true;
}

void TFormatEditor::AddData(std::u16string_view Text, const std::uint8_t* Formats,
                            const objects::TEditorObjects* Objects) {
    CreateUndo();
    const std::uint32_t length = FBuffer->TextLength();
    std::u16string appended = length > 0 ? u"\r\n\r\n" : u"";
    const auto at = static_cast<std::uint32_t>(length + appended.size());
    appended += Text;
    if (!FBuffer->InsertChar(appended.data(), 0, static_cast<std::uint32_t>(appended.size()), length))
        return FUndoObj->ClearLast();
    // The bytes are taken as they are: both editors share a template's tables.
    std::memcpy(FBuffer->Formats() + at, Formats, Text.size() + 2);
    const objects::TEditorObjects none(&edInfo);
    FObjects->AddFrom(Objects != nullptr ? *Objects : none, at, static_cast<std::uint32_t>(Text.size()));
    Refresh();
    NotifyChanged(*this);
}

void TFormatEditor::NewDocument() {
    Notify(HWindow, EFN_HIDECOMMENT);
    if (Notify(HWindow, EFN_FILECOMMAND, EFN_FILE_BEFORENEW) == 1) return;
    edInfo.eiUndoing = false;
    EmptyDocument(false);
    NotifyChanged(*this);
    FUndoObj->FreeAll();
    Notify(HWindow, EFN_FORMATCHANGED);
    Notify(HWindow, EFN_FILECOMMAND, EFN_FILE_NEW);
}

void TFormatEditor::ClearText() {
    EmptyDocument(edInfo.eiEditorType == 0x602);
    FSettings.IsModified = FALSE;
}

// A document is saved as one data block: its text takes two bytes a unit, its format runs
// at most two more, and the rest (tables, objects, links) is counted. Only near the limit
// are the runs counted too.
bool TFormatEditor::StaysSaveable(std::uint64_t units) {
    const std::uint64_t rest =
        sizeof(storage::TDocumentHeader) + 1 + sizeof(TCharFormat) * std::uint64_t(FFonts->Count()) +
        sizeof(TParaFormat) * std::uint64_t(FParas->Count()) + FObjects->GetSize() + FLinks->GetDataSize();
    const std::uint64_t text = std::uint64_t{FBuffer->TextLength()} + 2; // with the terminator and last byte
    if (4 * (text + units) + rest <= FSettings.MaxBlockBytes) return true;
    auto parts = DocumentParts();
    return storage::DataSize(parts) + 4 * units <= FSettings.MaxBlockBytes;
}

// The file is replaced only once the whole block is on disk; only then is the document
// no longer modified.
bool TFormatEditor::SaveDoc(std::u16string_view FileName) {
    if (FileName.empty()) return false;
    auto parts = DocumentParts();
    platform::UniqueGlobal block(storage::GetData(parts));
    platform::LockedBlock bytes(block.get());
    const std::string path = platform::to_utf8(FileName);
    if (bytes.data() == nullptr) return Refused(path, "not enough memory for the document");
    if (!storage::WriteWholeFile(path, bytes.bytes())) return false;
    FSettings.IsModified = FALSE;
    return true;
}

// Whatever can be told from the file's size and header is checked before the file is read.
bool TFormatEditor::LoadDoc(std::u16string_view FileName) {
    Notify(HWindow, EFN_HIDECOMMENT);
    const std::string path = platform::to_utf8(FileName);
    const auto size = storage::FileSize(path);
    if (!size) return false; // why is already told
    std::array<std::uint8_t, sizeof(storage::TDocumentHeader)> head{};
    if (*size <= head.size()) return Refused(path, "too short to be a document");
    if (!storage::ReadFileStart(path, head)) return false;
    if (!storage::ValidVersion(static_cast<std::uint16_t>(head[0] | head[1] << 8))) {
        if (Prompt(u"Invalid file format.\r\nDo you want to load it as a text file?", PromptQuestion,
                   PromptYesNo) == IDYES)
            return LoadText(FileName) || Refused(path, "not a document, and too large or unreadable as text");
        return Refused(path, "not a document file");
    }
    // Only what the header and the heads of objects and links declare is read.
    const storage::RandomAccessFile file(path);
    const auto extent = storage::DeclaredExtent(
        head, [&](std::uint64_t at, std::span<std::uint8_t> out) { return file.Read(at, out); });
    if (!extent || *extent > *size)
        return Refused(path, "cut short: its sections end past its " + std::to_string(*size) + " bytes");
    if (*extent > ZE_GLOBAL_MAX_BYTES)
        return Refused(path, "too large: it declares " + std::to_string(*extent) +
                                 " bytes, where a document holds at most " +
                                 std::to_string(ZE_GLOBAL_MAX_BYTES));
    platform::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(*extent)));
    if (!block) {
        Prompt(u"Not enough memory to do this operation!", PromptStop, PromptOK);
        return Refused(path, "not enough memory to read its " + std::to_string(*extent) + " bytes");
    }
    {
        platform::LockedBlock bytes(block.get());
        if (bytes.data() == nullptr || !storage::ReadFileStart(path, {bytes.data(), bytes.size()}))
            return false;
    }
    return SetData(block.get()) || Refused(path, "damaged: its content is not a valid document");
}

bool TFormatEditor::EFMDocumentMessage(TMessage& msg) {
    switch (msg.Msg) {
    case EFM_GETDATASIZE: {
        auto parts = DocumentParts();
        msg.Result = static_cast<LRESULT>(storage::DataSize(parts));
        return true;
    }
    case EFM_GETDATA: {
        auto parts = DocumentParts();
        msg.Result = reinterpret_cast<LRESULT>(storage::GetData(parts));
        return true;
    }
    case EFM_NEWDOCUMENT: NewDocument(); return true;
    case EFM_ADDDATA:
        if (const auto* r = reinterpret_cast<const TAddData*>(msg.LParam);
            r != nullptr && r->Text && r->Formats)
            AddData(platform::wide_view(reinterpret_cast<LPCWSTR>(r->Text)), r->Formats,
                    static_cast<const objects::TEditorObjects*>(r->Objects));
        return true;
    case EFM_INSERTDATAFROM:
        msg.Result = EFMInsertDataFrom(reinterpret_cast<HGLOBAL>(msg.WParam));
        return true;
    case EFM_CLEARTEXT: ClearText(); return true;
    case EFM_LOADTEMPLATE:
        LoadTemplate(platform::wide_view(reinterpret_cast<LPCWSTR>(msg.LParam)));
        return true;
    case EFM_SETDATA: msg.Result = SetData(reinterpret_cast<HGLOBAL>(msg.LParam)); return true;
    case EFM_SAVEDOC:
        msg.Result = SaveDoc(platform::wide_view(reinterpret_cast<LPCWSTR>(msg.LParam)));
        return true;
    case EFM_LOADDOC:
        msg.Result = LoadDoc(platform::wide_view(reinterpret_cast<LPCWSTR>(msg.LParam)));
        return true;
    default: return false;
    }
}

} // namespace zeledit::engine
