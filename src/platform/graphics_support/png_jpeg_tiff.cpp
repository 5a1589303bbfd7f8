// PNG, JPEG and TIFF files through libpng, libjpeg-turbo and libtiff, from memory.
#include "platform/graphics_support/image_files.h"
#include "platform/graphics_support/jpeg_error.h"

#include <cstring>

#include <png.h>
#include <tiffio.h>

namespace zeledit::platform {
namespace {

bool size_ok(std::uint64_t w, std::uint64_t h) { return w > 0 && h > 0 && w * h <= max_image_pixels; }

// The TIFF library reads through these, never past the buffer.
struct TiffSource {
    std::span<const std::uint8_t> bytes;
    toff_t at = 0;
};

tsize_t tiff_read(thandle_t h, tdata_t out, tsize_t n) {
    auto* s = static_cast<TiffSource*>(h);
    if (n <= 0 || s->at >= s->bytes.size()) return 0;
    const auto count =
        static_cast<tsize_t>(std::min<std::uint64_t>(std::uint64_t(n), s->bytes.size() - s->at));
    std::memcpy(out, s->bytes.data() + s->at, static_cast<std::size_t>(count));
    s->at += static_cast<toff_t>(count);
    return count;
}
tsize_t tiff_write(thandle_t, tdata_t, tsize_t) { return 0; }
toff_t tiff_seek(thandle_t h, toff_t off, int whence) {
    auto* s = static_cast<TiffSource*>(h);
    const std::uint64_t base = whence == SEEK_CUR ? s->at : whence == SEEK_END ? s->bytes.size() : 0;
    const std::uint64_t to = base + off;
    if (to > s->bytes.size()) return static_cast<toff_t>(-1);
    s->at = static_cast<toff_t>(to);
    return s->at;
}
int tiff_close(thandle_t) { return 0; }
toff_t tiff_size(thandle_t h) { return static_cast<TiffSource*>(h)->bytes.size(); }
int tiff_map(thandle_t, tdata_t*, toff_t*) { return 0; }
void tiff_unmap(thandle_t, tdata_t, toff_t) {}

} // namespace

std::optional<RgbaImage> decode_png(std::span<const std::uint8_t> file) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) return std::nullopt;
    if (!size_ok(image.width, image.height)) {
        png_image_free(&image);
        return std::nullopt;
    }
    image.format = PNG_FORMAT_BGRA; // in memory: B, G, R, A — one 0xAARRGGBB word per pixel
    RgbaImage out{static_cast<int>(image.width), static_cast<int>(image.height), {}};
    out.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    if (!png_image_finish_read(&image, nullptr, out.pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    return out;
}

std::optional<RgbaImage> decode_jpeg(std::span<const std::uint8_t> file) {
    jpeg_decompress_struct info{};
    JpegError error{};
    info.err = InstallJpegError(error);
    RgbaImage out;
    // Nothing with a destructor is made between the jump point and a jump back to it.
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || !size_ok(info.image_width, info.image_height)) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    out.pixels.assign(static_cast<std::size_t>(out.width) * out.height, 0xFF000000u);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(&out.pixels[std::size_t(info.output_scanline) * out.width]);
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    for (auto& p : out.pixels) p |= 0xFF000000u;
    return out;
}

std::optional<RgbaImage> decode_tiff(std::span<const std::uint8_t> file) {
    static const bool quiet = [] {
        TIFFSetErrorHandler(nullptr);
        TIFFSetWarningHandler(nullptr);
        return true;
    }();
    (void)quiet;
    TiffSource source{file};
    TIFF* tif = TIFFClientOpen("memory", "rm", &source, tiff_read, tiff_write, tiff_seek, tiff_close,
                               tiff_size, tiff_map, tiff_unmap);
    if (tif == nullptr) return std::nullopt;
    std::uint32_t w = 0, h = 0;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &w);
    TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &h);
    std::optional<RgbaImage> out;
    if (size_ok(w, h)) {
        std::vector<std::uint32_t> raster(static_cast<std::size_t>(w) * h);
        if (TIFFReadRGBAImageOriented(tif, w, h, raster.data(), ORIENTATION_TOPLEFT, 0)) {
            out = RgbaImage{static_cast<int>(w), static_cast<int>(h), {}};
            out->pixels.reserve(raster.size());
            for (std::uint32_t p : raster)
                out->pixels.push_back((TIFFGetA(p) << 24) | (TIFFGetR(p) << 16) | (TIFFGetG(p) << 8) |
                                      TIFFGetB(p));
        }
    }
    TIFFClose(tif);
    return out;
}

} // namespace zeledit::platform
