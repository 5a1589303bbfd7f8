// The context menu on the right button: which of the resource's menus fits what is under
// the mouse and the editor's state, its items enabled accordingly and their shortcut texts
// taken from the key map; the command chosen goes to the editor's window.
#include "engine/format_editor.h"

#include <optional>
#include <utility>

namespace zeledit::engine {
namespace {

// The key routines whose shortcuts the menus show beside their commands.
constexpr std::pair<UINT, std::uint32_t> ShortcutRoutines[] = {
    {24320, 69}, {24321, 67}, {24322, 68}, {24324, 79}, {24325, 80}, {134, 9},  {135, 10},
    {1001, 7},   {1002, 64},  {1003, 62},  {1004, 61},  {1005, 63},  {1006, 8}, {1009, 1},
    {1010, 0},   {1011, 5},   {1012, 4},   {1014, 2},   {1015, 3}};

void Enable(HMENU menu, UINT command, bool on) { EnableMenuItem(menu, command, on ? MF_ENABLED : MF_GRAYED); }

} // namespace

void TFormatEditor::AdjustShortcut(HMENU Menu) {
    for (const auto& [command, routine] : ShortcutRoutines)
        SetItemShortcut(Menu, command, ShortcutText(FInput.Keyboard().GetHotKey(routine)));
}

std::optional<TQuickMenu> TFormatEditor::QuickMenuAt(POINT Point) {
    const std::int32_t hit = MouseAt(Point.x + FView.OriginX, Point.y, nullptr);
    if (hit == 3 && FMouse.HitObject() != nullptr) {
        if (!FSettings.CanModify) return std::nullopt;
        return FMouse.HitObject()->Floated() ? TQuickMenu::Floated : TQuickMenu::ObjSel;
    }
    if (!FSettings.CanModify) return TQuickMenu::NoModify;
    if (edInfo.eiEditorType == 0x601) return edInfo.eiSelecting ? TQuickMenu::EditSel : TQuickMenu::NoSel;
    return edInfo.eiSelecting ? TQuickMenu::NoFormatSel : TQuickMenu::NoFormat;
}

void TFormatEditor::ShowQuickMenu(POINT Point) {
    if (!FSettings.EnableContextMenu || FSettings.FResource == nullptr) return;
    const std::optional<TQuickMenu> kind = QuickMenuAt(Point);
    if (!kind) return;
    HMENU menu = FSettings.FResource->Menu(*kind, FSettings.FLanguage);
    switch (*kind) {
    case TQuickMenu::Floated: {
        const bool picture = FMouse.HitObject()->Info.oiStyle == 1;
        Enable(menu, 1021, picture);
        Enable(menu, 1022, picture);
        break;
    }
    case TQuickMenu::NoModify: Enable(menu, 24321, edInfo.eiSelecting); break;
    case TQuickMenu::NoSel:
    case TQuickMenu::NoFormat:
    case TQuickMenu::ObjSel: Enable(menu, 24322, CanPaste()); break;
    default: break;
    }
    AdjustShortcut(menu);
    POINT screen = Point;
    ClientToScreen(HWindow, &screen);
    const auto command = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, HWindow, nullptr));
    if (command != 0 && IsWindow(HWindow)) SendMessageW(HWindow, WM_COMMAND, command, 0);
}

void TFormatEditor::EFMAddMenu(const TMenuItemRecord* Item) {
    if (Item == nullptr || Item->Caption == nullptr || FSettings.FResource == nullptr) return;
    FSettings.FResource->AddCustomizedMenu(Item->Caption, Item->Command, Item->Place);
}

} // namespace zeledit::engine
