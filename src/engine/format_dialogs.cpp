#include "engine/format_dialogs.h"

namespace zeledit::engine {
namespace {

FormatDialogs& installed() {
    static FormatDialogs dialogs;
    return dialogs;
}

} // namespace

void SetFormatDialogs(const FormatDialogs& dialogs) { installed() = dialogs; }

const FormatDialogs& InstalledFormatDialogs() { return installed(); }

} // namespace zeledit::engine
