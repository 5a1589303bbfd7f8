#include "platform/core/resources.h"

#include "platform/core/atom_table.h"
#include "platform/core/handle_table.h"

#include <zeledit/win_user.h>

#include <map>
#include <string>
#include <tuple>

namespace zeledit::platform {
namespace {

struct Resource {
    std::span<const std::uint8_t> bytes;
};

struct Registry {
    HandleTable<Resource> handles{5};
    std::map<std::tuple<HMODULE, std::u16string, std::u16string>, HRSRC> by_name;
};

Registry& registry() {
    static Registry r;
    return r;
}

} // namespace

void add_resource(HMODULE module, LPCWSTR type, LPCWSTR name, std::span<const std::uint8_t> bytes) {
    auto& r = registry();
    const auto key = std::make_tuple(module, name_key(type), name_key(name));
    if (auto it = r.by_name.find(key); it != r.by_name.end()) r.handles.remove(it->second);
    r.by_name[key] = r.handles.add<HRSRC>(std::make_shared<Resource>(Resource{bytes}));
}

} // namespace zeledit::platform

using namespace zeledit::platform;

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
    if (name == nullptr || type == nullptr) return nullptr;
    const auto& r = registry();
    const auto it = r.by_name.find(std::make_tuple(module, name_key(type), name_key(name)));
    return it == r.by_name.end() ? nullptr : it->second;
}

// A loaded resource is named by its resource handle; it is not a global memory block.
HGLOBAL LoadResource(HMODULE, HRSRC resource) {
    return registry().handles.find(resource) != nullptr ? static_cast<HGLOBAL>(static_cast<void*>(resource))
                                                        : nullptr;
}

LPVOID LockResource(HGLOBAL loaded) {
    const Resource* r = registry().handles.find(loaded);
    return r == nullptr ? nullptr : const_cast<std::uint8_t*>(r->bytes.data());
}

DWORD SizeofResource(HMODULE, HRSRC resource) {
    const Resource* r = registry().handles.find(resource);
    return r == nullptr ? 0 : static_cast<DWORD>(r->bytes.size());
}

BOOL FreeResource(HGLOBAL) { return FALSE; }
