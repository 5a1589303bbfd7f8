// Document files as a host opens them: any file either loads a document whose own block
// loads again, or is refused with the open document exactly as it was.
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include "engine/prompts.h"
#include "platform/core/global_memory.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

HWND editor() {
    static HWND window = [] {
        InitEditorLib();
        // The invalid-format question is answered No: text import is not what is fuzzed here.
        zeledit::engine::SetMessagePrompt(+[](LPCWSTR, BYTE, WORD) { return IDNO; });
        return CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                               nullptr, nullptr);
    }();
    return window;
}

Bytes document_data() {
    zeledit::platform::UniqueGlobal block(
        reinterpret_cast<HGLOBAL>(SendMessageW(editor(), EFM_GETDATA, 0, 0)));
    zeledit::platform::LockedBlock bytes(block.get());
    return {bytes.bytes().begin(), bytes.bytes().end()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1 << 20) return 0;
    static const std::string path = "/tmp/zeledit-fuzz-" + std::to_string(getpid()) + ".zdf";
    static const std::u16string wide_path(path.begin(), path.end());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    const Bytes before = document_data();
    if (SendMessageW(editor(), EFM_LOADDOC, 0, reinterpret_cast<LPARAM>(wide_path.c_str())) == 0) {
        if (document_data() != before) std::abort(); // a refused file changed the document
        return 0;
    }
    const Bytes loaded = document_data();
    zeledit::platform::UniqueGlobal again = zeledit::platform::copy_to_global(loaded);
    if (SendMessageW(editor(), EFM_SETDATA, 0, reinterpret_cast<LPARAM>(again.get())) == 0) std::abort();
    if (document_data() != loaded) std::abort();
    return 0;
}
