// Metafiles arrive inside documents and from the clipboard. The first byte picks the kind;
// the rest is played into a small bitmap through a scaled mapping.
#include <zeledit/windows.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2 || size > 1 << 20) return 0;
    static HDC dc = [] {
        HDC d = CreateCompatibleDC(nullptr);
        SelectObject(d, CreateCompatibleBitmap(d, 64, 64));
        return d;
    }();
    const int saved = SaveDC(dc);
    const RECT dest{4, 4, 60, 60};
    if (data[0] & 1) {
        if (HENHMETAFILE mf = SetEnhMetaFileBits(static_cast<UINT>(size - 1), data + 1)) {
            PlayEnhMetaFile(dc, mf, &dest);
            DeleteEnhMetaFile(mf);
        }
    } else if (HMETAFILE mf = SetMetaFileBitsEx(static_cast<UINT>(size - 1), data + 1)) {
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowExtEx(dc, 1000, 1000, nullptr);
        SetViewportExtEx(dc, 56, 56, nullptr);
        PlayMetaFile(dc, mf);
        DeleteMetaFile(mf);
    }
    RestoreDC(dc, saved);
    return 0;
}
