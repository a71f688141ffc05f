#pragma once
// Reading the results files of the activity and interval screens for the class: whatever a file
// holds, the answer is its content or the reason it is left out, with the line; files are only
// read.
#include <string>
#include <string_view>

#include "experiments/class_results/results_file.h"

namespace noyalis::class_results {

// The content of a results file's text (Latin-1 or UTF-8, lines ended by CR LF or LF), or why it
// is not a results file the class can use.
ResultsContent ParseResultsText(std::string_view text);

// Reads and parses the file at path; a folder, a named pipe, a device, a file above the size limit
// or one that cannot be read is left out with its reason, without blocking.
ResultsFile ReadResultsFile(const std::string& path);

}  // namespace noyalis::class_results
