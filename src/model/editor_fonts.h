// The character-format table: shared entries of TCharFormat with the device font made
// from each. A character's format index is the position of its entry; at most 128 entries.
#pragma once

#include "model/editor_info.h"
#include "model/format_table_rules.h"
#include "model/link_list.h"
#include "model/old_format_records.h"

#include <zeledit/windows.h>

#include <cstdint>
#include <span>
#include <string>
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

class TEditorFonts : public TLinkList {
public:
    explicit TEditorFonts(PEditorInfo info) : EditorInfo(info) {}

    void CreateDefaultFont();
    TFontItem* GetFormatItem(std::int32_t Index) const; // entry 0 for an index outside
    std::int32_t GetCompatibleFont(const TCharFormat& f) const;
    std::uint8_t SearchFont(const TCharFormat& f);
    std::int32_t AddFontFormat(const TCharFormat* f);
    std::int32_t GetFormat(std::int32_t ItemIndex, const TCharFormat& Format);
    bool OtherUseFont(std::int32_t fnt) const;
    std::uint32_t SetFormatChars(std::uint32_t FromChar, std::uint32_t ToChar, std::uint8_t Format);
    void DeleteFormat(std::int32_t ID);
    void RemoveSames();
    void ChangeFontSize(std::int16_t OldSize, std::int16_t NewSize);
    void ChangeFontName(const TChangeFont& Rec);
    void EnlargeReduceSize(int AInc);
    void SetFontColor(std::int32_t Index, COLORREF AColor);
    COLORREF GetFontColor(std::int32_t Index) const;
    void Monochrome();
    void RecreateFonts(HDC dc);
    std::int32_t GetSize() const { return Count() * static_cast<std::int32_t>(sizeof(TCharFormat)); }
    std::size_t SaveTo(std::uint8_t* Buffer, std::size_t Index) const;
    // Append entries from stored records of 84, 58 or 72 bytes; false when the bytes run
    // short or the table would pass 128 entries (nothing is appended then).
    bool LoadFrom(std::span<const std::uint8_t> bytes, std::int32_t ACount);
    bool LoadFrom2(std::span<const std::uint8_t> bytes, std::int32_t ACount);
    bool LoadFrom3(std::span<const std::uint8_t> bytes, std::int32_t ACount);

    PEditorInfo EditorInfo;

private:
    void FormatsChanged() const;
    // Applies an old-to-new index map to every character's format byte, in one pass.
    void Renumber(std::span<const std::int32_t> map) const;
    std::vector<std::uint32_t> Usage() const;
};

// Reads a face name field of any origin: at most its length minus one, then a NUL.
void CopyFaceName(char* to, std::size_t to_size, const char* from, std::size_t from_size);

} // namespace zeledit::model
