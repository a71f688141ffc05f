// Feeds arbitrary bytes to the isotope list parser and to the typed decay constant: either they
// are refused with the list's own error, or what they give holds together (λ finite even as the
// double a run uses).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "experiments/population/atom_table.h"
#include "experiments/population/isotope_list.h"

using namespace noyalis::population;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const std::vector<AtomRow> rows = ParseIsotopeList(text, "fuzz.txt");
    if (rows.size() > static_cast<std::size_t>(kMaxListEntries)) std::abort();
    for (const AtomRow& row : rows)
      if (row.symbol.size() > 2 || row.mass < 0 || !std::isfinite(static_cast<double>(row.lambda)) ||
          row.lambda < 0)
        std::abort();
  } catch (const IsotopeListError&) {
    // A refused list names its file; nothing else may escape.
  }
  const std::optional<long double> lambda = ParseLambdaEntry(text);
  if (lambda && (!std::isfinite(static_cast<double>(*lambda)) || *lambda < 0)) std::abort();
  return 0;
}
