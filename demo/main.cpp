#include "ControlsMain.h"

#include <QApplication>
#include <QScreen>

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
    return QApplication::exec();
}
