// Takes a picture of an X window as the X server shows it, for the tests that run the demo
// on a virtual display: x-screenshot OUT.png [WINDOW-ID]; the whole screen without an id.
#include "platform/gdi/png_writer.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: x-screenshot OUT.png [WINDOW-ID]\n");
        return 1;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "x-screenshot: no X display\n");
        return 2;
    }
    const Window window = argc == 3 ? std::strtoul(argv[2], nullptr, 0) : DefaultRootWindow(display);
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0) {
        std::fprintf(stderr, "x-screenshot: no window %s\n", argv[2]);
        return 2;
    }
    XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr) return 2;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(image->width) * image->height);
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x)
            pixels[static_cast<std::size_t>(y) * image->width + x] =
                0xFF000000 | static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF);
    const zeledit::platform::PixelSource source{pixels.data(), image->width, image->height, false};
    const bool written = zeledit::platform::write_png(source, argv[1]);
    XDestroyImage(image);
    XCloseDisplay(display);
    return written ? 0 : 2;
}
