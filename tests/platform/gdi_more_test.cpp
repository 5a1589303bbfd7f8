// More of the graphics device: regions, objects, text output options, brushes and shapes
// under fixed mapping modes.
#include "platform/gdi_test.h"

#include <cstring>
#include <memory>
#include <vector>

namespace zeledit::test {
namespace {

constexpr COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0), red = RGB(255, 0, 0),
                   green = RGB(0, 128, 0);

class GdiMore : public PlatformTest {
protected:
    std::unique_ptr<Canvas> canvas;
    void SetUp() override {
        PlatformTest::SetUp();
        canvas = std::make_unique<Canvas>(120, 80);
    }
    void TearDown() override {
        canvas.reset();
        PlatformTest::TearDown();
    }
    HDC dc() { return canvas->dc(); }
};

TEST_F(GdiMore, SmoothStretchingOfSourcesTooWideForCairoFallsBackToNearest) {
    // Found by fuzzing: a 40,000-pixel-wide image stretched smoothly into a small rectangle.
    const int width = 40000;
    std::vector<std::uint32_t> bits(width, 0x00FF0000);
    BITMAPINFOHEADER info{sizeof info, width, 1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    SetStretchBltMode(dc(), HALFTONE);
    EXPECT_EQ(StretchDIBits(dc(), 0, 0, 40, 10, 0, 0, width, 1, bits.data(),
                            reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY),
              1);
    EXPECT_EQ(canvas->at(20, 5), red);
}

TEST_F(GdiMore, RegionsCombine) {
    HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateRectRgn(5, 5, 15, 15), out = CreateRectRgn(0, 0, 0, 0);
    RECT box{};
    EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), SIMPLEREGION);
    GetRgnBox(out, &box);
    EXPECT_EQ(box.left, 5);
    EXPECT_EQ(box.right, 10);
    EXPECT_EQ(CombineRgn(out, a, b, RGN_OR), COMPLEXREGION);
    GetRgnBox(out, &box);
    EXPECT_EQ(box.right, 15);
    EXPECT_EQ(CombineRgn(out, a, b, RGN_DIFF), COMPLEXREGION);
    SelectClipRgn(dc(), out);
    RECT all{0, 0, 120, 80};
    HBRUSH r = CreateSolidBrush(red);
    FillRect(dc(), &all, r);
    EXPECT_EQ(canvas->count(red), 100 - 25);
    EXPECT_EQ(CombineRgn(out, a, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_EQ(CombineRgn(out, a, reinterpret_cast<HRGN>(0x99), RGN_AND), ERROR);
    EXPECT_EQ(CreateRectRgn(5, 5, 5, 9) != nullptr, true);
    for (HGDIOBJ o : {HGDIOBJ(a), HGDIOBJ(b), HGDIOBJ(out), HGDIOBJ(r)}) EXPECT_TRUE(DeleteObject(o));
}

TEST_F(GdiMore, ObjectsDescribeThemselves) {
    HPEN pen = CreatePen(PS_DASH, 3, red);
    LOGPEN lp{};
    EXPECT_EQ(GetObjectW(pen, sizeof lp, &lp), static_cast<int>(sizeof lp));
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DASH));
    EXPECT_EQ(lp.lopnWidth.x, 3);
    EXPECT_EQ(GetObjectType(pen), OBJ_PEN);
    BITMAP bm{};
    EXPECT_EQ(GetObjectW(canvas->bitmap(), sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 120);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(GetObjectW(pen, 0, nullptr), static_cast<int>(sizeof(LOGPEN)));
    HGDIOBJ old = SelectObject(dc(), pen);
    EXPECT_EQ(GetCurrentObject(dc(), OBJ_PEN), pen);
    SelectObject(dc(), old);
    DeleteObject(pen);
    EXPECT_EQ(GetObjectType(pen), 0u);
    LOGBRUSH lb{BS_HATCHED, green, HS_CROSS};
    HBRUSH hatch = CreateBrushIndirect(&lb);
    EXPECT_EQ(GetObjectType(hatch), OBJ_BRUSH);
    EXPECT_EQ(CreateHatchBrush(99, red), nullptr);
    DeleteObject(hatch);
}

TEST_F(GdiMore, HatchedBrushesLeaveBackgroundInTransparentMode) {
    HBRUSH hatch = CreateHatchBrush(HS_HORIZONTAL, green);
    RECT r{0, 0, 16, 16};
    SetBkMode(dc(), TRANSPARENT);
    FillRect(dc(), &r, hatch);
    EXPECT_EQ(canvas->count(green), 2 * 16); // one line every eight rows
    SetBkMode(dc(), OPAQUE);
    SetBkColor(dc(), black);
    FillRect(dc(), &r, hatch);
    EXPECT_EQ(canvas->count(black), 16 * 16 - 2 * 16);
    DeleteObject(hatch);
}

TEST_F(GdiMore, PolygonsRoundRectsAndPatBlt) {
    HBRUSH brush = CreateSolidBrush(red);
    SelectObject(dc(), brush);
    SelectObject(dc(), GetStockObject(NULL_PEN));
    const POINT square[4] = {{10, 10}, {30, 10}, {30, 30}, {10, 30}};
    Polygon(dc(), square, 4);
    EXPECT_NEAR(canvas->count(red), 400, 45);
    canvas->fill(white);
    RoundRect(dc(), 0, 0, 40, 40, 20, 20);
    EXPECT_EQ(canvas->at(20, 20), red);
    EXPECT_EQ(canvas->at(0, 0), white); // the corner is rounded off
    canvas->fill(white);
    PatBlt(dc(), 0, 0, 10, 10, PATCOPY);
    EXPECT_EQ(canvas->count(red), 100);
    PatBlt(dc(), 0, 0, 10, 10, DSTINVERT);
    EXPECT_EQ(canvas->count(RGB(0, 255, 255)), 100);
    PatBlt(dc(), 0, 0, 5, 5, BLACKNESS);
    EXPECT_EQ(canvas->count(black), 25);
    EXPECT_FALSE(PatBlt(dc(), 0, 0, 5, 5, SRCCOPY));
    SelectObject(dc(), GetStockObject(WHITE_BRUSH));
    SelectObject(dc(), GetStockObject(BLACK_PEN));
    DeleteObject(brush);
}

TEST_F(GdiMore, FixedMappingModesUseTheResolution) {
    SetMapMode(dc(), MM_LOENGLISH); // hundredths of an inch, y upwards
    POINT p{100, -50};
    LPtoDP(dc(), &p, 1);
    EXPECT_EQ(p.x, 96);
    EXPECT_EQ(p.y, 48);
    SIZE ext{};
    EXPECT_TRUE(SetWindowExtEx(dc(), 5, 5, &ext)); // ignored in fixed modes
    EXPECT_EQ(ext.cx, 100);
    GetWindowExtEx(dc(), &ext);
    EXPECT_EQ(ext.cx, 100);
    EXPECT_EQ(GetMapMode(dc()), MM_LOENGLISH);
}

TEST_F(GdiMore, SavedStatesNestAndRestoreMapping) {
    const int first = SaveDC(dc());
    SetViewportOrgEx(dc(), 10, 10, nullptr);
    SetTextColor(dc(), red);
    const int second = SaveDC(dc());
    SetViewportOrgEx(dc(), 50, 50, nullptr);
    EXPECT_EQ(second, first + 1);
    EXPECT_TRUE(RestoreDC(dc(), -1));
    POINT org{};
    GetViewportOrgEx(dc(), &org);
    EXPECT_EQ(org.x, 10);
    EXPECT_EQ(GetTextColor(dc()), red);
    EXPECT_TRUE(RestoreDC(dc(), first));
    GetViewportOrgEx(dc(), &org);
    EXPECT_EQ(org.x, 0);
    EXPECT_FALSE(RestoreDC(dc(), first)); // already gone
}

TEST_F(GdiMore, ExtTextOutOpaqueClippedAndExplicitAdvances) {
    LOGFONTW lf = make_font(u"Arial", -20);
    HFONT font = CreateFontIndirectW(&lf);
    SelectObject(dc(), font);
    SetBkColor(dc(), green);
    SetBkMode(dc(), TRANSPARENT);
    const RECT r{0, 0, 30, 30};
    ExtTextOutW(dc(), 0, 0, ETO_OPAQUE | ETO_CLIPPED, &r, u"WWWW", 4, nullptr);
    EXPECT_EQ(canvas->at(29, 29), green);
    EXPECT_EQ(canvas->at(40, 5), white); // clipped to the rectangle
    canvas->fill(white);
    const int dx[2] = {60, 10};
    ExtTextOutW(dc(), 0, 0, 0, nullptr, u"II", 2, dx);
    int ink_far = 0;
    for (int x = 58; x < 80; ++x)
        for (int y = 0; y < 25; ++y) ink_far += canvas->at(x, y) != white;
    EXPECT_GT(ink_far, 5); // the second letter stands 60 pixels along
    SelectObject(dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

TEST_F(GdiMore, BackgroundOfOpaqueTextCoversTheCell) {
    LOGFONTW lf = make_font(u"Times New Roman", -15);
    HFONT font = CreateFontIndirectW(&lf);
    SelectObject(dc(), font);
    SetBkColor(dc(), green);
    SetBkMode(dc(), OPAQUE);
    TextOutW(dc(), 0, 0, u"ab", 2);
    SIZE size{};
    GetTextExtentPoint32W(dc(), u"ab", 2, &size);
    EXPECT_EQ(canvas->at(size.cx - 1, size.cy - 1), green);
    EXPECT_EQ(canvas->at(size.cx + 1, 2), white);
    SelectObject(dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

TEST_F(GdiMore, PalettesAreAcceptedAndHarmless) {
    LOGPALETTE lp{0x300, 1, {{10, 20, 30, 0}}};
    HPALETTE pal = CreatePalette(&lp);
    ASSERT_NE(pal, nullptr);
    PALETTEENTRY e{};
    EXPECT_EQ(GetPaletteEntries(pal, 0, 1, &e), 1u);
    EXPECT_EQ(e.peGreen, 20);
    HPALETTE old = SelectPalette(dc(), pal, FALSE);
    EXPECT_NE(old, nullptr);
    EXPECT_EQ(RealizePalette(dc()), 0u);
    SelectPalette(dc(), old, FALSE);
    EXPECT_EQ(CreatePalette(nullptr), nullptr);
    DeleteObject(pal);
}

TEST_F(GdiMore, MemoryBitmapsMoveBetweenDcs) {
    HDC other = CreateCompatibleDC(dc());
    EXPECT_EQ(SelectObject(other, canvas->bitmap()), nullptr); // still selected elsewhere
    HBITMAP small = CreateBitmap(2, 1, 1, 32, "\x00\x00\xFF\x00\xFF\x00\x00\x00");
    ASSERT_NE(SelectObject(other, small), nullptr);
    EXPECT_EQ(GetPixel(other, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(other, 1, 0), RGB(0, 0, 255));
    EXPECT_EQ(CreateBitmap(2, 2, 1, 8, nullptr), nullptr); // 8-bit device bitmaps are not made
    DeleteDC(other);
    EXPECT_TRUE(DeleteObject(small)); // free once its DC is gone
}

TEST_F(GdiMore, BottomUpDibSectionsKeepTheirRowOrder) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 4, 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(dc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(section, nullptr);
    ASSERT_NE(bits, nullptr);
    HDC sdc = CreateCompatibleDC(dc());
    SelectObject(sdc, section);
    RECT top{0, 0, 4, 1};
    HBRUSH r = CreateSolidBrush(red);
    FillRect(sdc, &top, r);
    // The top row is the last row in memory.
    const auto* px = static_cast<const std::uint32_t*>(bits);
    EXPECT_EQ(px[4] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(px[0] & 0xFFFFFF, 0u);
    info.bmiHeader.biBitCount = 24;
    EXPECT_EQ(CreateDIBSection(dc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
    DeleteDC(sdc);
    DeleteObject(section);
    DeleteObject(r);
}

} // namespace
} // namespace zeledit::test
