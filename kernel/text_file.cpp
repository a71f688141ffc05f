#include "kernel/text_file.h"

#include "kernel/file_replacement.h"

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
  FileReplacement file(path);
  for (const std::string& line : lines) {
    file.write(ToLatin1(line));
    file.write("\r\n");
  }
  file.commit();
}

}  // namespace noyalis::kernel
