// The frame every dialog of the library is made in: a heading on the caption bar, controls
// in the dialog font, captions in the opening editor's language, OK and Cancel ending it.
// A dialog derives, creates its controls and answers OK.
#pragma once

#include <zeledit/win_controls.h>
#include <zeledit/windows.h>

namespace zeledit::dialogs {

inline constexpr int HeadingHeight = 24;

class FormDialog {
public:
    // The dialog colours must be set (controls::SetDialogColors) before one is made.
    FormDialog(HWND owner, BYTE language, LPCWSTR title, LPCWSTR vietnamese_heading, LPCWSTR english_heading,
               SIZE size);
    virtual ~FormDialog();
    FormDialog(const FormDialog&) = delete;
    FormDialog& operator=(const FormDialog&) = delete;

    // Runs it modally; the identifier of the button that ended it (IDCANCEL when closed or
    // when the window could not be made).
    int Run();
    // Shows it beside its owner and returns at once; the host's loop runs it (its keyboard
    // through TranslateDialogMessage). Ending it then hides it and calls OnClosed from the
    // message loop, where the dialog may be freed.
    bool Show();

protected:
    // The caption in the dialog's language.
    LPCWSTR Say(LPCWSTR vietnamese, LPCWSTR english) const { return language_ == 1 ? english : vietnamese; }
    HWND Add(HWND parent, LPCWSTR kind, LPCWSTR text, DWORD style, int id, RECT r) const;
    HWND Add(LPCWSTR kind, LPCWSTR text, DWORD style, int id, RECT r) const {
        return Add(window_, kind, text, style, id, r);
    }
    // A label `label_width` wide and a spin edit after it, in the given range.
    HWND AddSpin(HWND parent, LPCWSTR label, int id, RECT r, int low, int high, int value,
                 int label_width = 72) const;
    HWND Item(int id) const;
    bool Checked(int id) const;
    void Check(int id, bool on) const;
    int SpinValue(int id) const;
    void SetSpinValue(int id, int value) const;
    void Resize(SIZE size);
    // Ends the dialog with `id` as its answer.
    void End(int id) const;

    virtual void OnInit();
    virtual void OnCommand(int, int) {}
    virtual void OnDrawItem(const DRAWITEMSTRUCT&) {}
    virtual void OnMeasureItem(MEASUREITEMSTRUCT&) {}
    virtual void OnTimer() {}
    virtual void OnClosed() {}
    // Validates and takes the values; false keeps the dialog open.
    virtual bool OnOK() { return true; }

    HWND owner_ = nullptr;
    BYTE language_ = 0;
    HWND window_ = nullptr;
    HWND heading_ = nullptr;
    SIZE size_;
    bool modeless_ = false;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

} // namespace zeledit::dialogs
