// The cost of the window system under the editor: message dispatch, the queue with many
// windows, global memory and filling a window's surface.
#include <zeledit/headless.h>
#include <zeledit/windows.h>

#include <benchmark/benchmark.h>

namespace {

LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER) return static_cast<LRESULT>(wParam + 1);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND make_window(HWND parent = nullptr) {
    static bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = proc;
        wc.lpszClassName = u"Bench";
        wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        return RegisterClassW(&wc) != 0;
    }();
    (void)registered;
    return CreateWindowExW(0, u"Bench", u"", (parent ? WS_CHILD : 0) | WS_VISIBLE, 0, 0, 800, 600, parent,
                           nullptr, nullptr, nullptr);
}

void SendMessageRoundTrip(benchmark::State& state) {
    HWND w = make_window();
    WPARAM i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(SendMessageW(w, WM_USER, i++, 0));
    DestroyWindow(w);
}
BENCHMARK(SendMessageRoundTrip);

void PostAndDispatch(benchmark::State& state) {
    HWND top = make_window();
    for (int i = 0; i < state.range(0); ++i) make_window(top);
    zeledit::headless::PumpMessages();
    MSG msg;
    for (auto _ : state) {
        PostMessageW(top, WM_USER, 1, 0);
        PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);
        DispatchMessageW(&msg);
    }
    DestroyWindow(top);
}
BENCHMARK(PostAndDispatch)->Arg(1)->Arg(100);

void GlobalAllocLockFree(benchmark::State& state) {
    for (auto _ : state) {
        HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(state.range(0)));
        benchmark::DoNotOptimize(GlobalLock(mem));
        GlobalUnlock(mem);
        GlobalFree(mem);
    }
}
BENCHMARK(GlobalAllocLockFree)->Arg(64)->Arg(1 << 20);

void FillWholeWindow(benchmark::State& state) {
    HWND w = make_window();
    HDC dc = GetDC(w);
    HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
    RECT r{0, 0, 800, 600};
    for (auto _ : state) FillRect(dc, &r, brush);
    DeleteObject(brush);
    ReleaseDC(w, dc);
    DestroyWindow(w);
}
BENCHMARK(FillWholeWindow);

} // namespace
