// Document blocks come from files, the clipboard and hosts: any bytes are refused or load a
// document whose own block loads again.
#include "storage/document_block.h"

#include "platform/core/global_memory.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zeledit;
    if (size > 1 << 20) return 0;
    model::TEditorInfo info;
    model::TEditorBuffer buffer(&info);
    model::TEditorFonts fonts(&info);
    model::TEditorParagraphs paras(&info);
    objects::TEditorObjects objects(&info);
    model::THyperLinks links;
    info.eiBuffers = &buffer;
    info.eiFonts = &fonts;
    info.eiParas = &paras;
    info.eiObjects = &objects;
    info.eiLinks = &links;
    fonts.CreateDefaultFont();
    paras.CreateDefaultPara();
    storage::TDocumentParts parts{info, buffer, fonts, paras, objects, links};
    if (!storage::LoadData(parts, {data, size})) return 0;
    platform::UniqueGlobal again(storage::GetData(parts));
    platform::LockedBlock block(again.get());
    if (block.data() != nullptr && !storage::LoadData(parts, block.bytes())) std::abort();
    return 0;
}
