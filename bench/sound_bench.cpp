#include "SoundFile.h"
#include "frmMultiiplication.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Milliseconds = std::chrono::duration<double, std::milli>;

Milliseconds timeOf(const std::function<void()> &call)
{
    QElapsedTimer clock;
    clock.start();
    call();
    return std::chrono::nanoseconds(clock.nsecsElapsed());
}

struct Summary
{
    Milliseconds median, low, high;
};

Summary summarise(std::vector<Milliseconds> runs)
{
    std::sort(runs.begin(), runs.end());
    const size_t n = runs.size();
    const Milliseconds median = n % 2 ? runs[n / 2] : (runs[n / 2 - 1] + runs[n / 2]) / 2;
    return {median, runs.front(), runs.back()};
}

void printRow(QTextStream &out, const QString &name, const Summary &s)
{
    out << name.leftJustified(28) << QString::number(s.median.count(), 'f', 1).rightJustified(10)
        << QString::number(s.low.count(), 'f', 1).rightJustified(10)
        << QString::number(s.high.count(), 'f', 1).rightJustified(10) << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Time a synchronous PlaySound against paplay."_s);
    parser.addHelpOption();
    parser.addOption({u"runs"_s, u"Runs of each player (default 9)."_s, u"count"_s, u"9"_s});
    parser.addPositionalArgument(u"file"_s, u"The .wav file to play."_s);
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);
    const QString file = parser.positionalArguments().constFirst();
    const int runs = qMax(1, parser.value(u"runs"_s).toInt());

    QTextStream out(stdout);
    const std::optional<SoundFile> sound = SoundFile::read(file);
    if (!sound) {
        out << "Cannot read " << file << '\n';
        return 1;
    }
    const Milliseconds length(sound->duration());

    frmMultiiplication window;
    const auto playSound = [&] { window.PlaySound(file, true); };
    const auto startSound = [&] { window.PlaySound(file, false); };
    const auto paplay = [&] { QProcess::execute(u"paplay"_s, {file}); };

    // The first PlaySound also sets up the audio system.
    const Milliseconds firstCall = timeOf(playSound) - length;
    std::vector<Milliseconds> ours, theirs, starts;
    for (int i = 0; i < runs; ++i) {
        ours.push_back(timeOf(playSound) - length);
        theirs.push_back(timeOf(paplay) - length);
    }
    // Each start also stops the sound that the one before started.
    for (int i = 0; i < runs; ++i)
        starts.push_back(timeOf(startSound));

    out << "Sound: " << file << ", " << QString::number(length.count(), 'f', 1) << " ms, "
        << sound->sampleRate() << " Hz, " << sound->channelCount() << " channel(s)\n"
        << "Time beyond the sound's length, ms, " << runs << " runs each:\n"
        << u"player"_s.leftJustified(28) << u"median"_s.rightJustified(10)
        << u"min"_s.rightJustified(10) << u"max"_s.rightJustified(10) << '\n';
    const Summary oursSummary = summarise(ours);
    const Summary theirsSummary = summarise(theirs);
    printRow(out, u"PlaySound, synchronous"_s, oursSummary);
    printRow(out, u"paplay (process included)"_s, theirsSummary);
    out << "PlaySound against paplay, medians: "
        << QString::number(oursSummary.median / theirsSummary.median, 'f', 2) << "x\n";
    out << "First synchronous PlaySound, which sets up audio: "
        << QString::number(firstCall.count(), 'f', 1) << " ms beyond the sound\n"
        << "Time a PlaySound without waiting takes to return, ms:\n";
    printRow(out, u"PlaySound, asynchronous"_s, summarise(starts));
    return 0;
}
