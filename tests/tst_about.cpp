#include "GameWindow.h"
#include "frmAbout.h"

#include <QDesktopServices>

using namespace Qt::StringLiterals;

// The About window opened from the main window, as a player meets it.
class tst_About : public QObject, GameWindow
{
    Q_OBJECT

    QList<QUrl> urls;

    // Clicks About and runs the action on the About window while the click
    // waits for it (a modal window), then closes it.
    void whileAboutIsOpen(const std::function<void(frmAbout *)> &action)
    {
        frmAbout *opened = nullptr;
        QTimer::singleShot(0, this, [&] {
            if ((opened = qobject_cast<frmAbout *>(QApplication::activeModalWidget())))
                action(opened), opened->close();
        });
        QTest::mouseClick(control("cmdAbout"), Qt::LeftButton);
        QVERIFY2(opened, "About did not open modal, or the click did not wait for it");
    }

public Q_SLOTS:
    void browse(const QUrl &url) { urls << url; } // stands in for the desktop's web browser

private Q_SLOTS:
    void initTestCase() { QDesktopServices::setUrlHandler(u"https"_s, this, "browse"); }
    void init() { urls.clear(), openWindow(); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(u"https"_s); }

    // Each showing loads the window anew, the main window's icon too; the main
    // window drops a click meant for Stop, and its quiz clock runs on.
    void showsTheProductOverAQuiz()
    {
        start(3);
        for (const QColor colour : {Qt::red, Qt::green}) {
            QPixmap icon(32, 32);
            icon.fill(colour);
            window->setWindowIcon(icon);
            whileAboutIsOpen([&](frmAbout *about) {
                QCOMPARE(about->windowTitle() + u'|' + about->findChild<QLabel *>(u"lblApp"_s)->text(), u"About Tabulon 1.1|Tabulon 1.1"_s);
                QCOMPARE(about->windowIcon().pixmap(32).toImage(), icon.toImage());
                for (const QLabel *label : about->findChildren<QLabel *>())
                    if (!label->text().isEmpty()) // all but the logo
                        verifyTextFits(label, label->text());
                verifyTextFits(about->findChild<QPushButton *>(u"cmdClose"_s), u"&Close"_s);
                const QWidget *stop = control("cmdStartStop");
                QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, stop->mapTo(window.get(), stop->rect().center()));
                clock->advance(7);
                QTRY_COMPARE(text("lblTimeTaken"), u"%1 sec"_s.arg(clock->now - 1000));
                about->setWindowTitle({}), about->findChild<QLabel *>(u"lblApp"_s)->clear(); // spoilt: only a new load puts them back
            });
        }
        QVERIFY(window->quizState().blnStarted);
    }

    void clicksOpenTheProductPage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("logo") << u"Picture1"_s;
        QTest::newRow("address") << u"Label1"_s;
    }

    // Then Close closes the window.
    void clicksOpenTheProductPage()
    {
        QFETCH(QString, name);
        whileAboutIsOpen([&](frmAbout *about) {
            QTest::mouseClick(about->findChild<QWidget *>(name), Qt::LeftButton);
            QCOMPARE(urls, QList<QUrl>{QUrl(u"https://tabulon.example/"_s)});
            QTest::mouseClick(about->findChild<QWidget *>(u"cmdClose"_s), Qt::LeftButton);
            QVERIFY(!about->isVisible());
        });
    }
};

QTEST_MAIN(tst_About)
#include "tst_about.moc"