#include "GameWindow.h"
#include "Product.h"
#include "frmAbout.h"

#include <QDesktopServices>

using namespace Qt::StringLiterals;

class tst_About : public QObject, GameWindow
{
    Q_OBJECT

    QList<QUrl> urls;
    Q_INVOKABLE void browse(const QUrl &url) { urls << url; } // stands in for the desktop's web browser

private Q_SLOTS:
    void initTestCase() { QDesktopServices::setUrlHandler(u"https"_s, this, "browse"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(u"https"_s); }

    // The About button over a running quiz: the quiz clock goes on while About is open.
    void aboutOverAQuizLeavesTheClockRunning()
    {
        openWindow();
        start(3);
        dialogs->whileAbout = [this] {
            clock->advance(7);
            QTRY_COMPARE(text("lblTimeTaken"), u"7 sec"_s);
        };
        QTest::mouseClick(control("cmdAbout"), Qt::LeftButton);
        QCOMPARE(dialogs->aboutShown, 1);
    }

    // The window names the product; its logo and its address open the product's page, Close closes it.
    void namesTheProductAndOpensItsPage()
    {
        openWindow();
        frmAbout about(window.get());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.findChild<QLabel *>(u"lblApp"_s)->text(), Product::nameAndVersion());
        for (const char *clickable : {"Picture1", "Label1"})
            QTest::mouseClick(about.findChild<QWidget *>(QLatin1String(clickable)), Qt::LeftButton);
        QCOMPARE(urls, QList<QUrl>(2, QUrl(u"https://tabulon.example/"_s)));
        QTest::mouseClick(about.findChild<QWidget *>(u"cmdClose"_s), Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(tst_About)
#include "tst_about.moc"
