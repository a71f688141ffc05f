#pragma once
// For model tests that write files: a fresh directory of the test's own, the working directory
// while it lives (then the earlier one comes back and the directory goes), and a file's bytes
// written or read whole.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace noyalis::test {

class ScratchDirectory {
 public:
  explicit ScratchDirectory(const std::string& name)
      : path_(std::filesystem::temp_directory_path() /
              ("noyalis_" + name + "_" + std::to_string(::getpid()))),
        previous_(std::filesystem::current_path()) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~ScratchDirectory() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_, previous_;
};

// Writes bytes to a file at path (binary, replacing it).
inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The bytes of the file at path; empty when it cannot be read.
inline std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace noyalis::test
