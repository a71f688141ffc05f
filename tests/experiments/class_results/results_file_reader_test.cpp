// The reader of results files over good files of both kinds and one file of each bad kind: the
// kind, or the reason with its line and numbers; never a block on a pipe.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>

#include "class_results_files.h"
#include "experiments/class_results/class_results.h"
#include "experiments/class_results/class_results_constants.h"
#include "experiments/class_results/results_file_reader.h"
#include "support/scratch_directory.h"

namespace noyalis::class_results {
namespace {

namespace fs = std::filesystem;
using enum FileProblemKind;

// What stands at the path of a case.
enum class Make { Text, Folder, Pipe, Missing, LargeSparse };

struct ReaderCase {
  const char* name;
  std::string text;
  std::optional<ResultsKind> kind;  // a good file
  FileProblem problem;              // else
  Make make = Make::Text;
};

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

TEST(ResultsFileReader, GoodFilesAndEveryBadKind) {
  // 4 measurements of mean 27.5 whose largest count is 31: rows kk = 0 … 31 on lines 4 … 35.
  const std::string activity = test::ActivityFileText({30, 25, 24, 31});
  const std::string intervals = test::IntervalFileText({1838, 120, 4000, 2500, 900}, 100);
  const auto edited = [&](const char* from, const char* to) { return Replaced(activity, from, to); };
  const ReaderCase cases[] = {
      {"activity, Latin-1, CR LF", activity, ResultsKind::Activity, {}},
      {"activity, UTF-8 with its mark, LF",
       "\xEF\xBB\xBF" + Replaced(test::ActivityFileText({3, 0, 2}, "\n"),
                                 "calcul\xE9"
                                 "e",
                                 "calcul\xC3\xA9"
                                 "e"),
       ResultsKind::Activity,
       {}},
      {"intervals, CR LF, blank lines after the last row",
       intervals + "\r\n\r\n",
       ResultsKind::Intervals,
       {}},
      {"not a results file", "Compte rendu de TP\r\n", {}, {NotAResultsFile, 1}},
      {"line 2 is no mean", "nb de mesures  ; 4 ; 4\r\ntotal : 110\r\n", {}, {NotAResultsFile, 2}},
      {"binary", "\x89PNG\r\n\x1A\n\0\0", {}, {Binary, 2}},
      {"saved before any run",
       "nb de mesures  ; 100 ; 0\r\nmoyenne calcul\xE9"
       "e :  0.00000000000000E+0000\r\nkk ; ni[kk] ; h\r\n",
       {},
       {NoMeasurements}},
      {"cut after row 10", activity.substr(0, activity.find("11 ; 0 ; 0")), {}, {Truncated, 14, 0, 11, 32}},
      {"intervals cut within the list",
       intervals.substr(0, intervals.find("4 ; 2500")),
       {},
       {Truncated, 7, 0, 3, 5}},
      {"a count with a decimal comma", edited("1 ; 30 ; 0", "1 ; 30,5 ; 0"), {}, {NotANumber, 5, 2}},
      {"a negative count", edited("2 ; 25 ; 0", "2 ; -25 ; 0"), {}, {Negative, 6, 2, -25}},
      {"a count out of every range (read as the largest, not wrapped round)",
       edited("3 ; 24 ; 0", "3 ; 9223372036854775809 ; 0"),
       {},
       {OutOfRange, 7, 2, INT64_MAX, kMaxCount}},
      {"a row number out of order", edited("\r\n7 ; 0", "\r\n8 ; 0"), {}, {WrongRowNumber, 11, 1, 8, 7}},
      {"more measurements than line 1 states",
       edited("; 100 ; 4", "; 100 ; 3"),
       {},
       {DisagreesWithLine1, 8, 2, 4, 3}},
      {"a mean that is not the rows'",
       edited("2.75000000000000E+0001", "2.76000000000000E+0001"),
       {},
       {DisagreesWithMean, 2}},
      {"a histogram that miscounts", edited("25 ; 0 ; 1", "25 ; 0 ; 2"), {}, {RowsDisagree, 29, 3}},
      {"larger than the limit",
       "",
       {},
       {TooLarge, 0, 0, kMaxFileBytes + 1, kMaxFileBytes},
       Make::LargeSparse},
      {"a folder", "", {}, {Folder}, Make::Folder},
      {"a named pipe", "", {}, {NotARegularFile}, Make::Pipe},
      {"unreadable", "", {}, {Unreadable, 0, 0, ENOENT}, Make::Missing},
  };
  const noyalis::test::ScratchDirectory scratch("results_reader");
  const fs::path& dir = scratch.path();
  int number = 0;
  for (const ReaderCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = (dir / ("file" + std::to_string(number++) + ".txt")).string();
    if (c.make == Make::Text) test::WriteBytes(path, c.text);
    if (c.make == Make::Folder) fs::create_directory(path);
    if (c.make == Make::Pipe) {
      ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);  // nobody will ever write to it
    }
    if (c.make == Make::LargeSparse) {
      test::WriteBytes(path, "");
      ASSERT_EQ(::truncate(path.c_str(), kMaxFileBytes + 1), 0);  // sparse: no disk space used
    }
    const ResultsFile file = ReadResultsFile(path);
    EXPECT_EQ(file.name, fs::path(path).filename().string());
    EXPECT_EQ(KindOf(file), c.kind);
    if (!c.kind) {
      ASSERT_NE(ProblemOf(file), nullptr);
      const FileProblem& p = *ProblemOf(file);
      EXPECT_EQ(p, c.problem) << "kind " << static_cast<int>(p.kind) << ", line " << p.line << ", field "
                              << p.field << ", value " << p.value << ", bound " << p.bound;
    }
  }
  // The good activity file: 4 measurements, counts 24 … 31.
  const ResultsFile good = ReadResultsFile((dir / "file0.txt").string());
  const auto* counts = std::get_if<ActivityCounts>(&good.content);
  ASSERT_NE(counts, nullptr);
  EXPECT_EQ(counts->measurements, 4);
  EXPECT_EQ(counts->firstCount, 24);
  EXPECT_EQ(counts->histogram, (std::vector<std::int32_t>{1, 1, 0, 0, 0, 0, 1, 1}));
  EXPECT_EQ(counts->sumOfSquares, 30 * 30 + 25 * 25 + 24 * 24 + 31 * 31);
  // A folder chosen stands for its entries in name order, hidden ones aside.
  test::WriteBytes((dir / ".hidden").string(), "x");
  const std::vector<std::string> chosen = {dir.string()};
  const std::vector<std::string> paths = PathsToRead(chosen);
  ASSERT_EQ(paths.size(), std::size(cases) - 1);  // the missing file is not there
  EXPECT_TRUE(std::is_sorted(paths.begin(), paths.end()));
}

}  // namespace
}  // namespace noyalis::class_results
