#include "Application.h"
#include "FakeClock.h"
#include "QuizPlayer.h"
#include "RuntimeError.h"
#include "StandardDialogs.h"

#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using Opening = std::function<void(frmMultiiplication &)>;

// The real dialogs; each, once shown, is handed to the action, then closed
// (a name prompt with a name typed).
class AnsweredDialogs final : public Dialogs
{
public:
    explicit AnsweredDialogs(std::function<void(QWidget *)> action)
        : m_action(std::move(action))
    {
    }
    QString askName(QWidget *parent, const QString &title, const QString &prompt) override
    {
        answerWhenShown();
        return m_real.askName(parent, title, prompt);
    }
    void showMessage(QWidget *parent, const Message &message) override
    {
        answerWhenShown();
        m_real.showMessage(parent, message);
    }
    // The first event that the dialog's own loop handles.
    void answerWhenShown()
    {
        QTimer::singleShot(0, [this] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
            m_action(dialog);
            if (auto *prompt = qobject_cast<QInputDialog *>(dialog))
                prompt->setTextValue(u"Ann"_s);
            qobject_cast<QDialog *>(dialog)->accept();
        });
    }

private:
    StandardDialogs m_real;
    std::function<void(QWidget *)> m_action;
};

// Each window's title as the window manager reads it from the X server, on
// a private one (see tests/CMakeLists.txt); the program's own set-up, a store
// in a folder of the test's own.
class tst_Titles : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<frmMultiiplication> window;
    std::shared_ptr<FakeClock> clock;
    std::shared_ptr<AnsweredDialogs> dialogs;
    std::function<void(QWidget *)> onDialog;

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
        clock = std::make_shared<FakeClock>();
        dialogs = std::make_shared<AnsweredDialogs>([this](QWidget *dialog) { onDialog(dialog); });
        window = std::make_unique<frmMultiiplication>(WindowServices{
            .clock = clock, .settings = std::make_shared<SettingsStore>(storePath()),
            .mediaFile = [](const QString &name) { return QStringLiteral(TABULON_MEDIA_DIR "/") + name; },
            .dialogs = dialogs,
            .loadSound = [] { return std::unique_ptr<SoundOutput>(); }});
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void titleAsTheWindowManagerReadsIt_data()
    {
        QTest::addColumn<Opening>("open");
        QTest::addColumn<QString>("title");
        const Opening quiz = [this](frmMultiiplication &w) { // ten seconds, no mistake
            w.tableList()->setCurrentIndex(2);
            w.cmdStartStop_Click();
            clock->advance(10);
            for (int question = 0; question < 20; ++question)
                QuizPlayer::answerRight(w);
        };
        QTest::newRow("main window") << Opening([](auto &) {}) << u"Tabulon 1.1"_s;
        QTest::newRow("About window") << Opening([this](frmMultiiplication &w) {
            dialogs->answerWhenShown();
            w.cmdAbout_Click();
        }) << u"About Tabulon 1.1"_s;
        QTest::newRow("start with no table") << Opening(&frmMultiiplication::cmdStartStop_Click) << u"Tabulon"_s;
        QTest::newRow("listing") << Opening(&frmMultiiplication::cmdHighScores_Click) << u"Tabulon - High Scores"_s;
        QTest::newRow("new high score") << quiz << u"You have created a new High score"_s;
        QTest::newRow("equalled high score") << Opening([quiz](auto &w) { quiz(w); quiz(w); })
                                             << u"You have equaled with the High score"_s;
        QTest::newRow("score not saved") << Opening([this, quiz](auto &w) {
            QVERIFY(QDir().mkpath(storePath())); // a folder where the store should be
            quiz(w);
        }) << u"Tabulon"_s;
        QTest::newRow("run-time error") << Opening([this](auto &) {
            dialogs->answerWhenShown();
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
        onDialog = [&](QWidget *dialog) {
            if (dialog->windowTitle() == title)
                read = titleProperties(dialog);
        };
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
