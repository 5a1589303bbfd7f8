// Bounded reading of bytes from outside (files, clipboard blocks, stored records): no read ever
// passes the end. Reads that do not fit answer nothing (or the fallback) and clear ok(), so a
// parser may read a whole record and test once.
#pragma once

#include <zeledit/win_types.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <type_traits>

namespace zeledit::platform {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes, std::size_t position = 0)
        : bytes_(bytes), at_(position <= bytes.size() ? position : bytes.size()),
          ok_(position <= bytes.size()) {}

    std::size_t size() const { return bytes_.size(); }
    std::size_t position() const { return at_; }
    std::size_t remaining() const { return bytes_.size() - at_; }
    // False once any read or seek fell outside the bytes.
    bool ok() const { return ok_; }

    bool has(std::uint64_t offset, std::uint64_t n) const {
        return offset <= bytes_.size() && n <= bytes_.size() - offset;
    }
    bool seek(std::uint64_t position) {
        if (position > bytes_.size()) return fail();
        at_ = static_cast<std::size_t>(position);
        return true;
    }

    // The next n bytes; the position moves past them.
    std::optional<std::span<const std::uint8_t>> take(std::uint64_t n) {
        if (n > remaining()) return fail(), std::nullopt;
        const auto part = bytes_.subspan(at_, static_cast<std::size_t>(n));
        at_ += part.size();
        return part;
    }
    // A reader over the next n bytes alone, for a section with its own length.
    std::optional<ByteReader> section(std::uint64_t n) {
        const auto part = take(n);
        if (!part) return std::nullopt;
        return ByteReader(*part);
    }
    // The next value (little-endian, as stored); the position moves past it.
    template <class T> std::optional<T> read() {
        static_assert(std::is_trivially_copyable_v<T>);
        const auto part = take(sizeof(T));
        if (!part) return std::nullopt;
        T v;
        std::memcpy(&v, part->data(), sizeof v);
        return v;
    }

    // Random access that leaves the position alone.
    template <class T> T get(std::uint64_t offset, T fallback = T{}) const {
        static_assert(std::is_trivially_copyable_v<T>);
        if (!has(offset, sizeof(T))) return fail(), fallback;
        T v;
        std::memcpy(&v, bytes_.data() + offset, sizeof v);
        return v;
    }
    std::span<const std::uint8_t> span(std::uint64_t offset, std::uint64_t n) const {
        if (!has(offset, n)) return fail(), std::span<const std::uint8_t>{};
        return bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(n));
    }

private:
    bool fail() const {
        ok_ = false;
        return false;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    mutable bool ok_ = true;
};

// A value at p of data already measured, as pixel loops read their rows.
template <class T> T LoadUnaligned(const std::uint8_t* p) {
    static_assert(std::is_trivially_copyable_v<T>);
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// A value at `at` of bytes the caller has measured, or the fallback where it does not fit.
template <class T> T ReadAt(std::span<const std::uint8_t> bytes, std::uint64_t at, T fallback = T{}) {
    return ByteReader(bytes).get<T>(at, fallback);
}

} // namespace zeledit::platform
