// The export file byte for byte, its name, its failure, and the curve point message.
#include <gtest/gtest.h>

#include <filesystem>

#include "experiments/population/decay_run.h"
#include "experiments/population/isotope_list.h"
#include "experiments/population/population_export.h"
#include "kernel/error.h"
#include "kernel/uniform_random.h"
#include "recorded_run.h"
#include "support/scratch_directory.h"

namespace noyalis::population {
namespace {

// A state after a run of side 5 and duration 10 whose p is above 1: 25 → 0 at step 1.
PopulationState EmptiedRun(int stopAfter = 1000) {
  PopulationState state;
  SetIsotopeList(state, {{"Po", 214, 4.2e3L}});
  state.selectedAtom = 2;
  state.selectedUnit = 1;
  RecordingObserver observer;
  StepHost host(stopAfter);
  RunDecay(state, {5, 10, false, "année", "Po 214"}, observer, host, {{}, 0});
  return state;
}

const std::string kHeader = " t         ;      n    ;       delta n \r\n";
const std::string kZero = " 0.00000000000000E+0000";

TEST(PopulationExport, FileByteForByte) {
  struct Case {
    const char* name;
    PopulationState state;
    ExportHeader idle;
    std::string expected;
  };
  std::string full =
      "ann\xE9"
      "e\r\nPo 214 ;  reste = ; 0\r\n" +
      kHeader + "0 ;  2.50000000000000E+0001 ; " + kZero + "\r\n1 ; " + kZero +
      " ;  2.50000000000000E+0001\r\n";
  for (int t = 2; t <= 10; ++t) full += std::to_string(t) + " ; " + kZero + " ; " + kZero + "\r\n";
  // Stopped after step 1: the rows end there.
  const std::string stopped =
      "ann\xE9"
      "e\r\nPo 214 ;  reste = ; 0\r\n" +
      kHeader + "0 ;  2.50000000000000E+0001 ; " + kZero + "\r\n1 ; " + kZero +
      " ;  2.50000000000000E+0001\r\n";
  PopulationState newAtom;
  PopulationState hydrogen;  // a one-letter symbol keeps the blank that pads it
  SetIsotopeList(hydrogen, ParseIsotopeList("H  3 1.782882E-09\r\n", "liste.txt"));
  Case cases[] = {
      {"full run", EmptiedRun(), {}, full},
      {"stopped run", EmptiedRun(1), {}, stopped},
      {"before any run, NewAtomRow chosen",
       newAtom,
       {"minute", IsotopeLabel(newAtom, 2), 100},
       "minute\r\n  ;  reste = ; 100\r\n" + kHeader},
      {"before any run, hydrogen 3 chosen",
       hydrogen,
       {"minute", IsotopeLabel(hydrogen, 2), 100},
       "minute\r\nH  3 ;  reste = ; 100\r\n" + kHeader},
  };
  const noyalis::test::ScratchDirectory dir("export");
  const kernel::LocalDateTime when{2024, 12, 8, 14, 35, 7};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string name = PopulationExportFileName(when);
    EXPECT_EQ(name, "241208_14_35_07_reseau.txt");
    SavePopulationExport(name, c.state, c.idle);
    EXPECT_EQ(noyalis::test::FileBytes(name), c.expected);
  }
}

// A directory in the way of the file fails even for a user who may write everywhere.
TEST(PopulationExport, UnwritableTargetRaisesAndKeepsTheHistory) {
  const PopulationState state = EmptiedRun();
  const noyalis::test::ScratchDirectory dir("blocked");
  const kernel::LocalDateTime when{2024, 12, 8, 14, 35, 7};
  std::filesystem::create_directories(PopulationExportFileName(when));
  try {
    SavePopulationExport(PopulationExportFileName(when), state, {});
    ADD_FAILURE() << "no error";
  } catch (const kernel::IoError& e) {
    EXPECT_NE(std::string(e.what()).find(PopulationExportFileName(when)), std::string::npos) << e.what();
  }
  EXPECT_EQ(state.lastStep, 10);
  EXPECT_EQ(state.DecaysPerStep[1], 25);
}

TEST(PopulationExport, NamesUseA24HourTime) {
  EXPECT_EQ(PopulationExportFileName({2009, 1, 2, 23, 5, 9}), "090102_23_05_09_reseau.txt");
  EXPECT_EQ(PopulationExportFileName({2030, 11, 30, 0, 0, 0}), "301130_00_00_00_reseau.txt");
}

TEST(CurvePointMessage, PluralRuleAndNumbers) {
  struct Case {
    long double t;
    const char* unit;
    std::int32_t index;
    long double n, n0;
    const char* expected;
  };
  const Case cases[] = {
      {0, "année", 1, 100, 100, " t = 0 années  N = 100   ( No = 100 )    "},
      {5, "year", 1, 97, 100, " t = 5 years  N = 97   ( No = 100 )    "},
      {12, "jour", 5, 3, 25, " t = 12 jours  N = 3   ( No = 25 )    "},
      {7, "10 millénaires", 8, 10000, 10000, " t = 7 10 millénaires  N = 10000   ( No = 10000 )    "},
      {1000, "milliards d'années", 10, 0, 2500, " t = 1000 milliards d'années  N = 0   ( No = 2500 )    "},
  };
  for (const Case& c : cases) EXPECT_EQ(CurvePointMessage(c.t, c.unit, c.index, c.n, c.n0), c.expected);
}

}  // namespace
}  // namespace noyalis::population
