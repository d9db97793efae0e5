#include <orvkit/framework/OrvkitCollection.h>

#include <gtest/gtest.h>
#include <vector>

namespace orv {
namespace {

class TNamedItem : public TOrvCollectionItem {
public:
    using TOrvCollectionItem::TOrvCollectionItem;
    void SetCaption(const QString& value)
    {
        if (value == fCaption)
            return;
        fCaption = value;
        Changed();
    }
    QString DisplayName() const override { return fCaption.isEmpty() ? QStringLiteral("<empty>") : fCaption; }

private:
    QString fCaption;
};

class TNamedItems : public TOrvCollectionOf<TNamedItem> {
public:
    std::vector<const TOrvCollectionItem*> updates;

protected:
    void Update(TOrvCollectionItem* item) override { updates.push_back(item); }
};

TEST(TOrvCollection, ItemsAreOwnedAndIndexed)
{
    TNamedItems items;
    TNamedItem* first = items.Add();
    TNamedItem* second = items.Add();
    EXPECT_EQ(items.Count(), 2);
    EXPECT_EQ(first->Index(), 0);
    EXPECT_EQ(second->Index(), 1);
    EXPECT_EQ(&second->Collection(), &items);
    EXPECT_EQ(items.Item(2), nullptr);
    EXPECT_EQ(items.Item(-1), nullptr);
    items.Delete(0);
    EXPECT_EQ(second->Index(), 0);
    items.Delete(5); // out of range: nothing
    EXPECT_EQ(items.Count(), 1);
    EXPECT_EQ(second->DisplayName(), QStringLiteral("<empty>"));
}

TEST(TOrvCollection, ChangedItemIsUpdatedAloneAndUpdatesWaitForEndUpdate)
{
    TNamedItems items;
    TNamedItem* item = items.Add();
    items.updates.clear();
    item->SetCaption(QStringLiteral("Edit1"));
    item->SetCaption(QStringLiteral("Edit1")); // unchanged: no update
    ASSERT_EQ(items.updates.size(), 1u);
    EXPECT_EQ(items.updates.front(), item);

    items.updates.clear();
    items.BeginUpdate();
    item->SetCaption(QStringLiteral("Edit2"));
    items.Add();
    EXPECT_TRUE(items.updates.empty());
    items.EndUpdate();
    ASSERT_EQ(items.updates.size(), 1u);
    EXPECT_EQ(items.updates.front(), nullptr);
    items.EndUpdate(); // unbalanced: nothing
    EXPECT_EQ(items.updates.size(), 1u);
}

} // namespace
} // namespace orv
