// The million-character document the layout and page benchmarks share: 5,000 paragraphs of
// Vietnamese and English words in four formats (Liberation Serif 11 pt, bold, italic, both),
// in an editor window 610 pixels wide.
#pragma once

#include <zeledit/zeledit.h>

#include "engine/editor_internals.h"
#include "engine/format_editor.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace zeledit;

struct LargeLayout {
    HWND window;
    engine::TFormatEditor* editor;

    LargeLayout() {
        InitEditorLib();
        window = CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 610, 800, nullptr,
                                 nullptr, nullptr, nullptr);
        editor = static_cast<engine::TFormatEditor*>(GetPropW(window, u"EDOBJ"));
        TCharFormat base = Internals(*editor).FFonts->GetFormatItem(0)->FAttributes;
        std::strcpy(base.ftFaceName, "Liberation Serif");
        Internals(*editor).FFonts->GetFormatItem(0)->ResetFont(base);
        std::vector<std::uint8_t> ids{0};
        for (int i = 1; i < 4; ++i) {
            TCharFormat f = base;
            f.ftAttr = static_cast<std::uint8_t>(i); // bold, italic, both
            ids.push_back(static_cast<std::uint8_t>(Internals(*editor).FFonts->AddFontFormat(&f)));
        }
        std::u16string text;
        std::vector<std::uint8_t> formats;
        const std::u16string words[] = {u"chữ ",        u"Việt ", u"layout ", u"of ",
                                        u"paragraphs ", u"và ",   u"lines "};
        for (int w = 0; text.size() < 1'000'000; ++w) {
            const std::u16string& word = (w % 36 == 35) ? std::u16string(u"\r\n") : words[w % 7];
            text += word;
            formats.insert(formats.end(), word.size(), word == u"\r\n" ? 0 : ids[(w / 5) % 4]);
        }
        formats.resize(text.size() + 2, 0);
        Internals(*editor).FBuffer->Assign(text, formats);
    }
};

} // namespace
