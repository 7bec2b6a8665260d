#include "Application.h"
#include "ModalDialogs.h"
#include "RuntimeError.h"
#include "frmMultiiplication.h"

#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Opening = std::function<void(frmMultiiplication &)>;

// Each window's title as the window manager reads it from the X server, on
// a private one (see tests/CMakeLists.txt); the program's own set-up, a store
// in a folder of the test's own.
class tst_Titles : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<frmMultiiplication> window;

    QString storePath() const { return dir->filePath(u"highscores.ini"_s); }

    static QString titleProperties(const QWidget *w)
    {
        QProcess xprop;
        xprop.start(u"xprop"_s, {u"-id"_s, QString::number(w->winId()), u"-notype"_s, u"_NET_WM_NAME"_s, u"WM_NAME"_s});
        return xprop.waitForFinished() ? QString::fromUtf8(xprop.readAll()) : xprop.errorString();
    }

private Q_SLOTS:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        window = std::make_unique<frmMultiiplication>(WindowServices{.settings = std::make_shared<SettingsStore>(storePath())});
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void titleAsTheWindowManagerReadsIt_data()
    {
        QTest::addColumn<Opening>("open");
        QTest::addColumn<QString>("title");
        const Opening quiz = [](frmMultiiplication &w) {
            w.tableList()->setCurrentIndex(2);
            w.setQuizTimes(0, 10);
            w.CheckHighScore();
        };
        QTest::newRow("main window") << Opening([](auto &) {}) << u"Tabulon 1.1"_s;
        QTest::newRow("About window") << Opening(&frmMultiiplication::cmdAbout_Click) << u"About Tabulon 1.1"_s;
        QTest::newRow("start with no table") << Opening(&frmMultiiplication::cmdStartStop_Click) << u"Tabulon"_s;
        QTest::newRow("listing") << Opening(&frmMultiiplication::cmdHighScores_Click) << u"Tabulon - High Scores"_s;
        QTest::newRow("new high score") << quiz << u"You have created a new High score"_s;
        QTest::newRow("equalled high score") << Opening([quiz](auto &w) { quiz(w); quiz(w); })
                                             << u"You have equaled with the High score"_s;
        QTest::newRow("score not saved") << Opening([this, quiz](auto &w) {
            QVERIFY(QDir().mkpath(storePath())); // a folder where the store should be
            quiz(w);
        }) << u"Tabulon"_s;
        QTest::newRow("run-time error") << Opening([](auto &) {
            Application::showRuntimeError(RuntimeError(RuntimeErrorCode::Overflow));
        }) << u"Tabulon"_s;
    }

    // Opens the window or dialog that shows the title asked for and reads
    // its title from the X server; a name prompt on the way is answered.
    void titleAsTheWindowManagerReadsIt()
    {
        QFETCH(Opening, open);
        QFETCH(QString, title);
        const QString expected = u"_NET_WM_NAME = \"%1\"\nWM_NAME = \"%1\"\n"_s.arg(title);
        QString read = window->windowTitle() == title ? titleProperties(window.get()) : QString();
        ModalDialogs dialogs([&](QWidget *dialog) {
            if (dialog->windowTitle() == title && QTest::qWaitForWindowExposed(dialog))
                read = titleProperties(dialog);
            if (auto *prompt = qobject_cast<QInputDialog *>(dialog)) {
                prompt->setTextValue(u"Ann"_s);
                prompt->accept();
            }
        });
        open(*window);
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
