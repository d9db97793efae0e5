#include <orvkit/framework/OrvkitPlatform.h>

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <QScreen>
#include <QUrl>

namespace orv {

QString ClipboardText()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text() : QString();
}

void SetClipboardText(const QString& text)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(text);
}

QStringList ScreenFontFamilies()
{
    return QFontDatabase::families();
}

bool HasDefaultPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

QStringList PrinterFontFamilies()
{
    return HasDefaultPrinter() ? ScreenFontFamilies() : QStringList();
}

bool ShellOpen(const QString& target)
{
    const QString trimmed = target.trimmed();
    if (trimmed.isEmpty())
        return false;
    const QUrl url = QFileInfo::exists(trimmed) ? QUrl::fromLocalFile(QFileInfo(trimmed).absoluteFilePath())
                                                : QUrl::fromUserInput(trimmed);
    return url.isValid() && QDesktopServices::openUrl(url);
}

int ScreenColourBits()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 0;
}

QSize ScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

void Beep()
{
    QApplication::beep();
}

} // namespace orv
