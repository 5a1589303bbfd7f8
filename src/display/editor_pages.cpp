#include "display/editor_pages.h"

#include <algorithm>

namespace zeledit::display {

bool TColumnFill::Full(int LineHeight) const {
    if (used_ == 0) return false;
    if (used_ + LineHeight > height_) return true;
    const objects::TObjectItem* o = objects_.GetWrapObjectAt(y_, LineHeight);
    return o != nullptr && o->Position() + o->Height() - top_ > height_;
}

void TEditorPages::ListChanged() { FIndexValid = false; }

void TEditorPages::EnsureIndex() const {
    if (FIndexValid) return;
    FIndex.clear();
    FIndex.reserve(static_cast<std::size_t>(Count()));
    for (model::TItemNode* n = Head(); n != nullptr; n = n->NextItem)
        FIndex.push_back(static_cast<TPageItem*>(n));
    FIndexValid = true;
}

model::TItemNode* TEditorPages::Get(std::int32_t Index) const {
    EnsureIndex();
    return Index >= 0 && Index < Count() ? FIndex[static_cast<std::size_t>(Index)] : nullptr;
}

std::int32_t TEditorPages::IndexOf(const model::TItemNode* pNode) const {
    EnsureIndex();
    const auto at = std::find(FIndex.begin(), FIndex.end(), pNode);
    return at == FIndex.end() ? -1 : static_cast<std::int32_t>(at - FIndex.begin());
}

const TPageItem* TEditorPages::Page(std::int32_t Number) const {
    return static_cast<const TPageItem*>(Get(Number - 1));
}

void TEditorPages::Paginate(const TEditorLines& Lines, const objects::TEditorObjects& Objects,
                            int ColumnHeight, std::int32_t Columns) {
    FreeAll();
    std::vector<TPageItem*> pages;
    pages.push_back(new TPageItem(0, 0));
    TColumnFill column(Objects, ColumnHeight, 0);
    std::int32_t k = 0;
    for (std::int32_t i = 0; i < Lines.Count(); ++i) {
        const TLineItem& line = *Lines.Line(i);
        const int h = line.TotalHeight();
        if (column.Full(h)) {
            if (++k > Columns - 1) {
                pages.push_back(new TPageItem(i, line.At));
                k = 0;
            }
            column.OpenColumn();
        }
        column.Add(h);
    }
    for (TPageItem* p : pages) Append(p); // the list owns them from here
    FIndex = std::move(pages);
    FIndexValid = true;
}

std::int32_t TEditorPages::PageOf(std::uint32_t Position, std::uint32_t TextLength) const {
    EnsureIndex();
    if (FIndex.empty() || Position < FIndex.front()->Index) return 0;
    // The last page whose start is at or before Position, when Position is within the text.
    const auto after =
        std::upper_bound(FIndex.begin(), FIndex.end(), Position,
                         [](std::uint32_t p, const TPageItem* page) { return p < page->Index; });
    if (after == FIndex.end() && Position > TextLength) return 0;
    return static_cast<std::int32_t>(after - FIndex.begin());
}

std::int32_t TEditorPages::FirstLine(const TPageItem& Page, const TEditorLines& Lines) const {
    if (Page.AtLine < Lines.Count() && Lines.Line(Page.AtLine)->At == Page.Index) return Page.AtLine;
    if (Lines.Count() == 0) return 0;
    return Lines.GetLinePos(Page.Index + 1);
}

} // namespace zeledit::display
