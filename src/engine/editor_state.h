// The engine's state besides its document, in the groups its operations work on. Only the
// engine (and the test door, TEditorInternals) reaches them.
#pragma once

#include "display/editor_pages.h"
#include "engine/drag_object.h"
#include "engine/editor_keyboard.h"
#include "engine/editor_resource.h"
#include "engine/tone_placement.h"
#include "model/device_metrics.h"
#include "model/hyper_links.h"
#include "objects/object_item.h"

#include <zeledit/zeledit.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

namespace zeledit::engine {

enum TColorStyle : std::uint8_t { cts_Auto, cts_16Color, cts_256Color, cts_TrueColor };

// Edit style bits (FEditStyle).
inline constexpr std::int32_t esReadOnly = 0x1;
inline constexpr std::int32_t esControl = 0x2;
inline constexpr std::int32_t esNoScrollBars = 0x4;
inline constexpr std::int32_t esOwnPalette = 0x200;
inline constexpr std::int32_t esExpert = 0x1000;
inline constexpr std::int32_t esTransparent = 0x10000;
// Edit-type flags read by the keys and the mouse.
inline constexpr std::int32_t eoCanLoadSave = 0x2000, eoRespond = 0x4000, eoObjectClick = 0x20000,
                              eoSingleClickWord = 0x40000, eoSimple = 0x100000;

// The window's caret as the engine keeps it: where it stands (document x, window y), how tall,
// whether the editor has one at all and whether it shows. The platform caret follows these
// calls; the engine decides when (focus, selection, view).
class TCaret {
public:
    bool Enabled() const { return FEnableCaret; }
    void SetEnabled(bool On) { FEnableCaret = On; }
    bool Visible() const { return FCaretVisible; }
    POINT Position() const { return FCaretPos; }
    // A new document: enabled, hidden, nowhere yet.
    void Reset() {
        FEnableCaret = true;
        FCaretVisible = false;
        FCaretPos = {-1, -1};
    }
    void MoveTo(POINT Position) { FCaretPos = Position; }
    // The view moved under the caret by `Distance` pixels.
    void ScrollBy(int Distance) { FCaretPos.y += Distance; }
    // Whether the caret's height meets the window's client rectangle.
    bool Meets(const RECT& Client) const {
        return FCaretPos.y < Client.bottom && FCaretPos.y + FCaretHeight > Client.top;
    }

    // A platform caret of a new height in `Window`, shown at once when `Show`.
    void Remake(HWND Window, int Width, int Height, bool Show) {
        if (FCaretVisible) HideCaret(Window);
        FCaretHeight = Height;
        CreateCaret(Window, nullptr, Width, Height);
        FCaretVisible = Show;
        if (Show) ShowCaret(Window);
    }
    // The platform caret where the caret stands, with the view's horizontal origin.
    void Place(int OriginX) const { SetCaretPos(FCaretPos.x - OriginX, FCaretPos.y); }
    void Show(HWND Window) {
        if (FCaretVisible) return;
        ShowCaret(Window);
        FCaretVisible = true;
    }
    // Hides it; only a focused window still has a platform caret to hide.
    void Hide(HWND Window, bool Focused) {
        if (FCaretVisible && Focused) HideCaret(Window);
        FCaretVisible = false;
    }
    // The platform caret is gone (the focus left, or the window destroyed it).
    void Lost() { FCaretVisible = false; }

private:
    bool FEnableCaret = true, FCaretVisible = false;
    POINT FCaretPos{-1, -1};
    int FCaretHeight = 0;
};

// The scroll position, the caret's line and the layout under way.
struct TViewState {
    std::uint32_t StateIndex = 0; // the caret index of the last state update
    std::int32_t CurrentLine = 0;
    HWND VScrollbar = nullptr, HScrollbar = nullptr;
    std::int32_t OriginX = 0;
    std::int32_t FMaxVScroll = 0;
    std::int32_t Columns = 1;
    bool FLayingOut = false;      // in GetLines: a change of size takes only the new band
    bool FRelayoutWanted = false; // and asks for one more layout
};

// The mouse: the button held, what it drags or points at, the cursor it shows, and the pause
// that tells the host where it rests.
class TMouseState {
public:
    // A press of the left button in the text (the window holds the capture meanwhile).
    bool LeftDown() const { return FIsLeftDown; }
    void PressLeft() { FIsLeftDown = true; }
    void EndPress() {
        if (FIsLeftDown) ReleaseCapture();
        FIsLeftDown = false;
    }

    // The frame of a floated object dragged while the button is down.
    TDragObject* Dragged() const { return FDragObject.get(); }
    TDragObject& StartDrag(std::unique_ptr<TDragObject> Drag) {
        FDragObject = std::move(Drag);
        return *FDragObject;
    }
    std::unique_ptr<TDragObject> TakeDrag() { return std::move(FDragObject); }
    void DropDrag() { FDragObject.reset(); }

    // The object the last hit test met, and the link highlighted under the mouse (only
    // compared, never followed, as edits may free it).
    objects::TObjectItem* HitObject() const { return FSelectedObj; }
    void SetHitObject(objects::TObjectItem* Object) { FSelectedObj = Object; }
    const model::TLinkItem* Hotspot() const { return FCurrentHotspot; }
    void SetHotspot(const model::TLinkItem* Link) { FCurrentHotspot = Link; }
    // The document's objects and links are about to go: nothing may point at them.
    void Forget() {
        FSelectedObj = nullptr;
        FCurrentHotspot = nullptr;
        FDragObject.reset();
        EndPress();
    }

    // The cursor shown over the text: the beam or the hand.
    bool ShowsHand() const { return FCursor == 1; }
    void SetShowsHand(bool Hand) { FCursor = Hand ? 1 : 0; }

    // The pause: the mouse moved (over text position Index, −1 for none), or one more timer
    // tick passed without a move. The fifth tick over a position answers it, once.
    void Moved() { FMouseCount = 0; }
    void Over(std::int32_t Index) { FMouseIndex = Index; }
    std::optional<std::int32_t> Paused() {
        if (FMouseCount < 65535) ++FMouseCount;
        if (FMouseCount != 5 || FMouseIndex < 0) return std::nullopt;
        return std::exchange(FMouseIndex, -1);
    }

    // What the host set: whether a click takes the focus, and whether the right button
    // reports clicks instead of opening the context menu.
    bool TakesFocus() const { return FEnableMouseFocus; }
    void SetTakesFocus(bool On) { FEnableMouseFocus = On; }
    bool SpecialRightButton() const { return FSpecialRightButton; }
    void SetSpecialRightButton(bool On) { FSpecialRightButton = On; }

private:
    std::uint8_t FCursor = 0;
    bool FIsLeftDown = false, FSpecialRightButton = false;
    std::int32_t FMouseCount = 0, FMouseIndex = 0;
    bool FEnableMouseFocus = true;
    objects::TObjectItem* FSelectedObj = nullptr;
    const model::TLinkItem* FCurrentHotspot = nullptr;
    std::unique_ptr<TDragObject> FDragObject;
};

// Keys: Vietnamese composition, the burst of typing that makes one undo step, the host's key
// map and the format the next typed character takes.
class TInputState {
public:
    // Vietnamese typing on or off (a LongBool, as the host sets it).
    BOOL VietKey() const { return FEnableVietKey; }
    void SetVietKey(BOOL On) { FEnableVietKey = On; }
    void ToggleVietKey() { FEnableVietKey = FEnableVietKey ? FALSE : TRUE; }
    // Whether the key being typed may be an accent: Vietnamese typing is on and the key did
    // not come from the numeric pad, whose digits never compose.
    bool MayCompose() const { return FEnableVietKey && !FNumpadKey; }
    void KeyFromNumpad(bool Numpad) { FNumpadKey = Numpad; }

    // The letter an accent key composes with: the character typed last, forgotten by any
    // other key, click or edit.
    char16_t Composing() const { return FPreChar; }
    void Typed(char16_t C) { FPreChar = C; }
    void ForgetComposition() { FPreChar = 0; }
    // Tones placed by syllable (off unless the host asks), and the placement of oa, oe, uy.
    ToneStyle Placement() const { return FToneStyle; }
    void SetPlacement(ToneStyle Style) { FToneStyle = Style; }

    // Keys typed within two seconds of each other (20 ticks of the 100 ms timer) are one
    // undo step.
    bool BurstEnded() const { return FKeyCounter == 0; }
    void KeyTyped() { FKeyCounter = KeystrokeTicks; }
    // Whether the key being handled started a burst, and so already has its undo step.
    bool StepTaken() const { return FStepTaken; }
    void SetStepTaken(bool Taken) { FStepTaken = Taken; }
    void Tick() {
        if (FKeyCounter > 0) --FKeyCounter;
    }
    void EndBurst() { FKeyCounter = 0; }

    // The host's key map (none only while the engine is made or destroyed).
    TEditorKeyboard& Keyboard() const { return *FKeyboard; }
    void SetKeyboard(std::unique_ptr<TEditorKeyboard> Keyboard) { FKeyboard = std::move(Keyboard); }

    // The format the next typed character takes: an entry of the character table, or one not
    // in it yet (ID −1) that is added when the character is typed.
    std::int32_t TypingFontID() const { return FDefFontID; }
    const TCharFormat& TypingFont() const { return FDefFont; }
    void SetTypingFontID(std::int32_t ID) { FDefFontID = ID; }
    void SetTypingFont(std::int32_t ID, const TCharFormat& Format) {
        FDefFontID = ID;
        FDefFont = Format;
    }

private:
    static constexpr std::int32_t KeystrokeTicks = 20;

    BOOL FEnableVietKey = FALSE;
    char16_t FPreChar = 0;
    ToneStyle FToneStyle = ToneStyle::Off;
    bool FStepTaken = false;
    bool FNumpadKey = false;
    std::int32_t FKeyCounter = 0;
    std::unique_ptr<TEditorKeyboard> FKeyboard;
    TCharFormat FDefFont{};
    std::int32_t FDefFontID = 0;
};

// The page of a print or preview layout, in its pixels (its resolution is PrintDotPerInchX/Y).
struct TPrintInfo {
    std::int32_t PageWidth = 0;
    std::int32_t PageHeight = 0;
};

// The page layout: the host's page setup, the pages of the last print layout, and the
// resolution a print or preview layout in the line list was made at (edInfo.eiPrinting says
// whether there is one). Metrics are the device metrics this editor puts in force.
class TPrintState {
public:
    explicit TPrintState(model::TEditorInfo* Info) : Pages(Info) {}
    const TPageRec& PageSetup() const { return FPageSetup; }
    void SetPageSetup(const TPageRec& Setup) { FPageSetup = Setup; }

    display::TEditorPages Pages;
    model::TDeviceMetrics Metrics;
    TPrintInfo PrintInfo;
    std::int32_t PrintDotPerInchX = 0, PrintDotPerInchY = 0;
    // The window's layout, kept while a print or preview layout holds the line list: put back
    // when that layout ends unchanged (its lines changed `Changes` times when it was made),
    // else the window is laid out again.
    struct TKeptLayout {
        std::unique_ptr<display::TEditorLines> Lines;
        RECT Bound{};
        std::int32_t OriginX = 0;
        std::uint64_t Changes = 0;
        bool HadFocus = false; // disabling the window meanwhile takes it
    } Kept;

private:
    TPageRec FPageSetup{};
};

// What the host set: style, language, colours, defaults and permissions.
// The drawing mode: on from a confirmed drawing dialog to the next mouse-up.
struct TDrawingMode {
    bool On = false;
    bool Dragging = false;
    POINT Start{}, End{};
    TDrawingInfo Info{0, {0, 0}, 1, RGB(0, 0, 0), RGB(255, 255, 255), 1, 1};
};

struct TEditorSettings {
    std::uint8_t FLanguage = 0;
    bool FKeepDecomposed = false; // text from outside keeps its combining marks
    std::int32_t FEditStyle = esControl;
    TEditorResource* FResource = nullptr;
    TCharFormat FDefaultCharFormat{};
    TColorStyle FColorStyle = cts_Auto;
    HPALETTE EditPalette = nullptr;
    COLORREF FBackColor = 0, FHighColor = 0, FShadColor = 0;
    bool CanModify = true;
    BOOL IsModified = FALSE; // LongBool: −1 for true
    bool EnableSelecting = true;
    bool EnableContextMenu = true;
    std::uint8_t Measurement = 0;
    char SystemFont[129] = {};
    TBullet LastBullet{};
    bool FShowObject = true;
    bool FEnableFitObjs = true;
    // The largest data block a document may need; insertions past it are refused.
    std::uint64_t MaxBlockBytes = ZE_GLOBAL_MAX_BYTES;
};

} // namespace zeledit::engine
