// Blocks pasted from the clipboard or given with message 1285 come from anyone: any bytes
// insert nothing or leave a document whose every object mark has its object and whose own
// block loads again.
#include "model_parts.h"

#include "platform/core/global_memory.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zeledit;
    if (size > 1 << 20) return 0;
    fuzz::ModelParts doc;
    model::TEditorBuffer& buffer = doc.buffer;
    const std::u16string before = u"ab\r\ncd";
    const std::uint8_t formats[8]{};
    if (!buffer.Assign(before, formats)) return 0;
    storage::TDocumentParts& parts = doc.parts;
    const std::uint32_t n = storage::InsertDataFrom(parts, {data, size}, 1);
    if (buffer.TextLength() != before.size() + n) std::abort();
    if (n == 0 && std::u16string(buffer.Text(), buffer.TextLength()) != before) std::abort();
    for (std::uint32_t i = 0; i < buffer.TextLength(); ++i)
        if (buffer.CharAt(i) == objects::ObjectMark &&
            doc.objects.FindByID(buffer.FormatByte(i)) == nullptr)
            std::abort();
    if (doc.fonts.Count() > model::MaxFormats || doc.paras.Count() > model::MaxFormats) std::abort();
    platform::UniqueGlobal again(storage::GetData(parts));
    platform::LockedBlock block(again.get());
    if (block.data() != nullptr && !storage::LoadData(parts, block.bytes())) std::abort();
    return 0;
}
