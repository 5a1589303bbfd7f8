#include "engine/format_editor.h"

#include "engine/notifications.h"
#include "platform/user/window_dc.h"

#include <algorithm>
#include <cstring>

namespace zeledit::engine {
namespace {

constexpr UINT_PTR editor_timer = 1;
constexpr UINT editor_timer_ms = 100;

// The low 32 bits carry a message's documented 32-bit value.
std::int32_t low32(std::uint64_t v) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(v)); }

bool in_protocol(UINT msg) {
    return std::find(EditorMessageNumbers.begin(), EditorMessageNumbers.end(), msg) !=
           EditorMessageNumbers.end();
}

// Record of EFM_SETCOLORS: palette, face, highlight and shadow colours.
struct ColorsRecord {
    std::uint32_t palette;
    COLORREF face, highlight, shadow;
};

} // namespace

TPageRec DefaultPageSetup() {
    TPageRec p{};
    p.pgTop = 1.0;
    p.pgBottom = 1.0;
    p.pgLeft = 1.25;
    p.pgRight = 1.25;
    p.pgStartAt = 1;
    p.pgScale = 100;
    p.pgTabNumber = 1;
    return p;
}

TFormatEditor::TFormatEditor(HWND AParent) : HWindow(AParent) {
    FSettings.FLanguage = 0;
    FSettings.FResource = SharedEditorResource();
    FSettings.EnableSelecting = FSettings.EnableContextMenu = true;
    InitEditorInfo();
    FPrint.SetPageSetup(DefaultPageSetup());
    FSettings.FEditStyle = esControl;
    FSettings.CanModify = true;
    FSettings.IsModified = FALSE;
    FView.OriginX = 0;
    FMouse.SetTakesFocus(true);
    FMouse.SetShowsHand(false);
    FSettings.FEnableFitObjs = true;
    FSettings.FBackColor = GetSysColor(COLOR_BTNFACE);
    FSettings.FHighColor = GetSysColor(COLOR_BTNHIGHLIGHT);
    FSettings.FShadColor = GetSysColor(COLOR_BTNSHADOW);
    FSettings.FColorStyle = cts_Auto;
    FInput.SetVietKey(FALSE);
    FInput.SetKeyboard(std::make_unique<TEditorKeyboard>(this));
    FCaret.Reset();
    FView.Columns = 1;
    FView.CurrentLine = 0;
    // The host may put its own dialog face name here; its answer is cut to the field.
    std::strcpy(FSettings.SystemFont, "Tahoma");
    Notify(HWindow, EFN_QUERYSYSTEMFONT, 0, reinterpret_cast<LPARAM>(FSettings.SystemFont));
    FSettings.SystemFont[sizeof FSettings.SystemFont - 1] = 0;
    FSettings.Measurement = 0;
    FSettings.FShowObject = true;
    SetTimer(HWindow, editor_timer, editor_timer_ms, nullptr);
    GetLines();
    FUndoObj = std::make_unique<model::TUndoOperator>(*this, 10);
    FInput.EndBurst();
    FSettings.FDefaultCharFormat = TCharFormat{};
    std::strcpy(FSettings.FDefaultCharFormat.ftFaceName, "Times New Roman");
    FSettings.FDefaultCharFormat.ftHeight = 11;
    // A style chosen before the caret ever moved changes a real format, not a zero record.
    FInput.SetTypingFont(0, FFonts->GetFormatItem(0)->FAttributes);
}

void TFormatEditor::InitEditorInfo() {
    model::TEditorInfo& ei = edInfo;
    ei = model::TEditorInfo{};
    ei.eiWindow = HWindow;
    ei.eiBackgroundBrush = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
    ei.eiTransparent = false;
    ei.eiIndex = 0;
    ei.eiEditorType = 0x601;
    ei.eiSelStart = ei.eiSelEnd = 0;
    ei.eiHighColor = 255;
    ei.eiStateColor = 255;
    FBuffer = std::make_unique<model::TEditorBuffer>(&edInfo);
    ei.eiBuffers = FBuffer.get();
    FFonts = std::make_unique<model::TEditorFonts>(&edInfo);
    ei.eiFonts = FFonts.get();
    FParas = std::make_unique<model::TEditorParagraphs>(&edInfo);
    ei.eiParas = FParas.get();
    FObjects = std::make_unique<objects::TEditorObjects>(&edInfo);
    FObjects->ExpertMode = (FSettings.FEditStyle & esExpert) != 0;
    ei.eiObjects = FObjects.get();
    FLines = std::make_unique<display::TEditorLines>(&edInfo);
    ei.eiLines = FLines.get();
    FLinks = std::make_unique<model::THyperLinks>();
    ei.eiLinks = FLinks.get();
    FBuffer->SetWatcher(&FNotifier);
    FFonts->SetWatcher(&FNotifier);
    FParas->SetWatcher(&FNotifier);
    GetClientRect(HWindow, &ei.eiBoundRect);
    FFonts->CreateDefaultFont();
    FParas->CreateDefaultPara();
    FSettings.LastBullet = FParas->GetFormatItem(0)->FAttributes.ptBullet;
}

TFormatEditor::~TFormatEditor() {
    FSearchForm.reset(); // it looks at the format table
    DeleteObject(edInfo.eiBackgroundBrush);
    KillTimer(HWindow, editor_timer);
    FBuffer->SetWatcher(nullptr);
    FFonts->SetWatcher(nullptr);
    FParas->SetWatcher(nullptr);
    edInfo.eiObjects = nullptr;
    FObjects.reset();
    edInfo.eiLines = nullptr;
    FLines.reset();
    edInfo.eiLinks = nullptr;
    FLinks.reset();
    edInfo.eiBuffers = nullptr;
    FBuffer.reset();
    edInfo.eiFonts = nullptr;
    FFonts.reset();
    edInfo.eiParas = nullptr;
    FParas.reset();
    FInput.SetKeyboard(nullptr);
    if ((FSettings.FEditStyle & esOwnPalette) != 0 && FSettings.EditPalette != nullptr)
        DeleteObject(FSettings.EditPalette);
    FUndoObj.reset();
}

// A print layout takes the page's column whatever the window shows.
RECT TFormatEditor::GetBoundRect() {
    if ((FSettings.FEditStyle & esControl) == 0 || edInfo.eiPrinting) return PageColumnRect();
    RECT r{};
    GetClientRect(HWindow, &r);
    return r;
}

void TFormatEditor::ValidateWindow() {
    Notify(HWindow, EFN_HIDECOMMENT);
    FObjects->Hide();
    FObjects->ZeroObjPos();
    InvalidateRect(HWindow, nullptr, TRUE);
}

void TFormatEditor::ActivateObjects() {
    if (FObjects->Count() == 0) return;
    const platform::WindowDC dc(HWindow);
    FObjects->Action(dc);
}

void TFormatEditor::SetEditType(std::int32_t et) {
    const std::int32_t old = FSettings.FEditStyle;
    FSettings.FEditStyle = et;
    edInfo.eiTransparent = (et & esTransparent) != 0;
    FObjects->ExpertMode = (et & esExpert) != 0;
    if (!edInfo.eiPrinting) edInfo.eiBoundRect = GetBoundRect();
    // Lines break at the new text area's width. Only a change of mode lays out again (or a
    // style sent unchanged, which hosts send to have the document laid out again).
    if ((old ^ et) == 0 || ((old ^ et) & esControl) != 0) {
        Refresh();
        if (FView.HScrollbar != nullptr)
            SetHScrollbar(FView.HScrollbar);
        else
            UpdateHScrollbar();
    }
    if (((old ^ et) & ~esControl) != 0) {
        if (et & esNoScrollBars) ShowScrollBar(HWindow, SB_BOTH, FALSE);
        FSettings.CanModify = (et & esReadOnly) == 0;
        FCaret.SetEnabled(FSettings.CanModify);
        if (FCaret.Visible()) {
            HideCaret(HWindow);
            DestroyCaret();
            FCaret.Lost();
        }
    }
    SetIndex(edInfo.eiIndex);
}

void TFormatEditor::SetBackground(COLORREF colour) {
    DeleteObject(edInfo.eiBackgroundBrush);
    edInfo.eiBackgroundBrush = CreateSolidBrush(colour);
    FParas->SetParaColor(0, colour);
    ValidateWindow();
}

void TFormatEditor::SetColorStyle(HPALETTE palette, TColorStyle style) {
    FSettings.FColorStyle = style;
    FSettings.EditPalette = palette;
}

void TFormatEditor::EnableFitObjs(bool on) {
    if (on == FSettings.FEnableFitObjs) return;
    FSettings.FEnableFitObjs = on;
    edInfo.eiFitting = on ? -1 : 0;
    Refresh(); // objects change size, and lines with them
}

void TFormatEditor::SetEditorState(std::uint32_t id, bool enable) {
    if (id == 1)
        FSettings.EnableSelecting = enable;
    else if (id == 2)
        FSettings.EnableContextMenu = enable;
}

bool TFormatEditor::EFMOwnMessage(TMessage& msg) {
    const std::int32_t w = low32(msg.WParam), l = low32(msg.LParam);
    switch (msg.Msg) {
    case EFM_SETBACKGROUND: SetBackground(static_cast<COLORREF>(l)); return true;
    case EFM_ENABLEMODIFY: FSettings.CanModify = true; return true;
    case EFM_DISABLEMODIFY: FSettings.CanModify = false; return true;
    case EFM_GETMODIFIED: msg.Result = FSettings.IsModified; return true;
    case EFM_SETSPECIALRIGHTBUTTON: FMouse.SetSpecialRightButton(w != 0); return true;
    case EFM_ENABLEVIETKEY: FInput.SetVietKey(w); return true;
    case EFM_SETBITMAPMODE: edInfo.eiBitmapMode = static_cast<std::int16_t>(LOWORD(msg.LParam)); return true;
    case EFM_SETCOLORSTYLE:
        SetColorStyle(reinterpret_cast<HPALETTE>(msg.WParam),
                      static_cast<TColorStyle>(LOBYTE(msg.LParam) & 3));
        return true;
    case EFM_SETEDITTYPE: SetEditType(l); return true;
    case EFM_SETDOCUMENTTYPE:
        if (l >= 0x601 && l <= 0x603) edInfo.eiEditorType = static_cast<std::uint16_t>(l);
        return true;
    case EFM_SETCOLORS:
        if (const auto* r = reinterpret_cast<const ColorsRecord*>(msg.LParam)) {
            FSettings.EditPalette = reinterpret_cast<HPALETTE>(static_cast<ULONG_PTR>(r->palette));
            FSettings.FBackColor = r->face;
            FSettings.FHighColor = r->highlight;
            FSettings.FShadColor = r->shadow;
            FObjects->SetColors(FSettings.EditPalette, FSettings.FBackColor, FSettings.FShadColor,
                                FSettings.FHighColor);
        }
        return true;
    case EFM_GETVERSION: msg.Result = EditorVersion; return true;
    case EFM_ENABLEFITOBJS: EnableFitObjs(w != 0); return true;
    case EFM_SETMODIFIED: FSettings.IsModified = w; return true;
    case EFM_SETEDITORSTATE: SetEditorState(static_cast<std::uint32_t>(w), l != 0); return true;
    case EFM_SETLANGUAGE: FSettings.FLanguage = LOBYTE(msg.WParam); return true;
    case EFM_KEEPDECOMPOSED:
        msg.Result = FSettings.FKeepDecomposed ? 1 : 0;
        FSettings.FKeepDecomposed = w != 0;
        return true;
    case EFM_SETTONEPLACEMENT:
        msg.Result = static_cast<LRESULT>(FInput.Placement());
        if (w >= 0 && w <= 2) FInput.SetPlacement(static_cast<ToneStyle>(w));
        return true;
    case EFM_GETTEXTLENGTH: msg.Result = FBuffer->TextLength(); return true;
    case EFM_GETTEXTBUFFER:
        msg.Result = reinterpret_cast<LRESULT>(FBuffer->HandOut()); // the host may write into it
        return true;
    case EFM_GETFORMATBUFFER: msg.Result = reinterpret_cast<LRESULT>(FBuffer->Formats()); return true;
    case EFM_GETWORDAT:
        FBuffer->GetWordAt(static_cast<std::uint32_t>(w), reinterpret_cast<char16_t*>(msg.LParam));
        return true;
    case EFM_SETMAXBUFFERSIZE: FBuffer->SetMaximumSize(static_cast<std::uint32_t>(l)); return true;
    case EFM_GETHOTKEY: msg.Result = FInput.Keyboard().GetHotKey(static_cast<std::uint32_t>(w)); return true;
    case EFM_ADDMENU: EFMAddMenu(reinterpret_cast<const TMenuItemRecord*>(msg.LParam)); return true;
    case EFM_SETHOTKEY:
        FInput.Keyboard().SetHotKey(static_cast<std::uint32_t>(w), LOWORD(msg.LParam));
        return true;
    default: return false;
    }
}

LRESULT TFormatEditor::DefWndProc(TMessage& msg) {
    msg.Result = 0;
    FBuffer->HostMayHaveWritten();
    switch (msg.Msg) {
    case WM_SIZE: WMSize(msg); return msg.Result;
    case WM_PAINT: WMPaint(); return 0;
    case WM_ERASEBKGND: return msg.Result = WMEraseBkgnd(reinterpret_cast<HDC>(msg.WParam));
    case WM_SETFOCUS: WMSetFocus(); return 0;
    case WM_KILLFOCUS: WMKillFocus(); return 0;
    case WM_VSCROLL: return msg.Result = WMVScroll(msg.WParam, msg.LParam);
    case WM_HSCROLL: return msg.Result = WMHScroll(msg.WParam, msg.LParam);
    case WM_MOUSEWHEEL: return msg.Result = WMMouseWheel(msg.WParam);
    case WM_GETDLGCODE: return msg.Result = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS;
    case WM_TIMER:
        ActivateObjects();
        FInput.Tick();
        CheckMousePause();
        return 0;
    case WM_KEYDOWN: return msg.Result = WMKeyDown(msg.WParam);
    case WM_SYSKEYDOWN: return msg.Result = WMSysKeyDown(msg.WParam, msg.LParam);
    case WM_CHAR: WMChar(static_cast<char16_t>(msg.WParam)); return 0;
    case WM_SYSCHAR:
        // Alt with a letter opens the menu of the window the editor sits in.
        if (!WMSysChar(static_cast<char16_t>(msg.WParam))) break;
        return 0;
    case WM_COMMAND: return msg.Result = WMCommand(msg.WParam, msg.LParam);
    case WM_MOUSEMOVE: WMMouseMove(msg.LParam); return 0;
    case WM_LBUTTONDOWN: WMLButtonDown(msg.LParam); return 0;
    case WM_LBUTTONUP: WMLButtonUp(msg.LParam); return 0;
    case WM_LBUTTONDBLCLK: WMDblClk(msg.LParam); return 0;
    case WM_RBUTTONDOWN: WMRButtonDown(msg.LParam); return 0;
    case WM_NOTIFY:
        // 1000: a sound object finished playing; the low byte names it.
        if (msg.WParam == 1000)
            if (auto* object = FObjects->FindByID(LOBYTE(msg.LParam))) object->Reset();
        return 0;
    case WM_COPY: EditCopy(); return 0;
    case WM_PASTE: EditPaste(); return 0;
    case WM_DESTROYCLIPBOARD: DeleteClipboardData(); return 0;
    default: break;
    }
    if (EFMOwnMessage(msg) || EFMObjectMessage(msg) || EFMDocumentMessage(msg) || EFMLinkMessage(msg) ||
        EFMLayoutMessage(msg) || EFMViewMessage(msg) || EFMEditMessage(msg) || EFMFormatMessage(msg) ||
        EFMFindMessage(msg) || EFMHighlightMessage(msg) || EFMPageMessage(msg))
        return msg.Result;
    if (in_protocol(msg.Msg)) return 0; // an operation of a part not present: answers 0
    return msg.Result = DefWindowProcW(HWindow, msg.Msg, msg.WParam, msg.LParam);
}

} // namespace zeledit::engine
