#!/usr/bin/env python3
"""Writes small pictures of every kind fuzz_image reads into fuzz/corpus/image, each behind the
byte that makes the fuzzer pick its decoder (0 PNG, 2 TIFF, 3 BMP, 4 TGA). Run it again after
changing it; the pictures are 4 x 3 pixels of a fixed pattern."""
import os
import struct
import zlib

W, H = 4, 3
PIXELS = [((x * 60) % 256, (y * 90) % 256, (x * y * 40) % 256) for y in range(H) for x in range(W)]
OUT = os.path.join(os.path.dirname(__file__), '..', 'fuzz', 'corpus', 'image')


def png(color_type, depth, rows, palette=None):
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    out = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', W, H, depth, color_type, 0, 0, 0))
    if palette:
        out += chunk(b'PLTE', b''.join(bytes(c) for c in palette))
    out += chunk(b'IDAT', zlib.compress(b''.join(b'\0' + r for r in rows))) + chunk(b'IEND', b'')
    return out


def tiff(samples):
    """Uncompressed, one strip, little-endian."""
    data = b''.join(bytes(p[:samples]) for p in PIXELS)
    entries = [(256, 3, 1, W), (257, 3, 1, H), (258, 3, 1, 8), (259, 3, 1, 1),
               (262, 3, 1, 2 if samples == 3 else 1), (273, 4, 1, 8), (277, 3, 1, samples),
               (278, 3, 1, H), (279, 4, 1, len(data))]
    ifd_at = 8 + len(data)
    ifd = struct.pack('<H', len(entries)) + b''.join(
        struct.pack('<HHII', tag, kind, count, value) for tag, kind, count, value in entries) + b'\0\0\0\0'
    return b'II*\0' + struct.pack('<I', ifd_at) + data + ifd


def bmp(bpp, compression, pixels, palette=b'', masks=b''):
    info = struct.pack('<IiiHHIIiiII', 40, W, H, 1, bpp, compression, len(pixels), 2835, 2835,
                       len(palette) // 4, 0)
    offset = 14 + len(info) + len(masks) + len(palette)
    return b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + info + masks + palette + pixels


def tga(kind, depth, body, descriptor=0):
    return struct.pack('<BBBHHBHHHHBB', 0, 0, kind, 0, 0, 0, 0, 0, W, H, depth, descriptor) + body


def main():
    seeds = {}
    rgb_rows = [b''.join(bytes(PIXELS[y * W + x]) for x in range(W)) for y in range(H)]
    seeds['png-rgb'] = b'\x00' + png(2, 8, rgb_rows)
    seeds['png-gray'] = b'\x00' + png(0, 8, [bytes(p[0] for p in PIXELS[y * W:(y + 1) * W]) for y in range(H)])
    seeds['png-rgba'] = b'\x00' + png(6, 8, [b''.join(bytes(PIXELS[y * W + x]) + b'\x80' for x in range(W))
                                             for y in range(H)])
    seeds['png-palette'] = b'\x00' + png(3, 8, [bytes((y * W + x) % 4 for x in range(W)) for y in range(H)],
                                         palette=PIXELS[:4])
    seeds['tiff-rgb'] = b'\x02' + tiff(3)
    seeds['tiff-gray'] = b'\x02' + tiff(1)
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in PIXELS[:4])
    rows8 = b''.join(bytes((y * W + x) % 4 for x in range(W)) for y in range(H))  # 4 bytes a row
    seeds['bmp-8bit'] = b'\x03' + bmp(8, 0, rows8, palette)
    rle8 = b''.join(bytes((W, y % 4)) + b'\x00\x00' for y in range(H)) + b'\x00\x01'
    seeds['bmp-rle8'] = b'\x03' + bmp(8, 1, rle8, palette)
    rows32 = b''.join(bytes((b, g, r, 255)) for r, g, b in PIXELS)
    seeds['bmp-32-bitfields'] = b'\x03' + bmp(32, 3, rows32, masks=struct.pack('<III', 0xFF0000, 0xFF00, 0xFF))
    body24 = b''.join(bytes((b, g, r)) for r, g, b in PIXELS)
    seeds['tga-24'] = b'\x04' + tga(2, 24, body24)
    rle = b''.join(bytes((0x80 | (W - 1), b, g, r)) for r, g, b in PIXELS[::W])
    seeds['tga-rle-24'] = b'\x04' + tga(10, 24, rle, descriptor=0x20)
    seeds['tga-gray'] = b'\x04' + tga(3, 8, bytes(p[1] for p in PIXELS))
    for name, data in seeds.items():
        with open(os.path.join(OUT, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main()
