// The editor component: the messages its properties and methods send, in their order, and
// the events it raises from the notifications, seen from a host that only uses the object.
#include <zeledit/controls.h>
#include <zeledit/format_editor.h>
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zeledit::test {
namespace {

struct Sent {
    UINT msg;
    WPARAM w;
    LPARAM l;
};

// Every editor message that reaches a window of the editor class, from its creation on: the
// class is registered again with a procedure that notes them and then runs the editor's.
class FormatEditorTest : public ::testing::Test {
protected:
    static std::vector<Sent> sent;
    static WNDPROC editor_proc;
    static TChangeFont last_change;

    void SetUp() override {
        headless::Reset();
        InitEditorLib();
        WNDCLASSW wc{};
        GetClassInfoW(GetEditInstance(), FormattedEditorClassName, &wc);
        editor_proc = wc.lpfnWndProc;
        UnregisterClassW(FormattedEditorClassName, GetEditInstance());
        wc.lpfnWndProc = +[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if ((m >= 1150 && m <= 1301 && m != EFN_UPDATESTATE && m != EFN_ORIGINCHANGE) || m == WM_COMMAND)
                sent.push_back({m, w, l});
            if (m == EFM_CHANGEFONTNAME)
                std::memcpy(&last_change, reinterpret_cast<const void*>(l), sizeof last_change);
            return CallWindowProcW(editor_proc, h, m, w, l);
        };
        RegisterClassW(&wc);
        parent = CreateWindowExW(0, PanelClassName, u"", WS_VISIBLE, 0, 0, 500, 400, nullptr, nullptr,
                                 nullptr, nullptr);
        sent.clear();
    }
    void TearDown() override { headless::Reset(); }

    std::vector<UINT> numbers() const {
        std::vector<UINT> out;
        for (const Sent& s : sent) out.push_back(s.msg);
        return out;
    }
    int count(UINT msg) const {
        return static_cast<int>(
            std::count_if(sent.begin(), sent.end(), [msg](const Sent& s) { return s.msg == msg; }));
    }
    const Sent* last(UINT msg) const {
        for (auto i = sent.rbegin(); i != sent.rend(); ++i)
            if (i->msg == msg) return &*i;
        return nullptr;
    }

    HWND parent = nullptr;
};

std::vector<Sent> FormatEditorTest::sent;
WNDPROC FormatEditorTest::editor_proc = nullptr;
TChangeFont FormatEditorTest::last_change{};

TEST_F(FormatEditorTest, ANewWindowTakesTheSettingsInTheirOrder) {
    TFormatEditorControl editor(parent);
    EXPECT_FALSE(editor.HandleAllocated());
    EXPECT_TRUE(sent.empty()) << "settings before the window reach it when it is made";
    editor.SetDocumentType(dtTemplate);
    ASSERT_NE(editor.Handle(), nullptr);
    const std::vector<UINT> order = {EFM_SETCOLORSTYLE,
                                     EFM_ENABLEVIETKEY,
                                     EFM_SETVSCROLLBAR,
                                     EFM_SETHSCROLLBAR,
                                     EFM_SETDOCUMENTTYPE,
                                     EFM_SETEDITTYPE,
                                     EFM_REFRESH,
                                     EFM_HIDEOBJECTS,
                                     EFM_SETKEYTYPE,
                                     EFM_ENABLEFITOBJS,
                                     EFM_SETBACKGROUND,
                                     EFM_SETCOLORS,
                                     EFM_SETSPECIALRIGHTBUTTON,
                                     EFM_SETHIGHLIGHTSTYLE,
                                     EFM_SETDEFAULTFONT};
    EXPECT_EQ(numbers(), order);
    EXPECT_EQ(last(EFM_SETEDITTYPE)->l, 0x80002);
    EXPECT_EQ(last(EFM_SETDOCUMENTTYPE)->l, 0x603);
    EXPECT_EQ(last(EFM_SETBACKGROUND)->l, 0xFFFFFF);
    EXPECT_EQ(last(EFM_SETHIGHLIGHTSTYLE)->l, 255);
    EXPECT_EQ(last(EFM_ENABLEFITOBJS)->w, 1u);
    const auto* font =
        reinterpret_cast<const TCharFormat*>(SendMessageW(editor.Handle(), EFM_GETDEFAULTFONT, 0, 0));
    EXPECT_STREQ(font->ftFaceName, "Times New Roman");
    EXPECT_EQ(+font->ftHeight, 11);
    EXPECT_EQ(+font->ftScale, 100);
    EXPECT_EQ(+font->ftShadColor, 0xC0C0C0u);
    const LONG_PTR style = GetWindowLongPtrW(editor.Handle(), GWL_STYLE);
    EXPECT_EQ(style & 0x46010000, 0x46010000);
    EXPECT_EQ(GetWindowLongPtrW(editor.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
}

TEST_F(FormatEditorTest, PropertiesSendTheirMessagesAndReadBack) {
    TFormatEditorControl editor(parent);
    editor.Handle();
    struct Case {
        const char* name;
        std::function<void()> set;
        UINT msg;
        WPARAM w;
        LPARAM l;
        std::function<bool()> reads;
    };
    const Case cases[] = {
        {"BitmapMode", [&] { editor.SetBitmapMode(bmHalfTone); }, EFM_SETBITMAPMODE, 0, 2,
         [&] { return editor.BitmapMode() == bmHalfTone; }},
        {"ColorStyle", [&] { editor.SetColorStyle(cts_TrueColor); }, EFM_SETCOLORSTYLE, 0, 3,
         [&] { return editor.ColorStyle() == cts_TrueColor; }},
        {"DocumentType", [&] { editor.SetDocumentType(dtUseTemplate); }, EFM_SETDOCUMENTTYPE, 0, 0x602,
         [&] { return editor.DocumentType() == dtUseTemplate; }},
        {"EnableVietKey", [&] { editor.SetEnableVietKey(true); }, EFM_ENABLEVIETKEY, 1, 0,
         [&] { return editor.EnableVietKey(); }},
        {"KeyType", [&] { editor.SetKeyType(ktInternational); }, EFM_SETKEYTYPE, 1, 0,
         [&] { return editor.KeyType() == ktInternational; }},
        {"MarkType", [&] { editor.SetMarkType(mtColor); }, EFM_SETMARKTYPE, 1, 255,
         [&] { return editor.MarkType() == mtColor; }},
        {"MarkColor", [&] { editor.SetMarkColor(0x00FF00); }, EFM_SETMARKTYPE, 1, 0x00FF00,
         [&] { return editor.MarkColor() == 0x00FF00; }},
        {"Options", [&] { editor.SetOptions(eoNoModify | eoCanLoadSave | eoSimple); }, EFM_SETEDITTYPE, 0,
         0x1 | 0x2000 | 0x100000 | 0x80000,
         [&] { return editor.Options() == (eoNoModify | eoCanLoadSave | eoSimple); }},
        {"ShowObject", [&] { editor.SetShowObject(false); }, EFM_HIDEOBJECTS, 1, 0,
         [&] { return !editor.ShowObject(); }},
        {"SpecialRightClick", [&] { editor.SetSpecialRightClick(true); }, EFM_SETSPECIALRIGHTBUTTON, 1, 0,
         [&] { return editor.SpecialRightClick(); }},
        {"FittingObjects", [&] { editor.SetFittingObjects(false); }, EFM_ENABLEFITOBJS, 0, 0,
         [&] { return !editor.FittingObjects(); }},
        {"HighlightColor", [&] { editor.SetHighlightColor(0x0000FF00); }, EFM_SETHIGHLIGHTSTYLE, 0, 0xFF00,
         [&] { return editor.HighlightColor() == 0xFF00; }},
        {"HighlightStyle", [&] { editor.SetHighlightStyle(1); }, EFM_SETHIGHLIGHTSTYLE, 1, 0xFF00,
         [&] { return editor.HighlightStyle() == 1; }},
        {"EnglishLanguage", [&] { editor.SetEnglishLanguage(true); }, EFM_SETLANGUAGE, 1, 0,
         [&] { return editor.EnglishLanguage(); }},
        {"IsModified", [&] { editor.SetIsModified(true); }, EFM_SETMODIFIED, 1, 0,
         [&] { return editor.IsModified(); }},
        {"HotKeys", [&] { editor.SetHotKeys(3, 0x4000 | 'K'); }, EFM_SETHOTKEY, 3, 0x4000 | 'K',
         [&] { return editor.HotKeys(3) == (0x4000 | 'K'); }},
        {"TonePlacement", [&] { editor.SetTonePlacement(2); }, EFM_SETTONEPLACEMENT, 2, 0,
         [&] { return editor.TonePlacement() == 2; }},
        {"KeepDecomposed", [&] { editor.SetKeepDecomposed(true); }, EFM_KEEPDECOMPOSED, 1, 0,
         [&] { return editor.KeepDecomposed(); }},
        {"Color", [&] { editor.SetColor(0xEEFFEE); }, EFM_SETBACKGROUND, 0, 0xEEFFEE,
         [&] { return editor.Color() == 0xEEFFEE; }},
    };
    for (const Case& c : cases) {
        sent.clear();
        c.set();
        const Sent* s = last(c.msg);
        ASSERT_NE(s, nullptr) << c.name;
        EXPECT_EQ(s->w, c.w) << c.name;
        EXPECT_EQ(s->l, c.l) << c.name;
        EXPECT_TRUE(c.reads()) << c.name;
    }
    // An unchanged value sends nothing again.
    sent.clear();
    editor.SetKeyType(ktInternational);
    editor.SetShowObject(false);
    editor.SetEnglishLanguage(true);
    EXPECT_TRUE(sent.empty());
}

TEST_F(FormatEditorTest, PageSetupTopIndexAndDefaultFontReachTheEditor) {
    TFormatEditorControl editor(parent);
    TPageRec page = editor.PageSetup();
    EXPECT_DOUBLE_EQ(page.pgLeft, 1.25);
    page.pgLeft = 2.0;
    editor.SetPageSetup(page);
    ASSERT_NE(last(EFM_SETPAGE), nullptr);
    EXPECT_DOUBLE_EQ(reinterpret_cast<const TPageRec*>(last(EFM_SETPAGE)->l)->pgLeft, 2.0);

    TFont font;
    font.Name = u"Arial";
    font.Size = 14;
    font.Bold = true;
    font.Underline = true;
    font.StrikeOut = true;
    font.Color = 0x0000FF;
    editor.SetDefFont(font);
    const auto* f =
        reinterpret_cast<const TCharFormat*>(SendMessageW(editor.Handle(), EFM_GETDEFAULTFONT, 0, 0));
    EXPECT_STREQ(f->ftFaceName, "Arial");
    EXPECT_EQ(+f->ftHeight, 14);
    EXPECT_EQ(+f->ftAttr, 1);
    EXPECT_EQ(+f->ftUnderline, 1);
    EXPECT_EQ(+f->ftStrikethrough, 0) << "strike-out does not carry over";
    EXPECT_EQ(+f->ftColor, 0x0000FFu);

    for (int i = 0; i < 80; ++i) editor.Characters().InsertText(u"line\r\n");
    editor.SetTopIndex(60);
    EXPECT_EQ(last(EFM_SETTOPINDEX)->w, 60u);
    EXPECT_GT(editor.TopIndex(), 0);
}

TEST_F(FormatEditorTest, SelectedTextIsWholeAndGetTextReachesTheEnd) {
    TFormatEditorControl editor(parent);
    auto& text = editor.Characters();
    text.InsertText("Xin chào");
    EXPECT_EQ(text.Count(), 8);
    sent.clear();
    EXPECT_EQ(text.SelText(), u"");
    EXPECT_EQ(count(EFM_GETSELTEXT), 0) << "nothing selected asks for no text";
    text.SetSelection({8, 4});
    EXPECT_EQ(text.SelLength(), 4);
    EXPECT_EQ(text.SelText(), u"chào");
    EXPECT_EQ(text.GetText(4, 4), u"chào");
    EXPECT_EQ(text.GetText(4, 100), u"chào");
    EXPECT_EQ(text.GetText(0, 0), u"");
    EXPECT_EQ(text.GetText(9, 2), u"");
    EXPECT_EQ(text.Character(7), u'o');
    EXPECT_EQ(text.Character(8), 0) << "at the length";
    text.SetCharacter(0, u'x');
    EXPECT_EQ(text.GetText(0, 3), u"xin");
    text.SetSelStart(2);
    text.SetSelLength(3);
    EXPECT_EQ(text.SelText(), u"n c");
    EXPECT_EQ(text.Word(5), u"chào");
}

TEST_F(FormatEditorTest, CaretKeysAreSentOncePerStep) {
    TFormatEditorControl editor(parent);
    editor.Characters().InsertText(u"one two three four");
    sent.clear();
    editor.Characters().MoveLeft(3, true, true);
    ASSERT_EQ(count(EFM_MOVEKEY), 3);
    for (const Sent& s : sent) EXPECT_EQ(s.l, 0x10001);
    EXPECT_EQ(editor.Characters().SelText(), u"two three four");
    sent.clear();
    editor.Characters().StartOfDoc();
    EXPECT_EQ(last(EFM_MOVEKEY)->w, 6u);
    EXPECT_EQ(last(EFM_MOVEKEY)->l, 0x10000);
    EXPECT_EQ(editor.Characters().SelStart(), 0);
}

TEST_F(FormatEditorTest, CharacterStylesAndFormatsRoundTrip) {
    TFormatEditorControl editor(parent);
    auto& chars = editor.Characters();
    chars.InsertText(u"word");
    chars.SetSelection({0, 4});
    chars.SetBold(true);
    chars.SetItalic(true);
    chars.SetFontSize(20);
    chars.SetFontName(u"Arial");
    chars.SetColor(0x0000FF);
    EXPECT_TRUE(chars.Bold());
    EXPECT_TRUE(chars.Italic());
    EXPECT_FALSE(chars.Underline());
    EXPECT_EQ(chars.FontSize(), 20);
    EXPECT_EQ(chars.FontName(), u"Arial");
    EXPECT_EQ(chars.Color(), 0x0000FFu);
    TCharFormat f = chars.Format();
    f.ftHeight = 9;
    chars.SetFormat(f);
    EXPECT_EQ(chars.FontSize(), 9);
    const int id = chars.SelFormatID();
    EXPECT_EQ(+chars.Formats(id).ftHeight, 9);
    EXPECT_NE(chars.FontItem(id), nullptr);
    const int added = chars.AddFormat(TEditorCharacters::DefaultFormat());
    EXPECT_EQ(chars.AddFormat(TEditorCharacters::DefaultFormat()), added) << "an equal entry is reused";
    EXPECT_GE(chars.FormatCount(), 2);
    chars.SetFontColors(added, 0x123456);
    EXPECT_EQ(chars.FontColors(added), 0x123456u);

    auto& paras = editor.Paragraphs();
    TParaFormat p = paras.DefaultFormat();
    EXPECT_EQ(+p.ptShading, 0xFFFFFFu) << "shaded with the control's colour";
    p.ptBefore = 12;
    const int pid = paras.AddFormat(p);
    paras.ApplyParaFormat(pid);
    EXPECT_EQ(paras.FormatID(), pid);
    EXPECT_EQ(+paras.Format().ptBefore, 12);
    paras.SetParaColors(pid, 0xFFFFFF);
    paras.ChangeColors(0xFFFFFF, 0xDDEEFF);
    EXPECT_EQ(paras.ParaColors(pid), 0xDDEEFFu);
    sent.clear();
    paras.SetAlignment(1);
    paras.SetAlignment(7);
    ASSERT_EQ(count(WM_COMMAND), 1) << "alignments beyond justify do nothing";
    EXPECT_EQ(last(WM_COMMAND)->w, EFC_ALIGNCENTER);
}

TEST_F(FormatEditorTest, FontChangesFillEveryFieldOfTheirRecord) {
    TFormatEditorControl editor(parent);
    editor.Characters().InsertText(u"text");
    std::memset(&last_change, 0x55, sizeof last_change);
    editor.ChangeFontName(u"Times New Roman", u"Arial");
    EXPECT_STREQ(last_change.OldName, "Times New Roman");
    EXPECT_STREQ(last_change.NewName, "Arial");
    EXPECT_EQ(last_change.OldSize, 0);
    EXPECT_EQ(last_change.Bold, -1);
    EXPECT_EQ(last_change.Strikethrough, -1);
    EXPECT_EQ(last_change.StrikeColor, 0u);
    EXPECT_EQ(last_change.UnderlineColor, 0u);
    EXPECT_EQ(last_change.Size, 0);
    EXPECT_EQ(editor.Characters().Formats(0).ftFaceName, std::string("Arial"));
    std::memset(&last_change, 0x55, sizeof last_change);
    editor.ChangeFontAttr(u"Arial", u"Arial", 0, 1, -1, -1, 16);
    EXPECT_EQ(last_change.Strikethrough, 0);
    EXPECT_EQ(last_change.UnderlineColor, 0u);
    EXPECT_EQ(last_change.Size, 16);
    EXPECT_EQ(+editor.Characters().Formats(0).ftHeight, 16);
}

TEST_F(FormatEditorTest, DocumentsSaveLoadAndCopy) {
    const auto path = std::filesystem::temp_directory_path() / "format_editor_test.zdf";
    TFormatEditorControl a(parent), b(parent);
    a.Characters().InsertText("Việt\r\nNam");
    ASSERT_TRUE(a.SaveDocument(path.u16string()));
    EXPECT_FALSE(a.IsModified());
    ASSERT_TRUE(b.LoadDocument(path.string()));
    EXPECT_EQ(b.Characters().GetText(0, 20), u"Việt\r\nNam");
    EXPECT_FALSE(b.LoadDocument(u"/nonexistent/none.zdf"));
    EXPECT_EQ(b.Characters().Count(), 9) << "a refused file leaves the document";
    std::filesystem::remove(path);

    sent.clear();
    EXPECT_FALSE(b.SetData(nullptr));
    EXPECT_EQ(count(EFM_SETDATA), 0);
    HGLOBAL block = a.Data();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(a.DataSize(), GlobalSize(block));
    b.Clear();
    EXPECT_EQ(b.Characters().Count(), 0);
    EXPECT_TRUE(b.SetData(block));
    EXPECT_EQ(b.Characters().Count(), 9);
    GlobalFree(block);

    a.AddDataFrom(a); // onto itself, after a blank paragraph
    EXPECT_EQ(a.Characters().GetText(0, 100), u"Việt\r\nNam\r\n\r\nViệt\r\nNam");
}

TEST_F(FormatEditorTest, EventsFireOncePerNotification) {
    TFormatEditorControl editor(parent);
    HWND h = editor.Handle();
    std::map<std::string, int> fired;
    const auto note = [&](const char* name) { return [&fired, name](auto&&...) { ++fired[name]; }; };
    editor.OnChanged = note("changed");
    editor.OnFormatChanged = note("format");
    editor.OnHideComment = note("hide");
    editor.OnKeyDown = note("key");
    editor.OnRightClick = note("right");
    editor.OnMouseWait = note("wait");
    editor.OnHyperLink = note("link");
    editor.OnOriginChange = note("origin");
    editor.OnBreakChar = note("break");
    editor.OnTopLineChanged = note("topline");
    editor.OnBufferChanged = note("buffer");
    editor.OnInputChanged = note("input");
    editor.OnUpdateState = note("state");
    editor.OnPrint = note("print");
    THyperTextInfo link{};
    TEditorState state{};
    const std::pair<UINT, const char*> table[] = {
        {EFN_CHANGED, "changed"},      {EFN_FORMATCHANGED, "format"},
        {EFN_HIDECOMMENT, "hide"},     {EFN_KEYDOWN, "key"},
        {EFN_RIGHTCLICK, "right"},     {EFN_MOUSEWAIT, "wait"},
        {EFN_HYPERLINK, "link"},       {EFN_ORIGINCHANGE, "origin"},
        {EFN_BREAKCHAR, "break"},      {EFN_TOPLINECHANGED, "topline"},
        {EFN_BUFFERCHANGED, "buffer"}, {EFN_INPUTCHANGED, "input"},
        {EFN_UPDATESTATE, "state"},    {EFN_PRINT, "print"}};
    for (const auto& [msg, name] : table) {
        fired.clear();
        const LPARAM l = msg == EFN_HYPERLINK     ? reinterpret_cast<LPARAM>(&link)
                         : msg == EFN_UPDATESTATE ? reinterpret_cast<LPARAM>(&state)
                                                  : 0;
        SendMessageW(h, msg, 0, l);
        EXPECT_EQ(fired[name], 1) << name;
        EXPECT_EQ(fired.size(), 1u) << name;
    }
}

TEST_F(FormatEditorTest, TheComponentAnswersWhatAHostWould) {
    TFormatEditorControl editor(parent);
    HWND h = editor.Handle();
    EXPECT_EQ(SendMessageW(h, EFN_CLICK, 0, 0), 0) << "no OnClick: the editor's own click";
    int clicks = 0;
    editor.OnClick = [&](TCustomFormatEditor* sender) {
        EXPECT_EQ(sender, &editor);
        ++clicks;
    };
    EXPECT_EQ(SendMessageW(h, EFN_CLICK, 0, 0), 1);
    EXPECT_EQ(clicks, 1);

    editor.SetSystemFont(u"DejaVu Sans");
    char face[129] = "Tahoma";
    SendMessageW(h, EFN_QUERYSYSTEMFONT, 0, reinterpret_cast<LPARAM>(face));
    EXPECT_STREQ(face, "DejaVu Sans");

    editor.SetHandCursor(-4);
    EXPECT_EQ(SendMessageW(h, EFN_GETCURSOR, static_cast<WPARAM>(-21), 0),
              reinterpret_cast<LRESULT>(LoadCursorW(nullptr, IDC_IBEAM)));
    EXPECT_EQ(SendMessageW(h, EFN_GETCURSOR, static_cast<WPARAM>(-2), 0),
              reinterpret_cast<LRESULT>(LoadCursorW(nullptr, IDC_ARROW)));

    SendMessageW(h, EFN_INPUTCHANGED, 0xFFFF, 0);
    EXPECT_TRUE(editor.EnableVietKey()) << "the property follows the keyboard's switch";

    char16_t name[501] = {};
    EXPECT_EQ(SendMessageW(h, EFN_FILECOMMAND, EFN_FILE_QUERYSAVENAME, reinterpret_cast<LPARAM>(name)), 0);
    editor.OnFileCommand = [](TCustomFormatEditor*, std::uint16_t task, bool& has, LPCWSTR file) {
        if (task != EFN_FILE_QUERYSAVENAME) return;
        std::memcpy(const_cast<char16_t*>(file), u"/tmp/x.zdf", 22);
        has = true;
    };
    EXPECT_EQ(SendMessageW(h, EFN_FILECOMMAND, EFN_FILE_QUERYSAVENAME, reinterpret_cast<LPARAM>(name)), 1);
    EXPECT_EQ(std::u16string(name), u"/tmp/x.zdf");

    int key = 0;
    bool ctrl = false;
    editor.OnKeyDown = [&](TCustomFormatEditor*, std::uint16_t k, bool c) { key = k, ctrl = c; };
    SendMessageW(h, EFN_KEYDOWN, 0x10071, 1);
    EXPECT_EQ(key, 0x71);
    EXPECT_TRUE(ctrl);

    TCommentInfo comment{2, 5, 0, u"note"};
    int x = 0, y = 0;
    editor.OnCommentClick = [&](TCustomFormatEditor*, int cx, int cy, const TCommentInfo& info) {
        x = cx, y = cy;
        EXPECT_EQ(info.ciEnd, 5);
    };
    SendMessageW(h, EFN_COMMENTCLICK, MAKEWPARAM(30, 40), reinterpret_cast<LPARAM>(&comment));
    EXPECT_EQ(x, 30);
    EXPECT_EQ(y, 40);

    sent.clear();
    SendMessageW(h, WM_NOTIFY, 1000, 7);
    ASSERT_NE(last(EFM_RESETOBJECT), nullptr) << "the end of a sound resets its object";
    EXPECT_EQ(last(EFM_RESETOBJECT)->w, 7u);
}

TEST_F(FormatEditorTest, KeysCommandsAndTheWheelPassThroughTheControl) {
    TFormatEditorControl editor(parent, {10, 10, 210, 110});
    HWND h = editor.Handle();
    editor.OnKeyPress = [](TCustomFormatEditor*, char16_t& key) {
        if (key == u'x') key = 0;    // dropped
        if (key == u'a') key = u'b'; // changed
    };
    for (char16_t c : std::u16string(u"axa")) SendMessageW(h, WM_CHAR, c, 0);
    EXPECT_EQ(editor.Characters().GetText(0, 10), u"bb");

    std::vector<std::uint16_t> commands;
    editor.OnCommand = [&](TCustomFormatEditor*, std::uint16_t id) { commands.push_back(id); };
    editor.Command(EFC_SELECTALL);
    EXPECT_EQ(commands, std::vector<std::uint16_t>{EFC_SELECTALL});
    EXPECT_EQ(editor.Characters().SelText(), u"bb") << "the editor ran the command first";

    static int wheels = 0;
    static WNDPROC panel = nullptr;
    wheels = 0;
    panel = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) {
            if (m == WM_MOUSEWHEEL) ++wheels;
            return CallWindowProcW(panel, w, m, wp, lp);
        })));
    POINT inside{50, 50}, outside{300, 300};
    ClientToScreen(h, &inside);
    ClientToScreen(h, &outside);
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(inside.x, inside.y));
    EXPECT_EQ(wheels, 0);
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(outside.x, outside.y));
    EXPECT_EQ(wheels, 1) << "a wheel outside the control is its parent's";
}

TEST_F(FormatEditorTest, PagesAndLinkedDataAskTheHost) {
    TFormatEditorControl editor(parent);
    HWND h = editor.Handle();
    RECT seen{};
    int page = 0;
    editor.OnQueryHeaderFooter = [&](TCustomFormatEditor*, HDC, std::uint16_t p, RECT r) {
        page = p, seen = r;
    };
    THeaderFooterInfo info{nullptr, 3, {0, 0, 500, 700}};
    SendMessageW(h, EFN_QUERYHEADERFOOTER, reinterpret_cast<WPARAM>(h), reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(page, 3);
    EXPECT_EQ(seen.bottom, 700);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    editor.OnQueryDataObj = [&](TCustomFormatEditor*, const char* text, std::uint16_t style, HANDLE& data) {
        if (std::string(text) == "logo.bmp" && style == 1) data = block;
    };
    EXPECT_EQ(SendMessageW(h, EFN_QUERYDATAOBJ, 1, reinterpret_cast<LPARAM>("logo.bmp")),
              reinterpret_cast<LRESULT>(block));
    EXPECT_EQ(SendMessageW(h, EFN_QUERYDATAOBJ, 1, reinterpret_cast<LPARAM>("other")), 0);
    GlobalFree(block);
    EXPECT_NE(SendMessageW(h, EFN_QUERYPRINTER, reinterpret_cast<WPARAM>(h), 0), 0) << "the current printer";
}

TEST_F(FormatEditorTest, ClickingASoundResetsTheObjectClickedBefore) {
    TFormatEditorControl editor(parent);
    HWND h = editor.Handle();
    std::vector<int> clicked;
    editor.OnObjClick = [&](TCustomFormatEditor*, HANDLE, PObjectInfo info) {
        clicked.push_back(info->oiID);
    };
    TObjectInfo picture{};
    picture.oiID = 4;
    picture.oiStyle = 1;
    TObjectInfo sound{};
    sound.oiID = 9;
    sound.oiStyle = 3;
    SendMessageW(h, EFN_OBJCLICK, 0, reinterpret_cast<LPARAM>(&picture));
    EXPECT_EQ(editor.CurrentObject(), 4);
    sent.clear();
    SendMessageW(h, EFN_OBJCLICK, 0, reinterpret_cast<LPARAM>(&sound));
    ASSERT_NE(last(EFM_RESETOBJECT), nullptr);
    EXPECT_EQ(last(EFM_RESETOBJECT)->w, 4u);
    EXPECT_EQ(editor.CurrentObject(), 9);
    sent.clear();
    SendMessageW(h, EFN_OBJCLICK, 0, reinterpret_cast<LPARAM>(&sound));
    EXPECT_EQ(count(EFM_RESETOBJECT), 0) << "the same sound again";
    EXPECT_EQ(clicked, (std::vector<int>{4, 9, 9}));
}

TEST_F(FormatEditorTest, ExternalObjectsAreCreatedThroughTheEvent) {
    TFormatEditorControl editor(parent);
    HWND h = editor.Handle();
    TExObjParams params{};
    EXPECT_EQ(SendMessageW(h, EFN_EXOBJCREATE, 300, reinterpret_cast<LPARAM>(&params)), 0);
    editor.OnExObjCreate = [](TCustomFormatEditor*, std::uint16_t style, std::uint32_t& obj,
                              TObjectInfo& info, bool& accept) {
        EXPECT_EQ(style, 300);
        obj = 77;
        info.oiWidth = 40;
        accept = true;
    };
    EXPECT_EQ(SendMessageW(h, EFN_EXOBJCREATE, 300, reinterpret_cast<LPARAM>(&params)), 1);
    EXPECT_EQ(params.Handle, 77u);
    EXPECT_EQ(+params.Info.oiWidth, 40);
    EXPECT_EQ(+params.Info.oiStyle, 300);
}

TEST_F(FormatEditorTest, SelectionChangesAndEditsReachTheHostOnce) {
    TFormatEditorControl editor(parent);
    int changed = 0, selections = 0;
    editor.OnChanged = [&](TCustomFormatEditor*) { ++changed; };
    editor.OnSelChange = [&](TCustomFormatEditor*) { ++selections; };
    editor.Characters().InsertText(u"abc");
    EXPECT_EQ(changed, 1);
    const int before = selections;
    EXPECT_GE(before, 1);
    editor.Characters().MoveLeft(2, true);
    EXPECT_EQ(editor.Characters().SelText(), u"bc");
    EXPECT_EQ(selections, before + 2);
    editor.Refresh();
    EXPECT_EQ(selections, before + 2) << "the same range again";
}

TEST_F(FormatEditorTest, TheControlOwnsItsWindow) {
    HWND window = nullptr;
    {
        TFormatEditorControl editor(parent, {10, 10, 210, 110});
        window = editor.Handle();
        ASSERT_TRUE(IsWindow(window));
        editor.Characters().InsertText(u"kept");
        TFormatEditorControl moved(std::move(editor));
        EXPECT_FALSE(editor.HandleAllocated());
        EXPECT_EQ(moved.Handle(), window);
        TCustomFormatEditor* sender = nullptr;
        moved.OnChanged = [&](TCustomFormatEditor* s) { sender = s; };
        moved.Characters().InsertText(u"!");
        EXPECT_EQ(sender, &moved);
        moved.SetBorderStyle(bsNone); // a new window, the same document
        EXPECT_NE(moved.Handle(), nullptr);
        EXPECT_EQ(moved.Characters().GetText(0, 10), u"kept!");
        EXPECT_TRUE(moved.IsModified());
        EXPECT_EQ(GetWindowLongPtrW(moved.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
        moved.SetBorderStyle(bsSingle);
        moved.SetCtl3D(false); // a plain border instead of the sunken edge
        EXPECT_EQ(GetWindowLongPtrW(moved.Handle(), GWL_STYLE) & WS_BORDER, WS_BORDER);
        EXPECT_EQ(GetWindowLongPtrW(moved.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
        EXPECT_EQ(moved.Characters().GetText(0, 10), u"kept!");
        window = moved.Handle();
    }
    EXPECT_FALSE(IsWindow(window));

    TFormatEditorControl orphan(parent);
    window = orphan.Handle();
    DestroyWindow(parent); // the parent takes the window with it
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(orphan.HandleAllocated());
}

TEST_F(FormatEditorTest, ThemeBroadcastSetsColoursUnlessLocked) {
    TFormatEditorControl editor(parent);
    HWND h = editor.Handle();
    std::uint32_t six[6] = {0, 0x111111, 0x222222, 0x333333, 0x444444, 0x555555};
    sent.clear();
    SendMessageW(h, TWinControl256::ThemeBroadcastMessage, 0, reinterpret_cast<LPARAM>(six));
    EXPECT_EQ(editor.BackColor(), 0x111111u);
    EXPECT_EQ(editor.Grad2Color(), 0x555555u);
    ASSERT_NE(last(EFM_SETCOLORS), nullptr);
    EXPECT_EQ(reinterpret_cast<const std::uint32_t*>(last(EFM_SETCOLORS)->l)[3], 0x333333u);
    editor.SetLockColor(true);
    six[1] = 0x999999;
    SendMessageW(h, TWinControl256::ThemeBroadcastMessage, 0, reinterpret_cast<LPARAM>(six));
    EXPECT_EQ(editor.BackColor(), 0x111111u);
}

} // namespace
} // namespace zeledit::test
