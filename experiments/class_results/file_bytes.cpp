#include "experiments/class_results/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace noyalis::class_results {

namespace {

// Closes the descriptor on every way out.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

FileProblem Problem(FileProblemKind kind, std::int64_t value = 0, std::int64_t bound = 0) {
  return FileProblem{kind, 0, 0, value, bound};
}

}  // namespace

std::optional<FileProblem> ReadFileBytes(const std::string& path, std::int64_t maxBytes, std::string& bytes) {
  bytes.clear();
  // O_NONBLOCK: opening a named pipe for reading would otherwise wait for a writer.
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) return Problem(FileProblemKind::Unreadable, errno);
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return Problem(FileProblemKind::Unreadable, errno);
  if (S_ISDIR(info.st_mode)) return Problem(FileProblemKind::Folder);
  if (!S_ISREG(info.st_mode)) return Problem(FileProblemKind::NotARegularFile);
  if (info.st_size > maxBytes) return Problem(FileProblemKind::TooLarge, info.st_size, maxBytes);
  // One byte more than the size stated, so that the end shows at once; a file that grows while it
  // is read grows the buffer up to one byte more than the limit.
  const auto limit = static_cast<std::size_t>(maxBytes) + 1;
  bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) bytes.resize(std::min(bytes.size() * 2, limit));
    const ssize_t got = ::read(fd.get(), bytes.data() + filled, bytes.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Problem(FileProblemKind::Unreadable, errno);
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
    if (static_cast<std::int64_t>(filled) > maxBytes)
      return Problem(FileProblemKind::TooLarge, static_cast<std::int64_t>(filled), maxBytes);
  }
  bytes.resize(filled);
  return std::nullopt;
}

}  // namespace noyalis::class_results
