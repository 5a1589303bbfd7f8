#include "platform/system_library/system_library.h"

#include "platform/system_library/accent_table.h"

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

} // namespace zeledit::platform
