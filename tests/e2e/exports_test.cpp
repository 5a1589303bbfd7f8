// The functions the library exports beside its window classes, used as a host uses them:
// with format entries an editor hands out and a device context of the host's.
#include "e2e/layout_test.h"
#include "engine/editor_internals.h"
#include "platform/core/global_memory.h"
#include "platform/core/resources.h"
#include "platform/graphics_support/graphics_support.h"
#include "support/surface.h"

#include <cstring>
#include <string>
#include <vector>

namespace zeledit::test {
namespace {

class Exports : public Layout {
protected:
    const void* font_entry(std::uint8_t id) {
        return reinterpret_cast<const void*>(SendMessageW(editor, EFM_GETFONTITEM, id, 0));
    }
    const void* para_entry(std::uint8_t id) {
        return reinterpret_cast<const void*>(SendMessageW(editor, EFM_GETPARAITEM, id, 0));
    }
    std::uint8_t add_format(TCharFormat f) {
        return static_cast<std::uint8_t>(SendMessageW(
            editor, EFM_ADDFONTFORMAT, reinterpret_cast<WPARAM>(editor), reinterpret_cast<LPARAM>(&f)));
    }
};

constexpr COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), green = RGB(0, 160, 0);

TEST_F(Exports, AFontsHeightMakesRoomForItsShadow) {
    TCharFormat f = Internals(engine()).FFonts->GetFormatItem(0)->FAttributes;
    f.ftShadow = 2;
    const std::uint8_t id = add_format(f);
    const int plain = feGetFontHeight(font_entry(0));
    EXPECT_EQ(plain, Internals(engine()).FFonts->GetFormatItem(0)->FFontHeight + 4);
    EXPECT_EQ(feGetFontHeight(font_entry(id)), plain + 2);
    EXPECT_EQ(feGetFontHeight(nullptr), 0);
}

TEST_F(Exports, AFontPreviewDrawsTheFaceNameOrAtMost255CharactersWithItsShadow) {
    TCharFormat f = Internals(engine()).FFonts->GetFormatItem(0)->FAttributes;
    f.ftColor = red;
    f.ftShadow = 2;
    f.ftShadColor = blue;
    const void* entry = font_entry(add_format(f));
    Surface face(300, 40);
    SetBkMode(face.dc(), TRANSPARENT); // an opaque background would cover the shadow
    PreviewFont(face.dc(), 2, 2, nullptr, entry);
    EXPECT_GT(face.count(red), 20);
    EXPECT_GT(face.count(blue), 20);
    EXPECT_EQ(GetTextColor(face.dc()), RGB(0, 0, 0)); // the caller's colour comes back

    Surface longest(4000, 30), longer(4000, 30);
    const std::u16string m255(255, u'M'), m300(300, u'M');
    PreviewFont(longest.dc(), 0, 0, m255.c_str(), entry);
    PreviewFont(longer.dc(), 0, 0, m300.c_str(), entry);
    EXPECT_EQ(longest.pixels(), longer.pixels());

    Surface untouched(50, 20);
    PreviewFont(untouched.dc(), 0, 0, u"x", nullptr);
    EXPECT_EQ(untouched.count(RGB(255, 255, 255)), 50 * 20);
}

TEST_F(Exports, AParagraphPreviewHasARulerItsShadingAndThreeSampleLines) {
    SendMessageW(editor, EFM_SETPARACOLOR, 0, green);
    Surface p(200, 60);
    PreviewPara(p.dc(), RECT{0, 0, 200, 60}, 400, para_entry(0));
    EXPECT_EQ(p.at(5, 3), RGB(128, 128, 128));   // the ruler
    EXPECT_EQ(p.at(100, 50), green);             // the box
    EXPECT_EQ(p.at(50, 26), RGB(192, 192, 192)); // a sample line
    EXPECT_EQ(p.at(188, 26), RGB(192, 192, 192));
    EXPECT_EQ(p.at(188, 34), green); // the last line is 18 pixels shorter

    TParaFormat bulleted = para(0);
    bulleted.ptTabs.tabs[3] = TTab{1.0, 0, 0, 0}; // a tab the user set, at one inch
    bulleted.ptBullet.blPresent = 1;
    bulleted.ptBullet.blChar = 'o';
    bulleted.ptBullet.blColor = red;
    bulleted.ptBullet.blIndent = 0.5;
    bulleted.ptBullet.blHanging = 1; // the box reaches out under the bullet
    std::strcpy(bulleted.ptBullet.blFaceName, "Arial");
    bulleted.ptIndent.inLeft = 1.0;
    const auto id = static_cast<std::uint8_t>(SendMessageW(
        editor, EFM_ADDPARAFORMAT, reinterpret_cast<WPARAM>(editor), reinterpret_cast<LPARAM>(&bulleted)));
    Surface q(200, 60);
    PreviewPara(q.dc(), RECT{0, 0, 200, 60}, 400, para_entry(id));
    const int inch = 47; // 195 pixels stand for 400
    EXPECT_EQ(q.at(inch, 7), RGB(255, 255, 255));
    EXPECT_EQ(q.at(inch, 3), RGB(128, 128, 128));
    int reddish = 0; // the bullet, smoothed over the shading, before the text's start
    for (int y = 9; y < 30; ++y)
        for (int x = 0; x < inch; ++x) {
            const COLORREF c = q.at(x, y);
            reddish += GetRValue(c) > 150 && GetGValue(c) < 120 && GetBValue(c) < 100 ? 1 : 0;
        }
    EXPECT_GT(reddish, 3);
    EXPECT_EQ(q.at(inch - 3, 26), green); // the lines start at the left indent, in the box
    EXPECT_EQ(q.at(inch + 3, 26), RGB(192, 192, 192));

    Surface untouched(50, 50);
    PreviewPara(untouched.dc(), RECT{0, 0, 50, 50}, 400, nullptr);
    PreviewPara(untouched.dc(), RECT{0, 0, 50, 50}, 0, para_entry(0));
    EXPECT_EQ(untouched.count(RGB(255, 255, 255)), 50 * 50);
}

TEST_F(Exports, ToolbarStripsMakeMagentaTransparent) {
    EXPECT_EQ(GetStdToolBitmap(), nullptr); // the library holds no strips of its own
    const std::uint32_t argb[]{0xFFFF00FF, 0xFFFF0000};
    platform::UniqueGlobal dib(platform::make_packed_dib(2, 1, argb));
    platform::LockedBlock bytes(dib.get());
    platform::add_resource(GetEditInstance(), RT_BITMAP, u"FMTOOL", bytes.bytes());
    auto pixels = [](HBITMAP b) {
        Surface p(1, 1);
        HDC dc = CreateCompatibleDC(p.dc());
        HGDIOBJ old = SelectObject(dc, b);
        const std::vector<COLORREF> out{GetPixel(dc, 0, 0), GetPixel(dc, 1, 0)};
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(b);
        return out;
    };
    HBITMAP strip = GetFormatToolBitmap(), mask = GetFormatToolMask();
    ASSERT_NE(strip, nullptr);
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(pixels(strip), (std::vector<COLORREF>{RGB(0, 0, 0), red}));
    EXPECT_EQ(pixels(mask), (std::vector<COLORREF>{RGB(255, 255, 255), RGB(0, 0, 0)}));
}

} // namespace
} // namespace zeledit::test
