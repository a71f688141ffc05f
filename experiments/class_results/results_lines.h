#pragma once
// The lines of a results file and the numbers in them, read with the file's own line numbers. A
// line that does not hold what it should raises ProblemFound with the reason.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "experiments/class_results/file_problem.h"

namespace noyalis::class_results {

// Raised while reading a file's text; the reader turns it into the file's reason.
struct ProblemFound {
  FileProblem problem;
};

// Raises ProblemFound for the problem as it stands (its line included).
[[noreturn]] void Raise(FileProblem problem);

// Lines ended by LF or CR LF, in Latin-1 or UTF-8 (a UTF-8 byte-order mark is skipped).
class ResultsLines {
 public:
  explicit ResultsLines(std::string_view text);

  // The next line without its end, or nothing after the last; the last line may lack its end.
  std::optional<std::string_view> next();
  // The line next() would return, without moving on.
  std::optional<std::string_view> peek() const;
  // The number of the line last returned (1 …).
  std::int64_t lineNumber() const { return line_; }
  // The line last returned was cut: the text ends in it without a line end.
  bool cut() const { return cut_; }
  // Raises Binary for the line when it holds a NUL or a control byte (other than tab and CR).
  void refuseBinary(std::string_view line) const;
  // Raises Binary when the text holds a NUL or a control byte within its first kilobytes.
  void refuseBinaryStart() const;
  // Raises NotAResultsFile for the line unless it starts with prefix (after a check for Binary).
  void expectStart(std::string_view line, std::string_view prefix) const;
  // The reason for the current line: it is the last one and cut, or else the one given.
  [[noreturn]] void fail(FileProblem problem) const;

 private:
  struct Scan {
    std::string_view line;
    std::size_t after = 0;  // where the line after it starts
    bool cut = false;
  };
  Scan scan() const;

  std::string_view text_;
  std::size_t at_ = 0;
  std::int64_t line_ = 0;
  bool cut_ = false;
};

// The whole numbers of a row "a ; b ; c": as many as values holds, each at least 0 and at most
// its bound in highest; blanks around the separators are allowed. Raises NotANumber, Negative or
// OutOfRange for the current line of lines.
void ReadRow(const ResultsLines& lines, std::string_view row, std::span<std::int64_t> values,
             std::span<const std::int64_t> highest);

// A field after the label: "label ; 12" gives the whole number of field 2 within lowest … highest.
std::int64_t ReadLabelledNumber(const ResultsLines& lines, std::string_view line, int field,
                                std::int64_t lowest, std::int64_t highest);

// The real number after the ":" of a mean line (a point or a comma as decimal separator), and the
// half unit of its last written digit; NotANumber when there is none.
struct StatedReal {
  long double value = 0;
  long double halfUnit = 0;
};
StatedReal ReadStatedMean(const ResultsLines& lines, std::string_view line);

// Raises DisagreesWithMean (line 2) unless the mean stated agrees with sum / n to the digits written.
void CheckStatedMean(const StatedReal& stated, long double sum, long double n);

// The next line, or Truncated when the file ends before it.
std::string_view NextLine(ResultsLines& lines);

// Blank lines may close a file (an editor's, or a spreadsheet's); nothing may follow them. Called
// on the first blank line.
void ExpectOnlyBlankLines(ResultsLines& lines);

}  // namespace noyalis::class_results
