// Pagination over laid-out lines: where pages and columns open, which page holds a position,
// and finding a page's first line again in a layout that broke differently.
#include "display/editor_pages.h"
#include "objects/picture_object.h"
#include "platform/graphics_support/graphics_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace zeledit::display {
namespace {

model::TLineInfo info(std::uint32_t height) {
    model::TLineInfo i;
    i.tmHeight = height;
    return i;
}

// Lines at 0, 10, 20, ... with the given heights.
void fill(TEditorLines& lines, const std::vector<int>& heights) {
    for (std::size_t i = 0; i < heights.size(); ++i)
        lines.AppendLine(static_cast<std::uint32_t>(10 * i), info(static_cast<std::uint32_t>(heights[i])));
}

struct Paged {
    model::TEditorInfo ei;
    TEditorLines lines{&ei};
    objects::TEditorObjects objects{&ei};
    TEditorPages pages{&ei};
    std::vector<std::int32_t> first_lines() const {
        std::vector<std::int32_t> out;
        for (std::int32_t p = 1; p <= pages.Count(); ++p) out.push_back(pages.Page(p)->AtLine);
        return out;
    }
};

TEST(EditorPages, LinesFillColumnsThenPagesAndAreNeverSplit) {
    Paged d;
    fill(d.lines, {40, 40, 40, 40, 40, 40, 40});
    d.pages.Paginate(d.lines, d.objects, 100, 1); // two lines of 40 fit in 100, a third does not
    EXPECT_EQ(d.first_lines(), (std::vector<std::int32_t>{0, 2, 4, 6}));
    EXPECT_EQ(d.pages.Page(2)->Index, 20u);
    d.pages.Paginate(d.lines, d.objects, 100, 2); // two columns a page
    EXPECT_EQ(d.first_lines(), (std::vector<std::int32_t>{0, 4}));
}

TEST(EditorPages, AnEmptyOrShortDocumentIsOnePage) {
    Paged d;
    d.pages.Paginate(d.lines, d.objects, 100, 1);
    EXPECT_EQ(d.pages.Count(), 1);
    fill(d.lines, {30, 30});
    d.pages.Paginate(d.lines, d.objects, 100, 3);
    EXPECT_EQ(d.pages.Count(), 1);
}

TEST(EditorPages, ALineTallerThanAColumnFillsOneWithoutLeavingAnEmptyOne) {
    Paged d;
    fill(d.lines, {250, 20, 250, 20});
    d.pages.Paginate(d.lines, d.objects, 100, 1);
    // The first line starts page 1 (no empty page before it); the third opens a page.
    EXPECT_EQ(d.first_lines(), (std::vector<std::int32_t>{0, 1, 2, 3}));
}

TEST(EditorPages, AWrappingObjectCrossingTheColumnsBottomMovesItsLinesOn) {
    Paged d;
    fill(d.lines, {20, 20, 20, 20, 20, 20, 20, 20});
    d.pages.Paginate(d.lines, d.objects, 100, 1);
    EXPECT_EQ(d.first_lines(), (std::vector<std::int32_t>{0, 5}));
    // A picture 60 pixels tall floated beside lines 3 to 5 (document y 60 to 120).
    std::vector<std::uint32_t> grey(10 * 60, 0xFF808080);
    TObjectInfo info{};
    info.oiStyle = objects::osPicture;
    info.oiID = 1;
    info.oiFloated = 1;
    info.oiWrapText = 1;
    info.oiAnchorAt = 30;
    info.oiWidth = 10;
    info.oiHeight = 60;
    d.objects.AddObject(std::make_unique<objects::TPictureObj>(
        &d.ei, info, platform::UniqueGlobal(platform::make_packed_dib(10, 60, grey))));
    d.objects.UpdateFloatedPositionAt(30, 0, 60);
    d.pages.Paginate(d.lines, d.objects, 100, 1);
    EXPECT_EQ(d.first_lines(), (std::vector<std::int32_t>{0, 3}));
    d.objects.Item(0)->Info.oiWrapText = 0; // an object the text runs over moves nothing
    d.pages.Paginate(d.lines, d.objects, 100, 1);
    EXPECT_EQ(d.first_lines(), (std::vector<std::int32_t>{0, 5}));
}

TEST(EditorPages, PagesOfMoreThan65535LinesKeepTheirLines) {
    Paged d;
    fill(d.lines, std::vector<int>(70000, 10));
    d.pages.Paginate(d.lines, d.objects, 1000, 1); // 100 lines a page
    ASSERT_EQ(d.pages.Count(), 700);
    EXPECT_EQ(d.pages.Page(700)->AtLine, 69900);
    EXPECT_EQ(d.pages.Page(700)->Index, 699000u);
    EXPECT_EQ(d.pages.FirstLine(*d.pages.Page(700), d.lines), 69900);
}

TEST(EditorPages, APositionBelongsToTheLastPageStartingAtOrBeforeIt) {
    Paged d;
    fill(d.lines, {60, 60, 60, 60});
    d.pages.Paginate(d.lines, d.objects, 100, 1); // pages at 0, 10, 20, 30
    EXPECT_EQ(d.pages.PageOf(0, 45), 1);
    EXPECT_EQ(d.pages.PageOf(9, 45), 1);
    EXPECT_EQ(d.pages.PageOf(10, 45), 2);
    EXPECT_EQ(d.pages.PageOf(45, 45), 4); // the caret after the last character
    EXPECT_EQ(d.pages.PageOf(46, 45), 0);
    d.pages.FreeAll();
    EXPECT_EQ(d.pages.PageOf(0, 45), 0);
}

TEST(EditorPages, APageIsFoundByItsTextWhenTheLayoutBrokeDifferently) {
    Paged d;
    fill(d.lines, {60, 60, 60, 60}); // lines at 0, 10, 20, 30
    d.pages.Paginate(d.lines, d.objects, 100, 1);
    const TPageItem& third = *d.pages.Page(3); // line 2, position 20
    TEditorLines other;
    for (std::uint32_t at : {0u, 5u, 10u, 15u, 20u, 25u}) other.AppendLine(at, info(10));
    EXPECT_EQ(d.pages.FirstLine(third, other), 4); // line 2 of the other layout starts at 10
    EXPECT_EQ(d.pages.FirstLine(third, d.lines), 2);
}

} // namespace
} // namespace zeledit::display
