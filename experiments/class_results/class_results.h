#pragma once
// The model of the class-results screen: the files chosen or dropped, each read once and listed
// with its kind or the reason it is left out, a tick per file, the kind being pooled and the class
// width of the interval histogram. The pool is computed from what each file keeps (its histogram,
// its intervals counted into classes), never by reading a file again, so unticking redraws at once.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "experiments/class_results/activity_class.h"
#include "experiments/class_results/interval_class.h"
#include "experiments/class_results/results_file.h"
#include "kernel/run_host.h"

namespace noyalis::class_results {

// The kind of a file read, or nothing when it is left out.
std::optional<ResultsKind> KindOf(const ResultsFile& file);
// Why a file is left out, or nothing.
const FileProblem* ProblemOf(const ResultsFile& file);

// The paths a choice stands for: a folder for its entries (hidden ones aside, sub-folders listed
// as such, in name order), any other path as it is; the order of the choice is kept.
std::vector<std::string> PathsToRead(std::span<const std::string> chosen);

class ClassResults {
 public:
  // Reads each file and lists it, ticked; a path already listed is read again in its place. With a
  // host, lets the event loop run after each file and stops reading when asked (the files read so
  // far stay listed).
  void add(std::span<const std::string> paths, kernel::RunHost* host = nullptr);
  void clear();

  const std::vector<ResultsFile>& files() const { return files_; }
  bool ticked(std::size_t file) const;
  // A tick takes a file of the pooled kind into the pool; it is kept when the kind changes.
  void setTicked(std::size_t file, bool ticked);

  ResultsKind pooledKind() const { return kind_; }
  void setPooledKind(ResultsKind kind) { kind_ = kind; }

  // The class width of the pooled interval histogram [µs]: the width the first interval file
  // read states, until it is set (10 … 1000).
  std::int32_t classWidthUs() const { return classWidthUs_; }
  void setClassWidthUs(std::int32_t classWidthUs);

  // The activity files and their pool (the ticked ones).
  ActivityClass activityClass() const;
  // The interval files and their pool (the ticked ones).
  IntervalClass intervalClass() const;

 private:
  std::vector<ResultsFile> files_;
  std::vector<bool> ticked_;
  std::vector<std::vector<std::int32_t>> classCounts_;  // per interval file, at classWidthUs_
  ResultsKind kind_ = ResultsKind::Activity;
  std::int32_t classWidthUs_ = 0;
};

}  // namespace noyalis::class_results
