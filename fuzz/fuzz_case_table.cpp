// Case-table images: any bytes are refused with the table unchanged, or load pairs that
// every case function can use.
#include "platform/system_library/case_table.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zeledit::platform::TCaseList table;
    table.LoadFromBuffer(zeledit::platform::BuiltInCaseImage());
    const auto before = table.Pairs;
    if (!table.LoadFromBuffer({data, size})) {
        if (table.Pairs != before) std::abort();
        return 0;
    }
    if (size < 2 || table.Pairs.size() != static_cast<std::size_t>(data[0] | data[1] << 8)) std::abort();
    for (char16_t c : {u'a', u'Đ', u'\0', u'\xffff'}) (void)table.Uppercase(table.Lowercase(c));
    return 0;
}
