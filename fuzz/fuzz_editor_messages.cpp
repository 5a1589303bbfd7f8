// A host gone wrong: random sequences of the editor's messages, keys and clicks, with values
// from the protocol's ranges (indices around the text length, format indices, counts, flags,
// small records), sent to one editor. Every few steps the document is copied through its
// data block into a second editor: nothing may crash, and the copy must hold the same text,
// format bytes and tables.
#include "script_reader.h"
#include <zeledit/controls.h>

#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using fuzz::Reader;

constexpr UINT ScalarMessages[] = {EFM_SETSELTEXT,        EFM_SETINDEX,
                                   EFM_DELETEDATA,        EFM_CHANGECHAR,
                                   EFM_INSERTPARA,        EFM_INSERTPARABREAKFORMATEX,
                                   EFM_MOVEKEY,           EFM_FORMATSTYLE,
                                   EFM_GETSELSTYLE,       EFM_APPLYFONTFAST,
                                   EFM_APPLYPARAFAST,     EFM_SETFONTCOLOR,
                                   EFM_SETPARACOLOR,      EFM_CHANGEFONTSIZE,
                                   EFM_ENLARGEREDUCEFONT, EFM_SETMONOCHROME,
                                   EFM_DELETEPARAS,       EFM_CLEARFORMATS,
                                   EFM_COMPACT,           EFM_DELETEDOUBLESPACEPARAS,
                                   EFM_SETHIGHLIGHT,      EFM_HIGHLIGHTWORDAT,
                                   EFM_MARKRANGE,         EFM_UNMARKRANGE,
                                   EFM_MARKWORDAT,        EFM_UNMARKWORDAT,
                                   EFM_CLEARMARKS,        EFM_SETMARKTYPE,
                                   EFM_SETHIGHLIGHTSTYLE, EFM_ISHYPERLINKAT,
                                   EFM_SETTOPINDEX,       EFM_GETTOPINDEX,
                                   EFM_GETLINEOFINDEX,    EFM_REFRESH,
                                   EFM_SETEDITTYPE,       EFM_SETHASSCROLL,
                                   EFM_ENABLEFITOBJS,     EFM_HIDEOBJECTS,
                                   EFM_ENABLEVIETKEY,     EFM_SETLANGUAGE,
                                   EFM_SETHOTKEY,         EFM_GETHOTKEY,
                                   EFM_SETMODIFIED,       EFM_SETMAXBUFFERSIZE,
                                   EFM_ENABLEMODIFY,      EFM_DISABLEMODIFY,
                                   EFM_SETEDITORSTATE,    EFM_SETBACKGROUND,
                                   EFM_SETBITMAPMODE,     EFM_GETOBJECT,
                                   EFM_GETOBJECTINFO,     EFM_GETOBJINFOID,
                                   EFM_GETOBJDATAID,      EFM_GETOBJECTINDEX,
                                   EFM_RESETOBJECT,       EFM_GETFONTCOLOR,
                                   EFM_GETPARACOLOR,      EFM_GETFONTITEM,
                                   EFM_GETPARAITEM,       EFM_GETSELFORMAT,
                                   EFM_GETSELPARAFORMAT,  EFM_GETDOCUMENTHEIGHT,
                                   EFM_CLEARTEXT,         EFM_NEWDOCUMENT,
                                   EFM_REPAGINATE,        EFM_BEGINPRINT,
                                   EFM_BEGINPREVIEW,      EFM_ENDPRINT,
                                   EFM_GETCURRENTPAGE,    EFM_PRINTERCHANGE};

constexpr UINT Keys[] = {VK_LEFT, VK_RIGHT,  VK_UP,   VK_DOWN,   VK_HOME, VK_END,    VK_PRIOR,
                         VK_NEXT, VK_DELETE, VK_BACK, VK_RETURN, VK_TAB,  VK_INSERT, 'Z',
                         'B',     'V',       'C',     'X',       VK_F5};

// Values a host might send: around the text's length, small numbers, and the extremes.
LPARAM Value(Reader& r, LRESULT length) {
    switch (r.byte() % 6) {
    case 0: return static_cast<LPARAM>(r.byte());
    case 1: return static_cast<LPARAM>(length) + static_cast<std::int8_t>(r.byte());
    case 2: return MAKELPARAM(r.word() % (length + 3), r.word() % (length + 3));
    case 3: return static_cast<LPARAM>(static_cast<std::int32_t>(r.word() | r.word() << 16));
    case 4: return -1;
    default: return static_cast<LPARAM>(0x7FFFFFFF) * (r.byte() & 1 ? 1 : -1);
    }
}

std::u16string SomeText(Reader& r) {
    static constexpr char16_t units[] = u"ab cđêế\r\n\t.,1\x01\x00\u0301";
    std::u16string text;
    for (int n = r.byte() % 12; n > 0; --n) text += units[r.byte() % (sizeof units / sizeof *units)];
    return text;
}

// Inches as a host might get them wrong: ordinary, negative, huge or not a number.
double Inches(Reader& r) {
    switch (r.byte() % 8) {
    case 0: return -1.5;
    case 1: return 1e300;
    case 2: return __builtin_nan("");
    default: return r.byte() / 32.0;
    }
}

HDC printer = nullptr, canvas = nullptr;
WNDPROC editor_proc = nullptr;

// The host lends a PDF printer.
LRESULT CALLBACK Host(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == EFN_QUERYPRINTER) return reinterpret_cast<LRESULT>(printer);
    return CallWindowProcW(editor_proc, w, msg, wParam, lParam);
}

void SendPageRecord(HWND editor, Reader& r) {
    switch (r.byte() % 4) {
    case 0: {
        TPageRec p{};
        p.pgTop = Inches(r);
        p.pgBottom = Inches(r);
        p.pgLeft = Inches(r);
        p.pgRight = Inches(r);
        p.pgScale = r.word();
        p.pgTabNumber = r.byte() & 0x80 ? r.word() : r.byte() % 4;
        SendMessageW(editor, EFM_SETPAGE, 0, reinterpret_cast<LPARAM>(&p));
        break;
    }
    case 1: {
        TPrintPageRequest request{r.word(), {}, 0};
        SendMessageW(editor, EFM_PRINTPAGE, reinterpret_cast<WPARAM>(printer),
                     reinterpret_cast<LPARAM>(&request));
        break;
    }
    case 2: {
        TPreviewRequest request{canvas, r.word(), {}, r.word()};
        SendMessageW(editor, EFM_PAGEPREVIEW, 0, reinterpret_cast<LPARAM>(&request));
        break;
    }
    default: {
        RECT rect{};
        SendMessageW(editor, EFM_PREVIEWPAGEDC, reinterpret_cast<WPARAM>(canvas), r.word());
        SendMessageW(editor, EFM_GETPREVIEWRECT, r.word(), reinterpret_cast<LPARAM>(&rect));
        break;
    }
    }
}

void SendRecord(HWND editor, Reader& r, LRESULT length) {
    switch (r.byte() % 7) {
    case 5: SendPageRecord(editor, r); break;
    case 0: {
        const std::u16string text = SomeText(r);
        SendMessageW(editor, EFM_INSERTTEXT, static_cast<WPARAM>(Value(r, length)),
                     reinterpret_cast<LPARAM>(text.c_str()));
        break;
    }
    case 1: {
        TCharFormat f{};
        SendMessageW(editor, EFM_GETFONTTOREC, r.byte() % 4, reinterpret_cast<LPARAM>(&f));
        f.ftHeight = static_cast<std::int16_t>(r.word());
        f.ftAttr = r.byte();
        f.ftUnderline = r.byte();
        f.ftScript = static_cast<std::int16_t>(static_cast<std::int8_t>(r.byte()));
        SendMessageW(editor, r.byte() & 1 ? EFM_SETCHARFORMAT : EFM_ADDFONTFORMAT,
                     reinterpret_cast<WPARAM>(editor), reinterpret_cast<LPARAM>(&f));
        break;
    }
    case 2: {
        TParaFormat p{};
        SendMessageW(editor, EFM_GETPARATOREC, r.byte() % 4, reinterpret_cast<LPARAM>(&p));
        p.ptAlign = r.byte() % 5;
        p.ptIndent.inLeft = static_cast<std::int8_t>(r.byte()) / 8.0;
        p.ptIndent.inFirst = static_cast<std::int8_t>(r.byte()) / 8.0;
        p.ptBullet.blPresent = r.byte() & 1;
        p.ptBefore = r.word();
        p.ptLineSpacing = static_cast<std::uint32_t>(r.word()) << 16 | (r.byte() % 4);
        SendMessageW(editor, r.byte() & 1 ? EFM_SETPARAFORMAT : EFM_ADDPARAFORMAT,
                     reinterpret_cast<WPARAM>(editor), reinterpret_cast<LPARAM>(&p));
        break;
    }
    case 3: {
        const std::u16string text = SomeText(r);
        TFindRecord find{static_cast<std::int32_t>(Value(r, length)), text.c_str(), r.byte(), r.byte()};
        SendMessageW(editor, EFM_FIND, static_cast<WPARAM>(static_cast<std::int8_t>(r.byte())),
                     reinterpret_cast<LPARAM>(&find));
        break;
    }
    case 4: {
        const std::u16string find = SomeText(r), with = SomeText(r);
        TReplaceAllRecord all{find.c_str(), with.c_str(), nullptr, r.byte()};
        SendMessageW(editor, EFM_REPLACEALL, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&all));
        break;
    }
    default: {
        const TInsertHyperLink link{static_cast<std::int32_t>(Value(r, length)),
                                    static_cast<std::int32_t>(Value(r, length)), "target", r.byte()};
        SendMessageW(editor, EFM_INSERTHYPERLINK, 0, reinterpret_cast<LPARAM>(&link));
        break;
    }
    }
}

void Key(Reader& r) {
    const UINT key = Keys[r.byte() % (sizeof Keys / sizeof *Keys)];
    const bool ctrl = r.byte() & 1, shift = r.byte() & 1;
    if (ctrl) zeledit::headless::KeyDown(VK_CONTROL);
    if (shift) zeledit::headless::KeyDown(VK_SHIFT);
    zeledit::headless::KeyPress(key);
    if (shift) zeledit::headless::KeyUp(VK_SHIFT);
    if (ctrl) zeledit::headless::KeyUp(VK_CONTROL);
}

struct Snapshot {
    std::u16string text;
    std::vector<std::uint8_t> formats;
    LRESULT fonts, paras;
};

Snapshot Take(HWND editor) {
    const auto length = static_cast<std::size_t>(SendMessageW(editor, EFM_GETTEXTLENGTH, 0, 0));
    const auto* text = reinterpret_cast<const char16_t*>(SendMessageW(editor, EFM_GETTEXTBUFFER, 0, 0));
    const auto* formats =
        reinterpret_cast<const std::uint8_t*>(SendMessageW(editor, EFM_GETFORMATBUFFER, 0, 0));
    return {{text, length},
            {formats, formats + length},
            SendMessageW(editor, EFM_GETFONTCOUNT, 0, 0),
            SendMessageW(editor, EFM_GETPARACOUNT, 0, 0)};
}

// The copy through the data block holds what the original holds.
void RoundTrip(HWND editor, HWND copy) {
    auto block = reinterpret_cast<HGLOBAL>(SendMessageW(editor, EFM_GETDATA, 0, 0));
    if (block == nullptr) __builtin_trap();
    const bool loaded = SendMessageW(copy, EFM_SETDATA, 0, reinterpret_cast<LPARAM>(block)) != 0;
    GlobalFree(block);
    const Snapshot a = Take(editor), b = Take(copy);
    if (!loaded || a.text != b.text || a.formats != b.formats || a.fonts != b.fonts || a.paras != b.paras)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zeledit::headless::Reset();
    zeledit::headless::UseManualClock(0);
    InitEditorLib();
    zeledit::SetDialogHook([](HWND dialog) { SendMessageW(dialog, WM_CLOSE, 0, 0); });
    const auto make = [] {
        return CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                               nullptr, nullptr);
    };
    HWND editor = make(), copy = make();
    printer = CreateDCW(u"PDF", nullptr, nullptr, nullptr);
    canvas = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(canvas, 200, 280);
    SelectObject(canvas, bitmap);
    editor_proc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Host)));
    SetFocus(editor);
    Reader r{data, size};
    for (int step = 1; r.more() && step < 300; ++step) {
        const LRESULT length = SendMessageW(editor, EFM_GETTEXTLENGTH, 0, 0);
        switch (r.byte() % 8) {
        case 0:
        case 1: {
            const UINT msg = ScalarMessages[r.byte() % (sizeof ScalarMessages / sizeof *ScalarMessages)];
            const WPARAM w = static_cast<WPARAM>(Value(r, length));
            SendMessageW(editor, msg, w, Value(r, length));
            break;
        }
        case 2: SendRecord(editor, r, length); break;
        case 3:
            SendMessageW(editor, WM_CHAR,
                         r.byte() % 3 == 0 ? u"aê1 \r\t\b"[r.byte() % 7] : 'a' + r.byte() % 26, 0);
            break;
        case 4: Key(r); break;
        case 5: {
            const int x = r.byte(), y = r.byte() % 200;
            zeledit::headless::Click(
                r.byte() & 1 ? zeledit::headless::Button::Left : zeledit::headless::Button::Right, x, y);
            break;
        }
        case 6: zeledit::headless::Wheel(r.byte() & 1 ? 120 : -120, 10, 10); break;
        default: zeledit::headless::AdvanceClock(r.byte() * 20); break;
        }
        zeledit::headless::PumpMessages(2000);
        if (step % 16 == 0) RoundTrip(editor, copy);
    }
    RoundTrip(editor, copy);
    SendMessageW(editor, EFM_ENDPRINT, 0, 0);
    DeleteDC(canvas);
    DeleteObject(bitmap);
    DeleteDC(printer);
    zeledit::SetDialogHook({});
    return 0;
}
