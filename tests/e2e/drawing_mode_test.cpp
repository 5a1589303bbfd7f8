// The drawing mode driven as a user drives it: the drawing dialog confirmed through the
// dialog hook, then a drag of the mouse over the editor.
#include "dialogs/drawing_dialog.h"
#include "e2e/document_test.h"
#include "engine/editor_internals.h"
#include "objects/drawing_object.h"

#include <zeledit/controls.h>
#include <zeledit/headless.h>

namespace zeledit::test {
namespace {

class DrawingMode : public DocumentBlock {
protected:
    void SetUp() override {
        DocumentBlock::SetUp();
        headless::UseManualClock();
        DestroyWindow(other); // it lay over the editor
        put(editor, u"Một dòng chữ");
    }
    void TearDown() override {
        SetDialogHook({});
        DocumentBlock::TearDown();
    }
    // Confirms the drawing dialog with this shape and fill.
    void confirm(int shape, COLORREF fill) {
        SetDialogHook([shape, fill](HWND dialog) {
            SendMessageW(GetDlgItem(dialog, shape), BM_CLICK, 0, 0);
            SendDlgItemMessageW(dialog, DrawFillColor, ZCPM_SETCOLOR, fill, 0);
            SendDlgItemMessageW(dialog, DrawLineWidth, ZSEM_SETPOS, 3, 0);
            SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        });
    }
    void drag(POINT from, POINT to, bool shift = false) {
        ClientToScreen(editor, &from);
        ClientToScreen(editor, &to);
        SetFocus(editor); // keys go to the focus
        if (shift) headless::KeyDown(VK_SHIFT);
        headless::MouseDown(headless::Button::Left, from.x, from.y);
        headless::MouseMove((from.x + to.x) / 2, (from.y + to.y) / 2);
        headless::MouseMove(to.x, to.y);
        headless::MouseUp(headless::Button::Left, to.x, to.y);
        headless::PumpMessages(); // Shift is read as each message is
        if (shift) headless::KeyUp(VK_SHIFT);
        headless::PumpMessages();
        headless::AdvanceClock(1000);
    }
    objects::TEditorObjects& list() { return *Internals(engine(editor)).FObjects; }
};

TEST_F(DrawingMode, ADragDrawsTheShapeChosenInTheDialog) {
    confirm(DrawRectangle, RGB(10, 200, 30));
    SendMessageW(editor, WM_COMMAND, 1024, 0);
    drag({260, 200}, {60, 50});
    ASSERT_EQ(list().Count(), 1);
    const auto& shape = static_cast<const objects::TDrawingObj&>(*list().Item(0));
    EXPECT_EQ(+shape.Info.oiStyle, objects::osDrawing);
    EXPECT_TRUE(shape.Floated());
    EXPECT_EQ(+shape.Info.oiWidth, 200);
    EXPECT_EQ(+shape.Info.oiHeight, 150);
    EXPECT_EQ(+shape.FProps.diDirection.x, -200);
    EXPECT_EQ(+shape.FProps.diDirection.y, -150);
    EXPECT_EQ(+shape.FProps.diStyle, 1);
    EXPECT_EQ(+shape.FProps.diFillColor, RGB(10, 200, 30));
    EXPECT_EQ(+shape.FProps.diWidth, 3);
    EXPECT_EQ(text(editor), u"Một dòng chữ"); // floated: no mark in the text
    // The mode ended with the drawing: a second drag selects text instead.
    drag({20, 8}, {60, 8});
    EXPECT_EQ(list().Count(), 1);
    // And it is one step to undo.
    EXPECT_EQ(Internals(engine(editor)).FUndoObj->Count(), 1);
}

TEST_F(DrawingMode, ShiftMakesCirclesAndEscapeOrCancelDrawsNothing) {
    confirm(DrawEllipse, RGB(255, 255, 255));
    SendMessageW(editor, WM_COMMAND, 1024, 0);
    drag({50, 50}, {150, 90}, true);
    ASSERT_EQ(list().Count(), 1);
    EXPECT_EQ(+list().Item(0)->Info.oiWidth, 100);
    EXPECT_EQ(+list().Item(0)->Info.oiHeight, 100); // a circle
    SendMessageW(editor, WM_COMMAND, 1024, 0);
    SetFocus(editor);
    headless::KeyPress(VK_ESCAPE);
    headless::PumpMessages();
    drag({50, 50}, {150, 90});
    EXPECT_EQ(list().Count(), 1);
    // A cancelled dialog does not start the mode.
    SetDialogHook([](HWND dialog) { SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0); });
    SendMessageW(editor, WM_COMMAND, 1024, 0);
    drag({50, 50}, {150, 90});
    EXPECT_EQ(list().Count(), 1);
}

TEST_F(DrawingMode, TheDialogShowsBothLanguagesAndKeepsSettingsOnCancel) {
    TDrawingInfo info{2, {}, 4, RGB(1, 2, 3), RGB(4, 5, 6), 0, 1};
    std::u16string heading;
    SetDialogHook([&](HWND dialog) {
        WCHAR text[64];
        GetWindowTextW(GetWindow(GetWindow(dialog, GW_CHILD), GW_HWNDLAST), text, 64); // the first child
        heading = text;
        EXPECT_EQ(IsDlgButtonChecked(dialog, DrawEllipse), BST_CHECKED);
        EXPECT_EQ(SendDlgItemMessageW(dialog, DrawLineWidth, ZSEM_GETPOS, 0, 0), 4);
        EXPECT_EQ(IsDlgButtonChecked(dialog, DrawOutline), BST_UNCHECKED);
        SendMessageW(GetDlgItem(dialog, DrawLine), BM_CLICK, 0, 0);
        SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
    EXPECT_FALSE(dialogs::AskDrawingShape(nullptr, info, 0));
    EXPECT_EQ(heading, u"Thuộc tính đối tượng vẽ");
    EXPECT_EQ(+info.diStyle, 2); // as it was
    SetDialogHook([&](HWND dialog) {
        WCHAR text[64];
        GetWindowTextW(GetWindow(GetWindow(dialog, GW_CHILD), GW_HWNDLAST), text, 64);
        heading = text;
        EXPECT_TRUE(headless::WritePng(dialog, (::testing::TempDir() + "drawing-dialog.png").c_str()));
        SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_TRUE(dialogs::AskDrawingShape(nullptr, info, 1));
    EXPECT_EQ(heading, u"Drawing object attributes");
}

} // namespace
} // namespace zeledit::test
