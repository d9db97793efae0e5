#include <orvkit/framework/OrvkitControl.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>

namespace orv {
namespace {

/// An edit that records the key notifications and applies a planned change to one of them.
class TTestEdit : public TOrvWinControlT<QLineEdit> {
public:
    using TOrvWinControlT<QLineEdit>::TOrvWinControlT;

    std::vector<QString> log;
    bool swallowDown = false, swallowPress = false, swallowUp = false, swallowRaw = false;
    QChar replaceWith;
    int pastes = 0, cuts = 0, enters = 0, exits = 0, mouseEnters = 0, mouseLeaves = 0;
    bool pasteAllowed = true;

protected:
    void RawKeyDown(uint16_t& key, TShiftState) override
    {
        log.push_back(QStringLiteral("raw %1").arg(key));
        if (swallowRaw)
            key = 0;
    }
    void KeyDown(uint16_t& key, TShiftState shift) override
    {
        log.push_back(QStringLiteral("down %1%2").arg(key).arg(shift.testFlag(ssCtrl) ? QStringLiteral(" ctrl") : QString()));
        if (swallowDown)
            key = 0;
        TOrvWinControlT::KeyDown(key, shift);
    }
    void KeyPress(QChar& key) override
    {
        log.push_back(QStringLiteral("press %1").arg(key.unicode()));
        if (swallowPress)
            key = QChar();
        else if (!replaceWith.isNull())
            key = replaceWith;
    }
    void KeyUp(uint16_t& key, TShiftState) override
    {
        log.push_back(QStringLiteral("up %1").arg(key));
        if (swallowUp)
            key = 0;
    }
    void DoPaste() override
    {
        ++pastes;
        if (pasteAllowed)
            TOrvWinControlT::DoPaste();
    }
    void DoCut() override
    {
        ++cuts;
        TOrvWinControlT::DoCut();
    }
    void DoEnter() override { ++enters; }
    void DoExit() override { ++exits; }
    void MouseEnter() override { ++mouseEnters; }
    void MouseLeave() override { ++mouseLeaves; }
};

/// A window with two test edits, shown so that focus changes are real.
class ControlFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        first = new TTestEdit(&window);
        second = new TTestEdit(&window);
        layout->addWidget(first);
        layout->addWidget(second);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        QApplication::processEvents();
    }
    QWidget window;
    TTestEdit* first = nullptr;
    TTestEdit* second = nullptr;
};

TEST_F(ControlFixture, KeyPassesRawDownPressUpInOrder)
{
    first->log.clear();
    QTest::keyClick(first, Qt::Key_A);
    const std::vector<QString> expected = {QStringLiteral("raw 65"), QStringLiteral("down 65"),
                                           QStringLiteral("press 97"), QStringLiteral("up 65")};
    EXPECT_EQ(first->log, expected);
    EXPECT_EQ(first->text(), QStringLiteral("a"));
}

TEST_F(ControlFixture, ControlKeysArriveAsTheirCharacters)
{
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        QString down;
        QString press;
    } cases[] = {
        {Qt::Key_Return, Qt::NoModifier, QStringLiteral("down 13"), QStringLiteral("press 13")},
        {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("down 27"), QStringLiteral("press 27")},
        {Qt::Key_N, Qt::ControlModifier, QStringLiteral("down 78 ctrl"), QStringLiteral("press 14")},
        {Qt::Key_A, Qt::ControlModifier, QStringLiteral("down 65 ctrl"), QStringLiteral("press 1")},
    };
    for (const Case& c : cases) {
        first->log.clear();
        QTest::keyClick(first, c.key, c.mods);
        const auto down = std::find(first->log.begin(), first->log.end(), c.down);
        ASSERT_NE(down, first->log.end()) << c.down.toStdString();
        ASSERT_NE(down + 1, first->log.end());
        EXPECT_EQ(*(down + 1), c.press);
    }
}

TEST_F(ControlFixture, ArrowKeyHasNoKeyPress)
{
    first->log.clear();
    QTest::keyClick(first, Qt::Key_Left);
    const std::vector<QString> expected = {QStringLiteral("raw 37"), QStringLiteral("down 37"), QStringLiteral("up 37")};
    EXPECT_EQ(first->log, expected);
}

TEST_F(ControlFixture, KeypadDecimalHasItsOwnVirtualKey)
{
    first->log.clear();
    QTest::keyClick(first, Qt::Key_Period, Qt::KeypadModifier);
    ASSERT_GE(first->log.size(), 2u);
    EXPECT_EQ(first->log[1], QStringLiteral("down %1").arg(VK_DECIMAL));
}

TEST_F(ControlFixture, SwallowingAtEachStageKeepsTheTextUnchanged)
{
    struct Case {
        const char* name;
        bool TTestEdit::*flag;
        std::vector<QString> log;
    } cases[] = {
        {"raw", &TTestEdit::swallowRaw, {QStringLiteral("raw 66"), QStringLiteral("up 66")}},
        {"down", &TTestEdit::swallowDown, {QStringLiteral("raw 66"), QStringLiteral("down 66"), QStringLiteral("up 66")}},
        {"press", &TTestEdit::swallowPress,
         {QStringLiteral("raw 66"), QStringLiteral("down 66"), QStringLiteral("press 98"), QStringLiteral("up 66")}},
    };
    for (const Case& c : cases) {
        first->setText(QStringLiteral("x"));
        first->log.clear();
        first->*c.flag = true;
        QTest::keyClick(first, Qt::Key_B);
        first->*c.flag = false;
        EXPECT_EQ(first->text(), QStringLiteral("x")) << c.name;
        EXPECT_EQ(first->log, c.log) << c.name;
    }
}

TEST_F(ControlFixture, SwallowedKeyDownStopsTheNativeEdit)
{
    first->setText(QStringLiteral("abc"));
    first->setCursorPosition(0);
    first->swallowDown = true;
    QTest::keyClick(first, Qt::Key_Delete);
    EXPECT_EQ(first->text(), QStringLiteral("abc"));
    first->swallowDown = false;
    QTest::keyClick(first, Qt::Key_Delete);
    EXPECT_EQ(first->text(), QStringLiteral("bc"));
}

TEST_F(ControlFixture, SwallowedKeyUpIsReported)
{
    first->swallowUp = true;
    first->log.clear();
    QTest::keyClick(first, Qt::Key_C);
    EXPECT_EQ(first->text(), QStringLiteral("c"));
    EXPECT_EQ(first->log.back(), QStringLiteral("up 67"));
}

TEST_F(ControlFixture, ReplacedCharacterIsWhatLandsInTheText)
{
    first->replaceWith = QChar(u'Z');
    QTest::keyClicks(first, QStringLiteral("ab"));
    EXPECT_EQ(first->text(), QStringLiteral("ZZ"));
    first->replaceWith = QChar(u'\u00e9');
    QTest::keyClick(first, Qt::Key_1);
    EXPECT_EQ(first->text(), QStringLiteral("ZZ\u00e9"));
}

TEST_F(ControlFixture, CharacterReplacedByBackspaceActsAsBackspace)
{
    first->setText(QStringLiteral("abc"));
    first->setCursorPosition(3);
    first->replaceWith = QChar(u'\b');
    QTest::keyClick(first, Qt::Key_X);
    EXPECT_EQ(first->text(), QStringLiteral("ab"));
}

TEST_F(ControlFixture, KeyDownEventFiresWhenAssigned)
{
    uint16_t seen = 0;
    first->OnKeyDown = [&](QObject* sender, uint16_t& key, TShiftState) {
        EXPECT_EQ(sender, first);
        seen = key;
        key = 0;
    };
    QTest::keyClick(first, Qt::Key_D);
    EXPECT_EQ(seen, uint16_t('D'));
    EXPECT_TRUE(first->text().isEmpty());
}

TEST_F(ControlFixture, PasteAndCutKeysGoThroughTheRequests)
{
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClick(first, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(first->pastes, 1);
    EXPECT_EQ(first->text(), QStringLiteral("pasted"));

    first->pasteAllowed = false;
    QTest::keyClick(first, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(first->pastes, 2);
    EXPECT_EQ(first->text(), QStringLiteral("pasted"));

    first->selectAll();
    QTest::keyClick(first, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(first->cuts, 1);
    EXPECT_TRUE(first->text().isEmpty());
}

TEST_F(ControlFixture, ContextMenuPasteGoesThroughTheRequest)
{
    const std::unique_ptr<QMenu> menu(first->createStandardContextMenu());
    int pasted = 0;
    ASSERT_TRUE(detail::RouteEditActions(*menu, [&] { ++pasted; }, [] {}));
    for (QAction* a : menu->actions())
        if (a->text().startsWith(QStringLiteral("&Paste"))) {
            a->setEnabled(true);
            a->trigger();
        }
    EXPECT_EQ(pasted, 1);
}

TEST_F(ControlFixture, EnterAndExitFollowTheFocus)
{
    EXPECT_EQ(first->enters, 1);
    second->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(first->exits, 1);
    EXPECT_EQ(second->enters, 1);
    // A popup taking the focus neither leaves nor re-enters the edit.
    QMenu popup;
    popup.addAction(QStringLiteral("x"));
    popup.popup(second->mapToGlobal(QPoint(0, 0)));
    QApplication::processEvents();
    popup.close();
    QApplication::processEvents();
    EXPECT_EQ(second->exits, 0);
    EXPECT_EQ(second->enters, 1);
}

TEST_F(ControlFixture, MouseEnterAndLeave)
{
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(first, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(first, &leave);
    EXPECT_EQ(first->mouseEnters, 1);
    EXPECT_EQ(first->mouseLeaves, 1);
}

/// Paints a frame on its whole window after the native paint.
class TFramedEdit : public TOrvWinControlT<QLineEdit> {
public:
    using TOrvWinControlT<QLineEdit>::TOrvWinControlT;
    int menusDone = 0;

protected:
    void BorderPainted(QPainter& canvas) override { FrameRect(canvas, WindowRect(*this), Qt::red); }
    void ContextMenuDone() override { ++menusDone; }
};

TEST(TOrvWinControl, BorderPaintCoversTheWholeWindow)
{
    TFramedEdit edit;
    edit.resize(60, 24);
    const QImage image = edit.grab().toImage();
    const int w = image.width() - 1, h = image.height() - 1;
    for (const QPoint p : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h), QPoint(w / 2, h)})
        EXPECT_EQ(image.pixelColor(p), QColor(Qt::red)) << p.x() << "," << p.y();
}

TEST(TOrvWinControl, PopupMenuWithoutAutoPopupStaysClosedButIsReported)
{
    TFramedEdit edit;
    TOrvPopupMenu menu;
    menu.SetAutoPopup(false);
    edit.SetPopupMenu(&menu);
    EXPECT_FALSE(edit.PopupMenuAutoPopup());
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
    QApplication::sendEvent(&edit, &request);
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(edit.menusDone, 1);
    menu.SetAutoPopup(true);
    EXPECT_TRUE(edit.PopupMenuAutoPopup());
}

TEST(TOrvWinControl, TabStopAndBounds)
{
    QWidget parent;
    auto* edit = new TTestEdit(&parent);
    edit->SetTabStop(false);
    EXPECT_FALSE(edit->TabStop());
    EXPECT_EQ(edit->focusPolicy(), Qt::ClickFocus);
    edit->SetTabStop(true);
    EXPECT_TRUE(edit->TabStop());
    edit->SetBounds(10, 20, 81, 21);
    EXPECT_EQ(edit->Right(), 91);
    EXPECT_EQ(edit->Bottom(), 41);
    edit->SetLeft(119);
    EXPECT_EQ(edit->Right(), 200);
    EXPECT_EQ(edit->Width(), 81);
}

TEST(TOrvWinControl, ColorResolvesThroughThePalette)
{
    QWidget parent;
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, QColor(10, 20, 30));
    parent.setPalette(pal);
    auto* edit = new TTestEdit(&parent);
    edit->SetColor(0x00332211);
    EXPECT_EQ(edit->palette().color(edit->backgroundRole()), QColor(0x11, 0x22, 0x33));
    edit->SetParentColor(true);
    EXPECT_EQ(edit->Color(), TColor(0x001E140A));
    EXPECT_EQ(edit->palette().color(edit->backgroundRole()), QColor(10, 20, 30));
    edit->SetFontStyle(fsBold | fsItalic);
    EXPECT_TRUE(edit->font().bold());
    EXPECT_EQ(edit->FontStyle(), fsBold | fsItalic);
}

} // namespace
} // namespace orv
