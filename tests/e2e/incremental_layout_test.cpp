// Incremental layout after random edits gives exactly the lines a full layout gives.
#include "e2e/layout_test.h"

#include <random>
#include <tuple>
#include <vector>

namespace zeledit::test {
namespace {

using LineRecord = std::tuple<std::uint32_t, int, int, int, int, int, int, int>;

std::vector<LineRecord> snapshot(const display::TEditorLines& lines) {
    std::vector<LineRecord> out;
    for (std::int32_t i = 0; i < lines.Count(); ++i) {
        const display::TLineItem& l = *lines.Line(i);
        out.emplace_back(l.At, l.FWidth, l.FHeight, l.FTextHeight, l.FBaseLine, l.FRegion.Left,
                         l.FRegion.Right, l.FRegion.MoreHeight);
    }
    return out;
}

class IncrementalLayout : public Layout {
protected:
    std::mt19937 random{20261209};
    std::uint8_t fonts[3] = {0, 0, 0};

    void SetUp() override {
        Layout::SetUp();
        editor = make_editor(260);
        fonts[1] = add_font(18, 1);
        fonts[2] = add_font(8, 0, 4);
        para().ptIndent = {0.2, 0.1, 0.1};
        para().ptAfter = 4;
        std::u16string text;
        std::vector<std::uint8_t> formats;
        for (int i = 0; i < 300; ++i) append(text, formats, piece());
        formats.resize(text.size() + 2, 0);
        ASSERT_TRUE(engine().FBuffer->Assign(text, formats));
        engine().GetLines();
    }
    std::u16string piece() {
        static const char16_t* const words[] = {u"a",           u"layout", u"vi\u1ec7t",
                                                u"incremental", u"x",      u"breaks"};
        switch (random() % 12) {
        case 0: return u"\r\n";
        case 1: return u"\t";
        case 2: return u"\n";
        case 3: return u"\u4e00\u4e8c\u4e09"; // break-anywhere units
        default: return std::u16string(words[random() % 6]) + u" ";
        }
    }
    void append(std::u16string& text, std::vector<std::uint8_t>& formats, const std::u16string& p) {
        text += p;
        formats.insert(formats.end(), p.size(), p == u"\r\n" ? 0 : fonts[random() % 3]);
    }
    std::uint32_t length() { return engine().FBuffer->TextLength(); }
    // A position that does not split a CR LF pair.
    std::uint32_t position() {
        const char16_t* t = engine().FBuffer->Text();
        std::uint32_t p = random() % (length() + 1);
        if (p > 0 && t[p] == 10 && t[p - 1] == 13) --p;
        return p;
    }
    std::int32_t line_at(std::uint32_t p) { return lines().GetLinePos(p); }
};

TEST_F(IncrementalLayout, RandomEditsMatchAFullLayout) {
    for (int step = 0; step < 300; ++step) {
        auto& buffer = *engine().FBuffer;
        // Edits above the view too.
        if (random() % 4 == 0) SendMessageW(editor, EFM_SETTOPINDEX, random() % (length() + 1), 0);
        const std::uint32_t at = position();
        const int kind = static_cast<int>(random() % 5);
        if (kind == 0) { // typing: text without paragraph marks
            std::u16string p = piece();
            if (p == u"\r\n") p = u"q";
            ASSERT_TRUE(
                buffer.InsertChar(p.data(), fonts[random() % 3], static_cast<std::uint32_t>(p.size()), at));
            const std::int32_t line = line_at(at);
            const auto n = static_cast<std::int32_t>(p.size());
            ASSERT_TRUE(random() % 2 ? engine().RepaintChar(line, n) : engine().RepaintChar(line, n, at));
        } else if (kind == 1) { // deleting within a paragraph
            std::uint32_t n = 1 + random() % 4, end = at;
            while (end < length() && end - at < n && buffer.CharAt(end) != 13) ++end;
            if (end == at) continue;
            ASSERT_TRUE(buffer.DeleteChar(at, end - at));
            const auto removed = -static_cast<std::int32_t>(end - at);
            ASSERT_TRUE(random() % 2 ? engine().RepaintChar(line_at(at), removed)
                                     : engine().RepaintChar(line_at(at), removed, at));
        } else if (kind == 2) { // a paragraph break, or a range deleted across paragraphs
            const std::int32_t line = line_at(at);
            const bool shifted = random() % 2; // the walk that stops where old lines resume
            std::int64_t delta = 2;
            if (random() % 2) {
                ASSERT_TRUE(buffer.InsertChar(u"\r\n", 0, 2, at));
            } else {
                const std::uint32_t end =
                    std::min(length(), at + 1 + static_cast<std::uint32_t>(random() % 40));
                std::uint32_t cut = end;
                if (cut < length() && buffer.CharAt(cut) == 10) ++cut;
                ASSERT_TRUE(buffer.DeleteChar(at, cut - at));
                delta = -static_cast<std::int64_t>(cut - at);
            }
            if (shifted)
                engine().UpdateShifted(line, at, delta);
            else
                engine().UpdateFrom(line);
        } else if (kind == 3) { // pasted paragraphs
            std::u16string text;
            std::vector<std::uint8_t> formats;
            for (int i = 0; i < 1 + static_cast<int>(random() % 12); ++i) append(text, formats, piece());
            const std::int32_t line = line_at(at);
            ASSERT_TRUE(buffer.InsertChar(text.data(), 0, static_cast<std::uint32_t>(text.size()), at));
            std::copy(formats.begin(), formats.end(), buffer.Formats() + at);
            engine().UpdateShifted(line, at, static_cast<std::int64_t>(text.size()));
        } else { // a format over a range
            const std::uint32_t end = std::min(length(), at + static_cast<std::uint32_t>(random() % 30));
            const std::uint8_t f = fonts[random() % 3];
            for (std::uint32_t i = at; i < end; ++i)
                if (buffer.CharAt(i) != 13 && buffer.CharAt(i) != 10) buffer.FormatByte(i) = f;
            engine().UpdateFormat(static_cast<std::int32_t>(at), end);
        }
        const auto incremental = snapshot(lines());
        engine().GetLines();
        ASSERT_EQ(incremental, snapshot(lines())) << "step " << step << " kind " << kind << " at " << at;
    }
}

TEST_F(IncrementalLayout, TypingInALineWithRoomShiftsTheLinesBelow) {
    const std::int32_t count = lines().Count();
    // The last line of a paragraph with room to spare for one more letter.
    std::int32_t line = 0;
    while (line + 1 < count &&
           !(lines().IsEndOfPara(line) && lines().Line(line)->BandWidth() - lines().Line(line)->Width() > 40))
        ++line;
    ASSERT_LT(line + 1, count);
    std::vector<std::uint32_t> starts;
    for (std::int32_t i = line + 1; i < count; ++i) starts.push_back(lines().Line(i)->At);
    const std::uint32_t at = lines().Line(line)->At;
    ASSERT_TRUE(engine().FBuffer->InsertChar(u"i", 0, 1, at));
    ASSERT_TRUE(engine().RepaintChar(line_at(at), 1));
    ASSERT_EQ(lines().Count(), count);
    for (std::int32_t i = line + 1; i < count; ++i)
        EXPECT_EQ(lines().Line(i)->At, starts[std::size_t(i - line - 1)] + 1) << i;
}

// Keys typed anywhere, as a user types them: what the window shows after each keystroke's
// partial repaint is what a full repaint shows.
TEST_F(IncrementalLayout, TypingPaintsWhatAFullRepaintPaints) {
    RECT client{};
    GetClientRect(editor, &client);
    const auto pixels = [&] {
        std::vector<std::uint32_t> out;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x) out.push_back(headless::PixelAt(editor, x, y));
        return out;
    };
    const char16_t keys[] = {u'x', u'w', u' ', u'.', 8, 8, 13, u'\t'};
    for (int step = 0; step < 60; ++step) {
        if (step % 3 == 0)
            SendMessageW(editor, EFM_SETTOPINDEX, random() % engine().FBuffer->TextLength(), 0);
        // A place in view, so that the keystroke paints rather than scrolls.
        const std::uint32_t top = lines().Line(lines().FTopLine)->At;
        const std::uint32_t end = lines().Line(std::max(lines().FTopLine, lines().FBottomLine - 1))->At;
        const std::uint32_t at = top + random() % (end - top + 1);
        SendMessageW(editor, EFM_SETINDEX, 0, static_cast<LPARAM>(at));
        headless::PumpMessages();
        SendMessageW(editor, WM_CHAR, keys[random() % std::size(keys)], 0);
        headless::PumpMessages();
        const auto typed = pixels();
        InvalidateRect(editor, nullptr, TRUE);
        headless::PumpMessages();
        ASSERT_EQ(typed, pixels()) << "step " << step << " at " << at;
    }
}

} // namespace
} // namespace zeledit::test
