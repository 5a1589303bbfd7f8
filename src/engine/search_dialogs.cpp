#include "engine/search_dialogs.h"

namespace zeledit::engine {
namespace {

SearchDialogs*& installed() {
    static SearchDialogs* dialogs = nullptr;
    return dialogs;
}

} // namespace

void SetSearchDialogs(SearchDialogs* Dialogs) { installed() = Dialogs; }

SearchDialogs* InstalledSearchDialogs() { return installed(); }

} // namespace zeledit::engine
