// The thread's message queue: posted messages, raw input, quit, paint and timers.
#pragma once

#include "platform/user/thread_state.h"

namespace zeledit::platform {

void kill_timers_of(HWND hwnd);
void drop_posted_messages_of(HWND hwnd);
// Drops posted messages that carry `lparam`, for senders whose pointer is about to die.
void drop_posted_message(UINT message, LPARAM lparam);
void push_input(InputEvent event);

// Turns a raw input event into the message it delivers; false when it goes nowhere.
bool route_input(InputEvent& event, MSG& msg);
// Updates the asynchronous key state and records the modifiers with the event.
void note_input_queued(InputEvent& event);
void note_key_retrieved(const MSG& msg);
void reset_converted_input();

// Keyboard state shared by every thread (what GetAsyncKeyState reads).
BYTE* async_keys();
void set_cursor_pos(POINT pt);
void reset_input_state();

} // namespace zeledit::platform
