// The engine's state besides its document, in the groups its operations work on. Only the
// engine (and the test door, TEditorInternals) reaches them.
#pragma once

#include "engine/drag_object.h"
#include "engine/editor_keyboard.h"
#include "engine/editor_resource.h"
#include "model/hyper_links.h"
#include "objects/object_item.h"

#include <zeledit/zeledit.h>

#include <cstdint>
#include <memory>

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

// The caret, the scroll position and the layout under way.
struct TViewState {
    bool EnableCaret = true, CaretVisible = false;
    POINT CaretPos{-1, -1};
    int CaretHeight = 0;
    std::uint32_t StateIndex = 0; // the caret index of the last state update
    std::int32_t CurrentLine = 0;
    HWND VScrollbar = nullptr, HScrollbar = nullptr;
    std::int32_t OriginX = 0;
    std::int32_t FMaxVScroll = 0;
    std::int32_t Columns = 1;
    bool FLayingOut = false;      // in GetLines: a change of size takes only the new band
    bool FRelayoutWanted = false; // and asks for one more layout
};

// The buttons, the cursor and what the mouse holds or points at.
struct TMouseState {
    std::uint8_t FCursor = 0;
    bool IsLeftDown = false, FSpecialRightButton = false;
    std::int32_t MouseCount = 0, MouseIndex = 0;
    bool FEnableMouseFocus = true;
    objects::TObjectItem* FSelectedObj = nullptr;
    // The link highlighted under the mouse; only compared, never followed, as edits may
    // free it.
    const model::TLinkItem* FCurrentHotspot = nullptr;
    std::unique_ptr<TDragObject> FDragObject;
};

// Keys, Vietnamese composition and the format the next typed character takes.
struct TInputState {
    BOOL EnableVietKey = FALSE;
    std::uint16_t PreChar = 0;
    bool NumpadKey = false;
    std::int32_t KeyCounter = 0;
    std::unique_ptr<TEditorKeyboard> FKeyboard;
    TCharFormat FDefFont{};
    std::int32_t FDefFontID = 0;
};

// The page setup and the printer's resolution.
struct TPrintState {
    TPageRec FPageSetup{};
    std::int32_t PrintDotPerInchX = 0, PrintDotPerInchY = 0;
};

// What the host set: style, language, colours, defaults and permissions.
struct TEditorSettings {
    std::uint8_t FLanguage = 0;
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
