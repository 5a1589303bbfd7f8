// The control's methods: documents, fonts, finding, links, objects and pages.
#include "library/format_editor_window.h"

#include "platform/core/code_page.h"

#include <zeledit/editor_messages.h>
#include <zeledit/format_editor.h>
#include <zeledit/win_memory.h>

#include <cstring>
#include <vector>

namespace zeledit {
namespace {

LPARAM Text(const std::u16string& text) { return reinterpret_cast<LPARAM>(text.c_str()); }

// Every field of the record filled: -1 and 0 keep what the formats have.
void SendChangeFont(HWND window, std::u16string_view oldName, std::u16string_view newName,
                    std::int32_t oldSize, std::int32_t bold, std::int32_t italic, std::int32_t underline,
                    std::int32_t strike, std::int32_t size, bool redraw) {
    TChangeFont change{};
    platform::unicode_to_field(oldName, change.OldName);
    platform::unicode_to_field(newName, change.NewName);
    change.OldSize = oldSize;
    change.Bold = bold;
    change.Italic = italic;
    change.Underline = underline;
    change.Redraw = redraw ? 1 : 0;
    change.UnderlineColor = 0;
    change.Strikethrough = strike;
    change.StrikeColor = 0;
    change.Size = size;
    SendMessageW(window, EFM_CHANGEFONTNAME, 0, reinterpret_cast<LPARAM>(&change));
}

} // namespace

void TCustomFormatEditor::Clear() {
    Send(EFM_CLEARTEXT);
    if (FDocType != dtUseTemplate) TransferDefaultFont();
}

void TCustomFormatEditor::Refresh() { Send(EFM_REFRESH); }

void TCustomFormatEditor::NewDocument() {
    Send(EFM_NEWDOCUMENT);
    TransferDefaultFont();
}

void TCustomFormatEditor::LoadTemplate(std::u16string_view file) {
    Send(EFM_LOADTEMPLATE, 0, Text(std::u16string(file)));
}
void TCustomFormatEditor::LoadTemplate(std::string_view utf8File) { LoadTemplate(ToUtf16(utf8File)); }

bool TCustomFormatEditor::LoadDocument(std::u16string_view file) {
    return Send(EFM_LOADDOC, 0, Text(std::u16string(file))) != 0;
}
bool TCustomFormatEditor::LoadDocument(std::string_view utf8File) { return LoadDocument(ToUtf16(utf8File)); }

bool TCustomFormatEditor::SaveDocument(std::u16string_view file) {
    return Send(EFM_SAVEDOC, 0, Text(std::u16string(file))) != 0;
}
bool TCustomFormatEditor::SaveDocument(std::string_view utf8File) { return SaveDocument(ToUtf16(utf8File)); }

void TCustomFormatEditor::Compact() { Send(EFM_COMPACT); }

std::int32_t TCustomFormatEditor::InsertDataFrom(HGLOBAL block) {
    return static_cast<std::int32_t>(Send(EFM_INSERTDATAFROM, reinterpret_cast<WPARAM>(block)));
}

void TCustomFormatEditor::ResetCurrentObject() {
    if (FCurrentObject != 0) Send(EFM_RESETOBJECT, FCurrentObject);
}

void TCustomFormatEditor::ChangeFontSize(int oldSize, int newSize, bool redraw) {
    Send(EFM_CHANGEFONTSIZE, redraw ? 1 : 0,
         MAKELPARAM(static_cast<WORD>(oldSize), static_cast<WORD>(newSize)));
}

void TCustomFormatEditor::ChangeFontName(std::u16string_view oldName, std::u16string_view newName,
                                         bool redraw) {
    if (HWND window = Handle()) SendChangeFont(window, oldName, newName, 0, -1, -1, -1, -1, 0, redraw);
}

void TCustomFormatEditor::ChangeFontAttr(std::u16string_view oldName, std::u16string_view newName,
                                         int oldSize, int bold, int italic, int underline, int aSize,
                                         bool redraw) {
    if (HWND window = Handle())
        SendChangeFont(window, oldName, newName, oldSize, bold, italic, underline, 0, aSize, redraw);
}

void TCustomFormatEditor::EnlargeReduceFont(int points) { Send(EFM_ENLARGEREDUCEFONT, 0, points); }

// The other control's text and formats are copied first: adding a control onto itself grows
// the very buffers it reads.
void TCustomFormatEditor::AddDataFrom(TCustomFormatEditor& other) {
    const auto* text = reinterpret_cast<const char16_t*>(other.Send(EFM_GETTEXTBUFFER));
    const auto* formats = reinterpret_cast<const std::uint8_t*>(other.Send(EFM_GETFORMATBUFFER));
    const auto* objects = reinterpret_cast<const void*>(other.Send(EFM_GETOBJECTS));
    if (text == nullptr || formats == nullptr) return;
    const auto length = static_cast<std::size_t>(other.Send(EFM_GETTEXTLENGTH));
    const std::u16string textCopy(text, length);
    const std::vector<std::uint8_t> formatCopy(formats, formats + length + 2);
    TAddData add{textCopy.c_str(), formatCopy.data(), objects};
    Send(EFM_ADDDATA, 0, reinterpret_cast<LPARAM>(&add));
}

void TCustomFormatEditor::SetToMonochrome() { Send(EFM_SETMONOCHROME); }

std::int32_t TCustomFormatEditor::GetObjectPosition(int index) {
    return static_cast<std::int32_t>(Send(EFM_GETOBJECTINDEX, static_cast<WPARAM>(index)));
}

void TCustomFormatEditor::CreateExternalObj(std::uint16_t style) { Send(EFM_INSERTOBJECT, style); }
void TCustomFormatEditor::DeleteParagraphs(int formatID) {
    Send(EFM_DELETEPARAS, static_cast<WPARAM>(formatID));
}
void TCustomFormatEditor::DeleteDoubleSpaceParagraphs() { Send(EFM_DELETEDOUBLESPACEPARAS); }

std::int32_t TCustomFormatEditor::FindFormat(std::int32_t startFind, int formatID, bool isShow,
                                             std::u16string* found) {
    char16_t buffer[256] = {};
    TFindFormatRecord record{startFind, found != nullptr ? buffer : nullptr,
                             static_cast<std::uint8_t>(isShow), found != nullptr ? 256u : 0u};
    const auto at = static_cast<std::int32_t>(
        Send(EFM_FINDFORMAT, static_cast<WPARAM>(formatID), reinterpret_cast<LPARAM>(&record)));
    if (found != nullptr) *found = buffer;
    return at;
}

std::int32_t TCustomFormatEditor::Find(std::int32_t startFind, std::u16string_view text, int formatID,
                                       std::uint8_t options, bool isShow) {
    const std::u16string what(text);
    TFindRecord record{startFind, what.c_str(), static_cast<std::uint8_t>(isShow), options};
    return static_cast<std::int32_t>(
        Send(EFM_FIND, static_cast<WPARAM>(formatID), reinterpret_cast<LPARAM>(&record)));
}

std::int32_t TCustomFormatEditor::Find(std::int32_t startFind, std::string_view utf8, int formatID,
                                       std::uint8_t options, bool isShow) {
    return Find(startFind, ToUtf16(utf8), formatID, options, isShow);
}

bool TCustomFormatEditor::FindPara(std::int32_t position, int format) {
    return Send(EFM_FINDPARA, static_cast<WPARAM>(format), position) != 0;
}

int TCustomFormatEditor::ReplaceAll(std::u16string_view findText, int findFormat,
                                    std::u16string_view replaceText, const TCharFormat* replaceFormat,
                                    std::uint8_t options) {
    const std::u16string find(findText), replace(replaceText);
    TReplaceAllRecord record{find.c_str(), replace.c_str(), replaceFormat, options};
    return static_cast<int>(
        Send(EFM_REPLACEALL, static_cast<WPARAM>(findFormat), reinterpret_cast<LPARAM>(&record)));
}

void TCustomFormatEditor::AddMenu(std::u16string_view text, std::uint16_t command, std::int32_t imageIndex,
                                  std::int32_t atCommand) {
    const std::u16string caption(text);
    TMenuItemRecord record{caption.c_str(), command, imageIndex, atCommand};
    HWND window = Handle();
    Send(EFM_ADDMENU, reinterpret_cast<WPARAM>(window), reinterpret_cast<LPARAM>(&record));
}

void TCustomFormatEditor::EnableObjects(bool enable) { SendIfMade(EFM_ENABLEACTIVATE, enable ? 1 : 0); }

void TCustomFormatEditor::InsertHyperlink(TTextRange range, std::u16string_view target, std::int32_t data) {
    const std::string text = platform::from_unicode(target);
    TInsertHyperLink record{range.Start, range.End, text.c_str(), data};
    SendIfMade(EFM_INSERTHYPERLINK, 0, reinterpret_cast<LPARAM>(&record));
}

bool TCustomFormatEditor::IsHyperlinkAt(std::int32_t index) {
    return Send(EFM_ISHYPERLINKAT, static_cast<WPARAM>(index)) == 1;
}

void TCustomFormatEditor::ClearFormats() { Send(EFM_CLEARFORMATS); }

bool TCustomFormatEditor::BeginPrint() {
    if (Send(EFM_BEGINPRINT) == 0) return false;
    FPrinting = true;
    return true;
}

bool TCustomFormatEditor::BeginPreview() {
    if (Send(EFM_BEGINPREVIEW) == 0) return false;
    FPrinting = true;
    return true;
}

void TCustomFormatEditor::EndPrint() {
    Send(EFM_ENDPRINT);
    FPrinting = false;
}

void TCustomFormatEditor::PrinterChange() {
    DropPrinterDC(); // the next request makes one for the printer now current
    Send(EFM_PRINTERCHANGE);
}

void TCustomFormatEditor::PrintPage(HDC dc, int page, RECT rect, int flag) {
    TPrintPageRequest request{static_cast<std::uint16_t>(page), rect, static_cast<std::uint16_t>(flag)};
    Send(EFM_PRINTPAGE, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(&request));
}

void TCustomFormatEditor::PreviewPage(HDC dc, int page, RECT rect, int zoom) {
    TPreviewRequest request{dc, static_cast<std::uint16_t>(page), rect, static_cast<std::uint16_t>(zoom)};
    Send(EFM_PAGEPREVIEW, 0, reinterpret_cast<LPARAM>(&request));
}

void TCustomFormatEditor::PreviewPageDC(HDC dc, int page) {
    Send(EFM_PREVIEWPAGEDC, reinterpret_cast<WPARAM>(dc), page);
}

RECT TCustomFormatEditor::GetPreviewRect(int zoom) {
    RECT r{};
    Send(EFM_GETPREVIEWRECT, static_cast<WPARAM>(zoom), reinterpret_cast<LPARAM>(&r));
    return r;
}

RECT TCustomFormatEditor::GetPreviewRectDC() {
    RECT r{};
    Send(EFM_GETPREVIEWRECTDC, 0, reinterpret_cast<LPARAM>(&r));
    return r;
}

PObjectInfo TCustomFormatEditor::GetObjInfoID(int id) {
    return reinterpret_cast<PObjectInfo>(Send(EFM_GETOBJINFOID, static_cast<WPARAM>(id)));
}

HANDLE TCustomFormatEditor::GetObjDataID(int id) {
    return reinterpret_cast<HANDLE>(Send(EFM_GETOBJDATAID, static_cast<WPARAM>(id)));
}

void TCustomFormatEditor::SetEditorState(int stateID, bool enable) {
    Send(EFM_SETEDITORSTATE, static_cast<WPARAM>(stateID), enable ? 1 : 0);
}

void TCustomFormatEditor::InsertExternalObject(const TObjectInfo& info, std::uint32_t handle) {
    TObjectInfo copy = info;
    Send(EFM_INSERTEXTERNALOBJECT, handle, reinterpret_cast<LPARAM>(&copy));
}

int TCustomFormatEditor::GetLineOfIndex(std::int32_t index) {
    return static_cast<int>(Send(EFM_GETLINEOFINDEX, 0, index));
}

void TCustomFormatEditor::Command(std::uint16_t id) { Send(WM_COMMAND, id); }

void TCustomFormatEditor::Undo() {
    BYTE keys[256];
    GetKeyboardState(keys);
    const BYTE ctrl = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    Send(WM_KEYDOWN, 'Z');
    keys[VK_CONTROL] = ctrl;
    SetKeyboardState(keys);
}

} // namespace zeledit
