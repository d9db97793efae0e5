#include <orvkit/framework/OrvkitCollection.h>

namespace orv {

int TOrvCollectionItem::Index() const
{
    for (int i = 0; i < fCollection->Count(); ++i)
        if (fCollection->Item(i) == this)
            return i;
    return -1;
}

void TOrvCollectionItem::Changed()
{
    fCollection->Notify(this);
}

TOrvCollectionItem* TOrvCollection::Item(int index) const
{
    return index >= 0 && index < Count() ? fItems[size_t(index)].get() : nullptr;
}

TOrvCollectionItem* TOrvCollection::Add()
{
    fItems.push_back(CreateItem());
    Notify(nullptr);
    return fItems.back().get();
}

void TOrvCollection::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    fItems.erase(fItems.begin() + index);
    Notify(nullptr);
}

void TOrvCollection::Clear()
{
    if (fItems.empty())
        return;
    fItems.clear();
    Notify(nullptr);
}

void TOrvCollection::EndUpdate()
{
    if (fUpdateDepth == 0)
        return;
    if (--fUpdateDepth == 0)
        Update(nullptr);
}

void TOrvCollection::Notify(TOrvCollectionItem* item)
{
    if (!Updating())
        Update(item);
}

} // namespace orv
