// The population model: the step probability, the decay run and its draw order, clicks, stop and
// history.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

#include "experiments/population/decay_run.h"
#include "experiments/population/population_state.h"
#include "kernel/error.h"
#include "kernel/uniform_random.h"
#include "recorded_run.h"

namespace noyalis::population {
namespace {

// A fresh state with row 2 holding λ [1/s] and the given unit selected.
PopulationState StateWith(long double lambda, std::int32_t unit, std::int32_t atom = 2) {
  PopulationState state;
  SetIsotopeList(state, {{"Xx", 1, lambda}});
  state.selectedAtom = atom;
  state.selectedUnit = unit;
  return state;
}

RunSeams SeedAfterReseed(std::uint32_t seed, int pauseMs = 0) {
  return {[seed] { kernel::UniformRandom::setState(seed); }, pauseMs};
}

TEST(PopulationState, OpeningStepProbabilityIsCaesiumPerYearFromTheGridText) {
  PopulationState state;
  EXPECT_EQ(state.atoms[1].lambda, 7.285E-10L);
  EXPECT_EQ(state.atoms[1].symbol, "Cs");
  EXPECT_EQ(state.atoms[1].mass, 137);
  EXPECT_EQ(state.unitLength, 31'556'736.0L);
  const long double expected = 31'556'736.0L * 7.285E-10L;
  EXPECT_NEAR(static_cast<double>(state.StepProbability / expected), 1.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(state.StepProbability), 2.299e-2, 1e-5);
}

TEST(PopulationState, MajFollowsTheUnitAndRowAndLeavesAnUnknownUnitsLength) {
  struct Case {
    std::int32_t unit, atom;
    long double expectedUnitLength;
  };
  const Case cases[] = {
      {2, 1, 1.0L}, {6, 1, 3'155'673'600.0L}, {10, 2, 3.1556736E16L}, {0, 2, 60.0L}, {11, 1, 60.0L}};
  for (const Case& c : cases) {
    PopulationState state = StateWith(0.25L, 3);
    UpdateStepProbability(state);  // a minute first
    state.selectedUnit = c.unit;
    state.selectedAtom = c.atom;
    UpdateStepProbability(state);
    SCOPED_TRACE(c.unit);
    EXPECT_EQ(state.unitLength, c.expectedUnitLength);
    EXPECT_EQ(state.lambdaInUse, static_cast<double>(state.atoms[c.atom].lambda));
    // Not clamped: a year of a short-lived isotope gives p far above 1.
    EXPECT_EQ(state.StepProbability, c.expectedUnitLength * static_cast<long double>(state.lambdaInUse));
  }
}

TEST(PopulationState, ShorterListLeavesNothingOfTheEarlierOne) {
  PopulationState state;
  SetIsotopeList(state, {{"H", 3, 1e-9L}, {"C", 14, 3e-12L}, {"U", 238, 5e-18L}});
  state.atoms[5].lambda = 0.5L;  // typed for NewAtomRow
  EXPECT_EQ(state.NewAtomRow, 5);
  EXPECT_EQ(IsotopeLabel(state, 4), "U 238");
  ResetAtomTable(state);
  SetIsotopeList(state, {{"Co", 60, 4e-9L}});
  EXPECT_EQ(state.NewAtomRow, 3);
  for (std::int32_t row : {3, 4, 5}) {
    EXPECT_EQ(state.atoms[row].lambda, 0.0L) << row;
    EXPECT_EQ(state.atoms[row].symbol, "") << row;
  }
  EXPECT_EQ(IsotopeLabel(state, 1), "Cs 137");
  EXPECT_EQ(IsotopeLabel(state, 2), "Co 60");
  EXPECT_EQ(IsotopeLabel(state, 3), " ");  // NewAtomRow
  EXPECT_EQ(IsotopeLabel(state, 40), " ");
  EXPECT_THROW(SetIsotopeList(state, std::vector<AtomRow>(200)), kernel::RangeError);
}

// The run's outcome for one set of inputs: decays, steps and clicks.
TEST(DecayRun, OutcomeTable) {
  struct Case {
    const char* name;
    long double lambda;
    std::int32_t unit, atom, side, duration;
    bool sound;
    // Expected: alive after step 1, last alive, whether every decay was at step 1, clicks.
    std::int32_t aliveAfter1, aliveAtEnd;
    enum { kNone, kEveryStepWithDecay } clicks;
  };
  const Case cases[] = {
      // p ≥ 1: every nucleus decays at step 1.
      {"p above one", 1.0L, 10, 2, 7, 12, true, 0, 0, Case::kEveryStepWithDecay},
      // λ = 0 (a row below the list): nothing decays, no click even with sound.
      {"lambda zero", 0.0L, 1, 30, 10, 10, true, 100, 100, Case::kNone},
      // A second per step for caesium: p ≈ 7e-10, no decay, no click.
      {"no decay", 0.0L, 2, 1, 10, 10, true, 100, 100, Case::kNone},
      // Sound chosen but N = 11: decays, never a click.
      {"side eleven", 0.3L, 2, 2, 11, 20, true, -1, -1, Case::kNone},
      // Sound chosen, N = 10: one click per step with decays.
      {"side ten", 0.3L, 2, 2, 10, 20, true, -1, -1, Case::kEveryStepWithDecay},
      // Sound not chosen.
      {"silent", 0.3L, 2, 2, 10, 20, false, -1, -1, Case::kNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PopulationState state = StateWith(c.lambda, c.unit, c.atom);
    RecordingObserver observer;
    StepHost host;
    RunDecay(state, {c.side, c.duration, c.sound, "u", "l"}, observer, host, SeedAfterReseed(12345, 7));
    const std::int32_t n0 = c.side * c.side;
    ASSERT_EQ(observer.started.size(), 1u);
    EXPECT_EQ(observer.started[0], std::make_pair(c.side, c.duration));
    ASSERT_EQ(observer.steps.size(), static_cast<std::size_t>(c.duration));
    EXPECT_EQ(host.pauses, std::vector<int>(c.duration, 7));
    EXPECT_EQ(state.lastStep, c.duration);
    EXPECT_EQ(state.PopulationCurve[0], n0);
    std::vector<std::int32_t> stepsWithDecay;
    for (std::int32_t t = 1; t <= c.duration; ++t) {
      EXPECT_EQ(observer.steps[t - 1],
                std::make_pair(t, static_cast<std::int32_t>(state.PopulationCurve[t])));
      EXPECT_EQ(state.DecaysPerStep[t], state.PopulationCurve[t - 1] - state.PopulationCurve[t]);
      if (state.DecaysPerStep[t] > 0) stepsWithDecay.push_back(t);
    }
    EXPECT_EQ(static_cast<long double>(observer.decays.size()), n0 - state.PopulationCurve[c.duration]);
    EXPECT_EQ(state.alive, state.PopulationCurve[c.duration]);
    if (c.aliveAfter1 >= 0) {
      EXPECT_EQ(state.PopulationCurve[1], c.aliveAfter1);
    } else {
      EXPECT_GT(observer.decays.size(), 0u);
    }
    if (c.aliveAtEnd >= 0) {
      EXPECT_EQ(state.alive, c.aliveAtEnd);
    }
    if (c.clicks == Case::kNone) {
      EXPECT_TRUE(observer.clickSteps.empty());
    } else {
      EXPECT_EQ(observer.clickSteps, stepsWithDecay);
    }
  }
}

TEST(DecayRun, AboveOneEmptiesTheLatticeAtStepOneAndDrawsNoMore) {
  PopulationState state = StateWith(1.0L, 10);
  RecordingObserver observer;
  StepHost host;
  RunDecay(state, {5, 10, false, "", ""}, observer, host, SeedAfterReseed(99));
  EXPECT_EQ(state.DecaysPerStep[1], 25);
  // 25 draws at step 1, none after: the generator moved exactly 25 times.
  std::uint32_t seed = 99;
  for (int k = 0; k < 25; ++k) seed = kernel::UniformRandom::step(seed);
  EXPECT_EQ(kernel::UniformRandom::state(), seed);
  for (std::int32_t i = 1; i <= 5; ++i)
    for (std::int32_t j = 1; j <= 5; ++j) EXPECT_EQ(state.cell(i, j), 0);
}

// Columns i, then rows j, one draw per radioactive nucleus, decay when p > r strictly.
TEST(DecayRun, DrawOrderFromASetGeneratorState) {
  constexpr std::uint32_t kSeed = 2024;
  PopulationState state = StateWith(0.4L, 2);
  RecordingObserver observer;
  StepHost host;
  RunDecay(state, {5, 10, false, "", ""}, observer, host, SeedAfterReseed(kSeed));

  const long double p = 0.4L;
  std::uint32_t seed = kSeed;
  bool cells[6][6];
  for (auto& column : cells)
    for (bool& c : column) c = true;
  std::vector<Decay> expected;
  for (int t = 1; t <= 10; ++t)
    for (int i = 1; i <= 5; ++i)
      for (int j = 1; j <= 5; ++j) {
        if (!cells[i][j]) continue;
        seed = kernel::UniformRandom::step(seed);
        if (p > static_cast<double>(kernel::UniformRandom::toReal(seed))) {
          cells[i][j] = false;
          expected.emplace_back(i, j);
        }
      }
  EXPECT_EQ(observer.decays, expected);
  EXPECT_EQ(kernel::UniformRandom::state(), seed);
  ASSERT_GE(expected.size(), 20u);  // the case exercises the order, not an empty lattice
  // The first draw of the run decides nucleus (1, 1).
  EXPECT_EQ(observer.decays.front() == Decay(1, 1),
            p > static_cast<double>(kernel::UniformRandom::toReal(kernel::UniformRandom::step(kSeed))));
}

TEST(DecayRun, StrictComparisonAtPEqualToTheDraw) {
  // State 0 draws 1 first (r = 2^-32); with p exactly that r the nucleus stays.
  PopulationState state = StateWith(0x1p-32L, 2);
  RecordingObserver observer;
  StepHost host(1);
  RunDecay(state, {5, 10, false, "", ""}, observer, host, SeedAfterReseed(0));
  const double first = static_cast<double>(kernel::UniformRandom::toReal(kernel::UniformRandom::step(0)));
  ASSERT_EQ(static_cast<long double>(first), 0x1p-32L);
  EXPECT_EQ(state.cell(1, 1), 1);
}

TEST(DecayRun, StopSkipsTheRemainingStepsAndTheNextRunClearsTheHistory) {
  PopulationState state = StateWith(0.02L, 2);
  RecordingObserver full;
  StepHost host;
  RunDecay(state, {8, 30, false, "", ""}, full, host, SeedAfterReseed(7));
  ASSERT_GT(state.PopulationCurve[30], 0);  // the later steps hold values a stop must clear

  RecordingObserver stopped;
  StepHost stopping(4);
  RunDecay(state, {6, 30, false, "", ""}, stopped, stopping, SeedAfterReseed(7));
  EXPECT_EQ(stopped.steps.size(), 4u);
  EXPECT_EQ(stopping.pauses.size(), 4u);
  EXPECT_EQ(state.lastStep, 4);
  EXPECT_EQ(state.PopulationCurve[0], 36);
  for (std::int32_t t = 5; t <= 30; ++t) {
    EXPECT_EQ(state.PopulationCurve[t], 0) << t;
    EXPECT_EQ(state.DecaysPerStep[t], 0) << t;
  }
}

TEST(DecayRun, InputsOutOfRangeChangeNothing) {
  for (auto [side, duration] : {std::pair{4, 100}, {101, 100}, {10, 9}, {10, 1001}}) {
    PopulationState state;
    RecordingObserver observer;
    StepHost host;
    EXPECT_THROW(RunDecay(state, {side, duration, false, "", ""}, observer, host), kernel::RangeError);
    EXPECT_EQ(state.lastStep, -1);
    EXPECT_TRUE(observer.started.empty());
  }
}

}  // namespace
}  // namespace noyalis::population
