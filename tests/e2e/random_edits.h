// Random edits of an editor's document as its own commands make them (typing, deleting,
// paragraph breaks, pasted paragraphs, formats, a host writing through the text's address),
// each followed by the incremental layout the editor runs for it; and the lines as records,
// to compare with a full layout.
#pragma once

#include <zeledit/zeledit.h>

#include "engine/editor_internals.h"
#include "engine/format_editor.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace zeledit::test {

using LineRecord = std::tuple<std::uint32_t, int, int, int, int, int, int, int>;

inline std::vector<LineRecord> Snapshot(const display::TEditorLines& lines) {
    std::vector<LineRecord> out;
    out.reserve(static_cast<std::size_t>(lines.Count()));
    for (std::int32_t i = 0; i < lines.Count(); ++i) {
        const display::TLineItem& l = *lines.Line(i);
        out.emplace_back(l.At, l.FWidth, l.FHeight, l.FTextHeight, l.FBaseLine, l.FRegion.Left,
                         l.FRegion.Right, l.FRegion.MoreHeight);
    }
    return out;
}

class RandomEdits {
public:
    RandomEdits(HWND editor, std::uint32_t seed, std::array<std::uint8_t, 3> fonts)
        : random(seed), editor_(editor), e_(*static_cast<engine::TFormatEditor*>(GetPropW(editor, u"EDOBJ"))),
          fonts_(fonts) {}

    // A document of random pieces, at least `units` code units or `pieces` pieces, laid out.
    void Fill(std::size_t units) { Fill(units, 0); }
    void FillPieces(int pieces) { Fill(0, pieces); }

    // One edit of a random kind at a random place, the view sometimes scrolled first.
    void Step() {
        if (random() % 4 == 0) SendMessageW(editor_, EFM_SETTOPINDEX, random() % (Length() + 1), 0);
        at = Position();
        kind = static_cast<int>(random() % 6);
        switch (kind) {
        case 0: return Type();
        case 1: return DeleteInParagraph();
        case 2: return BreakOrJoin();
        case 3: return Paste();
        case 4: return Format();
        default: return HostWrites();
        }
    }

    std::mt19937 random;
    // Whether paragraph breaks and joins are also laid out by the walk to the document's end,
    // which takes long in a very long document.
    bool to_the_end = true;
    int kind = 0;
    std::uint32_t at = 0;

private:
    void Fill(std::size_t units, int pieces) {
        std::u16string text;
        std::vector<std::uint8_t> formats;
        text.reserve(units);
        formats.reserve(units + 2);
        for (int i = 0; text.size() < units || i < pieces; ++i) Append(text, formats, Piece());
        formats.resize(text.size() + 2, 0);
        ASSERT_TRUE(Internals(e_).FBuffer->Assign(text, formats));
        e_.GetLines();
    }
    std::u16string Piece() {
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
    void Append(std::u16string& text, std::vector<std::uint8_t>& formats, const std::u16string& p) {
        text += p;
        formats.insert(formats.end(), p.size(), p == u"\r\n" ? 0 : fonts_[random() % 3]);
    }
    std::uint32_t Length() const { return Internals(e_).FBuffer->TextLength(); }
    // A position that does not split a CR LF pair.
    std::uint32_t Position() {
        std::uint32_t p = random() % (Length() + 1);
        if (p > 0 && Internals(e_).FBuffer->CharAt(p) == 10 && Internals(e_).FBuffer->CharAt(p - 1) == 13)
            --p;
        return p;
    }
    std::int32_t LineAt(std::uint32_t p) const { return Internals(e_).FLines->GetLinePos(p); }

    void Type() {
        const std::u16string piece = Piece();
        const std::u16string p = piece == u"\r\n" ? std::u16string(1, u'q') : piece; // no paragraph mark
        const auto n = static_cast<std::int32_t>(p.size());
        ASSERT_TRUE(Internals(e_).FBuffer->InsertChar(p.data(), fonts_[random() % 3],
                                                      static_cast<std::uint32_t>(n), at));
        const std::int32_t line = LineAt(at);
        ASSERT_TRUE(random() % 2 ? e_.RepaintChar(line, n) : e_.RepaintChar(line, n, at));
    }
    void DeleteInParagraph() {
        const std::uint32_t n = 1 + random() % 4;
        std::uint32_t end = at;
        while (end < Length() && end - at < n && Internals(e_).FBuffer->CharAt(end) != 13) ++end;
        if (end == at) return;
        ASSERT_TRUE(Internals(e_).FBuffer->DeleteChar(at, end - at));
        const auto removed = -static_cast<std::int32_t>(end - at);
        ASSERT_TRUE(random() % 2 ? e_.RepaintChar(LineAt(at), removed)
                                 : e_.RepaintChar(LineAt(at), removed, at));
    }
    // A paragraph break, or a range deleted across paragraphs; laid out by the walk that stops
    // where old lines resume, or to the end.
    void BreakOrJoin() {
        const std::int32_t line = LineAt(at);
        const bool shifted = random() % 2 || !to_the_end;
        std::int64_t delta = 2;
        if (random() % 2) {
            ASSERT_TRUE(Internals(e_).FBuffer->InsertChar(u"\r\n", 0, 2, at));
        } else {
            std::uint32_t cut = std::min(Length(), at + 1 + static_cast<std::uint32_t>(random() % 40));
            if (cut < Length() && Internals(e_).FBuffer->CharAt(cut) == 10) ++cut;
            ASSERT_TRUE(Internals(e_).FBuffer->DeleteChar(at, cut - at));
            delta = -static_cast<std::int64_t>(cut - at);
        }
        if (shifted)
            e_.UpdateShifted(line, at, delta);
        else
            e_.UpdateFrom(line);
    }
    void Paste() {
        std::u16string text;
        std::vector<std::uint8_t> formats;
        for (int i = 0; i < 1 + static_cast<int>(random() % 12); ++i) Append(text, formats, Piece());
        const std::int32_t line = LineAt(at);
        ASSERT_TRUE(
            Internals(e_).FBuffer->InsertChar(text.data(), 0, static_cast<std::uint32_t>(text.size()), at));
        for (std::size_t i = 0; i < formats.size(); ++i)
            Internals(e_).FBuffer->FormatByte(at + static_cast<std::uint32_t>(i)) = formats[i];
        e_.UpdateShifted(line, at, static_cast<std::int64_t>(text.size()));
    }
    void Format() {
        const std::uint32_t end = std::min(Length(), at + static_cast<std::uint32_t>(random() % 30));
        const std::uint8_t f = fonts_[random() % 3];
        for (std::uint32_t i = at; i < end; ++i)
            if (Internals(e_).FBuffer->CharAt(i) != 13 && Internals(e_).FBuffer->CharAt(i) != 10)
                Internals(e_).FBuffer->FormatByte(i) = f;
        e_.UpdateFormat(static_cast<std::int32_t>(at), end);
    }
    void HostWrites() {
        auto* text = reinterpret_cast<char16_t*>(SendMessageW(editor_, EFM_GETTEXTBUFFER, 0, 0));
        const std::uint32_t end = std::min(Length(), at + static_cast<std::uint32_t>(random() % 8));
        for (std::uint32_t i = at; i < end; ++i)
            if (text[i] != 13 && text[i] != 10 && text[i] != 1) text[i] = u"iWm"[random() % 3];
        e_.UpdateFormat(static_cast<std::int32_t>(at), end);
    }

    HWND editor_;
    engine::TFormatEditor& e_;
    std::array<std::uint8_t, 3> fonts_;
};

} // namespace zeledit::test
