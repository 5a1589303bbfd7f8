// System colours (the classic scheme), metrics, modules and time.
#include "platform/core/clock.h"
#include "platform/user/window_manager.h"

#include <array>
#include <cstdint>

#include "platform/core/text.h"
#include "platform/user/modules.h"

namespace zeledit::platform {

namespace {
struct Module {
    int tag;
};
Module process_module{1};
Module library_module{2};
} // namespace

HINSTANCE library_instance() { return reinterpret_cast<HINSTANCE>(&library_module); }

} // namespace zeledit::platform

using namespace zeledit::platform;

DWORD GetSysColor(int index) {
    static constexpr std::array<COLORREF, 31> classic = {
        RGB(192, 192, 192), RGB(0, 128, 128),   RGB(0, 0, 128),     RGB(128, 128, 128), RGB(192, 192, 192),
        RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
        RGB(192, 192, 192), RGB(192, 192, 192), RGB(128, 128, 128), RGB(0, 0, 128),     RGB(255, 255, 255),
        RGB(192, 192, 192), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(192, 192, 192),
        RGB(255, 255, 255), RGB(0, 0, 0),       RGB(223, 223, 223), RGB(0, 0, 0),       RGB(255, 255, 225),
        RGB(180, 180, 180), RGB(0, 0, 255),     RGB(16, 132, 208),  RGB(181, 181, 181), RGB(0, 0, 128),
        RGB(192, 192, 192)};
    if (index < 0 || index >= static_cast<int>(classic.size())) return 0;
    return classic[static_cast<std::size_t>(index)];
}

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN: return 1920;
    case SM_CYSCREEN:
    case SM_CYFULLSCREEN: return 1080;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL: return 17;
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 17;
    case SM_CYCAPTION: return 23;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CYMENU: return 20;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    case SM_CXDRAG:
    case SM_CYDRAG: return 4;
    case SM_MOUSEPRESENT:
    case SM_MOUSEWHEELPRESENT: return 1;
    case SM_SWAPBUTTON: return 0;
    default: return 0;
    }
}

HMODULE GetModuleHandleW(LPCWSTR moduleName) {
    if (moduleName == nullptr) return reinterpret_cast<HMODULE>(&process_module);
    const auto name = fold_case(wide_view(moduleName));
    if (name == u"ZELEDIT" || name == u"LIBZELEDIT" || name == u"LIBZELEDIT.SO") return library_instance();
    return nullptr;
}

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t n = std::int64_t(a) * b;
    const std::int64_t half = (c > 0 ? c : -std::int64_t(c)) / 2;
    const std::int64_t q =
        ((n < 0) != (c < 0)) ? (n - (n < 0 ? half : -half)) / c : (n + (n < 0 ? -half : half)) / c;
    if (q > INT32_MAX || q < INT32_MIN) return -1;
    return static_cast<int>(q);
}

DWORD GetTickCount() { return static_cast<DWORD>(Clock::now_ms()); }
UINT GetDoubleClickTime() { return 500; }
