// Template files come from anyone: any bytes either leave the document's tables as they
// were or give it tables of 1 to 128 entries, and its text is never touched.
#include "model_parts.h"

#include "storage/template_file.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zeledit;
    if (size > storage::TemplateTablesMaxBytes) return 0;
    fuzz::ModelParts doc;
    const std::u16string text = u"ab\r\ncd";
    const std::uint8_t formats[8]{0, 5, 0, 0, 7, 9, 0, 0};
    if (!doc.buffer.Assign(text, formats)) return 0;
    const TCharFormat before = doc.fonts.GetFormatItem(0)->FAttributes;
    const bool taken = storage::LoadTemplateTables(doc.parts, {data, size});
    const int fonts = doc.fonts.Count(), paras = doc.paras.Count();
    if (taken ? fonts < 1 || fonts > model::MaxFormats || paras < 1 || paras > model::MaxFormats
              : fonts != 1 || paras != 1 ||
                    std::memcmp(&before, &doc.fonts.GetFormatItem(0)->FAttributes, sizeof before) != 0)
        std::abort();
    if (std::u16string(doc.buffer.Text(), doc.buffer.TextLength()) != text ||
        std::memcmp(doc.buffer.Formats(), formats, sizeof formats) != 0)
        std::abort();
    return 0;
}
