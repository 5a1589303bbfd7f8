// A host's ear on an editor window: it subclasses the window, as hosts do, records the
// notifications (numbers 5000 and above, and EFN_UPDATESTATE) with their lParam, and may
// answer some of them itself.
#pragma once

#include <zeledit/zeledit.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace zeledit::test {

class HostRecorder {
public:
    using Answer = std::function<std::optional<LRESULT>(UINT msg, WPARAM wParam, LPARAM lParam)>;

    explicit HostRecorder(HWND editor, Answer answer = {}) : editor_(editor), answer_(std::move(answer)) {
        SetPropW(editor, Property, this);
        original_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    ~HostRecorder() {
        if (IsWindow(editor_)) {
            SetWindowLongPtrW(editor_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
            RemovePropW(editor_, Property);
        }
    }
    HostRecorder(const HostRecorder&) = delete;
    HostRecorder& operator=(const HostRecorder&) = delete;

    std::vector<UINT> numbers() const {
        std::vector<UINT> out;
        for (const auto& s : seen) out.push_back(s.first);
        return out;
    }
    int count(UINT msg) const {
        return static_cast<int>(
            std::count_if(seen.begin(), seen.end(), [msg](const auto& s) { return s.first == msg; }));
    }
    bool saw(UINT msg, LPARAM lParam) const {
        return std::find(seen.begin(), seen.end(), std::pair<UINT, LPARAM>{msg, lParam}) != seen.end();
    }

    std::vector<std::pair<UINT, LPARAM>> seen;

private:
    static constexpr LPCWSTR Property = u"TestHostRecorder";

    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
        auto* self = static_cast<HostRecorder*>(GetPropW(h, Property));
        if (m >= 5000 || m == EFN_UPDATESTATE) self->seen.emplace_back(m, m == EFN_UPDATESTATE ? 0 : l);
        if (self->answer_)
            if (const auto answer = self->answer_(m, w, l)) return *answer;
        return CallWindowProcW(self->original_, h, m, w, l);
    }

    HWND editor_;
    Answer answer_;
    WNDPROC original_ = nullptr;
};

} // namespace zeledit::test
