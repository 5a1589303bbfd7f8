// Line layout and painting of a 1,000,000-character document (5,000 paragraphs, four
// formats, Liberation Serif 11 pt): the full layout in a 600-pixel band, the layout after one
// character, finding lines by text position and by height, words and paragraphs inserted,
// bold over a paragraph, finding; a full repaint of a 1,000 x 800 window and scrolling it by
// one line. Keystrokes through messages and documents of ten million characters are in
// bench_scale.
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include "engine/editor_internals.h"
#include "engine/format_editor.h"
#include "large_document.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace zeledit;

LargeLayout& Document() {
    static LargeLayout doc;
    return doc;
}

void BM_FullLayout(benchmark::State& state) {
    auto& doc = Document();
    for (auto _ : state) doc.editor->GetLines();
    state.counters["lines"] = Internals(*doc.editor).FLines->Count();
    state.counters["paragraphs"] = static_cast<double>(
        std::count(Internals(*doc.editor).FBuffer->Text(),
                   Internals(*doc.editor).FBuffer->Text() + Internals(*doc.editor).FBuffer->TextLength(),
                   u'\r') +
        1);
}
BENCHMARK(BM_FullLayout)->Unit(benchmark::kMillisecond);

// The layout after one character typed in the middle (alternately removed again); the
// edit of the buffer itself is not timed.
void BM_TypeOneCharacterInTheMiddle(benchmark::State& state) {
    auto& doc = Document();
    doc.editor->GetLines();
    auto& buffer = *Internals(*doc.editor).FBuffer;
    const std::uint32_t at = buffer.TextLength() / 2;
    bool inserted = false;
    for (auto _ : state) {
        state.PauseTiming();
        if (!inserted)
            buffer.InsertChar(u"x", 0, 1, at);
        else
            buffer.DeleteChar(at, 1);
        state.ResumeTiming();
        doc.editor->RepaintChar(Internals(*doc.editor).FLines->GetLinePos(at), inserted ? -1 : 1);
        inserted = !inserted;
    }
}
BENCHMARK(BM_TypeOneCharacterInTheMiddle)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

void BM_FindLines(benchmark::State& state) {
    auto& doc = Document();
    doc.editor->GetLines();
    const auto& lines = *Internals(*doc.editor).FLines;
    const std::uint32_t length = Internals(*doc.editor).FBuffer->TextLength();
    const std::int32_t height = lines.GetDocumentHeight();
    std::uint32_t i = 0;
    for (auto _ : state) {
        i = i * 1664525u + 1013904223u;
        benchmark::DoNotOptimize(lines.GetLinePos(i % length));
        benchmark::DoNotOptimize(lines.GetAbsPos(static_cast<std::int32_t>(i % lines.Count())));
        benchmark::DoNotOptimize(lines.GetLineAtAbsPos(static_cast<std::int32_t>(i % height)));
    }
}
BENCHMARK(BM_FindLines);

// Words inserted by the host in the middle of a paragraph, enough to give it another line, and
// deleted again.
void BM_InsertWordsThatAddALine(benchmark::State& state) {
    auto& doc = Document();
    doc.editor->GetLines();
    const std::uint32_t at = Internals(*doc.editor).FBuffer->TextLength() / 2;
    const std::u16string words = u"wrapping words that need a line of their own in the paragraph ";
    for (auto _ : state) {
        doc.editor->SetIndex(at);
        SendMessageW(doc.window, EFM_INSERTTEXT, 0, reinterpret_cast<LPARAM>(words.c_str()));
        SendMessageW(doc.window, EFM_DELETEDATA, at, static_cast<LPARAM>(at + words.size()));
    }
}
BENCHMARK(BM_InsertWordsThatAddALine)->Unit(benchmark::kMicrosecond);

// The selection of the paragraph that holds the middle of the text.
void SelectMiddleParagraph(LargeLayout& doc) {
    const std::uint32_t middle = Internals(*doc.editor).FBuffer->TextLength() / 2;
    const std::uint32_t start = Internals(*doc.editor).FParas->StartParaIndex(middle);
    const std::uint32_t end = Internals(*doc.editor).FParas->EndOfParaIndex(middle) - 1;
    SendMessageW(doc.window, EFM_SETSELTEXT, 0, MAKELPARAM(0, 0));
    doc.editor->SetSelText(start, end);
}

// Ctrl+B over one paragraph in the middle: the undo snapshot, the format table, the bytes and
// the layout and repaint of its lines.
void BM_BoldAParagraph(benchmark::State& state) {
    auto& doc = Document();
    doc.editor->GetLines();
    SelectMiddleParagraph(doc);
    for (auto _ : state) SendMessageW(doc.window, WM_COMMAND, 103, 0);
    Internals(*doc.editor).FUndoObj->FreeAll();
}
BENCHMARK(BM_BoldAParagraph)->Unit(benchmark::kMicrosecond);

// A paragraph copied, then pasted in the middle and deleted again: the clipboard block, the
// insertion with its formats merged, the layout, the deletion.
void BM_PasteAParagraph(benchmark::State& state) {
    auto& doc = Document();
    doc.editor->GetLines();
    SelectMiddleParagraph(doc);
    SendMessageW(doc.window, WM_COPY, 0, 0);
    const std::uint32_t at = Internals(*doc.editor).FBuffer->TextLength() / 3;
    for (auto _ : state) {
        SendMessageW(doc.window, EFM_SETSELTEXT, 0, MAKELPARAM(0, 0));
        doc.editor->SetIndex(at);
        SendMessageW(doc.window, WM_PASTE, 0, 0);
        doc.editor->DeleteData(at, Internals(*doc.editor).edInfo.eiIndex);
    }
    Internals(*doc.editor).FUndoObj->FreeAll();
}
BENCHMARK(BM_PasteAParagraph)->Unit(benchmark::kMicrosecond);

// A word the document lacks, searched from the top through the whole text, with and without
// matching case (without, the text is lower-cased through the case table as it is read).
void BM_FindThroughTheWholeText(benchmark::State& state) {
    auto& doc = Document();
    doc.editor->GetLines();
    const std::uint8_t options = state.range(0) != 0 ? efoMatchCase : 0;
    for (auto _ : state) benchmark::DoNotOptimize(doc.editor->FindText(0, u"Hà Tĩnh", options, false, -1));
    doc.editor->SetIndex(
        0); // finding nothing left the caret at the end; the next benchmarks start at the top
}
BENCHMARK(BM_FindThroughTheWholeText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

struct PaintedWindow {
    LargeLayout& doc = Document();
    PaintedWindow() {
        SetWindowPos(doc.window, nullptr, 0, 0, 1000, 800, SWP_NOZORDER | SWP_NOMOVE);
        doc.editor->GetLines();
        Internals(*doc.editor).FLines->SetTopLine(Internals(*doc.editor).FLines->Count() / 2);
        UpdateWindow(doc.window);
    }
    ~PaintedWindow() { SetWindowPos(doc.window, nullptr, 0, 0, 610, 800, SWP_NOZORDER | SWP_NOMOVE); }
};

void BM_RepaintWholeWindow(benchmark::State& state) {
    PaintedWindow w;
    for (auto _ : state) {
        InvalidateRect(w.doc.window, nullptr, TRUE);
        UpdateWindow(w.doc.window);
    }
}
BENCHMARK(BM_RepaintWholeWindow)->Unit(benchmark::kMillisecond);

// One line down, then one line up: the pixels move and only the uncovered band is painted.
void BM_ScrollOneLine(benchmark::State& state) {
    PaintedWindow w;
    bool down = true;
    for (auto _ : state) {
        SendMessageW(w.doc.window, WM_VSCROLL, down ? SB_LINEDOWN : SB_LINEUP, 0);
        UpdateWindow(w.doc.window);
        down = !down;
    }
}
BENCHMARK(BM_ScrollOneLine)->Unit(benchmark::kMicrosecond);

} // namespace
