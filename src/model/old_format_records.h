// Records of older document generations, read only to be converted.
#pragma once

#include <zeledit/editor_records.h>

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

struct TReal48 {
    std::uint8_t bytes[6];
};

struct TCharFormat2 {
    char ftFaceName[51];
    std::int16_t ftHeight;
    std::uint8_t ftAttr;
    COLORREF ftColor;
};

struct TCharFormat3 {
    char ftFaceName[51];
    std::int16_t ftHeight;
    std::uint8_t ftAttr;
    COLORREF ftColor;
    std::int16_t ftShadow;
    COLORREF ftShadColor;
    std::int16_t ftScale;
    std::int16_t ftScript;
    std::int32_t ftReserved;
};

struct TIndentOld {
    TReal48 inFirst;
    TReal48 inLeft;
    TReal48 inRight;
};

struct TTabOld {
    TReal48 tbPosition;
    std::uint8_t tbAlign;
    std::uint8_t tbLeader;
    std::uint8_t tbDefault;
};

struct TBorder3 {
    std::uint8_t btLeft;
    std::uint8_t btTop;
    std::uint8_t btRight;
    std::uint8_t btBottom;
    COLORREF btLeftColor;
    COLORREF btTopColor;
    COLORREF btRightColor;
    COLORREF btBottomColor;
};

struct TBulletOld {
    std::uint8_t blPresent;
    char blFaceName[51];
    std::uint8_t blChar;
    std::int16_t blSize;
    COLORREF blColor;
    std::uint8_t blHanging;
    TReal48 blIndent;
};

struct TParaFormat2 {
    TIndentOld ptIndent;
    std::uint8_t ptAlign;
    TBorder3 ptBorder;
    COLORREF ptShading;
    TBulletOld ptBullet;
    TTabOld ptTabs[TabCount];
};

struct TParaFormat3 {
    TIndentOld ptIndent;
    std::uint8_t ptAlign;
    TBorder3 ptBorder;
    COLORREF ptShading;
    TBulletOld ptBullet;
    TTabOld ptTabs[TabCount];
    std::uint16_t ptBefore;
    std::uint16_t ptAfter;
    std::uint32_t ptLineSpacing;
    std::int32_t ptReserved;
};

// The second generation's paragraph record as template files hold it: the bullet's face
// name comes before its flag and is a byte shorter.
struct TBulletTemplate2 {
    char blFaceName[50];
    std::uint8_t blPresent;
    std::uint8_t blChar;
    std::int16_t blSize;
    COLORREF blColor;
    std::uint8_t blHanging;
    TReal48 blIndent;
};

struct TParaFormatTemplate2 {
    TIndentOld ptIndent;
    std::uint8_t ptAlign;
    TBorder3 ptBorder;
    COLORREF ptShading;
    TBulletTemplate2 ptBullet;
    TTabOld ptTabs[TabCount];
};

#pragma pack(pop)

static_assert(sizeof(TCharFormat2) == 58 && offsetof(TCharFormat2, ftHeight) == 51 &&
              offsetof(TCharFormat2, ftAttr) == 53 && offsetof(TCharFormat2, ftColor) == 54);
static_assert(sizeof(TCharFormat3) == 72 && offsetof(TCharFormat3, ftShadow) == 58 &&
              offsetof(TCharFormat3, ftShadColor) == 60 && offsetof(TCharFormat3, ftScale) == 64 &&
              offsetof(TCharFormat3, ftScript) == 66 && offsetof(TCharFormat3, ftReserved) == 68);
static_assert(sizeof(TIndentOld) == 18 && offsetof(TIndentOld, inLeft) == 6 &&
              offsetof(TIndentOld, inRight) == 12);
static_assert(sizeof(TTabOld) == 9 && offsetof(TTabOld, tbAlign) == 6 && offsetof(TTabOld, tbLeader) == 7 &&
              offsetof(TTabOld, tbDefault) == 8);
static_assert(sizeof(TTabOld) * TabCount == 459);
static_assert(sizeof(TBorder3) == 20 && offsetof(TBorder3, btLeftColor) == 4 &&
              offsetof(TBorder3, btTopColor) == 8 && offsetof(TBorder3, btRightColor) == 12 &&
              offsetof(TBorder3, btBottomColor) == 16);
static_assert(sizeof(TBulletOld) == 66 && offsetof(TBulletOld, blHanging) == 59 &&
              offsetof(TBulletOld, blIndent) == 60);
static_assert(sizeof(TParaFormat2) == 568 && offsetof(TParaFormat2, ptAlign) == 18 &&
              offsetof(TParaFormat2, ptBorder) == 19 && offsetof(TParaFormat2, ptShading) == 39 &&
              offsetof(TParaFormat2, ptBullet) == 43 && offsetof(TParaFormat2, ptTabs) == 109);
static_assert(sizeof(TParaFormat3) == 580 && offsetof(TParaFormat3, ptBefore) == 568 &&
              offsetof(TParaFormat3, ptAfter) == 570 && offsetof(TParaFormat3, ptLineSpacing) == 572 &&
              offsetof(TParaFormat3, ptReserved) == 576);
static_assert(sizeof(TBulletTemplate2) == 65 && offsetof(TBulletTemplate2, blPresent) == 50 &&
              offsetof(TBulletTemplate2, blIndent) == 59);
static_assert(sizeof(TParaFormatTemplate2) == 567 && offsetof(TParaFormatTemplate2, ptBullet) == 43 &&
              offsetof(TParaFormatTemplate2, ptTabs) == 108);
