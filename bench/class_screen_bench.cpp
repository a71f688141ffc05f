// The class-results screen at the size of a lesson (30 activity files of 100 000 measurements):
// from the click on "Ouvrir un dossier…" to the table and the pooled chart drawn, and the redraw
// after a file is unticked, both through the screen as a teacher uses it; the memory the class
// takes above the program at rest (the screen open, its list empty) is reported beside the times.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableWidget>

#include "class_folders.h"
#include "experiments/class_results/UnitResultatsClasse.h"
#include "experiments/class_results/class_file_chooser.h"
#include "split_timer.h"

namespace {

using namespace noyalis;

// The folder dialog answers with the class's folder at once.
class ClassFolderChosen final : public class_results::ClassFileChooser {
 public:
  QStringList chooseFolder(QWidget*, const QString&, const QString&) override {
    return {QString::fromStdString(bench::ActivityFolder().string())};
  }
  QStringList chooseFiles(QWidget*, const QString&, const QString&) override { return {}; }
};

// The screen shown, with the folder dialog answered.
class ClassScreen {
 public:
  ClassScreen() {
    bench::ActivityFolder();  // written before anything is measured
    class_results::SetClassFileChooser(&chosen_);
    screen_.show();
    screen_.repaint();
    atRestMb_ = bench::ResidentMb();
  }
  ~ClassScreen() { class_results::SetClassFileChooser(nullptr); }

  // The click on the folder button, up to the table and the chart painted.
  void open() {
    screen_.Button1Click();
    screen_.repaint();
  }
  void clear() { screen_.Button4Click(); }
  // A tick changed as the user changes it, up to the screen painted.
  void tick(int row, bool ticked) {
    screen_.findChild<QTableWidget*>("StringGrid1")
        ->item(row, 0)
        ->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    screen_.repaint();
  }
  bool allRead() const { return bench::AllRead(screen_.results()); }
  double aboveRestMb() const { return bench::ResidentMb() - atRestMb_; }

 private:
  ClassFolderChosen chosen_;
  TForm10 screen_;
  double atRestMb_ = 0;
};

void BM_ClickToDrawnClass(benchmark::State& state) {
  ClassScreen screen;
  bench::Seconds opened;
  double mostMb = 0;
  for (auto _ : state) {
    bench::Time(opened, [&] { screen.open(); });
    mostMb = std::max(mostMb, screen.aboveRestMb());
    if (!screen.allRead()) state.SkipWithError("a file was left out");
    state.PauseTiming();
    screen.clear();
    state.ResumeTiming();
  }
  state.counters["cpu_ms"] = 1e3 * opened.cpu / static_cast<double>(state.iterations());
  state.counters["above_rest_MB"] = mostMb;
}
BENCHMARK(BM_ClickToDrawnClass)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_UntickRedraw(benchmark::State& state) {
  ClassScreen screen;
  screen.open();
  bool ticked = false;
  for (auto _ : state) {
    screen.tick(7, ticked);
    ticked = !ticked;
  }
  state.counters["above_rest_MB"] = screen.aboveRestMb();
}
BENCHMARK(BM_UntickRedraw)->Unit(benchmark::kMillisecond);

}  // namespace
