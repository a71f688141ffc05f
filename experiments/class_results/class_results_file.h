#pragma once
// The class results file: the class table and the pooled histogram of the kind being pooled, for a
// spreadsheet, in the form of the program's results files.
//
// Latin-1 text, each line ended by CR LF, fields separated by " ; ", whole numbers in decimal, real
// numbers in the 23-character scientific form, 1 for yes and 0 for no, an empty field for a number
// that does not exist; a ";" in a file name is written ",". Lines in order:
//
//   "résultats de la classe ; activité" (or "… ; intervalles")
//   the table header, then one row per file of that kind, in list order:
//     activity:  file ; N ; mean ; standard deviation ; standardized deviation ; marked ; pooled
//     intervals: file ; N ; mean interval [µs] ; rate [1/s] ; standardized deviation ; marked ; pooled
//   "moyenne commune ; fichiers ; khi2 ; degrés de liberté ; p", then
//     "test ; k ; χ² ; k − 1 ; p", or "test ; k ; non testable"
//   the pool's header, then "classe ; N ; mean ; standard deviation" (activity) or
//     "classe ; N ; mean interval ; rate" (intervals)
//   intervals only: "largeur des classes de l'histogramme en microseconde ; w", then
//     "ajustement ; pente ; r2 ; taux ajusté par seconde" and "droite ; slope [1/s] ; r² ; rate",
//     or "droite ; non ajustée"
//   the histogram header, then one row per value: count ; measurements for the pooled counts from
//     the smallest to the largest (activity), class k ; intervals for k = 1 … C (intervals).
#include <string>
#include <vector>

#include "experiments/class_results/class_results.h"
#include "kernel/date_time.h"

namespace noyalis::class_results {

// "yyyymmdd_hh_mm_classe.txt" for the moment of the save.
std::string ClassResultsFileName(const kernel::LocalDateTime& when);

// The lines of the file (UTF-8) for the kind being pooled.
std::vector<std::string> ClassResultsLines(const ClassResults& results);

// Writes the file at path, replacing an older one only once the new one is whole; an I/O failure
// raises IoError and leaves the older file as it was.
void SaveClassResults(const std::string& path, const ClassResults& results);

}  // namespace noyalis::class_results
