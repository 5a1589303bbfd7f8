// Accent-table images and files (the built-in, Telex and VIQR tables are seeds): any bytes are
// refused with the table unchanged, or load items whose keys and results are terminated and
// hot keys that fit.
#include "platform/system_library/accent_images.h"
#include "platform/system_library/accent_table.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

namespace {

void Check(const zeledit::platform::TCharSetList& t) {
    if (std::strlen(t.FHotKeys) > zeledit::platform::TCharSetList::MaxHotKeys) std::abort();
    for (const auto& item : t.Items)
        if (std::find(item.key.begin(), item.key.end(), u'\0') == item.key.end() ||
            std::find(item.result.begin(), item.result.end(), u'\0') == item.result.end())
            std::abort();
    (void)t.Compose(u'a', u'1');
    for (char16_t key : {u'1', u's', u'\'', u'w'})
        if (t.ComposeText(u'a', key).size() > 8) std::abort(); // a result holds at most eight units
    (void)t.IsHotKey(u'1');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zeledit::platform::TCharSetList table;
    table.LoadFromBuffer(zeledit::platform::BuiltInAccentImage());
    const std::size_t before = table.Items.size();
    if (!table.LoadFromBuffer({data, size}) && table.Items.size() != before) std::abort();
    Check(table);
    // The same bytes as a file, read with whole 16-bit counts.
    static const std::string path = "/tmp/zeledit-fuzz-accents-" + std::to_string(getpid());
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
        table.LoadFromFile(path);
        Check(table);
    }
    return 0;
}
