// Vietnamese typing with the shipped tables (VNI digits, Telex, VIQR) and the tone placed by
// syllable: keystroke sequences typed as a person types them, and the text they must give,
// written from the orthography.
#include "e2e/layout_test.h"

#include <zeledit/zeledit.h>

#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace zeledit::test {
namespace {

struct Typed {
    std::u16string_view keys;
    std::u16string_view text;
};

// Telex with the tone placed by syllable; the placement of oa, oe and uy is new (hoà).
constexpr Typed Telex[] = {
    {u"Tieengs Vieetj", u"Tiếng Việt"},
    {u"xin chaof", u"xin chào"},
    {u"camr own", u"cảm ơn"},
    {u"ddepj", u"đẹp"},
    {u"nguowif", u"người"},
    {u"nuowcs", u"nước"},
    {u"nuwowcs", u"nước"},
    {u"dduwowngf", u"đường"},
    {u"ddaats", u"đất"},
    {u"hoaf", u"hoà"},
    {u"thuys", u"thuý"},
    {u"khoer", u"khoẻ"},
    {u"hoas", u"hoá"},
    {u"quys", u"quý"},
    {u"quas", u"quá"},
    {u"giaf", u"già"},
    {u"gif", u"gì"},
    {u"gifn", u"gìn"},
    {u"gieengs", u"giếng"},
    {u"toanf", u"toàn"},
    {u"hoanf", u"hoàn"},
    {u"muaf", u"mùa"},
    {u"muwaf", u"mừa"},
    {u"cuar", u"của"},
    {u"cuwar", u"cửa"},
    {u"tuooir", u"tuổi"},
    {u"ngoaif", u"ngoài"},
    {u"ngoafi", u"ngoài"},
    {u"nghieeng", u"nghiêng"},
    {u"nghieengx", u"nghiễng"},
    {u"truwowngf", u"trường"},
    {u"hocj", u"học"},
    {u"sinh vieen", u"sinh viên"},
    {u"banf", u"bàn"},
    {u"ghees", u"ghế"},
    {u"phowr", u"phở"},
    {u"banhs mif", u"bánh mì"},
    {u"Haf Nooij", u"Hà Nội"},
    {u"Huees", u"Huế"},
    {u"DDaf Nawngx", u"Đà Nẵng"},
    {u"thanhf phoos", u"thành phố"},
    {u"Hoof Chis Minh", u"Hồ Chí Minh"},
    {u"yeeu", u"yêu"},
    {u"yeeus", u"yếu"},
    {u"khuyeenx", u"khuyễn"},
    {u"chuyeenj", u"chuyện"},
    {u"thuyeenf", u"thuyền"},
    {u"oois", u"ối"},
    {u"ddi ddaau", u"đi đâu"},
    {u"ddaauf", u"đầu"},
    {u"lowps", u"lớp"},
    {u"muoons", u"muốn"},
    {u"bieets", u"biết"},
    {u"nhaf", u"nhà"},
    {u"tooi", u"tôi"},
    {u"cacs", u"các"},
    {u"nawm", u"năm"},
    {u"Vieejt", u"Việt"},
    {u"Vieetjj", u"Viêtj"},
    {u"mootj hai ba", u"một hai ba"},
    {u"boons", u"bốn"},
    {u"sawcs", u"sắc"},
    {u"huyeenf", u"huyền"},
    {u"hoir", u"hỏi"},
    {u"ngax", u"ngã"},
    {u"nawngj", u"nặng"},
    {u"aa", u"â"},
    {u"aaa", u"aa"},
    {u"dd", u"đ"},
    {u"ddd", u"dd"},
    {u"ee", u"ê"},
    {u"eee", u"ee"},
    {u"oo", u"ô"},
    {u"ooo", u"oo"},
    {u"aw", u"ă"},
    {u"aww", u"aw"},
    {u"ow", u"ơ"},
    {u"oww", u"ow"},
    {u"uw", u"ư"},
    {u"uww", u"uw"},
    {u"as", u"á"},
    {u"ass", u"as"},
    {u"asss", u"ass"},
    {u"asf", u"à"},
    {u"asz", u"a"},
    {u"az", u"az"},
    {u"hoaff", u"hoaf"},
    {u"tw", u"tư"},
    {u"nhw", u"như"},
    {u"class", u"class"},
    {u"hello", u"hello"},
    {u"world", u"world"},
    {u"print", u"print"},
    {u"sun", u"sun"},
    {u"box", u"bõ"},
    {u"VIEETJ NAM", u"VIỆT NAM"},
    {u"TIEENGS", u"TIẾNG"},
    {u"Ddaats", u"Đất"},
    {u"DDAATS", u"ĐẤT"},
    {u"NGUOWIF", u"NGƯỜI"},
    {u"ddaatf", u"đâtf"},
    {u"hocf", u"hocf"},
};

// Where the old placement differs: the tone on the first vowel of oa, oe and uy.
constexpr Typed TelexOld[] = {
    {u"hoaf", u"hòa"},   {u"thuys", u"thúy"},   {u"khoer", u"khỏe"},   {u"hoas", u"hóa"},
    {u"thuyr", u"thủy"}, {u"loaf", u"lòa"},     {u"hoanf", u"hoàn"},   {u"toanf", u"toàn"},
    {u"quys", u"quý"},   {u"ngoaif", u"ngoài"}, {u"ngoafi", u"ngoài"}, {u"Tieengs Vieetj", u"Tiếng Việt"},
};

// The built-in digits with the tone placed by syllable.
constexpr Typed VniPlaced[] = {
    {u"Tie61ng", u"Tiếng"},    {u"Tie6ng1", u"Tiếng"}, {u"Vie65t", u"Việt"}, {u"Vie6t5", u"Việt"},
    {u"hoa2", u"hoà"},         {u"nguo7i2", u"người"}, {u"d9a6t1", u"đất"},  {u"thuy1", u"thuý"},
    {u"Ha2 No6i5", u"Hà Nội"}, {u"a11", u"a1"},        {u"a12", u"à"},       {u"muo6n1", u"muốn"},
    {u"truo7ng2", u"trường"},  {u"cu7a3", u"cửa"},     {u"gio72", u"giờ"},   {u"D9a2 La5t", u"Đà Lạt"},
    {u"class1", u"class1"},    {u"1", u"1"},
};

// The built-in digits as the classic composition has them: each key on the letter just typed.
constexpr Typed VniClassic[] = {
    {u"Vie65t", u"Việt"}, {u"a1", u"á"},           {u"a61", u"ấ"},    {u"1", u"1"},
    {u"d9", u"đ"},        {u"Tie61ng", u"Tiếng"},  {u"hoa2", u"hoà"}, {u"nguo7i2", u"nguơì"},
    {u"a11", u"á1"},      {u"Tie6ng1", u"Tiêng1"},
};

constexpr Typed ViqrPlaced[] = {
    {u"Vie^.t", u"Việt"},
    {u"Vie^t.", u"Việt"},
    {u"Tie^'ng", u"Tiếng"},
    {u"Tie^ng'", u"Tiếng"},
    {u"dda^'t", u"đất"},
    {u"hoa`", u"hoà"},
    {u"nguo+i`", u"người"},
    {u"a''", u"a'"},
    {u"Ha` No^i.", u"Hà Nội"},
    {u"ca?m o+n", u"cảm ơn"},
    {u"pho+?", u"phở"},
    {u"a^", u"â"},
    {u"a(", u"ă"},
    {u"u+", u"ư"},
    {u"dd", u"đ"},
    {u"a~", u"ã"},
};

constexpr Typed ViqrClassic[] = {
    {u"Vie^.t", u"Việt"}, {u"a'", u"á"},          {u"a^'", u"ấ"},
    {u"dd", u"đ"},        {u"Tie^'ng", u"Tiếng"}, {u"Vie^t.", u"Viêt."},
};

class VietnameseTables : public Layout {
protected:
    void SetUp() override {
        Layout::SetUp();
        SetFocus(editor);
        SendMessageW(editor, EFM_ENABLEVIETKEY, 1, 0);
    }
    void TearDown() override {
        UseTable(u"vni.tbl");
        Layout::TearDown();
    }
    static void UseTable(std::u16string_view name) {
        const std::u16string path = std::u16string(GetAccentTableFolder()) + u"/" + std::u16string(name);
        ASSERT_TRUE(LoadAccentTable(path.c_str())) << ToUtf8(path);
    }
    std::u16string text() const {
        const auto* t = reinterpret_cast<const char16_t*>(SendMessageW(editor, EFM_GETTEXTBUFFER, 0, 0));
        return {t, static_cast<std::size_t>(SendMessageW(editor, EFM_GETTEXTLENGTH, 0, 0))};
    }
    // Each sequence typed into an empty document through real key messages.
    void Check(std::span<const Typed> cases, int placement, const char* table) {
        SendMessageW(editor, EFM_SETTONEPLACEMENT, static_cast<WPARAM>(placement), 0);
        for (const Typed& c : cases) {
            SendMessageW(editor, EFM_CLEARTEXT, 0, 0);
            headless::TypeText(c.keys);
            headless::PumpMessages();
            EXPECT_EQ(text(), c.text) << table << " placement " << placement << ": " << ToUtf8(c.keys);
        }
    }
};

TEST_F(VietnameseTables, TelexPlacesTheToneByTheSyllable) {
    UseTable(u"telex.tbl");
    Check(Telex, 1, "telex");
    // The old placement types every word alike but for oa, oe and uy.
    std::vector<Typed> old(std::begin(Telex), std::end(Telex));
    for (Typed& t : old)
        for (const Typed& o : TelexOld)
            if (o.keys == t.keys) t.text = o.text;
    old.insert(old.end(), std::begin(TelexOld), std::end(TelexOld));
    Check(old, 2, "telex");
}

TEST_F(VietnameseTables, TheDigitsPlaceTheToneByTheSyllableAndStillComposeAsBefore) {
    UseTable(u"vni.tbl");
    Check(VniPlaced, 1, "vni");
    Check(VniClassic, 0, "vni");
}

TEST_F(VietnameseTables, ViqrPlacesTheToneByTheSyllable) {
    UseTable(u"viqr.tbl");
    Check(ViqrPlaced, 1, "viqr");
    Check(ViqrClassic, 0, "viqr");
}

TEST_F(VietnameseTables, EveryPlacedToneIsOneUndoStep) {
    UseTable(u"telex.tbl");
    SendMessageW(editor, EFM_SETTONEPLACEMENT, 1, 0);
    headless::TypeText(u"Tieengs");
    headless::PumpMessages();
    ASSERT_EQ(text(), u"Tiếng");
    headless::KeyDown(VK_CONTROL);
    headless::KeyPress('Z');
    headless::KeyUp(VK_CONTROL);
    headless::PumpMessages();
    EXPECT_EQ(text(), u"Tiêng") << "the tone taken back alone";
}

TEST_F(VietnameseTables, TheShippedTablesLoadThroughThePublicCall) {
    for (const auto* name : {u"telex.tbl", u"viqr.tbl", u"vni.tbl"}) UseTable(name);
    EXPECT_FALSE(LoadAccentTable(u"/nonexistent/telex.tbl"));
    EXPECT_EQ(SendMessageW(editor, EFM_SETTONEPLACEMENT, 7, 0), 0) << "an unknown setting is refused";
    EXPECT_EQ(SendMessageW(editor, EFM_SETTONEPLACEMENT, 0, 0), 0);
}

TEST_F(VietnameseTables, DecomposedTextIsComposedWhereverItComesIn) {
    SendMessageW(editor, EFM_INSERTTEXT, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(u"Vie\u0323\u0302t"));
    EXPECT_EQ(text(), u"Việt");
    EXPECT_EQ(text().size(), 4u);
    OpenClipboard(editor);
    EmptyClipboard();
    const std::u16string pasted = u" Nam Vie\u0302\u0323t";
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 2 * (pasted.size() + 1));
    std::memcpy(GlobalLock(block), pasted.c_str(), 2 * (pasted.size() + 1));
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
    SendMessageW(editor, WM_PASTE, 0, 0);
    EXPECT_EQ(text(), u"Việt Nam Việt");
    SendMessageW(editor, EFM_KEEPDECOMPOSED, 1, 0);
    SendMessageW(editor, WM_PASTE, 0, 0);
    EXPECT_EQ(text(), u"Việt Nam Việt Nam Vie\u0302\u0323t") << "kept as it came";
}

TEST_F(VietnameseTables, AComposedSearchFindsTextKeptDecomposed) {
    SendMessageW(editor, EFM_KEEPDECOMPOSED, 1, 0);
    const std::u16string text_in = u"Ha\u0300 No\u0323\u0302i, Vie\u0323\u0302t Nam";
    SendMessageW(editor, EFM_INSERTTEXT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text_in.c_str()));
    TFindRecord find{0, u"Việt", 1, 0};
    EXPECT_EQ(SendMessageW(editor, EFM_FIND, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)), 11);
    SIZE range{};
    SendMessageW(editor, EFM_GETSELINDEX, 0, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.cy - range.cx, 6) << "the decomposed letters selected whole";
    TFindRecord whole{0, u"nội", 0, efoWholeWord};
    EXPECT_EQ(SendMessageW(editor, EFM_FIND, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&whole)), 4);
    TFindRecord absent{0, u"Việt Nam ơi", 0, 0};
    EXPECT_EQ(SendMessageW(editor, EFM_FIND, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&absent)), -1);
}

} // namespace
} // namespace zeledit::test
