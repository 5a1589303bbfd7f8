// Window classes, creation and destruction, the tree, long values, subclassing, properties.
#include "platform/platform_test.h"

#include <algorithm>

namespace zeledit::test {
namespace {

using ::testing::ElementsAre;

class Windows : public PlatformTest {};

TEST_F(Windows, CreationSendsNcCreateCreateSizeMoveThenShow) {
    HWND w = make_window(nullptr, WS_VISIBLE, 10, 20, 200, 100);
    ASSERT_NE(w, nullptr);
    EXPECT_THAT(messages(w), ElementsAre(WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW,
                                         WM_WINDOWPOSCHANGED, WM_ACTIVATE,
                                         WM_SETFOCUS)); // shown top-level windows activate
    const auto create = received(WM_CREATE).front();
    const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(create.lParam);
    EXPECT_EQ(cs, reinterpret_cast<const CREATESTRUCTW*>(received(WM_NCCREATE).front().lParam));
    const auto size = received(WM_SIZE).front();
    EXPECT_EQ(LOWORD(size.lParam), 200);
    EXPECT_EQ(HIWORD(size.lParam), 100);
    WCHAR text[16];
    EXPECT_EQ(GetWindowTextW(w, text, 16), 5);
    EXPECT_EQ(std::u16string(text), u"title");
}

TEST_F(Windows, CreateStructCarriesTheArguments) {
    on(WM_CREATE, [](HWND, UINT, WPARAM, LPARAM l, LRESULT&) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(l);
        EXPECT_EQ(cs->x, 10);
        EXPECT_EQ(cs->cx, 200);
        EXPECT_EQ(cs->cy, 100);
        EXPECT_EQ(std::u16string(cs->lpszClass), u"Recorder");
        EXPECT_TRUE(cs->style & WS_VISIBLE);
        return false;
    });
    ASSERT_NE(make_window(), nullptr);
    EXPECT_EQ(received(WM_CREATE).size(), 1u);
}

TEST_F(Windows, RefusedCreationLeavesNoWindow) {
    on(WM_CREATE, [](HWND, UINT, WPARAM, LPARAM, LRESULT& r) { return r = -1, true; });
    EXPECT_EQ(make_window(), nullptr);
    const auto destroyed = received(WM_NCDESTROY);
    ASSERT_EQ(destroyed.size(), 1u);
    EXPECT_FALSE(IsWindow(destroyed.front().hwnd));

    clear_log();
    on(WM_CREATE, nullptr);
    on(WM_NCCREATE, [](HWND, UINT, WPARAM, LPARAM, LRESULT& r) { return r = FALSE, true; });
    EXPECT_EQ(make_window(), nullptr);
    EXPECT_THAT(messages(), ElementsAre(WM_NCCREATE, WM_NCDESTROY));
}

TEST_F(Windows, DestroyNotifiesParentFirstAndFreesChildrenBeforeParent) {
    HWND parent = make_window();
    HWND child = make_window(parent, WS_VISIBLE, 0, 0, 50, 50, 7);
    HWND grandchild = make_window(child, WS_VISIBLE, 0, 0, 10, 10);
    clear_log();
    std::vector<std::pair<HWND, UINT>> order;
    on(WM_DESTROY, [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) {
        order.emplace_back(h, m);
        EXPECT_TRUE(IsWindow(child)); // children still exist during the parent's WM_DESTROY
        return false;
    });
    on(WM_NCDESTROY,
       [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) { return order.emplace_back(h, m), false; });
    EXPECT_TRUE(DestroyWindow(parent));
    const std::vector<std::pair<HWND, UINT>> expected = {{parent, WM_DESTROY},     {child, WM_DESTROY},
                                                         {grandchild, WM_DESTROY}, {grandchild, WM_NCDESTROY},
                                                         {child, WM_NCDESTROY},    {parent, WM_NCDESTROY}};
    EXPECT_EQ(order, expected);
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(DestroyWindow(parent));
}

TEST_F(Windows, DestroyingOneselfInsideAHandlerIsSafe) {
    HWND w = make_window();
    on(WM_LBUTTONDOWN, [](HWND h, UINT, WPARAM, LPARAM, LRESULT&) { return DestroyWindow(h), true; });
    SendMessageW(w, WM_LBUTTONDOWN, 0, 0);
    EXPECT_FALSE(IsWindow(w));
    on(WM_DESTROY, [](HWND h, UINT, WPARAM, LPARAM, LRESULT&) {
        EXPECT_FALSE(DestroyWindow(h)); // already on its way
        return false;
    });
    HWND again = make_window();
    EXPECT_TRUE(DestroyWindow(again));
}

TEST_F(Windows, OwnedWindowsDieWithTheirOwner) {
    HWND owner = make_window();
    HWND popup =
        CreateWindowExW(0, class_name, u"", WS_POPUP, 0, 0, 10, 10, owner, nullptr, instance(), nullptr);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
    EXPECT_EQ(GetParent(popup), owner);
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(popup));
}

TEST_F(Windows, ClassRegistrationRules) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance();
    wc.lpszClassName = u"recorder"; // names compare without case
    EXPECT_EQ(RegisterClassW(&wc), 0);
    EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);

    HINSTANCE other = reinterpret_cast<HINSTANCE>(0x1234);
    wc.hInstance = other;
    wc.lpszClassName = u"Shared";
    wc.style = CS_GLOBALCLASS;
    const ATOM atom = RegisterClassW(&wc);
    ASSERT_NE(atom, 0);
    WNDCLASSW info{};
    EXPECT_EQ(GetClassInfoW(instance(), u"SHARED", &info), atom); // global: seen from any module
    EXPECT_EQ(info.style, CS_GLOBALCLASS);
    HWND w = CreateWindowExW(0, MAKEINTATOM(atom), u"", 0, 0, 0, 1, 1, nullptr, nullptr, instance(), nullptr);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(UnregisterClassW(u"Shared", other));
    EXPECT_EQ(GetLastError(), ERROR_CLASS_HAS_WINDOWS);
    DestroyWindow(w);
    EXPECT_FALSE(UnregisterClassW(u"Shared", instance())); // registered by the other module
    EXPECT_TRUE(UnregisterClassW(u"Shared", other));
    EXPECT_FALSE(GetClassInfoW(instance(), u"Shared", &info));
    EXPECT_EQ(CreateWindowExW(0, u"Shared", u"", 0, 0, 0, 1, 1, nullptr, nullptr, instance(), nullptr),
              nullptr);
}

TEST_F(Windows, LocalClassesBelongToTheirModule) {
    HINSTANCE other = reinterpret_cast<HINSTANCE>(0x5678);
    EXPECT_FALSE(GetClassInfoW(other, class_name, nullptr));
    EXPECT_EQ(CreateWindowExW(0, class_name, u"", 0, 0, 0, 1, 1, nullptr, nullptr, other, nullptr), nullptr);
    EXPECT_TRUE(GetClassInfoW(nullptr, u"SCROLLBAR", nullptr)); // the platform's own class
}

TEST_F(Windows, TreeQueries) {
    HWND parent = make_window();
    HWND a = make_window(parent, WS_VISIBLE, 0, 0, 10, 10, 1);
    HWND b = make_window(parent, WS_VISIBLE, 0, 0, 10, 10, 2);
    EXPECT_EQ(GetParent(a), parent);
    EXPECT_EQ(GetParent(parent), nullptr);
    EXPECT_TRUE(IsChild(parent, b));
    EXPECT_FALSE(IsChild(a, b));
    EXPECT_EQ(GetDlgItem(parent, 2), b);
    EXPECT_EQ(GetDlgCtrlID(a), 1);
    EXPECT_EQ(GetWindow(parent, GW_CHILD), b); // the last created is on top
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), nullptr);
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(parent, GW_CHILD), a);
    EXPECT_EQ(make_window(reinterpret_cast<HWND>(0x42), WS_VISIBLE), nullptr); // bad parent
}

TEST_F(Windows, SubclassingChainsToThePreviousProcedure) {
    HWND w = make_window();
    static WNDPROC previous = nullptr;
    static int seen = 0;
    auto sub = [](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == WM_USER) return ++seen, 42;
        return CallWindowProcW(previous, h, m, wp, lp);
    };
    previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+sub)));
    ASSERT_NE(previous, nullptr);
    clear_log();
    EXPECT_EQ(SendMessageW(w, WM_USER, 0, 0), 42);
    EXPECT_EQ(seen, 1);
    SendMessageW(w, WM_USER + 1, 0, 0);
    EXPECT_THAT(messages(w), ElementsAre(WM_USER + 1)); // passed through to the class procedure
    EXPECT_EQ(GetWindowLongPtrW(w, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(+sub));
}

TEST_F(Windows, LongValuesAndExtraBytes) {
    HWND w = make_window();
    EXPECT_EQ(SetWindowLongPtrW(w, GWLP_USERDATA, 99), 0);
    EXPECT_EQ(GetWindowLongPtrW(w, GWLP_USERDATA), 99);
    EXPECT_EQ(SetWindowLongPtrW(w, 8, -5), 0);
    EXPECT_EQ(GetWindowLongPtrW(w, 8), -5);
    SetLastError(0);
    EXPECT_EQ(GetWindowLongPtrW(w, 9), 0); // would run past the 16 extra bytes
    EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
    EXPECT_EQ(SetWindowLongPtrW(w, 16, 1), 0);
    EXPECT_TRUE(GetWindowLongPtrW(w, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(GetWindowLongPtrW(w, GWLP_HINSTANCE), reinterpret_cast<LONG_PTR>(instance()));
}

TEST_F(Windows, PropertiesLiveWithTheWindow) {
    HWND w = make_window();
    int value = 0;
    EXPECT_TRUE(SetPropW(w, u"EDOBJ", &value));
    EXPECT_EQ(GetPropW(w, u"edobj"), &value);
    EXPECT_TRUE(SetPropW(w, u"EDOBJ", nullptr));
    EXPECT_EQ(GetPropW(w, u"EDOBJ"), nullptr);
    SetPropW(w, u"EDOBJ", &value);
    EXPECT_EQ(RemovePropW(w, u"EDOBJ"), &value);
    EXPECT_EQ(RemovePropW(w, u"EDOBJ"), nullptr);
    SetPropW(w, u"EDOBJ", &value);
    DestroyWindow(w);
    EXPECT_EQ(GetPropW(w, u"EDOBJ"), nullptr);
    EXPECT_FALSE(SetPropW(w, u"EDOBJ", &value));
}

TEST_F(Windows, MovingSendsPositionMessagesAndSize) {
    HWND w = make_window(nullptr, WS_VISIBLE, 0, 0, 100, 100);
    clear_log();
    EXPECT_TRUE(MoveWindow(w, 5, 6, 300, 200, TRUE));
    EXPECT_THAT(messages(w), ElementsAre(WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_SIZE, WM_MOVE));
    EXPECT_EQ(LOWORD(received(WM_SIZE).front().lParam), 300);
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.bottom, 206);
    clear_log();
    SetWindowPos(w, nullptr, 50, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_THAT(messages(w), ElementsAre(WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE));
    EXPECT_EQ(headless::PixelAt(w, 299, 199), 0xFFFFFFFFu); // the surface followed the size
}

TEST_F(Windows, CoordinatesOfNestedChildren) {
    HWND top = make_window(nullptr, WS_VISIBLE, 100, 50, 400, 300);
    HWND child = make_window(top, WS_VISIBLE | WS_BORDER, 10, 20, 100, 100);
    RECT r;
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 110);
    EXPECT_EQ(r.top, 70);
    GetClientRect(child, &r);
    EXPECT_EQ(r.right, 98); // a one-pixel border on each side
    POINT p{0, 0};
    ClientToScreen(child, &p);
    EXPECT_EQ(p.x, 111);
    EXPECT_EQ(p.y, 71);
    ScreenToClient(child, &p);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(WindowFromPoint({150, 100}), child);
    EXPECT_EQ(WindowFromPoint({300, 300}), top);
    EnableWindow(child, FALSE);
    EXPECT_EQ(WindowFromPoint({150, 100}), top); // disabled children are passed over
}

TEST_F(Windows, VisibilityAndEnabling) {
    HWND top = make_window(nullptr, 0);
    HWND child = make_window(top, WS_VISIBLE);
    EXPECT_FALSE(IsWindowVisible(child)); // its parent is hidden
    EXPECT_FALSE(ShowWindow(top, SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_TRUE(ShowWindow(top, SW_HIDE));
    clear_log();
    EXPECT_FALSE(EnableWindow(child, FALSE));
    EXPECT_THAT(messages(child), ElementsAre(WM_ENABLE));
    EXPECT_FALSE(IsWindowEnabled(child));
    EXPECT_TRUE(EnableWindow(child, TRUE));
    EXPECT_TRUE(IsWindowEnabled(child));
}

TEST_F(Windows, BadHandlesAreRefusedEverywhere) {
    const HWND bad[] = {nullptr, reinterpret_cast<HWND>(1), reinterpret_cast<HWND>(0xDEADBEEF)};
    HWND dead = make_window();
    DestroyWindow(dead);
    RECT r{};
    POINT p{};
    WCHAR buf[4] = {};
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    for (HWND h : {bad[0], bad[1], bad[2], dead}) {
        EXPECT_EQ(SendMessageW(h, WM_USER, 0, 0), 0);
        EXPECT_FALSE(PostMessageW(h, WM_USER, 0, 0) && h != nullptr);
        EXPECT_FALSE(IsWindow(h));
        EXPECT_FALSE(DestroyWindow(h));
        EXPECT_FALSE(GetClientRect(h, &r));
        EXPECT_FALSE(GetWindowRect(h, &r));
        EXPECT_FALSE(ClientToScreen(h, &p));
        EXPECT_FALSE(ShowWindow(h, SW_SHOW));
        EXPECT_FALSE(MoveWindow(h, 0, 0, 1, 1, TRUE));
        EXPECT_FALSE(SetWindowTextW(h, u"x"));
        EXPECT_EQ(GetWindowTextW(h, buf, 4), 0);
        EXPECT_EQ(GetWindowLongPtrW(h, GWLP_USERDATA), 0);
        EXPECT_EQ(SetWindowLongPtrW(h, GWLP_WNDPROC, 1), 0);
        EXPECT_FALSE(SetPropW(h, u"x", nullptr));
        EXPECT_EQ(GetPropW(h, u"x"), nullptr);
        EXPECT_EQ(SetTimer(h == nullptr ? reinterpret_cast<HWND>(2) : h, 1, 10, nullptr), 0u);
        EXPECT_FALSE(InvalidateRect(h, nullptr, TRUE) && h != nullptr);
        EXPECT_EQ(BeginPaint(h, nullptr), nullptr);
        EXPECT_FALSE(SetScrollInfo(h, SB_VERT, &si, TRUE));
        EXPECT_FALSE(GetScrollInfo(h, SB_VERT, &si));
        EXPECT_FALSE(ShowScrollBar(h, SB_VERT, TRUE));
        EXPECT_EQ(SetCapture(h), nullptr);
        EXPECT_FALSE(CreateCaret(h, nullptr, 1, 1));
        EXPECT_EQ(DefWindowProcW(h, WM_GETTEXTLENGTH, 0, 0), 0);
        EXPECT_EQ(GetDC(h == nullptr ? reinterpret_cast<HWND>(3) : h), nullptr);
        EXPECT_EQ(GetDlgItem(h, 1), nullptr);
    }
}

} // namespace
} // namespace zeledit::test

namespace zeledit::test {
namespace {

class WindowsMore : public PlatformTest {};

TEST_F(WindowsMore, NonClientHitTestingFindsScrollBarsAndBorders) {
    HWND top = make_window(nullptr, WS_VISIBLE, 0, 0, 300, 200);
    HWND child = make_window(top, WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL, 10, 10, 100, 100);
    RECT r;
    GetWindowRect(child, &r);
    auto hit = [&](int x, int y) {
        return SendMessageW(child, WM_NCHITTEST, 0, MAKELPARAM(WORD(x), WORD(y)));
    };
    EXPECT_EQ(hit(r.left + 40, r.top + 40), HTCLIENT);
    EXPECT_EQ(hit(r.right - 5, r.top + 40), HTVSCROLL);
    EXPECT_EQ(hit(r.left + 40, r.bottom - 5), HTHSCROLL);
    EXPECT_EQ(hit(r.left, r.top + 40), HTBORDER);
    EXPECT_EQ(hit(r.right + 10, r.top), HTNOWHERE);
}

TEST_F(WindowsMore, ClickingAWindowScrollBarArrowScrollsByALine) {
    HWND w = make_window(nullptr, WS_VISIBLE, 0, 0, 200, 200);
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE, 0, 99, 10, 0, 0};
    SetScrollInfo(w, SB_VERT, &si, TRUE);
    headless::PumpMessages();
    clear_log();
    headless::Click(headless::Button::Left, 190, 195); // the down arrow at the bottom of the bar
    headless::PumpMessages();
    const auto scrolls = received(WM_VSCROLL);
    ASSERT_EQ(scrolls.size(), 2u);
    EXPECT_EQ(LOWORD(scrolls[0].wParam), SB_LINEDOWN);
    EXPECT_EQ(LOWORD(scrolls[1].wParam), SB_ENDSCROLL);
    EXPECT_EQ(scrolls[0].lParam, 0); // the window's own bar
}

TEST_F(WindowsMore, DisabledScrollBarsIgnoreTheMouse) {
    HWND w = make_window(nullptr, WS_VISIBLE, 0, 0, 200, 200);
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE, 0, 99, 10, 0, 0};
    SetScrollInfo(w, SB_VERT, &si, TRUE);
    EXPECT_TRUE(EnableScrollBar(w, SB_VERT, ESB_DISABLE_BOTH));
    EXPECT_FALSE(EnableScrollBar(w, SB_VERT, ESB_DISABLE_BOTH)); // no change
    headless::PumpMessages();
    clear_log();
    headless::Click(headless::Button::Left, 190, 195);
    headless::PumpMessages();
    EXPECT_TRUE(received(WM_VSCROLL).empty());
}

TEST_F(WindowsMore, PostedMessagesToAWindowOfTheFilterAndItsChildren) {
    HWND top = make_window();
    HWND child = make_window(top);
    HWND other = make_window();
    headless::PumpMessages();
    PostMessageW(other, WM_USER, 0, 0);
    PostMessageW(child, WM_USER + 1, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, top, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, child);
    EXPECT_FALSE(PeekMessageW(&msg, top, 0, 0, PM_REMOVE));
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, other);
}

TEST_F(WindowsMore, RectangleHelpers) {
    RECT r;
    EXPECT_TRUE(SetRect(&r, 1, 2, 11, 12));
    EXPECT_TRUE(InflateRect(&r, 1, 2));
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.bottom, 14);
    EXPECT_TRUE(OffsetRect(&r, 5, 5));
    EXPECT_TRUE(PtInRect(&r, {5, 5}));
    EXPECT_FALSE(PtInRect(&r, {17, 5})); // the right edge is outside
    const RECT empty{3, 3, 3, 9};
    EXPECT_TRUE(IsRectEmpty(&empty));
    EXPECT_FALSE(SetRect(nullptr, 0, 0, 1, 1));
    EXPECT_EQ(MulDiv(11, 96, 72), 15);
    EXPECT_EQ(MulDiv(-11, 96, 72), -15);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(0x7FFFFFFF, 4, 1), -1);
}

} // namespace
} // namespace zeledit::test
