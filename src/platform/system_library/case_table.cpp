#include "platform/system_library/case_table.h"

#include "platform/core/byte_reader.h"
#include "platform/core/small_file.h"

#include <algorithm>
#include <string_view>

namespace zeledit::platform {
namespace {

// Lower and upper case in the same order: a to z, the toned vowels, â ă ê ô ơ ư with
// their tones, đ, and the other accented Latin letters the accent table composes.
constexpr std::u16string_view Lower = u"abcdefghijklmnopqrstuvwxyz"
                                      u"áàảãạéèẻẽẹíìỉĩịóòỏõọúùủũụýỳỷỹỵ"
                                      u"âấầẩẫậăắằẳẵặêếềểễệôốồổỗộơớờởỡợưứừửữự"
                                      u"đäëïöüÿåîûçñœæ";
constexpr std::u16string_view Upper = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                      u"ÁÀẢÃẠÉÈẺẼẸÍÌỈĨỊÓÒỎÕỌÚÙỦŨỤÝỲỶỸỴ"
                                      u"ÂẤẦẨẪẬĂẮẰẲẴẶÊẾỀỂỄỆÔỐỒỔỖỘƠỚỜỞỠỢƯỨỪỬỮỰ"
                                      u"ĐÄËÏÖÜŸÅÎÛÇÑŒÆ";
static_assert(Lower.size() == 106 && Upper.size() == 106);

std::vector<std::uint8_t> MakeImage() {
    std::vector<std::uint8_t> out;
    const auto put = [&](std::uint16_t v) {
        out.push_back(static_cast<std::uint8_t>(v));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    put(static_cast<std::uint16_t>(Lower.size()));
    for (std::size_t i = 0; i < Lower.size(); ++i) {
        put(Lower[i]);
        put(Upper[i]);
    }
    return out;
}

} // namespace

bool TCaseList::LoadFromBuffer(std::span<const std::uint8_t> image) {
    ByteReader in(image);
    const auto count = in.read<std::uint16_t>();
    if (!count || in.remaining() / 4 < *count) return false;
    std::vector<std::pair<char16_t, char16_t>> pairs(*count);
    for (auto& [lower, upper] : pairs) {
        lower = *in.read<char16_t>();
        upper = *in.read<char16_t>();
    }
    Pairs = std::move(pairs);
    return true;
}

bool TCaseList::LoadFromFile(const std::string& FileName) {
    std::vector<std::uint8_t> bytes;
    return ReadSmallFile(FileName, bytes) && LoadFromBuffer(bytes);
}

bool TCaseList::IsLowercase(char16_t Ch) const {
    return std::any_of(Pairs.begin(), Pairs.end(), [Ch](const auto& p) { return p.first == Ch; });
}

bool TCaseList::IsUppercase(char16_t Ch) const {
    return std::any_of(Pairs.begin(), Pairs.end(), [Ch](const auto& p) { return p.second == Ch; });
}

char16_t TCaseList::Lowercase(char16_t Ch) const {
    const auto it = std::find_if(Pairs.begin(), Pairs.end(), [Ch](const auto& p) { return p.second == Ch; });
    return it != Pairs.end() ? it->first : Ch;
}

char16_t TCaseList::Uppercase(char16_t Ch) const {
    const auto it = std::find_if(Pairs.begin(), Pairs.end(), [Ch](const auto& p) { return p.first == Ch; });
    return it != Pairs.end() ? it->second : Ch;
}

void TCaseList::LowercaseString(char16_t* Text) const {
    for (; Text != nullptr && *Text != 0; ++Text) *Text = Lowercase(*Text);
}

std::span<const std::uint8_t> BuiltInCaseImage() {
    static const std::vector<std::uint8_t> image = MakeImage();
    return image;
}

TCaseList& CaseTable() {
    static TCaseList table = [] {
        TCaseList t;
        t.LoadFromBuffer(BuiltInCaseImage());
        return t;
    }();
    return table;
}

} // namespace zeledit::platform
