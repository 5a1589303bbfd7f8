// The library's one shared resource object: the editor's context menus in Vietnamese and in
// English, shared by every editor. Host items added through EFM_ADDMENU stay in them.
#pragma once

#include <zeledit/win_menus.h>

#include <array>
#include <cstdint>
#include <string_view>

namespace zeledit::engine {

// The context menus and when each is shown: a selection or not in an editable document of
// normal kind (EditSel, NoSel) or based on a template (NoFormatSel, NoFormat), over an inline
// object (ObjSel), in a read-only editor (NoModify), over a floated object (Floated).
enum class TQuickMenu : std::uint8_t { EditSel, NoSel, NoFormatSel, NoFormat, ObjSel, NoModify, Floated };
inline constexpr std::size_t QuickMenuCount = 7;

class TEditorResource {
public:
    TEditorResource();
    ~TEditorResource();
    TEditorResource(const TEditorResource&) = delete;
    TEditorResource& operator=(const TEditorResource&) = delete;

    // Language 0 Vietnamese, 1 English.
    HMENU Menu(TQuickMenu kind, std::uint8_t language) const;
    // A host's item in the four editing menus of both languages: before the item with the
    // command -Place (Place negative) or after the one with command Place; appended when no
    // item has it.
    void AddCustomizedMenu(std::u16string_view caption, UINT command, int place);

private:
    std::array<std::array<HMENU, QuickMenuCount>, 2> FMenus{};
};

// The item's menu and position for a command, searching submenus depth first.
struct TMenuPlace {
    HMENU menu = nullptr;
    int position = -1;
};
TMenuPlace GetItemCommand(HMENU menu, UINT command);
// Sets the shortcut text (after a tab) of every item with the command, in submenus too.
void SetItemShortcut(HMENU menu, UINT command, std::u16string_view shortcut);
// The text of a shortcut value: "Shift+Ctrl+P", "Del", "F5"; empty for none.
std::u16string ShortcutText(std::uint16_t shortcut);

// The library's instance, made when the library is loaded and freed when it is unloaded;
// null outside that time.
TEditorResource* SharedEditorResource();
void CreateSharedEditorResource();
void DestroySharedEditorResource();

} // namespace zeledit::engine
