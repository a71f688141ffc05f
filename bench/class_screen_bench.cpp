// The class-results screen at the size of a lesson (30 activity files of 100 000 measurements):
// from the click on "Ouvrir un dossier…" to the table and the pooled chart drawn, and the redraw
// after a file is unticked, both through the screen as a teacher uses it; the memory the class
// takes above the program at rest (the screen open, its list empty) is reported beside the first
// (run it alone, in a fresh process, for that figure).
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTableWidget>
#include <filesystem>

#include "class_folders.h"
#include "experiments/class_results/UnitResultatsClasse.h"
#include "experiments/class_results/class_file_chooser.h"
#include "split_timer.h"

namespace {

using namespace noyalis;

// The folder dialog answers with the class's folder at once.
class ClassFolderChosen final : public class_results::ClassFileChooser {
 public:
  explicit ClassFolderChosen(const std::filesystem::path& folder)
      : folder_(QString::fromStdString(folder.string())) {}
  QStringList chooseFolder(QWidget*, const QString&, const QString&) override { return {folder_}; }
  QStringList chooseFiles(QWidget*, const QString&, const QString&) override { return {}; }

 private:
  QString folder_;
};

// The screen shown pooling one kind, with the folder dialog answered by the class of that kind
// (written before anything is measured).
class ClassScreen {
 public:
  explicit ClassScreen(bool intervals = false)
      : chosen_(intervals ? bench::IntervalFolder() : bench::ActivityFolder()) {
    class_results::SetClassFileChooser(&chosen_);
    if (intervals) screen_.findChild<QAbstractButton*>("RadioGroup1_item1")->click();
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

// Activity files, and interval files in classes of 10 µs (some 36 000 bars and the fitted law).
void BM_UntickRedraw(benchmark::State& state) {
  ClassScreen screen(state.range(0) == 1);
  screen.open();
  bool ticked = false;
  for (auto _ : state) {
    screen.tick(7, ticked);
    ticked = !ticked;
  }
}
BENCHMARK(BM_UntickRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
