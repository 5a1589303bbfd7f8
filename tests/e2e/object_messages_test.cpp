// The object messages of an editor window, and animations driven by its timer.
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include "engine/format_editor.h"
#include "objects/objects_test.h"

#include <gtest/gtest.h>

namespace zeledit::test {
namespace {

using objects::TAnimateObj;
using objects::TEditorObjects;
using objects::TPictureObj;

class ObjectMessages : public ::testing::Test {
protected:
    HWND editor = nullptr;
    TEditorObjects* objects = nullptr;

    void SetUp() override {
        headless::Reset();
        headless::UseManualClock();
        InitEditorLib();
        editor = CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 320, 240, nullptr,
                                 nullptr, nullptr, nullptr);
        objects = reinterpret_cast<TEditorObjects*>(send(EFM_GETOBJECTS));
        ASSERT_NE(objects, nullptr);
    }
    void TearDown() override { headless::Reset(); }
    LRESULT send(UINT msg, WPARAM w = 0, LPARAM l = 0) { return SendMessageW(editor, msg, w, l); }
    template <class T> T& add(std::uint8_t id, std::uint16_t style, int width, int height) {
        auto object = std::make_unique<T>(objects->EditorInfo, picture_info(id, style),
                                          make_dib(width, height, {0xFF}));
        auto& ref = *object;
        objects->AddObject(std::move(object));
        return ref;
    }
};

TEST_F(ObjectMessages, ObjectsAreReachedByIndexAndById) {
    EXPECT_EQ(send(EFM_GETOBJECTCOUNT), 0);
    auto& first = add<TPictureObj>(4, objects::osPicture, 30, 20);
    auto& second = add<TPictureObj>(9, objects::osPicture, 10, 10);
    EXPECT_EQ(send(EFM_GETOBJECTCOUNT), 2);
    EXPECT_EQ(send(EFM_GETOBJECTINFO, 1), reinterpret_cast<LRESULT>(&second.Info));
    EXPECT_EQ(send(EFM_GETOBJECT, 0), reinterpret_cast<LRESULT>(first.GetData()));
    EXPECT_EQ(send(EFM_GETOBJINFOID, 0x104), reinterpret_cast<LRESULT>(&first.Info)); // ID in the low byte
    EXPECT_EQ(send(EFM_GETOBJDATAID, 9), reinterpret_cast<LRESULT>(second.GetData()));
    for (UINT m : {EFM_GETOBJECTINFO, EFM_GETOBJECT}) EXPECT_EQ(send(m, 2), 0);
    for (UINT m : {EFM_GETOBJINFOID, EFM_GETOBJDATAID}) EXPECT_EQ(send(m, 5), 0);
    EXPECT_EQ(send(EFM_GETOBJECTINDEX, 0), -1); // no mark in the text
    first.Info.oiWidth = 3;
    send(EFM_RESETOBJECT, 4);
    EXPECT_EQ(+first.Info.oiWidth, 30);
    // The end of a sound arrives as WM_NOTIFY 1000 with the object's ID in the low byte.
    first.Info.oiWidth = 3;
    send(WM_NOTIFY, 999, 0x104);
    EXPECT_EQ(+first.Info.oiWidth, 3); // another control's notification
    send(WM_NOTIFY, 1000, 0x104);
    EXPECT_EQ(+first.Info.oiWidth, 30);
    send(EFM_HIDEOBJECTS, 1);
    EXPECT_FALSE(first.ShowContent);
    send(EFM_HIDEOBJECTS, 0);
    EXPECT_TRUE(second.ShowContent);
    EXPECT_EQ(send(EFM_INSERTOBJECT, 1), 0); // insertion arrives with the dialogs
    EXPECT_EQ(send(EFM_GETOBJECTCOUNT), 2);
}

TEST_F(ObjectMessages, TheOrderCommandsMoveFloatedObjectsOnly) {
    auto& engine = *static_cast<engine::TFormatEditor*>(GetPropW(editor, u"EDOBJ"));
    auto& a = add<TPictureObj>(1, objects::osPicture, 5, 5);
    auto& b = add<TPictureObj>(2, objects::osPicture, 5, 5);
    auto& c = add<TPictureObj>(3, objects::osPicture, 5, 5);
    for (auto* o : {&a, &b, &c}) o->Info.oiFloated = 1;
    const auto order = [&] {
        std::vector<int> ids;
        for (int i = 0; i < objects->Count(); ++i) ids.push_back(objects->Item(i)->ID());
        return ids;
    };
    ValidateRect(editor, nullptr);
    engine.BringObjTofront(a);
    EXPECT_EQ(order(), (std::vector<int>{2, 3, 1}));
    RECT dirty{};
    EXPECT_TRUE(GetUpdateRect(editor, &dirty, FALSE)); // the whole window repaints
    EXPECT_EQ(dirty.right, 320);
    engine.MoveObjUp(a);
    EXPECT_EQ(order(), (std::vector<int>{2, 1, 3}));
    engine.SendObjToBack(c);
    EXPECT_EQ(order(), (std::vector<int>{3, 2, 1}));
    engine.MoveObjDown(c);
    EXPECT_EQ(order(), (std::vector<int>{2, 3, 1}));
    b.Info.oiFloated = 0;
    engine.BringObjTofront(b);
    EXPECT_EQ(order(), (std::vector<int>{2, 3, 1}));
    EXPECT_TRUE(engine.CopyObjectToClipboard(b));
    auto& animation = add<TAnimateObj>(4, objects::osAnimate, 10, 5);
    EXPECT_FALSE(engine.CopyObjectToClipboard(animation));
}

TEST_F(ObjectMessages, ExpertModeFollowsTheEditStyle) {
    EXPECT_FALSE(objects->ExpertMode);
    send(EFM_SETEDITTYPE, 0, 0x2 | 0x1000);
    EXPECT_TRUE(objects->ExpertMode);
}

TEST_F(ObjectMessages, TheEditorTimerRunsVisibleAnimations) {
    auto& shown = add<TAnimateObj>(1, objects::osAnimate, 40, 10);
    shown.Info.oiData = 4 << 16; // four frames, no delay
    shown.SetAttributes(shown.Info);
    auto& unseen = add<TAnimateObj>(2, objects::osAnimate, 40, 10);
    unseen.SetAttributes(shown.Info);
    HDC dc = GetDC(editor);
    shown.DrawObject(dc, 10, false, 0, 20);
    ReleaseDC(editor, dc);
    headless::AdvanceClock(100);
    headless::PumpMessages();
    EXPECT_EQ(shown.CurrentFrame, 1);
    EXPECT_EQ(unseen.CurrentFrame, 0); // never drawn, so not visible
    headless::AdvanceClock(200);
    headless::PumpMessages();
    EXPECT_GE(shown.CurrentFrame, 2);
}

} // namespace
} // namespace zeledit::test
