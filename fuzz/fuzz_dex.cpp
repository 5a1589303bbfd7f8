// DEX images are read from documents and resources: any bytes are refused or read back
// exactly, and what is read writes out again to the same bytes.
#include "platform/graphics_support/graphics_support.h"

#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zeledit::platform;
    const BYTE* p = data;
    std::size_t left = size;
    HGLOBAL colour = nullptr, alpha = nullptr;
    if (LoadDibExFromBuffer(&p, &left, &colour, &alpha) == 0) return 0;
    const std::size_t used = size - left;
    std::vector<BYTE> again(GetDEXSize(colour, alpha));
    if (again.size() != used || SaveDibExToBuffer(again.data(), colour, alpha) != used ||
        std::memcmp(again.data(), data, used) != 0)
        std::abort();
    GlobalFree(colour);
    GlobalFree(alpha);
    return 0;
}
