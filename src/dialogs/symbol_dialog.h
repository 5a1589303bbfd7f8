// The symbol dialog: a face and one of its one-byte characters.
#pragma once

#include <zeledit/windows.h>

#include <cstdint>
#include <string>

namespace zeledit::dialogs {

// `face` and `code` start the dialog and come back chosen on OK; false when closed.
bool AskSymbol(HWND owner, std::u16string& face, std::uint8_t& code, BYTE language);

} // namespace zeledit::dialogs
