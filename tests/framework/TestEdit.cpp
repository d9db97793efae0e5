#include <orvkit/framework/OrvkitEdit.h>

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitGuards.h>

#include <QApplication>
#include <QClipboard>
#include <QEnterEvent>
#include <QMessageBox>
#include <QTimer>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orv {
namespace {

/// A value edit that logs its hooks; "bad" does not convert, a leading "-" is negative.
class TLogEdit : public TOrvBaseEdit {
public:
    using TOrvBaseEdit::TOrvBaseEdit;
    std::vector<std::string>* log = nullptr;
    using TOrvBaseEdit::CheckForErrors;
    using TOrvBaseEdit::SetSign;

protected:
    void ConvertText() override
    {
        if (!log)
            return;
        const QString t = GetText();
        log->push_back("ConvertText " + t.toStdString());
        if (t == QStringLiteral("bad") && CheckForErrors())
            throw EConvertError(QStringLiteral("Not a value"));
    }
    void ValidateBounds() override
    {
        if (log)
            log->push_back("ValidateBounds");
        TOrvBaseEdit::ValidateBounds();
    }
};

/// A shown, active window with three plain edits and one value edit in tab order.
class EditFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        for (auto*& e : edits) {
            e = new TOrvkitEdit(&window);
            layout->addWidget(e);
        }
        value = new TLogEdit(&window);
        layout->addWidget(value);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        Focus(edits[0]);
    }
    static void Focus(QWidget* w)
    {
        w->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }

    QWidget window;
    TOrvkitEdit* edits[3] = {};
    TLogEdit* value = nullptr;
};

TEST_F(EditFixture, EnterMovesToTheNextControlAndTypesNothing)
{
    edits[0]->SetText(QStringLiteral("abc"));
    QTest::keyClick(edits[0], Qt::Key_Return);
    EXPECT_EQ(Focused(), edits[1]);
    EXPECT_EQ(edits[0]->text(), QStringLiteral("abc"));

    edits[1]->SetMultiLine(true);
    QTest::keyClick(edits[1], Qt::Key_Return);
    EXPECT_EQ(Focused(), edits[1]) << "multi-line: Enter goes to the native edit";
}

/// Counts what a UI control tells it.
class TCountingEdit : public TOrvkitEdit {
public:
    using TOrvkitEdit::TOrvkitEdit;
    int displays = 0, colorUpdates = 0, redraws = 0;
    void Display() override { ++displays; TOrvkitEdit::Display(); }
    void UpdateColorSet() override { ++colorUpdates; TOrvkitEdit::UpdateColorSet(); }
    void Redraw() override { ++redraws; TOrvkitEdit::Redraw(); }
};

TEST_F(EditFixture, EnterAsTabOfTheUIControlIsReadAtTheNextKey)
{
    TOrvUICtrl ui;
    auto* listener = new TCountingEdit(&window);
    listener->SetUICtrl(&ui);
    edits[0]->SetUICtrl(&ui);
    ui.SetEnterAsTab(false);
    ui.SetArrowsAsTab(false);
    ui.SetBlankIsNull(true);
    EXPECT_EQ(listener->displays + listener->colorUpdates + listener->redraws, 0) << "nobody is notified";
    QTest::keyClick(edits[0], Qt::Key_Return);
    EXPECT_EQ(Focused(), edits[0]);
    edits[0]->SetUIUsage({eutColorSet, eutBlank_Null});
    QTest::keyClick(edits[0], Qt::Key_Return);
    EXPECT_EQ(Focused(), edits[1]) << "without eutNavigation the library default holds";

    ui.SetNegAsBrackets(true);
    EXPECT_EQ(listener->displays, 1);
    ui.ColorSet()->SetHotColor(clRed);
    EXPECT_EQ(listener->colorUpdates, 1);
    EXPECT_EQ(listener->redraws, 0);
    ui.ColorSet()->SetFlat(true);
    EXPECT_EQ(listener->redraws, 1);
}

TEST_F(EditFixture, EscUndoesTheLastChange)
{
    edits[0]->SetText(QStringLiteral("start"));
    edits[0]->end(false);
    QTest::keyClicks(edits[0], QStringLiteral("xy"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("startxy"));
    QTest::keyClick(edits[0], Qt::Key_Escape);
    EXPECT_EQ(edits[0]->text(), QStringLiteral("start"));
}

TEST_F(EditFixture, CtrlNMakesTheEditNullAndShowsNullStr)
{
    TOrvkitEdit& e = *edits[0];
    e.SetNullStr(QStringLiteral("(none)"));
    e.SetText(QStringLiteral("abc"));
    int nulls = 0, nullChanges = 0;
    e.OnNull = [&](QObject*) { ++nulls; };
    e.OnNullChange = [&](QObject*) { ++nullChanges; };
    QTest::keyClick(&e, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(e.Null());
    EXPECT_EQ(e.text(), QStringLiteral("(none)"));
    EXPECT_EQ(e.GetText(), QString());
    EXPECT_EQ(nulls, 1);
    EXPECT_EQ(nullChanges, 1);

    // A typed character replaces the null text.
    QTest::keyClick(&e, Qt::Key_Q);
    EXPECT_FALSE(e.Null());
    EXPECT_EQ(e.text(), QStringLiteral("q"));

    e.SetBlankWhenNull(true);
    QTest::keyClick(&e, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(e.Null());
    EXPECT_EQ(e.text(), QString());
}

TEST_F(EditFixture, CtrlNDoesNothingInAReadOnlyEdit)
{
    TOrvkitEdit& e = *edits[0];
    e.SetNullStr(QStringLiteral("(none)"));
    e.SetText(QStringLiteral("abc"));
    e.SetReadOnly(true);
    QTest::keyClick(&e, Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(e.Null());
    EXPECT_EQ(e.text(), QStringLiteral("abc"));
}

TEST_F(EditFixture, NullTextProtocol)
{
    TOrvkitEdit& e = *edits[0];
    e.SetNullStr(QStringLiteral("(none)"));
    e.SetNull(true);
    e.SetText(QStringLiteral("(none)"));
    EXPECT_TRUE(e.Null()) << "the null string keeps the edit null";
    e.SetText(QStringLiteral("x"));
    EXPECT_FALSE(e.Null());
    EXPECT_EQ(e.GetText(), QStringLiteral("x"));

    e.SetBlankIsNull(true);
    e.SetText(QString());
    EXPECT_TRUE(e.Null());
    EXPECT_EQ(e.text(), QStringLiteral("(none)"));

    e.Clear();
    EXPECT_FALSE(e.Null());
    EXPECT_TRUE(e.IsClear());
}

TEST_F(EditFixture, UIControlSuppliesTheNullStringAndReDisplays)
{
    TOrvUICtrl ui;
    ui.SetNullStr(QStringLiteral("<n>"));
    edits[0]->SetUICtrl(&ui);
    edits[0]->SetNull(true);
    EXPECT_EQ(edits[0]->text(), QStringLiteral("<n>"));
    ui.SetNullStr(QStringLiteral("--"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("--"));
    ui.SetBlankWhenNull(true);
    EXPECT_EQ(edits[0]->text(), QString());
}

TEST_F(EditFixture, TypedBlankSwitchesFollowTheDataType)
{
    TOrvUICtrl ui;
    ui.SetBlankWhenNull(true);
    ui.SetDateBlankWhenNull(false);
    EXPECT_TRUE(ui.Blanks(btDate).BlankWhenNull) << "plain switches without UseTypesInBlanks";
    ui.SetUseTypesInBlanks(true);
    EXPECT_FALSE(ui.Blanks(btDate).BlankWhenNull);
    EXPECT_TRUE(ui.Blanks(btAll).BlankWhenNull);
    ui.SetCurrBlankIsNull(true);
    EXPECT_TRUE(ui.Blanks(btCurrency).BlankIsNull);
    EXPECT_FALSE(ui.Blanks(btAll).BlankIsNull);
}

TEST_F(EditFixture, ArrowsMoveTheFocus)
{
    Focus(edits[1]);
    QTest::keyClick(edits[1], Qt::Key_Down);
    EXPECT_EQ(Focused(), edits[2]);
    QTest::keyClick(edits[2], Qt::Key_Up);
    EXPECT_EQ(Focused(), edits[1]);

    const TOrvScopedValue arrows(GlobalArrowsAsTab, false);
    QTest::keyClick(edits[1], Qt::Key_Down);
    EXPECT_EQ(Focused(), edits[1]);
}

TEST_F(EditFixture, ReadOnlyRefusesTypingDeleteAndPasteButLetsCopyThrough)
{
    TOrvkitEdit& e = *edits[0];
    e.SetText(QStringLiteral("keep"));
    e.SetReadOnly(true);
    std::vector<uint16_t> downs;
    e.OnKeyDown = [&](QObject*, uint16_t& key, TShiftState) {
        if (key != VK_SHIFT && key != VK_CONTROL) // QTest presses the modifiers too
            downs.push_back(key);
    };
    QApplication::clipboard()->setText(QStringLiteral("pasted"));

    QTest::keyClick(&e, Qt::Key_X);
    e.home(false);
    QTest::keyClick(&e, Qt::Key_Delete);
    QTest::keyClick(&e, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(e.text(), QStringLiteral("keep"));
    ASSERT_EQ(downs.size(), 3u);
    EXPECT_EQ(downs[0], 'X') << "printable keys are refused in the key press";
    EXPECT_EQ(downs[1], 0) << "Delete is swallowed";
    EXPECT_EQ(downs[2], 0) << "Shift+Insert is swallowed";

    e.selectAll();
    QTest::keyClick(&e, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("keep"));
}

TEST_F(EditFixture, NumbersOnlyRefusesOtherCharacters)
{
    TOrvkitEdit& e = *edits[0];
    e.SetNumbersOnly(true);
    QTest::keyClicks(&e, QStringLiteral("1a2 3"));
    EXPECT_EQ(e.text(), QStringLiteral("123"));
    QTest::keyClick(&e, Qt::Key_Backspace);
    EXPECT_EQ(e.text(), QStringLiteral("12")) << "control keys pass";
}

TEST_F(EditFixture, PasteIntoANullEditReplacesTheNullText)
{
    TOrvkitEdit& e = *edits[0];
    e.SetNullStr(QStringLiteral("(none)"));
    e.SetNull(true);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(e.Null());
    EXPECT_EQ(e.text(), QStringLiteral("pasted"));
    EXPECT_TRUE(e.isModified());
}

TEST_F(EditFixture, AutoAdvanceAtMaxLength)
{
    TOrvkitEdit& e = *edits[0];
    e.SetMaxLength(3);
    e.SetAutoAdvance(true);
    QTest::keyClicks(&e, QStringLiteral("ab"));
    QTest::keyClick(&e, Qt::Key_Left);
    EXPECT_EQ(Focused(), &e);
    e.end(false);
    QTest::keyClick(&e, Qt::Key_C);
    EXPECT_EQ(Focused(), edits[1]);
    Focus(&e);
    e.end(false);
    QTest::keyClick(&e, Qt::Key_Left);
    EXPECT_EQ(Focused(), &e) << "Left at full length stays";
}

TEST_F(EditFixture, LeavingSetsModifiedEnteringClearsIt)
{
    TOrvkitEdit& e = *edits[0];
    QTest::keyClicks(&e, QStringLiteral("new"));
    e.setModified(false);
    QTest::keyClick(&e, Qt::Key_Tab);
    EXPECT_TRUE(e.isModified());
    Focus(&e);
    EXPECT_FALSE(e.isModified());
}

TEST_F(EditFixture, PlainEditTrimsAndProperCasesOnExit)
{
    TOrvkitEdit& e = *edits[0];
    e.SetProperAdjust(true);
    e.SetTrimLeading(true);
    e.SetText(QStringLiteral("  mary-ann o'brien  "));
    QTest::keyClick(&e, Qt::Key_Tab);
    EXPECT_EQ(e.text(), QStringLiteral("Mary-Ann O'Brien"));
    EXPECT_EQ(e.UpperText(), QStringLiteral("MARY-ANN O'BRIEN"));

    Focus(&e);
    e.SetBlankIsNull(true);
    e.SetNullStr(QStringLiteral("(none)"));
    e.SetText(QStringLiteral("   "));
    QTest::keyClick(&e, Qt::Key_Tab);
    EXPECT_TRUE(e.Null()) << "blank after trimming is null";
    EXPECT_EQ(e.text(), QStringLiteral("(none)"));
}

TEST_F(EditFixture, ExitSequenceStopsAtAConvertErrorAndKeepsTheFocus)
{
    std::vector<std::string> log;
    value->log = &log;
    value->SetBoundsEnabled(true);
    value->OnExitStart = [&](QObject* sender, QString& text, bool&) {
        EXPECT_EQ(sender, value);
        log.push_back("OnExitStart " + text.toStdString());
    };
    value->OnConvertError = [&](QObject*, const QString& text) { log.push_back("OnConvertError " + text.toStdString()); };
    value->OnBoundsError = [&](QObject*, const QString& text, TOrvBoundsValidationtype) {
        log.push_back("OnBoundsError " + text.toStdString());
    };
    int exits = 0;
    value->OnExit = [&](QObject*) { ++exits; };

    Focus(value);
    value->SetText(QStringLiteral("bad"));
    log.clear();
    QTest::keyClick(value, Qt::Key_Tab);
    EXPECT_EQ(log, (std::vector<std::string>{"OnExitStart bad", "ConvertText bad", "OnConvertError bad"}));
    EXPECT_EQ(Focused(), value) << "the focus stays in the edit";
    EXPECT_FALSE(value->ConvertOK());
    EXPECT_EQ(exits, 0);

    value->SetText(QStringLiteral("12"));
    log.clear();
    QTest::keyClick(value, Qt::Key_Tab);
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[0], "OnExitStart 12");
    EXPECT_EQ(log[1], "ConvertText 12");
    EXPECT_EQ(log[log.size() - 2], "ValidateBounds");
    EXPECT_EQ(log.back(), "OnBoundsError 12");
    EXPECT_NE(Focused(), value);
    EXPECT_TRUE(value->ConvertOK());
    EXPECT_EQ(exits, 1);
}

TEST_F(EditFixture, AnUnhandledConvertErrorIsShownAndKeepsTheFocus)
{
    std::vector<std::string> log;
    value->log = &log;
    Focus(value);
    value->SetText(QStringLiteral("bad"));
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    QTest::keyClick(value, Qt::Key_Tab);
    EXPECT_EQ(shown, QStringLiteral("Not a value"));
    // The focus waits in the edit until the window is active again (the offscreen
    // platform does not re-activate it by itself).
    EXPECT_EQ(window.focusWidget(), value);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(Focused(), value);
}

TEST_F(EditFixture, SignChangesRecolourWithNumDiff)
{
    value->ColorSet().SetNumDiff(true);
    int signChanges = 0;
    value->OnSignChange = [&](QObject*) { ++signChanges; };
    value->SetSign(-1);
    EXPECT_EQ(value->FontColor(), 0x000000FF);
    value->SetSign(1);
    EXPECT_EQ(value->FontColor(), 0x00800000);
    value->SetSign(1);
    EXPECT_EQ(signChanges, 2);
}

TEST_F(EditFixture, ReadOnlyEditOfAUIControlIsSkippedByTab)
{
    TOrvUICtrl ui;
    edits[1]->SetUICtrl(&ui);
    edits[1]->SetReadOnly(true);
    QTest::keyClick(edits[0], Qt::Key_Tab);
    EXPECT_EQ(Focused(), edits[2]);
    ui.SetNoTabStopOnReadOnly(false);
    edits[1]->SetUIUsage({eutColorSet, eutBlank_Null, eutNavigation});
    edits[1]->SetUIUsage(TOrvUIUsageTypes::All());
    EXPECT_TRUE(edits[1]->TabStop());
}

TEST_F(EditFixture, RightMovesWithoutResizing)
{
    auto* loose = new TOrvBaseEdit(&window);
    EXPECT_EQ(loose->Width(), 81);
    loose->SetRight(200);
    EXPECT_EQ(loose->Left(), 119);
    EXPECT_EQ(loose->Width(), 81);
}

// ---- colours on screen

QColor BackgroundPixel(QWidget& w)
{
    const QImage image = w.grab().toImage();
    return image.pixelColor(image.width() - 6, image.height() / 2);
}

void SendEnter(QWidget& w)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), w.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&w, &enter);
}

TEST_F(EditFixture, RenderedBackgroundFollowsTheState)
{
    TOrvkitEdit& e = *edits[1];
    TOrvEditColorSet& set = e.ColorSet();
    set.SetShowFocus(true);
    set.SetHotTracking(true);
    set.SetRWColor(0x00EEDDCC);
    set.SetROColor(0x0000CCFF);
    set.SetFocusColor(0x00CCFFCC);
    set.SetHotColor(0x00FFCCCC);
    set.SetDisabledColor(0x00999999);
    auto rgb = [](TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); };

    EXPECT_EQ(BackgroundPixel(e), rgb(0x00EEDDCC)) << "read-write";
    SendEnter(e);
    EXPECT_EQ(BackgroundPixel(e), rgb(0x00FFCCCC)) << "hot";
    Focus(&e);
    EXPECT_EQ(BackgroundPixel(e), rgb(0x00CCFFCC)) << "focused beats hot";
    e.SetReadOnly(true);
    EXPECT_EQ(BackgroundPixel(e), rgb(0x0000CCFF)) << "read-only beats focused";
    e.setEnabled(false);
    EXPECT_EQ(BackgroundPixel(e), rgb(0x00999999)) << "disabled beats all";
}

TEST_F(EditFixture, DefaultSetShowsNeitherFocusNorHot)
{
    TOrvkitEdit& e = *edits[1];
    const QColor before = BackgroundPixel(e);
    SendEnter(e);
    Focus(&e);
    EXPECT_EQ(BackgroundPixel(e), before);
    e.SetReadOnly(true);
    EXPECT_EQ(BackgroundPixel(e), QColor(0xF0, 0xFF, 0xFF));
}

TEST_F(EditFixture, FlatEditPaintsItsBorder)
{
    TOrvkitEdit& e = *edits[1];
    e.ColorSet().SetBorderColor(clRed);
    e.ColorSet().SetFlat(true);
    const QImage image = e.grab().toImage();
    EXPECT_EQ(image.pixelColor(0, image.height() / 2), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(image.width() / 2, 0), QColor(Qt::red));
}

// ---- UI control

TEST_F(EditFixture, OneUIControlRestylesEveryAttachedEdit)
{
    TOrvUICtrl ui;
    int setChanges = 0;
    ui.OnColorSetChange = [&](QObject*) { ++setChanges; };
    for (TOrvkitEdit* e : edits)
        e->SetUICtrl(&ui);
    EXPECT_EQ(ui.NotifyCount(), 3);
    ui.ColorSet()->SetRWColor(0x00AABBCC);
    EXPECT_EQ(setChanges, 1);
    for (TOrvkitEdit* e : edits) {
        EXPECT_EQ(e->Color(), 0x00AABBCC);
        EXPECT_EQ(BackgroundPixel(*e), QColor(0xCC, 0xBB, 0xAA));
    }
    edits[2]->SetUIUsage({eutBlank_Null});
    EXPECT_EQ(edits[2]->Color(), clWindow) << "without eutColorSet the own set";

    QObject stranger;
    ui.AddToNotifyList(&stranger);
    EXPECT_EQ(ui.NotifyCount(), 3) << "only the suite's controls";
}

TEST_F(EditFixture, DestroyedUIControlLeavesNoDanglingReference)
{
    auto ui = std::make_unique<TOrvUICtrl>();
    ui->ColorSet()->SetRWColor(0x00AABBCC);
    edits[0]->ColorSet().SetRWColor(0x00112233);
    edits[0]->SetUICtrl(ui.get());
    EXPECT_EQ(edits[0]->Color(), 0x00AABBCC);
    ui.reset();
    EXPECT_EQ(edits[0]->UICtrl(), nullptr);
    EXPECT_EQ(edits[0]->Color(), 0x00112233) << "back to the own set";
    edits[0]->UpdateColorSet();
    QTest::keyClick(edits[0], Qt::Key_Return);
    EXPECT_EQ(Focused(), edits[1]);
}

TEST_F(EditFixture, DestroyedEditLeavesTheUIControlList)
{
    TOrvUICtrl ui;
    auto* extra = new TOrvkitEdit(&window);
    extra->SetUICtrl(&ui);
    edits[0]->SetUICtrl(&ui);
    EXPECT_EQ(ui.NotifyCount(), 2);
    delete extra;
    EXPECT_EQ(ui.NotifyCount(), 1);
    ui.ColorSet()->SetFlat(true);
    EXPECT_TRUE(edits[0]->EffectiveColorSet().Flat());
}

TEST_F(EditFixture, SpecialColourByEvent)
{
    TOrvkitEdit& e = *edits[2];
    e.ColorSet().SetRWSpecialColor(0x00010203);
    e.ColorSet().SetSpecialColorType(escEvent);
    EXPECT_NE(e.Color(), 0x00010203) << "no handler: not special";
    e.OnSpecialColor = [](QObject*, bool& use) { use = true; };
    e.UpdateColorSet();
    EXPECT_EQ(e.Color(), 0x00010203);

    TOrvUICtrl ui;
    ui.ColorSet()->SetSpecialColorType(escEvent);
    e.SetUICtrl(&ui);
    EXPECT_EQ(e.Color(), clWindow) << "the UI control's event is asked, and it has none";
}

} // namespace
} // namespace orv
