#include "controls/edit_text.h"

#include <algorithm>

namespace zeledit::controls {
namespace {

bool is_low_surrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
bool is_high_surrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

bool is_word_char(char16_t c) {
    if (c == u'_') return true;
    if (c < 0x80) return (c >= u'0' && c <= u'9') || ((c | 0x20) >= u'a' && (c | 0x20) <= u'z');
    // Letters beyond ASCII (Vietnamese among them) and surrogates belong to words; spaces
    // and punctuation of the general block do not.
    return !(c >= 0x2000 && c <= 0x206F) && c != 0x00A0 && c != 0x3000;
}

std::u16string_view first_line(std::u16string_view text) {
    const std::size_t stop = text.find_first_of(u"\r\n");
    return stop == std::u16string_view::npos ? text : text.substr(0, stop);
}

} // namespace

std::size_t EditText::clamp(std::size_t pos) const {
    pos = std::min(pos, text_.size());
    if (pos > 0 && pos < text_.size() && is_low_surrogate(text_[pos]) && is_high_surrogate(text_[pos - 1]))
        --pos;
    return pos;
}

void EditText::set_text(std::u16string_view text) {
    text_ = multiline_ ? std::u16string(text) : std::u16string(first_line(text));
    anchor_ = caret_ = 0;
    can_undo_ = false;
}

void EditText::select(std::size_t anchor, std::size_t caret) {
    anchor_ = clamp(anchor);
    caret_ = clamp(caret);
}

void EditText::move_to(std::size_t pos, bool extend) {
    caret_ = clamp(pos);
    if (!extend) anchor_ = caret_;
}

bool EditText::replace_selection(std::u16string_view with, bool undoable) {
    if (!multiline_) with = first_line(with);
    const std::size_t start = sel_start(), removed = sel_end() - start;
    const std::size_t room = limit_ - std::min(limit_, text_.size() - removed);
    bool whole = true;
    if (with.size() > room) {
        std::size_t cut = room;
        if (cut > 0 && is_high_surrogate(with[cut - 1])) --cut;
        with = with.substr(0, cut);
        whole = false;
    }
    if (removed == 0 && with.empty()) return whole;
    if (undoable) {
        undo_text_ = text_;
        undo_anchor_ = anchor_;
        undo_caret_ = caret_;
        can_undo_ = true;
    }
    text_.replace(start, removed, with);
    anchor_ = caret_ = start + with.size();
    return whole;
}

bool EditText::undo() {
    if (!can_undo_) return false;
    std::swap(text_, undo_text_);
    const std::size_t a = anchor_, c = caret_;
    select(undo_anchor_, undo_caret_);
    undo_anchor_ = a;
    undo_caret_ = c;
    return true;
}

std::size_t EditText::next_char(std::size_t pos) const {
    if (pos >= text_.size()) return text_.size();
    if (text_[pos] == u'\r' && pos + 1 < text_.size() && text_[pos + 1] == u'\n') return pos + 2;
    if (is_high_surrogate(text_[pos]) && pos + 1 < text_.size() && is_low_surrogate(text_[pos + 1]))
        return pos + 2;
    return pos + 1;
}

std::size_t EditText::prev_char(std::size_t pos) const {
    if (pos == 0) return 0;
    pos = std::min(pos, text_.size());
    if (pos >= 2 && text_[pos - 1] == u'\n' && text_[pos - 2] == u'\r') return pos - 2;
    return clamp(pos - 1);
}

std::size_t EditText::next_word(std::size_t pos) const {
    auto space = [](char16_t c) { return c == u' ' || c == u'\t'; };
    pos = std::min(pos, text_.size());
    if (pos < text_.size() && is_word_char(text_[pos])) {
        while (pos < text_.size() && is_word_char(text_[pos])) ++pos;
    } else if (pos < text_.size() && !space(text_[pos])) {
        pos = next_char(pos); // a punctuation mark or a line break is a step of its own
    }
    while (pos < text_.size() && space(text_[pos])) ++pos;
    return clamp(pos);
}

std::size_t EditText::prev_word(std::size_t pos) const {
    pos = std::min(pos, text_.size());
    while (pos > 0 && (text_[pos - 1] == u' ' || text_[pos - 1] == u'\t')) --pos;
    if (pos > 0 && !is_word_char(text_[pos - 1])) return clamp(pos - 1);
    while (pos > 0 && is_word_char(text_[pos - 1])) --pos;
    return clamp(pos);
}

std::size_t EditText::word_start(std::size_t pos) const {
    pos = std::min(pos, text_.size());
    while (pos > 0 && is_word_char(text_[pos - 1])) --pos;
    return pos;
}

std::size_t EditText::word_end(std::size_t pos) const {
    pos = std::min(pos, text_.size());
    while (pos < text_.size() && is_word_char(text_[pos])) ++pos;
    return pos;
}

} // namespace zeledit::controls
