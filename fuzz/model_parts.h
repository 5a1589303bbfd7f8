// A document's parts wired together as an editor wires them, for the fuzz targets that read
// blocks into a document without a window.
#pragma once

#include "storage/document_block.h"

namespace zeledit::fuzz {

struct ModelParts {
    model::TEditorInfo info;
    model::TEditorBuffer buffer{&info};
    model::TEditorFonts fonts{&info};
    model::TEditorParagraphs paras{&info};
    objects::TEditorObjects objects{&info};
    model::THyperLinks links;
    storage::TDocumentParts parts{info, buffer, fonts, paras, objects, links};

    ModelParts() {
        info.eiBuffers = &buffer;
        info.eiFonts = &fonts;
        info.eiParas = &paras;
        info.eiObjects = &objects;
        info.eiLinks = &links;
        fonts.CreateDefaultFont();
        paras.CreateDefaultPara();
    }
};

} // namespace zeledit::fuzz
