// Dialogs answered in turn: each modal or modeless window the library shows takes the next
// filler queued (nested dialogs included); none queued leaves it to its own loop.
#pragma once

#include "controls/controls.h"

#include <zeledit/controls.h>

#include <deque>
#include <functional>
#include <string>

namespace zeledit::test {

class DialogQueue {
public:
    using Fill = std::function<void(HWND)>;
    DialogQueue() {
        SetDialogHook([this](HWND d) {
            ++shown;
            if (fills.empty()) return;
            const Fill fill = fills.front();
            fills.pop_front();
            fill(d);
        });
    }
    ~DialogQueue() { SetDialogHook({}); }
    DialogQueue(const DialogQueue&) = delete;
    DialogQueue& operator=(const DialogQueue&) = delete;

    void push_back(Fill fill) { fills.push_back(std::move(fill)); }
    // For a window that the one being filled opens.
    void push_front(Fill fill) { fills.push_front(std::move(fill)); }
    bool empty() const { return fills.empty(); }
    void clear() { fills.clear(); }

    // A message box's text: its text panel, which follows the buttons.
    static std::u16string MessageText(HWND box) {
        std::u16string text;
        for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
            if (GetDlgCtrlID(c) == 0 && !controls::window_text(c).empty()) text = controls::window_text(c);
        return text;
    }

    int shown = 0;

private:
    std::deque<Fill> fills;
};

} // namespace zeledit::test
