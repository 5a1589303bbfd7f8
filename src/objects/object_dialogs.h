// The object dialogs sit above the objects: the library installs them when it loads. Every
// entry answers whether it was confirmed; without dialogs installed nothing is confirmed.
#pragma once

#include "model/editor_info.h"

#include <zeledit/editor_records.h>
#include <zeledit/win_types.h>

#include <memory>

namespace zeledit::objects {

class TObjectItem;

// What the editor publishes before a dialog opens.
struct ObjectDialogContext {
    HWND Owner = nullptr;
    std::uint8_t Language = 0; // 0 Vietnamese, 1 English
    // The text area: the margin check leaves half an inch of it beside the object.
    RECT Bound{};
    COLORREF Back = 0xFFFFFF, Highlight = 0xFFFFFF, Shadow = 0x808080;
    bool Expert = false;          // insertions offer the external link
    bool TypesVietnamese = false; // the dialogs' edits compose accent keys
    // For the object a dialog creates.
    model::TEditorInfo* EditorInfo = nullptr;
    HWND Parent = nullptr;
    std::uint8_t ID = 0;
};

class ObjectDialogs {
public:
    virtual ~ObjectDialogs() = default;
    // The object an insertion code creates (codes 2–4, 6, 7, 9–11), null when cancelled.
    virtual std::unique_ptr<TObjectItem> Create(const ObjectDialogContext& Context, int Code) = 0;
    // Changes the object's record and properties when confirmed.
    virtual bool Change(const ObjectDialogContext& Context, TObjectItem& Object) = 0;
    // The shape, pen and fill of the drawing mode.
    virtual bool DrawingShape(const ObjectDialogContext& Context, TDrawingInfo& Info) = 0;
};

// The library's dialogs, or null to confirm nothing (the dialogs are not owned).
void SetObjectDialogs(ObjectDialogs* Dialogs);
ObjectDialogs* InstalledObjectDialogs();

} // namespace zeledit::objects
