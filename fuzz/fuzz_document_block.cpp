// Document blocks come from files, the clipboard and hosts: any bytes are refused or load a
// document whose own block loads again.
#include "model_parts.h"

#include "platform/core/global_memory.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zeledit;
    if (size > 1 << 20) return 0;
    fuzz::ModelParts doc;
    storage::TDocumentParts& parts = doc.parts;
    if (!storage::LoadData(parts, {data, size})) return 0;
    platform::UniqueGlobal again(storage::GetData(parts));
    platform::LockedBlock block(again.get());
    if (block.data() != nullptr && !storage::LoadData(parts, block.bytes())) std::abort();
    return 0;
}
