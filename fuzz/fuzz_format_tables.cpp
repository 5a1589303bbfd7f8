// Format records and format bytes come from documents: any bytes loaded as records of
// each generation, over a text whose format bytes are arbitrary, must leave consistent
// tables and never index outside them.
#include "model/editor_buffer.h"
#include "model/editor_fonts.h"
#include "model/editor_paragraphs.h"

#include <zeledit/headless.h>

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zeledit::model;
    if (size < 4) return 0;
    static TEditorInfo info;
    TEditorBuffer buffer(&info);
    info.eiBuffers = &buffer;
    TEditorFonts fonts(&info);
    TEditorParagraphs paras(&info);
    fonts.CreateDefaultFont();
    paras.CreateDefaultPara();
    const std::span<const std::uint8_t> bytes(data + 4, size - 4);
    const int kind = data[0] % 3, count = data[1] % 8;
    switch (kind) {
    case 0: fonts.LoadFrom(bytes, count), paras.LoadFrom(bytes, count % 2); break;
    case 1: fonts.LoadFrom2(bytes, count), paras.LoadFrom2(bytes, count % 2); break;
    default: fonts.LoadFrom3(bytes, count), paras.LoadFrom3(bytes, count % 2); break;
    }
    // A text of marks and letters whose format bytes are the input again.
    std::u16string text;
    for (std::size_t i = 0; i < std::min<std::size_t>(bytes.size(), 300); ++i)
        text.push_back(bytes[i] % 5 == 0 ? u'\r' : bytes[i] % 7 == 0 ? u'\n' : u'a');
    buffer.InsertChar(text.data(), 0, static_cast<std::uint32_t>(text.size()), 0);
    for (std::size_t i = 0; i < text.size(); ++i) buffer.FormatByte(i) = bytes[i];
    info.eiSelecting = data[2] & 1;
    info.eiSelStart = data[2];
    info.eiSelEnd = data[3];
    fonts.GetFormat(data[3] % 9, fonts.GetFormatItem(data[2] % 3)->FAttributes);
    paras.GetFormat(data[2] % 9, paras.GetFormatItem(data[3] % 3)->FAttributes);
    fonts.RemoveSames();
    paras.RemoveSames();
    fonts.DeleteFormat(data[1] % 4);
    paras.DeleteFormat(data[1] % 4);
    paras.GetParaAttr(data[3]);
    if (fonts.Count() < 1 || fonts.Count() > MaxFormats || paras.Count() < 1 || paras.Count() > MaxFormats)
        std::abort();
    for (std::uint32_t i = 0; i < buffer.TextLength(); ++i) {
        const char16_t c = buffer.CharAt(i);
        if (c != 13 && c != 10 && (buffer.FormatByte(i) & 0x7F) >= fonts.Count() &&
            bytes[i] % 128 < fonts.Count())
            std::abort(); // a valid index turned invalid
    }
    info.eiBuffers = nullptr;
    return 0;
}
