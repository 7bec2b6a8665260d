#include "FakeClock.h"
#include "ModalDialogs.h"
#include "SettingsStore.h"
#include "frmMultiiplication.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString NewBestTitle = u"You have created a new High score"_s;
const QString EqualBestTitle = u"You have equaled with the High score"_s;
const QString ListingTitle = u"Tabulon - High Scores"_s;
const QString None = u"(none)"_s;

// What a dialog showed, as the player saw it.
struct Shown
{
    QString title;
    QString text; // the prompt of an input box
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat format = Qt::AutoText;
};

void clickButton(QWidget *dialog, QDialogButtonBox::StandardButton which)
{
    auto *buttons = dialog->findChild<QDialogButtonBox *>();
    QVERIFY(buttons && buttons->button(which));
    QTest::mouseClick(buttons->button(which), Qt::LeftButton);
}

// Types the name into an input box and presses OK, or Cancel when the name
// is null; presses OK in a message box. Records what each one showed.
ModalDialogs::Action answer(QList<Shown> &shown, const QString &name)
{
    return [&shown, name](QWidget *dialog) {
        if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
            shown << Shown{input->windowTitle(), input->labelText(), QMessageBox::NoIcon, {}, Qt::PlainText};
            if (name.isNull())
                return clickButton(input, QDialogButtonBox::Cancel);
            auto *edit = input->findChild<QLineEdit *>();
            QVERIFY(edit && edit->text().isEmpty());
            const bool typable = name.size() < 100
                                 && std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 128; });
            if (typable)
                QTest::keyClicks(edit, name);
            else
                edit->insert(name); // as pasted
            return clickButton(input, QDialogButtonBox::Ok);
        }
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box);
        shown << Shown{box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                       box->findChild<QLabel *>(u"qt_msgbox_label"_s)->textFormat()};
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    };
}

} // namespace

class tst_HighScoreWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void checkAsksStoresAndLists_data();
    void checkAsksStoresAndLists();
    void emptyNameStoresNothing_data();
    void emptyNameStoresNothing();
    void namesAreKeptAndShownLiterally_data();
    void namesAreKeptAndShownLiterally();
    void unwritableStoreIsReported_data();
    void unwritableStoreIsReported();
    void betterTimeStoredWhileTypingIsKept();
    void highScoreButtonListsDuringAQuiz();
    void listingEntriesLineUpOnScreen();

private:
    void makeWindow(const QString &settingsFile);
    void store(const QString &key, const QString &value);
    QString stored(const QString &key) const;
    void finishQuiz(int table, qint64 seconds);
    QByteArray fileBytes() const;

    std::unique_ptr<QTemporaryDir> dir;
    std::shared_ptr<FakeClock> clock;
    std::shared_ptr<SettingsStore> settings;
    std::unique_ptr<frmMultiiplication> window;
};

void tst_HighScoreWindow::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    makeWindow(dir->filePath(u"tabulon/highscores.ini"_s));
}

void tst_HighScoreWindow::cleanup()
{
    window.reset();
}

void tst_HighScoreWindow::makeWindow(const QString &settingsFile)
{
    clock = std::make_shared<FakeClock>();
    settings = std::make_shared<SettingsStore>(settingsFile);
    window = std::make_unique<frmMultiiplication>(WindowServices{clock, RandomNumbers(5), settings});
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void tst_HighScoreWindow::store(const QString &key, const QString &value)
{
    if (!value.isNull())
        QVERIFY(settings->WriteSetting(u"Quorvil"_s, u"Multi"_s, key, value));
}

QString tst_HighScoreWindow::stored(const QString &key) const
{
    return SettingsStore(settings->filePath()).ReadSetting(u"Quorvil"_s, u"Multi"_s, key, None);
}

void tst_HighScoreWindow::finishQuiz(int table, qint64 seconds)
{
    window->tableList()->setCurrentIndex(table);
    window->setQuizTimes(clock->now - seconds, clock->now);
}

QByteArray tst_HighScoreWindow::fileBytes() const
{
    QFile file(settings->filePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void tst_HighScoreWindow::checkAsksStoresAndLists_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("storedScore"); // null: no key
    QTest::addColumn<QString>("storedName");
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("title"); // of the input box; empty: none
    QTest::addColumn<QString>("score"); // afterwards
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("listed");

    const QString null;
    QTest::newRow("first quiz of table 2") << 2 << null << null << qint64(42) << NewBestTitle
                                           << u"42"_s << u"Bo"_s << u"Table 2\t\tBo ( 42 sec )\r\n"_s;
    QTest::newRow("56 beats 57") << 3 << u"57"_s << u"Ann"_s << qint64(56) << NewBestTitle << u"56"_s
                                 << u"Bo"_s << u"Table 3\t\tBo ( 56 sec )\r\n"_s;
    QTest::newRow("57 equals 57") << 3 << u"57"_s << u"Ann"_s << qint64(57) << EqualBestTitle << u"57"_s
                                  << u"Ann, Bo"_s << u"Table 3\t\tAnn, Bo ( 57 sec )\r\n"_s;
    QTest::newRow("58 is slower") << 3 << u"57"_s << u"Ann"_s << qint64(58) << QString() << u"57"_s
                                  << u"Ann"_s << QString();
    QTest::newRow("best 0 and 0 seconds") << 4 << u"0"_s << u"Ann"_s << qint64(0) << NewBestTitle
                                          << u"0"_s << u"Bo"_s << u"Table 4\t\tBo ( 0 sec )\r\n"_s;
    QTest::newRow("score abc") << 4 << u"abc"_s << u"Ann"_s << qint64(500) << NewBestTitle << u"500"_s
                               << u"Bo"_s << u"Table 4\t\tBo ( 500 sec )\r\n"_s;
    QTest::newRow("equal best, name key missing") << 5 << u"57"_s << null << qint64(57) << EqualBestTitle
                                                  << u"57"_s << u", Bo"_s
                                                  << u"Table 5\t\t, Bo ( 57 sec )\r\n"_s;
    QTest::newRow("negative score is no best") << 5 << u"-5"_s << u"Ann"_s << qint64(300) << NewBestTitle
                                               << u"300"_s << u"Bo"_s << u"Table 5\t\tBo ( 300 sec )\r\n"_s;
    QTest::newRow("score beyond 16 bits is no best") << 6 << u"40000"_s << u"Ann"_s << qint64(300)
                                                     << NewBestTitle << u"300"_s << u"Bo"_s
                                                     << u"Table 6\t\tBo ( 300 sec )\r\n"_s;
    QTest::newRow("quiz beyond 16 bits is no best") << 6 << null << null << qint64(40000) << QString()
                                                    << None << None << QString();
    QTest::newRow("table 1 never asks") << 1 << null << null << qint64(5) << QString() << None << None
                                        << QString();
    QTest::newRow("table 1 keys left alone") << 1 << u"99"_s << u"One"_s << qint64(5) << QString()
                                             << u"99"_s << u"One"_s << QString();
    QTest::newRow("no table selected: keys 0Score, 0Name") << 0 << null << null << qint64(30)
                                                           << NewBestTitle << u"30"_s << u"Bo"_s
                                                           << u"Table 9\t\t-\r\n"_s;
    QTest::newRow("1 to 9") << 10 << u"120"_s << u"Ann"_s << qint64(119) << NewBestTitle << u"119"_s
                            << u"Bo"_s << u"Table 1 to 9\tBo ( 119 sec )\r\n"_s;
}

void tst_HighScoreWindow::checkAsksStoresAndLists()
{
    QFETCH(int, table);
    QFETCH(QString, storedScore);
    QFETCH(QString, storedName);
    QFETCH(qint64, seconds);
    QFETCH(QString, title);
    QFETCH(QString, score);
    QFETCH(QString, name);
    QFETCH(QString, listed);

    const QString tableNumber = QString::number(table);
    store(tableNumber + u"Score"_s, storedScore);
    store(tableNumber + u"Name"_s, storedName);
    finishQuiz(table, seconds);
    QList<Shown> shown;
    ModalDialogs dialogs;
    dialogs.answerEach(answer(shown, u"Bo"_s));
    window->CheckHighScore();

    if (title.isEmpty()) {
        QCOMPARE(shown.size(), 0);
    } else {
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].title, title);
        QCOMPARE(shown[0].text, u"Enter Your Name"_s);
        QCOMPARE(shown[1].title, ListingTitle);
        QVERIFY2(shown[1].text.contains(listed), qPrintable(shown[1].text));
    }
    QCOMPARE(stored(tableNumber + u"Score"_s), score);
    QCOMPARE(stored(tableNumber + u"Name"_s), name);
}

void tst_HighScoreWindow::emptyNameStoresNothing_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("typed"); // null: Cancel
    QTest::newRow("new best, Cancel") << qint64(50) << QString();
    QTest::newRow("new best, OK with nothing typed") << qint64(50) << u""_s;
    QTest::newRow("equal best, Cancel") << qint64(57) << QString();
    QTest::newRow("equal best, OK with nothing typed") << qint64(57) << u""_s;
}

void tst_HighScoreWindow::emptyNameStoresNothing()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, typed);
    store(u"3Score"_s, u"57"_s);
    store(u"3Name"_s, u"Ann"_s);
    const QByteArray before = fileBytes();
    finishQuiz(3, seconds);
    QList<Shown> shown;
    ModalDialogs dialogs;
    dialogs.answerEach(answer(shown, typed));
    window->CheckHighScore();
    QCOMPARE(shown.size(), 1); // the input box, and no listing
    QCOMPARE(fileBytes(), before);
}

void tst_HighScoreWindow::namesAreKeptAndShownLiterally_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("markup") << u"<b>Ann</b> <i>&amp;</i> <a href=\"x\">Bo</a>"_s;
    QTest::newRow("separators") << u"Ann, Bo; Cy = Di"_s;
    QTest::newRow("quotes and backslashes") << uR"("Ann" 'Bo' \n \\ C:\x41\)"_s;
    QTest::newRow("settings syntax") << u"[Quorvil] @Variant(x) %U0041 #;"_s;
    QTest::newRow("only blanks") << u"   "_s;
    QTest::newRow("scripts") << u"Zoë Þór 日本語 العربية Ελένη"_s;
    QTest::newRow("emoji") << u"😀👍🏽"_s;
    QTest::newRow("very long") << QString(5000, u'W') + u"<br>"_s;
}

void tst_HighScoreWindow::namesAreKeptAndShownLiterally()
{
    QFETCH(QString, name);
    finishQuiz(7, 42);
    QList<Shown> shown;
    ModalDialogs dialogs;
    dialogs.answerEach(answer(shown, name));
    window->CheckHighScore();
    QTest::mouseClick(window->findChild<QPushButton *>(u"cmdHighScores"_s), Qt::LeftButton);

    QCOMPARE(stored(u"7Name"_s), name);
    QCOMPARE(shown.size(), 3);
    const QString line = u"Table 7\t\t"_s + name + u" ( 42 sec )\r\n"_s;
    for (const Shown &listing : {shown[1], shown[2]}) {
        QVERIFY(listing.text.contains(line));
        QCOMPARE(listing.format, Qt::PlainText);
    }
}

void tst_HighScoreWindow::unwritableStoreIsReported_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<bool>("obstacleIsFolder");
    // Both hold for root as well, which may write anywhere else.
    QTest::newRow("file where the folder should be") << u"tabulon"_s << false;
    QTest::newRow("folder where the file should be") << u"tabulon/highscores.ini"_s << true;
}

void tst_HighScoreWindow::unwritableStoreIsReported()
{
    QFETCH(QString, obstacle);
    QFETCH(bool, obstacleIsFolder);
    if (obstacleIsFolder) {
        QVERIFY(QDir().mkpath(dir->filePath(obstacle)));
    } else {
        QFile file(dir->filePath(obstacle));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    finishQuiz(3, 42);
    QList<Shown> shown;
    ModalDialogs dialogs;
    dialogs.answerEach(answer(shown, u"Ann"_s));
    window->CheckHighScore();

    QCOMPARE(shown.size(), 2); // no listing that pretends the score was kept
    QCOMPARE(shown[1].title, u"Tabulon"_s);
    QVERIFY2(shown[1].text.startsWith(u"The high score could not be saved.\n\n"_s),
             qPrintable(shown[1].text));
    QCOMPARE(shown[1].icon, QMessageBox::Warning);
    QCOMPARE(shown[1].format, Qt::PlainText);
    QCOMPARE(stored(u"3Score"_s), None);
}

// Another copy of the game stores a better time while the input box is open.
void tst_HighScoreWindow::betterTimeStoredWhileTypingIsKept()
{
    store(u"3Score"_s, u"57"_s);
    store(u"3Name"_s, u"Ann"_s);
    finishQuiz(3, 50);
    QList<Shown> shown;
    const ModalDialogs::Action typeBo = answer(shown, u"Bo"_s);
    ModalDialogs dialogs;
    dialogs.answerEach([&](QWidget *dialog) {
        if (qobject_cast<QInputDialog *>(dialog)) {
            SettingsStore otherCopy(settings->filePath());
            QVERIFY(otherCopy.WriteSetting(u"Quorvil"_s, u"Multi"_s, u"3Score"_s, u"40"_s));
            QVERIFY(otherCopy.WriteSetting(u"Quorvil"_s, u"Multi"_s, u"3Name"_s, u"Cy"_s));
        }
        typeBo(dialog);
    });
    window->CheckHighScore();
    QCOMPARE(stored(u"3Score"_s), u"40"_s);
    QCOMPARE(stored(u"3Name"_s), u"Cy"_s);
    QCOMPARE(shown.size(), 2); // the listing shows why Bo is not in it
    QVERIFY(shown[1].text.contains(u"Table 3\t\tCy ( 40 sec )\r\n"_s));
}

void tst_HighScoreWindow::highScoreButtonListsDuringAQuiz()
{
    window->tableList()->setCurrentIndex(2);
    window->cmdStartStop_Click();
    QList<Shown> shown;
    const ModalDialogs::Action close = answer(shown, QString());
    ModalDialogs dialogs;
    dialogs.answerEach([&](QWidget *dialog) {
        clock->advance(7); // reading the listing takes time from the quiz
        close(dialog);
    });
    QTest::mouseClick(window->findChild<QPushButton *>(u"cmdHighScores"_s), Qt::LeftButton);

    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, ListingTitle);
    QCOMPARE(shown[0].text, u"Table 2\t\t-\r\nTable 3\t\t-\r\nTable 4\t\t-\r\n"
                            u"Table 5\t\t-\r\nTable 6\t\t-\r\nTable 7\t\t-\r\n"
                            u"Table 8\t\t-\r\nTable 9\t\t-\r\nTable 1 to 9\t-\r\n"_s);
    QCOMPARE(shown[0].icon, QMessageBox::NoIcon);
    QCOMPARE(shown[0].buttons, QMessageBox::Ok);
    QVERIFY(window->quizState().blnStarted);
    QVERIFY(window->findChild<QTimer *>(u"Timer1"_s)->isActive());
    window->Timer1_Timer();
    QCOMPARE(window->findChild<QLabel *>(u"lblTimeTaken"_s)->text(), u"7 sec"_s);
}

namespace {

// The left edge of each line's entry in a picture of the listing: the first
// ink after the widest gap a tab leaves, for each band of rows with ink.
QList<int> entryColumns(const QImage &image, int minimumGap)
{
    const auto inkAt = [&image](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    const auto rowHasInk = [&](int y) {
        for (int x = 0; x < image.width(); ++x)
            if (inkAt(x, y))
                return true;
        return false;
    };
    QList<int> columns;
    for (int top = 0; top < image.height();) {
        if (!rowHasInk(top)) {
            ++top;
            continue;
        }
        int bottom = top;
        while (bottom < image.height() && rowHasInk(bottom))
            ++bottom;
        int gap = 0;
        bool sawInk = false;
        for (int x = 0; x < image.width(); ++x) {
            bool ink = false;
            for (int y = top; y < bottom && !ink; ++y)
                ink = inkAt(x, y);
            if (ink && sawInk && gap >= minimumGap) {
                columns << x;
                break;
            }
            sawInk = sawInk || ink;
            gap = ink ? 0 : gap + 1;
        }
        top = bottom;
    }
    return columns;
}

} // namespace

// "Table 1 to 9" has one tab where the other labels have two: on screen,
// every entry must still start in the same column.
void tst_HighScoreWindow::listingEntriesLineUpOnScreen()
{
    for (int table = 2; table <= 10; ++table) {
        store(QString::number(table) + u"Score"_s, QString::number(table));
        store(QString::number(table) + u"Name"_s, u"Al"_s);
    }
    QList<int> columns;
    ModalDialogs dialogs;
    dialogs.answerEach([&](QWidget *dialog) {
        auto *label = dialog->findChild<QLabel *>(u"qt_msgbox_label"_s);
        const QImage picture = label->grab().toImage();
        columns = entryColumns(picture, 2 * label->fontMetrics().horizontalAdvance(u' ') + 2);
        static_cast<QMessageBox *>(dialog)->accept();
    });
    window->DisplayHighScore();
    QCOMPARE(columns.size(), 9);
    for (int column : columns)
        QVERIFY2(qAbs(column - columns.first()) <= 1, qPrintable(QString::number(column)));
}

QTEST_MAIN(tst_HighScoreWindow)
#include "tst_highscorewindow.moc"
