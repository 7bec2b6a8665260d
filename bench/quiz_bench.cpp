// Plays quizzes on the game's real main window, started as the program
// starts it, and measures what a player feels and what the machine pays:
//
//   quiz_bench memory          peak resident memory once the window is
//                              painted, and after a whole "1 to 9" quiz
//                              closed by its sound
//   quiz_bench latency ROUNDS  from a click on the right answer to the next
//                              question painted, over a quiz of every table
//                              per round, after one warm-up quiz
//   quiz_bench idle SECONDS    processor time of the process while a quiz
//                              runs with no input
//
// Clicks are mouse press and release events sent to the answer buttons, as
// the window system would deliver them. A new best time's name prompt is
// cancelled, so nothing is stored.
#include "Application.h"
#include "frmMultiiplication.h"
#include "TableChoice.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <xcb/xcb.h>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int SettleMs = 500;

long statusKiB(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0)
            return std::stol(line.substr(prefix.size()));
    }
    return -1;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Counts the paint events of the window's widgets, by widget name. It
// watches those widgets only: a filter on the whole application would see,
// and slow down, every event of the program.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *window)
    {
        window->installEventFilter(this);
        for (QWidget *widget : window->findChildren<QWidget *>())
            widget->installEventFilter(this);
    }

    int total = 0;
    std::map<QString, int> byName;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++total;
            ++byName[watched->objectName()];
        }
        return QObject::eventFilter(watched, event);
    }
};

// Waits until the X server has carried out every request sent so far, the
// window's last drawing included. Nothing to wait for off X.
void waitForXServer()
{
    const auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t *connection = x11->connection();
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

void clickOn(QWidget *widget)
{
    const QPointF pos = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(pos);
    QMouseEvent press(QEvent::MouseButtonPress, pos, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Answer
{
    double wallMs;
    double cpuMs;
};

class Player
{
public:
    explicit Player(frmMultiiplication &window)
        : m_window(window)
        , m_paints(&window)
    {
        // Cancels a best time's name prompt and closes any other box; it
        // runs only while a quiz ends, so as not to wake the idle program.
        m_dialogs.setInterval(10);
        QObject::connect(&m_dialogs, &QTimer::timeout, [] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                dialog->reject();
        });
    }

    void waitUntilPainted()
    {
        while (m_paints.byName[m_window.objectName()] == 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        waitForXServer();
    }

    // Runs the event loop, as the program's own would run, for a while.
    static void settle(int ms)
    {
        QEventLoop loop;
        QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }

    void startQuiz(int table)
    {
        m_window.tableList()->setCurrentIndex(table);
        clickOn(m_window.findChild<QPushButton *>(u"cmdStartStop"_s));
        processPending();
    }

    // Clicks the right answer; the time until the change it brings is on
    // the screen, and the processor time the program's thread spent on it,
    // in milliseconds.
    Answer answerRight()
    {
        QAbstractButton *right = rightButton();
        const int paintsBefore = m_paints.total;
        const double cpuBefore = threadCpuMs();
        QElapsedTimer clock;
        clock.start();
        clickOn(right);
        while (m_paints.total == paintsBefore)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        waitForXServer();
        return {double(clock.nsecsElapsed()) / 1e6, threadCpuMs() - cpuBefore};
    }

    // Plays the running quiz to its end; the times of all but the last
    // answer, which closes the quiz instead of bringing a question.
    std::vector<Answer> playToTheEnd()
    {
        std::vector<Answer> times;
        while (quizLeft() > 1)
            times.push_back(answerRight());
        m_dialogs.start();
        clickOn(rightButton());
        m_dialogs.stop();
        processPending();
        return times;
    }

    bool quizRunning() const { return m_window.quizState().blnStarted; }
    const PaintCounter &paints() const { return m_paints; }

private:
    int quizLeft() const
    {
        const QuizState &q = m_window.quizState();
        return q.intTotalQuestions - q.intQuestionNo;
    }

    QAbstractButton *rightButton() const
    {
        const QString answer = QString::number(m_window.quizState().intAnswer);
        for (int i = 1; i <= 3; ++i) {
            if (m_window.answerButton(i)->text() == answer)
                return m_window.answerButton(i);
        }
        qFatal("No answer button shows the product %s", qPrintable(answer));
    }

    void processPending()
    {
        QCoreApplication::processEvents();
        waitForXServer();
    }

    frmMultiiplication &m_window;
    PaintCounter m_paints;
    QTimer m_dialogs;
};

struct Percentiles
{
    double p50, p99, max;
};

Percentiles percentiles(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const auto at = [&v](double q) { return v[std::min(v.size() - 1, size_t(q * double(v.size())))]; };
    return {at(0.50), at(0.99), v.back()};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

int measureMemory(frmMultiiplication &window)
{
    Player player(window);
    player.waitUntilPainted();
    player.settle(SettleMs);
    const long shown = statusKiB("VmHWM");
    player.startQuiz(TableChoice::FullTable);
    player.playToTheEnd();
    if (player.quizRunning()) {
        std::fprintf(stderr, "quiz_bench: the quiz did not end\n");
        return 1;
    }
    std::printf("memory shown_hwm_kib=%ld after_quiz_hwm_kib=%ld after_quiz_rss_kib=%ld\n", shown,
                statusKiB("VmHWM"), statusKiB("VmRSS"));
    return 0;
}

int measureLatency(frmMultiiplication &window, int rounds)
{
    Player player(window);
    player.waitUntilPainted();
    player.startQuiz(1); // warm-up
    player.playToTheEnd();

    std::vector<double> all, allCpu, p50s, p99s, maxima;
    for (int round = 0; round < rounds; ++round) {
        std::vector<double> times, cpu;
        for (int table = TableChoice::FirstTable; table <= TableChoice::FullTable; ++table) {
            player.startQuiz(table);
            for (const Answer &a : player.playToTheEnd()) {
                times.push_back(a.wallMs);
                cpu.push_back(a.cpuMs);
            }
        }
        const Percentiles p = percentiles(times);
        const Percentiles c = percentiles(cpu);
        std::printf("  round %d: %zu answers, click to painted ms: median %.2f, p99 %.2f, max %.2f"
                    " (processor time: median %.2f, p99 %.2f, max %.2f)\n",
                    round + 1, times.size(), p.p50, p.p99, p.max, c.p50, c.p99, c.max);
        p50s.push_back(p.p50);
        p99s.push_back(p.p99);
        maxima.push_back(p.max);
        all.insert(all.end(), times.begin(), times.end());
        allCpu.insert(allCpu.end(), cpu.begin(), cpu.end());
    }
    const Percentiles p = percentiles(all);
    const Percentiles c = percentiles(allCpu);
    std::printf("latency rounds=%d answers=%zu median_of_round_medians_ms=%.3f "
                "median_of_round_p99_ms=%.3f median_of_round_max_ms=%.3f "
                "all_median_ms=%.3f all_p99_ms=%.3f all_max_ms=%.3f cpu_p99_ms=%.3f cpu_max_ms=%.3f\n",
                rounds, all.size(), median(p50s), median(p99s), median(maxima), p.p50, p.p99, p.max,
                c.p99, c.max);
    return 0;
}

int measureIdle(frmMultiiplication &window, int seconds)
{
    Player player(window);
    player.waitUntilPainted();
    player.startQuiz(TableChoice::FullTable);
    player.settle(2000); // the start's own work and a first few ticks
    const int paintsBefore = player.paints().total;
    const auto byNameBefore = player.paints().byName;
    const double cpuBefore = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    player.settle(seconds * 1000);
    const double cpu = cpuSeconds() - cpuBefore;
    const double wall = double(clock.nsecsElapsed()) / 1e9;
    if (!player.quizRunning()) {
        std::fprintf(stderr, "quiz_bench: the quiz stopped\n");
        return 1;
    }
    std::printf("idle wall_s=%.3f cpu_ms=%.3f cpu_percent_of_one_core=%.4f paints=%d\n", wall,
                cpu * 1000, 100 * cpu / wall, player.paints().total - paintsBefore);
    for (const auto &[name, count] : player.paints().byName) {
        const auto before = byNameBefore.find(name);
        const int n = count - (before == byNameBefore.end() ? 0 : before->second);
        if (n > 0)
            std::printf("  painted %-18s %d times\n", qPrintable(name.isEmpty() ? u"(unnamed)"_s : name), n);
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // As the program itself starts.
    Application app(argc, argv);
    // The game's own media files, which lie beside the program.
    WindowServices services;
    services.mediaFile = [](const QString &name) { return QStringLiteral(TABULON_PROGRAM_DIR "/") + name; };
    frmMultiiplication window(std::move(services));
    window.show();

    const QStringList args = QCoreApplication::arguments();
    const QString mode = args.value(1);
    const int count = args.value(2).toInt();
    if (mode == u"memory")
        return measureMemory(window);
    if (mode == u"latency" && count > 0)
        return measureLatency(window, count);
    if (mode == u"idle" && count > 0)
        return measureIdle(window, count);
    std::fprintf(stderr, "usage: quiz_bench memory | latency ROUNDS | idle SECONDS\n");
    return 2;
}
