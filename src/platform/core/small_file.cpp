#include "platform/core/small_file.h"

#include <cstdio>
#include <memory>

namespace zeledit::platform {

bool ReadSmallFile(const std::string& path, std::vector<std::uint8_t>& out, std::size_t limit) {
    const auto closer = [](std::FILE* f) { std::fclose(f); };
    std::unique_ptr<std::FILE, decltype(closer)> file(std::fopen(path.c_str(), "rb"), closer);
    if (!file) return false;
    out.clear();
    std::uint8_t chunk[4096];
    while (std::size_t n = std::fread(chunk, 1, sizeof chunk, file.get())) {
        if (out.size() + n > limit) return false;
        out.insert(out.end(), chunk, chunk + n);
    }
    return std::ferror(file.get()) == 0;
}

} // namespace zeledit::platform
