// Maps opaque handle values to owned objects. Handles are never reused, and each table
// carries its own tag, so a stale handle or a handle of another kind is simply not found.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace zeledit::platform {

template <class T> class HandleTable {
public:
    explicit HandleTable(std::uintptr_t tag) : tag_(tag << 40) {}

    template <class H> H add(std::shared_ptr<T> object) {
        const std::uintptr_t value = tag_ | (++counter_ << 4);
        items_.emplace(value, std::move(object));
        return reinterpret_cast<H>(value);
    }

    // Null for null, foreign or stale handles.
    T* find(const void* handle) const {
        const auto it = items_.find(reinterpret_cast<std::uintptr_t>(handle));
        return it == items_.end() ? nullptr : it->second.get();
    }
    std::shared_ptr<T> share(const void* handle) const {
        const auto it = items_.find(reinterpret_cast<std::uintptr_t>(handle));
        return it == items_.end() ? nullptr : it->second;
    }
    std::shared_ptr<T> remove(const void* handle) {
        const auto it = items_.find(reinterpret_cast<std::uintptr_t>(handle));
        if (it == items_.end()) return nullptr;
        auto object = std::move(it->second);
        items_.erase(it);
        return object;
    }

    std::size_t size() const { return items_.size(); }
    void clear() { items_.clear(); }

    template <class H> std::vector<H> handles() const {
        std::vector<H> out;
        out.reserve(items_.size());
        for (const auto& item : items_) out.push_back(reinterpret_cast<H>(item.first));
        return out;
    }

private:
    std::uintptr_t tag_;
    std::uintptr_t counter_ = 0;
    std::unordered_map<std::uintptr_t, std::shared_ptr<T>> items_;
};

} // namespace zeledit::platform
