// Painting and the caret on a rendered window: colours at the baseline, borders, wave
// underlines, the selection's inversion, the caret's place and the positions clicks hit.
#include "e2e/layout_test.h"
#include "engine/editor_internals.h"
#include "model/device_metrics.h"
#include "objects/picture_object.h"
#include "platform/graphics_support/graphics_support.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace zeledit::test {
namespace {

constexpr std::uint32_t Red = 0xFFFF0000, Green = 0xFF00C000, Blue = 0xFF0000FF;

class Painting : public Layout {
protected:
    std::uint8_t add_format(COLORREF colour, int points = 11, int underline = 0,
                            COLORREF underline_colour = 0) {
        TCharFormat f = Internals(engine()).FFonts->GetFormatItem(0)->FAttributes;
        f.ftColor = colour;
        f.ftHeight = static_cast<std::int16_t>(points);
        f.ftUnderline = static_cast<std::int16_t>(underline);
        f.ftUnderlineColor = underline_colour;
        return static_cast<std::uint8_t>(Internals(engine()).FFonts->AddFontFormat(&f));
    }
    void render() {
        InvalidateRect(editor, nullptr, TRUE);
        headless::PumpMessages();
    }
    std::vector<std::uint32_t> pixels(int top, int bottom, int right) const {
        std::vector<std::uint32_t> out;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < right; ++x) out.push_back(headless::PixelAt(editor, x, y));
        return out;
    }
};

TEST_F(Painting, ARunIsDrawnInItsColourAboveItsBaseline) {
    set_text(u"XXXX", add_format(RGB(255, 0, 0), 28));
    render();
    const display::TLineItem& line = *lines().Line(0);
    int lowest = -1, highest = 1000;
    for (int y = 0; y < line.TotalHeight(); ++y)
        for (int x = 0; x < 120; ++x)
            if (headless::PixelAt(editor, x, y) == Red) {
                lowest = std::max(lowest, y);
                highest = std::min(highest, y);
            }
    ASSERT_GE(lowest, 0) << "no red pixels";
    EXPECT_EQ(lowest, line.FBaseLine - 1); // "X" stands on the baseline
    EXPECT_GT(highest, 0);
}

TEST_F(Painting, FormatsDoNotMoveTheWordsOfAJustifiedLine) {
    const std::uint8_t red = add_format(RGB(255, 0, 0)), black = add_format(RGB(0, 0, 0));
    std::u16string text;
    for (int i = 0; i < 12; ++i) text += u"justification ";
    const auto rightmost_ink = [&](bool alternate) {
        set_text(text, black);
        for (std::uint32_t i = 0; i < text.size(); ++i)
            if (alternate && (i / 14) % 2 == 1)
                Internals(engine()).FBuffer->FormatByte(i) = red; // a word and its space
        Internals(engine()).FParas->SetParaAlign(0, 3);
        engine().GetLines();
        render();
        const display::TLineItem& line = *lines().Line(0);
        int rightmost = 0;
        for (int y = 0; y < line.TotalHeight(); ++y)
            for (int x = 0; x < line.FRegion.Right + 5; ++x)
                if ((headless::PixelAt(editor, x, y) & 0xFFFFFF) != 0xFFFFFF)
                    rightmost = std::max(rightmost, x);
        return rightmost;
    };
    ASSERT_GT(lines().Count(), 0);
    const int plain = rightmost_ink(false);
    EXPECT_GT(plain, lines().Line(0)->FRegion.Right - 12); // justified: near the edge
    EXPECT_EQ(rightmost_ink(true), plain);
}

TEST_F(Painting, TheSelectionInvertsAndRestoresExactly) {
    set_text(u"select some of this text", add_format(RGB(0, 0, 128)));
    render();
    const int bottom = lines().Line(0)->TotalHeight();
    const auto before = pixels(0, bottom, 200);
    auto& ei = Internals(engine()).edInfo;
    ei.eiSelecting = true;
    ei.eiSelStart = 7;
    ei.eiSelEnd = 11;
    render();
    const auto selected = pixels(0, bottom, 200);
    EXPECT_NE(selected, before);
    const int x1 = engine().GetCharPos(0, 7).x, x2 = engine().GetCharPos(0, 11).x;
    EXPECT_EQ(headless::PixelAt(editor, x1, 5), 0xFF000000 | (~before[5 * 200 + x1] & 0xFFFFFF));
    EXPECT_EQ(headless::PixelAt(editor, x2 + 1, 5), before[5 * 200 + x2 + 1]); // past the range
    ei.eiSelecting = false;
    render();
    EXPECT_EQ(pixels(0, bottom, 200), before);
}

TEST_F(Painting, ADoubleThickBorderIsTwoStrokesWithAGap) {
    para().ptBorder.btLeft = {7, 2.0, RGB(0, 0, 255)};
    set_text(u"framed");
    render();
    const int y = lines().Line(0)->TotalHeight() / 2;
    std::vector<bool> blue;
    for (int x = 0; x < 12; ++x) blue.push_back(headless::PixelAt(editor, x, y) == Blue);
    // The paragraph region starts at the band's left; the text's margin lies inside it.
    const std::vector<bool> expected{true,  true,  false, true,  true,  false,
                                     false, false, false, false, false, false};
    EXPECT_EQ(blue, expected);
}

TEST_F(Painting, AWaveUnderlineRepeatsEverySixPixels) {
    set_text(u"wavy words here", add_format(0, 20, 13, RGB(0, 192, 0)));
    render();
    // The lowest row the wave reaches: its troughs, six pixels apart.
    int bottom_row = -1;
    for (int y = 0; y < lines().Line(0)->TotalHeight(); ++y)
        for (int x = 0; x < 100; ++x)
            if (headless::PixelAt(editor, x, y) == Green) bottom_row = y;
    ASSERT_GE(bottom_row, 0);
    std::vector<int> troughs;
    for (int x = 0; x < 100; ++x)
        if (headless::PixelAt(editor, x, bottom_row) == Green) troughs.push_back(x);
    ASSERT_GE(troughs.size(), 4u);
    for (std::size_t i = 1; i < troughs.size(); ++i)
        EXPECT_EQ((troughs[i] - troughs[0]) % 6, 0) << troughs[i];
}

TEST_F(Painting, TheCaretSpansTheTextBelowTheSpaceBefore) {
    SetFocus(editor);
    para().ptBefore = 12;
    set_text(u"");
    engine().SetIndex(0);
    const auto caret = headless::Caret();
    EXPECT_EQ(caret.owner, editor);
    EXPECT_EQ(caret.x, 5);
    EXPECT_EQ(caret.y, 16);
    EXPECT_EQ(caret.height, lines().Line(0)->TextHeight());
    para().ptBefore = 0;
    para().ptAlign = 0;
    set_text(u"centred");
    Internals(engine()).FParas->SetParaAlign(0, 1);
    engine().GetLines();
    engine().SetIndex(0);
    const display::TLineItem& line = *lines().Line(0);
    EXPECT_EQ(headless::Caret().x, line.FRegion.Left + (line.BandWidth() - line.Width()) / 2);
}

TEST_F(Painting, ClicksLandAfterTheCharacterTheyHit) {
    set_text(u"abcd");
    const int a = engine().GetCharPos(0, 0).x, b = engine().GetCharPos(0, 1).x;
    EXPECT_EQ(engine().IndexAtPosition(a, 5), 0u);     // exactly on the left edge: before it
    EXPECT_EQ(engine().IndexAtPosition(a + 1, 5), 1u); // inside the first character: after it
    EXPECT_EQ(engine().IndexAtPosition(b - 1, 5), 1u);
    EXPECT_EQ(engine().IndexAtPosition(1000, 5), 4u); // right of the text: its end
    set_text(u"");
    EXPECT_EQ(engine().IndexAtPosition(200, 5), 0u);
}

TEST_F(Painting, ScrollingMovesTheTopLineAndTheCaret) {
    editor = make_editor(200);
    SendMessageW(editor, EFM_SETHASSCROLL, 1, 0);
    SetFocus(editor);
    std::u16string text;
    for (int i = 0; i < 60; ++i) text += u"line\r\n";
    set_text(text);
    engine().UpdateScrollbar();
    SendMessageW(editor, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(lines().FTopLine, 1);
    EXPECT_EQ(Internals(engine()).FView.CurrentLine, 1);
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, lines().Line(1)->At);
    EXPECT_EQ(SendMessageW(editor, EFM_GETTOPINDEX, 0, 0), static_cast<LRESULT>(lines().Line(1)->At));
    SendMessageW(editor, WM_MOUSEWHEEL, static_cast<WPARAM>(-WHEEL_DELTA) << 16, 0);
    EXPECT_EQ(lines().FTopLine, 2);
    SendMessageW(editor, WM_MOUSEWHEEL, static_cast<WPARAM>(WHEEL_DELTA * 3) << 16, 0);
    EXPECT_EQ(lines().FTopLine, 1); // one line whatever the delta
    SendMessageW(editor, EFM_SETTOPINDEX, lines().Line(10)->At + 1, 0);
    EXPECT_EQ(lines().FTopLine, 10);
    const LRESULT top = SendMessageW(editor, EFM_GETTOPINDEX, 0, 0);
    SendMessageW(editor, WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessageW(editor, EFM_SETTOPINDEX, static_cast<WPARAM>(top), 0); // a top index read back
    EXPECT_EQ(lines().FTopLine, 10);
    SendMessageW(editor, WM_VSCROLL, SB_PAGEDOWN, 0); // the Page Down key: a view further
    EXPECT_GT(lines().FTopLine, 20);
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, lines().Line(Internals(engine()).FView.CurrentLine)->At);
    SendMessageW(editor, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(lines().FTopLine, 0);
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 0u);
    // A read-only document stops where its last lines fill the view.
    SendMessageW(editor, EFM_DISABLEMODIFY, 0, 0);
    engine().UpdateScrollbar();
    engine().SetTopMostLine(1000);
    const int view = Internals(engine()).edInfo.eiBoundRect.bottom;
    EXPECT_LT(lines().GetDocumentHeight() - lines().GetAbsPos(lines().FTopLine), view);
    EXPECT_GT(lines().FTopLine, 0);
}

std::vector<std::pair<UINT, LPARAM>> received;
LRESULT CALLBACK recorder(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == 1025 || m == 1026 || m == EFN_TOPLINECHANGED || m == EFN_ORIGINCHANGE || m == EFN_UPDATESTATE)
        received.emplace_back(m, m == EFN_UPDATESTATE ? 0 : l);
    return DefWindowProcW(h, m, w, l);
}

TEST_F(Painting, HostControlsAndNotificationsFollowTheView) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = recorder;
    wc.lpszClassName = u"HostScrollBar";
    RegisterClassW(&wc);
    HWND bar =
        CreateWindowExW(0, u"HostScrollBar", u"", 0, 0, 0, 10, 100, nullptr, nullptr, nullptr, nullptr);
    std::u16string text;
    for (int i = 0; i < 40; ++i) text += u"row\r\n";
    set_text(text);
    SendMessageW(editor, EFM_SETVSCROLLBAR, reinterpret_cast<WPARAM>(bar), 0);
    ASSERT_GE(received.size(), 2u);
    EXPECT_EQ(received[received.size() - 2], (std::pair<UINT, LPARAM>{1025, lines().Count()}));
    EXPECT_EQ(received.back(), (std::pair<UINT, LPARAM>{1026, 1})); // positions count from 1
    // The editor tells itself (and so a subclassing host) about the view and the caret.
    const WNDPROC original = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) {
            recorder(h, m, w, l);
            return CallWindowProcW(reinterpret_cast<WNDPROC>(GetPropW(h, u"TestOriginal")), h, m, w, l);
        })));
    SetPropW(editor, u"TestOriginal", reinterpret_cast<HANDLE>(original));
    received.clear();
    SendMessageW(editor, WM_VSCROLL, SB_THUMBTRACK, 6); // the control's position 6: line 5
    EXPECT_EQ(lines().FTopLine, 5);
    EXPECT_NE(std::find(received.begin(), received.end(), std::pair<UINT, LPARAM>{EFN_TOPLINECHANGED, 5}),
              received.end());
    received.clear();
    SendMessageW(editor, EFM_SETINDEX, 0, static_cast<LPARAM>(lines().Line(7)->At + 2));
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, lines().Line(7)->At + 2);
    EXPECT_NE(std::find(received.begin(), received.end(), std::pair<UINT, LPARAM>{EFN_UPDATESTATE, 0}),
              received.end());
    received.clear();
    SendMessageW(editor, WM_HSCROLL, SB_LINEDOWN, 0); // 8 pixels beyond the band at most
    EXPECT_EQ(Internals(engine()).FView.OriginX, 8);
    EXPECT_NE(std::find(received.begin(), received.end(), std::pair<UINT, LPARAM>{EFN_ORIGINCHANGE, 8}),
              received.end());
    DestroyWindow(bar);
    received.clear();
}

TEST_F(Painting, ShowcaseImage) {
    editor = make_editor(460);
    SetWindowPos(editor, nullptr, 0, 0, 470, 260, SWP_NOZORDER | SWP_NOMOVE);
    const std::uint8_t bold = add_format(RGB(0, 0, 0), 14);
    TCharFormat f = Internals(engine()).FFonts->GetFormatItem(bold)->FAttributes;
    f.ftAttr = 1;
    Internals(engine()).FFonts->GetFormatItem(bold)->ResetFont(f);
    const std::uint8_t red = add_format(RGB(200, 0, 0), 12, 1, RGB(200, 0, 0));
    const std::uint8_t wave = add_format(RGB(0, 0, 160), 12, 13, RGB(0, 160, 0));
    TParaFormat boxed = para();
    boxed.ptBorder = {{0x27, 4.0, RGB(0, 0, 128)},
                      {0x27, 4.0, RGB(0, 0, 128)},
                      {0x27, 4.0, RGB(0, 0, 128)},
                      {0x27, 4.0, RGB(0, 0, 128)}};
    boxed.ptShading = RGB(255, 250, 220);
    boxed.ptIndent = {0.0, 0.4, 0.2};
    boxed.ptBullet.blPresent = 1;
    boxed.ptBullet.blHanging = 1;
    for (TTab& tab : boxed.ptTabs.tabs) tab.tbLeader = 1; // dots
    const auto boxed_id = static_cast<std::uint8_t>(Internals(engine()).FParas->AddParaFormat(boxed));
    std::u16string text = u"Showcase: bold, red underlined, wavy\r\n";
    const std::size_t boxed_start = text.size();
    text += u"Ti\u1ebfng Vi\u1ec7t in a box\tpage 3\r\npicture: \x01 end";
    std::vector<std::uint8_t> formats(text.size() + 2, 0);
    for (std::size_t i = 0; i < 8; ++i) formats[i] = bold;
    for (std::size_t i = 16; i < 30; ++i) formats[i] = red;
    for (std::size_t i = 31; i < 36; ++i) formats[i] = wave;
    formats[text.find(u'\r', boxed_start)] = boxed_id;
    std::vector<std::uint32_t> argb(40 * 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            argb[std::size_t(y) * 40 + std::size_t(x)] = 0xFF000000u | (x * 6 << 16) | (y * 8 << 8) | 0x80;
    TObjectInfo info{};
    info.oiStyle = objects::osPicture;
    info.oiID = Internals(engine()).FObjects->GetNewID();
    Internals(engine()).FObjects->AddObject(std::make_unique<objects::TPictureObj>(
        &Internals(engine()).edInfo, info, platform::UniqueGlobal(platform::make_packed_dib(40, 30, argb))));
    formats[text.find(u'\x01')] = info.oiID;
    ASSERT_TRUE(Internals(engine()).FBuffer->Assign(text, formats));
    engine().GetLines();
    Internals(engine()).edInfo.eiSelecting = true;
    Internals(engine()).edInfo.eiSelStart = 10;
    Internals(engine()).edInfo.eiSelEnd = 14;
    render();
    const auto path = std::filesystem::current_path() / "showcase.png";
    ASSERT_TRUE(headless::WritePng(editor, path.string().c_str()));
    EXPECT_GT(std::filesystem::file_size(path), 1000u);
    // The box's shading shows inside its region, right of its text.
    const std::int32_t boxed_line = lines().GetLinePos(static_cast<std::uint32_t>(boxed_start) + 1);
    const display::TLineItem& line = *lines().Line(boxed_line);
    EXPECT_EQ(headless::PixelAt(editor, line.FRegion.Right - 20,
                                lines().GetAbsPos(boxed_line) + line.TotalHeight() / 2),
              0xFFFFFADCu);
}

} // namespace
} // namespace zeledit::test
