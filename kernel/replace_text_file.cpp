#include "kernel/replace_text_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "kernel/error.h"
#include "kernel/text_file.h"

namespace noyalis::kernel {

void ReplaceTextFile(const std::string& path, const std::vector<std::string>& lines) {
  const std::string beside = path + ".tmp";
  try {
    WriteTextFile(beside, lines);
  } catch (const IoError&) {
    std::remove(beside.c_str());
    throw;
  }
  if (std::rename(beside.c_str(), path.c_str()) != 0) {
    const int error = errno;
    std::remove(beside.c_str());
    throw IoError("Cannot replace file \"" + path + "\": " + std::strerror(error));
  }
}

}  // namespace noyalis::kernel
