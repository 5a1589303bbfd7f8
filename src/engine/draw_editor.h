// The column variant of the editor: the same document laid out in side-by-side columns
// over a background picture. Its column layout arrives with the column editor; here are
// the messages it takes for itself.
#pragma once

#include "engine/format_editor.h"

namespace zeledit::engine {

class TDrawEditor : public TFormatEditor {
public:
    explicit TDrawEditor(HWND AParent) : TFormatEditor(AParent) {}
    LRESULT DefWndProc(TMessage& msg) override;
};

} // namespace zeledit::engine
