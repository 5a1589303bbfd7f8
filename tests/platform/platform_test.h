// Shared fixture of the platform tests: a clean window system on a manual clock, and a
// window class that records every message it receives.
#pragma once

#include <zeledit/headless.h>
#include <zeledit/windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zeledit::test {

struct Received {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A top-level or child window of the recording class.
    HWND make_window(HWND parent = nullptr, DWORD style = WS_VISIBLE, int x = 10, int y = 20, int width = 200,
                     int height = 100, int id = 0, DWORD ex_style = 0);
    // Messages received so far, optionally only some numbers; clears the log when asked.
    std::vector<UINT> messages(HWND hwnd = nullptr) const;
    std::vector<Received> received(UINT msg) const;
    void clear_log() { log_.clear(); }

    // Lets a test answer a message itself; returning false falls back to DefWindowProcW.
    using Handler = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)>;
    void on(UINT msg, Handler handler) { handlers_[msg] = std::move(handler); }

    static HINSTANCE instance() { return GetModuleHandleW(nullptr); }
    static constexpr LPCWSTR class_name = u"Recorder";

private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static PlatformTest* current_;
    std::vector<Received> log_;
    std::map<UINT, Handler> handlers_;
};

} // namespace zeledit::test
