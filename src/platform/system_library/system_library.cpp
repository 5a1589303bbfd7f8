#include "platform/system_library/system_library.h"

#include "platform/core/resources.h"
#include "platform/system_library/accent_images.h"
#include "platform/system_library/accent_table.h"
#include "platform/system_library/case_table.h"

#include <zeledit/win_user.h>

#include <atomic>

namespace zeledit::platform {
namespace {

std::atomic<bool>& Switch() {
    static std::atomic<bool> on{false};
    return on;
}

} // namespace

std::uint16_t VCharOf(std::uint16_t PrevChar, std::int32_t AccentIndex) {
    if (PrevChar == 0 || AccentIndex < 0 || AccentIndex > 207) return 0;
    return AccentTable().Compose(PrevChar, static_cast<char16_t>(u'0' + AccentIndex));
}

void SetVietnameseKey(std::uint8_t Enable) { Switch() = Enable != 0; }

bool VietnameseKeyOn() { return Switch(); }

namespace {

std::span<const std::uint8_t> Resource(HMODULE module, LPCWSTR name) {
    HRSRC found = FindResourceW(module, name, u"ISDATA");
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
    return bytes != nullptr ? std::span(bytes, SizeofResource(module, found))
                            : std::span<const std::uint8_t>{};
}

} // namespace

void LoadTablesFromResources(HMODULE module) {
    add_resource(module, u"ISDATA", u"VCODETAB", BuiltInAccentImage());
    add_resource(module, u"ISDATA", u"VCASETAB", BuiltInCaseImage());
    AccentTable().LoadFromBuffer(Resource(module, u"VCODETAB"));
    CaseTable().LoadFromBuffer(Resource(module, u"VCASETAB"));
}

} // namespace zeledit::platform
