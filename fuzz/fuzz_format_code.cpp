// Format code text comes from hosts and their files: any string reads into an editor, and
// what the editor then writes reads back to the same text.
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

HWND editor() {
    static HWND window = [] {
        InitEditorLib();
        return CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                               nullptr, nullptr);
    }();
    return window;
}

std::u16string text() {
    const auto* t = reinterpret_cast<const char16_t*>(SendMessageW(editor(), EFM_GETTEXTBUFFER, 0, 0));
    return {t, static_cast<std::size_t>(SendMessageW(editor(), EFM_GETTEXTLENGTH, 0, 0))};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1 << 16) return 0;
    std::u16string code(size / 2, u'\0');
    std::memcpy(code.data(), data, 2 * code.size());
    docReformatSpecText(editor(), code.c_str());
    const std::u16string first = text();
    HGLOBAL written = docGetFormatCode(editor());
    if ((written == nullptr) != first.empty()) std::abort();
    if (written == nullptr) return 0;
    const std::u16string again(static_cast<const char16_t*>(GlobalLock(written)));
    GlobalUnlock(written);
    GlobalFree(written);
    docReformatSpecText(editor(), again.c_str());
    if (text() != first) std::abort();
    return 0;
}
