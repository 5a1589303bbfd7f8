// What every object dialog shares: the heading, the pages, OK and Cancel, the layout page
// and the check that the margins leave room beside the object. A kind's dialog derives,
// adds its controls and answers OK.
#pragma once

#include "objects/object_dialogs.h"

#include <zeledit/object_dialogs.h>
#include <zeledit/win_controls.h>
#include <zeledit/windows.h>

#include <string_view>

namespace zeledit::dialogs {

class ObjectDialog {
public:
    ObjectDialog(const objects::ObjectDialogContext& context, LPCWSTR title, LPCWSTR vietnamese_heading,
                 LPCWSTR english_heading, SIZE size);
    virtual ~ObjectDialog();
    ObjectDialog(const ObjectDialog&) = delete;
    ObjectDialog& operator=(const ObjectDialog&) = delete;

    // Runs it modally; whether OK was pressed and accepted.
    bool Run();

protected:
    // The caption in the dialog's language.
    LPCWSTR Say(LPCWSTR vietnamese, LPCWSTR english) const {
        return context_.Language == 1 ? english : vietnamese;
    }
    HWND AddPage(LPCWSTR vietnamese, LPCWSTR english);
    HWND Add(HWND parent, LPCWSTR kind, LPCWSTR text, DWORD style, int id, RECT r) const;
    // A label `label_width` wide and a spin edit after it, in the given range.
    HWND AddSpin(HWND parent, LPCWSTR label, int id, RECT r, int low, int high, int value,
                 int label_width = 72) const;
    HWND Item(int id) const;
    bool Checked(int id) const;
    void Check(int id, bool on) const;
    int SpinValue(int id) const;
    void SetSpinValue(int id, int value) const;

    // What a layout page offers: everything; all but "Floated" (kinds that always float);
    // the margins alone.
    enum class Layout { Full, AlwaysFloated, MarginsOnly };
    // The layout page's controls on `page` from `info`; answers the y below them.
    int AddLayout(HWND page, const TObjectInfo& info, Layout layout);
    void ReadLayout(TObjectInfo& info) const;
    // The alignment, wrap and margins follow "Floated".
    void EnableLayout() const;
    // Whether an object `width` pixels wide leaves half an inch of the text area beside
    // its margins; says why not when it does not.
    bool MarginsFit(int width) const;
    // Asks for a file to open through the file dialog and puts it into ObjFileName; whether
    // one was chosen. `filter` holds description and pattern pairs, each NUL-terminated.
    bool BrowseFile(std::u16string_view filter, LPCWSTR title, LPCWSTR default_extension) const;
    // The external link is offered at an insertion in expert mode only.
    bool OffersLink() const { return inserting_ && context_.Expert; }

    virtual void OnCommand(int id, int code);
    virtual void OnDrawItem(const DRAWITEMSTRUCT&) {}
    virtual void OnTimer() {}
    // Validates and takes the values; false keeps the dialog open.
    virtual bool OnOK() = 0;

    const objects::ObjectDialogContext& context_;
    bool inserting_ = true;
    HWND window_ = nullptr;
    HWND pages_ = nullptr;
    HWND heading_ = nullptr;
    SIZE size_;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    Layout layout_ = Layout::MarginsOnly;
};

} // namespace zeledit::dialogs
