// The events through which the editor component (<zeledit/format_editor.h>) presents the
// editor's notifications. Each is a std::function; an event left empty is not raised and the
// notification gets the answer it has without a host.
#pragma once

#include <zeledit/editor_records.h>
#include <zeledit/win_types.h>

#include <cstdint>
#include <functional>

namespace zeledit {

class TCustomFormatEditor;
using PEditorState = TEditorState*;
using PHyperTextInfo = THyperTextInfo*;

// Changed, formats changed, input changed, hide comment, click, enter, exit.
using TNotifyEvent = std::function<void(TCustomFormatEditor* Sender)>;
// The caret moved on the screen; State is valid during the call.
using TUpdateStateEvent = std::function<void(TCustomFormatEditor* Sender, PEditorState State)>;
// A hyperlink was clicked; Info is valid during the call.
using THyperLinkEvent = std::function<void(TCustomFormatEditor* Sender, PHyperTextInfo Info)>;
// A comment was clicked at X, Y (client pixels).
using TCommentEvent = std::function<void(TCustomFormatEditor* Sender, std::int32_t X, std::int32_t Y,
                                         const TCommentInfo& Info)>;
// A right click (special right click mode) or the mouse resting: the text index.
using TRightClickEvent = std::function<void(TCustomFormatEditor* Sender, std::int32_t APosition)>;
// A key the editor has no use for; IsControl when Ctrl was down.
using TKeyDownEvent = std::function<void(TCustomFormatEditor* Sender, std::uint16_t Key, bool IsControl)>;
// A page is drawn for printing or preview: draw its header and footer on dc around ARect.
using TQueryHeaderFooter =
    std::function<void(TCustomFormatEditor* Sender, HDC dc, std::uint16_t APage, RECT ARect)>;
// A linked object needs its data: set AHandle to a memory block (the editor takes it) or leave 0.
using TQueryDataObj = std::function<void(TCustomFormatEditor* Sender, const char* AText, std::uint16_t AStyle,
                                         HANDLE& AHandle)>;
// An object was clicked: its data handle (0 for a sound) and its record.
using TObjectClick = std::function<void(TCustomFormatEditor* Sender, HANDLE AData, PObjectInfo Attr)>;
// The view scrolled sideways.
using TOriginEvent =
    std::function<void(TCustomFormatEditor* Sender, std::int32_t PageWidth, std::int32_t Origin)>;
// A word was finished by AChar (tab, CR or space); AIndex is the word's last character.
using TBreakCharEvent = std::function<void(TCustomFormatEditor* Sender, char16_t AChar, std::int32_t AIndex)>;
// A WM_COMMAND the editor received (menu items, a host's own context-menu items).
using TDocCommand = std::function<void(TCustomFormatEditor* Sender, std::uint16_t ACommand)>;
// The view scrolled: the new top line.
using TDocTopLineChanged = std::function<void(TCustomFormatEditor* Sender, std::int32_t TopLine)>;
// New, open and save (Task: EFN_FILE_*). Setting HasSpecified answers 1: refuse the new or
// opened document (EFN_FILE_BEFORENEW), or a name written into AFilename, a 501-unit buffer
// (EFN_FILE_QUERYSAVENAME).
using TDocFileCommand = std::function<void(TCustomFormatEditor* Sender, std::uint16_t Task,
                                           bool& HasSpecified, LPCWSTR AFilename)>;
// Code units inserted (> 0) or deleted (< 0) at Index.
using TDocBufferChangedEvent =
    std::function<void(TCustomFormatEditor* Sender, std::int32_t Index, std::int32_t SizeChanged)>;

enum TMouseButton { mbNone, mbLeft, mbRight };
// A button pressed or released, or the mouse moved (with the left button held: mbLeft), at a
// point of the editor's client area.
using TMouseEvent = std::function<void(TCustomFormatEditor* Sender, TMouseButton Button, POINT At)>;
// A character typed, before the editor takes it: change Key, or set it to 0 to drop it.
using TKeyPressEvent = std::function<void(TCustomFormatEditor* Sender, char16_t& Key)>;

// Host-drawn objects (kinds 256 and above).
// Create one of kind AStyle: set Obj to the host's handle, fill Info and set Accept.
using TExObjCreateEvent = std::function<void(TCustomFormatEditor* Sender, std::uint16_t AStyle,
                                             std::uint32_t& Obj, TObjectInfo& Info, bool& Accept)>;
// Free the host's object.
using TExObjFreeEvent = std::function<void(TCustomFormatEditor* Sender, std::uint32_t Obj, PObjectInfo Info)>;
// Read: build the object from the stored Data; set Params.Handle (and Info).
using TExObjGetDataEvent =
    std::function<void(TCustomFormatEditor* Sender, const void* Data, TExObjParams& Params)>;
// Copy: Params holds the source; replace Params.Handle with the copy's handle.
using TExObjInitFromEvent = std::function<void(TCustomFormatEditor* Sender, TExObjParams& Params)>;
// Draw (or, for the action event, animate) the object on Data.ddDC.
using TExObjDrawEvent = std::function<void(TCustomFormatEditor* Sender, TExternalDrawData& Data)>;
using TExObjActionEvent = TExObjDrawEvent;
// Write: exactly the size the size event announced into Dest; Params.Info may be updated.
using TExObjSetDataEvent = std::function<void(TCustomFormatEditor* Sender, void* Dest, TExObjParams& Params)>;
// The number of data bytes the object stores (0 without the event: none).
using TExObjGetSizeEvent = std::function<std::uint32_t(TCustomFormatEditor* Sender, TExObjParams& Params)>;

} // namespace zeledit
