// Internal view of the global memory table.
#pragma once

#include <zeledit/win_memory.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>

namespace zeledit::platform {

void reset_global_memory();
std::size_t global_block_count();

} // namespace zeledit::platform

namespace zeledit::platform {

// Locks a block for its lifetime; `bytes` is empty for a bad handle.
class LockedBlock {
public:
    explicit LockedBlock(HGLOBAL mem)
        : mem_(mem), data_(static_cast<unsigned char*>(GlobalLock(mem))), size_(data_ ? GlobalSize(mem) : 0) {
    }
    ~LockedBlock() {
        if (data_ != nullptr) GlobalUnlock(mem_);
    }
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;
    unsigned char* data() const { return data_; }
    std::size_t size() const { return size_; }
    std::span<const std::uint8_t> bytes() const { return {data_, size_}; }

private:
    HGLOBAL mem_;
    unsigned char* data_;
    std::size_t size_;
};

struct GlobalFreer {
    void operator()(void* block) const { GlobalFree(block); }
};
// An owned global block.
using UniqueGlobal = std::unique_ptr<void, GlobalFreer>;

// A new movable block holding `bytes`; empty when memory runs out.
inline UniqueGlobal copy_to_global(std::span<const std::uint8_t> bytes, UINT flags = GMEM_MOVEABLE) {
    UniqueGlobal block(GlobalAlloc(flags, bytes.size()));
    if (!block) return block;
    LockedBlock locked(block.get());
    if (locked.data() == nullptr) return {};
    if (!bytes.empty()) std::memcpy(locked.data(), bytes.data(), bytes.size());
    return block;
}

} // namespace zeledit::platform
