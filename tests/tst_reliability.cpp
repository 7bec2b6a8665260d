#include "GameWindow.h"

#include <QCryptographicHash>
#include <QLoggingCategory>
#include <QRandomGenerator>

#include <unistd.h>

using namespace Qt::StringLiterals;

// The game over a long life, and with pictures that can't be shown.
class tst_Reliability : public QObject, GameWindow
{
    Q_OBJECT

    static int setting(const char *name, int fallback) { return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : fallback; }
    const int seed = setting("TABULON_RANDOM_SEED", 20240611);
    QRandomGenerator random;
    QCryptographicHash trace{QCryptographicHash::Sha256}; // what the dialogs asked and told, and the sounds
    QString unshown, shown; // the picture that can't be shown; the one the last answer calls for

    // A new window and store, its draws depending on the seed alone; `picture` read from `file`.
    void open(const QString &picture = {}, const QString &file = {})
    {
        random.seed(quint32(seed)), trace.reset(), unshown = picture, shown.clear(), mediaDir.clear();
        QFile::remove(storeDir.filePath(u"highscores.ini"_s));
        openWindow({.random = RandomNumbers(quint64(seed), [] { return quint64(0); }),
                    .mediaFile = [=](const QString &name) { return name == picture ? file : QStringLiteral(TABULON_MEDIA_DIR "/") + name; }});
        dialogs->whileAsking = [this] { dialogs->names = QStringList(int(random.bounded(2)), u"P%1"_s.arg(random.bounded(100))); };
    }

    // Random tables, answers, Stops, listings and names until so many quizzes have ended,
    // checking the captions, the counters and the picture box after every step.
    void play(int quizzes)
    {
        for (int completed = 0, table = 1; completed < quizzes; table = int(random.bounded(1, 11))) {
            const qint64 begun = clock->now, total = table == 10 ? 50 : 20;
            int right = 0, wrong = 0;
            for (start(table); window->quizState().blnStarted; clock->advance(random.bounded(3))) {
                window->Timer1_Timer();
                QCOMPARE(text("lblNoOfQuestion") + u'|' + text("lblWrongAnswers") + u'|' + text("lblTimeTaken"),
                         u"%1 of %2|%3|%4 sec"_s.arg(right).arg(total).arg(wrong).arg(clock->now - begun + wrong));
                const QList<int> captions{window->answerButton(1)->text().toInt(), window->answerButton(2)->text().toInt(), window->answerButton(3)->text().toInt()};
                QVERIFY(std::ranges::min(captions) > 0 && QSet<int>(captions.begin(), captions.end()).size() == 3
                        && captions.count(QuizPlayer::shownProduct(*window)) == 1);
                QCOMPARE(control<QLabel>("Picture1")->pixmap().isNull(), shown.isEmpty() || shown == unshown);
                const int action = int(random.bounded(200));
                if (action < 2)
                    control<QPushButton>(action ? "cmdHighScores" : "cmdStartStop")->click();
                else if (action < 30)
                    ++wrong, shown = u"sad.gif"_s, QuizPlayer::answerWrong(*window);
                else
                    ++right, shown = u"smile.gif"_s, QuizPlayer::answerRight(*window);
                QCoreApplication::processEvents(); // as the game would between clicks
            }
            completed += right == total;
            for (const Message &message : std::exchange(dialogs->messages, {}))
                trace.addData(message.text.toUtf8());
            trace.addData((std::exchange(dialogs->prompts, {}) + std::exchange(*sounds, {})).join(u'\n').toUtf8());
        }
    }

private Q_SLOTS:
    // Whatever a quiz leaks shows after the first hundred, which make all that is made once.
    void randomQuizzesKeepTheRulesAndGrowNothing()
    {
        const auto usage = [this] { // kilobytes resident, open files, the window's objects, widgets
            QFile statm(u"/proc/self/statm"_s);
            return QList<qint64>{statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE) / 1024 : -1,
                                 QDir(u"/proc/self/fd"_s).count(), window->findChildren<QObject *>().size(), QApplication::allWidgets().size()};
        };
        open();
        play(100);
        const QList<qint64> baseline = usage();
        play(std::max(setting("TABULON_SOAK_QUIZZES", 300) - 100, 1));
        const QList<qint64> end = usage();
        qInfo() << "resident kB, open files, window objects and widgets after 100 quizzes:" << baseline << "at the end:" << end;
#ifndef __SANITIZE_ADDRESS__ // AddressSanitizer holds freed memory back; its leak check stands in
        QVERIFY2(end[0] - baseline[0] <= 1024, "resident memory grew");
#endif
        QVERIFY2(end[1] <= baseline[1] && end[2] <= baseline[2] && end[3] <= baseline[3], "open files, objects or widgets grew");
    }

    void pictureFaultsChangeOnlyTheBox_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("file");
        const QString cut = storeDir.filePath(u"cut.gif"_s);
        QVERIFY(QFile::copy(QStringLiteral(TABULON_MEDIA_DIR "/smile.gif"), cut) && QFile::resize(cut, QFileInfo(cut).size() / 2));
        QTest::newRow("smile.gif missing") << u"smile.gif"_s << storeDir.filePath(u"missing.gif"_s);
        QTest::newRow("smile.gif cut short") << u"smile.gif"_s << cut;
        QTest::newRow("sad.gif a sound") << u"sad.gif"_s << QStringLiteral(TABULON_MEDIA_DIR "/0.wav");
    }

    // The same random quizzes with the picture and with the fault.
    void pictureFaultsChangeOnlyTheBox()
    {
        QFETCH(QString, picture);
        QFETCH(QString, file);
        QLoggingCategory::setFilterRules(u"tabulon.media.warning=false"_s); // one for each showing
        open(), play(3);
        const QByteArray intact = trace.result();
        open(picture, file), play(3);
        QCOMPARE(trace.result(), intact);
    }
};

QTEST_MAIN(tst_Reliability)
#include "tst_reliability.moc"