// Whole files in and out. A save is written to a new file of its own beside the target and
// renamed over it only once every byte is on disk, so a failed save never destroys the file
// that was there and two saves of one document never mix.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zeledit::storage {

// What a file operation came to: `reason` says why it failed, naming the path and giving
// the system's words ("/dev/full: not a regular file", "a.zdf: No space left on device").
struct FileResult {
    bool ok = false;
    std::string reason;
    explicit operator bool() const { return ok; }
};

// Writes the bytes as the whole content of `path`. A target that exists keeps its permission
// bits (and, where the process may, its owner); a symbolic link is written through and stays
// a link; a target that exists and is no regular file (a directory, a device, a FIFO) is
// refused and left as it was.
FileResult WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

// The reason of the last failed file operation of this thread (empty after a success), as
// the library's GetLastFileError gives it to hosts.
const std::string& LastFileError();
void SetLastFileError(std::string reason);

// A file read at any offset, closed with the object.
class RandomAccessFile {
public:
    explicit RandomAccessFile(const std::string& path);
    ~RandomAccessFile();
    RandomAccessFile(const RandomAccessFile&) = delete;
    RandomAccessFile& operator=(const RandomAccessFile&) = delete;
    // Fills `out` from `offset`; false past the end or on an error.
    bool Read(std::uint64_t offset, std::span<std::uint8_t> out) const;

private:
    int fd_;
};

// The file's size, or none when it cannot be opened.
std::optional<std::uint64_t> FileSize(const std::string& path);
// Fills `out` from the start of the file; false on any read error or a shorter file.
bool ReadFileStart(const std::string& path, std::span<std::uint8_t> out);

} // namespace zeledit::storage
