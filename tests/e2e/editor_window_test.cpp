// The editor window as a host drives it: only window messages.
#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace zeledit::test {
namespace {

class EditorWindow : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        headless::UseManualClock(0);
        ASSERT_NE(InitEditorLib(), 0);
        host = make(FormattedEditorClassName);
        ASSERT_NE(host, nullptr);
    }
    void TearDown() override { headless::Reset(); }
    static HWND make(LPCWSTR cls) {
        return CreateWindowExW(0, cls, u"", WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }
    LRESULT send(UINT msg, WPARAM w = 0, LPARAM l = 0) { return SendMessageW(host, msg, w, l); }
    HWND host = nullptr;
};

TEST_F(EditorWindow, ClassesAreRegisteredAsSpecifiedAndOnlyOnce) {
    WNDCLASSW wc{};
    const BOOL found = GetClassInfoW(GetEditInstance(), FormattedEditorClassName, &wc);
    ASSERT_NE(found, 0);
    EXPECT_EQ(wc.style, 0x4008u);
    EXPECT_EQ(wc.hCursor, nullptr);
    EXPECT_EQ(wc.hbrBackground, nullptr);
    EXPECT_EQ(wc.cbWndExtra, 0);
    ASSERT_TRUE(GetClassInfoW(GetEditInstance(), DrawEditorClassName, &wc));
    EXPECT_EQ(wc.style, 0x400Bu);
    EXPECT_EQ(InitEditorLib(), static_cast<ATOM>(found)); // registers nothing the second time
    EXPECT_EQ(GetEditInstance(), GetModuleHandleW(u"zeledit"));
}

TEST_F(EditorWindow, AnswersItsVersion) {
    EXPECT_EQ(send(EFM_GETVERSION), 393216);
    EXPECT_EQ(send(WM_GETDLGCODE), 7);
}

TEST_F(EditorWindow, ANewDocumentIsEmpty) {
    EXPECT_EQ(send(EFM_GETTEXTLENGTH), 0);
    const auto* text = reinterpret_cast<const char16_t*>(send(EFM_GETTEXTBUFFER));
    const auto* formats = reinterpret_cast<const std::uint8_t*>(send(EFM_GETFORMATBUFFER));
    ASSERT_NE(text, nullptr);
    ASSERT_NE(formats, nullptr);
    EXPECT_EQ(text[0], 0);
    EXPECT_EQ(formats[0], 0);
    EXPECT_EQ(formats[1], 0);
    send(EFM_GETWORDAT, 0, 0); // no buffer: nothing happens
}

TEST_F(EditorWindow, ModifiedFlag) {
    EXPECT_EQ(send(EFM_GETMODIFIED), 0);
    send(EFM_SETMODIFIED, static_cast<WPARAM>(-1));
    EXPECT_EQ(send(EFM_GETMODIFIED), -1);
    send(EFM_DISABLEMODIFY);
    send(EFM_ENABLEMODIFY);
    EXPECT_EQ(send(EFM_GETMODIFIED), -1); // the modify switches leave the flag alone
    send(EFM_SETMODIFIED, 0);
    EXPECT_EQ(send(EFM_GETMODIFIED), 0);
}

TEST_F(EditorWindow, ANewEditorHasTheDefaultCharacterFormat) {
    EXPECT_EQ(send(EFM_GETFONTCOUNT), 1);
    TCharFormat f{};
    send(EFM_GETFONTTOREC, 0, reinterpret_cast<LPARAM>(&f));
    EXPECT_STREQ(f.ftFaceName, "Times New Roman");
    EXPECT_EQ(+f.ftHeight, 11);
    EXPECT_EQ(+f.ftAttr, 0);
    EXPECT_EQ(+f.ftColor, 0u);
    EXPECT_EQ(+f.ftScale, 100);
    EXPECT_EQ(+f.ftShadColor, 0xC0C0C0u);
    const auto* def = reinterpret_cast<const TCharFormat*>(send(EFM_GETDEFAULTFONT));
    ASSERT_NE(def, nullptr);
    EXPECT_EQ(+def->ftHeight, 11);
}

TEST_F(EditorWindow, ANewEditorHasOneParagraphFormat) {
    EXPECT_EQ(send(EFM_GETPARACOUNT), 1);
    TParaFormat p{};
    send(EFM_GETPARATOREC, 0, reinterpret_cast<LPARAM>(&p));
    EXPECT_EQ(+p.ptShading, 0xFFFFFFu);
    EXPECT_STREQ(p.ptBullet.blFaceName, "Symbol");
    EXPECT_EQ(+p.ptTabs.tabs[2].tbPosition, 1.0);
    p.ptIndent.inLeft = 0.5;
    const WPARAM self = reinterpret_cast<WPARAM>(host);
    EXPECT_EQ(send(EFM_ADDPARAFORMAT, self, reinterpret_cast<LPARAM>(&p)), 1);
    EXPECT_EQ(send(EFM_ADDPARAFORMAT, self, reinterpret_cast<LPARAM>(&p)), 1);
    EXPECT_EQ(send(EFM_ADDPARAFORMAT, 0, reinterpret_cast<LPARAM>(&p)), 0); // not the editor's handle
    EXPECT_EQ(send(EFM_GETPARACOUNT), 2);
    send(EFM_SETPARACOLOR, 77, RGB(1, 2, 3)); // out of range: format 0
    EXPECT_EQ(send(EFM_GETPARACOLOR, 0), RGB(1, 2, 3));
    EXPECT_EQ(send(EFM_GETPARACOLOR, static_cast<WPARAM>(-4)), RGB(1, 2, 3));
}

TEST_F(EditorWindow, AddingAFormatTwiceYieldsOneEntry) {
    TCharFormat f{};
    send(EFM_GETFONTTOREC, 0, reinterpret_cast<LPARAM>(&f));
    f.ftAttr = 1 | 8; // bold, hot link
    const WPARAM self = reinterpret_cast<WPARAM>(host);
    EXPECT_EQ(send(EFM_ADDFONTFORMAT, self, reinterpret_cast<LPARAM>(&f)), 1);
    EXPECT_EQ(send(EFM_ADDFONTFORMAT, self, reinterpret_cast<LPARAM>(&f)), 1);
    EXPECT_EQ(send(EFM_GETFONTCOUNT), 2);
    send(EFM_SETFONTCOLOR, 1, RGB(0, 0, 200));
    EXPECT_EQ(send(EFM_GETFONTCOLOR, 1), RGB(0, 0, 200));
    EXPECT_EQ(send(EFM_GETFONTCOLOR, 5), 0);
    send(EFM_SETFONTCOLOR, static_cast<WPARAM>(-1), RGB(1, 2, 3)); // ignored
    EXPECT_EQ(send(EFM_GETFONTCOLOR, 0), 0);
}

TEST_F(EditorWindow, AddingFormatsNeedsTheEditorsOwnHandle) {
    TCharFormat f{};
    HWND other = make(FormattedEditorClassName);
    EXPECT_EQ(send(EFM_ADDFONTFORMAT, reinterpret_cast<WPARAM>(other), reinterpret_cast<LPARAM>(&f)), 0);
    EXPECT_EQ(send(EFM_ADDFONTFORMAT, 12345, reinterpret_cast<LPARAM>(&f)), 0);
    EXPECT_EQ(send(EFM_GETFONTCOUNT), 1);
}

TEST_F(EditorWindow, HotKeyEntriesAreBounded) {
    send(EFM_SETHOTKEY, 85, 0x2041);
    EXPECT_EQ(send(EFM_GETHOTKEY, 85), 0x2041);
    send(EFM_SETHOTKEY, 86, 0x2042);
    EXPECT_EQ(send(EFM_GETHOTKEY, 86), 0);
    send(EFM_SETHOTKEY, static_cast<WPARAM>(-1), 0x2043);
    EXPECT_EQ(send(EFM_GETHOTKEY, static_cast<WPARAM>(-1)), 0);
    EXPECT_EQ(send(EFM_GETHOTKEY, 85), 0x2041);
}

TEST_F(EditorWindow, NumbersOutsideTheProtocolReachTheDefaultProcedure) {
    EXPECT_TRUE(SetWindowTextW(host, u"caption"));
    WCHAR text[16];
    EXPECT_EQ(GetWindowTextW(host, text, 16), 7);
    EXPECT_EQ(send(1161), 0);
    EXPECT_EQ(send(EFN_UPDATESTATE), 0); // a notification nobody answered
}

TEST_F(EditorWindow, ASubclassingHostSeesNotifications) {
    static std::vector<UINT> seen;
    static WNDPROC editor_proc = nullptr;
    seen.clear();
    auto host_proc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m >= 5000) seen.push_back(m);
        return CallWindowProcW(editor_proc, h, m, w, l);
    };
    editor_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+host_proc)));
    send(EFM_SETBACKGROUND, 0, RGB(255, 255, 0));
    EXPECT_THAT(seen, ::testing::Contains(EFN_HIDECOMMENT));
    headless::PumpMessages();
    EXPECT_EQ(headless::PixelAt(host, 10, 10), 0xFFFFFF00u); // the new background painted
}

TEST_F(EditorWindow, EveryProtocolNumberIsSafeWithNullPointersAndExtremeNumbers) {
    for (UINT msg : EditorMessageNumbers) {
        SendMessageW(host, msg, 0, 0);
        SendMessageW(host, msg, static_cast<WPARAM>(-1), 0);
        SendMessageW(host, msg, 0x7FFFFFFF, 0);
    }
    EXPECT_TRUE(IsWindow(host));
}

TEST_F(EditorWindow, ColumnEditorTakesItsOwnMessages) {
    HWND columns = make(DrawEditorClassName);
    ASSERT_NE(columns, nullptr);
    EXPECT_EQ(SendMessageW(columns, WM_ERASEBKGND, 0, 0), 1);
    EXPECT_EQ(SendMessageW(columns, WM_CHAR, 'a', 0), 0);
    EXPECT_EQ(SendMessageW(columns, EFM_GETVERSION, 0, 0), 393216);
    DestroyWindow(columns);
}

TEST_F(EditorWindow, DestroyingTheWindowFreesTheEngine) {
    EXPECT_NE(GetPropW(host, u"EDOBJ"), nullptr);
    EXPECT_TRUE(DestroyWindow(host));
    EXPECT_FALSE(IsWindow(host));
    EXPECT_EQ(SendMessageW(host, EFM_GETVERSION, 0, 0), 0);
    // The timer of the engine went with it.
    headless::AdvanceClock(1000);
    EXPECT_EQ(headless::PumpMessages(), 0);
}

TEST_F(EditorWindow, TimerRunsEveryTenthOfASecond) {
    headless::PumpMessages();
    static int timers = 0;
    static WNDPROC editor_proc = nullptr;
    timers = 0;
    auto count = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_TIMER && w == 1) ++timers;
        return CallWindowProcW(editor_proc, h, m, w, l);
    };
    editor_proc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+count)));
    headless::AdvanceClock(100);
    headless::PumpMessages();
    headless::AdvanceClock(100);
    headless::PumpMessages();
    EXPECT_EQ(timers, 2);
}

} // namespace
} // namespace zeledit::test
