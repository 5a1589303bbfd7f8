// What every object dialog shares: the heading, the pages, OK and Cancel, the layout page
// and the check that the margins leave room beside the object. A kind's dialog derives,
// adds its controls and answers OK.
#pragma once

#include "dialogs/form_dialog.h"
#include "objects/object_dialogs.h"

#include <zeledit/object_dialogs.h>
#include <zeledit/win_controls.h>
#include <zeledit/windows.h>

#include <string_view>

namespace zeledit::dialogs {

class ObjectDialog : public FormDialog {
public:
    ObjectDialog(const objects::ObjectDialogContext& context, LPCWSTR title, LPCWSTR vietnamese_heading,
                 LPCWSTR english_heading, SIZE size);

    // Runs it modally; whether OK was pressed and accepted.
    bool Run();

protected:
    HWND AddPage(LPCWSTR vietnamese, LPCWSTR english);
    using FormDialog::Add;

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
    // The editor's font dialog on a character format; whether it was confirmed.
    bool EditCharFormat(TCharFormat& format) const;
    // The external link is offered at an insertion in expert mode only.
    bool OffersLink() const { return inserting_ && context_.Expert; }

    void OnInit() override;
    void OnCommand(int id, int code) override;

    const objects::ObjectDialogContext& context_;
    bool inserting_ = true;
    HWND pages_ = nullptr;

private:
    Layout layout_ = Layout::MarginsOnly;
};

} // namespace zeledit::dialogs
