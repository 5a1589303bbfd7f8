// Scrolling: the top line through the window's scroll bars or the host's controls, the
// horizontal origin by pixels, the wheel by lines.
#include "engine/format_editor.h"
#include "engine/notifications.h"

#include <algorithm>
#include <cstdlib>

namespace zeledit::engine {
namespace {

constexpr int HorizontalLine = 8;
constexpr int ReadOnlyAllowance = 24;

int Width(const RECT& r) { return r.right - r.left; }

} // namespace

void TFormatEditor::SetHasScroll(bool Has) {
    if (Has) {
        FSettings.FEditStyle &= ~esNoScrollBars;
    } else {
        FSettings.FEditStyle |= esNoScrollBars;
        ShowScrollBar(HWindow, SB_BOTH, FALSE);
    }
}

void TFormatEditor::SetVScrollbar(HWND sb) {
    FView.VScrollbar = sb;
    ShowScrollBar(HWindow, SB_BOTH, FALSE);
    if (sb != nullptr) FSettings.FEditStyle &= ~esNoScrollBars;
    UpdateScrollbar();
}

void TFormatEditor::SetHScrollbar(HWND sb) {
    FView.HScrollbar = sb;
    ShowScrollBar(HWindow, SB_BOTH, FALSE);
    if (sb == nullptr) return;
    RECT client{};
    GetClientRect(HWindow, &client);
    const int surplus = Width(edInfo.eiBoundRect) - Width(client);
    if ((FSettings.FEditStyle & esControl) == 0 && surplus > 0) {
        FSettings.FEditStyle &= ~esNoScrollBars;
        EnableWindow(sb, TRUE);
        SendMessageW(sb, SetRangeMessage, 1, surplus + 9);
        SendMessageW(sb, SetPositionMessage, 0, FView.OriginX);
    } else {
        SendMessageW(sb, SetRangeMessage, 0, 0);
    }
}

void TFormatEditor::ScrollWindow(HWND Wnd, int XAmount, int YAmount, const RECT* Rect, const RECT* Clip) {
    ::ScrollWindow(Wnd, XAmount, YAmount, Rect, Clip);
    FObjects->ScrollObjects(XAmount, YAmount);
}

std::int32_t TFormatEditor::GetMaxScrolling() const {
    if (FSettings.CanModify) return FLines->Count();
    const int height = edInfo.eiBoundRect.bottom - edInfo.eiBoundRect.top;
    if (GetDocumentHeight() <= height) return 0;
    // Back from the last line while the lines still fit the view with room to spare.
    std::int32_t count = 0;
    int sum = 0;
    for (std::int32_t k = FLines->LastIndex(); k >= 0; --k) {
        const int h = FLines->Line(k)->TotalHeight();
        if (sum + h + ReadOnlyAllowance >= height) break;
        sum += h;
        ++count;
    }
    return FLines->Count() - count;
}

void TFormatEditor::UpdateScrollbar() {
    FView.FMaxVScroll = GetMaxScrolling();
    if ((FSettings.FEditStyle & esNoScrollBars) != 0) return;
    if (FView.VScrollbar != nullptr) {
        SendMessageW(FView.VScrollbar, SetRangeMessage, 0, FView.FMaxVScroll);
        SendMessageW(FView.VScrollbar, SetPositionMessage, 0, FLines->FTopLine + 1);
    } else {
        SetScrollRange(HWindow, SB_VERT, 0, FView.FMaxVScroll - 1, FALSE);
        SetScrollPos(HWindow, SB_VERT, FLines->FTopLine, TRUE);
    }
    if (FView.HScrollbar != nullptr)
        SendMessageW(FView.HScrollbar, SetPositionMessage, 0, FView.OriginX + 1);
    else
        SetScrollPos(HWindow, SB_HORZ, FView.OriginX, TRUE);
}

void TFormatEditor::SetTopMostLine(std::int32_t a) {
    if (!FSettings.CanModify)
        a = (FSettings.FEditStyle & esNoScrollBars) != 0 || FView.FMaxVScroll == 0
                ? 0
                : std::min(a, FView.FMaxVScroll);
    a = std::clamp(a, 0, FLines->LastIndex());
    const std::int32_t old = FLines->FTopLine;
    if (a == old) return;
    // Moving down the lines that left the top go up; moving up those that entered push down.
    const int distance = FLines->GetAbsPos(old) - FLines->GetAbsPos(a);
    FLines->SetTopLine(a);
    FCaret.ScrollBy(distance);
    PlaceCaretInView();
    RECT client{};
    GetClientRect(HWindow, &client);
    if (std::abs(distance) < client.bottom - client.top)
        ScrollWindow(HWindow, 0, distance, nullptr, nullptr);
    else
        ValidateWindow();
    UpdateScrollbar();
    Notify(HWindow, EFN_TOPLINECHANGED, 0, a);
    Notify(HWindow, EFN_HIDECOMMENT);
}

void TFormatEditor::SetOriginX(int a) {
    RECT client{};
    GetClientRect(HWindow, &client);
    const int largest = Width(edInfo.eiBoundRect) - Width(client) + HorizontalLine;
    a = largest <= 0 ? 0 : std::clamp(a, 0, largest);
    if (a == FView.OriginX) return;
    const int distance = FView.OriginX - a;
    FView.OriginX = a;
    if (std::abs(distance) > Width(client))
        ValidateWindow();
    else
        ScrollWindow(HWindow, distance, 0, nullptr, nullptr);
    Notify(HWindow, EFN_ORIGINCHANGE, static_cast<WPARAM>(Width(edInfo.eiBoundRect) - 10), FView.OriginX);
    UpdateScrollbar();
    Notify(HWindow, EFN_HIDECOMMENT);
}

void TFormatEditor::CaretToLineStart() {
    edInfo.eiIndex = FLines->Line(FView.CurrentLine)->At;
    UpdateCaret();
}

LRESULT TFormatEditor::WMVScroll(WPARAM wParam, LPARAM lParam) {
    if (FView.FMaxVScroll < 1) return 0;
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        if (FLines->FTopLine == 0) break;
        SetTopMostLine(FLines->FTopLine - 1);
        FView.CurrentLine = std::max(FView.CurrentLine - 1, FLines->FTopLine);
        CaretToLineStart();
        break;
    case SB_LINEDOWN:
        if (FLines->FTopLine >= FView.FMaxVScroll) break;
        SetTopMostLine(FLines->FTopLine + 1);
        if (FView.CurrentLine < FLines->LastIndex()) ++FView.CurrentLine;
        CaretToLineStart();
        break;
    case SB_THUMBTRACK:
        SetTopMostLine(FView.VScrollbar != nullptr ? static_cast<std::int32_t>(lParam) - 1 : HIWORD(wParam));
        FView.CurrentLine = FLines->FTopLine;
        CaretToLineStart();
        break;
    case SB_PAGEUP: PageUpKey(false, false); break;
    case SB_PAGEDOWN: PageDownKey(false, false); break;
    case SB_TOP: HomeKey(false, true); break;
    case SB_BOTTOM: EndKey(false, true); break;
    default: break;
    }
    return 0;
}

LRESULT TFormatEditor::WMHScroll(WPARAM wParam, LPARAM lParam) {
    RECT client{};
    GetClientRect(HWindow, &client);
    const int most = Width(edInfo.eiBoundRect) - Width(client) + HorizontalLine, page = Width(client);
    switch (LOWORD(wParam)) {
    case SB_LINEUP: SetOriginX(FView.OriginX < 9 ? 0 : FView.OriginX - HorizontalLine); break;
    case SB_LINEDOWN: SetOriginX(std::min(FView.OriginX + HorizontalLine, most)); break;
    case SB_PAGEUP: SetOriginX(FView.OriginX > page ? FView.OriginX - page : 0); break;
    case SB_PAGEDOWN: SetOriginX(FView.OriginX + page < most ? FView.OriginX + page : most); break;
    case SB_THUMBTRACK:
        SetOriginX(FView.HScrollbar != nullptr ? static_cast<int>(lParam) : HIWORD(wParam));
        break;
    default: break;
    }
    return 0;
}

LRESULT TFormatEditor::WMMouseWheel(WPARAM wParam) {
    if (FView.FMaxVScroll >= 1)
        SetTopMostLine(FLines->FTopLine + (GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? -1 : 1));
    return 0;
}

bool TFormatEditor::EFMViewMessage(TMessage& msg) {
    switch (msg.Msg) {
    case EFM_SETINDEX: SetIndex(static_cast<std::uint32_t>(msg.LParam)); return true;
    case EFM_SETVSCROLLBAR: SetVScrollbar(reinterpret_cast<HWND>(msg.WParam)); return true;
    case EFM_SETHASSCROLL: SetHasScroll(msg.WParam != 0); return true;
    case EFM_SETHSCROLLBAR: SetHScrollbar(reinterpret_cast<HWND>(msg.WParam)); return true;
    case EFM_SETTOPINDEX: SetTopIndex(static_cast<std::uint32_t>(msg.WParam)); return true;
    case EFM_GETTOPINDEX: msg.Result = TopIndex(); return true;
    default: return false;
    }
}

} // namespace zeledit::engine
