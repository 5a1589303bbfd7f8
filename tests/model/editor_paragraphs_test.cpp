// The paragraph-format table and the way paragraphs carry their format in the buffer.
#include "model/editor_buffer.h"
#include "model/editor_paragraphs.h"

#include <zeledit/headless.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace zeledit::model {
namespace {

class Paragraphs : public ::testing::Test {
protected:
    TEditorInfo info;
    std::unique_ptr<TEditorBuffer> buffer;
    std::unique_ptr<TEditorParagraphs> paras;

    void SetUp() override {
        headless::Reset();
        buffer = std::make_unique<TEditorBuffer>(&info);
        info.eiBuffers = buffer.get();
        paras = std::make_unique<TEditorParagraphs>(&info);
        paras->CreateDefaultPara();
    }
    void TearDown() override {
        paras.reset();
        buffer.reset();
        headless::Reset();
    }
    void text(std::u16string_view t) {
        buffer->Clear();
        buffer->InsertChar(t.data(), 0, static_cast<std::uint32_t>(t.size()), 0);
    }
    // Entries added directly: adding through the table would reuse unused ones.
    void entries(std::initializer_list<double> lefts) {
        for (double l : lefts) paras->Append(new TParagraphItem(indented(l)));
    }
    static TParaFormat indented(double inches) {
        TParaFormat p = DefaultParaFormat();
        p.ptIndent.inLeft = inches;
        return p;
    }
};

TEST_F(Paragraphs, StartsAndEndsOfParagraphs) {
    text(u"ab\r\ncd");
    EXPECT_EQ(paras->StartParaIndex(4), 4u);
    EXPECT_EQ(paras->StartParaIndex(2), 0u);
    EXPECT_EQ(paras->StartParaIndex(3), 0u);
    EXPECT_EQ(paras->EndOfParaIndex(0), 3u);
    EXPECT_EQ(paras->EndOfParaIndex(4), 7u);
    buffer->FormatByte(2) = 0;
    buffer->FormatByte(6) = 0;
    EXPECT_EQ(paras->GetParaAttr(0), 0);
    text(u"\r\nx");
    EXPECT_EQ(paras->StartParaIndex(2), 2u);
}

TEST_F(Paragraphs, ReadingRepairsIndicesBeyondTheTable) {
    text(u"a\r\nb");
    buffer->FormatByte(1) = 9;
    EXPECT_EQ(paras->GetParaAttr(0), 0);
    EXPECT_EQ(buffer->FormatByte(1), 0);
}

TEST_F(Paragraphs, AnEmptyLastParagraphFollowsTheOneBefore) {
    paras->AddParaFormat(indented(1)); // entry 1
    text(u"a\r\n");
    paras->SetParaAttr(0, 1);
    paras->SetParaAlign(0, 2);
    EXPECT_EQ(buffer->FormatByte(1), 1);
    EXPECT_EQ(buffer->FormatByte(3), 1); // the terminator's paragraph too
    EXPECT_EQ(paras->GetParaAlign(3), 2);
    EXPECT_EQ(paras->GetParaWord(0), 1 | (2 << 8));
    paras->SetParaWord(0, 0x0300);
    EXPECT_EQ(paras->GetParaAlign(0), 3);
}

TEST_F(Paragraphs, NeighbourIndices) {
    entries({1, 2});
    text(u"a\r\nb\r\nc");
    buffer->FormatByte(1) = 1;
    buffer->FormatByte(4) = 2;
    buffer->FormatByte(7) = 0;
    EXPECT_EQ(paras->GetPrevParaIndex(3), 1);
    EXPECT_EQ(paras->GetPrevParaIndex(0), -1);
    EXPECT_EQ(paras->GetNextParaIndex(0), 2);
    EXPECT_EQ(paras->GetNextParaIndex(6), -1);
    EXPECT_EQ(paras->GetParaOfIndex(3), paras->GetFormatItem(2));
}

TEST_F(Paragraphs, EqualityIgnoresAlignmentHiddenEdgesAndThousandths) {
    TParaFormat a = DefaultParaFormat(), b = a;
    b.ptAlign = 2;
    b.ptBorder.btTop.beColor = 0xFF; // an edge without a line
    b.ptTabs.tabs[3].tbPosition = 1.5004;
    EXPECT_TRUE(paras->GetFormatItem(0)->SameAs(b));
    EXPECT_EQ(paras->AddParaFormat(b), 0);
    b.ptTabs.tabs[3].tbPosition = 1.501;
    EXPECT_FALSE(paras->GetFormatItem(0)->SameAs(b));
    TParaFormat c = a;
    c.ptBorder.btTop.beStyle = 1;
    c.ptBorder.btTop.beColor = 0xFF;
    TParaFormat d = c;
    d.ptBorder.btTop.beColor = 0xFE;
    EXPECT_FALSE(TParagraphItem(c).SameAs(d));
    TParaFormat e = a;
    std::strcpy(e.ptBullet.blFaceName, "symbol"); // no bullet: its face does not count
    e.ptBullet.blPresent = 1;
    TParaFormat f = e;
    std::strcpy(f.ptBullet.blFaceName, "SYMBOL");
    EXPECT_TRUE(TParagraphItem(e).SameAs(f)); // bullet faces compare without case
}

TEST_F(Paragraphs, AddingReusesAnEntryNoParagraphUses) {
    entries({1, 2, 3});
    text(u"a\r\nb\r\nc");
    buffer->FormatByte(1) = 1;
    buffer->FormatByte(4) = 2;
    buffer->FormatByte(7) = 0;
    EXPECT_EQ(paras->AddParaFormat(indented(4)), 3); // entry 3 was unused
    EXPECT_EQ(paras->Count(), 4);
    EXPECT_EQ(paras->GetFormatItem(3)->FAttributes.ptIndent.inLeft, 4.0);
    text(u"a\r\nb\r\nc\r\nd"); // every entry in use: a new one
    for (auto [at, index] : {std::pair{1, 0}, {4, 1}, {7, 2}, {10, 3}}) buffer->FormatByte(at) = index;
    EXPECT_EQ(paras->AddParaFormat(indented(5)), 4);
}

TEST_F(Paragraphs, ReformattingInPlaceOrAdding) {
    paras->AddParaFormat(indented(1)); // entry 1
    text(u"a\r\nb\r\nc");
    buffer->FormatByte(1) = 1;
    buffer->FormatByte(4) = 1;
    buffer->FormatByte(7) = 0;
    info.eiIndex = 0; // caret in the first paragraph; the second also uses entry 1
    EXPECT_EQ(paras->GetFormat(1, indented(5)), 2);
    buffer->FormatByte(4) = 0;
    EXPECT_EQ(paras->GetFormat(1, indented(6)), 1); // now only the caret's paragraph uses it
    EXPECT_EQ(paras->GetFormatItem(1)->FAttributes.ptIndent.inLeft, 6.0);
}

TEST_F(Paragraphs, DeletingAndMergingRenumberParagraphs) {
    entries({1, 2});
    text(u"a\r\nb\r\nc");
    buffer->FormatByte(1) = 1;
    buffer->FormatByte(4) = 0;
    buffer->FormatByte(7) = 2;
    paras->DeleteFormat(1);
    EXPECT_EQ(buffer->FormatByte(7), 1);
    EXPECT_EQ(buffer->FormatByte(1), 0);
    paras->Append(new TParagraphItem(indented(2))); // a duplicate of entry 1
    buffer->FormatByte(4) = 2;
    paras->RemoveSames();
    EXPECT_EQ(paras->Count(), 2);
    EXPECT_EQ(buffer->FormatByte(4), 1);
}

TEST_F(Paragraphs, ColoursSizesAndRecords) {
    EXPECT_EQ(paras->GetParaColor(500), 0xFFFFFFu);
    paras->SetParaColor(0, RGB(0, 0, 200));
    EXPECT_EQ(paras->GetParaColor(0), RGB(0, 0, 200));
    paras->GrayScale();
    const COLORREF grey = paras->GetParaColor(0);
    EXPECT_EQ(GetRValue(grey), GetBValue(grey));
    paras->Monochrome();
    EXPECT_EQ(paras->GetParaColor(0), 0u);
    std::vector<std::uint8_t> saved(static_cast<std::size_t>(paras->GetSize()));
    paras->SaveTo(saved.data(), 0);
    EXPECT_TRUE(paras->LoadFrom(saved, 1));
    EXPECT_TRUE(paras->GetFormatItem(1)->CompareWith(*paras->GetFormatItem(0)));
    EXPECT_FALSE(paras->LoadFrom2(saved, 2)); // 722 bytes hold one 568-byte record only
}

TEST_F(Paragraphs, PositionsPastSixtyFiveThousand) {
    paras->AddParaFormat(indented(1));
    std::u16string big;
    for (int i = 0; i < 20000; ++i) big += u"0123456789\r\n";
    text(big);
    const std::uint32_t inside = 150000 + 3;
    const std::uint32_t start = paras->StartParaIndex(inside);
    EXPECT_EQ(start % 12, 0u);
    EXPECT_GT(start, 65535u);
    paras->SetParaAttr(inside, 1);
    EXPECT_EQ(paras->GetParaAttr(start), 1);
    EXPECT_EQ(paras->GetPrevParaIndex(start + 12), 1);
    EXPECT_EQ(paras->EndOfParaIndex(inside), start + 11);
}

} // namespace
} // namespace zeledit::model
