// The character-format table: sharing, adding, reformatting in place, removal, changes.
#include "model/editor_buffer.h"
#include "model/editor_fonts.h"

#include <zeledit/headless.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace zeledit::model {
namespace {

class Fonts : public ::testing::Test {
protected:
    TEditorInfo info;
    std::unique_ptr<TEditorBuffer> buffer;
    std::unique_ptr<TEditorFonts> fonts;

    void SetUp() override {
        headless::Reset();
        buffer = std::make_unique<TEditorBuffer>(&info);
        info.eiBuffers = buffer.get();
        fonts = std::make_unique<TEditorFonts>(&info);
        info.eiFonts = fonts.get();
        fonts->CreateDefaultFont();
    }
    void TearDown() override {
        fonts.reset();
        buffer.reset();
        headless::Reset();
    }
    TCharFormat format(const char* face, int points, std::uint8_t attr = 0, COLORREF color = 0) {
        TCharFormat f = fonts->GetFormatItem(0)->FAttributes;
        std::memset(f.ftFaceName, 0, sizeof f.ftFaceName);
        std::strcpy(f.ftFaceName, face);
        f.ftHeight = static_cast<std::int16_t>(points);
        f.ftAttr = attr;
        f.ftColor = color;
        return f;
    }
    // Text whose characters use the given format indices.
    void text(std::initializer_list<std::uint8_t> formats) {
        buffer->Clear();
        std::uint32_t i = 0;
        for (std::uint8_t f : formats) buffer->InsertChar(u"x", f, 1, i++);
    }
    std::uint8_t at(std::uint32_t i) const { return buffer->FormatByte(i); }
};

TEST_F(Fonts, TheDefaultEntryIsElevenPointTimes) {
    ASSERT_EQ(fonts->Count(), 1);
    const TCharFormat f = fonts->GetFormatItem(0)->FAttributes;
    EXPECT_STREQ(f.ftFaceName, "Times New Roman");
    EXPECT_EQ(+f.ftHeight, 11);
    EXPECT_EQ(+f.ftScale, 100);
    EXPECT_EQ(+f.ftShadColor, 0xC0C0C0u);
    EXPECT_NE(fonts->GetFormatItem(0)->FFontHandle, nullptr);
    EXPECT_GT(fonts->GetFormatItem(0)->FFontHeight, 14);
    EXPECT_EQ(fonts->GetFormatItem(99), fonts->GetFormatItem(0)); // out of range: entry 0
}

TEST_F(Fonts, EqualFormatsShareAnEntry) {
    const TCharFormat arial = format("Arial", 12);
    EXPECT_EQ(fonts->AddFontFormat(&arial), 1);
    EXPECT_EQ(fonts->AddFontFormat(&arial), 1);
    TCharFormat linked = format("Arial", 12, 8);
    EXPECT_EQ(fonts->AddFontFormat(&linked), 2);
    EXPECT_EQ(fonts->AddFontFormat(&linked), 2);
    EXPECT_EQ(fonts->Count(), 3);
    EXPECT_EQ(fonts->AddFontFormat(nullptr), 0);
}

TEST_F(Fonts, AFullTableAnswersItsLastEntry) {
    for (int i = 1; i < MaxFormats; ++i) {
        const TCharFormat f = format("Arial", 8 + i);
        ASSERT_EQ(fonts->AddFontFormat(&f), i);
    }
    const TCharFormat one_more = format("Courier New", 9);
    EXPECT_EQ(fonts->AddFontFormat(&one_more), MaxFormats - 1);
    EXPECT_EQ(fonts->Count(), MaxFormats);
}

TEST_F(Fonts, TemplateDocumentsNeverGrowTheTable) {
    info.eiEditorType = 0x602;
    const TCharFormat f = format("Arial", 20);
    EXPECT_EQ(fonts->AddFontFormat(&f), 0);
    EXPECT_EQ(fonts->Count(), 1);
}

TEST_F(Fonts, ReformattingChangesInPlaceOnlyWhenNobodyElseUsesTheEntry) {
    const TCharFormat arial = format("Arial", 12);
    fonts->AddFontFormat(&arial); // entry 1
    text({1, 1, 0, 0});
    info.eiSelecting = true;
    info.eiSelStart = 0;
    info.eiSelEnd = 2; // both users of entry 1 are selected
    const TCharFormat bigger = format("Arial", 14);
    EXPECT_EQ(fonts->GetFormat(1, bigger), 1);
    EXPECT_EQ(fonts->Count(), 2);
    EXPECT_EQ(+fonts->GetFormatItem(1)->FAttributes.ftHeight, 14);
    text({1, 0, 0x80 | 1}); // a marked character outside the selection also uses it
    info.eiSelEnd = 1;
    const TCharFormat bold = format("Arial", 14, 1);
    EXPECT_EQ(fonts->GetFormat(1, bold), 2);
    EXPECT_EQ(fonts->Count(), 3);
    // An index outside the table never changes entry 0.
    const TCharFormat other = format("Verdana", 9);
    EXPECT_EQ(fonts->GetFormat(77, other), 3);
    EXPECT_STREQ(fonts->GetFormatItem(0)->FAttributes.ftFaceName, "Times New Roman");
}

TEST_F(Fonts, DeletingAFormatRenumbersTheText) {
    const TCharFormat a = format("Arial", 12), b = format("Arial", 14);
    fonts->AddFontFormat(&a);
    fonts->AddFontFormat(&b);
    text({1, 2, 0x80 | 2, 0});
    fonts->DeleteFormat(1);
    EXPECT_EQ(fonts->Count(), 2);
    EXPECT_EQ(at(0), 0);
    EXPECT_EQ(at(1), 1);
    EXPECT_EQ(at(2), 0x80 | 1); // the mark stays
    fonts->DeleteFormat(5);
    EXPECT_EQ(fonts->Count(), 2);
}

TEST_F(Fonts, RemoveSamesMergesDuplicatesAndDropsUnused) {
    const TCharFormat a = format("Arial", 12), b = format("Arial", 14), c = format("Courier New", 10);
    fonts->AddFontFormat(&a); // 1
    fonts->AddFontFormat(&b); // 2
    fonts->AddFontFormat(&c); // 3, nobody will use it
    // Entry 4, equal to entry 1, is added behind the table's back as a loaded document can have.
    fonts->Append(new TFontItem(a));
    text({0, 1, 2, 0x80 | 4});
    fonts->RemoveSames();
    ASSERT_EQ(fonts->Count(), 3);
    EXPECT_EQ(at(1), 1);
    EXPECT_EQ(at(2), 2);
    EXPECT_EQ(at(3), 0x80 | 1); // the duplicate's users now use the first equal entry
    EXPECT_STREQ(fonts->GetFormatItem(2)->FAttributes.ftFaceName, "Arial");
}

TEST_F(Fonts, SizeNameAndColourChanges) {
    const TCharFormat twelve = format("Arial", 12), fourteen = format("Arial", 14);
    fonts->AddFontFormat(&twelve);
    fonts->AddFontFormat(&fourteen);
    fonts->ChangeFontSize(12, 16);
    EXPECT_EQ(+fonts->GetFormatItem(1)->FAttributes.ftHeight, 16);
    EXPECT_EQ(+fonts->GetFormatItem(2)->FAttributes.ftHeight, 14);
    TChangeFont change{};
    std::strcpy(change.OldName, "arial");
    std::memset(change.NewName, 'V', sizeof change.NewName); // an unterminated name
    change.OldSize = 14;
    change.Bold = 1;
    change.Italic = -1;
    change.Underline = -1;
    change.Strikethrough = -1;
    fonts->ChangeFontName(change);
    const TCharFormat changed = fonts->GetFormatItem(2)->FAttributes;
    EXPECT_EQ(std::strlen(changed.ftFaceName), 50u);
    EXPECT_EQ(changed.ftAttr & 1, 1);
    EXPECT_STREQ(fonts->GetFormatItem(1)->FAttributes.ftFaceName, "Arial"); // size 16: untouched
    fonts->EnlargeReduceSize(-2);
    EXPECT_EQ(+fonts->GetFormatItem(0)->FAttributes.ftHeight, 9);
}

TEST_F(Fonts, MonochromeAndScripts) {
    const TCharFormat yellow = format("Arial", 12, 0, RGB(255, 255, 0)),
                      navy = format("Arial", 12, 2, RGB(0, 0, 128));
    fonts->AddFontFormat(&yellow);
    fonts->AddFontFormat(&navy);
    fonts->Monochrome();
    EXPECT_EQ(+fonts->GetFormatItem(1)->FAttributes.ftColor, 0xFFFFFFu);
    EXPECT_EQ(+fonts->GetFormatItem(2)->FAttributes.ftColor, 0u);
    TCharFormat normal = format("Times New Roman", 30), super = normal;
    super.ftScript = 1;
    TFontItem plain(normal), raised(super);
    EXPECT_NEAR(raised.FFontHeight, plain.FFontHeight * 2 / 3, 2);
    EXPECT_LT(raised.ftPosition, 0);
    TCharFormat sub = normal;
    sub.ftScript = -1;
    EXPECT_GT(TFontItem(sub).ftPosition, 0);
}

TEST_F(Fonts, StoredRecordsOfEveryGeneration) {
    std::vector<std::uint8_t> saved(static_cast<std::size_t>(fonts->GetSize()));
    EXPECT_EQ(fonts->SaveTo(saved.data(), 0), saved.size());
    EXPECT_TRUE(fonts->LoadFrom(saved, 1));
    EXPECT_TRUE(fonts->GetFormatItem(1)->CompareWith(*fonts->GetFormatItem(0)));
    TCharFormat2 old{};
    std::strcpy(old.ftFaceName, "Arial");
    old.ftHeight = -12;
    EXPECT_TRUE(fonts->LoadFrom2({reinterpret_cast<const std::uint8_t*>(&old), sizeof old}, 1));
    EXPECT_EQ(+fonts->GetFormatItem(2)->FAttributes.ftHeight, 12);
    EXPECT_FALSE(fonts->LoadFrom3({reinterpret_cast<const std::uint8_t*>(&old), sizeof old}, 1)); // too short
    EXPECT_EQ(fonts->Count(), 3);
}

} // namespace
} // namespace zeledit::model
