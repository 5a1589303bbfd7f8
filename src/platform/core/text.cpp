#include "platform/core/text.h"

#include <algorithm>

namespace zeledit::platform {

std::size_t wide_length(LPCWSTR s) {
    if (s == nullptr) return 0;
    std::size_t n = 0;
    while (s[n] != 0) ++n;
    return n;
}

std::u16string_view wide_view(LPCWSTR s) { return {s == nullptr ? u"" : s, wide_length(s)}; }

std::u16string fold_case(std::u16string_view s) {
    std::u16string out(s);
    for (auto& c : out)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    return out;
}

int copy_truncated(std::u16string_view text, LPWSTR buffer, int max_count) {
    if (buffer == nullptr || max_count <= 0) return 0;
    const auto n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(max_count - 1));
    std::copy_n(text.data(), n, buffer);
    buffer[n] = 0;
    return static_cast<int>(n);
}

} // namespace zeledit::platform
