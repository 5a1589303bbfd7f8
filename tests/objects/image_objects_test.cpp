// JPEG, metafile and DEX objects, and every picture kind side by side.
#include "objects/image_objects.h"
#include "objects/object_kinds.h"
#include "objects/objects_test.h"
#include "support/sample_files.h"

#include <cstdio>
#include <cstdlib>

namespace zeledit::test {
namespace {

using objects::TDEXObject;
using objects::TJPEGObject;
using objects::TMetaObject;

constexpr COLORREF white = RGB(255, 255, 255);

bool near(COLORREF c, int r, int g, int b, int tolerance = 8) {
    return std::abs(GetRValue(c) - r) <= tolerance && std::abs(GetGValue(c) - g) <= tolerance &&
           std::abs(GetBValue(c) - b) <= tolerance;
}

// The sample Windows metafile behind a placeable header: 40 × 30 units at 96 per inch.
std::vector<std::uint8_t> placeable_wmf() {
    const auto wmf = sample_wmf(false);
    ByteWriter b;
    b.put(DWORD(0x9AC6CDD7)).put(WORD(0)).words({0, 0, 40, 30}).put(WORD(96)).put(DWORD(0)).put(WORD(0));
    b.data.insert(b.data.end(), wmf.begin(), wmf.end());
    return b.data;
}

// A 24-bit DEX image 8 × 4: blue, its right half fully transparent.
std::vector<std::uint8_t> dex_file() {
    std::vector<std::uint32_t> argb(32);
    for (int i = 0; i < 32; ++i) argb[i] = (i % 8 < 4 ? 0xFF000000 : 0x00000000) | 0x0000FF;
    HGLOBAL colour = platform::make_packed_dib(8, 4, argb), alpha = platform::make_alpha_block(8, 4, argb);
    std::vector<std::uint8_t> out(platform::GetDEXSize(colour, alpha));
    platform::SaveDibExToBuffer(out.data(), colour, alpha);
    GlobalFree(colour);
    GlobalFree(alpha);
    return out;
}

class ImageObjects : public ObjectTest {
protected:
    objects::TObjectItem* load(std::uint16_t style, std::span<const std::uint8_t> data,
                               std::uint16_t width = 0, std::uint16_t height = 0) {
        auto record = picture_info(list->GetNewID(), style);
        record.oiWidth = width;
        record.oiHeight = height;
        const auto bytes = stored_record(record, data);
        const auto before = list->Count();
        EXPECT_EQ(list->LoadFrom(bytes, 0, 1), bytes.size());
        return list->Count() > before ? list->Item(list->Count() - 1) : nullptr;
    }
    std::vector<std::uint8_t> saved(objects::TObjectItem& o) {
        std::vector<std::uint8_t> out(o.GetDataSize());
        o.WriteTo(out.data(), 0);
        return out;
    }
};

TEST_F(ImageObjects, JpegImagesKeepTheirFileAndDrawIt) {
    const auto jpeg = jpeg_file();
    auto* o = load(objects::osJPEG, jpeg);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->FOriginWidth, 16);
    EXPECT_EQ(o->FOriginHeight, 8);
    const auto out = saved(*o);
    EXPECT_EQ(out.size(), 200 + jpeg.size());
    EXPECT_TRUE(std::equal(jpeg.begin(), jpeg.end(), out.begin() + 200));
    o->Reset();
    Surface s(60, 30);
    o->DrawObject(s.dc(), 2, false, 0, 10);
    EXPECT_TRUE(near(s.at(2, 2), 200, 30, 30));
    EXPECT_EQ(s.at(18, 2), white);
    o->Info.oiWidth = 32;
    o->Info.oiHeight = 16;
    o->DrawObject(s.dc(), 20, false, 0, 28);
    EXPECT_TRUE(near(s.at(51, 27), 200, 30, 30));
    auto copy = objects::CopyObject(&info, *o, 9);
    ASSERT_NE(dynamic_cast<TJPEGObject*>(copy.get()), nullptr);
    EXPECT_EQ(saved(*copy).size(), out.size());
    EXPECT_NE(copy->GetData(), o->GetData());
}

TEST_F(ImageObjects, MetafilesPlayIntoTheObjectRectangle) {
    auto* emf = load(objects::osMeta, sample_emf(), 40, 20);
    ASSERT_NE(emf, nullptr);
    EXPECT_EQ(emf->FOriginWidth, 40); // the record's size, as its dialog set it
    auto* wmf = load(objects::osMeta, placeable_wmf(), 40, 30);
    ASSERT_NE(wmf, nullptr);
    Surface s(100, 40);
    SetViewportOrgEx(s.dc(), 5, 0, nullptr); // a scrolled view
    emf->DrawObject(s.dc(), 0, false, 0, 20);
    wmf->DrawObject(s.dc(), 50, false, 0, 30);
    SetViewportOrgEx(s.dc(), 0, 0, nullptr); // pixels are read in device units
    EXPECT_EQ(s.at(5 + 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(s.at(5 + 39, 19), RGB(255, 0, 0)); // the sample fills its frame
    EXPECT_EQ(s.at(5 + 41, 5), white);
    EXPECT_EQ(s.at(5 + 50 + 20, 10), RGB(255, 0, 0));
    EXPECT_EQ(s.at(5 + 50 + 5, 10), white);
    EXPECT_EQ(saved(*wmf).size(), 200 + placeable_wmf().size());
    auto bad = placeable_wmf();
    bad[14] = bad[15] = 0; // no units per inch
    EXPECT_EQ(load(objects::osMeta, bad), nullptr);
}

TEST_F(ImageObjects, DexImagesDrawWithTheirAlphaAndRoundTrip) {
    const auto dex = dex_file();
    auto* o = load(objects::osDEX, dex);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->FOriginWidth, 8);
    o->Reset();
    Surface s(20, 10);
    o->DrawObject(s.dc(), 0, false, 0, 4);
    EXPECT_EQ(s.at(1, 1), RGB(0, 0, 255));
    EXPECT_EQ(s.at(6, 1), white);
    EXPECT_EQ(saved(*o), stored_record(o->Info, dex));
    auto copy = objects::CopyObject(&info, *o, 5);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetDataSize(), o->GetDataSize());
    EXPECT_NE(copy->GetData(), o->GetData());
}

TEST_F(ImageObjects, LinkedImagesHaveNoDataButStillDrawAndStore) {
    for (std::uint16_t style : {objects::osJPEG, objects::osMeta, objects::osDEX}) {
        auto record = picture_info(1, style);
        record.oiLink = 1;
        record.oiWidth = record.oiHeight = 12;
        auto bytes = stored_record(record, {});
        ASSERT_EQ(list->LoadFrom(bytes, 0, 1), bytes.size());
        auto& o = *list->Item(0);
        EXPECT_EQ(o.GetData(), nullptr);
        EXPECT_EQ(o.GetDataSize(), 200u);
        Surface s(20, 20);
        o.DrawObject(s.dc(), 0, false, 0, 12);
        EXPECT_EQ(s.at(0, 0), RGB(128, 0, 0)) << style;
        list->FreeAll();
    }
}

TEST_F(ImageObjects, AMalformedRecordOfEachKindIsRefused) {
    std::vector<std::uint8_t> garbage(120, 0x5A);
    auto jpeg = jpeg_file();
    jpeg.resize(40);
    auto dex = dex_file();
    dex[8] = 99; // width disagrees with its DIB
    auto emf = sample_emf();
    emf[40] = 0;
    const std::pair<std::uint16_t, std::vector<std::uint8_t>> cases[]{
        {objects::osPicture, garbage}, {objects::osAnimate, garbage}, {objects::osJPEG, jpeg},
        {objects::osMeta, emf},        {objects::osDEX, dex},         {objects::osDEX, garbage}};
    for (const auto& [style, data] : cases) EXPECT_EQ(load(style, data), nullptr) << style;
    EXPECT_EQ(list->Count(), 0);
}

TEST_F(ImageObjects, EveryPictureKindDrawsIntoOneBitmap) {
    Surface s(330, 50);
    auto& picture = add_picture(1, 30, 30);
    picture.DrawObject(s.dc(), 5, false, 0, 40);
    auto animation_record = picture_info(2, objects::osAnimate);
    animation_record.oiData = 2 << 16;
    list->AddObject(
        std::make_unique<objects::TAnimateObj>(&info, animation_record, make_dib(60, 30, {0xFF00, 0xFF})));
    list->Item(1)->DrawObject(s.dc(), 45, false, 0, 40);
    auto* jpeg = load(objects::osJPEG, jpeg_file());
    jpeg->Info.oiWidth = 32;
    jpeg->Info.oiHeight = 16;
    jpeg->DrawObject(s.dc(), 85, false, 0, 40);
    load(objects::osMeta, sample_emf(), 40, 20)->DrawObject(s.dc(), 130, false, 0, 40);
    load(objects::osMeta, placeable_wmf(), 40, 30)->DrawObject(s.dc(), 180, false, 0, 40);
    auto* dex = load(objects::osDEX, dex_file());
    dex->Info.oiWidth = 32;
    dex->Info.oiHeight = 16;
    dex->DrawObject(s.dc(), 230, false, 0, 40);
    auto& hidden = add_picture(9, 20, 20);
    hidden.ShowContent = false;
    hidden.DrawObject(s.dc(), 280, false, 0, 40);

    EXPECT_EQ(s.at(20, 25), RGB(255, 0, 0));
    EXPECT_EQ(s.at(60, 25), RGB(0, 255, 0));
    EXPECT_TRUE(near(s.at(100, 30), 200, 30, 30));
    EXPECT_EQ(s.at(135, 30), RGB(255, 0, 0));
    EXPECT_EQ(s.at(200, 20), RGB(255, 0, 0));
    EXPECT_EQ(s.at(235, 30), RGB(0, 0, 255));
    EXPECT_EQ(s.at(255, 30), white);
    EXPECT_EQ(s.at(280, 20), RGB(128, 0, 0));
    const std::string path = ::testing::TempDir() + "every-picture-kind.png";
    ASSERT_TRUE(headless::WriteBitmapPng(s.bitmap(), path.c_str()));
    std::printf("every picture kind drawn to %s\n", path.c_str());
}

} // namespace
} // namespace zeledit::test
