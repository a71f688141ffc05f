#include "experiments/class_results/results_file_reader.h"

#include <filesystem>

#include "experiments/class_results/class_results_constants.h"
#include "experiments/class_results/file_bytes.h"
#include "experiments/class_results/results_parsers.h"

namespace noyalis::class_results {

namespace {

constexpr std::string_view kLine1 = "nb de mesures";
// Line 2 tells the kinds apart; "calculée" is written in Latin-1 or UTF-8, so only what precedes
// the "é" is compared.
constexpr std::string_view kActivityLine2 = "moyenne calcul";
constexpr std::string_view kIntervalLine2 = "moyenne en microseconde";

ResultsContent Parse(std::string_view text) {
  ResultsLines lines(text);
  const auto line1 = lines.next();
  if (!line1) return FileProblem{FileProblemKind::NotAResultsFile, 1};
  if (!line1->starts_with(kLine1)) lines.refuseBinaryStart();
  lines.expectStart(*line1, kLine1);
  const auto line2 = lines.peek();
  if (!line2) lines.fail({FileProblemKind::Truncated});
  if (line2->starts_with(kActivityLine2)) return ParseActivityFile(lines, *line1);
  if (line2->starts_with(kIntervalLine2)) return ParseIntervalFile(lines, *line1);
  lines.next();  // the reason is on line 2
  lines.refuseBinary(*line2);
  lines.fail({FileProblemKind::NotAResultsFile});
}

}  // namespace

ResultsContent ParseResultsText(std::string_view text) {
  try {
    return Parse(text);
  } catch (const ProblemFound& found) {
    return found.problem;
  }
}

ResultsFile ReadResultsFile(const std::string& path) {
  ResultsFile file{path, std::filesystem::path(path).filename().string(), FileProblem{}};
  std::string bytes;
  if (const auto problem = ReadFileBytes(path, kMaxFileBytes, bytes))
    file.content = *problem;
  else
    file.content = ParseResultsText(bytes);
  return file;
}

}  // namespace noyalis::class_results
