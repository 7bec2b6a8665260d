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

class tst_Platform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The ends of the 16-bit range and ties rounded to even; beyond the range, overflow.
    void numbersOrOverflow()
    {
        QCOMPARE(CheckedInt16::add(32766, 1), qint16(32767));
        QCOMPARE(CheckedInt16::multiply(-256, 128), qint16(-32768));
        QCOMPARE(NumberText::roundToInt16(2.5), qint16(2));
        QCOMPARE(NumberText::floorToInt16(-0.25), qint16(-1));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, CheckedInt16::add(32767, 1));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, CheckedInt16::subtract(-32768, 1));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, CheckedInt16::negate(-32768));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, CheckedInt16::add32(2147483647, 1));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, NumberText::roundToInt16(32767.5));
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
        static_cast<Application *>(qApp)->setErrorReporter([&](const RuntimeError &e) { reported << e.report(); });
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
        const auto shiftWallClock = [](const char *seconds) {
            QFile shift(qEnvironmentVariable("FAKETIME_TIMESTAMP_FILE"));
            return shift.open(QFile::WriteOnly) && shift.write(seconds) > 0;
        };
        shiftWallClock("+0"); // undoes the shift the last run left
        const MonotonicClock clock;
        const qint64 start = clock.currentSecond(), wallBefore = QDateTime::currentSecsSinceEpoch();
        QVERIFY(shiftWallClock("-86400")); // back a day
        QVERIFY2(qAbs(QDateTime::currentSecsSinceEpoch() - wallBefore + 86400) <= 2, "the wall clock did not move");
        QTest::qWait(1300);
        const qint64 elapsed = clock.currentSecond() - start;
        QVERIFY2(elapsed == 1 || elapsed == 2, qPrintable(QString::number(elapsed)));
    }
};

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_Platform test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_platform.moc"
