#include "ClickableLabel.h"
#include "GameWindow.h"
#include "ModalDialogs.h"
#include "frmAbout.h"

#include <QAccessible>

using namespace Qt::StringLiterals;

// The game without a mouse, through a screen reader and on dense screens.
// Run as it is and again under QT_SCALE_FACTOR=2.
class tst_Access : public QObject, GameWindow
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        openWindow({.mediaFile = [](const QString &name) { return QStringLiteral(TABULON_MEDIA_DIR "/") + name; }});
        window->tableList()->setCurrentIndex(2);
    }

    void numberKeysAnswerOnlyDuringAQuiz_data()
    {
        QTest::addColumn<int>("clicksOnStart");
        QTest::addColumn<bool>("aboutOpen");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<int>("button"); // the one that answers, 0 for none
        QTest::newRow("3 on the top row") << 1 << false << QKeyCombination(Qt::Key_3) << 3;
        QTest::newRow("2 on the keypad") << 1 << false << (Qt::KeypadModifier | Qt::Key_2) << 2;
        QTest::newRow("before any quiz") << 0 << false << QKeyCombination(Qt::Key_1) << 0;
        QTest::newRow("after a stop") << 2 << false << (Qt::KeypadModifier | Qt::Key_2) << 0;
        QTest::newRow("About open over the quiz") << 1 << true << QKeyCombination(Qt::Key_3) << 0;
    }

    void numberKeysAnswerOnlyDuringAQuiz()
    {
        QFETCH(int, clicksOnStart);
        QFETCH(bool, aboutOpen);
        QFETCH(QKeyCombination, key);
        QFETCH(int, button);
        for (int i = 0; i < clicksOnStart; ++i)
            window->cmdStartStop_Click();
        const QuizState &quiz = window->quizState();
        const bool right = button && window->answerButton(button)->text().toInt() == quiz.intAnswer;
        const auto press = [&](QWidget *w) { QTest::keyClick(w, key.key(), key.keyboardModifiers()); };
        if (aboutOpen) {
            ModalDialogs dialogs([&](QWidget *about) {
                press(about);
                press(window.get());
                about->close();
            });
            window->cmdAbout_Click();
            QCOMPARE(dialogs.answered, 1);
        } else {
            press(window.get());
        }
        QCOMPARE(quiz.intQuestionNo + quiz.intWrongAnswers, button ? 1 : 0);
        QCOMPARE(quiz.intQuestionNo, right ? 1 : 0);
    }

    // Every control of both windows that takes the focus or a click has a name;
    // the parts of the question after its first label are left unread, since
    // that one reads the whole question.
    void everyControlHasAName()
    {
        window->cmdStartStop_Click();
        frmAbout about(window.get());
        for (QWidget *w : window->findChildren<QWidget *>() + about.findChildren<QWidget *>()) {
            const bool isControl = w->focusPolicy() & Qt::TabFocus || qobject_cast<ClickableLabel *>(w);
            if (isControl && (w->window() == window.get() || w->window() == &about))
                QVERIFY2(!QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty(),
                         qPrintable(w->objectName()));
        }
        for (const QString &part : {u"lblSign"_s, u"lblSecondNumber"_s})
            QVERIFY(QAccessible::queryAccessibleInterface(control(part))->state().invisible);
    }

    // Styles draw the focus only once the keyboard has moved it, which the
    // number keys never do.
    void focusIsVisibleWithoutTabbingFirst()
    {
        QWidget *start = control("cmdStartStop");
        start->setFocus();
        const QImage focused = start->grab().toImage();
        control("cmdExit")->setFocus();
        QVERIFY(start->grab().toImage() != focused);
    }

    // Windows and pictures keep their size on screen, drawn with as many more
    // pixels as the screen has: nothing laid out anew, nothing blown up.
    void drawnAtTheScreensDensity()
    {
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble();
        QCOMPARE(window->devicePixelRatio(), scale);
        window->cmdStartStop_Click();
        window->cmdAnswer_Click(1); // right or wrong, a picture is shown
        frmAbout about(window.get());
        about.show();
        const auto picture = [](const QWidget *w) { return w->findChild<QLabel *>(u"Picture1"_s)->pixmap(); };
        const QList<std::pair<QPixmap, QSize>> shown{
            {window->grab(), QSize(396, 288)},
            {picture(window.get()), QSize(29, 29)},
            {window->windowIcon().pixmap(QSize(32, 32), scale), QSize(32, 32)},
            {about.grab(), about.size()},
            {picture(&about), QSize(242, 67)}};
        for (const auto &[pixmap, sizeOnScreen] : shown) {
            QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(sizeOnScreen));
            QCOMPARE(pixmap.size(), sizeOnScreen * scale);
        }
    }
};

QTEST_MAIN(tst_Access)
#include "tst_access.moc"
