// Pages, printing and preview: the print and preview layouts, pagination, and a page drawn
// onto a printer or a preview device context.
#include "display/line_layout.h"
#include "display/paint_line.h"
#include "engine/format_editor.h"
#include "engine/notifications.h"
#include "model/device_metrics.h"
#include "platform/graphics_support/graphics_support.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace zeledit::engine {
namespace {

using model::RoundNearest;

// What page geometry needs of the printer the host lends.
struct TPrinterCaps {
    HDC DC;
    int HorzRes, VertRes, LogPixelsX, LogPixelsY;
};

// A device without a size or a resolution counts as no printer: every scale divides by them.
std::optional<TPrinterCaps> QueryPrinter(HWND editor) {
    HDC dc = reinterpret_cast<HDC>(Notify(editor, EFN_QUERYPRINTER, reinterpret_cast<WPARAM>(editor)));
    if (dc == nullptr) return std::nullopt;
    const TPrinterCaps caps{dc, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES),
                            GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY)};
    if (caps.HorzRes <= 0 || caps.VertRes <= 0 || caps.LogPixelsX <= 0 || caps.LogPixelsY <= 0)
        return std::nullopt;
    return caps;
}

// Inches at a resolution, held within the pixels a format may give.
int Pixels(double dpi, double inches) {
    return std::clamp(RoundNearest(dpi * inches), -model::MaxFormatPixels, model::MaxFormatPixels);
}

double PrintScale(const TPageRec& p) {
    const std::uint16_t scale = p.pgScale;
    return scale >= 10 && scale <= 100 ? scale / 100.0 : 1.0;
}

std::int32_t ColumnsOf(const TPageRec& p) {
    const std::uint16_t n = p.pgTabNumber;
    return n == 0 ? 1 : n;
}

int HalfPoint(int dpi) { return RoundNearest(dpi * 0.5 / 72); }

} // namespace

void TFormatEditor::UsePrintMetrics() {
    model::PutInForce({FPrint.PrintDotPerInchX, FPrint.PrintDotPerInchY, HalfPoint(FPrint.PrintDotPerInchY)});
}

void TFormatEditor::UseScreenMetrics() { model::PutInForce({}); }

LRESULT TFormatEditor::WindowProc(TMessage& msg) {
    // A message inside another of this editor keeps the metrics the outer one has in force.
    std::optional<model::TMetricsInForce> metrics;
    if (FEntered == 0) metrics.emplace(FPrint.Metrics);
    ++FEntered;
    struct Leave {
        int& entered;
        ~Leave() { --entered; }
    } leave{FEntered};
    return DefWndProc(msg);
}

RECT TFormatEditor::PageColumnRect() {
    const TPageRec& p = FPrint.PageSetup();
    FView.Columns = ColumnsOf(p);
    const auto caps = QueryPrinter(HWindow);
    RECT r{};
    if (!caps) {
        GetClientRect(HWindow, &r);
        return r;
    }
    const int x = model::DotPerInchX, y = model::DotPerInchY;
    const std::int64_t gap = RoundNearest(x / 4.0);
    const std::int64_t width = std::int64_t{RoundNearest(double(caps->HorzRes) * x / caps->LogPixelsX)} -
                               Pixels(x, p.pgLeft) - Pixels(x, p.pgRight);
    const std::int64_t height = std::int64_t{RoundNearest(double(caps->VertRes) * y / caps->LogPixelsY)} -
                                Pixels(y, p.pgTop) - Pixels(y, p.pgBottom);
    const std::int64_t column = (width - (FView.Columns - 1) * gap) / FView.Columns;
    r.right = static_cast<LONG>(std::clamp<std::int64_t>(column, 0, model::MaxFormatPixels));
    r.bottom = static_cast<LONG>(std::clamp<std::int64_t>(height, 0, model::MaxFormatPixels));
    return r;
}

void TFormatEditor::GetPageSize() { edInfo.eiBoundRect = PageColumnRect(); }

void TFormatEditor::GetPageRect(RECT& Rect) const {
    const TPageRec& p = FPrint.PageSetup();
    const int x = model::DotPerInchX, y = model::DotPerInchY;
    Rect = {0, 0, FPrint.PrintInfo.PageWidth - Pixels(x, p.pgLeft) - Pixels(x, p.pgRight),
            FPrint.PrintInfo.PageHeight - Pixels(y, p.pgTop) - Pixels(y, p.pgBottom)};
}

void TFormatEditor::EFMSetPage(const TPageRec* Setup) {
    if (Setup == nullptr) return;
    FPrint.SetPageSetup(*Setup);
    if ((FSettings.FEditStyle & esControl) != 0 || edInfo.eiPrinting) return;
    GetPageSize();
    GetLines();
    ValidateWindow();
    SetIndex(edInfo.eiIndex);
    UpdateHScrollbar();
}

// The window's layout depends on the printer only in page mode.
void TFormatEditor::PrinterChange() {
    if ((FSettings.FEditStyle & esControl) != 0 || edInfo.eiPrinting) return;
    GetPageSize();
    GetLines();
    ValidateWindow();
    UpdateHScrollbar();
}

bool TFormatEditor::StartPrintLayout(bool Preview) {
    const TPageRec& p = FPrint.PageSetup();
    FView.Columns = ColumnsOf(p);
    const auto caps = QueryPrinter(HWindow);
    if (!caps) return false;
    KeepWindowLayout();
    const double s = PrintScale(p);
    const int resX = RoundNearest((Preview ? 96.0 : caps->LogPixelsX) * s);
    const int resY = RoundNearest((Preview ? 96.0 : caps->LogPixelsY) * s);
    model::PutInForce({std::max(resX, 1), std::max(resY, 1), model::PenUnit});
    const double toX = Preview ? 96.0 / caps->LogPixelsX : 1.0, toY = Preview ? 96.0 / caps->LogPixelsY : 1.0;
    FPrint.PrintInfo = {RoundNearest(s * caps->HorzRes * toX), RoundNearest(s * caps->VertRes * toY)};
    FPrint.PrintDotPerInchX = model::DotPerInchX;
    FPrint.PrintDotPerInchY = model::DotPerInchY;
    FFonts->RecreateFonts(caps->DC);
    GetPageSize();
    edInfo.eiPrinting = true;
    model::PenUnit = HalfPoint(model::DotPerInchY);
    GetLines();
    FPrint.Kept.Changes = FLines->Changes();
    FPrint.Kept.HadFocus = GetFocus() == HWindow;
    EnableWindow(HWindow, FALSE);
    if (Preview)
        model::PenUnit = 1;
    else
        UseScreenMetrics();
    return true;
}

// The window's lines go aside (once, when the first print or preview layout starts).
void TFormatEditor::KeepWindowLayout() {
    TPrintState::TKeptLayout& kept = FPrint.Kept;
    if (edInfo.eiPrinting || kept.Lines) return;
    kept.Bound = edInfo.eiBoundRect;
    kept.OriginX = FView.OriginX;
    kept.Lines = std::move(FLines);
    FLines = std::make_unique<display::TEditorLines>(&edInfo);
    edInfo.eiLines = FLines.get();
}

// The kept lines come back when nothing changed the print layout's lines (every edit and every
// new layout does) and the text area has the width it had; objects floated beside the text take
// their places from the last layout, so with them the window is laid out again.
bool TFormatEditor::RestoreWindowLayout() {
    TPrintState::TKeptLayout kept = std::move(FPrint.Kept);
    FPrint.Kept = {};
    if (!kept.Lines || FLines->Changes() != kept.Changes || FObjects->AnyFloated() ||
        kept.Bound.right - kept.Bound.left != edInfo.eiBoundRect.right - edInfo.eiBoundRect.left)
        return false;
    FLines = std::move(kept.Lines);
    edInfo.eiLines = FLines.get();
    FObjects->ResetObjects();
    if (edInfo.eiFitting) FObjects->FitObjects();
    FView.OriginX = kept.OriginX;
    FView.CurrentLine = FLines->GetLinePos(edInfo.eiIndex);
    UpdateScrollbar();
    FLines->UpdateBottomLine();
    return true;
}

bool TFormatEditor::BeginPrint() { return StartPrintLayout(false); }
bool TFormatEditor::BeginPreview() { return StartPrintLayout(true); }

void TFormatEditor::EndPrint() {
    if (!edInfo.eiPrinting) return;
    const bool had_focus = std::exchange(FPrint.Kept.HadFocus, false);
    UseScreenMetrics();
    {
        const platform::WindowDC dc(HWindow);
        FFonts->RecreateFonts(dc);
    }
    edInfo.eiPrinting = false;
    edInfo.eiBoundRect = GetBoundRect();
    if (!RestoreWindowLayout()) GetLines();
    ValidateWindow();
    UpdateCaret();
    EnableWindow(HWindow, TRUE);
    if (had_focus && GetFocus() == nullptr) SetFocus(HWindow);
    if ((FSettings.FEditStyle & esControl) == 0) UpdateHScrollbar();
}

std::int32_t TFormatEditor::Repaginate() {
    FPrint.Pages.FreeAll();
    if (!BeginPrint()) return 0;
    UsePrintMetrics();
    FPrint.Pages.Paginate(*FLines, *FObjects, edInfo.eiBoundRect.bottom, FView.Columns);
    EndPrint();
    return FPrint.Pages.Count();
}

void TFormatEditor::DrawPage(HDC dc, std::int32_t Page, int ColumnPitch, const RECT& R) {
    SetViewportOrgEx(dc, R.left, R.top, nullptr);
    THeaderFooterInfo info{dc, static_cast<std::uint16_t>(Page), {}};
    GetPageRect(info.Rect);
    Notify(HWindow, EFN_QUERYHEADERFOOTER, reinterpret_cast<WPARAM>(HWindow),
           reinterpret_cast<LPARAM>(&info));
    const display::TPageItem* page = FPrint.Pages.Page(Page);
    if (page == nullptr) return;
    std::int32_t k = FPrint.Pages.FirstLine(*page, *FLines);
    if (k >= FLines->Count()) return;
    const std::int16_t bitmap_mode = edInfo.eiBitmapMode;
    edInfo.eiBitmapMode = 0;
    model::TLineInfo& line = edInfo.eiCurrentLine;
    line.tmEraseBackground = line.tmEndOfDoc = false;
    const display::TLineItem& first = *FLines->Line(k);
    model::TParagraphItem* para = FParas->GetParaInfo(first.At, first.IsFirstLine(*FBuffer));
    display::TColumnFill column(*FObjects, edInfo.eiBoundRect.bottom, FLines->GetAbsPos(k));
    std::int32_t col = 0;
    bool closed = false;
    while (k < FLines->Count() && !line.tmEndOfDoc && col < FView.Columns) {
        const int h = FLines->Line(k)->TotalHeight();
        if (column.Full(h)) {
            FObjects->PrintFloatedObjectAt(dc, column.Top());
            ++col;
            SetViewportOrgEx(dc, R.left + col * ColumnPitch, R.top, nullptr);
            if (col < FView.Columns) {
                const int middle = -RoundNearest(model::DotPerInchX / 8.0);
                platform::Line(dc, middle, edInfo.eiBoundRect.top, middle, edInfo.eiBoundRect.bottom, 1, 0);
            }
            column.OpenColumn();
            if (col >= FView.Columns) {
                closed = true;
                break;
            }
        }
        const int y = column.Used();
        FLines->GetLineInfo(k, y);
        display::PaintLine(dc, y, *para, edInfo, line);
        column.Add(h);
        if (++k < FLines->Count()) display::NextLineParagraph(FLines->Line(k)->At, para, edInfo, line);
    }
    if (!closed) FObjects->PrintFloatedObjectAt(dc, column.Top());
    edInfo.eiBitmapMode = bitmap_mode;
}

void TFormatEditor::PrintPage(HDC dc, TPrintPageRequest* Request) {
    if (!edInfo.eiPrinting || Request == nullptr) return;
    const std::int32_t page = Request->Page;
    if (page < 1 || page > FPrint.Pages.Count()) return;
    UsePrintMetrics();
    const TPageRec& p = FPrint.PageSetup();
    const int x = model::DotPerInchX, y = model::DotPerInchY;
    const int left = Pixels(x, p.pgLeft), top = Pixels(y, p.pgTop);
    Request->Rect = {left, top, FPrint.PrintInfo.PageWidth - Pixels(x, p.pgRight) - left,
                     FPrint.PrintInfo.PageHeight - Pixels(y, p.pgBottom) - top};
    const RECT r{left, top, left + Request->Rect.right, top + Request->Rect.bottom};
    DrawPage(dc, page, RoundNearest(x / 4.0) + edInfo.eiBoundRect.right, r);
    UseScreenMetrics();
}

void TFormatEditor::PreviewPageEx(const TPreviewRequest* Request) {
    if (Request == nullptr) return;
    const std::int32_t page = Request->Page;
    if (page < 1 || page > FPrint.Pages.Count()) return;
    const std::uint16_t zoom = Request->Zoom;
    const auto caps = zoom != 0 ? QueryPrinter(HWindow) : std::nullopt; // zoom 0: a page of no size
    if (!caps) return;
    UsePrintMetrics();
    HDC dc = Request->DC;
    const double z = 96.0 / caps->LogPixelsX * zoom / 100;
    const TPageRec& p = FPrint.PageSetup();
    const double x = model::DotPerInchX, y = model::DotPerInchY;
    const RECT area{0, 0, RoundNearest(caps->HorzRes * z), RoundNearest(caps->VertRes * z)};
    if (!edInfo.eiTransparent) FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const RECT r{Pixels(x * z, p.pgLeft), Pixels(y * z, p.pgTop), area.right - Pixels(x * z, p.pgRight),
                 area.bottom - Pixels(y * z, p.pgBottom)};
    const int old_mode = SetGraphicsMode(dc, GM_ADVANCED);
    const int old_map = SetMapMode(dc, MM_ANISOTROPIC);
    const float scale = static_cast<float>(RoundNearest(96.0 / caps->LogPixelsX * zoom) / 100.0);
    const XFORM zoomed{scale, 0, 0, scale, 0, 0}, identity{1, 0, 0, 1, 0, 0};
    SetWorldTransform(dc, &zoomed);
    DrawPage(dc, page, RoundNearest((RoundNearest(x / 4) + edInfo.eiBoundRect.right) * z), r);
    SetWorldTransform(dc, &identity);
    SetMapMode(dc, old_map);
    SetGraphicsMode(dc, old_mode);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    UseScreenMetrics();
}

void TFormatEditor::PreviewPageDC(HDC dc, std::int32_t Page) {
    if (Page < 1 || Page > FPrint.Pages.Count()) return;
    const auto caps = QueryPrinter(HWindow);
    if (!caps) return;
    model::PutInForce({96, 96, HalfPoint(96)});
    const TPageRec& p = FPrint.PageSetup();
    const RECT area{0, 0, RoundNearest(96.0 / caps->LogPixelsX * caps->HorzRes),
                    RoundNearest(96.0 / caps->LogPixelsY * caps->VertRes)};
    if (!edInfo.eiTransparent) FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const RECT r{Pixels(96, p.pgLeft), Pixels(96, p.pgTop), area.right - Pixels(96, p.pgRight),
                 area.bottom - Pixels(96, p.pgBottom)};
    DrawPage(dc, Page, RoundNearest(96 / 4.0) + edInfo.eiBoundRect.right, r);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    UseScreenMetrics();
}

bool TFormatEditor::GetPreviewRect(int Zoom, RECT& Rect) {
    Rect = {};
    const auto caps = QueryPrinter(HWindow);
    if (!caps) return false;
    const TPageRec& p = FPrint.PageSetup();
    const double h = 96.0 / caps->LogPixelsX * Zoom / 100;
    Rect = {Pixels(h * caps->LogPixelsX, p.pgLeft), Pixels(h * caps->LogPixelsY, p.pgTop),
            RoundNearest(h * caps->HorzRes) - Pixels(h * caps->LogPixelsX, p.pgRight),
            RoundNearest(h * caps->VertRes) - Pixels(h * caps->LogPixelsY, p.pgBottom)};
    return true;
}

RECT TFormatEditor::GetPreviewRectDC() const {
    return {0, 0, FPrint.PrintInfo.PageWidth, FPrint.PrintInfo.PageHeight};
}

std::int32_t TFormatEditor::GetCurrentPage() const {
    return FPrint.Pages.PageOf(edInfo.eiIndex, FBuffer->TextLength());
}

void TFormatEditor::Print() { PostNotify(HWindow, EFN_PRINT); }

void TFormatEditor::UpdateHScrollbar() {
    if ((FSettings.FEditStyle & (esControl | esNoScrollBars)) != 0) return;
    RECT client{};
    GetClientRect(HWindow, &client);
    const int surplus = (edInfo.eiBoundRect.right - edInfo.eiBoundRect.left) - (client.right - client.left);
    if (surplus > 0) {
        if (FView.HScrollbar != nullptr) {
            EnableWindow(FView.HScrollbar, TRUE);
            SendMessageW(FView.HScrollbar, SetRangeMessage, 1, surplus + 9);
        } else {
            EnableScrollBar(HWindow, SB_HORZ, ESB_ENABLE_BOTH);
            SetScrollRange(HWindow, SB_HORZ, 0, surplus + 8, TRUE);
        }
    } else if (FView.HScrollbar != nullptr) {
        SendMessageW(FView.HScrollbar, SetRangeMessage, 1, 0);
    } else {
        EnableScrollBar(HWindow, SB_HORZ, ESB_DISABLE_BOTH);
    }
}

bool TFormatEditor::EFMPageMessage(TMessage& msg) {
    switch (msg.Msg) {
    case EFM_SETPAGE: EFMSetPage(reinterpret_cast<const TPageRec*>(msg.LParam)); return true;
    case EFM_PRINTERCHANGE: PrinterChange(); return true;
    case EFM_REPAGINATE: msg.Result = Repaginate(); return true;
    case EFM_BEGINPRINT: msg.Result = BeginPrint() ? 1 : 0; return true;
    case EFM_BEGINPREVIEW: msg.Result = BeginPreview() ? 1 : 0; return true;
    case EFM_ENDPRINT: EndPrint(); return true;
    case EFM_PRINTPAGE:
        PrintPage(reinterpret_cast<HDC>(msg.WParam), reinterpret_cast<TPrintPageRequest*>(msg.LParam));
        return true;
    case EFM_PAGEPREVIEW: PreviewPageEx(reinterpret_cast<const TPreviewRequest*>(msg.LParam)); return true;
    case EFM_PREVIEWPAGEDC: PreviewPageDC(reinterpret_cast<HDC>(msg.WParam), LOWORD(msg.LParam)); return true;
    case EFM_GETPREVIEWRECT:
        if (auto* r = reinterpret_cast<RECT*>(msg.LParam))
            msg.Result = GetPreviewRect(LOWORD(msg.WParam), *r) ? 1 : 0;
        return true;
    case EFM_GETPREVIEWRECTDC:
        if (auto* r = reinterpret_cast<RECT*>(msg.LParam)) *r = GetPreviewRectDC();
        return true;
    case EFM_GETCURRENTPAGE: msg.Result = GetCurrentPage(); return true;
    default: return false;
    }
}

} // namespace zeledit::engine
