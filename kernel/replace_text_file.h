#pragma once
// Replacing a results file safely: the new text is written beside the old file, then renamed over
// it, so a failed save never leaves a half-written file in place of a good one.
#include <string>
#include <vector>

namespace noyalis::kernel {

// Writes the lines (UTF-8) as Latin-1 with CR LF to path + ".tmp", then renames that file to path.
// On failure raises IoError with the system's message; the partial file beside is removed and an
// older file at path is left as it was.
void ReplaceTextFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace noyalis::kernel
