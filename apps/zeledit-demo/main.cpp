// The interactive editor host: a frame around an editor window. Until the display
// backend exists it renders the window to a PNG file.
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

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
    return RegisterClassW(&frame) != 0;
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
    // The library registered its editor classes when it was loaded.
    HWND editor = CreateWindowExW(WS_EX_CLIENTEDGE, FormattedEditorClassName, u"", WS_CHILD | WS_VISIBLE, 0,
                                  0, 0, 0, frame, reinterpret_cast<HMENU>(1), instance, nullptr);
    SendMessageW(editor, EFM_SETBACKGROUND, 0, RGB(255, 255, 240));
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
    std::printf(
        "zeledit-demo: editor version %#lx with %ld character and %ld paragraph format(s); no display\n"
        "backend yet, so the window was rendered to %s\n",
        static_cast<long>(SendMessageW(editor, EFM_GETVERSION, 0, 0)),
        static_cast<long>(SendMessageW(editor, EFM_GETFONTCOUNT, 0, 0)),
        static_cast<long>(SendMessageW(editor, EFM_GETPARACOUNT, 0, 0)), png.c_str());
    DestroyWindow(frame);
    return 0;
}
