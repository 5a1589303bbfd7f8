// A host program outside the tree: registers its own class, creates a window, talks to it.
#include <zeledit/windows.h>

#include <cstdio>

static int created = 0;

static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CREATE) ++created;
    if (msg == WM_USER) return static_cast<LRESULT>(wParam + 1);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

int main() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = u"HostWindow";
    if (RegisterClassW(&wc) == 0) return 1;
    HWND w = CreateWindowExW(0, u"HostWindow", u"host", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                             wc.hInstance, nullptr);
    if (w == nullptr || created != 1 || SendMessageW(w, WM_USER, 41, 0) != 42) return 2;
    if (!DestroyWindow(w) || IsWindow(w)) return 3;
    std::puts("host ok");
    return 0;
}
