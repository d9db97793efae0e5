#include "controls/ItemWindow.h"

#include <orvkit/controls/OrvkitItemAccessible.h>

#include <QAccessibleActionInterface>

namespace orv {
namespace {

using ItemAccessible = ItemWindow;

QAccessibleInterface* Iface(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(iface, nullptr);
    return iface;
}

TEST(PlainCaption, DropsTheAcceleratorMark)
{
    const struct {
        const char* caption;
        const char* plain;
    } cases[] = {{"&Paid", "Paid"}, {"Fish && chips", "Fish & chips"}, {"A&&&B", "A&B"}, {"End&", "End"}, {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(PlainCaption(QString::fromLatin1(c.caption)), QString::fromLatin1(c.plain)) << c.caption;
}

TEST_F(ItemAccessible, CheckBoxRoleNameAndStates)
{
    QAccessibleInterface* iface = Iface(box);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::CheckBox);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Paid & sent"));
    const struct {
        TCheckBoxState state;
        bool checked, mixed;
    } cases[] = {{cbUnchecked, false, false}, {cbChecked, true, false}, {cbGrayed, false, true}};
    for (const auto& c : cases) {
        box->SetState(c.state);
        const QAccessible::State s = iface->state();
        EXPECT_TRUE(s.checkable);
        EXPECT_EQ(bool(s.checked), c.checked) << "state " << c.state;
        EXPECT_EQ(bool(s.checkStateMixed), c.mixed) << "state " << c.state;
    }
    EXPECT_FALSE(iface->state().focused);
    Focus(box);
    EXPECT_TRUE(iface->state().focused);
    EXPECT_TRUE(iface->state().focusable);
    box->SetReadOnly(true);
    EXPECT_TRUE(iface->state().readOnly);
    box->setEnabled(false);
    EXPECT_TRUE(iface->state().disabled);
    box->setAccessibleName(QStringLiteral("Own name"));
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Own name")) << "a name the program sets wins";
}

TEST_F(ItemAccessible, CheckBoxToggleActionActsAsSpace)
{
    QAccessibleInterface* iface = Iface(box);
    ASSERT_NE(iface, nullptr);
    QAccessibleActionInterface* actions = iface->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    int stateChanges = 0;
    box->OnStateChange = [&](QObject*) { ++stateChanges; };
    box->SetNull(true);
    stateChanges = 0;
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(box->State(), cbChecked);
    EXPECT_EQ(stateChanges, 1);
    box->SetReadOnly(true);
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(box->State(), cbChecked) << "a read-only box keeps its state";
}

TEST_F(ItemAccessible, RadioButtonRoleStateAndPressAction)
{
    QAccessibleInterface* iface = Iface(radios[1]);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::RadioButton);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Radio 1"));
    EXPECT_TRUE(iface->state().checkable);
    EXPECT_FALSE(iface->state().checked);
    ASSERT_NE(iface->actionInterface(), nullptr);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(radios[1]->Checked());
    EXPECT_TRUE(iface->state().checked);
    EXPECT_EQ(QApplication::focusWidget(), radios[1]);
}

TEST_F(ItemAccessible, GroupsAreGroupingsWithTheirItemsAsChildren)
{
    QAccessibleInterface* plain = Iface(groupBox);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->role(), QAccessible::Grouping);
    EXPECT_EQ(plain->text(QAccessible::Name), QStringLiteral("Options"));

    radioGroup->SetItemIndex(1);
    QAccessibleInterface* radio = Iface(radioGroup);
    ASSERT_NE(radio, nullptr);
    EXPECT_EQ(radio->role(), QAccessible::Grouping);
    EXPECT_EQ(radio->text(QAccessible::Name), QStringLiteral("Size"));
    ASSERT_EQ(radio->childCount(), 3);
    const char* names[] = {"Small", "Medium", "Large"};
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface* child = radio->child(i);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->role(), QAccessible::RadioButton);
        EXPECT_EQ(child->text(QAccessible::Name), QString::fromLatin1(names[i]));
        EXPECT_EQ(bool(child->state().checked), i == 1);
        EXPECT_EQ(child->parent()->object(), radioGroup);
    }

    checkGroup->SetAsBitList(0b0110);
    QAccessibleInterface* check = Iface(checkGroup);
    ASSERT_NE(check, nullptr);
    ASSERT_EQ(check->childCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(check->child(i)->role(), QAccessible::CheckBox);
        EXPECT_EQ(bool(check->child(i)->state().checked), i == 1 || i == 2);
    }
    checkGroup->SetReadOnly(true);
    EXPECT_TRUE(check->state().readOnly);
    EXPECT_TRUE(check->child(0)->state().readOnly);
}

} // namespace
} // namespace orv
