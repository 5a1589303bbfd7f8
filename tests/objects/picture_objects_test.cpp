// Bitmap pictures and animations: validation, the stored table, copying, linked data,
// frames under the timer and drawing.
#include "objects/objects_test.h"

#include <zeledit/editor_messages.h>

namespace zeledit::test {
namespace {

using objects::CheckPackedDib;
using objects::TAnimateObj;
using objects::TPictureObj;

constexpr COLORREF red = RGB(255, 0, 0), green = RGB(0, 255, 0), dark_red = RGB(128, 0, 0),
                   white = RGB(255, 255, 255);

std::vector<std::uint8_t> dib_bytes(int width, int height, std::vector<std::uint32_t> bands = {0xFF0000}) {
    auto dib = make_dib(width, height, std::move(bands));
    return block_bytes(dib.get());
}

template <class T> void poke(std::vector<std::uint8_t>& b, std::size_t at, T v) {
    std::memcpy(b.data() + at, &v, sizeof v);
}

TEST(PackedDibs, HeadersAreCheckedBeforeAnythingIsDrawn) {
    headless::Reset();
    auto good = dib_bytes(33, 10);
    const auto size = CheckPackedDib(good);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 33);
    EXPECT_EQ(size->height, 10);
    auto top_down = good;
    poke<std::int32_t>(top_down, 8, -10);
    ASSERT_TRUE(CheckPackedDib(top_down));
    EXPECT_EQ(CheckPackedDib(top_down)->height, 10);
    auto bad = good;
    poke<std::uint32_t>(bad, 0, 12); // header size
    EXPECT_FALSE(CheckPackedDib(bad));
    bad = good;
    poke<std::uint16_t>(bad, 12, 2); // planes
    EXPECT_FALSE(CheckPackedDib(bad));
    bad = good;
    poke<std::uint16_t>(bad, 14, 3); // bits per pixel
    EXPECT_FALSE(CheckPackedDib(bad));
    bad = good;
    poke<std::int32_t>(bad, 8, 11); // one row more than the block holds
    EXPECT_FALSE(CheckPackedDib(bad));
    bad = good;
    poke<std::uint32_t>(bad, 16, BI_RLE8); // compressed, with no image size
    EXPECT_FALSE(CheckPackedDib(bad));
    EXPECT_FALSE(CheckPackedDib(std::span(good).first(39)));
    EXPECT_FALSE(CheckPackedDib({}));
}

TEST_F(ObjectTest, BitmapFilesMustBeWholeAndStartWithTheirSignature) {
    auto dib = dib_bytes(4, 2);
    std::vector<std::uint8_t> file{'B', 'M'};
    file.resize(14);
    file.insert(file.end(), dib.begin(), dib.end());
    poke<std::uint32_t>(file, 2, static_cast<std::uint32_t>(file.size()));
    auto picture = TPictureObj::CreateFromDIBFile(&info, 3, file);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(+picture->Info.oiSize, dib.size());
    EXPECT_EQ(+picture->Info.oiWidth, 4);
    EXPECT_EQ(block_bytes(picture->GetData()), dib);
    auto wrong = file;
    wrong[1] = 'X';
    EXPECT_EQ(TPictureObj::CreateFromDIBFile(&info, 3, wrong), nullptr);
    wrong = file;
    poke<std::uint32_t>(wrong, 2, 9999); // the size field disagrees with the file
    EXPECT_EQ(TPictureObj::CreateFromDIBFile(&info, 3, wrong), nullptr);
    EXPECT_EQ(TPictureObj::CreateFromDIBFile(&info, 3, std::span(file).first(53)), nullptr);
}

TEST_F(ObjectTest, TheTableRoundTripsEveryPictureKind) {
    auto& picture = add_picture(1, 20, 10);
    picture.Fit(15, 100);
    auto animation = picture_info(2, objects::osAnimate);
    animation.oiData = (3 << 16) | 2;
    animation.oiFloated = 1;
    animation.oiPosition = 40;
    animation.oiAnchorAt = 5;
    list->AddObject(
        std::make_unique<TAnimateObj>(&info, animation, make_dib(300, 20, {0xFF0000, 0xFF00, 0xFF})));
    auto linked = picture_info(3);
    linked.oiLink = 1;
    std::strcpy(linked.oiIDText, "logo");
    list->AddObject(std::make_unique<TPictureObj>(&info, linked, platform::UniqueGlobal{}));

    const std::size_t size = list->GetSize();
    EXPECT_EQ(size, picture.GetDataSize() + list->Item(1)->GetDataSize() + 200);
    EXPECT_EQ(picture.GetDataSize(), 200 + GlobalSize(picture.GetData()));
    std::vector<std::uint8_t> stored(size + 8);
    EXPECT_EQ(list->SaveTo(stored.data(), 8), size + 8);

    objects::TEditorObjects copy(&info);
    ASSERT_EQ(copy.LoadFrom(stored, 8, 3), size + 8);
    ASSERT_EQ(copy.Count(), 3);
    const auto& p = *copy.Item(0);
    EXPECT_EQ(+p.Info.oiWidth, 20); // stored at the natural size
    EXPECT_EQ(block_bytes(p.GetData()), block_bytes(picture.GetData()));
    const auto& a = dynamic_cast<const TAnimateObj&>(*copy.Item(1));
    EXPECT_EQ(+a.Info.oiStyle, objects::osAnimate);
    EXPECT_EQ(a.FOriginWidth, 100);
    EXPECT_EQ(+a.Info.oiPosition, 40);
    EXPECT_EQ(+a.Info.oiAnchorAt, 5u);
    EXPECT_TRUE(a.Floated());
    const auto& l = *copy.Item(2);
    EXPECT_EQ(+l.Info.oiSize, 0u);
    EXPECT_EQ(l.GetData(), nullptr);
    EXPECT_STREQ(l.Info.oiIDText, "logo");
    EXPECT_EQ(l.FOriginWidth, 10);
}

TEST_F(ObjectTest, MalformedTablesAreRefusedWhole) {
    auto good = stored_record(picture_info(1), dib_bytes(4, 4));
    auto table = good;
    table.insert(table.end(), good.begin(), good.end());
    poke<std::uint8_t>(table, good.size() + 2, 2);
    // A size that runs past the block.
    auto cut = table;
    poke<std::uint32_t>(cut, good.size() + 136, 0xFFFFFFF0);
    EXPECT_FALSE(list->LoadFrom(cut, 0, 2));
    EXPECT_EQ(list->Count(), 0);
    EXPECT_FALSE(list->LoadFrom(std::span(table).first(table.size() - 1), 0, 2));
    EXPECT_FALSE(list->LoadFrom(table, table.size() + 5, 1));
    EXPECT_EQ(list->Count(), 0);
    // Counts outside 1..255 leave the table unread.
    EXPECT_EQ(list->LoadFrom(table, 0, 0), 0u);
    EXPECT_EQ(list->LoadFrom(table, 0, 256), 0u);
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->LoadFrom(table, 0, 0x10002), table.size()); // the count is 16-bit
    EXPECT_EQ(list->Count(), 2);
}

TEST_F(ObjectTest, RecordsThatMakeNothingAreSkippedByTheirStoredSize) {
    auto none = stored_record(picture_info(1, objects::osNone), std::vector<std::uint8_t>(37, 0xAB));
    auto unknown = stored_record(picture_info(2, 77), std::vector<std::uint8_t>(5));
    auto broken = stored_record(picture_info(3), std::vector<std::uint8_t>(60, 0x11)); // no DIB header
    auto zero = stored_record(picture_info(4), {});
    auto fine = stored_record(picture_info(5), dib_bytes(2, 2));
    std::vector<std::uint8_t> table;
    for (auto* r : {&none, &unknown, &broken, &zero, &fine}) table.insert(table.end(), r->begin(), r->end());
    ASSERT_EQ(list->LoadFrom(table, 0, 5), table.size());
    ASSERT_EQ(list->Count(), 2);
    EXPECT_EQ(list->Item(0)->ID(), 4); // no data: drawn as a placeholder
    EXPECT_EQ(list->Item(0)->GetData(), nullptr);
    EXPECT_EQ(list->Item(1)->ID(), 5);
}

TEST_F(ObjectTest, OlderGenerationsStoreShorterHeaders) {
    const auto dib = dib_bytes(4, 2);
    // Family 3: the first 147 bytes of the record; a sound there becomes a linked one.
    std::vector<std::uint8_t> table;
    for (std::uint16_t style : {objects::osPicture, objects::osSound, objects::osAnimate}) {
        auto record = stored_record(picture_info(static_cast<std::uint8_t>(style), style), dib);
        poke<std::uint8_t>(record, 145, 1); // floated in the new layout: not read from a short header
        poke<std::int16_t>(record, 141, 7); // oiAction
        std::strcpy(reinterpret_cast<char*>(record.data() + 3), "old");
        record.erase(record.begin() + 147, record.begin() + 200);
        table.insert(table.end(), record.begin(), record.end());
    }
    ASSERT_EQ(list->LoadFrom3(table, 0, 3), table.size());
    ASSERT_EQ(list->Count(), 3);
    const auto& p = *list->Item(0);
    EXPECT_FALSE(p.Floated());
    EXPECT_EQ(+p.Info.oiAction, 7);
    EXPECT_STREQ(p.Info.oiIDText, "old");
    EXPECT_EQ(+p.Info.oiMargins.omTop, 2.0);
    EXPECT_EQ(+p.Info.oiWrapText, 1);
    EXPECT_EQ(p.FOriginWidth, 4);
    EXPECT_EQ(+list->Item(1)->Info.oiStyle, objects::osSound);
    EXPECT_EQ(+list->Item(1)->Info.oiLink, 1);
    EXPECT_NE(dynamic_cast<TAnimateObj*>(list->Item(2)), nullptr);
    list->FreeAll();
    // Families 1 and 2: ID, width, height and size in nine bytes, then the DIB.
    std::vector<std::uint8_t> old(9);
    old[0] = 6;
    poke<std::uint16_t>(old, 1, 4);
    poke<std::uint16_t>(old, 3, 2);
    poke<std::uint32_t>(old, 5, static_cast<std::uint32_t>(dib.size()));
    old.insert(old.end(), dib.begin(), dib.end());
    ASSERT_EQ(list->LoadFrom2(old, 0, 1), old.size());
    ASSERT_EQ(list->Count(), 1);
    EXPECT_EQ(list->Item(0)->ID(), 6);
    EXPECT_EQ(block_bytes(list->Item(0)->GetData()), dib);
    EXPECT_FALSE(list->LoadFrom2(std::span(old).first(old.size() - 1), 0, 1));
}

TEST_F(ObjectTest, A255ObjectTableLoadsWhole) {
    std::vector<std::uint8_t> table;
    for (int id = 1; id <= 255; ++id) {
        auto r = stored_record(picture_info(static_cast<std::uint8_t>(id)), {});
        table.insert(table.end(), r.begin(), r.end());
    }
    ASSERT_EQ(list->LoadFrom(table, 0, 255), table.size());
    EXPECT_EQ(list->Count(), 255);
    EXPECT_EQ(list->GetNewID(), 0);
}

TEST_F(ObjectTest, ClashingIdsAreRenumberedAndTheirMarksFollow) {
    std::vector<std::uint8_t> table;
    for (std::uint8_t id : {5, 5, 0, 2}) {
        auto r = stored_record(picture_info(id), {});
        table.insert(table.end(), r.begin(), r.end());
    }
    ASSERT_TRUE(list->LoadFrom(table, 0, 4));
    std::vector<int> ids;
    for (int i = 0; i < list->Count(); ++i) ids.push_back(list->Item(i)->ID());
    EXPECT_EQ(ids, (std::vector<int>{5, 1, 3, 2}));
    put_text(u"\x01\x01\x01\x01\x01x", {5, 5, 0, 9, 2, 0});
    list->ReconcileMarks(*buffer);
    EXPECT_EQ(std::u16string(buffer->Text(), 6), u"\x01\x01\x01 \x01x"); // ID 9 has no object
    EXPECT_EQ(std::vector<int>(buffer->Formats(), buffer->Formats() + 5), (std::vector<int>{5, 1, 3, 0, 2}));
}

TEST_F(ObjectTest, MarksOfFloatedOrAlreadyClaimedObjectsBecomeSpaces) {
    add_picture(1, 4, 4);
    add_picture(2, 4, 4, true);
    put_text(u"\x01\x01\x01", {1, 1, 2});
    list->ReconcileMarks(*buffer);
    EXPECT_EQ(std::u16string(buffer->Text(), 3), u"\x01  ");
}

TEST_F(ObjectTest, AppendedTextCopiesItsObjectsWithNewIds) {
    objects::TEditorObjects source(&info);
    source.AddObject(std::make_unique<TPictureObj>(&info, picture_info(1), make_dib(3, 3, {0xFF})));
    auto animation = picture_info(2, objects::osAnimate);
    animation.oiData = 2 << 16;
    source.AddObject(std::make_unique<TAnimateObj>(&info, animation, make_dib(6, 3, {0xFF})));
    add_picture(1, 4, 4);
    put_text(u"\x01"
             u"ab\x01\x01\x01",
             {1, 0, 0, 1, 2, 7});
    list->AddFrom(source, 3, 3);
    ASSERT_EQ(list->Count(), 3);
    EXPECT_EQ(std::vector<int>(buffer->Formats(), buffer->Formats() + 6),
              (std::vector<int>{1, 0, 0, 2, 3, 0}));
    EXPECT_EQ(buffer->CharAt(5), u' ');
    EXPECT_NE(dynamic_cast<TAnimateObj*>(list->Item(2)), nullptr);
    EXPECT_EQ(block_bytes(list->Item(1)->GetData()), block_bytes(source.Item(0)->GetData()));
    EXPECT_NE(list->Item(1)->GetData(), source.Item(0)->GetData());
}

TEST_F(ObjectTest, AnimationsAdvanceOnTheirDelay) {
    auto record = picture_info(1, objects::osAnimate);
    record.oiData = (3 << 16) | 2;
    TAnimateObj a(&info, record, make_dib(300, 10, {0xFF0000, 0xFF00, 0xFF}));
    EXPECT_EQ(+a.Info.oiWidth, 100);
    EXPECT_EQ(+a.Info.oiHeight, 10);
    Surface s(120, 20);
    a.DrawObject(s.dc(), 0, false, 0, 10);
    std::vector<int> frames;
    for (int tick = 0; tick < 8; ++tick) {
        a.Action(s.dc());
        frames.push_back(a.CurrentFrame);
    }
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 1, 2, 2, 0, 0, 1}));
    EXPECT_EQ(s.at(50, 5), green); // the redraw shows frame 1
    record.oiData = 3 << 16;       // delay 0: every tick
    TAnimateObj fast(&info, record, make_dib(300, 10, {0xFF0000}));
    fast.Action(s.dc());
    EXPECT_EQ(fast.CurrentFrame, 1);
    record.oiData = 1; // no frames counts as one
    TAnimateObj still(&info, record, make_dib(30, 10, {0xFF0000}));
    EXPECT_EQ(+still.Info.oiWidth, 30);
    still.Action(s.dc());
    EXPECT_EQ(still.CurrentFrame, 0);
    TAnimateObj empty(&info, record, {});
    EXPECT_EQ(+empty.Info.oiWidth, 10);
}

LRESULT CALLBACK LinkedDataHost(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == EFN_QUERYDATAOBJ && wp == objects::osPicture &&
        std::string_view(reinterpret_cast<const char*>(lp)) == "logo")
        return reinterpret_cast<LRESULT>(make_dib(7, 3, {0xFF}).release());
    return DefWindowProcW(hwnd, msg, wp, lp);
}

TEST_F(ObjectTest, LinkedPicturesAskTheHostAndStoreOnlyTheirRecord) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = LinkedDataHost;
    wc.lpszClassName = u"LinkedHost";
    ASSERT_NE(RegisterClassW(&wc), 0);
    info.eiWindow =
        CreateWindowExW(0, u"LinkedHost", u"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    auto record = picture_info(1);
    record.oiLink = 1;
    std::strcpy(record.oiIDText, "logo");
    auto stored = stored_record(record, {});
    auto other = record;
    std::strcpy(other.oiIDText, "other");
    auto unanswered = stored_record(other, {});
    stored.insert(stored.end(), unanswered.begin(), unanswered.end());
    ASSERT_TRUE(list->LoadFrom(stored, 0, 2));
    ASSERT_EQ(list->Count(), 2);
    EXPECT_EQ(list->Item(0)->FOriginWidth, 7);
    EXPECT_NE(list->Item(0)->GetData(), nullptr);
    EXPECT_EQ(list->Item(1)->FOriginWidth, 10);
    EXPECT_EQ(list->Item(0)->GetDataSize(), 200u);
    std::vector<std::uint8_t> out(400);
    list->SaveTo(out.data(), 0);
    EXPECT_EQ(out[136], 0);
    DestroyWindow(info.eiWindow);
}

TEST_F(ObjectTest, PicturesCopyToTheClipboardAsDib) {
    auto& p = add_picture(1, 5, 5);
    ASSERT_TRUE(p.CopyToClipboard());
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_DIB);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(block_bytes(data), block_bytes(p.GetData()));
    CloseClipboard();
}

TEST_F(ObjectTest, PicturesDrawAtNaturalSizeScaledOrAsAPlaceholder) {
    Surface s(200, 100);
    auto& natural = add_picture(1, 20, 20);
    natural.DrawObject(s.dc(), 5, false, 0, 25);
    EXPECT_EQ(s.at(5, 5), red);
    EXPECT_EQ(s.at(24, 24), red);
    EXPECT_EQ(s.at(25, 24), white);
    auto& scaled = add_picture(2, 20, 20, true);
    scaled.Info.oiWidth = 40;
    scaled.Info.oiHeight = 60;
    scaled.DrawObject(s.dc(), 40, false, 0, 10);
    EXPECT_EQ(s.at(40, 10), red);
    EXPECT_EQ(s.at(79, 69), red);
    EXPECT_EQ(s.at(80, 69), white);
    auto& hidden = add_picture(3, 30, 30, true);
    hidden.ShowContent = false;
    hidden.DrawObject(s.dc(), 100, false, 0, 10);
    EXPECT_EQ(s.at(100, 10), dark_red);
    EXPECT_EQ(s.at(101, 11), white); // between the frame and the inset fill
    EXPECT_EQ(s.at(115, 25), dark_red);
    auto record = picture_info(4, objects::osAnimate);
    record.oiData = 2 << 16;
    record.oiFloated = 1;
    list->AddObject(std::make_unique<TAnimateObj>(&info, record, make_dib(40, 20, {0xFF00, 0xFF})));
    list->Item(3)->DrawObject(s.dc(), 150, false, 0, 10);
    EXPECT_EQ(s.at(160, 20), green);
    // Printing always shows the first frame, whatever frame the screen shows.
    dynamic_cast<TAnimateObj*>(list->Item(3))->CurrentFrame = 1;
    list->Item(3)->DrawObject(s.dc(), 150, true, 0, 50);
    EXPECT_EQ(s.at(160, 60), green);
    const std::string path = ::testing::TempDir() + "picture-objects.png";
    ASSERT_TRUE(headless::WriteBitmapPng(s.bitmap(), path.c_str()));
    std::printf("picture objects drawn to %s\n", path.c_str());
}

TEST_F(ObjectTest, FloatedObjectsDrawAtTheirMarginsBelowTheViewTop) {
    Surface s(200, 200);
    info.eiBoundRect = {10, 0, 190, 200};
    auto& left = add_picture(1, 20, 20, true);
    left.Info.oiPosition = 100;
    auto& right = add_picture(2, 20, 20, true);
    right.Info.oiLayout = 1;
    right.Info.oiPosition = 100;
    auto& far = add_picture(3, 20, 20, true);
    far.Info.oiPosition = 1000;
    list->DrawFloatedObjectAt(s.dc(), 50);
    EXPECT_EQ(left.TheX, 13);
    EXPECT_EQ(left.TheY, 53);
    EXPECT_EQ(right.TheX, 190 + 3 - 26);
    EXPECT_FALSE(far.FDrawn);
    EXPECT_EQ(s.at(13, 53), red);
    EXPECT_EQ(s.at(186, 53), red);
}

} // namespace
} // namespace zeledit::test
