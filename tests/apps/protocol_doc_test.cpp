// The protocol reference a host writer reads covers the whole protocol.
#include <zeledit/zeledit.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Reference() {
    std::ifstream in(PROTOCOL_DOC);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool HasRow(const std::string& doc, unsigned number) {
    return doc.find("| " + std::to_string(number) + " | `") != std::string::npos;
}

TEST(ProtocolReference, HasARowForEveryMessageAndNotification) {
    const std::string doc = Reference();
    ASSERT_FALSE(doc.empty()) << PROTOCOL_DOC;
    for (UINT number : EditorMessageNumbers) EXPECT_TRUE(HasRow(doc, number)) << number;
    for (UINT number : {EFN_UPDATESTATE, EFN_ORIGINCHANGE, EFN_EXOBJMOUSEDOWN, EFN_EXOBJMOUSEUP, EFN_EXOBJFREE,
                        EFN_EXOBJGETDATA, EFN_EXOBJDRAW, EFN_EXOBJSETDATA, EFN_EXOBJACTION, EFN_EXOBJINITFROM,
                        EFN_EXOBJCREATE, EFN_EXOBJMODIFY, EFN_EXOBJGETSIZE, EFN_CLICK, EFN_KEYDOWN,
                        EFN_RIGHTCLICK, EFN_HYPERLINK, EFN_OBJCLICK, EFN_QUERYPRINTER, EFN_DRAWBACKGROUND,
                        EFN_MOUSEWAIT, EFN_QUERYDATAOBJ, EFN_QUERYSYSTEMFONT, EFN_PRINT, EFN_BREAKCHAR,
                        EFN_BACKGROUNDDRAWN, EFN_TOPLINECHANGED, EFN_INPUTCHANGED, EFN_FORMATCHANGED,
                        EFN_GETCURSOR, EFN_FILECOMMAND, EFN_CHANGED, EFN_COMMENTCLICK, EFN_HIDECOMMENT,
                        EFN_BUFFERCHANGED, EFN_QUERYHEADERFOOTER})
        EXPECT_TRUE(HasRow(doc, number)) << number;
    EXPECT_NE(doc.find("CR LF"), std::string::npos);
}

} // namespace
