// What the control's window procedure needs of the control: it runs ahead of the editor's own.
#pragma once

#include <zeledit/format_editor.h>

namespace zeledit {

// The window property that leads from the editor window to its control.
inline constexpr LPCWSTR ControlProperty = u"ZeleditFormatEditorControl";

struct TCustomFormatEditor::Dispatch {
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // A notification the control answers or turns into an event; nullopt: the editor's.
    static std::optional<LRESULT> Notification(TCustomFormatEditor& c, UINT msg, WPARAM w, LPARAM l);
    static std::optional<LRESULT> ObjectNotification(TCustomFormatEditor& c, UINT msg, WPARAM w, LPARAM l);
    static void DrawFrame(TCustomFormatEditor& c);
};

} // namespace zeledit
