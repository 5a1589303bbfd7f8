// Global memory handles and the clipboard.
#include "platform/platform_test.h"

#include <cstring>

namespace zeledit::test {
namespace {

class GlobalMemory : public PlatformTest {};
class Clipboard : public PlatformTest {};

HGLOBAL text_block(std::u16string_view text) {
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * 2);
    auto* p = static_cast<char16_t*>(GlobalLock(mem));
    std::memcpy(p, text.data(), text.size() * 2);
    p[text.size()] = 0;
    GlobalUnlock(mem);
    return mem;
}

std::u16string clipboard_text(UINT format = CF_UNICODETEXT) {
    HANDLE h = GetClipboardData(format);
    if (h == nullptr) return u"<none>";
    std::u16string out(static_cast<const char16_t*>(GlobalLock(h)));
    GlobalUnlock(h);
    return out;
}

TEST_F(GlobalMemory, LockCountsAndZeroedBlocks) {
    HGLOBAL mem = GlobalAlloc(GHND, 64);
    ASSERT_NE(mem, nullptr);
    EXPECT_EQ(GlobalSize(mem), 64u);
    auto* p = static_cast<unsigned char*>(GlobalLock(mem));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p[63], 0);
    EXPECT_EQ(GlobalLock(mem), p);
    EXPECT_EQ(GlobalFlags(mem) & GMEM_LOCKCOUNT, 2u);
    EXPECT_TRUE(GlobalUnlock(mem));
    EXPECT_FALSE(GlobalUnlock(mem));
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    EXPECT_FALSE(GlobalUnlock(mem));
    EXPECT_EQ(GetLastError(), ERROR_NOT_LOCKED);
    EXPECT_EQ(GlobalFree(mem), nullptr);
}

TEST_F(GlobalMemory, ReallocKeepsContentsAndRespectsLocks) {
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, 4);
    std::memcpy(GlobalLock(mem), "abcd", 4);
    // Locked: may not move without GMEM_MOVEABLE.
    EXPECT_EQ(GlobalReAlloc(mem, 1 << 20, 0), nullptr);
    EXPECT_EQ(GlobalReAlloc(mem, 2, 0), mem); // shrinking stays in place
    EXPECT_EQ(GlobalSize(mem), 2u);
    EXPECT_EQ(GlobalReAlloc(mem, 1 << 20, GMEM_MOVEABLE), mem);
    const auto* p = static_cast<const char*>(GlobalLock(mem));
    EXPECT_EQ(std::memcmp(p, "ab", 2), 0);
    EXPECT_EQ(p[2], 0); // grown bytes are zero, even where old bytes were
    EXPECT_EQ(p[(1 << 20) - 1], 0);
    GlobalUnlock(mem);
    GlobalUnlock(mem);
    GlobalFree(mem);
}

TEST_F(GlobalMemory, BadHandlesAreRefused) {
    HGLOBAL freed = GlobalAlloc(GMEM_MOVEABLE, 8);
    GlobalFree(freed);
    HWND w = make_window();
    for (HGLOBAL bad : {HGLOBAL(nullptr), HGLOBAL(0x10), freed, static_cast<HGLOBAL>(w)}) {
        EXPECT_EQ(GlobalLock(bad), nullptr);
        EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
        EXPECT_FALSE(GlobalUnlock(bad));
        EXPECT_EQ(GlobalSize(bad), 0u);
        EXPECT_EQ(GlobalFlags(bad), GMEM_INVALID_HANDLE);
        EXPECT_EQ(GlobalReAlloc(bad, 16, GMEM_MOVEABLE), nullptr);
        EXPECT_EQ(GlobalFree(bad), bad);
    }
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, ZE_GLOBAL_MAX_BYTES + 1), nullptr);
    HGLOBAL empty = GlobalAlloc(GMEM_MOVEABLE, 0);
    EXPECT_NE(GlobalLock(empty), nullptr);
    EXPECT_EQ(GlobalSize(empty), 0u);
}

TEST_F(Clipboard, OwnershipPassesWithEmptyClipboard) {
    HWND a = make_window();
    HWND b = make_window();
    ASSERT_TRUE(OpenClipboard(a));
    EXPECT_FALSE(OpenClipboard(b)); // someone else has it open
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(GetClipboardOwner(), a);
    SetClipboardData(CF_UNICODETEXT, text_block(u"one"));
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());
    clear_log();
    ASSERT_TRUE(OpenClipboard(b));
    EXPECT_TRUE(EmptyClipboard());
    ASSERT_EQ(received(WM_DESTROYCLIPBOARD).size(), 1u);
    EXPECT_EQ(received(WM_DESTROYCLIPBOARD)[0].hwnd, a);
    EXPECT_EQ(GetClipboardOwner(), b);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    CloseClipboard();
    DestroyWindow(b);
    EXPECT_EQ(GetClipboardOwner(), nullptr);
}

TEST_F(Clipboard, TextFormatsStandInForEachOther) {
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, text_block(u"caf\u00e9 \u20ac \u1ea5"));
    CloseClipboard();
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    OpenClipboard(nullptr);
    HANDLE ansi = GetClipboardData(CF_TEXT);
    ASSERT_NE(ansi, nullptr);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(ansi)), "caf\xe9 \x80 ?");
    GlobalUnlock(ansi);
    EmptyClipboard();
    HGLOBAL bytes = GlobalAlloc(GMEM_MOVEABLE, 3); // no terminator: read up to the block's end
    std::memcpy(GlobalLock(bytes), "\x93hi", 3);
    GlobalUnlock(bytes);
    SetClipboardData(CF_TEXT, bytes);
    EXPECT_EQ(clipboard_text(), u"\u201chi");
    CloseClipboard();
}

TEST_F(Clipboard, PicturesStandInForEachOtherAndPrivateDataStaysTheOwners) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 3, 2);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SetPixel(dc, 2, 1, RGB(10, 20, 30));
    SelectObject(dc, old);
    DeleteDC(dc);
    HGLOBAL mine = GlobalAlloc(GMEM_MOVEABLE, 16);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_BITMAP, bitmap);
    SetClipboardData(0x200, mine);
    CloseClipboard();
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB));
    OpenClipboard(nullptr);
    HANDLE dib = GetClipboardData(CF_DIB);
    ASSERT_NE(dib, nullptr);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib));
    EXPECT_EQ(header->biWidth, 3);
    EXPECT_EQ(header->biHeight, 2); // bottom-up: the pixel of the second row comes first
    const auto* rows = reinterpret_cast<const std::uint8_t*>(header + 1);
    EXPECT_EQ(rows[3 * 2], 30); // blue, green, red
    EXPECT_EQ(rows[3 * 2 + 2], 10);
    GlobalUnlock(dib);
    EmptyClipboard(); // frees the bitmap and the stand-in, not the private block
    CloseClipboard();
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    EXPECT_NE(GlobalFlags(mine), GMEM_INVALID_HANDLE);
    GlobalFree(mine);
}

TEST_F(Clipboard, RegisteredFormatsAndRefusals) {
    const UINT f = RegisterClipboardFormatW(u"Zeledit Document");
    EXPECT_GE(f, 0xC000u);
    EXPECT_EQ(RegisterClipboardFormatW(u"zeledit document"), f);
    EXPECT_NE(RegisterClipboardFormatW(u"Other"), f);
    EXPECT_EQ(RegisterClipboardFormatW(u""), 0u);
    EXPECT_EQ(SetClipboardData(f, text_block(u"x")), nullptr); // not open
    EXPECT_EQ(GetLastError(), ERROR_CLIPBOARD_NOT_OPEN);
    EXPECT_FALSE(EmptyClipboard());
    OpenClipboard(nullptr);
    EXPECT_EQ(SetClipboardData(f, reinterpret_cast<HANDLE>(0x99)), nullptr); // not a memory block
    HGLOBAL block = text_block(u"doc");
    EXPECT_EQ(SetClipboardData(f, block), block);
    EXPECT_EQ(GetClipboardData(f), block);
    EXPECT_EQ(EnumClipboardFormats(0), f);
    EXPECT_EQ(GetClipboardData(CF_DIB), nullptr);
    EmptyClipboard(); // frees the block the clipboard owned
    EXPECT_EQ(GlobalSize(block), 0u);
    CloseClipboard();
}

TEST_F(Clipboard, DelayedRenderingAsksTheOwner) {
    HWND w = make_window();
    on(WM_RENDERFORMAT, [](HWND, UINT, WPARAM format, LPARAM, LRESULT&) {
        SetClipboardData(static_cast<UINT>(format), text_block(u"late"));
        return true;
    });
    OpenClipboard(w);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, nullptr);
    CloseClipboard();
    OpenClipboard(nullptr);
    EXPECT_EQ(clipboard_text(), u"late");
    CloseClipboard();
}

} // namespace
} // namespace zeledit::test
