#include "model/format_descriptions.h"

#include "model/format_conversion.h"
#include "platform/core/code_page.h"

#include <charconv>
#include <clocale>
#include <cmath>

namespace zeledit::model {
namespace {

// The words of one language; every description is built from the same steps.
struct Words {
    const char16_t *font_format, *font_name, *font_size, *regular, *bold, *italic, *underline, *strikethrough,
        *shadow, *no_shadow, *scale, *superscript, *subscript;
    const char16_t *para_format, *margins, *first_line, *left, *right, *shading, *borders, *edges[4], *bullet,
        *bullet_yes, *bullet_no, *tab_count, *before, *after, *line_spacing, *spacing[6];
};

constexpr Words English{u"Font format:",
                        u"     Font name: ",
                        u"; Font size: ",
                        u"Regular; ",
                        u"Bold; ",
                        u"Italic; ",
                        u"Underline; ",
                        u"Strikethrough",
                        u"     Shadow: ",
                        u"     No shadow; ",
                        u"Scale: ",
                        u"Superscript",
                        u"Subscript",
                        u"Paragraph format:",
                        u"     Margins: ",
                        u"First line: ",
                        u"\"; Left: ",
                        u"\"; Right: ",
                        u"     Shading: ",
                        u"; Borders: ",
                        {u"Left ", u"Top ", u"Right ", u"Bottom "},
                        u"     Bullet: ",
                        u"Yes; Bullet character: ",
                        u"No.",
                        u"     Tab count: ",
                        u"     Before:",
                        u" pt; After:",
                        u" pt; Line spacing: ",
                        {u"Single", u"1.5 lines", u"Double", u"At least", u"Exactly", u"Multiply"}};

constexpr Words Vietnamese{u"Định dạng chữ:",
                           u"     Font chữ: ",
                           u"; Cỡ chữ: ",
                           u"Bình thường; ",
                           u"Đậm; ",
                           u"Nghiêng; ",
                           u"Gạch dưới; ",
                           u"Gạch giữa",
                           u"     Đổ bóng: ",
                           u"     Không đổ bóng; ",
                           u"Co giãn: ",
                           u"Chỉ số trên",
                           u"Chỉ số dưới",
                           u"Định dạng đoạn:",
                           u"     Lề: ",
                           u"Dòng đầu: ",
                           u"\"; Lề trái: ",
                           u"\"; Lề phải: ",
                           u"     Màu nền: ",
                           u"; Khung: ",
                           {u"Trái ", u"Trên ", u"Phải ", u"Dưới "},
                           u"     Hoa thị: ",
                           u"Có; Ký tự hoa thị: ",
                           u"Không.",
                           u"     Số vị trí tab: ",
                           u"     Đầu đoạn:",
                           u" pt; Cuối đoạn:",
                           u" pt; Khoảng cách dòng: ",
                           {u"Đơn", u"Gấp rưỡi", u"Gấp đôi", u"Tối thiểu", u"Quy định", u"Gấp bội"}};

constexpr char16_t CRLF[] = u"\r\n";

std::u16string Number(long long n) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    return {digits, end};
}

// Inches with two decimals after rounding to four, with the decimal separator of the
// process's numeric locale.
std::u16string Inches(double value) {
    value = std::round(std::round(value * 10000) / 100) / 100; // halves away from zero
    char digits[400];
    const auto end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 2).ptr;
    std::u16string out(digits, end);
    const char* separator = std::localeconv()->decimal_point;
    for (char16_t& c : out)
        if (c == u'.' && separator != nullptr && separator[0] != 0)
            c = static_cast<unsigned char>(separator[0]);
    return out;
}

std::u16string Describe(const TCharFormat& f, const Words& w) {
    std::u16string s = w.font_format;
    s += CRLF;
    s += w.font_name + platform::field_to_unicode(f.ftFaceName) + w.font_size + Number(f.ftHeight) + u";" +
         CRLF + u"     ";
    if (f.ftAttr == 0) s += w.regular;
    if ((f.ftAttr & 1) != 0) s += w.bold;
    if ((f.ftAttr & 2) != 0) s += w.italic;
    if (f.ftUnderline != 0) s += w.underline;
    if (f.ftStrikethrough != 0) s += w.strikethrough;
    s += u"; ";
    s += CRLF;
    s += f.ftShadow != 0 ? w.shadow + Number(f.ftShadow) + u"; " : std::u16string(w.no_shadow);
    s += w.scale + Number(f.ftScale) + u"%; ";
    if (f.ftScript > 0) s += w.superscript;
    if (f.ftScript < 0) s += w.subscript;
    return s;
}

std::u16string Describe(const TParaFormat& p, const Words& w) {
    std::u16string s = w.para_format;
    s += CRLF;
    s += w.margins + std::u16string(w.first_line) + Inches(p.ptIndent.inFirst) + w.left +
         Inches(p.ptIndent.inLeft) + w.right + Inches(p.ptIndent.inRight) + u"\"" + CRLF;
    const COLORREF shading = p.ptShading;
    s += w.shading + Number(GetRValue(shading)) + u"," + Number(GetGValue(shading)) + u"," +
         Number(GetBValue(shading)) + w.borders;
    const std::uint8_t styles[4]{p.ptBorder.btLeft.beStyle, p.ptBorder.btTop.beStyle,
                                 p.ptBorder.btRight.beStyle, p.ptBorder.btBottom.beStyle};
    for (int i = 0; i < 4; ++i)
        if (styles[i] != 0) s += w.edges[i];
    s += CRLF;
    s += w.bullet;
    if (p.ptBullet.blPresent != 0)
        s += w.bullet_yes + Number(static_cast<std::uint8_t>(p.ptBullet.blChar)) + u"; Font: " +
             platform::field_to_unicode(p.ptBullet.blFaceName);
    else
        s += w.bullet_no;
    s += CRLF;
    s += w.tab_count + Number(TabsSet(p.ptTabs)) + CRLF;
    s += w.before + Number(p.ptBefore) + w.after + Number(p.ptAfter) + w.line_spacing;
    const auto kind = static_cast<std::size_t>(LineSpacingKindOf(p.ptLineSpacing));
    if (kind < std::size(w.spacing)) s += w.spacing[kind];
    return s;
}

} // namespace

std::u16string VietnameseDescription(TCharFormat Format) { return Describe(Format, Vietnamese); }
std::u16string EnglishDescription(TCharFormat Format) { return Describe(Format, English); }
std::u16string VietnameseDescription(TParaFormat Format) { return Describe(Format, Vietnamese); }
std::u16string EnglishDescription(TParaFormat Format) { return Describe(Format, English); }

} // namespace zeledit::model
