#include <orvkit/framework/OrvkitComponent.h>

#include <QMetaProperty>
#include <QVariant>
#include <gtest/gtest.h>
#include <memory>

namespace orv {
namespace {

/// Keeps a reference to another component and clears it when that one goes.
class TRefHolder : public TOrvComponent {
public:
    using TOrvComponent::TOrvComponent;
    QObject* Ref() const { return fRef; }
    void SetRef(QObject* value)
    {
        if (fRef)
            RemoveFreeNotification(fRef);
        fRef = value;
        if (fRef)
            FreeNotification(fRef);
    }
    int loadedCalls = 0;
    int removals = 0;

protected:
    void Loaded() override { ++loadedCalls; }
    void Notification(QObject* component, TOperation operation) override
    {
        if (operation == opRemove && component == fRef) {
            fRef = nullptr;
            ++removals;
        }
    }

private:
    QObject* fRef = nullptr;
};

TEST(TOrvComponent, FreeNotificationClearsTheReference)
{
    TRefHolder holder;
    auto other = std::make_unique<TOrvComponent>();
    holder.SetRef(other.get());
    other.reset();
    EXPECT_EQ(holder.Ref(), nullptr);
    EXPECT_EQ(holder.removals, 1);
}

TEST(TOrvComponent, RemovedFreeNotificationIsSilent)
{
    TRefHolder holder;
    auto first = std::make_unique<TOrvComponent>();
    auto second = std::make_unique<TOrvComponent>();
    holder.SetRef(first.get());
    holder.SetRef(second.get());
    first.reset();
    EXPECT_EQ(holder.Ref(), second.get());
    EXPECT_EQ(holder.removals, 0);
}

TEST(TOrvComponent, HolderDestroyedFirstLeavesNoDanglingNotification)
{
    auto other = std::make_unique<TOrvComponent>();
    {
        TRefHolder holder;
        holder.SetRef(other.get());
    }
    other.reset(); // must not reach the destroyed holder
    SUCCEED();
}

TEST(TOrvComponent, OwnerFreesOwnedComponentsAndTheirReferencesClear)
{
    TRefHolder holder;
    auto owner = std::make_unique<TOrvComponent>();
    auto* owned = new TOrvComponent(owner.get());
    owned->SetName(QStringLiteral("Owned1"));
    EXPECT_EQ(owned->Owner(), owner.get());
    EXPECT_EQ(owned->Name(), QStringLiteral("Owned1"));
    holder.SetRef(owned);
    owner.reset();
    EXPECT_EQ(holder.Ref(), nullptr);
}

TEST(TOrvComponent, LoadingRunsLoadedOnceAtTheOutermostEnd)
{
    TRefHolder c;
    EXPECT_FALSE(c.Loading());
    c.BeginLoad();
    c.BeginLoad();
    EXPECT_TRUE(c.Loading());
    c.EndLoad();
    EXPECT_EQ(c.loadedCalls, 0);
    c.EndLoad();
    EXPECT_FALSE(c.Loading());
    EXPECT_EQ(c.loadedCalls, 1);
    c.EndLoad(); // unbalanced end does nothing
    EXPECT_EQ(c.loadedCalls, 1);
}

TEST(TOrvComponent, VersionIsAReadOnlyUnstoredProperty)
{
    TOrvComponent c;
    EXPECT_EQ(c.property("Version").toString(), QStringLiteral("6.15.1"));
    EXPECT_FALSE(c.setProperty("Version", QStringLiteral("1.0")));
    const QMetaProperty p = c.metaObject()->property(c.metaObject()->indexOfProperty("Version"));
    EXPECT_FALSE(p.isStored());
}

} // namespace
} // namespace orv
