// A picture file shrunk to fit a box, for previews and file lists.
#pragma once

#include <zeledit/windows.h>

#include "platform/graphics_support/graphics_support.h"

#include <string>

namespace zeledit::controls {

class Thumbnail {
public:
    Thumbnail() = default;
    ~Thumbnail() { Clear(); }
    Thumbnail(const Thumbnail&) = delete;
    Thumbnail& operator=(const Thumbnail&) = delete;

    // Reads and decodes a picture file (PNG, JPEG, TIFF, BMP, TGA up to 16 MB) and keeps it
    // shrunk to at most `side` pixels each way; false and empty when it is none or cannot
    // be read. The picture's own size stays known.
    bool Load(const std::string& path, int side);
    void Clear();
    bool Empty() const { return dib_ == nullptr; }
    SIZE Size() const { return original_; } // of the picture in the file
    // Fitted into `box` with its proportions kept and centred; never enlarged.
    void Draw(HDC dc, const RECT& box) const;

private:
    platform::HDIBOBJ dib_ = nullptr;
    SIZE original_{0, 0};
};

} // namespace zeledit::controls
