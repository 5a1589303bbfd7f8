// The document block through the editor's messages: its layout, round trips of every
// kind, older generations, and blocks that are refused without changing anything.
#include "e2e/document_test.h"
#include "engine/editor_internals.h"
#include "objects/picture_object.h"
#include "platform/graphics_support/graphics_support.h"

namespace zeledit::test {
namespace {

TEST_F(DocumentBlock, AnEmptyDocumentHasItsSectionsInOrder) {
    const Bytes b = data(editor);
    ASSERT_EQ(b.size(), 23u + 84 + 722 + 2 + 2 + 1);
    const auto h = header(b);
    EXPECT_EQ(+h.Identifier, 0x0601);
    EXPECT_EQ(+h.TextSize, 2);
    EXPECT_EQ(+h.PackedSize, 2);
    EXPECT_EQ(+h.FontCount, 1);
    EXPECT_EQ(+h.ParaCount, 1);
    EXPECT_EQ(+h.TableEnd, 23 + 84 + 722);
    EXPECT_EQ(+h.ObjectCount, 0);
    EXPECT_EQ(+h.HasLinks, 0);
    EXPECT_EQ(std::memcmp(b.data() + 23, "Times New Roman", 16), 0);
    EXPECT_EQ(b[829], 0); // the text: one zero unit
    EXPECT_EQ(b[830], 0);
    EXPECT_EQ(b[831], 2); // one run over both positions
    EXPECT_EQ(b.back(), 0);
}

TEST_F(DocumentBlock, DocumentsRoundTripByteForByte) {
    put(editor, u"Xin ch\u00e0o\rth\u1ebf gi\u1edbi");
    auto& e = engine(editor);
    std::vector<std::uint32_t> argb(6, 0xFF00FF00);
    TObjectInfo info{};
    info.oiStyle = objects::osPicture;
    info.oiID = Internals(e).FObjects->GetNewID();
    info.oiMargins = {2, 2, 2, 2};
    Internals(e).FObjects->AddObject(std::make_unique<objects::TPictureObj>(
        &Internals(e).edInfo, info, platform::UniqueGlobal(platform::make_packed_dib(3, 2, argb))));
    const char16_t mark = 1;
    ASSERT_TRUE(Internals(e).FBuffer->InsertChar(&mark, info.oiID, 1, 3));
    const Bytes first = data(editor);
    EXPECT_EQ(+header(first).ObjectCount, 1);
    ASSERT_TRUE(load(other, first));
    EXPECT_EQ(text(other), text(editor));
    EXPECT_EQ(Internals(engine(other)).FObjects->Count(), 1);
    EXPECT_EQ(data(other), first);
}

TEST_F(DocumentBlock, LinksAreStoredAfterTheFormatRunsAndFollowTheText) {
    put(editor, u"see the page here");
    const TInsertHyperLink link{8, 4, "https://example.org", 42}; // ends in either order
    SendMessageW(editor, EFM_INSERTHYPERLINK, 0, reinterpret_cast<LPARAM>(&link));
    const TInsertHyperLink empty{30, 40, "past the text", 1};
    SendMessageW(editor, EFM_INSERTHYPERLINK, 0, reinterpret_cast<LPARAM>(&empty));
    Internals(engine(editor)).FLinks->SetHyperLinkAt(13, 17, u"a note", 0, "");
    const Bytes b = data(editor);
    EXPECT_EQ(+header(b).HasLinks, 1);
    const std::size_t links_at = b.size() - 1 - (2 + 268 + 268 + 14);
    EXPECT_EQ(b[links_at], 2);
    EXPECT_EQ(b[links_at + 2], 4);      // ikStart of the first
    EXPECT_EQ(b[links_at + 2 + 8], 42); // its ikData

    ASSERT_TRUE(load(other, b));
    EXPECT_EQ(SendMessageW(other, EFM_ISHYPERLINKAT, 4, 0), 1);
    EXPECT_EQ(SendMessageW(other, EFM_ISHYPERLINKAT, 10, 0), 0);
    EXPECT_EQ(data(other), b);
    // Text inserted before a link moves it.
    ASSERT_TRUE(Internals(engine(other)).FBuffer->InsertChar(u"xx", 0, 2, 0));
    EXPECT_EQ(SendMessageW(other, EFM_ISHYPERLINKAT, 4, 0), 0);
    EXPECT_EQ(SendMessageW(other, EFM_ISHYPERLINKAT, 6, 0), 1);
    // A link wholly past the text refuses the block; one without links drops them.
    Bytes outside = b;
    outside[links_at + 3] = 0x10;
    EXPECT_FALSE(load(other, outside));
    EXPECT_EQ(Internals(engine(other)).FLinks->Count(), 2);
    ASSERT_TRUE(load(other, data(make_editor())));
    EXPECT_EQ(Internals(engine(other)).FLinks->Count(), 0);
}

TEST_F(DocumentBlock, ASelectionBlockHoldsTheSelectedTextAndItsObjects) {
    auto& e = engine(editor);
    std::vector<std::uint32_t> argb(4, 0xFF0000FF);
    for (int i = 0; i < 2; ++i) {
        TObjectInfo info{};
        info.oiStyle = objects::osPicture;
        info.oiID = Internals(e).FObjects->GetNewID();
        Internals(e).FObjects->AddObject(std::make_unique<objects::TPictureObj>(
            &Internals(e).edInfo, info, platform::UniqueGlobal(platform::make_packed_dib(2, 2, argb))));
    }
    put(editor, u"a\x01"
                u"bc\x01"
                u"d");
    Internals(e).FBuffer->FormatByte(1) = Internals(e).FObjects->Item(0)->Info.oiID;
    Internals(e).FBuffer->FormatByte(4) = Internals(e).FObjects->Item(1)->Info.oiID;
    storage::TDocumentParts parts{Internals(e).edInfo,  *Internals(e).FBuffer,  *Internals(e).FFonts,
                                  *Internals(e).FParas, *Internals(e).FObjects, *Internals(e).FLinks};
    EXPECT_EQ(storage::GetSelectionData(parts, 2, 2), nullptr);
    platform::UniqueGlobal block(storage::GetSelectionData(parts, 4, 1)); // mark, "bc"; ends in either order
    platform::LockedBlock locked(block.get());
    const Bytes b(locked.bytes().begin(), locked.bytes().end());
    const auto h = header(b);
    EXPECT_EQ(+h.TextSize, 8);
    EXPECT_EQ(+h.ObjectCount, 1); // only the mark inside the selection
    EXPECT_EQ(+h.HasLinks, 0);
    const std::size_t text_at = 23 + 84 + 722;
    EXPECT_EQ(b[text_at], 1);
    EXPECT_EQ(b[text_at + 2], 'b');
    const std::size_t object_bytes = Internals(e).FObjects->Item(0)->GetDataSize();
    EXPECT_EQ(b.size(), text_at + 8 + object_bytes + std::size_t(h.PackedSize)); // no trailing byte
    EXPECT_EQ(b[text_at + 8 + object_bytes], 1); // a run of the mark's ID, then of the text
    EXPECT_EQ(b[text_at + 8 + object_bytes + 1], Internals(e).FObjects->Item(0)->Info.oiID);
    ASSERT_TRUE(load(other, b));
    EXPECT_EQ(text(other), u"\x01"
                           u"bc");
    EXPECT_EQ(Internals(engine(other)).FObjects->Count(), 1);
}

TEST_F(DocumentBlock, TemplatesCarryTablesOnlyAndUsesTemplateNoTables) {
    put(editor, u"body");
    put(other, u"other text");
    SendMessageW(editor, EFM_SETDOCUMENTTYPE, 0, 0x0603);
    const Bytes templ = data(editor);
    EXPECT_EQ(templ.size(), 23u + 84 + 722 + 1);
    ASSERT_TRUE(load(other, templ));
    EXPECT_EQ(text(other), u""); // the tables replaced, the text cleared
    SendMessageW(editor, EFM_SETDOCUMENTTYPE, 0, 0x0602);
    const Bytes uses = data(editor);
    const auto h = header(uses);
    EXPECT_EQ(+h.Identifier, 0x0602);
    EXPECT_EQ(+h.FontCount, 1); // counts are written although the tables are not
    EXPECT_EQ(+h.TableEnd, 23 + 84 + 722);
    EXPECT_EQ(uses[23], 'b');
    ASSERT_TRUE(load(other, uses));
    EXPECT_EQ(text(other), u"body");
    // Loading never changes the kind; of the same kind, the blocks round-trip.
    EXPECT_NE(data(other), uses);
    SendMessageW(other, EFM_SETDOCUMENTTYPE, 0, 0x0602);
    EXPECT_EQ(data(other), uses);
    // A template of a document with links says so in its header but carries no link table.
    const TInsertHyperLink link{0, 4, "https://example.org", 1};
    SendMessageW(editor, EFM_INSERTHYPERLINK, 0, reinterpret_cast<LPARAM>(&link));
    SendMessageW(editor, EFM_SETDOCUMENTTYPE, 0, 0x0603);
    const Bytes linked = data(editor);
    EXPECT_EQ(+header(linked).HasLinks, 1);
    EXPECT_EQ(linked.size(), templ.size());
    ASSERT_TRUE(load(other, linked));
    HWND empty = make_editor();
    SendMessageW(empty, EFM_SETDOCUMENTTYPE, 0, 0x0603);
    TCharFormat bold{};
    SendMessageW(empty, EFM_GETFONTTOREC, 0, reinterpret_cast<LPARAM>(&bold));
    bold.ftAttr = 1;
    SendMessageW(empty, EFM_ADDFONTFORMAT, reinterpret_cast<WPARAM>(empty), reinterpret_cast<LPARAM>(&bold));
    const Bytes empty_template = data(empty);
    SendMessageW(other, EFM_SETDOCUMENTTYPE, 0, 0x0603);
    ASSERT_TRUE(load(other, empty_template));
    EXPECT_EQ(data(other), empty_template);
}

TEST_F(DocumentBlock, OlderGenerationsLoadLikeTheNewest) {
    put(editor, u"caf\u00e9");
    Bytes block = data(editor);
    block[1] = 0x05; // family 5 reads as family 6
    ASSERT_TRUE(load(other, block));
    EXPECT_EQ(text(other), u"caf\u00e9");
    EXPECT_EQ(block[1], 0x05); // the caller's bytes are not written
    // Family 4: the same sections with 8-bit text.
    Bytes old(block.begin(), block.begin() + 23 + 84 + 722);
    old[1] = 0x04;
    const std::int32_t text_size = 5;
    std::memcpy(old.data() + 2, &text_size, 4);
    old.insert(old.end(), {'c', 'a', 'f', 0xE9, 0, 6, 0}); // the text, then one run of 6 positions
    ASSERT_TRUE(load(other, old));
    EXPECT_EQ(text(other), u"caf\u00e9");
}

TEST_F(DocumentBlock, DamagedBlocksAreRefusedAndChangeNothing) {
    put(editor, u"new");
    const Bytes good = data(editor);
    put(other, u"kept");
    SendMessageW(other, EFM_SETMODIFIED, 1, 0);
    for (std::size_t n = 0; n + 1 < good.size(); ++n)
        EXPECT_FALSE(load(other, Bytes(good.begin(), good.begin() + n))) << n;
    EXPECT_TRUE(load(other, Bytes(good.begin(), good.end() - 1))); // the trailing byte is not needed
    put(other, u"kept");
    SendMessageW(other, EFM_SETMODIFIED, 1, 0);
    const std::size_t text_at = 23 + 84 + 722;
    auto bad = [&](auto change) {
        Bytes b = good;
        change(b);
        return b;
    };
    const Bytes damaged[]{
        bad([](Bytes& b) { b[0] = 0x77; }),                          // identifier
        bad([](Bytes& b) { b[10] = 0; }),                            // no character formats
        bad([](Bytes& b) { b[12] = 129; }),                          // too many paragraph formats
        bad([&](Bytes& b) { b[text_at + 6] = 'x'; }),                // text not terminated
        bad([&](Bytes& b) { b[text_at + 2] = b[text_at + 3] = 0; }), // a zero inside the text
        bad([&](Bytes& b) { b[text_at + 8] = 6; }),                  // runs past the positions
        bad([](Bytes& b) { b[2] = 0x7F; }),                          // text past the block
        bad([](Bytes& b) { b[18] = 3; }),                            // objects that are not there
    };
    for (const Bytes& b : damaged) EXPECT_FALSE(load(other, b));
    EXPECT_EQ(text(other), u"newkept");
    EXPECT_EQ(SendMessageW(other, EFM_GETMODIFIED, 0, 0), 1);
    EXPECT_EQ(SendMessageW(other, EFM_SETDATA, 0, 0), 0);
    // A text past the host's maximum size (in bytes, terminator included).
    SendMessageW(other, EFM_SETMAXBUFFERSIZE, 0, 6);
    EXPECT_FALSE(load(other, good));
    SendMessageW(other, EFM_SETMAXBUFFERSIZE, 0, 8);
    EXPECT_TRUE(load(other, good));
    EXPECT_EQ(text(other), u"new");
}

TEST_F(DocumentFiles, SavedFilesHoldTheBlockAndLoadBack) {
    put(editor, u"Tiếng Việt");
    SendMessageW(editor, EFM_SETMODIFIED, 1, 0);
    const auto path = dir / "doc.zdf";
    ASSERT_EQ(save(editor, path), 1);
    EXPECT_EQ(SendMessageW(editor, EFM_GETMODIFIED, 0, 0), 0);
    EXPECT_EQ(file(path), data(editor));
    EXPECT_FALSE(std::filesystem::exists(dir / "doc.zdf.saving"));
    ASSERT_EQ(open(other, path), 1);
    EXPECT_EQ(text(other), u"Tiếng Việt");
    EXPECT_EQ(dialogs, 0);
}

TEST_F(DocumentFiles, AFailedSaveKeepsWhatWasThere) {
    put(editor, u"text");
    SendMessageW(editor, EFM_SETMODIFIED, 1, 0);
    EXPECT_EQ(save(editor, dir / "missing" / "doc.zdf"), 0);
    const auto occupied = dir / "occupied";
    std::filesystem::create_directories(occupied / "inside"); // cannot be replaced by a file
    EXPECT_EQ(save(editor, occupied), 0);
    EXPECT_TRUE(std::filesystem::exists(occupied / "inside"));
    EXPECT_FALSE(std::filesystem::exists(dir / "occupied.saving"));
    EXPECT_EQ(SendMessageW(editor, EFM_GETMODIFIED, 0, 0), 1);
}

TEST_F(DocumentFiles, BadFilesAreRefusedAndTheDocumentStays) {
    put(other, u"kept");
    const Bytes good = data(editor);
    write(dir / "short", Bytes(good.begin(), good.begin() + 23));
    write(dir / "truncated", Bytes(good.begin(), good.begin() + 100));
    Bytes foreign = good;
    foreign[0] = 'P';
    write(dir / "foreign", foreign);
    EXPECT_EQ(open(other, dir / "none"), 0);
    EXPECT_EQ(open(other, dir / "short"), 0);
    EXPECT_EQ(open(other, dir / "truncated"), 0);
    EXPECT_EQ(dialogs, 0); // these fail without a message
    EXPECT_EQ(open(other, dir / "foreign"), 0);
    EXPECT_EQ(dialogs, 1); // the question whether to read it as text
    EXPECT_EQ(text(other), u"kept");
}

TEST_F(DocumentFiles, ARefusedFileSaysWhyAndIsNotReadWhenItsSizeTells) {
    put(editor, u"a document");
    const Bytes good = data(editor);
    const auto why = [&](const std::filesystem::path& p) {
        EXPECT_EQ(open(other, p), 0);
        return std::filesystem::path(GetLastFileError()).string();
    };
    write(dir / "short", Bytes(good.begin(), good.begin() + 23));
    EXPECT_EQ(why(dir / "short"), (dir / "short").string() + ": too short to be a document");
    write(dir / "cut", Bytes(good.begin(), good.end() - 3));
    EXPECT_NE(why(dir / "cut").find(": cut short: its sections end past"), std::string::npos);
    // A header that declares more than a document holds: refused without reading 3 GiB.
    Bytes claiming = good;
    const std::int32_t text_size = 0x7FFFFF00;
    std::memcpy(claiming.data() + 2, &text_size, sizeof text_size);
    write(dir / "huge", claiming);
    std::filesystem::resize_file(dir / "huge", std::uint64_t(3) << 30);
    EXPECT_NE(why(dir / "huge").find(": too large: it declares"), std::string::npos);
    // Bytes past what the document declares are not read at all.
    write(dir / "trailing", good);
    std::filesystem::resize_file(dir / "trailing", std::uint64_t(3) << 30);
    EXPECT_EQ(open(other, dir / "trailing"), 1);
    EXPECT_EQ(text(other), u"a document");
    SendMessageW(other, EFM_CLEARTEXT, 0, 0);
    Bytes damaged = good;
    damaged[23 + 84 + 722 + 4] = 0; // a zero inside the text
    write(dir / "damaged", damaged);
    EXPECT_NE(why(dir / "damaged").find(": damaged"), std::string::npos);
    EXPECT_EQ(text(other), u"");
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(why(dir / "none"), (dir / "none").string() + ": No such file or directory");
}

} // namespace
} // namespace zeledit::test
