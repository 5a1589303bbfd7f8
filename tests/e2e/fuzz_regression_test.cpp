// Documents that fuzzing found, kept as they were found to fail.
#include "e2e/document_test.h"
#include "engine/editor_internals.h"
#include "objects/external_object.h"

namespace zeledit::test {
namespace {

// A host object far wider than the window, in a document without its host: loading fits it
// to the window, and saving must keep its own size, or each save in a narrower window (the
// vertical scroll bar appearing is enough) shrinks it for good and the saved document
// differs from the one loaded.
TEST_F(DocumentBlock, AFittedObjectKeepsItsOwnSizeWhenSaved) {
    put(editor, u"Xin\x01 chào");
    TObjectInfo info{};
    info.oiStyle = 0x600; // the host's kind
    info.oiID = 1;
    info.oiWidth = 11520;
    info.oiHeight = 64;
    info.oiFloated = 1;
    info.oiMargins = {0, 0, 16.5, 0};
    auto e = Internals(engine(editor));
    e.FBuffer->FormatByte(3) = 1;
    e.FObjects->AddObject(std::make_unique<objects::TExternalObj>(&e.edInfo, editor, info, 0));
    const Bytes first = data(editor);
    ASSERT_TRUE(load(other, first));
    const Bytes loaded = data(other);
    SetWindowPos(other, nullptr, 0, 0, 200, 240, SWP_NOMOVE | SWP_NOZORDER); // narrower
    ASSERT_TRUE(load(other, loaded));
    EXPECT_EQ(data(other), loaded);
    TObjectInfo stored;
    std::memcpy(&stored, loaded.data() + 23 + 84 + 722 + 2 * 9 + 2, sizeof stored);
    EXPECT_EQ(+stored.oiWidth, 11520);
}

} // namespace
} // namespace zeledit::test
