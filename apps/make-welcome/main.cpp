// Writes samples/welcome.zdf, the document the demo opens, through the editor control:
// formats are added to its tables, text is inserted in them, paragraphs are broken with
// their formats and alignments, and a picture drawn here is pasted in.
#include <zeledit/controls.h>
#include <zeledit/format_editor.h>
#include <zeledit/zeledit.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

std::unique_ptr<zeledit::TFormatEditorControl> editor;

std::uint8_t Font(const char* face, int points, int attr, COLORREF colour, int underline = 0,
                  COLORREF line = 0) {
    TCharFormat f = editor->Characters().Formats(0);
    std::memset(f.ftFaceName, 0, sizeof f.ftFaceName);
    std::strncpy(f.ftFaceName, face, sizeof f.ftFaceName - 1);
    f.ftHeight = static_cast<std::int16_t>(points);
    f.ftAttr = static_cast<std::uint8_t>(attr);
    f.ftColor = colour;
    f.ftUnderline = static_cast<std::int16_t>(underline);
    f.ftUnderlineColor = line;
    f.ftStrikeColor = colour;
    return static_cast<std::uint8_t>(editor->Characters().AddFormat(f));
}

void Text(std::u16string_view text, std::uint8_t format) {
    editor->Characters().InsertFormatText(text, format);
}

// Ends the paragraph being written with this paragraph format and alignment.
void EndParagraph(std::uint8_t para, std::uint8_t align = 0) {
    editor->Characters().InsertParagraphFormat(align, para);
}

// A landscape drawn as any program draws, handed to the editor through the clipboard.
void Picture() {
    constexpr int width = 240, height = 120;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
    HGDIOBJ old_pen = SelectObject(dc, GetStockObject(NULL_PEN));
    for (int y = 0; y < height; y += 6) { // the sky lightens towards the horizon
        const RECT band{0, y, width, y + 6};
        HBRUSH brush = CreateSolidBrush(RGB(110 + y, 160 + y / 2, 235));
        FillRect(dc, &band, brush);
        DeleteObject(brush);
    }
    const auto ellipse = [&](COLORREF colour, int left, int top, int right, int bottom) {
        HBRUSH brush = CreateSolidBrush(colour);
        HGDIOBJ old = SelectObject(dc, brush);
        Ellipse(dc, left, top, right, bottom);
        SelectObject(dc, old);
        DeleteObject(brush);
    };
    ellipse(RGB(255, 214, 64), 168, 14, 212, 58); // the sun
    ellipse(RGB(70, 150, 80), -60, 72, 140, 200); // two hills
    ellipse(RGB(40, 120, 70), 90, 82, 300, 210);
    SelectObject(dc, old_pen);
    SelectObject(dc, old_bitmap);
    DeleteDC(dc);
    OpenClipboard(editor->Handle());
    EmptyClipboard();
    SetClipboardData(CF_BITMAP, bitmap); // the clipboard owns it now
    CloseClipboard();
    editor->Command(EFC_PASTE);
}

} // namespace

int main(int argc, char** argv) {
    const char* out = argc > 1 ? argv[1] : "samples/welcome.zdf";
    HWND frame =
        CreateWindowExW(0, PanelClassName, u"", 0, 0, 0, 600, 400, nullptr, nullptr, nullptr, nullptr);
    editor = std::make_unique<zeledit::TFormatEditorControl>(frame, RECT{0, 0, 600, 400});
    const std::uint8_t body = Font("Liberation Serif", 12, 0, RGB(0, 0, 0));
    const std::uint8_t title = Font("Liberation Sans", 22, 1, RGB(20, 60, 140));
    const std::uint8_t bold = Font("Liberation Serif", 12, 1, RGB(0, 0, 0));
    const std::uint8_t italic = Font("Liberation Serif", 12, 2, RGB(120, 0, 80));
    const std::uint8_t wave = Font("Liberation Serif", 12, 0, RGB(0, 0, 0), 13, RGB(220, 0, 0));
    const std::uint8_t dotted = Font("Liberation Serif", 12, 0, RGB(0, 110, 0), 7, RGB(0, 110, 0));
    const std::uint8_t mono = Font("Liberation Mono", 11, 0, RGB(90, 90, 90));

    TParaFormat plain = editor->Paragraphs().Paragraphs(0);
    plain.ptAfter = 6;
    const auto normal = static_cast<std::uint8_t>(editor->Paragraphs().AddFormat(plain));
    Text(u"Chào mừng — Welcome to zeledit", title);
    EndParagraph(normal, 1);
    Text(u"A formatted-text editor for ", body);
    Text(u"Vietnamese", bold);
    Text(u" and ", body);
    Text(u"English", italic);
    Text(u" documents: fonts, sizes and colours, ", body);
    Text(u"wavy", wave);
    Text(u" and ", body);
    Text(u"dotted", dotted);
    Text(u" underlines, and paragraphs laid out as you type.", body);
    EndParagraph(normal, 3);
    Picture();
    EndParagraph(normal, 1);
    // A format is added when it is first used: an entry no paragraph uses yet is taken over
    // by the next format added.
    TParaFormat boxed = plain;
    const TBorderEdge edge{0x26, 4.0, RGB(20, 60, 140)};
    boxed.ptBorder = {edge, edge, edge, edge};
    boxed.ptShading = RGB(255, 248, 225);
    boxed.ptIndent = {0.0, 0.35, 0.3};
    boxed.ptBullet.blPresent = 1;
    boxed.ptBullet.blHanging = 1;
    boxed.ptBullet.blColor = RGB(20, 60, 140);
    for (TTab& tab : boxed.ptTabs.tabs) tab.tbLeader = 1;
    const auto box = static_cast<std::uint8_t>(editor->Paragraphs().AddFormat(boxed));

    Text(u"Gõ tiếng Việt: press F5, then type a vowel and a digit — a1 gives á, a61 gives ấ.", body);
    EndParagraph(box);
    Text(u"Boxed, shaded and bulleted\tpage 1", body);
    EndParagraph(box);
    Text(u"Tiếng Việt có dấu: Hà Nội, Huế, Đà Nẵng, Thành phố Hồ Chí Minh.", body);
    EndParagraph(normal);
    Text(u"zdfconv info samples/welcome.zdf", mono);
    const bool saved = editor->SaveDocument(std::string_view(out));
    editor.reset();
    DestroyWindow(frame);
    if (!saved) {
        std::fprintf(stderr, "make-welcome: cannot write %s: %s\n", out,
                     zeledit::ToUtf8(GetLastFileError()).c_str());
        return 1;
    }
    return 0;
}
