#include "GameWindow.h"
#include "ModalDialogs.h"
#include "frmAbout.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <QScreen>
#include <QWindow>

using namespace Qt::StringLiterals;

// The About window opened from the main window, as a player meets it.
class tst_About : public QObject, GameWindow
{
    Q_OBJECT

public Q_SLOTS:
    // Stands in for the desktop's web browser.
    void browse(const QUrl &url) { urls << url; }

private:
    QList<QUrl> urls;

    // Runs the action on the About window while the About button waits for it.
    void whileAboutIsOpen(const std::function<void(frmAbout *)> &action)
    {
        ModalDialogs dialogs([&action](QWidget *dialog) {
            auto *about = qobject_cast<frmAbout *>(dialog);
            QVERIFY(about);
            QTRY_VERIFY(about->isAncestorOf(QApplication::focusWidget())); // activated, keys go to it
            action(about);
        });
        QTest::mouseClick(control("cmdAbout"), Qt::LeftButton);
        QCOMPARE(dialogs.answered, 1);
    }

    // As the desktop delivers it, so that a window blocked by a modal one drops it.
    void clickStartThroughTheWindow()
    {
        const QWidget *start = control("cmdStartStop");
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, start->mapTo(window.get(), start->rect().center()));
    }

private Q_SLOTS:
    void init()
    {
        QDesktopServices::setUrlHandler(u"https"_s, this, "browse"); // never a real browser
        urls.clear();
        openWindow({.random = RandomNumbers(5)});
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(u"https"_s); }

    void controlFollowsTheLayoutTable_data()
    {
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("font");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("Picture1") << QRect(105, 105, 3630, 975) << QString() << QString() << QColor();
        QTest::newRow("lblApp") << QRect(105, 1200, 3630, 345) << u"Tabulon 1.1"_s << u"16 px bold"_s << QColor(Qt::black);
        QTest::newRow("Label1") << QRect(1147, 1710, 1530, 255) << u"quorvil.example"_s << u"11 px bold underline"_s
                                << QColor(Qt::blue);
        QTest::newRow("cmdClose") << QRect(1215, 2085, 1395, 435) << u"&Close"_s << u"11 px"_s << QColor();
        QTest::newRow("Label2") << QRect(1515, 1470, 1455, 195) << u"Freeware"_s << u"11 px bold italic"_s << QColor();
    }

    void controlFollowsTheLayoutTable()
    {
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        QFETCH(QString, font);
        QFETCH(QColor, colour);
        whileAboutIsOpen([&](frmAbout *about) {
            QWidget *w = about->findChild<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
            QCOMPARE(w->geometry(), fromTwips(twips));
            if (text.isEmpty())
                return;
            auto *label = qobject_cast<QLabel *>(w);
            QCOMPARE(label ? label->text() : qobject_cast<QPushButton *>(w)->text(), text);
            const QFontInfo info(w->font());
            QCOMPARE(info.family(), u"Liberation Sans"_s);
            QCOMPARE(u"%1 px"_s.arg(info.pixelSize()) + (info.bold() ? u" bold"_s : u""_s)
                         + (info.italic() ? u" italic"_s : u""_s) + (w->font().underline() ? u" underline"_s : u""_s), font);
            verifyTextFits(w, text);
            const QImage drawn = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const auto *pixels = reinterpret_cast<const QRgb *>(drawn.constBits());
            QVERIFY(!colour.isValid() || std::count(pixels, pixels + drawn.width() * drawn.height(), colour.rgb()) > 0);
        });
    }

    void everyOpeningLoadsTheWindowAnew()
    {
        window->move(window->pos() + QPoint(-40, 30)); // the About window is centred on the screen, not on it
        for (const Qt::GlobalColor iconColour : {Qt::red, Qt::green}) {
            QPixmap icon(32, 32);
            icon.fill(iconColour);
            window->setWindowIcon(icon);
            whileAboutIsOpen([&](frmAbout *about) {
                QCOMPARE(about->parentWidget(), window.get());
                QCOMPARE(about->windowType(), Qt::Dialog); // owned: no task-bar entry
                QCOMPARE(about->minimumSize(), QSize(255, 178));
                QCOMPARE(about->maximumSize(), QSize(255, 178));
                QCOMPARE(about->windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
                         Qt::WindowCloseButtonHint);
                QVERIFY((about->frameGeometry().center() - about->screen()->availableGeometry().center()).manhattanLength() <= 1);
                QCOMPARE(about->windowTitle(), u"About Tabulon 1.1"_s);
                QCOMPARE(about->windowIcon().pixmap(32).toImage(), icon.toImage());
                auto *lblApp = about->findChild<QLabel *>(u"lblApp"_s);
                auto *picture = about->findChild<QLabel *>(u"Picture1"_s);
                QCOMPARE(lblApp->text(), u"Tabulon 1.1"_s);
                QCOMPARE(picture->cursor().shape(), Qt::PointingHandCursor);
                QCOMPARE(QApplication::focusWidget(), about->findChild<QWidget *>(u"cmdClose"_s));
                // The logo at its natural size from the box's corner, its two bottom rows cut.
                const QImage logo = QImage(u":/about/logo.gif"_s).convertToFormat(QImage::Format_RGB32);
                QCOMPARE(logo.size(), QSize(242, 67));
                QCOMPARE(picture->grab().toImage().convertToFormat(QImage::Format_RGB32), logo.copy(0, 0, 242, 65));
                const QImage shot = about->grab().toImage();
                const auto ink = [&shot](int x, int y) { return qGray(shot.pixel(x, y)) < 64; };
                QVERIFY(!ink(4, 90) && ink(5, 90) && ink(6, 90) && !ink(7, 90)); // the frame, 2 px wide
                QCOMPARE(ink(120, 71) + ink(120, 72) + ink(120, 73) + ink(120, 74) + ink(120, 75), 2); // the separator
                // Spoil what the load sets, so that only a new load puts it back.
                about->setWindowTitle(u"spoilt"_s);
                lblApp->setText(u"spoilt"_s);
                picture->setCursor(Qt::ArrowCursor);
            });
        }
    }

    void mainWindowWaitsWhileTheQuizClockRuns()
    {
        start(3);
        whileAboutIsOpen([this](frmAbout *) {
            clickStartThroughTheWindow();
            clock->advance(7);
            QTRY_COMPARE(text("lblTimeTaken"), u"7 sec"_s);
        });
        QVERIFY(window->quizState().blnStarted); // the Stop click never arrived
    }

    void clicksOpenTheProductPage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("desktopFails");
        QTest::newRow("logo") << u"Picture1"_s << false;
        QTest::newRow("address label") << u"Label1"_s << false;
        QTest::newRow("logo, the desktop fails") << u"Picture1"_s << true;
        QTest::newRow("address label, the desktop fails") << u"Label1"_s << true;
    }

    void clicksOpenTheProductPage()
    {
        QFETCH(QString, name);
        QFETCH(bool, desktopFails);
        if (desktopFails) // a handler without the named method makes every open fail
            QDesktopServices::setUrlHandler(u"https"_s, this, "noSuchMethod");
        whileAboutIsOpen([&](frmAbout *about) {
            QWidget *w = about->findChild<QWidget *>(name);
            for (int click = 1; click <= 2; ++click) {
                if (desktopFails)
                    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"No such method.*noSuchMethod"_s));
                QTest::mouseClick(w, Qt::LeftButton);
                QCOMPARE(urls, QList<QUrl>(desktopFails ? 0 : click, QUrl(u"https://tabulon.example/"_s)));
            }
            // Neither a press dragged off before its release nor the right button is a click.
            QTest::mousePress(w, Qt::LeftButton);
            QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(-3, -3));
            QTest::mouseClick(w, Qt::RightButton);
            QCOMPARE(urls.size(), desktopFails ? 0 : 2);
            QCOMPARE(QApplication::activeModalWidget(), about); // nothing shown on top
            QTest::mouseClick(about->findChild<QWidget *>(u"cmdClose"_s), Qt::LeftButton);
            QVERIFY(!about->isVisible());
        });
    }

    void everyWayOfClosingReturnsToTheMainWindow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Close button") << u"button"_s;
        QTest::newRow("Alt+C") << u"alt"_s;
        QTest::newRow("Escape, Close is the cancel button") << u"escape"_s;
        QTest::newRow("Enter on the focused Close button") << u"enter"_s;
        QTest::newRow("title bar close") << u"titlebar"_s;
    }

    void everyWayOfClosingReturnsToTheMainWindow()
    {
        QFETCH(QString, how);
        whileAboutIsOpen([&](frmAbout *about) {
            if (how == u"button"_s)
                QTest::mouseClick(about->findChild<QWidget *>(u"cmdClose"_s), Qt::LeftButton);
            else if (how == u"titlebar"_s)
                about->close();
            else if (how == u"enter"_s)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            else
                QTest::keyClick(about, how == u"alt"_s ? Qt::Key_C : Qt::Key_Escape, how == u"alt"_s ? Qt::AltModifier : Qt::NoModifier);
            QTRY_VERIFY(!about->isVisible()); // an access key clicks after a short animation
        });
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        window->tableList()->setCurrentIndex(4);
        clickStartThroughTheWindow();
        QVERIFY(window->quizState().blnStarted);
    }
};

QTEST_MAIN(tst_About)
#include "tst_about.moc"
