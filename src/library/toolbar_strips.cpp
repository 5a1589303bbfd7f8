// The picture strips of the format and standard toolbars, with their masks. The library
// ships no such bitmap resources, so the answers are null unless a host's build adds them.
#include "platform/gdi/dib.h"
#include "platform/user/window_dc.h"

#include <zeledit/editor_library.h>
#include <zeledit/win_user.h>

namespace {

constexpr COLORREF Transparent = RGB(255, 0, 255);

// The bitmap resource `name` with its magenta pixels made black, or for the mask, the
// magenta pixels white and every other black; null when there is no such resource.
HBITMAP LoadStrip(LPCWSTR name, bool mask) noexcept {
    HMODULE instance = GetEditInstance();
    HRSRC found = FindResourceW(instance, name, RT_BITMAP);
    HGLOBAL data = found != nullptr ? LoadResource(instance, found) : nullptr;
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(data));
    if (bytes == nullptr) return nullptr;
    HBITMAP strip = zeledit::platform::bitmap_from_packed_dib({bytes, SizeofResource(instance, found)});
    if (strip == nullptr) return nullptr;
    const zeledit::platform::WindowDC screen(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, strip);
    BITMAP info{};
    GetObjectW(strip, sizeof info, &info);
    for (int y = 0; y < info.bmHeight; ++y)
        for (int x = 0; x < info.bmWidth; ++x) {
            const bool clear = GetPixel(dc, x, y) == Transparent;
            if (mask)
                SetPixel(dc, x, y, clear ? RGB(255, 255, 255) : RGB(0, 0, 0));
            else if (clear)
                SetPixel(dc, x, y, RGB(0, 0, 0));
        }
    SelectObject(dc, old);
    DeleteDC(dc);
    return strip;
}

} // namespace

HBITMAP GetFormatToolBitmap() noexcept { return LoadStrip(u"FMTOOL", false); }
HBITMAP GetFormatToolMask() noexcept { return LoadStrip(u"FMTOOL", true); }
HBITMAP GetStdToolBitmap() noexcept { return LoadStrip(u"STDTOOL", false); }
HBITMAP GetStdToolMask() noexcept { return LoadStrip(u"STDTOOL", true); }
