// A bitmap file made here for the tests that pick or read pictures.
#pragma once

#include <zeledit/win_types.h>

#include <cstdint>
#include <vector>

namespace zeledit::test {

// A 24-bit bottom-up BMP of one colour.
inline std::vector<char> bmp_file(int width, int height, BYTE r, BYTE g, BYTE b) {
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> out(54 + static_cast<std::size_t>(stride * height), 0);
    auto put = [&](std::size_t at, std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            out[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    out[0] = 'B', out[1] = 'M';
    put(2, static_cast<std::uint32_t>(out.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t at = 54 + static_cast<std::size_t>(y * stride + x * 3);
            out[at] = static_cast<char>(b), out[at + 1] = static_cast<char>(g),
            out[at + 2] = static_cast<char>(r);
        }
    return out;
}

} // namespace zeledit::test
