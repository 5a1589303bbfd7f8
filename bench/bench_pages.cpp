// Pages of the million-character document on an A4 printer at 600 dots per inch: the full
// screen layout and pagination (a print layout, the walk over its lines, the screen layout
// again) measured in the same run; one page drawn near the start and near the end (page
// drawing visits only the page's lines, so both take the same time); and the whole document
// printed to a PDF file, with its pages and size.
#include <zeledit/zeledit.h>

#include "large_document.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

struct PagedDocument : LargeLayout {
    HDC printer;
    WNDPROC editor_proc;

    PagedDocument() {
        DEVMODEW mode{};
        mode.dmFields = DM_PRINTQUALITY | DM_PAPERSIZE;
        mode.dmPrintQuality = 600;
        mode.dmPaperSize = DMPAPER_A4;
        printer = CreateDCW(u"PDF", nullptr, nullptr, &mode);
        SetPropW(window, u"bench.printer", printer);
        SetPropW(window, u"bench.proc", reinterpret_cast<HANDLE>(GetWindowLongPtrW(window, GWLP_WNDPROC)));
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Lend));
    }
    // The host's answer to the printer query.
    static LRESULT CALLBACK Lend(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == EFN_QUERYPRINTER) return reinterpret_cast<LRESULT>(GetPropW(w, u"bench.printer"));
        return CallWindowProcW(reinterpret_cast<WNDPROC>(GetPropW(w, u"bench.proc")), w, msg, wParam, lParam);
    }
    int Repaginate() const { return static_cast<int>(SendMessageW(window, EFM_REPAGINATE, 0, 0)); }
    void PrintPage(int page) const {
        TPrintPageRequest request{static_cast<std::uint16_t>(page), {}, 0};
        SendMessageW(window, EFM_PRINTPAGE, reinterpret_cast<WPARAM>(printer),
                     reinterpret_cast<LPARAM>(&request));
    }
};

PagedDocument& Document() {
    static PagedDocument doc;
    return doc;
}

void BM_ScreenLayout(benchmark::State& state) {
    auto& doc = Document();
    for (auto _ : state) doc.editor->GetLines();
    state.counters["lines"] = Internals(*doc.editor).FLines->Count();
}
BENCHMARK(BM_ScreenLayout)->Unit(benchmark::kMillisecond);

void BM_Repaginate(benchmark::State& state) {
    auto& doc = Document();
    int pages = 0;
    for (auto _ : state) pages = doc.Repaginate();
    state.counters["pages"] = pages;
}
BENCHMARK(BM_Repaginate)->Unit(benchmark::kMillisecond);

// One page of the print layout drawn onto a PDF page; argument: 0 the second page, 1 the
// second-last.
void BM_DrawOnePage(benchmark::State& state) {
    auto& doc = Document();
    const int pages = doc.Repaginate();
    const int page = state.range(0) == 0 ? 2 : pages - 1;
    const std::u16string file = (std::filesystem::temp_directory_path() / "bench-page.pdf").u16string();
    SendMessageW(doc.window, EFM_BEGINPRINT, 0, 0);
    DOCINFOW info{sizeof info, u"bench", file.c_str(), nullptr, 0};
    StartDocW(doc.printer, &info);
    for (auto _ : state) {
        StartPage(doc.printer);
        doc.PrintPage(page);
        EndPage(doc.printer);
    }
    AbortDoc(doc.printer);
    SendMessageW(doc.window, EFM_ENDPRINT, 0, 0);
    state.counters["page"] = page;
}
BENCHMARK(BM_DrawOnePage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PrintToPdf(benchmark::State& state) {
    auto& doc = Document();
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "bench-document.pdf";
    const std::u16string name = file.u16string();
    int pages = 0;
    for (auto _ : state) {
        pages = doc.Repaginate();
        SendMessageW(doc.window, EFM_BEGINPRINT, 0, 0);
        DOCINFOW info{sizeof info, u"bench", name.c_str(), nullptr, 0};
        StartDocW(doc.printer, &info);
        for (int p = 1; p <= pages; ++p) {
            StartPage(doc.printer);
            doc.PrintPage(p);
            EndPage(doc.printer);
        }
        EndDoc(doc.printer);
        SendMessageW(doc.window, EFM_ENDPRINT, 0, 0);
    }
    state.counters["pages"] = pages;
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    std::filesystem::remove(file);
}
BENCHMARK(BM_PrintToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
