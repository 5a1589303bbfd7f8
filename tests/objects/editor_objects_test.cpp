// The object list and the base object: IDs, geometry, fitting, hits, order, floated
// positions and the click notification.
#include "objects/objects_test.h"

#include <zeledit/editor_messages.h>

#include <cmath>

namespace zeledit::test {
namespace {

using objects::TObjectItem;

TEST_F(ObjectTest, NewIdsTakeTheLowestFreeNumberUpTo255) {
    EXPECT_EQ(list->GetNewID(), 1);
    add_picture(1, 4, 4);
    add_picture(2, 4, 4);
    add_picture(4, 4, 4);
    EXPECT_EQ(list->GetNewID(), 3);
    list->DeleteObject(1);
    EXPECT_EQ(list->GetNewID(), 1);
    list->FreeAll();
    for (int id = 1; id <= 255; ++id) add_picture(static_cast<std::uint8_t>(id), 1, 1);
    EXPECT_EQ(list->GetNewID(), 0);
}

TEST_F(ObjectTest, MarksAreFoundByIdAndByListIndex) {
    add_picture(7, 4, 4);
    add_picture(9, 4, 4);
    put_text(u"a\x01"
             u"b\x01",
             {0, 9, 0, 7});
    EXPECT_EQ(list->IndexOf(7), 3);
    EXPECT_EQ(list->IndexOf(9), 1);
    EXPECT_EQ(list->IndexOf(8), -1);
    EXPECT_EQ(list->GetObjectIndex(0), 3);
    EXPECT_EQ(list->GetObjectIndex(1), 1);
    EXPECT_EQ(list->GetObjectIndex(2), -1);
    EXPECT_EQ(list->GetObjectIndex(-1), -1);
}

TEST_F(ObjectTest, GeometryFollowsTheDeviceResolutionWithHalvesToEven) {
    auto& inline_object = add_picture(1, 101, 50);
    auto& floated = add_picture(2, 101, 50, true);
    EXPECT_EQ(inline_object.DataWidth(), 101);
    EXPECT_EQ(floated.Width(), 101 + 3 + 3); // 2 points are 2.67 pixels at 96 per inch
    model::DotPerInchX = model::DotPerInchY = 600;
    EXPECT_EQ(inline_object.DataWidth(), 631);  // 631.25
    EXPECT_EQ(inline_object.DataHeight(), 312); // 312.5 goes to the even 312
    EXPECT_EQ(floated.LeftMargin(), 17);        // 16.67
    EXPECT_EQ(floated.Width(), 631 + 34);
    floated.Info.oiPosition = 10;
    EXPECT_EQ(floated.Position(), 62); // 62.5
    floated.Info.oiWidth = 0;
    EXPECT_EQ(floated.DataWidth(), 5);
}

TEST_F(ObjectTest, HitsNeedADrawnObjectAndShrinkingTolerances) {
    auto& o = add_picture(1, 20, 10, true);
    EXPECT_FALSE(o.IsPointIn({5, 5}));
    Surface s(10, 10);
    o.DrawObject(s.dc(), 100, false, 0, 100); // floated: Y is the top
    EXPECT_TRUE(o.IsPointIn({95, 100}));
    EXPECT_FALSE(o.IsPointIn({94, 100}));
    EXPECT_TRUE(o.IsPointIn({124, 114}));
    EXPECT_FALSE(o.MouseDown(95, 100));
    EXPECT_TRUE(o.MouseDown(96, 100));
    EXPECT_TRUE(o.FIsMouseDown);
    EXPECT_FALSE(o.MouseUp(96, 100));
    EXPECT_FALSE(o.FIsMouseDown);
    EXPECT_FALSE(o.DoubleClick(99, 100));
    EXPECT_TRUE(o.DoubleClick(100, 100));
    EXPECT_FALSE(o.DoubleClick(120, 100));
    // An inline object's Y is its bottom.
    auto& i = add_picture(2, 20, 10);
    i.DrawObject(s.dc(), 0, false, 0, 50);
    EXPECT_TRUE(i.DoubleClick(0, 40));
    EXPECT_FALSE(i.DoubleClick(0, 50));
    list->ZeroObjPos();
    EXPECT_FALSE(i.IsPointIn({0, 40}));
}

TEST_F(ObjectTest, FittingKeepsTheAspectAndItsAllowances) {
    auto& floated = add_picture(1, 800, 400, true);
    floated.Fit(500, 1000);
    EXPECT_EQ(+floated.Info.oiWidth, 494);
    EXPECT_EQ(+floated.Info.oiHeight, 247);
    auto& inline_object = add_picture(2, 200, 100);
    inline_object.Fit(100, 1000);
    EXPECT_EQ(+inline_object.Info.oiWidth, 95);
    EXPECT_EQ(+inline_object.Info.oiHeight, 48); // 47.5 to the even 48
    inline_object.Fit(1000, 30);
    EXPECT_EQ(+inline_object.Info.oiHeight, 30);
    EXPECT_EQ(+inline_object.Info.oiWidth, 60);
    inline_object.Reset();
    EXPECT_EQ(+inline_object.Info.oiWidth, 200);
    inline_object.ShowContent = false;
    inline_object.Fit(1000, 1000);
    EXPECT_EQ(+inline_object.Info.oiWidth, 10);
    EXPECT_EQ(+inline_object.Info.oiHeight, 10);
}

TEST_F(ObjectTest, FittingIntoTooLittleRoomNarrowsMarginsAndNeverWraps) {
    auto& o = add_picture(1, 800, 400, true);
    o.Info.oiLayout = 1;
    o.Info.oiMargins = {30.0, 30.0, 30.0, 30.0}; // 40 pixels each
    o.Fit(120, 2000);                            // the margin on the object's side gives way first
    EXPECT_EQ(+o.Info.oiMargins.omRight, 1.0);
    EXPECT_EQ(+o.Info.oiMargins.omLeft, 30.0);
    EXPECT_EQ(+o.Info.oiWidth, 120 - 40 - 1);
    o.Fit(0, 0); // no room at all: sizes stay within 1..65535
    EXPECT_GE(+o.Info.oiWidth, 1);
    EXPECT_GE(+o.Info.oiHeight, 1);
    EXPECT_EQ(+o.Info.oiMargins.omTop, 1.0);
    EXPECT_EQ(+o.Info.oiMargins.omBottom, 1.0);
    o.FOriginWidth = o.FOriginHeight = 0; // a zero natural size skips aspect scaling
    o.Fit(3, 3);
    EXPECT_EQ(o.DataWidth(), 5);
    EXPECT_EQ(o.DataHeight(), 5);
}

TEST_F(ObjectTest, MarginsAndPositionsFromFilesCannotOverflow) {
    auto& o = add_picture(1, 40, 40, true);
    o.Info.oiMargins = {-1e300, std::nan(""), 1e300, 3e9}; // found by fuzzing
    o.Info.oiPosition = INT32_MIN;
    o.Fit(100, 100);
    EXPECT_GE(+o.Info.oiWidth, 1);
    EXPECT_LT(o.Position(), 0);
    EXPECT_FALSE(o.IsWrappedAt(0, 0));
    EXPECT_GT(list->GetObjsHeight(), INT32_MIN);
    Surface s(10, 10);
    list->DrawFloatedObjectAt(s.dc(), 0);
    EXPECT_FALSE(o.FDrawn); // far above the view
}

TEST_F(ObjectTest, FitObjectsUsesTheBoundRectangleLessSixteen) {
    auto& o = add_picture(1, 100, 2000);
    list->FitObjects();
    EXPECT_EQ(+o.Info.oiHeight, 1000);
    EXPECT_EQ(+o.Info.oiWidth, 50);
}

TEST_F(ObjectTest, TheTailIsDrawnLastAndHitFirst) {
    auto& below = add_picture(1, 40, 40, true);
    auto& above = add_picture(2, 40, 40, true);
    Surface s(10, 10);
    below.DrawObject(s.dc(), 0, false, 0, 0);
    above.DrawObject(s.dc(), 20, false, 0, 20);
    EXPECT_EQ(list->ObjectAt(30, 30), &above);
    TObjectItem* hit = nullptr;
    EXPECT_TRUE(list->MouseDown(30, 30, hit));
    EXPECT_EQ(hit, &above);
    list->MoveToTail(&below);
    EXPECT_EQ(list->ObjectAt(30, 30), &below);
    EXPECT_EQ(list->ObjectAt(200, 200), nullptr);
}

TEST_F(ObjectTest, WrappingNeedsAValidPositionAndOverlappingBands) {
    auto& o = add_picture(1, 100, 94, true); // 100 pixels high with its margins
    o.Info.oiPosition = 200;
    EXPECT_TRUE(o.IsWrappedAt(150, 51));
    EXPECT_FALSE(o.IsWrappedAt(150, 50));
    EXPECT_TRUE(o.IsWrappedAt(185, 0)); // a zero height tests 16 pixels
    EXPECT_FALSE(o.IsWrappedAt(184, 0));
    EXPECT_TRUE(o.IsWrappedAt(299, 1));
    EXPECT_FALSE(o.IsWrappedAt(300, 1));
    EXPECT_EQ(list->GetWrapObjectAt(250, 1), &o);
    list->InvalidPositionObjects();
    EXPECT_FALSE(o.IsWrappedAt(250, 1));
    // Anchored at 0 and already there: the position became valid, which the line measured
    // before it did not see, so it counts as a change; a second time it does not.
    EXPECT_TRUE(list->UpdateFloatedPositionAt(0, 10, 200));
    EXPECT_FALSE(list->UpdateFloatedPositionAt(0, 10, 200));
    EXPECT_TRUE(o.IsWrappedAt(250, 1));
    o.Info.oiAnchorAt = 20;
    EXPECT_FALSE(list->UpdateFloatedPositionAt(0, 19, 500));
    EXPECT_TRUE(list->UpdateFloatedPositionAt(10, 10, 500));
    EXPECT_EQ(+o.Info.oiPosition, 500);
    o.Info.oiWrapText = 0;
    EXPECT_FALSE(o.IsWrappedAt(500, 1));
    EXPECT_EQ(list->GetObjsHeight(), 600);
}

TEST_F(ObjectTest, MovingAFloatedObjectSetsItsMarginAndPosition) {
    auto& o = add_picture(1, 100, 50, true);
    EXPECT_TRUE(list->SetFloatedAt(o, 144, 30));
    EXPECT_EQ(+o.Info.oiMargins.omLeft, 108.0); // 144 pixels are 1.5 inches
    EXPECT_EQ(+o.Info.oiPosition, 30);
    EXPECT_FALSE(list->SetFloatedAt(o, 144, 30));
    EXPECT_TRUE(list->SetFloatedAt(o, 9999, 30)); // clamped to the right edge
    EXPECT_EQ(+o.Info.oiMargins.omLeft, 400 * 72.0 / 96);
    o.Info.oiLayout = 1;
    EXPECT_TRUE(list->SetFloatedAt(o, -50, 30));
    EXPECT_EQ(+o.Info.oiMargins.omRight, 400 * 72.0 / 96);
}

TEST_F(ObjectTest, APostedClickNeverOutlivesItsObject) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = u"ObjectHost";
    ASSERT_NE(RegisterClassW(&wc), 0);
    HWND editor = CreateWindowExW(0, u"ObjectHost", u"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    info.eiWindow = editor;
    auto& o = add_picture(1, 20, 20, true);
    o.Parent = editor;
    Surface s(10, 10);
    o.DrawObject(s.dc(), 0, false, 0, 0);
    ASSERT_TRUE(o.MouseDown(5, 5));
    MSG m{};
    ASSERT_TRUE(PeekMessageW(&m, editor, EFN_OBJCLICK, EFN_OBJCLICK, PM_NOREMOVE));
    EXPECT_EQ(m.lParam, reinterpret_cast<LPARAM>(&o.Info));
    EXPECT_EQ(m.wParam, reinterpret_cast<WPARAM>(o.GetData()));
    list->DeleteObject(1);
    EXPECT_FALSE(PeekMessageW(&m, editor, EFN_OBJCLICK, EFN_OBJCLICK, PM_NOREMOVE));
    DestroyWindow(editor);
}

TEST_F(ObjectTest, ShowContentReachesPicturesOnly) {
    auto& picture = add_picture(1, 10, 10);
    auto animation_info = picture_info(2, objects::osAnimate);
    list->AddObject(std::make_unique<objects::TAnimateObj>(&info, animation_info, make_dib(30, 10, {0xFF})));
    list->SetShowContent(false);
    EXPECT_FALSE(picture.ShowContent);
    EXPECT_TRUE(list->Item(1)->ShowContent);
    add_picture(3, 10, 10);
    EXPECT_FALSE(list->Item(2)->ShowContent); // remembered for later objects
}

} // namespace
} // namespace zeledit::test
