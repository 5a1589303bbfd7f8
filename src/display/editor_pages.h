// The pages of the last print layout: where each page starts, as a line of that layout and as
// a text position. Pagination walks the laid-out lines once and never measures text.
#pragma once

#include "display/editor_lines.h"
#include "model/link_list.h"
#include "objects/editor_objects.h"

#include <cstdint>
#include <vector>

namespace zeledit::display {

class TPageItem : public model::TItemNode {
public:
    TPageItem(std::int32_t Line, std::uint32_t Position) : AtLine(Line), Index(Position) {}
    std::int32_t AtLine; // 32-bit: documents may have more than 65535 lines
    std::uint32_t Index;
};

// Which line opens a new column: one that does not fit below what the column holds, or one
// beside a wrapping floated object that reaches past the column's bottom. A column that
// holds nothing yet takes the line whatever its height, so no column stays empty.
class TColumnFill {
public:
    TColumnFill(const objects::TEditorObjects& Objects, int Height, std::int32_t Top)
        : objects_(Objects), height_(Height), top_(Top), y_(Top) {}
    bool Full(int LineHeight) const;
    void OpenColumn() {
        used_ = 0;
        top_ = y_;
    }
    void Add(int LineHeight) {
        used_ += LineHeight;
        y_ += LineHeight;
    }
    std::int32_t Top() const { return top_; } // document y of the column's top
    int Used() const { return used_; }

private:
    const objects::TEditorObjects& objects_;
    int height_;
    std::int32_t top_;
    std::int32_t y_;
    int used_ = 0;
};

class TEditorPages : public model::TLinkList {
public:
    explicit TEditorPages(model::TEditorInfo* AEditorInfo = nullptr) : EditorInfo(AEditorInfo) {}

    // Page `Number`, 1 first; null outside the list.
    const TPageItem* Page(std::int32_t Number) const;
    model::TItemNode* Get(std::int32_t Index) const override;
    std::int32_t IndexOf(const model::TItemNode* pNode) const override;

    // The pages of the lines laid out now, `Columns` columns of `ColumnHeight` pixels each.
    void Paginate(const TEditorLines& Lines, const objects::TEditorObjects& Objects, int ColumnHeight,
                  std::int32_t Columns);
    // The page whose text holds Position (the last reaches past the text's end); 0 for none.
    std::int32_t PageOf(std::uint32_t Position, std::uint32_t TextLength) const;
    // The page's first line in the layout now: the line the page recorded when it still starts
    // at the page's text position, else the line that holds that position.
    std::int32_t FirstLine(const TPageItem& Page, const TEditorLines& Lines) const;

    model::TEditorInfo* EditorInfo;

protected:
    void ListChanged() override;

private:
    void EnsureIndex() const;
    mutable std::vector<TPageItem*> FIndex; // the pages in order, for direct access
    mutable bool FIndexValid = true;
};

} // namespace zeledit::display
