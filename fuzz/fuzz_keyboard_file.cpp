// Keyboard files: any bytes are refused with the map unchanged, or load a map that saves
// back to the same table.
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
    const auto saved = keys.SaveToBuffer();
    if (std::memcmp(saved.data() + 34, data + 34, sizeof keys.Keys) != 0) std::abort();
    for (const auto& k : keys.Keys)
        if (k.keyRoutine >= zeledit::engine::RoutineCount) std::abort();
    return 0;
}
