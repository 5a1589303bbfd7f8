// Documents of 1,000,000 and 10,000,000 characters (paragraphs of about 200 characters, 100
// character formats, 50 pictures; Liberation Serif, lines of about 600 pixels) in a window
// 800 pixels high: loading a saved block to the first paint, the full layout, keystrokes in
// the middle of the text with their painting, the undo snapshot, scrolling, finding and
// saving. The headline figures of `make bench`; the table there sets them beside their goals.
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include "engine/editor_internals.h"
#include "engine/format_editor.h"
#include "objects/picture_object.h"
#include "platform/core/global_memory.h"
#include "platform/graphics_support/graphics_support.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace zeledit;

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

long ResidentKilobytes() {
    long pages = 0, resident = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// In a process of its own, so that nothing the benchmarks made counts: a document file
// opened, shown, typed into (the first keystroke takes the undo snapshot), searched and
// saved. Prints the peak memory this added, in kilobytes.
int DocumentMemory(const char* file) {
    InitEditorLib();
    HWND w = CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 630, 800, nullptr, nullptr,
                             nullptr, nullptr);
    UpdateWindow(w);
    const long before = ResidentKilobytes();
    const std::string name(file);
    const std::u16string wide(name.begin(), name.end());
    if (SendMessageW(w, EFM_LOADDOC, 0, reinterpret_cast<LPARAM>(wide.c_str())) != 1) return 1;
    UpdateWindow(w);
    SetFocus(w);
    SendMessageW(w, EFM_SETTOPINDEX, SendMessageW(w, EFM_GETTEXTLENGTH, 0, 0) / 2, 0);
    for (int i = 0; i < 10; ++i) SendMessageW(w, WM_CHAR, 'x', 0);
    auto* editor = static_cast<engine::TFormatEditor*>(GetPropW(w, u"EDOBJ"));
    editor->FindText(0, u"Hà Tĩnh", 0, false, -1);
    const std::u16string saved = wide + u".saved";
    SendMessageW(w, EFM_SAVEDOC, 0, reinterpret_cast<LPARAM>(saved.c_str()));
    std::remove((name + ".saved").c_str());
    std::printf("%ld\n", PeakKilobytes() - before);
    return 0;
}

struct ScaleDocument {
    HWND window = nullptr;
    engine::TFormatEditor* editor = nullptr;
    HGLOBAL block = nullptr; // the document saved, for loading
    std::size_t chars = 0;

    explicit ScaleDocument(std::size_t size) : chars(size) {
        InitEditorLib();
        // The band is about 600 pixels once the vertical bar shows.
        window = CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 630, 800, nullptr,
                                 nullptr, nullptr, nullptr);
        editor = static_cast<engine::TFormatEditor*>(GetPropW(window, u"EDOBJ"));
        std::vector<std::uint8_t> ids = AddFormats();
        std::u16string text;
        std::vector<std::uint8_t> formats;
        text.reserve(size + 64);
        formats.reserve(size + 64);
        const std::u16string words[] = {u"chữ ",        u"Việt ", u"layout ", u"of ",
                                        u"paragraphs ", u"và ",   u"lines "};
        const std::size_t picture_every = size / 50;
        for (std::size_t w = 0; text.size() < size; ++w) {
            const std::u16string& word = (w % 36 == 35) ? std::u16string(u"\r\n") : words[w % 7];
            text += word;
            formats.insert(formats.end(), word.size(), word == u"\r\n" ? 0 : ids[(w / 5) % ids.size()]);
            if (text.size() / picture_every >
                    static_cast<std::size_t>(Internals(*editor).FObjects->Count()) &&
                Internals(*editor).FObjects->Count() < 50)
                AddPicture(text, formats);
        }
        formats.resize(text.size() + 2, 0);
        Internals(*editor).FBuffer->Assign(text, formats);
        editor->GetLines();
        block = reinterpret_cast<HGLOBAL>(SendMessageW(window, EFM_GETDATA, 0, 0));
        SendMessageW(window, EFM_SETDATA, 0, reinterpret_cast<LPARAM>(block));
        UpdateWindow(window);
    }

    // Format 0 and 99 more: four faces of Liberation Serif at sizes 10 to 12.
    std::vector<std::uint8_t> AddFormats() {
        TCharFormat base = Internals(*editor).FFonts->GetFormatItem(0)->FAttributes;
        std::strcpy(base.ftFaceName, "Liberation Serif");
        base.ftHeight = 11;
        Internals(*editor).FFonts->GetFormatItem(0)->ResetFont(base);
        std::vector<std::uint8_t> ids{0};
        for (int i = 1; i < 100; ++i) {
            TCharFormat f = base;
            f.ftAttr = static_cast<std::uint8_t>(i % 4);
            f.ftHeight = static_cast<std::int16_t>(10 + i % 3);
            f.ftColor = RGB(i, 0, 0);
            ids.push_back(static_cast<std::uint8_t>(Internals(*editor).FFonts->AddFontFormat(&f)));
        }
        return ids;
    }

    void AddPicture(std::u16string& text, std::vector<std::uint8_t>& formats) {
        static const std::vector<std::uint32_t> argb(64 * 48, 0xFF3366CC);
        TObjectInfo info{};
        info.oiStyle = objects::osPicture;
        info.oiID = Internals(*editor).FObjects->GetNewID();
        Internals(*editor).FObjects->AddObject(std::make_unique<objects::TPictureObj>(
            &Internals(*editor).edInfo, info,
            platform::UniqueGlobal(platform::make_packed_dib(64, 48, argb))));
        text += char16_t{1};
        formats.push_back(info.oiID);
    }

    std::uint32_t Middle() const { return Internals(*editor).FBuffer->TextLength() / 2; }
    // The caret in the middle of the text with its line in view, as where a user types.
    void CaretInTheMiddle() const {
        SetFocus(window);
        SendMessageW(window, EFM_SETTOPINDEX, Middle(), 0);
        UpdateWindow(window);
    }
};

ScaleDocument& Document(const benchmark::State& state) {
    static std::map<std::int64_t, std::unique_ptr<ScaleDocument>> documents;
    auto& d = documents[state.range(0)];
    if (!d) d = std::make_unique<ScaleDocument>(static_cast<std::size_t>(state.range(0)));
    return *d;
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1'000'000)->Arg(10'000'000)->Repetitions(3)->ReportAggregatesOnly(true);
}

// (First, so that the report's table has its columns from the start.)
// Peak memory of a document opened, typed into, searched and saved, in a process of its own,
// beside three times the document's own bytes (a code unit and a format byte per character).
void BM_PeakMemory(benchmark::State& state) {
    auto& doc = Document(state);
    const std::string path = "/tmp/zeledit-memory-" + std::to_string(state.range(0)) + ".zdf";
    const std::u16string wide(path.begin(), path.end());
    SendMessageW(doc.window, EFM_SAVEDOC, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    long kilobytes = -1;
    for (auto _ : state) {
        const std::string command = "/proc/" + std::to_string(getpid()) + "/exe --document-memory " + path;
        if (std::FILE* child = popen(command.c_str(), "r")) {
            if (std::fscanf(child, "%ld", &kilobytes) != 1) kilobytes = -1;
            pclose(child);
        }
    }
    std::remove(path.c_str());
    if (kilobytes < 0) state.SkipWithError("the measuring process failed");
    state.counters["peak_MB"] = static_cast<double>(kilobytes) / 1024.0;
    state.counters["limit_MB"] = 3.0 * static_cast<double>(doc.chars) * 3 / (1024.0 * 1024.0);
}
BENCHMARK(BM_PeakMemory)->Arg(1'000'000)->Arg(10'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

// A saved block loaded to the first paint, the vertical bar appearing during the layout as
// it does for a window that held a short document.
void BM_LoadToFirstPaint(benchmark::State& state) {
    auto& doc = Document(state);
    for (auto _ : state) {
        state.PauseTiming();
        SendMessageW(doc.window, EFM_CLEARTEXT, 0, 0);
        ShowScrollBar(doc.window, SB_VERT, FALSE);
        state.ResumeTiming();
        SendMessageW(doc.window, EFM_SETDATA, 0, reinterpret_cast<LPARAM>(doc.block));
        UpdateWindow(doc.window);
    }
}
BENCHMARK(BM_LoadToFirstPaint)->Apply(Sizes)->Unit(benchmark::kMillisecond);

void BM_FullLayout(benchmark::State& state) {
    auto& doc = Document(state);
    for (auto _ : state) doc.editor->GetLines();
}
BENCHMARK(BM_FullLayout)->Apply(Sizes)->Unit(benchmark::kMillisecond);

// One character typed through WM_CHAR, with its painting; rubbed out again untimed.
void BM_TypeACharacter(benchmark::State& state) {
    auto& doc = Document(state);
    doc.CaretInTheMiddle();
    for (auto _ : state) {
        SendMessageW(doc.window, WM_CHAR, 'x', 0);
        state.PauseTiming();
        SendMessageW(doc.window, WM_CHAR, 8, 0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TypeACharacter)->Apply(Sizes)->Unit(benchmark::kMicrosecond);

void BM_Backspace(benchmark::State& state) {
    auto& doc = Document(state);
    doc.CaretInTheMiddle();
    for (auto _ : state) {
        state.PauseTiming();
        SendMessageW(doc.window, WM_CHAR, 'x', 0);
        state.ResumeTiming();
        SendMessageW(doc.window, WM_CHAR, 8, 0);
    }
}
BENCHMARK(BM_Backspace)->Apply(Sizes)->Unit(benchmark::kMicrosecond);

void BM_Delete(benchmark::State& state) {
    auto& doc = Document(state);
    doc.CaretInTheMiddle();
    for (auto _ : state) {
        state.PauseTiming();
        SendMessageW(doc.window, WM_CHAR, 'x', 0);
        SendMessageW(doc.window, WM_KEYDOWN, VK_LEFT, 0);
        state.ResumeTiming();
        SendMessageW(doc.window, WM_KEYDOWN, VK_DELETE, 0);
    }
}
BENCHMARK(BM_Delete)->Apply(Sizes)->Unit(benchmark::kMicrosecond);

// A paragraph made and joined again.
void BM_EnterThenBackspace(benchmark::State& state) {
    auto& doc = Document(state);
    doc.CaretInTheMiddle();
    for (auto _ : state) {
        SendMessageW(doc.window, WM_CHAR, 13, 0);
        SendMessageW(doc.window, WM_CHAR, 8, 0);
    }
}
BENCHMARK(BM_EnterThenBackspace)->Apply(Sizes)->Unit(benchmark::kMicrosecond);

// The snapshot the first keystroke of a burst takes for undoing it.
void BM_UndoSnapshot(benchmark::State& state) {
    auto& doc = Document(state);
    for (auto _ : state) {
        doc.editor->CreateUndo();
        state.PauseTiming();
        Internals(*doc.editor).FUndoObj->FreeAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoSnapshot)->Apply(Sizes)->Unit(benchmark::kMillisecond);

// One line down and one line up in turn: the pixels move and the uncovered band is painted.
void BM_ScrollOneLine(benchmark::State& state) {
    auto& doc = Document(state);
    doc.CaretInTheMiddle();
    bool down = true;
    for (auto _ : state) {
        SendMessageW(doc.window, WM_VSCROLL, down ? SB_LINEDOWN : SB_LINEUP, 0);
        UpdateWindow(doc.window);
        down = !down;
    }
}
BENCHMARK(BM_ScrollOneLine)->Apply(Sizes)->Unit(benchmark::kMicrosecond);

// A word the document lacks, searched from the top through the whole text.
void BM_FindAbsentWord(benchmark::State& state) {
    auto& doc = Document(state);
    for (auto _ : state) benchmark::DoNotOptimize(doc.editor->FindText(0, u"Hà Tĩnh", 0, false, -1));
}
BENCHMARK(BM_FindAbsentWord)->Apply(Sizes)->Unit(benchmark::kMillisecond);

// Replace all of a word that stands 10,000 times in 1,000,000 characters (one paragraph of
// 100 per occurrence), through the message a host or the replace dialog sends; the document
// is put back between runs, untimed.
void BM_ReplaceAll(benchmark::State& state) {
    static const ScaleDocument& doc = []() -> ScaleDocument& {
        static ScaleDocument d(1000);
        std::u16string text;
        for (int i = 0; i < 10'000; ++i) text += u"Hà Tĩnh " + std::u16string(90, u'a') + u"\r\n";
        std::vector<std::uint8_t> formats(text.size() + 2, 0);
        Internals(*d.editor).FBuffer->Assign(text, formats);
        d.editor->GetLines();
        GlobalFree(d.block);
        d.block = reinterpret_cast<HGLOBAL>(SendMessageW(d.window, EFM_GETDATA, 0, 0));
        return d;
    }();
    const TReplaceAllRecord replace{u"tĩnh", u"Tĩnh Gia", nullptr, efoWholeWord};
    for (auto _ : state) {
        state.PauseTiming();
        SendMessageW(doc.window, EFM_SETDATA, 0, reinterpret_cast<LPARAM>(doc.block));
        SendMessageW(doc.window, EFM_SETINDEX, 0, 0);
        state.ResumeTiming();
        if (SendMessageW(doc.window, EFM_REPLACEALL, 0, reinterpret_cast<LPARAM>(&replace)) != 10'000)
            state.SkipWithError("not every occurrence was replaced");
    }
}
BENCHMARK(BM_ReplaceAll)->Repetitions(3)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

// The document written to a file.
void BM_SaveToFile(benchmark::State& state) {
    auto& doc = Document(state);
    const std::string path = "/tmp/zeledit-bench-" + std::to_string(state.range(0)) + ".zdf";
    const std::u16string wide(path.begin(), path.end());
    for (auto _ : state)
        if (SendMessageW(doc.window, EFM_SAVEDOC, 0, reinterpret_cast<LPARAM>(wide.c_str())) != 1)
            state.SkipWithError("the document was not saved");
    std::remove(path.c_str());
}
BENCHMARK(BM_SaveToFile)->Apply(Sizes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--document-memory") == 0) return DocumentMemory(argv[2]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
