// Small files made here for the tests that read them: metafiles and a JPEG image.
#pragma once

#include <zeledit/windows.h>

#include <cstdio> // before jpeglib.h, which needs FILE
#include <jpeglib.h>

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <vector>

namespace zeledit::test {

class ByteWriter {
public:
    template <class T> ByteWriter& put(T v) {
        const auto* p = reinterpret_cast<const unsigned char*>(&v);
        data.insert(data.end(), p, p + sizeof v);
        return *this;
    }
    ByteWriter& words(std::initializer_list<SHORT> ws) {
        for (SHORT w : ws) put(w);
        return *this;
    }
    std::vector<unsigned char> data;
};

// A Windows metafile record: size in 16-bit words, function, parameters.
inline void wmf_record(ByteWriter& b, WORD function, std::initializer_list<SHORT> params) {
    b.put(DWORD(3 + params.size())).put(function).words(params);
}

inline std::vector<unsigned char> sample_wmf(bool with_unknown_record) {
    ByteWriter b;
    b.put(WORD(1)).put(WORD(9)).put(WORD(0x0300)).put(DWORD(0)).put(WORD(2)).put(DWORD(0)).put(WORD(0));
    wmf_record(b, 0x02FC, {BS_SOLID, SHORT(0x00FF), 0, 0}); // red brush into slot 0
    wmf_record(b, 0x02FA, {PS_NULL, 0, 0, 0, 0});           // no pen into slot 1
    wmf_record(b, 0x012D, {0});
    wmf_record(b, 0x012D, {1});
    if (with_unknown_record) wmf_record(b, 0x7777, {1, 2, 3});
    wmf_record(b, 0x041B, {21, 31, 1, 11}); // rectangle left 11, top 1, right 31, bottom 21
    wmf_record(b, 0x0000, {});
    return b.data;
}

// 20 × 10 mm at one pixel per mm: red fills the left half of the frame.
inline std::vector<unsigned char> sample_emf() {
    ByteWriter b;
    b.put(DWORD(1)).put(DWORD(88));
    b.put(RECT{0, 0, 19, 9}).put(RECT{0, 0, 2000, 1000}); // frame: 20 × 10 mm
    b.put(DWORD(0x464D4520)).put(DWORD(0x10000)).put(DWORD(0)).put(DWORD(0)).put(WORD(2)).put(WORD(0));
    b.put(DWORD(0)).put(DWORD(0)).put(DWORD(0)).put(SIZE{100, 100}).put(SIZE{100, 100}); // 1 pixel per mm
    b.put(DWORD(39))
        .put(DWORD(24))
        .put(DWORD(1))
        .put(UINT(BS_SOLID))
        .put(COLORREF(RGB(255, 0, 0)))
        .put(DWORD(0));
    b.put(DWORD(37)).put(DWORD(12)).put(DWORD(1));
    b.put(DWORD(37)).put(DWORD(12)).put(DWORD(0x80000000 | NULL_PEN));
    b.put(DWORD(43)).put(DWORD(24)).put(RECT{0, 0, 11, 11});   // the left half of the frame
    b.put(DWORD(43)).put(DWORD(24)).put(RECT{0, 0, 500, 500}); // far outside: clipped to the frame
    b.put(DWORD(14)).put(DWORD(20)).put(DWORD(0)).put(DWORD(16)).put(DWORD(20));
    const DWORD size = static_cast<DWORD>(b.data.size());
    std::memcpy(b.data.data() + 48, &size, 4);
    return b.data;
}

// A 16 × 8 JPEG of one reddish colour (200, 30, 30).
inline std::vector<std::uint8_t> jpeg_file() {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = 16;
    c.image_height = 8;
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<unsigned char> row(16 * 3);
    for (int i = 0; i < 16; ++i) row[3 * i] = 200, row[3 * i + 1] = 30, row[3 * i + 2] = 30;
    while (c.next_scanline < c.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    std::vector<std::uint8_t> out(mem, mem + size);
    jpeg_destroy_compress(&c);
    std::free(mem);
    return out;
}

} // namespace zeledit::test
