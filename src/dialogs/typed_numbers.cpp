#include "dialogs/typed_numbers.h"

#include "platform/core/text.h"

#include <zeledit/windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zeledit::dialogs {

std::optional<double> NumberIn(std::u16string text) {
    std::replace(text.begin(), text.end(), u',', u'.');
    const std::string bytes = platform::to_utf8(text);
    const char* start = bytes.c_str();
    while (*start == ' ') ++start;
    char* end = nullptr;
    const double v = std::strtod(start, &end);
    while (end != nullptr && *end == ' ') ++end;
    if (*start == '\0' || end == start || *end != '\0' || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::u16string Decimals(double v, int places) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", std::clamp(places, 0, 6), v);
    return platform::from_utf8(text);
}

std::u16string ShortDecimals(double v, int places) {
    std::u16string text = Decimals(v, places);
    if (text.find(u'.') == std::u16string::npos) return text;
    while (text.back() == u'0') text.pop_back();
    if (text.back() == u'.') text.pop_back();
    return text;
}

void FocusField(HWND field) {
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
}

} // namespace zeledit::dialogs
