// The engine's messages to the user go through the library's message box, and its About
// window is the library's too; both sit above the engine: the library installs them when it
// loads.
#pragma once

#include <zeledit/win_types.h>

namespace zeledit::engine {

inline constexpr BYTE PromptStop = 1, PromptQuestion = 3;
inline constexpr WORD PromptYesNo = 0x01 | 0x02, PromptOK = 0x04;

using MessagePrompt = int (*)(LPCWSTR text, BYTE kind, WORD buttons);
void SetMessagePrompt(MessagePrompt prompt);
// Answers the button pressed, or 0 when no message box is installed.
int Prompt(LPCWSTR text, BYTE kind, WORD buttons);

// The About window (Shift+Ctrl+A), shown over the editor window; nothing when none is installed.
using AboutWindow = void (*)(HWND owner);
void SetAboutWindow(AboutWindow window);
void ShowAbout(HWND owner);

} // namespace zeledit::engine
