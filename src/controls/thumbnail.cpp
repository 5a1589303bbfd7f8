#include "controls/thumbnail.h"

#include "platform/core/small_file.h"

#include <algorithm>
#include <vector>

namespace zeledit::controls {

bool Thumbnail::Load(const std::string& path) {
    Clear();
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadSmallFile(path, bytes)) return false;
    dib_ = platform::LoadImageToDib(bytes);
    return dib_ != nullptr;
}

void Thumbnail::Clear() {
    if (dib_ != nullptr) platform::FreeDibObject(dib_);
    dib_ = nullptr;
}

SIZE Thumbnail::Size() const {
    if (dib_ == nullptr) return {0, 0};
    return {platform::dibGetWidth(dib_), platform::dibGetHeight(dib_)};
}

void Thumbnail::Draw(HDC dc, const RECT& box) const {
    const SIZE size = Size();
    if (size.cx <= 0 || size.cy <= 0) return;
    const int room_w = box.right - box.left, room_h = box.bottom - box.top;
    if (room_w <= 0 || room_h <= 0) return;
    // The larger of the two shrink factors decides; 1 at most.
    const double scale = std::min({1.0, double(room_w) / size.cx, double(room_h) / size.cy});
    const int w = std::max(1, static_cast<int>(size.cx * scale)),
              h = std::max(1, static_cast<int>(size.cy * scale));
    platform::PrintAlphaDibOnDC(dc, box.left + (room_w - w) / 2, box.top + (room_h - h) / 2, w, h, dib_);
}

} // namespace zeledit::controls
