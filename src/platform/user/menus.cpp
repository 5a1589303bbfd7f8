#include "platform/user/menus.h"

#include "platform/core/handle_table.h"
#include "platform/core/text.h"

#include <zeledit/win_user.h>

#include <algorithm>
#include <cstring>
#include <functional>

namespace zeledit::platform {
namespace {

HandleTable<Menu>& menus() {
    static HandleTable<Menu> table(8);
    return table;
}

HMENU make(bool popup) {
    auto m = std::make_shared<Menu>();
    m->popup = popup;
    return menus().add<HMENU>(std::move(m));
}

// Where an item is: its menu and index (by position in `menu`, or by command anywhere below).
struct Place {
    Menu* menu = nullptr;
    std::size_t index = 0;
    MenuItem* item() const { return menu != nullptr ? &menu->items[index] : nullptr; }
};

Place find_by_command(Menu& m, UINT id) {
    for (std::size_t i = 0; i < m.items.size(); ++i) {
        MenuItem& item = m.items[i];
        if (item.submenu == nullptr && !item.separator() && item.id == id) return {&m, i};
        if (Menu* sub = find_menu(item.submenu))
            if (const Place p = find_by_command(*sub, id); p.menu != nullptr) return p;
    }
    return {};
}

Place locate(HMENU menu, UINT item, bool by_position) {
    Menu* m = find_menu(menu);
    if (m == nullptr) return {};
    if (by_position) return item < m->items.size() ? Place{m, item} : Place{};
    return find_by_command(*m, item);
}

// An item from the flags of AppendMenuW and its kin.
bool fill(MenuItem& item, UINT flags, UINT_PTR id, LPCWSTR text) {
    item.type = flags & (MF_SEPARATOR | MF_POPUP | MF_BITMAP);
    item.state = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_DEFAULT | MF_HILITE);
    if (flags & MF_POPUP) {
        if (find_menu(reinterpret_cast<HMENU>(id)) == nullptr) return false;
        item.submenu = reinterpret_cast<HMENU>(id);
        item.id = 0;
    } else {
        item.submenu = nullptr;
        item.id = static_cast<UINT>(id);
    }
    if (flags & MF_BITMAP)
        item.bitmap = reinterpret_cast<HBITMAP>(const_cast<WCHAR*>(text));
    else if (!(flags & MF_SEPARATOR) && text != nullptr)
        item.text = wide_view(text);
    return true;
}

UINT state_flags(const MenuItem& item) {
    UINT s = item.state | (item.type & (MF_SEPARATOR | MF_BITMAP));
    if (item.submenu != nullptr) {
        const Menu* sub = find_menu(item.submenu);
        s |= MF_POPUP | (sub != nullptr ? static_cast<UINT>(sub->items.size()) << 8 : 0);
    }
    return s;
}

BOOL insert(HMENU menu, UINT position, bool by_position, MenuItem item) {
    Menu* m = find_menu(menu);
    if (m == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!by_position) {
        const Place p = find_by_command(*m, position);
        if (p.menu == nullptr) return FALSE; // no item has that command
        p.menu->items.insert(p.menu->items.begin() + static_cast<std::ptrdiff_t>(p.index), std::move(item));
        return TRUE;
    }
    const std::size_t at = std::min<std::size_t>(position, m->items.size()); // -1: the end
    m->items.insert(m->items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    return TRUE;
}

} // namespace

char16_t MenuItem::mnemonic() const {
    const std::u16string l = label();
    for (std::size_t i = 0; i + 1 < l.size(); ++i) {
        if (l[i] != u'&') continue;
        if (l[i + 1] == u'&') {
            ++i;
            continue;
        }
        const char16_t c = l[i + 1];
        return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
    }
    return 0;
}

Menu* find_menu(HMENU menu) { return menus().find(menu); }

} // namespace zeledit::platform

using namespace zeledit::platform;

HMENU CreateMenu() { return make(false); }
HMENU CreatePopupMenu() { return make(true); }
BOOL IsMenu(HMENU menu) { return find_menu(menu) != nullptr; }

BOOL DestroyMenu(HMENU menu) {
    const auto m = menus().remove(menu);
    if (!m) return FALSE;
    for (const MenuItem& item : m->items)
        if (item.submenu != nullptr) DestroyMenu(item.submenu);
    return TRUE;
}

BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR id, LPCWSTR text) {
    return InsertMenuW(menu, static_cast<UINT>(-1), flags | MF_BYPOSITION, id, text);
}

BOOL InsertMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCWSTR text) {
    MenuItem item;
    if (!fill(item, flags, id, text)) return FALSE;
    return insert(menu, position, (flags & MF_BYPOSITION) != 0, std::move(item));
}

BOOL ModifyMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCWSTR text) {
    const Place p = locate(menu, position, (flags & MF_BYPOSITION) != 0);
    MenuItem* item = p.item();
    if (item == nullptr) return FALSE;
    const HMENU old_submenu = item->submenu;
    MenuItem changed;
    if (!fill(changed, flags, id, text)) return FALSE;
    if (old_submenu != nullptr && old_submenu != changed.submenu) DestroyMenu(old_submenu);
    *item = std::move(changed);
    return TRUE;
}

BOOL InsertMenuItemW(HMENU menu, UINT position, BOOL by_position, LPCMENUITEMINFOW info) {
    if (info == nullptr) return FALSE;
    MenuItem item;
    if (info->fMask & MIIM_FTYPE) item.type = info->fType & (MF_SEPARATOR | MF_BITMAP);
    if (info->fMask & MIIM_STATE) item.state = info->fState;
    if (info->fMask & MIIM_ID) item.id = info->wID;
    if (info->fMask & MIIM_SUBMENU) {
        if (info->hSubMenu != nullptr && find_menu(info->hSubMenu) == nullptr) return FALSE;
        item.submenu = info->hSubMenu;
    }
    if ((info->fMask & MIIM_STRING) && info->dwTypeData != nullptr) item.text = wide_view(info->dwTypeData);
    if (info->fMask & MIIM_BITMAP) item.bitmap = info->hbmpItem;
    return insert(menu, position, by_position != FALSE, std::move(item));
}

BOOL SetMenuItemInfoW(HMENU menu, UINT position, BOOL by_position, LPCMENUITEMINFOW info) {
    MenuItem* item = locate(menu, position, by_position != FALSE).item();
    if (item == nullptr || info == nullptr) return FALSE;
    if (info->fMask & MIIM_FTYPE)
        item->type = (item->type & MF_POPUP) | (info->fType & (MF_SEPARATOR | MF_BITMAP));
    if (info->fMask & MIIM_STATE) item->state = info->fState;
    if (info->fMask & MIIM_ID) item->id = info->wID;
    if (info->fMask & MIIM_SUBMENU) item->submenu = info->hSubMenu;
    if ((info->fMask & MIIM_STRING) && info->dwTypeData != nullptr) item->text = wide_view(info->dwTypeData);
    if (info->fMask & MIIM_BITMAP) item->bitmap = info->hbmpItem;
    return TRUE;
}

// The text is copied up to cch - 1 units and terminated; cch receives the text's length.
BOOL GetMenuItemInfoW(HMENU menu, UINT position, BOOL by_position, LPMENUITEMINFOW info) {
    const MenuItem* item = locate(menu, position, by_position != FALSE).item();
    if (item == nullptr || info == nullptr) return FALSE;
    if (info->fMask & MIIM_FTYPE) info->fType = item->type & (MF_SEPARATOR | MF_BITMAP);
    if (info->fMask & MIIM_STATE) info->fState = item->state;
    if (info->fMask & MIIM_ID) info->wID = item->id;
    if (info->fMask & MIIM_SUBMENU) info->hSubMenu = item->submenu;
    if (info->fMask & MIIM_BITMAP) info->hbmpItem = item->bitmap;
    if (info->fMask & MIIM_STRING) {
        if (info->dwTypeData != nullptr && info->cch > 0) {
            const std::size_t n = std::min<std::size_t>(item->text.size(), info->cch - 1);
            std::copy_n(item->text.begin(), n, info->dwTypeData);
            info->dwTypeData[n] = 0;
        }
        info->cch = static_cast<UINT>(item->text.size());
    }
    return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    const Place p = locate(menu, position, (flags & MF_BYPOSITION) != 0);
    if (p.menu == nullptr) return FALSE;
    p.menu->items.erase(p.menu->items.begin() + static_cast<std::ptrdiff_t>(p.index));
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    const Place p = locate(menu, position, (flags & MF_BYPOSITION) != 0);
    if (p.menu == nullptr) return FALSE;
    const HMENU submenu = p.item()->submenu;
    p.menu->items.erase(p.menu->items.begin() + static_cast<std::ptrdiff_t>(p.index));
    if (submenu != nullptr) DestroyMenu(submenu);
    return TRUE;
}

int GetMenuItemCount(HMENU menu) {
    const Menu* m = find_menu(menu);
    return m != nullptr ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    const MenuItem* item = position < 0 ? nullptr : locate(menu, static_cast<UINT>(position), true).item();
    return item == nullptr || item->submenu != nullptr ? static_cast<UINT>(-1) : item->id;
}

HMENU GetSubMenu(HMENU menu, int position) {
    const MenuItem* item = position < 0 ? nullptr : locate(menu, static_cast<UINT>(position), true).item();
    return item != nullptr ? item->submenu : nullptr;
}

int GetMenuStringW(HMENU menu, UINT position, LPWSTR text, int max, UINT flags) {
    const MenuItem* item = locate(menu, position, (flags & MF_BYPOSITION) != 0).item();
    if (item == nullptr) return 0;
    if (text == nullptr || max <= 0) return static_cast<int>(item->text.size());
    const std::size_t n = std::min<std::size_t>(item->text.size(), static_cast<std::size_t>(max - 1));
    std::copy_n(item->text.begin(), n, text);
    text[n] = 0;
    return static_cast<int>(n);
}

DWORD CheckMenuItem(HMENU menu, UINT position, UINT check) {
    MenuItem* item = locate(menu, position, (check & MF_BYPOSITION) != 0).item();
    if (item == nullptr) return static_cast<DWORD>(-1);
    const DWORD old = item->state & MF_CHECKED;
    item->state = (item->state & ~MF_CHECKED) | (check & MF_CHECKED);
    return old;
}

BOOL EnableMenuItem(HMENU menu, UINT position, UINT enable) {
    MenuItem* item = locate(menu, position, (enable & MF_BYPOSITION) != 0).item();
    if (item == nullptr) return -1;
    const UINT old = item->state & (MF_GRAYED | MF_DISABLED);
    item->state = (item->state & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    return static_cast<BOOL>(old);
}

UINT GetMenuState(HMENU menu, UINT position, UINT flags) {
    const MenuItem* item = locate(menu, position, (flags & MF_BYPOSITION) != 0).item();
    return item == nullptr ? static_cast<UINT>(-1) : state_flags(*item);
}

BOOL SetMenuDefaultItem(HMENU menu, UINT position, UINT by_position) {
    Menu* m = find_menu(menu);
    if (m == nullptr) return FALSE;
    for (MenuItem& item : m->items) item.state &= ~MF_DEFAULT;
    if (position == static_cast<UINT>(-1)) return TRUE;
    MenuItem* item = locate(menu, position, by_position != 0).item();
    if (item == nullptr) return FALSE;
    item->state |= MF_DEFAULT;
    return TRUE;
}
