// What a file dialog shows of a folder: its subfolders and the files a filter lets through,
// each with its size and time, in name order without regard to case.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeledit::controls {

struct FolderEntry {
    std::u16string name;
    bool folder = false;
    std::uintmax_t size = 0;
    std::time_t modified = 0;
};

struct FolderListing {
    std::vector<FolderEntry> folders;
    std::vector<FolderEntry> files;
};

// Patterns separated by ';' ("*.zdf;*.txt"), matched without regard to case; '*' and '?'.
bool MatchesFilter(std::u16string_view name, std::u16string_view patterns);
// Whether every pattern of a filter names picture files (so the dialog shows a preview).
bool IsPictureFilter(std::u16string_view patterns);
// Reads a folder; on failure answers nothing and puts the system's reason in `why`.
// Names starting with '.' are hidden.
std::optional<FolderListing> ListFolder(const std::u16string& folder, std::u16string_view patterns,
                                        std::u16string& why);
// "12 KB", "3.4 MB" ...
std::u16string SizeText(std::uintmax_t bytes);
// "2026-12-10 11:44", local time.
std::u16string TimeText(std::time_t when);

} // namespace zeledit::controls
