#pragma once
// What the class-results screen says in words, in the five interface languages ("FR", "UK", "IT",
// "ES", "DE"; French for any other code), UTF-8: why a file is left out, that a file is of the
// other kind, and what the test of one common mean shows (rejected or not at 5 %, never that the
// files share a mean).
#include <string>
#include <string_view>

#include "experiments/class_results/common_mean_test.h"
#include "experiments/class_results/file_problem.h"
#include "experiments/class_results/results_file.h"

namespace noyalis::class_results {

// The reason a file is left out, with its line, field and numbers ("ligne 12, champ 2 : …").
std::string ProblemSentence(const FileProblem& problem, std::string_view languageCode);

// A file of kind that is left out because the other kind is being pooled.
std::string OtherKindSentence(ResultsKind kind, std::string_view languageCode);

// The outcome of the test that every ticked file shares one mean, in one sentence.
std::string CommonMeanSentence(counting_statistics::TestOutcome outcome, std::string_view languageCode);

}  // namespace noyalis::class_results
