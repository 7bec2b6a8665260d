#include "GameWindow.h"
#include "frmAbout.h"

#include <QDesktopServices>

using namespace Qt::StringLiterals;

// The About window opened from the main window, as a player meets it.
class tst_About : public QObject, GameWindow
{
    Q_OBJECT

    QList<QUrl> urls;

public Q_SLOTS:
    void browse(const QUrl &url) { urls << url; } // stands in for the desktop's web browser

private Q_SLOTS:
    void initTestCase() { QDesktopServices::setUrlHandler(u"https"_s, this, "browse"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(u"https"_s); }

    // Each showing loads the window anew; the main window drops a click meant
    // for Stop (the clock would show 0) while its quiz clock runs on.
    void showsTheProductOverAQuiz()
    {
        openWindow();
        start(3);
        for (const QString &clickable : {u"Picture1"_s, u"Label1"_s}) { // the logo, the address
            window->setWindowIcon(QIcon(mediaDir + (clickable == u"Label1"_s ? u"/smile.gif"_s : u"/sad.gif"_s)));
            frmAbout *about = nullptr;
            const QObject scope; // no call after this turn of the loop
            QTimer::singleShot(0, &scope, [&] { // while the click on About waits for the window
                about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
                const auto closeAtLast = qScopeGuard([&] { about && about->close(); });
                QVERIFY(about);
                QCOMPARE(about->windowTitle() + u'|' + about->findChild<QLabel *>(u"lblApp"_s)->text(), u"About Tabulon 1.1|Tabulon 1.1"_s);
                QCOMPARE(about->windowIcon().cacheKey(), window->windowIcon().cacheKey());
                for (const QWidget *w : about->findChildren<QWidget *>())
                    if (const QString shown = w->property("text").toString(); !shown.isEmpty())
                        verifyTextFits(w, shown);
                const QWidget *stop = control("cmdStartStop");
                QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, stop->mapTo(window.get(), stop->rect().center()));
                clock->advance(7);
                QTRY_COMPARE(text("lblTimeTaken"), u"%1 sec"_s.arg(clock->now - 1000));
                QTest::mouseClick(about->findChild<QWidget *>(clickable), Qt::LeftButton);
                QCOMPARE(std::exchange(urls, {}), QList<QUrl>{QUrl(u"https://tabulon.example/"_s)});
                about->setWindowTitle({}), about->findChild<QLabel *>(u"lblApp"_s)->clear(); // only a new load puts them back
                QTest::mouseClick(about->findChild<QWidget *>(u"cmdClose"_s), Qt::LeftButton);
                QVERIFY(!about->isVisible());
            });
            QTest::mouseClick(control("cmdAbout"), Qt::LeftButton);
            QVERIFY2(about, "About did not open modal, or the click did not wait for it");
        }
    }
};

QTEST_MAIN(tst_About)
#include "tst_about.moc"