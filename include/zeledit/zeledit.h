// Everything a host needs: the window-system subset, the editor's classes and exported
// functions, its messages and notifications, the records they carry, and the editor control
// with its events.
#pragma once

#include <zeledit/editor_commands.h>
#include <zeledit/editor_events.h>
#include <zeledit/editor_library.h>
#include <zeledit/editor_messages.h>
#include <zeledit/editor_records.h>
#include <zeledit/format_editor.h>
#include <zeledit/windows.h>
