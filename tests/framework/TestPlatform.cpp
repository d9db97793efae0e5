#include <orvkit/framework/OrvkitApplication.h>
#include <orvkit/framework/OrvkitPlatform.h>

#include <QDesktopServices>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>

namespace orv {
namespace {

class TUrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened << url; }
};

TEST(Platform, ClipboardTextRoundTrip)
{
    SetClipboardText(QStringLiteral("3.14159"));
    EXPECT_EQ(ClipboardText(), QStringLiteral("3.14159"));
    SetClipboardText(QString());
    EXPECT_EQ(ClipboardText(), QString());
}

TEST(Platform, ShellOpenHandsTheLinkToTheDesktop)
{
    TUrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("orvtest"), &catcher, "Open");
    EXPECT_TRUE(ShellOpen(QStringLiteral("orvtest://page")));
    QDesktopServices::unsetUrlHandler(QStringLiteral("orvtest"));
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened.front(), QUrl(QStringLiteral("orvtest://page")));
    EXPECT_FALSE(ShellOpen(QString()));
    EXPECT_FALSE(ShellOpen(QStringLiteral("   ")));
}

TEST(Platform, ScreenAndFonts)
{
    EXPECT_GT(ScreenColourBits(), 0);
    EXPECT_FALSE(ScreenSize().isEmpty());
    if (!HasDefaultPrinter())
        EXPECT_TRUE(PrinterFontFamilies().isEmpty());
    else
        EXPECT_EQ(PrinterFontFamilies(), ScreenFontFamilies());
}

TEST(Application, TitleAndPopupMode)
{
    TOrvApplication::SetTitle(QStringLiteral("Orvkit Controls Demo"));
    EXPECT_EQ(TOrvApplication::Title(), QStringLiteral("Orvkit Controls Demo"));
    EXPECT_EQ(TOrvApplication::ModalPopupMode(), pmNone);
    EXPECT_EQ(TOrvApplication::PopupParent(), nullptr);
    TOrvApplication::SetModalPopupMode(pmAuto);
    EXPECT_EQ(TOrvApplication::ModalPopupMode(), pmAuto);
    QWidget owner;
    QWidget child(&owner);
    EXPECT_EQ(TOrvApplication::PopupParent(&child), &owner);
    TOrvApplication::SetModalPopupMode(pmNone);
    TOrvApplication::SetMainFormOnTaskBar(true);
    EXPECT_TRUE(TOrvApplication::MainFormOnTaskBar());
    EXPECT_FALSE(TOrvApplication::Terminated());
}

} // namespace
} // namespace orv

#include "TestPlatform.moc"
