#include "model/link_list.h"

namespace zeledit::model {

TLinkList::~TLinkList() {
    // Not through FreeAll: a derived list's hook must not run during destruction.
    while (TItemNode* last = FTail) {
        FTail = last->PrevItem;
        delete last;
    }
    FHead = nullptr;
    FCount = 0;
}

void TLinkList::Append(TItemNode* pNode) {
    if (pNode == nullptr) return;
    pNode->PrevItem = FTail;
    pNode->NextItem = nullptr;
    if (FTail != nullptr)
        FTail->NextItem = pNode;
    else
        FHead = pNode;
    FTail = pNode;
    ++FCount;
    Changed();
}

void TLinkList::Prepend(TItemNode* pNode) {
    if (pNode == nullptr) return;
    pNode->NextItem = FHead;
    pNode->PrevItem = nullptr;
    if (FHead != nullptr)
        FHead->PrevItem = pNode;
    else
        FTail = pNode;
    FHead = pNode;
    ++FCount;
    Changed();
}

bool TLinkList::Insert(TItemNode* pNode, TItemNode* pItem) {
    if (pNode == nullptr || pItem == nullptr) return false;
    if (pNode == FHead) {
        Prepend(pItem);
        return true;
    }
    pItem->PrevItem = pNode->PrevItem;
    pItem->NextItem = pNode;
    pNode->PrevItem->NextItem = pItem;
    pNode->PrevItem = pItem;
    ++FCount;
    Changed();
    return true;
}

TItemNode* TLinkList::PopFirst() {
    TItemNode* first = FHead;
    if (first == nullptr) return nullptr;
    FHead = first->NextItem;
    if (FHead != nullptr)
        FHead->PrevItem = nullptr;
    else
        FTail = nullptr;
    --FCount;
    Changed();
    return first;
}

TItemNode* TLinkList::PopLast() {
    TItemNode* last = FTail;
    if (last == nullptr) return nullptr;
    FTail = last->PrevItem;
    if (FTail != nullptr)
        FTail->NextItem = nullptr;
    else
        FHead = nullptr;
    --FCount;
    Changed();
    return last;
}

TItemNode* TLinkList::Delete(TItemNode* pNode) {
    if (pNode == nullptr) return nullptr;
    if (pNode == FHead) return PopFirst();
    if (pNode == FTail) return PopLast();
    pNode->PrevItem->NextItem = pNode->NextItem;
    pNode->NextItem->PrevItem = pNode->PrevItem;
    --FCount;
    Changed();
    return pNode;
}

TItemNode* TLinkList::DeleteAt(std::int32_t Index) {
    TItemNode* node = Get(Index);
    return node != nullptr ? Delete(node) : nullptr;
}

void TLinkList::FreeItem(TItemNode* pNode) { delete Delete(pNode); }

void TLinkList::FreeAt(std::int32_t Index) {
    if (TItemNode* node = Get(Index)) FreeItem(node);
}

void TLinkList::FreeAll() {
    while (FCount > 0) delete PopLast();
}

void TLinkList::TakeAll(TLinkList& from) {
    FreeAll();
    while (TItemNode* node = from.PopFirst()) Append(node);
}

void TLinkList::Changed() {
    FPositions.clear();
    ListChanged();
}

TItemNode* TLinkList::Get(std::int32_t Index) const {
    if (Index < 0 || Index >= FCount) return nullptr;
    if (FPositions.empty()) {
        FPositions.reserve(static_cast<std::size_t>(FCount));
        for (TItemNode* node = FHead; node != nullptr; node = node->NextItem) FPositions.push_back(node);
    }
    return FPositions[static_cast<std::size_t>(Index)];
}

std::int32_t TLinkList::IndexOf(const TItemNode* pNode) const {
    std::int32_t index = 0;
    for (const TItemNode* node = FHead; node != pNode; node = node->NextItem, ++index)
        if (node == nullptr) return -1;
    return index; // a null pNode ends the walk past the tail: FCount
}

void TLinkList::MoveToHead(TItemNode* pNode) {
    if (pNode == nullptr) return;
    Delete(pNode);
    Prepend(pNode);
}

void TLinkList::MoveToTail(TItemNode* pNode) {
    if (pNode == nullptr) return;
    Delete(pNode);
    Append(pNode);
}

bool TLinkList::MoveUp(TItemNode* pNode) {
    if (FCount < 2 || pNode == nullptr || pNode == FHead) return false;
    TItemNode* before = pNode->PrevItem;
    Delete(pNode);
    return Insert(before, pNode);
}

bool TLinkList::MoveDown(TItemNode* pNode) {
    if (FCount <= 1 || pNode == nullptr || pNode == FTail) return false;
    TItemNode* after = pNode->NextItem;
    Delete(after);
    return Insert(pNode, after);
}

} // namespace zeledit::model
