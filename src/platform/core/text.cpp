#include "platform/core/text.h"

#include <algorithm>
#include <bit>
#include <climits>

#if defined(__SSE2__)
#include <emmintrin.h>
#include <unicode/unorm2.h>
#endif

namespace zeledit::platform {

std::size_t wide_length(LPCWSTR s) {
    if (s == nullptr) return 0;
    std::size_t n = 0;
    while (s[n] != 0) ++n;
    return n;
}

const char16_t* find_unit(const char16_t* first, const char16_t* last, char16_t unit) {
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi16(static_cast<short>(unit));
    while (last - first >= 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(first));
        const int hits = _mm_movemask_epi8(_mm_cmpeq_epi16(units, wanted));
        if (hits != 0) return first + std::countr_zero(static_cast<unsigned>(hits)) / 2;
        first += 8;
    }
#endif
    while (first != last && *first != unit) ++first;
    return first;
}

std::u16string_view wide_view(LPCWSTR s) { return {s == nullptr ? u"" : s, wide_length(s)}; }

std::u16string fold_case(std::u16string_view s) {
    std::u16string out(s);
    for (auto& c : out)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    return out;
}

std::string to_utf8(std::u16string_view s) {
    std::string out;
    auto put = [&](char32_t c) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out += {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
        } else if (c < 0x10000) {
            out += {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
        } else {
            out += {char(0xF0 | (c >> 18)), char(0x80 | ((c >> 12) & 0x3F)), char(0x80 | ((c >> 6) & 0x3F)),
                    char(0x80 | (c & 0x3F))};
        }
    };
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char16_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            put(0x10000 + ((char32_t(c) - 0xD800) << 10) + (s[i + 1] - 0xDC00));
            ++i;
        } else {
            put(c >= 0xD800 && c <= 0xDFFF ? 0xFFFD : c);
        }
    }
    return out;
}

std::u16string from_utf8(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    static constexpr char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        char32_t c = extra == 0 ? b : extra == 1 ? b & 0x1F : extra == 2 ? b & 0x0F : b & 0x07;
        bool ok = extra >= 0 && bytes.size() - i > static_cast<std::size_t>(extra);
        for (int k = 1; ok && k <= extra; ++k) {
            const auto n = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            ok = (n >> 6) == 2;
            c = c << 6 | (n & 0x3F);
        }
        if (!ok || c < smallest[std::max(extra, 0)] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

int copy_truncated(std::u16string_view text, LPWSTR buffer, int max_count) {
    if (buffer == nullptr || max_count <= 0) return 0;
    const auto n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(max_count - 1));
    std::copy_n(text.data(), n, buffer);
    buffer[n] = 0;
    return static_cast<int>(n);
}

namespace {

std::u16string normalized(const UNormalizer2* form, std::u16string_view s) {
    if (form == nullptr || s.size() > INT32_MAX / 4) return std::u16string(s);
    const auto length = static_cast<int32_t>(s.size());
    UErrorCode error = U_ZERO_ERROR;
    if (unorm2_isNormalized(form, s.data(), length, &error) && U_SUCCESS(error)) return std::u16string(s);
    std::u16string out(s.size() * 2 + 4, u'\0');
    for (int round = 0; round < 2; ++round) {
        error = U_ZERO_ERROR;
        const int32_t n =
            unorm2_normalize(form, s.data(), length, out.data(), static_cast<int32_t>(out.size()), &error);
        if (error == U_BUFFER_OVERFLOW_ERROR) {
            out.resize(static_cast<std::size_t>(n));
            continue;
        }
        if (U_FAILURE(error)) break;
        out.resize(static_cast<std::size_t>(n));
        return out;
    }
    return std::u16string(s);
}

} // namespace

bool has_combining_marks(std::u16string_view s) {
    return std::any_of(s.begin(), s.end(), [](char16_t c) { return c >= 0x300 && c <= 0x36F; });
}

std::u16string compose_nfc(std::u16string_view s) {
    UErrorCode error = U_ZERO_ERROR;
    const UNormalizer2* nfc = unorm2_getNFCInstance(&error);
    return normalized(U_SUCCESS(error) ? nfc : nullptr, s);
}

std::u16string decompose_nfd(std::u16string_view s) {
    UErrorCode error = U_ZERO_ERROR;
    const UNormalizer2* nfd = unorm2_getNFDInstance(&error);
    return normalized(U_SUCCESS(error) ? nfd : nullptr, s);
}

} // namespace zeledit::platform
