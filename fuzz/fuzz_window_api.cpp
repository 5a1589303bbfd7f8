// Drives the window system with a script of calls on live, destroyed and made-up handles.
// Whatever the order, nothing may crash, leak or hang.
#include "script_reader.h"

#include <zeledit/headless.h>
#include <zeledit/windows.h>

#include <vector>

namespace {

LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Some handlers act back on the window system, as real ones do.
    if (msg == WM_USER) DestroyWindow(hwnd);
    if (msg == WM_USER + 1) SetFocus(hwnd);
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

using fuzz::Reader;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zeledit::headless::Reset();
    zeledit::headless::UseManualClock(0);
    WNDCLASSW wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = u"Fuzz";
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    RegisterClassW(&wc);
    std::vector<HWND> pool = {nullptr, reinterpret_cast<HWND>(0x10), reinterpret_cast<HWND>(~0ull)};
    std::vector<HGLOBAL> blocks = {nullptr, reinterpret_cast<HGLOBAL>(0x20)};
    Reader r{data, size};
    auto pick = [&] { return pool[r.byte() % pool.size()]; };
    auto pick_block = [&] { return blocks[r.byte() % blocks.size()]; };
    int steps = 0;
    while (r.more() && ++steps < 400) {
        switch (r.byte() % 24) {
        case 0: {
            HWND parent = pick();
            DWORD style = (r.byte() & 1 ? WS_CHILD : 0) | (r.byte() & 1 ? WS_VISIBLE : 0) |
                          (r.byte() & 1 ? WS_VSCROLL : 0);
            pool.push_back(CreateWindowExW(0, u"Fuzz", u"w", style, r.small(), r.small(), r.small(),
                                           r.small(), parent, nullptr, nullptr, nullptr));
            break;
        }
        case 1: DestroyWindow(pick()); break;
        case 2: SendMessageW(pick(), WM_USER + (r.byte() % 3), 0, 0); break;
        case 3: PostMessageW(pick(), WM_USER + (r.byte() % 3), 0, 0); break;
        case 4: zeledit::headless::PumpMessages(200); break;
        case 5: SetFocus(pick()); break;
        case 6: SetCapture(pick()); break;
        case 7: MoveWindow(pick(), r.small(), r.small(), r.small(), r.small(), TRUE); break;
        case 8: ShowWindow(pick(), r.byte() % 6); break;
        case 9: EnableWindow(pick(), r.byte() & 1); break;
        case 10: InvalidateRect(pick(), nullptr, TRUE); break;
        case 11: SetTimer(pick(), r.byte(), r.byte(), nullptr); break;
        case 12: zeledit::headless::AdvanceClock(r.byte() * 10u); break;
        case 13: {
            SCROLLINFO si{sizeof si, SIF_ALL, r.small(), r.small(), static_cast<UINT>(r.byte()),
                          r.small(), 0};
            SetScrollInfo(pick(), r.byte() % 3, &si, TRUE);
            break;
        }
        case 14: ScrollWindow(pick(), r.small(), r.small(), nullptr, nullptr); break;
        case 15: zeledit::headless::Click(zeledit::headless::Button::Left, r.small(), r.small()); break;
        case 16: zeledit::headless::KeyPress(r.byte()); break;
        case 17: CreateCaret(pick(), nullptr, r.byte(), r.byte()), ShowCaret(pick()); break;
        case 18: blocks.push_back(GlobalAlloc(GMEM_MOVEABLE, r.byte())); break;
        case 19: GlobalReAlloc(pick_block(), r.byte() * 16u, r.byte() & 1 ? GMEM_MOVEABLE : 0); break;
        case 20: GlobalLock(pick_block()), GlobalUnlock(pick_block()); break;
        case 21: GlobalFree(pick_block()); break;
        case 22: {
            OpenClipboard(pick());
            EmptyClipboard();
            SetClipboardData(r.byte() % 16, pick_block());
            GetClipboardData(r.byte() % 16);
            CloseClipboard();
            break;
        }
        case 23: SetPropW(pick(), u"P", reinterpret_cast<HANDLE>(1)), RemovePropW(pick(), u"P"); break;
        }
    }
    zeledit::headless::Reset();
    return 0;
}
