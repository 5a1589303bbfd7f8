// The graphics support library: DIB objects, DEX images, drawing DIBs, image files,
// sound, font records and colour shading.
#include "platform/gdi_test.h"
#include "support/sample_files.h"

#include "platform/core/global_memory.h"
#include "platform/core/resources.h"
#include "platform/gdi/dib.h"
#include "platform/graphics_support/graphics_support.h"
#include "platform/graphics_support/image_files.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include <png.h>
#include <tiffio.h>

namespace zeledit::test {
namespace {

using namespace zeledit::platform;

class GraphicsSupport : public PlatformTest {
protected:
    // A 3 × 2 image: top row red, green, blue; bottom row white, black, half-transparent grey.
    static std::vector<std::uint32_t> sample() {
        return {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0x80808080};
    }
    static HDIBOBJ sample_dib(bool with_alpha) {
        const auto px = sample();
        HDIBOBJ dib = CreateDibObject(24);
        dibSetHandle(dib, make_packed_dib(3, 2, px));
        if (with_alpha) dibSetAlphaHandle(dib, make_alpha_block(3, 2, px));
        return dib;
    }
    static std::vector<BYTE> dex_of(HDIBOBJ dib) {
        std::vector<BYTE> out(GetDEXSize(dibGetHandle(dib), dibGetAlphaHandle(dib)));
        EXPECT_EQ(SaveDibExToBuffer(out.data(), dibGetHandle(dib), dibGetAlphaHandle(dib)), out.size());
        return out;
    }
    static std::vector<BYTE> block_bytes(HGLOBAL h) {
        LockedBlock b(h);
        return {b.data(), b.data() + b.size()};
    }
};

TEST_F(GraphicsSupport, DibObjectsOwnTheirBlocks) {
    EXPECT_EQ(CreateDibObject(16), nullptr);
    HDIBOBJ dib = sample_dib(true);
    EXPECT_EQ(dibGetWidth(dib), 3);
    EXPECT_EQ(dibGetHeight(dib), 2);
    EXPECT_EQ(dibGetBits(dib), 24);
    HGLOBAL colour = dibGetHandle(dib), alpha = dibGetAlphaHandle(dib);
    EXPECT_NE(alpha, nullptr);
    EXPECT_EQ(block_bytes(alpha)[2], 0x80); // bottom-up: the first row is the image's bottom row
    HGLOBAL fresh = dibCreateAlphaChannel(dib);
    EXPECT_EQ(GlobalSize(alpha), 0u); // the old alpha block was freed
    EXPECT_EQ(block_bytes(fresh), std::vector<BYTE>(6, 0xFF));
    FreeDibObject(dib);
    EXPECT_EQ(GlobalSize(colour), 0u);
    EXPECT_EQ(dibGetWidth(dib), 0);
    FreeDibObject(dib); // twice: nothing happens
}

TEST_F(GraphicsSupport, DexRoundTripsWithAndWithoutAlpha) {
    for (bool with_alpha : {false, true}) {
        HDIBOBJ dib = sample_dib(with_alpha);
        const auto dex = dex_of(dib);
        std::vector<BYTE> two = dex;
        two.insert(two.end(), dex.begin(), dex.end()); // two images back to back
        const BYTE* p = two.data();
        std::size_t left = two.size();
        HGLOBAL colour = nullptr, alpha = nullptr;
        ASSERT_EQ(LoadDibExFromBuffer(&p, &left, &colour, &alpha), 24);
        EXPECT_EQ(left, dex.size());
        EXPECT_EQ(block_bytes(colour), block_bytes(dibGetHandle(dib)));
        EXPECT_EQ(alpha != nullptr, with_alpha);
        if (with_alpha) {
            EXPECT_EQ(block_bytes(alpha), block_bytes(dibGetAlphaHandle(dib)));
        }
        GlobalFree(colour);
        GlobalFree(alpha);
        FreeDibObject(dib);
    }
}

TEST_F(GraphicsSupport, DexRefusesTruncatedAndInconsistentInput) {
    HDIBOBJ dib = sample_dib(true);
    const auto dex = dex_of(dib);
    HGLOBAL colour = nullptr, alpha = nullptr;
    for (std::size_t n = 0; n < dex.size(); ++n) {
        const BYTE* p = dex.data();
        std::size_t left = n;
        EXPECT_EQ(LoadDibExFromBuffer(&p, &left, &colour, &alpha), 0) << n;
        EXPECT_EQ(p, dex.data());
        EXPECT_EQ(colour, nullptr);
    }
    auto corrupt = [&](std::size_t at, BYTE value) {
        auto bad = dex;
        bad[at] = value;
        const BYTE* p = bad.data();
        std::size_t left = bad.size();
        return LoadDibExFromBuffer(&p, &left, &colour, &alpha);
    };
    EXPECT_EQ(corrupt(0, 'X'), 0);     // signature
    EXPECT_EQ(corrupt(4, 2), 0);       // version
    EXPECT_EQ(corrupt(8, 4), 0);       // width disagrees with the DIB
    EXPECT_EQ(corrupt(20, 5), 0);      // alpha size disagrees
    EXPECT_EQ(corrupt(24 + 14, 7), 0); // the DIB's own depth
    EXPECT_EQ(corrupt(24 + 12, 2), 0); // planes
    FreeDibObject(dib);
    // Rows the pixel bytes cannot hold, though both headers agree on them.
    HDIBOBJ plain = sample_dib(false);
    auto taller = dex_of(plain);
    taller[12] = taller[24 + 8] = 100;
    const BYTE* p = taller.data();
    std::size_t left = taller.size();
    EXPECT_EQ(LoadDibExFromBuffer(&p, &left, &colour, &alpha), 0);
    FreeDibObject(plain);
}

TEST_F(GraphicsSupport, ImagesReduceTo256ColoursKeepingSizeAndAlpha) {
    // Four bands of colour over 64 × 16 pixels, half of them see-through.
    std::vector<std::uint32_t> argb(64 * 16);
    const std::uint32_t bands[4] = {0xFFD02020, 0x8020A020, 0xFF2020D0, 0x80E0E0E0};
    for (std::size_t i = 0; i < argb.size(); ++i) argb[i] = bands[(i % 64) / 16];
    HDIBOBJ dib = CreateDibObject(24);
    dibSetHandle(dib, make_packed_dib(64, 16, argb));
    dibSetAlphaHandle(dib, make_alpha_block(64, 16, argb));
    HDIBOBJ reduced = ReduceTo8Bits(dib);
    ASSERT_NE(reduced, nullptr);
    EXPECT_EQ(dibGetBits(reduced), 8);
    EXPECT_EQ(dibGetWidth(reduced), 64);
    EXPECT_EQ(dibGetHeight(reduced), 16);
    EXPECT_EQ(block_bytes(dibGetAlphaHandle(reduced)), block_bytes(dibGetAlphaHandle(dib)));
    // Each band keeps its colour closely in the middle, away from the blurred edges (an
    // average: the error diffusion scatters neighbouring palette colours).
    const auto image = decode_packed_dib(LockedBlock(dibGetHandle(reduced)).bytes());
    ASSERT_TRUE(image);
    for (int band = 0; band < 4; ++band)
        for (int shift : {0, 8, 16}) {
            int sum = 0;
            for (int y = 4; y < 12; ++y)
                for (int x = band * 16 + 4; x < band * 16 + 12; ++x)
                    sum += int((image->pixels[std::size_t(y) * 64 + x] >> shift) & 0xFF);
            EXPECT_NEAR(sum / 64, int((bands[band] >> shift) & 0xFF), 12) << band << " " << shift;
        }
    EXPECT_EQ(ReduceTo8Bits(nullptr), nullptr);
    FreeDibObject(reduced);
    FreeDibObject(dib);
}

TEST_F(GraphicsSupport, DexFromResources) {
    HDIBOBJ dib = sample_dib(false);
    static std::vector<BYTE> dex;
    dex = dex_of(dib);
    HMODULE module = GetModuleHandleW(u"zeledit");
    add_resource(module, RT_RCDATA, u"SAMPLE", dex);
    HRSRC r = FindResourceW(module, u"sample", RT_RCDATA);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(SizeofResource(module, r), dex.size());
    EXPECT_EQ(LockResource(LoadResource(module, r)), dex.data());
    HDIBOBJ loaded = LoadDexFromResource(module, u"SAMPLE");
    EXPECT_EQ(dibGetWidth(loaded), 3);
    EXPECT_EQ(LoadDexFromResource(module, u"MISSING"), nullptr);
    EXPECT_EQ(FindResourceW(nullptr, u"SAMPLE", RT_RCDATA), nullptr);
    FreeDibObject(loaded);
    FreeDibObject(dib);
}

TEST_F(GraphicsSupport, AlphaDibsBlendOverWhatIsThere) {
    Canvas canvas(30, 20);
    HDIBOBJ dib = sample_dib(true);
    ASSERT_TRUE(PrintAlphaDibOnDC(canvas.dc(), 0, 0, 30, 20, dib));
    EXPECT_EQ(canvas.at(2, 2), RGB(255, 0, 0));
    const COLORREF blended = canvas.at(28, 18); // grey 0x80 at half opacity over white
    EXPECT_NEAR(GetRValue(blended), 0xC0, 3);
    EXPECT_NEAR(GetBValue(blended), 0xC0, 3);
    FreeDibObject(dib);
}

TEST_F(GraphicsSupport, PackedDibsDrawStretchedAndComeBackFromBitmaps) {
    Canvas canvas(30, 20);
    HDIBOBJ dib = sample_dib(false);
    ASSERT_TRUE(PutDIBit(canvas.dc(), 0, 0, 30, 20, dibGetHandle(dib)));
    EXPECT_EQ(canvas.at(1, 1), RGB(255, 0, 0));
    const COLORREF middle = canvas.at(15, 5); // smoothed: mostly the green of the middle pixel
    EXPECT_GT(GetGValue(middle), 220);
    EXPECT_LT(GetRValue(middle) + GetBValue(middle), 30);
    EXPECT_TRUE(AdvPutDIBit(canvas.dc(), 0, 0, 10, 10, dibGetHandle(dib), 2, 0, 1, 1));
    EXPECT_EQ(canvas.at(5, 5), RGB(0, 0, 255));
    HGLOBAL back = BitmapToDIB(canvas.dc(), canvas.bitmap(), nullptr);
    LockedBlock b(back);
    const auto image = decode_packed_dib(b.bytes());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 30);
    EXPECT_EQ(image->pixels[0] & 0xFFFFFF, 0x0000FFu);
    EXPECT_FALSE(PutDIBit(canvas.dc(), 0, 0, 5, 5, reinterpret_cast<HGLOBAL>(0x42)));
    GlobalFree(back);
    FreeDibObject(dib);
}

// Image files made here, in each format, of the sample image.
std::vector<std::uint8_t> png_file(const std::vector<std::uint32_t>& px) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = 3;
    image.height = 2;
    image.format = PNG_FORMAT_BGRA;
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, px.data(), 0, nullptr);
    std::vector<std::uint8_t> out(size);
    png_image_write_to_memory(&image, out.data(), &size, 0, px.data(), 0, nullptr);
    out.resize(size);
    return out;
}

std::vector<std::uint8_t> tiff_file(const std::vector<std::uint32_t>& px) {
    const std::string path = ::testing::TempDir() + "sample.tif";
    TIFF* t = TIFFOpen(path.c_str(), "w");
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, 3);
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, 2);
    TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 4);
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    const uint16_t extra = EXTRASAMPLE_UNASSALPHA;
    TIFFSetField(t, TIFFTAG_EXTRASAMPLES, 1, &extra);
    for (int y = 0; y < 2; ++y) {
        unsigned char row[12];
        for (int x = 0; x < 3; ++x) {
            const std::uint32_t p = px[y * 3 + x];
            row[4 * x] = p >> 16, row[4 * x + 1] = p >> 8, row[4 * x + 2] = p, row[4 * x + 3] = p >> 24;
        }
        TIFFWriteScanline(t, row, y, 0);
    }
    TIFFClose(t);
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

std::vector<std::uint8_t> tga_file(const std::vector<std::uint32_t>& px, bool rle) {
    std::vector<std::uint8_t> f = {
        0,  0,   static_cast<std::uint8_t>(rle ? 10 : 2), 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 2, 0,
        32, 0x28}; // top-left origin, 8 alpha bits
    for (std::uint32_t p : px) {
        if (rle) f.push_back(0); // a raw packet of one pixel
        f.insert(f.end(),
                 {std::uint8_t(p), std::uint8_t(p >> 8), std::uint8_t(p >> 16), std::uint8_t(p >> 24)});
    }
    return f;
}

std::vector<std::uint8_t> bmp_file(HDIBOBJ dib) {
    LockedBlock b(dibGetHandle(dib));
    BITMAPFILEHEADER h{0x4D42, static_cast<DWORD>(14 + b.size()), 0, 0, 14 + 40};
    std::vector<std::uint8_t> f(14);
    std::memcpy(f.data(), &h, 14);
    f.insert(f.end(), b.data(), b.data() + b.size());
    return f;
}

TEST_F(GraphicsSupport, ImageFilesOfEveryKindDecode) {
    const auto px = sample();
    HDIBOBJ dib = sample_dib(false);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        bool alpha;
    } cases[] = {{"png", png_file(px), true},
                 {"tiff", tiff_file(px), true},
                 {"tga", tga_file(px, false), true},
                 {"tga-rle", tga_file(px, true), true},
                 {"bmp", bmp_file(dib), false}};
    for (const auto& c : cases) {
        const auto image = decode_image(c.bytes);
        ASSERT_TRUE(image) << c.name;
        EXPECT_EQ(image->width, 3) << c.name;
        EXPECT_EQ(image->pixels[0] & 0xFFFFFF, 0xFF0000u) << c.name;
        EXPECT_EQ(image->pixels[2] & 0xFFFFFF, 0x0000FFu) << c.name;
        EXPECT_EQ(image->pixels[5] >> 24, c.alpha ? 0x80u : 0xFFu) << c.name;
        HDIBOBJ loaded = LoadImageToDib(c.bytes);
        EXPECT_EQ(dibGetHeight(loaded), 2);
        EXPECT_EQ(dibGetAlphaHandle(loaded) != nullptr, c.alpha) << c.name;
        FreeDibObject(loaded);
    }
    const auto jpeg = decode_image(jpeg_file());
    ASSERT_TRUE(jpeg);
    EXPECT_EQ(jpeg->width, 16);
    EXPECT_NEAR(int((jpeg->pixels[0] >> 16) & 0xFF), 200, 6);
    FreeDibObject(dib);
}

TEST_F(GraphicsSupport, DamagedImageFilesAreRefused) {
    const auto png = png_file(sample());
    const auto jpeg = jpeg_file();
    for (std::size_t n : {std::size_t(0), std::size_t(8), png.size() / 2})
        EXPECT_FALSE(decode_png({png.data(), n})) << n;
    EXPECT_FALSE(decode_jpeg({jpeg.data(), 20}));
    EXPECT_FALSE(decode_tiff({png.data(), png.size()}));
    const std::vector<std::uint8_t> garbage(64, 0x5A);
    EXPECT_EQ(LoadImageToDib(garbage), nullptr);
    auto tga = tga_file(sample(), false);
    tga.resize(tga.size() - 3);
    EXPECT_FALSE(decode_tga(tga));
    // Found by fuzzing: a 26-byte file claiming a huge run-length image is refused before
    // anything is allocated for it.
    const std::vector<std::uint8_t> huge = {0x00, 0x00, 0x0A, 0x00, 0x00, 0x00, 0xDC, 0xDC, 0xDC,
                                            0xDC, 0xDC, 0xDC, 0xDC, 0xDC, 0x00, 0x98, 0x20, 0x81,
                                            0x01, 0x02, 0x05, 0x00, 0x03, 0x01, 0x08, 0x08};
    EXPECT_FALSE(decode_tga(huge));
}

std::vector<std::uint8_t> wave(std::uint32_t samples) {
    std::vector<std::uint8_t> w;
    auto put32 = [&](std::uint32_t v) {
        w.insert(w.end(),
                 {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)});
    };
    auto put16 = [&](std::uint16_t v) { w.insert(w.end(), {std::uint8_t(v), std::uint8_t(v >> 8)}); };
    w.insert(w.end(), {'R', 'I', 'F', 'F'});
    put32(36 + samples);
    w.insert(w.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(16);
    put16(1), put16(1), put32(8000), put32(8000), put16(1), put16(8);
    w.insert(w.end(), {'d', 'a', 't', 'a'});
    put32(samples);
    w.insert(w.end(), samples, 128);
    return w;
}

TEST_F(GraphicsSupport, SoundEndsWithANotificationAfterItsDuration) {
    set_audio_output_enabled(false);
    HWND w = make_window();
    headless::PumpMessages();
    clear_log();
    const auto bytes = wave(800); // 100 ms at 8000 samples a second
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    ASSERT_TRUE(DAPlaySound(block, w, 7));
    headless::AdvanceClock(99);
    headless::PumpMessages();
    EXPECT_TRUE(received(WM_NOTIFY).empty());
    headless::AdvanceClock(1);
    headless::PumpMessages();
    ASSERT_EQ(received(WM_NOTIFY).size(), 1u);
    EXPECT_EQ(received(WM_NOTIFY)[0].wParam, 1000u);
    EXPECT_EQ(received(WM_NOTIFY)[0].lParam, 7);
    // Damaged wave data does not play.
    LockedBlock(block).data()[8] = 'X';
    EXPECT_FALSE(DAPlaySound(block, w, 8));
    GlobalReAlloc(block, 30, GMEM_MOVEABLE);
    EXPECT_FALSE(DAPlaySound(block, w, 8));
    GlobalFree(block);
}

TEST_F(GraphicsSupport, FontRecordsLinesAndShading) {
    LOGFONTW lf;
    GetFont(nullptr, &lf, u"Times New Roman", 11, FW_BOLD, TRUE, 0);
    EXPECT_EQ(lf.lfHeight, -15);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(std::u16string(lf.lfFaceName), u"Times New Roman");
    EXPECT_EQ(ChangeColorLight(RGB(10, 100, 200), 100), RGB(255, 255, 255));
    EXPECT_EQ(ChangeColorLight(RGB(10, 100, 200), -100), RGB(0, 0, 0));
    EXPECT_EQ(ChangeColorLight(RGB(10, 100, 200), 0), RGB(10, 100, 200));
    EXPECT_EQ(ChangeColorLight(RGB(0, 0, 0), 50), RGB(127, 127, 127));
    EXPECT_EQ(ChangeColorLight(RGB(200, 200, 200), -50), RGB(100, 100, 100));
    Canvas canvas(20, 20);
    Line(canvas.dc(), 0, 5, 20, 5, PS_SOLID, RGB(0, 0, 255));
    EXPECT_EQ(canvas.count(RGB(0, 0, 255)), 20);
}

} // namespace
} // namespace zeledit::test
