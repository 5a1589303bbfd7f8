// Metafile playback from small metafiles made here.
#include "platform/gdi_test.h"
#include "support/sample_files.h"

#include <cstring>
#include <initializer_list>

namespace zeledit::test {
namespace {

constexpr COLORREF red = RGB(255, 0, 0), white = RGB(255, 255, 255);

class Metafiles : public PlatformTest {};

TEST_F(Metafiles, WindowsMetafilePlaysInTheCurrentMapping) {
    const auto bytes = sample_wmf(true);
    HMETAFILE mf = SetMetaFileBitsEx(static_cast<UINT>(bytes.size()), bytes.data());
    ASSERT_NE(mf, nullptr);
    Canvas canvas(40, 30);
    ASSERT_TRUE(PlayMetaFile(canvas.dc(), mf));
    EXPECT_EQ(canvas.at(11, 1), red);
    EXPECT_EQ(canvas.at(29, 19), red);
    EXPECT_EQ(canvas.at(30, 20), white);
    EXPECT_EQ(canvas.count(red), 19 * 19);
    // The metafile's objects died with the playback; the DC has its own again.
    EXPECT_NE(GetObjectType(GetCurrentObject(canvas.dc(), OBJ_BRUSH)), 0u);
    EXPECT_TRUE(DeleteMetaFile(mf));
    EXPECT_FALSE(PlayMetaFile(canvas.dc(), mf));
}

TEST_F(Metafiles, EnhancedMetafileFillsTheDestinationRectangle) {
    const auto bytes = sample_emf();
    HENHMETAFILE mf = SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data());
    ASSERT_NE(mf, nullptr);
    ENHMETAHEADER header{};
    EXPECT_EQ(GetEnhMetaFileHeader(mf, sizeof header, &header), sizeof header);
    EXPECT_EQ(header.rclFrame.right, 2000);
    Canvas canvas(60, 40);
    const RECT dest{10, 10, 50, 30}; // twice the frame's size
    ASSERT_TRUE(PlayEnhMetaFile(canvas.dc(), mf, &dest));
    EXPECT_EQ(canvas.at(12, 12), red);
    EXPECT_EQ(canvas.at(9, 12), white); // nothing outside the destination
    EXPECT_EQ(canvas.at(49, 29), red);  // the large rectangle fills up to the frame's edge
    EXPECT_EQ(canvas.at(50, 30), white);
    EXPECT_EQ(canvas.at(55, 35), white);
    DeleteEnhMetaFile(mf);
}

TEST_F(Metafiles, MalformedMetafilesAreRefusedOrCutShort) {
    auto wmf = sample_wmf(false);
    EXPECT_EQ(SetMetaFileBitsEx(4, wmf.data()), nullptr);
    auto bad = wmf;
    bad[2] = 7; // header size
    EXPECT_EQ(SetMetaFileBitsEx(static_cast<UINT>(bad.size()), bad.data()), nullptr);
    // A record claiming more than there is ends the playback where it stands.
    auto cut = wmf;
    const DWORD huge = 0x7FFFFFFF;
    std::memcpy(cut.data() + 18, &huge, 4);
    HMETAFILE mf = SetMetaFileBitsEx(static_cast<UINT>(cut.size()), cut.data());
    Canvas canvas(40, 30);
    EXPECT_TRUE(PlayMetaFile(canvas.dc(), mf));
    EXPECT_EQ(canvas.count(red), 0);
    DeleteMetaFile(mf);
    auto emf = sample_emf();
    emf[40] = 0; // signature
    EXPECT_EQ(SetEnhMetaFileBits(static_cast<UINT>(emf.size()), emf.data()), nullptr);
    EXPECT_EQ(SetEnhMetaFileBits(0, nullptr), nullptr);
}

TEST_F(Metafiles, FramesAtTheEndsOfTheIntegerRangeDoNotOverflow) {
    auto emf = sample_emf();
    const RECT extreme{1919903272, 1330858272, 875966513, -2147473098}; // found by fuzzing
    std::memcpy(emf.data() + 24, &extreme, sizeof extreme);
    HENHMETAFILE mf = SetEnhMetaFileBits(static_cast<UINT>(emf.size()), emf.data());
    ASSERT_NE(mf, nullptr);
    Canvas canvas(20, 20);
    const RECT dest{0, 0, 20, 20};
    EXPECT_FALSE(PlayEnhMetaFile(canvas.dc(), mf, &dest)); // an empty frame plays nothing
    EXPECT_EQ(canvas.count(RGB(255, 255, 255)), 400);
    DeleteEnhMetaFile(mf);
}

TEST_F(Metafiles, CoordinatesScaledPastTheIntegerRangeSaturate) {
    // A fuzzed metafile scaled coordinates to about 1e10 device units.
    Canvas canvas(20, 20);
    SetMapMode(canvas.dc(), MM_ANISOTROPIC);
    SetWindowExtEx(canvas.dc(), 1, 1, nullptr);
    SetViewportExtEx(canvas.dc(), 1 << 20, -(1 << 20), nullptr);
    POINT pts[2]{{1 << 20, 1 << 20}, {-5, 3}};
    ASSERT_TRUE(LPtoDP(canvas.dc(), pts, 2));
    EXPECT_EQ(pts[0].x, INT32_MAX);
    EXPECT_EQ(pts[0].y, INT32_MIN);
    EXPECT_EQ(pts[1].x, -5 << 20);
    EXPECT_EQ(pts[1].y, -3 << 20);
    const RECT huge{-(1 << 20), -(1 << 20), 1 << 20, 1 << 20};
    EXPECT_TRUE(Rectangle(canvas.dc(), huge.left, huge.top, huge.right, huge.bottom));
}

} // namespace
} // namespace zeledit::test
