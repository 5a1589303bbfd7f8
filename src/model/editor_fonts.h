// The character-format table: shared entries of TCharFormat with the device font made
// from each. A character's format index is the position of its entry; at most 128 entries.
#pragma once

#include "model/editor_buffer.h"
#include "model/format_table.h"
#include "model/old_format_records.h"

#include <zeledit/windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace zeledit::model {

// The extended logical font exchanged with the font dialogs.
struct TFontTypeEx {
    LOGFONTW StdFont;
    std::int32_t lfColor;
    std::int32_t lfShadow;
    std::int32_t lfShadColor;
    std::int32_t lfScale;
    std::int32_t lfScript;
    std::uint8_t lfHotLink;
    COLORREF lfUnderlineColor;
    COLORREF lfStrikeColor;
};
using PFontTypeEx = TFontTypeEx*;

// A format as a logical font (heights in device pixels at the current resolution), and back.
TFontTypeEx FontTypeOf(const TCharFormat& f);
TCharFormat CharFormatOf(const TFontTypeEx& Lf);

class TFontItem : public TItemNode {
public:
    explicit TFontItem(const TFontTypeEx& Lf); // Create
    explicit TFontItem(const TCharFormat& AF); // InitFrom
    explicit TFontItem(const TCharFormat2& AF);
    explicit TFontItem(const TCharFormat3& AF);
    ~TFontItem() override;

    void GetAttr(TCharFormat& AF) const { AF = FAttributes; }
    bool CompareWith(const TFontItem& Font) const;
    bool CompareWithAttr(const TCharFormat& Font) const;
    void ResetFont(const TCharFormat& NewFormat);
    void ReCreateFont(HDC dc);
    void GetAttrToStdType(TFontTypeEx& f) const;
    void ChangeFontSize(std::int16_t OldSize, std::int16_t NewSize);
    void ChangeFontName(const TChangeFont& Rec);
    void EnlargeReduceSize(int AInc);
    void Monochrome();
    // The format in words, in Vietnamese or in English.
    std::u16string Description() const;
    std::u16string EnglishDescription() const;

    TCharFormat FAttributes{};
    std::int16_t ftPosition = 0;
    HFONT FFontHandle = nullptr;
    std::int16_t FFontHeight = 0;

private:
    void MakeFont(HDC dc = nullptr);
};

// Character formats index the table from the low seven bits of a character's format byte;
// paragraph marks and object marks carry none.
struct FontTableTraits {
    using Item = TFontItem;
    using Older = std::tuple<TCharFormat2, TCharFormat3>; // the layouts of the second and third families
    static constexpr std::uint8_t IndexBits = 0x7F;       // the high bit marks the character
    static bool Carries(char16_t c, bool at_end) { return !at_end && !HasNoCharFormat(c); }
    static bool Holds(const TFontItem& item, const TCharFormat& f) { return item.CompareWithAttr(f); }
};

class TEditorFonts : public TFormatTable<FontTableTraits> {
public:
    using TFormatTable::TFormatTable;

    void CreateDefaultFont();
    std::int32_t GetCompatibleFont(const TCharFormat& f) const { return FindEqual(f); }
    std::uint8_t SearchFont(const TCharFormat& f);
    std::int32_t AddFontFormat(const TCharFormat* f);
    // A new entry at the end, even when an equal one exists; −1 when the table is full.
    std::int32_t AppendFormat(const TCharFormat& f);
    std::int32_t GetFormat(std::int32_t ItemIndex, const TCharFormat& Format);
    bool OtherUseFont(std::int32_t fnt) const;
    std::uint32_t SetFormatChars(std::uint32_t FromChar, std::uint32_t ToChar, std::uint8_t Format);
    void ChangeFontSize(std::int16_t OldSize, std::int16_t NewSize);
    void ChangeFontName(const TChangeFont& Rec);
    void EnlargeReduceSize(int AInc);
    void SetFontColor(std::int32_t Index, COLORREF AColor);
    // Overwrites entry Index in place: every character using it changes.
    void ResetFormat(std::int32_t Index, const TCharFormat& Format);
    COLORREF GetFontColor(std::int32_t Index) const;
    void Monochrome();
    void RecreateFonts(HDC dc);
};

// Reads a face name field of any origin: at most its length minus one, then a NUL.
void CopyFaceName(char* to, std::size_t to_size, const char* from, std::size_t from_size);

} // namespace zeledit::model
