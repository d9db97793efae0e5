#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace orv {

class TOrvCollection;

/// An item of an owned list. Changing an item's settings calls Changed, which tells the
/// collection through Update(item).
class TOrvCollectionItem {
public:
    explicit TOrvCollectionItem(TOrvCollection& collection) : fCollection(&collection) {}
    virtual ~TOrvCollectionItem() = default;
    TOrvCollectionItem(const TOrvCollectionItem&) = delete;
    TOrvCollectionItem& operator=(const TOrvCollectionItem&) = delete;

    TOrvCollection& Collection() const { return *fCollection; }
    /// The item's place in its collection, 0-based.
    int Index() const;
    /// The text that names the item in a list of items.
    virtual QString DisplayName() const { return QString(); }

protected:
    void Changed();

private:
    TOrvCollection* fCollection;
};

/// An owned list of items of one kind: the collection creates and frees them.
/// Update(item) runs after an item changes, Update(nullptr) after the list itself changes;
/// neither runs between BeginUpdate and EndUpdate, which ends with one Update(nullptr).
class TOrvCollection {
public:
    virtual ~TOrvCollection() = default;
    TOrvCollection(const TOrvCollection&) = delete;
    TOrvCollection& operator=(const TOrvCollection&) = delete;

    int Count() const { return int(fItems.size()); }
    /// The item at `index`, or none outside 0..Count-1.
    TOrvCollectionItem* Item(int index) const;
    TOrvCollectionItem* Add();
    void Delete(int index);
    void Clear();

    void BeginUpdate() { ++fUpdateDepth; }
    void EndUpdate();
    bool Updating() const { return fUpdateDepth > 0; }

protected:
    TOrvCollection() = default;
    virtual std::unique_ptr<TOrvCollectionItem> CreateItem() = 0;
    virtual void Update(TOrvCollectionItem* item) { (void)item; }

private:
    friend class TOrvCollectionItem;
    void Notify(TOrvCollectionItem* item);

    std::vector<std::unique_ptr<TOrvCollectionItem>> fItems;
    int fUpdateDepth = 0;
};

/// A collection of items of class TItem, which is constructed from the collection.
template <class TItem>
class TOrvCollectionOf : public TOrvCollection {
public:
    TItem* Add() { return static_cast<TItem*>(TOrvCollection::Add()); }
    TItem* Item(int index) const { return static_cast<TItem*>(TOrvCollection::Item(index)); }

protected:
    std::unique_ptr<TOrvCollectionItem> CreateItem() override { return std::make_unique<TItem>(*this); }
};

} // namespace orv
