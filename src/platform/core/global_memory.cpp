#include "platform/core/global_memory.h"

#include "platform/core/handle_table.h"

#include <zeledit/win_user.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

namespace zeledit::platform {
namespace {

struct Block {
    std::unique_ptr<std::byte[]> data;
    std::size_t size = 0;
    std::size_t capacity = 0;
    UINT flags = 0;
    unsigned locks = 0;
};

HandleTable<Block>& blocks() {
    static HandleTable<Block> table(2);
    return table;
}

// Never hands out a null pointer, so a zero-byte block still locks.
std::unique_ptr<std::byte[]> allocate(std::size_t bytes) {
    std::unique_ptr<std::byte[]> data(new (std::nothrow) std::byte[std::max<std::size_t>(bytes, 1)]);
    if (data) std::memset(data.get(), 0, std::max<std::size_t>(bytes, 1));
    return data;
}

Block* checked(HGLOBAL mem) {
    Block* b = blocks().find(mem);
    if (b == nullptr) SetLastError(ERROR_INVALID_HANDLE);
    return b;
}

bool resize(Block& b, std::size_t bytes, UINT flags) {
    if (bytes <= b.capacity) {
        if (bytes > b.size) std::memset(b.data.get() + b.size, 0, bytes - b.size);
        b.size = bytes;
        return true;
    }
    const bool pinned = b.locks > 0 || (b.flags & GMEM_MOVEABLE) == 0;
    if (pinned && (flags & GMEM_MOVEABLE) == 0) return false;
    auto data = allocate(bytes);
    if (!data) return false;
    std::memcpy(data.get(), b.data.get(), b.size);
    b.data = std::move(data);
    b.size = b.capacity = bytes;
    return true;
}

} // namespace

void reset_global_memory() { blocks().clear(); }
std::size_t global_block_count() { return blocks().size(); }

} // namespace zeledit::platform

using namespace zeledit::platform;

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
    if (bytes > ZE_GLOBAL_MAX_BYTES) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto block = std::make_shared<Block>();
    block->data = allocate(bytes);
    if (!block->data) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    block->size = block->capacity = bytes;
    block->flags = flags & (GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_DISCARDABLE);
    return blocks().add<HGLOBAL>(std::move(block));
}

HGLOBAL GlobalReAlloc(HGLOBAL mem, SIZE_T bytes, UINT flags) {
    Block* b = checked(mem);
    if (b == nullptr) return nullptr;
    if (flags & GMEM_MODIFY) {
        if (flags & GMEM_MOVEABLE) b->flags |= GMEM_MOVEABLE;
        return mem;
    }
    if (bytes > ZE_GLOBAL_MAX_BYTES || !resize(*b, bytes, flags)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return mem;
}

LPVOID GlobalLock(HGLOBAL mem) {
    Block* b = checked(mem);
    if (b == nullptr) return nullptr;
    if (b->locks < GMEM_LOCKCOUNT) ++b->locks;
    return b->data.get();
}

BOOL GlobalUnlock(HGLOBAL mem) {
    Block* b = checked(mem);
    if (b == nullptr) return FALSE;
    if (b->locks == 0) {
        SetLastError(ERROR_NOT_LOCKED);
        return FALSE;
    }
    if (--b->locks == 0) {
        SetLastError(ERROR_SUCCESS);
        return FALSE;
    }
    return TRUE;
}

SIZE_T GlobalSize(HGLOBAL mem) {
    const Block* b = checked(mem);
    return b == nullptr ? 0 : b->size;
}

UINT GlobalFlags(HGLOBAL mem) {
    const Block* b = checked(mem);
    if (b == nullptr) return GMEM_INVALID_HANDLE;
    return (b->flags & GMEM_DDESHARE) | b->locks;
}

HGLOBAL GlobalFree(HGLOBAL mem) {
    if (!blocks().remove(mem)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return mem;
    }
    return nullptr;
}
