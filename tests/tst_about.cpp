#include "FakeClock.h"
#include "ModalDialogs.h"
#include "frmAbout.h"
#include "frmMultiiplication.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

// Stands in for the desktop's web browser.
class UrlCatcher : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void open(const QUrl &url) { urls << url; }

public:
    QList<QUrl> urls;
};

class tst_About : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void windowIsAFixedCentredDialog();
    void controlsFollowTheLayoutTable_data();
    void controlsFollowTheLayoutTable();
    void textsAndFonts_data();
    void textsAndFonts();
    void linkAndNameColours();
    void logoFrameAndSeparatorAreDrawn();
    void everyOpeningLoadsTheWindowAnew();
    void mainWindowWaitsWhileTheQuizClockRuns();
    void clicksOpenTheProductPage_data();
    void clicksOpenTheProductPage();
    void failingOpenLeavesTheWindowUsable();
    void everyWayOfClosingReturnsToTheMainWindow_data();
    void everyWayOfClosingReturnsToTheMainWindow();

private:
    void whileAboutIsOpen(const std::function<void(frmAbout *)> &action);
    template<typename T = QWidget>
    static T *control(const QWidget *parent, const QString &name)
    {
        T *w = parent->findChild<T *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    // A click that comes from the desktop, so that a blocked window drops it.
    void clickThroughTheWindow(const QString &name)
    {
        const QWidget *w = control(window.get(), name);
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          w->mapTo(window.get(), w->rect().center()));
    }

    std::shared_ptr<FakeClock> clock;
    std::unique_ptr<frmMultiiplication> window;
    UrlCatcher browser;
};

void tst_About::init()
{
    // Never a real browser, whatever a test clicks.
    QDesktopServices::setUrlHandler(u"https"_s, &browser, "open");
    QDesktopServices::setUrlHandler(u"http"_s, &browser, "open");
    browser.urls.clear();
    clock = std::make_shared<FakeClock>();
    window = std::make_unique<frmMultiiplication>(WindowServices{clock, RandomNumbers(5)});
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void tst_About::cleanup()
{
    window.reset();
    QDesktopServices::unsetUrlHandler(u"https"_s);
    QDesktopServices::unsetUrlHandler(u"http"_s);
}

// Runs the action on the About window while the About button's handler waits
// for it; closes the window afterwards if the action left it open, so that a
// failed check cannot hang the test.
void tst_About::whileAboutIsOpen(const std::function<void(frmAbout *)> &action)
{
    ModalDialogs dialogs;
    dialogs.answerNext([&](QWidget *dialog) {
        const auto closeIfOpen = qScopeGuard([dialog] {
            if (dialog->isVisible())
                dialog->close();
        });
        auto *about = qobject_cast<frmAbout *>(dialog);
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowActive(about));
        action(about);
    });
    QTest::mouseClick(control(window.get(), u"cmdAbout"_s), Qt::LeftButton);
    QCOMPARE(dialogs.answered, 1);
}

void tst_About::windowIsAFixedCentredDialog()
{
    window->move(window->pos() + QPoint(-40, 30)); // the About window centres on the screen
    whileAboutIsOpen([this](frmAbout *about) {
        QCOMPARE(about->parentWidget(), window.get());
        QCOMPARE(about->windowType(), Qt::Dialog); // owned: no task-bar entry
        QCOMPARE(about->size(), QSize(255, 178));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        const Qt::WindowFlags flags = about->windowFlags();
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        const QPoint offCentre = about->frameGeometry().center()
                                 - about->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 1,
                 qPrintable(u"%1, %2 px off centre"_s.arg(offCentre.x()).arg(offCentre.y())));
    });
}

void tst_About::controlsFollowTheLayoutTable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Picture1") << u"Picture1"_s << QRect(105, 105, 3630, 975);
    QTest::newRow("lblApp") << u"lblApp"_s << QRect(105, 1200, 3630, 345);
    QTest::newRow("Label1") << u"Label1"_s << QRect(1147, 1710, 1530, 255);
    QTest::newRow("cmdClose") << u"cmdClose"_s << QRect(1215, 2085, 1395, 435);
    QTest::newRow("Label2") << u"Label2"_s << QRect(1515, 1470, 1455, 195);
}

void tst_About::controlsFollowTheLayoutTable()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    whileAboutIsOpen([&](frmAbout *about) {
        const QRect expected(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0),
                             qRound(twips.width() / 15.0), qRound(twips.height() / 15.0));
        QCOMPARE(control(about, name)->geometry(), expected);
    });
}

void tst_About::textsAndFonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::newRow("lblApp, window font 12 pt bold")
        << u"lblApp"_s << u"Tabulon 1.1"_s << 16 << true << false << false;
    QTest::newRow("Label1, 8.25 pt bold underlined")
        << u"Label1"_s << u"quorvil.example"_s << 11 << true << false << true;
    QTest::newRow("cmdClose, 8.25 pt")
        << u"cmdClose"_s << u"&Close"_s << 11 << false << false << false;
    QTest::newRow("Label2, 8.25 pt bold italic")
        << u"Label2"_s << u"Freeware"_s << 11 << true << true << false;
}

// Each text is shown whole: its advance fits the control's width and its
// ink, at the top of the control, stays inside its height.
void tst_About::textsAndFonts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, underline);
    whileAboutIsOpen([&](frmAbout *about) {
        QWidget *w = control(about, name);
        auto *button = qobject_cast<QPushButton *>(w);
        QCOMPARE(button ? button->text() : qobject_cast<QLabel *>(w)->text(), text);
        const QFontInfo font(w->font());
        QCOMPARE(font.family(), u"Liberation Sans"_s);
        QCOMPARE(font.pixelSize(), pixelSize);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.italic(), italic);
        QCOMPARE(w->font().underline(), underline);

        const QFontMetrics fm(w->font());
        const QString shown = QString(text).remove(u'&');
        QVERIFY2(fm.horizontalAdvance(shown) <= w->contentsRect().width(),
                 qPrintable(u"%1 px wide"_s.arg(fm.horizontalAdvance(shown))));
        if (!button) {
            const QRect ink = fm.tightBoundingRect(shown).translated(0, fm.ascent());
            QVERIFY(ink.top() >= 0 && ink.bottom() < w->height());
        }
    });
}

void tst_About::linkAndNameColours()
{
    whileAboutIsOpen([](frmAbout *about) {
        const auto drawsIn = [about](const QString &name, QColor colour) {
            const QImage image = control(about, name)->grab().toImage();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y) == colour)
                        return true;
            return false;
        };
        QVERIFY(drawsIn(u"Label1"_s, QColor(0, 0, 255)));
        QVERIFY(!drawsIn(u"Label1"_s, QColor(0, 0, 0)));
        QVERIFY(drawsIn(u"lblApp"_s, QColor(0, 0, 0)));
    });
}

void tst_About::logoFrameAndSeparatorAreDrawn()
{
    whileAboutIsOpen([](frmAbout *about) {
        const auto rgb = [](const QImage &i) { return i.convertToFormat(QImage::Format_RGB32); };
        const QImage logo = rgb(QImage(u":/about/logo.gif"_s));
        QCOMPARE(logo.size(), QSize(242, 67));
        const QImage shown = rgb(control(about, u"Picture1"_s)->grab().toImage());
        QCOMPARE(shown, logo.copy(0, 0, 242, 65)); // natural size, two bottom rows cut

        // Ink along a row or a column of the window, '#' for ink, '.' for none.
        const QImage image = about->grab().toImage();
        const auto inkFrom = [&image](QPoint p, QPoint step, int count) {
            QString run;
            for (; count > 0; --count, p += step)
                run += qGray(image.pixel(p)) < 64 ? u'#' : u'.';
            return run;
        };
        // The frame's 2-pixel outline straddles its box, (6, 6) to (251, 174).
        for (const int y : {20, 120, 170}) {
            QCOMPARE(inkFrom({4, y}, {1, 0}, 4), u".##."_s);
            QCOMPARE(inkFrom({250, y}, {1, 0}, 4), u".##."_s);
        }
        for (const int x : {10, 30, 250}) {
            QCOMPARE(inkFrom({x, 4}, {0, 1}, 3), u".##"_s); // the logo lies below
            QCOMPARE(inkFrom({x, 173}, {0, 1}, 4), u".##."_s);
        }
        // The separator runs under the logo, two pixels thick, from x 8 to 249.
        for (int x = 7; x <= 250; ++x)
            QCOMPARE(inkFrom({x, 72}, {0, 1}, 3).count(u'#'), x >= 8 && x <= 249 ? 2 : 0);
    });
}

void tst_About::everyOpeningLoadsTheWindowAnew()
{
    QPixmap red(32, 32);
    red.fill(Qt::red);
    frmAbout *first = nullptr;
    for (int opening = 0; opening < 2; ++opening) {
        whileAboutIsOpen([&](frmAbout *about) {
            if (!first)
                first = about;
            QCOMPARE(about, first); // kept between showings
            QCOMPARE(about->windowTitle(), u"About Tabulon 1.1"_s);
            QCOMPARE(control<QLabel>(about, u"lblApp"_s)->text(), u"Tabulon 1.1"_s);
            QCOMPARE(about->windowIcon().pixmap(32).toImage(),
                     window->windowIcon().pixmap(32).toImage());
            QCOMPARE(control(about, u"Label1"_s)->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(control(about, u"Picture1"_s)->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(QApplication::focusWidget(), control(about, u"cmdClose"_s));

            // Spoil what the load sets, so that only a new load restores it.
            QPixmap green(32, 32);
            green.fill(Qt::green);
            about->setWindowIcon(QIcon(green));
            about->setWindowTitle(u"spoilt"_s);
            control<QLabel>(about, u"lblApp"_s)->setText(u"spoilt"_s);
            control(about, u"Picture1"_s)->setCursor(Qt::ArrowCursor);
        });
        window->setWindowIcon(QIcon(red)); // the next load copies the new icon
    }
}

void tst_About::mainWindowWaitsWhileTheQuizClockRuns()
{
    control<QComboBox>(window.get(), u"cmbNumber"_s)->setCurrentIndex(3);
    window->cmdStartStop_Click();
    whileAboutIsOpen([this](frmAbout *about) {
        QCOMPARE(QApplication::activeModalWidget(), about);
        clickThroughTheWindow(u"cmdStartStop"_s);
        QVERIFY(window->quizState().blnStarted); // the Stop click never arrived
        clock->advance(7);
        QSignalSpy ticks(control<QTimer>(window.get(), u"Timer1"_s), &QTimer::timeout);
        QVERIFY(ticks.wait(1000));
        QCOMPARE(control<QLabel>(window.get(), u"lblTimeTaken"_s)->text(), u"7 sec"_s);
    });
    clock->advance(2);
    window->Timer1_Timer();
    QVERIFY(window->quizState().blnStarted);
    QCOMPARE(control<QLabel>(window.get(), u"lblTimeTaken"_s)->text(), u"9 sec"_s);
}

void tst_About::clicksOpenTheProductPage_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("logo") << u"Picture1"_s;
    QTest::newRow("address label") << u"Label1"_s;
}

void tst_About::clicksOpenTheProductPage()
{
    QFETCH(QString, name);
    whileAboutIsOpen([&](frmAbout *about) {
        QWidget *w = control(about, name);
        for (int click = 1; click <= 3; ++click) {
            QTest::mouseClick(w, Qt::LeftButton);
            QCOMPARE(browser.urls, QList<QUrl>(click, QUrl(u"https://tabulon.example/"_s)));
        }
        // A press that is dragged off before its release is no click.
        QTest::mousePress(w, Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(-3, -3));
        QTest::mouseClick(w, Qt::RightButton);
        QCOMPARE(browser.urls.size(), 3);
        QVERIFY(about->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), about);
    });
}

void tst_About::failingOpenLeavesTheWindowUsable()
{
    // A handler without the named method makes every open fail.
    QObject refusingDesktop;
    QDesktopServices::setUrlHandler(u"https"_s, &refusingDesktop, "noSuchMethod");
    const auto restore = qScopeGuard(
        [this] { QDesktopServices::setUrlHandler(u"https"_s, &browser, "open"); });
    whileAboutIsOpen([](frmAbout *about) {
        for (const QString &name : {u"Label1"_s, u"Picture1"_s}) {
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(u"No such method.*noSuchMethod"_s));
            QTest::mouseClick(control(about, name), Qt::LeftButton);
            QTest::qWait(50);
            QCOMPARE(QApplication::activeModalWidget(), about); // no message on top
            QCOMPARE(about->windowTitle(), u"About Tabulon 1.1"_s);
        }
        QTest::mouseClick(control(about, u"cmdClose"_s), Qt::LeftButton);
        QVERIFY(!about->isVisible());
    });
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void tst_About::everyWayOfClosingReturnsToTheMainWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Close button") << u"button"_s;
    QTest::newRow("Alt+C") << u"alt"_s;
    QTest::newRow("Escape, Close is the cancel button") << u"escape"_s;
    QTest::newRow("Enter on the focused Close button") << u"enter"_s;
    QTest::newRow("title bar close") << u"titlebar"_s;
}

void tst_About::everyWayOfClosingReturnsToTheMainWindow()
{
    QFETCH(QString, how);
    for (int opening = 0; opening < 2; ++opening) {
        whileAboutIsOpen([&](frmAbout *about) {
            if (how == u"button"_s)
                QTest::mouseClick(control(about, u"cmdClose"_s), Qt::LeftButton);
            else if (how == u"alt"_s)
                QTest::keyClick(about, Qt::Key_C, Qt::AltModifier);
            else if (how == u"escape"_s)
                QTest::keyClick(about, Qt::Key_Escape);
            else if (how == u"enter"_s)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            else
                about->close();
            QTRY_VERIFY(!about->isVisible()); // an access key clicks after a short animation
        });
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
    control<QComboBox>(window.get(), u"cmbNumber"_s)->setCurrentIndex(4);
    clickThroughTheWindow(u"cmdStartStop"_s);
    QVERIFY(window->quizState().blnStarted);
}

QTEST_MAIN(tst_About)
#include "tst_about.moc"
