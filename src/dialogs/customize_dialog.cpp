#include "dialogs/customize_dialog.h"

#include "dialogs/form_dialog.h"
#include "engine/editor_resource.h"
#include "platform/core/text.h"

#include <zeledit/command_dialogs.h>
#include <zeledit/controls.h>
#include <zeledit/win_dialogs.h>

#include <optional>
#include <string>

namespace zeledit::dialogs {
namespace {

using engine::scAlt;
using engine::scCtrl;
using engine::scShift;

constexpr LPCWSTR CaptureState = u"zeledit.shortcut";
constexpr LPCWSTR CaptureProc = u"zeledit.shortcut.proc";
constexpr WORD CaptureReleased = 1; // WM_COMMAND code: a key was released in the field

std::uint16_t Modifiers() {
    return static_cast<std::uint16_t>(((GetKeyState(VK_SHIFT) & 0x8000) ? scShift : 0) |
                                      ((GetKeyState(VK_CONTROL) & 0x8000) ? scCtrl : 0) |
                                      ((GetKeyState(VK_MENU) & 0x8000) ? scAlt : 0));
}

std::uint16_t ShortcutIn(HWND field) {
    return static_cast<std::uint16_t>(reinterpret_cast<std::uintptr_t>(GetPropW(field, CaptureState)));
}

void ShowShortcut(HWND field, std::uint16_t shortcut) {
    SetPropW(field, CaptureState, reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(shortcut)));
    SetWindowTextW(field, engine::ShortcutText(shortcut).c_str());
}

// An edit that shows the keys pressed in it instead of taking text.
LRESULT CALLBACK CaptureFieldProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto previous = reinterpret_cast<WNDPROC>(GetPropW(hwnd, CaptureProc));
    switch (msg) {
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        const auto key = static_cast<UINT>(wParam & 0xFF);
        const bool modifier = key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU;
        ShowShortcut(hwnd, modifier ? 0 : static_cast<std::uint16_t>(key | Modifiers()));
        return 0;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
        SendMessageW(GetParent(hwnd), WM_COMMAND,
                     MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(hwnd)), CaptureReleased),
                     reinterpret_cast<LPARAM>(hwnd));
        return 0;
    case WM_CHAR:
    case WM_SYSCHAR: return 0;
    case ZHKM_SETSHORTCUT: ShowShortcut(hwnd, static_cast<std::uint16_t>(wParam)); return 0;
    case ZHKM_GETSHORTCUT: return ShortcutIn(hwnd);
    case WM_NCDESTROY:
        RemovePropW(hwnd, CaptureState);
        RemovePropW(hwnd, CaptureProc);
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        return CallWindowProcW(previous, hwnd, msg, wParam, lParam);
    default: return CallWindowProcW(previous, hwnd, msg, wParam, lParam);
    }
}

class TCustomizeFrm final : public FormDialog {
public:
    TCustomizeFrm(HWND owner, engine::TEditorKeyboard& keys, BYTE language)
        : FormDialog(owner, language, language == 1 ? u"Customize" : u"Tùy biến", u"Tùy biến", u"Customize",
                     {440, 336}),
          FKeys(keys) {
        if (window_ == nullptr) return;
        Add(u"STATIC", Say(u"Các lệnh:", u"Commands:"), SS_CENTERIMAGE, 0, {12, 30, 200, 48});
        HWND list = Add(u"LISTBOX", u"", WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT,
                        CustomizeCommands, {12, 50, 200, 316});
        for (int r = 0; r < engine::RoutineCount; ++r) {
            const std::u16string name = engine::RoutineName(r);
            const auto at = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
            SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(at), r);
        }
        const int x = 212, right = 428;
        Add(u"STATIC", Say(u"Lệnh:", u"Command:"), SS_CENTERIMAGE, 0, {x, 30, right, 48});
        Add(u"STATIC", u"", SS_SUNKEN | SS_CENTERIMAGE, CustomizeCommand, {x, 50, right, 72});
        Add(u"STATIC", Say(u"Phím gán hiện thời:", u"Current assigned:"), SS_CENTERIMAGE, 0,
            {x, 78, right, 96});
        Add(u"EDIT", u"", WS_BORDER | ES_READONLY, CustomizeCurrent, {x, 98, right, 120});
        Add(u"STATIC", Say(u"Nhấn một phím mới:", u"Press a new key:"), SS_CENTERIMAGE, 0,
            {x, 126, right, 144});
        HWND capture = Add(u"EDIT", u"", WS_BORDER | WS_TABSTOP, CustomizeNewKey, {x, 146, right, 168});
        SetPropW(capture, CaptureProc,
                 reinterpret_cast<HANDLE>(SetWindowLongPtrW(capture, GWLP_WNDPROC,
                                                            reinterpret_cast<LONG_PTR>(&CaptureFieldProc))));
        Add(u"STATIC", Say(u"Hiện thời được gán cho:", u"Currently assigned to:"), SS_CENTERIMAGE, 0,
            {x, 174, right, 192});
        Add(u"STATIC", u"", SS_SUNKEN | SS_CENTERIMAGE, CustomizeAssignedTo, {x, 194, right, 216});
        const int w = (right - x - 6) / 2;
        Add(u"BUTTON", Say(u"Gán phím", u"Assign"), WS_TABSTOP, CustomizeAssign, {x, 226, x + w, 252});
        Add(u"BUTTON", Say(u"Mặc định", u"Default"), WS_TABSTOP, CustomizeDefault,
            {x + w + 6, 226, right, 252});
        Add(u"BUTTON", Say(u"Lưu", u"Save"), WS_TABSTOP, CustomizeSave, {x, 258, x + w, 284});
        Add(u"BUTTON", Say(u"Nạp", u"Load"), WS_TABSTOP, CustomizeLoad, {x + w + 6, 258, right, 284});
        Add(u"BUTTON", Say(u"Đóng", u"Close"), WS_TABSTOP | ZBS_CANCEL, IDCANCEL,
            {x + w + 6, 290, right, 316});
        EnableEditing(false);
    }

private:
    void OnInit() override { SetFocus(Item(CustomizeCommands)); }

    // The routine chosen in the list, or none.
    std::optional<int> Chosen() const {
        HWND list = Item(CustomizeCommands);
        const auto at = SendMessageW(list, LB_GETCURSEL, 0, 0);
        if (at < 0) return std::nullopt;
        return static_cast<int>(SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(at), 0));
    }
    void EnableEditing(bool on) const {
        for (int id :
             {int{CustomizeCurrent}, int{CustomizeNewKey}, int{CustomizeAssignedTo}, int{CustomizeAssign}})
            EnableWindow(Item(id), on ? TRUE : FALSE);
    }
    // The chosen routine's name and keys again.
    void Refresh() const {
        const auto routine = Chosen();
        EnableEditing(routine.has_value());
        const std::u16string name = routine ? engine::RoutineName(*routine) : u"";
        SetWindowTextW(Item(CustomizeCommand), name.c_str());
        const std::u16string keys =
            routine ? engine::ShortcutText(FKeys.Keys[static_cast<std::size_t>(*routine)].keyShortcut) : u"";
        SetWindowTextW(Item(CustomizeCurrent), keys.c_str());
    }
    void ShowHolder() const {
        const std::uint16_t entry = FKeys.GetRoutine(ShortcutIn(Item(CustomizeNewKey)));
        const std::u16string name = entry == 0 ? u"" : engine::RoutineName(FKeys.Keys[entry - 1u].keyRoutine);
        SetWindowTextW(Item(CustomizeAssignedTo), name.c_str());
    }
    void Assign() {
        const auto routine = Chosen();
        if (!routine) return;
        const std::uint16_t shortcut = ShortcutIn(Item(CustomizeNewKey));
        const UINT key = shortcut & 0xFF;
        if ((shortcut & (scCtrl | scAlt)) == 0 && !(key >= VK_F1 && key <= VK_F12)) {
            ShowMessageBox(
                u"Please press a combination of Ctrl or Alt and the key\r\nor the keys from F1 to F12!",
                mkWarning, mbOK);
            return;
        }
        for (auto& k : FKeys.Keys)
            if (k.keyShortcut == shortcut) k.keyShortcut = 0;
        FKeys.Keys[static_cast<std::size_t>(*routine)].keyShortcut = shortcut;
        Refresh();
        ShowHolder();
    }
    std::optional<std::string> AskFile(bool save) const {
        std::u16string name(1024, u'\0');
        OPENFILENAMEW ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = window_;
        ofn.lpstrFilter = u"Editor Keyboard files\0*.kbd\0";
        ofn.lpstrFile = name.data();
        ofn.nMaxFile = static_cast<DWORD>(name.size());
        ofn.lpstrTitle = save ? u"Save Customized Keys" : u"Load Customized Keys";
        ofn.lpstrDefExt = u"kbd";
        ofn.Flags = save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST;
        if (!(save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) return std::nullopt;
        return platform::to_utf8(platform::wide_view(name.c_str()));
    }
    void Save() const {
        const auto file = AskFile(true);
        if (file && !FKeys.SaveToFile(*file))
            ShowMessageBox(u"Cannot save the customized key to the file!", mkStop, mbOK);
    }
    void Load() {
        const auto file = AskFile(false);
        if (!file) return;
        if (!FKeys.LoadFromFile(*file))
            ShowMessageBox(u"Cannot load the customized key from the file!", mkStop, mbOK);
        Refresh();
    }

    void OnCommand(int id, int code) override {
        switch (id) {
        case CustomizeCommands:
            if (code != LBN_SELCHANGE) return;
            SendMessageW(Item(CustomizeNewKey), ZHKM_SETSHORTCUT, 0, 0);
            SetWindowTextW(Item(CustomizeAssignedTo), u"");
            Refresh();
            return;
        case CustomizeNewKey:
            if (code == CaptureReleased) ShowHolder();
            return;
        case CustomizeAssign: Assign(); return;
        case CustomizeDefault:
            FKeys.DefaultKeys();
            Refresh();
            return;
        case CustomizeSave: Save(); return;
        case CustomizeLoad: Load(); return;
        default: return;
        }
    }

    engine::TEditorKeyboard& FKeys;
};

} // namespace

void CustomizeKeys(HWND owner, engine::TEditorKeyboard& keys, BYTE language) {
    TCustomizeFrm dialog(owner, keys, language);
    dialog.Run();
}

} // namespace zeledit::dialogs
