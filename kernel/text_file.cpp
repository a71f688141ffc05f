#include "kernel/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "kernel/error.h"

namespace noyalis::kernel {

namespace {

// The code point of the UTF-8 sequence at text[i], advancing i; a malformed sequence gives
// one byte and a code point outside Latin-1.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  constexpr char32_t kMalformed = 0xFFFD;
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  int continuation = 0;
  char32_t cp = 0;
  if ((lead & 0xE0) == 0xC0) {
    continuation = 1;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    continuation = 2;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    continuation = 3;
    cp = lead & 0x07;
  } else {
    return kMalformed;
  }
  for (int k = 0; k < continuation; ++k) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return kMalformed;
    cp = (cp << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  }
  // Overlong forms of Latin-1 characters are malformed, not a way to smuggle them in.
  static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kSmallest[continuation]) return kMalformed;
  return cp;
}

[[noreturn]] void RaiseIoError(const std::string& what, const std::string& path, int error) {
  throw IoError(what + " \"" + path + "\": " + std::strerror(error));
}

[[noreturn]] void RaiseNotARegularFile(const std::string& path) {
  throw IoError("Cannot create file \"" + path + "\": not a regular file");
}

// Opens path for writing, replacing an older file. Anything that is not a regular file (a named
// pipe would block the program until something reads it, a device is no results file) is
// refused; the open does not block, and what it opened is checked again.
std::FILE* OpenRegularForWriting(const std::string& path) {
  struct stat before {};
  if (::stat(path.c_str(), &before) == 0 && !S_ISREG(before.st_mode)) RaiseNotARegularFile(path);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) RaiseIoError("Cannot create file", path, errno);
  struct stat opened {};
  if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
    ::close(fd);
    RaiseNotARegularFile(path);
  }
  // Writes to a regular file never wait anyway; clear the flag so they behave as usual.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* file = ::fdopen(fd, "wb");
  if (file == nullptr) {
    const int error = errno;
    ::close(fd);
    RaiseIoError("Cannot create file", path, error);
  }
  return file;
}

}  // namespace

std::string ToLatin1(std::string_view utf8) {
  std::string latin1;
  latin1.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const char32_t cp = NextCodePoint(utf8, i);
    latin1.push_back(cp <= 0xFF ? static_cast<char>(static_cast<unsigned char>(cp)) : '?');
  }
  return latin1;
}

void WriteTextFile(const std::string& path, const std::vector<std::string>& lines) {
  std::FILE* file = OpenRegularForWriting(path);
  for (const std::string& line : lines) {
    std::string bytes = ToLatin1(line);
    bytes += "\r\n";
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
      const int error = errno;
      std::fclose(file);  // keeps what was written so far
      RaiseIoError("Cannot write file", path, error);
    }
  }
  if (std::fclose(file) != 0) RaiseIoError("Cannot write file", path, errno);
}

}  // namespace noyalis::kernel
