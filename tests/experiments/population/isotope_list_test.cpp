// The isotope list: its parser on good and bad files, the search from the working directory to
// the installed copy, the shipped list, and the decay constant's text forms.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "experiments/population/atom_table.h"
#include "experiments/population/isotope_list.h"
#include "support/scratch_directory.h"

namespace noyalis::population {
namespace {

namespace fs = std::filesystem;

std::string Repeat(const std::string& line, int times) {
  std::string s;
  for (int k = 0; k < times; ++k) s += line;
  return s;
}

TEST(IsotopeList, ParsesWhatTheFormatAllowsAndRefusesTheRest) {
  struct Case {
    const char* name;
    std::string content;
    std::vector<AtomRow> expected;  // when error is empty
    const char* error;              // a part of the message, with the line
  };
  const Case cases[] = {
      {"good", "Co 60 4.17E-9\r\nSr 90 7.63e-10\r\n", {{"Co", 60, 4.17E-9L}, {"Sr", 90, 7.63e-10L}}, ""},
      {"padded one-letter symbol, blanks and tabs",
       "H  3\t  1.78E-09 tritium\nU \t238 4.9E-18",
       {{"H ", 3, 1.78E-9L}, {"U ", 238, 4.9E-18L}},
       ""},
      {"any separator, rest ignored", "Po*210 5.8e-8 ;; 138 d ,,\n", {{"Po", 210, 5.8e-8L}}, ""},
      {"no exponent, sign", "Xx 1 +0.5\nYy 2 3", {{"Xx", 1, 0.5L}, {"Yy", 2, 3.0L}}, ""},
      {"empty file", "", {}, ""},
      {"trailing blank lines", "Co 60 4.17E-9\r\n\r\n  \r\n", {{"Co", 60, 4.17E-9L}}, ""},
      {"short line", "Co 60 4.17E-9\nCs\n", {}, "ligne 2"},
      {"mass without lambda", "Co 60\n", {}, "ligne 1"},
      {"comma decimal", "Cs 137 7,285E-10\n", {}, "ligne 1"},
      {"mass not whole", "Co 6.0 4.17E-9\n", {}, "ligne 1"},
      {"negative lambda", "Co 60 -4.17E-9\n", {}, "ligne 1"},
      {"lambda not a number", "Co 60 nan\n", {}, "ligne 1"},
      {"lambda beyond range", "Co 60 1E99999\n", {}, "ligne 1"},
      {"lambda beyond a double", "Co 60 1E309\n", {}, "ligne 1"},
      {"blank line between entries", "Co 60 4.17E-9\n\nSr 90 7.6e-10\n", {}, "ligne 2"},
      {"199 entries", Repeat("Co 60 4.17E-9\n", 199), std::vector<AtomRow>(199, {"Co", 60, 4.17E-9L}), ""},
      {"200 entries", Repeat("Co 60 4.17E-9\n", 200), {}, "ligne 200"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (*c.error == 0) {
      const std::vector<AtomRow> rows = ParseIsotopeList(c.content, "liste.txt");
      ASSERT_EQ(rows.size(), c.expected.size());
      for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(rows[k].symbol, c.expected[k].symbol);
        EXPECT_EQ(rows[k].mass, c.expected[k].mass);
        EXPECT_EQ(rows[k].lambda, c.expected[k].lambda);
      }
      continue;
    }
    try {
      ParseIsotopeList(c.content, "liste.txt");
      ADD_FAILURE() << "accepted";
    } catch (const IsotopeListError& e) {
      EXPECT_NE(std::string(e.what()).find("liste.txt, " + std::string(c.error)), std::string::npos)
          << e.what();
    }
  }
}

class IsotopeListFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories("work");
    fs::create_directories("installed");
  }
  std::string path(const char* part) const { return (dir_.path() / part / "radliste02.txt").string(); }

  const noyalis::test::ScratchDirectory dir_{"list"};
};

TEST_F(IsotopeListFiles, WorkingDirectoryFirstThenInstalledCopyThenNothing) {
  const std::vector<std::string> candidates = {path("work"), path("installed")};
  EXPECT_EQ(FindIsotopeList(candidates), std::nullopt);
  noyalis::test::WriteBytes(path("installed"), "Co 60 4.17E-9\r\n");
  EXPECT_EQ(FindIsotopeList(candidates), path("installed"));
  EXPECT_EQ(ReadIsotopeList(*FindIsotopeList(candidates)).size(), 1u);
  noyalis::test::WriteBytes(path("work"), "H  3 1.78E-09\r\nC  14 3.85E-12\r\n");
  EXPECT_EQ(FindIsotopeList(candidates), path("work"));
  EXPECT_EQ(ReadIsotopeList(*FindIsotopeList(candidates)).size(), 2u);
  // A directory of that name is no list.
  fs::remove(path("work"));
  fs::create_directory(path("work"));
  EXPECT_EQ(FindIsotopeList(candidates), path("installed"));
}

TEST_F(IsotopeListFiles, UnreadableFileNamesItself) {
  for (const std::string& p : {path("work") + ".missing", (dir_.path() / "work").string()}) {
    try {
      ReadIsotopeList(p);
      ADD_FAILURE() << p;
    } catch (const IsotopeListError& e) {
      EXPECT_NE(std::string(e.what()).find(p), std::string::npos) << e.what();
    }
  }
}

// Half-lives in the comments of the shipped list; a year there is 365.24 days like the program's.
double Seconds(double value, const std::string& unit) {
  if (unit == "y") return value * 365.24 * 86400;
  if (unit == "d") return value * 86400;
  if (unit == "h") return value * 3600;
  if (unit == "min") return value * 60;
  if (unit == "s") return value;
  ADD_FAILURE() << "unknown unit " << unit;
  return NAN;
}

TEST(ShippedIsotopeList, RealIsotopesWithConstantsFromTheirHalfLives) {
  const std::vector<AtomRow> rows = ReadIsotopeList(NOYALIS_SHIPPED_ISOTOPE_LIST);
  ASSERT_GE(rows.size(), 12u);
  ASSERT_LE(rows.size(), 46u);  // NewAtomRow (entries + 2) stays a row of the grid
  std::ifstream file(NOYALIS_SHIPPED_ISOTOPE_LIST, std::ios::binary);
  std::string line;
  for (const AtomRow& row : rows) {
    ASSERT_TRUE(std::getline(file, line));
    SCOPED_TRACE(line);
    EXPECT_FALSE(row.symbol == "Cs" && row.mass == 137);  // row 1 holds it
    EXPECT_TRUE(row.symbol.size() == 1 || row.symbol.size() == 2);
    EXPECT_GT(row.mass, 0);
    EXPECT_EQ(line.back(), '\r');
    const std::size_t at = line.find("T1/2 = ");
    ASSERT_NE(at, std::string::npos);
    std::istringstream comment(line.substr(at + 7));
    double halfLife = 0;
    std::string unit;
    comment >> halfLife >> unit;
    const double expected = std::log(2.0) / Seconds(halfLife, unit);
    EXPECT_NEAR(static_cast<double>(row.lambda) / expected, 1.0, 1e-6);
  }
}

TEST(LambdaText, GridFormAndTypedEntries) {
  EXPECT_EQ(LambdaGridText(7.28528E-10L, '.'), "7.285E-10");
  EXPECT_EQ(LambdaGridText(7.28528E-10L, ','), "7,285E-10");
  EXPECT_EQ(LambdaGridText(0, ','), "0,000E+00");
  EXPECT_EQ(LambdaGridText(1.5E-100L, '.'), "1.500E-100");
  EXPECT_EQ(ParseLambdaEntry(LambdaGridText(7.28528E-10L, ',')), 7.285E-10L);
  EXPECT_EQ(ParseLambdaEntry(LambdaGridText(7.28528E-10L, '.')), 7.285E-10L);
  EXPECT_EQ(ParseLambdaEntry(" 0,5 "), 0.5L);
  EXPECT_EQ(ParseLambdaEntry("2.5e-3"), 2.5e-3L);
  EXPECT_EQ(ParseLambdaEntry("0"), 0.0L);
  EXPECT_EQ(ParseLambdaEntry("-0"), 0.0L);
  EXPECT_EQ(ParseLambdaEntry("1.7976931348623157e308"), 1.7976931348623157e308L);  // the largest double
  for (const char* bad : {"", " ", "abc", "nan", "inf", "-inf", "-1", "1e309", "1e400", "1e5000", "0x10",
                          "1e", ",", "1,5,2", "1.5,2", "1 000"})
    EXPECT_EQ(ParseLambdaEntry(bad), std::nullopt) << bad;
  EXPECT_NE(LambdaEntryError("abc").find("'abc'"), std::string::npos);
}

}  // namespace
}  // namespace noyalis::population
