#include "platform/user/modal_hook.h"

#include <zeledit/controls.h>

#include <utility>

namespace zeledit::platform {
namespace {

DialogHook& hook() {
    static DialogHook h;
    return h;
}

} // namespace

void meet_modal_window(HWND window) {
    if (const DialogHook h = hook()) h(window); // a copy: the hook may replace itself
}

} // namespace zeledit::platform

void zeledit::SetDialogHook(DialogHook h) { platform::hook() = std::move(h); }
