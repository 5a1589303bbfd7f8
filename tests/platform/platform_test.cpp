#include "platform/platform_test.h"

namespace zeledit::test {

PlatformTest* PlatformTest::current_ = nullptr;

void PlatformTest::SetUp() {
    headless::Reset();
    headless::UseManualClock(1'000'000);
    current_ = this;
    WNDCLASSW wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance();
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
    wc.cbWndExtra = 16;
    wc.lpszClassName = class_name;
    ASSERT_NE(RegisterClassW(&wc), 0);
}

void PlatformTest::TearDown() {
    headless::Reset();
    current_ = nullptr;
}

HWND PlatformTest::make_window(HWND parent, DWORD style, int x, int y, int width, int height, int id,
                               DWORD ex_style) {
    if (parent != nullptr) style |= WS_CHILD;
    return CreateWindowExW(ex_style, class_name, u"title", style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance(), nullptr);
}

std::vector<UINT> PlatformTest::messages(HWND hwnd) const {
    std::vector<UINT> out;
    for (const auto& r : log_)
        if (hwnd == nullptr || r.hwnd == hwnd) out.push_back(r.msg);
    return out;
}

std::vector<Received> PlatformTest::received(UINT msg) const {
    std::vector<Received> out;
    for (const auto& r : log_)
        if (r.msg == msg) out.push_back(r);
    return out;
}

LRESULT CALLBACK PlatformTest::proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (current_ == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
    current_->log_.push_back({hwnd, msg, wParam, lParam});
    if (const auto it = current_->handlers_.find(msg); it != current_->handlers_.end()) {
        LRESULT result = 0;
        if (it->second(hwnd, msg, wParam, lParam, result)) return result;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace zeledit::test
