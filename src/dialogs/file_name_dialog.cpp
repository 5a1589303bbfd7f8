#include "dialogs/file_name_dialog.h"

#include "controls/controls.h"
#include "controls/modal_loop.h"
#include "platform/core/text.h"
#include "platform/user/modules.h"

#include <zeledit/controls.h>
#include <zeledit/windows.h>

#include <filesystem>
#include <string>

namespace zeledit::dialogs {
namespace {

constexpr LPCWSTR DialogClass = u"ZeleditFileNameDialog";
constexpr int Width = 520, Height = 132, NameId = 10;
constexpr UINT TakeKeys = WM_APP + 1;

struct State {
    std::u16string name;
    HWND name_panel = nullptr;
};

void ShowName(State& s) {
    const std::u16string shown = s.name + u"\u258F"; // where typing goes
    SetWindowTextW(s.name_panel, shown.c_str());
}

LRESULT CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* s = reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (msg) {
    case WM_CHAR:
        if (s == nullptr) break;
        if (wParam == 8) {
            if (!s->name.empty()) s->name.pop_back();
            ShowName(*s);
        } else if (wParam >= 32) {
            s->name += static_cast<char16_t>(wParam);
            ShowName(*s);
        }
        return 0;
    case TakeKeys: SetFocus(hwnd); return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) controls::EndModal(hwnd, LOWORD(wParam));
        return 0;
    default: break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void RegisterDialogClass() {
    controls::RegisterLibraryClass(DialogClass, DialogProc, 0, GetSysColorBrush(COLOR_BTNFACE));
}

std::u16string Patterns(const FileDialogRequest& r) {
    std::u16string out = u"Files: ";
    for (std::size_t i = 0; i < r.filters.size(); ++i) out += (i ? u"; " : u"") + r.filters[i].second;
    return out;
}

} // namespace

std::optional<FileDialogAnswer> AskFileName(const FileDialogRequest& request) {
    controls::RegisterControlClasses();
    RegisterDialogClass();
    const HINSTANCE instance = platform::library_instance();
    const std::u16string title = request.title.empty() ? u"File name" : std::u16string(request.title);
    HWND dialog = CreateWindowExW(WS_EX_TOPMOST, DialogClass, title.c_str(), WS_POPUP | WS_CAPTION, 120, 120,
                                  Width, Height, request.owner, nullptr, instance, nullptr);
    State state;
    state.name = request.fileName.empty()
                     ? platform::from_utf8(std::filesystem::current_path().string() + "/")
                     : std::u16string(request.fileName);
    SetWindowLongPtrW(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
    CreateWindowExW(0, PanelClassName, (title + u" — type the file name, Enter to accept").c_str(),
                    WS_CHILD | WS_VISIBLE, 10, 8, Width - 20, 20, dialog, nullptr, instance, nullptr);
    state.name_panel = CreateWindowExW(0, PanelClassName, u"", WS_CHILD | WS_VISIBLE, 10, 32, Width - 20, 22,
                                       dialog, reinterpret_cast<HMENU>(NameId), instance, nullptr);
    SendMessageW(state.name_panel, ZCM_SETCOLORS, RGB(255, 255, 255), RGB(0, 0, 0));
    CreateWindowExW(0, PanelClassName, Patterns(request).c_str(), WS_CHILD | WS_VISIBLE, 10, 58, Width - 20,
                    18, dialog, nullptr, instance, nullptr);
    CreateWindowExW(0, ButtonClassName, u"OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, Width - 180, 82, 80,
                    24, dialog, reinterpret_cast<HMENU>(IDOK), instance, nullptr);
    CreateWindowExW(0, ButtonClassName, u"Cancel", WS_CHILD | WS_VISIBLE | ZBS_CANCEL, Width - 92, 82, 80, 24,
                    dialog, reinterpret_cast<HMENU>(IDCANCEL), instance, nullptr);
    ShowName(state);
    // The dialog itself takes the typing, once the modal loop has focused its default
    // button (which Enter still presses).
    PostMessageW(dialog, TakeKeys, 0, 0);
    const int result = controls::RunModal(dialog, request.owner, IDCANCEL);
    DestroyWindow(dialog);
    if (result != IDOK || state.name.empty()) return std::nullopt;
    return FileDialogAnswer{state.name, 0};
}

} // namespace zeledit::dialogs
