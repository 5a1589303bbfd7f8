// Real48 numbers, the conversions of old format records, and the comparisons and defaults
// shared by the writers of format records.
#pragma once

#include "model/old_format_records.h"

namespace zeledit::model {

double Real48ToDouble(const TReal48& r);
// Rounded to the nearest 39-bit fraction (halves to even); beyond the range the largest
// magnitude is written, below it zero.
TReal48 DoubleToReal48(double v);

TCharFormat ConvertCharFormat(const TCharFormat2& old);
TCharFormat ConvertCharFormat(const TCharFormat3& old);
TParaFormat ConvertParaFormat(const TParaFormat2& old);
TParaFormat ConvertParaFormat(const TParaFormat3& old);
// Template files keep more of what they store: the signed height, the shadow colour, the
// reserved field and the alignment byte.
TCharFormat ConvertTemplateCharFormat(const TCharFormat2& old);
TCharFormat ConvertTemplateCharFormat(const TCharFormat3& old);
TParaFormat ConvertTemplateParaFormat(const TParaFormatTemplate2& old);
TParaFormat ConvertTemplateParaFormat(const TParaFormat3& old);

// Equal as the format tables match them: colours of absent decorations do not count.
bool SameCharFormat(const TCharFormat& a, const TCharFormat& b);

// The tab stops a user set (entries that are not default stops).
int TabsSet(const TTabArray& tabs);
// Entry i at i × 0.5 inch, left aligned, no leader, a default stop.
void DefaultTabs(TTabArray& tabs);

enum class LineSpacingKind : std::uint16_t {
    Single = 0,
    OneAndHalf = 1,
    Double = 2,
    AtLeast = 3,
    Exactly = 4,
    Multiple = 5
};
inline LineSpacingKind LineSpacingKindOf(std::uint32_t spacing) {
    return static_cast<LineSpacingKind>(spacing & 0xFFFF);
}
inline std::uint16_t LineSpacingValueOf(std::uint32_t spacing) {
    return static_cast<std::uint16_t>(spacing >> 16);
}
inline std::uint32_t MakeLineSpacing(LineSpacingKind kind, std::uint16_t value) {
    return static_cast<std::uint32_t>(kind) | (std::uint32_t(value) << 16);
}

} // namespace zeledit::model
