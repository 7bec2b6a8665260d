#include "Application.h"
#include "CheckedInt16.h"
#include "Clock.h"
#include "NumberText.h"
#include "RuntimeError.h"

#include <QDateTime>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;
using namespace CheckedInt16;
using namespace NumberText;
using Calculation = std::function<double()>;

constexpr double Overflow = -1e9; // what a calculation that raised the overflow error gives here

// The platform layer: checked 16-bit numbers and number text, errors that
// nothing handles, and the quiz clock. Runs with a library that shifts the
// wall clock on request (see tests/CMakeLists.txt).
class tst_Platform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numbersOrOverflow_data()
    {
        QTest::addColumn<Calculation>("calculation");
        QTest::addColumn<double>("expected");
        const auto row = [](const char *tag, Calculation calculation, double expected) {
            QTest::newRow(tag) << calculation << expected;
        };
        row("add to the largest value", [] { return add(32766, 1); }, 32767);
        row("add past the largest value", [] { return add(32767, 1); }, Overflow);
        row("subtract past the smallest value", [] { return subtract(-32768, 1); }, Overflow);
        row("multiply to the smallest value", [] { return multiply(-256, 128); }, -32768);
        row("multiply past the range", [] { return multiply(200, 200); }, Overflow);
        row("negate the smallest value", [] { return negate(-32768); }, Overflow);
        row("narrow a count one too large", [] { return fromWide(32768); }, Overflow);
        row("round 1.5 to even 2", [] { return roundToInt16(1.5); }, 2);
        row("round 2.5 to even 2", [] { return roundToInt16(2.5); }, 2);
        row("round past the largest value", [] { return roundToInt16(32767.5); }, Overflow);
        row("floor a negative downwards", [] { return floorToInt16(-0.25); }, -1);
        row("read letters", [] { return leadingNumber(u"abc"_s); }, 0);
        row("read a number after blanks, before letters", [] { return leadingNumber(u" \t57abc"_s); }, 57);
        row("read a negative fraction", [] { return leadingNumber(u"-12.5 sec"_s); }, -12.5);
        row("read an exponent", [] { return leadingNumber(u"25E-1"_s); }, 2.5);
        row("read no e without exponent digits", [] { return leadingNumber(u"3e"_s); }, 3);
        row("read no comma as a decimal point", [] { return leadingNumber(u"3,5"_s); }, 3);
        row("read no non-Latin digits", [] { return leadingNumber(u"\u0665"_s); }, 0);
    }

    void numbersOrOverflow()
    {
        QFETCH(Calculation, calculation);
        QFETCH(double, expected);
        double result = Overflow;
        try {
            result = calculation();
        } catch (const RuntimeError &error) {
            QCOMPARE(error.code(), RuntimeErrorCode::Overflow);
        }
        QCOMPARE(result, expected);
    }

    void unhandledErrorIsShownAndEndsTheProgram_data()
    {
        QTest::addColumn<int>("thrown"); // 0: a standard exception that is not the game's
        QTest::addColumn<QString>("report");
        QTest::newRow("overflow") << 6 << u"Run-time error '6':\n\nOverflow"_s;
        QTest::newRow("division by zero") << 11 << u"Run-time error '11':\n\nDivision by zero"_s;
        QTest::newRow("foreign exception") << 0 << u"Run-time error '51':\n\nInternal error"_s;
    }

    // An error that a click handler throws is shown in a message box, then the
    // program ends with the error's number as its exit status.
    void unhandledErrorIsShownAndEndsTheProgram()
    {
        QFETCH(int, thrown);
        QFETCH(QString, report);
        QPushButton button(u"Fail"_s);
        QString shown;
        QObject::connect(&button, &QPushButton::clicked, [thrown, &shown] {
            // Answers the box once it is up: the first event its loop handles.
            QTimer::singleShot(0, [&shown] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QVERIFY(box);
                shown = u"%1|%2|"_s.arg(box->icon()).arg(box->textFormat()) + box->text();
                box->accept();
            });
            if (thrown)
                throw RuntimeError(static_cast<RuntimeErrorCode>(thrown));
            throw std::logic_error("not the game's");
        });
        button.show();
        QTimer::singleShot(0, &button, [&button] { QTest::mouseClick(&button, Qt::LeftButton); });
        QCOMPARE(QApplication::exec(), thrown ? thrown : 51);
        QCOMPARE(shown, u"%1|%2|"_s.arg(QMessageBox::Critical).arg(Qt::PlainText) + report);
    }

    void quizTimeIgnoresWallClockJumps_data()
    {
        QTest::addColumn<qint64>("jump");
        QTest::newRow("forward an hour") << qint64(3600);
        QTest::newRow("back a day") << qint64(-86400);
    }

    // A daylight-saving change or a clock adjustment during a quiz must not
    // change the time the quiz shows.
    void quizTimeIgnoresWallClockJumps()
    {
        QFETCH(qint64, jump);
        QFile shift(qEnvironmentVariable("FAKETIME_TIMESTAMP_FILE"));
        const auto shiftWallClock = [&shift](qint64 seconds) {
            QVERIFY2(shift.open(QIODevice::WriteOnly), "no wall-clock shift file");
            shift.write((seconds < 0 ? "" : "+") + QByteArray::number(seconds) + '\n');
            shift.close();
        };
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
