#include "GameWindow.h"

#include <QLoggingCategory>
#include <QRandomGenerator>

#include <unistd.h>

using namespace Qt::StringLiterals;

class tst_Reliability : public QObject, GameWindow
{
    Q_OBJECT

private Q_SLOTS:
    // Random quizzes with a smile.gif cut short: the question count (of 50 only here) and picture after every step,
    // the closing sound after every quiz. What a quiz leaks shows after the first hundred, which make all made once.
    void randomQuizzesKeepTheRulesAndGrowNothing()
    {
        const auto usage = [this] { // kB resident, open files, the window's objects, all widgets
            QFile statm(u"/proc/self/statm"_s);
            const qint64 pages = statm.open(QFile::ReadOnly) ? statm.readAll().split(' ').value(1).toLongLong() : -1;
            return QList<qint64>{pages * sysconf(_SC_PAGESIZE) / 1024, QDir(u"/proc/self/fd"_s).count(),
                                 window->findChildren<QObject *>().size(), QApplication::allWidgets().size()};
        };
        QLoggingCategory::setFilterRules(u"tabulon.media.warning=false"_s); // one for each right answer
        for (const QString &name : {u"smile.gif"_s, u"sad.gif"_s})
            QVERIFY(QFile::copy(mediaDir + u'/' + name, storeDir.filePath(name)));
        QVERIFY(QFile::resize(storeDir.filePath(u"smile.gif"_s), 300));
        mediaDir = storeDir.path();
        const quint32 seed = qEnvironmentVariable("TABULON_RANDOM_SEED", u"20240611"_s).toUInt();
        QRandomGenerator random(seed);
        openWindow({.random = RandomNumbers(seed, [] { return quint64(0); })});
        dialogs->whileAsking = [&] { dialogs->names = QStringList(int(random.bounded(2)), u"Ann"_s); };
        QList<qint64> baseline;
        bool sadShown = false; // else the box is empty: nothing shown yet, or smile.gif, which can't be
        for (int quiz = 1; quiz <= qEnvironmentVariable("TABULON_SOAK_QUIZZES", u"300"_s).toInt(); ++quiz) {
            const int table = int(random.bounded(1, 11));
            int right = 0;
            start(table);
            while (window->quizState().blnStarted) {
                window->Timer1_Timer();
                QCOMPARE(text("lblNoOfQuestion"), u"%1 of %2"_s.arg(right).arg(table == 10 ? 50 : 20));
                QCOMPARE(control<QLabel>("Picture1")->pixmap().isNull(), !sadShown);
                sadShown = random.bounded(7) == 0; // one answer in seven is wrong
                right += !sadShown;
                sadShown ? QuizPlayer::answerWrong(*window) : QuizPlayer::answerRight(*window);
                QCoreApplication::processEvents(); // as the game would between clicks
                clock->advance(random.bounded(3));
            }
            QCOMPARE(sounds->size(), quiz);
            if (quiz == 100)
                baseline = usage();
        }
        const QList<qint64> end = usage();
        qInfo() << "kB resident, open files, objects, widgets after 100 quizzes:" << baseline << "at the end:" << end;
#ifndef __SANITIZE_ADDRESS__ // AddressSanitizer holds freed memory back; its leak check stands in
        QVERIFY2(end[0] - baseline[0] <= 1024, "resident memory grew");
#endif
        QVERIFY2(end[1] <= baseline[1] && end[2] <= baseline[2] && end[3] <= baseline[3], "files or objects grew");
        QVERIFY(std::ranges::all_of(dialogs->messages, &Message::tabbedColumns)); // no message about the picture
    }
};

QTEST_MAIN(tst_Reliability)
#include "tst_reliability.moc"
