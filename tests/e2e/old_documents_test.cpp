// Documents of the older generations, written here byte by byte with their own record
// layouts, loaded through the protocol and checked field by field after conversion.
#include "e2e/document_test.h"
#include "engine/editor_internals.h"

#include "model/old_format_records.h"
#include "objects/object_kinds.h"
#include "platform/graphics_support/graphics_support.h"
#include <unistd.h>

#include <array>

#include <unistd.h>

namespace zeledit::test {
namespace {

// A writer for old blocks: header first, then whatever sections follow.
class OldBlock {
public:
    OldBlock(std::uint16_t id, std::uint16_t fonts, std::uint16_t paras, std::int32_t text_size,
             std::int32_t objects) {
        storage::TDocumentHeader h{id, text_size, 0, fonts, paras, 0, objects, 0};
        add(h);
    }
    template <class T> void add(const T& record) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(&record);
        bytes.insert(bytes.end(), p, p + sizeof record);
    }
    void add(std::initializer_list<std::uint8_t> raw) { bytes.insert(bytes.end(), raw); }
    void add(const Bytes& raw) { bytes.insert(bytes.end(), raw.begin(), raw.end()); }
    // The packed format section: its pairs, with its size put in the header.
    void runs(std::initializer_list<std::uint8_t> pairs) {
        const auto size = static_cast<std::int32_t>(pairs.size());
        std::memcpy(bytes.data() + 6, &size, 4);
        add(pairs);
    }
    Bytes bytes;
};

constexpr TReal48 one_and_half{{0x81, 0, 0, 0, 0, 0x40}};
constexpr TReal48 seventy_two{{0x87, 0, 0, 0, 0, 0x10}};
constexpr TReal48 minus_half{{0x80, 0, 0, 0, 0, 0x80}};

TCharFormat2 char2() {
    TCharFormat2 f{};
    std::strcpy(f.ftFaceName, "Arial");
    f.ftHeight = -12;
    f.ftAttr = 3;
    f.ftColor = 0x0000FF;
    return f;
}

template <class Para> Para old_para() {
    Para p{};
    p.ptIndent = {one_and_half, seventy_two, minus_half};
    p.ptAlign = 2;
    p.ptBorder = {1, 2, 3, 4, 0x112233, 0x445566, 0x778899, 0xAABBCC};
    p.ptShading = 0x00FFFF;
    p.ptBullet.blPresent = 1;
    std::strcpy(p.ptBullet.blFaceName, "Symbol");
    p.ptBullet.blChar = 0xB7;
    p.ptBullet.blSize = 10;
    p.ptBullet.blColor = 5;
    p.ptBullet.blHanging = 1;
    p.ptBullet.blIndent = one_and_half;
    p.ptTabs[0] = {seventy_two, 1, 2, 0};
    p.ptTabs[50] = {one_and_half, 3, 1, 1};
    return p;
}

Bytes dib_bytes(int w, int h) {
    std::vector<std::uint32_t> argb(std::size_t(w) * h, 0xFF204080);
    platform::UniqueGlobal dib(platform::make_packed_dib(w, h, argb));
    platform::LockedBlock locked(dib.get());
    return {locked.bytes().begin(), locked.bytes().end()};
}

class OldDocuments : public DocumentBlock {
protected:
    // Every old block is read twice: as a block, then as a file, which is read only as far
    // as its header and the heads of its objects and links declare. Both must agree.
    static bool load(HWND w, const Bytes& bytes) {
        const bool by_block = DocumentBlock::load(w, bytes);
        const Bytes as_block = by_block ? data(w) : Bytes{};
        const auto path = std::filesystem::temp_directory_path() /
                          (std::string("old-document-") + std::to_string(getpid()) + ".zdf");
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        const bool by_file =
            SendMessageW(w, EFM_LOADDOC, 0, reinterpret_cast<LPARAM>(path.u16string().c_str())) != 0;
        std::filesystem::remove(path);
        EXPECT_EQ(by_file, by_block);
        if (by_block && by_file) {
            EXPECT_EQ(data(w), as_block);
        }
        return by_file;
    }
    const TCharFormat& font(int i) { return Internals(engine(other)).FFonts->GetFormatItem(i)->FAttributes; }
    const TParaFormat& para(int i) { return Internals(engine(other)).FParas->GetFormatItem(i)->FAttributes; }

    void expect_converted_para(const TParaFormat& p) {
        EXPECT_EQ(p.ptIndent.inFirst, 1.5);
        EXPECT_EQ(p.ptIndent.inLeft, 72.0);
        EXPECT_EQ(p.ptIndent.inRight, -0.5);
        EXPECT_EQ(+p.ptAlign, 0); // alignment lives in the line feeds
        const TBorderEdge edges[]{p.ptBorder.btLeft, p.ptBorder.btTop, p.ptBorder.btRight,
                                  p.ptBorder.btBottom};
        const COLORREF colours[]{0x112233, 0x445566, 0x778899, 0xAABBCC};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(+edges[i].beStyle, i + 1);
            EXPECT_EQ(+edges[i].beColor, colours[i]);
            EXPECT_EQ(+edges[i].beSpace, 2.0);
        }
        EXPECT_EQ(+p.ptShading, 0x00FFFFu);
        EXPECT_EQ(+p.ptBullet.blPresent, 1);
        EXPECT_STREQ(p.ptBullet.blFaceName, "Symbol");
        EXPECT_EQ(static_cast<std::uint8_t>(p.ptBullet.blChar), 0xB7);
        EXPECT_EQ(+p.ptBullet.blSize, 10);
        EXPECT_EQ(+p.ptBullet.blColor, 5u);
        EXPECT_EQ(+p.ptBullet.blHanging, 1);
        EXPECT_EQ(+p.ptBullet.blIndent, 1.5);
        EXPECT_EQ(+p.ptTabs.tabs[0].tbPosition, 72.0);
        EXPECT_EQ(+p.ptTabs.tabs[0].tbAlign, 1);
        EXPECT_EQ(+p.ptTabs.tabs[0].tbLeader, 2);
        EXPECT_EQ(+p.ptTabs.tabs[50].tbPosition, 1.5); // all 51 tabs
        EXPECT_EQ(+p.ptTabs.tabs[50].tbDefault, 1);
    }
};

TEST_F(OldDocuments, Family2ConvertsEveryRecordAndReadsItsPicture) {
    for (std::uint16_t id : {0xFF00, 0xFE00}) {
        const Bytes dib = dib_bytes(3, 2);
        OldBlock b(id, 1, 1, 7, 1);
        b.add(char2());
        b.add(old_para<TParaFormat2>());
        b.add({'V', 0xEA, 't', 0x01, '\r', '\n', 0}); // "Vêt", a picture, a paragraph end
        b.add({7, 3, 0, 2, 0});                       // ID 7, 3 × 2
        b.add(static_cast<std::uint32_t>(dib.size()));
        b.add(dib);
        b.runs({3, 0, 1, 7, 4, 0});
        ASSERT_TRUE(load(other, b.bytes)) << std::hex << id;
        EXPECT_EQ(text(other), u"V\u00eat\x01\r\n");
        const TCharFormat& f = font(0);
        EXPECT_STREQ(f.ftFaceName, "Arial");
        EXPECT_EQ(+f.ftHeight, 12);
        EXPECT_EQ(+f.ftAttr, 3);
        EXPECT_EQ(+f.ftColor, 0x0000FFu);
        EXPECT_EQ(+f.ftUnderlineColor, 0x0000FFu);
        EXPECT_EQ(+f.ftStrikeColor, 0x0000FFu);
        EXPECT_EQ(+f.ftUnderline, 0);
        EXPECT_EQ(+f.ftStrikethrough, 0);
        EXPECT_EQ(+f.ftShadow, 0);
        EXPECT_EQ(+f.ftShadColor, 0xC0C0C0u);
        EXPECT_EQ(+f.ftScale, 100);
        EXPECT_EQ(+f.ftScript, 0);
        expect_converted_para(para(0));
        EXPECT_EQ(+para(0).ptBefore, 0);
        EXPECT_EQ(+para(0).ptLineSpacing, 0u);
        auto& objects = *Internals(engine(other)).FObjects;
        ASSERT_EQ(objects.Count(), 1);
        EXPECT_EQ(+objects.Item(0)->Info.oiStyle, objects::osPicture);
        EXPECT_EQ(+objects.Item(0)->Info.oiWidth, 3);
        EXPECT_EQ(Internals(engine(other)).FBuffer->FormatAt(3), objects.Item(0)->Info.oiID);
    }
}

TEST_F(OldDocuments, Family3CopiesShadowsScaleAndSpacing) {
    TCharFormat3 shadowed{};
    std::strcpy(shadowed.ftFaceName, "Tahoma");
    shadowed.ftHeight = 9;
    shadowed.ftColor = 0x010203;
    shadowed.ftShadow = 2;
    shadowed.ftShadColor = 0x123456;
    shadowed.ftScale = 80;
    shadowed.ftScript = 1;
    shadowed.ftReserved = 99;
    TCharFormat3 plain = shadowed;
    plain.ftShadow = 0;
    auto p = old_para<TParaFormat3>();
    p.ptBefore = 3;
    p.ptAfter = 4;
    p.ptLineSpacing = 5;
    p.ptReserved = 6;
    TObjectInfo picture{};
    picture.oiStyle = objects::osPicture;
    picture.oiID = 9;
    std::strcpy(picture.oiIDText, "old picture");
    picture.oiWidth = 4;
    picture.oiHeight = 4;
    const Bytes dib = dib_bytes(4, 4);
    picture.oiSize = static_cast<std::uint32_t>(dib.size());
    OldBlock b(0xFF01, 2, 1, 3, 1);
    b.add(shadowed);
    b.add(plain);
    b.add(p);
    b.add({'a', 0x01, 0});
    b.bytes.insert(b.bytes.end(), reinterpret_cast<const std::uint8_t*>(&picture),
                   reinterpret_cast<const std::uint8_t*>(&picture) + 147);
    b.add(dib);
    b.runs({1, 1, 1, 9, 2, 0});
    ASSERT_TRUE(load(other, b.bytes));
    EXPECT_EQ(+font(0).ftShadow, 2);
    EXPECT_EQ(+font(0).ftShadColor, 0x123456u);
    EXPECT_EQ(+font(0).ftScale, 80);
    EXPECT_EQ(+font(0).ftScript, 1);
    EXPECT_EQ(+font(0).ftReserved, 0);
    EXPECT_EQ(+font(1).ftShadColor, 0xC0C0C0u); // no shadow: the default colour
    expect_converted_para(para(0));
    EXPECT_EQ(+para(0).ptBefore, 3);
    EXPECT_EQ(+para(0).ptAfter, 4);
    EXPECT_EQ(+para(0).ptLineSpacing, 5u);
    EXPECT_EQ(+para(0).ptReserved, 6);
    ASSERT_EQ(Internals(engine(other)).FObjects->Count(), 1);
    EXPECT_STREQ(Internals(engine(other)).FObjects->Item(0)->Info.oiIDText, "old picture");
    EXPECT_EQ(Internals(engine(other)).FBuffer->FormatAt(0), 1);
}

TEST_F(OldDocuments, Family4ReadsCurrentRecordsWith8BitTextAndLinks) {
    put(editor, u"x");
    const Bytes current = data(editor);
    OldBlock b(0x0401, 1, 1, 6, 0);
    b.add(Bytes(current.begin() + 23, current.begin() + 23 + 84 + 722));
    b.add({'c', 'a', 'f', 0xE9, '!', 0});
    b.runs({7, 0});
    b.bytes[22] = 1;
    THyperTextInfo link{};
    link.ikStart = 0;
    link.ikEnd = 4;
    link.ikData = 3;
    std::strcpy(link.ikText, "cafe");
    b.add({1, 0});
    b.add(link);
    ASSERT_TRUE(load(other, b.bytes));
    EXPECT_EQ(text(other), u"caf\u00e9!");
    EXPECT_EQ(SendMessageW(other, EFM_ISHYPERLINKAT, 2, 0), 1);
    EXPECT_EQ(Internals(engine(other)).FLinks->Item(0)->Info.ikData, 3);
}

TEST_F(OldDocuments, OldTemplatesAndUsesTemplateBlocks) {
    put(other, u"text before");
    OldBlock templ(0xFFFF, 1, 1, 0, 0); // family 2 template: tables only
    templ.add(char2());
    templ.add(old_para<TParaFormat2>());
    ASSERT_TRUE(load(other, templ.bytes));
    EXPECT_EQ(text(other), u"");
    EXPECT_STREQ(font(0).ftFaceName, "Arial");
    expect_converted_para(para(0));

    OldBlock uses(0xFF03, 5, 5, 4, 0); // family 3 uses-template: the text at once
    uses.add({'a', 'b', 'c', 0});
    uses.runs({5, 0});
    ASSERT_TRUE(load(other, uses.bytes));
    EXPECT_EQ(text(other), u"abc");
    EXPECT_STREQ(font(0).ftFaceName, "Arial"); // the tables stay
}

// Template files give a document their tables through message 1155; older generations keep
// more of what they store than their documents do.
class TemplateFiles : public DocumentFiles {
protected:
    const TCharFormat& font(int i) { return Internals(engine(editor)).FFonts->GetFormatItem(i)->FAttributes; }
    const TParaFormat& para(int i) { return Internals(engine(editor)).FParas->GetFormatItem(i)->FAttributes; }
    int font_count() { return Internals(engine(editor)).FFonts->Count(); }
    LRESULT load_template(const Bytes& b) {
        write(dir / "t.ztf", b);
        return SendMessageW(editor, EFM_LOADTEMPLATE, 0,
                            reinterpret_cast<LPARAM>((dir / "t.ztf").u16string().c_str()));
    }
    // Text, format bytes and a link the template must not touch.
    void write_document() {
        put(editor, u"one\r\ntwo");
        Internals(engine(editor)).FBuffer->FormatByte(1) = 1;
        SendMessageW(editor, EFM_SETINDEX, 0, 2);
    }
    void expect_document_kept() {
        EXPECT_EQ(text(editor), u"one\r\ntwo");
        EXPECT_EQ(Internals(engine(editor)).FBuffer->FormatByte(1), 1);
        EXPECT_EQ(Internals(engine(editor)).edInfo.eiIndex, 2u);
    }
};

TEST_F(TemplateFiles, Family2KeepsTheSignedHeightAndReadsTheBulletFaceFirst) {
    write_document();
    auto p = old_para<TParaFormatTemplate2>();
    OldBlock b(0xFFFF, 2, 1, 0, 0);
    b.add(char2());
    TCharFormat2 second = char2();
    second.ftHeight = 30;
    b.add(second);
    b.add(p);
    EXPECT_EQ(load_template(b.bytes), 0); // the message answers nothing
    expect_document_kept();
    ASSERT_EQ(font_count(), 2);
    EXPECT_STREQ(font(0).ftFaceName, "Arial");
    EXPECT_EQ(+font(0).ftHeight, -12);
    EXPECT_EQ(+font(0).ftShadColor, 0xC0C0C0u);
    EXPECT_EQ(+font(1).ftHeight, 30);
    const TParaFormat& q = para(0);
    EXPECT_EQ(+q.ptAlign, 2);
    EXPECT_EQ(+q.ptIndent.inLeft, 72.0);
    EXPECT_EQ(+q.ptBullet.blPresent, 1);
    EXPECT_STREQ(q.ptBullet.blFaceName, "Symbol");
    EXPECT_EQ(+q.ptBullet.blIndent, 1.5);
    EXPECT_EQ(+q.ptTabs.tabs[50].tbPosition, 1.5);
    EXPECT_EQ(+q.ptBorder.btBottom.beSpace, 2.0);
    // The second character took the template's second format and is laid out with it.
    EXPECT_GT(Internals(engine(editor)).FLines->Line(0)->LineHeight(), 30);
}

TEST_F(TemplateFiles, Family3TakesTheShadowColourAndReservedAsStored) {
    TCharFormat3 f{};
    std::strcpy(f.ftFaceName, "Tahoma");
    f.ftHeight = -9;
    f.ftShadColor = 0x123456; // no shadow, and the colour still comes along
    f.ftReserved = 99;
    auto p = old_para<TParaFormat3>();
    p.ptLineSpacing = 5;
    OldBlock b(0xFF01, 1, 1, 0, 0);
    b.add(f);
    b.add(p);
    load_template(b.bytes);
    EXPECT_STREQ(font(0).ftFaceName, "Tahoma");
    EXPECT_EQ(+font(0).ftHeight, -9);
    EXPECT_EQ(+font(0).ftShadColor, 0x123456u);
    EXPECT_EQ(+font(0).ftReserved, 99);
    EXPECT_EQ(+para(0).ptAlign, 2);
    EXPECT_EQ(+para(0).ptLineSpacing, 5u);
    EXPECT_STREQ(para(0).ptBullet.blFaceName, "Symbol");
}

TEST_F(TemplateFiles, AnotherDocumentsFileLendsItsTables) {
    write_document();
    put(other, u"x");
    TCharFormat big = Internals(engine(other)).FFonts->GetFormatItem(0)->FAttributes;
    big.ftHeight = 40;
    SendMessageW(other, EFM_ADDFONTFORMAT, reinterpret_cast<WPARAM>(other), reinterpret_cast<LPARAM>(&big));
    ASSERT_EQ(save(other, dir / "other.zdf"), 1);
    EXPECT_EQ(SendMessageW(editor, EFM_LOADTEMPLATE, 0,
                           reinterpret_cast<LPARAM>((dir / "other.zdf").u16string().c_str())),
              0);
    expect_document_kept();
    ASSERT_EQ(font_count(), 2);
    EXPECT_EQ(+font(1).ftHeight, 40);
}

TEST_F(TemplateFiles, AFileWithoutWholeTablesChangesNothing) {
    write_document();
    Internals(engine(editor)).FFonts->GetFormatItem(0)->FAttributes.ftHeight = 33;
    auto tables = [](std::uint16_t id, std::uint16_t fonts, std::uint16_t paras, std::size_t cut = 0) {
        OldBlock b(id, fonts, paras, 0, 0);
        for (int i = 0; i < fonts; ++i) b.add(char2());
        for (int i = 0; i < paras; ++i) b.add(old_para<TParaFormatTemplate2>());
        b.bytes.resize(b.bytes.size() - cut);
        return b.bytes;
    };
    const Bytes refused[]{
        Bytes(23, 0),            // a header and nothing more
        tables(0xFF03, 1, 1),    // uses a template: no tables of its own
        tables(0xFFFF, 1, 1, 1), // the last record cut short
        tables(0xFFFF, 0, 1),    // no character format
        tables(0xFFFF, 1, 129),  // more paragraph formats than a table holds
        tables(0x1234, 1, 1),    // no document at all
    };
    for (const Bytes& b : refused) {
        load_template(b);
        EXPECT_EQ(font_count(), 1);
        EXPECT_EQ(+font(0).ftHeight, 33);
    }
    SendMessageW(editor, EFM_LOADTEMPLATE, 0,
                 reinterpret_cast<LPARAM>((dir / "missing").u16string().c_str()));
    SendMessageW(editor, EFM_LOADTEMPLATE, 0, 0);
    EXPECT_EQ(+font(0).ftHeight, 33);
    expect_document_kept();
}

} // namespace
} // namespace zeledit::test
