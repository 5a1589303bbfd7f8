// Shift+Ctrl+A shows the About window: centred on the screen over the editor, closed by
// Escape, giving the keys back to the editor.
#include "e2e/editing_test.h"

#include <zeledit/controls.h>

#include <filesystem>

namespace zeledit::test {
namespace {

TEST_F(Editing, ShiftCtrlAShowsTheAboutWindowAndEscapeClosesIt) {
    HWND about = nullptr;
    RECT r{};
    const std::string png = (std::filesystem::path(::testing::TempDir()) / "about.png").string();
    SetDialogHook([&](HWND window) {
        about = window;
        GetWindowRect(window, &r);
        EXPECT_TRUE(headless::WritePng(window, png.c_str()));
        EXPECT_EQ(headless::PixelAt(window, 5, 1) & 0xFFFFFF, 0x285AAAu); // the band at its top
        PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    key('A', true, true);
    SetDialogHook({});
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(r.right - r.left, 320);
    EXPECT_EQ(r.bottom - r.top, 132);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 320) / 2);
    EXPECT_FALSE(IsWindow(about));
    EXPECT_EQ(GetFocus(), editor);
    EXPECT_TRUE(text().empty()); // the keys typed nothing
}

} // namespace
} // namespace zeledit::test
