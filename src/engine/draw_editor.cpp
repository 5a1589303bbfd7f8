#include "engine/draw_editor.h"

#include "display/line_layout.h"
#include "display/paint_line.h"
#include "engine/notifications.h"
#include "platform/graphics_support/graphics_support.h"
#include "platform/user/window_dc.h"

#include <algorithm>

namespace zeledit::engine {
namespace {

constexpr int MinColumnWidth = 60;

} // namespace

TDrawEditor::TDrawEditor(HWND AParent) : TFormatEditor(AParent) {
    SetEditType(esReadOnly | esControl | esNoScrollBars);
    FMouse.SetTakesFocus(false);
    FCaret.SetEnabled(false);
    SetColumns(1);
}

int TDrawEditor::ClientHeight() const {
    RECT client{};
    GetClientRect(HWindow, &client);
    return client.bottom - client.top;
}

RECT TDrawEditor::GetBoundRect() {
    FView.Columns = std::max(FView.Columns, 1);
    RECT r{};
    GetClientRect(HWindow, &r);
    int width = 0;
    while (true) {
        width = (r.right - r.left - (FView.Columns - 1) * Spacing) / FView.Columns;
        if (width >= MinColumnWidth || FView.Columns == 1) break;
        --FView.Columns;
    }
    r.right = r.left + std::max(width, 0);
    ColumnWidth = width + Spacing;
    return r;
}

void TDrawEditor::FitColumns(bool Always) {
    const RECT old = edInfo.eiBoundRect;
    edInfo.eiBoundRect = GetBoundRect();
    // Lines laid out for another width would overrun their columns.
    if (Always || edInfo.eiBoundRect.right - edInfo.eiBoundRect.left != old.right - old.left) {
        const std::int32_t top = FLines->FTopLine;
        GetLines();
        FLines->SetTopLine(std::min(top, FLines->LastIndex()));
    }
    FLines->UpdateBottomLine();
    ValidateWindow();
}

void TDrawEditor::SetColumns(std::uint32_t Num) {
    FView.Columns = (Num & 0xFF) != 0 ? static_cast<std::int32_t>(Num & 0xFF) : 1;
    FitColumns(false);
}

void TDrawEditor::MakeBack() {
    RECT client{};
    GetClientRect(HWindow, &client);
    const platform::WindowDC screen(nullptr);
    FBack.reset(CreateCompatibleBitmap(screen, client.right + 1, client.bottom + 1));
    edInfo.eiBkBitmap = FBack.get();
}

void TDrawEditor::FreeBack() {
    FBack.reset();
    edInfo.eiBkBitmap = nullptr;
}

void TDrawEditor::SetBackground(bool Needed) {
    if (Needed == FBackNeeded) return;
    FBackNeeded = Needed;
    if (Needed && IsWindowVisible(HWindow))
        MakeBack();
    else
        FreeBack();
    ValidateWindow();
}

void TDrawEditor::Compose(HDC target, bool copy) {
    platform::UniqueGdi<HBITMAP> temporary;
    HBITMAP picture = FBack.get();
    RECT client{};
    GetClientRect(HWindow, &client);
    if (picture == nullptr) {
        temporary.reset(CreateCompatibleBitmap(target, client.right + 1, client.bottom + 1));
        picture = temporary.get();
    }
    HDC dc = CreateCompatibleDC(target);
    {
        platform::SelectedObject selected(dc, picture);
        // A host that paints no backdrop still gets a clean picture each time.
        const RECT all{0, 0, client.right + 1, client.bottom + 1};
        FillRect(dc, &all, edInfo.eiBackgroundBrush);
        Notify(HWindow, EFN_DRAWBACKGROUND, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(HWindow));
        DrawColumns(dc);
        Notify(HWindow, EFN_BACKGROUNDDRAWN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(HWindow));
        if (copy) {
            if (FSettings.EditPalette != nullptr) {
                SelectPalette(target, FSettings.EditPalette, TRUE);
                RealizePalette(target);
            }
            BitBlt(target, 0, 0, client.right + 1, client.bottom + 1, dc, 0, 0, SRCCOPY);
        }
    }
    DeleteDC(dc);
}

void TDrawEditor::PaintWindow(HDC dc) {
    if (FBackNeeded)
        Compose(dc, !NotDrawn);
    else
        DrawColumns(dc);
    if (edInfo.eiSelecting) UpdateSelect(dc, edInfo.eiSelStart, edInfo.eiSelEnd);
}

void TDrawEditor::ValidateWindow() {
    if (!FBack) return TFormatEditor::ValidateWindow();
    const platform::WindowDC dc(HWindow);
    PaintWindow(dc);
}

void TDrawEditor::WMSize(TMessage& msg) {
    if (msg.WParam == SIZE_MINIMIZED) return;
    if (FBack) MakeBack();
    FitColumns(true);
}

void TDrawEditor::WalkColumns(const std::function<bool(const Placed&)>& visit,
                              const std::function<void(int column, int top)>& closed) const {
    const int height = ClientHeight();
    std::int32_t k = FLines->FTopLine;
    int u = 0, column = 0;
    int column_top = FLines->FAbsTopLinePos, d = column_top;
    for (; k < FLines->Count() && column < FView.Columns; ++k) {
        const int h = FLines->Line(k)->TotalHeight();
        const bool last = column == FView.Columns - 1;
        const objects::TObjectItem* wrap = FObjects->GetWrapObjectAt(d, h);
        const bool opens = last ? u > height
                                : u + h > height || (wrap != nullptr &&
                                                     wrap->Position() + wrap->Height() - column_top > height);
        if (opens) {
            closed(column, column_top);
            if (++column == FView.Columns) return;
            column_top = d;
            u = 0;
        }
        if (!visit({k, column, u})) return;
        u += h;
        d += h;
    }
    closed(column, column_top);
}

void TDrawEditor::DrawColumns(HDC dc) {
    if (FLines->Line(FLines->FTopLine) == nullptr) return;
    edInfo.eiTransparent = true; // the host's backdrop shows between the lines
    model::TLineInfo& info = edInfo.eiCurrentLine;
    info.tmEraseBackground = info.tmEndOfDoc = false;
    const display::TLineItem& first = *FLines->Line(FLines->FTopLine);
    model::TParagraphItem* para = FParas->GetParaInfo(first.At, first.IsFirstLine(*FBuffer));
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    const RECT& r = edInfo.eiBoundRect;
    auto move_to = [&](int column) {
        SetViewportOrgEx(dc, origin.x + r.left + column * ColumnWidth, origin.y + r.top, nullptr);
    };
    move_to(0);
    int shown = 0; // the column being drawn
    WalkColumns(
        [&](const Placed& p) {
            if (p.column != shown) {
                shown = p.column;
                move_to(shown);
                if (LineBetween)
                    platform::Line(dc, -(Spacing / 2), 0, -(Spacing / 2), ClientHeight(), 1, LineColor);
            }
            FLines->GetLineInfo(p.line, p.y);
            display::PaintLine(dc, p.y, *para, edInfo, edInfo.eiCurrentLine);
            if (p.line + 1 < FLines->Count())
                display::NextLineParagraph(FLines->Line(p.line + 1)->At, para, edInfo, edInfo.eiCurrentLine);
            return !info.tmEndOfDoc;
        },
        [&](int column, int top) {
            move_to(column);
            FObjects->PrintFloatedObjectAt(dc, top);
        });
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
}

objects::TObjectItem* TDrawEditor::ObjectAt(int X, int Y) {
    return FObjects->ObjectInColumnsAt(X, Y, ColumnWidth);
}

bool TDrawEditor::MouseDownObject(int X, int Y, objects::TObjectItem*& Object) {
    return FObjects->MouseDownInColumns(X, Y, Object);
}

void TDrawEditor::ActivateObjects() {
    if (FObjects->Count() == 0) return;
    const platform::WindowDC dc(HWindow);
    FObjects->ActionInColumns(dc);
}

std::uint32_t TDrawEditor::IndexAtPosition(int x, int y) {
    if (ColumnWidth <= 0) return edInfo.eiIndex;
    const int column = x / ColumnWidth;
    std::int32_t hit = -1;
    WalkColumns(
        [&](const Placed& p) {
            if (p.column == column && y >= p.y && y < p.y + FLines->Line(p.line)->TotalHeight()) hit = p.line;
            return hit < 0 && p.column <= column;
        },
        [](int, int) {});
    if (hit < 0) return edInfo.eiIndex;
    FView.CurrentLine = hit;
    return FLines->Line(hit)->At + GetIndexOfPos(hit, x - column * ColumnWidth);
}

void TDrawEditor::UpdateSelect(HDC dc, std::uint32_t ASt, std::uint32_t AEnd) {
    const std::uint32_t length = FBuffer->TextLength();
    const std::uint32_t from = std::min({ASt, AEnd, length});
    const std::uint32_t to = std::min(std::max(ASt, AEnd), length);
    if (from == to || FLines->Count() == 0) return;
    WalkColumns(
        [&](const Placed& p) {
            const display::TLineItem& l = *FLines->Line(p.line);
            const std::uint32_t line_end = FLines->NextStart(p.line) - (p.line + 1 < FLines->Count() ? 1 : 0);
            if (line_end < from) return true;
            if (l.At > to) return false;
            const POINT a = GetCharPos(p.line, std::max(from, l.At));
            const POINT b = GetCharPos(p.line, std::min(to, line_end));
            const int left = p.column * ColumnWidth;
            const RECT band{left + a.x, p.y + l.FRegion.MoreHeight + a.y, left + b.x,
                            p.y + l.FRegion.MoreHeight + a.y + l.TextHeight()};
            if (band.left < band.right) InvertRect(dc, &band);
            return true;
        },
        [](int, int) {});
}

void TDrawEditor::UpdateCaret() { UpdateScrollbar(); }

std::int32_t TDrawEditor::ColumnOf(std::int32_t Line) const {
    const int height = ClientHeight();
    std::int32_t column = 0;
    int y = 0;
    for (std::int32_t k = FLines->FTopLine; k <= Line && k < FLines->Count(); ++k) {
        const int h = FLines->Line(k)->TotalHeight();
        if (y + h > height) {
            ++column;
            y = 0;
        }
        y += h;
    }
    return column;
}

// The selection's end is in view while its line falls in one of the columns.
void TDrawEditor::ScrollInView(std::uint32_t, std::uint32_t) {
    const std::int32_t first = FLines->GetLinePos(edInfo.eiSelStart);
    if (first < FLines->FTopLine) return SetTopMostLine(first);
    const std::int32_t last = FLines->GetLinePos(edInfo.eiSelEnd);
    if (ColumnOf(last) >= FView.Columns) {
        SetTopMostLine(last);
        FView.CurrentLine = last;
    }
}

std::int32_t TDrawEditor::LastTopLine() const {
    const int height = ClientHeight();
    std::int32_t k = FLines->LastIndex(), column = 1;
    for (int left = height; k >= 0; --k) {
        const int h = FLines->Line(k)->TotalHeight();
        if (h > left) {
            if (column == FView.Columns) break;
            ++column;
            left = height;
        }
        left -= h;
    }
    return std::clamp(k + 4, 0, std::max(FLines->LastIndex(), 0));
}

void TDrawEditor::SetTopMostLine(std::int32_t a) {
    a = std::clamp(a, 0, LastTopLine());
    if (a == FLines->FTopLine) return;
    FLines->SetTopLine(a);
    FLines->UpdateBottomLine();
    FView.CurrentLine = a;
    edInfo.eiIndex = FLines->Line(a)->At;
    UpdateScrollbar();
    Notify(HWindow, EFN_TOPLINECHANGED, 0, a);
    ValidateWindow(); // no pixels are moved: every column changes
}

void TDrawEditor::SetHighlight(std::int64_t HighStart, std::int64_t HighEnd) {
    TFormatEditor::SetHighlight(HighStart, HighEnd);
    ValidateWindow();
}

void TDrawEditor::UpdateScrollbar() {
    TFormatEditor::UpdateScrollbar();
    if (FView.VScrollbar != nullptr) SendMessageW(FView.VScrollbar, SetRangeMessage, 0, LastTopLine());
}

void TDrawEditor::EndKey(bool, bool) { SetTopMostLine(LastTopLine()); }

void TDrawEditor::PageDownKey(bool, bool) {
    std::int32_t next = FLines->FTopLine;
    WalkColumns([&](const Placed& p) { return next = p.line + 1, true; }, [](int, int) {});
    SetTopMostLine(next - 1); // the last line shown may have been cut by the bottom
}

void TDrawEditor::KeyDown(WPARAM VK) {
    const std::int32_t top = FLines->FTopLine;
    switch (VK) {
    case VK_PRIOR: {
        // Back by as many lines as fill the columns above.
        std::int32_t k = top;
        for (int left = FView.Columns * ClientHeight(); k > 0 && left > 0;)
            left -= FLines->Line(--k)->TotalHeight();
        SetTopMostLine(k);
        break;
    }
    case VK_NEXT: PageDownKey(false, false); break;
    case VK_END: EndKey(false, true); break;
    case VK_HOME: HomeKey(false, true); break;
    case VK_UP: SetTopMostLine(top - 1); break;
    case VK_DOWN: SetTopMostLine(top + 1); break;
    default: break; // nothing else is typed here
    }
}

LRESULT TDrawEditor::WMVScroll(WPARAM wParam, LPARAM) {
    const std::int32_t top = FLines->FTopLine;
    switch (LOWORD(wParam)) {
    case SB_LINEUP: SetTopMostLine(top - 1); break;
    case SB_LINEDOWN: SetTopMostLine(top + 1); break;
    case SB_PAGEUP: PageUpKey(false, false); break;
    case SB_PAGEDOWN: PageDownKey(false, false); break;
    case SB_TOP: SetTopMostLine(0); break;
    case SB_BOTTOM: SetTopMostLine(LastTopLine()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: SetTopMostLine(static_cast<std::int16_t>(HIWORD(wParam))); break;
    default: break;
    }
    return 0;
}

LRESULT TDrawEditor::DefWndProc(TMessage& msg) {
    msg.Result = 0;
    switch (msg.Msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(HWindow, &ps);
        PaintWindow(dc);
        EndPaint(HWindow, &ps);
        return 0;
    }
    case WM_WINDOWPOSCHANGED: {
        TFormatEditor::DefWndProc(msg);
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(msg.LParam);
        if (pos != nullptr && (pos->flags & SWP_HIDEWINDOW) != 0) FreeBack();
        if (pos != nullptr && (pos->flags & SWP_SHOWWINDOW) != 0 && FBackNeeded) {
            MakeBack();
            ValidateWindow();
        }
        return 0;
    }
    case WM_KEYDOWN: KeyDown(msg.WParam); return 0;
    case WM_MOUSEMOVE:
        TFormatEditor::DefWndProc(msg);
        SetFocus(HWindow);
        return 0;
    case WM_CHAR:
    case WM_RBUTTONUP: return 0; // swallowed without action
    case WM_ERASEBKGND: return msg.Result = 1;
    case EFM_SETCOLUMNS:
        SetColumns(static_cast<std::uint32_t>(msg.WParam));
        return msg.Result = FView.Columns;
    case EFM_SETLINEBETWEEN:
        LineBetween = msg.WParam != 0;
        if (LineBetween) LineColor = static_cast<COLORREF>(msg.LParam);
        ValidateWindow();
        return 0;
    case EFM_SETSPACING:
        Spacing = LOWORD(msg.WParam);
        SetColumns(static_cast<std::uint32_t>(FView.Columns));
        return 0;
    case EFM_DRAWCOLUMNS:
        if (HDC dc = reinterpret_cast<HDC>(msg.WParam)) {
            SetViewportOrgEx(dc, GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam), nullptr);
            DrawColumns(dc);
            SetViewportOrgEx(dc, 0, 0, nullptr);
        }
        return 0;
    case EFM_GETSELPARAFORMAT: // the column editor's own meaning: compose onto a context
        if (HDC dc = reinterpret_cast<HDC>(msg.WParam)) Compose(dc, true);
        return 0;
    case EFM_SETBACKNEEDED: SetBackground(msg.WParam != 0); return 0;
    case EFM_SETNOTDRAWN: NotDrawn = msg.WParam == 0; return 0;
    case EFM_GETBACKHANDLE:
    case EFM_GETBACKBITMAP:
        if (FBack) msg.Result = reinterpret_cast<LRESULT>(FBack.get());
        return msg.Result;
    default: return TFormatEditor::DefWndProc(msg);
    }
}

} // namespace zeledit::engine
