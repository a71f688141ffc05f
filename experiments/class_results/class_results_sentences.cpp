#include "experiments/class_results/class_results_sentences.h"

#include <array>
#include <system_error>

namespace noyalis::class_results {

namespace {

constexpr std::size_t kProblemKinds = static_cast<std::size_t>(FileProblemKind::RowsDisagree) + 1;

// One language. "{value}", "{bound}" and "{reason}" (the system's words for an error) are filled
// in; a reason follows "{line}" or "{line}, {field}" when the problem has a line.
struct Sentences {
  std::string_view code;
  std::string_view line, lineAndField;                   // "{line}", "{field}"
  std::array<std::string_view, kProblemKinds> problems;  // in the order of FileProblemKind
  std::string_view truncatedRows;                        // Truncated, when the rows are counted
  std::array<std::string_view, 2> otherKind;             // an activity file, an interval file
  std::array<std::string_view, 3> commonMean;            // in the order of TestOutcome
};

// clang-format off
constexpr std::array<Sentences, 5> kLanguages = {{
  {"FR", "ligne {line} : ", "ligne {line}, champ {field} : ",
   {"illisible : {reason}",
    "un dossier, pas un fichier",
    "pas un fichier ordinaire (tube, périphérique ou socket) : non lu",
    "trop grand : {value} octets pour {bound} au plus",
    "données binaires, pas du texte",
    "pas un fichier de résultats d'activité ou d'intervalles",
    "enregistré avant toute mesure",
    "fichier tronqué",
    "pas un nombre entier",
    "valeur négative ({value})",
    "{value} hors des limites (limite {bound})",
    "ligne numérotée {value} au lieu de {bound}",
    "mesure n° {value} alors que la ligne 1 en annonce {bound}",
    "la moyenne annoncée n'est pas celle des mesures",
    "l'histogramme ne compte pas les valeurs des lignes"},
   "fichier tronqué : {value} lignes de données sur {bound}",
   {"fichier d'activité : non regroupé avec les intervalles",
    "fichier d'intervalles : non regroupé avec l'activité"},
   {"Une moyenne commune se teste à partir de deux fichiers cochés.",
    "Une même moyenne pour tous les fichiers cochés : non rejetée au seuil de 5 %.",
    "Une même moyenne pour tous les fichiers cochés : rejetée au seuil de 5 %."}},
  {"UK", "line {line}: ", "line {line}, field {field}: ",
   {"unreadable: {reason}",
    "a folder, not a file",
    "not a regular file (pipe, device or socket): not read",
    "too large: {value} bytes for {bound} at most",
    "binary data, not text",
    "not an activity or interval results file",
    "saved before any measurement",
    "truncated file",
    "not a whole number",
    "negative value ({value})",
    "{value} out of range (limit {bound})",
    "line numbered {value} instead of {bound}",
    "measurement no. {value} while line 1 states {bound}",
    "the stated mean is not the mean of the measurements",
    "the histogram does not count the values of the rows"},
   "truncated file: {value} data rows of {bound}",
   {"activity file: not pooled with the intervals",
    "interval file: not pooled with the activity"},
   {"A common mean can be tested from two ticked files on.",
    "One mean for every ticked file: not rejected at 5 %.",
    "One mean for every ticked file: rejected at 5 %."}},
  {"IT", "riga {line}: ", "riga {line}, campo {field}: ",
   {"illeggibile: {reason}",
    "una cartella, non un file",
    "non è un file normale (pipe, dispositivo o socket): non letto",
    "troppo grande: {value} byte per {bound} al massimo",
    "dati binari, non testo",
    "non è un file di risultati di attività o di intervalli",
    "salvato prima di qualsiasi misura",
    "file troncato",
    "non è un numero intero",
    "valore negativo ({value})",
    "{value} fuori dai limiti (limite {bound})",
    "riga numerata {value} invece di {bound}",
    "misura n. {value} mentre la riga 1 ne indica {bound}",
    "la media indicata non è quella delle misure",
    "l'istogramma non conta i valori delle righe"},
   "file troncato: {value} righe di dati su {bound}",
   {"file di attività: non raggruppato con gli intervalli",
    "file di intervalli: non raggruppato con l'attività"},
   {"Una media comune si verifica a partire da due file spuntati.",
    "Una stessa media per tutti i file spuntati: non respinta al livello del 5 %.",
    "Una stessa media per tutti i file spuntati: respinta al livello del 5 %."}},
  {"ES", "línea {line}: ", "línea {line}, campo {field}: ",
   {"ilegible: {reason}",
    "una carpeta, no un archivo",
    "no es un archivo normal (tubería, dispositivo o socket): no leído",
    "demasiado grande: {value} bytes para {bound} como máximo",
    "datos binarios, no texto",
    "no es un archivo de resultados de actividad o de intervalos",
    "guardado antes de cualquier medida",
    "archivo truncado",
    "no es un número entero",
    "valor negativo ({value})",
    "{value} fuera de los límites (límite {bound})",
    "línea numerada {value} en lugar de {bound}",
    "medida n.º {value} cuando la línea 1 anuncia {bound}",
    "la media indicada no es la de las medidas",
    "el histograma no cuenta los valores de las líneas"},
   "archivo truncado: {value} líneas de datos de {bound}",
   {"archivo de actividad: no agrupado con los intervalos",
    "archivo de intervalos: no agrupado con la actividad"},
   {"Una media común se prueba a partir de dos archivos marcados.",
    "Una misma media para todos los archivos marcados: no rechazada al nivel del 5 %.",
    "Una misma media para todos los archivos marcados: rechazada al nivel del 5 %."}},
  {"DE", "Zeile {line}: ", "Zeile {line}, Feld {field}: ",
   {"nicht lesbar: {reason}",
    "ein Ordner, keine Datei",
    "keine gewöhnliche Datei (Pipe, Gerät oder Socket): nicht gelesen",
    "zu groß: {value} Byte bei höchstens {bound}",
    "Binärdaten, kein Text",
    "keine Ergebnisdatei der Aktivität oder der Zeitabstände",
    "vor jeder Messung gespeichert",
    "Datei abgeschnitten",
    "keine ganze Zahl",
    "negativer Wert ({value})",
    "{value} außerhalb der Grenzen (Grenze {bound})",
    "Zeile mit der Nummer {value} statt {bound}",
    "Messung Nr. {value}, obwohl Zeile 1 {bound} angibt",
    "der angegebene Mittelwert ist nicht der der Messungen",
    "das Histogramm zählt die Werte der Zeilen nicht"},
   "Datei abgeschnitten: {value} von {bound} Datenzeilen",
   {"Aktivitätsdatei: nicht mit den Zeitabständen zusammengefasst",
    "Zeitabstandsdatei: nicht mit der Aktivität zusammengefasst"},
   {"Ein gemeinsamer Mittelwert lässt sich ab zwei angekreuzten Dateien testen.",
    "Ein Mittelwert für alle angekreuzten Dateien: auf dem 5-%-Niveau nicht verworfen.",
    "Ein Mittelwert für alle angekreuzten Dateien: auf dem 5-%-Niveau verworfen."}},
}};
// clang-format on

const Sentences& LanguageOf(std::string_view code) {
  for (const Sentences& s : kLanguages)
    if (s.code == code) return s;
  return kLanguages.front();
}

void Fill(std::string& text, std::string_view field, const std::string& value) {
  const std::size_t at = text.find(field);
  if (at != std::string::npos) text.replace(at, field.size(), value);
}

}  // namespace

std::string ProblemSentence(const FileProblem& problem, std::string_view languageCode) {
  const Sentences& language = LanguageOf(languageCode);
  const bool rowsCounted = problem.kind == FileProblemKind::Truncated && problem.bound > 0;
  std::string text(rowsCounted ? language.truncatedRows
                               : language.problems[static_cast<std::size_t>(problem.kind)]);
  if (problem.line > 0) text = std::string(problem.field > 0 ? language.lineAndField : language.line) + text;
  Fill(text, "{line}", std::to_string(problem.line));
  Fill(text, "{field}", std::to_string(problem.field));
  Fill(text, "{value}", std::to_string(problem.value));
  Fill(text, "{bound}", std::to_string(problem.bound));
  if (problem.kind == FileProblemKind::Unreadable)
    Fill(text, "{reason}", std::generic_category().message(static_cast<int>(problem.value)));
  return text;
}

std::string OtherKindSentence(ResultsKind kind, std::string_view languageCode) {
  return std::string(LanguageOf(languageCode).otherKind[static_cast<std::size_t>(kind)]);
}

std::string CommonMeanSentence(counting_statistics::TestOutcome outcome, std::string_view languageCode) {
  return std::string(LanguageOf(languageCode).commonMean[static_cast<std::size_t>(outcome)]);
}

}  // namespace noyalis::class_results
