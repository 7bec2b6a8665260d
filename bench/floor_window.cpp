// The floor that the game is measured against: the least a Qt Widgets
// program with a window of the game's size costs. A fixed 396 x 288 window
// with a few labels and buttons, nothing else.
//
//   floor_window                   shows the window
//   floor_window --clock SECONDS   also writes the seconds into a label on
//                                  a 250 ms timer, as a running quiz does,
//                                  and prints the processor time it used
//                                  over SECONDS after a short settling
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(396, 288);

    const auto addLabel = [&window](const char *text, int x, int y) {
        auto *label = new QLabel(QString::fromLatin1(text), &window);
        label->setGeometry(x, y, 200, 18);
        return label;
    };
    addLabel("Choose a table", 48, 59);
    addLabel("Wrong answers", 48, 120);
    QLabel *seconds = addLabel("Time taken", 48, 150);

    int x = 8;
    for (const char *caption : {"&Start", "&High Score", "&About", "E&xit"}) {
        auto *button = new QPushButton(QString::fromLatin1(caption), &window);
        button->setGeometry(x, 252, 90, 28);
        x += 96;
    }
    window.show();

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3 || args.at(1) != QLatin1String("--clock"))
        return app.exec();

    const int runSeconds = args.at(2).toInt();
    constexpr int SettleMs = 2000;
    QElapsedTimer clock;
    clock.start();
    QTimer tick;
    tick.setInterval(250);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        seconds->setText(QString::number(clock.elapsed() / 1000) + QStringLiteral(" sec"));
    });
    tick.start();

    double cpuBefore = 0;
    QElapsedTimer measured;
    QTimer::singleShot(SettleMs, [&] {
        cpuBefore = cpuSeconds();
        measured.start();
        QTimer::singleShot(runSeconds * 1000, Qt::PreciseTimer, &app, &QCoreApplication::quit);
    });
    app.exec();
    const double cpu = cpuSeconds() - cpuBefore;
    const double wall = double(measured.nsecsElapsed()) / 1e9;
    std::printf("idle wall_s=%.3f cpu_ms=%.3f cpu_percent_of_one_core=%.4f\n", wall, cpu * 1000,
                100 * cpu / wall);
    return 0;
}
