// The dice model: throws from a seed, the seed and step-by-step sequence, the summary texts and
// the decay curves with their fit.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "experiments/dice/dice_constants.h"
#include "experiments/dice/dice_curves.h"
#include "experiments/dice/dice_figures.h"
#include "experiments/dice/dice_run.h"
#include "experiments/dice/dice_seed.h"
#include "kernel/error.h"
#include "kernel/uniform_random.h"
#include "support/stopping_host.h"

namespace noyalis::dice {
namespace {

using test::StoppingHost;

DiceRunData& ThrowFrom(std::int32_t n0, std::int32_t nf, std::uint32_t seed,
                       std::int32_t throws = kAllThrows) {
  static DiceRunData data;
  kernel::NullRunHost host;
  ThrowDice(data, n0, nf, seed, throws, host);
  return data;
}

std::vector<std::int32_t> Remaining(const DiceRunData& data, std::int32_t upTo) {
  return {data.DiceRemaining.begin(), data.DiceRemaining.begin() + upTo + 1};
}

// Worked out apart from this code, by a few lines that follow the throw loop draw by draw.
struct Golden {
  std::int32_t n0, nf;
  std::uint32_t seed;
  std::int32_t throws;
  std::vector<std::int32_t> remaining;  // throws 0 … LastThrow + 1
  std::int32_t lastThrow;
  std::int64_t thrown, faceSum;
  const char* mean;
};

TEST(DiceRun, GoldenRunsFromAFixedSeed) {
  const Golden cases[] = {
      {20,
       6,
       2'755'504,
       kAllThrows,
       {20, 16, 12, 11, 7, 6, 3, 3, 3, 2, 2, 1, 1, 1, 1, 0},
       14,
       89,
       300,
       "3.371"},
      // Dice left after the last of four throws: LastThrow is T.
      {10, 3, 12345, 4, {10, 6, 4, 4, 2, 0}, 4, 24, 48, "2.000"},
      // Both dice go in the first throw.
      {2, 2, 4, kAllThrows, {2, 0, 0}, 0, 2, 2, "1.000"},
      // Both dice go together in a later throw.
      {2, 2, 18, kAllThrows, {2, 2, 0, 0}, 1, 4, 6, "1.500"},
  };
  for (const Golden& g : cases) {
    SCOPED_TRACE(g.seed);
    const DiceRunData& data = ThrowFrom(g.n0, g.nf, g.seed, g.throws);
    EXPECT_TRUE(data.completed);
    EXPECT_EQ(data.LastThrow, g.lastThrow);
    EXPECT_EQ(Remaining(data, static_cast<std::int32_t>(g.remaining.size()) - 1), g.remaining);
    EXPECT_EQ(data.diceThrown, g.thrown);
    EXPECT_EQ(data.faceSum, g.faceSum);
    EXPECT_EQ(MeanFaceText(MeanFace(data), '.'), std::string("moyenne des tirs = ") + g.mean);
    EXPECT_EQ(data.diceLeft(), g.lastThrow == g.throws ? g.remaining[g.lastThrow] : 0);
  }
}

TEST(DiceRun, ReplaysAreThePrefixOfTheSameSequenceAndLeaveTheGeneratorAfterTheLastDraw) {
  const DiceRunData& full = ThrowFrom(501, 12, 777);
  const std::vector<std::int32_t> all = Remaining(full, full.LastThrow + 1);
  const std::int64_t allThrown = full.diceThrown;
  for (std::int32_t k : {1, 2, 7}) {
    const DiceRunData& step = ThrowFrom(501, 12, 777, k);
    ASSERT_EQ(step.LastThrow, k);
    std::vector<std::int32_t> expected(all.begin(), all.begin() + k + 1);
    expected.push_back(0);  // nothing recorded after the last throw made
    EXPECT_EQ(Remaining(step, k + 1), expected);
  }
  // The shared generator moved on by exactly one draw per die thrown (an odd count here).
  std::uint32_t s = 777;
  for (std::int64_t i = 0; i < allThrown; ++i) s = kernel::UniformRandom::step(s);
  ThrowFrom(501, 12, 777);
  EXPECT_EQ(allThrown % 2, 1);
  EXPECT_EQ(kernel::UniformRandom::state(), s);
}

TEST(DiceRun, StopAbandonsAndBadParametersRaise) {
  static DiceRunData data;
  StoppingHost host(3);
  ThrowDice(data, kMaxDice, kMaxFaces, 1, kAllThrows, host);
  EXPECT_FALSE(data.completed);
  EXPECT_EQ(host.yields, 3);
  EXPECT_LT(data.diceThrown, 4 * 4096 + 1);
  kernel::NullRunHost none;
  EXPECT_THROW(ThrowDice(data, 1, 6, 1, 10, none), kernel::RangeError);
  EXPECT_THROW(ThrowDice(data, 20, 501, 1, 10, none), kernel::RangeError);
  EXPECT_THROW(ThrowDice(data, 20, 6, 1, kAllThrows + 1, none), kernel::RangeError);
}

TEST(DiceRun, MeanFaceTendsToTheMiddleFace) {
  for (std::int32_t nf : {2, 6, 500}) {
    const DiceRunData& data = ThrowFrom(20'000, nf, 99);
    // About 2·10^4·nf dice are thrown; the mean's deviation is √((nf² − 1)/12 / thrown).
    const long double sd = std::sqrt((nf * nf - 1.0L) / 12 / data.diceThrown);
    EXPECT_NEAR(static_cast<double>(MeanFace(data)), (nf + 1) / 2.0, 5 * static_cast<double>(sd)) << nf;
  }
}

struct SeedStep {
  const char* action;  // "all", "step", "reset", "manual", "auto", "seed=<n>"
  std::int64_t seedUsedOrShown;
  std::int32_t replayThrows;
};

// Replays a script of user actions; each row checks the seed a run used (or the seed after a
// reset or a choice) and the throws of the next step-by-step run.
void Script(DiceSequence& seq, std::initializer_list<SeedStep> steps, bool allGone = false) {
  for (const SeedStep& s : steps) {
    SCOPED_TRACE(s.action);
    const std::string action = s.action;
    if (action == "all") {
      EXPECT_EQ(seq.startFullRun(), s.seedUsedOrShown);
      seq.endFullRun();
    } else if (action == "step") {
      EXPECT_EQ(seq.startStepRun(), s.seedUsedOrShown);
      seq.endStepRun(allGone);
    } else {
      if (action == "reset") seq.reset();
      if (action == "manual") seq.chooseMode(SeedMode::Manual);
      if (action == "auto") seq.chooseMode(SeedMode::Automatic);
      if (action.starts_with("seed=")) seq.setSeed(std::stoll(action.substr(5)));
      EXPECT_EQ(seq.seed(), s.seedUsedOrShown);
    }
    EXPECT_EQ(seq.replayThrows(), s.replayThrows);
  }
}

TEST(DiceSequence, SeedsOfSuccessiveRunsAndResetsInBothModes) {
  DiceSequence seq;
  Script(seq, {{"all", 2'755'504, 1},
               {"all", 2'755'503, 1},
               {"step", 2'755'502, 2},
               {"step", 2'755'502, 3},
               {"reset", 2'755'501, 1},
               {"all", 2'755'501, 1},
               {"auto", 2'755'500, 1000},
               {"step", 2'755'500, 1001},
               {"manual", 2'755'500, 1},
               {"all", 2'755'500, 1},
               {"all", 2'755'500, 1},
               {"reset", 2'755'500, 1},
               {"step", 2'755'500, 2},
               {"seed=42", 42, 2}});
}

TEST(DiceSequence, ClampAtBothEndsOfTheRange) {
  DiceSequence automatic;
  Script(automatic, {{"seed=1", 1, 1}, {"all", 1, 1}, {"all", 1, 1}, {"reset", 1, 1}, {"step", 1, 2}});
  DiceSequence manual;
  manual.chooseMode(SeedMode::Manual);
  Script(manual, {{"seed=1000000000", kMaxSeed, 1},
                  {"reset", kMaxSeed, 1},
                  {"all", kMaxSeed, 1},
                  {"seed=0", 1, 1},
                  {"reset", 1, 1}});
}

TEST(DiceSequence, AFinishedSequenceResetsBeforeTheNextRun) {
  DiceSequence seq;
  seq.setSeed(500);
  seq.startStepRun();
  seq.endStepRun(true);
  EXPECT_TRUE(seq.finished());
  EXPECT_EQ(seq.replayThrows(), 2);
  // The next step-by-step run starts a new sequence with the next seed.
  Script(seq, {{"step", 499, 2}});
  seq.endStepRun(true);
  Script(seq, {{"all", 498, 1}});
  EXPECT_FALSE(seq.finished());
  // The replay count stops at 20 000.
  DiceSequence longest;
  for (int k = 0; k < kMaxReplayThrows + 5; ++k) {
    longest.startStepRun();
    longest.endStepRun(false);
  }
  EXPECT_EQ(longest.replayThrows(), kMaxReplayThrows);
}

TEST(DiceFigures, GroupingTableEntriesAndLabels) {
  const std::pair<std::int64_t, const char*> grouped[] = {{0, "0"},
                                                          {999, "999"},
                                                          {1000, "1 000"},
                                                          {123456, "123 456"},
                                                          {1234567, "1 234 567"},
                                                          {12345678, "12 345 678"},
                                                          {1234567890, "1234 567 890"}};
  for (const auto& [n, text] : grouped) EXPECT_EQ(GroupedCount(n), text);
  EXPECT_EQ(DiceThrownText(500'123'456), "Nb de dés utilisés = 500 123 456");
  EXPECT_EQ(ExponentialLegend(500), "y = Nb dés exp(-t/500)");
  EXPECT_EQ(TableEntry(0, 20), "0  :  20");
  EXPECT_EQ(TableStart(1), 0);
  EXPECT_EQ(TableStart(10), 0);
  EXPECT_EQ(TableStart(11), 10);
  EXPECT_EQ(TableStart(20), 10);
  EXPECT_EQ(TableRows(0), 2);
  EXPECT_EQ(TableRows(9), 2);
  EXPECT_EQ(TableRows(10), 3);
  EXPECT_EQ(TauText(-0.182321557L, ','), "tau = 5,485");
  EXPECT_EQ(RegressionText(-0.1823215L, 3.0L, '.'), "Régression linéaire y = -0.182322 x + 3.000");
  EXPECT_EQ(CorrelationText(0.999994L, '.'), "Coeff. de corrélation = 0.99999");
  EXPECT_THROW(TauText(0, '.'), kernel::FloatError);
}

TEST(DecayCurves, AxisBinomialAndExponential) {
  const std::pair<std::int32_t, long double> maxima[] = {{10, 3}, {20, 3}, {100, 5}, {1'000'000, 14}};
  for (const auto& [n0, max] : maxima) EXPECT_EQ(LogAxisMax(n0), max) << n0;

  for (std::int32_t nf : {2, 3, 6, 7, 500}) {
    const DiceRunData& data = ThrowFrom(1000, nf, 31);
    const DecayCurves c = MakeDecayCurves(data);
    ASSERT_EQ(c.t.size(), static_cast<std::size_t>(data.LastThrow) + 1);
    EXPECT_EQ(c.BinomialCurve.front(), 1000.0L);
    EXPECT_EQ(c.lnBinomial.front(), std::log(1000.0));
    EXPECT_EQ(c.exponential.front(), 1000.0);
    // After nf throws the exponential is 1000·e^(−1) = 367.879441171, by hand.
    EXPECT_NEAR(c.exponential.at(static_cast<std::size_t>(nf)), 367.879441171, 1e-6) << nf;
    for (std::size_t t = 1; t < c.t.size(); ++t) {
      EXPECT_LT(c.binomial[t], c.exponential[t]) << nf << " t=" << t;
      EXPECT_NEAR(c.binomial[t], 1000 * std::pow(1 - 1.0 / nf, static_cast<double>(t)), 1e-9 * 1000);
      EXPECT_EQ(c.dice[t], data.DiceRemaining[t]);
      EXPECT_EQ(c.lnDice[t], static_cast<double>(std::log(static_cast<long double>(data.DiceRemaining[t]))));
    }
  }
}

TEST(DecayCurves, TauNearTheBinomialTimeConstantWithManyDice) {
  for (std::int32_t nf : {6, 20}) {
    const DecayCurves c = MakeDecayCurves(ThrowFrom(1'000'000, nf, 2'755'504));
    ASSERT_TRUE(c.fit);
    const double expected = -1 / std::log(1 - 1.0 / nf);
    EXPECT_NEAR(static_cast<double>(-1 / c.fit->slope), expected, 0.1 * expected) << nf;
    EXPECT_GT(c.fit->r, 0.95L);
    EXPECT_LE(c.fit->r, 1.0L);
  }
}

TEST(DecayCurves, NoLineWhenAllDiceGoInOneThrow) {
  // Seeds 4 and 18 (two dice, two faces): all gone in the first throw, and in the second.
  for (std::uint32_t seed : {4u, 18u}) {
    const DecayCurves c = MakeDecayCurves(ThrowFrom(2, 2, seed));
    EXPECT_FALSE(c.fit) << seed;
    EXPECT_EQ(c.lnDice.back(), std::log(2.0));
  }
  EXPECT_TRUE(MakeDecayCurves(ThrowFrom(2, 2, 1)).fit);  // 2, 1, 0: a falling line
}

}  // namespace
}  // namespace noyalis::dice
