// Editor windows whose documents are laid out, with helpers to build formats and measure
// text as the layout does.
#pragma once

#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include "engine/editor_internals.h"
#include "engine/format_editor.h"

#include <gtest/gtest.h>

#include <string>

namespace zeledit::test {

class Layout : public ::testing::Test {
protected:
    HWND editor = nullptr;

    void SetUp() override {
        headless::Reset();
        InitEditorLib();
        editor = make_editor(400);
    }
    void TearDown() override { headless::Reset(); }

    // An editor whose text band is `band` pixels wide (5-pixel margins on both sides).
    // No scroll bar takes from the band.
    static HWND make_editor(int band) {
        HWND w = CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, band + 10, 300, nullptr,
                                 nullptr, nullptr, nullptr);
        SendMessageW(w, EFM_SETHASSCROLL, 0, 0);
        return w;
    }
    engine::TFormatEditor& engine(HWND w = nullptr) const {
        return *static_cast<engine::TFormatEditor*>(GetPropW(w != nullptr ? w : editor, u"EDOBJ"));
    }
    display::TEditorLines& lines(HWND w = nullptr) const { return *Internals(engine(w)).FLines; }
    // Replaces the text; every character takes `format`, paragraphs format 0.
    void set_text(std::u16string_view text, std::uint8_t format = 0, HWND w = nullptr) {
        auto& b = *Internals(engine(w)).FBuffer;
        std::vector<std::uint8_t> formats(text.size() + 2, format);
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] == 13 || text[i] == 10) formats[i] = 0;
        formats[text.size()] = formats[text.size() + 1] = 0;
        ASSERT_TRUE(b.Assign(text, formats));
        engine(w).GetLines();
    }
    std::uint8_t add_font(int points, int attr = 0, int underline = 0) {
        TCharFormat f = Internals(engine()).FFonts->GetFormatItem(0)->FAttributes;
        f.ftHeight = static_cast<std::int16_t>(points);
        f.ftAttr = static_cast<std::uint8_t>(attr);
        f.ftUnderline = static_cast<std::int16_t>(underline);
        return static_cast<std::uint8_t>(Internals(engine()).FFonts->AddFontFormat(&f));
    }
    TParaFormat& para(int i = 0) { return Internals(engine()).FParas->GetFormatItem(i)->FAttributes; }
    // The width the layout gives a string in a format: one code unit at a time.
    int width(std::u16string_view s, std::uint8_t format = 0) const {
        HDC dc = GetDC(editor);
        SelectObject(dc, Internals(engine()).FFonts->GetFormatItem(format)->FFontHandle);
        int total = 0;
        for (char16_t c : s) {
            SIZE size{};
            GetTextExtentPoint32W(dc, &c, 1, &size);
            total += size.cx;
        }
        ReleaseDC(editor, dc);
        return total;
    }
    std::int32_t line_of(std::uint32_t index) const {
        return static_cast<std::int32_t>(
            SendMessageW(editor, EFM_GETLINEOFINDEX, 0, static_cast<LPARAM>(index)));
    }
};

} // namespace zeledit::test
