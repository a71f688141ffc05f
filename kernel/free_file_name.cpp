#include "kernel/free_file_name.h"

#include <sys/stat.h>

namespace noyalis::kernel {

bool FileNameTaken(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0;
}

std::string FreeFileName(const std::string& path) {
  if (!FileNameTaken(path)) return path;
  const std::size_t nameStart = path.find_last_of('/') + 1;  // 0 without a folder
  std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || dot <= nameStart) dot = path.size();
  const std::string stem = path.substr(0, dot), ending = path.substr(dot);
  for (unsigned long counter = 2;; ++counter) {
    std::string candidate = stem + "(" + std::to_string(counter) + ")" + ending;
    if (!FileNameTaken(candidate)) return candidate;
  }
}

}  // namespace noyalis::kernel
