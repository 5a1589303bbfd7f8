// zdfconv: document files from the command line. Every command works through an editor
// window of the library, as any host would, without a display.
#include "document_summary.h"
#include "platform/core/text.h"

#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

namespace {

constexpr int Ok = 0, Usage = 1, Failed = 2;
constexpr int MaxRenderHeight = 32000;

const char* const Help[] = {
    "usage: zdfconv COMMAND ... (zdfconv COMMAND --help for one command)\n"
    "  info FILE                     generation, kind and counts of a document\n"
    "  totext FILE.zdf OUT.txt       the document's text as UTF-8\n"
    "  fromtext IN.txt OUT.zdf       a document of a UTF-8 text file\n"
    "  render FILE.zdf OUT.png [--width N]   the laid-out document as a picture\n",
    "usage: zdfconv info FILE\n  prints the generation (1 to 6), the kind and the numbers of characters,\n"
    "  character and paragraph formats, objects and links\n",
    "usage: zdfconv totext FILE.zdf OUT.txt\n  writes the text as UTF-8; paragraphs end with a line feed "
    "and\n"
    "  embedded objects are left out\n",
    "usage: zdfconv fromtext IN.txt OUT.zdf\n  reads UTF-8 (a byte-order mark is skipped); every line "
    "becomes a\n"
    "  paragraph in the default formats\n",
    "usage: zdfconv render FILE.zdf OUT.png [--width N]\n  lays the document out N pixels wide (default "
    "800,\n"
    "  100 to 10000) and writes it as a PNG as tall as the document\n",
};

int Fail(const std::string& message) {
    std::fprintf(stderr, "zdfconv: %s\n", message.c_str());
    return Failed;
}

std::u16string Wide(const std::string& path) { return zeledit::platform::from_utf8(path); }

// An editor window of the given width.
HWND MakeEditor(int width, int height = 200) {
    HWND w = CreateWindowExW(0, FormattedEditorClassName, u"", WS_VISIBLE, 0, 0, width, height, nullptr,
                             nullptr, nullptr, nullptr);
    SendMessageW(w, EFM_SETHASSCROLL, 0, 0);
    return w;
}

bool ReadFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), {});
    return !in.bad();
}

// The file's generation and kind from its identifier; generation 0 for no document.
zdfconv::DocumentSummary Identify(const std::string& path) {
    zdfconv::DocumentSummary summary;
    unsigned char id[2] = {};
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        if (std::fread(id, 1, 2, f) == 2)
            zdfconv::DescribeIdentifier(static_cast<std::uint16_t>(id[0] | id[1] << 8), summary);
        std::fclose(f);
    }
    return summary;
}

// Loads a document file, answering why not. Files that are no documents are refused here:
// the editor would ask whether to read them as text.
bool Load(HWND editor, const std::string& path, std::string& why) {
    if (Identify(path).generation == 0) {
        why = path + " is not a document file";
        return false;
    }
    const std::u16string name = Wide(path);
    if (SendMessageW(editor, EFM_LOADDOC, 0, reinterpret_cast<LPARAM>(name.c_str())) != 0) return true;
    why = path + " is damaged: the editor refuses it";
    return false;
}

int Info(const std::string& path) {
    zdfconv::DocumentSummary summary = Identify(path);
    HWND editor = MakeEditor(800);
    std::string why;
    if (!Load(editor, path, why)) return Fail(why);
    HGLOBAL block = reinterpret_cast<HGLOBAL>(SendMessageW(editor, EFM_GETDATA, 0, 0));
    const auto* data = static_cast<const std::uint8_t*>(GlobalLock(block));
    const bool counted = data != nullptr && zdfconv::CountBlock({data, GlobalSize(block)}, summary);
    GlobalUnlock(block);
    GlobalFree(block);
    if (!counted) return Fail("cannot read the loaded document back");
    std::printf("generation: %d\nkind: %s\ncharacters: %u\ncharacter formats: %d\nparagraph formats: %d\n"
                "objects: %d\nlinks: %d\n",
                summary.generation, summary.kind.c_str(), summary.characters, summary.character_formats,
                summary.paragraph_formats, summary.objects, summary.links);
    return Ok;
}

int ToText(const std::string& in, const std::string& out) {
    HWND editor = MakeEditor(800);
    std::string why;
    if (!Load(editor, in, why)) return Fail(why);
    const auto* text = reinterpret_cast<const char16_t*>(SendMessageW(editor, EFM_GETTEXTBUFFER, 0, 0));
    const auto length = static_cast<std::size_t>(SendMessageW(editor, EFM_GETTEXTLENGTH, 0, 0));
    std::u16string plain;
    for (std::size_t i = 0; i < length; ++i) {
        if (text[i] == 1) continue;                                         // an object
        if (text[i] == 13 && i + 1 < length && text[i + 1] == 10) continue; // the LF ends the line
        plain += text[i] == 13 ? u'\n' : text[i];
    }
    std::ofstream file(out, std::ios::binary);
    const std::string utf8 = zeledit::platform::to_utf8(plain);
    file.write(utf8.data(), static_cast<std::streamsize>(utf8.size()));
    return file.good() ? Ok : Fail("cannot write " + out);
}

int FromText(const std::string& in, const std::string& out) {
    std::string bytes;
    if (!ReadFile(in, bytes)) return Fail("cannot read " + in);
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
    std::u16string text;
    const std::u16string decoded = zeledit::platform::from_utf8(bytes);
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const char16_t c = decoded[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < decoded.size() && decoded[i + 1] == u'\n') ++i;
            text += u"\r\n";
        } else if (c >= 32 || c == u'\t') {
            text += c;
        }
    }
    HWND editor = MakeEditor(800);
    SendMessageW(editor, EFM_INSERTTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (static_cast<std::size_t>(SendMessageW(editor, EFM_GETTEXTLENGTH, 0, 0)) != text.size())
        return Fail("the text of " + in + " does not fit a document");
    const std::u16string name = Wide(out);
    if (SendMessageW(editor, EFM_SAVEDOC, 0, reinterpret_cast<LPARAM>(name.c_str())) == 0)
        return Fail("cannot write " + out);
    return Ok;
}

int Render(const std::string& in, const std::string& out, int width) {
    HWND editor = MakeEditor(width);
    std::string why;
    if (!Load(editor, in, why)) return Fail(why);
    const auto height = static_cast<int>(SendMessageW(editor, EFM_GETDOCUMENTHEIGHT, 0, 0));
    SetWindowPos(editor, nullptr, 0, 0, width, std::clamp(height + 10, 50, MaxRenderHeight),
                 SWP_NOZORDER | SWP_NOMOVE);
    InvalidateRect(editor, nullptr, TRUE);
    UpdateWindow(editor);
    if (!zeledit::headless::WritePng(editor, out.c_str())) return Fail("cannot write " + out);
    return Ok;
}

bool WantsHelp(std::span<char*> args) {
    return std::any_of(args.begin(), args.end(),
                       [](const char* a) { return std::string(a) == "--help" || std::string(a) == "-h"; });
}

int Usage_(int which) {
    std::fputs(Help[which], stderr);
    return Usage;
}

} // namespace

int main(int argc, char** argv) {
    InitEditorLib();
    const std::span<char*> args(argv + 1, static_cast<std::size_t>(std::max(argc - 1, 0)));
    if (args.empty()) return Usage_(0);
    const std::string command = args[0];
    const auto rest = args.subspan(1);
    const bool help = WantsHelp(rest);
    static constexpr const char* commands[] = {"info", "totext", "fromtext", "render"};
    const auto found = std::find(std::begin(commands), std::end(commands), command);
    if (found == std::end(commands)) {
        if (command == "--help" || command == "-h") {
            std::fputs(Help[0], stdout);
            return Ok;
        }
        std::fprintf(stderr, "zdfconv: unknown command \"%s\"\n", command.c_str());
        return Usage_(0);
    }
    const int which = static_cast<int>(found - std::begin(commands)) + 1;
    if (help) {
        std::fputs(Help[which], stdout);
        return Ok;
    }
    if (command == "info" && rest.size() == 1) return Info(rest[0]);
    if (command == "totext" && rest.size() == 2) return ToText(rest[0], rest[1]);
    if (command == "fromtext" && rest.size() == 2) return FromText(rest[0], rest[1]);
    if (command == "render" && (rest.size() == 2 || rest.size() == 4)) {
        int width = 800;
        if (rest.size() == 4) {
            if (std::string(rest[2]) != "--width") return Usage_(which);
            char* end = nullptr;
            const long w = std::strtol(rest[3], &end, 10);
            if (*end != 0 || w < 100 || w > 10000) return Usage_(which);
            width = static_cast<int>(w);
        }
        return Render(rest[0], rest[1], width);
    }
    return Usage_(which);
}
