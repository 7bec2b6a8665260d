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
};

void tst_RuntimeError::unhandledErrorIsShownAndEndsTheProgram_data()
{
    QTest::addColumn<int>("thrown"); // 0: a standard exception that is not the game's
    QTest::addColumn<QString>("report");
    QTest::newRow("overflow") << 6 << u"Run-time error '6':\n\nOverflow"_s;
    QTest::newRow("division by zero") << 11 << u"Run-time error '11':\n\nDivision by zero"_s;
    QTest::newRow("foreign exception") << 0 << u"Run-time error '51':\n\nInternal error"_s;
}

// An error thrown by a click handler is shown in a message box, and the
// program then ends with the error's number as its exit status.
void tst_RuntimeError::unhandledErrorIsShownAndEndsTheProgram()
{
    QFETCH(int, thrown);
    QFETCH(QString, report);
    QPushButton button(u"Fail"_s);
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [thrown, &clicks] {
        ++clicks;
        if (thrown)
            throw RuntimeError(static_cast<RuntimeErrorCode>(thrown));
        throw std::logic_error("not the game's");
    });
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QString shown;
    ModalDialogs dialogs([&shown](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box);
        shown = u"%1|%2|"_s.arg(box->icon()).arg(box->textFormat()) + box->text();
        box->accept();
    });
    QTimer::singleShot(0, &button, [&button] { QTest::mouseClick(&button, Qt::LeftButton); });
    QCOMPARE(QApplication::exec(), thrown ? thrown : 51);
    QCOMPARE(clicks, 1);
    QCOMPARE(shown, u"%1|%2|"_s.arg(QMessageBox::Critical).arg(Qt::PlainText) + report);
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_RuntimeError test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_runtimeerror.moc"
