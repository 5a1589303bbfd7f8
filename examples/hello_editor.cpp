// A complete host: a window holding an editor control, told of every change and selection
// move, that formats a line, saves the document and reads it into a second editor.
//   g++ hello_editor.cpp -o hello-editor $(pkg-config --cflags --libs zeledit)
//   ./hello-editor /tmp/hello.zdf          (--once: close after the first round)
#include <zeledit/zeledit.h>

#include <cstdio>
#include <cstring>

static LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

int main(int argc, char** argv) {
    const char* file = argc > 1 ? argv[1] : "hello.zdf";
    WNDCLASSW wc{};
    wc.lpfnWndProc = FrameProc;
    wc.lpszClassName = u"HelloFrame";
    RegisterClassW(&wc);
    HWND frame = CreateWindowExW(0, u"HelloFrame", u"Hello, zeledit", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                 640, 480, nullptr, nullptr, nullptr, nullptr);

    zeledit::TFormatEditorControl editor(frame, {8, 8, 624, 220});
    int changes = 0, selections = 0;
    editor.OnChanged = [&](zeledit::TCustomFormatEditor*) { ++changes; };
    editor.OnSelChange = [&](zeledit::TCustomFormatEditor*) { ++selections; };

    auto& text = editor.Characters();
    text.InsertText("Xin chào, thế giới!\r\nHello, world.");
    text.StartOfDoc();
    text.MoveRight(8, true); // "Xin chào" selected
    text.SetBold(true);
    text.SetFontSize(18);
    text.SetColor(RGB(20, 60, 140));
    editor.Paragraphs().SetAlignment(1); // centred

    if (!editor.SaveDocument(std::string_view(file))) {
        std::fprintf(stderr, "cannot save: %s\n", zeledit::ToUtf8(GetLastFileError()).c_str());
        return 1;
    }
    zeledit::TFormatEditorControl copy(frame, {8, 228, 624, 440});
    if (!copy.LoadDocument(std::string_view(file))) return 2;
    copy.Characters().SetSelection({0, 8});
    std::printf("%d changes, %d selection moves; the copy holds %d characters, \"%s\" bold: %s\n", changes,
                selections, copy.Characters().Count(), zeledit::ToUtf8(copy.Characters().SelText()).c_str(),
                copy.Characters().Bold() ? "yes" : "no");

    if (argc > 2 && std::strcmp(argv[2], "--once") == 0) DestroyWindow(frame);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
