#include "storage/document_file.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include <unistd.h>

namespace zeledit::storage {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

} // namespace

bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string temporary = path + ".saving";
    std::FILE* raw = std::fopen(temporary.c_str(), "wb");
    if (raw == nullptr) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), raw) == bytes.size() && std::fflush(raw) == 0 &&
              fsync(fileno(raw)) == 0;
    ok = std::fclose(raw) == 0 && ok;
    std::error_code error;
    if (ok) std::filesystem::rename(temporary, path, error);
    if (!ok || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

std::optional<std::uint64_t> FileSize(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    const auto size = std::filesystem::file_size(path, error);
    if (error) return std::nullopt;
    return size;
}

bool ReadFileStart(const std::string& path, std::span<std::uint8_t> out) {
    File file(std::fopen(path.c_str(), "rb"));
    return file && std::fread(out.data(), 1, out.size(), file.get()) == out.size();
}

} // namespace zeledit::storage
