// Pairs of lower- and upper-case code units for the letters the editor's case commands
// and searches know, Vietnamese included. One table serves the whole process.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace zeledit::platform {

class TCaseList {
public:
    // A count, then that many (lower, upper) pairs; anything else is refused unchanged.
    bool LoadFromBuffer(std::span<const std::uint8_t> image);
    bool LoadFromFile(const std::string& FileName);

    bool IsLowercase(char16_t Ch) const;
    bool IsUppercase(char16_t Ch) const;
    char16_t Lowercase(char16_t Ch) const;
    char16_t Uppercase(char16_t Ch) const;
    void LowercaseString(char16_t* Text) const;

    std::vector<std::pair<char16_t, char16_t>> Pairs;
};

std::span<const std::uint8_t> BuiltInCaseImage();
TCaseList& CaseTable();

} // namespace zeledit::platform
