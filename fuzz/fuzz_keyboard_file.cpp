// Keyboard files: any bytes are refused with the map unchanged, or change exactly the entries
// they hold whole with routines there are.
#include "engine/editor_keyboard.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zeledit::engine::TEditorKeyboard keys;
    const auto defaults = keys.Keys;
    if (!keys.LoadFromBuffer({data, size})) {
        if (std::memcmp(keys.Keys.data(), defaults.data(), sizeof defaults) != 0) std::abort();
        return 0;
    }
    // Each whole entry the bytes hold with a routine there is, in its place; the rest as before.
    auto expected = defaults;
    for (std::size_t i = 0; i < expected.size() && 34 + (i + 1) * 5 <= size; ++i) {
        zeledit::engine::TKeyItem k{};
        std::memcpy(&k, data + 34 + i * 5, 5);
        if (k.keyRoutine < zeledit::engine::RoutineCount) expected[i] = k;
    }
    if (std::memcmp(keys.Keys.data(), expected.data(), sizeof expected) != 0) std::abort();
    return 0;
}
