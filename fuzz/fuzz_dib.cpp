// Packed DIBs come from documents and the clipboard: any bytes must decode safely or be
// refused, and drawing a decoded one must stay on its bitmap.
#include "platform/gdi/dib.h"

#include <zeledit/windows.h>

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto image = zeledit::platform::decode_packed_dib({data, size});
    if (!image || image->width > 256 || image->height > 256) return 0;
    static HDC dc = [] {
        HDC d = CreateCompatibleDC(nullptr);
        SelectObject(d, CreateCompatibleBitmap(d, 64, 64));
        return d;
    }();
    BITMAPINFOHEADER h{sizeof h, image->width, -image->height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    StretchDIBits(dc, -3, -3, 70, 70, 0, 0, image->width, image->height, image->pixels.data(),
                  reinterpret_cast<const BITMAPINFO*>(&h), DIB_RGB_COLORS, SRCINVERT);
    return 0;
}
