#include "platform/core/byte_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace zeledit::platform {
namespace {

constexpr std::array<std::uint8_t, 7> Bytes{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07};

TEST(ByteReader, SequentialReadsMoveAndStopAtTheEnd) {
    ByteReader in(Bytes);
    EXPECT_EQ(in.read<std::uint16_t>(), 0x0201);
    EXPECT_EQ(in.read<std::uint32_t>(), 0x06050403u);
    EXPECT_EQ(in.position(), 6u);
    EXPECT_EQ(in.remaining(), 1u);
    EXPECT_TRUE(in.ok());
    // A read that does not fit answers nothing and does not move.
    EXPECT_FALSE(in.read<std::uint16_t>());
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.position(), 6u);
    EXPECT_EQ(in.read<std::uint8_t>(), 0x07);
}

TEST(ByteReader, HugeLengthsNeitherWrapNorPass) {
    ByteReader in(Bytes, 2);
    EXPECT_FALSE(in.take(std::numeric_limits<std::uint64_t>::max()));
    EXPECT_FALSE(in.seek(8));
    EXPECT_FALSE(in.has(std::numeric_limits<std::uint64_t>::max(), 2));
    EXPECT_TRUE(in.span(6, std::numeric_limits<std::uint64_t>::max()).empty());
    EXPECT_EQ(in.position(), 2u);
    EXPECT_TRUE(in.seek(7));
    EXPECT_EQ(in.remaining(), 0u);
}

TEST(ByteReader, SectionsEndWhereTheirLengthSays) {
    ByteReader in(Bytes);
    auto section = in.section(3);
    ASSERT_TRUE(section);
    EXPECT_EQ(in.position(), 3u);
    EXPECT_EQ(section->read<std::uint16_t>(), 0x0201);
    EXPECT_FALSE(section->read<std::uint16_t>()); // the next byte belongs to the outer reader
    EXPECT_FALSE(in.section(5));
    EXPECT_FALSE(in.ok());
}

TEST(ByteReader, RandomAccessAnswersTheFallbackOutside) {
    const ByteReader in(Bytes);
    EXPECT_EQ(in.get<std::uint16_t>(5), 0x0706);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.get<std::uint16_t>(6, 0xBEEF), 0xBEEF);
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(ReadAt<std::uint32_t>(Bytes, 4), 0u);
    EXPECT_EQ(ReadAt<std::uint32_t>(Bytes, 3), 0x07060504u);
}

TEST(ByteReader, AStartPastTheEndReadsNothing) {
    ByteReader in(Bytes, 9);
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_FALSE(in.read<std::uint8_t>());
}

} // namespace
} // namespace zeledit::platform
