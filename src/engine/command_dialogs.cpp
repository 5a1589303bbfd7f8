#include "engine/command_dialogs.h"

namespace zeledit::engine {
namespace {

CommandDialogs*& installed() {
    static CommandDialogs* dialogs = nullptr;
    return dialogs;
}

} // namespace

void SetCommandDialogs(CommandDialogs* Dialogs) { installed() = Dialogs; }

CommandDialogs* InstalledCommandDialogs() { return installed(); }

} // namespace zeledit::engine
