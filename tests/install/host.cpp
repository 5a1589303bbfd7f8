// A host program outside the tree: its own window class, and an editor window driven by
// messages only.
#include <zeledit/zeledit.h>

#include <cstdio>
#include <string>

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
    HWND frame = CreateWindowExW(0, u"HostWindow", u"host", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr,
                                 nullptr, wc.hInstance, nullptr);
    if (frame == nullptr || created != 1 || SendMessageW(frame, WM_USER, 41, 0) != 42) return 2;
    // The library registered its classes when it was loaded.
    HWND editor = CreateWindowExW(0, FormattedEditorClassName, u"", WS_CHILD | WS_VISIBLE, 0, 0, 640, 480,
                                  frame, nullptr, wc.hInstance, nullptr);
    if (editor == nullptr || SendMessageW(editor, EFM_GETVERSION, 0, 0) != 393216) return 3;
    // The accent tables are installed beside the library, which finds them from its own file.
    const std::u16string tables = GetAccentTableFolder();
    if (!tables.ends_with(AccentTableSubfolder) || !LoadAccentTable((tables + u"/telex.tbl").c_str()))
        return 5;
    if (!DestroyWindow(frame) || IsWindow(editor) || IsWindow(frame)) return 4;
    std::puts("host ok");
    return 0;
}
