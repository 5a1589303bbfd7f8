// Windows, classes, messages, input, caret, scroll bars, clipboard and system values.
// Every function refuses a bad handle with its failure result; none throws.
#pragma once

#include <zeledit/win_messages.h>
#include <zeledit/win_types.h>

// Class styles.
inline constexpr UINT CS_VREDRAW = 0x0001;
inline constexpr UINT CS_HREDRAW = 0x0002;
inline constexpr UINT CS_DBLCLKS = 0x0008;
inline constexpr UINT CS_OWNDC = 0x0020;
inline constexpr UINT CS_PARENTDC = 0x0080;
inline constexpr UINT CS_SAVEBITS = 0x0800;
inline constexpr UINT CS_GLOBALCLASS = 0x4000;

// Window styles.
inline constexpr DWORD WS_OVERLAPPED = 0x00000000;
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_MINIMIZE = 0x20000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_DISABLED = 0x08000000;
inline constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
inline constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
inline constexpr DWORD WS_MAXIMIZE = 0x01000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_DLGFRAME = 0x00400000;
inline constexpr DWORD WS_VSCROLL = 0x00200000;
inline constexpr DWORD WS_HSCROLL = 0x00100000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_THICKFRAME = 0x00040000;
inline constexpr DWORD WS_GROUP = 0x00020000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
inline constexpr DWORD WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
inline constexpr DWORD WS_POPUPWINDOW = WS_POPUP | WS_BORDER | WS_SYSMENU;
inline constexpr DWORD WS_CHILDWINDOW = WS_CHILD;
inline constexpr DWORD WS_EX_DLGMODALFRAME = 0x00000001;
inline constexpr DWORD WS_EX_NOPARENTNOTIFY = 0x00000004;
inline constexpr DWORD WS_EX_TOPMOST = 0x00000008;
inline constexpr DWORD WS_EX_TRANSPARENT = 0x00000020;
inline constexpr DWORD WS_EX_TOOLWINDOW = 0x00000080;
inline constexpr DWORD WS_EX_WINDOWEDGE = 0x00000100;
inline constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;
inline constexpr DWORD WS_EX_CONTROLPARENT = 0x00010000;
inline constexpr DWORD WS_EX_STATICEDGE = 0x00020000;

inline constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000);
inline HWND const HWND_MESSAGE = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-3));
inline HWND const HWND_TOP = nullptr;
inline HWND const HWND_BOTTOM = reinterpret_cast<HWND>(static_cast<LONG_PTR>(1));

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_NORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_SHOWNOACTIVATE = 4;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_SHOWNA = 8;
inline constexpr int SW_RESTORE = 9;
inline constexpr int SW_SHOWDEFAULT = 10;

// SetWindowPos flags.
inline constexpr UINT SWP_NOSIZE = 0x0001;
inline constexpr UINT SWP_NOMOVE = 0x0002;
inline constexpr UINT SWP_NOZORDER = 0x0004;
inline constexpr UINT SWP_NOREDRAW = 0x0008;
inline constexpr UINT SWP_NOACTIVATE = 0x0010;
inline constexpr UINT SWP_FRAMECHANGED = 0x0020;
inline constexpr UINT SWP_SHOWWINDOW = 0x0040;
inline constexpr UINT SWP_HIDEWINDOW = 0x0080;

// GetWindowLongPtrW indices.
inline constexpr int GWLP_WNDPROC = -4;
inline constexpr int GWLP_HINSTANCE = -6;
inline constexpr int GWLP_HWNDPARENT = -8;
inline constexpr int GWLP_ID = -12;
inline constexpr int GWL_STYLE = -16;
inline constexpr int GWL_EXSTYLE = -20;
inline constexpr int GWLP_USERDATA = -21;

// GetWindow relations.
inline constexpr UINT GW_HWNDFIRST = 0;
inline constexpr UINT GW_HWNDLAST = 1;
inline constexpr UINT GW_HWNDNEXT = 2;
inline constexpr UINT GW_HWNDPREV = 3;
inline constexpr UINT GW_OWNER = 4;
inline constexpr UINT GW_CHILD = 5;

// PeekMessageW
inline constexpr UINT PM_NOREMOVE = 0x0000;
inline constexpr UINT PM_REMOVE = 0x0001;
inline constexpr UINT PM_NOYIELD = 0x0002;

// Scroll bars.
inline constexpr int SB_HORZ = 0;
inline constexpr int SB_VERT = 1;
inline constexpr int SB_CTL = 2;
inline constexpr int SB_BOTH = 3;
inline constexpr DWORD SBS_HORZ = 0x0000;
inline constexpr DWORD SBS_VERT = 0x0001;
inline constexpr UINT SIF_RANGE = 0x0001;
inline constexpr UINT SIF_PAGE = 0x0002;
inline constexpr UINT SIF_POS = 0x0004;
inline constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
inline constexpr UINT SIF_TRACKPOS = 0x0010;
inline constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
inline constexpr UINT ESB_ENABLE_BOTH = 0x0000;
inline constexpr UINT ESB_DISABLE_LTUP = 0x0001;
inline constexpr UINT ESB_DISABLE_RTDN = 0x0002;
inline constexpr UINT ESB_DISABLE_BOTH = 0x0003;
// Scroll-bar control messages.
inline constexpr UINT SBM_SETPOS = 0x00E0;
inline constexpr UINT SBM_GETPOS = 0x00E1;
inline constexpr UINT SBM_SETRANGE = 0x00E2;
inline constexpr UINT SBM_GETRANGE = 0x00E3;
inline constexpr UINT SBM_ENABLE_ARROWS = 0x00E4;
inline constexpr UINT SBM_SETRANGEREDRAW = 0x00E6;
inline constexpr UINT SBM_SETSCROLLINFO = 0x00E9;
inline constexpr UINT SBM_GETSCROLLINFO = 0x00EA;

// Dialog results and buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr int IDALL = 8;
inline constexpr DWORD BS_PUSHBUTTON = 0x0000;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
inline constexpr WORD BN_CLICKED = 0;
inline constexpr UINT BM_CLICK = 0x00F5;
inline constexpr UINT BM_GETSTATE = 0x00F2;
inline constexpr DWORD SS_LEFT = 0x0000;
inline constexpr DWORD SS_CENTER = 0x0001;
inline LPCWSTR const IDI_APPLICATION = MAKEINTRESOURCEW(32512);
inline LPCWSTR const IDI_HAND = MAKEINTRESOURCEW(32513);
inline LPCWSTR const IDI_QUESTION = MAKEINTRESOURCEW(32514);
inline LPCWSTR const IDI_WARNING = MAKEINTRESOURCEW(32515);
inline LPCWSTR const IDI_ASTERISK = MAKEINTRESOURCEW(32516);
inline LPCWSTR const IDI_WINLOGO = MAKEINTRESOURCEW(32517);

// Clipboard formats.
inline constexpr UINT CF_TEXT = 1;
inline constexpr UINT CF_BITMAP = 2;
inline constexpr UINT CF_METAFILEPICT = 3;
inline constexpr UINT CF_OEMTEXT = 7;
inline constexpr UINT CF_DIB = 8;
inline constexpr UINT CF_PALETTE = 9;
inline constexpr UINT CF_UNICODETEXT = 13;
inline constexpr UINT CF_ENHMETAFILE = 14;

// System colours (GetSysColor indices).
inline constexpr int COLOR_SCROLLBAR = 0;
inline constexpr int COLOR_BACKGROUND = 1;
inline constexpr int COLOR_ACTIVECAPTION = 2;
inline constexpr int COLOR_INACTIVECAPTION = 3;
inline constexpr int COLOR_MENU = 4;
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWFRAME = 6;
inline constexpr int COLOR_MENUTEXT = 7;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_CAPTIONTEXT = 9;
inline constexpr int COLOR_ACTIVEBORDER = 10;
inline constexpr int COLOR_INACTIVEBORDER = 11;
inline constexpr int COLOR_APPWORKSPACE = 12;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_GRAYTEXT = 17;
inline constexpr int COLOR_BTNTEXT = 18;
inline constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
inline constexpr int COLOR_3DDKSHADOW = 21;
inline constexpr int COLOR_3DLIGHT = 22;
inline constexpr int COLOR_INFOTEXT = 23;
inline constexpr int COLOR_INFOBK = 24;
inline constexpr int COLOR_HOTLIGHT = 26;
inline constexpr int COLOR_GRADIENTACTIVECAPTION = 27;
inline constexpr int COLOR_GRADIENTINACTIVECAPTION = 28;
inline constexpr int COLOR_MENUHILIGHT = 29;
inline constexpr int COLOR_MENUBAR = 30;
inline constexpr int COLOR_3DFACE = COLOR_BTNFACE;
inline constexpr int COLOR_3DSHADOW = COLOR_BTNSHADOW;
inline constexpr int COLOR_3DHIGHLIGHT = COLOR_BTNHIGHLIGHT;

// System metrics.
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CXVSCROLL = 2;
inline constexpr int SM_CYHSCROLL = 3;
inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CXBORDER = 5;
inline constexpr int SM_CYBORDER = 6;
inline constexpr int SM_CXDLGFRAME = 7;
inline constexpr int SM_CYDLGFRAME = 8;
inline constexpr int SM_CYVTHUMB = 9;
inline constexpr int SM_CXHTHUMB = 10;
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CXCURSOR = 13;
inline constexpr int SM_CYCURSOR = 14;
inline constexpr int SM_CYMENU = 15;
inline constexpr int SM_CXFULLSCREEN = 16;
inline constexpr int SM_CYFULLSCREEN = 17;
inline constexpr int SM_CYVSCROLL = 20;
inline constexpr int SM_CXHSCROLL = 21;
inline constexpr int SM_SWAPBUTTON = 23;
inline constexpr int SM_CXFRAME = 32;
inline constexpr int SM_CYFRAME = 33;
inline constexpr int SM_CXDOUBLECLK = 36;
inline constexpr int SM_CYDOUBLECLK = 37;
inline constexpr int SM_CXEDGE = 45;
inline constexpr int SM_CYEDGE = 46;
inline constexpr int SM_CXSMICON = 49;
inline constexpr int SM_CYSMICON = 50;
inline constexpr int SM_CXDRAG = 68;
inline constexpr int SM_CYDRAG = 69;
inline constexpr int SM_MOUSEPRESENT = 19;
inline constexpr int SM_MOUSEWHEELPRESENT = 75;

// Standard cursors for LoadCursorW(nullptr, ...).
inline LPCWSTR const IDC_ARROW = MAKEINTRESOURCEW(32512);
inline LPCWSTR const IDC_IBEAM = MAKEINTRESOURCEW(32513);
inline LPCWSTR const IDC_WAIT = MAKEINTRESOURCEW(32514);
inline LPCWSTR const IDC_CROSS = MAKEINTRESOURCEW(32515);
inline LPCWSTR const IDC_UPARROW = MAKEINTRESOURCEW(32516);
inline LPCWSTR const IDC_SIZEALL = MAKEINTRESOURCEW(32646);
inline LPCWSTR const IDC_SIZENWSE = MAKEINTRESOURCEW(32642);
inline LPCWSTR const IDC_SIZENESW = MAKEINTRESOURCEW(32643);
inline LPCWSTR const IDC_SIZEWE = MAKEINTRESOURCEW(32644);
inline LPCWSTR const IDC_SIZENS = MAKEINTRESOURCEW(32645);
inline LPCWSTR const IDC_NO = MAKEINTRESOURCEW(32648);
inline LPCWSTR const IDC_HAND = MAKEINTRESOURCEW(32649);

// Last-error values this subset sets.
inline constexpr DWORD ERROR_SUCCESS = 0;
inline constexpr DWORD ERROR_INVALID_HANDLE = 6;
inline constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
inline constexpr DWORD ERROR_INVALID_PARAMETER = 87;
inline constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
inline constexpr DWORD ERROR_INVALID_LEVEL = 124;
inline constexpr DWORD ERROR_INVALID_PRINTER_NAME = 1801;
inline constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;
inline constexpr DWORD ERROR_INVALID_INDEX = 1413;
inline constexpr DWORD ERROR_CLASS_ALREADY_EXISTS = 1410;
inline constexpr DWORD ERROR_CLASS_DOES_NOT_EXIST = 1411;
inline constexpr DWORD ERROR_CLASS_HAS_WINDOWS = 1412;
inline constexpr DWORD ERROR_CLIPBOARD_NOT_OPEN = 1418;
inline constexpr DWORD ERROR_NOT_LOCKED = 158;

extern "C" {

ZE_API DWORD GetLastError();
ZE_API void SetLastError(DWORD error);
ZE_API DWORD GetTickCount();
// a × b / c in 64 bits, rounded half away from zero; −1 when c is 0 or the result overflows.
ZE_API int MulDiv(int a, int b, int c);
ZE_API HMODULE GetModuleHandleW(LPCWSTR moduleName);

// Classes.
ZE_API ATOM RegisterClassW(const WNDCLASSW* wc);
ZE_API BOOL UnregisterClassW(LPCWSTR className, HINSTANCE instance);
ZE_API BOOL GetClassInfoW(HINSTANCE instance, LPCWSTR className, WNDCLASSW* wc);
ZE_API int GetClassNameW(HWND hwnd, LPWSTR buffer, int maxCount);

// Windows.
ZE_API HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                            int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
ZE_API BOOL DestroyWindow(HWND hwnd);
ZE_API BOOL IsWindow(HWND hwnd);
ZE_API HWND GetParent(HWND hwnd);
ZE_API HWND GetWindow(HWND hwnd, UINT relation);
ZE_API BOOL IsChild(HWND parent, HWND hwnd);
ZE_API HWND GetDlgItem(HWND dialog, int id);
ZE_API int GetDlgCtrlID(HWND hwnd);
ZE_API BOOL ShowWindow(HWND hwnd, int command);
ZE_API BOOL IsWindowVisible(HWND hwnd);
ZE_API BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
ZE_API BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
ZE_API BOOL GetClientRect(HWND hwnd, LPRECT rect);
ZE_API BOOL GetWindowRect(HWND hwnd, LPRECT rect);
ZE_API BOOL ClientToScreen(HWND hwnd, LPPOINT point);
ZE_API BOOL ScreenToClient(HWND hwnd, LPPOINT point);
ZE_API HWND WindowFromPoint(POINT point);
ZE_API BOOL EnableWindow(HWND hwnd, BOOL enable);
ZE_API BOOL IsWindowEnabled(HWND hwnd);
ZE_API BOOL SetWindowTextW(HWND hwnd, LPCWSTR text);
ZE_API int GetWindowTextW(HWND hwnd, LPWSTR buffer, int maxCount);
ZE_API int GetWindowTextLengthW(HWND hwnd);
ZE_API LONG_PTR GetWindowLongPtrW(HWND hwnd, int index);
ZE_API LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value);
ZE_API LONG GetWindowLongW(HWND hwnd, int index);
ZE_API LONG SetWindowLongW(HWND hwnd, int index, LONG value);
ZE_API LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
ZE_API LRESULT DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Properties.
ZE_API BOOL SetPropW(HWND hwnd, LPCWSTR name, HANDLE data);
ZE_API HANDLE GetPropW(HWND hwnd, LPCWSTR name);
ZE_API HANDLE RemovePropW(HWND hwnd, LPCWSTR name);

// Messages.
ZE_API LRESULT SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
ZE_API BOOL PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
ZE_API void PostQuitMessage(int exitCode);
ZE_API BOOL GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax);
ZE_API BOOL PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove);
ZE_API BOOL TranslateMessage(const MSG* msg);
ZE_API LRESULT DispatchMessageW(const MSG* msg);
ZE_API BOOL WaitMessage();
ZE_API DWORD GetMessageTime();

// Painting.
ZE_API BOOL InvalidateRect(HWND hwnd, LPCRECT rect, BOOL erase);
ZE_API BOOL ValidateRect(HWND hwnd, LPCRECT rect);
ZE_API BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase);
ZE_API BOOL UpdateWindow(HWND hwnd);
ZE_API HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
ZE_API BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);
ZE_API BOOL ScrollWindow(HWND hwnd, int dx, int dy, LPCRECT rect, LPCRECT clip);

// Timers.
ZE_API UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
ZE_API BOOL KillTimer(HWND hwnd, UINT_PTR id);

// Focus, capture, keyboard and mouse state, cursors.
ZE_API HWND SetFocus(HWND hwnd);
ZE_API HWND GetFocus();
ZE_API HWND SetActiveWindow(HWND hwnd);
ZE_API HWND GetActiveWindow();
ZE_API HWND SetCapture(HWND hwnd);
ZE_API BOOL ReleaseCapture();
ZE_API HWND GetCapture();
ZE_API SHORT GetKeyState(int virtualKey);
ZE_API SHORT GetAsyncKeyState(int virtualKey);
ZE_API BOOL GetKeyboardState(PBYTE keyState);
ZE_API BOOL SetKeyboardState(const BYTE* keyState);
ZE_API BOOL GetCursorPos(LPPOINT point);
ZE_API BOOL SetCursorPos(int x, int y);
ZE_API HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name);
ZE_API HCURSOR SetCursor(HCURSOR cursor);
ZE_API HCURSOR GetCursor();
ZE_API UINT GetDoubleClickTime();

// Caret.
ZE_API BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height);
ZE_API BOOL DestroyCaret();
ZE_API BOOL SetCaretPos(int x, int y);
ZE_API BOOL GetCaretPos(LPPOINT point);
ZE_API BOOL ShowCaret(HWND hwnd);
ZE_API BOOL HideCaret(HWND hwnd);
ZE_API UINT GetCaretBlinkTime();

// Scroll bars: SB_HORZ and SB_VERT are the window's own, SB_CTL a "SCROLLBAR" control.
ZE_API int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw);
ZE_API BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info);
ZE_API BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw);
ZE_API BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos);
ZE_API int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
ZE_API int GetScrollPos(HWND hwnd, int bar);
ZE_API BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);
ZE_API BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows);

// Clipboard.
ZE_API BOOL OpenClipboard(HWND owner);
ZE_API BOOL CloseClipboard();
ZE_API BOOL EmptyClipboard();
ZE_API HANDLE SetClipboardData(UINT format, HANDLE data);
ZE_API HANDLE GetClipboardData(UINT format);
ZE_API BOOL IsClipboardFormatAvailable(UINT format);
ZE_API UINT RegisterClipboardFormatW(LPCWSTR name);
ZE_API HWND GetClipboardOwner();
ZE_API int CountClipboardFormats();
ZE_API UINT EnumClipboardFormats(UINT format);

// Module resources: data the library or a host registered under a type and a name.
inline LPCWSTR const RT_BITMAP = MAKEINTRESOURCEW(2);
inline LPCWSTR const RT_RCDATA = MAKEINTRESOURCEW(10);
ZE_API HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
ZE_API HGLOBAL LoadResource(HMODULE module, HRSRC resource);
ZE_API LPVOID LockResource(HGLOBAL loaded);
ZE_API DWORD SizeofResource(HMODULE module, HRSRC resource);
ZE_API BOOL FreeResource(HGLOBAL loaded);

// Rectangles.
ZE_API BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom);
ZE_API BOOL InflateRect(LPRECT rect, int dx, int dy);
ZE_API BOOL OffsetRect(LPRECT rect, int dx, int dy);
ZE_API BOOL PtInRect(const RECT* rect, POINT point);
ZE_API BOOL IsRectEmpty(const RECT* rect);
// The common part of two rectangles; an empty result is all zeros and answers FALSE.
ZE_API BOOL IntersectRect(LPRECT result, const RECT* a, const RECT* b);

// System values.
ZE_API DWORD GetSysColor(int index);
ZE_API int GetSystemMetrics(int index);

} // extern "C"
