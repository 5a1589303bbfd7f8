// The intrusive, doubly linked list of owned items that every table of the engine
// derives from. Positions count from the head; the list owns its items.
#pragma once

#include <cstdint>
#include <vector>

namespace zeledit::model {

class TItemNode {
public:
    TItemNode() = default;
    virtual ~TItemNode() = default;
    TItemNode(const TItemNode&) = delete;
    TItemNode& operator=(const TItemNode&) = delete;

    TItemNode* PrevItem = nullptr;
    TItemNode* NextItem = nullptr;
};

class TLinkList {
public:
    TLinkList() = default;
    virtual ~TLinkList(); // FreeAll
    TLinkList(const TLinkList&) = delete;
    TLinkList& operator=(const TLinkList&) = delete;

    std::int32_t Count() const { return FCount; }
    TItemNode* Head() const { return FHead; }
    TItemNode* Tail() const { return FTail; }

    void Append(TItemNode* pNode);
    void Prepend(TItemNode* pNode);
    bool Insert(TItemNode* pNode, TItemNode* pItem); // pItem goes before pNode
    TItemNode* PopFirst();
    TItemNode* PopLast();
    TItemNode* Delete(TItemNode* pNode); // unlinks, does not destroy
    TItemNode* DeleteAt(std::int32_t Index);
    void FreeItem(TItemNode* pNode);
    void FreeAt(std::int32_t Index);
    void FreeAll();
    // Frees every entry and takes over those of `from`, which is left empty.
    void TakeAll(TLinkList& from);
    // Positional access reads an array of the items, made again after every change; a derived
    // list may keep an index of its own instead.
    virtual TItemNode* Get(std::int32_t Index) const;
    virtual std::int32_t IndexOf(const TItemNode* pNode) const;
    void MoveToHead(TItemNode* pNode);
    void MoveToTail(TItemNode* pNode);
    bool MoveUp(TItemNode* pNode);
    bool MoveDown(TItemNode* pNode);

protected:
    // Called after every change of membership or order, for lists that keep an index.
    virtual void ListChanged() {}

    std::int32_t FCount = 0;
    TItemNode* FHead = nullptr;
    TItemNode* FTail = nullptr;

private:
    void Changed();
    mutable std::vector<TItemNode*> FPositions; // empty until asked for after a change
};

} // namespace zeledit::model
