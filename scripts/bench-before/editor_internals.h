// Put into an older tree by build-bench-before.sh when it has no door of its own: today's
// benchmark reaches the engine through Internals(), which older engines, whose fields were
// public, answer with this.
#pragma once

#include "engine/format_editor.h"

namespace zeledit::engine {

class TEditorInternals {
public:
    explicit TEditorInternals(TFormatEditor& e)
        : edInfo(e.edInfo), FBuffer(e.FBuffer), FFonts(e.FFonts), FParas(e.FParas), FObjects(e.FObjects),
          FUndoObj(e.FUndoObj) {}

    model::TEditorInfo& edInfo;
    std::unique_ptr<model::TEditorBuffer>& FBuffer;
    std::unique_ptr<model::TEditorFonts>& FFonts;
    std::unique_ptr<model::TEditorParagraphs>& FParas;
    std::unique_ptr<objects::TEditorObjects>& FObjects;
    std::unique_ptr<model::TUndoOperator>& FUndoObj;
};

inline TEditorInternals Internals(TFormatEditor& e) { return TEditorInternals(e); }

} // namespace zeledit::engine
