// zdfconv: document files from the command line. Every command works through an editor
// window of the library, as any host would, without a display.
#include "document_summary.h"
#include "platform/core/text.h"
#include "print_host.h"
#include "storage/document_file.h"

#include <zeledit/headless.h>
#include <zeledit/zeledit.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace {

constexpr int Ok = 0, Usage = 1, Failed = 2;
constexpr int MaxRenderHeight = 32000; // what one picture surface holds

const char* const Help[] = {
    "usage: zdfconv COMMAND ... (zdfconv COMMAND --help for one command)\n"
    "  info FILE                     generation, kind and counts of a document\n"
    "  totext FILE.zdf OUT.txt       the document's text as UTF-8\n"
    "  fromtext IN.txt OUT.zdf       a document of a UTF-8 text file\n"
    "  render FILE.zdf OUT.png [--width N] [--from-line L]   the laid-out document\n"
    "                                as a picture\n"
    "  pdf FILE.zdf OUT.pdf [options]   the document printed to a PDF file\n"
    "  print FILE.zdf --printer NAME [options]   the document printed on a printer\n",
    "usage: zdfconv info FILE\n  prints the generation (1 to 6), the kind and the numbers of characters,\n"
    "  character and paragraph formats, objects and links\n",
    "usage: zdfconv totext FILE.zdf OUT.txt\n  writes the text as UTF-8; paragraphs end with a line feed "
    "and\n"
    "  embedded objects are left out\n",
    "usage: zdfconv fromtext IN.txt OUT.zdf\n  reads UTF-8 (a byte-order mark is skipped); every line "
    "becomes a\n"
    "  paragraph in the default formats\n",
    "usage: zdfconv render FILE.zdf OUT.png [--width N] [--from-line L]\n"
    "  lays the document out N pixels wide (default 800, 100 to 10000) and writes\n"
    "  it as a PNG from line L on (default 1). A picture is at most 32000 pixels\n"
    "  tall: when the rest of the document is taller, the picture ends with the\n"
    "  last line that fits, and the command says on standard error which\n"
    "  --from-line renders the next part\n",
    "usage: zdfconv pdf FILE.zdf OUT.pdf [--paper a4|letter|legal|a3|a5] [--landscape]\n"
    "         [--margins T,B,L,R] [--scale N] [--columns N] [--page-numbers]\n"
    "  prints the document to a PDF file at 600 dots per inch, as the editor prints\n"
    "  it: margins in inches (default 1,1,1.25,1.25), scale 10 to 100 percent,\n"
    "  1 to 10 text columns; --page-numbers puts \"Page N of M\" below each page\n"
    "  and the document's name above it. Prints the number of pages\n",
    "usage: zdfconv print FILE.zdf --printer NAME [options of pdf] [--copies N]\n"
    "  prints the document on a printer: PDF needs a file (use zdfconv pdf), the\n"
    "  others are the printers of the CUPS server (lpstat -p lists them)\n",
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

// The whole file, or why it cannot be read.
bool ReadFile(const std::string& path, std::string& out, std::string& why) {
    const auto size = zeledit::storage::FileSize(path);
    std::FILE* f = size ? std::fopen(path.c_str(), "rb") : nullptr;
    if (f == nullptr) {
        why =
            "cannot read " + (size ? path + ": " + std::strerror(errno) : zeledit::storage::LastFileError());
        return false;
    }
    out.resize(static_cast<std::size_t>(*size));
    const std::size_t got = std::fread(out.data(), 1, out.size(), f);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed || got != out.size()) {
        why = "cannot read " + path + ": " +
              (failed ? std::strerror(errno) : "the file changed while it was read");
        return false;
    }
    return true;
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
    unsigned char head[2];
    if (!zeledit::storage::FileSize(path) || !zeledit::storage::ReadFileStart(path, head)) {
        why = "cannot read " + zeledit::storage::LastFileError();
        if (zeledit::storage::FileSize(path) == 0) why = path + " is not a document file: it is empty";
        return false;
    }
    if (Identify(path).generation == 0) {
        why = path + " is not a document file";
        return false;
    }
    const std::u16string name = Wide(path);
    if (SendMessageW(editor, EFM_LOADDOC, 0, reinterpret_cast<LPARAM>(name.c_str())) != 0) return true;
    why = zeledit::platform::to_utf8(GetLastFileError()); // too large, cut short, damaged...
    if (why.empty()) why = path + ": the editor refuses it";
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

// Writes the whole output or nothing: a failed write leaves no partial file behind.
int Write(const std::string& path, const std::string& bytes) {
    const auto result = zeledit::storage::WriteWholeFile(
        path, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    return result ? Ok : Fail("cannot write " + result.reason);
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
    return Write(out, zeledit::platform::to_utf8(plain));
}

// Paragraph text of UTF-8 bytes. What cannot be kept is counted: bytes that are no UTF-8
// (each becomes U+FFFD) and control characters other than tab and line ends (left out).
struct DecodedText {
    std::u16string text;
    std::size_t replaced = 0, dropped = 0;
};

DecodedText Decode(std::string bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
    DecodedText out;
    const std::u16string decoded = zeledit::platform::from_utf8(bytes);
    std::size_t genuine = 0; // U+FFFD written as such in the file
    for (std::size_t at = bytes.find("\xEF\xBF\xBD"); at != std::string::npos;
         at = bytes.find("\xEF\xBF\xBD", at + 3))
        ++genuine;
    out.replaced = static_cast<std::size_t>(std::count(decoded.begin(), decoded.end(), u'\uFFFD')) - genuine;
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const char16_t c = decoded[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < decoded.size() && decoded[i + 1] == u'\n') ++i;
            out.text += u"\r\n";
        } else if (c >= 32 || c == u'\t') {
            out.text += c;
        } else {
            ++out.dropped;
        }
    }
    return out;
}

int FromText(const std::string& in, const std::string& out) {
    std::string bytes, why;
    if (!ReadFile(in, bytes, why)) return Fail(why);
    const DecodedText decoded = Decode(std::move(bytes));
    if (decoded.replaced > 0)
        std::fprintf(stderr, "zdfconv: %s: %zu %s not UTF-8; each became U+FFFD\n", in.c_str(),
                     decoded.replaced, decoded.replaced == 1 ? "byte is" : "bytes are");
    if (decoded.dropped > 0)
        std::fprintf(stderr, "zdfconv: %s: %zu control %s left out (NUL and the like)\n", in.c_str(),
                     decoded.dropped, decoded.dropped == 1 ? "character was" : "characters were");
    HWND editor = MakeEditor(800);
    SendMessageW(editor, EFM_INSERTTEXT, 0, reinterpret_cast<LPARAM>(decoded.text.c_str()));
    if (static_cast<std::size_t>(SendMessageW(editor, EFM_GETTEXTLENGTH, 0, 0)) != decoded.text.size())
        return Fail("the text of " + in + " does not fit a document");
    const std::u16string name = Wide(out);
    if (SendMessageW(editor, EFM_SAVEDOC, 0, reinterpret_cast<LPARAM>(name.c_str())) == 0)
        return Fail("cannot write " + zeledit::platform::to_utf8(GetLastFileError()));
    return Ok;
}

// Lines are found through the editor's messages only: a line's start by the line of each
// index, and whether a line is wholly in view by the caret, which scrolls the view when it
// is put on a line that is not.
class LineProbe {
public:
    explicit LineProbe(HWND editor) : editor_(editor) {}

    std::int32_t LineOf(std::uint32_t index) const {
        return static_cast<std::int32_t>(
            SendMessageW(editor_, EFM_GETLINEOFINDEX, 0, static_cast<LPARAM>(index)));
    }
    std::int32_t Count() const { return LineOf(Length()) + 1; }
    // A line's start also ends the line before it, and counts as that one's: the start is
    // the index before the first one that counts as the line's own.
    std::uint32_t Start(std::int32_t line) const {
        if (line <= 0) return 0;
        std::uint32_t low = 0, high = Length();
        while (low < high) {
            const std::uint32_t mid = low + (high - low) / 2;
            if (LineOf(mid) < line)
                low = mid + 1;
            else
                high = mid;
        }
        return low - 1;
    }
    // Whether `line` is wholly in view with `top` as the first line.
    bool Shown(std::int32_t top, std::int32_t line) const {
        const std::uint32_t first = Start(top);
        SendMessageW(editor_, EFM_SETTOPINDEX, first, 0);
        // Just past the start: the start itself would put the caret at the end of the line above.
        SendMessageW(editor_, EFM_SETINDEX, 0, static_cast<LPARAM>(std::min(Start(line) + 1, Length())));
        return static_cast<std::uint32_t>(SendMessageW(editor_, EFM_GETTOPINDEX, 0, 0)) == first;
    }
    // The last line wholly in view below `top`, or top - 1 when not even that one is.
    std::int32_t LastShown(std::int32_t top) const {
        std::int32_t low = top - 1, high = Count() - 1;
        while (low < high) {
            const std::int32_t mid = low + (high - low + 1) / 2;
            if (Shown(top, mid))
                low = mid;
            else
                high = mid - 1;
        }
        return low;
    }

private:
    std::uint32_t Length() const {
        return static_cast<std::uint32_t>(SendMessageW(editor_, EFM_GETTEXTLENGTH, 0, 0));
    }
    HWND editor_;
};

void Resize(HWND editor, int width, int height) {
    SetWindowPos(editor, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOMOVE);
}

// The least window height that shows line `last` whole below `top` (which it does at the
// largest height). The answer is bracketed from `guess` in doubling steps, then halved: few
// tries, few of them at tall, costly heights.
int LeastHeightShowing(HWND editor, int width, const LineProbe& lines, std::int32_t top, std::int32_t last,
                       int guess) {
    const auto shows = [&](int h) {
        Resize(editor, width, h);
        return lines.Shown(top, last);
    };
    int low = 0, high = MaxRenderHeight; // low never shows the line, high always does
    if (shows(guess)) {
        high = guess;
        for (int step = 64; high - step > 0 && low == 0; step *= 2) {
            if (shows(high - step))
                high -= step;
            else
                low = high - step;
        }
    } else {
        low = guess;
        for (int step = 64; low + step < MaxRenderHeight && high == MaxRenderHeight; step *= 2) {
            if (shows(low + step))
                high = low + step;
            else
                low += step;
        }
    }
    while (high - low > 1) {
        const int mid = low + (high - low) / 2;
        (shows(mid) ? high : low) = mid;
    }
    return high;
}

int Render(const std::string& in, const std::string& out, int width, std::int32_t from) {
    HWND editor = MakeEditor(width);
    std::string why;
    if (!Load(editor, in, why)) return Fail(why);
    const LineProbe lines(editor);
    const std::int32_t count = lines.Count(), top = from - 1;
    if (top >= count)
        return Fail(in + " has " + std::to_string(count) + " lines; there is no line " +
                    std::to_string(from));
    const auto height = static_cast<int>(SendMessageW(editor, EFM_GETDOCUMENTHEIGHT, 0, 0));
    std::int32_t last = count - 1;
    int picture = std::clamp(height + 10, 50, MaxRenderHeight);
    if (top > 0 || height + 10 > MaxRenderHeight) {
        // From a later line, or more than a picture holds: as tall as the lines that fit.
        // Hidden while the lines are probed, the window moves no pixels when it scrolls.
        ShowWindow(editor, SW_HIDE);
        Resize(editor, width, MaxRenderHeight);
        last = lines.LastShown(top);
        if (last >= top) {
            // Cut at the limit, the answer lies just below it; the rest of a document takes
            // about its share of the document's height.
            const int rest = static_cast<int>(std::int64_t{height} * (count - top) / count);
            const int guess = last < count - 1 ? MaxRenderHeight : std::clamp(rest, 1, MaxRenderHeight);
            picture =
                LeastHeightShowing(editor, width, lines, top, last, guess) + (last == count - 1 ? 10 : 0);
        } else {
            picture = MaxRenderHeight; // one line taller than a picture: its top part
        }
    }
    Resize(editor, width, picture);
    ShowWindow(editor, SW_SHOW);
    SendMessageW(editor, EFM_SETTOPINDEX, lines.Start(top), 0);
    InvalidateRect(editor, nullptr, TRUE);
    UpdateWindow(editor);
    if (!zeledit::headless::WritePng(editor, out.c_str())) return Fail("cannot write " + out);
    if (last < top)
        std::fprintf(stderr,
                     "zdfconv: line %d is taller than a picture can be (%d pixels); %s shows its top\n", from,
                     MaxRenderHeight, out.c_str());
    else if (last < count - 1)
        std::fprintf(stderr,
                     "zdfconv: a picture is at most %d pixels tall: %s shows lines %d to %d of %d; "
                     "--from-line %d renders the next part\n",
                     MaxRenderHeight, out.c_str(), from, last + 1, count, last + 2);
    return Ok;
}

// Prints the document on the settings' printer, to `out` when it is not empty.
int Print(const std::string& in, const std::string& out, printhost::Settings settings) {
    HWND editor = MakeEditor(800);
    std::string why;
    if (!Load(editor, in, why)) return Fail(why);
    settings.document_name = std::filesystem::path(in).filename().u16string();
    std::u16string reason;
    const int pages = printhost::PrintDocument(editor, settings, Wide(out), reason);
    if (pages == 0) return Fail(zeledit::platform::to_utf8(reason));
    std::printf("%d %s\n", pages, pages == 1 ? "page" : "pages");
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

// A whole number from the command line within [low, high].
bool Number(const char* text, long low, long high, long& out) {
    char* end = nullptr;
    errno = 0;
    out = std::strtol(text, &end, 10);
    return end != text && *end == 0 && errno == 0 && out >= low && out <= high;
}

int RenderCommand(std::span<char*> rest) {
    long width = 800, from = 1;
    for (std::size_t i = 2; i + 1 < rest.size(); i += 2) {
        const std::string option = rest[i];
        if (option == "--width" && Number(rest[i + 1], 100, 10000, width)) continue;
        if (option == "--from-line" && Number(rest[i + 1], 1, 0x7FFFFFFF, from)) continue;
        return Usage_(4);
    }
    return Render(rest[0], rest[1], static_cast<int>(width), static_cast<std::int32_t>(from));
}

bool Paper(const std::string& name, short& paper) {
    static constexpr std::pair<const char*, short> papers[] = {{"a4", DMPAPER_A4},
                                                               {"letter", DMPAPER_LETTER},
                                                               {"legal", DMPAPER_LEGAL},
                                                               {"a3", DMPAPER_A3},
                                                               {"a5", DMPAPER_A5}};
    for (const auto& [n, code] : papers)
        if (name == n) paper = code;
    return std::any_of(std::begin(papers), std::end(papers), [&](const auto& p) { return name == p.first; });
}

// Four inch values "T,B,L,R", each 0 to 10.
bool Margins(const std::string& text, TPageRec& page) {
    double v[4];
    std::size_t at = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t end = text.find(',', at);
        if ((end == std::string::npos) != (i == 3)) return false;
        const std::string part = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        char* stop = nullptr;
        v[i] = std::strtod(part.c_str(), &stop);
        if (part.empty() || *stop != 0 || !(v[i] >= 0 && v[i] <= 10)) return false;
        at = end + 1;
    }
    page.pgTop = v[0];
    page.pgBottom = v[1];
    page.pgLeft = v[2];
    page.pgRight = v[3];
    return true;
}

// The options of pdf and print from `rest[first]` on.
bool PrintOptions(std::span<char*> rest, std::size_t first, bool printer, printhost::Settings& settings) {
    for (std::size_t i = first; i < rest.size(); ++i) {
        const std::string option = rest[i];
        const bool has_value = i + 1 < rest.size();
        long n = 0;
        if (option == "--page-numbers") {
            settings.page_numbers = true;
        } else if (option == "--landscape") {
            settings.landscape = true;
        } else if (!has_value) {
            return false;
        } else if (option == "--paper" && Paper(rest[++i], settings.paper)) {
        } else if (option == "--margins" && Margins(rest[++i], settings.page)) {
        } else if (option == "--scale" && Number(rest[i + 1], 10, 100, n)) {
            settings.page.pgScale = static_cast<std::uint16_t>(n);
            ++i;
        } else if (option == "--columns" && Number(rest[i + 1], 1, 10, n)) {
            settings.page.pgTabNumber = static_cast<std::uint16_t>(n);
            ++i;
        } else if (printer && option == "--copies" && Number(rest[i + 1], 1, 999, n)) {
            settings.copies = static_cast<short>(n);
            ++i;
        } else if (printer && option == "--printer") {
            settings.printer = zeledit::platform::from_utf8(rest[++i]);
        } else {
            return false;
        }
    }
    return true;
}

int PdfCommand(std::span<char*> rest) {
    printhost::Settings settings;
    if (rest.size() < 2 || !PrintOptions(rest, 2, false, settings)) return Usage_(5);
    return Print(rest[0], rest[1], settings);
}

int PrintCommand(std::span<char*> rest) {
    printhost::Settings settings;
    settings.printer.clear();
    if (rest.empty() || !PrintOptions(rest, 1, true, settings) || settings.printer.empty()) return Usage_(6);
    if (settings.printer == u"PDF") return Fail("the PDF printer writes files: use zdfconv pdf");
    return Print(rest[0], {}, settings);
}

int Run(int argc, char** argv) {
    const std::span<char*> args(argv + 1, static_cast<std::size_t>(std::max(argc - 1, 0)));
    if (args.empty()) return Usage_(0);
    const std::string command = args[0];
    const auto rest = args.subspan(1);
    const bool help = WantsHelp(rest);
    static constexpr const char* commands[] = {"info", "totext", "fromtext", "render", "pdf", "print"};
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
    if (command == "render" && rest.size() >= 2 && rest.size() % 2 == 0) return RenderCommand(rest);
    if (command == "pdf") return PdfCommand(rest);
    if (command == "print") return PrintCommand(rest);
    return Usage_(which);
}

} // namespace

int main(int argc, char** argv) {
    // Past a file size limit a write fails with EFBIG instead of ending the process, so the
    // temporary file is removed and the reason told.
    std::signal(SIGXFSZ, SIG_IGN);
    InitEditorLib();
    // No input may end the converter without its own message and status.
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        return Fail(std::string("failed: ") + e.what());
    } catch (...) {
        return Fail("failed for an unknown reason");
    }
}
