#include "Application.h"
#include "CheckedInt16.h"
#include "Clock.h"
#include "NumberText.h"
#include "RuntimeError.h"

#include <QDateTime>
#include <QFile>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace CheckedInt16;
using namespace NumberText;

// Checked numbers, errors that nothing handles, and the quiz clock under a shifted wall clock (libfaketime).
class tst_Platform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The ends of the 16-bit range and ties rounded to even; beyond the range, overflow.
    void numbersOrOverflow()
    {
        QCOMPARE(add(32766, 1), qint16(32767));
        QCOMPARE(multiply(-256, 128), qint16(-32768));
        QCOMPARE(roundToInt16(2.5), qint16(2));
        QCOMPARE(floorToInt16(-0.25), qint16(-1));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, add(32767, 1));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, subtract(-32768, 1));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, negate(-32768));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, add32(2147483647, 1));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, roundToInt16(32767.5));
    }

    void unhandledErrorIsReportedAndEndsTheProgram_data()
    {
        QTest::addColumn<int>("thrown"); // 0: a standard exception that is not the game's
        QTest::addColumn<QString>("report");
        QTest::newRow("overflow") << 6 << u"Run-time error '6':\n\nOverflow"_s;
        QTest::newRow("foreign exception") << 0 << u"Run-time error '51':\n\nInternal error"_s;
    }

    // An error thrown by an event handler is reported once; the program ends with its number as status.
    void unhandledErrorIsReportedAndEndsTheProgram()
    {
        QFETCH(int, thrown);
        QFETCH(QString, report);
        QStringList reported;
        static_cast<Application *>(qApp)->setErrorReporter([&reported](const RuntimeError &error) {
            reported << error.report();
        });
        QTimer::singleShot(0, [thrown] {
            if (thrown)
                throw RuntimeError(static_cast<RuntimeErrorCode>(thrown));
            throw std::logic_error("not the game's");
        });
        QCOMPARE(QApplication::exec(), thrown ? thrown : 51);
        QCOMPARE(reported, QStringList(report));
    }

    // A daylight-saving change or a clock adjustment during a quiz must not change the time the quiz shows.
    void quizTimeIgnoresWallClockJumps()
    {
        const auto shiftWallClock = [](qint64 seconds) {
            QFile shift(qEnvironmentVariable("FAKETIME_TIMESTAMP_FILE"));
            QVERIFY(shift.open(QFile::WriteOnly) && shift.write(QString::asprintf("%+lld\n", seconds).toLatin1()) > 0);
        };
        const qint64 jump = -86400; // back a day
        shiftWallClock(0);
        const MonotonicClock clock;
        const qint64 start = clock.currentSecond();
        const qint64 wallBefore = QDateTime::currentSecsSinceEpoch();
        shiftWallClock(jump);
        QVERIFY2(qAbs(QDateTime::currentSecsSinceEpoch() - wallBefore - jump) <= 2, "the wall clock did not move");
        QTest::qWait(1300);
        const qint64 elapsed = clock.currentSecond() - start;
        QVERIFY2(elapsed == 1 || elapsed == 2, qPrintable(QString::number(elapsed)));
        shiftWallClock(0);
    }
};

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_Platform test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_platform.moc"
