#include "Application.h"
#include "FakeClock.h"
#include "QuizPlayer.h"
#include "RuntimeError.h"

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
    std::pair<QMessageBox::Icon, QString> lastBox; // the icon and text of the last message box

    void readTitle(QWidget *w)
    {
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QProcess xprop;
        xprop.start(u"xprop"_s, {u"-id"_s, QString::number(w->winId()), u"-notype"_s, u"_NET_WM_NAME"_s, u"WM_NAME"_s});
        read << (xprop.waitForFinished() ? QString::fromUtf8(xprop.readAll()) : xprop.errorString());
    }

    // Answers each dialog, which must be modal, once up (the first event its loop handles): title read, name marked up.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QDialog *>(watched))
            QTimer::singleShot(0, this, [this] {
                auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                QVERIFY2(dialog, "no modal dialog");
                readTitle(dialog);
                if (auto *prompt = qobject_cast<QInputDialog *>(dialog))
                    prompt->setTextValue(u"<b>Ann</b>"_s);
                dialog->accept();
                if (const auto *box = qobject_cast<QMessageBox *>(dialog)) {
                    lastBox = {box->icon(), box->text()};
                    QVERIFY2(!box->text().contains(u"<b>"_s) || box->textFormat() == Qt::PlainText, "a name as markup");
                }
            });
        return false;
    }

private Q_SLOTS:
    void titlesAsTheWindowManagerReadsThem()
    {
        qApp->installEventFilter(this);
        QTemporaryDir dir;
        const QString store = dir.filePath(u"highscores.ini"_s);
        const auto clock = std::make_shared<FakeClock>();
        frmMultiiplication window({.clock = clock, .settings = std::make_shared<SettingsStore>(store),
                                   .mediaFile = [](auto &name) { return QStringLiteral(TABULON_MEDIA_DIR "/") + name; },
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
        Application::showRuntimeError(RuntimeError(RuntimeErrorCode::Overflow));
        QCOMPARE(lastBox.first, QMessageBox::Critical);
        QCOMPARE(lastBox.second, RuntimeError(RuntimeErrorCode::Overflow).report());
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
