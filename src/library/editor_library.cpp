// Library start and stop: the window procedure of both editor classes, their registration,
// and the shared resource object.
#include "controls/controls.h"
#include "dialogs/about_window.h"
#include "dialogs/file_name_dialog.h"
#include "dialogs/library_format_dialogs.h"
#include "dialogs/link_dialogs.h"
#include "dialogs/object_kind_dialogs.h"
#include "dialogs/printer_settings_dialog.h"
#include "engine/draw_editor.h"
#include "engine/format_dialogs.h"
#include "engine/format_editor.h"
#include "engine/prompts.h"
#include "platform/core/text.h"
#include "platform/gdi/printer_settings.h"
#include "platform/system_library/accent_table.h"
#include "platform/system_library/system_library.h"
#include "platform/user/file_dialogs.h"
#include "platform/user/modules.h"
#include "storage/document_file.h"

#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <zeledit/controls.h>

#include <memory>
#include <new>

namespace {

using zeledit::engine::TDrawEditor;
using zeledit::engine::TFormatEditor;
using zeledit::engine::TMessage;

constexpr LPCWSTR engine_property = u"EDOBJ";
constexpr UINT document_class_style = CS_DBLCLKS | CS_GLOBALCLASS;                         // 0x4008
constexpr UINT column_class_style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS; // 0x400B

TFormatEditor* engine_of(HWND hwnd) { return static_cast<TFormatEditor*>(GetPropW(hwnd, engine_property)); }

// No exception leaves a window procedure: a failure answers as the default procedure would.
template <class Engine>
LRESULT CALLBACK editor_proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        if (msg == WM_CREATE) {
            const LRESULT result = DefWindowProcW(hwnd, msg, wParam, lParam);
            // The window owns its engine through the property until WM_NCDESTROY.
            // A new engine lays out at the screen's metrics, whatever editor is drawing a page.
            zeledit::model::TDeviceMetrics screen;
            const zeledit::model::TMetricsInForce metrics(screen);
            auto engine = std::make_unique<Engine>(hwnd);
            SetPropW(hwnd, engine_property, static_cast<TFormatEditor*>(engine.release()));
            return result;
        }
        if (msg == WM_NCDESTROY) {
            std::unique_ptr<TFormatEditor> engine(engine_of(hwnd));
            RemovePropW(hwnd, engine_property);
            engine.reset();
            return DefWindowProcW(hwnd, msg, wParam, lParam);
        }
        if (TFormatEditor* engine = engine_of(hwnd)) {
            TMessage m{msg, wParam, lParam, 0};
            return engine->WindowProc(m);
        }
    } catch (const std::bad_alloc&) {
        if (msg == WM_CREATE) return -1;
    } catch (...) {
        if (msg == WM_CREATE) return -1;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

ATOM register_class(LPCWSTR name, UINT style, WNDPROC proc) {
    WNDCLASSW wc{};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetEditInstance();
    wc.lpszClassName = name;
    return RegisterClassW(&wc);
}

// The comment dialog's editor window speaks format-code text.
std::u16string CommentText(HWND editor) {
    HGLOBAL block = docGetFormatCode(editor);
    if (block == nullptr) return {};
    const auto* text = static_cast<const char16_t*>(GlobalLock(block));
    std::u16string out = text != nullptr ? std::u16string(text) : std::u16string();
    GlobalUnlock(block);
    GlobalFree(block);
    return out;
}

void SetCommentText(HWND editor, std::u16string_view text) {
    const std::u16string terminated(text);
    docReformatSpecText(editor, terminated.c_str());
}

__attribute__((constructor)) void library_loaded() {
    zeledit::engine::CreateSharedEditorResource();
    zeledit::engine::SetMessagePrompt(&zeledit::ShowMessageBox);
    zeledit::engine::SetAboutWindow(&zeledit::dialogs::ShowAboutWindow);
    zeledit::objects::SetObjectDialogs(&zeledit::dialogs::LibraryObjectDialogs());
    zeledit::engine::SetFormatDialogs(&zeledit::dialogs::LibraryFormatDialogs());
    zeledit::engine::SetCommandDialogs(&zeledit::dialogs::LibraryCommandDialogs());
    zeledit::platform::set_builtin_file_dialog(&zeledit::dialogs::AskFileName);
    zeledit::platform::set_printer_settings_dialog(&zeledit::dialogs::AskPrinterSettings);
    zeledit::dialogs::SetFormatCodeText({&CommentText, &SetCommentText});
    zeledit::platform::LoadTablesFromResources(GetEditInstance());
    InitEditorLib();
}

// Editor windows still open are not destroyed here.
__attribute__((destructor)) void library_unloaded() {
    UnregisterClassW(FormattedEditorClassName, GetEditInstance());
    UnregisterClassW(DrawEditorClassName, GetEditInstance());
    zeledit::engine::DestroySharedEditorResource();
}

} // namespace

HINSTANCE GetEditInstance() noexcept { return zeledit::platform::library_instance(); }

ATOM InitEditorLib() noexcept {
    // The controls are the hosts' too (their toolbars, their dialogs).
    zeledit::controls::RegisterControlClasses();
    WNDCLASSW existing;
    if (const BOOL found = GetClassInfoW(GetEditInstance(), FormattedEditorClassName, &existing))
        return static_cast<ATOM>(found);
    if (!GetClassInfoW(GetEditInstance(), DrawEditorClassName, &existing))
        register_class(DrawEditorClassName, column_class_style, editor_proc<TDrawEditor>);
    return register_class(FormattedEditorClassName, document_class_style, editor_proc<TFormatEditor>);
}

namespace {

std::u16string FindAccentTableFolder() {
    namespace fs = std::filesystem;
    std::error_code error;
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&GetAccentTableFolder), &info) != 0 && info.dli_fname != nullptr) {
        const fs::path installed = fs::path(info.dli_fname).parent_path() / ZELEDIT_TABLES_FROM_LIBDIR;
        if (fs::is_directory(installed, error)) return fs::weakly_canonical(installed, error).u16string();
    }
    return fs::path(ZELEDIT_BUILD_ACCENT_TABLES).u16string(); // not installed: the build's own
}

} // namespace

LPCWSTR GetAccentTableFolder() noexcept {
    try {
        static const std::u16string folder = FindAccentTableFolder();
        return folder.c_str();
    } catch (...) {
        return u""; // out of memory
    }
}

BOOL LoadAccentTable(LPCWSTR FileName) noexcept {
    try {
        if (FileName == nullptr) return FALSE;
        return zeledit::platform::AccentTable().LoadFromFile(
                   zeledit::platform::to_utf8(zeledit::platform::wide_view(FileName)))
                   ? TRUE
                   : FALSE;
    } catch (...) {
        return FALSE;
    }
}

LPCWSTR GetLastFileError() noexcept {
    thread_local std::u16string text;
    try {
        text = zeledit::platform::from_utf8(zeledit::storage::LastFileError());
    } catch (...) {
        text.clear();
    }
    return text.c_str();
}
