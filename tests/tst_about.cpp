#include "GameWindow.h"
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

    // About over a quiz, as a player meets it: modal, so the click on it waits, while the quiz clock runs on.
    void showsTheProductOverAQuiz()
    {
        openWindow();
        start(3);
        const QObject scope; // no call once this test has ended
        QTimer::singleShot(0, &scope, [this] { // while the click on About waits for the window
            auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
            QVERIFY(about);
            const auto closeAtLast = qScopeGuard([about] { about->close(); });
            QCOMPARE(about->findChild<QLabel *>(u"lblApp"_s)->text(), u"Tabulon 1.1"_s);
            clock->advance(7);
            QTRY_COMPARE(text("lblTimeTaken"), u"%1 sec"_s.arg(clock->now - 1000));
            for (const char *clickable : {"Picture1", "Label1"}) // the logo and the address
                QTest::mouseClick(about->findChild<QWidget *>(QLatin1String(clickable)), Qt::LeftButton);
            QTest::mouseClick(about->findChild<QWidget *>(u"cmdClose"_s), Qt::LeftButton);
            QVERIFY(!about->isVisible());
        });
        QTest::mouseClick(control("cmdAbout"), Qt::LeftButton);
        // The product's page, opened from the window before the click on About returned.
        QCOMPARE(urls, QList<QUrl>(2, QUrl(u"https://tabulon.example/"_s)));
    }
};

QTEST_MAIN(tst_About)
#include "tst_about.moc"
