// The answer to "Gauss ou Poisson ?" after the largest run: from the click on the question to the
// window on show, and the χ² of both laws alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>

#include "experiments/activity/GaussOrPoissonWindow.h"
#include "experiments/activity/UnitActivite2.h"
#include "experiments/activity/activity_limits.h"
#include "experiments/activity/activity_run.h"
#include "kernel/run_host.h"
#include "kernel/uniform_random.h"

namespace {

using namespace noyalis;

// The last run: 1 000 000 measurements at 3 cm, of the largest counting time the 10^9 ms limit
// leaves them (1 000 ms, a mean of 544 counts): the widest histogram such a run gives.
void DrawLargestRun() {
  static bool drawn = false;
  if (drawn) return;
  kernel::NullRunHost host;
  kernel::UniformRandom::setState(0);
  activity::DrawCounts(activity::LastActivityRun(), activity::MeanCount(0, 1000), 1'000'000, host);
  drawn = true;
}

void BM_ChiSquareOfBothLaws(benchmark::State& state) {
  DrawLargestRun();
  for (auto _ : state)
    benchmark::DoNotOptimize(
        counting_statistics::AnswerGaussOrPoisson(activity::RunHistogram(activity::LastActivityRun())));
}

// From the click on the question to the window drawn; closed again between clicks.
void BM_ClickToAnswerWindow(benchmark::State& state) {
  DrawLargestRun();
  Tform11 screen;
  screen.show();
  auto* question = screen.findChild<QLineEdit*>("Edit6");
  question->show();
  const QPointF centre = QRectF(question->rect()).center();
  for (auto _ : state) {
    QMouseEvent press(QEvent::MouseButtonPress, centre, question->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, question->mapToGlobal(centre), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(question, &press);
    QApplication::sendEvent(question, &release);
    auto* window = screen.findChild<GaussOrPoissonWindow*>();
    if (!window) {
      state.SkipWithError("no answer window");
      break;
    }
    window->repaint();  // drawn, not only shown
    state.PauseTiming();
    delete window;
    state.ResumeTiming();
  }
}

}  // namespace

BENCHMARK(BM_ChiSquareOfBothLaws)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClickToAnswerWindow)->Unit(benchmark::kMillisecond);
