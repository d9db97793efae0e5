// With ORVKIT_DEMO_SHOT=<file.png> set, the program saves a picture of its window as it
// opens there and quits; ORVKIT_DEMO_PAGE=<page name> ("ComboBoxes") opens that page first.

#include "ControlsMain.h"

#include <QApplication>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QObject::tr("Orvkit Controls Demo"));
    QApplication::setApplicationName(QStringLiteral("OrvControls"));

    orv::TForm1 form;
    // Centred on the screen.
    if (const QScreen* screen = form.screen())
        form.move(screen->availableGeometry().center() - form.rect().center());
    form.show();

    if (const QString name = qEnvironmentVariable("ORVKIT_DEMO_PAGE"); !name.isEmpty())
        if (auto* page = form.PC()->findChild<QWidget*>(name))
            form.PC()->setCurrentWidget(page);
    const QString shot = qEnvironmentVariable("ORVKIT_DEMO_SHOT");
    if (!shot.isEmpty()) {
        QTimer::singleShot(500, &form, [&form, shot] {
            form.grab().save(shot);
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
