#pragma once
// Why a file is left out of the class results: a reason and its numbers, which the screen puts
// into a sentence of its language.
#include <cstdint>

namespace noyalis::class_results {

enum class FileProblemKind {
  Unreadable,          // the system refused to open or read it; value: the system's error number
  Folder,              // a folder, not a file
  NotARegularFile,     // a named pipe, a device or a socket: never opened for reading
  TooLarge,            // value: its size, bound: the largest accepted [bytes]
  Binary,              // line: where a NUL or control byte stands
  NotAResultsFile,     // line: the first that is not what a results file holds there
  NoMeasurements,      // a results file saved before any run
  Truncated,           // line: the last; value: rows found, bound: rows its data need
  NotANumber,          // line, field (1 …): missing, or not a whole number
  Negative,            // line, field, value
  OutOfRange,          // line, field, value, bound: the limit it crosses (the smallest or the largest)
  WrongRowNumber,      // line; value: the row number found, bound: the one expected
  DisagreesWithLine1,  // line: a measurement beyond the number line 1 states (value), bound: that number
  DisagreesWithMean,   // line 2: the mean it states is not the mean of the rows
  RowsDisagree,        // line: the histogram (or slice) column does not count the rows' values
};

struct FileProblem {
  FileProblemKind kind = FileProblemKind::Unreadable;
  std::int64_t line = 0;  // 1 …; 0 when the reason is the whole file
  int field = 0;          // 1 …; 0 when no field is meant
  std::int64_t value = 0;
  std::int64_t bound = 0;

  bool operator==(const FileProblem&) const = default;
};

}  // namespace noyalis::class_results
