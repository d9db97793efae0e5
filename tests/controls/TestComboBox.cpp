#include <orvkit/controls/OrvkitComboBox.h>
#include <orvkit/framework/OrvkitUICtrl.h>

#include "edits/EditTestWindow.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <stdexcept>

namespace orv {
namespace {

QStringList Items(int n)
{
    QStringList items;
    for (int i = 1; i <= n; ++i)
        items << QStringLiteral("Item %1").arg(i);
    return items;
}

class ComboFixture : public testing::Test {
protected:
    void SetUp() override
    {
        combo = fWindow.Add(new TOrvComboBox);
        after = fWindow.Add(new QLineEdit);
        combo->SetItems(Items(10));
        combo->SetItemIndex(0);
        combo->OnChange = [this](QObject*) { ++changes; };
        fWindow.Show();
    }
    void Press(Qt::Key key)
    {
        test::EditWindow::Focus(combo);
        QTest::keyClick(combo, key);
    }

    test::EditWindow fWindow;
    TOrvComboBox* combo = nullptr;
    QLineEdit* after = nullptr;
    int changes = 0;
};

TEST_F(ComboFixture, AReadOnlyListSnapsBackToItsItemAndStillReportsTheChange)
{
    combo->SetStyle(csDropDownList);
    combo->SetItemIndex(3);
    combo->SetReadOnly(true);
    Press(Qt::Key_Down);
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Item 4"));
    EXPECT_EQ(changes, 1);

    combo->SetReadOnly(false);
    Press(Qt::Key_Down);
    EXPECT_EQ(combo->ItemIndex(), 4);
    EXPECT_EQ(changes, 2);
}

TEST_F(ComboFixture, TypingIntoAReadOnlyComboChangesNothing)
{
    combo->SetReadOnly(true);
    test::EditWindow::Focus(combo);
    QTest::keyClicks(combo, QStringLiteral("xyz"));
    QTest::keyClick(combo, Qt::Key_Backspace);
    QTest::keyClick(combo, Qt::Key_Delete);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClick(combo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Item 1"));
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(changes, 0);
}

TEST_F(ComboFixture, AWritableComboTakesTypingAndPasteAndSelectsTheNamedItem)
{
    combo->SetAutoComplete(false);
    test::EditWindow::Focus(combo);
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo, QStringLiteral("item 7"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("item 7"));
    EXPECT_EQ(combo->ItemIndex(), 6);
    QTest::keyClick(combo, Qt::Key_X);
    EXPECT_EQ(combo->currentText(), QStringLiteral("item 7x"));
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->lineEdit()->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("Item 2"));
    QTest::keyClick(combo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Item 2"));
    EXPECT_GT(changes, 0);
}

TEST_F(ComboFixture, CodeSelectionsAreKeptByTheReadOnlySnapBack)
{
    // With ItemIndexChange on, the change handling used to put the old item back at once.
    combo->SetReadOnly(true);
    combo->SetItemIndexChange(true);
    combo->SetItemIndex(5);
    EXPECT_EQ(combo->ItemIndex(), 5);
    EXPECT_EQ(changes, 1);

    // Without it, the user's next key restored a stale selection.
    combo->SetItemIndexChange(false);
    combo->SetItemIndex(2);
    Press(Qt::Key_Down);
    EXPECT_EQ(combo->ItemIndex(), 2);
    // Qt's own selection calls count as code too.
    combo->setCurrentIndex(7);
    Press(Qt::Key_Up);
    EXPECT_EQ(combo->ItemIndex(), 7);
}

TEST_F(ComboFixture, ItemIndexChangeDecidesWhetherCodeRunsOnChange)
{
    const struct {
        bool itemIndexChange;
        int changes;
    } cases[] = {{false, 0}, {true, 1}};
    for (const auto& c : cases) {
        changes = 0;
        combo->SetItemIndexChange(c.itemIndexChange);
        combo->SetItemIndex(combo->ItemIndex() + 1);
        EXPECT_EQ(changes, c.changes) << c.itemIndexChange;
    }
}

TEST_F(ComboFixture, AnIndexOutOfRangeSelectsNone)
{
    for (const int index : {10, 99, -2}) {
        combo->SetItemIndex(3);
        combo->SetItemIndex(index);
        EXPECT_EQ(combo->ItemIndex(), -1) << index;
    }
}

TEST_F(ComboFixture, TextSelectsTheItemItNamesOrShowsItWithNone)
{
    combo->SetText(QStringLiteral("ITEM 5"));
    EXPECT_EQ(combo->ItemIndex(), 4);
    EXPECT_EQ(combo->Text(), QStringLiteral("ITEM 5"));
    combo->SetText(QStringLiteral("Something else"));
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), QStringLiteral("Something else"));
    EXPECT_EQ(changes, 0);
}

TEST_F(ComboFixture, EnterMovesToTheNextControl)
{
    Press(Qt::Key_Return);
    EXPECT_TRUE(after->hasFocus());
    const TOrvScopedValue enterAsTab(GlobalEnterAsTab, false);
    Press(Qt::Key_Return);
    EXPECT_TRUE(combo->hasFocus());
}

TEST_F(ComboFixture, TheAutoWidthListFitsItsWidestItemAndTheScrollBar)
{
    QString wide = QStringLiteral("W");
    while (combo->fontMetrics().horizontalAdvance(wide) < 200)
        wide += u'W';
    const int textWidth = combo->fontMetrics().horizontalAdvance(wide);
    const struct {
        int items;
        bool scrollBar;
    } cases[] = {{5, false}, {12, true}};
    for (const auto& c : cases) {
        QStringList items = Items(c.items - 1);
        items << wide;
        combo->SetItems(items);
        combo->resize(145, combo->height());
        combo->SetDropDownAutoWidth(true);
        combo->showPopup();
        const int expected = textWidth + 8 + (c.scrollBar ? combo->ScrollBarWidth() : 0);
        EXPECT_GE(combo->view()->window()->width(), expected) << c.items;
        EXPECT_EQ(combo->ScrollBarNeeded(), c.scrollBar);
        combo->hidePopup();
        QApplication::processEvents();
    }
    combo->SetDropDownAutoWidth(false);
    combo->SetDropDownWidth(300);
    combo->showPopup();
    EXPECT_GE(combo->view()->window()->width(), 300);
    combo->hidePopup();
}

TEST_F(ComboFixture, AUIControlsColoursApplyWhateverItsUsage)
{
    TOrvUICtrl ui;
    ui.ColorSet()->SetRWColor(0x00336699);
    ui.ColorSet()->SetRWFontColor(0x00FFFFFF);
    TOrvUIUsageTypes usage = TOrvUIUsageTypes::All();
    usage.Exclude(eutColorSet);
    combo->SetUIUsage(usage);
    combo->SetUICtrl(&ui);
    EXPECT_EQ(combo->Color(), 0x00336699);
    EXPECT_EQ(combo->palette().color(QPalette::Base), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(combo->palette().color(QPalette::Text), QColor(Qt::white));
    combo->SetReadOnly(true);
    EXPECT_EQ(combo->Color(), ui.ColorSet()->ROColor());
}

TEST_F(ComboFixture, TheValueSignalFiresOncePerChangeAndNotForAReadOnlyPick)
{
    QSignalSpy spy(combo, &TOrvCustomComboBox::itemIndexChanged);
    QSignalSpy changed(combo, &TOrvCustomComboBox::changed);
    combo->SetItemIndex(2);
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy.takeFirst().at(0).toInt(), 2);
    Press(Qt::Key_Down);
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy.takeFirst().at(0).toInt(), 3);
    combo->SetReadOnly(true);
    Press(Qt::Key_Down);
    EXPECT_EQ(spy.size(), 0);
    EXPECT_EQ(changed.size(), 2);
    EXPECT_EQ(combo->metaObject()->userProperty().name(), QByteArray("ItemIndex"));
}

TEST_F(ComboFixture, AFailingHandlerIsReportedNotPassedToQt)
{
    combo->OnChange = [](QObject*) { throw std::runtime_error("handler failed"); };
    test::EditWindow::Focus(combo);
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(shown, QStringLiteral("handler failed"));
    EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(ComboFixture, AssistiveTechnologyReadsTheBuddysNameAndTheShownText)
{
    auto* label = new QLabel(QStringLiteral("&Choice:"), &fWindow.Window());
    label->setBuddy(combo);
    combo->SetItemIndex(4);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(combo);
    ASSERT_NE(accessible, nullptr);
    // On Linux assistive technology names a combo box by its label relation.
    const auto labels = accessible->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.first().first->text(QAccessible::Name), QStringLiteral("Choice:"));
    EXPECT_EQ(accessible->text(QAccessible::Value), QStringLiteral("Item 5"));
}

/// Counts its fillings.
class CountingCombo : public TOrvCustomComboBox {
public:
    using TOrvCustomComboBox::TOrvCustomComboBox;
    int fills = 0;

protected:
    void FillItems() override
    {
        ++fills;
        ReplaceItems({QStringLiteral("a"), QStringLiteral("b")});
    }
};

TEST(ComboItems, AreFilledOnceOnFirstShowingOrAfterLoading)
{
    QWidget window;
    auto* shown = new CountingCombo(&window);
    auto* loaded = new CountingCombo;
    loaded->BeginLoad();
    loaded->setParent(&window);
    EXPECT_EQ(loaded->fills, 0);
    loaded->EndLoad();
    EXPECT_EQ(loaded->fills, 1);
    EXPECT_EQ(shown->fills, 0);
    window.show();
    QApplication::processEvents();
    window.hide();
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(shown->fills, 1);
    EXPECT_EQ(loaded->fills, 1);
    EXPECT_EQ(shown->count(), 2);
}

} // namespace
} // namespace orv
