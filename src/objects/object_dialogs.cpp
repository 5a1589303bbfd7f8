#include "objects/object_dialogs.h"

namespace zeledit::objects {
namespace {

ObjectDialogs*& installed() {
    static ObjectDialogs* dialogs = nullptr;
    return dialogs;
}

} // namespace

void SetObjectDialogs(ObjectDialogs* Dialogs) { installed() = Dialogs; }

ObjectDialogs* InstalledObjectDialogs() { return installed(); }

} // namespace zeledit::objects
