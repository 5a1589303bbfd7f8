// The interactive editor host. Until the editor engine and the display backend exist it
// shows an empty editor area in a frame and, without a display, renders it to a PNG file.
#include <zeledit/headless.h>
#include <zeledit/windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr int margin = 12;

LRESULT CALLBACK frame_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SIZE:
        if (HWND area = GetDlgItem(hwnd, 1))
            MoveWindow(area, margin, margin, LOWORD(lParam) - 2 * margin, HIWORD(lParam) - 2 * margin, TRUE);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

bool register_classes(HINSTANCE instance) {
    WNDCLASSW frame{};
    frame.lpfnWndProc = frame_proc;
    frame.hInstance = instance;
    frame.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    frame.lpszClassName = u"ZeleditDemoFrame";
    WNDCLASSW area{};
    area.lpfnWndProc = DefWindowProcW;
    area.hInstance = instance;
    area.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
    area.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    area.lpszClassName = u"ZeleditDemoArea";
    return RegisterClassW(&frame) != 0 && RegisterClassW(&area) != 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string png = argc > 1 ? argv[1] : "zeledit-demo.png";
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!register_classes(instance)) {
        std::fprintf(stderr, "zeledit-demo: cannot register the window classes\n");
        return 1;
    }
    HWND frame = CreateWindowExW(0, u"ZeleditDemoFrame", u"zeledit", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CW_USEDEFAULT, CW_USEDEFAULT, 800, 600, nullptr, nullptr, instance, nullptr);
    CreateWindowExW(WS_EX_CLIENTEDGE, u"ZeleditDemoArea", u"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0, 0, 0,
                    frame, reinterpret_cast<HMENU>(1), instance, nullptr);
    RECT client;
    GetClientRect(frame, &client);
    SendMessageW(frame, WM_SIZE, SIZE_RESTORED, MAKELPARAM(WORD(client.right), WORD(client.bottom)));

    // No display backend yet: everything is headless, so run until the queue is empty.
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (!zeledit::headless::WritePng(frame, png.c_str())) {
        std::fprintf(stderr, "zeledit-demo: cannot write %s\n", png.c_str());
        return 1;
    }
    std::printf("zeledit-demo: no display backend yet; the editor window was rendered to %s\n", png.c_str());
    DestroyWindow(frame);
    return 0;
}
