#include "platform/gdi/metafile/metafile.h"

#include <algorithm>

namespace zeledit::platform {

MetafileObjects::~MetafileObjects() {
    for (HGDIOBJ o : slots_)
        if (o != nullptr) DeleteObject(o);
}

void MetafileObjects::put(std::size_t index, HGDIOBJ object) {
    if (index >= slots_.size()) {
        DeleteObject(object);
        return;
    }
    if (slots_[index] != nullptr) DeleteObject(slots_[index]);
    slots_[index] = object;
}

void MetafileObjects::add(HGDIOBJ object) {
    const auto free = std::find(slots_.begin(), slots_.end(), nullptr);
    if (free == slots_.end()) {
        DeleteObject(object);
        return;
    }
    // A slot must be taken even by an object this player cannot make.
    *free = object != nullptr ? object : GetStockObject(NULL_BRUSH);
}

void MetafileObjects::remove(HDC dc, std::size_t index) {
    if (index >= slots_.size() || slots_[index] == nullptr) return;
    // Deleting a selected object: put the default back first, as the real system keeps it alive.
    const HGDIOBJ o = slots_[index];
    for (UINT type : {OBJ_PEN, OBJ_BRUSH, OBJ_FONT})
        if (GetCurrentObject(dc, type) == o)
            SelectObject(dc, GetStockObject(type == OBJ_PEN     ? BLACK_PEN
                                            : type == OBJ_BRUSH ? WHITE_BRUSH
                                                                : SYSTEM_FONT));
    DeleteObject(o);
    slots_[index] = nullptr;
}

} // namespace zeledit::platform
