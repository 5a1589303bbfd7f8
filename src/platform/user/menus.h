// Menus as the window system keeps them: items in order, each a string (with a shortcut text
// after a tab), a separator or a submenu, with its state. Pop-up tracking draws and runs them.
#pragma once

#include <zeledit/win_gdi.h>
#include <zeledit/win_menus.h>

#include <string>
#include <vector>

namespace zeledit::platform {

struct MenuItem {
    UINT type = MF_STRING; // MF_STRING, MF_SEPARATOR, MF_BITMAP, MF_POPUP
    UINT state = 0;        // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_DEFAULT, MF_HILITE
    UINT id = 0;
    HMENU submenu = nullptr; // owned
    std::u16string text;     // "&Copy\tCtrl+C"
    HBITMAP bitmap = nullptr;

    bool separator() const { return (type & MF_SEPARATOR) != 0; }
    bool enabled() const { return (state & (MF_GRAYED | MF_DISABLED)) == 0 && !separator(); }
    // The text before the tab and the shortcut text after it.
    std::u16string label() const { return text.substr(0, text.find(u'\t')); }
    std::u16string shortcut() const {
        const auto tab = text.find(u'\t');
        return tab == std::u16string::npos ? std::u16string() : text.substr(tab + 1);
    }
    // The letter after a single '&', upper case; 0 for none.
    char16_t mnemonic() const;
};

struct Menu {
    bool popup = false;
    std::vector<MenuItem> items;
};

// Menus outlive a reset of the window system: the library's own are made once, when it loads.
Menu* find_menu(HMENU menu);

} // namespace zeledit::platform
