// The text and format buffer: capacity, gaps, formats at positions, words and paragraphs.
#include "model/editor_buffer.h"

#include <zeledit/headless.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace zeledit::model {
namespace {

// Records what the buffer tells its watcher; deletions as negative sizes.
struct Recorder final : TDocumentWatcher {
    std::vector<std::pair<std::uint32_t, std::int32_t>> shifts;
    int format_changes = 0;
    std::uint64_t room = UINT64_MAX;
    void TextInserted(std::uint32_t i, std::uint32_t n) override { shifts.emplace_back(i, n); }
    void TextDeleted(std::uint32_t i, std::uint32_t n) override { shifts.emplace_back(i, -std::int32_t(n)); }
    void FormatsChanged() override { ++format_changes; }
    bool MayGrow(std::uint64_t units) override { return units <= room; }
};

class Buffer : public ::testing::Test {
protected:
    TEditorInfo info;
    std::unique_ptr<TEditorBuffer> buffer;
    Recorder watcher;
    std::vector<std::pair<std::uint32_t, std::int32_t>>& shifts = watcher.shifts;

    void SetUp() override {
        headless::Reset();
        buffer = std::make_unique<TEditorBuffer>(&info);
        buffer->SetWatcher(&watcher);
    }
    void TearDown() override {
        buffer.reset();
        headless::Reset();
    }
    void put(std::u16string_view text, std::uint8_t format = 0, std::uint32_t at = UINT32_MAX) {
        ASSERT_TRUE(buffer->InsertChar(text.data(), format, static_cast<std::uint32_t>(text.size()),
                                       at == UINT32_MAX ? buffer->TextLength() : at));
    }
    std::u16string text() const { return {buffer->Text(), buffer->TextLength()}; }
    std::u16string word_at(std::uint32_t i) const {
        char16_t w[TEditorBuffer::MaxWordLength + 1] = {};
        buffer->GetWordAt(i, w);
        return w;
    }
};

TEST_F(Buffer, NewBufferIsOneEmptyLeftAlignedParagraph) {
    EXPECT_EQ(buffer->TextLength(), 0u);
    EXPECT_EQ(buffer->BufferSize(), 2);
    EXPECT_EQ(buffer->FormatByte(0), 0);
    EXPECT_EQ(buffer->FormatByte(1), 0);
    EXPECT_EQ(GlobalSize(buffer->TextHandle), 512u);
    EXPECT_EQ(GlobalSize(buffer->FormatHandle), 256u);
}

TEST_F(Buffer, InsertedCharactersTakeTheirFormatButMarksTakeZero) {
    put(u"a", 5);
    EXPECT_EQ(buffer->FormatByte(0), 5);
    put(u"\r\n", 5);
    EXPECT_EQ(buffer->FormatByte(1), 0);
    EXPECT_EQ(buffer->FormatByte(2), 0);
    EXPECT_EQ(shifts, (std::vector<std::pair<std::uint32_t, std::int32_t>>{{0, 1}, {1, 2}}));
    buffer->DeleteChar(0, 1);
    EXPECT_EQ(shifts.back(), (std::pair<std::uint32_t, std::int32_t>{0, -1}));
    EXPECT_EQ(text(), u"\r\n");
}

TEST_F(Buffer, MaximumSizeRefusesWholeInsertions) {
    buffer->SetMaximumSize(10);
    EXPECT_TRUE(buffer->InsertChar(u"abcd", 0, 4, 0)); // 2 × 5 = 10
    const auto before = shifts.size();
    EXPECT_FALSE(buffer->InsertChar(u"e", 0, 1, 4));
    EXPECT_EQ(text(), u"abcd");
    EXPECT_EQ(shifts.size(), before);
    EXPECT_FALSE(buffer->InsertChar(u"x", 0, 1, 9)); // past the end of the text
}

TEST_F(Buffer, BlocksGrowInStepsAndKeepTheLastParagraphBytes) {
    // A block of exactly length + size + 1 bytes would lose the byte after the terminator.
    std::u16string text_254(254, u'x');
    put(text_254);
    buffer->FormatByte(254) = 7; // the last paragraph's format
    buffer->FormatByte(255) = 2; // and its alignment
    put(u"y", 0, 254);
    EXPECT_GE(GlobalSize(buffer->FormatHandle), 257u);
    EXPECT_EQ(buffer->FormatByte(255), 7);
    EXPECT_EQ(buffer->FormatByte(256), 2);
    // Far beyond: 512-character steps, plus one, zero-filled.
    put(std::u16string(2000, u'z'));
    EXPECT_EQ(GlobalSize(buffer->FormatHandle), 512u * ((2256u + 512) / 512 + 1));
    EXPECT_EQ(GlobalSize(buffer->TextHandle), 2 * GlobalSize(buffer->FormatHandle));
    buffer->DeleteBuffer(0, 2200);
    EXPECT_EQ(buffer->TextLength(), 55u);
    EXPECT_EQ(GlobalSize(buffer->FormatHandle), 512u * 2); // shrunk again
    EXPECT_EQ(buffer->FormatByte(56), 2);
}

TEST_F(Buffer, FormatAtLooksBehindMarksAndIgnoresTheMarkBit) {
    put(u"ab\r\ncd", 3);
    buffer->FormatByte(1) = 0x80 | 9;
    EXPECT_EQ(buffer->FormatAt(1), 9);
    EXPECT_EQ(buffer->FormatAt(2), 9); // at the CR: the character before
    TEditorBuffer other(&info);
    other.InsertChar(u"\r\nx", 0, 3, 0);
    other.FormatByte(0) = 0x85;
    EXPECT_EQ(other.FormatAt(0), 5); // at position 0 the CR's own byte
}

TEST_F(Buffer, WordsEndAtSeparatorsAndDigits) {
    put(u"ab cd");
    EXPECT_EQ(word_at(2), u"cd");
    EXPECT_EQ(word_at(1), u"ab");
    buffer->Clear();
    put(u"ab1cd");
    EXPECT_EQ(word_at(0), u"ab");
    buffer->Clear();
    put(u"tiếng Việt");
    EXPECT_EQ(word_at(7), u"Việt");
    std::uint32_t start = 0;
    std::int64_t end = 0;
    EXPECT_TRUE(buffer->GetWordRangeAt(2, start, end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4);
    buffer->Clear();
    EXPECT_FALSE(buffer->GetWordRangeAt(0, start, end));
    put(std::u16string(400, u'w'));
    EXPECT_EQ(word_at(10).size(), TEditorBuffer::MaxWordLength); // bounded copy
}

TEST_F(Buffer, RightAndLeftWord) {
    put(u"ab  cd");
    EXPECT_EQ(buffer->RightWord(0), 4u);
    buffer->Clear();
    put(u"ab cd");
    EXPECT_EQ(buffer->RightWord(0), 3u);
    EXPECT_EQ(buffer->RightWord(3), 5u); // the end of the text
    EXPECT_EQ(buffer->LeftWord(5), 3u);
    EXPECT_EQ(buffer->LeftWord(3), 0u);
    EXPECT_EQ(buffer->LeftWord(0), 0u);
}

TEST_F(Buffer, AddFormatTextStartsANewParagraphAfterAnEmptyOne) {
    put(u"one");
    const std::uint8_t formats[] = {4, 4, 4, 6, 1};
    EXPECT_TRUE(buffer->AddFormatText(u"two", formats));
    EXPECT_EQ(text(), u"one\r\n\r\ntwo");
    EXPECT_EQ(buffer->FormatByte(7), 4);
    EXPECT_EQ(buffer->FormatByte(10), 6);
    EXPECT_EQ(buffer->FormatByte(11), 1);
    buffer->SetMaximumSize(40);
    EXPECT_FALSE(buffer->AddFormatText(u"three", formats)); // would not fit: nothing changes
    EXPECT_EQ(text(), u"one\r\n\r\ntwo");
}

TEST_F(Buffer, DeleteParasOfAFormat) {
    put(u"a\r\nb\r\nc");
    buffer->FormatByte(1) = 2; // "a" is of paragraph format 2
    buffer->FormatByte(4) = 1;
    buffer->FormatByte(7) = 2; // "c", the last paragraph, too (its byte is at the terminator)
    buffer->DeleteParas(2);
    EXPECT_EQ(watcher.format_changes, 1);
    EXPECT_EQ(text(), u"b\r\n");
    EXPECT_EQ(buffer->FormatByte(3), 0); // a valid last paragraph
    EXPECT_EQ(buffer->FormatByte(4), 0);
}

TEST_F(Buffer, TheWatcherMayRefuseToLetTheTextGrow) {
    watcher.room = 4;
    EXPECT_FALSE(buffer->InsertChar(u"abcde", 0, 5, 0));
    EXPECT_TRUE(shifts.empty());
    EXPECT_EQ(text(), u"");
    put(u"abcd");
    EXPECT_EQ(text(), u"abcd");
    EXPECT_EQ(shifts.size(), 1u);
}

TEST_F(Buffer, RunsOfEmptyParagraphsShrinkToOne) {
    put(u"a\r\n\r\n\r\n\r\nb");
    buffer->DeleteDoubleSpaceParas();
    EXPECT_EQ(text(), u"a\r\n\r\nb");
    buffer->Clear();
    put(u"\r\n\r\nx"); // before the first paragraph counts as empty: the leading run goes
    buffer->DeleteDoubleSpaceParas();
    EXPECT_EQ(text(), u"x");
}

TEST_F(Buffer, PositionsPastSixtyFiveThousandWork) {
    std::u16string big;
    for (int i = 0; i < 20000; ++i) big += u"word word\r\n";
    put(big);
    ASSERT_EQ(buffer->TextLength(), 220000u);
    const std::uint32_t at = 150000 - 150000 % 11; // a paragraph start
    buffer->FormatByte(at + 9) = 3;                // that paragraph's format
    EXPECT_EQ(word_at(at + 6), u"word");
    EXPECT_EQ(buffer->RightWord(at), at + 5);
    buffer->DeleteParas(3);
    EXPECT_EQ(buffer->TextLength(), 220000u - 11);
    EXPECT_EQ(shifts.back(), (std::pair<std::uint32_t, std::int32_t>{at, -11}));
}

TEST_F(Buffer, AHostOverwritingTheTerminatorIsContained) {
    const std::size_t units = GlobalSize(buffer->FormatHandle);
    char16_t* host = buffer->HandOut(); // as EFM_GETTEXTBUFFER does
    std::fill(host, host + units, u'x');
    EXPECT_EQ(buffer->TextLength(), units - 2);
    EXPECT_TRUE(buffer->InsertChar(u"y", 0, 1, 0));
    EXPECT_EQ(buffer->TextLength(), units - 1);
}

TEST_F(Buffer, TheLengthFollowsEveryChangeAndAHostsWrites) {
    ASSERT_TRUE(buffer->InsertChar(u"abcdef", 0, 6, 0));
    EXPECT_EQ(buffer->TextLength(), 6u);
    buffer->DeleteBuffer(1, 2);
    EXPECT_EQ(buffer->TextLength(), 4u);
    EXPECT_FALSE(buffer->InsertChar(u"x\0y", 0, 3, 0)); // a NUL would cut the text short
    EXPECT_EQ(buffer->TextLength(), 4u);
    buffer->HandOut()[2] = 0; // the host shortens the text through the address it was handed
    EXPECT_EQ(buffer->TextLength(), 2u);
    ASSERT_TRUE(buffer->InsertChar(u"z", 0, 1, 2));
    EXPECT_EQ(buffer->TextLength(), 3u);
    EXPECT_EQ(std::u16string(buffer->Text(), 3), u"adz");
    ASSERT_TRUE(buffer->Clear());
    EXPECT_EQ(buffer->TextLength(), 0u);
}

// A host holding the address is looked for once per message it sends, or at once when it
// wrote over the terminator; not at every question in between, which in a long text would
// cost a scan each.
TEST_F(Buffer, AHostsWritesAreSeenAfterItsNextMessage) {
    put(u"abcdef");
    char16_t* host = buffer->HandOut();
    EXPECT_EQ(buffer->TextLength(), 6u);
    host[3] = 0;
    EXPECT_EQ(buffer->TextLength(), 6u); // no message yet
    buffer->HostMayHaveWritten();
    EXPECT_EQ(buffer->TextLength(), 3u);
    host[3] = u'x'; // the terminator written over: the text runs on to the next zero
    EXPECT_EQ(buffer->TextLength(), 6u);
    put(u"g");
    buffer->HostMayHaveWritten(); // after an edit the text is the buffer's own again
    EXPECT_EQ(text(), u"abcxefg");
}

// Random edits at random places against a plain string: every way of reading the buffer sees
// the same text, wherever the free room inside the blocks lies at the time.
TEST_F(Buffer, EveryReaderSeesTheTextWhereverTheEditsWere) {
    std::mt19937 random(20261210);
    std::u16string model;
    std::vector<std::uint8_t> formats;
    const std::u16string pieces[] = {u"a", u"xyz", u"\r\n", u"one two\r\nthree", u" "};
    for (int step = 0; step < 3000; ++step) {
        const auto size = static_cast<std::uint32_t>(model.size());
        const auto at = static_cast<std::uint32_t>(random() % (size + 1));
        const int kind = static_cast<int>(random() % 10);
        if (kind < 5) {
            const std::u16string& piece = pieces[random() % std::size(pieces)];
            const auto format = static_cast<std::uint8_t>(1 + random() % 5);
            put(piece, format, at);
            model.insert(at, piece);
            std::vector<std::uint8_t> bytes;
            for (char16_t c : piece) bytes.push_back(c == 13 || c == 10 ? 0 : format);
            formats.insert(formats.begin() + at, bytes.begin(), bytes.end());
        } else if (kind < 8 && size > 0) {
            const std::uint32_t from = std::min(at, size - 1);
            const std::uint32_t n = std::min<std::uint32_t>(1 + random() % 5, size - from);
            buffer->DeleteBuffer(from, n);
            model.erase(from, n);
            formats.erase(formats.begin() + from, formats.begin() + from + n);
        } else if (size > 0) {
            // A letter, or a paragraph's CR, written over another unit.
            const std::uint32_t where = std::min(at, size - 1);
            if (model[where] == 10 || (where > 0 && model[where - 1] == 13)) continue;
            const char16_t c = kind == 8 || model[where] == 13 ? u'Q' : u'\r';
            buffer->SetCharAt(where, c);
            model[where] = c;
        }
        ASSERT_EQ(buffer->TextLength(), model.size()) << "step " << step;
        if (step % 25 != 0) continue;
        // Paragraph by paragraph through the in-place pointers, and across paragraphs.
        for (std::uint32_t start = 0;;) {
            const std::uint32_t end = buffer->ParagraphEnd(start);
            const std::size_t found = model.find(u"\r\n", start);
            ASSERT_EQ(end, found == std::u16string::npos ? model.size() : found) << "step " << step;
            const char16_t* t = buffer->ParagraphText(start);
            const std::uint8_t* f = buffer->ParagraphFormats(start);
            for (std::uint32_t i = start; i < end; ++i) {
                ASSERT_EQ(t[i], model[i]) << "step " << step << " at " << i;
                ASSERT_EQ(f[i], formats[i]) << "step " << step << " at " << i;
            }
            if (end == model.size()) {
                ASSERT_EQ(t[end], 0);
                break;
            }
            ASSERT_EQ(t[end + 1], 10);
            // One unit into the next paragraph, in one piece.
            const auto units = buffer->Units(start, end + 3 - start);
            ASSERT_EQ(units.text[end + 2 - start], model[end + 2]);
            start = end + 2;
        }
        ASSERT_EQ(text(), model) << "step " << step;
        ASSERT_TRUE(std::equal(formats.begin(), formats.end(), buffer->Formats()));
    }
}

} // namespace
} // namespace zeledit::model
