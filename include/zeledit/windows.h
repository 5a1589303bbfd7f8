// The window-system subset zeledit is written against: types, windows and messages,
// global memory, device contexts. Hosts include this one header.
#pragma once

#include <zeledit/win_controls.h>
#include <zeledit/win_dialogs.h>
#include <zeledit/win_gdi.h>
#include <zeledit/win_memory.h>
#include <zeledit/win_menus.h>
#include <zeledit/win_messages.h>
#include <zeledit/win_types.h>
#include <zeledit/win_user.h>
