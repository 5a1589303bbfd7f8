// A printer's status word in words, as the print dialog shows it.
#pragma once

#include <zeledit/win_types.h>

namespace zeledit::dialogs {

// The status matched as a whole value: a printer reporting two conditions at once reads as
// idle ("Đang rỗi", "Idle").
const char16_t* PrinterStatusText(DWORD status, bool english);

} // namespace zeledit::dialogs
