// Copy, cut and paste between editor windows and with other programs, through keys,
// commands and the standard messages.
#include "e2e/document_test.h"
#include "e2e/editing_test.h"
#include "engine/editor_internals.h"
#include "objects/picture_object.h"
#include "platform/core/global_memory.h"
#include "platform/graphics_support/graphics_support.h"
#include "platform/user/clipboard.h"

#include <vector>

namespace zeledit::test {
namespace {

class Clipboard : public Editing {
protected:
    HWND other = nullptr;

    void SetUp() override {
        Editing::SetUp();
        other = make_editor(400);
        SetFocus(editor);
    }
    static std::u16string text_of(HWND w) {
        const auto* t = reinterpret_cast<const char16_t*>(SendMessageW(w, EFM_GETTEXTBUFFER, 0, 0));
        return {t, static_cast<std::size_t>(SendMessageW(w, EFM_GETTEXTLENGTH, 0, 0))};
    }
    static std::uint8_t byte_of(HWND w, std::uint32_t i) {
        return reinterpret_cast<const std::uint8_t*>(SendMessageW(w, EFM_GETFORMATBUFFER, 0, 0))[i];
    }
    static TCharFormat font_of(HWND w, std::uint32_t i) {
        TCharFormat f{};
        SendMessageW(w, EFM_GETFONTTOREC, byte_of(w, i) & 0x7F, reinterpret_cast<LPARAM>(&f));
        return f;
    }
    // What another program finds on the clipboard as text.
    static std::u16string clipboard_text() {
        if (!OpenClipboard(nullptr)) return u"<closed>";
        HANDLE h = GetClipboardData(CF_UNICODETEXT);
        std::u16string out = h != nullptr ? platform::read_unicode_block(h) : u"<none>";
        CloseClipboard();
        return out;
    }
    // Another program puts these formats on the clipboard.
    static void put_on_clipboard(std::u16string_view text, bool picture) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        if (!text.empty()) {
            std::u16string s(text);
            SetClipboardData(CF_UNICODETEXT,
                             platform::copy_to_global(
                                 {reinterpret_cast<const std::uint8_t*>(s.c_str()), 2 * (s.size() + 1)})
                                 .release());
        }
        if (picture) {
            std::vector<std::uint32_t> argb(6 * 4, 0xFF2040C0);
            SetClipboardData(CF_DIB, platform::make_packed_dib(6, 4, argb));
        }
        CloseClipboard();
    }
};

TEST_F(Clipboard, CopyingNothingLeavesTheClipboardAlone) {
    put_on_clipboard(u"theirs", false);
    type(u"mine");
    key('C', false, true);
    SendMessageW(editor, WM_COPY, 0, 0);
    EXPECT_EQ(clipboard_text(), u"theirs");
}

TEST_F(Clipboard, AnotherEditorGetsFormatsObjectsAndParagraphs) {
    const std::uint8_t big = add_font(20, 1);
    set_text(u"xa\x01"
             u"b\r\ncd",
             big);
    const std::uint8_t id = add_picture();
    Internals(engine()).FBuffer->FormatByte(2) = id;
    TParaFormat shaded = Internals(engine()).FParas->GetFormatItem(0)->FAttributes;
    shaded.ptShading = RGB(7, 7, 7);
    SendMessageW(editor, EFM_SETINDEX, 0, 0);
    SendMessageW(editor, EFM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&shaded));
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(1, 8));
    key(VK_INSERT, false, true);
    EXPECT_EQ(clipboard_text(), u"a\x01"
                                u"b\r\ncd");

    SetFocus(other);
    SendMessageW(other, EFM_INSERTTEXT, 0, reinterpret_cast<LPARAM>(u"[]"));
    SendMessageW(other, EFM_SETINDEX, 0, 1);
    SendMessageW(other, WM_PASTE, 0, 0);
    EXPECT_EQ(text_of(other), u"[a\x01"
                              u"b\r\ncd]");
    EXPECT_EQ(SendMessageW(other, EFM_GETOBJECTCOUNT, 0, 0), 1);
    const auto* object = reinterpret_cast<const TObjectInfo*>(SendMessageW(other, EFM_GETOBJECTINFO, 0, 0));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(byte_of(other, 2), +object->oiID);
    EXPECT_EQ(+font_of(other, 1).ftHeight, 20);
    EXPECT_EQ(+font_of(other, 1).ftAttr, 1);
    EXPECT_EQ(+font_of(other, 0).ftHeight,
              +Internals(engine()).FSettings.FDefaultCharFormat.ftHeight); // the "[" kept its own
    auto& paras = *engine::Internals(other).FParas;
    EXPECT_EQ(+paras.GetParaOfIndex(1)->FAttributes.ptShading, RGB(7, 7, 7));
    EXPECT_EQ(Internals(engine(other)).edInfo.eiIndex, 8u); // after what was pasted
}

TEST_F(Clipboard, TextCopiedByAClosedEditorStillPastes) {
    set_text(u"kept", 0, other);
    SendMessageW(other, EFM_SETSELTEXT, 0, MAKELPARAM(0, 4));
    SendMessageW(other, WM_COPY, 0, 0);
    DestroyWindow(other);
    SendMessageW(editor, WM_PASTE, 0, 0);
    EXPECT_EQ(text(), u"kept");
}

TEST_F(Clipboard, CutTakesTheObjectAndPastingBringsItBack) {
    set_text(u"a\x01"
             u"b");
    Internals(engine()).FBuffer->FormatByte(1) = add_picture();
    SendMessageW(editor, EFM_SETSELTEXT, 0, MAKELPARAM(1, 2));
    key(VK_DELETE, true); // Shift+Delete cuts
    EXPECT_EQ(text(), u"ab");
    EXPECT_EQ(SendMessageW(editor, EFM_GETOBJECTCOUNT, 0, 0), 0);
    key(VK_INSERT, true); // Shift+Insert pastes
    EXPECT_EQ(text(), u"a\x01"
                      u"b");
    ASSERT_EQ(SendMessageW(editor, EFM_GETOBJECTCOUNT, 0, 0), 1);
    EXPECT_EQ(Internals(engine()).FObjects->FindByID(Internals(engine()).FBuffer->FormatAt(1)) != nullptr,
              true);
    key('Z', false, true);
    EXPECT_EQ(text(), u"ab");
}

TEST_F(Clipboard, APictureComesBeforeText) {
    type(u"ab");
    put_on_clipboard(u"text", true);
    SendMessageW(editor, EFM_SETINDEX, 0, 1);
    host->seen.clear();
    key('V', false, true);
    EXPECT_EQ(text(), u"a\x01"
                      u"b");
    ASSERT_EQ(Internals(engine()).FObjects->Count(), 1);
    const objects::TObjectItem& picture =
        *Internals(engine()).FObjects->FindByID(Internals(engine()).FBuffer->FormatAt(1));
    EXPECT_EQ(+picture.Info.oiStyle, objects::osPicture);
    EXPECT_EQ(+picture.Info.oiWidth, 6);
    EXPECT_EQ(+picture.Info.oiHeight, 4);
    EXPECT_EQ(Internals(engine()).edInfo.eiIndex, 2u);
    EXPECT_EQ(count(EFN_CHANGED), 1);
    EXPECT_GE(lines().Line(0)->LineHeight(), 4 + 2 * 3); // the picture and its margins
    key('Z', false, true);
    EXPECT_EQ(text(), u"ab");
}

// A run-length picture that claims 8192 x 8192 pixels and ends at once: 50 bytes.
HGLOBAL ClaimingRle8Picture() {
    std::vector<std::uint8_t> dib(40 + 4 + 6, 0);
    const std::int32_t fields[] = {40, 8192, 8192};
    std::memcpy(dib.data(), fields, sizeof fields);
    dib[12] = 1;                                        // planes
    dib[14] = 8;                                        // bits per pixel
    dib[16] = 1;                                        // BI_RLE8
    dib[20] = 6;                                        // size of the runs
    dib[32] = 1;                                        // one colour
    dib[40] = 0x20, dib[41] = 0x80, dib[42] = 0xF0;     // the colour
    dib[44] = 4, dib[45] = 0;                           // four pixels of it
    dib[46] = 0, dib[47] = 0, dib[48] = 0, dib[49] = 1; // end of line, end of picture
    return platform::copy_to_global(dib).release();
}

TEST_F(Clipboard, APictureKeepsTheCompactFormItCameIn) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_DIB, ClaimingRle8Picture());
    CloseClipboard();
    for (int i = 0; i < 5; ++i) key('V', false, true);
    ASSERT_EQ(Internals(engine()).FObjects->Count(), 5);
    // Stored as it came: a few hundred bytes for five pictures, not 5 x 256 MB of pixels.
    EXPECT_LT(SendMessageW(editor, EFM_GETDATASIZE, 0, 0), 3000);
    const objects::TObjectItem& picture = *Internals(engine()).FObjects->Item(0);
    EXPECT_EQ(picture.FOriginWidth, 8192);
    InvalidateRect(editor, nullptr, TRUE);
    headless::PumpMessages(); // drawn small, from every few hundredth pixel
    // Black but for four pixels at the bottom left: the first line is a black square.
    const int middle = lines().Line(0)->TotalHeight() / 2;
    EXPECT_EQ(headless::PixelAt(editor, middle, middle) & 0xFFFFFF, 0u);
}

TEST_F(Clipboard, TextOfOtherProgramsIsPastedWithTheFormatAtTheCaret) {
    const std::uint8_t big = add_font(20);
    set_text(u"[]", big);
    SendMessageW(editor, EFM_SETMODIFIED, 0, 0);
    put_on_clipboard(u"one\ntwo\rthree\r\nf\x01", false);
    SendMessageW(editor, EFM_SETINDEX, 0, 1);
    SendMessageW(editor, WM_COMMAND, 24322, 0);
    EXPECT_EQ(text(), u"[one\r\ntwo\r\nthree\r\nf ]");
    EXPECT_NE(SendMessageW(editor, EFM_GETMODIFIED, 0, 0), 0);
    EXPECT_EQ(Internals(engine()).FBuffer->FormatAt(1), big);
    EXPECT_EQ(Internals(engine()).FBuffer->FormatByte(4), 0); // the break
    EXPECT_EQ(lines().Count(), 4);
}

TEST_F(Clipboard, AReadOnlyEditorPastesNothing) {
    type(u"ab");
    put_on_clipboard(u"text", true);
    SendMessageW(editor, EFM_SETEDITTYPE, 0, engine::esReadOnly | engine::esControl);
    SendMessageW(editor, WM_PASTE, 0, 0);
    key('V', false, true);
    EXPECT_EQ(text(), u"ab");
    // An empty clipboard inserts nothing either and leaves no undo step behind.
    SendMessageW(editor, EFM_SETEDITTYPE, 0, engine::esControl);
    put_on_clipboard(u"", false);
    SendMessageW(editor, WM_PASTE, 0, 0);
    key('Z', false, true);
    EXPECT_EQ(text(), u"");
}

TEST_F(Clipboard, ACopiedPictureGoesToAnotherProgramAsABitmap) {
    set_text(u"\x01");
    Internals(engine()).FBuffer->FormatByte(0) = add_picture();
    ASSERT_TRUE(engine().CopyObjectToClipboard(*Internals(engine()).FObjects->FindByID(1)));
    ASSERT_TRUE(OpenClipboard(nullptr));
    auto* bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_NE(bitmap, nullptr);
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 2);
    CloseClipboard();
    SendMessageW(other, WM_PASTE, 0, 0);
    EXPECT_EQ(text_of(other), u"\x01");
}

class DataInsertion : public DocumentBlock {};

TEST_F(DataInsertion, ABlockGoesInAtTheCaretAndABadOneNowhere) {
    put(other, u"0123456789");
    put(editor, u"abcde");
    const Bytes block = data(other);
    SendMessageW(editor, EFM_SETINDEX, 0, 2);
    platform::UniqueGlobal h = platform::copy_to_global(block);
    EXPECT_EQ(SendMessageW(editor, EFM_INSERTDATAFROM, reinterpret_cast<WPARAM>(h.get()), 0), 10);
    EXPECT_EQ(text(editor), u"ab0123456789cde");
    Bytes empty = block;
    empty.resize(23);
    EXPECT_EQ(SendMessageW(editor, EFM_INSERTDATAFROM,
                           reinterpret_cast<WPARAM>(platform::copy_to_global(empty).get()), 0),
              0);
    Bytes cut = block;
    cut.resize(block.size() / 2);
    EXPECT_EQ(SendMessageW(editor, EFM_INSERTDATAFROM,
                           reinterpret_cast<WPARAM>(platform::copy_to_global(cut).get()), 0),
              0);
    EXPECT_EQ(SendMessageW(editor, EFM_INSERTDATAFROM, 0, 0), 0);
    EXPECT_EQ(text(editor), u"ab0123456789cde");
}

TEST_F(DataInsertion, ATemplateDocumentsBytesStayAsTheyAre) {
    SendMessageW(other, EFM_SETDOCUMENTTYPE, 0, 0x602);
    put(other, u"xy", 5);
    const Bytes block = data(other);
    ASSERT_EQ(header(block).Identifier, 0x602);
    platform::UniqueGlobal h = platform::copy_to_global(block);
    EXPECT_EQ(SendMessageW(editor, EFM_INSERTDATAFROM, reinterpret_cast<WPARAM>(h.get()), 0), 2);
    EXPECT_EQ(Internals(engine(editor)).FBuffer->FormatAt(0), 5);
    EXPECT_EQ(Internals(engine(editor)).FBuffer->FormatAt(1), 5);
}

TEST_F(DataInsertion, AnotherEditorsDataIsAppendedAfterAnEmptyParagraph) {
    put(other, u"ab\x01", 0);
    TObjectInfo info{};
    info.oiStyle = objects::osPicture;
    info.oiID = 7;
    std::vector<std::uint32_t> argb(4, 0xFF00FF00);
    Internals(engine(other))
        .FObjects->AddObject(std::make_unique<objects::TPictureObj>(
            &Internals(engine(other)).edInfo, info,
            platform::UniqueGlobal(platform::make_packed_dib(2, 2, argb))));
    Internals(engine(other)).FBuffer->FormatByte(2) = 7;
    const auto add = [&](HWND to, const void* objects) {
        const TAddData r{
            reinterpret_cast<const char16_t*>(SendMessageW(other, EFM_GETTEXTBUFFER, 0, 0)),
            reinterpret_cast<const std::uint8_t*>(SendMessageW(other, EFM_GETFORMATBUFFER, 0, 0)), objects};
        SendMessageW(to, EFM_ADDDATA, 0, reinterpret_cast<LPARAM>(&r));
    };
    add(editor, reinterpret_cast<const void*>(SendMessageW(other, EFM_GETOBJECTS, 0, 0)));
    EXPECT_EQ(text(editor), u"ab\x01"); // an empty document takes no separator
    ASSERT_EQ(SendMessageW(editor, EFM_GETOBJECTCOUNT, 0, 0), 1);
    EXPECT_EQ(
        Internals(engine(editor)).FObjects->FindByID(Internals(engine(editor)).FBuffer->FormatByte(2))->ID(),
        Internals(engine(editor)).FBuffer->FormatByte(2));
    add(editor, nullptr); // without the list, the mark has no object
    EXPECT_EQ(text(editor), u"ab\x01\r\n\r\nab ");
    EXPECT_EQ(SendMessageW(editor, EFM_GETOBJECTCOUNT, 0, 0), 1);
    EXPECT_NE(SendMessageW(editor, EFM_GETMODIFIED, 0, 0), 0);
    engine(editor).Undo();
    EXPECT_EQ(text(editor), u"ab\x01");
}

} // namespace
} // namespace zeledit::test
