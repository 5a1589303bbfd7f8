#include "engine/draw_editor.h"

namespace zeledit::engine {

LRESULT TDrawEditor::DefWndProc(TMessage& msg) {
    msg.Result = 0;
    switch (msg.Msg) {
    case WM_CHAR:
    case WM_RBUTTONUP: return 0; // swallowed without action
    case WM_ERASEBKGND: return msg.Result = 1;
    case EFM_SETCOLUMNS:
    case EFM_SETLINEBETWEEN:
    case EFM_SETSPACING:
    case EFM_GETSELPARAFORMAT:
    case EFM_SETBACKNEEDED:
    case EFM_SETNOTDRAWN:
    case EFM_GETBACKHANDLE:
    case EFM_GETBACKBITMAP:
    case EFM_DRAWCOLUMNS: return 0; // the column layout is not built yet
    default: return TFormatEditor::DefWndProc(msg);
    }
}

} // namespace zeledit::engine
