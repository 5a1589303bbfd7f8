#include "engine/prompts.h"

namespace zeledit::engine {
namespace {

MessagePrompt installed = nullptr;
AboutWindow about = nullptr;

} // namespace

void SetMessagePrompt(MessagePrompt prompt) { installed = prompt; }

void SetAboutWindow(AboutWindow window) { about = window; }

void ShowAbout(HWND owner) {
    if (about != nullptr) about(owner);
}

int Prompt(LPCWSTR text, BYTE kind, WORD buttons) {
    return installed != nullptr ? installed(text, kind, buttons) : 0;
}

} // namespace zeledit::engine
