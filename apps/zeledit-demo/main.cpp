// The editor host: a frame with a toolbar, an editor window and a status line. On a desktop
// it opens a window; without a display it renders the frame to a PNG file.
#include "demo_host.h"

#include <zeledit/controls.h>
#include <zeledit/display.h>
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

namespace {

constexpr int ExitTimer = 1;
constexpr const char* Usage =
    "usage: zeledit-demo [FILE] [--vietnamese] [--type TEXT] [--render OUT.png] [--save OUT.zdf]\n"
    "                    [--exit-after MS] [--printer NAME]\n"
    "  FILE              a document to open; Save writes it (without FILE: a new document)\n"
    "  --vietnamese      start with Vietnamese typing on\n"
    "  --type TEXT       type TEXT at the caret as keystrokes (without a display)\n"
    "  --render OUT.png  write the window's picture when the demo ends\n"
    "  --save OUT.zdf    save the document to OUT.zdf when the demo ends\n"
    "  --exit-after MS   end after MS milliseconds\n"
    "  --printer NAME    print, preview and lay pages out for printer NAME: PDF (the\n"
    "                    default, which asks for a file) or a CUPS printer\n"
    "Without a display the demo does what the options say and renders zeledit-demo.png.\n"
    "Keys: Ctrl+N new, Ctrl+O open, Ctrl+S save, Ctrl+P print, F5 Vietnamese typing,\n"
    "Ctrl+Z undo. The Page button switches page mode (lines break as on paper), Preview\n"
    "shows the pages (PgUp/PgDn, Z zoom, Esc closes).\n";

struct Options {
    std::string file, render, save, type, printer;
    bool vietnamese = false, help = false;
    int exit_after = 0;
};

// UTF-8 from the command line and the C++ library as the editor's UTF-16, and back.
std::u16string Wide(const std::string& s) { return std::filesystem::path(s).u16string(); }
std::string Narrow(const std::u16string& s) { return std::filesystem::path(s).string(); }

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool more = i + 1 < argc;
        if (a == "--help" || a == "-h")
            o.help = true;
        else if (a == "--render" && more)
            o.render = argv[++i];
        else if (a == "--save" && more)
            o.save = argv[++i];
        else if (a == "--type" && more)
            o.type = argv[++i];
        else if (a == "--printer" && more)
            o.printer = argv[++i];
        else if (a == "--vietnamese")
            o.vietnamese = true;
        else if (a == "--exit-after" && more)
            o.exit_after = std::atoi(argv[++i]);
        else if (!a.starts_with("-") && o.file.empty())
            o.file = a;
        else
            return false;
    }
    return true;
}

void RunLoop(HWND frame) {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == frame && msg.wParam == ExitTimer) break;
        if (demo::TakeShortcut(msg)) continue;
        if (zeledit::TranslateDialogMessage(&msg)) continue; // the find and replace dialogs
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// What the options ask for once the loop has ended; the exit status.
int Finish(const Options& options, HWND frame, bool desktop) {
    int status = 0;
    if (!options.save.empty()) {
        const std::u16string name = Wide(options.save);
        // A closed window is not made again: that would save an empty document.
        if (!demo::Control().HandleAllocated() || !demo::Control().SaveDocument(name)) {
            std::fprintf(stderr, "zeledit-demo: cannot save %s\n", Narrow(GetLastFileError()).c_str());
            status = 2;
        }
    }
    const std::string png = !options.render.empty() ? options.render : desktop ? "" : "zeledit-demo.png";
    if (!png.empty() && IsWindow(frame)) {
        UpdateWindow(frame);
        if (!zeledit::headless::WritePng(frame, png.c_str())) {
            std::fprintf(stderr, "zeledit-demo: cannot write %s\n", png.c_str());
            return 2;
        }
        if (!desktop)
            std::printf("zeledit-demo: no display, so the window was rendered to %s\n", png.c_str());
    }
    return status;
}

int Run(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(Usage, stderr);
        return 1;
    }
    if (options.help) {
        std::fputs(Usage, stdout);
        return 0;
    }
    InitEditorLib();
    const bool desktop = zeledit::StartDisplay();
    HWND frame = demo::CreateFrame();
    if (!options.printer.empty()) demo::UsePrinter(Wide(options.printer));
    std::u16string why;
    if (!options.file.empty() && !demo::OpenFile(Wide(options.file), why)) {
        std::fprintf(stderr, "zeledit-demo: cannot open %s\n", Narrow(why).c_str());
        DestroyWindow(frame);
        return 2;
    }
    ShowWindow(frame, SW_SHOW);
    demo::Control().SetFocus();
    if (options.vietnamese) demo::SwitchVietnamese();
    if (!desktop && !options.type.empty()) zeledit::headless::TypeText(Wide(options.type));
    if (options.exit_after > 0) SetTimer(frame, ExitTimer, static_cast<UINT>(options.exit_after), nullptr);
    RunLoop(frame);
    const int status = Finish(options, frame, desktop);
    if (IsWindow(frame)) DestroyWindow(frame);
    return status;
}

} // namespace

// Whatever goes wrong is said, not thrown out of the program.
int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zeledit-demo: %s\n", e.what());
    } catch (...) {
        std::fputs("zeledit-demo: an unexpected failure\n", stderr);
    }
    return 3;
}
