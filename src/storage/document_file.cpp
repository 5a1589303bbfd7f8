#include "storage/document_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zeledit::storage {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

thread_local std::string last_error;

FileResult Failure(const std::string& path, const std::string& why) { return {false, path + ": " + why}; }
FileResult SystemFailure(const std::string& path, int error) { return Failure(path, std::strerror(error)); }

// The file a save really replaces: a symbolic link's final target (even a dangling one),
// so that the link itself stays.
std::string ResolveLinks(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path target = path;
    std::error_code error;
    for (int hops = 0; hops < 40 && fs::is_symlink(target, error); ++hops) {
        const fs::path next = fs::read_symlink(target, error);
        if (error) break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target.string();
}

// What a new file of this process gets: 0666 less the umask. The kernel tells the mask
// without changing it; setting and restoring it would race with other threads' files.
mode_t NewFileMode() {
    if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        unsigned mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status) != nullptr)
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(status);
        if (found) return 0666 & ~static_cast<mode_t>(mask);
    }
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

// The temporary file: removed unless it was renamed over the target.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) : name_(target + ".saving-XXXXXX") {
        fd_ = mkstemp(name_.data());
    }
    ~TemporaryFile() {
        if (fd_ >= 0) close(fd_);
        if (!kept_) unlink(name_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    // Closes the file, answering whether everything written reached it.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return close(fd) == 0;
    }
    bool RenameTo(const std::string& target) {
        kept_ = rename(name_.c_str(), target.c_str()) == 0;
        return kept_;
    }

private:
    std::string name_;
    int fd_ = -1;
    bool kept_ = false;
};

FileResult Write(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string target = ResolveLinks(path);
    struct stat existing {};
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return Failure(path, "is a folder, not a file");
    if (exists && !S_ISREG(existing.st_mode)) return Failure(path, "not a regular file");
    TemporaryFile temporary(target);
    if (temporary.fd() < 0) return SystemFailure(path, errno);
    const mode_t mode = exists ? existing.st_mode & 07777 : NewFileMode();
    if (fchmod(temporary.fd(), mode) != 0) return SystemFailure(path, errno);
    // Only a process that may give files away keeps the owner; others save as themselves.
    if (exists && (existing.st_uid != geteuid() || existing.st_gid != getegid())) {
        [[maybe_unused]] const int kept = fchown(temporary.fd(), existing.st_uid, existing.st_gid);
    }
    if (!WriteAll(temporary.fd(), bytes) || fsync(temporary.fd()) != 0) return SystemFailure(path, errno);
    if (!temporary.Close()) return SystemFailure(path, errno);
    if (!temporary.RenameTo(target)) return SystemFailure(path, errno);
    return {true, {}};
}

} // namespace

FileResult WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    FileResult result = Write(path, bytes);
    SetLastFileError(result.reason);
    return result;
}

const std::string& LastFileError() { return last_error; }
void SetLastFileError(std::string reason) { last_error = std::move(reason); }

RandomAccessFile::RandomAccessFile(const std::string& path) : fd_(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
RandomAccessFile::~RandomAccessFile() {
    if (fd_ >= 0) close(fd_);
}

bool RandomAccessFile::Read(std::uint64_t offset, std::span<std::uint8_t> out) const {
    if (fd_ < 0 || offset > static_cast<std::uint64_t>(INT64_MAX)) return false;
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<std::uint64_t> FileSize(const std::string& path) {
    struct stat s {};
    FileResult result{true, {}};
    if (stat(path.c_str(), &s) != 0)
        result = SystemFailure(path, errno);
    else if (S_ISDIR(s.st_mode))
        result = Failure(path, "is a folder, not a file");
    else if (!S_ISREG(s.st_mode))
        result = Failure(path, "not a regular file");
    else if (access(path.c_str(), R_OK) != 0)
        result = SystemFailure(path, errno);
    SetLastFileError(result.reason);
    if (!result) return std::nullopt;
    return static_cast<std::uint64_t>(s.st_size);
}

bool ReadFileStart(const std::string& path, std::span<std::uint8_t> out) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        SetLastFileError(SystemFailure(path, errno).reason);
        return false;
    }
    if (std::fread(out.data(), 1, out.size(), file.get()) == out.size()) return true;
    SetLastFileError(
        Failure(path, std::ferror(file.get()) ? std::strerror(errno) : "the file changed while it was read")
            .reason);
    return false;
}

} // namespace zeledit::storage
