// Global memory blocks. Handles are checked: a bad handle is refused, never dereferenced.
// Every block, fixed or movable, is reached through GlobalLock.
#pragma once

#include <zeledit/win_types.h>

inline constexpr UINT GMEM_FIXED = 0x0000;
inline constexpr UINT GMEM_MOVEABLE = 0x0002;
inline constexpr UINT GMEM_NOCOMPACT = 0x0010;
inline constexpr UINT GMEM_NODISCARD = 0x0020;
inline constexpr UINT GMEM_ZEROINIT = 0x0040;
inline constexpr UINT GMEM_MODIFY = 0x0080;
inline constexpr UINT GMEM_DISCARDABLE = 0x0100;
inline constexpr UINT GMEM_SHARE = 0x2000;
inline constexpr UINT GMEM_DDESHARE = 0x2000;
inline constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
inline constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;
inline constexpr UINT GMEM_INVALID_HANDLE = 0x8000;
inline constexpr UINT GMEM_LOCKCOUNT = 0x00FF;

// The largest block this subset hands out (sizes beyond it are refused).
inline constexpr SIZE_T ZE_GLOBAL_MAX_BYTES = SIZE_T(1) << 31;

extern "C" {
ZE_API HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
ZE_API HGLOBAL GlobalReAlloc(HGLOBAL mem, SIZE_T bytes, UINT flags);
ZE_API LPVOID GlobalLock(HGLOBAL mem);
ZE_API BOOL GlobalUnlock(HGLOBAL mem);
ZE_API SIZE_T GlobalSize(HGLOBAL mem);
ZE_API UINT GlobalFlags(HGLOBAL mem);
ZE_API HGLOBAL GlobalFree(HGLOBAL mem);
} // extern "C"
