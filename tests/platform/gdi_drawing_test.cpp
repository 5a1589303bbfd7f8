// Mapping modes, clipping, pens and shapes, exact inversion, bit-block transfers, DIBs.
#include "platform/gdi_test.h"

#include "platform/gdi/dib.h"

#include <cstring>
#include <memory>

namespace zeledit::test {
namespace {

constexpr COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0), red = RGB(255, 0, 0);

class Drawing : public PlatformTest {
protected:
    std::unique_ptr<Canvas> canvas;
    void SetUp() override {
        PlatformTest::SetUp();
        canvas = std::make_unique<Canvas>(100, 80);
    }
    void TearDown() override {
        canvas.reset();
        PlatformTest::TearDown();
    }
    HDC dc() { return canvas->dc(); }
    void fill(RECT r, COLORREF c) {
        HBRUSH b = CreateSolidBrush(c);
        FillRect(dc(), &r, b);
        DeleteObject(b);
    }
    // Something to invert: stripes of colours.
    void stripes() {
        for (int i = 0; i < 10; ++i) fill({i * 10, 0, i * 10 + 10, 80}, RGB(i * 25, 255 - i * 20, i * 7));
    }
};

TEST_F(Drawing, AnisotropicMappingScalesAndMoves) {
    SetMapMode(dc(), MM_ANISOTROPIC);
    SetWindowExtEx(dc(), 100, 100, nullptr);
    SetViewportExtEx(dc(), 200, 50, nullptr);
    SetViewportOrgEx(dc(), 10, 20, nullptr);
    POINT p[2] = {{0, 0}, {10, 10}};
    LPtoDP(dc(), p, 2);
    EXPECT_EQ(p[0].x, 10);
    EXPECT_EQ(p[0].y, 20);
    EXPECT_EQ(p[1].x, 30);
    EXPECT_EQ(p[1].y, 25);
    DPtoLP(dc(), p, 2);
    EXPECT_EQ(p[1].x, 10);
    fill({0, 0, 10, 10}, red);
    EXPECT_EQ(canvas->at(10, 20), red);
    EXPECT_EQ(canvas->at(29, 24), red);
    EXPECT_EQ(canvas->at(30, 24), white);
    EXPECT_EQ(canvas->at(29, 25), white);
    EXPECT_EQ(canvas->count(red), 20 * 5);
}

TEST_F(Drawing, IsotropicMappingKeepsUnitsSquare) {
    SetMapMode(dc(), MM_ISOTROPIC);
    SetWindowExtEx(dc(), 100, 100, nullptr);
    SetViewportExtEx(dc(), 200, 50, nullptr);
    SIZE ext{};
    GetViewportExtEx(dc(), &ext);
    EXPECT_EQ(ext.cx, 50);
    EXPECT_EQ(ext.cy, 50);
    SetMapMode(dc(), MM_TEXT); // extents go back to one to one
    SetViewportExtEx(dc(), 7, 7, nullptr);
    POINT p{3, 4};
    LPtoDP(dc(), &p, 1);
    EXPECT_EQ(p.x, 3);
}

TEST_F(Drawing, WorldTransformsOnlyInAdvancedMode) {
    const XFORM shift{1, 0, 0, 1, 40, 30};
    EXPECT_FALSE(SetWorldTransform(dc(), &shift));
    SetGraphicsMode(dc(), GM_ADVANCED);
    EXPECT_TRUE(SetWorldTransform(dc(), &shift));
    fill({0, 0, 5, 5}, red);
    EXPECT_EQ(canvas->at(40, 30), red);
    EXPECT_EQ(canvas->at(0, 0), white);
    const XFORM flat{0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(SetWorldTransform(dc(), &flat));
}

TEST_F(Drawing, ClippingIntersectsExcludesAndRestores) {
    const int saved = SaveDC(dc());
    EXPECT_EQ(IntersectClipRect(dc(), 10, 10, 50, 50), SIMPLEREGION);
    EXPECT_EQ(ExcludeClipRect(dc(), 20, 20, 30, 30), COMPLEXREGION);
    RECT box{};
    EXPECT_EQ(GetClipBox(dc(), &box), COMPLEXREGION);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.right, 50);
    fill({0, 0, 100, 80}, red);
    EXPECT_EQ(canvas->count(red), 40 * 40 - 10 * 10);
    EXPECT_EQ(canvas->at(25, 25), white);
    EXPECT_TRUE(RestoreDC(dc(), saved));
    fill({0, 0, 100, 80}, black);
    EXPECT_EQ(canvas->count(black), 100 * 80);
    EXPECT_FALSE(RestoreDC(dc(), 5));
    HRGN region = CreateRectRgn(0, 0, 10, 10);
    EXPECT_EQ(SelectClipRgn(dc(), region), SIMPLEREGION);
    DeleteObject(region); // the DC keeps its own copy
    fill({0, 0, 100, 80}, red);
    EXPECT_EQ(canvas->count(red), 100);
}

TEST_F(Drawing, InversionRoundTripsExactly) {
    stripes();
    const auto before = canvas->pixels();
    const RECT r{5, 5, 95, 75};
    InvertRect(dc(), &r);
    EXPECT_NE(canvas->pixels(), before);
    EXPECT_EQ(canvas->at(0, 0), before[0]);
    EXPECT_EQ(canvas->at(5, 5), RGB(255, 255, 255) ^ before[5 * 100 + 5]);
    InvertRect(dc(), &r);
    EXPECT_EQ(canvas->pixels(), before);
    DrawFocusRect(dc(), &r);
    EXPECT_NE(canvas->pixels(), before);
    DrawFocusRect(dc(), &r);
    EXPECT_EQ(canvas->pixels(), before);
}

TEST_F(Drawing, NotAndXorPensRoundTrip) {
    stripes();
    const auto before = canvas->pixels();
    SetROP2(dc(), R2_NOT);
    HPEN wide = CreatePen(PS_SOLID, 3, red);
    SelectObject(dc(), wide);
    SelectObject(dc(), GetStockObject(NULL_BRUSH));
    Rectangle(dc(), 10, 10, 60, 40);
    MoveToEx(dc(), 0, 70, nullptr);
    LineTo(dc(), 90, 5);
    EXPECT_NE(canvas->pixels(), before);
    Rectangle(dc(), 10, 10, 60, 40);
    MoveToEx(dc(), 0, 70, nullptr);
    LineTo(dc(), 90, 5);
    EXPECT_EQ(canvas->pixels(), before);
    SetROP2(dc(), R2_XORPEN);
    Ellipse(dc(), 20, 20, 80, 70);
    Ellipse(dc(), 20, 20, 80, 70);
    EXPECT_EQ(canvas->pixels(), before);
    SelectObject(dc(), GetStockObject(BLACK_PEN));
    DeleteObject(wide);
}

TEST_F(Drawing, LinesLeaveOutTheirLastPixelAndDashesHaveGaps) {
    HPEN pen = CreatePen(PS_SOLID, 1, red);
    SelectObject(dc(), pen);
    MoveToEx(dc(), 10, 5, nullptr);
    LineTo(dc(), 20, 5);
    EXPECT_EQ(canvas->at(10, 5), red);
    EXPECT_EQ(canvas->at(19, 5), red);
    EXPECT_EQ(canvas->at(20, 5), white);
    EXPECT_EQ(canvas->count(red), 10);
    HPEN dash = CreatePen(PS_DASH, 1, black);
    DeleteObject(SelectObject(dc(), dash));
    SetBkMode(dc(), TRANSPARENT);
    MoveToEx(dc(), 0, 50, nullptr);
    LineTo(dc(), 100, 50);
    int on = 0;
    for (int x = 0; x < 100; ++x) on += canvas->at(x, 50) == black;
    EXPECT_GT(on, 60);
    EXPECT_LT(on, 90);
    SelectObject(dc(), GetStockObject(BLACK_PEN));
    DeleteObject(dash);
}

TEST_F(Drawing, RectangleOutlineAndInterior) {
    HBRUSH brush = CreateSolidBrush(red);
    SelectObject(dc(), brush);
    Rectangle(dc(), 10, 10, 20, 20);
    EXPECT_EQ(canvas->at(10, 10), black);
    EXPECT_EQ(canvas->at(19, 19), black);
    EXPECT_EQ(canvas->at(20, 20), white);
    EXPECT_EQ(canvas->at(15, 15), red);
    EXPECT_EQ(canvas->count(red), 8 * 8);
    SelectObject(dc(), GetStockObject(NULL_PEN));
    Rectangle(dc(), 30, 30, 40, 40); // without a pen one less to the right and bottom
    EXPECT_EQ(canvas->count(red), 8 * 8 + 9 * 9);
    SelectObject(dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
}

TEST_F(Drawing, BitBltRasterOperations) {
    Canvas source(20, 20);
    HBRUSH b = CreateSolidBrush(RGB(0x0F, 0xF0, 0x33));
    RECT all{0, 0, 20, 20};
    FillRect(source.dc(), &all, b);
    DeleteObject(b);
    fill({0, 0, 100, 80}, RGB(0xF0, 0xF0, 0x0F));
    EXPECT_TRUE(BitBlt(dc(), 0, 0, 10, 10, source.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(canvas->at(5, 5), RGB(0x0F, 0xF0, 0x33));
    BitBlt(dc(), 10, 0, 10, 10, source.dc(), 0, 0, SRCAND);
    EXPECT_EQ(canvas->at(15, 5), RGB(0x00, 0xF0, 0x03));
    BitBlt(dc(), 20, 0, 10, 10, source.dc(), 0, 0, SRCPAINT);
    EXPECT_EQ(canvas->at(25, 5), RGB(0xFF, 0xF0, 0x3F));
    BitBlt(dc(), 30, 0, 10, 10, source.dc(), 0, 0, SRCINVERT);
    EXPECT_EQ(canvas->at(35, 5), RGB(0xFF, 0x00, 0x3C));
    BitBlt(dc(), 40, 0, 10, 10, nullptr, 0, 0, DSTINVERT);
    EXPECT_EQ(canvas->at(45, 5), RGB(0x0F, 0x0F, 0xF0));
    BitBlt(dc(), 50, 0, 10, 10, source.dc(), 0, 0, NOTSRCCOPY);
    EXPECT_EQ(canvas->at(55, 5), RGB(0xF0, 0x0F, 0xCC));
    EXPECT_FALSE(BitBlt(dc(), 0, 0, 10, 10, nullptr, 0, 0, SRCCOPY));
}

TEST_F(Drawing, StretchBltScalesNearestPixels) {
    Canvas source(2, 2);
    SetPixel(source.dc(), 0, 0, red);
    SetPixel(source.dc(), 1, 1, black);
    EXPECT_EQ(GetPixel(source.dc(), 0, 0), red);
    EXPECT_TRUE(StretchBlt(dc(), 0, 0, 20, 20, source.dc(), 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(canvas->at(0, 0), red);
    EXPECT_EQ(canvas->at(9, 9), red);
    EXPECT_EQ(canvas->at(10, 0), white);
    EXPECT_EQ(canvas->at(15, 15), black);
    EXPECT_EQ(canvas->count(red), 100);
}

// A DIB of one row pattern at each depth, bottom-up or top-down.
struct TestDib {
    std::vector<unsigned char> info;
    std::vector<unsigned char> bits;
};

TestDib make_dib(int bpp, bool top_down) {
    const int width = 4, height = 2;
    TestDib d;
    BITMAPINFOHEADER h{
        sizeof h, width, top_down ? -height : height, 1, static_cast<WORD>(bpp), BI_RGB, 0, 0, 0, 0, 0};
    d.info.resize(sizeof h + (bpp <= 8 ? 4u << bpp : 0u));
    std::memcpy(d.info.data(), &h, sizeof h);
    if (bpp <= 8) {
        const RGBQUAD colours[2] = {{0, 0, 255, 0}, {255, 0, 0, 0}}; // red, blue
        std::memcpy(d.info.data() + sizeof h, colours, sizeof colours);
    }
    const std::size_t stride = platform::dib_stride(width, bpp);
    d.bits.assign(stride * height, 0);
    // Stored first row: red blue red blue; second row: all red.
    for (int x = 0; x < width; ++x) {
        const bool blue = x % 2 == 1;
        unsigned char* row = d.bits.data();
        switch (bpp) {
        case 1: row[0] |= blue ? (0x80 >> x) : 0; break;
        case 4: row[x / 2] |= (blue ? 1 : 0) << (x % 2 == 0 ? 4 : 0); break;
        case 8: row[x] = blue ? 1 : 0; break;
        case 16: {
            const WORD v = blue ? 0x001F : 0x7C00;
            std::memcpy(row + 2 * x, &v, 2);
            const WORD r = 0x7C00;
            std::memcpy(row + stride + 2 * x, &r, 2);
            break;
        }
        default: {
            const int n = bpp / 8;
            row[n * x] = blue ? 255 : 0;
            row[n * x + 2] = blue ? 0 : 255;
            row[stride + n * x + 2] = 255;
        }
        }
    }
    return d;
}

TEST_F(Drawing, DibsOfEveryDepthDrawTheSameImage) {
    for (int bpp : {1, 4, 8, 16, 24, 32})
        for (bool top_down : {false, true}) {
            canvas->fill(white);
            const TestDib d = make_dib(bpp, top_down);
            const auto* info = reinterpret_cast<const BITMAPINFO*>(d.info.data());
            ASSERT_EQ(
                StretchDIBits(dc(), 0, 0, 4, 2, 0, 0, 4, 2, d.bits.data(), info, DIB_RGB_COLORS, SRCCOPY), 2)
                << bpp;
            // The first stored row is the bottom row of a bottom-up DIB.
            const int patterned = top_down ? 0 : 1;
            const COLORREF blue = RGB(0, 0, 255);
            if (bpp > 8) { // palette-less depths store the second row as all red
                EXPECT_EQ(canvas->at(1, 1 - patterned), red) << bpp;
            }
            EXPECT_EQ(canvas->at(0, patterned), red) << bpp << " " << top_down;
            EXPECT_EQ(canvas->at(1, patterned), blue) << bpp << " " << top_down;
            EXPECT_EQ(canvas->at(3, patterned), blue) << bpp << " " << top_down;
        }
}

TEST_F(Drawing, GetDIBitsReadsBackWhatWasDrawn) {
    fill({0, 0, 1, 1}, red);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    ASSERT_NE(GetDIBits(dc(), canvas->bitmap(), 0, 0, nullptr, &info, DIB_RGB_COLORS), 0);
    EXPECT_EQ(info.bmiHeader.biWidth, 100);
    EXPECT_EQ(info.bmiHeader.biBitCount, 32);
    info.bmiHeader.biBitCount = 24;
    std::vector<unsigned char> bits(platform::dib_stride(100, 24) * 80);
    EXPECT_EQ(GetDIBits(dc(), canvas->bitmap(), 0, 80, bits.data(), &info, DIB_RGB_COLORS), 80);
    // Bottom-up: the top-left pixel is the first of the last row.
    const unsigned char* top_left = &bits[platform::dib_stride(100, 24) * 79];
    EXPECT_EQ(top_left[2], 255);
    EXPECT_EQ(top_left[0], 0);
}

TEST_F(Drawing, BadDibsAreRefused) {
    BITMAPINFOHEADER h{sizeof h, 4, 4, 1, 7, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<unsigned char> block(sizeof h + 64);
    std::memcpy(block.data(), &h, sizeof h);
    EXPECT_FALSE(platform::decode_packed_dib(block)); // 7 bits per pixel
    h.biBitCount = 24;
    h.biWidth = 1 << 20;
    h.biHeight = 1 << 20;
    std::memcpy(block.data(), &h, sizeof h);
    EXPECT_FALSE(platform::decode_packed_dib(block)); // far too large
    h.biWidth = 16;
    h.biHeight = 16;
    std::memcpy(block.data(), &h, sizeof h);
    EXPECT_FALSE(platform::decode_packed_dib(block)); // rows missing
    EXPECT_FALSE(platform::decode_packed_dib(std::span<const std::uint8_t>(block.data(), 20)));
    h.biHeight = 1;
    h.biWidth = 4;
    h.biBitCount = 8;
    h.biClrUsed = 300; // more colours than 8 bits can index
    std::memcpy(block.data(), &h, sizeof h);
    EXPECT_FALSE(platform::decode_packed_dib(block));
}

TEST_F(Drawing, RunLengthDibsDecodeAndStopAtTheirEnd) {
    BITMAPINFOHEADER h{sizeof h, 4, 2, 1, 8, BI_RLE8, 0, 0, 0, 2, 0};
    const RGBQUAD colours[2] = {{0, 0, 255, 0}, {255, 0, 0, 0}};
    // Row 0: 4 red; end of line; row 1: absolute run of 3 (blue red blue) padded, then end.
    const unsigned char rle[] = {4, 0, 0, 0, 0, 3, 1, 0, 1, 0, 0, 1};
    std::vector<unsigned char> block(sizeof h + sizeof colours + sizeof rle);
    h.biSizeImage = sizeof rle;
    std::memcpy(block.data(), &h, sizeof h);
    std::memcpy(block.data() + sizeof h, colours, sizeof colours);
    std::memcpy(block.data() + sizeof h + sizeof colours, rle, sizeof rle);
    const auto image = platform::decode_packed_dib(block);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels[0] & 0xFFFFFF, 0x0000FFu); // top row is the second stored row
    EXPECT_EQ(image->pixels[4] & 0xFFFFFF, 0xFF0000u);
    // Cut short: still an image, never a read past the end.
    block.resize(block.size() - 5);
    EXPECT_TRUE(platform::decode_packed_dib(block));
}

TEST_F(Drawing, BadHandlesAreRefused) {
    HDC bad = reinterpret_cast<HDC>(0x1234);
    RECT r{0, 0, 1, 1};
    SIZE s;
    TEXTMETRICW tm;
    EXPECT_EQ(FillRect(bad, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
    EXPECT_EQ(FillRect(dc(), &r, reinterpret_cast<HBRUSH>(0x5555)), 0);
    EXPECT_FALSE(InvertRect(bad, &r));
    EXPECT_FALSE(TextOutW(bad, 0, 0, u"x", 1));
    EXPECT_FALSE(GetTextExtentPoint32W(bad, u"x", 1, &s));
    EXPECT_FALSE(GetTextMetricsW(bad, &tm));
    EXPECT_EQ(SelectObject(bad, GetStockObject(BLACK_PEN)), nullptr);
    EXPECT_EQ(SelectObject(dc(), reinterpret_cast<HGDIOBJ>(0x77)), nullptr);
    EXPECT_FALSE(BitBlt(dc(), 0, 0, 1, 1, bad, 0, 0, SRCCOPY));
    EXPECT_FALSE(DeleteDC(bad));
    EXPECT_FALSE(DeleteObject(bad));
    EXPECT_EQ(GetPixel(bad, 0, 0), CLR_INVALID);
    EXPECT_EQ(GetDeviceCaps(bad, LOGPIXELSX), 0);
    EXPECT_FALSE(DeleteObject(canvas->bitmap()));         // still selected
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN))); // stock objects ignore deletion
    EXPECT_NE(GetObjectType(GetStockObject(BLACK_PEN)), 0u);
}

TEST_F(Drawing, ScreenAndMemoryCapabilities) {
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(screen, PHYSICALWIDTH), 0);
    EXPECT_EQ(GetDeviceCaps(screen, TECHNOLOGY), DT_RASDISPLAY);
    EXPECT_FALSE(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
    EXPECT_EQ(GetObjectType(dc()), OBJ_MEMDC);
}

} // namespace
} // namespace zeledit::test
