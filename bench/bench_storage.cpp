// Saving and loading a large document block: 1,000,000 characters, 100 character formats,
// 50 pictures and 200 links; throughput against a plain copy of the same bytes.
#include "model/undo_operator.h"
#include "objects/picture_object.h"
#include "platform/core/global_memory.h"
#include "platform/graphics_support/graphics_support.h"
#include "storage/document_block.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace zeledit;

struct LargeDocument {
    model::TEditorInfo info;
    model::TEditorBuffer buffer{&info};
    model::TEditorFonts fonts{&info};
    model::TEditorParagraphs paras{&info};
    objects::TEditorObjects objects{&info};
    model::THyperLinks links;
    storage::TDocumentParts parts{info, buffer, fonts, paras, objects, links};

    LargeDocument() {
        info.eiBuffers = &buffer;
        fonts.CreateDefaultFont();
        paras.CreateDefaultPara();
        for (int i = 1; i < 100; ++i) {
            TCharFormat f = fonts.GetFormatItem(0)->FAttributes;
            f.ftHeight = static_cast<std::int16_t>(8 + i);
            fonts.AddFontFormat(&f);
        }
        std::u16string text;
        std::vector<std::uint8_t> formats;
        for (int i = 0; text.size() < 1'000'000; ++i) {
            const std::u16string word = i % 97 == 0      ? u"\r"
                                        : i % 20000 == 1 ? u"\x01"
                                                         : u"ch\u1eef vi\u1ec7t ";
            const auto format = static_cast<std::uint8_t>(word == u"\x01" ? 0 : i % 100);
            text += word;
            formats.insert(formats.end(), word.size(), format);
        }
        formats.resize(text.size() + 2, 0);
        std::vector<std::uint32_t> argb(64 * 48, 0xFF3366CC);
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] == 1 && objects.Count() < 50) {
                TObjectInfo oi{};
                oi.oiStyle = objects::osPicture;
                oi.oiID = objects.GetNewID();
                formats[i] = oi.oiID;
                objects.AddObject(std::make_unique<objects::TPictureObj>(
                    &info, oi, platform::UniqueGlobal(platform::make_packed_dib(64, 48, argb))));
            }
        buffer.Assign(text, formats);
        for (int i = 0; i < 200; ++i) {
            const int at = i * 4'900;
            if (i % 4 == 0)
                links.SetHyperLinkAt(at, at + 12, u"một ghi chú ngắn", 0, "");
            else
                links.SetHyperLinkAt(at, at + 8, u"", static_cast<std::int16_t>(i),
                                     "https://example.org/page");
        }
    }
};

void BM_SaveDocumentBlock(benchmark::State& state) {
    LargeDocument doc;
    std::size_t bytes = 0;
    for (auto _ : state) {
        platform::UniqueGlobal block(storage::GetData(doc.parts));
        bytes = GlobalSize(block.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_SaveDocumentBlock)->Unit(benchmark::kMillisecond);

void BM_LoadDocumentBlock(benchmark::State& state) {
    LargeDocument doc;
    platform::UniqueGlobal block(storage::GetData(doc.parts));
    platform::LockedBlock bytes(block.get());
    for (auto _ : state) benchmark::DoNotOptimize(storage::LoadData(doc.parts, bytes.bytes()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadDocumentBlock)->Unit(benchmark::kMillisecond);

// One undo step of the whole document, on a full stack: the block is built, the oldest
// step freed.
void BM_UndoSnapshot(benchmark::State& state) {
    struct Editor : model::TUndoEditor {
        LargeDocument doc;
        HGLOBAL GetUndoData() override { return storage::GetData(doc.parts); }
        std::int32_t TopIndex() override { return 0; }
        std::int32_t CaretIndex() override { return 500'000; }
        void RestoreUndo(const model::TUndoInfo&) override {}
    } editor;
    model::TUndoOperator stack(editor, 10);
    for (int i = 0; i < 10; ++i) stack.CreateUndo();
    for (auto _ : state) stack.CreateUndo();
}
BENCHMARK(BM_UndoSnapshot)->Unit(benchmark::kMillisecond);

// The yardstick: copying the same number of bytes into a fresh block.
void BM_CopyDocumentSizedBlock(benchmark::State& state) {
    LargeDocument doc;
    platform::UniqueGlobal block(storage::GetData(doc.parts));
    platform::LockedBlock bytes(block.get());
    for (auto _ : state) {
        std::vector<std::uint8_t> copy(bytes.size());
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_CopyDocumentSizedBlock)->Unit(benchmark::kMillisecond);

} // namespace
