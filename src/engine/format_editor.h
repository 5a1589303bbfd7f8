// The editor engine: one per editor window, holding the document and answering every
// message the window receives.
#pragma once

#include "display/editor_lines.h"
#include "engine/command_dialogs.h"
#include "engine/document_notifier.h"
#include "engine/drag_object.h"
#include "engine/editor_keyboard.h"
#include "engine/editor_resource.h"
#include "engine/editor_state.h"
#include "engine/format_dialogs.h"
#include "model/editor_buffer.h"
#include "model/editor_fonts.h"
#include "model/editor_info.h"
#include "model/editor_paragraphs.h"
#include "model/hyper_links.h"
#include "model/undo_operator.h"
#include "objects/editor_objects.h"
#include "platform/user/window_dc.h"
#include "storage/document_block.h"

#include <zeledit/zeledit.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace zeledit::engine {

// Every message reaches the engine in this form.
struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

// The messages a host's own scroll control takes: its range and its position.
inline constexpr UINT SetRangeMessage = 1025, SetPositionMessage = 1026;

class TFormatEditor : public model::TUndoEditor {
public:
    explicit TFormatEditor(HWND AParent); // the engine's Create
    virtual ~TFormatEditor();
    TFormatEditor(const TFormatEditor&) = delete;
    TFormatEditor& operator=(const TFormatEditor&) = delete;

    virtual RECT GetBoundRect();
    virtual void ValidateWindow();
    virtual void ActivateObjects();
    // The object under a point of the window, and the one that takes a press there.
    virtual objects::TObjectItem* ObjectAt(int X, int Y);
    virtual bool MouseDownObject(int X, int Y, objects::TObjectItem*& Object);
    virtual void WMSize(TMessage& msg);
    virtual LRESULT DefWndProc(TMessage& msg);
    // Replaces the document from a block the caller keeps; false, with nothing changed, for
    // a block that is refused.
    virtual bool SetData(HGLOBAL Data);
    bool SaveDoc(std::u16string_view FileName);
    // Whether the document grown by `units` code units can still be saved (one data block
    // of at most FSettings.MaxBlockBytes); insertions that would pass it are refused.
    bool StaysSaveable(std::uint64_t units);
    bool LoadDoc(std::u16string_view FileName);
    // An empty document with fresh tables, after asking the host; the undo steps go.
    void NewDocument();
    // An empty text; a document of kind 0x602 keeps its template's tables.
    virtual void ClearText();
    // Appends another editor's text after an empty paragraph, with its format bytes as they
    // are and copies of the objects of its marks (marks without one become spaces).
    void AddData(std::u16string_view Text, const std::uint8_t* Formats,
                 const objects::TEditorObjects* Objects);
    // A plain text file in place of the document.
    virtual bool LoadText(std::u16string_view FileName);
    // The format tables of a template file in place of the document's; false, with nothing
    // changed, for a file that cannot be read or holds no tables.
    bool LoadTemplate(std::u16string_view FileName);
    // The Open and Save As commands, with their dialogs and messages.
    void CMOpen();
    void CMSave();
    bool IsTemplateEditor() const;

    // Undo: a snapshot before an edit, and for typing one per burst of keystrokes (a burst
    // ends after 20 ticks of the 100 ms timer without a key).
    // A snapshot for undo, unless a run of edits that undo takes back whole is under way.
    void CreateUndo() {
        if (FUndoHeld == 0) FUndoObj->CreateUndo();
    }
    void CreateKeyUndo();
    void Undo() { FUndoObj->Undo(); }
    HGLOBAL GetUndoData() override;
    std::int32_t TopIndex() override;
    std::int32_t CaretIndex() override { return static_cast<std::int32_t>(edInfo.eiIndex); }
    void RestoreUndo(const model::TUndoInfo& Snapshot) override;

    // Layout: the whole document, or the lines an edit touched. Line indices are 32-bit.
    void GetLines();
    void LayOutAll(); // one pass of GetLines
    // After AmountOfChange units were inserted (removed) in line Index, at text position At
    // when known: re-lays out and paints until the lines fall back in step.
    bool RepaintChar(std::int32_t Index, std::int32_t AmountOfChange, std::optional<std::uint32_t> At = {});
    void UpdateFrom(std::int32_t Index);
    // From line Index after Delta units were inserted at At (removed from At on when
    // negative): as UpdateFrom, but the walk stops where a paragraph past the edit starts
    // where an old line did, and the lines after it only move.
    void UpdateShifted(std::int32_t Index, std::uint32_t At, std::int64_t Delta);
    // Whether a walk from line Index may stop where old lines resume: floated objects make a
    // line depend on its height in the document, and lines above the view on their count.
    bool CanResume() const;
    void UpdateFormat(std::int32_t AFrom, std::uint32_t ATo);
    void UpdateRange(std::uint32_t AStart, std::int32_t AEnd, BOOL Erase = TRUE);
    void ValidateFromLine(std::int32_t FrLine);
    void InvalidateLine(HDC dc, std::int32_t ALine);
    // The text area from window y Y down, to be painted again.
    void InvalidateBelow(int Y);
    void Refresh();
    std::int32_t GetDocumentHeight() const;
    // Lays line Index out again and paints it, unless `keep`, asked with where the line now
    // ends, answers that it shows what it showed before; answers the line's paragraph.
    model::TParagraphItem* UpdateLine(HDC dc, std::int32_t Index,
                                      const std::function<bool(std::uint32_t next)>& keep = nullptr);
    // Painting.
    void WMPaint();
    void Paint(HDC PaintDC, const PAINTSTRUCT& ps);
    LRESULT WMEraseBkgnd(HDC dc);
    // Inverts the screen area of a range (either order).
    virtual void UpdateSelect(HDC dc, std::uint32_t ASt, std::uint32_t AEnd);

    // The caret and positions on the screen.
    void AdjustTheCaret(int Height);
    void ShowTheCaret();
    void HideTheCaret();
    // Whether the caret's line meets the window; the caret is shown only then.
    bool CaretInView() const;
    // The platform caret follows FCaret: placed where it stands while in view, hidden otherwise.
    void PlaceCaretInView();
    void UpdateCaretPos(std::int32_t pLine, int x, int y);
    POINT GetCharPos(std::int32_t pLine, std::uint32_t Idx);
    std::uint32_t GetIndexOfPos(std::int32_t pLine, int xPos);
    virtual std::uint32_t IndexAtPosition(int x, int y);
    virtual void UpdateCaret();
    void SetIndex(std::uint32_t Idx);
    void SetTopIndex(std::uint32_t Idx);
    virtual void ScrollInView(std::uint32_t AStart, std::uint32_t AEnd);
    void WMSetFocus();
    void WMKillFocus();

    // Scrolling: vertically by lines, horizontally by pixels.
    void SetHasScroll(bool Has);
    void SetVScrollbar(HWND sb);
    void SetHScrollbar(HWND sb);
    virtual void ScrollWindow(HWND Wnd, int XAmount, int YAmount, const RECT* Rect, const RECT* Clip);
    std::int32_t GetMaxScrolling() const;
    virtual void UpdateScrollbar();
    virtual void SetTopMostLine(std::int32_t a);
    void SetOriginX(int a);
    virtual LRESULT WMVScroll(WPARAM wParam, LPARAM lParam);
    LRESULT WMHScroll(WPARAM wParam, LPARAM lParam);
    LRESULT WMMouseWheel(WPARAM wParam);

    // Runs one of the key map's routines (0 to 86) when its gate allows.
    void ExecuteRoutine(std::uint16_t Routine);

    // Editing at the caret and over ranges. Positions are clamped to the text, never
    // split a CR LF pair, and an insertion the buffer refuses changes nothing.
    void InsertChar(char16_t ch);
    void InsertText(std::u16string_view Text, std::int32_t FormatID);
    void DeleteChar(std::uint32_t Idx, std::uint32_t Num);
    void DeleteData(std::uint32_t AStart, std::uint32_t AEnd);
    void DeleteBlock();
    void InsertParaBreakWith(std::uint16_t ParaWord);
    void InsertParaBreak();
    void InsertParaBreakFormat(std::uint8_t Alignment, std::uint8_t ID);
    void InsertParaBreakFormatEx(std::uint8_t Alignment, std::uint8_t ID);
    void DeleteKey(bool ToClipboard);
    void Backspace();
    void SelectKey(std::uint32_t ASt, std::uint32_t AEnd, bool IsShift);
    void SetSelText(std::uint32_t AStart, std::uint32_t AEnd);
    // Whether the clipboard holds something a paste takes: the editor's block, text or a picture.
    static bool CanPaste();
    // Copies at most MaxLen - 1 selected units and a zero; nothing at all for MaxLen 0.
    void GetSelText(char16_t* Buffer, std::uint32_t MaxLen) const;
    std::uint32_t GetSelIndex(SIZE& Range) const;
    void AdjustHighlight(std::uint32_t Idx, std::int64_t Delta);

    // The highlight (both ends included) and the marks of single characters.
    virtual void SetHighlight(std::int64_t HighStart, std::int64_t HighEnd);
    void SetHighlightStyle(std::uint8_t AStyle, COLORREF AColor);
    void HighlightWordAt(std::uint32_t Idx);
    void GetHighlightText(char16_t* Buffer, std::uint32_t MaxLen) const;
    void MarkRange(std::uint32_t AStart, std::uint32_t AEnd);
    void UnMarkRange(std::uint32_t AStart, std::uint32_t AEnd);
    void MarkWordAt(std::uint32_t Idx);
    void UnMarkWordAt(std::uint32_t Idx);
    void ClearMarks();
    void SetMarkType(std::uint8_t AType, COLORREF AColor);
    // Links under the mouse and clicked.
    void SetHotspot(const model::TLinkItem* Item);
    bool CheckHyperlink(int X, int Y);

    // Keys and commands.
    LRESULT WMKeyDown(WPARAM VK);
    LRESULT WMSysKeyDown(WPARAM VK, LPARAM lParam);
    void WMChar(char16_t C);
    // Alt with "-" types a soft hyphen; answers false for the keys it leaves to the window.
    bool WMSysChar(char16_t C);
    LRESULT WMCommand(WPARAM wParam, LPARAM lParam);
    void KeyMoving(UINT Key, bool IsShift, bool IsCtrl);
    void LeftKey(bool IsShift, bool IsCtrl);
    void RightKey(bool IsShift, bool IsCtrl);
    void UpKey(bool IsShift, bool IsCtrl);
    void DownKey(bool IsShift, bool IsCtrl);
    void HomeKey(bool IsShift, bool IsCtrl);
    virtual void EndKey(bool IsShift, bool IsCtrl);
    void PageUpKey(bool IsShift, bool IsCtrl);
    virtual void PageDownKey(bool IsShift, bool IsCtrl);
    void ChangeKeyType();

    // Formats. Character formats go to the selection, or without one become the pending
    // format of the next typed character; paragraph formats go to every paragraph the
    // selection touches, or to the caret's.
    static bool StyleState(const TCharFormat& Format, std::uint8_t Style);
    static void ModifyStyle(TCharFormat& Format, std::uint8_t Style, bool On);
    TCharFormat GetSelFormat() const;
    std::uint8_t GetSelFormatID() const;
    std::uint8_t GetSelParaFormatID() const;
    TParaFormat GetSelParaFormat() const;
    void ApplyFont(std::int32_t ID, const TCharFormat& Format);
    void ApplyFontFast(std::int32_t ID);
    void ApplyFontFace(std::string_view Name);
    void ApplyFontSize(std::int32_t Height);
    void ApplyFontColor(COLORREF Color);
    void FormatStyle(std::uint8_t Style, bool OnOff);
    void ToggleStyle(std::uint8_t Style);
    void ApplyPara(std::int32_t ID, const TParaFormat& Format, bool ApplyAlign);
    void ApplyParaFast(std::int32_t ID);
    void SetAlignment(std::uint8_t Align);
    void ApplyBorder(const TBorder& Border);
    void ApplyBorderFast(std::uint32_t Command, std::uint8_t State, COLORREF Color);
    void ModifyBorder(std::uint32_t Command, std::uint32_t LineStyle, COLORREF Color);
    void ApplyTab(const TTabArray& Tabs);
    // The tab dialog on the tab stops of the paragraph at the selection's end or the caret.
    // The formatting dialogs: on OK their result goes through ApplyFont or ApplyPara.
    void FormatFont();
    void FormatPara();
    void FormatTabs();
    void FormatBorder();
    void FormatBullet();
    // The review of both format tables; the entry chosen there is applied.
    void ModifyFormat();
    // Edits table entry ID in place through the font or paragraph dialog; every character
    // or paragraph using it changes, without an undo step.
    void ModifyFormatFont(std::int32_t ID);
    void ModifyFormatPara(std::int32_t ID);
    void ApplyIndent(const TIndent& Indent);
    void ApplyShading(COLORREF Color);
    void ApplyBulletFast(bool Present);
    // Whole tables and documents: no undo snapshot.
    void EnlargeReduceFont(std::int32_t Inc);
    void SetMonochrome();
    void ClearFormats();
    void Compact();
    void DeleteParas(std::uint8_t FormatID);
    void DeleteDoubleSpaceParas();

    // Finding and replacing, always forward; a search that finds nothing leaves the caret at
    // the end of the text, so that the next one starts from the top.
    std::int32_t FindText(std::int32_t AStart, std::u16string_view FindStr, std::uint8_t Options, bool Show,
                          std::int32_t FormatFilter);
    std::int32_t FindFormat(std::int32_t StartFind, std::uint8_t FormatID, std::uint32_t MaxLen,
                            char16_t* FindBuf, bool IsShow);
    bool FindPara(std::int32_t APos, std::uint8_t FormatID);
    void ReplaceWith(std::u16string_view AText, const TCharFormat* Format);
    std::int32_t ReplaceAll(std::u16string_view FindStr, std::int32_t FormatFilter, std::uint8_t Options,
                            const TCharFormat* Format, std::u16string_view ReplaceStr);
    // The modeless find and replace dialogs: opening one closes the other; one already open
    // comes to the front.
    void Find() { OpenSearch(false); }
    void Replace() { OpenSearch(true); }
    HWND SearchWindow() const;
    void CustomizeKeys();
    // A character chosen in the symbol dialog, inserted in the selection's format with the
    // face chosen; one undo step.
    void InsertSymbol();
    // The link (or comment) at the caret or over the selection, in its dialog; no undo step.
    void SetHyperLink(bool AsComment);
    void BrowseHyperLinks();

    // Vietnamese input and the typographic and case conversions.
    bool ProcessAccent(char16_t C);
    // Text from the host, the clipboard or a text file as the document takes it: composed
    // unless the host keeps it decomposed.
    std::u16string FromOutside(std::u16string_view Text) const;
    // With tone placement on: a tone key placed on the syllable before the caret (true), a
    // tone key that types itself (false), or no tone key of the table (none).
    std::optional<bool> PlaceToneKey(char16_t C);
    // With tone placement on, a horn put on the o of "uo" goes on the u too (ươ).
    void JoinHorn(std::uint32_t o);
    void Retone();
    std::u16string SyllableBefore(std::uint32_t end) const;
    void ReplaceSyllable(std::uint32_t end, std::u16string_view was, std::u16string_view now);
    char16_t ChangeCode(char16_t Code) const;
    void ChangeCase();
    void EFMChangeChar(char16_t W, std::int64_t P);

    void SetEditType(std::int32_t et);
    void SetBackground(COLORREF colour);
    void SetColorStyle(HPALETTE palette, TColorStyle style);
    void EnableFitObjs(bool on);
    void SetEditorState(std::uint32_t id, bool enable);

    // The clipboard: the selection as the editor's own block and as text; a paste takes a
    // picture first, then a block, then text.
    void EditCopy();
    void EditCut();
    void EditPaste();
    void CopyToClipboard();
    std::uint32_t PasteFromClipboard();
    void DeleteClipboardData();
    // Characters of another program at the caret; answers how many.
    std::uint32_t InsertPlainText(std::u16string_view Text);
    // A document block at the caret (EFM_INSERTDATAFROM); answers the characters inserted.
    std::uint32_t EFMInsertDataFrom(HGLOBAL Data);

    // The mouse. Positions are window coordinates unless said otherwise.
    HCURSOR GetCursor(int ID); // the host's cursor for a number, or the desktop's
    void SetBeamCursor();
    void SetHandCursor();
    // Hit test at a document point: 0 nothing special, 1 in the selection, 2 on a link, 3 on
    // an object (the mouse state's HitObject); Index receives the text position when given.
    std::int32_t MouseAt(int X, int Y, std::uint32_t* Index);
    void MouseMove(int X, int Y);
    // Steps of a press shared by both buttons; false when the press ends there.
    bool MouseDown(int Button, int X, int Y);
    void MouseDrag(int X, int Y);
    void CreateDragObject(int X, int Y, objects::TObjectItem& Object);
    void DoubleClickWord(int X, int Y);
    void WMLButtonDown(LPARAM Point);
    void WMLButtonUp(LPARAM Point);
    void WMMouseMove(LPARAM Point);
    void WMDblClk(LPARAM Point);
    void WMRButtonDown(LPARAM Point);
    void CheckMousePause();
    // The context menu at a client point, in the editor's language.
    void ShowQuickMenu(POINT Point);
    // The shortcut texts of the menu's items from the key map.
    void AdjustShortcut(HMENU Menu);
    void EFMAddMenu(const TMenuItemRecord* Item);

    // Pages, printing and preview. The host lends the printer (EFN_QUERYPRINTER); a device
    // that reports no size or resolution counts as none. While a print or preview layout
    // exists the window is disabled and shows that layout scaled to the screen.
    void GetPageSize();
    // The printable area of a page of the print layout, from its top-left margin corner.
    void GetPageRect(RECT& Rect) const;
    void EFMSetPage(const TPageRec* Setup);
    void PrinterChange();
    bool BeginPrint();
    bool BeginPreview();
    void EndPrint();
    std::int32_t Repaginate();
    void DrawPage(HDC dc, std::int32_t Page, int ColumnPitch, const RECT& R);
    void PrintPage(HDC dc, TPrintPageRequest* Request);
    void PreviewPageEx(const TPreviewRequest* Request);
    void PreviewPageDC(HDC dc, std::int32_t Page);
    bool GetPreviewRect(int Zoom, RECT& Rect);
    RECT GetPreviewRectDC() const;
    std::int32_t GetCurrentPage() const;
    void Print();
    void UpdateHScrollbar();
    // Runs a message with this editor's device metrics in force (see TMetricsInForce).
    LRESULT WindowProc(TMessage& msg);

    // Objects. Code 1 inserts the clipboard's bitmap as an inline picture.
    void InsertObject(std::int32_t Code);
    bool InsertNormalObject(std::uint8_t ID);
    void InsertFloatedObject(objects::TObjectItem& Object);
    // Places a new object of the list (inline at the caret, or floated at the caret's line),
    // or, when there is none or it cannot be placed, drops it and the undo step.
    void PlaceNewObject(objects::TObjectItem* Object);
    // The object's attributes through its dialog (a double click, command 138); an object
    // that becomes inline or floated moves between a mark in the text and an anchor.
    void ModifyObject(objects::TObjectItem& Object);
    // The drawing mode (routine 85, command 1024).
    void StartDrawing();
    void DrawingMouseDown(int X, int Y);
    void DrawingMouseMove(int X, int Y);
    void DrawingMouseUp(int X, int Y);
    void CancelDrawing();
    void DrawRubberBand() const;
    // A host-drawn object from the host's record and handle (message 5171).
    void InsertExternalObject(const TObjectInfo* Info, std::uint32_t Handle);
    // Moves a floating object to a window point (X in document coordinates).
    void MoveFloatedObjectTo(int X, int Y, objects::TObjectItem& Object);
    // Object commands of the context menu. The order ones move floated objects only.
    void MoveObjUp(objects::TObjectItem& Object);
    void MoveObjDown(objects::TObjectItem& Object);
    void BringObjTofront(objects::TObjectItem& Object);
    void SendObjToBack(objects::TObjectItem& Object);
    bool CopyObjectToClipboard(objects::TObjectItem& Object);
    // A floated object goes, as one undo step; inline ones go with their mark.
    void DeleteFloatedObject(objects::TObjectItem& Object);
    // Copies, then deletes; an object that cannot go to the clipboard stays.
    void CutFloatedObject(objects::TObjectItem& Object);
    // Commands 1016 to 1022 on the object the mouse selected.
    void SelectedObjectCommand(WPARAM Command);

protected:
    friend class TEditorInternals;
    friend class TDocumentNotifier;

    // The window and the document.
    HWND HWindow;
    model::TEditorInfo edInfo;
    TDocumentNotifier FNotifier{*this};
    std::unique_ptr<model::TEditorBuffer> FBuffer;     // edInfo.eiBuffers
    std::unique_ptr<model::TEditorFonts> FFonts;       // edInfo.eiFonts
    std::unique_ptr<model::TEditorParagraphs> FParas;  // edInfo.eiParas
    std::unique_ptr<objects::TEditorObjects> FObjects; // edInfo.eiObjects
    std::unique_ptr<model::THyperLinks> FLinks;        // edInfo.eiLinks
    std::unique_ptr<display::TEditorLines> FLines;     // edInfo.eiLines
    std::unique_ptr<model::TUndoOperator> FUndoObj;
    std::int32_t FUndoHeld = 0; // runs of edits recorded as one undo step
    // The open find or replace dialog (FindForm, ReplaceForm): one at most, gone before the
    // document it looks at.
    std::unique_ptr<SearchForm> FSearchForm;
    // The state the engine's operations work on besides the document.
    TEditorSettings FSettings;
    TViewState FView;
    TCaret FCaret;
    TMouseState FMouse;
    TDrawingMode FDrawing;
    TInputState FInput;
    TPrintState FPrint{&edInfo};

    // Messages of the protocol whose operations are the engine's own.
    bool EFMOwnMessage(TMessage& msg);
    // The object commands of the protocol.
    bool EFMObjectMessage(TMessage& msg);
    // The document block messages.
    bool EFMDocumentMessage(TMessage& msg);
    // Hyperlinks set and asked for by the host.
    bool EFMLinkMessage(TMessage& msg);
    // The highlight and the marks.
    bool EFMHighlightMessage(TMessage& msg);
    // Layout messages.
    bool EFMLayoutMessage(TMessage& msg);
    // Caret and scrolling messages.
    bool EFMViewMessage(TMessage& msg);
    // Editing and key messages.
    bool EFMEditMessage(TMessage& msg);
    // Format messages.
    bool EFMFormatMessage(TMessage& msg);
    // Find and replace messages.
    bool EFMFindMessage(TMessage& msg);
    // Pages, printing and preview messages.
    bool EFMPageMessage(TMessage& msg);
    // A device context of the window with the horizontal origin applied.
    platform::WindowDC GetEditDC();
    storage::TDocumentParts DocumentParts();

private:
    friend void NotifyChanged(TFormatEditor& editor);
    friend void UpdateState(TFormatEditor& editor, const model::TParagraphItem& para);
    class Relayout;
    // Goes on with a walk after Delta units were inserted at At (removed from At on when
    // negative); answers the window y from which the old lines moved, if they did.
    std::optional<int> ResumeShifted(Relayout& walk, std::uint32_t At, std::int64_t Delta);
    // The clipboard's picture as a new inline picture; null without a picture or a free ID.
    std::unique_ptr<objects::TObjectItem> PictureFromClipboard();
    // What the object dialogs are given: this editor's language, colours and text area.
    objects::ObjectDialogContext DialogContext();
    FormatDialogContext FormatContext();
    void OpenSearch(bool Replace);
    // The first 39 units of the selection up to a line break, for the font dialog's preview.
    std::u16string FontSample() const;
    // The text width the paragraph miniatures of the format lists stand for.
    int PreviewWidth() const;
    template <class Move> void Reorder(objects::TObjectItem& object, Move move);
    // The whole layout; false when it stopped early to show the vertical bar and must begin
    // again in the narrower band (only when `may_restart`).
    bool LayOutFromTop(HDC dc, bool may_restart);
    bool ScrollBarAppears() const;
    void InitEditorInfo();
    // Loads eiCurrentLine for measuring positions on a line; answers its paragraph.
    model::TParagraphItem* LoadLine(std::int32_t pLine);
    void CaretToLineStart();
    // The format a character typed at the caret takes.
    std::uint8_t TypingFormat();
    void DeleteObjectsIn(std::uint32_t start, std::uint32_t end);
    std::uint32_t LineEnd(std::int32_t line) const;
    // After a caret key: the selection follows with Shift, the caret shows.
    void CaretMoved(std::uint32_t ASt, bool IsShift);
    // After the text was replaced: empties objects, links and lines, and the tables unless
    // KeepTables (format 0 becomes the default font when DefaultFont), and shows the
    // document with the caret at its start.
    void StartAfresh(bool KeepTables, bool DefaultFont);
    void ForgetObjects();
    void EmptyDocument(bool KeepTables);
    void RemoveSelection();
    // A search found nothing: the caret goes to the end, so the next one starts at the top.
    void NothingFound();
    // Where a search from the current position starts.
    std::uint32_t SearchStart() const;
    // Replace all of plain text in one rebuild of the text, when it may be done that way.
    std::optional<std::int32_t> ReplaceAllAtOnce(std::u16string_view FindStr, std::int32_t FormatFilter,
                                                 std::uint8_t Options, std::u16string_view ReplaceStr);
    // A text emptied by a deletion starts its format tables afresh (templates keep theirs).
    void ResetFormatsIfEmpty();
    void PlaceCaretAt(int X, int Y);
    std::uint8_t FormatIDAt(std::uint32_t Position) const;
    std::uint32_t SelParaPosition() const;
    void ShowSelectionAgain(std::uint32_t From, std::uint32_t To);
    void SetPendingFont(const TCharFormat& Format);
    // Changes one attribute of the pending format, or of the selection's last character's
    // format for the whole selection; Change answers false when it changes nothing.
    void ApplyAttribute(const std::function<bool(TCharFormat&)>& Change);
    // The paragraphs from the selection's first to its last character, or the caret's;
    // First and Last receive the starts of the first and the last.
    void ForEachSelParagraph(const std::function<void(std::uint32_t)>& Action, std::uint32_t& First,
                             std::uint32_t& Last);
    void ApplyParaPart(const std::function<void(TParaFormat&)>& Change);
    void ParagraphsDeleted();
    // Starts a print layout, or a preview layout at 96 pixels per inch.
    bool StartPrintLayout(bool Preview);
    // Which context menu a click at a client point opens; none over an object of a
    // read-only editor.
    std::optional<TQuickMenu> QuickMenuAt(POINT Point);
    void KeepWindowLayout();
    bool RestoreWindowLayout();
    // Puts the print layout's resolution in force (pens half a point), or the screen's.
    void UsePrintMetrics();
    static void UseScreenMetrics();
    // The text area of page mode: one column of the page, or the client area without a printer.
    RECT PageColumnRect();
    int FEntered = 0; // messages of this editor under way, one inside another
    // Copies answered by EFM_GETSELFORMAT and EFM_GETSELPARAFORMAT, kept until the next request.
    TCharFormat FSelFormatCopy{};
    TParaFormat FSelParaCopy{};
};

// The page setup of a new editor: margins 1.0/1.0/1.25/1.25 inch, scale 100, one column.
TPageRec DefaultPageSetup();

} // namespace zeledit::engine
