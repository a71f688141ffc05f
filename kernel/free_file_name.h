#pragma once
// Names for a second save under a name already taken: the counter goes before the ending,
// "20241208_14_35_intervalles(2).txt", as file managers name a second copy, and cannot be read
// as one more field of the date and time, which "_" joins.
#include <string>

namespace noyalis::kernel {

// Whether anything holds the name path: a file, a folder, a pipe, or a link, even one leading
// nowhere.
bool FileNameTaken(const std::string& path);

// path itself when it is free, else the first free of "stem(2).ext", "stem(3).ext" … (the ending
// being everything from the last "." of the file's name; a name without one takes the counter at
// its end).
std::string FreeFileName(const std::string& path);

}  // namespace noyalis::kernel
