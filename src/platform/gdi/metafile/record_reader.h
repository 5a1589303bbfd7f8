// Bounded reading of metafile records: every field read is checked against the record.
#pragma once

#include <zeledit/win_types.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>

namespace zeledit::platform {

class RecordReader {
public:
    explicit RecordReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }
    bool has(std::size_t offset, std::size_t n) const {
        return offset <= bytes_.size() && n <= bytes_.size() - offset;
    }

    template <class T> T get(std::size_t offset, T fallback = T{}) const {
        if (!has(offset, sizeof(T))) {
            ok_ = false;
            return fallback;
        }
        T v;
        std::memcpy(&v, bytes_.data() + offset, sizeof v);
        return v;
    }
    std::span<const std::uint8_t> span(std::size_t offset, std::size_t n) const {
        if (!has(offset, n)) {
            ok_ = false;
            return {};
        }
        return bytes_.subspan(offset, n);
    }
    // False once any read fell outside the record.
    bool ok() const { return ok_; }

private:
    std::span<const std::uint8_t> bytes_;
    mutable bool ok_ = true;
};

} // namespace zeledit::platform
