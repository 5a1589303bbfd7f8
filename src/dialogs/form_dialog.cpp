#include "dialogs/form_dialog.h"

#include "controls/controls.h"
#include "controls/modal_loop.h"
#include "dialogs/dialog_window.h"
#include "platform/user/modal_hook.h"
#include "platform/user/modules.h"

#include <zeledit/controls.h>

namespace zeledit::dialogs {
namespace {

constexpr LPCWSTR DialogClass = u"ZeleditFormDialog";
// Posted when a modeless dialog ends: its own messages are done by the time it arrives.
constexpr UINT ClosedMessage = WM_APP + 0x5E1;

FormDialog* dialog_of(HWND hwnd) {
    return reinterpret_cast<FormDialog*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

} // namespace

FormDialog::FormDialog(HWND owner, BYTE language, LPCWSTR title, LPCWSTR vietnamese_heading,
                       LPCWSTR english_heading, SIZE size)
    : owner_(owner), language_(language), size_(size) {
    window_ = CreateDialogWindow(DialogClass, &FormDialog::Proc, title, size, owner);
    if (window_ == nullptr) return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    heading_ = Add(CaptionBarClassName, Say(vietnamese_heading, english_heading), 0, 0,
                   {0, 0, size.cx, HeadingHeight});
}

FormDialog::~FormDialog() {
    if (window_ == nullptr) return;
    controls::RemoveModeless(window_);
    if (!IsWindow(window_)) return; // gone with its owner
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

bool FormDialog::Show() {
    if (window_ == nullptr) return false;
    modeless_ = true;
    controls::AddModeless(window_);
    ShowWindow(window_, SW_SHOW);
    SendMessageW(window_, WM_INITDIALOG, 0, 0);
    UpdateWindow(window_);
    platform::meet_modal_window(window_);
    return true;
}

int FormDialog::Run() {
    if (window_ == nullptr) return IDCANCEL;
    return controls::RunModal(window_, owner_, IDCANCEL);
}

HWND FormDialog::Add(HWND parent, LPCWSTR kind, LPCWSTR text, DWORD style, int id, RECT r) const {
    HWND c = CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             platform::library_instance(), nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return c;
}

HWND FormDialog::AddSpin(HWND parent, LPCWSTR label, int id, RECT r, int low, int high, int value,
                         int label_width) const {
    Add(parent, u"STATIC", label, SS_CENTERIMAGE, 0, {r.left, r.top, r.left + label_width, r.bottom});
    HWND spin = Add(parent, SpinEditClassName, u"", WS_TABSTOP, id,
                    {r.left + label_width + 4, r.top, r.right, r.bottom});
    SendMessageW(spin, ZSEM_SETRANGE, static_cast<WPARAM>(low), high);
    SendMessageW(spin, ZSEM_SETPOS, static_cast<WPARAM>(value), 0);
    return spin;
}

HWND FormDialog::Item(int id) const { return controls::find_item(window_, id); }

bool FormDialog::Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void FormDialog::Check(int id, bool on) const {
    SendMessageW(Item(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

int FormDialog::SpinValue(int id) const {
    return static_cast<int>(SendMessageW(Item(id), ZSEM_GETPOS, 0, 0));
}

void FormDialog::SetSpinValue(int id, int value) const {
    SendMessageW(Item(id), ZSEM_SETPOS, static_cast<WPARAM>(value), 0);
}

void FormDialog::Resize(SIZE size) {
    RECT r{};
    GetWindowRect(window_, &r);
    const int x = r.left + (r.right - r.left - size.cx) / 2, y = r.top + (r.bottom - r.top - size.cy) / 2;
    MoveWindow(window_, x < 0 ? 0 : x, y < 0 ? 0 : y, size.cx, size.cy, TRUE);
    MoveWindow(heading_, 0, 0, size.cx, HeadingHeight, TRUE);
    size_ = size;
}

void FormDialog::End(int id) const {
    if (!modeless_) return controls::EndModal(window_, id);
    // The keys go back to the window the dialog served.
    HWND focus = GetFocus();
    if ((focus == window_ || IsChild(window_, focus)) && IsWindow(owner_)) SetFocus(owner_);
    ShowWindow(window_, SW_HIDE);
    PostMessageW(window_, ClosedMessage, static_cast<WPARAM>(id), 0);
}

void FormDialog::OnInit() {
    HWND first = GetNextDlgTabItem(window_, nullptr, FALSE);
    if (first != nullptr) SetFocus(first);
}

LRESULT CALLBACK FormDialog::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    FormDialog* d = dialog_of(hwnd);
    if (d == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            if (d->OnOK()) d->End(IDOK);
        } else if (LOWORD(wParam) == IDCANCEL) {
            d->End(IDCANCEL);
        } else {
            d->OnCommand(LOWORD(wParam), HIWORD(wParam));
        }
        return 0;
    case WM_DRAWITEM: d->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_MEASUREITEM: d->OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)); return TRUE;
    case WM_INITDIALOG: d->OnInit(); return 0;
    case WM_TIMER: d->OnTimer(); return 0;
    case WM_CLOSE: d->End(IDCANCEL); return 0;
    case ClosedMessage: d->OnClosed(); return 0; // which may free the dialog
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace zeledit::dialogs
