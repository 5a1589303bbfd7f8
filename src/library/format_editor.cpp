// The control's window, its settings and the messages its properties and methods send.
#include "library/format_editor_window.h"

#include "engine/format_editor.h"
#include "platform/core/code_page.h"
#include "platform/core/text.h"

#include <zeledit/editor_library.h>
#include <zeledit/editor_messages.h>
#include <zeledit/format_editor.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace zeledit {

std::u16string ToUtf16(std::string_view text) { return platform::from_utf8(text); }
std::string ToUtf8(std::u16string_view text) { return platform::to_utf8(text); }

LPARAM EditStyleOf(TEditorOptions options) {
    static constexpr std::pair<TEditorOption, LPARAM> Bits[] = {{eoControl, 0x2},
                                                                {eoNoModify, 0x1},
                                                                {eoNoScrollbar, 0x4},
                                                                {eoWithHotspot, 0x800},
                                                                {eoExpert, 0x1000},
                                                                {eoCanLoadSave, 0x2000},
                                                                {eoRespond, 0x4000},
                                                                {eoAutoBuffer, 0x8000},
                                                                {eoTransparent, 0x10000},
                                                                {eoObjectClick, 0x20000},
                                                                {eoSingleClickWord, 0x40000},
                                                                {eoSimple, 0x100000}};
    LPARAM style = 0x80000;
    for (const auto& [option, bit] : Bits)
        if ((options & option) != 0) style |= bit;
    return style;
}

TWinControl256::TWinControl256()
    : FBackColor(GetSysColor(COLOR_BTNFACE)), FHighColor(GetSysColor(COLOR_BTNHIGHLIGHT)),
      FShadColor(GetSysColor(COLOR_BTNSHADOW)), FColor(GetSysColor(COLOR_BTNFACE)) {}

void TWinControl256::SetColor(COLORREF color) {
    FColor = color;
    ColorChanged();
}

void TWinControl256::SetColors(COLORREF back, COLORREF highlight, COLORREF shadow) {
    FBackColor = back;
    FHighColor = highlight;
    FShadColor = shadow;
    ColorChanged();
}

void TWinControl256::ThemeBroadcast(const std::uint32_t* six) {
    if (FLockColor || six == nullptr) return;
    FBackColor = six[1];
    FHighColor = six[2];
    FShadColor = six[3];
    FGrad1Color = six[4];
    FGrad2Color = six[5];
    ColorChanged();
}

TCustomFormatEditor::TCustomFormatEditor(HWND parent, RECT bounds)
    : FParent(parent), FBounds(bounds), FPageSetup(engine::DefaultPageSetup()) {
    FColor = 0xFFFFFF;
    GetEditInstance(); // the library and its classes exist before the window is made
}

TCustomFormatEditor::~TCustomFormatEditor() {
    DestroyHandle();
    DropPrinterDC();
}

TCustomFormatEditor::TCustomFormatEditor(TCustomFormatEditor&& other) noexcept
    : TWinControl256(other), FParent(other.FParent), FBounds(other.FBounds) {
    Adopt(other);
}

TCustomFormatEditor& TCustomFormatEditor::operator=(TCustomFormatEditor&& other) noexcept {
    if (this == &other) return *this;
    DestroyHandle();
    DropPrinterDC();
    TWinControl256::operator=(other);
    FParent = other.FParent;
    FBounds = other.FBounds;
    Adopt(other);
    return *this;
}

// Takes over the other control's window and settings; the companions stay this object's own.
void TCustomFormatEditor::Adopt(TCustomFormatEditor& o) noexcept {
    FHandle = std::exchange(o.FHandle, nullptr);
    FEditorProc = std::exchange(o.FEditorProc, nullptr);
    if (FHandle != nullptr) SetPropW(FHandle, ControlProperty, this);
    FIBeamCursor = o.FIBeamCursor;
    FArrowCursor = o.FArrowCursor;
    FHandCursor = o.FHandCursor;
    FDocType = o.FDocType;
    FOptions = o.FOptions;
    FRightClick = o.FRightClick;
    FVietKey = o.FVietKey;
    FTonePlacement = o.FTonePlacement;
    FKeepDecomposed = o.FKeepDecomposed;
    FKeyType = o.FKeyType;
    FBitmapMode = o.FBitmapMode;
    FPageSetup = o.FPageSetup;
    FDefFont = std::move(o.FDefFont);
    FSystemFont = std::move(o.FSystemFont);
    FShowObj = o.FShowObj;
    FBufferSize = o.FBufferSize;
    FPrinting = o.FPrinting;
    FVScroll = o.FVScroll;
    FHScroll = o.FHScroll;
    FColorStyle = o.FColorStyle;
    FBorderStyle = o.FBorderStyle;
    FCtl3D = o.FCtl3D;
    FVisible = o.FVisible;
    FCurrentObject = o.FCurrentObject;
    FMarkType = o.FMarkType;
    FMarkColor = o.FMarkColor;
    FEnableFitting = o.FEnableFitting;
    FHighlightColor = o.FHighlightColor;
    FHighlightStyle = o.FHighlightStyle;
    FUseEnglish = o.FUseEnglish;
    FLastSelection = o.FLastSelection;
    FPrinterDC = std::exchange(o.FPrinterDC, nullptr);
    FPrinterName = std::move(o.FPrinterName);
    FPrinterMode = o.FPrinterMode;
    OnChanged = std::move(o.OnChanged);
    OnUpdateState = std::move(o.OnUpdateState);
    OnSelChange = std::move(o.OnSelChange);
    OnFormatChanged = std::move(o.OnFormatChanged);
    OnInputChanged = std::move(o.OnInputChanged);
    OnHideComment = std::move(o.OnHideComment);
    OnClick = std::move(o.OnClick);
    OnKeyDown = std::move(o.OnKeyDown);
    OnRightClick = std::move(o.OnRightClick);
    OnMouseWait = std::move(o.OnMouseWait);
    OnHyperLink = std::move(o.OnHyperLink);
    OnObjClick = std::move(o.OnObjClick);
    OnQueryDataObj = std::move(o.OnQueryDataObj);
    OnOriginChange = std::move(o.OnOriginChange);
    OnBreakChar = std::move(o.OnBreakChar);
    OnTopLineChanged = std::move(o.OnTopLineChanged);
    OnFileCommand = std::move(o.OnFileCommand);
    OnCommentClick = std::move(o.OnCommentClick);
    OnBufferChanged = std::move(o.OnBufferChanged);
    OnQueryHeaderFooter = std::move(o.OnQueryHeaderFooter);
    OnCommand = std::move(o.OnCommand);
    OnPrint = std::move(o.OnPrint);
    OnEnter = std::move(o.OnEnter);
    OnExit = std::move(o.OnExit);
    OnMouseDown = std::move(o.OnMouseDown);
    OnMouseMove = std::move(o.OnMouseMove);
    OnMouseUp = std::move(o.OnMouseUp);
    OnKeyPress = std::move(o.OnKeyPress);
    OnExObjCreate = std::move(o.OnExObjCreate);
    OnExObjFree = std::move(o.OnExObjFree);
    OnExObjGetData = std::move(o.OnExObjGetData);
    OnExObjInitFrom = std::move(o.OnExObjInitFrom);
    OnExObjDraw = std::move(o.OnExObjDraw);
    OnExObjAction = std::move(o.OnExObjAction);
    OnExObjSetData = std::move(o.OnExObjSetData);
    OnExObjGetSize = std::move(o.OnExObjGetSize);
}

HWND TCustomFormatEditor::Handle() {
    CreateHandle();
    return FHandle;
}

bool TCustomFormatEditor::CreateHandle() {
    if (FHandle != nullptr) return true;
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP | (FVisible ? WS_VISIBLE : 0);
    DWORD exStyle = 0;
    if (FBorderStyle == bsSingle) {
        if (FCtl3D)
            exStyle = WS_EX_CLIENTEDGE;
        else
            style |= WS_BORDER;
    }
    HWND window = CreateWindowExW(exStyle, FormattedEditorClassName, u"", style, FBounds.left, FBounds.top,
                                  FBounds.right - FBounds.left, FBounds.bottom - FBounds.top, FParent,
                                  nullptr, GetEditInstance(), nullptr);
    if (window == nullptr) return false;
    SetPropW(window, ControlProperty, this);
    FEditorProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Dispatch::Proc)));
    FHandle = window;
    CreationSettings();
    return true;
}

// Brings a new window up to date with the settings made so far, in a fixed order.
void TCustomFormatEditor::CreationSettings() {
    Send(EFM_SETCOLORSTYLE, 0, FColorStyle);
    Send(EFM_ENABLEVIETKEY, FVietKey ? 1 : 0);
    SetVScrollbar(FVScroll);
    SetHScrollbar(FHScroll);
    SetDocumentType(FDocType);
    SetOptions(FOptions);
    Send(EFM_HIDEOBJECTS, FShowObj ? 0 : 1);
    Send(EFM_SETKEYTYPE, FKeyType == ktInternational ? 1 : 0);
    Send(EFM_ENABLEFITOBJS, FEnableFitting ? 1 : 0);
    ColorChanged();
    Send(EFM_SETSPECIALRIGHTBUTTON, FRightClick ? 1 : 0);
    Send(EFM_SETHIGHLIGHTSTYLE, FHighlightStyle, FHighlightColor);
    TransferDefaultFont();
    // This library's own settings, only when a host chose them.
    if (FTonePlacement != 0) Send(EFM_SETTONEPLACEMENT, static_cast<WPARAM>(FTonePlacement));
    if (FKeepDecomposed) Send(EFM_KEEPDECOMPOSED, 1);
}

// The window goes with the editor's own procedure only (no events from a control that is
// going); a host's subclass above stays in place until the window is gone.
void TCustomFormatEditor::DestroyHandle() {
    HWND window = std::exchange(FHandle, nullptr);
    if (window != nullptr && IsWindow(window)) DestroyWindow(window);
    FEditorProc = nullptr;
}

void TCustomFormatEditor::WindowGone() {
    FHandle = nullptr;
    FEditorProc = nullptr;
}

LRESULT TCustomFormatEditor::Send(UINT msg, WPARAM w, LPARAM l) {
    HWND window = Handle();
    return window != nullptr ? SendMessageW(window, msg, w, l) : 0;
}

LRESULT TCustomFormatEditor::SendIfMade(UINT msg, WPARAM w, LPARAM l) {
    return FHandle != nullptr ? SendMessageW(FHandle, msg, w, l) : 0;
}

void TCustomFormatEditor::SetBounds(RECT bounds) {
    FBounds = bounds;
    if (FHandle != nullptr)
        MoveWindow(FHandle, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                   TRUE);
}

void TCustomFormatEditor::SetFocus() {
    if (HWND window = Handle()) ::SetFocus(window);
}

void TCustomFormatEditor::Show(bool visible) {
    FVisible = visible;
    if (FHandle != nullptr) ShowWindow(FHandle, visible ? SW_SHOW : SW_HIDE);
}

void TCustomFormatEditor::ColorChanged() {
    if (FHandle == nullptr) return;
    SendMessageW(FHandle, EFM_SETBACKGROUND, 0, static_cast<LPARAM>(FColor));
    std::uint32_t six[6] = {0, FBackColor, FHighColor, FShadColor, FGrad1Color, FGrad2Color};
    SendMessageW(FHandle, EFM_SETCOLORS, 0, reinterpret_cast<LPARAM>(six));
}

// The font as the document's default character format; strike-out does not carry over.
void TCustomFormatEditor::TransferDefaultFont() {
    if (FHandle == nullptr) return;
    TCharFormat f{};
    platform::unicode_to_field(FDefFont.Name, f.ftFaceName);
    f.ftHeight = static_cast<std::int16_t>(std::clamp(FDefFont.Size, 1, 1638));
    f.ftAttr = static_cast<std::uint8_t>((FDefFont.Bold ? 1 : 0) | (FDefFont.Italic ? 2 : 0));
    f.ftUnderline = FDefFont.Underline ? 1 : 0;
    f.ftColor = FDefFont.Color;
    f.ftShadColor = 0xC0C0C0;
    f.ftScale = 100;
    SendMessageW(FHandle, EFM_SETDEFAULTFONT, 0, reinterpret_cast<LPARAM>(&f));
}

std::uint32_t TCustomFormatEditor::Version() { return static_cast<std::uint32_t>(Send(EFM_GETVERSION)); }
const char16_t* TCustomFormatEditor::TextBuffer() {
    return reinterpret_cast<const char16_t*>(Send(EFM_GETTEXTBUFFER));
}
const std::uint8_t* TCustomFormatEditor::FormatBuffer() {
    return reinterpret_cast<const std::uint8_t*>(Send(EFM_GETFORMATBUFFER));
}

void TCustomFormatEditor::SetBitmapMode(TBitmapMode mode) {
    FBitmapMode = mode;
    Send(EFM_SETBITMAPMODE, 0, mode);
}

void TCustomFormatEditor::SetBorderStyle(TBorderStyle style) {
    if (style == FBorderStyle) return;
    FBorderStyle = style;
    RecreateWindow();
}

void TCustomFormatEditor::SetCtl3D(bool on) {
    if (on == FCtl3D) return;
    FCtl3D = on;
    if (FBorderStyle == bsSingle) RecreateWindow(); // the frame's look comes from the styles
}

// The window is made again for a new frame; the document, its modified flag and the
// selection go with it.
void TCustomFormatEditor::RecreateWindow() {
    if (FHandle == nullptr) return;
    const bool modified = IsModified();
    const TTextRange selection = FCharacters.Selection();
    HGLOBAL document = Data();
    DestroyHandle();
    if (CreateHandle() && document != nullptr) {
        SetData(document);
        FCharacters.SetSelection(selection);
        SetIsModified(modified);
    }
    if (document != nullptr) GlobalFree(document);
}

void TCustomFormatEditor::SetColorStyle(TColorStyle style) {
    if (style == FColorStyle) return;
    FColorStyle = style;
    Send(EFM_SETCOLORSTYLE, 0, style);
}

int TCustomFormatEditor::CurrentPage() { return static_cast<int>(Send(EFM_GETCURRENTPAGE)); }
HGLOBAL TCustomFormatEditor::Data() { return reinterpret_cast<HGLOBAL>(Send(EFM_GETDATA)); }

bool TCustomFormatEditor::SetData(HGLOBAL block) {
    return block != nullptr && Send(EFM_SETDATA, 0, reinterpret_cast<LPARAM>(block)) != 0;
}

std::uint32_t TCustomFormatEditor::DataSize() {
    return static_cast<std::uint32_t>(SendIfMade(EFM_GETDATASIZE));
}

void TCustomFormatEditor::SetDefFont(const TFont& font) {
    FDefFont = font;
    TransferDefaultFont();
}

int TCustomFormatEditor::DocumentHeight() { return static_cast<int>(Send(EFM_GETDOCUMENTHEIGHT)); }

void TCustomFormatEditor::SetDocumentType(TDocTypes type) {
    FDocType = type;
    SendIfMade(EFM_SETDOCUMENTTYPE, 0, 0x601 + type);
}

void TCustomFormatEditor::SetEnableVietKey(bool on) {
    FVietKey = on;
    Send(EFM_ENABLEVIETKEY, on ? 1 : 0);
}

void TCustomFormatEditor::SetTonePlacement(int style) {
    if (style < 0 || style > 2) return;
    FTonePlacement = style;
    Send(EFM_SETTONEPLACEMENT, static_cast<WPARAM>(style));
}

void TCustomFormatEditor::SetKeepDecomposed(bool keep) {
    FKeepDecomposed = keep;
    Send(EFM_KEEPDECOMPOSED, keep ? 1 : 0);
}

int TCustomFormatEditor::Pages() { return static_cast<int>(Send(EFM_REPAGINATE)); }

void TCustomFormatEditor::SetHScrollbar(HWND bar) {
    FHScroll = bar;
    Send(EFM_SETHSCROLLBAR, reinterpret_cast<WPARAM>(bar));
}

void TCustomFormatEditor::SetVScrollbar(HWND bar) {
    FVScroll = bar;
    Send(EFM_SETVSCROLLBAR, reinterpret_cast<WPARAM>(bar));
}

bool TCustomFormatEditor::IsModified() { return Send(EFM_GETMODIFIED) != 0; }
void TCustomFormatEditor::SetIsModified(bool modified) { Send(EFM_SETMODIFIED, modified ? 1 : 0); }

void TCustomFormatEditor::SetKeyType(TEditorKeyType type) {
    if (type == FKeyType) return;
    FKeyType = type;
    Send(EFM_SETKEYTYPE, type == ktInternational ? 1 : 0);
}

void TCustomFormatEditor::SetMarkType(TEditorMarkType type) {
    if (type == FMarkType) return;
    FMarkType = type;
    SendIfMade(EFM_SETMARKTYPE, FMarkType, FMarkColor);
}

void TCustomFormatEditor::SetMarkColor(COLORREF color) {
    if (color == FMarkColor) return;
    FMarkColor = color;
    SendIfMade(EFM_SETMARKTYPE, FMarkType, FMarkColor);
}

void TCustomFormatEditor::SetOptions(TEditorOptions options) {
    FOptions = options;
    if (FHandle == nullptr) return;
    SendMessageW(FHandle, EFM_SETEDITTYPE, 0, EditStyleOf(options));
    Refresh();
}

int TCustomFormatEditor::ObjectCount() { return static_cast<int>(Send(EFM_GETOBJECTCOUNT)); }

void TCustomFormatEditor::SetPageSetup(const TPageRec& page) {
    FPageSetup = page;
    Send(EFM_SETPAGE, 0, reinterpret_cast<LPARAM>(&FPageSetup));
}

void TCustomFormatEditor::SetPrinting(bool on) {
    if (on == FPrinting) return;
    if (on)
        BeginPrint();
    else
        EndPrint();
}

void TCustomFormatEditor::SetShowObject(bool show) {
    if (show == FShowObj) return;
    FShowObj = show;
    SendIfMade(EFM_HIDEOBJECTS, show ? 0 : 1);
}

void TCustomFormatEditor::SetSpecialRightClick(bool on) {
    if (on == FRightClick) return;
    FRightClick = on;
    Send(EFM_SETSPECIALRIGHTBUTTON, on ? 1 : 0);
}

std::int32_t TCustomFormatEditor::TopIndex() { return static_cast<std::int32_t>(Send(EFM_GETTOPINDEX)); }
void TCustomFormatEditor::SetTopIndex(std::int32_t index) {
    Send(EFM_SETTOPINDEX, static_cast<WPARAM>(index));
}

void TCustomFormatEditor::SetFittingObjects(bool on) {
    FEnableFitting = on;
    Send(EFM_ENABLEFITOBJS, on ? 1 : 0);
}

void TCustomFormatEditor::SetHighlightColor(COLORREF color) {
    if (color == FHighlightColor) return;
    FHighlightColor = color;
    Send(EFM_SETHIGHLIGHTSTYLE, FHighlightStyle, FHighlightColor);
}

void TCustomFormatEditor::SetHighlightStyle(std::uint8_t style) {
    if (style == FHighlightStyle) return;
    FHighlightStyle = style;
    Send(EFM_SETHIGHLIGHTSTYLE, FHighlightStyle, FHighlightColor);
}

void TCustomFormatEditor::SetEnglishLanguage(bool on) {
    if (on == FUseEnglish) return;
    FUseEnglish = on;
    Send(EFM_SETLANGUAGE, on ? 1 : 0);
}

PObjectInfo TCustomFormatEditor::Objects(int index) {
    return reinterpret_cast<PObjectInfo>(Send(EFM_GETOBJECTINFO, static_cast<WPARAM>(index)));
}
HANDLE TCustomFormatEditor::Pictures(int index) {
    return reinterpret_cast<HANDLE>(Send(EFM_GETOBJECT, static_cast<WPARAM>(index)));
}
std::uint16_t TCustomFormatEditor::HotKeys(int routine) {
    return static_cast<std::uint16_t>(Send(EFM_GETHOTKEY, static_cast<WPARAM>(routine)));
}
void TCustomFormatEditor::SetHotKeys(int routine, std::uint16_t shortcut) {
    Send(EFM_SETHOTKEY, static_cast<WPARAM>(routine), shortcut);
}

} // namespace zeledit
