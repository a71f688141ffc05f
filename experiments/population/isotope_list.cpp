#include "experiments/population/isotope_list.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "experiments/population/population_constants.h"

namespace noyalis::population {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsBlankLine(std::string_view line) {
  for (char c : line)
    if (!IsBlank(c)) return false;
  return true;
}

void SkipBlanks(std::string_view& s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
}

// The next run of non-blank characters of s, removed from s.
std::string_view TakeToken(std::string_view& s) {
  SkipBlanks(s);
  std::size_t n = 0;
  while (n < s.size() && !IsBlank(s[n])) ++n;
  const std::string_view token = s.substr(0, n);
  s.remove_prefix(n);
  return token;
}

[[noreturn]] void Malformed(const std::string& fileName, std::size_t line, const std::string& why) {
  throw IsotopeListError("Liste d'isotopes " + fileName + ", ligne " + std::to_string(line) + " : " + why);
}

AtomRow ParseEntry(std::string_view line, const std::string& fileName, std::size_t number) {
  AtomRow row;
  std::string symbol(line.substr(0, 2));
  while (!symbol.empty() && IsBlank(symbol.back())) symbol.pop_back();  // "H " is hydrogen
  row.symbol = symbol;
  std::string_view rest = line.size() > 3 ? line.substr(3) : std::string_view{};
  const std::string_view mass = TakeToken(rest);
  const std::string_view lambda = TakeToken(rest);
  if (mass.empty() || lambda.empty())
    Malformed(fileName, number, "symbole, masse et lambda attendus (par exemple \"Cs 137 7.285E-10\")");
  const auto [end, error] = std::from_chars(mass.data(), mass.data() + mass.size(), row.mass);
  if (error != std::errc() || end != mass.data() + mass.size() || row.mass < 0)
    Malformed(fileName, number, "la masse \"" + std::string(mass) + "\" n'est pas un nombre entier");
  const std::optional<long double> value = ParseDecimalReal(lambda);
  if (!value || !IsDecayConstant(*value))
    Malformed(fileName, number,
              "lambda \"" + std::string(lambda) + "\" n'est pas un nombre positif avec un point décimal");
  row.lambda = *value;
  return row;
}

}  // namespace

std::vector<AtomRow> ParseIsotopeList(std::string_view content, const std::string& fileName) {
  std::vector<std::string_view> lines;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    std::string_view line = content.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    content.remove_prefix(end + 1);
  }
  while (!lines.empty() && IsBlankLine(lines.back())) lines.pop_back();

  std::vector<AtomRow> rows;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    if (rows.size() == static_cast<std::size_t>(kMaxListEntries))
      Malformed(fileName, k + 1, "plus de " + std::to_string(kMaxListEntries) + " isotopes");
    if (IsBlankLine(lines[k])) Malformed(fileName, k + 1, "ligne vide entre deux isotopes");
    rows.push_back(ParseEntry(lines[k], fileName, k + 1));
  }
  return rows;
}

std::vector<AtomRow> ReadIsotopeList(const std::string& path) {
  std::error_code error;
  std::ifstream file;
  if (std::filesystem::is_regular_file(path, error)) file.open(path, std::ios::binary);
  if (!file.is_open()) throw IsotopeListError("Liste d'isotopes " + path + " : lecture impossible");
  const std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) throw IsotopeListError("Liste d'isotopes " + path + " : lecture impossible");
  return ParseIsotopeList(content, path);
}

std::optional<std::string> FindIsotopeList(const std::vector<std::string>& candidates) {
  for (const std::string& path : candidates) {
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) return path;
  }
  return std::nullopt;
}

}  // namespace noyalis::population
