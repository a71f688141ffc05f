#pragma once
// Replacing a file safely: the new bytes go to a file of their own beside the old one, reach the
// disk, and only then take the old one's name, so that a failed or interrupted save (a full disk,
// a power cut) never leaves a cut file, or nothing, in place of a good one.
#include <string>
#include <string_view>

namespace noyalis::kernel {

// One replacement of the file at path. What is written goes to a hidden file beside it; commit()
// puts it on the disk and renames it over path. Dropped without commit (after a failure, or an
// exception anywhere), the file beside is removed and path is left as it was.
//
// A symbolic link at path keeps its place and keeps pointing where it pointed: the file it leads
// to is replaced (the link was made on purpose, say into a shared class folder, and a save goes
// where the name leads, as a plain write would). A file the user may not write stays refused.
// Anything at path other than a regular file (a folder, a named pipe, a device) is refused, so a
// save never blocks on a pipe. Every failure raises IoError naming path, with the system's reason.
class FileReplacement {
 public:
  explicit FileReplacement(const std::string& path);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Adds bytes to the new file (buffered).
  void write(std::string_view bytes);
  // Writes what is buffered, waits until the file is on the disk, then renames it over path.
  void commit();

 private:
  void flush();
  void discard() noexcept;
  [[noreturn]] void fail(const char* what, int error);

  std::string path_;    // as given: the name the messages show
  std::string target_;  // the file replaced: path, or where its links lead
  std::string beside_;  // the new file, until it is renamed
  int fd_ = -1;
  std::string buffer_;
};

// Replaces the file at path by bytes, as FileReplacement does.
void ReplaceFile(const std::string& path, std::string_view bytes);

}  // namespace noyalis::kernel
