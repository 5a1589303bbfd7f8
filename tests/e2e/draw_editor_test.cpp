// The column editor as a host uses it: a window of the second class, fed a document and
// shown in columns.
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include "e2e/host_recorder.h"
#include "engine/draw_editor.h"
#include "engine/editor_internals.h"
#include "objects/picture_object.h"
#include "platform/graphics_support/graphics_support.h"
#include "support/surface.h"

#include <gtest/gtest.h>

#include <string>

namespace zeledit::test {
namespace {

namespace hl = zeledit::headless;

class Columns : public ::testing::Test {
protected:
    HWND window = nullptr;

    void SetUp() override {
        hl::Reset();
        InitEditorLib();
        window = make(400, 100);
    }
    void TearDown() override { hl::Reset(); }
    static HWND make(int width, int height) {
        return CreateWindowExW(0, DrawEditorClassName, u"", WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                               nullptr, nullptr);
    }
    engine::TDrawEditor& editor(HWND w = nullptr) const {
        auto* e = static_cast<engine::TFormatEditor*>(GetPropW(w != nullptr ? w : window, u"EDOBJ"));
        return dynamic_cast<engine::TDrawEditor&>(*e);
    }
    // Paragraphs "p0" ... of one line each, laid out again.
    void fill(int paragraphs) {
        std::u16string text;
        for (int i = 0; i < paragraphs; ++i) text += u"p" + std::u16string(1, u'0' + i % 10) + u"\r\n";
        SendMessageW(window, EFM_INSERTTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        editor().GetLines();
    }
    int line_height() const { return Internals(editor()).FLines->Line(0)->TotalHeight(); }
    int band_width() const {
        return Internals(editor()).edInfo.eiBoundRect.right - Internals(editor()).edInfo.eiBoundRect.left;
    }
    int ink(int x0, int x1, int y0, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += (hl::PixelAt(window, x, y) & 0xFFFFFF) != 0xFFFFFF ? 1 : 0;
        return n;
    }
};

TEST_F(Columns, ColumnsShareTheWidthAndNeverGetNarrowerThan60Pixels) {
    EXPECT_EQ(SendMessageW(window, EFM_SETCOLUMNS, 3, 0), 3);
    EXPECT_EQ(band_width(), 126);
    EXPECT_EQ(editor().ColumnWidth, 136);
    HWND narrow = make(150, 100);
    EXPECT_EQ(SendMessageW(narrow, EFM_SETCOLUMNS, 3, 0), 2);
    EXPECT_EQ(editor(narrow).ColumnWidth, 80);
    SendMessageW(narrow, EFM_SETCOLUMNS, 4, 0);
    SendMessageW(narrow, EFM_SETSPACING, 10, 0);
    EXPECT_EQ(Internals(editor(narrow)).FView.Columns, 2);
    EXPECT_EQ(SendMessageW(window, EFM_SETCOLUMNS, 0, 0), 1); // no columns means one
}

TEST_F(Columns, LinesRunDownOneColumnThenTheNextWithSeparatorsBetween) {
    SendMessageW(window, EFM_SETCOLUMNS, 3, 0);
    SendMessageW(window, EFM_SETLINEBETWEEN, 1, RGB(255, 0, 0));
    fill(40);
    UpdateWindow(window);
    const int per_column = 100 / line_height(); // lines that fit; the next opens a column
    ASSERT_GT(per_column, 1);
    EXPECT_GT(ink(136, 180, 0, line_height()), 5);                 // the second column's first line
    EXPECT_EQ(hl::PixelAt(window, 131, 50) & 0xFFFFFF, 0xFF0000u); // in the middle of the gap
    EXPECT_EQ(hl::PixelAt(window, 267, 50) & 0xFFFFFF, 0xFF0000u);
    EXPECT_NE(hl::PixelAt(window, 380, 50) & 0xFFFFFF, 0xFF0000u);                 // two separators only
    const std::uint32_t second = Internals(editor()).FLines->Line(per_column)->At; // opens column 2
    EXPECT_EQ(editor().IndexAtPosition(136 + 1, 2), second);
    EXPECT_EQ(Internals(editor()).FView.CurrentLine, per_column);
}

TEST_F(Columns, OnlyNavigationKeysActAndTheyScrollByLines) {
    fill(40);
    SetFocus(window);
    hl::TypeText(u"x");
    hl::KeyPress(VK_DOWN);
    hl::PumpMessages();
    EXPECT_EQ(Internals(editor()).FLines->FTopLine, 1);
    EXPECT_EQ(Internals(editor()).FBuffer->CharAt(0), u'p'); // nothing typed
    hl::KeyPress(VK_END);
    hl::PumpMessages();
    EXPECT_EQ(Internals(editor()).FLines->FTopLine, editor().LastTopLine());
    EXPECT_GT(editor().LastTopLine(), 1);
    hl::KeyPress(VK_PRIOR); // back by a window's height of lines
    hl::PumpMessages();
    EXPECT_LT(Internals(editor()).FLines->FTopLine, editor().LastTopLine());
    EXPECT_GT(Internals(editor()).FLines->FTopLine, 0);
    hl::KeyPress(VK_HOME);
    hl::PumpMessages();
    EXPECT_EQ(Internals(editor()).FLines->FTopLine, 0);
    SendMessageW(window, EFM_SETHIGHLIGHT, Internals(editor()).FLines->Line(30)->At,
                 Internals(editor()).FLines->Line(30)->At + 1);
    EXPECT_GT(Internals(editor()).FLines->FTopLine, 0); // brought into view, not sent back to the top
    HWND three = make(400, 100);
    SendMessageW(three, EFM_SETCOLUMNS, 3, 0);
    const std::u16string text(u"a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj\r\nk\r\nl\r\nm\r\nn\r\n");
    SendMessageW(three, EFM_INSERTTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    editor(three).GetLines();
    SendMessageW(three, EFM_SETSELTEXT, 0, MAKELPARAM(30, 31)); // "k", in the third column
    ASSERT_EQ(100 / Internals(editor(three)).FLines->Line(0)->TotalHeight(), 5);
    EXPECT_EQ(Internals(editor(three)).FLines->FTopLine, 0);
}

TEST_F(Columns, TheMouseGivesTheFocusAndColumnsDrawOntoAHostsContext) {
    fill(5);
    HWND other = CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 200, 100, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    SetFocus(other);
    hl::MouseMove(20, 20);
    hl::PumpMessages();
    EXPECT_EQ(GetFocus(), window);

    Surface host_picture(400, 200);
    HDC dc = host_picture.dc();
    SendMessageW(window, EFM_DRAWCOLUMNS, reinterpret_cast<WPARAM>(dc), MAKELPARAM(0, 100));
    int ink_above = 0, ink_below = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 60; ++x)
            if ((GetPixel(dc, x, y) & 0xFFFFFF) != 0xFFFFFF) ++(y < 100 ? ink_above : ink_below);
    EXPECT_EQ(ink_above, 0);
    EXPECT_GT(ink_below, 10);
    POINT origin{1, 1};
    GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
}

TEST_F(Columns, TheHostsBackdropIsComposedInThePictureAndShownUnlessNotDrawn) {
    fill(3);
    constexpr COLORREF blue = RGB(0, 0, 255);
    HostRecorder host(window, [](UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (m != EFN_DRAWBACKGROUND) return std::nullopt;
        const RECT all{0, 0, 400, 100};
        HBRUSH brush = CreateSolidBrush(blue);
        FillRect(reinterpret_cast<HDC>(w), &all, brush);
        DeleteObject(brush);
        return 0;
    });
    EXPECT_EQ(SendMessageW(window, EFM_GETBACKHANDLE, 0, 0), 0);
    SendMessageW(window, EFM_SETNOTDRAWN, 0, 0); // composed, not shown
    SendMessageW(window, EFM_SETBACKNEEDED, 1, 0);
    UpdateWindow(window);
    EXPECT_NE(hl::PixelAt(window, 300, 80) & 0xFFFFFF, 0x0000FFu);
    auto picture = reinterpret_cast<HBITMAP>(SendMessageW(window, EFM_GETBACKHANDLE, 0, 0));
    ASSERT_NE(picture, nullptr);
    BITMAP size{};
    GetObjectW(picture, sizeof size, &size);
    EXPECT_EQ(size.bmWidth, 401);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, picture);
    EXPECT_EQ(GetPixel(dc, 300, 80), blue);
    SelectObject(dc, old);
    DeleteDC(dc);
    EXPECT_GE(host.count(EFN_BACKGROUNDDRAWN), 1);

    SendMessageW(window, EFM_SETNOTDRAWN, 1, 0);
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    EXPECT_EQ(hl::PixelAt(window, 300, 80) & 0xFFFFFF, 0x0000FFu);
    ShowWindow(window, SW_HIDE); // the picture lives while the window is shown
    EXPECT_EQ(SendMessageW(window, EFM_GETBACKHANDLE, 0, 0), 0);
    ShowWindow(window, SW_SHOW);
    EXPECT_NE(SendMessageW(window, EFM_GETBACKHANDLE, 0, 0), 0);
}

TEST_F(Columns, ObjectsAreHitAndAnimatedInTheColumnTheyAreDrawnIn) {
    SendMessageW(window, EFM_SETCOLUMNS, 3, 0);
    fill(40);
    auto e = Internals(editor());
    const int per_column = 100 / line_height();
    // Two frames side by side: red, then blue.
    std::vector<std::uint32_t> argb(40 * 20);
    for (std::size_t i = 0; i < argb.size(); ++i) argb[i] = i % 40 < 20 ? 0xFFFF0000 : 0xFF0000FF;
    TObjectInfo info{};
    info.oiStyle = objects::osAnimate;
    info.oiID = 1;
    info.oiData = 2 * 65536 + 1;
    e.FObjects->AddObject(std::make_unique<objects::TAnimateObj>(
        &e.edInfo, info, platform::UniqueGlobal(platform::make_packed_dib(40, 20, argb))));
    const std::uint32_t at = e.FLines->Line(per_column + 1)->At;
    e.FBuffer->InsertChar(&objects::ObjectMark, 1, 1, at);
    editor().GetLines();
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    const objects::TObjectItem& animation = *e.FObjects->Item(0);
    ASSERT_TRUE(animation.FDrawn);
    ASSERT_GE(animation.FOriginX, editor().ColumnWidth); // in a later column
    const RECT r = animation.ObjectRect();               // in its column's coordinates
    const int x = animation.FOriginX + (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    EXPECT_EQ(editor().ObjectAt(x, y), &animation);
    EXPECT_EQ(editor().ObjectAt(x - animation.FOriginX, y), nullptr); // the same place in the first column
    EXPECT_EQ(hl::PixelAt(window, x, y) & 0xFFFFFF, 0xFF0000u);
    editor().ActivateObjects(); // the next frame, where the column shows it
    EXPECT_EQ(hl::PixelAt(window, x, y) & 0xFFFFFF, 0x0000FFu);
}

} // namespace
} // namespace zeledit::test
