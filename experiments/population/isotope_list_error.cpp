#include "experiments/population/isotope_list_error.h"

#include <array>
#include <utility>

namespace noyalis::population {

namespace {

// One language's sentences; "{file}", "{line}" and "{detail}" stand for the error's parts.
struct ListSentences {
  const char* code;
  const char* atLine;                   // before the sentences of a malformed line
  std::array<const char*, 7> problems;  // in the order of IsotopeListProblem
};

// clang-format off
constexpr ListSentences kSentences[] = {
  {"FR", "Liste d'isotopes {file}, ligne {line} : ",
   {"Liste d'isotopes {file} introuvable :{detail}",
    "Liste d'isotopes {file} : lecture impossible",
    "symbole, masse et lambda attendus (par exemple \"Cs 137 7.285E-10\")",
    "la masse \"{detail}\" n'est pas un nombre entier",
    "lambda \"{detail}\" n'est pas un nombre positif avec un point décimal",
    "ligne vide entre deux isotopes",
    "plus de {detail} isotopes"}},
  {"UK", "Isotope list {file}, line {line}: ",
   {"Isotope list {file} not found:{detail}",
    "Isotope list {file}: cannot be read",
    "symbol, mass and lambda expected (for example \"Cs 137 7.285E-10\")",
    "the mass \"{detail}\" is not a whole number",
    "lambda \"{detail}\" is not a positive number with a decimal point",
    "blank line between two isotopes",
    "more than {detail} isotopes"}},
  {"IT", "Elenco degli isotopi {file}, riga {line}: ",
   {"Elenco degli isotopi {file} non trovato:{detail}",
    "Elenco degli isotopi {file}: lettura impossibile",
    "attesi simbolo, massa e lambda (per esempio \"Cs 137 7.285E-10\")",
    "la massa \"{detail}\" non è un numero intero",
    "lambda \"{detail}\" non è un numero positivo con il punto decimale",
    "riga vuota tra due isotopi",
    "più di {detail} isotopi"}},
  {"ES", "Lista de isótopos {file}, línea {line}: ",
   {"Lista de isótopos {file} no encontrada:{detail}",
    "Lista de isótopos {file}: no se puede leer",
    "se esperaban símbolo, masa y lambda (por ejemplo \"Cs 137 7.285E-10\")",
    "la masa \"{detail}\" no es un número entero",
    "lambda \"{detail}\" no es un número positivo con punto decimal",
    "línea vacía entre dos isótopos",
    "más de {detail} isótopos"}},
  {"DE", "Isotopenliste {file}, Zeile {line}: ",
   {"Isotopenliste {file} nicht gefunden:{detail}",
    "Isotopenliste {file}: kann nicht gelesen werden",
    "Symbol, Masse und Lambda erwartet (zum Beispiel \"Cs 137 7.285E-10\")",
    "die Masse \"{detail}\" ist keine ganze Zahl",
    "Lambda \"{detail}\" ist keine positive Zahl mit Dezimalpunkt",
    "Leerzeile zwischen zwei Isotopen",
    "mehr als {detail} Isotope"}},
};
// clang-format on

// The sentence with its marks replaced in one pass, so that a file name holding a mark stays as it is.
std::string Filled(std::string_view sentence, const std::string& file, std::size_t line,
                   const std::string& detail) {
  const std::pair<std::string_view, std::string> marks[] = {
      {"{file}", file}, {"{line}", std::to_string(line)}, {"{detail}", detail}};
  std::string text;
  while (!sentence.empty()) {
    bool replaced = false;
    for (const auto& [mark, by] : marks)
      if (sentence.starts_with(mark)) {
        text += by;
        sentence.remove_prefix(mark.size());
        replaced = true;
        break;
      }
    if (!replaced) {
      text += sentence.front();
      sentence.remove_prefix(1);
    }
  }
  return text;
}

std::string Message(IsotopeListProblem problem, const std::string& file, std::size_t line,
                    const std::string& detail, std::string_view languageCode) {
  const ListSentences* sentences = &kSentences[0];
  for (const ListSentences& s : kSentences)
    if (languageCode == s.code) sentences = &s;
  std::string sentence = sentences->problems[static_cast<std::size_t>(problem)];
  if (line > 0) sentence = sentences->atLine + sentence;
  return Filled(sentence, file, line, detail);
}

}  // namespace

IsotopeListError::IsotopeListError(IsotopeListProblem problem, std::string file, std::size_t line,
                                   std::string detail)
    : kernel::Error(Message(problem, file, line, detail, "FR")),
      problem(problem),
      file(std::move(file)),
      line(line),
      detail(std::move(detail)) {}

std::string IsotopeListMessage(const IsotopeListError& error, std::string_view languageCode) {
  return Message(error.problem, error.file, error.line, error.detail, languageCode);
}

}  // namespace noyalis::population
