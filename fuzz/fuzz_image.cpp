// Picture files inserted by a user: PNG, JPEG, TIFF, BMP and TGA. The first byte picks
// the decoder so that each one sees every kind of input.
#include "platform/graphics_support/image_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zeledit::platform;
    if (size == 0) return 0;
    const std::span<const std::uint8_t> file(data + 1, size - 1);
    switch (data[0] % 6) {
    case 0: decode_png(file); break;
    case 1: decode_jpeg(file); break;
    case 2: decode_tiff(file); break;
    case 3: decode_bmp(file); break;
    case 4: decode_tga(file); break;
    default: decode_image(file); break;
    }
    return 0;
}
