#include "platform/gdi/png_writer.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace zeledit::platform {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

bool write_rows(std::FILE* file, const PixelSource& px) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    std::vector<png_byte> row(static_cast<std::size_t>(px.width) * 3);
    // libpng reports errors by jumping here; nothing below owns resources but png/info.
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(px.width), static_cast<png_uint_32>(px.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < px.height; ++y) {
        for (int x = 0; x < px.width; ++x) {
            const std::uint32_t p = px.at(x, y);
            row[3 * x] = static_cast<png_byte>(p >> 16);
            row[3 * x + 1] = static_cast<png_byte>(p >> 8);
            row[3 * x + 2] = static_cast<png_byte>(p);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool write_png(const PixelSource& px, const char* path) {
    if (path == nullptr || px.pixels == nullptr || px.width <= 0 || px.height <= 0) return false;
    const std::string temp = std::string(path) + ".part";
    bool ok;
    {
        std::unique_ptr<std::FILE, FileCloser> file(std::fopen(temp.c_str(), "wb"));
        if (!file) return false;
        ok = write_rows(file.get(), px) && std::fflush(file.get()) == 0;
    }
    if (ok) ok = std::rename(temp.c_str(), path) == 0;
    if (!ok) std::remove(temp.c_str());
    return ok;
}

} // namespace zeledit::platform
