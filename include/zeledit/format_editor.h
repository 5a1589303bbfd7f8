// The editor as a C++ object: a control that owns one editor window, whose properties and
// methods send the editor's messages and whose events are the editor's notifications. A host
// that uses it writes no SendMessageW.
//
//   zeledit::TFormatEditorControl editor(frame, {8, 40, 600, 400});
//   editor.OnChanged = [](auto*) { puts("changed"); };
//   editor.Characters().InsertText(u"Xin chào");
//   if (!editor.SaveDocument(u"/tmp/hello.zdf")) puts("not saved");
//
// Everything runs on the thread that made the control. docs/cpp-api.md has the tasks.
#pragma once

#include <zeledit/editor_events.h>
#include <zeledit/editor_records.h>
#include <zeledit/win_gdi.h>
#include <zeledit/win_user.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zeledit {

// UTF-8 and UTF-16 (invalid input becomes U+FFFD).
ZE_API std::u16string ToUtf16(std::string_view text);
ZE_API std::string ToUtf8(std::u16string_view text);

enum TDocTypes { dtNormal, dtUseTemplate, dtTemplate };
enum TEditorKeyType { ktVietnamese, ktInternational };
enum TBitmapMode { bmExact, bmBackground, bmHalfTone };
enum TColorStyle { cts_Auto, cts_16Color, cts_256Color, cts_TrueColor };
enum TBorderStyle { bsNone, bsSingle };
enum TEditorMarkType { mtZigzag, mtColor };

// The editor's options, a set of these bits.
enum TEditorOption : std::uint16_t {
    eoControl = 1 << 0,          // lines as wide as the window (no page layout)
    eoNoModify = 1 << 1,         // read only
    eoNoScrollbar = 1 << 2,      // no scroll bars of its own
    eoWithHotspot = 1 << 3,      // links react to the mouse
    eoExpert = 1 << 4,           // no confirmations
    eoCanLoadSave = 1 << 5,      // Ctrl+O and Ctrl+S open and save
    eoRespond = 1 << 6,          // a click in the selection is the host's (OnClick)
    eoAutoBuffer = 1 << 7,       // the text grows without limit
    eoTransparent = 1 << 8,      // no background of its own
    eoObjectClick = 1 << 9,      // clicking an object raises OnObjClick
    eoSingleClickWord = 1 << 10, // one click selects a word
    eoSimple = 1 << 11,          // no key map
};
using TEditorOptions = std::uint16_t;

// The edit style (EFM_SETEDITTYPE) the options stand for.
ZE_API LPARAM EditStyleOf(TEditorOptions options);

// A range of text positions, End one past the last character (either order where a method
// says so). The editor's own highlight and mark messages take the last position instead;
// the methods convert.
struct TTextRange {
    std::int32_t Start = 0;
    std::int32_t End = 0;
    std::int32_t Length() const { return End > Start ? End - Start : Start - End; }
    bool operator==(const TTextRange&) const = default;
};

// The default character format's font: face, size in points, styles, colour.
struct TFont {
    std::u16string Name = u"Times New Roman";
    int Size = 11;
    bool Bold = false, Italic = false, Underline = false, StrikeOut = false;
    COLORREF Color = 0;
    bool operator==(const TFont&) const = default;
};

// A windowed control with theme colours: back, highlight and shadow for frames and dialogs,
// two gradient colours for caption bars. The theme broadcast sets all five unless locked.
class ZE_API TWinControl256 {
public:
    // The broadcast's message: lParam points to six 32-bit values, the first ignored.
    static constexpr UINT ThemeBroadcastMessage = 47059;

    virtual ~TWinControl256() = default;
    COLORREF BackColor() const { return FBackColor; }
    COLORREF HighColor() const { return FHighColor; }
    COLORREF ShadColor() const { return FShadColor; }
    COLORREF Grad1Color() const { return FGrad1Color; }
    COLORREF Grad2Color() const { return FGrad2Color; }
    bool LockColor() const { return FLockColor; }
    void SetLockColor(bool lock) { FLockColor = lock; }
    // The control's own colour (the editor's background).
    COLORREF Color() const { return FColor; }
    void SetColor(COLORREF color);
    void SetColors(COLORREF back, COLORREF highlight, COLORREF shadow);
    // What a theme broadcast does: back, highlight, shadow, gradient 1 and 2 from the values
    // at 4 to 20 of `six`.
    void ThemeBroadcast(const std::uint32_t* six);

protected:
    TWinControl256();
    // Runs after any colour changed.
    virtual void ColorChanged() {}

    COLORREF FBackColor, FHighColor, FShadColor;
    COLORREF FGrad1Color = 0xC2F0FF, FGrad2Color = 0x82DEFF;
    bool FLockColor = false;
    COLORREF FColor;
};

// Character-level operations on the selection and the text. Reach it through
// TCustomFormatEditor::Characters().
class ZE_API TEditorCharacters {
public:
    std::int32_t Count() const; // the text length in UTF-16 units
    // The selection's styles (the typing format's without a selection); setting applies them.
    bool Bold() const;
    void SetBold(bool on);
    bool Italic() const;
    void SetItalic(bool on);
    bool Underline() const;
    void SetUnderline(bool on);
    bool DoubleUnderline() const;
    void SetDoubleUnderline(bool on);
    bool Superscript() const;
    void SetSuperscript(bool on);
    bool Subscript() const;
    void SetSubscript(bool on);
    // The selection's colour, face and size in points; setting applies them.
    COLORREF Color() const;
    void SetColor(COLORREF color);
    std::u16string FontName() const;
    void SetFontName(std::u16string_view face);
    int FontSize() const;
    void SetFontSize(int points);
    int SelFormatID() const; // the character format index at the selection
    // The selection's character format; setting applies it (or the typing format).
    TCharFormat Format() const;
    void SetFormat(const TCharFormat& format);
    int FormatCount() const; // entries of the character format table
    // The selected text (objects as spaces); empty without a selection.
    std::u16string SelText() const;
    TTextRange Selection() const; // start and end as selected (End may be below Start)
    void SetSelection(TTextRange range);
    std::int32_t SelStart() const;
    void SetSelStart(std::int32_t index); // moves the caret
    std::int32_t SelLength() const;
    void SetSelLength(std::int32_t length); // from SelStart
    std::u16string HighlightText() const;   // the highlighted text (at most 255 units)
    // The code unit at `index`; 0 at or past the end.
    char16_t Character(std::int32_t index) const;
    void SetCharacter(std::int32_t index, char16_t unit); // keeps its format
    std::u16string Word(std::int32_t index) const;        // the word around the index
    TCharFormat Formats(int id) const;                    // a copy of entry id
    const void* FontItem(int id) const;                   // for PreviewFont
    // The colour of format entry id.
    COLORREF FontColors(int id) const;
    void SetFontColors(int id, COLORREF color);
    // The highlight over a range (empty: none), or over the word at an index.
    void SetHighlight(TTextRange range);
    void HighlightWordAt(std::int32_t index);
    int AddFormat(const TCharFormat& format); // its index (an equal entry is reused)
    // Marks, drawn as the control's MarkType says.
    void Mark(TTextRange range);
    void UnMark(TTextRange range);
    void MarkWordAt(std::int32_t index);
    void UnMarkWordAt(std::int32_t index);
    void ClearMarks();
    // At the caret, replacing a selection, in the typing format (one undo step); CR LF ends a
    // paragraph. Nothing for an empty text.
    void InsertText(std::u16string_view text);
    void InsertText(std::string_view utf8);
    // In format entry formatID, no undo step.
    void InsertFormatText(std::u16string_view text, int formatID);
    // A paragraph break carrying the caret paragraph's format; or one whose paragraph before
    // (Format) or after (FormatEx) takes the alignment (0 left to 3 justify) and format entry.
    void InsertParagraph();
    void InsertParagraphFormat(int alignment, int formatID);
    void InsertParagraphFormatEx(int alignment, int formatID);
    // The caret keys: Selected extends the selection, ByWord moves by words.
    void MoveLeft(int num = 1, bool selected = false, bool byWord = false);
    void MoveRight(int num = 1, bool selected = false, bool byWord = false);
    void MoveUp(int num = 1, bool selected = false);
    void MoveDown(int num = 1, bool selected = false);
    void PageUp(int num = 1, bool selected = false);
    void PageDown(int num = 1, bool selected = false);
    void HomeKey(bool selected = false);
    void EndKey(bool selected = false);
    void StartOfDoc(bool selected = false);
    void EndOfDoc(bool selected = false);
    void DeleteKey(bool toClipboard = false); // the Delete key (with the clipboard: cut)
    void Delete(TTextRange range);            // either order
    // `length` units from `start`, cut at the end of the text; empty for length <= 0.
    std::u16string GetText(std::int32_t start, std::int32_t length) const;
    // Times New Roman 11, black, no styles.
    static TCharFormat DefaultFormat();
    void ApplyFontFormat(int id); // format entry id onto the selection
    void ModifyFormat(int id);    // edits entry id in the font dialog

private:
    friend class TCustomFormatEditor;
    explicit TEditorCharacters(TCustomFormatEditor* editor) : FEditor(editor) {}
    bool Style(int number) const;
    void SetStyle(int number, bool on);
    void Move(int key, int num, LPARAM modifiers);
    TCustomFormatEditor* FEditor;
};

// Paragraph-level operations. Reach it through TCustomFormatEditor::Paragraphs().
class ZE_API TParagraphs {
public:
    // The caret's paragraph format; setting applies it to the selected paragraphs.
    TParaFormat Format() const;
    void SetFormat(const TParaFormat& format);
    int FormatID() const;                 // the caret paragraph's format entry
    int FormatCount() const;              // entries of the paragraph format table
    TParaFormat Paragraphs(int id) const; // a copy of entry id
    // The shading of paragraph format entry id.
    COLORREF ParaColors(int id) const;
    void SetParaColors(int id, COLORREF color);
    const void* ParaItem(int id) const;       // for PreviewPara
    int AddFormat(const TParaFormat& format); // its index (an equal entry is reused)
    // Every paragraph format shaded OldColor is shaded NewColor.
    void ChangeColors(COLORREF oldColor, COLORREF newColor);
    // The default paragraph format shaded with the control's colour.
    TParaFormat DefaultFormat() const;
    void ApplyParaFormat(int id); // entry id onto the selected paragraphs
    void ModifyFormat(int id);    // edits entry id in the paragraph dialog
    // 0 left, 1 centre, 2 right, 3 justify; other values do nothing.
    void SetAlignment(int style);

private:
    friend class TCustomFormatEditor;
    explicit TParagraphs(TCustomFormatEditor* editor) : FEditor(editor) {}
    TCustomFormatEditor* FEditor;
};

// The control. Its window is made when first needed (or by CreateHandle) as a child of the
// parent given, and destroyed with the object; settings made before carry over to it.
// Movable, not copyable.
class ZE_API TCustomFormatEditor : public TWinControl256 {
public:
    TCustomFormatEditor(HWND parent, RECT bounds = {0, 0, 200, 200});
    ~TCustomFormatEditor() override;
    TCustomFormatEditor(TCustomFormatEditor&& other) noexcept;
    TCustomFormatEditor& operator=(TCustomFormatEditor&& other) noexcept;
    TCustomFormatEditor(const TCustomFormatEditor&) = delete;
    TCustomFormatEditor& operator=(const TCustomFormatEditor&) = delete;

    // The editor window, made now if it is not there yet; null when it cannot be made.
    HWND Handle();
    // Whether the window exists (false too after its parent destroyed it).
    bool HandleAllocated() const { return FHandle != nullptr; }
    // Makes the window now; false when it cannot be made.
    bool CreateHandle();
    // Bounds in the parent's client coordinates.
    void SetBounds(RECT bounds);
    // Gives the editor the keyboard focus.
    void SetFocus();
    // Shows or hides the window (a window made later follows).
    void Show(bool visible = true);

    // The character and paragraph operations.
    TEditorCharacters& Characters() { return FCharacters; }
    TParagraphs& Paragraphs() { return FParagraphs; }

    // Properties: a getter and a setter each; the setter sends the editor its message.
    std::uint32_t Version();            // 0x60000
    const char16_t* TextBuffer();       // valid until the next change
    const std::uint8_t* FormatBuffer(); // one byte per code unit
    // How pictures are drawn: exactly, as a background, or half-toned.
    TBitmapMode BitmapMode() const { return FBitmapMode; }
    void SetBitmapMode(TBitmapMode mode);
    // A single frame (sunken with Ctl3D, else a plain border) or none.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle style); // makes the window again, keeping the document
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool on);
    std::uint32_t BufferSize() const { return FBufferSize; } // kept for the host only
    void SetBufferSize(std::uint32_t size) { FBufferSize = size; }
    // The colour depth pictures are drawn for.
    TColorStyle ColorStyle() const { return FColorStyle; }
    void SetColorStyle(TColorStyle style);
    int CurrentPage(); // the caret's page of the last layout of pages; 0 for none
    // The document as a data block the caller frees (GlobalFree); null on failure.
    HGLOBAL Data();
    // Replaces the document with a data block (which stays the caller's); false when the block
    // is refused (the document is then unchanged) or null.
    bool SetData(HGLOBAL block);
    std::uint32_t DataSize(); // the size of Data()'s block; 0 without a window
    // The document's default character format (format 0).
    TFont DefFont() const { return FDefFont; }
    void SetDefFont(const TFont& font);
    int DocumentHeight(); // pixels
    // A normal document, one using a template's formats, or a template.
    TDocTypes DocumentType() const { return FDocType; }
    void SetDocumentType(TDocTypes type);
    // Vietnamese typing with the accent table (F5 switches it; the property follows).
    bool EnableVietKey() const { return FVietKey; }
    void SetEnableVietKey(bool on);
    // Tones placed by syllable: 0 off, 1 new placement (hoà), 2 old (hòa).
    int TonePlacement() const { return FTonePlacement; }
    void SetTonePlacement(int style);
    // Text with combining marks kept as it comes in (else composed).
    bool KeepDecomposed() const { return FKeepDecomposed; }
    void SetKeepDecomposed(bool keep);
    int Pages(); // lays the pages out
    // SCROLLBAR windows the editor drives instead of its own (null: its own).
    HWND HScrollbar() const { return FHScroll; }
    void SetHScrollbar(HWND bar);
    HWND VScrollbar() const { return FVScroll; }
    void SetVScrollbar(HWND bar);
    // Changed since loaded, saved or set unmodified.
    bool IsModified();
    void SetIsModified(bool modified);
    // Kept and sent for hosts that use it; the editor's typing does not change with it.
    TEditorKeyType KeyType() const { return FKeyType; }
    void SetKeyType(TEditorKeyType type);
    // How marked words are drawn: a zigzag underline or coloured text, and the colour.
    TEditorMarkType MarkType() const { return FMarkType; }
    void SetMarkType(TEditorMarkType type);
    COLORREF MarkColor() const { return FMarkColor; }
    void SetMarkColor(COLORREF color);
    // eoControl and the others (EditStyleOf gives the edit style sent).
    TEditorOptions Options() const { return FOptions; }
    void SetOptions(TEditorOptions options);
    int ObjectCount(); // embedded objects
    // Margins, columns, scale and first page number.
    const TPageRec& PageSetup() const { return FPageSetup; }
    void SetPageSetup(const TPageRec& page);
    // Between BeginPrint/BeginPreview and EndPrint; setting it runs them.
    bool Printing() const { return FPrinting; }
    void SetPrinting(bool on);
    // Objects drawn with their contents (else frames only).
    bool ShowObject() const { return FShowObj; }
    void SetShowObject(bool show);
    // A right click raises OnRightClick instead of the context menu.
    bool SpecialRightClick() const { return FRightClick; }
    void SetSpecialRightClick(bool on);
    // The face of the editor's dialogs (at most 128 characters reach it).
    const std::u16string& SystemFont() const { return FSystemFont; }
    void SetSystemFont(std::u16string_view face) { FSystemFont = face; }
    // The first character of the top line; setting it scrolls there.
    std::int32_t TopIndex();
    void SetTopIndex(std::int32_t index);
    // Objects wider than the text shrink to fit.
    bool FittingObjects() const { return FEnableFitting; }
    void SetFittingObjects(bool on);
    // The highlight: coloured text (style 0) or white on a colour bar (1).
    COLORREF HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(COLORREF color);
    std::uint8_t HighlightStyle() const { return FHighlightStyle; }
    void SetHighlightStyle(std::uint8_t style);
    // Cursor numbers: -21 hand, -4 text, -2 arrow.
    std::int16_t IBeamCursor() const { return FIBeamCursor; }
    void SetIBeamCursor(std::int16_t cursor) { FIBeamCursor = cursor; }
    std::int16_t ArrowCursor() const { return FArrowCursor; }
    void SetArrowCursor(std::int16_t cursor) { FArrowCursor = cursor; }
    std::int16_t HandCursor() const { return FHandCursor; }
    void SetHandCursor(std::int16_t cursor) { FHandCursor = cursor; }
    // Menus, dialogs and messages in English (else Vietnamese).
    bool EnglishLanguage() const { return FUseEnglish; }
    void SetEnglishLanguage(bool on);
    // The record and the data handle of the object at a position of the object list.
    PObjectInfo Objects(int index);
    HANDLE Pictures(int index);
    // A key routine's shortcut (virtual key | 0x2000 Shift | 0x4000 Ctrl | 0x8000 Alt).
    std::uint16_t HotKeys(int routine);
    void SetHotKeys(int routine, std::uint16_t shortcut);
    // The object last clicked (0 for none).
    std::uint8_t CurrentObject() const { return FCurrentObject; }

    // Methods.
    // Deletes the text (a template-based document keeps its formats).
    void Clear();
    // Lays the document out again and repaints it.
    void Refresh();
    // An empty document, once OnFileCommand (task 4) lets it replace this one.
    void NewDocument();
    // A template's or document's formats replace the document's.
    void LoadTemplate(std::u16string_view file);
    void LoadTemplate(std::string_view utf8File);
    // False when the file could not be read or written; GetLastFileError() says why.
    bool LoadDocument(std::u16string_view file);
    bool LoadDocument(std::string_view utf8File);
    bool SaveDocument(std::u16string_view file);
    bool SaveDocument(std::string_view utf8File);
    void Compact(); // merges equal format entries
    // Inserts a data block's document at the caret: the characters inserted.
    std::int32_t InsertDataFrom(HGLOBAL block);
    // Resets the object last clicked (a sound stops).
    void ResetCurrentObject();
    // Every format of oldSize points gets newSize.
    void ChangeFontSize(int oldSize, int newSize, bool redraw = true);
    // Formats of the face OldName take NewName, keeping their other values.
    void ChangeFontName(std::u16string_view oldName, std::u16string_view newName, bool redraw = true);
    // Bold, Italic, Underline: -1 keeps, 0 clears, 1 sets; OldSize <= 0 matches every size,
    // ASize <= 0 keeps it.
    void ChangeFontAttr(std::u16string_view oldName, std::u16string_view newName, int oldSize, int bold,
                        int italic, int underline, int aSize, bool redraw = true);
    void EnlargeReduceFont(int points); // every format by that many points
    // Appends another control's document after a blank paragraph (this one too).
    void AddDataFrom(TCustomFormatEditor& other);
    void SetToMonochrome(); // both format tables to black and white
    // The object's position found again by its identifier; -1 when gone.
    std::int32_t GetObjectPosition(int index);
    // Inserts an object of a kind through its dialog (256 and above: OnExObjCreate).
    void CreateExternalObj(std::uint16_t style);
    void DeleteParagraphs(int formatID); // every paragraph of that format
    void DeleteDoubleSpaceParagraphs();  // runs of empty paragraphs shrink to one
    // The next run of character format FormatID from StartFind (-1: the caret); its text in
    // `found` when given. The position, or -1.
    std::int32_t FindFormat(std::int32_t startFind, int formatID, bool isShow,
                            std::u16string* found = nullptr);
    // The next match from StartFind (-1: the caret) in format FormatID (-1: any); -1 if none.
    std::int32_t Find(std::int32_t startFind, std::u16string_view text, int formatID = -1,
                      std::uint8_t options = 0, bool isShow = true);
    std::int32_t Find(std::int32_t startFind, std::string_view utf8, int formatID = -1,
                      std::uint8_t options = 0, bool isShow = true);
    // The next paragraph of a format from a position, selected; false when none.
    bool FindPara(std::int32_t position, int format);
    // Replaces every match from the caret on; the number replaced.
    int ReplaceAll(std::u16string_view findText, int findFormat, std::u16string_view replaceText,
                   const TCharFormat* replaceFormat = nullptr, std::uint8_t options = 0);
    // An item of the host's in the context menus; choosing it raises OnCommand. atCommand:
    // the item to insert before (negative) or after.
    void AddMenu(std::u16string_view text, std::uint16_t command, std::int32_t imageIndex,
                 std::int32_t atCommand);
    void EnableObjects(bool enable); // animations play (only with a window)
    // A hyperlink to `target` (8-bit text) over the range, with the host's number.
    void InsertHyperlink(TTextRange range, std::u16string_view target, std::int32_t data);
    bool IsHyperlinkAt(std::int32_t index);
    void ClearFormats(); // everything back to format 0
    // A layout of pages for the printer (or for the screen, preview); false without a printer.
    bool BeginPrint();
    bool BeginPreview();
    void EndPrint();      // the window's own layout again
    void PrinterChange(); // another printer or paper: pages again
    // One page (1 first) of the layout onto a printer context, or drawn for a preview at a
    // zoom or at 96 pixels per inch; the page's printable area and whole rectangle.
    void PrintPage(HDC dc, int page, RECT rect = {}, int flag = 0);
    void PreviewPage(HDC dc, int page, RECT rect, int zoom);
    void PreviewPageDC(HDC dc, int page);
    RECT GetPreviewRect(int zoom);
    RECT GetPreviewRectDC();
    // Asks the print dialog for printer and pages and prints on the current printer with
    // `title` as the job's name; the PDF printer writes to `output`, which it needs. False
    // when cancelled or nothing could be printed.
    bool Print(std::u16string_view title, std::u16string_view output = {});
    // The record and data handle of the object with an identifier.
    PObjectInfo GetObjInfoID(int id);
    HANDLE GetObjDataID(int id);
    // 1 selecting, 2 context menu.
    void SetEditorState(int stateID, bool enable);
    // A host-drawn object from its record and the host's handle, at the caret.
    void InsertExternalObject(const TObjectInfo& info, std::uint32_t handle);
    int GetLineOfIndex(std::int32_t index); // 0-based line of a text index
    // Runs one of the editor's commands (EFC_* of <zeledit/editor_commands.h>), as its menus do.
    void Command(std::uint16_t id);
    // Takes the last change back, as Ctrl+Z in the editor does (the protocol has no message).
    void Undo();

    // Events (left empty: not raised).
    TNotifyEvent OnChanged;          // the document changed
    TUpdateStateEvent OnUpdateState; // the caret moved on the screen
    TNotifyEvent OnSelChange;        // after OnUpdateState, when the selection range changed
    TNotifyEvent OnFormatChanged;
    TNotifyEvent OnInputChanged; // Vietnamese typing switched (EnableVietKey already follows)
    TNotifyEvent OnHideComment;
    TNotifyEvent OnClick; // assigned: the click is the host's
    TKeyDownEvent OnKeyDown;
    TRightClickEvent OnRightClick;
    TRightClickEvent OnMouseWait;
    THyperLinkEvent OnHyperLink;
    TObjectClick OnObjClick;
    TQueryDataObj OnQueryDataObj;
    TOriginEvent OnOriginChange;
    TBreakCharEvent OnBreakChar;
    TDocTopLineChanged OnTopLineChanged;
    TDocFileCommand OnFileCommand;
    TCommentEvent OnCommentClick;
    TDocBufferChangedEvent OnBufferChanged;
    TQueryHeaderFooter OnQueryHeaderFooter;
    TDocCommand OnCommand;
    TNotifyEvent OnPrint; // the user asked to print (Ctrl+P)
    TNotifyEvent OnEnter; // the editor took the keyboard focus
    TNotifyEvent OnExit;  // and lost it
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TKeyPressEvent OnKeyPress;
    TExObjCreateEvent OnExObjCreate;
    TExObjFreeEvent OnExObjFree;
    TExObjGetDataEvent OnExObjGetData;
    TExObjInitFromEvent OnExObjInitFrom;
    TExObjDrawEvent OnExObjDraw;
    TExObjActionEvent OnExObjAction;
    TExObjSetDataEvent OnExObjSetData;
    TExObjGetSizeEvent OnExObjGetSize;

protected:
    void ColorChanged() override;

private:
    friend class TEditorCharacters;
    friend class TParagraphs;
    struct Dispatch;

    LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0);       // makes the window when needed
    LRESULT SendIfMade(UINT msg, WPARAM w = 0, LPARAM l = 0); // only when the window exists
    void CreationSettings();
    void TransferDefaultFont();
    void DestroyHandle();
    void WindowGone();
    void RecreateWindow();
    void Adopt(TCustomFormatEditor& other) noexcept;
    HDC PrinterDC();
    void DropPrinterDC();

    HWND FParent;
    RECT FBounds;
    HWND FHandle = nullptr;
    WNDPROC FEditorProc = nullptr;
    std::int16_t FIBeamCursor = -4, FArrowCursor = -2, FHandCursor = -21;
    TEditorCharacters FCharacters{this};
    TParagraphs FParagraphs{this};
    TDocTypes FDocType = dtNormal;
    TEditorOptions FOptions = eoControl;
    bool FRightClick = false;
    bool FVietKey = false;
    int FTonePlacement = 0;
    bool FKeepDecomposed = false;
    TEditorKeyType FKeyType = ktVietnamese;
    TBitmapMode FBitmapMode = bmExact;
    TPageRec FPageSetup;
    TFont FDefFont;
    std::u16string FSystemFont = u"Tahoma";
    bool FShowObj = true;
    std::uint32_t FBufferSize = 64000;
    bool FPrinting = false;
    HWND FVScroll = nullptr, FHScroll = nullptr;
    TColorStyle FColorStyle = cts_Auto;
    TBorderStyle FBorderStyle = bsSingle;
    bool FCtl3D = true;
    bool FVisible = true;
    std::uint8_t FCurrentObject = 0;
    TEditorMarkType FMarkType = mtZigzag;
    COLORREF FMarkColor = 255;
    bool FEnableFitting = true;
    COLORREF FHighlightColor = 255;
    std::uint8_t FHighlightStyle = 0;
    bool FUseEnglish = false;
    TTextRange FLastSelection{-1, -1};
    HDC FPrinterDC = nullptr;
    std::u16string FPrinterName; // what FPrinterDC was made for
    DEVMODEW FPrinterMode{};
};

// The published control: the same object, by the name a host looks for.
class ZE_API TFormatEditorControl : public TCustomFormatEditor {
public:
    using TCustomFormatEditor::TCustomFormatEditor;
};

} // namespace zeledit
