// Images reduced to 256 colours through the JPEG codec: compressed at full quality, then
// decompressed into a palette chosen for the image, with error diffusion.
#include "platform/core/global_memory.h"
#include "platform/gdi/dib.h"
#include "platform/graphics_support/graphics_support.h"

#include "platform/graphics_support/jpeg_error.h"

#include <cstdlib>
#include <cstring>

namespace zeledit::platform {
namespace {

// The image at full quality with the exact transform; false when the codec fails.
bool compress(const DecodedImage& image, unsigned char*& out, unsigned long& size) {
    jpeg_compress_struct c{};
    JpegError error{};
    c.err = InstallJpegError(error);
    // Nothing with a destructor is made between the jump point and a jump back to it.
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&c);
        return false;
    }
    jpeg_create_compress(&c);
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = static_cast<JDIMENSION>(image.width);
    c.image_height = static_cast<JDIMENSION>(image.height);
    c.input_components = 4;
    c.in_color_space = JCS_EXT_BGRX; // 0xFFRRGGBB words, little-endian
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 100, TRUE);
    c.dct_method = JDCT_ISLOW;
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        auto* row = reinterpret_cast<JSAMPROW>(
            const_cast<std::uint32_t*>(&image.pixels[std::size_t(c.next_scanline) * image.width]));
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    return true;
}

// The JPEG decoded into at most 256 colours: a packed 8-bit bottom-up DIB, or null.
HGLOBAL quantise(const unsigned char* jpeg, unsigned long size, int width, int height) {
    const std::size_t stride = dib_stride(width, 8);
    const std::size_t header = sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, header + stride * std::size_t(height));
    if (block == nullptr) return nullptr;
    auto* out = static_cast<std::uint8_t*>(GlobalLock(block));
    jpeg_decompress_struct d{};
    JpegError error{};
    d.err = InstallJpegError(error);
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&d);
        GlobalUnlock(block);
        GlobalFree(block);
        return nullptr;
    }
    jpeg_create_decompress(&d);
    jpeg_mem_src(&d, jpeg, size);
    jpeg_read_header(&d, TRUE);
    d.quantize_colors = TRUE;
    d.desired_number_of_colors = 256;
    d.two_pass_quantize = TRUE;
    d.dither_mode = JDITHER_FS;
    d.do_fancy_upsampling = TRUE;
    d.do_block_smoothing = TRUE;
    jpeg_start_decompress(&d);
    if (int(d.output_width) != width || int(d.output_height) != height || d.output_components != 1)
        std::longjmp(error.jump, 1);
    BITMAPINFOHEADER h{};
    h.biSize = sizeof h;
    h.biWidth = width;
    h.biHeight = height; // bottom-up
    h.biPlanes = 1;
    h.biBitCount = 8;
    h.biClrUsed = 256; // the whole table is there; the colours past the palette stay black
    std::memcpy(out, &h, sizeof h);
    auto* palette = reinterpret_cast<RGBQUAD*>(out + sizeof h);
    const bool grey = d.out_color_components == 1;
    for (int i = 0; i < d.actual_number_of_colors; ++i) {
        palette[i].rgbRed = d.colormap[0][i];
        palette[i].rgbGreen = d.colormap[grey ? 0 : 1][i];
        palette[i].rgbBlue = d.colormap[grey ? 0 : 2][i];
    }
    while (d.output_scanline < d.output_height) {
        JSAMPROW row = out + header + stride * std::size_t(height - 1 - int(d.output_scanline));
        jpeg_read_scanlines(&d, &row, 1);
    }
    jpeg_finish_decompress(&d);
    jpeg_destroy_decompress(&d);
    GlobalUnlock(block);
    return block;
}

} // namespace

HDIBOBJ ReduceTo8Bits(HDIBOBJ dib) {
    HGLOBAL colour = dib != nullptr ? dibGetHandle(dib) : nullptr;
    if (colour == nullptr) return nullptr;
    std::optional<DecodedImage> image;
    {
        LockedBlock bytes(colour);
        image = decode_packed_dib(bytes.bytes());
    }
    if (!image || image->step != 1) return nullptr;
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    const bool compressed = compress(*image, jpeg, size);
    HGLOBAL reduced = compressed ? quantise(jpeg, size, image->width, image->height) : nullptr;
    std::free(jpeg);
    if (reduced == nullptr) return nullptr;
    HDIBOBJ result = CreateDibObject(8);
    dibSetHandle(result, reduced);
    if (HGLOBAL alpha = dibGetAlphaHandle(dib)) {
        LockedBlock bytes(alpha);
        dibSetAlphaHandle(result, copy_to_global(bytes.bytes()).release());
    }
    return result;
}

} // namespace zeledit::platform
