// The object dialogs as a host drives them: an insertion message or a double click opens
// the dialog, the dialog hook fills it with the standard control messages, and the result
// is read back from the editor's object list.
#include "controls/controls.h"
#include "e2e/document_test.h"
#include "engine/editor_internals.h"
#include "objects/caption_text_objects.h"
#include "objects/drawing_object.h"
#include "objects/picture_object.h"
#include "objects/sound_object.h"
#include "platform/graphics_support/graphics_support.h"
#include "support/bmp_file.h"

#include <zeledit/controls.h>
#include <zeledit/format_dialogs.h>
#include <zeledit/headless.h>
#include <zeledit/object_dialogs.h>

#include <functional>

namespace zeledit::test {
namespace {

HWND item(HWND root, int id) { return controls::find_item(root, id); }

// Every text shown in a window and its descendants, one after another.
std::u16string texts(HWND root) {
    std::u16string all;
    EnumChildWindows(
        root,
        [](HWND w, LPARAM p) -> BOOL {
            char16_t buffer[512] = {};
            GetWindowTextW(w, buffer, 512);
            *reinterpret_cast<std::u16string*>(p) += buffer;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all;
}

void set_text(HWND root, int id, const char16_t* text) { SetWindowTextW(item(root, id), text); }
void set_spin(HWND root, int id, int value) { SendMessageW(item(root, id), ZSEM_SETPOS, value, 0); }
// OK and Cancel are the dialog's own children; the pages' panels may share their numbers.
void click(HWND root, int id) {
    SendMessageW(id == IDOK || id == IDCANCEL ? GetDlgItem(root, id) : item(root, id), BM_CLICK, 0, 0);
}

class ObjectDialogs : public DocumentBlock {
protected:
    void SetUp() override {
        DocumentBlock::SetUp();
        headless::UseManualClock();
        DestroyWindow(other); // it lay over the editor
        put(editor, u"Chữ trước hộp");
    }
    void TearDown() override {
        SetDialogHook({});
        SetFileDialogHook({});
        DocumentBlock::TearDown();
    }
    // Answers the object dialog with `fill` and message boxes by pressing OK, remembering
    // what each box said.
    void answer(std::function<void(HWND)> fill) {
        dialogs = 0;
        boxes.clear();
        SetDialogHook([this, fill](HWND dialog) {
            if (item(dialog, ObjPages) == nullptr) { // a message box inside the dialog
                boxes.push_back(texts(dialog));
                click(dialog, IDOK);
                return;
            }
            ++dialogs;
            fill(dialog);
        });
    }
    objects::TEditorObjects& list() { return *Internals(engine(editor)).FObjects; }
    int undo_steps() { return Internals(engine(editor)).FUndoObj->Count(); }
    void double_click_object(const objects::TObjectItem& object) {
        const RECT r = object.ObjectRect();
        POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(editor, &at);
        headless::MouseDown(headless::Button::Left, at.x, at.y);
        headless::MouseUp(headless::Button::Left, at.x, at.y);
        headless::MouseDown(headless::Button::Left, at.x, at.y);
        headless::MouseUp(headless::Button::Left, at.x, at.y);
        headless::PumpMessages();
        headless::AdvanceClock(1000);
    }
    std::filesystem::path temp_file(const char* name, const std::vector<char>& bytes) {
        const auto path = std::filesystem::path(::testing::TempDir()) / name;
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    int dialogs = 0;
    std::vector<std::u16string> boxes;
};

TEST_F(ObjectDialogs, ATextBoxIsMadeFromTheDialogAndTakenBackByOneUndo) {
    answer([](HWND d) {
        set_text(d, TextContent, u"Hộp chữ có khung");
        SendMessageW(item(d, TextBorderStyle), CB_SETCURSEL, 3, 0);
        click(d, TextAlignCenter);
        set_spin(d, ObjWidth, 120);
        set_spin(d, ObjHeight, 60);
        click(d, IDOK);
    });
    const int steps = undo_steps();
    SendMessageW(editor, EFM_INSERTOBJECT, 10, 0);
    ASSERT_EQ(list().Count(), 1);
    const auto& box = static_cast<const objects::TTextObject&>(*list().Item(0));
    EXPECT_EQ(+box.Info.oiStyle, objects::osText);
    EXPECT_TRUE(box.Floated());
    EXPECT_EQ(box.FContent, u"Hộp chữ có khung");
    EXPECT_EQ(+box.FProps.tiFrame, 4);
    EXPECT_EQ(+box.FProps.tiAlignment, 1);
    EXPECT_EQ(box.FOriginWidth, 120);
    EXPECT_EQ(box.FOriginHeight, 60);
    EXPECT_EQ(text(editor), u"Chữ trước hộp"); // floated: no mark in the text

    // The record round trip keeps what the dialog gave.
    const Bytes saved = data(editor);
    EXPECT_EQ(undo_steps(), steps + 1);
    engine(editor).Undo();
    EXPECT_EQ(list().Count(), 0);
    ASSERT_TRUE(load(other = make_editor(), saved));
    ASSERT_EQ(Internals(engine(other)).FObjects->Count(), 1);
}

TEST_F(ObjectDialogs, ATextBoxNarrowerThan16IsRefusedAndCancelLeavesNothing) {
    answer([](HWND d) {
        set_text(d, TextContent, u"x");
        set_spin(d, ObjWidth, 15);
        set_spin(d, ObjHeight, 40);
        click(d, IDOK); // refused: the dialog stays
        click(d, IDCANCEL);
    });
    const int steps = undo_steps();
    SendMessageW(editor, EFM_INSERTOBJECT, 10, 0);
    EXPECT_EQ(dialogs, 1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(u"Please specify the width and the height of textbox!"), std::u16string::npos);
    EXPECT_EQ(list().Count(), 0);
    EXPECT_EQ(undo_steps(), steps);
}

TEST_F(ObjectDialogs, EnteringTheHeightFillsInWhatTheTextNeeds) {
    int filled = 0;
    answer([&filled](HWND d) {
        set_text(d, TextContent, u"Một hai ba bốn năm sáu bảy tám chín mười");
        set_spin(d, ObjWidth, 60);
        SendMessageW(item(d, ObjPages), ZPCM_SETPAGE, 1, 0);
        SetFocus(item(d, ObjHeight));
        filled = static_cast<int>(SendMessageW(item(d, ObjHeight), ZSEM_GETPOS, 0, 0));
        click(d, IDCANCEL);
    });
    SendMessageW(editor, EFM_INSERTOBJECT, 10, 0);
    // Several wrapped lines and the frame's insets.
    EXPECT_GT(filled, 3 * 10 + 16);
}

TEST_F(ObjectDialogs, MarginsThatLeaveNoRoomAreRefused) {
    const RECT bound = Internals(engine(editor)).edInfo.eiBoundRect;
    const int across = (bound.right - bound.left) * 72 / 96; // the whole text area, in points
    answer([across](HWND d) {
        set_text(d, TextContent, u"x");
        set_spin(d, ObjWidth, 40);
        set_spin(d, ObjHeight, 40);
        set_spin(d, ObjMarginLeft, across / 2);
        set_spin(d, ObjMarginRight, across / 2);
        click(d, IDOK); // refused
        set_spin(d, ObjMarginLeft, 2);
        set_spin(d, ObjMarginRight, 2);
        click(d, IDOK);
    });
    SendMessageW(editor, EFM_INSERTOBJECT, 10, 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(u"The margins are too large."), std::u16string::npos);
    ASSERT_EQ(list().Count(), 1);
    const double left = list().Item(0)->Info.oiMargins.omLeft; // a packed field, read by value
    EXPECT_EQ(left, 2.0);
}

TEST_F(ObjectDialogs, APictureFileBecomesAnInlinePictureWithItsDescription) {
    const auto bmp = temp_file("dialog-picture.bmp", bmp_file(40, 30, 200, 20, 20));
    bool layout_follows_floated = false;
    answer([&](HWND d) {
        set_text(d, ObjFileName, bmp.u16string().c_str());
        set_text(d, ObjDescription, u"logo");
        click(d, ObjFloated); // on: the layout controls wake
        layout_follows_floated = IsWindowEnabled(item(d, ObjWrap));
        click(d, ObjFloated); // off again: inline
        layout_follows_floated = layout_follows_floated && !IsWindowEnabled(item(d, ObjWrap)) &&
                                 !IsWindowEnabled(item(d, ObjMarginBottom));
        EXPECT_NE(texts(d).find(u"40 x 30 pixels"), std::u16string::npos);
        click(d, IDOK);
    });
    SendMessageW(editor, EFM_INSERTOBJECT, 2, 0);
    EXPECT_TRUE(layout_follows_floated);
    ASSERT_EQ(list().Count(), 1);
    const auto& picture = *list().Item(0);
    EXPECT_EQ(+picture.Info.oiStyle, objects::osPicture);
    EXPECT_FALSE(picture.Floated());
    EXPECT_STREQ(picture.Info.oiIDText, "logo");
    EXPECT_EQ(picture.FOriginWidth, 40);
    EXPECT_EQ(text(editor).size(), std::u16string(u"Chữ trước hộp").size() + 1); // its mark
}

TEST_F(ObjectDialogs, TheBrowserShowsTheFoldersPicturesAndTakesOneByDoubleClick) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(::testing::TempDir()) / "zeledit-browser";
    fs::remove_all(folder);
    fs::create_directories(folder / "more");
    const auto bytes = bmp_file(20, 10, 0, 0, 200);
    std::ofstream(folder / "only.bmp", std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    std::ofstream(folder / "notes.txt") << "not a picture";
    int width_before = 0, width_after = 0, folders = 0, pictures = 0;
    answer([&](HWND d) {
        RECT r;
        GetWindowRect(d, &r);
        width_before = r.right - r.left;
        set_text(d, ObjFileName, (folder / "missing.bmp").u16string().c_str());
        click(d, ObjExpand);
        GetWindowRect(d, &r);
        width_after = r.right - r.left;
        folders = static_cast<int>(SendMessageW(item(d, ObjFolders), LB_GETCOUNT, 0, 0)); // "..", "more"
        HWND list = item(d, ObjPictures);
        pictures = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        SendMessageW(list, LB_SETCURSEL, 0, 0);
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(ObjPictures, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
        headless::PumpMessages();
        EXPECT_TRUE(headless::WritePng(d, (::testing::TempDir() + "object-dialog-browser.png").c_str()));
        click(d, IDOK);
    });
    SendMessageW(editor, EFM_INSERTOBJECT, 2, 0);
    EXPECT_GT(width_after, width_before);
    EXPECT_EQ(folders, 2);
    EXPECT_EQ(pictures, 1);
    ASSERT_EQ(list().Count(), 1);
    EXPECT_EQ(list().Item(0)->FOriginWidth, 20);
}

TEST_F(ObjectDialogs, AFileThatIsNotABitmapIsRefusedWithItsReason) {
    const auto fake = temp_file("not-a-picture.bmp", {'B', 'M', 'x', 'y'});
    answer([&](HWND d) {
        click(d, IDOK); // no name yet
        set_text(d, ObjFileName, fake.u16string().c_str());
        click(d, IDOK);
        set_text(d, ObjFileName, u"/no/such/file.bmp");
        click(d, IDOK);
        click(d, IDCANCEL);
    });
    SendMessageW(editor, EFM_INSERTOBJECT, 2, 0);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_NE(boxes[0].find(u"Please specify the picture filename!"), std::u16string::npos);
    EXPECT_NE(boxes[1].find(u"This isn't a bitmap file or it may be corrupted."), std::u16string::npos);
    EXPECT_NE(boxes[2].find(u"Cannot found the specified file!"), std::u16string::npos);
    EXPECT_EQ(list().Count(), 0);
}

TEST_F(ObjectDialogs, TheBrowseButtonTakesTheFileDialogsAnswer) {
    const auto bmp = temp_file("browsed.bmp", bmp_file(8, 8, 0, 0, 255));
    std::u16string title;
    SetFileDialogHook([&](const FileDialogRequest& r) -> std::optional<FileDialogAnswer> {
        title = r.title;
        return FileDialogAnswer{bmp.u16string()};
    });
    answer([](HWND d) {
        click(d, ObjBrowse);
        click(d, IDOK);
    });
    SendMessageW(editor, EFM_INSERTOBJECT, 2, 0);
    EXPECT_EQ(title, u"Insert Picture from file");
    ASSERT_EQ(list().Count(), 1);
    EXPECT_EQ(list().Item(0)->FOriginWidth, 8);
}

TEST_F(ObjectDialogs, AnImageForATransparentPictureCanBeReducedTo256Colours) {
    const auto bmp = temp_file("for-dex.bmp", bmp_file(32, 16, 30, 160, 90));
    for (bool reduce : {false, true}) {
        answer([&](HWND d) {
            set_text(d, ObjFileName, bmp.u16string().c_str());
            if (reduce) click(d, ObjConvert8);
            click(d, IDOK);
        });
        SendMessageW(editor, EFM_INSERTOBJECT, 11, 0);
    }
    ASSERT_EQ(list().Count(), 2);
    const auto depth = [&](int i) {
        return platform::dibGetBits(static_cast<platform::HDIBOBJ>(list().Item(i)->GetData()));
    };
    EXPECT_EQ(+list().Item(1)->Info.oiStyle, objects::osDEX);
    EXPECT_EQ(depth(0), 24);
    EXPECT_EQ(depth(1), 8);
    EXPECT_EQ(list().Item(1)->FOriginWidth, 32);
}

TEST_F(ObjectDialogs, ALinkedSoundKeepsItsFileNameAndNoData) {
    SendMessageW(editor, EFM_SETEDITTYPE, 0, 0x1000); // expert mode offers the link
    answer([](HWND d) {
        EXPECT_TRUE(IsWindowVisible(item(d, ObjLink)));
        set_text(d, ObjFileName, u"/sounds/chime.wav");
        click(d, ObjLink);
        click(d, IDOK);
    });
    SendMessageW(editor, EFM_INSERTOBJECT, 4, 0);
    ASSERT_EQ(list().Count(), 1);
    const auto& sound = static_cast<const objects::TSoundObject&>(*list().Item(0));
    EXPECT_EQ(+sound.Info.oiLink, 1);
    EXPECT_STREQ(sound.Info.oiIDText, "/sounds/chime.wav");
    EXPECT_FALSE(sound.Wave);
}

TEST_F(ObjectDialogs, PlayIsOfferedOnlyForAFileThatExistsAndItsWaveIsStored) {
    const std::vector<char> wave = {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'};
    const auto path = temp_file("chime.wav", wave);
    bool before = true, after = false;
    answer([&](HWND d) {
        set_text(d, ObjFileName, u"/no/such/sound.wav");
        before = IsWindowEnabled(item(d, ObjPlay));
        set_text(d, ObjFileName, path.u16string().c_str());
        after = IsWindowEnabled(item(d, ObjPlay));
        click(d, IDOK);
    });
    SendMessageW(editor, EFM_INSERTOBJECT, 4, 0);
    EXPECT_FALSE(before);
    EXPECT_TRUE(after);
    ASSERT_EQ(list().Count(), 1);
    const auto& sound = static_cast<const objects::TSoundObject&>(*list().Item(0));
    ASSERT_TRUE(sound.Wave);
    platform::LockedBlock stored(sound.Wave.get());
    EXPECT_EQ(stored.size(), wave.size());
}

TEST_F(ObjectDialogs, WithoutExpertModeTheLinkIsNotOffered) {
    bool visible = true;
    answer([&visible](HWND d) {
        visible = IsWindowVisible(item(d, ObjLink));
        click(d, IDCANCEL);
    });
    SendMessageW(editor, EFM_INSERTOBJECT, 4, 0);
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(visible);
}

TEST_F(ObjectDialogs, ACaptionTakesTheCharacterTypedAndSelected) {
    answer([](HWND d) {
        set_text(d, CapCharacter, u"Đ");
        click(d, CapSelect);
        click(d, CapTransparent); // off
        click(d, IDOK);
    });
    SendMessageW(editor, EFM_INSERTOBJECT, 7, 0);
    ASSERT_EQ(list().Count(), 1);
    const auto& caption = static_cast<const objects::TCaptionObject&>(*list().Item(0));
    EXPECT_EQ(+caption.FProps.ciText, +u'Đ');
    EXPECT_EQ(+caption.FProps.ciTransparent, 0);
    EXPECT_EQ(+caption.FProps.ciFormat.ftHeight, 20);
    EXPECT_TRUE(caption.Floated());
}

TEST_F(ObjectDialogs, FormatOpensTheFontDialogOnTheCaptionsAndTheTextBoxsCharacters) {
    int fonts = 0;
    SetDialogHook([&](HWND d) {
        if (HWND styles = item(d, FontStyleList)) { // the nested font dialog: bold
            ++fonts;
            SendMessageW(styles, LB_SETCURSEL, 1, 0);
            SendMessageW(d, WM_COMMAND, MAKEWPARAM(FontStyleList, LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(styles));
            click(d, IDOK);
            return;
        }
        const bool caption = item(d, CapFormat) != nullptr;
        click(d, caption ? CapFormat : TextFormat);
        if (!caption) {
            set_text(d, TextContent, u"đậm");
            set_spin(d, ObjWidth, 80);
            set_spin(d, ObjHeight, 40);
        }
        click(d, IDOK);
    });
    SendMessageW(editor, EFM_INSERTOBJECT, 7, 0);
    SendMessageW(editor, EFM_INSERTOBJECT, 10, 0);
    EXPECT_EQ(fonts, 2);
    ASSERT_EQ(list().Count(), 2);
    const auto& caption = static_cast<const objects::TCaptionObject&>(*list().Item(0));
    const auto& box = static_cast<const objects::TTextObject&>(*list().Item(1));
    EXPECT_EQ(caption.FProps.ciFormat.ftAttr & 1, 1);
    EXPECT_EQ(+caption.FProps.ciFormat.ftHeight, 20); // the rest as it was
    EXPECT_EQ(box.FProps.tiFormat.ftAttr & 1, 1);
}

TEST_F(ObjectDialogs, AClickOnTheCharacterMapPicksTheCharacterUnderTheMouse) {
    answer([](HWND d) {
        HWND map = item(d, CapMap);
        POINT cell{18 * 2 + 9, 9}; // the third cell of the first row: '#'
        ClientToScreen(map, &cell);
        headless::MouseDown(headless::Button::Left, cell.x, cell.y);
        headless::MouseUp(headless::Button::Left, cell.x, cell.y);
        headless::PumpMessages();
        click(d, IDOK);
    });
    SendMessageW(editor, EFM_INSERTOBJECT, 7, 0);
    ASSERT_EQ(list().Count(), 1);
    EXPECT_EQ(+static_cast<const objects::TCaptionObject&>(*list().Item(0)).FProps.ciText, +u'#');
}

TEST_F(ObjectDialogs, ADoubleClickChangesATextBoxAndCancelKeepsItAsItWas) {
    answer([](HWND d) {
        set_text(d, TextContent, u"trước");
        set_spin(d, ObjWidth, 100);
        set_spin(d, ObjHeight, 50);
        click(d, IDOK);
    });
    SendMessageW(editor, EFM_INSERTOBJECT, 10, 0);
    ASSERT_EQ(list().Count(), 1);
    InvalidateRect(editor, nullptr, FALSE);
    UpdateWindow(editor); // placed where it is drawn
    auto& box = static_cast<objects::TTextObject&>(*list().Item(0));

    answer([](HWND d) { click(d, IDCANCEL); });
    double_click_object(box);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(box.FContent, u"trước");

    answer([](HWND d) {
        char16_t shown[32] = {};
        GetWindowTextW(item(d, TextContent), shown, 32);
        EXPECT_EQ(std::u16string(shown), u"trước");
        set_text(d, TextContent, u"sau khi sửa");
        click(d, IDOK);
    });
    double_click_object(box);
    EXPECT_EQ(box.FContent, u"sau khi sửa");
    EXPECT_EQ(+box.Info.oiSize, objects::TTextObject::PropsSize + 4 + box.ContentBytes());
}

TEST_F(ObjectDialogs, ADrawingIsChangedThroughItsWholeForm) {
    TDrawingInfo shape{};
    shape.diStyle = 1;
    shape.diWidth = 1;
    shape.diOutline = 1;
    auto& list_ = list();
    list_.AddObject(
        objects::CreateDrawingObj(&Internals(engine(editor)).edInfo, 1, {20, 20, 120, 80}, shape));
    InvalidateRect(editor, nullptr, FALSE);
    UpdateWindow(editor);
    answer([](HWND d) {
        click(d, DrawEllipse);
        set_spin(d, ObjWidth, 150);
        click(d, IDOK);
    });
    double_click_object(*list_.Item(0));
    EXPECT_EQ(dialogs, 1);
    const auto& drawing = static_cast<const objects::TDrawingObj&>(*list_.Item(0));
    EXPECT_EQ(+drawing.FProps.diStyle, 2);
    EXPECT_EQ(drawing.FOriginWidth, 150);
}

TEST_F(ObjectDialogs, AnAnimationTakesItsFramesFromOneBitmap) {
    const auto strip = temp_file("strip.bmp", bmp_file(120, 20, 0, 120, 0));
    SetFileDialogHook([&](const FileDialogRequest&) -> std::optional<FileDialogAnswer> {
        return FileDialogAnswer{strip.u16string()};
    });
    answer([](HWND d) {
        click(d, IDOK); // no bitmap yet
        click(d, AnimLoad);
        set_spin(d, AnimFrames, 4);
        set_spin(d, AnimInterval, 3);
        click(d, IDOK);
    });
    SendMessageW(editor, EFM_INSERTOBJECT, 3, 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(u"Pleases select a bitmap file!"), std::u16string::npos);
    ASSERT_EQ(list().Count(), 1);
    const auto& animation = static_cast<const objects::TAnimateObj&>(*list().Item(0));
    EXPECT_EQ(+animation.Info.oiStyle, objects::osAnimate);
    EXPECT_EQ(+animation.Info.oiData, 4 * 65536 + 3);
    EXPECT_EQ(animation.FrameCount(), 4);
    EXPECT_EQ(animation.FOriginWidth, 30);
}

TEST_F(ObjectDialogs, TheInsertCommandsAndRoutinesOpenTheirKindsDialog) {
    std::u16string title;
    answer([&title](HWND d) {
        char16_t buffer[64] = {};
        GetWindowTextW(d, buffer, 64);
        title = buffer;
        click(d, IDCANCEL);
    });
    const std::pair<int, const char16_t*> commands[] = {
        {1009, u"Picture Object Attributes"},    {1010, u"Animated Object Properties"},
        {1011, u"JPEG Image Object Attributes"}, {1012, u"Caption Object Properties"},
        {1014, u"Sound Object Properties"},      {1023, u"Metafile Image Object Attributes"},
        {1025, u"Textbox Attributes"},           {1026, u"Image Object Attributes"}};
    for (const auto& [command, expected] : commands) {
        title.clear();
        SendMessageW(editor, WM_COMMAND, static_cast<WPARAM>(command), 0);
        EXPECT_EQ(title, expected) << command;
    }
    const std::pair<int, const char16_t*> routines[] = {
        {0, u"Animated Object Properties"},        {1, u"Picture Object Attributes"},
        {2, u"Sound Object Properties"},           {4, u"Caption Object Properties"},
        {5, u"JPEG Image Object Attributes"},      {82, u"Image Object Attributes"},
        {83, u"Metafile Image Object Attributes"}, {84, u"Textbox Attributes"}};
    for (const auto& [routine, expected] : routines) {
        title.clear();
        engine(editor).ExecuteRoutine(static_cast<std::uint16_t>(routine));
        EXPECT_EQ(title, expected) << routine;
    }
    // A read-only editor inserts nothing.
    SendMessageW(editor, EFM_SETEDITTYPE, 0, 0x1);
    title.clear();
    SendMessageW(editor, WM_COMMAND, 1025, 0);
    engine(editor).ExecuteRoutine(84);
    EXPECT_TRUE(title.empty());
    EXPECT_EQ(list().Count(), 0);
}

TEST_F(ObjectDialogs, EveryDialogIsDrawnInBothLanguages) {
    int shown = 0;
    for (int language : {0, 1}) {
        SendMessageW(editor, EFM_SETLANGUAGE, static_cast<WPARAM>(language), 0);
        for (int code : {2, 3, 4, 6, 7, 9, 10, 11}) {
            answer([code, language, &shown](HWND d) {
                ++shown;
                const std::string name =
                    "object-dialog-" + std::to_string(code) + (language ? "-en" : "-vi") + ".png";
                EXPECT_TRUE(headless::WritePng(d, (::testing::TempDir() + name).c_str()));
                SendMessageW(item(d, ObjPages), ZPCM_SETPAGE, 1, 0);
                headless::PumpMessages();
                const std::string layout =
                    "object-dialog-" + std::to_string(code) + "-layout" + (language ? "-en" : "-vi") + ".png";
                EXPECT_TRUE(headless::WritePng(d, (::testing::TempDir() + layout).c_str()));
                click(d, IDCANCEL);
            });
            SendMessageW(editor, EFM_INSERTOBJECT, static_cast<WPARAM>(code), 0);
        }
    }
    EXPECT_EQ(shown, 16);
    EXPECT_EQ(list().Count(), 0);
}

} // namespace
} // namespace zeledit::test
