#include <orvkit/framework/OrvkitApplication.h>

#include <QApplication>
#include <QVariant>
#include <QWidget>

namespace orv {

namespace {

constexpr const char* kPopupMode = "orvModalPopupMode";
constexpr const char* kOnTaskBar = "orvMainFormOnTaskBar";
constexpr const char* kTerminated = "orvTerminated";

QVariant AppProperty(const char* name)
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app ? app->property(name) : QVariant();
}

void SetAppProperty(const char* name, const QVariant& value)
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->setProperty(name, value);
}

} // namespace

QString TOrvApplication::Title()
{
    return QGuiApplication::applicationDisplayName();
}

void TOrvApplication::SetTitle(const QString& value)
{
    QGuiApplication::setApplicationDisplayName(value);
}

bool TOrvApplication::MainFormOnTaskBar()
{
    return AppProperty(kOnTaskBar).toBool();
}

void TOrvApplication::SetMainFormOnTaskBar(bool value)
{
    SetAppProperty(kOnTaskBar, value);
}

TPopupMode TOrvApplication::ModalPopupMode()
{
    const int mode = AppProperty(kPopupMode).toInt();
    return (mode == pmAuto || mode == pmExplicit) ? TPopupMode(mode) : pmNone;
}

void TOrvApplication::SetModalPopupMode(TPopupMode value)
{
    SetAppProperty(kPopupMode, int(value));
}

QWidget* TOrvApplication::PopupParent(QWidget* preferred)
{
    if (preferred)
        return preferred->window();
    return ModalPopupMode() == pmAuto ? QApplication::activeWindow() : nullptr;
}

int TOrvApplication::Run()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return 1;
    QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] { SetAppProperty(kTerminated, true); });
    return QCoreApplication::exec();
}

void TOrvApplication::Terminate()
{
    SetAppProperty(kTerminated, true);
    QCoreApplication::quit();
}

bool TOrvApplication::Terminated()
{
    return !QCoreApplication::instance() || QCoreApplication::closingDown() ||
           AppProperty(kTerminated).toBool();
}

} // namespace orv
