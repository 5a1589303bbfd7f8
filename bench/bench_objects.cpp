// Object tables and picture drawing: a full table of 255 pictures read and written, a
// picture drawn at natural and at fitted size, and documents of 255 objects loaded to the
// first paint, pictures only against every kind mixed.
#include "engine/editor_internals.h"
#include "engine/format_editor.h"
#include "objects/caption_text_objects.h"
#include "objects/drawing_object.h"
#include "objects/editor_objects.h"
#include "objects/image_objects.h"
#include "objects/picture_object.h"
#include "objects/sound_object.h"
#include "platform/core/code_page.h"
#include "platform/graphics_support/graphics_support.h"

#include <zeledit/zeledit.h>

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

// The object of kind `k` (of seven) with the given ID: pictures, animations, sounds and DEX
// images stand in the text; captions, text boxes and drawings float beside it.
std::unique_ptr<objects::TObjectItem> MixedObject(model::TEditorInfo* info, int k, std::uint8_t id) {
    TObjectInfo r = Record(id);
    switch (k) {
    case 1:
        r.oiStyle = objects::osAnimate;
        r.oiData = 4 * 65536 + 2;
        return std::make_unique<objects::TAnimateObj>(info, r, Dib(256, 64));
    case 2:
        r.oiStyle = objects::osSound;
        return std::make_unique<objects::TSoundObject>(info, nullptr, r, platform::UniqueGlobal{});
    case 3: {
        r.oiStyle = objects::osDEX;
        objects::UniqueDibObject dib(platform::CreateDibObject(24));
        platform::dibSetHandle(dib.get(), Dib(64, 64).release());
        return std::make_unique<objects::TDEXObject>(info, r, std::move(dib));
    }
    case 4: {
        r.oiStyle = objects::osCaption;
        TCaptionInfoW c{};
        c.ciText = u'Đ';
        platform::unicode_to_field(u"Liberation Serif", c.ciFormat.ftFaceName);
        c.ciFormat.ftHeight = 36;
        c.ciTransparent = 1;
        return std::make_unique<objects::TCaptionObject>(info, r, c);
    }
    case 5: {
        r.oiStyle = objects::osText;
        r.oiWidth = 120;
        r.oiHeight = 48;
        TTextInfo t{};
        platform::unicode_to_field(u"Liberation Serif", t.tiFormat.ftFaceName);
        t.tiFormat.ftHeight = 10;
        t.tiFrame = 1;
        return std::make_unique<objects::TTextObject>(info, r, t, u"Hộp chữ có hai dòng chữ bên trong");
    }
    case 6: {
        TDrawingInfo d{};
        d.diStyle = 2;
        d.diWidth = 2;
        d.diOutline = 1;
        return objects::CreateDrawingObj(info, id, {0, 0, 80, 50}, d);
    }
    default: return std::make_unique<objects::TPictureObj>(info, r, Dib(64, 64));
    }
}

// A saved document of 255 paragraphs, each with one object: pictures only, or every kind.
struct ObjectDocument {
    HWND window;
    HGLOBAL block;

    explicit ObjectDocument(bool mixed) {
        InitEditorLib();
        window = CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 610, 800, nullptr,
                                 nullptr, nullptr, nullptr);
        auto& editor = *static_cast<engine::TFormatEditor*>(GetPropW(window, u"EDOBJ"));
        auto e = Internals(editor);
        for (int i = 1; i <= 255; ++i) {
            const auto id = static_cast<std::uint8_t>(i);
            auto object = MixedObject(&e.edInfo, mixed ? i % 7 : 0, id);
            const std::u16string words = u"Đoạn văn có một đối tượng ";
            e.FBuffer->InsertChar(words.data(), 0, static_cast<std::uint32_t>(words.size()),
                                  e.FBuffer->TextLength());
            if (object->Floated()) {
                object->Info.oiPosition = (i - 1) * 40;
                object->Info.oiAnchorAt = e.FBuffer->TextLength();
            } else {
                e.FBuffer->InsertChar(&objects::ObjectMark, id, 1, e.FBuffer->TextLength());
            }
            e.FBuffer->InsertChar(u"\r", 0, 1, e.FBuffer->TextLength());
            e.FObjects->AddObject(std::move(object));
        }
        block = reinterpret_cast<HGLOBAL>(SendMessageW(window, EFM_GETDATA, 0, 0));
    }
    ~ObjectDocument() {
        GlobalFree(block);
        DestroyWindow(window);
    }
};

void BM_LoadObjectDocumentToFirstPaint(benchmark::State& state) {
    ObjectDocument doc(state.range(0) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        SendMessageW(doc.window, EFM_CLEARTEXT, 0, 0);
        state.ResumeTiming();
        SendMessageW(doc.window, EFM_SETDATA, 0, reinterpret_cast<LPARAM>(doc.block));
        InvalidateRect(doc.window, nullptr, FALSE);
        UpdateWindow(doc.window);
    }
    state.SetLabel(state.range(0) != 0 ? "every kind" : "pictures only");
}
BENCHMARK(BM_LoadObjectDocumentToFirstPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The animation tick with 255 objects, none of them in sight: nothing may be drawn.
void BM_AnimationTickOutOfSight(benchmark::State& state) {
    ObjectDocument doc(true);
    SendMessageW(doc.window, EFM_SETDATA, 0, reinterpret_cast<LPARAM>(doc.block));
    SendMessageW(doc.window, WM_VSCROLL, SB_BOTTOM, 0);
    auto& editor = *static_cast<engine::TFormatEditor*>(GetPropW(doc.window, u"EDOBJ"));
    for (auto _ : state) editor.ActivateObjects();
}
BENCHMARK(BM_AnimationTickOutOfSight)->Unit(benchmark::kMicrosecond);

} // namespace
