// A document holding one object of every kind besides its text (bitmap, animation, JPEG
// image, metafile, DEX image, sound, caption, text box, drawing, host object): saved and
// loaded back with every object intact, copied and pasted, and painted to a PNG.
#include "e2e/document_test.h"
#include "engine/editor_internals.h"
#include "objects/caption_text_objects.h"
#include "objects/drawing_object.h"
#include "objects/external_object.h"
#include "objects/image_objects.h"
#include "objects/picture_object.h"
#include "objects/sound_object.h"
#include "support/sample_files.h"

#include <zeledit/editor_commands.h>
#include <zeledit/headless.h>

namespace zeledit::test {
namespace {

TCharFormat format_of(const char* face, std::int16_t points, COLORREF color) {
    TCharFormat f{};
    std::strncpy(f.ftFaceName, face, sizeof f.ftFaceName - 1);
    f.ftHeight = points;
    f.ftScale = 100;
    f.ftColor = color;
    return f;
}

class ObjectKinds : public DocumentBlock {
protected:
    // Adds the object: an inline one with its mark at the end of the text, a floated one
    // anchored there.
    void add(std::unique_ptr<objects::TObjectItem> object) {
        auto e = Internals(engine(editor));
        const std::uint8_t id = object->ID();
        const bool floated = object->Floated();
        object->Info.oiAnchorAt = e.FBuffer->TextLength();
        e.FObjects->AddObject(std::move(object));
        const char16_t mark = 1;
        if (!floated) {
            ASSERT_TRUE(e.FBuffer->InsertChar(&mark, id, 1, e.FBuffer->TextLength()));
        }
    }
    TObjectInfo record(std::uint16_t style, bool floated, std::uint16_t width, std::uint16_t height) {
        TObjectInfo r{};
        r.oiStyle = style;
        r.oiID = Internals(engine(editor)).FObjects->GetNewID();
        r.oiFloated = floated ? 1 : 0;
        r.oiWidth = width;
        r.oiHeight = height;
        r.oiMargins = {4, 4, 4, 4};
        r.oiWrapText = 1;
        return r;
    }
    // A bitmap, an animation, a JPEG image, a metafile, a DEX image and a host object, inline.
    void add_pictures() {
        auto e = Internals(engine(editor));
        std::vector<std::uint32_t> argb(48 * 16);
        for (std::size_t i = 0; i < argb.size(); ++i) argb[i] = i % 48 < 24 ? 0xFFE04020 : 0xFF2040E0;
        const auto dib = [&] { return platform::UniqueGlobal(platform::make_packed_dib(48, 16, argb)); };
        add(std::make_unique<objects::TPictureObj>(&e.edInfo, record(objects::osPicture, false, 48, 16),
                                                   dib()));
        TObjectInfo animation = record(objects::osAnimate, false, 24, 16);
        animation.oiData = 2 * 65536 + 3;
        add(std::make_unique<objects::TAnimateObj>(&e.edInfo, animation, dib()));
        add(std::make_unique<objects::TJPEGObject>(&e.edInfo, record(objects::osJPEG, false, 16, 16),
                                                   objects::TJPEGImage::Load(jpeg_file())));
        add(std::make_unique<objects::TMetaObject>(&e.edInfo, record(objects::osMeta, false, 40, 20),
                                                   objects::TMetafile::Load(sample_emf())));
        objects::UniqueDibObject dex(platform::CreateDibObject(24));
        platform::dibSetHandle(dex.get(), dib().release());
        add(std::make_unique<objects::TDEXObject>(&e.edInfo, record(objects::osDEX, false, 48, 16),
                                                  std::move(dex)));
        add(std::make_unique<objects::TExternalObj>(&e.edInfo, editor, record(300, false, 30, 16), 0));
    }
    void fill() {
        auto e = Internals(engine(editor));
        put(editor, u"Âm thanh, chữ hoa, hộp chữ và hình vẽ: ");
        const std::vector<std::uint8_t> wave = {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'};
        add(std::make_unique<objects::TSoundObject>(
            &e.edInfo, editor, record(objects::osSound, false, 20, 20), platform::copy_to_global(wave)));
        const TCaptionInfoW caption{u'Đ', format_of("DejaVu Serif", 40, RGB(150, 0, 0)), RGB(255, 240, 200),
                                    0};
        add(std::make_unique<objects::TCaptionObject>(&e.edInfo, record(objects::osCaption, true, 0, 0),
                                                      caption));
        // Both float at the left: the text box further down the text.
        put(editor, u"Chữ hoa đứng đầu đoạn.\rĐoạn thứ hai.\rĐoạn thứ ba.\rĐoạn thứ tư có hộp chữ: ");
        TObjectInfo box_record = record(objects::osText, true, 120, 50);
        const TTextInfo box{
            format_of("DejaVu Sans", 10, RGB(0, 0, 120)), RGB(230, 240, 255), 1, 1, RGB(0, 0, 0), 1};
        add(std::make_unique<objects::TTextObject>(&e.edInfo, box_record, box, u"Hộp chữ giữa khung"));
        const TDrawingInfo shape{2, {60, 40}, 2, RGB(0, 120, 0), RGB(200, 255, 200), 1, 1};
        TObjectInfo shape_record = record(objects::osDrawing, true, 60, 40);
        shape_record.oiLayout = 1; // at the right
        add(std::make_unique<objects::TDrawingObj>(&e.edInfo, shape_record, shape));
        put(editor, u" — hết.\rẢnh: ");
        add_pictures();
        SendMessageW(editor, EFM_REFRESH, 0, 0); // laid out: floated objects take their places
    }
};

TEST_F(ObjectKinds, EveryKindSurvivesSaveAndLoad) {
    fill();
    const Bytes first = data(editor);
    EXPECT_EQ(+header(first).ObjectCount, 10);
    ASSERT_TRUE(load(other, first));
    const auto& loaded = *Internals(engine(other)).FObjects;
    ASSERT_EQ(loaded.Count(), 10);
    const std::uint16_t kinds[] = {
        objects::osSound,   objects::osCaption, objects::osText, objects::osDrawing, objects::osPicture,
        objects::osAnimate, objects::osJPEG,    objects::osMeta, objects::osDEX,     300};
    for (std::int32_t i = 0; i < 10; ++i) EXPECT_EQ(+loaded.Item(i)->Info.oiStyle, kinds[i]) << i;
    EXPECT_EQ(static_cast<const objects::TTextObject*>(loaded.Item(2))->FContent, u"Hộp chữ giữa khung");
    for (std::int32_t i = 4; i < 9; ++i) EXPECT_NE(loaded.Item(i)->GetData(), nullptr) << i; // data came back
    const Bytes second = data(other);
    ASSERT_EQ(second.size(), first.size());
    const auto differ = std::mismatch(first.begin(), first.end(), second.begin());
    EXPECT_EQ(differ.first, first.end()) << "first difference at byte " << (differ.first - first.begin());
}

TEST_F(ObjectKinds, ACopiedSoundKeepsItsWave) {
    fill();
    const auto length = static_cast<WORD>(Internals(engine(editor)).FBuffer->TextLength());
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(0, length));
    SendMessageW(editor, WM_COPY, 0, 0);
    SendMessageW(other, WM_PASTE, 0, 0);
    // The text carries the objects whose marks it holds: the inline ones, the sound first.
    const auto& pasted = *Internals(engine(other)).FObjects;
    ASSERT_EQ(pasted.Count(), 7);
    ASSERT_EQ(+pasted.Item(0)->Info.oiStyle, objects::osSound);
    EXPECT_EQ(+pasted.Item(6)->Info.oiStyle, 300); // and the host's
    const auto& sound = static_cast<const objects::TSoundObject&>(*pasted.Item(0));
    platform::LockedBlock wave(sound.Wave.get());
    EXPECT_EQ(Bytes(wave.bytes().begin(), wave.bytes().end()),
              (Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}));
}

TEST_F(ObjectKinds, TheSelectedFloatedObjectIsOrderedDeletedButNotCutAway) {
    fill();
    DestroyWindow(other); // it lay over the editor
    UpdateWindow(editor);
    headless::PumpMessages();
    auto& list = *Internals(engine(editor)).FObjects;
    ASSERT_EQ(list.Count(), 10);
    objects::TObjectItem* shape = list.Item(3);
    const RECT r = shape->ObjectRect();
    POINT over{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(editor, &over);
    headless::MouseMove(over.x, over.y); // the mouse selects it
    headless::PumpMessages();
    SendMessageW(editor, WM_COMMAND, EFC_OBJECTTOBACK, 0);
    EXPECT_EQ(list.Item(0), shape); // drawn first now
    SendMessageW(editor, WM_COMMAND, EFC_OBJECTCUT, 0);
    EXPECT_EQ(list.Count(), 10); // a drawing cannot go to the clipboard: it stays
    const auto steps = Internals(engine(editor)).FUndoObj->Count();
    SendMessageW(editor, WM_COMMAND, EFC_OBJECTDELETE, 0);
    EXPECT_EQ(list.Count(), 9);
    EXPECT_EQ(Internals(engine(editor)).FUndoObj->Count(), steps + 1);
    SendMessageW(editor, WM_COMMAND, EFC_OBJECTDELETE, 0); // nothing selected any more
    EXPECT_EQ(list.Count(), 9);
}

TEST_F(ObjectKinds, TheDocumentPaintsToAPng) {
    fill();
    SetWindowPos(editor, nullptr, 0, 0, 480, 300, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageW(editor, EFM_REFRESH, 0, 0);
    UpdateWindow(editor);
    headless::PumpMessages();
    const auto path = std::filesystem::current_path() / "object-kinds.png";
    ASSERT_TRUE(headless::WritePng(editor, path.string().c_str()));
    // The drawing's fill shows somewhere in the window.
    RECT client;
    GetClientRect(editor, &client);
    int fill = 0;
    for (int y = 0; y < client.bottom; y += 2)
        for (int x = 0; x < client.right; x += 2)
            fill += (headless::PixelAt(editor, x, y) & 0xFFFFFF) == 0xC8FFC8;
    EXPECT_GT(fill, 20);
}

} // namespace
} // namespace zeledit::test
