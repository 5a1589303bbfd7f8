// Character and paragraph formats described in words, in Vietnamese or in English, for the
// format lists and the find dialogs. Records are taken by value: a dialog may describe a
// format that is in no table.
#pragma once

#include <zeledit/editor_records.h>

#include <string>

namespace zeledit::model {

std::u16string VietnameseDescription(TCharFormat Format);
std::u16string EnglishDescription(TCharFormat Format);
std::u16string VietnameseDescription(TParaFormat Format);
std::u16string EnglishDescription(TParaFormat Format);

} // namespace zeledit::model
