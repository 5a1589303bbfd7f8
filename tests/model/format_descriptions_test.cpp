// Formats described in words for the format lists and the find dialogs.
#include "model/format_conversion.h"
#include "model/format_descriptions.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zeledit::model {
namespace {

TCharFormat DefaultFont() {
    TCharFormat f{};
    std::strcpy(f.ftFaceName, "Times New Roman");
    f.ftHeight = 11;
    f.ftScale = 100;
    return f;
}

TParaFormat DefaultPara() {
    TParaFormat p{};
    p.ptShading = RGB(255, 255, 255);
    DefaultTabs(p.ptTabs);
    return p;
}

TEST(FontDescription, TheDefaultFormatTakesFourLinesWithTheEmptyDecorationGroup) {
    EXPECT_EQ(EnglishDescription(DefaultFont()), u"Font format:\r\n"
                                                 u"     Font name: Times New Roman; Font size: 11;\r\n"
                                                 u"     Regular; ; \r\n"
                                                 u"     No shadow; Scale: 100%; ");
}

TEST(FontDescription, AttributesDecorationsShadowAndScriptInBothLanguages) {
    TCharFormat f = DefaultFont();
    std::strcpy(f.ftFaceName, "Caf\xe9"); // the face name is 8-bit text
    f.ftAttr = 3;
    f.ftUnderline = 1;
    f.ftStrikethrough = 2;
    f.ftShadow = 2;
    f.ftScale = 80;
    f.ftScript = 1;
    EXPECT_EQ(EnglishDescription(f), u"Font format:\r\n"
                                     u"     Font name: Café; Font size: 11;\r\n"
                                     u"     Bold; Italic; Underline; Strikethrough; \r\n"
                                     u"     Shadow: 2; Scale: 80%; Superscript");
    f.ftAttr = 4; // only bits that name nothing here
    f.ftStrikethrough = 0;
    f.ftShadow = 0;
    f.ftScript = -1;
    EXPECT_EQ(VietnameseDescription(f), u"Định dạng chữ:\r\n"
                                        u"     Font chữ: Café; Cỡ chữ: 11;\r\n"
                                        u"     Gạch dưới; ; \r\n"
                                        u"     Không đổ bóng; Co giãn: 80%; Chỉ số dưới");
}

TEST(ParaDescription, TheDefaultFormat) {
    EXPECT_EQ(EnglishDescription(DefaultPara()),
              u"Paragraph format:\r\n"
              u"     Margins: First line: 0.00\"; Left: 0.00\"; Right: 0.00\"\r\n"
              u"     Shading: 255,255,255; Borders: \r\n"
              u"     Bullet: No.\r\n"
              u"     Tab count: 0\r\n"
              u"     Before:0 pt; After:0 pt; Line spacing: Single");
}

TEST(ParaDescription, BulletBordersTabsAndSpacingInBothLanguages) {
    TParaFormat p = DefaultPara();
    p.ptIndent = {-0.25, 1.5, 0.125};
    p.ptShading = RGB(1, 2, 3);
    p.ptBorder.btLeft.beStyle = 1;
    p.ptBorder.btBottom.beStyle = 0x21;
    p.ptBullet.blPresent = 1;
    p.ptBullet.blChar = static_cast<char>(0xB7);
    std::strcpy(p.ptBullet.blFaceName, "Symbol");
    for (int i : {1, 4, 9}) p.ptTabs.tabs[i].tbDefault = 0;
    p.ptBefore = 6;
    p.ptAfter = 12;
    p.ptLineSpacing = MakeLineSpacing(LineSpacingKind::AtLeast, 18); // the value is not written
    EXPECT_EQ(EnglishDescription(p), u"Paragraph format:\r\n"
                                     u"     Margins: First line: -0.25\"; Left: 1.50\"; Right: 0.13\"\r\n"
                                     u"     Shading: 1,2,3; Borders: Left Bottom \r\n"
                                     u"     Bullet: Yes; Bullet character: 183; Font: Symbol\r\n"
                                     u"     Tab count: 3\r\n"
                                     u"     Before:6 pt; After:12 pt; Line spacing: At least");
    p.ptLineSpacing = MakeLineSpacing(LineSpacingKind::OneAndHalf, 0);
    EXPECT_EQ(VietnameseDescription(p), u"Định dạng đoạn:\r\n"
                                        u"     Lề: Dòng đầu: -0.25\"; Lề trái: 1.50\"; Lề phải: 0.13\"\r\n"
                                        u"     Màu nền: 1,2,3; Khung: Trái Dưới \r\n"
                                        u"     Hoa thị: Có; Ký tự hoa thị: 183; Font: Symbol\r\n"
                                        u"     Số vị trí tab: 3\r\n"
                                        u"     Đầu đoạn:6 pt; Cuối đoạn:12 pt; Khoảng cách dòng: Gấp rưỡi");
    p.ptLineSpacing = 9; // a kind without a name adds nothing
    EXPECT_TRUE(EnglishDescription(p).ends_with(u"After:12 pt; Line spacing: "));
}

} // namespace
} // namespace zeledit::model
