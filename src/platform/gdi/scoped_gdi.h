// Ownership of GDI objects and their selection into a device context.
#pragma once

#include <zeledit/win_gdi.h>

#include <memory>
#include <type_traits>

namespace zeledit::platform {

struct GdiDeleter {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
// An owned pen, brush, font, bitmap or region.
template <class Handle> using UniqueGdi = std::unique_ptr<std::remove_pointer_t<Handle>, GdiDeleter>;

// Selects an object for this scope; the previous one comes back at its end.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, old_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace zeledit::platform
