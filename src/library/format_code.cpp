// Format code text: plain UTF-16 with bold, italic, underline, the Symbol face, the colour
// and the script position written inline as tilde codes. Both directions go through an
// editor window's messages only, so a host may use them on any editor it holds.
#include "platform/core/global_memory.h"
#include "platform/core/text.h"

#include <zeledit/editor_library.h>
#include <zeledit/editor_messages.h>
#include <zeledit/editor_records.h>
#include <zeledit/win_user.h>

#include <cstring>
#include <string>
#include <strings.h>
#include <vector>

namespace {

constexpr char16_t Tilde = u'~', CR = 13, LF = 10, ObjectMark = 1;
constexpr std::size_t MaxRun = 999; // units of text inserted at a time

bool IsSymbol(const TCharFormat& f) { return strncasecmp(f.ftFaceName, "Symbol", sizeof f.ftFaceName) == 0; }

void AppendColour(std::u16string& out, COLORREF colour) {
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    for (const int byte : {GetRValue(colour), GetGValue(colour), GetBValue(colour)}) {
        out += digits[byte >> 4];
        out += digits[byte & 15];
    }
}

// What the reader last set, as the writer follows it.
struct WrittenState {
    COLORREF colour, default_colour;
    int script = 0;
    bool bold = false, italic = false, underline = false, symbol = false;

    void Toggle(std::u16string& out, bool& state, bool now, char16_t code) {
        if (state == now) return;
        state = now;
        out += Tilde;
        out += code;
    }
    void Write(std::u16string& out, const TCharFormat& f) {
        if (f.ftColor != colour) {
            colour = f.ftColor;
            out += u"~C";
            if (colour == default_colour)
                out += u"000000";
            else
                AppendColour(out, colour);
        }
        // Only the three positions have codes: a tilde alone would swallow the next character.
        if (f.ftScript != script && f.ftScript >= -1 && f.ftScript <= 1) {
            script = f.ftScript;
            out += Tilde;
            out += script < 0 ? u'_' : script == 0 ? u'0' : u'-';
        }
        Toggle(out, bold, (f.ftAttr & 1) != 0, u'B');
        Toggle(out, italic, (f.ftAttr & 2) != 0, u'I');
        Toggle(out, underline, f.ftUnderline != 0, u'U');
        Toggle(out, symbol, IsSymbol(f), u'Y');
    }
};

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return 0;
}

// The reader: the current format, the run of text waiting for it, and the editor it fills.
class FormatCodeReader {
public:
    explicit FormatCodeReader(HWND window) : window_(window) {
        const auto* d = reinterpret_cast<const TCharFormat*>(SendMessageW(window, EFM_GETDEFAULTFONT, 0, 0));
        if (d != nullptr) current_ = *d;
        std::memcpy(default_face_, current_.ftFaceName, sizeof default_face_);
        SendMessageW(window, EFM_CLEARTEXT, 0, 0);
        current_.ftAttr = 0;
        current_.ftColor = GetSysColor(COLOR_WINDOWTEXT);
        current_.ftShadow = 0;
        current_.ftShadColor = 0;
        current_.ftScale = 100;
        current_.ftScript = 0;
        current_.ftUnderline = 0;
        current_.ftUnderlineColor = 0;
        current_.ftStrikethrough = 0;
        current_.ftStrikeColor = 0;
        current_.ftReserved = 0;
        FormatChanged();
    }

    void Read(const char16_t* s) {
        while (*s != 0) {
            const char16_t c = *s++;
            if (c == CR) {
                Flush();
                if (*s != 0) ++s; // the line feed
                SendMessageW(window_, EFM_INSERTPARA, 0, -1);
            } else if (c == Tilde) {
                Flush();
                if (*s != 0) s = Code(s);
            } else if (c >= 32) {
                run_ += c;
                if (run_.size() == MaxRun) Flush();
            }
        }
        Flush();
    }

private:
    // Applies the code at `s`; answers what follows it.
    const char16_t* Code(const char16_t* s) {
        switch (const char16_t code = *s++) {
        case u'B':
        case u'b': current_.ftAttr ^= 1; break;
        case u'I':
        case u'i': current_.ftAttr ^= 2; break;
        case u'U':
        case u'u':
            current_.ftUnderline = current_.ftUnderline == 0 ? 1 : 0;
            current_.ftUnderlineColor = current_.ftColor;
            break;
        case u'Y':
        case u'y':
            if (IsSymbol(current_))
                std::memcpy(current_.ftFaceName, default_face_, sizeof default_face_);
            else
                std::strncpy(current_.ftFaceName, "Symbol", sizeof current_.ftFaceName);
            break;
        case u'C':
        case u'c': {
            BYTE rgb[3]{};
            for (BYTE& byte : rgb)
                for (int half = 0; half < 2; ++half)
                    byte = static_cast<BYTE>(byte * 16 + (*s != 0 ? HexDigit(*s++) : 0));
            current_.ftColor = RGB(rgb[0], rgb[1], rgb[2]);
            break;
        }
        case u'-': current_.ftScript = 1; break;
        case u'0': current_.ftScript = 0; break;
        case u'_': current_.ftScript = -1; break;
        case u'/':
        case u'\\':
            run_ += Tilde;
            run_ += code;
            return s;
        default: return s; // dropped with its tilde
        }
        FormatChanged();
        return s;
    }
    void FormatChanged() {
        format_ = SendMessageW(window_, EFM_ADDFONTFORMAT, reinterpret_cast<WPARAM>(window_),
                               reinterpret_cast<LPARAM>(&current_));
    }
    void Flush() {
        if (run_.empty()) return;
        SendMessageW(window_, EFM_INSERTTEXT, static_cast<WPARAM>(format_),
                     reinterpret_cast<LPARAM>(run_.c_str()));
        run_.clear();
    }

    HWND window_;
    TCharFormat current_{};
    char default_face_[sizeof current_.ftFaceName]{};
    LRESULT format_ = 0;
    std::u16string run_;
};

} // namespace

HGLOBAL docGetFormatCode(HWND Window) noexcept {
    try {
        const auto* text = reinterpret_cast<const char16_t*>(SendMessageW(Window, EFM_GETTEXTBUFFER, 0, 0));
        const auto* bytes =
            reinterpret_cast<const std::uint8_t*>(SendMessageW(Window, EFM_GETFORMATBUFFER, 0, 0));
        const auto* d = reinterpret_cast<const TCharFormat*>(SendMessageW(Window, EFM_GETDEFAULTFONT, 0, 0));
        if (text == nullptr || bytes == nullptr || d == nullptr || text[0] == 0) return nullptr;
        std::vector<TCharFormat> formats(
            static_cast<std::size_t>(SendMessageW(Window, EFM_GETFONTCOUNT, 0, 0)));
        for (std::size_t i = 0; i < formats.size(); ++i)
            SendMessageW(Window, EFM_GETFONTTOREC, i, reinterpret_cast<LPARAM>(&formats[i]));

        const TCharFormat defaults = *d;
        WrittenState state{defaults.ftColor, defaults.ftColor};
        TCharFormat previous = defaults;
        std::u16string out;
        for (std::size_t i = 0; text[i] != 0; ++i) {
            const char16_t c = text[i];
            // A code between a tilde and its slash would read back as another code.
            const bool escaped = i > 0 && text[i - 1] == Tilde && (c == u'/' || c == u'\\');
            if (c != ObjectMark && c != LF && !escaped) {
                if (c == CR || c == u'\\') {
                    previous = defaults;
                } else if (bytes[i] < formats.size()) {
                    previous = formats[bytes[i]];
                } else {
                    previous.ftScript = static_cast<std::int16_t>(state.script);
                }
                state.Write(out, previous);
            }
            if (c != ObjectMark) out += c;
        }
        zeledit::platform::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 2 * out.size() + 2));
        zeledit::platform::LockedBlock locked(block.get());
        if (locked.data() == nullptr) return nullptr;
        std::memcpy(locked.data(), out.data(), 2 * out.size());
        return block.release();
    } catch (...) {
        return nullptr;
    }
}

void docReformatSpecText(HWND Window, LPCWSTR Text) noexcept {
    try {
        FormatCodeReader reader(Window);
        reader.Read(Text != nullptr ? Text : u"");
    } catch (...) {
        // Out of memory: what was read so far stays in the editor.
    }
}
