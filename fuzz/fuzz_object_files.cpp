// The files a user picks in the object dialogs (bitmaps, JPEG images, metafiles, images for
// transparent pictures, animation strips): any bytes are refused or make an object that
// draws and stores exactly the size it reports.
#include "objects/image_objects.h"
#include "objects/object_files.h"
#include "objects/object_item.h"

#include <zeledit/windows.h>

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zeledit;
    if (size < 1 || size > 1 << 20) return 0;
    static HDC dc = [] {
        HDC d = CreateCompatibleDC(nullptr);
        SelectObject(d, CreateCompatibleBitmap(d, 64, 64));
        return d;
    }();
    // The first byte picks the kind, for transparent pictures the file's extension, and
    // with its top bit the reduction to 256 colours.
    static constexpr std::uint16_t kinds[] = {objects::osPicture, objects::osJPEG, objects::osMeta,
                                              objects::osDEX};
    static constexpr const char16_t* names[] = {u"a.bmp", u"a.dex", u"a.png", u"a.jpg", u"a.tif", u"a.tga"};
    const std::uint16_t kind = kinds[data[0] % 4];
    const char16_t* name = names[(data[0] >> 2) % 6];
    model::TEditorInfo info;
    info.eiBoundRect = {0, 0, 60, 60};
    TObjectInfo record = objects::DefaultObjectInfo();
    record.oiID = 1;
    objects::LoadedFile loaded =
        objects::ObjectFromFileBytes(&info, kind, record, name, {data + 1, size - 1});
    if (!loaded.Object) return 0;
    objects::TObjectItem& object = *loaded.Object;
    if (kind == objects::osDEX && (data[0] & 0x80) != 0)
        static_cast<objects::TDEXObject&>(object).ReduceTo8Bits();
    object.Fit(60, 60);
    object.DrawObject(dc, 0, false, 0, 40);
    std::vector<std::uint8_t> stored(object.GetDataSize());
    object.WriteTo(stored.data(), 0);
    if (stored.size() != objects::ObjectInfoSize + object.Info.oiSize) std::abort();
    return 0;
}
