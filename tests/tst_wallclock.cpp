#include "frmMultiiplication.h"

#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

// Runs with a library that shifts the wall clock on request (see
// tests/CMakeLists.txt): a daylight-saving change or a clock adjustment
// during a quiz must not change the time the quiz shows.
class tst_WallClock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { shiftWallClock(0); }
    void quizTimeIgnoresWallClockJumps_data();
    void quizTimeIgnoresWallClockJumps();

private:
    void shiftWallClock(qint64 seconds)
    {
        QFile file(qEnvironmentVariable("FAKETIME_TIMESTAMP_FILE"));
        QVERIFY2(file.open(QIODevice::WriteOnly), "no wall-clock shift file");
        file.write((seconds < 0 ? "" : "+") + QByteArray::number(seconds) + '\n');
    }
};

void tst_WallClock::quizTimeIgnoresWallClockJumps_data()
{
    QTest::addColumn<qint64>("jump");
    QTest::newRow("forward an hour") << qint64(3600);
    QTest::newRow("back a day") << qint64(-86400);
}

void tst_WallClock::quizTimeIgnoresWallClockJumps()
{
    QFETCH(qint64, jump);
    frmMultiiplication window;
    window.show();
    window.tableList()->setCurrentIndex(3);
    window.cmdStartStop_Click();
    const qint64 wallBefore = QDateTime::currentSecsSinceEpoch();
    shiftWallClock(jump);
    QVERIFY2(qAbs(QDateTime::currentSecsSinceEpoch() - wallBefore - jump) <= 2, "the wall clock did not move");
    QTest::qWait(1300);
    QVERIFY(QStringList({u"1 sec"_s, u"2 sec"_s}).contains(window.findChild<QLabel *>(u"lblTimeTaken"_s)->text()));
}

QTEST_MAIN(tst_WallClock)
#include "tst_wallclock.moc"
