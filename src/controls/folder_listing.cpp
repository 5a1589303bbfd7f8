#include "controls/folder_listing.h"

#include "platform/core/text.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>

namespace zeledit::controls {
namespace {

namespace fs = std::filesystem;

char16_t fold(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }

bool glob(std::u16string_view name, std::u16string_view pattern) {
    // Iterative match with one backtrack point for the last '*'.
    std::size_t n = 0, p = 0, star = std::u16string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || fold(pattern[p]) == fold(name[n]))) {
            ++n, ++p;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            resume = n;
        } else if (star != std::u16string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

template <class Each> void each_pattern(std::u16string_view patterns, Each each) {
    while (!patterns.empty()) {
        const std::size_t stop = std::min(patterns.find(u';'), patterns.size());
        std::u16string_view one = patterns.substr(0, stop);
        while (!one.empty() && one.front() == u' ') one.remove_prefix(1);
        while (!one.empty() && one.back() == u' ') one.remove_suffix(1);
        if (!one.empty()) each(one);
        patterns.remove_prefix(std::min(stop + 1, patterns.size()));
    }
}

bool name_less(const FolderEntry& a, const FolderEntry& b) {
    return std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
                                        [](char16_t x, char16_t y) { return fold(x) < fold(y); });
}

std::time_t to_time_t(fs::file_time_type t) {
    using namespace std::chrono;
    return system_clock::to_time_t(
        time_point_cast<system_clock::duration>(t - fs::file_time_type::clock::now() + system_clock::now()));
}

} // namespace

bool MatchesFilter(std::u16string_view name, std::u16string_view patterns) {
    bool any = false, matched = false;
    each_pattern(patterns, [&](std::u16string_view p) {
        any = true;
        matched = matched || glob(name, p);
    });
    return !any || matched;
}

bool IsPictureFilter(std::u16string_view patterns) {
    static constexpr std::u16string_view pictures[] = {u".bmp", u".dib", u".png",  u".jpg", u".jpeg",
                                                       u".jpe", u".tif", u".tiff", u".tga", u".dex"};
    bool any = false, all = true;
    each_pattern(patterns, [&](std::u16string_view p) {
        any = true;
        const std::size_t dot = p.find_last_of(u'.');
        std::u16string ext;
        if (dot != std::u16string_view::npos)
            for (char16_t c : p.substr(dot)) ext += fold(c);
        all = all && std::find(std::begin(pictures), std::end(pictures), ext) != std::end(pictures);
    });
    return any && all;
}

std::optional<FolderListing> ListFolder(const std::u16string& folder, std::u16string_view patterns,
                                        std::u16string& why) {
    std::error_code error;
    fs::directory_iterator it(fs::path(platform::to_utf8(folder)),
                              fs::directory_options::skip_permission_denied, error);
    if (error) {
        why = platform::from_utf8(error.message());
        return std::nullopt;
    }
    FolderListing out;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error) {
            why = platform::from_utf8(error.message());
            return std::nullopt;
        }
        FolderEntry e;
        e.name = platform::from_utf8(it->path().filename().string());
        if (e.name.empty() || e.name.front() == u'.') continue;
        std::error_code ignored;
        e.folder = it->is_directory(ignored);
        if (!e.folder && !MatchesFilter(e.name, patterns)) continue;
        if (!e.folder) e.size = it->file_size(ignored);
        if (const auto t = it->last_write_time(ignored); !ignored) e.modified = to_time_t(t);
        (e.folder ? out.folders : out.files).push_back(std::move(e));
    }
    std::sort(out.folders.begin(), out.folders.end(), name_less);
    std::sort(out.files.begin(), out.files.end(), name_less);
    return out;
}

std::u16string SizeText(std::uintmax_t bytes) {
    char text[32];
    if (bytes < 1024)
        std::snprintf(text, sizeof text, "%ju B", bytes);
    else if (bytes < 1024 * 1024)
        std::snprintf(text, sizeof text, "%ju KB", (bytes + 1023) / 1024);
    else if (bytes < std::uintmax_t(1) << 30)
        std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / (1024.0 * 1024.0));
    else
        std::snprintf(text, sizeof text, "%.1f GB", static_cast<double>(bytes) / (1024.0 * 1024.0 * 1024.0));
    return platform::from_utf8(text);
}

std::u16string TimeText(std::time_t when) {
    std::tm local{};
    if (localtime_r(&when, &local) == nullptr) return {};
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return platform::from_utf8(text);
}

} // namespace zeledit::controls
