#pragma once
// The isotope list file: one isotope per line, the symbol in columns 1–2, a separator in column 3,
// then the mass number and the decay constant [1/s] with a point as decimal separator; the rest of
// each line is ignored.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "experiments/population/atom_table.h"
#include "experiments/population/isotope_list_error.h"

namespace noyalis::population {

// The entries of a list file's content, in file order; a symbol keeps the blank that pads it to two
// characters ("H " is hydrogen). Lines may end with CR LF or LF. Blank lines
// at the end of the file are ignored; an empty file has no entry. A line without its mass and λ,
// a mass that is not a whole number, a λ that is not a decimal real ≥ 0 with a point (a comma
// decimal included), a blank line between entries, or more than 199 entries raises
// IsotopeListError naming fileName and the line.
std::vector<AtomRow> ParseIsotopeList(std::string_view content, const std::string& fileName);

// Reads and parses the list file at path; a file that cannot be read raises IsotopeListError.
std::vector<AtomRow> ReadIsotopeList(const std::string& path);

// The first of the candidate paths that names an existing file, or nothing.
std::optional<std::string> FindIsotopeList(const std::vector<std::string>& candidates);

}  // namespace noyalis::population
