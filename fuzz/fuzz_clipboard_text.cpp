// Clipboard text blocks come from other programs: any bytes, any size, no terminator.
// Reading them in either text format must stay inside the block.
#include <zeledit/headless.h>
#include <zeledit/windows.h>

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const UINT format = (data[0] & 1) ? CF_UNICODETEXT : CF_TEXT;
    const UINT other = format == CF_TEXT ? CF_UNICODETEXT : CF_TEXT;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size - 1);
    if (size > 1) std::memcpy(GlobalLock(block), data + 1, size - 1), GlobalUnlock(block);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(format, block);
    if (HANDLE converted = GetClipboardData(other)) {
        const SIZE_T n = GlobalSize(converted);
        const auto* p = static_cast<const unsigned char*>(GlobalLock(converted));
        volatile unsigned sum = 0;
        for (SIZE_T i = 0; i < n; ++i) sum = sum + p[i];
        GlobalUnlock(converted);
    }
    EmptyClipboard();
    CloseClipboard();
    return 0;
}
