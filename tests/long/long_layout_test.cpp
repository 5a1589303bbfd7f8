// The incremental layout of a 10,000,000-character document after random edits, compared
// with a full layout: too long for every build, so `make bench` runs it.
#include <zeledit/headless.h>

#include "e2e/random_edits.h"
#include "engine/editor_internals.h"

#include <gtest/gtest.h>

namespace zeledit::test {
namespace {

TEST(LongLayout, RandomEditsInTenMillionCharactersMatchAFullLayout) {
    headless::Reset();
    InitEditorLib();
    HWND editor = CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 610, 800, nullptr,
                                  nullptr, nullptr, nullptr);
    auto& e = *static_cast<engine::TFormatEditor*>(GetPropW(editor, u"EDOBJ"));
    TCharFormat f = Internals(e).FFonts->GetFormatItem(0)->FAttributes;
    f.ftHeight = 18;
    f.ftAttr = 1;
    const auto big = static_cast<std::uint8_t>(Internals(e).FFonts->AddFontFormat(&f));
    f.ftHeight = 8;
    f.ftAttr = 0;
    f.ftUnderline = 4;
    const auto small = static_cast<std::uint8_t>(Internals(e).FFonts->AddFontFormat(&f));
    RandomEdits edits(editor, 20261210, {0, big, small});
    edits.to_the_end = false;
    edits.Fill(10'000'000);
    ASSERT_FALSE(HasFatalFailure());
    for (int round = 0; round < 20; ++round) {
        for (int step = 0; step < 50; ++step) {
            edits.Step();
            ASSERT_FALSE(HasFatalFailure());
        }
        const auto incremental = Snapshot(*Internals(e).FLines);
        e.GetLines();
        ASSERT_EQ(incremental, Snapshot(*Internals(e).FLines))
            << "round " << round << " kind " << edits.kind << " at " << edits.at;
    }
    DestroyWindow(editor);
    headless::Reset();
}

} // namespace
} // namespace zeledit::test
