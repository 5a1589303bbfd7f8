#include "engine/format_dialogs.h"

namespace zeledit::engine {
namespace {

FormatDialogs*& installed() {
    static FormatDialogs* dialogs = nullptr;
    return dialogs;
}

} // namespace

void SetFormatDialogs(FormatDialogs* Dialogs) { installed() = Dialogs; }

FormatDialogs* InstalledFormatDialogs() { return installed(); }

} // namespace zeledit::engine
