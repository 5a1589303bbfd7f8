// The packed form of the format bytes: pairs of (run length 1..255, value), one pass each way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace zeledit::storage {

// Bytes the packed form of `bytes` takes.
std::size_t PackedSize(std::span<const std::uint8_t> bytes);
// Writes the packed form into `out`, which holds PackedSize bytes; answers the bytes written.
std::size_t PackRuns(std::span<const std::uint8_t> bytes, std::uint8_t* out);
// Unpacks `packed` into `out`; positions no pair reaches become 0 and empty runs write
// nothing. False, with `out` partly written, when the bytes are not whole pairs or the runs
// cover more than `out`.
bool UnpackRuns(std::span<const std::uint8_t> packed, std::span<std::uint8_t> out);

} // namespace zeledit::storage
