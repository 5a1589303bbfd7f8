// The engine's shared state record, and the current-line record of layout and painting.
#pragma once

#include <zeledit/windows.h>

#include <cstdint>

namespace zeledit::model {

class TEditorBuffer;
class TEditorFonts;
class TEditorParagraphs;
class THyperLinks;
class TEditorPages;
class TLinkList;

struct TLineRegion {
    std::int16_t Left = 0;
    std::int16_t Right = 0;
    std::int16_t MoreHeight = 0;
};

// Positions and lengths are 32-bit here: lines of documents past 65,535 units must work.
struct TLineInfo {
    std::uint32_t tmWidth = 0;
    std::uint32_t tmHeight = 0;
    std::uint32_t tmBaseline = 0;
    std::uint32_t tmTextHeight = 0;
    bool tmBreakPara = false;
    bool tmEndOfDoc = false;
    std::uint32_t tmLength = 0;
    bool tmFirstLine = false;
    std::uint32_t tmIndex = 0;
    RECT tmParaRegion{};
    RECT tmRegion{};
    bool tmWrapping = false;
    TLineRegion tmLineRegion;
    std::int32_t tmLeftIndent = 0;
    bool tmEraseBackground = false;
    RECT tmBkgndRegion{};
    std::uint8_t tmAlignment = 0;
    bool tmTopBorder = false;
    bool tmBottomBorder = false;
    bool tmSamePrevPara = false;
    bool tmSameNextPara = false;
    std::int32_t tmWindowPosition = 0;
    std::int32_t tmDocPosition = 0;
};

enum TBitmapMode : std::int16_t { bmExact = 0, bmBackground = 1, bmHalfTone = 2 };
enum TEditorMarkType : std::uint8_t { mtZigzag = 0, mtColor = 1 };

struct TEditorInfo {
    void* eiDocument = nullptr;
    HWND eiWindow = nullptr;
    HBRUSH eiBackgroundBrush = nullptr;
    bool eiTransparent = false;
    std::uint32_t eiIndex = 0;
    std::uint16_t eiEditorType = 0x601;
    TEditorBuffer* eiBuffers = nullptr;
    TEditorFonts* eiFonts = nullptr;
    TEditorParagraphs* eiParas = nullptr;
    // The object and line lists belong to layers above; they are seen here as the linked
    // lists they are, and typed again by their owners (objects::ObjectsOf).
    TLinkList* eiObjects = nullptr;
    TLinkList* eiLines = nullptr;
    THyperLinks* eiLinks = nullptr;
    TEditorPages* eiPages = nullptr;
    RECT eiBoundRect{};
    bool eiSelecting = false;
    std::uint32_t eiSelStart = 0;
    std::uint32_t eiSelEnd = 0;
    bool eiPrinting = false;
    std::int16_t eiBitmapMode = bmExact;
    std::int32_t eiHighStart = 0;
    std::int32_t eiHighEnd = 0;
    COLORREF eiHighColor = 255;
    std::uint8_t eiState = mtZigzag;
    COLORREF eiStateColor = 255;
    TLineInfo eiCurrentLine;
    bool eiUndoing = false;
    HBITMAP eiBkBitmap = nullptr;
    BOOL eiFitting = FALSE; // LongBool: −1 for true
    std::uint8_t eiHighlightStyle = 0;
};

using PEditorInfo = TEditorInfo*;

} // namespace zeledit::model
