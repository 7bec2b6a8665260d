// The cost of bringing the next question, over whole quizzes of every table
// (20 questions of each of tables 1 to 9, then 50 of "1 to 9"):
//
//   DrawNext          QuestionDrawer::drawNext alone, the logic
//   ShowNextQuestion  the main window's own ShowNextQuestion: the draw and
//                     the five captions written into the window's controls
//
// Every call is timed on its own; the counters give the median, the 99th
// percentile and the slowest call in microseconds, and the rate is calls per
// second.
#include "QuestionDrawer.h"
#include "QuestionList.h"
#include "QuizState.h"
#include "RandomNumbers.h"
#include "TableChoice.h"
#include "frmMultiiplication.h"

#include <QApplication>
#include <QComboBox>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

constexpr int SingleTableQuestions = 20;
constexpr int FullTableQuestions = 50;

int questionsOf(int table)
{
    return table == TableChoice::FullTable ? FullTableQuestions : SingleTableQuestions;
}

// ShowNextQuestion and BuildQuestionList are private to the window. Access
// is not checked in an explicit instantiation, so one can hand their member
// pointers out, and the benchmark times the window's real code.
using WindowRoutine = void (frmMultiiplication::*)();

template <WindowRoutine Show, WindowRoutine Build>
struct Reach
{
    friend WindowRoutine showNextQuestion() { return Show; }
    friend WindowRoutine buildQuestionList() { return Build; }
};
template struct Reach<&frmMultiiplication::ShowNextQuestion, &frmMultiiplication::BuildQuestionList>;
WindowRoutine showNextQuestion();
WindowRoutine buildQuestionList();

class CallTimes
{
public:
    template <typename Call>
    void time(Call &&call)
    {
        const auto start = std::chrono::steady_clock::now();
        call();
        const auto end = std::chrono::steady_clock::now();
        m_ns.push_back(double(std::chrono::nanoseconds(end - start).count()));
    }

    void report(benchmark::State &state)
    {
        std::sort(m_ns.begin(), m_ns.end());
        const auto at = [this](double q) {
            return m_ns[std::min(m_ns.size() - 1, size_t(q * double(m_ns.size())))] / 1000;
        };
        state.counters["p50_us"] = at(0.50);
        state.counters["p99_us"] = at(0.99);
        state.counters["max_us"] = m_ns.back() / 1000;
        state.SetItemsProcessed(int64_t(m_ns.size()));
    }

private:
    std::vector<double> m_ns;
};

void DrawNext(benchmark::State &state)
{
    RandomNumbers random;
    QuestionDrawer drawer(random);
    QuizState quiz;
    CallTimes times;
    for (auto _ : state) {
        for (int table = TableChoice::FirstTable; table <= TableChoice::FullTable; ++table) {
            quiz.colQuestions = QuestionList::build(table);
            for (int i = 0; i < questionsOf(table); ++i)
                times.time([&] { benchmark::DoNotOptimize(drawer.drawNext(quiz)); });
        }
    }
    times.report(state);
}
BENCHMARK(DrawNext)->Unit(benchmark::kMicrosecond);

void ShowNextQuestion(benchmark::State &state)
{
    frmMultiiplication window;
    window.show();
    QCoreApplication::processEvents();
    CallTimes times;
    for (auto _ : state) {
        for (int table = TableChoice::FirstTable; table <= TableChoice::FullTable; ++table) {
            // Start takes the table and asks its first question; the pool
            // is then built afresh so that a whole quiz's draws are timed.
            window.tableList()->setCurrentIndex(table);
            window.cmdStartStop_Click();
            (window.*buildQuestionList())();
            for (int i = 0; i < questionsOf(table); ++i)
                times.time([&] { (window.*showNextQuestion())(); });
            window.cmdStartStop_Click();
        }
        // The repaints that the new captions asked for, as the event loop
        // would run them between two answers.
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    times.report(state);
}
BENCHMARK(ShowNextQuestion)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
