#include "experiments/class_results/class_results.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

#include "experiments/class_results/class_results_constants.h"
#include "experiments/class_results/results_file_reader.h"
#include "kernel/error.h"

namespace noyalis::class_results {

namespace fs = std::filesystem;

std::optional<ResultsKind> KindOf(const ResultsFile& file) {
  if (std::holds_alternative<ActivityCounts>(file.content)) return ResultsKind::Activity;
  if (std::holds_alternative<IntervalList>(file.content)) return ResultsKind::Intervals;
  return std::nullopt;
}

const FileProblem* ProblemOf(const ResultsFile& file) {
  return std::get_if<FileProblem>(&file.content);
}

std::vector<std::string> PathsToRead(std::span<const std::string> chosen) {
  std::vector<std::string> paths;
  for (const std::string& path : chosen) {
    std::error_code error;
    // A folder is listed by its entries, without following links into other folders' entries.
    if (!fs::is_directory(fs::symlink_status(path, error))) {
      paths.push_back(path);
      continue;
    }
    std::vector<std::string> entries;
    for (fs::directory_iterator entry(path, error), end; !error && entry != end; entry.increment(error))
      if (!entry->path().filename().string().starts_with('.')) entries.push_back(entry->path().string());
    if (error) {
      paths.push_back(path);  // an unreadable folder is listed as such
      continue;
    }
    std::sort(entries.begin(), entries.end());
    paths.insert(paths.end(), entries.begin(), entries.end());
  }
  return paths;
}

void ClassResults::add(std::span<const std::string> paths, kernel::RunHost* host) {
  for (const std::string& path : paths) {
    if (host) {
      host->yieldItem();
      if (host->stopRequested()) return;
    }
    ResultsFile file = ReadResultsFile(path);
    std::vector<std::int32_t> classes;
    if (const auto* list = std::get_if<IntervalList>(&file.content)) {
      if (classWidthUs_ == 0) classWidthUs_ = list->classWidthUs;
      classes = CountIntoClasses(*list, classWidthUs_);
    }
    const auto listed =
        std::find_if(files_.begin(), files_.end(), [&](const ResultsFile& f) { return f.path == path; });
    if (listed != files_.end()) {
      const auto i = static_cast<std::size_t>(listed - files_.begin());
      files_[i] = std::move(file);
      classCounts_[i] = std::move(classes);
      continue;
    }
    files_.push_back(std::move(file));
    classCounts_.push_back(std::move(classes));
    ticked_.push_back(true);
  }
}

void ClassResults::clear() {
  files_.clear();
  ticked_.clear();
  classCounts_.clear();
}

bool ClassResults::ticked(std::size_t file) const {
  return ticked_.at(file);
}

void ClassResults::setTicked(std::size_t file, bool ticked) {
  ticked_.at(file) = ticked;
}

void ClassResults::setClassWidthUs(std::int32_t classWidthUs) {
  if (classWidthUs < kMinClassWidthUs || classWidthUs > kMaxClassWidthUs)
    throw kernel::RangeError("class width " + std::to_string(classWidthUs) + " outside 10..1000");
  classWidthUs_ = classWidthUs;
  for (std::size_t i = 0; i < files_.size(); ++i)
    if (const auto* list = std::get_if<IntervalList>(&files_[i].content))
      classCounts_[i] = CountIntoClasses(*list, classWidthUs_);
}

ActivityClass ClassResults::activityClass() const {
  std::vector<ActivityMember> members;
  for (std::size_t i = 0; i < files_.size(); ++i)
    if (const auto* counts = std::get_if<ActivityCounts>(&files_[i].content))
      members.push_back({i, ticked_[i], counts});
  return PoolActivity(members);
}

IntervalClass ClassResults::intervalClass() const {
  std::vector<IntervalMember> members;
  for (std::size_t i = 0; i < files_.size(); ++i)
    if (const auto* list = std::get_if<IntervalList>(&files_[i].content))
      members.push_back({i, ticked_[i], list, classCounts_[i]});
  return PoolIntervals(members, classWidthUs_);
}

}  // namespace noyalis::class_results
