// Object tables and picture drawing: a full table of 255 pictures read and written, and a
// picture drawn at natural and at fitted size.
#include "objects/editor_objects.h"
#include "objects/picture_object.h"
#include "platform/graphics_support/graphics_support.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

using namespace zeledit;

platform::UniqueGlobal Dib(int width, int height) {
    std::vector<std::uint32_t> argb(static_cast<std::size_t>(width) * height, 0xFF336699);
    return platform::UniqueGlobal(platform::make_packed_dib(width, height, argb));
}

TObjectInfo Record(std::uint8_t id) {
    TObjectInfo info{};
    info.oiStyle = objects::osPicture;
    info.oiID = id;
    info.oiMargins = {2.0, 2.0, 2.0, 2.0};
    info.oiWrapText = 1;
    return info;
}

// 255 pictures of 64 × 64 stored as one table.
std::vector<std::uint8_t> FullTable(model::TEditorInfo& info) {
    objects::TEditorObjects list(&info);
    for (int id = 1; id <= 255; ++id)
        list.AddObject(std::make_unique<objects::TPictureObj>(&info, Record(static_cast<std::uint8_t>(id)),
                                                              Dib(64, 64)));
    std::vector<std::uint8_t> table(list.GetSize());
    list.SaveTo(table.data(), 0);
    return table;
}

void BM_LoadFullObjectTable(benchmark::State& state) {
    model::TEditorInfo info;
    const auto table = FullTable(info);
    for (auto _ : state) {
        objects::TEditorObjects list(&info);
        benchmark::DoNotOptimize(list.LoadFrom(table, 0, 255));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * table.size()));
    state.SetItemsProcessed(state.iterations() * 255);
}
BENCHMARK(BM_LoadFullObjectTable)->Unit(benchmark::kMillisecond);

void BM_SaveFullObjectTable(benchmark::State& state) {
    model::TEditorInfo info;
    const auto table = FullTable(info);
    objects::TEditorObjects list(&info);
    list.LoadFrom(table, 0, 255);
    std::vector<std::uint8_t> out(table.size());
    for (auto _ : state) benchmark::DoNotOptimize(list.SaveTo(out.data(), 0));
    state.SetItemsProcessed(state.iterations() * 255);
}
BENCHMARK(BM_SaveFullObjectTable)->Unit(benchmark::kMillisecond);

void BM_DrawPicture(benchmark::State& state) {
    model::TEditorInfo info;
    objects::TPictureObj picture(&info, Record(1), Dib(400, 300));
    picture.Info.oiWidth = static_cast<std::uint16_t>(state.range(0));
    picture.Info.oiHeight = static_cast<std::uint16_t>(state.range(0) * 3 / 4);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 800, 600);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (auto _ : state) picture.DrawObject(dc, 0, false, 0, 600);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}
BENCHMARK(BM_DrawPicture)->Arg(400)->Arg(640)->Unit(benchmark::kMicrosecond);

} // namespace
