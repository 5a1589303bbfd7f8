// One row per message of the protocol: each is sent to a fresh editor holding a short
// document, and its answer and effect are checked as the protocol page gives them.
#include "e2e/dialog_queue.h"
#include "e2e/host_recorder.h"

#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace zeledit::test {
namespace {

// The document every row starts from: two paragraphs, 18 units, the caret at the end.
constexpr std::u16string_view Document = u"Xin chào\r\nthế giới";

LPARAM P(const void* p) { return reinterpret_cast<LPARAM>(p); }
LRESULT Send(HWND h, UINT m, WPARAM w = 0, LPARAM l = 0) { return SendMessageW(h, m, w, l); }

std::u16string Text(HWND h) {
    const auto* t = reinterpret_cast<const char16_t*>(Send(h, EFM_GETTEXTBUFFER));
    return {t, static_cast<std::size_t>(Send(h, EFM_GETTEXTLENGTH))};
}

void Select(HWND h, int from, int to) {
    Send(h, EFM_SETSELTEXT, 0, MAKELPARAM(static_cast<WORD>(from), static_cast<WORD>(to)));
}

TCharFormat FontAt(HWND h, WPARAM id) {
    TCharFormat f{};
    Send(h, EFM_GETFONTTOREC, id, P(&f));
    return f;
}

TParaFormat ParaAt(HWND h, WPARAM id) {
    TParaFormat p{};
    Send(h, EFM_GETPARATOREC, id, P(&p));
    return p;
}

std::uint8_t FormatByte(HWND h, int at) {
    return reinterpret_cast<const std::uint8_t*>(Send(h, EFM_GETFORMATBUFFER))[at];
}

// A row sends its message (with whatever it needs first) and answers whether the answer and
// the editor afterwards are as documented.
using Row = std::function<bool(HWND)>;

HWND Fresh() {
    HWND h = CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr,
                             nullptr, nullptr);
    const std::u16string text(Document);
    Send(h, EFM_INSERTTEXT, 0, P(text.c_str()));
    return h;
}

HGLOBAL BlockOf(std::u16string_view text) {
    HWND h = CreateWindowExW(0, FormattedEditorClassName, u"", 0, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                             nullptr);
    const std::u16string s(text);
    Send(h, EFM_INSERTTEXT, 0, P(s.c_str()));
    auto* block = reinterpret_cast<HGLOBAL>(Send(h, EFM_GETDATA));
    DestroyWindow(h);
    return block;
}

bool Typed(HWND h, std::u16string_view keys) {
    for (char16_t c : keys) Send(h, WM_CHAR, c);
    return true;
}

const std::filesystem::path Scratch = std::filesystem::temp_directory_path() / "protocol_rows.zdf";

std::map<UINT, Row> Rows() {
    std::map<UINT, Row> r;
    r[EFM_GETSELTEXT] = [](HWND h) {
        Select(h, 0, 3);
        char16_t buffer[10] = {};
        Send(h, EFM_GETSELTEXT, 10, P(buffer));
        return std::u16string(buffer) == u"Xin";
    };
    r[EFM_SETSELTEXT] = [](HWND h) {
        Select(h, 4, 8);
        return Send(h, EFM_GETSELINDEX, 0, 0) == MAKELONG(4, 8);
    };
    r[EFM_GETSELFORMATID] = [](HWND h) { return Send(h, EFM_GETSELFORMATID) == 0; };
    r[EFM_SAVEDOC] = [](HWND h) {
        const std::u16string name = Scratch.u16string();
        const bool ok = Send(h, EFM_SAVEDOC, 0, P(name.c_str())) == 1 && std::filesystem::exists(Scratch);
        std::filesystem::remove(Scratch);
        return ok && Send(h, EFM_SAVEDOC, 0, P(u"/nonexistent/dir/a.zdf")) == 0;
    };
    r[EFM_LOADDOC] = [](HWND h) {
        return Send(h, EFM_LOADDOC, 0, P(u"/nonexistent/a.zdf")) == 0 && Text(h) == Document;
    };
    r[EFM_LOADTEMPLATE] = [](HWND h) {
        return Send(h, EFM_LOADTEMPLATE, 0, P(u"/nonexistent/a.ztf")) == 0 && Text(h) == Document;
    };
    r[EFM_NEWDOCUMENT] = [](HWND h) { return Send(h, EFM_NEWDOCUMENT) == 0 && Text(h).empty(); };
    r[EFM_GETDATASIZE] = [](HWND h) {
        auto* block = reinterpret_cast<HGLOBAL>(Send(h, EFM_GETDATA));
        const bool same = static_cast<std::size_t>(Send(h, EFM_GETDATASIZE)) == GlobalSize(block);
        GlobalFree(block);
        return same;
    };
    r[EFM_GETDATA] = [](HWND h) {
        auto* block = reinterpret_cast<HGLOBAL>(Send(h, EFM_GETDATA));
        const bool ok = block != nullptr && *static_cast<const std::uint16_t*>(GlobalLock(block)) == 0x0601;
        GlobalUnlock(block);
        GlobalFree(block);
        return ok;
    };
    // 1 loaded, 0 refused: the page's row gives no answer, and a host must learn of a refusal.
    r[EFM_SETDATA] = [](HWND h) {
        HGLOBAL block = BlockOf(u"other");
        const bool loaded = Send(h, EFM_SETDATA, 0, P(block)) == 1 && Text(h) == u"other";
        GlobalFree(block);
        return loaded && Send(h, EFM_SETDATA, 0, 0) == 0 && Text(h) == u"other" &&
               Send(h, EFM_GETSELINDEX) == 0 && Send(h, EFM_GETMODIFIED) == 0;
    };
    r[EFM_SETBACKGROUND] = [](HWND h) {
        return Send(h, EFM_SETBACKGROUND, 0, 0x00FF00) == 0 && Send(h, EFM_GETPARACOLOR, 0) == 0x00FF00;
    };
    r[EFM_GETSELINDEX] = [](HWND h) {
        SIZE s{};
        return Send(h, EFM_GETSELINDEX, 0, P(&s)) == MAKELONG(18, 18) && s.cx == 18 && s.cy == 18;
    };
    r[EFM_CLEARTEXT] = [](HWND h) { return Send(h, EFM_CLEARTEXT) == 0 && Text(h).empty(); };
    r[EFM_GETTEXTLENGTH] = [](HWND h) { return Send(h, EFM_GETTEXTLENGTH) == 18; };
    r[EFM_GETTEXTBUFFER] = [](HWND h) {
        return std::u16string_view(reinterpret_cast<const char16_t*>(Send(h, EFM_GETTEXTBUFFER))) == Document;
    };
    r[EFM_GETFORMATBUFFER] = [](HWND h) {
        return Send(h, EFM_GETFORMATBUFFER) != 0 && FormatByte(h, 18) == 0;
    };
    r[EFM_SETPARACOLOR] = [](HWND h) {
        Send(h, EFM_SETPARACOLOR, 99, 0x0000FF); // out of range: format 0
        return Send(h, EFM_GETPARACOLOR, 0) == 0x0000FF;
    };
    r[EFM_SETFONTCOLOR] = [](HWND h) {
        Send(h, EFM_SETFONTCOLOR, 0, 0x0000FF);
        Send(h, EFM_SETFONTCOLOR, 99, 0x00FF00); // ignored
        return Send(h, EFM_GETFONTCOLOR, 0) == 0x0000FF;
    };
    r[EFM_ENABLEMODIFY] = [](HWND h) {
        Send(h, EFM_DISABLEMODIFY);
        Send(h, EFM_ENABLEMODIFY);
        return Typed(h, u"!") && Text(h).ends_with(u"!");
    };
    r[EFM_DISABLEMODIFY] = [](HWND h) {
        return Send(h, EFM_DISABLEMODIFY) == 0 && Typed(h, u"!") && Text(h) == Document;
    };
    r[EFM_GETMODIFIED] = [](HWND h) {
        const bool changed = static_cast<std::int32_t>(Send(h, EFM_GETMODIFIED)) == -1;
        Send(h, EFM_SETMODIFIED, 0);
        return changed && Send(h, EFM_GETMODIFIED) == 0;
    };
    r[EFM_SETSPECIALRIGHTBUTTON] = [](HWND h) {
        HostRecorder host(h);
        Send(h, EFM_SETSPECIALRIGHTBUTTON, 1);
        Send(h, WM_RBUTTONDOWN, 0, MAKELPARAM(5, 5));
        return host.count(EFN_RIGHTCLICK) == 1;
    };
    r[EFM_ENABLEVIETKEY] = [](HWND h) {
        Send(h, EFM_ENABLEVIETKEY, 1);
        return Typed(h, u" a1") && Text(h).ends_with(u" á");
    };
    r[EFM_FINDFORMAT] = [](HWND h) {
        char16_t found[32] = {};
        TFindFormatRecord record{0, found, 0, 32};
        return Send(h, EFM_FINDFORMAT, 0, P(&record)) == 0 && std::u16string(found) == u"Xin chào";
    };
    r[EFM_SETBITMAPMODE] = [](HWND h) { return Send(h, EFM_SETBITMAPMODE, 0, 2) == 0; };
    r[EFM_GETOBJECTCOUNT] = [](HWND h) { return Send(h, EFM_GETOBJECTCOUNT) == 0; };
    r[EFM_CHANGEFONTSIZE] = [](HWND h) {
        const int size = FontAt(h, 0).ftHeight;
        Send(h, EFM_CHANGEFONTSIZE, 1, MAKELPARAM(static_cast<WORD>(size), 30));
        return FontAt(h, 0).ftHeight == 30;
    };
    r[EFM_SETINDEX] = [](HWND h) {
        Send(h, EFM_SETINDEX, 0, 3);
        Send(h, EFM_SETINDEX, 0, 99); // past the text: nothing
        return Send(h, EFM_GETSELINDEX) == MAKELONG(3, 3);
    };
    r[EFM_FIND] = [](HWND h) {
        TFindRecord record{0, u"chào", 1, 0};
        return Send(h, EFM_FIND, static_cast<WPARAM>(-1), P(&record)) == 4 &&
               Send(h, EFM_GETSELINDEX) == MAKELONG(4, 8);
    };
    r[EFM_REFRESH] = [](HWND h) { return Send(h, EFM_REFRESH) == 0 && Text(h) == Document; };
    r[EFM_SETPAGE] = [](HWND h) {
        TPageRec page{};
        page.pgLeft = page.pgRight = page.pgTop = page.pgBottom = 1;
        page.pgScale = 100;
        return Send(h, EFM_SETPAGE, 0, P(&page)) == 0;
    };
    r[EFM_PRINTERCHANGE] = [](HWND h) { return Send(h, EFM_PRINTERCHANGE) == 0; };
    r[EFM_REPAGINATE] = [](HWND h) { return Send(h, EFM_REPAGINATE) == 0; }; // no printer lent
    r[EFM_PRINTPAGE] = [](HWND h) {
        TPrintPageRequest request{1, {}, 0};
        return Send(h, EFM_PRINTPAGE, 0, P(&request)) == 0;
    };
    r[EFM_GETOBJECT] = [](HWND h) { return Send(h, EFM_GETOBJECT, 0) == 0; };
    r[EFM_HIDEOBJECTS] = [](HWND h) { return Send(h, EFM_HIDEOBJECTS, 1) == 0; };
    r[EFM_GETOBJECTS] = [](HWND h) { return Send(h, EFM_GETOBJECTS) != 0; };
    r[EFM_ADDDATA] = [](HWND h) {
        const std::uint8_t formats[5] = {};
        TAddData add{u"abc", formats, nullptr};
        Send(h, EFM_ADDDATA, 0, P(&add));
        return Text(h) == std::u16string(Document) + u"\r\n\r\nabc"; // after a blank paragraph
    };
    r[EFM_FINDPARA] = [](HWND h) {
        return Send(h, EFM_FINDPARA, 0, 0) == 1 && Send(h, EFM_FINDPARA, 9, 0) == 0;
    };
    r[EFM_GETDOCUMENTHEIGHT] = [](HWND h) { return Send(h, EFM_GETDOCUMENTHEIGHT) > 20; };
    r[EFM_GETOBJECTINDEX] = [](HWND h) { return Send(h, EFM_GETOBJECTINDEX, 0) == -1; };
    r[EFM_SETVSCROLLBAR] = [](HWND h) { return Send(h, EFM_SETVSCROLLBAR, 0) == 0; };
    r[EFM_SETHIGHLIGHT] = [](HWND h) {
        Send(h, EFM_SETHIGHLIGHT, 0, 2); // the end included
        char16_t buffer[16] = {};
        Send(h, EFM_GETHIGHLIGHTTEXT, 16, P(buffer));
        return std::u16string(buffer) == u"Xin";
    };
    r[EFM_GETWORDAT] = [](HWND h) {
        char16_t word[256] = {};
        Send(h, EFM_GETWORDAT, 5, P(word));
        return std::u16string(word) == u"chào";
    };
    r[EFM_CHANGEFONTNAME] = [](HWND h) {
        TChangeFont change{};
        std::strcpy(change.OldName, FontAt(h, 0).ftFaceName);
        std::strcpy(change.NewName, "Arial");
        change.Bold = change.Italic = change.Underline = change.Strikethrough = -1;
        change.Redraw = 1;
        Send(h, EFM_CHANGEFONTNAME, 0, P(&change));
        return std::string(FontAt(h, 0).ftFaceName) == "Arial";
    };
    r[EFM_SETMONOCHROME] = [](HWND h) {
        Send(h, EFM_SETFONTCOLOR, 0, 0x0000FF);
        Send(h, EFM_SETMONOCHROME);
        return Send(h, EFM_GETFONTCOLOR, 0) == 0;
    };
    r[EFM_GETOBJECTINFO] = [](HWND h) { return Send(h, EFM_GETOBJECTINFO, 0) == 0; };
    r[EFM_SETCOLORSTYLE] = [](HWND h) { return Send(h, EFM_SETCOLORSTYLE, 0, 3) == 0; };
    r[EFM_SETEDITTYPE] = [](HWND h) {
        return Send(h, EFM_SETEDITTYPE, 0, 0x1) == 0 && Typed(h, u"x") && Text(h) == Document;
    };
    r[EFM_SETDOCUMENTTYPE] = [](HWND h) {
        Send(h, EFM_SETDOCUMENTTYPE, 0, 0x603);
        auto* block = reinterpret_cast<HGLOBAL>(Send(h, EFM_GETDATA));
        const bool templ = *static_cast<const std::uint16_t*>(GlobalLock(block)) == 0x0603;
        GlobalUnlock(block);
        GlobalFree(block);
        return templ;
    };
    r[EFM_SETHASSCROLL] = [](HWND h) { return Send(h, EFM_SETHASSCROLL, 0) == 0; };
    r[EFM_SETDEFAULTFONT] = [](HWND h) {
        TCharFormat f = FontAt(h, 0);
        std::strcpy(f.ftFaceName, "Arial");
        f.ftHeight = 14;
        Send(h, EFM_SETDEFAULTFONT, 0, P(&f));
        return std::string(FontAt(h, 0).ftFaceName) == "Arial" &&
               reinterpret_cast<const TCharFormat*>(Send(h, EFM_GETDEFAULTFONT))->ftHeight == 14;
    };
    r[EFM_GETPARACOUNT] = [](HWND h) { return Send(h, EFM_GETPARACOUNT) == 1; };
    r[EFM_GETFONTCOUNT] = [](HWND h) { return Send(h, EFM_GETFONTCOUNT) == 1; };
    r[EFM_GETPARACOLOR] = [](HWND h) {
        return Send(h, EFM_GETPARACOLOR, 99) == Send(h, EFM_GETPARACOLOR, 0);
    };
    r[EFM_GETFONTCOLOR] = [](HWND h) {
        Send(h, EFM_SETFONTCOLOR, 0, 0x0000FF);
        return Send(h, EFM_GETFONTCOLOR, 0) == 0x0000FF && Send(h, EFM_GETFONTCOLOR, 99) == 0;
    };
    r[EFM_REPLACEWITH] = [](HWND h) {
        Select(h, 0, 3);
        TReplaceRecord record{u"Hi", nullptr};
        Send(h, EFM_REPLACEWITH, 0, P(&record));
        return Text(h).starts_with(u"Hi chào");
    };
    r[EFM_SETHSCROLLBAR] = [](HWND h) { return Send(h, EFM_SETHSCROLLBAR, 0) == 0; };
    r[EFM_SETCOLUMNS] = [](HWND h) { return Send(h, EFM_SETCOLUMNS, 3) == 0; }; // column editor only
    r[EFM_SETLINEBETWEEN] = [](HWND h) { return Send(h, EFM_SETLINEBETWEEN, 1, 0) == 0; };
    r[EFM_SETSPACING] = [](HWND h) { return Send(h, EFM_SETSPACING, 20) == 0; };
    r[EFM_APPLYFONT] = [](HWND h) {
        Select(h, 0, 3);
        Send(h, EFM_APPLYFONT, 3, 20);
        return FontAt(h, FormatByte(h, 0) & 0x7F).ftHeight == 20 &&
               FontAt(h, FormatByte(h, 4) & 0x7F).ftHeight != 20;
    };
    r[EFM_APPLYPARA] = [](HWND h) {
        Select(h, 0, 3);
        Send(h, EFM_APPLYPARA, 5, 0x00FFFF);
        return ParaAt(h, FormatByte(h, 8)).ptShading == 0x00FFFF;
    };
    r[EFM_SETMAXBUFFERSIZE] = [](HWND h) {
        Send(h, EFM_SETMAXBUFFERSIZE, 0, 40);
        Send(h, EFM_INSERTTEXT, 0, P(u"a text that no longer fits"));
        return Text(h) == Document;
    };
    r[EFM_RESETOBJECT] = [](HWND h) { return Send(h, EFM_RESETOBJECT, 1) == 0; };
    r[EFM_SETCOLORS] = [](HWND h) {
        const std::uint32_t colours[4] = {0, 0xC0C0C0, 0xFFFFFF, 0x808080};
        return Send(h, EFM_SETCOLORS, 0, P(colours)) == 0;
    };
    r[EFM_GETFONTTOREC] = [](HWND h) { return std::string(FontAt(h, 0).ftFaceName) == "Times New Roman"; };
    r[EFM_PAGEPREVIEW] = [](HWND h) {
        TPreviewRequest request{nullptr, 1, {}, 100};
        return Send(h, EFM_PAGEPREVIEW, 0, P(&request)) == 0;
    };
    r[EFM_GETHIGHLIGHTTEXT] = [](HWND h) {
        char16_t buffer[16] = {u'x'};
        Send(h, EFM_GETHIGHLIGHTTEXT, 16, P(buffer));
        return buffer[0] == 0;
    };
    r[EFM_BEGINPRINT] = [](HWND h) { return Send(h, EFM_BEGINPRINT) == 0; }; // no printer
    r[EFM_ENDPRINT] = [](HWND h) { return Send(h, EFM_ENDPRINT) == 0 && IsWindowEnabled(h); };
    r[EFM_ENLARGEREDUCEFONT] = [](HWND h) {
        const int size = FontAt(h, 0).ftHeight;
        Send(h, EFM_ENLARGEREDUCEFONT, 0, 2);
        return FontAt(h, 0).ftHeight == size + 2;
    };
    r[EFM_HIGHLIGHTWORDAT] = [](HWND h) {
        Send(h, EFM_HIGHLIGHTWORDAT, 0, 5);
        char16_t buffer[16] = {};
        Send(h, EFM_GETHIGHLIGHTTEXT, 16, P(buffer));
        return std::u16string(buffer) == u"chào";
    };
    r[EFM_SETTOPINDEX] = [](HWND h) {
        for (int i = 0; i < 60; ++i) Send(h, EFM_INSERTTEXT, 0, P(u"\r\nline"));
        Send(h, EFM_SETTOPINDEX, 200);
        return Send(h, EFM_GETTOPINDEX) > 100;
    };
    r[EFM_GETTOPINDEX] = [](HWND h) { return Send(h, EFM_GETTOPINDEX) == 0; };
    r[EFM_ADDPARAFORMAT] = [](HWND h) {
        TParaFormat p = ParaAt(h, 0);
        p.ptBefore = 9;
        return Send(h, EFM_ADDPARAFORMAT, 0, P(&p)) == 0 &&
               Send(h, EFM_ADDPARAFORMAT, reinterpret_cast<WPARAM>(h), P(&p)) == 1;
    };
    r[EFM_ADDFONTFORMAT] = [](HWND h) {
        TCharFormat f = FontAt(h, 0);
        f.ftAttr = 1;
        return Send(h, EFM_ADDFONTFORMAT, 0, P(&f)) == 0 &&
               Send(h, EFM_ADDFONTFORMAT, reinterpret_cast<WPARAM>(h), P(&f)) == 1;
    };
    r[EFM_GETSELFONTNAME] = [](HWND h) {
        char face[51] = {};
        Send(h, EFM_GETSELFONTNAME, reinterpret_cast<WPARAM>(h), P(face));
        return std::string(face) == "Times New Roman";
    };
    r[EFM_INSERTOBJECT] = [](HWND h) {
        DialogQueue dialogs;
        dialogs.push_back([](HWND d) { SendMessageW(d, WM_COMMAND, IDCANCEL, 0); });
        Send(h, EFM_INSERTOBJECT, 6); // a JPEG file: the open dialog first
        return dialogs.shown == 1 && Send(h, EFM_GETOBJECTCOUNT) == 0;
    };
    r[EFM_MARKRANGE] = [](HWND h) {
        Send(h, EFM_MARKRANGE, 0, 3);
        return (FormatByte(h, 1) & 0x80) != 0 && (FormatByte(h, 5) & 0x80) == 0;
    };
    r[EFM_UNMARKRANGE] = [](HWND h) {
        Send(h, EFM_MARKRANGE, 0, 8);
        Send(h, EFM_UNMARKRANGE, 0, 3);
        return (FormatByte(h, 1) & 0x80) == 0 && (FormatByte(h, 5) & 0x80) != 0;
    };
    r[EFM_GETSELSTYLE] = [](HWND h) { return Send(h, EFM_GETSELSTYLE, 0) == 0; };
    r[EFM_FORMATSTYLE] = [](HWND h) {
        Select(h, 0, 3);
        Send(h, EFM_FORMATSTYLE, 0, 1);
        return Send(h, EFM_GETSELSTYLE, 0) == 1 && (FontAt(h, FormatByte(h, 0) & 0x7F).ftAttr & 1) != 0;
    };
    r[EFM_CHANGECHAR] = [](HWND h) {
        Send(h, EFM_CHANGECHAR, u'x', 0);
        return Text(h).starts_with(u"xin");
    };
    r[EFM_GETSELFORMAT] = [](HWND h) {
        const auto* f = reinterpret_cast<const TCharFormat*>(Send(h, EFM_GETSELFORMAT));
        return f != nullptr && std::string(f->ftFaceName) == "Times New Roman";
    };
    r[EFM_SETCHARFORMAT] = [](HWND h) {
        Select(h, 0, 18);
        TCharFormat f = FontAt(h, 0);
        f.ftHeight = 30;
        Send(h, EFM_SETCHARFORMAT, 0, P(&f));
        return FontAt(h, FormatByte(h, 12) & 0x7F).ftHeight == 30;
    };
    r[EFM_MARKWORDAT] = [](HWND h) {
        Send(h, EFM_MARKWORDAT, 0, 5);
        return (FormatByte(h, 4) & 0x80) != 0 && (FormatByte(h, 0) & 0x80) == 0;
    };
    r[EFM_UNMARKWORDAT] = [](HWND h) {
        Send(h, EFM_MARKRANGE, 0, 8);
        Send(h, EFM_UNMARKWORDAT, 0, 5);
        return (FormatByte(h, 4) & 0x80) == 0 && (FormatByte(h, 0) & 0x80) != 0;
    };
    r[EFM_INSERTTEXT] = [](HWND h) {
        Send(h, EFM_INSERTTEXT, static_cast<WPARAM>(-1), P(u"!"));
        return Text(h) == std::u16string(Document) + u"!";
    };
    r[EFM_INSERTPARA] = [](HWND h) {
        Send(h, EFM_INSERTPARA, 0, -1);
        return Text(h) == std::u16string(Document) + u"\r\n";
    };
    r[EFM_MOVEKEY] = [](HWND h) {
        Send(h, EFM_MOVEKEY, 0, 0x10001); // Shift+Ctrl+Left: the last word selected
        char16_t buffer[16] = {};
        Send(h, EFM_GETSELTEXT, 16, P(buffer));
        return std::u16string(buffer) == u"giới";
    };
    r[EFM_GETSELPARAFORMATID] = [](HWND h) { return Send(h, EFM_GETSELPARAFORMATID) == 0; };
    r[EFM_GETSELPARAFORMAT] = [](HWND h) {
        const auto* p = reinterpret_cast<const TParaFormat*>(Send(h, EFM_GETSELPARAFORMAT));
        const TParaFormat stored = ParaAt(h, 0);
        return p != nullptr && std::memcmp(p, &stored, sizeof stored) == 0;
    };
    r[EFM_SETPARAFORMAT] = [](HWND h) {
        TParaFormat p = ParaAt(h, 0);
        p.ptBefore = 24;
        Send(h, EFM_SETPARAFORMAT, 0, P(&p));
        return ParaAt(h, FormatByte(h, 18)).ptBefore == 24 ||
               reinterpret_cast<const TParaFormat*>(Send(h, EFM_GETSELPARAFORMAT))->ptBefore == 24;
    };
    r[EFM_REPLACEALL] = [](HWND h) {
        Send(h, EFM_SETINDEX, 0, 0);
        TReplaceAllRecord record{u"i", u"I", nullptr, efoMatchCase};
        return Send(h, EFM_REPLACEALL, static_cast<WPARAM>(-1), P(&record)) == 3 &&
               Text(h) == u"XIn chào\r\nthế gIớI";
    };
    r[EFM_GETPREVIEWRECT] = [](HWND h) {
        RECT rect{};
        return Send(h, EFM_GETPREVIEWRECT, 100, P(&rect)) == 0;
    };
    r[EFM_ADDMENU] = [](HWND h) {
        TMenuItemRecord item{u"Mine", 4000, 0, 0};
        return Send(h, EFM_ADDMENU, reinterpret_cast<WPARAM>(h), P(&item)) == 0;
    };
    r[EFM_SETMARKTYPE] = [](HWND h) { return Send(h, EFM_SETMARKTYPE, 1, 0xFF) == 0; };
    r[EFM_ENABLEACTIVATE] = [](HWND h) { return Send(h, EFM_ENABLEACTIVATE, 1) == 0; };
    r[EFM_SETBACKNEEDED] = [](HWND h) { return Send(h, EFM_SETBACKNEEDED, 1) == 0; };
    r[EFM_GETCURRENTPAGE] = [](HWND h) { return Send(h, EFM_GETCURRENTPAGE) == 0; };
    r[EFM_CLEARMARKS] = [](HWND h) {
        Send(h, EFM_MARKRANGE, 0, 8);
        Send(h, EFM_CLEARMARKS);
        return (FormatByte(h, 1) & 0x80) == 0;
    };
    r[EFM_INSERTHYPERLINK] = [](HWND h) {
        const TInsertHyperLink link{0, 3, "https://example.org", 5};
        Send(h, EFM_INSERTHYPERLINK, 0, P(&link));
        return Send(h, EFM_ISHYPERLINKAT, 1) == 1 && Send(h, EFM_ISHYPERLINKAT, 5) == 0;
    };
    r[EFM_DELETEPARAS] = [](HWND h) {
        Send(h, EFM_DELETEPARAS, 0);
        return Text(h).size() < Document.size();
    };
    r[EFM_CLEARFORMATS] = [](HWND h) {
        Select(h, 0, 3);
        Send(h, EFM_FORMATSTYLE, 0, 1);
        Send(h, EFM_CLEARFORMATS);
        return Send(h, EFM_GETFONTCOUNT) == 1 && FormatByte(h, 0) == 0;
    };
    r[EFM_GETOBJINFOID] = [](HWND h) { return Send(h, EFM_GETOBJINFOID, 1) == 0; };
    r[EFM_GETOBJDATAID] = [](HWND h) { return Send(h, EFM_GETOBJDATAID, 1) == 0; };
    r[EFM_GETPARATOREC] = [](HWND h) {
        const TParaFormat p = ParaAt(h, 0);
        return p.ptShading == static_cast<COLORREF>(Send(h, EFM_GETPARACOLOR, 0));
    };
    r[EFM_GETVERSION] = [](HWND h) { return Send(h, EFM_GETVERSION) == 0x60000; };
    r[EFM_SETNOTDRAWN] = [](HWND h) { return Send(h, EFM_SETNOTDRAWN, 0) == 0; };
    r[EFM_GETBACKHANDLE] = [](HWND h) { return Send(h, EFM_GETBACKHANDLE) == 0; };
    r[EFM_GETBACKBITMAP] = [](HWND h) { return Send(h, EFM_GETBACKBITMAP) == 0; };
    r[EFM_DRAWCOLUMNS] = [](HWND h) { return Send(h, EFM_DRAWCOLUMNS, 0, 0) == 0; };
    r[EFM_ENABLEFITOBJS] = [](HWND h) { return Send(h, EFM_ENABLEFITOBJS, 0) == 0; };
    r[EFM_GETFONTITEM] = [](HWND h) {
        return Send(h, EFM_GETFONTITEM, 0) != 0 && Send(h, EFM_GETFONTITEM, 99) == 0;
    };
    r[EFM_GETPARAITEM] = [](HWND h) {
        return Send(h, EFM_GETPARAITEM, 0) != 0 && Send(h, EFM_GETPARAITEM, 99) == 0;
    };
    r[EFM_APPLYFONTFAST] = [](HWND h) {
        TCharFormat f = FontAt(h, 0);
        f.ftAttr = 2;
        const LRESULT id = Send(h, EFM_ADDFONTFORMAT, reinterpret_cast<WPARAM>(h), P(&f));
        Select(h, 0, 3);
        Send(h, EFM_APPLYFONTFAST, static_cast<WPARAM>(id));
        return (FormatByte(h, 0) & 0x7F) == id && Send(h, EFM_GETSELSTYLE, 1) == 1;
    };
    r[EFM_APPLYPARAFAST] = [](HWND h) {
        TParaFormat p = ParaAt(h, 0);
        p.ptAfter = 7;
        const LRESULT id = Send(h, EFM_ADDPARAFORMAT, reinterpret_cast<WPARAM>(h), P(&p));
        Send(h, EFM_SETINDEX, 0, 0);
        Send(h, EFM_APPLYPARAFAST, static_cast<WPARAM>(id));
        return Send(h, EFM_GETSELPARAFORMATID) == id;
    };
    r[EFM_GETHOTKEY] = [](HWND h) {
        int bound = 0;
        for (WPARAM routine = 0; routine < 86; ++routine)
            bound += Send(h, EFM_GETHOTKEY, routine) != 0 ? 1 : 0;
        return Send(h, EFM_GETHOTKEY, 86) == 0 && bound > 40;
    };
    r[EFM_SETHOTKEY] = [](HWND h) {
        Send(h, EFM_SETHOTKEY, 5, 0x4000 | 'J');
        Send(h, EFM_SETHOTKEY, 90, 0x4000 | 'K'); // no such routine
        return Send(h, EFM_GETHOTKEY, 5) == (0x4000 | 'J') && Send(h, EFM_GETHOTKEY, 90) == 0;
    };
    r[EFM_SETMODIFIED] = [](HWND h) {
        Send(h, EFM_SETMODIFIED, 0);
        return Send(h, EFM_GETMODIFIED) == 0;
    };
    r[EFM_COMPACT] = [](HWND h) {
        TCharFormat f = FontAt(h, 0);
        f.ftAttr = 1;
        Send(h, EFM_ADDFONTFORMAT, reinterpret_cast<WPARAM>(h), P(&f)); // used by nothing
        Send(h, EFM_COMPACT);
        return Send(h, EFM_GETFONTCOUNT) >= 1 && Text(h) == Document;
    };
    r[EFM_DELETEDOUBLESPACEPARAS] = [](HWND h) {
        Send(h, EFM_INSERTTEXT, 0, P(u"\r\n\r\n\r\nend"));
        Send(h, EFM_DELETEDOUBLESPACEPARAS);
        return Text(h) == std::u16string(Document) + u"\r\n\r\nend";
    };
    r[EFM_DELETEDATA] = [](HWND h) {
        Send(h, EFM_DELETEDATA, 8, 4); // either order
        return Text(h) == u"Xin \r\nthế giới";
    };
    r[EFM_SETHIGHLIGHTSTYLE] = [](HWND h) { return Send(h, EFM_SETHIGHLIGHTSTYLE, 1, 0xFF) == 0; };
    r[EFM_SETEDITORSTATE] = [](HWND h) {
        Send(h, EFM_SETEDITORSTATE, 1, 0); // no selecting with the mouse
        Send(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        Send(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 4));
        Send(h, WM_LBUTTONUP, 0, MAKELPARAM(60, 4));
        const LRESULT range = Send(h, EFM_GETSELINDEX);
        return LOWORD(range) == HIWORD(range);
    };
    r[EFM_INSERTDATAFROM] = [](HWND h) {
        HGLOBAL block = BlockOf(u"abc");
        Send(h, EFM_SETINDEX, 0, 0);
        const bool ok = Send(h, EFM_INSERTDATAFROM, reinterpret_cast<WPARAM>(block)) == 3 &&
                        Text(h).starts_with(u"abcXin");
        GlobalFree(block);
        return ok;
    };
    r[EFM_ISHYPERLINKAT] = [](HWND h) { return Send(h, EFM_ISHYPERLINKAT, 1) == 0; };
    r[EFM_MODIFYFORMATFONT] = [](HWND h) {
        DialogQueue dialogs;
        dialogs.push_back([](HWND d) { SendMessageW(d, WM_COMMAND, IDCANCEL, 0); });
        return Send(h, EFM_MODIFYFORMATFONT, 0) == 0 && dialogs.shown == 1;
    };
    r[EFM_MODIFYFORMATPARA] = [](HWND h) {
        DialogQueue dialogs;
        dialogs.push_back([](HWND d) { SendMessageW(d, WM_COMMAND, IDCANCEL, 0); });
        return Send(h, EFM_MODIFYFORMATPARA, 0) == 0 && dialogs.shown == 1;
    };
    r[EFM_INSERTPARABREAKFORMATEX] = [](HWND h) {
        Send(h, EFM_SETINDEX, 0, 3);
        Send(h, EFM_INSERTPARABREAKFORMATEX, 2); // the caret's new paragraph right-aligned
        return Text(h) == u"Xin\r\n chào\r\nthế giới" && FormatByte(h, 11) == 2 && FormatByte(h, 4) == 0;
    };
    r[EFM_GETDEFAULTFONT] = [](HWND h) {
        const auto* f = reinterpret_cast<const TCharFormat*>(Send(h, EFM_GETDEFAULTFONT));
        return f != nullptr && f->ftHeight > 0;
    };
    r[EFM_SETLANGUAGE] = [](HWND h) { return Send(h, EFM_SETLANGUAGE, 1) == 0; };
    r[EFM_GETLINEOFINDEX] = [](HWND h) {
        return Send(h, EFM_GETLINEOFINDEX, 0, 3) == 0 && Send(h, EFM_GETLINEOFINDEX, 0, 12) == 1;
    };
    r[EFM_PREVIEWPAGEDC] = [](HWND h) { return Send(h, EFM_PREVIEWPAGEDC, 0, 1) == 0; };
    r[EFM_GETPREVIEWRECTDC] = [](HWND h) {
        RECT rect{1, 1, 1, 1};
        return Send(h, EFM_GETPREVIEWRECTDC, 0, P(&rect)) == 0;
    };
    r[EFM_BEGINPREVIEW] = [](HWND h) { return Send(h, EFM_BEGINPREVIEW) == 0; }; // no printer
    r[EFM_SETTONEPLACEMENT] = [](HWND h) {
        Send(h, EFM_ENABLEVIETKEY, 1);
        const bool answers = Send(h, EFM_SETTONEPLACEMENT, 2) == 0 && Send(h, EFM_SETTONEPLACEMENT, 1) == 2;
        return answers && Typed(h, u" Vie6t5") && Text(h).ends_with(u" Việt");
    };
    r[EFM_KEEPDECOMPOSED] = [](HWND h) {
        Send(h, EFM_INSERTTEXT, static_cast<WPARAM>(-1), P(u" Vie\u0323\u0302t"));
        const bool composed = Text(h).ends_with(u" Việt");
        const bool answers = Send(h, EFM_KEEPDECOMPOSED, 1) == 0 && Send(h, EFM_KEEPDECOMPOSED, 1) == 1;
        Send(h, EFM_INSERTTEXT, static_cast<WPARAM>(-1), P(u" e\u0301"));
        return composed && answers && Text(h).ends_with(u" e\u0301");
    };
    r[EFM_INSERTEXTERNALOBJECT] = [](HWND h) {
        TObjectInfo info{};
        info.oiStyle = 300;
        info.oiWidth = 20;
        info.oiHeight = 10;
        Send(h, EFM_INSERTEXTERNALOBJECT, 9, P(&info));
        return Send(h, EFM_GETOBJECTCOUNT) == 1 && Send(h, EFM_INSERTEXTERNALOBJECT, 9, 0) == 0;
    };
    return r;
}

class ProtocolRows : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        InitEditorLib();
    }
    void TearDown() override { headless::Reset(); }
};

TEST_F(ProtocolRows, EveryMessageHasARow) {
    const auto rows = Rows();
    for (UINT msg : EditorMessageNumbers) EXPECT_TRUE(rows.contains(msg)) << msg;
    EXPECT_EQ(rows.size(), EditorMessageNumbers.size());
}

TEST_F(ProtocolRows, EachMessageAnswersAsDocumented) {
    for (const auto& [msg, row] : Rows()) {
        HWND h = Fresh();
        ASSERT_EQ(Text(h), Document);
        EXPECT_TRUE(row(h)) << "message " << msg;
        DestroyWindow(h);
    }
}

// The keyboard kind is the component's; the editor answers it 0 and keeps nothing.
TEST_F(ProtocolRows, TheKeyboardKindChangesNothing) {
    HWND h = Fresh();
    EXPECT_EQ(Send(h, EFM_SETKEYTYPE, 1), 0);
    EXPECT_TRUE(Typed(h, u"x"));
    EXPECT_EQ(Text(h), std::u16string(Document) + u"x");
}

} // namespace
} // namespace zeledit::test
