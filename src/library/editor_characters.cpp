// The control's character and paragraph companions: each sends its control's window the
// messages of one kind of operation.
#include "library/format_editor_window.h"

#include "model/editor_paragraphs.h"
#include "platform/core/code_page.h"

#include <zeledit/editor_commands.h>
#include <zeledit/editor_messages.h>
#include <zeledit/format_editor.h>

#include <algorithm>
#include <cstring>

namespace zeledit {
namespace {

constexpr int StyleBold = 0, StyleItalic = 1, StyleUnderline = 2, StyleDouble = 3, StyleSuper = 5,
              StyleSub = 6;
constexpr int KeyLeft = 0, KeyRight = 1, KeyUp = 2, KeyDown = 3, KeyPageUp = 4, KeyPageDown = 5, KeyHome = 6,
              KeyEnd = 7, KeyDelete = 8;

LPARAM Selected(bool selected) { return selected ? 1 : 0; }
constexpr LPARAM WithCtrl = 0x10000;

TTextRange Ordered(TTextRange r) { return r.Start <= r.End ? r : TTextRange{r.End, r.Start}; }

template <typename Record> Record CopyAt(LRESULT address) {
    Record r{};
    if (address != 0) std::memcpy(&r, reinterpret_cast<const void*>(address), sizeof r);
    return r;
}

} // namespace

std::int32_t TEditorCharacters::Count() const {
    return static_cast<std::int32_t>(FEditor->Send(EFM_GETTEXTLENGTH));
}

bool TEditorCharacters::Style(int number) const { return FEditor->Send(EFM_GETSELSTYLE, number) != 0; }
void TEditorCharacters::SetStyle(int number, bool on) { FEditor->Send(EFM_FORMATSTYLE, number, on ? 1 : 0); }
bool TEditorCharacters::Bold() const { return Style(StyleBold); }
void TEditorCharacters::SetBold(bool on) { SetStyle(StyleBold, on); }
bool TEditorCharacters::Italic() const { return Style(StyleItalic); }
void TEditorCharacters::SetItalic(bool on) { SetStyle(StyleItalic, on); }
bool TEditorCharacters::Underline() const { return Style(StyleUnderline); }
void TEditorCharacters::SetUnderline(bool on) { SetStyle(StyleUnderline, on); }
bool TEditorCharacters::DoubleUnderline() const { return Style(StyleDouble); }
void TEditorCharacters::SetDoubleUnderline(bool on) { SetStyle(StyleDouble, on); }
bool TEditorCharacters::Superscript() const { return Style(StyleSuper); }
void TEditorCharacters::SetSuperscript(bool on) { SetStyle(StyleSuper, on); }
bool TEditorCharacters::Subscript() const { return Style(StyleSub); }
void TEditorCharacters::SetSubscript(bool on) { SetStyle(StyleSub, on); }

COLORREF TEditorCharacters::Color() const { return Format().ftColor; }
void TEditorCharacters::SetColor(COLORREF color) {
    FEditor->Send(EFM_APPLYFONT, 2, static_cast<LPARAM>(color));
}

std::u16string TEditorCharacters::FontName() const {
    char buffer[256] = {};
    HWND window = FEditor->Handle();
    FEditor->Send(EFM_GETSELFONTNAME, reinterpret_cast<WPARAM>(window), reinterpret_cast<LPARAM>(buffer));
    buffer[255] = 0;
    return platform::to_unicode({reinterpret_cast<const std::uint8_t*>(buffer), std::strlen(buffer)});
}

void TEditorCharacters::SetFontName(std::u16string_view face) {
    const std::u16string name(face);
    FEditor->Send(EFM_APPLYFONT, 1, reinterpret_cast<LPARAM>(name.c_str()));
}

int TEditorCharacters::FontSize() const { return Format().ftHeight; }
void TEditorCharacters::SetFontSize(int points) { FEditor->Send(EFM_APPLYFONT, 3, points); }
int TEditorCharacters::SelFormatID() const { return static_cast<int>(FEditor->Send(EFM_GETSELFORMATID)); }
TCharFormat TEditorCharacters::Format() const { return CopyAt<TCharFormat>(FEditor->Send(EFM_GETSELFORMAT)); }

void TEditorCharacters::SetFormat(const TCharFormat& format) {
    TCharFormat copy = format;
    FEditor->Send(EFM_SETCHARFORMAT, 0, reinterpret_cast<LPARAM>(&copy));
}

int TEditorCharacters::FormatCount() const { return static_cast<int>(FEditor->Send(EFM_GETFONTCOUNT)); }

// The whole range: the buffer holds the range's length and its terminator.
std::u16string TEditorCharacters::SelText() const {
    const TTextRange range = Selection();
    const std::int32_t length = range.Length();
    if (length == 0) return {};
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    FEditor->Send(EFM_GETSELTEXT, static_cast<WPARAM>(length) + 1, reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::char_traits<char16_t>::length(text.c_str()));
    return text;
}

TTextRange TEditorCharacters::Selection() const {
    SIZE range{};
    FEditor->Send(EFM_GETSELINDEX, 0, reinterpret_cast<LPARAM>(&range));
    return {range.cx, range.cy};
}

void TEditorCharacters::SetSelection(TTextRange range) {
    FEditor->Send(EFM_SETSELTEXT, 0,
                  MAKELPARAM(static_cast<WORD>(range.Start), static_cast<WORD>(range.End)));
}

std::int32_t TEditorCharacters::SelStart() const { return Selection().Start; }
// The caret alone at the index: a selection would keep its old anchor.
void TEditorCharacters::SetSelStart(std::int32_t index) {
    SetSelection({index, index});
    FEditor->Send(EFM_SETINDEX, 0, index);
}
std::int32_t TEditorCharacters::SelLength() const { return Selection().Length(); }

void TEditorCharacters::SetSelLength(std::int32_t length) {
    const std::int32_t start = SelStart();
    SetSelection({start, start + length});
}

std::u16string TEditorCharacters::HighlightText() const {
    char16_t buffer[256] = {};
    FEditor->Send(EFM_GETHIGHLIGHTTEXT, 255, reinterpret_cast<LPARAM>(buffer));
    buffer[255] = 0;
    return buffer;
}

char16_t TEditorCharacters::Character(std::int32_t index) const {
    const auto* text = reinterpret_cast<const char16_t*>(FEditor->Send(EFM_GETTEXTBUFFER));
    if (text == nullptr || index < 0 || index >= Count()) return 0;
    return text[index];
}

void TEditorCharacters::SetCharacter(std::int32_t index, char16_t unit) {
    FEditor->Send(EFM_CHANGECHAR, unit, index);
}

std::u16string TEditorCharacters::Word(std::int32_t index) const {
    char16_t buffer[256] = {};
    FEditor->Send(EFM_GETWORDAT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
    buffer[255] = 0;
    return buffer;
}

TCharFormat TEditorCharacters::Formats(int id) const {
    TCharFormat f{};
    FEditor->Send(EFM_GETFONTTOREC, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&f));
    return f;
}

const void* TEditorCharacters::FontItem(int id) const {
    return reinterpret_cast<const void*>(FEditor->Send(EFM_GETFONTITEM, static_cast<WPARAM>(id)));
}

COLORREF TEditorCharacters::FontColors(int id) const {
    return static_cast<COLORREF>(FEditor->Send(EFM_GETFONTCOLOR, static_cast<WPARAM>(id)));
}

void TEditorCharacters::SetFontColors(int id, COLORREF color) {
    FEditor->Send(EFM_SETFONTCOLOR, static_cast<WPARAM>(id), static_cast<LPARAM>(color));
}

// The editor's own ranges include their last position; an empty one clears the highlight.
void TEditorCharacters::SetHighlight(TTextRange range) {
    const TTextRange r = Ordered(range);
    FEditor->Send(EFM_SETHIGHLIGHT, static_cast<WPARAM>(r.Start), r.End > r.Start ? r.End - 1 : r.Start);
}

void TEditorCharacters::HighlightWordAt(std::int32_t index) { FEditor->Send(EFM_HIGHLIGHTWORDAT, 0, index); }

int TEditorCharacters::AddFormat(const TCharFormat& format) {
    TCharFormat copy = format;
    HWND window = FEditor->Handle();
    return static_cast<int>(
        FEditor->Send(EFM_ADDFONTFORMAT, reinterpret_cast<WPARAM>(window), reinterpret_cast<LPARAM>(&copy)));
}

void TEditorCharacters::Mark(TTextRange range) {
    const TTextRange r = Ordered(range);
    if (r.End > r.Start) FEditor->Send(EFM_MARKRANGE, static_cast<WPARAM>(r.Start), r.End - 1);
}
void TEditorCharacters::UnMark(TTextRange range) {
    const TTextRange r = Ordered(range);
    if (r.End > r.Start) FEditor->Send(EFM_UNMARKRANGE, static_cast<WPARAM>(r.Start), r.End - 1);
}
void TEditorCharacters::MarkWordAt(std::int32_t index) { FEditor->Send(EFM_MARKWORDAT, 0, index); }
void TEditorCharacters::UnMarkWordAt(std::int32_t index) { FEditor->Send(EFM_UNMARKWORDAT, 0, index); }
void TEditorCharacters::ClearMarks() { FEditor->Send(EFM_CLEARMARKS); }

void TEditorCharacters::InsertText(std::u16string_view text) { InsertFormatText(text, -1); }
void TEditorCharacters::InsertText(std::string_view utf8) { InsertText(ToUtf16(utf8)); }

void TEditorCharacters::InsertFormatText(std::u16string_view text, int formatID) {
    if (text.empty()) return;
    const std::u16string copy(text);
    FEditor->Send(EFM_INSERTTEXT, static_cast<WPARAM>(formatID), reinterpret_cast<LPARAM>(copy.c_str()));
}

void TEditorCharacters::InsertParagraph() { FEditor->Send(EFM_INSERTPARA, 0, -1); }

void TEditorCharacters::InsertParagraphFormat(int alignment, int formatID) {
    FEditor->Send(EFM_INSERTPARA, 0, (alignment & 0xFF) | ((formatID & 0xFF) << 16));
}

void TEditorCharacters::InsertParagraphFormatEx(int alignment, int formatID) {
    FEditor->Send(EFM_INSERTPARABREAKFORMATEX,
                  static_cast<WPARAM>((alignment & 0xFF) | ((formatID & 0xFF) << 16)));
}

void TEditorCharacters::Move(int key, int num, LPARAM modifiers) {
    for (int i = 0; i < num; ++i) FEditor->Send(EFM_MOVEKEY, static_cast<WPARAM>(key), modifiers);
}

void TEditorCharacters::MoveLeft(int num, bool selected, bool byWord) {
    Move(KeyLeft, num, Selected(selected) + (byWord ? WithCtrl : 0));
}
void TEditorCharacters::MoveRight(int num, bool selected, bool byWord) {
    Move(KeyRight, num, Selected(selected) + (byWord ? WithCtrl : 0));
}
void TEditorCharacters::MoveUp(int num, bool selected) { Move(KeyUp, num, Selected(selected)); }
void TEditorCharacters::MoveDown(int num, bool selected) { Move(KeyDown, num, Selected(selected)); }
void TEditorCharacters::PageUp(int num, bool selected) { Move(KeyPageUp, num, Selected(selected)); }
void TEditorCharacters::PageDown(int num, bool selected) { Move(KeyPageDown, num, Selected(selected)); }
void TEditorCharacters::HomeKey(bool selected) { Move(KeyHome, 1, Selected(selected)); }
void TEditorCharacters::EndKey(bool selected) { Move(KeyEnd, 1, Selected(selected)); }
void TEditorCharacters::StartOfDoc(bool selected) { Move(KeyHome, 1, Selected(selected) + WithCtrl); }
void TEditorCharacters::EndOfDoc(bool selected) { Move(KeyEnd, 1, Selected(selected) + WithCtrl); }
void TEditorCharacters::DeleteKey(bool toClipboard) { Move(KeyDelete, 1, toClipboard ? 1 : 0); }

void TEditorCharacters::Delete(TTextRange range) {
    FEditor->Send(EFM_DELETEDATA, static_cast<WPARAM>(range.Start), range.End);
}

// A range that reaches the end of the text ends with its last unit.
std::u16string TEditorCharacters::GetText(std::int32_t start, std::int32_t length) const {
    const auto* text = reinterpret_cast<const char16_t*>(FEditor->Send(EFM_GETTEXTBUFFER));
    const std::int32_t total = Count();
    if (text == nullptr || length <= 0 || start < 0 || start >= total) return {};
    const std::int32_t n = std::min(length, total - start);
    return {text + start, static_cast<std::size_t>(n)};
}

TCharFormat TEditorCharacters::DefaultFormat() {
    TCharFormat f{};
    std::strcpy(f.ftFaceName, "Times New Roman");
    f.ftHeight = 11;
    f.ftShadColor = 0xC0C0C0;
    f.ftScale = 100;
    return f;
}

void TEditorCharacters::ApplyFontFormat(int id) { FEditor->Send(EFM_APPLYFONTFAST, static_cast<WPARAM>(id)); }
void TEditorCharacters::ModifyFormat(int id) { FEditor->Send(EFM_MODIFYFORMATFONT, static_cast<WPARAM>(id)); }

TParaFormat TParagraphs::Format() const { return CopyAt<TParaFormat>(FEditor->Send(EFM_GETSELPARAFORMAT)); }

void TParagraphs::SetFormat(const TParaFormat& format) {
    TParaFormat copy = format;
    FEditor->Send(EFM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&copy));
}

int TParagraphs::FormatID() const { return static_cast<int>(FEditor->Send(EFM_GETSELPARAFORMATID)); }
int TParagraphs::FormatCount() const { return static_cast<int>(FEditor->Send(EFM_GETPARACOUNT)); }

TParaFormat TParagraphs::Paragraphs(int id) const {
    TParaFormat p{};
    FEditor->Send(EFM_GETPARATOREC, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&p));
    return p;
}

COLORREF TParagraphs::ParaColors(int id) const {
    return static_cast<COLORREF>(FEditor->Send(EFM_GETPARACOLOR, static_cast<WPARAM>(id)));
}

void TParagraphs::SetParaColors(int id, COLORREF color) {
    FEditor->Send(EFM_SETPARACOLOR, static_cast<WPARAM>(id), static_cast<LPARAM>(color));
}

const void* TParagraphs::ParaItem(int id) const {
    return reinterpret_cast<const void*>(FEditor->Send(EFM_GETPARAITEM, static_cast<WPARAM>(id)));
}

int TParagraphs::AddFormat(const TParaFormat& format) {
    TParaFormat copy = format;
    HWND window = FEditor->Handle();
    return static_cast<int>(
        FEditor->Send(EFM_ADDPARAFORMAT, reinterpret_cast<WPARAM>(window), reinterpret_cast<LPARAM>(&copy)));
}

void TParagraphs::ChangeColors(COLORREF oldColor, COLORREF newColor) {
    const int count = FormatCount();
    for (int id = 0; id < count; ++id)
        if (ParaColors(id) == oldColor) SetParaColors(id, newColor);
}

TParaFormat TParagraphs::DefaultFormat() const {
    TParaFormat p = model::DefaultParaFormat();
    p.ptShading = FEditor->Color();
    return p;
}

void TParagraphs::ApplyParaFormat(int id) { FEditor->Send(EFM_APPLYPARAFAST, static_cast<WPARAM>(id)); }
void TParagraphs::ModifyFormat(int id) { FEditor->Send(EFM_MODIFYFORMATPARA, static_cast<WPARAM>(id)); }

void TParagraphs::SetAlignment(int style) {
    static constexpr WPARAM Commands[] = {EFC_ALIGNLEFT, EFC_ALIGNCENTER, EFC_ALIGNRIGHT, EFC_JUSTIFY};
    if (style >= 0 && style < 4) FEditor->Send(WM_COMMAND, Commands[style]);
}

} // namespace zeledit
