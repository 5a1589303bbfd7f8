// The one door into an engine's state, for tests and benchmarks that check what messages
// cannot show (the line index, the undo steps, the caret's pixels). The library never uses it.
#pragma once

#include "engine/format_editor.h"

namespace zeledit::engine {

class TEditorInternals {
public:
    explicit TEditorInternals(TFormatEditor& e)
        : edInfo(e.edInfo), FBuffer(e.FBuffer), FFonts(e.FFonts), FParas(e.FParas), FObjects(e.FObjects),
          FLinks(e.FLinks), FLines(e.FLines), FUndoObj(e.FUndoObj), FSettings(e.FSettings), FView(e.FView),
          FCaret(e.FCaret), FMouse(e.FMouse), FInput(e.FInput), FPrint(e.FPrint) {}

    model::TEditorInfo& edInfo;
    std::unique_ptr<model::TEditorBuffer>& FBuffer;
    std::unique_ptr<model::TEditorFonts>& FFonts;
    std::unique_ptr<model::TEditorParagraphs>& FParas;
    std::unique_ptr<objects::TEditorObjects>& FObjects;
    std::unique_ptr<model::THyperLinks>& FLinks;
    std::unique_ptr<display::TEditorLines>& FLines;
    std::unique_ptr<model::TUndoOperator>& FUndoObj;
    TEditorSettings& FSettings;
    TViewState& FView;
    TCaret& FCaret;
    TMouseState& FMouse;
    TInputState& FInput;
    TPrintState& FPrint;
};

// The engine of an editor window, seen through the door.
inline TEditorInternals Internals(HWND editor) {
    return TEditorInternals(*static_cast<TFormatEditor*>(GetPropW(editor, u"EDOBJ")));
}
inline TEditorInternals Internals(TFormatEditor& e) { return TEditorInternals(e); }

} // namespace zeledit::engine
