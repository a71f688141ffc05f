#include "kernel/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "kernel/error.h"

namespace noyalis::kernel {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kBufferBytes = 1 << 16;
constexpr int kMostLinks = 40;             // as the system's own limit on a chain of links
constexpr std::size_t kLongestStem = 200;  // leaves room for the suffix within a name's 255 bytes
constexpr int kAttempts = 100;             // names tried for the file beside

[[noreturn]] void Raise(const char* what, const std::string& path, int error) {
  const std::string reason = std::strerror(error);
  throw IoError(std::string(what) + " \"" + path + "\": " + reason, reason);
}

// Where the links at path lead: path itself when it is no link, else the end of its chain (which
// need not exist yet: a save through a dangling link creates the file it names).
std::string FollowLinks(const std::string& path) {
  fs::path at = path;
  for (int i = 0; i < kMostLinks; ++i) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(at, error);
    if (status.type() != fs::file_type::symlink) return at.string();
    const fs::path next = fs::read_symlink(at, error);
    if (error) Raise("Cannot create file", path, error.value());
    at = next.is_absolute() ? next : at.parent_path() / next;
  }
  Raise("Cannot create file", path, ELOOP);
}

// Puts the rename itself on the disk. A folder that cannot be synced (some file systems refuse)
// changes nothing about the file already in place.
void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

FileReplacement::FileReplacement(const std::string& path) : path_(path), target_(FollowLinks(path)) {
  struct stat old {};
  const bool exists = ::stat(target_.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) Raise("Cannot create file", path_, EISDIR);
  if (exists && !S_ISREG(old.st_mode))
    throw IoError("Cannot create file \"" + path_ + "\": not a regular file", "not a regular file");
  if (exists && ::access(target_.c_str(), W_OK) != 0) Raise("Cannot create file", path_, errno);
  const fs::path target(target_);
  // A hidden name of this process beside the target: ".results.txt.1234.0.tmp".
  std::string stem(".");
  stem.append(target.filename().string(), 0, kLongestStem).append(".").append(std::to_string(::getpid()));
  stem.append(".");
  for (int attempt = 0; fd_ < 0; ++attempt) {
    beside_ = (target.parent_path() / (stem + std::to_string(attempt) + ".tmp")).string();
    // The mode the system gives a new file (0666 less the umask), or the older file's own.
    fd_ = ::open(beside_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0 && (errno != EEXIST || attempt == kAttempts)) {
      const int error = errno;
      beside_.clear();
      Raise("Cannot create file", path_, error);
    }
  }
  if (exists && ::fchmod(fd_, old.st_mode & 07777) != 0) fail("Cannot create file", errno);
  buffer_.reserve(kBufferBytes);
}

FileReplacement::~FileReplacement() {
  discard();
}

void FileReplacement::write(std::string_view bytes) {
  buffer_.append(bytes);
  if (buffer_.size() >= kBufferBytes) flush();
}

void FileReplacement::commit() {
  flush();
  // On the disk before it takes the name: after a power cut the name holds the old file or the
  // whole new one, never an empty one.
  if (::fsync(fd_) != 0) fail("Cannot write file", errno);
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) fail("Cannot write file", errno);
  if (std::rename(beside_.c_str(), target_.c_str()) != 0) fail("Cannot replace file", errno);
  beside_.clear();
  SyncFolder(fs::path(target_).parent_path());
}

void FileReplacement::flush() {
  std::size_t done = 0;
  while (done < buffer_.size()) {
    const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) fail("Cannot write file", n < 0 ? errno : ENOSPC);
    done += static_cast<std::size_t>(n);
  }
  buffer_.clear();
}

void FileReplacement::discard() noexcept {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!beside_.empty()) ::unlink(beside_.c_str());
  beside_.clear();
}

void FileReplacement::fail(const char* what, int error) {
  discard();
  Raise(what, path_, error);
}

void ReplaceFile(const std::string& path, std::string_view bytes) {
  FileReplacement file(path);
  file.write(bytes);
  file.commit();
}

}  // namespace noyalis::kernel
