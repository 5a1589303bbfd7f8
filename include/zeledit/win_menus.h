// Menus: pop-up menus shown with TrackPopupMenu, and their items (strings with an optional
// shortcut text after a tab, separators, submenus, check marks, disabled and default items,
// item pictures). Items are found by command identifier (MF_BYCOMMAND, searching submenus)
// or by position (MF_BYPOSITION). A pop-up menu takes the keyboard and the mouse until it
// ends: arrows move through the items and into and out of submenus, Enter or a click chooses,
// a mnemonic letter ('&' in the text) chooses its item, Escape or a click elsewhere closes.
// The owner receives WM_INITMENUPOPUP before each menu opens and WM_MENUSELECT as the
// highlighted item changes. A dialog hook (SetDialogHook) meets each pop-up window.
//   HMENU m = CreatePopupMenu();
//   AppendMenuW(m, MF_STRING, 1, u"&Copy\tCtrl+C");
//   AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
//   AppendMenuW(m, MF_STRING | MF_GRAYED, 2, u"&Paste\tCtrl+V");
//   UINT chosen = TrackPopupMenu(m, TPM_RETURNCMD, x, y, 0, owner, nullptr); // 0: none
//   DestroyMenu(m);
#pragma once

#include <zeledit/win_types.h>

inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_UNCHECKED = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_BITMAP = 0x0004;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_HILITE = 0x0080;
inline constexpr UINT MF_DEFAULT = 0x1000;
inline constexpr UINT MF_BYPOSITION = 0x0400;
inline constexpr UINT MF_SEPARATOR = 0x0800;

inline constexpr UINT MIIM_STATE = 0x0001;
inline constexpr UINT MIIM_ID = 0x0002;
inline constexpr UINT MIIM_SUBMENU = 0x0004;
inline constexpr UINT MIIM_STRING = 0x0040;
inline constexpr UINT MIIM_BITMAP = 0x0080;
inline constexpr UINT MIIM_FTYPE = 0x0100;
inline constexpr UINT MFT_STRING = MF_STRING;
inline constexpr UINT MFT_SEPARATOR = MF_SEPARATOR;
inline constexpr UINT MFS_ENABLED = MF_ENABLED;
inline constexpr UINT MFS_GRAYED = 0x0003;
inline constexpr UINT MFS_DISABLED = MFS_GRAYED;
inline constexpr UINT MFS_CHECKED = MF_CHECKED;
inline constexpr UINT MFS_DEFAULT = MF_DEFAULT;

inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_TOPALIGN = 0x0000;
inline constexpr UINT TPM_LEFTBUTTON = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
inline constexpr UINT TPM_CENTERALIGN = 0x0004;
inline constexpr UINT TPM_RIGHTALIGN = 0x0008;
inline constexpr UINT TPM_VCENTERALIGN = 0x0010;
inline constexpr UINT TPM_BOTTOMALIGN = 0x0020;
inline constexpr UINT TPM_NONOTIFY = 0x0080;
inline constexpr UINT TPM_RETURNCMD = 0x0100;

// The pop-up window class of every menu; MN_GETHMENU asks such a window for its menu.
inline LPCWSTR const MenuWindowClassName = u"#32768";
inline constexpr UINT MN_GETHMENU = 0x01E1;

struct MENUITEMINFOW {
    UINT cbSize;
    UINT fMask;
    UINT fType;
    UINT fState;
    UINT wID;
    HMENU hSubMenu;
    HBITMAP hbmpChecked;
    HBITMAP hbmpUnchecked;
    ULONG_PTR dwItemData;
    LPWSTR dwTypeData;
    UINT cch;
    HBITMAP hbmpItem;
};
using LPMENUITEMINFOW = MENUITEMINFOW*;
using LPCMENUITEMINFOW = const MENUITEMINFOW*;

struct TPMPARAMS {
    UINT cbSize;
    RECT rcExclude;
};

extern "C" {

ZE_API HMENU CreateMenu();
ZE_API HMENU CreatePopupMenu();
// Destroys the menu and its submenus.
ZE_API BOOL DestroyMenu(HMENU menu);
ZE_API BOOL IsMenu(HMENU menu);
// With MF_POPUP the identifier is the submenu's handle; the menu then owns the submenu.
ZE_API BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR id, LPCWSTR text);
ZE_API BOOL InsertMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCWSTR text);
ZE_API BOOL InsertMenuItemW(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOW info);
ZE_API BOOL ModifyMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCWSTR text);
ZE_API BOOL SetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOW info);
ZE_API BOOL GetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOW info);
// DeleteMenu destroys a submenu the item opens; RemoveMenu leaves it to the caller.
ZE_API BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);
ZE_API BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);
ZE_API int GetMenuItemCount(HMENU menu);
ZE_API UINT GetMenuItemID(HMENU menu, int position); // -1 for a submenu or no item
ZE_API HMENU GetSubMenu(HMENU menu, int position);
ZE_API int GetMenuStringW(HMENU menu, UINT item, LPWSTR text, int max, UINT flags);
// The previous state (MF_CHECKED / MF_GRAYED...), or -1 when there is no such item.
ZE_API DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);
ZE_API BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable);
ZE_API UINT GetMenuState(HMENU menu, UINT item, UINT flags);
ZE_API BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition);
// Shows the menu at a screen point and runs it. With TPM_RETURNCMD answers the command
// chosen (0 for none); otherwise posts WM_COMMAND to the owner and answers non-zero when an
// item was chosen.
ZE_API BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                           const RECT* unused);
ZE_API BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, TPMPARAMS* params);
// A top-level window's menu bar, above its client area (which shrinks by the bar's height).
// A click on the bar, Alt with an item's mnemonic or F10 opens its menus; Left and Right move
// between them; the command chosen is posted to the window as WM_COMMAND. The window does not
// destroy the menu: DestroyMenu it after SetMenu(hwnd, nullptr) or with the window.
ZE_API BOOL SetMenu(HWND hwnd, HMENU menu);
ZE_API HMENU GetMenu(HWND hwnd);
ZE_API BOOL DrawMenuBar(HWND hwnd);
// Ends the menu being tracked for `owner`'s thread, as Escape would.
ZE_API BOOL EndMenu();

} // extern "C"
