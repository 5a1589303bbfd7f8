// Object tables come from documents: any bytes read as a table over a text of marks must
// be refused or load objects that measure, draw, store and reload without harm.
#include "model/editor_buffer.h"
#include "objects/editor_objects.h"

#include <zeledit/windows.h>

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zeledit;
    if (size < 4 || size > 1 << 20) return 0;
    static HDC dc = [] {
        HDC d = CreateCompatibleDC(nullptr);
        SelectObject(d, CreateCompatibleBitmap(d, 64, 64));
        return d;
    }();
    model::TEditorInfo info;
    info.eiBoundRect = {0, 0, 60, 60};
    model::TEditorBuffer buffer(&info);
    info.eiBuffers = &buffer;
    objects::TEditorObjects list(&info);
    const std::uint32_t count = data[0] | (data[1] << 8);
    // A text of marks carrying the next bytes as format bytes; the high bits pick the family.
    for (std::uint32_t i = 0; i < data[2] % 16 && 3 + i < size; ++i) {
        const char16_t mark = objects::ObjectMark;
        buffer.InsertChar(&mark, data[3 + i], 1, i);
    }
    const auto family = static_cast<objects::RecordFamily>((data[2] >> 4) % 3);
    if (!list.LoadFrom({data, size}, 3, count, family)) return 0;
    list.ReconcileMarks(buffer);
    list.FitObjects();
    int y = 0;
    for (std::int32_t i = 0; i < list.Count(); ++i) list.Item(i)->DrawObject(dc, 0, i % 2 == 1, 0, y += 7);
    list.DrawFloatedObjectAt(dc, 0);
    // Whatever the objects drew, the target still takes drawing: a spoiled surface would
    // leave every later paint of the window blank.
    const RECT probe{0, 0, 4, 4};
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    FillRect(dc, &probe, brush);
    DeleteObject(brush);
    if (GetPixel(dc, 1, 1) != RGB(1, 2, 3)) std::abort();
    std::vector<std::uint8_t> stored(list.GetSize());
    list.SaveTo(stored.data(), 0);
    objects::TEditorObjects again(&info);
    again.LoadFrom(stored, 0, static_cast<std::uint32_t>(list.Count()));
    return 0;
}
