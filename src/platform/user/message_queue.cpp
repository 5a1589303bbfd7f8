// Sent and posted messages and the retrieval order of the real system:
// posted messages, input, quit, paint, timers.
#include "platform/user/message_queue.h"

#include "platform/backend/backend.h"
#include "platform/core/clock.h"
#include "platform/user/paint.h"
#include "platform/user/window_manager.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace zeledit::platform {
namespace {

struct Filter {
    HWND hwnd;
    UINT min;
    UINT max;

    bool accepts_number(UINT m) const { return (min == 0 && max == 0) || (m >= min && m <= max); }
    bool accepts_window(HWND h) const {
        if (hwnd == nullptr) return true;
        if (hwnd == reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1))) return h == nullptr;
        return h == hwnd || IsChild(hwnd, h);
    }
    bool accepts(const MSG& m) const { return accepts_number(m.message) && accepts_window(m.hwnd); }
};

DWORD now() { return static_cast<DWORD>(Clock::now_ms()); }

bool take_posted(ThreadState& ts, const Filter& f, bool remove, MSG& out) {
    const auto it =
        std::find_if(ts.posted.begin(), ts.posted.end(), [&](const MSG& m) { return f.accepts(m); });
    if (it == ts.posted.end()) return false;
    out = *it;
    if (remove) ts.posted.erase(it);
    return true;
}

// Input is converted once, when first looked at, so that peeking does not count a click twice.
struct ConvertedInput {
    MSG msg;
    bool valid;
};
thread_local std::deque<ConvertedInput> converted;

bool take_input(ThreadState& ts, const Filter& f, bool remove, MSG& out) {
    while (converted.empty() && !ts.input.empty()) {
        InputEvent e = std::move(ts.input.front());
        ts.input.pop_front();
        ConvertedInput c{};
        c.valid = route_input(e, c.msg);
        if (c.valid) converted.push_back(c);
    }
    if (converted.empty() || !f.accepts(converted.front().msg)) return false;
    out = converted.front().msg;
    if (remove) {
        converted.pop_front();
        note_key_retrieved(out);
    }
    return true;
}

bool take_timer(ThreadState& ts, const Filter& f, bool remove, MSG& out) {
    if (!f.accepts_number(WM_TIMER)) return false;
    const auto t = Clock::now_ms();
    Timer* best = nullptr;
    for (auto& timer : ts.timers)
        if (timer.due <= t && f.accepts_window(timer.hwnd) && (best == nullptr || timer.due < best->due))
            best = &timer;
    if (best == nullptr) return false;
    out = MSG{best->hwnd, WM_TIMER, best->id, reinterpret_cast<LPARAM>(best->proc), 0, {}, 0};
    // Like the real system, a late timer fires once, not once per missed period.
    if (remove) best->due = t + best->period;
    return true;
}

bool next_message(MSG& out, const Filter& f, bool remove) {
    auto& ts = thread_state();
    bool found = take_posted(ts, f, remove, out) || take_input(ts, f, remove, out);
    if (!found && ts.quit_posted) {
        out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(ts.quit_code), 0, 0, {}, 0};
        if (remove) ts.quit_posted = false;
        found = true;
    }
    if (!found && f.accepts_number(WM_PAINT)) {
        if (HWND h = next_window_to_paint(f.hwnd)) {
            out = MSG{h, WM_PAINT, 0, 0, 0, {}, 0};
            found = true;
        }
    }
    if (!found) found = take_timer(ts, f, remove, out);
    if (!found) return false;
    if (out.time == 0) out.time = now();
    GetCursorPos(&out.pt);
    if (remove) ts.message_time = out.time;
    return true;
}

std::optional<std::uint64_t> next_timer_due() {
    std::optional<std::uint64_t> due;
    for (const auto& t : thread_state().timers)
        if (!due || t.due < *due) due = t.due;
    return due;
}

} // namespace

void kill_timers_of(HWND hwnd) {
    std::erase_if(thread_state().timers, [&](const Timer& t) { return t.hwnd == hwnd; });
}

void drop_posted_messages_of(HWND hwnd) {
    std::erase_if(thread_state().posted, [&](const MSG& m) { return m.hwnd == hwnd; });
    std::erase_if(converted, [&](const ConvertedInput& c) { return c.msg.hwnd == hwnd; });
}

void drop_posted_message(UINT message, LPARAM lparam) {
    std::erase_if(thread_state().posted, [&](const MSG& m) { return m.message == message && m.lParam == lparam; });
}

void push_input(InputEvent event) {
    event.time = now();
    note_input_queued(event);
    thread_state().input.push_back(std::move(event));
}

void reset_converted_input() { converted.clear(); }

} // namespace zeledit::platform

using namespace zeledit::platform;

LRESULT SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (checked_window(hwnd) == nullptr) return 0;
    return send_to(hwnd, msg, wParam, lParam);
}

BOOL PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ThreadState* target = &thread_state();
    if (hwnd != nullptr) {
        const Window* w = checked_window(hwnd);
        if (w == nullptr) return FALSE;
        target = w->thread;
    }
    target->posted.push_back(MSG{hwnd, msg, wParam, lParam, now(), {}, 0});
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    auto& ts = thread_state();
    ts.quit_posted = true;
    ts.quit_code = exitCode;
}

BOOL PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove) {
    if (msg == nullptr) return FALSE;
    return next_message(*msg, Filter{hwnd, filterMin, filterMax}, (remove & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (msg == nullptr) return -1;
    if (hwnd != nullptr && hwnd != reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1)) &&
        checked_window(hwnd) == nullptr)
        return -1;
    const Filter f{hwnd, filterMin, filterMax};
    while (!next_message(*msg, f, true)) {
        if (!backend().wait_for_input(next_timer_due())) {
            // No input can ever arrive (headless): the loop ends as if asked to quit.
            *msg = MSG{nullptr, WM_QUIT, 0, 0, now(), {}, 0};
            return FALSE;
        }
    }
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WaitMessage() {
    MSG m;
    if (next_message(m, Filter{nullptr, 0, 0}, false)) return TRUE;
    return backend().wait_for_input(next_timer_due()) ? TRUE : FALSE;
}

BOOL TranslateMessage(const MSG* msg) {
    if (msg == nullptr || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
    auto& pending = thread_state().key_text;
    const auto it = std::find_if(pending.begin(), pending.end(),
                                 [&](const PendingText& p) { return p.serial == msg->lPrivate; });
    if (it == pending.end()) return FALSE;
    const UINT char_msg = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    for (char16_t c : it->text) PostMessageW(msg->hwnd, char_msg, c, msg->lParam);
    pending.erase(it);
    return TRUE;
}

LRESULT DispatchMessageW(const MSG* msg) {
    if (msg == nullptr) return 0;
    if (msg->message == WM_TIMER && msg->lParam != 0) {
        reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
        return 0;
    }
    if (msg->hwnd == nullptr) return 0;
    return SendMessageW(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

DWORD GetMessageTime() { return thread_state().message_time; }

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    auto& ts = thread_state();
    if (hwnd != nullptr && checked_window(hwnd) == nullptr) return 0;
    // The real system clamps periods to at least 10 ms.
    elapse = std::max<UINT>(elapse, 10);
    if (hwnd == nullptr) id = ++ts.next_thread_timer;
    const auto due = Clock::now_ms() + elapse;
    for (auto& t : ts.timers)
        if (t.hwnd == hwnd && t.id == id) {
            t = Timer{hwnd, id, elapse, due, proc};
            return hwnd ? 1 : id;
        }
    ts.timers.push_back(Timer{hwnd, id, elapse, due, proc});
    return hwnd ? (id != 0 ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    auto& timers = thread_state().timers;
    const auto n = std::erase_if(timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    return n > 0 ? TRUE : FALSE;
}
