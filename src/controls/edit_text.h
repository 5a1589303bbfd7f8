// The text of an edit control and what editing does to it: selection, replacement within a
// limit, one step of undo, movement by character and word. UTF-16 throughout; positions
// never split a surrogate pair.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zeledit::controls {

class EditText {
public:
    static constexpr std::size_t DefaultLimit = 0x7FFFFFFE;

    const std::u16string& text() const { return text_; }
    std::size_t anchor() const { return anchor_; }
    std::size_t caret() const { return caret_; }
    std::size_t sel_start() const { return anchor_ < caret_ ? anchor_ : caret_; }
    std::size_t sel_end() const { return anchor_ < caret_ ? caret_ : anchor_; }
    bool has_selection() const { return anchor_ != caret_; }
    std::u16string_view selection() const {
        return std::u16string_view(text_).substr(sel_start(), sel_end() - sel_start());
    }

    void set_multiline(bool multiline) { multiline_ = multiline; }
    bool multiline() const { return multiline_; }
    // Replaces everything; forgets undo. Single-line text stops at its first line break.
    void set_text(std::u16string_view text);
    // Positions are clamped to the text and moved off the middle of a surrogate pair.
    void select(std::size_t anchor, std::size_t caret);
    // Moves the caret, keeping the anchor when extending.
    void move_to(std::size_t pos, bool extend);

    std::size_t limit() const { return limit_; }
    void set_limit(std::size_t limit) { limit_ = limit == 0 ? DefaultLimit : limit; }
    // Types over the selection. Answers false when the limit cut the insertion short.
    bool replace_selection(std::u16string_view with, bool undoable = true);
    bool can_undo() const { return can_undo_; }
    // Takes back the last change; a second undo puts it back.
    bool undo();
    void forget_undo() { can_undo_ = false; }

    std::size_t next_char(std::size_t pos) const;
    std::size_t prev_char(std::size_t pos) const;
    std::size_t next_word(std::size_t pos) const;
    std::size_t prev_word(std::size_t pos) const;
    // The start of the word around pos and its end (for a double click).
    std::size_t word_start(std::size_t pos) const;
    std::size_t word_end(std::size_t pos) const;

private:
    std::size_t clamp(std::size_t pos) const;
    std::u16string text_;
    std::size_t anchor_ = 0, caret_ = 0;
    std::size_t limit_ = DefaultLimit;
    bool multiline_ = false;
    bool can_undo_ = false;
    std::u16string undo_text_;
    std::size_t undo_anchor_ = 0, undo_caret_ = 0;
};

} // namespace zeledit::controls
