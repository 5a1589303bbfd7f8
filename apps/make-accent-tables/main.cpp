// Writes the accent tables the library ships (telex.tbl, viqr.tbl and vni.tbl, the built-in
// table) into a folder, in the image layout LoadAccentTable reads.
#include "platform/system_library/accent_images.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-accent-tables FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const struct {
        const char* name;
        std::span<const std::uint8_t> image;
    } tables[] = {{"telex.tbl", zeledit::platform::TelexAccentImage()},
                  {"viqr.tbl", zeledit::platform::ViqrAccentImage()},
                  {"vni.tbl", zeledit::platform::BuiltInAccentImage()}};
    for (const auto& table : tables) {
        std::ofstream out(folder / table.name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(table.image.data()),
                  static_cast<std::streamsize>(table.image.size()));
        if (!out.flush()) {
            std::fprintf(stderr, "make-accent-tables: cannot write %s\n", (folder / table.name).c_str());
            return 1;
        }
    }
    return 0;
}
