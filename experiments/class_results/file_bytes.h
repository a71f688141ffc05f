#pragma once
// Reading a file the user chose, safely: only a regular file is read, never a folder, a named pipe
// or a device (the open does not block, and the type is checked on what was opened), and never
// more than a limit.
#include <cstdint>
#include <optional>
#include <string>

#include "experiments/class_results/file_problem.h"

namespace noyalis::class_results {

// Reads the whole file at path into bytes (replacing what they held); the reason it cannot when it
// cannot: Folder, NotARegularFile, TooLarge (above maxBytes) or Unreadable.
std::optional<FileProblem> ReadFileBytes(const std::string& path, std::int64_t maxBytes, std::string& bytes);

}  // namespace noyalis::class_results
