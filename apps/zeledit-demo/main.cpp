// The editor host: a frame with a toolbar, an editor window and a status line, driven only
// through the editor's messages and notifications. On a desktop it opens a window; without
// a display it renders the frame to a PNG file.
//
//   zeledit-demo [FILE] [--vietnamese] [--type TEXT] [--render OUT.png] [--save OUT.zdf]
//                [--exit-after MS]
// --vietnamese starts with Vietnamese typing on; --type types TEXT at the caret as keystrokes
// (without a display) before the document is rendered and saved.
#include <zeledit/controls.h>
#include <zeledit/display.h>
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int ToolbarHeight = 34, StatusHeight = 28, Gap = 4;
constexpr int EditorId = 100, StatusId = 101, ExitTimer = 1;

// Toolbar commands the demo handles itself rather than sending to the editor.
constexpr UINT VietnameseSwitch = 1, UndoKey = 2;

struct Tool {
    const char16_t* caption;
    int width;
    UINT command; // sent to the editor as WM_COMMAND, or one of the demo's own
};
constexpr Tool Tools[] = {
    {u"New", 46, 124},     {u"Open…", 60, 125},    {u"Save…", 60, 126},
    {u"B", 28, 103},       {u"I", 28, 104},        {u"U", 28, 105},
    {u"Left", 44, 106},    {u"Centre", 54, 107},   {u"Right", 48, 108},
    {u"Justify", 58, 109}, {u"Undo", 50, UndoKey}, {u"Tiếng Việt", 84, VietnameseSwitch}};
constexpr int ToolBase = 200;

struct Options {
    std::string file = "samples/welcome.zdf";
    std::string render, save, type;
    bool vietnamese = false;
    int exit_after = 0;
};

HWND frame, editor, status;
WNDPROC editor_proc;
std::u16string file_name; // what Save writes without asking: a file opened or saved as
bool modified = false, vietnamese = false;

// UTF-8 from the command line and the C++ library as the editor's UTF-16.
std::u16string Wide(const std::string& s) { return std::filesystem::path(s).u16string(); }

void UpdateStatus() {
    SIZE range{};
    SendMessageW(editor, EFM_GETSELINDEX, 0, reinterpret_cast<LPARAM>(&range));
    const auto caret = static_cast<LPARAM>(range.cy);
    const LRESULT line = SendMessageW(editor, EFM_GETLINEOFINDEX, 0, caret) + 1;
    const std::u16string text = u"  Line " + Wide(std::to_string(line)) + u", position " +
                                Wide(std::to_string(caret)) + u"   ·   Tiếng Việt: " +
                                (vietnamese ? u"on" : u"off") + (modified ? u"   ·   modified" : u"");
    SetWindowTextW(status, text.c_str());
}

// The editor tells its own window; the host listens there.
LRESULT CALLBACK EditorHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case EFN_CHANGED: modified = true; break;
    case EFN_INPUTCHANGED: vietnamese = wParam != 0; break;
    case EFN_FILECOMMAND:
        if (wParam == EFN_FILE_QUERYSAVENAME && !file_name.empty()) {
            auto* buffer = reinterpret_cast<char16_t*>(lParam);
            file_name.copy(buffer, std::min<std::size_t>(file_name.size(), 500));
            buffer[std::min<std::size_t>(file_name.size(), 500)] = 0;
            return 1;
        }
        if (wParam == EFN_FILE_OPENED || wParam == EFN_FILE_SAVED) {
            file_name = reinterpret_cast<const char16_t*>(lParam);
            modified = false;
        }
        break;
    default: break;
    }
    const LRESULT result = CallWindowProcW(editor_proc, hwnd, msg, wParam, lParam);
    if (msg == EFN_UPDATESTATE || msg == EFN_CHANGED || msg == EFN_INPUTCHANGED || msg == EFN_FILECOMMAND)
        UpdateStatus();
    return result;
}

// The protocol has no undo message: the editor undoes on Ctrl+Z, so the button gives it
// that keystroke with Ctrl held for it.
void SendUndoKey() {
    BYTE keys[256];
    GetKeyboardState(keys);
    const BYTE ctrl = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(editor, WM_KEYDOWN, 'Z', 0);
    keys[VK_CONTROL] = ctrl;
    SetKeyboardState(keys);
}

void SwitchVietnamese() {
    vietnamese = !vietnamese;
    SendMessageW(editor, EFM_ENABLEVIETKEY, vietnamese ? 1 : 0, 0);
}

void Layout(int width, int height) {
    MoveWindow(editor, Gap, ToolbarHeight, width - 2 * Gap, height - ToolbarHeight - StatusHeight - Gap,
               TRUE);
    MoveWindow(status, 0, height - StatusHeight, width, StatusHeight, TRUE);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SIZE: Layout(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_SETFOCUS: SetFocus(editor); return 0;
    case WM_COMMAND: {
        const int id = LOWORD(wParam) - ToolBase;
        if (id >= 0 && id < static_cast<int>(std::size(Tools))) {
            if (Tools[id].command == VietnameseSwitch)
                SwitchVietnamese();
            else if (Tools[id].command == UndoKey)
                SendUndoKey();
            else
                SendMessageW(editor, WM_COMMAND, Tools[id].command, 0);
            SetFocus(editor);
            UpdateStatus();
        }
        return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool more = i + 1 < argc;
        if (a == "--render" && more)
            o.render = argv[++i];
        else if (a == "--save" && more)
            o.save = argv[++i];
        else if (a == "--type" && more)
            o.type = argv[++i];
        else if (a == "--vietnamese")
            o.vietnamese = true;
        else if (a == "--exit-after" && more)
            o.exit_after = std::atoi(argv[++i]);
        else if (!a.starts_with("--"))
            o.file = a;
        else
            return false;
    }
    return true;
}

void CreateFrame() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = FrameProc;
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = u"ZeleditDemoFrame";
    RegisterClassW(&wc);
    frame = CreateWindowExW(0, u"ZeleditDemoFrame", u"zeledit", WS_OVERLAPPEDWINDOW, 60, 40, 820, 600,
                            nullptr, nullptr, nullptr, nullptr);
    int x = Gap;
    for (std::size_t i = 0; i < std::size(Tools); ++i) {
        CreateWindowExW(0, ButtonClassName, Tools[i].caption, WS_CHILD | WS_VISIBLE, x, 4, Tools[i].width, 26,
                        frame, reinterpret_cast<HMENU>(ToolBase + i), nullptr, nullptr);
        x += Tools[i].width + Gap;
    }
    editor = CreateWindowExW(WS_EX_CLIENTEDGE, FormattedEditorClassName, u"", WS_CHILD | WS_VISIBLE, 0, 0, 0,
                             0, frame, reinterpret_cast<HMENU>(EditorId), nullptr, nullptr);
    status = CreateWindowExW(0, PanelClassName, u"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame,
                             reinterpret_cast<HMENU>(StatusId), nullptr, nullptr);
    editor_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditorHook)));
    SendMessageW(editor, EFM_SETEDITTYPE, 0, 0x2 | 0x2000 | 0x80000); // control mode, load/save, typography
    RECT client;
    GetClientRect(frame, &client);
    Layout(client.right, client.bottom);
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(
            stderr,
            "usage: zeledit-demo [FILE] [--vietnamese] [--type TEXT] [--render OUT.png] [--save OUT.zdf] "
            "[--exit-after MS]\n");
        return 1;
    }
    InitEditorLib();
    const bool desktop = zeledit::StartDisplay();
    CreateFrame();
    // The sample is opened but not adopted: Save asks for a name rather than overwrite it.
    const std::u16string first = Wide(options.file);
    if (SendMessageW(editor, EFM_LOADDOC, 0, reinterpret_cast<LPARAM>(first.c_str())) == 0)
        std::fprintf(stderr, "zeledit-demo: cannot open %s\n", options.file.c_str());
    ShowWindow(frame, SW_SHOW);
    SetFocus(editor);
    if (options.vietnamese) SwitchVietnamese();
    if (!desktop && !options.type.empty()) zeledit::headless::TypeText(Wide(options.type));
    UpdateStatus();
    if (options.exit_after > 0) SetTimer(frame, ExitTimer, static_cast<UINT>(options.exit_after), nullptr);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == frame && msg.wParam == ExitTimer) break;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    // Without a display the loop ends as soon as nothing is left to do.
    if (!options.save.empty()) {
        const std::u16string name = Wide(options.save);
        SendMessageW(editor, EFM_SAVEDOC, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    const std::string png = !options.render.empty() ? options.render : desktop ? "" : "zeledit-demo.png";
    if (!png.empty()) {
        UpdateWindow(frame);
        if (!zeledit::headless::WritePng(frame, png.c_str())) {
            std::fprintf(stderr, "zeledit-demo: cannot write %s\n", png.c_str());
            return 1;
        }
        if (!desktop)
            std::printf("zeledit-demo: no display, so the window was rendered to %s\n", png.c_str());
    }
    if (IsWindow(frame)) DestroyWindow(frame);
    return 0;
}
