#include "MonkeyDriver.h"

#include <orvkit/framework/OrvkitEdit.h>
#include <orvkit/framework/OrvkitStateCtrl.h>
#include <orvkit/framework/OrvkitUICtrl.h>

#include <QApplication>
#include <QClipboard>
#include <QMetaProperty>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>
#include <cstdio>
#include <exception>
#include <limits>
#include <sstream>

namespace orv::monkey {

namespace {

constexpr size_t kRecentSteps = 25;

std::string Utf8(const QString& text)
{
    QString shown = text.left(60);
    for (QChar& c : shown)
        if (c.unicode() < 32)
            c = u'?';
    return shown.toStdString();
}

/// The properties the suite's own classes publish, writable ones only.
std::vector<QMetaProperty> SuiteProperties(const QObject& object, bool writableOnly)
{
    std::vector<QMetaProperty> properties;
    for (const QMetaObject* mo = object.metaObject(); mo; mo = mo->superClass()) {
        if (!QByteArray(mo->className()).startsWith("orv::"))
            continue;
        for (int i = mo->propertyOffset(); i < mo->propertyOffset() + (mo->propertyCount() - mo->propertyOffset()); ++i) {
            const QMetaProperty p = mo->property(i);
            if (p.enclosingMetaObject() != mo)
                continue;
            if (!writableOnly || p.isWritable())
                properties.push_back(p);
        }
    }
    return properties;
}

const int kInts[] = {std::numeric_limits<int>::min(), std::numeric_limits<int>::min() + 1, -1000000, -32768, -1, 0, 1, 2, 7,
                     13, 59, 100, 255, 256, 1000, 65535, 65536, 1000000, std::numeric_limits<int>::max()};
const double kDoubles[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::max(),
                           -std::numeric_limits<double>::max(), 0.0, -0.0, 1e-300, 0.5, -123.456, 1e15, 45000.25,
                           -693594, 2958465.99, 1e6, 33.533333};
const char16_t* const kStrings[] = {u"", u" ", u"abc", u"-", u"(", u"1e5000", u"99:99", u"31/02/2024", u"\t\n", u"%USER%",
                                    u"0", u"-0.0001", u"12,34,567", u"10.0.0.256", u"FFFFFFFFF", u"Sa", u"dd/mm/yyyy",
                                    u"hh:nn:ss.zzz ampm", u"&&&", u"\U0001D11E\u00E9\u4E2D"};

Qt::KeyboardModifiers RandomModifiers(std::mt19937& rng)
{
    const int roll = std::uniform_int_distribution<int>(0, 99)(rng);
    if (roll < 70)
        return Qt::NoModifier;
    if (roll < 82)
        return Qt::ControlModifier;
    if (roll < 92)
        return Qt::ShiftModifier;
    if (roll < 96)
        return Qt::AltModifier;
    return Qt::ControlModifier | Qt::ShiftModifier;
}

const Qt::Key kKeys[] = {Qt::Key_0,      Qt::Key_1,        Qt::Key_5,     Qt::Key_9,        Qt::Key_A,      Qt::Key_N,
                         Qt::Key_V,      Qt::Key_Z,        Qt::Key_X,     Qt::Key_C,        Qt::Key_Minus,  Qt::Key_Plus,
                         Qt::Key_Period, Qt::Key_Comma,    Qt::Key_Slash, Qt::Key_Colon,    Qt::Key_Space,  Qt::Key_ParenLeft,
                         Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Escape, Qt::Key_Tab,
                         Qt::Key_Backtab, Qt::Key_Up,      Qt::Key_Down,  Qt::Key_Left,     Qt::Key_Right,  Qt::Key_PageUp,
                         Qt::Key_PageDown, Qt::Key_Home,   Qt::Key_End,   Qt::Key_Insert,   Qt::Key_F4,     Qt::Key_T,
                         Qt::Key_P,      Qt::Key_M,        Qt::Key_Percent, Qt::Key_Less,   Qt::Key_Greater, Qt::Key_Equal};

} // namespace

TMonkey::TMonkey(const TControlClass& controlClass, uint32_t seed)
    : fClass(controlClass), fRng(seed), fForm(std::make_unique<QWidget>())
{
    fForm->resize(480, 360);
    fOther = new QLineEdit(fForm.get());
    fOther->setObjectName(QStringLiteral("other"));
    fOther->setGeometry(300, 320, 100, 22);
    fUICtrl = new TOrvUICtrl(fForm.get());
    fStateCtrl = new TOrvStateCtrl(fForm.get());
    fControl = fClass.make(fForm.get());
    fControl->setGeometry(10, 10, std::max(fControl->width(), 120), std::max(fControl->height(), 22));
    AttachUICtrl();
    fStateCtrl->Controls().Add(fControl);
    for (TOrvBaseEdit* edit : fForm->findChildren<TOrvBaseEdit*>())
        QObject::connect(edit, &TOrvBaseEdit::convertError, fForm.get(), [this] { ++fConvertErrors; });
    fForm->show();
    fForm->activateWindow();
    if (!QTest::qWaitForWindowActive(fForm.get()))
        std::fprintf(stderr, "monkey: the form did not become active\n");
}

TMonkey::~TMonkey() = default;

std::optional<std::string> TMonkey::Run(int steps)
{
    try {
        for (fStep = 1; fStep <= steps; ++fStep) {
            try {
                Step();
            } catch (const TMonkeyFailure&) {
                throw;
            } catch (const std::exception& e) {
                Fail(std::string("an exception left the control: ") + e.what());
            } catch (...) {
                Fail("an unknown exception left the control");
            }
            CheckInvariants();
        }
    } catch (const TMonkeyFailure& failure) {
        return failure.report;
    }
    return std::nullopt;
}

std::string TMonkey::RecentSteps() const
{
    std::ostringstream out;
    for (const std::string& step : fRecent)
        out << "    " << step << '\n';
    return out.str();
}

void TMonkey::Log(std::string step)
{
    fRecent.push_back("#" + std::to_string(fStep) + " " + std::move(step));
    if (fRecent.size() > kRecentSteps)
        fRecent.pop_front();
}

void TMonkey::Fail(const std::string& what)
{
    std::ostringstream out;
    out << fClass.name << ": step " << fStep << ": " << what << "\n  last steps:\n" << RecentSteps();
    out << "  properties:";
    for (const QMetaProperty& p : SuiteProperties(*fControl, false)) {
        try {
            out << ' ' << p.name() << '=' << Utf8(p.read(fControl).toString());
        } catch (...) {
            out << ' ' << p.name() << "=<throws>";
        }
    }
    out << '\n';
    throw TMonkeyFailure{out.str()};
}

QWidget* TMonkey::FocusTarget() const
{
    QWidget* focused = QApplication::focusWidget();
    if (focused && (focused == fControl || fControl->isAncestorOf(focused)))
        return focused;
    return fControl->focusProxy() ? fControl->focusProxy() : fControl;
}

QString TMonkey::RandomText(int maxLength)
{
    QString text;
    const int length = 1 + Pick(maxLength);
    for (int i = 0; i < length; ++i) {
        switch (Pick(4)) {
        case 0: text += QChar(u'0' + Pick(10)); break;
        case 1: text += QChar(u"+-.,/:()%eE $'"[Pick(14)]); break;
        case 2: text += QChar(u'a' + Pick(26)); break;
        default: text += QChar(char16_t(0xA0 + Pick(0x2F00))); break;
        }
    }
    return text;
}

void TMonkey::Step()
{
    const int roll = Pick(100);
    QWidget* target = FocusTarget();
    if (roll < 30)
        KeyStep(target);
    else if (roll < 40)
        TypeStep(target);
    else if (roll < 50)
        MouseStep();
    else if (roll < 54)
        WheelStep();
    else if (roll < 66)
        FocusStep();
    else if (roll < 71)
        PasteStep(target);
    else if (roll < 96)
        PropertyStep();
    else if (roll < 98)
        UICtrlStep();
    else {
        Log("read every property");
        ReadEverything();
    }
}

void TMonkey::KeyStep(QWidget* target)
{
    const Qt::Key key = kKeys[Pick(std::size(kKeys))];
    const Qt::KeyboardModifiers modifiers = RandomModifiers(fRng);
    Log("key " + QKeySequence(int(key) | int(modifiers)).toString().toStdString() + " on " +
        target->metaObject()->className());
    QTest::keyClick(target, key, modifiers);
}

void TMonkey::TypeStep(QWidget* target)
{
    const QString text = RandomText(6);
    Log("type \"" + Utf8(text) + "\"");
    for (const QChar c : text) {
        if (c.unicode() >= 32 && c.unicode() < 127) {
            QTest::keyClick(target, char(c.unicode()));
            continue;
        }
        // QTest knows keys for ASCII only; other characters come as text without a key.
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

void TMonkey::MouseStep()
{
    QList<QWidget*> widgets = fControl->findChildren<QWidget*>();
    widgets.prepend(fControl);
    QWidget* target = widgets[Pick(int(widgets.size()))];
    if (!target->isVisible())
        return;
    const QPoint at(Pick(std::max(1, target->width())), Pick(std::max(1, target->height())));
    const Qt::MouseButton button = Chance(80) ? Qt::LeftButton : (Chance(50) ? Qt::RightButton : Qt::MiddleButton);
    const bool twice = Chance(15);
    Log(std::string(twice ? "double click" : "click") + " at " + std::to_string(at.x()) + "," +
        std::to_string(at.y()) + " on " + target->metaObject()->className());
    if (button == Qt::RightButton) {
        // The context menu that opens would wait for a user: it closes as soon as it shows.
        QTimer::singleShot(0, [] {
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
        });
        QTest::mousePress(target, button, Qt::NoModifier, at);
        QTest::mouseRelease(target, button, Qt::NoModifier, at);
        return;
    }
    if (twice)
        QTest::mouseDClick(target, button, Qt::NoModifier, at);
    else
        QTest::mouseClick(target, button, RandomModifiers(fRng) & ~Qt::AltModifier, at);
}

void TMonkey::WheelStep()
{
    QWidget* target = FocusTarget();
    const int delta = (Pick(7) - 3) * 40;
    Log("wheel " + std::to_string(delta));
    const QPointF at(2, 2);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

void TMonkey::FocusStep()
{
    if (Chance(50)) {
        Log("focus the control");
        FocusTarget()->setFocus(Qt::TabFocusReason);
    } else {
        Log("focus elsewhere");
        fOther->setFocus(Qt::TabFocusReason);
    }
    QApplication::processEvents();
}

void TMonkey::PasteStep(QWidget* target)
{
    QString junk = Chance(20) ? QString(2000 + Pick(3000), QChar(u'9')) : RandomText(12);
    if (Chance(20))
        junk += u'\n' + RandomText(5);
    Log("paste \"" + Utf8(junk) + "\" (" + std::to_string(junk.size()) + " chars)");
    QApplication::clipboard()->setText(junk);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

void TMonkey::PropertyStep()
{
    const std::vector<QMetaProperty> properties = SuiteProperties(*fControl, true);
    if (properties.empty())
        return;
    const QMetaProperty p = properties[size_t(Pick(int(properties.size())))];
    const QMetaType type = p.metaType();
    QVariant value;
    if (p.isEnumType()) {
        // Values of the enumeration only: its setters take what its type can hold.
        const QMetaEnum e = p.enumerator();
        if (e.keyCount() == 0)
            return;
        value = QVariant(e.value(Pick(e.keyCount())));
    } else if (type.flags() & QMetaType::IsEnumeration) {
        return;
    } else {
        switch (type.id()) {
        case QMetaType::Bool:
            value = Chance(50);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
            value = Chance(80) ? QVariant(qlonglong(kInts[Pick(std::size(kInts))]))
                               : QVariant(qlonglong(std::uniform_int_distribution<qlonglong>()(fRng)));
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            value = Chance(85) ? kDoubles[Pick(std::size(kDoubles))] : std::uniform_real_distribution<double>(-1e6, 1e6)(fRng);
            break;
        case QMetaType::QString:
            value = Chance(10) ? QString(5000, QChar(u'x'))
                               : (Chance(70) ? QString::fromUtf16(kStrings[Pick(std::size(kStrings))]) : RandomText(20));
            break;
        case QMetaType::QChar:
            value = QChar(std::array<char16_t, 7>{0, u' ', u'.', u',', u'x', 0x2028, 0xD800}[size_t(Pick(7))]);
            break;
        case QMetaType::QStringList: {
            QStringList list;
            const int count = Pick(3) == 0 ? 0 : Pick(40);
            for (int i = 0; i < count; ++i)
                list << (Chance(10) ? QString(500, QChar(u'W')) : RandomText(10));
            value = list;
            break;
        }
        default:
            if (type.flags() & QMetaType::PointerToQObject)
                value = QVariant::fromValue(Chance(50) ? static_cast<QObject*>(fUICtrl.data()) : nullptr);
            else
                return; // sets, colour-set addresses, fonts: not written here
        }
    }
    if (value.metaType() != type && !value.convert(type))
        return;
    Log(std::string("write ") + p.name() + " = " + Utf8(value.toString()));
    p.write(fControl, value);
}

void TMonkey::UICtrlStep()
{
    if (fUICtrl && Chance(60)) {
        Log("delete the UI control");
        delete fUICtrl.data();
        fUICtrlDeleted = true;
        return;
    }
    Log("make a UI control and attach it");
    if (!fUICtrl)
        fUICtrl = new TOrvUICtrl(fForm.get());
    fUICtrl->ColorSet()->SetFlat(Chance(50));
    fUICtrl->ColorSet()->SetHotTracking(Chance(50));
    AttachUICtrl();
    fUICtrlDeleted = false;
}

void TMonkey::AttachUICtrl()
{
    // Only a published UICtrl: setProperty would add a dynamic one that outlives the UI control.
    const int index = fControl->metaObject()->indexOfProperty("UICtrl");
    if (index >= 0)
        fControl->metaObject()->property(index).write(fControl, QVariant::fromValue(fUICtrl.data()));
}

void TMonkey::ReadEverything()
{
    for (const QMetaProperty& p : SuiteProperties(*fControl, false))
        (void)p.read(fControl);
}

void TMonkey::CheckInvariants()
{
    try {
        const QMetaProperty user = fControl->metaObject()->userProperty();
        if (user.isValid())
            (void)user.read(fControl);
        if (auto* edit = qobject_cast<TOrvCustomEdit*>(fControl))
            (void)edit->GetText();
    } catch (const std::exception& e) {
        Fail(std::string("reading the value threw: ") + e.what());
    }
    QList<QWidget*> widgets = fControl->findChildren<QWidget*>();
    widgets.prepend(fControl);
    for (const QWidget* w : widgets)
        if (w->width() < 0 || w->height() < 0)
            Fail(std::string("negative size of ") + w->metaObject()->className());
    if (fUICtrlDeleted) {
        const int index = fControl->metaObject()->indexOfProperty("UICtrl");
        if (index >= 0 && fControl->metaObject()->property(index).read(fControl).value<QObject*>() != nullptr)
            Fail("the deleted UI control is still attached");
    }
    if (fStep % 50 == 0) {
        try {
            for (TOrvBaseEdit* edit : fControl->findChildren<TOrvBaseEdit*>())
                CheckReadBack(*edit);
            if (auto* edit = qobject_cast<TOrvBaseEdit*>(fControl))
                CheckReadBack(*edit);
        } catch (const TMonkeyFailure&) {
            throw;
        } catch (const std::exception& e) {
            Fail(std::string("checking the read-back threw: ") + e.what());
        }
    }
}

void TMonkey::CheckReadBack(TOrvBaseEdit& edit)
{
    if (!edit.isVisible() || !edit.isEnabled() || edit.ReadOnly())
        return;
    // Start from a left edit whose text converted.
    edit.setFocus(Qt::TabFocusReason);
    fOther->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    if (edit.hasFocus() || edit.Null())
        return;
    const QString shown = edit.text();
    if (shown.isEmpty())
        return;
    const int errors = fConvertErrors;
    // Enter and leave without typing: nothing changes.
    edit.setFocus(Qt::TabFocusReason);
    fOther->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    if (edit.text() != shown || fConvertErrors != errors)
        Fail("entering and leaving without typing changed \"" + Utf8(shown) + "\" to \"" + Utf8(edit.text()) + "\"");
    // The shown text typed back reads as itself.
    edit.setFocus(Qt::TabFocusReason);
    edit.setText(QString());
    edit.setText(shown);
    fOther->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    if (fConvertErrors != errors)
        Fail("the edit's own text \"" + Utf8(shown) + "\" does not convert");
    if (edit.text() != shown)
        Fail("the edit's own text \"" + Utf8(shown) + "\" reads back as \"" + Utf8(edit.text()) + "\"");
}

} // namespace orv::monkey
