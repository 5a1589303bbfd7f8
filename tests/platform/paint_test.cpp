// Update regions, WM_PAINT synthesis, background erasing, pixels and scrolling.
#include "platform/platform_test.h"

namespace zeledit::test {
namespace {

using ::testing::ElementsAre;
namespace hl = zeledit::headless;

constexpr std::uint32_t white = 0xFFFFFFFF;

class Paint : public PlatformTest {
protected:
    std::vector<RECT> painted;
    void record_paint_rects() {
        on(WM_PAINT, [this](HWND h, UINT, WPARAM, LPARAM, LRESULT&) {
            PAINTSTRUCT ps;
            BeginPaint(h, &ps);
            painted.push_back(ps.rcPaint);
            EndPaint(h, &ps);
            return true;
        });
    }
};

TEST_F(Paint, ShownWindowsPaintOnceFromTheLoop) {
    HWND w = make_window();
    hl::PumpMessages();
    EXPECT_THAT(messages(w),
                ElementsAre(WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW, WM_WINDOWPOSCHANGED,
                            WM_ACTIVATE, WM_SETFOCUS, WM_PAINT, WM_NCPAINT, WM_ERASEBKGND));
    clear_log();
    EXPECT_EQ(hl::PumpMessages(), 0); // validated by BeginPaint
}

TEST_F(Paint, AFrameIsDrawnOnceEvenForAWindowThatNeverCallsBeginPaint) {
    on(WM_PAINT, [](HWND h, UINT, WPARAM, LPARAM, LRESULT& r) {
        ValidateRect(h, nullptr);
        r = 0;
        return true;
    });
    HWND w = make_window(nullptr, WS_VISIBLE | WS_VSCROLL);
    EXPECT_LT(hl::PumpMessages(1000), 1000); // no endless WM_PAINT
    EXPECT_EQ(received(WM_NCPAINT).size(), 1u);
    clear_log();
    SetWindowPos(w, nullptr, 0, 0, 150, 80, SWP_NOZORDER | SWP_NOMOVE);
    hl::PumpMessages();
    EXPECT_EQ(received(WM_NCPAINT).size(), 1u); // framed anew after a resize
}

TEST_F(Paint, InvalidRectanglesAccumulateAndComeAfterPostedMessages) {
    HWND w = make_window();
    hl::PumpMessages();
    record_paint_rects();
    clear_log();
    RECT first{10, 10, 20, 20};
    InvalidateRect(w, &first, FALSE);
    RECT r{30, 5, 40, 15};
    InvalidateRect(w, &r, FALSE);
    PostMessageW(w, WM_USER, 0, 0);
    RECT update;
    EXPECT_TRUE(GetUpdateRect(w, &update, FALSE));
    EXPECT_EQ(update.left, 10);
    EXPECT_EQ(update.right, 40);
    hl::PumpMessages();
    EXPECT_THAT(messages(w), ElementsAre(WM_USER, WM_PAINT));
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(painted[0].top, 5);
    EXPECT_EQ(painted[0].bottom, 20);
    EXPECT_FALSE(GetUpdateRect(w, &update, FALSE));
}

TEST_F(Paint, ValidatedAndHiddenWindowsAreNotPainted) {
    HWND w = make_window();
    hl::PumpMessages();
    InvalidateRect(w, nullptr, TRUE);
    ValidateRect(w, nullptr);
    clear_log();
    EXPECT_EQ(hl::PumpMessages(), 0);
    ShowWindow(w, SW_HIDE);
    InvalidateRect(w, nullptr, TRUE);
    EXPECT_EQ(hl::PumpMessages(), 0);
    RECT r;
    EXPECT_TRUE(GetUpdateRect(w, &r, FALSE)); // still waiting for the window to show
    ShowWindow(w, SW_SHOW);
    EXPECT_EQ(hl::PumpMessages(), 1);
}

TEST_F(Paint, UpdateWindowPaintsAtOnceParentsBeforeChildren) {
    HWND top = make_window();
    HWND child = make_window(top, WS_VISIBLE, 0, 0, 50, 50);
    clear_log();
    UpdateWindow(top);
    const auto paints = received(WM_PAINT);
    ASSERT_EQ(paints.size(), 2u);
    EXPECT_EQ(paints[0].hwnd, top);
    EXPECT_EQ(paints[1].hwnd, child);
}

TEST_F(Paint, BackgroundIsErasedWithTheClassBrush) {
    HWND w = make_window();
    hl::PumpMessages();
    HDC dc = GetDC(w);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT r{0, 0, 50, 50};
    EXPECT_EQ(FillRect(dc, &r, red), 1);
    EXPECT_EQ(GetPixel(dc, 10, 10), RGB(255, 0, 0));
    EXPECT_EQ(hl::PixelAt(w, 10, 10), 0xFFFF0000u);
    EXPECT_EQ(GetPixel(dc, 60, 10), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 500, 10), CLR_INVALID); // outside the client area
    ReleaseDC(w, dc);
    InvalidateRect(w, &r, TRUE);
    hl::PumpMessages();
    EXPECT_EQ(hl::PixelAt(w, 10, 10), white); // erased to COLOR_WINDOW
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_FALSE(DeleteObject(red));
}

TEST_F(Paint, ChildDrawingIsClippedToItsClientArea) {
    HWND top = make_window(nullptr, WS_VISIBLE, 0, 0, 200, 100);
    HWND child = make_window(top, WS_VISIBLE, 20, 20, 30, 30);
    hl::PumpMessages();
    HDC dc = GetDC(child);
    RECT everything{-100, -100, 1000, 1000};
    FillRect(dc, &everything, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_HIGHLIGHT + 1)));
    ReleaseDC(child, dc);
    EXPECT_EQ(hl::PixelAt(top, 25, 25), 0xFF000080u);
    EXPECT_EQ(hl::PixelAt(top, 19, 25), white);
    EXPECT_EQ(hl::PixelAt(top, 50, 25), white);
    EXPECT_EQ(hl::PixelAt(child, 0, 0), 0xFF000080u);
}

TEST_F(Paint, ScrollWindowMovesPixelsAndInvalidatesTheUncoveredBand) {
    HWND w = make_window(nullptr, WS_VISIBLE, 0, 0, 100, 100);
    hl::PumpMessages();
    HDC dc = GetDC(w);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    RECT band{0, 40, 100, 50};
    FillRect(dc, &band, blue);
    ReleaseDC(w, dc);
    DeleteObject(blue);
    ScrollWindow(w, 0, -30, nullptr, nullptr);
    EXPECT_EQ(hl::PixelAt(w, 5, 15), 0xFF0000FFu);
    EXPECT_EQ(hl::PixelAt(w, 5, 45), white);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(w, &update, FALSE));
    EXPECT_EQ(update.top, 70);
    EXPECT_EQ(update.bottom, 100);
}

TEST_F(Paint, PngOfAWindow) {
    HWND w = make_window();
    hl::PumpMessages();
    const std::string path = ::testing::TempDir() + "window.png";
    EXPECT_TRUE(hl::WritePng(w, path.c_str()));
    EXPECT_FALSE(hl::WritePng(nullptr, path.c_str()));
    FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    unsigned char sig[8] = {};
    EXPECT_EQ(std::fread(sig, 1, 8, f), 8u);
    std::fclose(f);
    EXPECT_EQ(sig[1], 'P');
    EXPECT_EQ(sig[2], 'N');
}

} // namespace
} // namespace zeledit::test
