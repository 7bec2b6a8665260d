#include "Application.h"
#include "FakeClock.h"
#include "QuizPlayer.h"
#include "RuntimeError.h"
#include "StandardDialogs.h"

#include <QComboBox>
#include <QInputDialog>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// Each window's title as the window manager reads it from a private X server, with the program's real dialogs.
class tst_Titles : public QObject
{
    Q_OBJECT

    QStringList read; // the title properties of each window, in the order shown

    void readTitle(QWidget *w)
    {
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QProcess xprop;
        xprop.start(u"xprop"_s, {u"-id"_s, QString::number(w->winId()), u"-notype"_s, u"_NET_WM_NAME"_s, u"WM_NAME"_s});
        read << (xprop.waitForFinished() ? QString::fromUtf8(xprop.readAll()) : xprop.errorString());
    }

    // Once the next dialog is up (the first event its loop handles), reads its title and answers OK, with a name.
    // A dialog that is not modal is not found, and fails the test.
    void answerNextDialog(const std::function<void(QDialog *)> &check = [](QDialog *) {})
    {
        QTimer::singleShot(0, this, [this, check] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY2(dialog, "no modal dialog");
            readTitle(dialog);
            check(dialog);
            if (auto *prompt = qobject_cast<QInputDialog *>(dialog))
                prompt->setTextValue(u"<b>Ann</b>"_s);
            const auto *box = qobject_cast<QMessageBox *>(dialog); // a name shown as typed, never as markup
            const bool plain = !box || !box->text().contains(u"<b>"_s) || box->textFormat() == Qt::PlainText;
            dialog->accept();
            QVERIFY(plain);
        });
    }

    // The real dialogs, each answered as above.
    struct AnsweredDialogs final : Dialogs
    {
        explicit AnsweredDialogs(tst_Titles *owner) : test(owner) {}
        tst_Titles *test;
        StandardDialogs real;
        QString askName(QWidget *parent, const QString &title, const QString &prompt) override
        {
            test->answerNextDialog();
            return real.askName(parent, title, prompt);
        }
        void showMessage(QWidget *parent, const Message &message) override
        {
            test->answerNextDialog();
            real.showMessage(parent, message);
        }
        void showAbout(QWidget *parent) override
        {
            test->answerNextDialog();
            real.showAbout(parent);
        }
    };

private Q_SLOTS:
    void titlesAsTheWindowManagerReadsThem()
    {
        QTemporaryDir dir;
        const QString store = dir.filePath(u"highscores.ini"_s);
        const auto clock = std::make_shared<FakeClock>();
        frmMultiiplication window({.clock = clock, .settings = std::make_shared<SettingsStore>(store),
                                   .mediaFile = [](auto &name) { return QStringLiteral(TABULON_MEDIA_DIR "/") + name; },
                                   .dialogs = std::make_shared<AnsweredDialogs>(this),
                                   .loadSound = [] { return nullptr; }});
        window.show();
        readTitle(&window);
        window.cmdAbout_Click();
        window.cmdStartStop_Click(); // with no table chosen
        window.tableList()->setCurrentIndex(2);
        QVERIFY(QDir().mkpath(store)); // a folder where the store goes, for the first quiz
        for (int quiz = 0; quiz < 3; ++quiz) { // ten seconds each: not saved, a new best, an equal one
            window.cmdStartStop_Click();
            clock->advance(10);
            for (int question = 0; question < 20; ++question)
                QuizPlayer::answerRight(window);
            QDir().rmdir(store);
        }
        const RuntimeError overflow(RuntimeErrorCode::Overflow);
        answerNextDialog([&overflow](QDialog *dialog) {
            const auto *box = qobject_cast<QMessageBox *>(dialog);
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Critical);
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->text(), overflow.report());
        });
        Application::showRuntimeError(overflow);

        QStringList expected{u"Tabulon 1.1"_s, u"About Tabulon 1.1"_s, u"Tabulon"_s, // no table chosen
                             u"You have created a new High score"_s, u"Tabulon"_s, // not saved
                             u"You have created a new High score"_s, u"Tabulon - High Scores"_s,
                             u"You have equaled with the High score"_s, u"Tabulon - High Scores"_s, u"Tabulon"_s};
        for (QString &title : expected)
            title = u"_NET_WM_NAME = \"%1\"\nWM_NAME = \"%1\"\n"_s.arg(title);
        QCOMPARE(read, expected);
    }
};

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    tst_Titles test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_titles.moc"
