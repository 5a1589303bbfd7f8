// The owning, doubly linked item list every table derives from.
#include "model/link_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace zeledit::model {
namespace {

std::vector<int>* destroyed = nullptr;

struct Item : TItemNode {
    explicit Item(int v) : value(v) {}
    ~Item() override {
        if (destroyed != nullptr) destroyed->push_back(value);
    }
    int value;
};

class LinkList : public ::testing::Test {
protected:
    TLinkList list;
    std::vector<int> gone;
    void SetUp() override { destroyed = &gone; }
    void TearDown() override {
        list.FreeAll();
        destroyed = nullptr;
    }
    Item* add(int v) {
        auto* item = new Item(v);
        list.Append(item);
        return item;
    }
    std::vector<int> values() const {
        std::vector<int> out;
        for (TItemNode* n = list.Head(); n != nullptr; n = n->NextItem)
            out.push_back(static_cast<Item*>(n)->value);
        // The links agree in both directions.
        std::vector<int> back;
        for (TItemNode* n = list.Tail(); n != nullptr; n = n->PrevItem)
            back.insert(back.begin(), static_cast<Item*>(n)->value);
        EXPECT_EQ(out, back);
        EXPECT_EQ(static_cast<int>(out.size()), list.Count());
        return out;
    }
};

TEST_F(LinkList, EmptyListPopsNothing) {
    EXPECT_EQ(list.PopFirst(), nullptr);
    EXPECT_EQ(list.PopLast(), nullptr);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Get(0), nullptr);
    EXPECT_EQ(list.IndexOf(nullptr), 0);
}

TEST_F(LinkList, AppendPrependInsert) {
    Item* b = add(2);
    list.Prepend(new Item(1));
    add(4);
    EXPECT_TRUE(list.Insert(list.Get(2), new Item(3)));
    EXPECT_EQ(values(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(list.Insert(list.Head(), new Item(0))); // before the head: prepended
    EXPECT_EQ(values(), (std::vector<int>{0, 1, 2, 3, 4}));
    auto* stray = new Item(9);
    EXPECT_FALSE(list.Insert(nullptr, stray));
    EXPECT_EQ(list.Count(), 5);
    delete stray;
    EXPECT_EQ(list.IndexOf(b), 2);
}

TEST_F(LinkList, DeletingTheOnlyItemEmptiesTheList) {
    Item* only = add(1);
    EXPECT_EQ(list.Delete(only), only);
    EXPECT_EQ(list.Head(), nullptr);
    EXPECT_EQ(list.Tail(), nullptr);
    EXPECT_EQ(list.Count(), 0);
    delete only;
}

TEST_F(LinkList, PositionalAccessAndFreeing) {
    for (int i = 0; i < 5; ++i) add(i);
    EXPECT_EQ(list.Get(-1), nullptr);
    EXPECT_EQ(list.Get(5), nullptr);
    EXPECT_EQ(static_cast<Item*>(list.Get(3))->value, 3);
    list.FreeAt(5);
    list.FreeAt(-1);
    EXPECT_EQ(list.Count(), 5);
    list.FreeAt(1);
    EXPECT_EQ(gone, std::vector<int>{1});
    TItemNode* taken = list.DeleteAt(0);
    EXPECT_EQ(static_cast<Item*>(taken)->value, 0);
    delete taken;
    EXPECT_EQ(values(), (std::vector<int>{2, 3, 4}));
}

TEST_F(LinkList, FreeAllDestroysFromTheTail) {
    for (int i = 1; i <= 3; ++i) add(i);
    list.FreeAll();
    EXPECT_EQ(gone, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Head(), nullptr);
}

TEST_F(LinkList, IndexOfForeignItems) {
    add(1);
    TLinkList other;
    auto* foreign = new Item(7);
    other.Append(foreign);
    EXPECT_EQ(list.IndexOf(foreign), -1);
    EXPECT_EQ(list.IndexOf(nullptr), 1);
}

TEST_F(LinkList, ZOrderMoves) {
    Item* a = add(1);
    Item* b = add(2);
    EXPECT_FALSE(list.MoveUp(a));
    EXPECT_FALSE(list.MoveDown(b));
    EXPECT_FALSE(list.MoveUp(nullptr));
    EXPECT_EQ(values(), (std::vector<int>{1, 2}));
    EXPECT_TRUE(list.MoveDown(a)); // two items: they swap
    EXPECT_EQ(values(), (std::vector<int>{2, 1}));
    Item* c = add(3);
    EXPECT_TRUE(list.MoveUp(c));
    EXPECT_EQ(values(), (std::vector<int>{2, 3, 1}));
    list.MoveToHead(a);
    EXPECT_EQ(values(), (std::vector<int>{1, 2, 3}));
    list.MoveToTail(a);
    EXPECT_EQ(values(), (std::vector<int>{2, 3, 1}));
}

// A derived list can keep its own index through the change hook.
class IndexedList : public TLinkList {
public:
    TItemNode* Get(std::int32_t index) const override {
        if (stale_) rebuild();
        return index >= 0 && index < static_cast<std::int32_t>(index_.size()) ? index_[index] : nullptr;
    }
    int rebuilds = 0;

protected:
    void ListChanged() override { stale_ = true; }

private:
    void rebuild() const {
        index_.clear();
        for (TItemNode* n = FHead; n != nullptr; n = n->NextItem) index_.push_back(n);
        stale_ = false;
        ++const_cast<IndexedList*>(this)->rebuilds;
    }
    mutable std::vector<TItemNode*> index_;
    mutable bool stale_ = true;
};

TEST(IndexedLinkList, KeepsItsIndexInStep) {
    IndexedList list;
    for (int i = 0; i < 4; ++i) list.Append(new Item(i));
    EXPECT_EQ(static_cast<Item*>(list.Get(2))->value, 2);
    EXPECT_EQ(static_cast<Item*>(list.Get(3))->value, 3);
    EXPECT_EQ(list.rebuilds, 1);
    list.MoveToHead(list.Get(3));
    EXPECT_EQ(static_cast<Item*>(list.Get(0))->value, 3);
    list.FreeAt(0); // FreeAt goes through the overridden Get
    EXPECT_EQ(static_cast<Item*>(list.Get(0))->value, 0);
    EXPECT_EQ(list.Count(), 3);
}

} // namespace
} // namespace zeledit::model
