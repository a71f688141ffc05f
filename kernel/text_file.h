#pragma once
// Results files: 8-bit Western (Latin-1) text, each line ended by CR LF.
#include <string>
#include <string_view>
#include <vector>

namespace noyalis::kernel {

// The Latin-1 bytes of UTF-8 text; a character outside Latin-1 becomes "?".
std::string ToLatin1(std::string_view utf8);

// Writes the lines (UTF-8) in one pass as Latin-1 with CR LF, replacing an older file as
// FileReplacement does: a failure raises IoError with the system's reason and leaves the older
// file (or link) as it was and no part of the new one.
void WriteTextFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace noyalis::kernel
