// The class pooled from a folder of hand-made files: the table, the marks, the common-mean test,
// the pooled histogram and fit, unticking, and the saved file. The expected numbers were worked out
// apart from the code with Python (exact decimals for the means and deviations, math.erfc and
// math.exp for the χ² tails, the least-squares slope of the ln fractions by hand).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "class_results_files.h"
#include "experiments/class_results/class_results.h"
#include "experiments/class_results/class_results_file.h"
#include "kernel/error.h"
#include "support/scratch_directory.h"
#include "support/stopping_host.h"

namespace noyalis::class_results {
namespace {

namespace fs = std::filesystem;
using counting_statistics::TestOutcome;

constexpr long double kClose = 1e-12L;

// Three activity files, two interval files and a note, in one folder.
class ClassFolder : public testing::Test {
 protected:
  void SetUp() override {
    test::WriteBytes(Path("a.txt"), test::ActivityFileText({2, 3, 4, 3}));
    test::WriteBytes(Path("b.txt"), test::ActivityFileText({7, 8, 6, 7, 7}));  // the source stood closer
    test::WriteBytes(Path("c.txt"), test::ActivityFileText({1, 2, 2, 1, 3, 2}));
    test::WriteBytes(Path("notes.txt"), "à rendre lundi\r\n");
    test::WriteBytes(Path("x.txt"), test::IntervalFileText({100, 300, 200, 400}, 100));
    test::WriteBytes(Path("y.txt"), test::IntervalFileText({150, 250, 350, 450, 50, 950}, 100));
    const std::vector<std::string> chosen = {dir_.path().string()};
    results_.add(PathsToRead(chosen));
  }
  std::string Path(const char* name) const { return (dir_.path() / name).string(); }

  const noyalis::test::ScratchDirectory dir_{"class_pool"};
  ClassResults results_;
};

TEST_F(ClassFolder, ActivityTableMarksTheOddFileAndUntickingLeavesThePool) {
  ASSERT_EQ(results_.files().size(), 6u);
  EXPECT_EQ(ProblemOf(results_.files()[3])->kind, FileProblemKind::NotAResultsFile);  // notes.txt

  // All three: 15 measurements of mean 58/15; b's sum 35 is 3.56 standard errors from 5 × 3.8667.
  ActivityClass c = results_.activityClass();
  EXPECT_EQ(c.measurements, 15);
  EXPECT_NEAR(c.mean, 3.8666666666666667L, kClose);
  EXPECT_NEAR(c.deviation, 2.3626726862225804L, kClose);
  ASSERT_EQ(c.rows.size(), 3u);
  const long double allZ[] = {0.8814825547070536L, 3.5630608048208465L, 2.5328871355390685L};
  for (std::size_t i = 0; i < 3; ++i) EXPECT_NEAR(*c.rows[i].standardErrors, allZ[i], kClose) << i;
  EXPECT_TRUE(c.rows[1].marked);
  EXPECT_FALSE(c.rows[2].marked);
  EXPECT_EQ(c.test.degreesOfFreedom, 2);
  EXPECT_NEAR(c.test.chiSquare, 19.88793103448276L, kClose);
  EXPECT_NEAR(c.test.pValue, 4.8016516272002216e-05L, kClose);
  EXPECT_EQ(c.test.outcome, TestOutcome::Rejected);
  EXPECT_EQ(c.firstCount, 1);
  EXPECT_EQ(c.histogram, (std::vector<std::int64_t>{2, 4, 3, 1, 0, 1, 3, 1}));
  EXPECT_EQ(c.chart.barX.front(), 1);
  EXPECT_EQ(c.chart.referenceX.front(), 0);  // one below the smallest count, as on the activity screen
  EXPECT_EQ(c.answer.measurements, 15);

  // Without b: 10 measurements of mean 2.3; b stays listed, marked, out of the test.
  results_.setTicked(1, false);
  c = results_.activityClass();
  EXPECT_EQ(c.measurements, 10);
  EXPECT_NEAR(c.mean, 2.3L, kClose);
  EXPECT_NEAR(c.deviation, 0.9L, kClose);
  const long double someZ[] = {0.9231326627541021L, 6.929771939280165L, 0.7537346628814314L};
  for (std::size_t i = 0; i < 3; ++i) EXPECT_NEAR(*c.rows[i].standardErrors, someZ[i], kClose) << i;
  EXPECT_TRUE(c.rows[1].marked);
  EXPECT_FALSE(c.rows[1].pooled);
  EXPECT_EQ(c.test.files, 2);
  EXPECT_NEAR(c.test.chiSquare, 1.4202898550724639L, kClose);
  EXPECT_NEAR(c.test.pValue, 0.2333557002508232L, kClose);
  EXPECT_EQ(c.test.outcome, TestOutcome::NotRejected);
  EXPECT_EQ(c.histogram, (std::vector<std::int64_t>{2, 4, 3, 1}));
  EXPECT_NEAR(c.rows[2].mean, 11.0L / 6, kClose);
  EXPECT_NEAR(c.rows[2].deviation, 0.6871842709362772L, kClose);
}

// x: 4 intervals of mean 250 µs, y: 6 of mean 366.7 µs. Pooled: mean 320 µs, deviation 243.105 µs;
// classes of 100 µs hold 2, 1, 3, 1, 2, 0, 0, 0, 0, 1; C = round(9.5) + 3 = 13, K = 2 × 3 = 6, and the
// fractions 0.8, 0.7, 0.4, 0.3, 0.1, 0.1 at 0.1 … 0.6 ms give the slope −3.7175 per ms.
TEST_F(ClassFolder, IntervalPoolWithTheFitOfTheIntervalScreen) {
  results_.setPooledKind(ResultsKind::Intervals);
  EXPECT_EQ(results_.classWidthUs(), 100);
  const IntervalClass c = results_.intervalClass();
  EXPECT_EQ(c.measurements, 10);
  EXPECT_NEAR(c.meanUs, 320, kClose);
  EXPECT_NEAR(c.deviationUs, 243.10491562286435L, 1e-10L);
  EXPECT_NEAR(c.ratePerSecond, 3125, kClose);
  ASSERT_EQ(c.rows.size(), 2u);
  EXPECT_NEAR(*c.rows[0].standardErrors, 0.5758830488528089L, kClose);
  EXPECT_NEAR(*c.rows[1].standardErrors, 0.47020654040255333L, kClose);
  EXPECT_NEAR(c.rows[0].ratePerSecond, 4000, kClose);
  EXPECT_NEAR(c.test.chiSquare, 0.5527354765933448L, kClose);
  EXPECT_NEAR(c.test.pValue, 0.45720212907979974L, kClose);
  EXPECT_EQ(c.classCounts, (std::vector<std::int64_t>{0, 2, 1, 3, 1, 2, 0, 0, 0, 0, 1}));
  EXPECT_EQ(c.classesDrawn, 13);
  EXPECT_EQ(c.bars.x.size(), 13u);
  EXPECT_EQ(c.fitClasses, 6);
  ASSERT_TRUE(c.fit && c.fittedRate);
  EXPECT_NEAR(c.fit->slope, -3.717548667588174L, 1e-12L);
  EXPECT_NEAR(c.fit->r2, 0.9622345378025262L, 1e-12L);
  EXPECT_NEAR(*c.fittedRate, 3717.548667588174L, 1e-9L);
  // The exponential law of that rate over the bars: 10 (1 − e^(−λw)) e^(−(k−1)λw) in class k.
  ASSERT_EQ(c.curve.y.size(), 13u);
  EXPECT_EQ(c.curve.x, c.bars.x);
  EXPECT_NEAR(c.curve.y[0], 3.1047675312253853, 1e-9);
  EXPECT_NEAR(c.curve.y[1], 2.140809388930248, 1e-9);
  EXPECT_NEAR(c.curve.y[12], 0.03586047525972335, 1e-9);
  // Classes of 200 µs (200 goes to class 1, 400 to class 3): counted again from what the files
  // gave, not read again.
  fs::remove_all(dir_.path());
  results_.setClassWidthUs(200);
  EXPECT_EQ(results_.intervalClass().classCounts, (std::vector<std::int64_t>{0, 4, 3, 2, 0, 1}));
  EXPECT_THROW(results_.setClassWidthUs(5), kernel::RangeError);
}

TEST_F(ClassFolder, AStopLeavesTheFilesReadSoFar) {
  ClassResults some;
  noyalis::test::StoppingHost host(3);
  const std::vector<std::string> chosen = {dir_.path().string()};
  some.add(PathsToRead(chosen), &host);
  EXPECT_EQ(some.files().size(), 2u);
  EXPECT_EQ(some.files()[1].name, "b.txt");
}

TEST_F(ClassFolder, SavesTheClassInTheProgramsOwnForm) {
  results_.setTicked(1, false);
  const std::string path = Path("20250310_10_15_classe.txt");
  SaveClassResults(path, results_);
  EXPECT_EQ(
      noyalis::test::FileBytes(path),
      "r\xE9sultats de la classe ; activit\xE9\r\n"
      "fichier ; mesures ; moyenne ; \xE9"
      "cart type ; \xE9"
      "cart r\xE9"
      "duit ; marqu\xE9 ; regroup\xE9\r\n"
      "a.txt ; 4 ;  3.00000000000000E+0000 ;  7.07106781186548E-0001 ;  9.23132662754102E-0001 ; 0 ; 1\r\n"
      "b.txt ; 5 ;  7.00000000000000E+0000 ;  6.32455532033676E-0001 ;  6.92977193928017E+0000 ; 1 ; 0\r\n"
      "c.txt ; 6 ;  1.83333333333333E+0000 ;  6.87184270936277E-0001 ;  7.53734662881432E-0001 ; 0 ; 1\r\n"
      "moyenne commune ; fichiers ; khi2 ; degr\xE9s de libert\xE9 ; p\r\n"
      "test ; 2 ;  1.42028985507246E+0000 ; 1 ;  2.33355700250823E-0001\r\n"
      "regroupement ; mesures ; moyenne ; \xE9"
      "cart type\r\n"
      "classe ; 10 ;  2.30000000000000E+0000 ;  9.00000000000000E-0001\r\n"
      "kk ; histo_desinteg\r\n"
      "1 ; 2\r\n2 ; 4\r\n3 ; 3\r\n4 ; 1\r\n");
  EXPECT_EQ(ClassResultsFileName({2025, 3, 10, 10, 15, 42}), "20250310_10_15_classe.txt");
  // Read again: the saved file is no results file of a run, and is listed as such.
  const std::vector<std::string> again = {path};
  results_.add(again);
  EXPECT_EQ(ProblemOf(results_.files().back())->kind, FileProblemKind::NotAResultsFile);
}

}  // namespace
}  // namespace noyalis::class_results
