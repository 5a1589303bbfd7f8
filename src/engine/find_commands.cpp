// Finding text, character formats and paragraph formats, and replacing what was found.
#include "engine/format_editor.h"
#include "engine/notifications.h"
#include "platform/core/text.h"
#include "platform/system_library/case_table.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace zeledit::engine {
namespace {

using model::CR;
using model::LF;

constexpr std::size_t NotFound = std::u16string_view::npos;

// Whole words end at the word separators, digits aside.
bool IsBoundary(char16_t c) { return model::TEditorBuffer::IsSeparator(c) && !(c >= u'0' && c <= u'9'); }

// The case table's lower-case partner of every code unit, looked up once per search.
class CaseFold {
public:
    CaseFold() : lower_(0x10000) {
        for (std::size_t c = 0; c < lower_.size(); ++c) lower_[c] = static_cast<char16_t>(c);
        // The first pair of an upper-case unit wins.
        const auto& pairs = platform::CaseTable().Pairs;
        for (std::size_t i = pairs.size(); i-- > 0;) lower_[pairs[i].second] = pairs[i].first;
    }
    char16_t operator()(char16_t c) const { return lower_[c]; }
    std::u16string operator()(std::u16string_view s) const {
        std::u16string out(s.size(), u'\0');
        std::transform(s.begin(), s.end(), out.begin(), *this);
        return out;
    }

private:
    std::vector<char16_t> lower_;
};

// The next occurrence of the lower-cased `pattern` at or after `from` in `text` lower-cased.
// The text is lowered a window at a time, so an occurrence close to `from` costs little.
std::size_t FindFolded(std::u16string_view text, std::size_t from, std::u16string_view pattern,
                       const CaseFold& fold) {
    constexpr std::size_t window = 1 << 16;
    std::u16string lowered;
    while (from + pattern.size() <= text.size()) {
        const std::size_t end = std::min(text.size(), from + window + pattern.size() - 1);
        lowered = fold(text.substr(from, end - from));
        if (const std::size_t at = lowered.find(pattern); at != NotFound) return from + at;
        from += window;
    }
    return NotFound;
}

// The unit a replaced text has just before a position, with its format byte.
struct UnitBefore {
    char16_t unit = 0;
    std::uint8_t format = 0;
    bool exists = false;
};

// What the step-by-step run replaces, found in one pass over the text as it was: the matches
// of `pattern` from `start`, each search beginning where the previous replacement ended.
// Only a whole-word test and a format taken from before a match can see an earlier
// replacement; both look at the replaced text there. Each match comes with the format its
// replacement takes: that of the unit that follows it, or for a paragraph end, of the one
// before it.
struct Replacements {
    std::vector<model::TEditorBuffer::TReplacement> runs;
    std::u16string_view replacement;

    void Find(std::u16string_view text, std::u16string_view folded, const std::uint8_t* formats,
              std::size_t start, std::u16string_view pattern, std::uint8_t options, std::int32_t filter) {
        const auto length = static_cast<std::uint32_t>(text.size());
        const bool whole = (options & efoWholeWord) != 0;
        std::size_t previous_end = NotFound;
        UnitBefore tail; // before previous_end once replaced
        auto before = [&](std::size_t at) {
            if (at == previous_end) return tail;
            return at == 0 ? UnitBefore{} : UnitBefore{text[at - 1], formats[at - 1], true};
        };
        for (std::size_t at = folded.find(pattern, start); at != NotFound; at = folded.find(pattern, at)) {
            const std::size_t end = at + pattern.size();
            const UnitBefore prior = before(at);
            const bool accepted = (filter == -1 || formats[at] == filter) &&
                                  (!whole || ((!prior.exists || IsBoundary(prior.unit)) &&
                                              (end == length || IsBoundary(text[end]))));
            if (!accepted) {
                at = end;
                continue;
            }
            const char16_t next = end < length ? text[end] : u'\0';
            const bool after_is_mark = model::HasNoCharFormat(next) && next != 1;
            const std::uint8_t format = after_is_mark && prior.exists ? prior.format : formats[end];
            runs.push_back({static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(pattern.size()),
                            replacement, static_cast<std::uint8_t>(format & 0x7F)});
            tail = replacement.empty() ? prior : UnitBefore{replacement.back(), runs.back().Format, true};
            previous_end = at = end;
        }
    }
};

bool HasMarks(std::u16string_view s) { return std::any_of(s.begin(), s.end(), model::HasNoCharFormat); }

} // namespace

std::uint32_t TFormatEditor::SearchStart() const {
    const std::uint32_t length = FBuffer->TextLength();
    const std::uint32_t start = std::min(edInfo.eiSelecting ? edInfo.eiSelEnd : edInfo.eiIndex, length);
    return !edInfo.eiSelecting && start == length ? 0 : start;
}

void TFormatEditor::NothingFound() {
    RemoveSelection();
    SetIndex(FBuffer->TextLength());
}

std::int32_t TFormatEditor::FindText(std::int32_t AStart, std::u16string_view FindStr, std::uint8_t Options,
                                     bool Show, std::int32_t FormatFilter) {
    const std::uint32_t length = FBuffer->TextLength();
    const std::uint32_t start = AStart < 0 ? SearchStart() : static_cast<std::uint32_t>(AStart);
    if (start > length || length == 0 || FindStr.empty()) return -1;

    const std::u16string_view text(FBuffer->Text(), length);
    const bool match_case = (Options & efoMatchCase) != 0;
    const CaseFold fold;
    // The first acceptable match of a pattern from `start`.
    auto first = [&](const std::u16string& pattern) {
        auto accepted = [&](std::size_t at) {
            if (FormatFilter != -1 && FBuffer->FormatByte(static_cast<std::uint32_t>(at)) != FormatFilter)
                return false;
            if ((Options & efoWholeWord) == 0) return true;
            const std::size_t end = at + pattern.size();
            return (at == 0 || IsBoundary(text[at - 1])) && (end == length || IsBoundary(text[end]));
        };
        std::size_t at = start;
        while (true) {
            at = match_case ? text.find(pattern, at) : FindFolded(text, at, pattern, fold);
            if (at == NotFound || accepted(at)) return at;
            at += pattern.size();
        }
    };
    std::u16string pattern = match_case ? std::u16string(FindStr) : fold(FindStr);
    std::size_t at = first(pattern);
    // Text kept with combining marks matches the composed letters of a search as well; a
    // text without any is not searched twice.
    const std::u16string decomposed = platform::decompose_nfd(pattern);
    if (decomposed != pattern && platform::has_combining_marks(text)) {
        const std::size_t other = first(decomposed);
        if (other < at) {
            at = other;
            pattern = decomposed;
        }
    }
    if (at == NotFound) {
        NothingFound();
        return -1;
    }
    if (Show) SetSelText(static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(at + pattern.size()));
    return static_cast<std::int32_t>(at);
}

std::int32_t TFormatEditor::FindFormat(std::int32_t StartFind, std::uint8_t FormatID, std::uint32_t MaxLen,
                                       char16_t* FindBuf, bool IsShow) {
    std::uint32_t start = static_cast<std::uint32_t>(StartFind);
    if (StartFind < 0) {
        start = edInfo.eiSelecting ? edInfo.eiSelEnd : edInfo.eiIndex;
        RemoveSelection();
    }
    const std::uint32_t length = FBuffer->TextLength();
    if (start >= length) return -1;
    auto in_run = [&](std::uint32_t i) {
        return FBuffer->FormatByte(i) == FormatID && !model::HasNoCharFormat(FBuffer->CharAt(i));
    };
    std::uint32_t first = start;
    while (first < length && !in_run(first)) ++first;
    if (first == length) {
        NothingFound();
        return -1;
    }
    std::uint32_t end = first;
    while (end < length && in_run(end)) ++end;
    if (IsShow) SetSelText(first, end);
    if (FindBuf != nullptr && MaxLen > 0) {
        const std::uint32_t n = std::min(end - first, MaxLen - 1);
        std::copy_n(FBuffer->Text() + first, n, FindBuf);
        FindBuf[n] = 0;
    }
    return static_cast<std::int32_t>(first);
}

bool TFormatEditor::FindPara(std::int32_t APos, std::uint8_t FormatID) {
    const std::uint32_t length = FBuffer->TextLength();
    const std::int64_t start = APos != -1           ? APos
                               : edInfo.eiSelecting ? std::int64_t{edInfo.eiSelEnd} + 3
                                                    : edInfo.eiIndex;
    if (start < 0 || start >= length) return false;
    const char16_t* text = FBuffer->Text();
    // Paragraphs end at a CR LF pair; the last one at the terminator, whose byte is its format.
    std::uint32_t end = FBuffer->ParagraphEnd(static_cast<std::uint32_t>(start));
    while (end < length && FBuffer->FormatByte(end) != FormatID) end = FBuffer->ParagraphEnd(end + 2);
    if (end == length && (start + 1 >= length || FBuffer->FormatByte(length) != FormatID)) return false;
    if (end > 0) {
        std::uint32_t first = end;
        while (first >= 2 && !(text[first - 1] == LF && text[first - 2] == CR)) --first;
        SetSelText(first < 2 ? 0 : first, end);
    }
    return true;
}

void TFormatEditor::ReplaceWith(std::u16string_view AText, const TCharFormat* Format) {
    if (!edInfo.eiSelecting) return;
    const std::uint32_t at = std::min({edInfo.eiSelStart, edInfo.eiSelEnd, FBuffer->TextLength()});
    std::uint32_t inserted = 0;
    if (!AText.empty()) {
        DeleteBlock();
        const std::uint8_t here = FBuffer->FormatAt(at);
        const std::uint32_t before = FBuffer->TextLength();
        InsertText(AText, Format != nullptr ? FFonts->GetFormat(here, *Format) : here);
        inserted = FBuffer->TextLength() - before;
    } else if (Format != nullptr) {
        ApplyFont(FBuffer->FormatAt(at), *Format);
    } else {
        DeleteBlock();
    }
    SetSelText(at, at + inserted);
    NotifyChanged(*this);
}

std::int32_t TFormatEditor::ReplaceAll(std::u16string_view FindStr, std::int32_t FormatFilter,
                                       std::uint8_t Options, const TCharFormat* Format,
                                       std::u16string_view ReplaceStr) {
    if (FindStr.empty() && Format == nullptr) return 0;
    if (Format == nullptr)
        if (const auto count = ReplaceAllAtOnce(FindStr, FormatFilter, Options, ReplaceStr)) return *count;
    std::int32_t count = 0;
    // The first search starts at the caret, each further one where the last replacement
    // ended: what was replaced is never searched again, and the search never turns back to
    // the top, where a format-only replacement would find its own work forever.
    std::int32_t from = -1;
    // One undo step takes the whole run back: a snapshot before the first replacement, none
    // for the rest (each would copy the document, and ten would push out everything older).
    struct HeldUndo {
        std::int32_t& held;
        bool on = false;
        ~HeldUndo() {
            if (on) --held;
        }
    } hold{FUndoHeld};
    while (true) {
        const std::int32_t found =
            !FindStr.empty() ? FindText(from, FindStr, Options, true, FormatFilter)
                             : FindFormat(from, static_cast<std::uint8_t>(FormatFilter), 0, nullptr, true);
        if (found < 0) return count;
        const std::uint32_t found_end = edInfo.eiSelEnd;
        if (!hold.on) {
            CreateUndo();
            hold.on = true;
            ++FUndoHeld;
        }
        ReplaceWith(ReplaceStr, Format);
        ++count;
        if (edInfo.eiSelecting)
            from = static_cast<std::int32_t>(edInfo.eiSelEnd);
        else
            from = ReplaceStr.empty() && Format != nullptr ? static_cast<std::int32_t>(found_end) : found;
    }
}

// A text and a replacement without paragraph ends or objects change nothing but the units
// replaced, so every replacement can be made in one rebuild of the text and one layout.
std::optional<std::int32_t> TFormatEditor::ReplaceAllAtOnce(std::u16string_view FindStr,
                                                            std::int32_t FormatFilter, std::uint8_t Options,
                                                            std::u16string_view ReplaceStr) {
    const std::u16string replacement = model::StorableText(ReplaceStr);
    if (FindStr.empty() || HasMarks(FindStr) || HasMarks(replacement)) return std::nullopt;
    const std::uint32_t length = FBuffer->TextLength();
    if (length == 0) return 0;
    const std::u16string_view text(FBuffer->Text(), length);
    const bool match_case = (Options & efoMatchCase) != 0;
    const CaseFold fold;
    const std::u16string pattern = match_case ? std::u16string(FindStr) : fold(FindStr);
    const std::u16string folded = match_case ? std::u16string() : fold(text);
    Replacements found{{}, replacement};
    found.Find(text, match_case ? text : std::u16string_view(folded), FBuffer->Formats(), SearchStart(),
               pattern, Options, FormatFilter);
    if (found.runs.empty()) {
        NothingFound();
        return 0;
    }
    CreateUndo();
    if (!FBuffer->ReplaceRuns(found.runs)) return 0;
    // Where the step-by-step run leaves things: a last search that found nothing.
    std::int64_t shift = 0;
    for (const auto& run : found.runs) {
        AdjustHighlight(static_cast<std::uint32_t>(run.Start + shift + run.Length),
                        -std::int64_t{run.Length});
        shift += std::int64_t(run.Text.size()) - run.Length;
    }
    ResetFormatsIfEmpty();
    edInfo.eiSelecting = false;
    edInfo.eiIndex = 0;
    GetLines();
    InvalidateRect(HWindow, nullptr, TRUE);
    NothingFound();
    NotifyChanged(*this);
    return static_cast<std::int32_t>(found.runs.size());
}

HWND TFormatEditor::SearchWindow() const { return FSearchForm ? FSearchForm->Window() : nullptr; }

void TFormatEditor::OpenSearch(bool Replace) {
    if (FSearchForm && FSearchForm->Replaces() == Replace) return FSearchForm->Activate();
    FSearchForm.reset();
    CommandDialogs* dialogs = InstalledCommandDialogs();
    if (dialogs == nullptr) return;
    // The host may choose the face of the dialog's text fields.
    Notify(HWindow, EFN_QUERYSYSTEMFONT, 0, reinterpret_cast<LPARAM>(FSettings.SystemFont));
    FSettings.SystemFont[sizeof FSettings.SystemFont - 1] = 0;
    SearchContext context;
    context.Format = FormatContext();
    context.Editor = HWindow;
    context.Fonts = FFonts.get();
    context.SystemFont = FSettings.SystemFont;
    context.VietKey = FInput.VietKey() != FALSE;
    context.NormalDocument = edInfo.eiEditorType == 0x601;
    // Posted by the dialog after its own messages are done, so freeing it here is safe.
    context.Closed = [this] { FSearchForm.reset(); };
    FSearchForm = dialogs->OpenSearch(context, Replace);
}

bool TFormatEditor::EFMFindMessage(TMessage& msg) {
    switch (msg.Msg) {
    case EFM_FIND: {
        const auto* r = reinterpret_cast<const TFindRecord*>(msg.LParam);
        msg.Result = r == nullptr ? -1
                                  : FindText(r->Start, platform::wide_view(r->Text), r->Options, r->Show != 0,
                                             static_cast<std::int32_t>(msg.WParam));
        return true;
    }
    case EFM_FINDFORMAT: {
        const auto* r = reinterpret_cast<const TFindFormatRecord*>(msg.LParam);
        msg.Result = r == nullptr
                         ? -1
                         : FindFormat(r->Start, LOBYTE(msg.WParam), r->BufferSize, r->Buffer, r->Show != 0);
        return true;
    }
    case EFM_FINDPARA:
        msg.Result = FindPara(static_cast<std::int32_t>(msg.LParam), LOBYTE(msg.WParam));
        return true;
    case EFM_REPLACEWITH:
        if (const auto* r = reinterpret_cast<const TReplaceRecord*>(msg.LParam))
            ReplaceWith(platform::wide_view(r->Text), r->Format);
        return true;
    case EFM_REPLACEALL: {
        const auto* r = reinterpret_cast<const TReplaceAllRecord*>(msg.LParam);
        msg.Result = r == nullptr
                         ? 0
                         : ReplaceAll(platform::wide_view(r->FindText), static_cast<std::int32_t>(msg.WParam),
                                      r->Options, r->Format, platform::wide_view(r->ReplaceText));
        return true;
    }
    default: return false;
    }
}

} // namespace zeledit::engine
