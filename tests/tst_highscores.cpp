#include "FakeClock.h"
#include "ModalDialogs.h"
#include "SettingsStore.h"
#include "frmMultiiplication.h"

#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

const QString NewBest = u"You have created a new High score|Enter Your Name"_s;
const QString EqualBest = u"You have equaled with the High score|Enter Your Name"_s;

// The left edge of each line's entry in a picture of the listing: the first
// ink after a gap wider than any inside a label, in each band of rows with ink.
QList<int> entryColumns(const QImage &image, int minimumGap)
{
    const auto ink = [&image](int left, int right, int top, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    return true;
        return false;
    };
    const int width = image.width();
    QList<int> columns;
    for (int top = 0, bottom = 0; top < image.height(); top = bottom + 1) {
        for (bottom = top; bottom < image.height() && ink(0, width, bottom, bottom + 1);)
            ++bottom;
        int x = 0;
        for (int gap = -width; bottom > top && x < width && !(gap >= minimumGap && ink(x, x + 1, top, bottom)); ++x)
            gap = ink(x, x + 1, top, bottom) ? 0 : gap + 1;
        if (bottom > top)
            columns << x;
    }
    return columns;
}

} // namespace

// The high-score check and listing on the real main window, the dialogs
// answered as a player would, the store in a file of the test's own.
class tst_HighScores : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void checkAsksStoresAndLists_data();
    void checkAsksStoresAndLists();
    void unwritableStoreIsReported_data();
    void unwritableStoreIsReported();
    void listingByteForByteAndLinedUp_data();
    void listingByteForByteAndLinedUp();

private:
    void store(const QString &key, const QString &value)
    {
        QVERIFY(value.isNull() || settings->WriteSetting(u"Quorvil"_s, u"Multi"_s, key, value));
    }
    QString stored(int table) const;
    QStringList check(int table, qint64 seconds, const QString &name, const std::function<void()> &whileAsked = {});

    std::unique_ptr<QTemporaryDir> dir;
    std::shared_ptr<FakeClock> clock;
    std::shared_ptr<SettingsStore> settings;
    std::unique_ptr<frmMultiiplication> window;
};

void tst_HighScores::init()
{
    dir = std::make_unique<QTemporaryDir>();
    clock = std::make_shared<FakeClock>();
    settings = std::make_shared<SettingsStore>(dir->filePath(u"tabulon/highscores.ini"_s));
    window = std::make_unique<frmMultiiplication>(WindowServices{clock, RandomNumbers(5), settings});
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

// The table's score and names as stored, "-" for a missing key.
QString tst_HighScores::stored(int table) const
{
    const auto value = [this](const QString &key) { return settings->ReadSetting(u"Quorvil"_s, u"Multi"_s, key, u"-"_s); };
    return value(QString::number(table) + u"Score"_s) + u'|' + value(QString::number(table) + u"Name"_s);
}

// Checks a finished quiz: types the name into the input box (Cancel when it
// is null) and presses OK in every message box, which must show its text as
// plain text. Returns what each dialog showed, as "title|text".
QStringList tst_HighScores::check(int table, qint64 seconds, const QString &name, const std::function<void()> &whileAsked)
{
    window->tableList()->setCurrentIndex(table);
    window->setQuizTimes(clock->now - seconds, clock->now);
    QStringList shown;
    ModalDialogs dialogs([&](QWidget *dialog) {
        if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
            shown << input->windowTitle() + u'|' + input->labelText();
            if (whileAsked)
                whileAsked();
            if (name.isNull())
                return input->reject();
            input->findChild<QLineEdit *>()->insert(name);
            return input->accept();
        }
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box);
        shown << box->windowTitle() + u'|' + box->text();
        QCOMPARE(box->findChild<QLabel *>(u"qt_msgbox_label"_s)->textFormat(), Qt::PlainText);
        box->accept();
    });
    window->CheckHighScore();
    return shown;
}

void tst_HighScores::checkAsksStoresAndLists_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("before"); // score and names stored before the quiz, "-" for a missing key
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("typed"); // null: Cancel
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("listed"); // a line of the listing shown after the check
    const auto row = [](const char *tag, int table, const QString &before, qint64 seconds, const QString &typed,
                        const QString &asked, const QString &after, const QString &entry) {
        const QString label = table == 10 ? u"Table 1 to 9\t"_s : u"Table %1\t\t"_s.arg(table);
        QTest::newRow(tag) << table << before << seconds << typed << asked << after
                           << (entry.isEmpty() ? QString() : label + entry + u"\r\n"_s);
    };
    row("first quiz of table 2", 2, u"-|-"_s, 42, u"Bo"_s, NewBest, u"42|Bo"_s, u"Bo ( 42 sec )"_s);
    row("56 beats 57", 3, u"57|Ann"_s, 56, u"Bo"_s, NewBest, u"56|Bo"_s, u"Bo ( 56 sec )"_s);
    row("57 equals 57", 3, u"57|Ann"_s, 57, u"Bo"_s, EqualBest, u"57|Ann, Bo"_s, u"Ann, Bo ( 57 sec )"_s);
    row("58 is slower than 57", 3, u"57|Ann"_s, 58, u"Bo"_s, {}, u"57|Ann"_s, {});
    row("best 0 and 0 seconds", 4, u"0|Ann"_s, 0, u"Bo"_s, NewBest, u"0|Bo"_s, u"Bo ( 0 sec )"_s);
    row("score abc", 4, u"abc|Ann"_s, 500, u"Bo"_s, NewBest, u"500|Bo"_s, u"Bo ( 500 sec )"_s);
    row("56.5 rounds to even 56", 4, u"56.5|Ann"_s, 56, u"Bo"_s, EqualBest, u"56.5|Ann, Bo"_s, u"Ann, Bo ( 56.5 sec )"_s);
    row("equal best, name key missing", 5, u"57|-"_s, 57, u"Bo"_s, EqualBest, u"57|, Bo"_s, u", Bo ( 57 sec )"_s);
    // Stored scores that cannot be a time once crashed the check or locked the
    // table for ever, and so did quizzes of more than nine hours.
    row("negative score is no best", 5, u"-5|Ann"_s, 300, u"Bo"_s, NewBest, u"300|Bo"_s, u"Bo ( 300 sec )"_s);
    row("score beyond 16 bits is no best", 6, u"40000|Ann"_s, 300, u"Bo"_s, NewBest, u"300|Bo"_s, u"Bo ( 300 sec )"_s);
    row("quiz beyond 16 bits is no best", 6, u"-|-"_s, 40000, u"Bo"_s, {}, u"-|-"_s, {});
    row("table 1 keeps no score", 1, u"99|One"_s, 5, u"Bo"_s, {}, u"99|One"_s, {});
    row("1 to 9", 10, u"120|Ann"_s, 119, u"Bo"_s, NewBest, u"119|Bo"_s, u"Bo ( 119 sec )"_s);
    row("new best, Cancel", 3, u"57|Ann"_s, 50, QString(), NewBest, u"57|Ann"_s, {});
    row("equal best, OK with nothing typed", 3, u"57|Ann"_s, 57, u""_s, EqualBest, u"57|Ann"_s, {});
    row("better time stored meanwhile", 7, u"57|Ann"_s, 50, u"Bo"_s, NewBest, u"40|Cy"_s, u"Cy ( 40 sec )"_s);
    // A name is stored as typed and shown as stored, whatever it holds.
    for (const QString &name : {u"<b>Ann</b> &amp; <a href=\"x\">Bo</a>"_s, u"Ann, Bo; Cy = Di"_s,
                                uR"("Ann" 'Bo' \n \\ C:\x41\)"_s, u"[Quorvil] @Variant(x) %U0041 #;"_s, u"   "_s,
                                u"Zoë Þór 日本語 العربية Ελένη"_s, u"😀 👍🏽 👩‍👩‍👧"_s, QString(5000, u'W') + u"<br>"_s})
        row(qPrintable(u"name "_s + name.left(30)), 8, u"-|-"_s, 42, name, NewBest, u"42|"_s + name, name + u" ( 42 sec )"_s);
}

void tst_HighScores::checkAsksStoresAndLists()
{
    QFETCH(int, table);
    QFETCH(QString, before);
    QFETCH(qint64, seconds);
    QFETCH(QString, typed);
    QFETCH(QString, asked);
    QFETCH(QString, after);
    QFETCH(QString, listed);
    const QStringList stored = before.split(u'|');
    store(QString::number(table) + u"Score"_s, stored[0] == u"-"_s ? QString() : stored[0]);
    store(QString::number(table) + u"Name"_s, stored[1] == u"-"_s ? QString() : stored[1]);
    // Another copy of the game may store a better time while the name is typed.
    const auto anotherCopy = [this] {
        store(u"7Score"_s, u"40"_s);
        store(u"7Name"_s, u"Cy"_s);
    };
    const QStringList shown = check(table, seconds, typed, table == 7 ? anotherCopy : std::function<void()>());
    QCOMPARE(shown.value(0), asked);
    QCOMPARE(shown.size(), asked.isEmpty() ? 0 : listed.isEmpty() ? 1 : 2);
    QVERIFY2(listed.isEmpty() || (shown[1].startsWith(u"Tabulon - High Scores|"_s) && shown[1].contains(listed)),
             qPrintable(shown.join(u'\n')));
    QCOMPARE(this->stored(table), after);
}

void tst_HighScores::unwritableStoreIsReported_data()
{
    QTest::addColumn<QString>("obstacle");
    // All of them hold for root as well, which may write anywhere else.
    QTest::newRow("a file where the folder should be") << u"file"_s;
    QTest::newRow("a folder where the file should be") << u"folder"_s;
    QTest::newRow("a full disk") << u"disk"_s;
}

void tst_HighScores::unwritableStoreIsReported()
{
    QFETCH(QString, obstacle);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    if (obstacle == u"file"_s) {
        QVERIFY(QFile(dir->filePath(u"tabulon"_s)).open(QIODevice::WriteOnly));
    } else if (obstacle == u"folder"_s) {
        QVERIFY(QDir().mkpath(settings->filePath()));
    } else {
        std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails instead of ending the process
        rlimit limited = saved;
        limited.rlim_cur = 16 * 1024;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    const QStringList shown = check(3, 42, obstacle == u"disk"_s ? QString(64 * 1024, u'B') : u"Ann"_s);
    setrlimit(RLIMIT_FSIZE, &saved);
    QCOMPARE(shown.size(), 2); // and no listing that pretends the score was kept
    QVERIFY2(shown[1].startsWith(u"Tabulon|The high score could not be saved.\n\n"_s), qPrintable(shown[1]));
    // Values that could not be written must not be written later with others.
    QVERIFY(obstacle != u"disk"_s || settings->WriteSetting(u"Quorvil"_s, u"Multi"_s, u"4Score"_s, u"1"_s));
    QCOMPARE(stored(3), u"-|-"_s);
}

void tst_HighScores::listingByteForByteAndLinedUp_data()
{
    QTest::addColumn<QStringList>("keysAndValues");
    QTest::addColumn<QString>("listing");
    QTest::newRow("empty store") << QStringList()
                                 << u"Table 2\t\t-\r\nTable 3\t\t-\r\nTable 4\t\t-\r\nTable 5\t\t-\r\nTable 6\t\t-\r\n"
                                    u"Table 7\t\t-\r\nTable 8\t\t-\r\nTable 9\t\t-\r\nTable 1 to 9\t-\r\n"_s;
    QTest::newRow("mixed store")
        << QStringList{u"3Score"_s, u"57"_s, u"3Name"_s, u"Ann"_s, u"10Score"_s, u"120"_s, u"10Name"_s, u"Bo, Cy"_s,
                       u"1Score"_s, u"5"_s, u"1Name"_s, u"One"_s, u"4Score"_s, u"33"_s, u"5Name"_s, u"Di"_s,
                       u"6Score"_s, u"abc"_s, u"6Name"_s, u"Ed"_s, u"7Score"_s, u""_s, u"7Name"_s, u"Fy"_s}
        << u"Table 2\t\t-\r\nTable 3\t\tAnn ( 57 sec )\r\nTable 4\t\t-\r\nTable 5\t\t-\r\nTable 6\t\tEd ( abc sec )\r\n"
           u"Table 7\t\t-\r\nTable 8\t\t-\r\nTable 9\t\t-\r\nTable 1 to 9\tBo, Cy ( 120 sec )\r\n"_s;
}

// Shown during a quiz, whose clock goes on; "Table 1 to 9" has one tab where
// the other labels have two, and on screen every entry still starts in the
// same column.
void tst_HighScores::listingByteForByteAndLinedUp()
{
    QFETCH(QStringList, keysAndValues);
    QFETCH(QString, listing);
    for (qsizetype i = 0; i + 1 < keysAndValues.size(); i += 2)
        store(keysAndValues[i], keysAndValues[i + 1]);
    window->tableList()->setCurrentIndex(2);
    window->cmdStartStop_Click();
    QString shown;
    QList<int> columns;
    ModalDialogs dialogs([&](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box);
        shown = u"%1|%2|%3|"_s.arg(box->windowTitle()).arg(box->icon()).arg(box->standardButtons()) + box->text();
        auto *text = box->findChild<QLabel *>(u"qt_msgbox_label"_s);
        columns = entryColumns(text->grab().toImage(), 2 * text->fontMetrics().horizontalAdvance(u' ') + 2);
        clock->advance(7);
        box->accept();
    });
    QTest::mouseClick(window->findChild<QWidget *>(u"cmdHighScores"_s), Qt::LeftButton);
    QCOMPARE(shown, u"Tabulon - High Scores|%1|%2|"_s.arg(QMessageBox::NoIcon).arg(QMessageBox::Ok) + listing);
    QCOMPARE(columns.size(), 9);
    QVERIFY2(std::ranges::max(columns) - std::ranges::min(columns) <= 1, qPrintable(QString::number(columns.first())));
    window->Timer1_Timer();
    QCOMPARE(window->findChild<QLabel *>(u"lblTimeTaken"_s)->text(), u"7 sec"_s);
}

QTEST_MAIN(tst_HighScores)
#include "tst_highscores.moc"
