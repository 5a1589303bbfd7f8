// A device context of a window, or of the screen for a null window, released when it goes.
#pragma once

#include <zeledit/windows.h>

#include <utility>

namespace zeledit::platform {

class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDC(WindowDC&& other) noexcept : hwnd_(other.hwnd_), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    WindowDC& operator=(WindowDC&&) = delete;
    ~WindowDC() {
        if (dc_ != nullptr) ReleaseDC(hwnd_, dc_);
    }

    HDC get() const { return dc_; }
    operator HDC() const { return dc_; } // stands wherever the handle does

private:
    HWND hwnd_;
    HDC dc_;
};

} // namespace zeledit::platform
