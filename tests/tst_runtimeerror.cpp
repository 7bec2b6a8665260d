#include "Application.h"
#include "ModalDialogs.h"
#include "RuntimeError.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_RuntimeError : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unhandledErrorIsShownAndEndsTheProgram_data();
    void unhandledErrorIsShownAndEndsTheProgram();
    void errorFromAClickHandlerEndsTheEventLoop();
};

void tst_RuntimeError::unhandledErrorIsShownAndEndsTheProgram_data()
{
    QTest::addColumn<int>("thrown"); // 0: a standard exception that is not ours
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("overflow") << int(RuntimeErrorCode::Overflow)
                              << u"Run-time error '6':\n\nOverflow"_s << 6;
    QTest::newRow("division by zero") << int(RuntimeErrorCode::DivisionByZero)
                                      << u"Run-time error '11':\n\nDivision by zero"_s << 11;
    QTest::newRow("foreign exception") << 0 << u"Run-time error '51':\n\nInternal error"_s << 51;
}

void tst_RuntimeError::unhandledErrorIsShownAndEndsTheProgram()
{
    QFETCH(int, thrown);
    QFETCH(QString, report);
    QFETCH(int, exitCode);

    ModalDialogs dialogs;
    QString shown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    dialogs.answerNext([&](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box);
        shown = box->text();
        icon = box->icon();
        box->accept();
    });
    QTimer::singleShot(0, [thrown] {
        if (thrown)
            throw RuntimeError(static_cast<RuntimeErrorCode>(thrown));
        throw std::logic_error("not ours");
    });
    const int result = QApplication::exec();
    QCOMPARE(dialogs.answered, 1);
    QCOMPARE(shown, report);
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(result, exitCode);
}

void tst_RuntimeError::errorFromAClickHandlerEndsTheEventLoop()
{
    auto *app = static_cast<Application *>(qApp);
    QStringList reports;
    app->setErrorReporter([&reports](const RuntimeError &e) { reports << e.report(); });

    QPushButton button(u"Overflow"_s);
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&clicks] {
        ++clicks;
        throw RuntimeError(RuntimeErrorCode::Overflow);
    });
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QTimer::singleShot(0, &button, [&button] { QTest::mouseClick(&button, Qt::LeftButton); });
    const int result = QApplication::exec();
    app->setErrorReporter(&Application::showRuntimeError);

    QCOMPARE(clicks, 1);
    QCOMPARE(reports, QStringList{u"Run-time error '6':\n\nOverflow"_s});
    QCOMPARE(result, 6);
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_RuntimeError test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_runtimeerror.moc"
