#include "dialogs/drawing_dialog.h"

#include "dialogs/dialog_window.h"

#include "controls/controls.h"
#include "controls/modal_loop.h"
#include "platform/gdi/scoped_gdi.h"
#include "platform/user/modules.h"

#include <zeledit/controls.h>

#include <algorithm>

namespace zeledit::dialogs {
namespace {

constexpr LPCWSTR DialogClass = u"ZeleditDrawingDialog";
constexpr int Width = 360, Height = 268;

struct Captions {
    LPCWSTR title, heading, shape, line, rectangle, ellipse, width, line_color, fill_color, outline, filled,
        preview, cancel;
};

constexpr Captions Vietnamese{u"Drawing Attributes",
                              u"Thuộc tính đối tượng vẽ",
                              u" Hình dạng ",
                              u"Đường thẳng",
                              u"Hình chữ nhật",
                              u"Hình êlíp",
                              u"Cỡ đường:",
                              u"Màu đường:",
                              u"Màu tô:",
                              u"Có đường viền",
                              u"Có tô",
                              u"Xem trước",
                              u"Thôi"};
constexpr Captions English{u"Drawing Attributes",
                           u"Drawing object attributes",
                           u" Shape ",
                           u"Line",
                           u"Rectangle",
                           u"Eclipse",
                           u"Line width:",
                           u"Line color:",
                           u"Fill color:",
                           u"Outline",
                           u"Filled",
                           u"Preview",
                           u"Cancel"};

struct State {
    TDrawingInfo info;
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
};

State* state_of(HWND hwnd) { return reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

HWND add(HWND dialog, const State& s, LPCWSTR kind, LPCWSTR text, DWORD style, int id, RECT r) {
    HWND c = CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             platform::library_instance(), nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(s.font), FALSE);
    return c;
}

LRESULT send(HWND root, int id, UINT msg) { return SendMessageW(controls::find_item(root, id), msg, 0, 0); }
bool checked(HWND root, int id) { return send(root, id, BM_GETCHECK) == BST_CHECKED; }

} // namespace

TDrawingInfo ReadShapeControls(HWND root, TDrawingInfo info) {
    for (int id = DrawLine; id <= DrawEllipse; ++id)
        if (checked(root, id)) info.diStyle = static_cast<std::uint8_t>(id - DrawLine);
    info.diWidth = static_cast<std::uint16_t>(send(root, DrawLineWidth, ZSEM_GETPOS));
    info.diLineColor = static_cast<COLORREF>(send(root, DrawLineColor, ZCPM_GETCOLOR));
    info.diFillColor = static_cast<COLORREF>(send(root, DrawFillColor, ZCPM_GETCOLOR));
    info.diOutline = checked(root, DrawOutline) ? 1 : 0;
    info.diFill = checked(root, DrawFilled) ? 1 : 0;
    return info;
}

void DrawShapePreview(const DRAWITEMSTRUCT& d, const TDrawingInfo& info) {
    controls::fill_solid(d.hDC, d.rcItem, GetSysColor(COLOR_WINDOW));
    RECT r = d.rcItem;
    InflateRect(&r, -16, -16);
    const bool line = info.diStyle == 0;
    const platform::UniqueGdi<HPEN> pen(
        info.diOutline || line ? CreatePen(PS_INSIDEFRAME, std::max<int>(info.diWidth, 1), info.diLineColor)
                               : nullptr);
    const platform::UniqueGdi<HBRUSH> brush(info.diFill ? CreateSolidBrush(info.diFillColor) : nullptr);
    const platform::SelectedObject with_pen(d.hDC,
                                            pen ? static_cast<HGDIOBJ>(pen.get()) : GetStockObject(NULL_PEN));
    const platform::SelectedObject with_brush(d.hDC, brush ? static_cast<HGDIOBJ>(brush.get())
                                                           : GetStockObject(HOLLOW_BRUSH));
    if (line) {
        MoveToEx(d.hDC, r.left, r.bottom, nullptr);
        LineTo(d.hDC, r.right, r.top);
    } else if (info.diStyle == 2) {
        Ellipse(d.hDC, r.left, r.top, r.right, r.bottom);
    } else {
        Rectangle(d.hDC, r.left, r.top, r.right, r.bottom);
    }
    const platform::UniqueGdi<HBRUSH> frame(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
    FrameRect(d.hDC, &d.rcItem, frame.get());
}

namespace {

LRESULT CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    State* s = state_of(hwnd);
    if (s == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            if (LOWORD(wParam) == IDOK) s->info = ReadShapeControls(hwnd, s->info);
            controls::EndModal(hwnd, LOWORD(wParam));
        } else {
            InvalidateRect(GetDlgItem(hwnd, DrawPreview), nullptr, FALSE); // any change shows at once
        }
        return 0;
    case WM_DRAWITEM: {
        const auto& d = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (d.CtlID == DrawPreview) DrawShapePreview(d, ReadShapeControls(hwnd, s->info));
        return TRUE;
    }
    case WM_INITDIALOG: SetFocus(GetDlgItem(hwnd, DrawLine + std::min<int>(s->info.diStyle, 2))); return 0;
    case WM_CLOSE: controls::EndModal(hwnd, IDCANCEL); return 0;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

// Everything but the heading and the buttons, `dy` pixels below the narrow form's places.
void add_shape_controls(HWND parent, const TDrawingInfo& info, const Captions& c, int dy) {
    const auto add = [parent, dy](LPCWSTR kind, LPCWSTR text, DWORD style, int id, RECT r) {
        OffsetRect(&r, 0, dy);
        HWND w = CreateWindowExW(
            0, kind, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left, r.bottom - r.top,
            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), platform::library_instance(), nullptr);
        SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        return w;
    };
    add(u"BUTTON", c.shape, BS_GROUPBOX, 0, {10, 32, 160, 126});
    const LPCWSTR shapes[3] = {c.line, c.rectangle, c.ellipse};
    for (int i = 0; i < 3; ++i)
        add(u"BUTTON", shapes[i], BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0), DrawLine + i,
            {20, 52 + 24 * i, 152, 72 + 24 * i});
    CheckRadioButton(parent, DrawLine, DrawEllipse, DrawLine + std::min<int>(info.diStyle, 2));
    add(u"STATIC", c.width, SS_CENTERIMAGE, 0, {10, 136, 96, 158});
    HWND width = add(SpinEditClassName, u"", WS_TABSTOP | WS_GROUP, DrawLineWidth, {100, 136, 160, 158});
    SendMessageW(width, ZSEM_SETRANGE, 1, 20);
    SendMessageW(width, ZSEM_SETPOS, std::max<int>(info.diWidth, 1), 0);
    add(u"STATIC", c.line_color, SS_CENTERIMAGE, 0, {10, 164, 96, 186});
    HWND line = add(ColorPickerClassName, u"", WS_TABSTOP, DrawLineColor, {100, 164, 160, 186});
    SendMessageW(line, ZCPM_SETCOLOR, info.diLineColor, 0);
    add(u"STATIC", c.fill_color, SS_CENTERIMAGE, 0, {10, 192, 96, 214});
    HWND fill = add(ColorPickerClassName, u"", WS_TABSTOP, DrawFillColor, {100, 192, 160, 214});
    SendMessageW(fill, ZCPM_SETCOLOR, info.diFillColor, 0);
    add(u"BUTTON", c.outline, BS_AUTOCHECKBOX | WS_TABSTOP, DrawOutline, {176, 164, 350, 184});
    add(u"BUTTON", c.filled, BS_AUTOCHECKBOX | WS_TABSTOP, DrawFilled, {176, 192, 350, 212});
    CheckDlgButton(parent, DrawOutline, info.diOutline ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(parent, DrawFilled, info.diFill ? BST_CHECKED : BST_UNCHECKED);
    add(u"STATIC", c.preview, 0, 0, {176, 32, 350, 48});
    add(u"STATIC", u"", SS_OWNERDRAW, DrawPreview, {176, 50, 350, 154});
}

void create_controls(HWND dialog, const State& s, const Captions& c) {
    add(dialog, s, CaptionBarClassName, c.heading, 0, 0, {0, 0, Width, 24});
    add_shape_controls(dialog, s.info, c, 0);
    add(dialog, s, u"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {176, 230, 258, 256});
    add(dialog, s, u"BUTTON", c.cancel, WS_TABSTOP | ZBS_CANCEL, IDCANCEL, {268, 230, 350, 256});
}

} // namespace

void AddShapeControls(HWND parent, const TDrawingInfo& info, BYTE language, int dy) {
    add_shape_controls(parent, info, language == 1 ? English : Vietnamese, dy);
}

bool AskDrawingShape(HWND owner, TDrawingInfo& info, BYTE language) {
    const Captions& c = language == 1 ? English : Vietnamese;
    HWND dialog = CreateDialogWindow(DialogClass, DialogProc, c.title, {Width, Height}, owner);
    if (dialog == nullptr) return false;
    State state{info};
    create_controls(dialog, state, c);
    if (RunDialogWindow(dialog, owner, &state) != IDOK) return false;
    info = state.info;
    return true;
}

} // namespace zeledit::dialogs
