#pragma once

#include "platform/gdi/surface.h"

namespace zeledit::platform {

// Writes opaque RGB rows; the file appears only when it was written whole.
bool write_png(const PixelSource& pixels, const char* path);

} // namespace zeledit::platform
