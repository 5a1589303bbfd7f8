#include "engine/prompts.h"

namespace zeledit::engine {
namespace {

MessagePrompt installed = nullptr;

} // namespace

void SetMessagePrompt(MessagePrompt prompt) { installed = prompt; }

int Prompt(LPCWSTR text, BYTE kind, WORD buttons) {
    return installed != nullptr ? installed(text, kind, buttons) : 0;
}

} // namespace zeledit::engine
