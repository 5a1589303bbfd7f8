// The control's window procedure: it sees every message before the editor does, answers the
// notifications a component answers, raises the events, and draws the control's frame.
#include "library/format_editor_window.h"

#include "platform/core/code_page.h"
#include "platform/gdi/device_context.h"

#include <zeledit/editor_messages.h>
#include <zeledit/format_editor.h>

#include <cstring>

namespace zeledit {
namespace {

HCURSOR CursorOf(std::int16_t number) {
    switch (number) {
    case -21: return LoadCursorW(nullptr, IDC_HAND);
    case -4: return LoadCursorW(nullptr, IDC_IBEAM);
    case -3: return LoadCursorW(nullptr, IDC_CROSS);
    case -11: return LoadCursorW(nullptr, IDC_WAIT);
    case -18: return LoadCursorW(nullptr, IDC_NO);
    default: return LoadCursorW(nullptr, IDC_ARROW);
    }
}

POINT MouseAt(LPARAM l) {
    return {static_cast<std::int16_t>(LOWORD(l)), static_cast<std::int16_t>(HIWORD(l))};
}

template <typename Event, typename... Args> void Raise(const Event& event, Args&&... args) {
    if (event) event(std::forward<Args>(args)...);
}

// One edge ring: the first colour up the left and across the top, the second along the
// bottom and up the right.
void Ring(HDC dc, RECT r, COLORREF first, COLORREF second) {
    HPEN pen = CreatePen(PS_SOLID, 1, first);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, r.left, r.bottom - 2, nullptr);
    LineTo(dc, r.left, r.top);
    LineTo(dc, r.right - 1, r.top);
    SelectObject(dc, old);
    DeleteObject(pen);
    pen = CreatePen(PS_SOLID, 1, second);
    old = SelectObject(dc, pen);
    MoveToEx(dc, r.left, r.bottom - 1, nullptr);
    LineTo(dc, r.right - 1, r.bottom - 1);
    LineTo(dc, r.right - 1, r.top - 1);
    SelectObject(dc, old);
    DeleteObject(pen);
}

} // namespace

void TCustomFormatEditor::Dispatch::DrawFrame(TCustomFormatEditor& c) {
    if (c.FBorderStyle != bsSingle || c.FHandle == nullptr || !IsWindowVisible(c.FHandle)) return;
    RECT w;
    GetWindowRect(c.FHandle, &w);
    RECT r{0, 0, w.right - w.left, w.bottom - w.top};
    HDC dc = platform::create_frame_dc(c.FHandle);
    if (dc == nullptr) return;
    if (c.FCtl3D) {
        Ring(dc, r, c.FShadColor, c.FHighColor);
        Ring(dc, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, 0, c.FBackColor);
    } else {
        Ring(dc, r, c.FShadColor, c.FShadColor);
        Ring(dc, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, c.FColor, c.FColor);
    }
    ReleaseDC(c.FHandle, dc);
}

std::optional<LRESULT> TCustomFormatEditor::Dispatch::ObjectNotification(TCustomFormatEditor& c, UINT msg,
                                                                         WPARAM w, LPARAM l) {
    switch (msg) {
    case EFN_EXOBJCREATE: {
        auto* params = reinterpret_cast<TExObjParams*>(l);
        if (!c.OnExObjCreate || params == nullptr) return 0;
        std::uint32_t obj = 0;
        TObjectInfo info{};
        bool accept = false;
        c.OnExObjCreate(&c, LOWORD(w), obj, info, accept);
        if (!accept) return 0;
        params->Handle = obj;
        params->Info = info;
        params->Info.oiStyle = LOWORD(w);
        return 1;
    }
    case EFN_EXOBJFREE:
        Raise(c.OnExObjFree, &c, static_cast<std::uint32_t>(w), reinterpret_cast<PObjectInfo>(l));
        return 0;
    case EFN_EXOBJGETDATA:
        if (l != 0)
            Raise(c.OnExObjGetData, &c, reinterpret_cast<const void*>(w),
                  *reinterpret_cast<TExObjParams*>(l));
        return 0;
    case EFN_EXOBJINITFROM:
        if (l != 0) Raise(c.OnExObjInitFrom, &c, *reinterpret_cast<TExObjParams*>(l));
        return 0;
    case EFN_EXOBJSETDATA:
        if (l != 0)
            Raise(c.OnExObjSetData, &c, reinterpret_cast<void*>(w), *reinterpret_cast<TExObjParams*>(l));
        return 0;
    case EFN_EXOBJGETSIZE:
        return c.OnExObjGetSize && l != 0 ? c.OnExObjGetSize(&c, *reinterpret_cast<TExObjParams*>(l)) : 0;
    case EFN_EXOBJACTION:
        if (l != 0) Raise(c.OnExObjAction, &c, *reinterpret_cast<TExternalDrawData*>(l));
        return 0;
    case EFN_EXOBJDRAW: {
        auto* data = reinterpret_cast<TExternalDrawData*>(l);
        if (!c.OnExObjDraw || data == nullptr) return 0;
        const int saved = SaveDC(data->ddDC);
        c.OnExObjDraw(&c, *data);
        RestoreDC(data->ddDC, saved);
        return 0;
    }
    case EFN_EXOBJMODIFY:
    case EFN_EXOBJMOUSEDOWN:
    case EFN_EXOBJMOUSEUP: return 0;
    default: return std::nullopt;
    }
}

std::optional<LRESULT> TCustomFormatEditor::Dispatch::Notification(TCustomFormatEditor& c, UINT msg, WPARAM w,
                                                                   LPARAM l) {
    switch (msg) {
    case EFN_UPDATESTATE: {
        Raise(c.OnUpdateState, &c, reinterpret_cast<PEditorState>(l));
        if (!c.OnSelChange) return 0;
        const TTextRange now = c.FCharacters.Selection();
        if (now != c.FLastSelection) {
            c.FLastSelection = now;
            c.OnSelChange(&c);
        }
        return 0;
    }
    case EFN_ORIGINCHANGE:
        Raise(c.OnOriginChange, &c, static_cast<std::int32_t>(w), static_cast<std::int32_t>(l));
        return 0;
    case EFN_CLICK:
        if (!c.OnClick) return 0;
        c.OnClick(&c);
        return 1;
    case EFN_KEYDOWN: Raise(c.OnKeyDown, &c, LOWORD(w), l != 0); return 0;
    case EFN_RIGHTCLICK: Raise(c.OnRightClick, &c, static_cast<std::int32_t>(l)); return 0;
    case EFN_HYPERLINK: Raise(c.OnHyperLink, &c, reinterpret_cast<PHyperTextInfo>(l)); return 0;
    case EFN_OBJCLICK: {
        auto* info = reinterpret_cast<PObjectInfo>(l);
        if (info == nullptr) return 0;
        if (info->oiID != c.FCurrentObject && info->oiStyle == 3) c.ResetCurrentObject();
        c.FCurrentObject = info->oiID;
        Raise(c.OnObjClick, &c, reinterpret_cast<HANDLE>(w), info);
        return 0;
    }
    case EFN_QUERYPRINTER: return reinterpret_cast<LRESULT>(c.PrinterDC());
    case EFN_MOUSEWAIT: Raise(c.OnMouseWait, &c, static_cast<std::int32_t>(l)); return 0;
    case EFN_QUERYDATAOBJ: {
        HANDLE handle = nullptr;
        Raise(c.OnQueryDataObj, &c, reinterpret_cast<const char*>(l), LOWORD(w), handle);
        return reinterpret_cast<LRESULT>(handle);
    }
    case EFN_QUERYSYSTEMFONT:
        if (auto* buffer = reinterpret_cast<char*>(l)) {
            const std::string face = platform::from_unicode(c.FSystemFont);
            const std::size_t n = std::min<std::size_t>(face.size(), 128);
            std::memcpy(buffer, face.data(), n);
            buffer[n] = 0;
        }
        return 0;
    case EFN_PRINT: Raise(c.OnPrint, &c); return 0;
    case EFN_BREAKCHAR:
        Raise(c.OnBreakChar, &c, static_cast<char16_t>(w), static_cast<std::int32_t>(l));
        return 0;
    case EFN_TOPLINECHANGED: Raise(c.OnTopLineChanged, &c, static_cast<std::int32_t>(l)); return 0;
    case EFN_INPUTCHANGED:
        c.FVietKey = w != 0;
        Raise(c.OnInputChanged, &c);
        return 0;
    case EFN_FORMATCHANGED: Raise(c.OnFormatChanged, &c); return 0;
    case EFN_GETCURSOR: {
        const auto number = static_cast<std::int16_t>(w);
        return reinterpret_cast<LRESULT>(CursorOf(number == -21  ? c.FHandCursor
                                                  : number == -4 ? c.FIBeamCursor
                                                                 : c.FArrowCursor));
    }
    case EFN_FILECOMMAND: {
        bool hasSpecified = false;
        Raise(c.OnFileCommand, &c, static_cast<std::uint16_t>(w), hasSpecified, reinterpret_cast<LPCWSTR>(l));
        return hasSpecified ? 1 : 0;
    }
    case EFN_CHANGED: Raise(c.OnChanged, &c); return 0;
    case EFN_COMMENTCLICK:
        if (l != 0)
            Raise(c.OnCommentClick, &c, static_cast<std::int32_t>(static_cast<std::int16_t>(LOWORD(w))),
                  static_cast<std::int32_t>(static_cast<std::int16_t>(HIWORD(w))),
                  *reinterpret_cast<const TCommentInfo*>(l));
        return 0;
    case EFN_HIDECOMMENT: Raise(c.OnHideComment, &c); return 0;
    case EFN_BUFFERCHANGED:
        Raise(c.OnBufferChanged, &c, static_cast<std::int32_t>(w), static_cast<std::int32_t>(l));
        return 0;
    case EFN_QUERYHEADERFOOTER:
        if (const auto* info = reinterpret_cast<const THeaderFooterInfo*>(l))
            Raise(c.OnQueryHeaderFooter, &c, info->DC, info->Page, info->Rect);
        return 0;
    default: return ObjectNotification(c, msg, w, l);
    }
}

LRESULT CALLBACK TCustomFormatEditor::Dispatch::Proc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    auto* c = static_cast<TCustomFormatEditor*>(GetPropW(hwnd, ControlProperty));
    if (c == nullptr) return DefWindowProcW(hwnd, msg, w, l);
    const WNDPROC editor = c->FEditorProc;
    if (c->FHandle != hwnd) return CallWindowProcW(editor, hwnd, msg, w, l); // being destroyed
    if (auto answer = Notification(*c, msg, w, l)) return *answer;
    switch (msg) {
    case ThemeBroadcastMessage: c->ThemeBroadcast(reinterpret_cast<const std::uint32_t*>(l)); return 0;
    case WM_NOTIFY:
        if (w == 1000) return CallWindowProcW(editor, hwnd, EFM_RESETOBJECT, static_cast<WPARAM>(l), 0);
        break;
    case WM_MOUSEWHEEL: {
        POINT p{static_cast<std::int16_t>(LOWORD(l)), static_cast<std::int16_t>(HIWORD(l))};
        RECT client;
        GetClientRect(hwnd, &client);
        ScreenToClient(hwnd, &p);
        if (!PtInRect(&client, p) && c->FParent != nullptr) return SendMessageW(c->FParent, msg, w, l);
        break;
    }
    case WM_CHAR:
        if (c->OnKeyPress) {
            auto key = static_cast<char16_t>(w);
            c->OnKeyPress(c, key);
            if (key == 0) return 0;
            w = key;
        }
        break;
    case WM_NCDESTROY: {
        const LRESULT result = CallWindowProcW(editor, hwnd, msg, w, l);
        RemovePropW(hwnd, ControlProperty);
        c->WindowGone();
        return result;
    }
    default: break;
    }
    const LRESULT result = CallWindowProcW(editor, hwnd, msg, w, l);
    switch (msg) {
    case WM_COMMAND: Raise(c->OnCommand, c, LOWORD(w)); break;
    case WM_PAINT:
    case WM_NCPAINT: DrawFrame(*c); break;
    case WM_SETFOCUS: Raise(c->OnEnter, c); break;
    case WM_KILLFOCUS: Raise(c->OnExit, c); break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        Raise(c->OnMouseDown, c, msg == WM_LBUTTONDOWN ? mbLeft : mbRight, MouseAt(l));
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: Raise(c->OnMouseUp, c, msg == WM_LBUTTONUP ? mbLeft : mbRight, MouseAt(l)); break;
    case WM_MOUSEMOVE: Raise(c->OnMouseMove, c, (w & MK_LBUTTON) != 0 ? mbLeft : mbNone, MouseAt(l)); break;
    default: break;
    }
    return result;
}

} // namespace zeledit
